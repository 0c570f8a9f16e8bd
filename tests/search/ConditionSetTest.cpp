// The condition operations: words added, removed and rebuilt, the marks that
// follow the word lists, check boxes and summary rows.

#include <gtest/gtest.h>

#include <algorithm>

#include "SearchFixture.h"
#include "engine/SearchMarks.h"
#include "engine/ixoutils.h"
#include "search/ConditionSet.h"

namespace search {
namespace {

using search_testing::SearchFixture;
using Words = std::vector<std::string>;

constexpr char Text[] =
    "book 1\n"
    "1:1 In the beginning<7225> God<430> created<1254,853> the heaven<8064> and love<157>.\n"
    "1:2 And God<430> said, charity<160> and LOVE<157> are good.\n"
    "book 40\n"
    "1:1 God<2316> is love<26>, and charity<26> never faileth<1601>.\n"
    "1:2 The world<2889> and GOD<2316>.\n";

class ConditionSetTest : public ::testing::Test {
 protected:
  std::vector<std::string> Listed(int condition) const { return conditions_[condition].WordList.Items(); }

  std::vector<std::string> Marked(int condition) { return fixture_.MarkedWords(condition); }
  bool NoMarks() const {
    const engine::TixoEngine& e = engine::Engine();
    return std::ranges::all_of(e.Marks.WordMarks, [](std::uint16_t m) { return m == 0; }) &&
           std::ranges::all_of(e.Marks.BookMarks, [](std::uint16_t m) { return m == 0; });
  }
  std::size_t DialogCount() { return fixture_.Dialogs().Shown().size(); }

  SearchFixture fixture_{Text};
  ConditionSet conditions_;
};

TEST_F(ConditionSetTest, CreatedWithOneRowShownAndChecked) {
  for (int n = 1; n <= ConditionCount; ++n) {
    const TSearchCondition& c = conditions_[n];
    EXPECT_EQ(c.AndEdit.Visible, n == 1) << n;
    EXPECT_EQ(c.CheckBox.Visible, n == 1) << n;
    EXPECT_TRUE(c.CheckBox.Checked) << n;
    EXPECT_EQ(c.ButtonClr.Enabled, n == 1) << n;
    EXPECT_FALSE(c.ButtonAdd.Enabled) << n;
  }
  EXPECT_EQ(conditions_.ActiveMask(), 0x0001);
  EXPECT_EQ(conditions_.ActiveCount(), 1);
}

TEST_F(ConditionSetTest, AddSearchWordListsTheTextsSpellingAndMarksEveryCase) {
  conditions_[3].ComboBox.Text = "LOVE";
  EXPECT_TRUE(conditions_.AddSearchWord("LOVE", 3));
  EXPECT_EQ(Listed(3), (Words{"love"}));
  EXPECT_EQ(conditions_[3].ComboBox.Items, (Words{"love"}));
  EXPECT_EQ(conditions_[3].ComboBox.Text, "");
  EXPECT_EQ(Marked(3), (Words{"love", "love", "love"}));  // love, LOVE and the Greek love
  EXPECT_EQ(fixture_.Engine().Marks.BookMarks[1], engine::ConditionMask(3));
  EXPECT_EQ(DialogCount(), 0u);
}

TEST_F(ConditionSetTest, AddSearchWordRefusesAWordAlreadyListedIgnoringCase) {
  ASSERT_TRUE(conditions_.AddSearchWord("love", 1));
  conditions_[1].ComboBox.Text = "Love";
  EXPECT_FALSE(conditions_.AddSearchWord("Love", 1));
  EXPECT_EQ(Listed(1), (Words{"love"}));
  EXPECT_EQ(conditions_[1].ComboBox.Text, "Love");  // nothing else happened
}

TEST_F(ConditionSetTest, StrongsNumberKeepsItsSpellingAndMarksItsLanguageOnly) {
  EXPECT_TRUE(conditions_.AddSearchWord("h430", 2));
  EXPECT_EQ(Listed(2), (Words{"h430"}));
  EXPECT_EQ(Marked(2), (Words{"god", "god"}));  // book 1 only, not the Greek God
  EXPECT_TRUE(conditions_.AddSearchWord("G26", 2));
  EXPECT_EQ(Listed(2), (Words{"G26", "h430"}));
  EXPECT_EQ(Marked(2), (Words{"god", "god", "love", "charity"}));
}

TEST_F(ConditionSetTest, UnknownWordIsRefusedWithAMessage) {
  conditions_[1].ButtonAdd.Enabled = true;
  for (const char* word : {"H12x", "zebra", "H0", "G99999"}) {
    fixture_.Dialogs().Clear();
    EXPECT_FALSE(conditions_.AddSearchWord(word, 1)) << word;
    ASSERT_EQ(DialogCount(), 1u) << word;
    EXPECT_EQ(fixture_.Dialogs().Shown()[0].text, "Word not found in Bible text.");
    EXPECT_EQ(fixture_.Dialogs().Shown()[0].type, platform::DialogType::Information);
  }
  EXPECT_TRUE(Listed(1).empty());
  EXPECT_FALSE(conditions_[1].ButtonAdd.Enabled);
  EXPECT_TRUE(NoMarks());
}

TEST_F(ConditionSetTest, AddConditionWordChecksAndShowsTheSummary) {
  EXPECT_FALSE(conditions_.AddConditionWord("love", true, 0));
  EXPECT_FALSE(conditions_.AddConditionWord("love", true, 15));

  conditions_.SetConditionChecked(4, false);
  conditions_[4].ButtonAdd.Enabled = true;
  EXPECT_TRUE(conditions_.AddConditionWord("love", true, 4));
  EXPECT_TRUE(conditions_.AddConditionWord("charity", true, 4));
  EXPECT_EQ(conditions_[4].AndEdit.Text, "charity,love");
  EXPECT_TRUE(conditions_[4].AndEdit.Visible);
  EXPECT_TRUE(conditions_[4].CheckBox.Checked);
  EXPECT_FALSE(conditions_[4].ButtonAdd.Enabled);

  // Without the summary the edit stays as it was; a refused word checks nothing.
  conditions_.SetConditionChecked(5, false);
  EXPECT_FALSE(conditions_.AddConditionWord("zebra", false, 5));
  EXPECT_FALSE(conditions_[5].CheckBox.Checked);
  EXPECT_TRUE(conditions_.AddConditionWord("world", false, 5));
  EXPECT_TRUE(conditions_[5].CheckBox.Checked);
  EXPECT_EQ(conditions_[5].AndEdit.Text, "");
}

TEST_F(ConditionSetTest, ParseConditionTextReadsCommasBlanksAndQuotes) {
  struct Case {
    const char* text;
    Words words;
  } cases[] = {
      {"love, charity", {"charity", "love"}},
      {"love charity", {"charity", "love"}},
      {"  love ,, charity  ", {"charity", "love"}},
      {"\" love\" G26", {"G26", "love"}},
      {"God", {"god"}},  // "od" is no number: an English word
      {"g2316 zebra H12x", {"g2316"}},  // unknown words dropped
      {"", {}},
  };
  for (const Case& c : cases) {
    conditions_[2].AndEdit.Text = c.text;
    conditions_.ParseConditionText(2);
    EXPECT_EQ(Listed(2), c.words) << c.text;
  }
  EXPECT_EQ(DialogCount(), 0u);
}

TEST_F(ConditionSetTest, ParseConditionTextRebuildsTheMarks) {
  conditions_[1].AndEdit.Text = "love";
  conditions_[2].AndEdit.Text = "world";
  conditions_.ParseConditionText(0);
  EXPECT_EQ(Marked(1), (Words{"love", "love", "love"}));
  EXPECT_EQ(Marked(2), (Words{"world"}));

  conditions_[1].AndEdit.Text = "charity";
  conditions_.ParseConditionText(1);
  EXPECT_EQ(Marked(1), (Words{"charity", "charity"}));
  EXPECT_EQ(Marked(2), (Words{"world"}));  // other conditions untouched
  EXPECT_EQ(fixture_.Engine().Marks.BookMarks[1] & engine::ConditionMask(2), 0);

  // Above 14 means all, like 0.
  conditions_[2].AndEdit.Text = "";
  conditions_.ParseConditionText(15);
  EXPECT_TRUE(Marked(2).empty());
  EXPECT_EQ(Marked(1), (Words{"charity", "charity"}));
}

TEST_F(ConditionSetTest, ClearConditionWordsEmptiesChecksAndUnmarks) {
  conditions_.AddConditionWord("love", true, 2);
  conditions_.AddConditionWord("h430", true, 3);
  conditions_[2].SynoList.Add("charity");
  conditions_[2].HebrList.Add("157");
  conditions_[2].ComboBox.Text = "half typed";
  conditions_.SetConditionChecked(2, false);

  conditions_.ClearConditionWords(2);
  const TSearchCondition& c = conditions_[2];
  EXPECT_TRUE(c.WordList.Empty());
  EXPECT_TRUE(c.SynoList.Empty());
  EXPECT_EQ(c.HebrList.Count(), 1u);  // the number lists stay
  EXPECT_EQ(c.ComboBox.Text, "");
  EXPECT_TRUE(c.CheckBox.Checked);
  EXPECT_TRUE(Marked(2).empty());
  EXPECT_EQ(Marked(3).size(), 2u);
}

TEST_F(ConditionSetTest, DeleteWordAtThenRebuildFollowsTheList) {
  conditions_.AddConditionWord("love", true, 1);
  conditions_.AddConditionWord("world", true, 1);
  conditions_.DeleteWordAt(1, 0);   // love
  conditions_.DeleteWordAt(1, 5);   // out of range: nothing
  conditions_.DeleteWordAt(1, -1);  // no selection: nothing
  conditions_.SummaryFromWordList(1);
  EXPECT_EQ(conditions_[1].AndEdit.Text, "world");
  conditions_.ClearConditionWords(1);
  conditions_.ParseConditionText(1);
  EXPECT_EQ(Listed(1), (Words{"world"}));
  EXPECT_EQ(Marked(1), (Words{"world"}));
}

TEST_F(ConditionSetTest, ActiveMeansShownAndChecked) {
  conditions_.UseSummaryTexts({"love", "world", "God"});
  EXPECT_EQ(conditions_.ActiveMask(), 0x0001 | 0x0002 | 0x0010);
  conditions_.SetConditionChecked(2, false);
  EXPECT_EQ(conditions_.ActiveMask(), 0x0001 | 0x0010);
  EXPECT_EQ(conditions_.ActiveCount(), 2);
  // Checked but hidden: not active.
  conditions_[3].CheckBox.Visible = false;
  EXPECT_EQ(conditions_.ActiveMask(), 0x0001);
}

TEST_F(ConditionSetTest, AllAndNoneClickEachVisibleBoxThatChanges) {
  std::vector<int> clicked;
  conditions_.OnCheckBoxClick = [&](int n) { clicked.push_back(n); };
  conditions_.UseSummaryTexts({"love", "world"});
  conditions_.ParseConditionText(0);

  conditions_.CheckAllVisible(false);
  EXPECT_EQ(clicked, (std::vector<int>{1, 2}));
  EXPECT_FALSE(conditions_.AnyActive());

  clicked.clear();
  conditions_.SetChecked(2, true);
  conditions_.CheckAllVisible(true);
  EXPECT_EQ(clicked, (std::vector<int>{2, 1}));
  // Silent setters run nothing.
  clicked.clear();
  conditions_.SetConditionChecked(1, false);
  EXPECT_TRUE(clicked.empty());
}

TEST_F(ConditionSetTest, EachEditIsAnnouncedOnceItsOutermostOperationEnds) {
  int announced = 0;
  conditions_.OnChange = [&] { ++announced; };
  conditions_.UseSummaryTexts({"love", "world", "God charity"});
  EXPECT_EQ(announced, 1);
  // Parsing adds and checks every word on its way: one announcement, after it.
  conditions_.ParseConditionText(0);
  EXPECT_EQ(announced, 2);
  conditions_.RebuildFromWordList(3);
  EXPECT_EQ(announced, 3);
  EXPECT_EQ(conditions_[3].AndEdit.Text, "charity god");

  // What the user types and clicks comes in through the set.
  conditions_.SetSummaryText(2, "charity");
  conditions_.SetEntryText(1, "LOVE");
  conditions_.SetAddEnabled(1, true);
  EXPECT_EQ(announced, 6);
  EXPECT_EQ(conditions_[2].AndEdit.Text, "charity");
  EXPECT_EQ(conditions_[1].ComboBox.Text, "LOVE");
  EXPECT_TRUE(conditions_[1].ButtonAdd.Enabled);

  // "None": each click handler sees its own box unticked; the announcement follows them all.
  std::vector<int> clicked;
  conditions_.OnCheckBoxClick = [&](int n) {
    EXPECT_FALSE(conditions_[n].CheckBox.Checked) << n;
    EXPECT_EQ(announced, 6) << n;
    clicked.push_back(n);
  };
  conditions_.CheckAllVisible(false);
  EXPECT_EQ(clicked, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(announced, 7);

  // A change made in a record itself is not announced.
  conditions_[1].AndEdit.Text = "world";
  EXPECT_EQ(announced, 7);
}

TEST_F(ConditionSetTest, LessHidesTheLastRowAndMoreShowsTheNext) {
  conditions_.UseSummaryTexts({"love", "world", "God"});
  conditions_.ParseConditionText(0);
  conditions_.SetConditionChecked(1, false);

  conditions_.ShowFirstRow();
  EXPECT_TRUE(conditions_[1].CheckBox.Checked);
  EXPECT_EQ(conditions_.HideLastRow(), 2);
  const TSearchCondition& third = conditions_[3];
  EXPECT_FALSE(third.AndEdit.Visible || third.CheckBox.Visible || third.MoreButton.Visible);
  EXPECT_FALSE(third.CheckBox.Checked);
  EXPECT_EQ(third.AndEdit.Text, "");
  EXPECT_TRUE(third.WordList.Empty());
  EXPECT_TRUE(Marked(3).empty());

  EXPECT_EQ(conditions_.HideLastRow(), 1);
  EXPECT_EQ(conditions_.HideLastRow(), 0);  // only row 1 is left
  EXPECT_TRUE(conditions_[1].AndEdit.Visible);
  EXPECT_EQ(Listed(1), (Words{"love"}));

  // "More >>" shows the next row with its box as it was, and enables a
  // disabled box of a row in use.
  conditions_[1].CheckBox.Enabled = false;
  EXPECT_EQ(conditions_.ShowNextRow(), 2);
  EXPECT_TRUE(conditions_[2].AndEdit.Visible && conditions_[2].CheckBox.Visible &&
              conditions_[2].MoreButton.Visible);
  EXPECT_FALSE(conditions_[2].CheckBox.Checked);
  EXPECT_TRUE(conditions_[1].CheckBox.Enabled);
  for (int n = 3; n <= ConditionCount; ++n) conditions_.ShowNextRow();
  EXPECT_EQ(conditions_.ShowNextRow(), 0);  // all fourteen shown
}

TEST_F(ConditionSetTest, UseSummaryTextsShowsTheRowsItFills) {
  conditions_.UseSummaryTexts({"a", "b", "c", "d"});
  conditions_.SetConditionChecked(3, false);
  conditions_.UseSummaryTexts({"love", "world", "God"});
  for (int n = 1; n <= ConditionCount; ++n) {
    const TSearchCondition& c = conditions_[n];
    EXPECT_EQ(c.AndEdit.Visible, n <= 3) << n;
    EXPECT_EQ(c.CheckBox.Visible, n <= 3) << n;
    EXPECT_EQ(c.MoreButton.Visible, n <= 3) << n;
    if (n <= 3) {
      EXPECT_TRUE(c.CheckBox.Checked) << n;
    } else {
      EXPECT_EQ(c.AndEdit.Text, "") << n;
    }
  }
  EXPECT_EQ(conditions_[3].AndEdit.Text, "God");
  EXPECT_EQ(conditions_.ActiveCount(), 3);

  // No words at all still leaves row 1 shown.
  conditions_.UseSummaryTexts({});
  EXPECT_TRUE(conditions_[1].AndEdit.Visible);
  EXPECT_EQ(conditions_.ActiveCount(), 1);
}

TEST_F(ConditionSetTest, ResetLeavesOneEmptyCheckedRowAndNoMarks) {
  conditions_.UseSummaryTexts({"love", "world", "God"});
  conditions_.ParseConditionText(0);
  ASSERT_FALSE(NoMarks());
  conditions_.Reset();
  EXPECT_TRUE(NoMarks());
  EXPECT_FALSE(conditions_.AnyWords());
  for (int n = 1; n <= ConditionCount; ++n) {
    const TSearchCondition& c = conditions_[n];
    EXPECT_EQ(c.AndEdit.Text, "");
    EXPECT_EQ(c.AndEdit.Visible, n == 1) << n;
    EXPECT_EQ(c.CheckBox.Visible, n == 1) << n;
  }
  EXPECT_EQ(conditions_.ActiveMask(), 0x0001);
}

TEST_F(ConditionSetTest, ShowRowsInUseFollowsTheSummaryEdits) {
  conditions_[5].AndEdit.Visible = true;
  conditions_[1].AndEdit.Visible = false;
  conditions_.ShowRowsInUse();
  EXPECT_TRUE(conditions_[5].CheckBox.Visible && conditions_[5].MoreButton.Visible);
  EXPECT_FALSE(conditions_[1].CheckBox.Visible || conditions_[1].MoreButton.Visible);
}

}  // namespace
}  // namespace search
