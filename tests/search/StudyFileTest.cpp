// Study files: the bytes written, what is read back, loading into the
// conditions, and the dated history names.

#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "platform/Paths.h"
#include "search/ConditionSet.h"
#include "search/HistoryFileName.h"
#include "search/ProximitySearch.h"
#include "search/StudyFile.h"

namespace search {
namespace {

using search_testing::SearchFixture;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

constexpr char Text[] =
    "book 1\n"
    "1:1 love the world and charity<160>.\n"
    "1:2 one two three four five six seven eight.\n"
    "book 43\n"
    "1:1 For God<2316> so loved<25> the world<2889>, love<26> is of God<2316>.\n"
    "1:2 one two.\n";

class StudyFileTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return fixture_.Temp().File(name); }
  std::string HistoryDir() const { return fixture_.HistoryDir(); }

  SearchFixture fixture_{Text};
  ConditionSet conditions_;
};

TEST_F(StudyFileTest, WrittenFromScratch) {
  conditions_.UseSummaryTexts({"love G26", "world"});
  conditions_.ParseConditionText(0);
  conditions_.SetConditionChecked(2, false);
  ASSERT_TRUE(SaveStudy(File("study.ixolc"), conditions_, 7, HistoryDir()));

  const std::string expected =
      "[Options]\r\n"
      "span=7\r\n"
      "[1]\r\n"
      "G26=1\r\n"
      "love=1\r\n"
      "[2]\r\n"
      "world=1\r\n"
      "[Active]\r\n"
      "1=1\r\n"
      "2=0\r\n";
  EXPECT_EQ(ReadFileBytes(File("study.ixolc")), expected);
  EXPECT_EQ(ReadFileBytes(HistoryDir() + "current.ixolc"), expected);
}

TEST_F(StudyFileTest, CurrentStudyFollowsEachSaveAndEarlierStudiesStay) {
  conditions_.UseSummaryTexts({"love"});
  conditions_.ParseConditionText(0);
  ASSERT_TRUE(SaveStudy(File("first.ixolc"), conditions_, 7, HistoryDir()));
  const std::string first = ReadFileBytes(File("first.ixolc"));
  conditions_.UseSummaryTexts({"world"});
  conditions_.ParseConditionText(0);
  ASSERT_TRUE(SaveStudy(File("second.ixolc"), conditions_, 7, HistoryDir()));
  const std::string second = ReadFileBytes(File("second.ixolc"));
  EXPECT_NE(second, first);
  EXPECT_EQ(ReadFileBytes(File("first.ixolc")), first);
  EXPECT_EQ(ReadFileBytes(HistoryDir() + "current.ixolc"), second);
  // Saved again over the current study itself, and over the second study.
  ASSERT_TRUE(SaveStudy(HistoryDir() + "current.ixolc", conditions_, 3, HistoryDir()));
  EXPECT_NE(ReadFileBytes(HistoryDir() + "current.ixolc"), second);
  EXPECT_EQ(ReadFileBytes(File("second.ixolc")), second);
}

TEST_F(StudyFileTest, CheckedEmptyConditionIsActiveWithoutASection) {
  ASSERT_TRUE(SaveStudy(File("empty.ixolc"), conditions_, 3, HistoryDir()));
  EXPECT_EQ(ReadFileBytes(File("empty.ixolc")), "[Options]\r\nspan=3\r\n[Active]\r\n1=1\r\n");
}

TEST_F(StudyFileTest, WritingOverAFileKeepsOtherSectionsInPlace) {
  ASSERT_TRUE(WriteFileBytes(File("old.ixolc"),
                             "[Notes]\r\nkept=yes\r\n[1]\r\nold=1\r\n[Options]\r\nspan=3\r\n"
                             "[Active]\r\n1=1\r\n5=0\r\n"));
  conditions_.UseSummaryTexts({"love"});
  conditions_.ParseConditionText(0);
  ASSERT_TRUE(SaveStudy(File("old.ixolc"), conditions_, 7, HistoryDir()));
  EXPECT_EQ(ReadFileBytes(File("old.ixolc")),
            "[Notes]\r\nkept=yes\r\n[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\n[Active]\r\n1=1\r\n");
}

TEST_F(StudyFileTest, FileThatCannotBeWrittenIsReported) {
  EXPECT_FALSE(SaveStudy(File("missing/folder/study.ixolc"), conditions_, 7, HistoryDir()));
  ASSERT_EQ(fixture_.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture_.Dialogs().Shown()[0].type, platform::DialogType::Error);
  EXPECT_FALSE(platform::FileExists(HistoryDir() + "current.ixolc"));
}

TEST_F(StudyFileTest, ReadTakesEachLinesKey) {
  ASSERT_TRUE(WriteFileBytes(File("hand.ixolc"),
                             "[Options]\r\nspan=3\r\n[1]\r\nlove=1\r\nx\r\nworld=12\r\n[2]\r\nG26=1\r\n"
                             "[Active]\r\n1=1\r\n2=0\r\n3=abc\r\n"));
  const Study study = ReadStudy(File("hand.ixolc"));
  EXPECT_EQ(study.Words[1], (std::vector<std::string>{"love", "world"}));
  EXPECT_EQ(study.Words[2], (std::vector<std::string>{"G26"}));
  EXPECT_TRUE(study.Words[3].empty());
  EXPECT_TRUE(study.Active[1]);
  EXPECT_FALSE(study.Active[2]);
  EXPECT_FALSE(study.Active[3]);  // not a number

  const Study missing = ReadStudy(File("none.ixolc"));
  for (int n = 1; n <= ConditionCount; ++n) EXPECT_TRUE(missing.Words[n].empty() && !missing.Active[n]);
}

TEST_F(StudyFileTest, LoadedInactiveConditionComesBackCheckedAndGreyed) {
  ASSERT_TRUE(WriteFileBytes(File("two.ixolc"),
                             "[Options]\r\nspan=7\r\n[1]\r\nG26=1\r\nlove=1\r\n[2]\r\nworld=1\r\n"
                             "[Active]\r\n1=1\r\n2=0\r\n"));
  conditions_.Reset();
  UseStudy(conditions_, ReadStudy(File("two.ixolc")));
  conditions_.ShowRowsInUse();

  EXPECT_EQ(conditions_[1].AndEdit.Text, "G26 love");
  EXPECT_EQ(conditions_[2].AndEdit.Text, "world");
  EXPECT_TRUE(conditions_[2].CheckBox.Checked);
  EXPECT_FALSE(conditions_[2].CheckBox.Enabled);
  EXPECT_TRUE(conditions_[1].CheckBox.Enabled);
  EXPECT_FALSE(conditions_[3].AndEdit.Visible);
  EXPECT_EQ(conditions_.ActiveMask(), 0x0003);
}

TEST_F(StudyFileTest, UnknownWordOfAStudyIsReportedAndItsConditionStaysActive) {
  ASSERT_TRUE(WriteFileBytes(File("odd.ixolc"), "[1]\r\nlove=1\r\n[2]\r\nzebra=1\r\n../x=1\r\n[Active]\r\n1=1\r\n2=1\r\n"));
  conditions_.Reset();
  UseStudy(conditions_, ReadStudy(File("odd.ixolc")));
  conditions_.ShowRowsInUse();
  EXPECT_EQ(fixture_.Dialogs().Shown().size(), 2u);
  EXPECT_EQ(conditions_[2].WordList.Items(), (std::vector<std::string>{"../x", "zebra"}));
  EXPECT_TRUE(conditions_[2].AndEdit.Visible);
  EXPECT_EQ(conditions_[2].AndEdit.Text, "zebra ../x");
  EXPECT_TRUE(conditions_[2].CheckBox.Checked);
  EXPECT_TRUE(conditions_[2].Active());
  EXPECT_EQ(conditions_[1].AndEdit.Text, "love");
  // love alone is in two verses; with the condition no word of which the text holds, in none.
  EXPECT_EQ(RunSearch(conditions_, 0, 7).Verses, 0);

  // Saved again (as a finished search is), the study keeps the unknown words.
  ASSERT_TRUE(SaveStudy(File("again.ixolc"), conditions_, 7, HistoryDir()));
  ConditionSet again;
  again.Reset();
  UseStudy(again, ReadStudy(File("again.ixolc")));
  again.ShowRowsInUse();
  EXPECT_EQ(again[2].WordList.Items(), conditions_[2].WordList.Items());
  EXPECT_EQ(again.ActiveMask(), conditions_.ActiveMask());
  EXPECT_EQ(RunSearch(again, 0, 7).Verses, 0);
}

TEST_F(StudyFileTest, SaveThenLoadGivesTheSameResult) {
  conditions_.UseSummaryTexts({"love loved", "world", "G2316"});
  conditions_.ParseConditionText(0);
  const SearchResult before = RunSearch(conditions_, 0, 7);
  ASSERT_GT(before.Verses, 0);
  ASSERT_TRUE(SaveStudy(File("round.ixolc"), conditions_, 7, HistoryDir()));

  ConditionSet loaded;
  loaded.Reset();
  UseStudy(loaded, ReadStudy(File("round.ixolc")));
  loaded.ShowRowsInUse();
  EXPECT_EQ(RunSearch(loaded, 0, 7), before);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(loaded[n].WordList.Items(), conditions_[n].WordList.Items());
}

TEST(HistoryFileName, DatedFoldersAndName) {
  testing_support::TempFolder temp;
  struct Case {
    LocalDateTime when;
    const char* name;
  } cases[] = {
      {{2026, 12, 8, 5, 8, 2}, "2026/12 (December)/08@@(05.08.02).ixolc"},
      {{2027, 3, 1, 9, 5, 7}, "2027/03 (March)/01@@(09.05.07).ixolc"},
      {{2031, 10, 31, 23, 59, 59}, "2031/10 (October)/31@@(23.59.59).ixolc"},
  };
  for (const Case& c : cases) {
    const std::string name = MakeHistoryFileName(temp.Path(), ".ixolc", [&] { return c.when; });
    EXPECT_EQ(name, temp.Path() + c.name);
    EXPECT_TRUE(platform::DirectoryExists(platform::ExtractFilePath(name))) << name;
  }
}

}  // namespace
}  // namespace search
