// A condition page's lists of Strong's numbers and related words: clicks
// fill them, double clicks add to the condition.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ListItems.h"
#include "SearchFixture.h"
#include "StrongsText.h"
#include "search/ixoSearch.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace search {
namespace {

using search_testing::Items;
using search_testing::ItemsOf;

// Clicks (or double-clicks) the entry of a list as the user does: it is
// selected, then the list's signal runs its handler.
void Click(QListWidget* list, const char* entry, bool twice = false) {
  const QList<QListWidgetItem*> found = list->findItems(QString::fromLatin1(entry), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << entry;
  list->setCurrentItem(found.first());
  Q_EMIT list->itemClicked(found.first());
  if (twice) Q_EMIT list->itemDoubleClicked(found.first());
}

class RelatedWordsFormTest : public ::testing::Test {
 protected:
  RelatedWordsFormTest() {
    form_.Conditions.UseSummaryTexts({"earth God"});
    form_.ButtonPreviewClick();
    form_.TabStudies->SetActivePageIndex(1);
  }

  search_testing::SearchFixture fixture_{search_testing::StrongsText};
  TInterfaceForm form_;
  const ConditionControls& one_ = form_.ConditionWidgets[1];
};

TEST_F(RelatedWordsFormTest, WordShowsItsNumbersAndRelatedWords) {
  EXPECT_FALSE(one_.ButtonDel->isEnabled());
  Click(one_.WordList, "earth");
  EXPECT_EQ(ItemsOf(one_.HebrList), (Items{"1121", "776"}));
  EXPECT_EQ(ItemsOf(one_.GreeList), Items{});
  EXPECT_EQ(ItemsOf(one_.SynoList), (Items{"earth", "land"}));
  EXPECT_TRUE(one_.ButtonDel->isEnabled());  // "Remove" takes the selected word

  Click(one_.WordList, "god");
  EXPECT_EQ(ItemsOf(one_.HebrList), Items{"430"});
  EXPECT_EQ(ItemsOf(one_.GreeList), Items{"2316"});
  EXPECT_EQ(ItemsOf(one_.SynoList), (Items{"god", "gods"}));

  // A related word refreshes the numbers and keeps the related words.
  Click(one_.SynoList, "gods");
  EXPECT_EQ(ItemsOf(one_.HebrList), Items{"430"});
  EXPECT_EQ(ItemsOf(one_.GreeList), Items{});
  EXPECT_EQ(ItemsOf(one_.SynoList), (Items{"god", "gods"}));
  EXPECT_TRUE(one_.WordList->selectedItems().isEmpty());
  EXPECT_EQ(one_.SynoList->selectedItems().size(), 1);

  // No entry selected: "Remove" is disabled again and nothing else changes.
  one_.SynoList->clearSelection();
  form_.ListStudyClick(one_.SynoList);
  EXPECT_FALSE(one_.ButtonDel->isEnabled());
  EXPECT_EQ(ItemsOf(one_.HebrList), Items{"430"});
}

TEST_F(RelatedWordsFormTest, NumberShowsItsWords) {
  Click(one_.WordList, "earth");
  Click(one_.HebrList, "1121");
  EXPECT_EQ(ItemsOf(one_.SynoList), Items{"earth"});
  EXPECT_TRUE(one_.WordList->selectedItems().isEmpty());
  EXPECT_EQ(ItemsOf(one_.HebrList), (Items{"1121", "776"}));
  Click(one_.HebrList, "776");
  EXPECT_EQ(ItemsOf(one_.SynoList), (Items{"earth", "land"}));

  Click(one_.WordList, "god");
  Click(one_.GreeList, "2316");
  EXPECT_EQ(ItemsOf(one_.SynoList), Items{"god"});
  EXPECT_TRUE(one_.HebrList->selectedItems().isEmpty());
}

TEST_F(RelatedWordsFormTest, DoubleClickOnARelatedWordAddsIt) {
  Click(one_.WordList, "earth");
  Click(one_.SynoList, "land", true);
  EXPECT_EQ(ItemsOf(one_.WordList), (Items{"earth", "god", "land"}));
  EXPECT_EQ(one_.AndEdit->text(), QStringLiteral("earth god land"));
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);  // as Add, back to the summary
  EXPECT_EQ(form_.TreeViewSearch->FirstNode()->Text(), QStringLiteral("Found 7 matches in 3 books"));
}

TEST_F(RelatedWordsFormTest, DoubleClickOnAWordOnlyShowsItsNumbers) {
  Click(one_.WordList, "earth", true);
  EXPECT_EQ(ItemsOf(one_.WordList), (Items{"earth", "god"}));
  EXPECT_EQ(ItemsOf(one_.HebrList), (Items{"1121", "776"}));
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 1);
}

TEST_F(RelatedWordsFormTest, DoubleClickOnANumberAddsTheStrongsNumber) {
  Click(one_.WordList, "god");
  Click(one_.GreeList, "2316", true);
  EXPECT_EQ(ItemsOf(one_.WordList), (Items{"earth", "G2316", "god"}));
  EXPECT_TRUE(fixture_.Dialogs().Shown().empty());  // no "Word not found in Bible text."
}

}  // namespace
}  // namespace search
