// The search form's conditions as the user edits them with the mouse and the
// keyboard: what is typed, ticked and clicked reaches the conditions, and
// every change of the conditions shows in all their controls.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include <string>
#include <vector>

#include "ListItems.h"
#include "SearchFixture.h"
#include "StrongsText.h"
#include "search/ixoSearch.h"
#include "ui/CheckBox.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace search {
namespace {

using search_testing::Items;
using search_testing::ItemsOf;

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// A check box takes a click on its box, at its left end.
void ClickBox(ui::CheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

void ClickEntry(QListWidget* list, const char* entry) {
  const QList<QListWidgetItem*> found = list->findItems(QString::fromLatin1(entry), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << entry;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

class ConditionControlsTest : public ::testing::Test {
 protected:
  ConditionControlsTest() { form_.show(); }

  QString Status() const {
    const ui::TreeNode* root = form_.TreeViewSearch->FirstNode();
    return root ? root->Text() : QString();
  }
  // Types a word into a condition page's entry field, which the click enables
  // "Add" for.
  void TypeIntoField(int condition, const char* word) {
    QLineEdit* field = form_.ConditionWidgets[condition].ComboBox->lineEdit();
    Click(field);
    QTest::keyClicks(field, QString::fromLatin1(word));
  }

  search_testing::SearchFixture fixture_{search_testing::StrongsText};
  TInterfaceForm form_;
  const ConditionControls& one_ = form_.ConditionWidgets[1];
};

TEST_F(ConditionControlsTest, AddRemoveAndClearOnAConditionPage) {
  Click(one_.MoreButton);
  ASSERT_EQ(form_.TabStudies->ActivePageIndex(), 1);
  EXPECT_FALSE(one_.ButtonAdd->isEnabled());

  // Typed, then added with the button: the word is in the list, the summary
  // text and the search; the field is empty and remembers it.
  TypeIntoField(1, "earth");
  EXPECT_TRUE(one_.ButtonAdd->isEnabled());
  EXPECT_EQ(form_.Conditions[1].ComboBox.Text, "earth");
  Click(one_.ButtonAdd);
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(one_.AndEdit->text(), QStringLiteral("earth"));
  EXPECT_EQ(ItemsOf(one_.WordList), Items{"earth"});
  EXPECT_EQ(one_.ComboBox->currentText(), QString());
  EXPECT_EQ(one_.ComboBox->count(), 1);
  EXPECT_FALSE(one_.ButtonAdd->isEnabled());
  EXPECT_EQ(Status(), QStringLiteral("Found 2 matches in 1 book"));
  EXPECT_EQ(fixture_.MarkedWords(1), (Items{"earth", "earth"}));

  // Typed and entered with Enter.
  Click(one_.MoreButton);
  TypeIntoField(1, "Samuel");
  QTest::keyClick(one_.ComboBox->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(one_.AndEdit->text(), QStringLiteral("earth samuel"));
  EXPECT_EQ(ItemsOf(one_.WordList), (Items{"earth", "samuel"}));
  EXPECT_EQ(Status(), QStringLiteral("Found 4 matches in 2 books"));

  // A word clicked in the list enables "Remove" and shows its numbers; "Remove" takes it out.
  Click(one_.MoreButton);
  EXPECT_FALSE(one_.ButtonDel->isEnabled());
  ClickEntry(one_.WordList, "earth");
  EXPECT_TRUE(one_.ButtonDel->isEnabled());
  EXPECT_EQ(ItemsOf(one_.HebrList), (Items{"1121", "776"}));
  EXPECT_EQ(ItemsOf(one_.SynoList), (Items{"earth", "land"}));
  Click(one_.ButtonDel);
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(one_.AndEdit->text(), QStringLiteral("samuel"));
  EXPECT_EQ(ItemsOf(one_.WordList), Items{"samuel"});
  EXPECT_EQ(ItemsOf(one_.SynoList), Items{});
  EXPECT_EQ(Status(), QStringLiteral("Found 2 matches in 1 book"));
  EXPECT_EQ(fixture_.MarkedWords(1), (Items{"samuel", "samuel"}));

  // "Clear" empties the condition, its marks and its summary text.
  Click(one_.MoreButton);
  Click(one_.ButtonClr);
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(one_.AndEdit->text(), QString());
  EXPECT_EQ(ItemsOf(one_.WordList), Items{});
  EXPECT_TRUE(form_.Conditions[1].WordList.Empty());
  EXPECT_EQ(fixture_.MarkedWords(1), Items{});
  EXPECT_EQ(Status(), QStringLiteral("Found no matching verses."));
}

TEST_F(ConditionControlsTest, UnknownWordTypedIsToldAndDisablesAdd) {
  Click(one_.MoreButton);
  TypeIntoField(1, "zebra");
  Click(one_.ButtonAdd);
  ASSERT_EQ(fixture_.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture_.Dialogs().Shown().front().text, WordNotFoundMessage);
  EXPECT_FALSE(one_.ButtonAdd->isEnabled());
  EXPECT_FALSE(form_.Conditions[1].ButtonAdd.Enabled);
  EXPECT_EQ(ItemsOf(one_.WordList), Items{});
  EXPECT_EQ(one_.ComboBox->currentText(), QString());
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);

  // Back on the page, Enter in the field adds nothing while "Add" is
  // disabled; a click into the field enables it again.
  Click(one_.MoreButton);
  EXPECT_FALSE(one_.ButtonAdd->isEnabled());
  QTest::keyClicks(one_.ComboBox->lineEdit(), QStringLiteral("earth"));
  QTest::keyClick(one_.ComboBox->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(ItemsOf(one_.WordList), Items{});
  Click(one_.ComboBox->lineEdit());
  EXPECT_TRUE(one_.ButtonAdd->isEnabled());
  QTest::keyClick(one_.ComboBox->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(form_.Conditions[1].WordList.Items(), Items{"earth"});
}

TEST_F(ConditionControlsTest, SummaryRowsTypedTickedAndTakenAway) {
  // Typed into row 1 and entered.
  QTest::keyClicks(one_.AndEdit, QStringLiteral("God"));
  EXPECT_EQ(form_.Conditions[1].AndEdit.Text, "God");
  EXPECT_EQ(form_.PendingCondition, 1);
  QTest::keyClick(one_.AndEdit, Qt::Key_Return);
  EXPECT_EQ(form_.PendingCondition, 0);
  EXPECT_EQ(ItemsOf(one_.WordList), Items{"god"});
  const QString god = Status();
  EXPECT_TRUE(god.startsWith(QStringLiteral("Found"))) << god.toStdString();

  // "More >>" shows row 2, whose edit takes the keys.
  const ConditionControls& two = form_.ConditionWidgets[2];
  Click(form_.ButtonNext);
  EXPECT_TRUE(two.AndEdit->isVisible());
  EXPECT_TRUE(two.CheckBox->isVisible());
  EXPECT_TRUE(form_.Conditions[2].AndEdit.Visible);
  QTest::keyClicks(two.AndEdit, QStringLiteral("Samuel"));
  QTest::keyClick(two.AndEdit, Qt::Key_Return);
  EXPECT_EQ(ItemsOf(two.WordList), Items{"samuel"});
  EXPECT_EQ(Status(), QStringLiteral("Found 1 match in 1 book"));

  // A tick taken off by the mouse leaves the condition out of the search.
  ClickBox(two.CheckBox);
  EXPECT_FALSE(form_.Conditions[2].CheckBox.Checked);
  EXPECT_EQ(form_.Conditions.ActiveCount(), 1);
  EXPECT_EQ(Status(), god);

  // "All" ticks it again, "None" takes every tick off: the boxes show it.
  Click(form_.ButtonSelectAll);
  EXPECT_TRUE(two.CheckBox->isChecked());
  EXPECT_EQ(Status(), QStringLiteral("Found 1 match in 1 book"));
  Click(form_.ButtonClearAll);
  EXPECT_FALSE(one_.CheckBox->isChecked());
  EXPECT_FALSE(two.CheckBox->isChecked());
  EXPECT_FALSE(form_.ButtonFinish->isEnabled());
  EXPECT_EQ(form_.TreeViewSearch->FirstNode(), nullptr);

  // "<< Less" takes row 2 away with its words and marks.
  Click(form_.ButtonBack);
  EXPECT_FALSE(two.AndEdit->isVisible());
  EXPECT_FALSE(two.CheckBox->isVisible());
  EXPECT_EQ(two.AndEdit->text(), QString());
  EXPECT_TRUE(form_.Conditions[2].WordList.Empty());
  EXPECT_EQ(fixture_.MarkedWords(2), Items{});
  EXPECT_TRUE(one_.CheckBox->isChecked());  // row 1 is ticked again
}

}  // namespace
}  // namespace search
