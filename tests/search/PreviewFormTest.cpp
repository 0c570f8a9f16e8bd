// The search form's preview: the list of a node's children or the text of a
// verse, list entries that select their nodes, stepping through the tree
// with "<<" and ">>", and "Select".

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "SearchFixture.h"
#include "StrongsText.h"
#include "search/ixoSearch.h"
#include "ui/TreeView.h"

namespace search {
namespace {

// A node as the captions of its path: "Genesis/Chapter 1/2".
std::string Path(const ui::TreeNode* node) {
  if (!node) return "none";
  std::string path = node->Text().toStdString();
  for (const ui::TreeNode* up = node->Parent(); up && up->Parent(); up = up->Parent())
    path = up->Text().toStdString() + "/" + path;
  return node->Parent() ? path : "root";
}

class PreviewFormTest : public ::testing::Test {
 protected:
  PreviewFormTest() { SearchFor("God"); }

  void SearchFor(const std::string& words) {
    form_.Conditions.UseSummaryTexts({words});
    form_.ButtonPreviewClick();
  }
  ui::TreeNode* Root() const { return form_.TreeViewSearch->FirstNode(); }
  ui::TreeNode* Node(const std::string& path) const {
    for (ui::TreeNode* node = Root(); node; node = node->GetNext())
      if (Path(node) == path) return node;
    return nullptr;
  }
  void Select(const std::string& path) {
    ui::TreeNode* node = Node(path);
    ASSERT_NE(node, nullptr) << path;
    form_.TreeViewSearch->Select(node);
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < form_.PreviewListView->count(); ++i)
      entries.push_back(form_.PreviewListView->item(i)->text().toStdString());
    return entries;
  }
  std::string Header() const { return form_.PreviewHeader->text().toStdString(); }
  std::string Step(QPushButton* button) {
    form_.ButtonNextPreviewClick(button);
    return Path(form_.TreeViewSearch->Selected());
  }

  search_testing::SearchFixture fixture_{search_testing::StrongsText};
  TInterfaceForm form_;
};

using EntryList = std::vector<std::string>;

TEST_F(PreviewFormTest, RootBookAndChapterListTheirChildren) {
  // The search selects the root, which lists the books under the status text.
  EXPECT_EQ(form_.TreeViewSearch->Selected(), Root());
  EXPECT_EQ(Header(), "Found 6 matches in 3 books");
  EXPECT_EQ(Entries(), (EntryList{"Genesis", "1  Samuel", "Matthew"}));
  EXPECT_FALSE(form_.PreviewListView->isHidden());
  EXPECT_TRUE(form_.PreviewTextView->isHidden());
  EXPECT_TRUE(form_.ButtonSelect->isEnabled());

  Select("Genesis");
  EXPECT_EQ(Header(), "Genesis");
  EXPECT_EQ(Entries(), (EntryList{"Chapter 1", "Chapter 2"}));

  // Verses are listed as chapter:verse, the found ones only.
  Select("Genesis/Chapter 1");
  EXPECT_EQ(Header(), "Genesis 1");
  EXPECT_EQ(Entries(), (EntryList{"1:1", "1:2"}));
  Select("1  Samuel/Chapter 1");
  EXPECT_EQ(Header(), "1  Samuel 1");
  EXPECT_EQ(Entries(), EntryList{"1:1"});
}

TEST_F(PreviewFormTest, VerseShowsItsText) {
  Select("1  Samuel/Chapter 1/1");
  EXPECT_EQ(Header(), "1  Samuel 1:1");  // the book is found from its two-blank caption
  EXPECT_EQ(form_.PreviewTextView->toPlainText().toStdString(), "Samuel prayed unto God.");
  EXPECT_FALSE(form_.PreviewTextView->isHidden());
  EXPECT_TRUE(form_.PreviewListView->isHidden());

  Select("Genesis/Chapter 1/2");
  EXPECT_EQ(Header(), "Genesis 1:2");
  EXPECT_EQ(form_.PreviewTextView->toPlainText().toStdString(),
            "And the earth was without form; and God's spirit moved.");
  EXPECT_TRUE(fixture_.Dialogs().Shown().empty());

  // A verse the text lacks: the warning, and the text keeps what it showed.
  ui::TreeNode* verse = Node("Genesis/Chapter 1/2");
  verse->SetText(QStringLiteral("9"));
  form_.TreeViewSearchChange(verse);
  ASSERT_EQ(fixture_.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture_.Dialogs().Shown()[0].text, "The specified verse is not contained in the chapter");
  EXPECT_EQ(form_.PreviewTextView->toPlainText().toStdString(),
            "And the earth was without form; and God's spirit moved.");
}

TEST_F(PreviewFormTest, ListEntrySelectsItsNode) {
  Select("Genesis/Chapter 1");
  form_.PreviewListView->setCurrentRow(1);
  form_.PreviewListViewClick();
  EXPECT_EQ(Path(form_.TreeViewSearch->Selected()), "Genesis/Chapter 1/2");
  EXPECT_EQ(Header(), "Genesis 1:2");

  // A double click does the same.
  Select("Matthew");
  Q_EMIT form_.PreviewListView->itemDoubleClicked(form_.PreviewListView->item(0));
  EXPECT_EQ(Path(form_.TreeViewSearch->Selected()), "Matthew");  // no entry was selected
  form_.PreviewListView->setCurrentRow(0);
  Q_EMIT form_.PreviewListView->itemDoubleClicked(form_.PreviewListView->item(0));
  EXPECT_EQ(Path(form_.TreeViewSearch->Selected()), "Matthew/Chapter 1");
}

TEST_F(PreviewFormTest, StepsForwardThroughTheTreeAndWraps) {
  const std::vector<std::string> forward = {
      "Genesis", "Genesis/Chapter 1", "Genesis/Chapter 1/1", "Genesis/Chapter 1/2", "Genesis/Chapter 2",
      "Genesis/Chapter 2/2", "1  Samuel", "1  Samuel/Chapter 1", "1  Samuel/Chapter 1/1", "Matthew",
      "Matthew/Chapter 1", "Matthew/Chapter 1/1", "Matthew/Chapter 1/2", "root"};
  for (const std::string& expected : forward) EXPECT_EQ(Step(form_.VerseNext), expected);
  EXPECT_EQ(form_.TreeViewSearch->Selected(), Root());
}

TEST_F(PreviewFormTest, StepsBackwardThroughTheVerses) {
  const std::vector<std::string> backward = {
      "Matthew/Chapter 1/2", "Matthew/Chapter 1/1", "1  Samuel/Chapter 1/1", "Genesis/Chapter 2/2",
      "Genesis/Chapter 1/2", "Genesis/Chapter 1/1", "Genesis/Chapter 1", "Genesis", "root"};
  for (const std::string& expected : backward) EXPECT_EQ(Step(form_.VerseBack), expected);

  // A chapter steps back to the last verse before it.
  Select("Genesis/Chapter 2");
  EXPECT_EQ(Step(form_.VerseBack), "Genesis/Chapter 1/2");
  Select("1  Samuel/Chapter 1");
  EXPECT_EQ(Step(form_.VerseBack), "Genesis/Chapter 2/2");
}

TEST_F(PreviewFormTest, RootWithoutChildrenStaysSelected) {
  form_.Conditions.UseSummaryTexts({"Samuel", "Word"});
  form_.ButtonPreviewClick();
  ASSERT_EQ(Root()->Text(), QStringLiteral("Found no matching verses."));
  EXPECT_EQ(Step(form_.VerseNext), "root");
  EXPECT_EQ(Step(form_.VerseBack), "root");
  EXPECT_TRUE(Entries().empty());
}

TEST_F(PreviewFormTest, SelectClosesTheFormOnAVerseOnly) {
  form_.show();
  Select("Genesis/Chapter 1");
  form_.ButtonSelectClick();
  EXPECT_TRUE(form_.isVisible());
  Select("Genesis/Chapter 1/1");
  form_.ButtonSelectClick();
  EXPECT_FALSE(form_.isVisible());
}

}  // namespace
}  // namespace search
