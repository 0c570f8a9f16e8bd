#include "publish/BookDocuments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestFiles.h"
#include "WritersFixture.h"
#include "publish/ixoRtf.h"
#include "publish/ixoWp.h"

namespace {

using publish::PublishOptions;
using publish::TPrintRtf;
using publish::TPrintWp;
using writers_test::Genesis;
using writers_test::WritersText;

PublishOptions Printing(const WritersText& text, bool allInOne) {
  PublishOptions options = text.OptionsIntoOutput();
  options.printMode = true;
  options.allInOne = allInOne;
  return options;
}

std::vector<std::string> PrintedFiles(WritersText& text) {
  std::vector<std::string> files;
  for (const auto& call : text.Shell().Calls()) {
    EXPECT_EQ(call.verb, "print");
    files.push_back(call.file);
  }
  return files;
}

std::vector<std::string> ShownTexts(WritersText& text) {
  std::vector<std::string> shown;
  for (const auto& request : text.Dialogs().Shown()) shown.push_back(request.text);
  return shown;
}

// Files in memory with room for a number of bytes each.
class FilesWithRoom final : public publish::FileSink {
 public:
  explicit FilesWithRoom(std::size_t room) : room_(room) {}
  std::unique_ptr<publish::OutputFile> Create(const std::string&) override {
    return std::make_unique<publish_test::MemoryFile>(room_);
  }
  bool CreateFolder(const std::string&) override { return true; }

 private:
  std::size_t room_;
};

// Keeps, for each file handed to the shell, what the file held at that moment.
class FileReadingShell final : public platform::ShellService {
 public:
  platform::ShellResult Execute(std::string_view verb, std::string_view file) override {
    seen.push_back(std::string(verb) + " " + testing_support::ReadFileBytes(std::string(file)));
    return {true, {}};
  }
  std::vector<std::string> seen;
};

// ---- printing ----------------------------------------------------------------

TEST(BookPrinting, OneDocumentPerBookIsPrintedOnceWhenComplete) {
  WritersText text;
  auto shell = std::make_shared<FileReadingShell>();
  const platform::ScopedShellService guard(shell);
  TPrintRtf writer(Printing(text, true));
  ASSERT_TRUE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  ASSERT_EQ(shell->seen.size(), 1u);
  EXPECT_EQ(shell->seen[0], "print " + text.Read("Genesis.rtf"));
}

TEST(BookPrinting, OnePrintPerFinishedFile) {
  WritersText text;
  TPrintWp writer(Printing(text, false));
  ASSERT_TRUE(publish::WriteBookWp(writer, text.Book(Genesis)));
  EXPECT_EQ(PrintedFiles(text),
            (std::vector<std::string>{text.OutputFile("Genesis 1.wpd"), text.OutputFile("Genesis 2.wpd")}));
}

TEST(BookPrinting, NothingIsPrintedOutsidePrintMode) {
  WritersText text;
  TPrintWp writer(text.OptionsIntoOutput());
  ASSERT_TRUE(publish::WriteBookWp(writer, text.Book(Genesis)));
  EXPECT_TRUE(text.Shell().Calls().empty());
}

TEST(BookPrinting, FailedPrintIsReportedAndEndsTheRun) {
  WritersText text;
  text.Shell().FailWith("lp: no default destination");
  TPrintRtf writer(Printing(text, false));
  EXPECT_FALSE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  EXPECT_EQ(text.Shell().Calls().size(), 1u);
  EXPECT_FALSE(text.Exists("Genesis 2.rtf"));
  ASSERT_EQ(text.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(text.Dialogs().Shown()[0].type, platform::DialogType::Error);
  EXPECT_NE(text.Dialogs().Shown()[0].text.find("lp: no default destination"), std::string::npos);
}

// ---- files that cannot be written ------------------------------------------------------

TEST(BookFailures, ShortWriteIsReportedNotPrintedAndEndsTheRun) {
  struct Case {
    const char* name;
    bool allInOne;
    const char* failing;
    const char* reported;  // a book's file by the book's name alone, a chapter's with its extension
    std::vector<std::string> printed;  // in the output folder
  };
  const Case cases[] = {
      {"the book's file", true, "Genesis.wpd", "Genesis", {}},
      {"the first chapter's file", false, "Genesis 1.wpd", "Genesis 1.wpd", {}},
      {"the second chapter's file", false, "Genesis 2.wpd", "Genesis 2.wpd", {"Genesis 1.wpd"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WritersText text;
    publish_test::ShortWriteFiles files(c.failing);
    PublishOptions options = Printing(text, c.allInOne);
    options.sink = &files;
    TPrintWp writer(options);
    EXPECT_FALSE(publish::WriteBookWp(writer, text.Book(Genesis)));
    EXPECT_EQ(ShownTexts(text), std::vector<std::string>{"Could not open or write to: '" + std::string(c.reported) + "'"});
    EXPECT_EQ(text.Dialogs().Shown()[0].type, platform::DialogType::Error);
    std::vector<std::string> printed;
    for (const std::string& name : c.printed) printed.push_back(text.OutputFile(name));
    EXPECT_EQ(PrintedFiles(text), printed);
    EXPECT_FALSE(text.Exists(c.failing));
    EXPECT_EQ(files.created, static_cast<int>(c.printed.size()) + 1) << "no file after the failing one";
  }
}

TEST(BookFailures, WordPerfectWriteCutShortAnywhereInTheFile) {
  // 526 bytes hold the prefix and index; the packets end at 914.
  const std::size_t rooms[] = {100, 520, 700, 1000};
  for (const std::size_t room : rooms) {
    SCOPED_TRACE(room);
    WritersText text;
    FilesWithRoom files(room);
    PublishOptions options = Printing(text, true);
    options.sink = &files;
    TPrintWp writer(options);
    EXPECT_FALSE(publish::WriteBookWp(writer, text.Book(Genesis)));
    EXPECT_EQ(ShownTexts(text), std::vector<std::string>{"Could not open or write to: 'Genesis'"});
    EXPECT_TRUE(text.Shell().Calls().empty());
  }
}

TEST(BookFailures, RtfChapterTextCutShort) {
  WritersText text;
  FilesWithRoom files(1000);
  PublishOptions options = Printing(text, true);
  options.sink = &files;
  TPrintRtf writer(options);
  EXPECT_FALSE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  EXPECT_EQ(ShownTexts(text), std::vector<std::string>{"Could not open or write to: 'Genesis'"});
  EXPECT_TRUE(text.Shell().Calls().empty());
}

TEST(BookFailures, FileThatCannotBeCreated) {
  for (const bool allInOne : {true, false}) {
    SCOPED_TRACE(allInOne ? "one document per book" : "one document per chapter");
    WritersText text;
    PublishOptions options;
    options.allInOne = allInOne;
    options.folder = text.OutputFile("missing/folder");
    TPrintRtf writer(options);
    EXPECT_FALSE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
    EXPECT_EQ(ShownTexts(text),
              std::vector<std::string>{allInOne ? "Could not open or write to: 'Genesis'"
                                                : "Could not open or write to: 'Genesis 1.rtf'"});
  }
}

TEST(BookFailures, WordPerfectBookPastTheLastIsReportedBeforeAnyFile) {
  WritersText text;
  publish_test::ShortWriteFiles files("never");
  PublishOptions options = text.OptionsIntoOutput();
  options.sink = &files;
  TPrintWp writer(options);
  engine::TBookInfoRec past = text.Book(66);
  past.Ordinal = 70;
  EXPECT_FALSE(publish::WriteBookWp(writer, past));
  EXPECT_EQ(files.created, 0);
  EXPECT_EQ(ShownTexts(text), std::vector<std::string>{"Book #71 is not contained in the bible"});
}

// ---- file names -------------------------------------------------------------------

TEST(BookFileNames, CaptionsStayInTheirFolder) {
  struct Case {
    const char* caption;
    const char* name;
  };
  const Case cases[] = {
      {"Genesis", "Genesis"},     {"1  Samuel", "1  Samuel"}, {"Song of Solomon", "Song of Solomon"},
      {"a/b", "a_b"},             {"../x", "__x"},            {"..\\..\\etc", "____etc"},
      {"a..b", "a_b"},            {"...", "_."},              {"line\nbreak", "line_break"},
      {"", "_"},
  };
  for (const Case& c : cases) EXPECT_EQ(publish::SafeFileName(c.caption), c.name) << c.caption;

  WritersText text;
  TPrintRtf writer(text.OptionsIntoOutput());
  ASSERT_TRUE(publish::WriteBookRtf(writer, text.Book(Genesis), "../Genesis"));
  EXPECT_TRUE(text.Exists("__Genesis.rtf"));
  EXPECT_FALSE(std::filesystem::exists(text.OutputFile("../Genesis.rtf")));
}

}  // namespace
