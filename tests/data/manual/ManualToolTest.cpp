// The manual tool run as the build runs it: the help folder of the source
// tree made into a PDF with one section per topic of the Help page, in the
// tree's order, and the failures that must stop the build.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "TempFolder.h"
#include "platform/IniFile.h"

namespace data::manual {
namespace {

namespace fs = std::filesystem;

const std::string kHelpSource = IXO_HELP_SOURCE;  // holds help.tree and Help/

struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

ToolRun RunTool(const QStringList& arguments) {
  QProcess tool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  tool.setProcessEnvironment(environment);
  tool.start(IXOMANUAL_PROGRAM, arguments);
  if (!tool.waitForFinished(120000)) return {};
  return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, tool.readAllStandardOutput().toStdString(),
          tool.readAllStandardError().toStdString()};
}

struct ContentsLine {
  std::string title;
  int depth = 0;
  int page = 0;
  bool operator==(const ContentsLine&) const = default;
};

// "  Title<TAB>7": two blanks a level.
std::vector<ContentsLine> ParseContents(const std::string& out) {
  std::vector<ContentsLine> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    const std::size_t indent = line.find_first_not_of(' ');
    const std::size_t tab = line.rfind('\t');
    if (indent == std::string::npos || tab == std::string::npos || indent % 2 != 0) {
      ADD_FAILURE() << "not a contents line: " << line;
      continue;
    }
    lines.push_back({line.substr(indent, tab - indent), static_cast<int>(indent / 2), std::stoi(line.substr(tab + 1))});
  }
  return lines;
}

// The topics of the tree file read on their own: each key of a section
// below "Help", then its own keys, depth first.
void CollectTopics(const platform::TIniFile& tree, const std::string& section, int depth,
                   std::vector<ContentsLine>& topics) {
  for (const std::string& key : tree.ReadSection(section)) {
    if (key.starts_with('#')) continue;
    topics.push_back({key, depth, 0});
    CollectTopics(tree, key, depth + 1, topics);
  }
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(ManualTool, HelpBecomesAPdfWithOneSectionPerTopicInTheOrderOfTheTree) {
  testing_support::TempFolder output;
  const ToolRun run = RunTool({"--contents", QString::fromStdString(kHelpSource), QString::fromStdString(output.File("m.pdf"))});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  const std::string pdf = testing_support::ReadFileBytes(output.File("m.pdf"));
  EXPECT_TRUE(pdf.starts_with("%PDF-"));
  EXPECT_NE(pdf.rfind("%%EOF"), std::string::npos);

  std::vector<ContentsLine> topics;
  CollectTopics(platform::TIniFile(kHelpSource + "help.tree"), "Help", 0, topics);
  ASSERT_GT(topics.size(), 20u);
  const std::vector<ContentsLine> contents = ParseContents(run.out);
  ASSERT_EQ(contents.size(), topics.size()) << run.out;

  // The title page with the contents comes first; each topic of the top two
  // levels begins a page of its own, the others follow on.
  const std::size_t pages = Count(pdf, "/Type /Page\n");
  int previous = 1;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    SCOPED_TRACE(contents[i].title);
    EXPECT_EQ(contents[i].title, topics[i].title);
    EXPECT_EQ(contents[i].depth, topics[i].depth);
    if (contents[i].depth <= 1) EXPECT_GT(contents[i].page, previous);
    else EXPECT_GE(contents[i].page, previous);
    EXPECT_LE(static_cast<std::size_t>(contents[i].page), pages);
    previous = contents[i].page;
  }
  EXPECT_EQ(contents.front().page, 2);
}

TEST(ManualTool, BuildWroteTheManualThatIsInstalled) {
  EXPECT_TRUE(testing_support::ReadFileBytes(IXO_BUILT_MANUAL).starts_with("%PDF-"));
}

TEST(ManualTool, MissingPageOrTreeOrAnUnwritableFileFailsAndWritesNothing) {
  testing_support::TempFolder help;
  testing_support::TempFolder output;
  const QString helpFolder = QString::fromStdString(help.Path());
  const QString pdf = QString::fromStdString(output.File("m.pdf"));

  ToolRun run = RunTool({helpFolder, pdf});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("no topics in " + help.Path() + "help.tree"), std::string::npos) << run.err;

  ASSERT_TRUE(testing_support::WriteFileBytes(help.File("help.tree"),
                                              "[Help]\r\nThere=\r\nGone=\r\n[There]\r\n#link=there.html\r\n"
                                              "[Gone]\r\n#link=gone.html\r\n"));
  fs::create_directories(help.File("Help"));
  ASSERT_TRUE(testing_support::WriteFileBytes(help.File("Help/there.html"), "<body><p>Here.</p></body>"));
  run = RunTool({helpFolder, pdf});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("the page " + help.File("Help/gone.html") + " of the topic \"Gone\" cannot be read"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(output.File("m.pdf")));

  ASSERT_TRUE(testing_support::WriteFileBytes(help.File("Help/gone.html"), "<p>Back.</p>"));
  ASSERT_TRUE(testing_support::WriteFileBytes(output.File("in-the-way"), "a file"));
  run = RunTool({helpFolder, QString::fromStdString(output.File("in-the-way/m.pdf"))});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("cannot write " + output.File("in-the-way/m.pdf")), std::string::npos) << run.err;

  run = RunTool({helpFolder, pdf});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(testing_support::ReadFileBytes(output.File("m.pdf")).starts_with("%PDF-"));
  EXPECT_EQ(RunTool({helpFolder}).exitCode, 2);
}

}  // namespace
}  // namespace data::manual
