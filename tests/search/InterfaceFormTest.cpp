// The search form: its controls, the result tree and its mirror, studies and
// the tool-bar search.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <filesystem>

#include "SearchFixture.h"
#include "platform/Paths.h"
#include "search/AnchorPanel.h"
#include "search/ixoSearch.h"
#include "ui/CheckBox.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace search {
namespace {

using search_testing::SearchFixture;

constexpr char Text[] =
    "book 1\n"
    "1:1 love the world and love it.\n"
    "1:2 one two three four five six seven eight.\n"
    "1:3 love one two three four five world.\n"
    "2:1 one two three four five six seven eight.\n"
    "2:2 so love came into the world\n"
    "book 9\n"
    "1:1 the world and love in Samuel.\n"
    "1:2 one two.\n"
    "book 40\n"
    "1:1 love only here.\n"
    "1:2 one two.\n";

constexpr LocalDateTime FixedTime{2026, 12, 8, 5, 8, 2};

// A tree as nested captions with their images: "References/0[Genesis/1[...]]".
std::string Shape(const ui::TreeNode* node) {
  std::string shape = node->Text().toStdString() + "/" + std::to_string(node->ImageIndex());
  if (node->HasChildren()) {
    shape += "[";
    for (int i = 0; i < node->Count(); ++i) shape += (i ? " " : "") + Shape(node->Child(i));
    shape += "]";
  }
  return shape;
}
std::string Shape(const ui::TreeView& tree) {
  std::string shape;
  for (const ui::TreeNode* node = tree.FirstNode(); node; node = node->NextSibling())
    shape += (shape.empty() ? "" : " ") + Shape(node);
  return shape;
}

class InterfaceFormTest : public ::testing::Test {
 protected:
  InterfaceFormTest() { form_.HistoryClock = [] { return FixedTime; }; }

  std::string HistoryFile() const { return fixture_.HistoryDir() + "2026/12 (December)/08@@(05.08.02).ixolc"; }
  void SearchFor(const std::vector<std::string>& texts) {
    form_.Conditions.UseSummaryTexts(texts);
    form_.ButtonPreviewClick();
  }
  template <typename Widget>
  Widget* Find(const char* name) {
    return form_.findChild<Widget*>(QString::fromLatin1(name));
  }

  SearchFixture fixture_{Text};
  TInterfaceForm form_;
  ui::TreeView mirror_;
};

constexpr char LoveWorld[] =
    "Found 4 matches in 2 books/0[Genesis/1[Chapter 1/2[1/3 3/3] Chapter 2/2[2/3]] 1  Samuel/1[Chapter 1/2[1/3]]]";

TEST_F(InterfaceFormTest, CreatedWithItsControlsNamedAndOneRowShown) {
  EXPECT_EQ(form_.windowTitle(), QStringLiteral("Ixo Bible - Search Form"));
  EXPECT_EQ(form_.height(), 400);
  // Condition 10's controls are found through its record, whatever their names end in.
  const ConditionControls& ten = form_.ConditionWidgets[10];
  EXPECT_EQ(ten.AndEdit, Find<QLineEdit>("AndA"));
  EXPECT_EQ(ten.MoreButton, Find<QToolButton>("aa"));
  EXPECT_EQ(ten.ButtonAdd, Find<QPushButton>("ButtonAddA"));
  EXPECT_EQ(ten.ComboBox, Find<QComboBox>("ComboBox10"));
  EXPECT_EQ(ten.WordList, Find<QListWidget>("wordList10"));
  EXPECT_EQ(ten.SynoList, Find<QListWidget>("SynoList10"));
  EXPECT_EQ(form_.ConditionWidgets[1].WordList, Find<QListWidget>("WordList1"));
  EXPECT_EQ(form_.ConditionWidgets[3].SynoList, Find<QListWidget>("synoList3"));
  EXPECT_EQ(form_.ConditionWidgets[14].CheckBox, Find<ui::CheckBox>("CheckBox14"));
  EXPECT_EQ(ten.PanelBar->text(), QStringLiteral(" Search Condition #10"));

  for (int n = 1; n <= ConditionCount; ++n) {
    const ConditionControls& w = form_.ConditionWidgets[n];
    EXPECT_EQ(w.AndEdit->isHidden(), n != 1) << n;
    EXPECT_EQ(w.CheckBox->isHidden(), n != 1) << n;
    EXPECT_TRUE(w.CheckBox->isChecked()) << n;
    EXPECT_FALSE(w.ButtonAdd->isEnabled()) << n;
    EXPECT_EQ(w.ButtonClr->isEnabled(), n == 1) << n;
    EXPECT_EQ(form_.TabStudies->isTabVisible(n), n == 1) << n;
    // Every page has page 1's labels at page 1's places.
    const ConditionControls& one = form_.ConditionWidgets[1];
    EXPECT_EQ(w.LabelHebr->text(), QStringLiteral("Hebrew"));
    EXPECT_EQ(w.LabelSyno->text(), QStringLiteral("Related Words"));
    EXPECT_EQ(w.Panel->Designed(w.LabelGree), one.Panel->Designed(one.LabelGree)) << n;
  }
  EXPECT_NE(Find<QLabel>("LabelHebrewA"), nullptr);
  EXPECT_EQ(form_.ConditionWidgets[1].CheckBox->text(), QStringLiteral("Search for these Words"));
  EXPECT_EQ(form_.ConditionWidgets[2].CheckBox->text(), QStringLiteral("AND also match these words:"));
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
  EXPECT_FALSE(form_.ViewStudies->isEnabled());
  EXPECT_FALSE(form_.ButtonFinish->isEnabled());
  EXPECT_FALSE(form_.ButtonResetAll->isEnabled());
  EXPECT_TRUE(form_.ButtonSelect->isHidden());
}

TEST_F(InterfaceFormTest, SearchBuildsTheTreeWithItsStatus) {
  SearchFor({"love", "world"});
  EXPECT_EQ(Shape(*form_.TreeViewSearch), LoveWorld);
  EXPECT_TRUE(form_.ViewStudies->isEnabled());
  EXPECT_TRUE(form_.ButtonPreview->isHidden());
  EXPECT_EQ(form_.TreeViewSearch->Selected(), form_.TreeViewSearch->FirstNode());

  SearchFor({"Samuel"});
  EXPECT_EQ(Shape(*form_.TreeViewSearch), "Found 1 match in 1 book/0[1  Samuel/1[Chapter 1/2[1/3]]]");
  SearchFor({"love", "Samuel", "only"});
  EXPECT_EQ(Shape(*form_.TreeViewSearch), "Found no matching verses./0");

  // No active condition: no tree at all, and no status line left from the
  // searches that "None" ran on its way (with condition 1 alone unticked, the
  // others still found verses).
  SearchFor({"love", "world"});
  ASSERT_EQ(form_.PreviewHeader->text().toStdString(), "Found 4 matches in 2 books");
  form_.ButtonClearAllClick();
  EXPECT_TRUE(form_.TreeViewSearch->IsEmpty());
  EXPECT_FALSE(form_.ButtonFinish->isEnabled());
  EXPECT_TRUE(form_.PreviewHeader->text().isEmpty());
  EXPECT_EQ(form_.PreviewListView->count(), 0);
}

TEST_F(InterfaceFormTest, MirrorHoldsTheSameNodesWithTheirData) {
  form_.SetResultTree(&mirror_);
  SearchFor({"love", "world"});
  std::string expected = LoveWorld;
  expected.replace(0, expected.find('/'), "References");  // only the form's root gets the status
  EXPECT_EQ(Shape(mirror_), expected);

  // Both trees' nodes carry the data; the form's nodes link to their twins apart from it.
  const ui::TreeNode* book = form_.TreeViewSearch->FirstNode()->FirstChild();
  const ui::TreeNode* verse = book->FirstChild()->FirstChild();
  EXPECT_EQ(book->Data(), reinterpret_cast<std::intptr_t>(&engine::Engine().BookInfo[1]));
  EXPECT_EQ(verse->Data(), 1);  // the first word of the text
  ASSERT_NE(verse->Twin(), nullptr);
  EXPECT_EQ(verse->Twin()->Tree(), &mirror_);
  EXPECT_EQ(verse->Twin()->Data(), 1);
  EXPECT_EQ(verse->Twin()->SelectedIndex(), 5);
  EXPECT_EQ(book->Twin()->Data(), book->Data());
}

TEST_F(InterfaceFormTest, DeleteTakesTheTwinUntilTheMirrorIsCleared) {
  form_.SetResultTree(&mirror_);
  SearchFor({"love", "world"});
  ui::TreeNode* genesis = form_.TreeViewSearch->FirstNode()->FirstChild();
  form_.DeleteResultNode(genesis->FirstChild()->FirstChild());  // verse 1:1
  EXPECT_EQ(mirror_.FirstNode()->FirstChild()->FirstChild()->Count(), 1);

  // Dropped and set again (File > Open, then Save): the old links are gone,
  // and a verse's word number is never taken for a node.
  form_.ClearResultTree();
  EXPECT_EQ(genesis->FirstChild()->FirstChild()->Twin(), nullptr);
  form_.SetResultTree(&mirror_);
  const std::string before = Shape(mirror_);
  form_.DeleteResultNode(genesis->FirstChild()->FirstChild());
  EXPECT_EQ(Shape(mirror_), before);
  EXPECT_EQ(genesis->FirstChild()->Count(), 0);
}

TEST_F(InterfaceFormTest, ToolbarSearchFinishesAndSavesTheStudy) {
  form_.SetResultTree(&mirror_);
  form_.show();
  ASSERT_TRUE(form_.ToolbarSearch("love world", true));
  EXPECT_FALSE(form_.isVisible());  // finished: the form closes

  // The rows it filled are shown, so that both words are searched.
  EXPECT_FALSE(form_.ConditionWidgets[2].CheckBox->isHidden());
  EXPECT_FALSE(form_.ConditionWidgets[2].AndEdit->isHidden());
  EXPECT_TRUE(form_.ConditionWidgets[3].AndEdit->isHidden());
  EXPECT_EQ(Shape(*form_.TreeViewSearch), LoveWorld);

  const std::string study = "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\n[2]\r\nworld=1\r\n[Active]\r\n1=1\r\n2=1\r\n";
  EXPECT_EQ(testing_support::ReadFileBytes(HistoryFile()), study);
  EXPECT_EQ(testing_support::ReadFileBytes(fixture_.HistoryDir() + "current.ixolc"), study);
  EXPECT_NE(testing_support::ReadFileBytes(fixture_.Text().HtmlDir() + "style/ixo.css").find(".love_E\r\n"),
            std::string::npos);
  // The condition nodes head the mirror.
  EXPECT_EQ(Shape(mirror_).substr(0, 27), "love/11 world/11 References");
}

TEST_F(InterfaceFormTest, ToolbarSearchOfFifteenWordsLeavesTheConditions) {
  ASSERT_TRUE(form_.ToolbarSearch("love world", true));
  std::filesystem::remove(HistoryFile());
  fixture_.Dialogs().Clear();

  EXPECT_FALSE(form_.ToolbarSearch("a b c d e f g h i j k l m n o", true));
  ASSERT_EQ(fixture_.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture_.Dialogs().Shown()[0].type, platform::DialogType::Warning);
  EXPECT_EQ(form_.Conditions[1].AndEdit.Text, "love");
  EXPECT_EQ(form_.Conditions[2].WordList.Items(), (std::vector<std::string>{"world"}));
  EXPECT_FALSE(platform::FileExists(HistoryFile()));  // nothing ran again
}

TEST_F(InterfaceFormTest, AnyWordSearchesTheWordsAsOneCondition) {
  ASSERT_TRUE(form_.ToolbarSearch("Samuel only", false));
  EXPECT_EQ(form_.Conditions[1].WordList.Items(), (std::vector<std::string>{"only", "samuel"}));
  EXPECT_TRUE(form_.ConditionWidgets[2].AndEdit->isHidden());
  EXPECT_EQ(form_.TreeViewSearch->FirstNode()->Text(), QStringLiteral("Found 2 matches in 2 books"));
}

TEST_F(InterfaceFormTest, SaveThenLoadGivesTheSameTree) {
  SearchFor({"love", "world"});
  form_.SaveStudy(fixture_.Temp().File("study.ixolc"));
  const std::string searched = Shape(*form_.TreeViewSearch);

  TInterfaceForm other;
  other.SetResultTree(&mirror_);
  other.LoadStudy(fixture_.Temp().File("study.ixolc"));
  EXPECT_EQ(Shape(*other.TreeViewSearch), searched);
  EXPECT_FALSE(other.ConditionWidgets[2].CheckBox->isHidden());
  EXPECT_EQ(other.ConditionWidgets[2].AndEdit->text(), QStringLiteral("world"));
  EXPECT_EQ(other.ResultTree(), &mirror_);  // the reset of a load keeps the mirror
}

TEST_F(InterfaceFormTest, StudyWithAnInactiveConditionLoadsItGreyed) {
  testing_support::WriteFileBytes(fixture_.Temp().File("two.ixolc"),
                                  "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\n[2]\r\nworld=1\r\n[Active]\r\n1=1\r\n2=0\r\n");
  form_.LoadStudy(fixture_.Temp().File("two.ixolc"));
  const ui::CheckBox* box = form_.ConditionWidgets[2].CheckBox;
  EXPECT_FALSE(box->isHidden());
  EXPECT_TRUE(box->isChecked());
  EXPECT_FALSE(box->isEnabled());
  EXPECT_EQ(Shape(*form_.TreeViewSearch), LoveWorld);  // both conditions searched

  form_.ButtonMoreLess(form_.ButtonNext);  // "More >>" enables it again
  EXPECT_TRUE(box->isEnabled());
}

TEST_F(InterfaceFormTest, ResetEmptiesEverything) {
  form_.SetResultTree(&mirror_);
  SearchFor({"love", "world"});
  form_.ButtonResetClick(form_.ButtonResetAll);
  EXPECT_TRUE(form_.TreeViewSearch->IsEmpty());
  EXPECT_FALSE(form_.ViewStudies->isEnabled());
  EXPECT_FALSE(form_.ButtonPreview->isHidden());
  EXPECT_TRUE(form_.ConditionWidgets[2].AndEdit->isHidden());
  EXPECT_EQ(form_.ConditionWidgets[1].AndEdit->text(), QString());
  EXPECT_TRUE(std::ranges::all_of(engine::Engine().Marks.WordMarks, [](std::uint16_t m) { return m == 0; }));
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(form_.ResultTree(), &mirror_);

  form_.ButtonResetClick(nullptr);  // from code: the mirror is dropped
  EXPECT_EQ(form_.ResultTree(), nullptr);
}

TEST_F(InterfaceFormTest, AddOnAConditionPageRebuildsSearchesAndReturnsToTheSummary) {
  form_.Conditions.UseSummaryTexts({"world", ""});
  form_.ParseConditionText(0);
  form_.TabStudies->SetActivePageIndex(2);
  const ConditionControls& two = form_.ConditionWidgets[2];
  two.ComboBox->setEditText(QStringLiteral(" LOVE "));
  form_.Conditions[2].ButtonAdd.Enabled = true;
  form_.ShowConditions();
  two.ComboBox->lineEdit()->returnPressed();

  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(two.WordList->count(), 1);
  EXPECT_EQ(two.WordList->item(0)->text(), QStringLiteral("love"));
  EXPECT_EQ(two.AndEdit->text(), QStringLiteral("love"));
  EXPECT_EQ(two.ComboBox->currentText(), QString());
  EXPECT_EQ(two.ComboBox->count(), 1);
  EXPECT_EQ(Shape(*form_.TreeViewSearch), LoveWorld);
  EXPECT_TRUE(form_.ViewStudies->isEnabled());

  // An unknown word: the message, and Add disabled.
  form_.TabStudies->SetActivePageIndex(2);
  two.ComboBox->setEditText(QStringLiteral("zebra"));
  form_.ButtonAddClick(two.ButtonAdd);
  EXPECT_EQ(fixture_.Dialogs().Shown().size(), 1u);
  EXPECT_FALSE(two.ButtonAdd->isEnabled());
  EXPECT_EQ(two.WordList->count(), 1);

  // Remove with nothing selected still rebuilds and searches; with love selected it goes.
  form_.TabStudies->SetActivePageIndex(2);
  form_.ButtonDeleteClick();
  EXPECT_EQ(two.WordList->count(), 1);
  form_.TabStudies->SetActivePageIndex(2);
  two.WordList->setCurrentRow(0);
  form_.ButtonDeleteClick();
  EXPECT_EQ(two.WordList->count(), 0);
  EXPECT_EQ(two.AndEdit->text(), QString());
  EXPECT_EQ(form_.TreeViewSearch->FirstNode()->Text(), QStringLiteral("Found no matching verses."));
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
}

TEST_F(InterfaceFormTest, CheckBoxClicksSearchAgain) {
  SearchFor({"love", "world"});
  form_.ConditionWidgets[2].CheckBox->setChecked(false);  // as the user clicks it
  EXPECT_FALSE(form_.Conditions[2].CheckBox.Checked);
  EXPECT_EQ(form_.TreeViewSearch->FirstNode()->Text(), QStringLiteral("Found 5 matches in 3 books"));
  form_.ButtonSelectAllClick();
  EXPECT_EQ(Shape(*form_.TreeViewSearch), LoveWorld);
}

TEST_F(InterfaceFormTest, MoreAndLessButtons) {
  form_.ButtonNext->click();
  form_.ButtonNext->click();
  EXPECT_FALSE(form_.ConditionWidgets[3].AndEdit->isHidden());
  form_.ButtonBack->click();
  EXPECT_TRUE(form_.ConditionWidgets[3].AndEdit->isHidden());
  EXPECT_FALSE(form_.ConditionWidgets[2].AndEdit->isHidden());
}

TEST_F(InterfaceFormTest, FileSaveAndOpenThroughTheDialog) {
  QString chosen;
  form_.ExecuteStudyDialog = [&](QFileDialog& dialog) {
    dialog.selectFile(chosen);
    return true;
  };
  form_.SetMainSearchTree(&mirror_);
  SearchFor({"love", "world"});

  chosen = QString::fromStdString(fixture_.Temp().File("study"));
  form_.ButtonStudySaveLoad(form_.MenuStudySave);
  EXPECT_TRUE(platform::FileExists(fixture_.Temp().File("study.ixolc")));
  chosen = QString::fromStdString(fixture_.Temp().File("studyixolc"));
  form_.ButtonStudySaveLoad(form_.MenuStudySave);
  EXPECT_TRUE(platform::FileExists(fixture_.Temp().File("studyixolc")));

  form_.ButtonResetClick(form_.ButtonResetAll);
  chosen = QString::fromStdString(fixture_.Temp().File("study.ixolc"));
  form_.ButtonStudySaveLoad(form_.MenuStudyLoad);
  EXPECT_EQ(Shape(*form_.TreeViewSearch), LoveWorld);
  EXPECT_EQ(form_.ResultTree(), nullptr);  // File > Open resets from code
}

}  // namespace
}  // namespace search
