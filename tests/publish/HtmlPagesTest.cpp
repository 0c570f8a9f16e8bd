#include "publish/HtmlPages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "PublishFixture.h"
#include "TestFiles.h"
#include "core/IxoFormat.h"
#include "engine/ixoObject.h"
#include "platform/Dialogs.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

class HtmlPagesTest : public testing::Test {
 protected:
  std::string Page(int book, int chapter) const {
    return ReadFileBytes(text.HtmlDir() + "Bible/" + std::to_string(book) + "/" + std::to_string(chapter) + ".html");
  }
  bool PageExists(int book, int chapter) const {
    return std::filesystem::exists(text.HtmlDir() + "Bible/" + std::to_string(book) + "/" +
                                   std::to_string(chapter) + ".html");
  }
  std::size_t FilesIn(const std::string& folder) const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
  }

  // A page around verse lines, as every chapter page reads.
  static std::string PageOf(const std::string& title, const std::string& verses) {
    return "<html>\n<title>\n" + title +
           "\n</title>\n<head>\n<link rel=\"stylesheet\" href=\"../../style/ixo.css\">\n</head>\n"
           "<body onload=\"allLoaded=true\">\n" +
           verses + "<script SRC=\"../../style/ixo-css.js\" language=\"javascript\"></script>\n</body>\n</html>\n";
  }

  publish_test::LoadedText text;
  std::shared_ptr<platform::RecordingDialogService> dialogs =
      std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogGuard{dialogs};
};

TEST_F(HtmlPagesTest, ChapterPageMatchesTheFormatByteForByte) {
  ASSERT_TRUE(publish::WriteChapterHtml(1, 1));
  EXPECT_EQ(Page(1, 1), ReadFileBytes(publish_test::GoldenFile("Genesis-1.html")));
  EXPECT_TRUE(dialogs->Shown().empty());
}

TEST_F(HtmlPagesTest, ParenthesisClosesAtTheBooksEnd) {
  ASSERT_TRUE(publish::WriteChapterHtml(1, 3));
  EXPECT_EQ(Page(1, 3), PageOf("Genesis 3",
                               "<A name=\"v1\" class=\"v\">1</A><span class=\"v1\">(<span "
                               "class=\"amen_H543\">Amen</span>.)</span>\n"));
}

TEST_F(HtmlPagesTest, ChapterZeroWritesEveryChapterOfTheBook) {
  ASSERT_TRUE(publish::WriteChapterHtml(1, 0));
  EXPECT_TRUE(PageExists(1, 1));
  EXPECT_TRUE(PageExists(1, 2));
  EXPECT_TRUE(PageExists(1, 3));
  EXPECT_EQ(FilesIn(text.HtmlDir() + "Bible/1"), 3u);
  ASSERT_TRUE(publish::WriteChapterHtml(66, 0));
  EXPECT_EQ(FilesIn(text.HtmlDir() + "Bible/66"), 2u);
}

TEST_F(HtmlPagesTest, BooksOutsideTheBibleWriteNothing) {
  EXPECT_TRUE(publish::WriteChapterHtml(0, 0));
  EXPECT_TRUE(publish::WriteChapterHtml(67, 1));
  EXPECT_TRUE(publish::WriteChapterHtml(1, -3));
  EXPECT_FALSE(std::filesystem::exists(text.HtmlDir() + "Bible"));
  EXPECT_TRUE(dialogs->Shown().empty());
}

TEST_F(HtmlPagesTest, TheMessagePumpRunsOncePerVerse) {
  publish::PublishOptions options;
  int pumped = 0;
  options.processMessages = [&pumped] { ++pumped; };
  ASSERT_TRUE(publish::WriteChapterHtml(1, 0, options));
  EXPECT_EQ(pumped, 6 + 2 + 1);
}

TEST_F(HtmlPagesTest, NodesOfTheBibleTree) {
  const engine::TBookInfoRec& genesis = engine::Engine().BookInfo[1];
  ASSERT_TRUE(publish::WriteChapterHtmlForNode(genesis, "Chapter 2"));
  EXPECT_TRUE(PageExists(1, 2));
  EXPECT_FALSE(PageExists(1, 1));
  for (const char* caption : {"Chapter", "Chapter x", "Chapter 2b", "Verse 2", ""})
    EXPECT_TRUE(publish::WriteChapterHtmlForNode(genesis, caption)) << caption;
  EXPECT_EQ(FilesIn(text.HtmlDir() + "Bible/1"), 1u);

  ASSERT_TRUE(publish::WriteBookHtml(engine::Engine().BookInfo[66]));
  EXPECT_TRUE(PageExists(66, 1));
  EXPECT_TRUE(PageExists(66, 2));

  engine::TBookInfoRec pastTheEnd;
  pastTheEnd.Ordinal = 66;
  EXPECT_TRUE(publish::WriteBookHtml(pastTheEnd));
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_EQ(dialogs->Shown()[0].text, "Book #67 is not contained in the bible");
  EXPECT_EQ(dialogs->Shown()[0].type, platform::DialogType::Warning);
}

TEST_F(HtmlPagesTest, APageThatCannotBeWrittenIsReportedAndStopsTheRun) {
  ASSERT_TRUE(publish::WriteChapterHtml(1, 2));
  const std::string goodPage = Page(1, 2);

  publish_test::ShortWriteFiles files("/Bible/1/2.html");
  publish::PublishOptions options;
  options.sink = &files;
  EXPECT_FALSE(publish::WriteChapterHtml(1, 0, options));
  EXPECT_EQ(files.created, 2);  // chapter 3 is not tried
  EXPECT_EQ(Page(1, 2), goodPage);
  EXPECT_FALSE(PageExists(1, 3));
  EXPECT_EQ(FilesIn(text.HtmlDir() + "Bible/1"), 2u);  // no temporary file is left
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_EQ(dialogs->Shown()[0].text, "Could not open or write to: '" + text.HtmlDir() + "Bible/1/2.html'");
  EXPECT_EQ(dialogs->Shown()[0].type, platform::DialogType::Error);
}

TEST_F(HtmlPagesTest, AFolderThatCannotBeMadeIsReported) {
  ASSERT_TRUE(WriteFileBytes(text.HtmlDir() + "Bible", "a file where the folder should be"));
  EXPECT_FALSE(publish::WriteChapterHtml(1, 1));
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_EQ(dialogs->Shown()[0].text, "Could not open or write to: '" + text.HtmlDir() + "Bible/1'");
}

TEST(HtmlPageOfAnIllegalKey, AWordWithoutDisplayTextHasAnEmptySpan) {
  // "Moses'" of verse 4 with a key that names no word.
  const publish_test::LoadedText text(
      [](const std::string& edition) { publish_test::GiveWordAnIllegalKey(edition, ixo::FlagPossessive); });
  ASSERT_TRUE(publish::WriteChapterHtml(1, 1));
  const std::string page = ReadFileBytes(text.HtmlDir() + "Bible/1/1.html");
  EXPECT_NE(page.find("'s.) <span class=\"_H4872\"></span>'s <span class=\"god_H430\">God</span>?"),
            std::string::npos)
      << page;
}

}  // namespace
