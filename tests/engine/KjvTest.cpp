// The engine on the installed KJV edition that the build writes; skipped when
// it is not there.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempFolder.h"
#include "TestRegistry.h"
#include "core/IxoFormat.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/Paths.h"

namespace engine {
namespace {

class KjvTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string edition = IXO_BUILT_EDITION;
    if (!platform::FileExists(edition + ixo::TextFileName)) return;
    temp_ = std::make_unique<testing_support::TempFolder>();
    registry_ = std::make_unique<testing_support::TestRegistry>();
    const std::string install = temp_->File("install/");
    std::filesystem::create_directories(install);
    std::filesystem::create_directories(temp_->File("html"));
    std::filesystem::copy_file(IXOCORE_LIBRARY, install + ixo::LibraryFileName);
    registry_->WriteInstallation(install, edition, "");
    registry_->WriteString(platform::RootKey::LocalMachine, testing_support::ProductKey, "HTML",
                           temp_->File("html/"));
    auto engine = std::make_unique<TixoEngine>();
    engine->Load();
    previous_ = ReplaceEngine(std::move(engine));
  }
  static void TearDownTestSuite() {
    if (!temp_) return;
    ReplaceEngine(std::move(previous_));
    registry_.reset();
    temp_.reset();
  }
  void SetUp() override {
    if (!temp_) GTEST_SKIP() << "no built edition in " << IXO_BUILT_EDITION;
    ASSERT_TRUE(Engine().Loaded);
  }

  static bool Has(const platform::TStringList& list, const std::string& item) {
    return std::ranges::find(list.Items(), item) != list.Items().end();
  }

  static inline std::unique_ptr<testing_support::TempFolder> temp_;
  static inline std::unique_ptr<testing_support::TestRegistry> registry_;
  static inline std::unique_ptr<TixoEngine> previous_;
};

TEST_F(KjvTest, BeginningHasItsHebrewTag) {
  EXPECT_TRUE(Has(LemmaTagsForWord("beginning"), "beginning_H7225"));
}

TEST_F(KjvTest, ChaptersOfBooks) {
  EXPECT_EQ(Engine().BookInfo[1].ChapterCount, 50);
  EXPECT_EQ(Engine().BookInfo[19].ChapterCount, 150);
  EXPECT_EQ(Engine().BookInfo[31].ChapterCount, 1);
  EXPECT_EQ(Engine().BookInfo[66].ChapterBase + Engine().BookInfo[66].ChapterCount, 1189);
}

TEST_F(KjvTest, SeekVerseLandsOnTheFirstWordOfTheVerse) {
  TWordCursor cursor;
  ASSERT_TRUE(Engine().SeekVerse(19, 119, 176, cursor));
  EXPECT_EQ(cursor.Cur->verse, 176);
  ASSERT_NE(cursor.Prev, nullptr);
  EXPECT_EQ(cursor.Prev->verse, 175);
  EXPECT_EQ(KeyToDisplayWord(cursor.Cur->key), "I");

  TWordCursor chapter;
  ASSERT_TRUE(Engine().SeekVerse(19, 119, 1, chapter));
  EXPECT_EQ(Engine().ChapterVerseCount(chapter.Cur), 176);
}

TEST_F(KjvTest, AgapeMarksLoveInJohn) {
  TixoEngine& engine = Engine();
  engine.MarkWord(1, 26, 'G');
  TWordCursor cursor;
  ASSERT_TRUE(engine.SeekVerse(43, 13, 35, cursor));
  int marked = 0;
  do {
    if (KeyToEnglishWord(cursor.Cur->key) == "love")
      marked += (engine.WordMarks[cursor.WordNumber()] & 0x1) != 0;
  } while (NextWord(cursor) && cursor.Cur->verse == 35);
  EXPECT_EQ(marked, 1);
  EXPECT_NE(engine.BookMarks[43] & 0x1, 0);
  EXPECT_EQ(engine.BookMarks[1] & 0x1, 0);
  engine.ClearAllMarks();
}

TEST_F(KjvTest, MosesHasHisNumber) {
  EXPECT_TRUE(Has(StrongsNumbersForWord("Moses"), "H4872"));
  EXPECT_TRUE(Has(LemmaTagsForWord("moses"), "moses_H4872"));
}

}  // namespace
}  // namespace engine
