#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <memory>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/Shell.h"
#include "ScopedEnvironment.h"
#include "StandInPrograms.h"
#include "TempFolder.h"

namespace platform {
namespace {

using testing_support::ReadFileBytes;
using testing_support::StandInPrograms;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

using Runs = std::vector<std::vector<std::string>>;

class SystemShellTest : public ::testing::Test {
 protected:
  // A file of the scratch folder with the bytes.
  std::string Document(const std::string& name, const std::string& bytes) {
    const std::string path = out_.File(name);
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
  }

  TempFolder out_;
  StandInPrograms programs_{"xdg-open", "lp", "soffice"};
  SystemShellService shell_;
};

TEST_F(SystemShellTest, VerbsRunTheirProgramsWithTheFileAsOneArgument) {
  const std::string awkward = Document("a b;touch pwned $(touch pwned2) 'q\".pdf", "%PDF-1.4\n");
  const ShellResult opened = shell_.Execute("OPEN", awkward);
  EXPECT_TRUE(opened.ok) << opened.error;
  EXPECT_TRUE(opened.error.empty());
  EXPECT_EQ(programs_.Runs("xdg-open"), (Runs{{awkward}}));
  EXPECT_FALSE(FileExists(out_.File("pwned")));
  EXPECT_FALSE(FileExists("pwned2"));

  EXPECT_TRUE(shell_.Execute("Print", awkward).ok);
  EXPECT_EQ(programs_.Runs("lp"), (Runs{{awkward}}));

  EXPECT_TRUE(shell_.Execute("open", "-o landscape.rtf").ok);
  EXPECT_EQ(programs_.Runs("xdg-open").back(), std::vector<std::string>{"./-o landscape.rtf"});
}

// The print verb tells the format by the file's first bytes, whatever its name.
TEST_F(SystemShellTest, PrintSendsEachFormatToTheProgramThatPrintsIt) {
  const std::vector<std::string> office{"soffice", "--headless", "-p"};
  const struct {
    const char* name;
    std::string bytes;
    std::vector<std::string> program;
  } cases[] = {
      {"01~001.txt", "01001001 In the beginning God created the heaven and the earth.\n", {"lp"}},
      {"empty.txt", "", {"lp"}},
      {"accents.txt", "Caf\xC3\xA9\tna\xC3\xAFve\r\n\f", {"lp"}},
      {"Ixo-2007.pdf", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n", {"lp"}},
      {"page.ps", "%!PS-Adobe-3.0\n", {"lp"}},
      {"Genesis.rtf", "{\\rtf1\\ansi\\deff0 In the beginning}", office},
      {"Exodus.doc", "{\\rtf1\\ansi In the beginning}", office},
      {"Genesis.wpd", std::string("\xFFWPC\x0E\x02\x00\x00\x01\x0A\x02\x04", 12), office},
      {"Genesis 1.doc", std::string("\xFFWPC\x0E\x02\x00\x00\x01\x0A\x02\x04", 12), office},
      {"Ruth.doc", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00", 10), office},
  };
  for (const auto& document : cases) {
    SCOPED_TRACE(document.name);
    const std::string file = Document(document.name, document.bytes);
    const std::size_t lpBefore = programs_.Runs("lp").size(), officeBefore = programs_.Runs("soffice").size();
    const ShellResult printed = shell_.Execute("print", file);
    EXPECT_TRUE(printed.ok) << printed.error;
    const bool toLp = document.program.front() == "lp";
    ASSERT_EQ(programs_.Runs("lp").size(), lpBefore + (toLp ? 1 : 0));
    ASSERT_EQ(programs_.Runs("soffice").size(), officeBefore + (toLp ? 0 : 1));
    std::vector<std::string> expected(document.program.begin() + 1, document.program.end());
    expected.push_back(file);
    EXPECT_EQ(programs_.Runs(document.program.front()).back(), expected);
  }
}

TEST_F(SystemShellTest, FailingPrinterComesBackWithItsOwnMessage) {
  programs_.FailWith("lp", 1, "lp: The printer or class does not exist.\n");
  const ShellResult failed = shell_.Execute("print", Document("01~001.txt", "In the beginning\n"));
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.error, "\"lp\" failed for \"" + out_.File("01~001.txt") +
                              "\" (exit status 1):\nlp: The printer or class does not exist.");

  programs_.FailWith("soffice", 81, "");
  const ShellResult silent = shell_.Execute("print", Document("Genesis.rtf", "{\\rtf1 x}"));
  EXPECT_FALSE(silent.ok);
  EXPECT_EQ(silent.error, "\"soffice\" failed for \"" + out_.File("Genesis.rtf") + "\" (exit status 81)");

  programs_.FailWith("soffice", 3, "Error: source file could not be loaded\n");
  const ShellResult office = shell_.Execute("print", Document("Genesis.wpd", "\xFFWPC"));
  EXPECT_NE(office.error.find("(exit status 3):\nError: source file could not be loaded"), std::string::npos)
      << office.error;
}

TEST_F(SystemShellTest, FormatThatNoInstalledProgramPrintsIsRefusedWithWhatToInstall) {
  programs_.Remove("soffice");
  const ShellResult wordPerfect = shell_.Execute("print", Document("Genesis.wpd", "\xFFWPC"));
  EXPECT_FALSE(wordPerfect.ok);
  for (const char* part : {"WordPerfect", "Genesis.wpd", "LibreOffice", "libreoffice-writer"})
    EXPECT_NE(wordPerfect.error.find(part), std::string::npos) << part << " in " << wordPerfect.error;
  const ShellResult rtf = shell_.Execute("print", Document("Genesis.doc", "{\\rtf1 x}"));
  EXPECT_NE(rtf.error.find("RTF"), std::string::npos) << rtf.error;

  programs_.Remove("lp");
  const ShellResult pdf = shell_.Execute("print", Document("Ixo-2007.pdf", "%PDF-1.4\n"));
  EXPECT_FALSE(pdf.ok);
  for (const char* part : {"PDF", "cups-client"})
    EXPECT_NE(pdf.error.find(part), std::string::npos) << part << " in " << pdf.error;
  EXPECT_TRUE(programs_.Runs("lp").empty());
  EXPECT_TRUE(programs_.Runs("soffice").empty());
}

TEST_F(SystemShellTest, FileThatCannotBePrintedAtAllRunsNothing) {
  const ShellResult picture = shell_.Execute("print", Document("Search.gif", std::string("GIF89a\x20\x00\x20\x00", 10)));
  EXPECT_FALSE(picture.ok);
  EXPECT_NE(picture.error.find("format that cannot be printed"), std::string::npos) << picture.error;
  const ShellResult missing = shell_.Execute("print", out_.File("gone.txt"));
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error.find("cannot read"), std::string::npos) << missing.error;
  EXPECT_TRUE(programs_.Runs("lp").empty());
  EXPECT_TRUE(programs_.Runs("soffice").empty());
}

// xdg-open leaves the viewer running in the background, holding the
// standard error it was given; the verb comes back all the same.
TEST(SystemShell, OpenComesBackWhileTheViewerItStartedRuns) {
  TempFolder programs;
  const std::string viewerPid = programs.File("viewer.pid");
  ASSERT_TRUE(WriteFileBytes(programs.File("xdg-open"),
                             "#!/bin/sh\n/bin/sleep 30 &\necho $! > '" + viewerPid + "'\necho opened >&2\nexit 0\n"));
  ASSERT_EQ(chmod(programs.File("xdg-open").c_str(), 0755), 0);
  ScopedEnvironment path("PATH", programs.Path().c_str());

  SystemShellService shell;
  const ShellResult opened = shell.Execute("open", "/tmp/Ixo-2007.pdf");
  EXPECT_TRUE(opened.ok) << opened.error;
  const pid_t viewer = static_cast<pid_t>(std::stol("0" + ReadFileBytes(viewerPid)));
  ASSERT_GT(viewer, 0);
  EXPECT_EQ(kill(viewer, 0), 0) << "the verb waited for the viewer to end";
  kill(viewer, SIGTERM);
}

TEST_F(SystemShellTest, FailuresComeBackWithAReason) {
  {
    TempFolder empty;
    ScopedEnvironment nowhere("PATH", empty.Path().c_str());
    const ShellResult missing = shell_.Execute("open", "/tmp/Ixo-2007.pdf");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("cannot run \"xdg-open\""), std::string::npos) << missing.error;
  }
  const ShellResult unknown = shell_.Execute("edit", "/tmp/x.txt");
  EXPECT_FALSE(unknown.ok);
  EXPECT_FALSE(unknown.error.empty());
  EXPECT_FALSE(shell_.Execute("open", "").ok);
  EXPECT_FALSE(shell_.Execute("print", "").ok);
  EXPECT_TRUE(programs_.Runs("xdg-open").empty());
}

TEST(ShellService, RecorderStandsInForTheSystemThroughShellExecute) {
  auto recorder = std::make_shared<RecordingShellService>();
  ScopedShellService guard(recorder);
  EXPECT_TRUE(ShellExecute("print", "/tmp/Ruth.doc").ok);
  recorder->FailWith("no printer");
  const ShellResult failed = ShellExecute("OPEN", "/opt/ixo/Ixo-2007.pdf");
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.error, "no printer");
  ASSERT_EQ(recorder->Calls().size(), 2u);
  EXPECT_EQ(recorder->Calls()[0].verb, "print");
  EXPECT_EQ(recorder->Calls()[0].file, "/tmp/Ruth.doc");
  EXPECT_EQ(recorder->Calls()[1].verb, "OPEN");
}

}  // namespace
}  // namespace platform
