// The book lists over the Bible and Search browsers, their captions, choices,
// Esc and edge band, and the tree pane's buttons.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QSplitter>

#include "DesktopFixture.h"
#include "desktop/BookListView.h"
#include "desktop/BookTree.h"
#include "desktop/SpeedButton.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::CenterCaption;
using desktop::TIxoBibleMainForm;
using ui::TreeNode;
namespace node = ui::node;

TEST(CenterCaption, PadsShortNamesMore) {
  struct Case {
    const char* name;
    int blanks;
  };
  const Case cases[] = {{"", 7},         {"Job", 7},           {"Ruth ", 7},       {"Exodus", 5},
                        {"Habakkuk", 5}, {"Zechariah", 5},     {"Revelation", 3},  {"Lamentations", 3},
                        {"1  Chronicles", 3}, {"Song of Solomon", 1}, {"abcdefghijklmnopq", 1},
                        {"abcdefghijklmnopqr", 0}, {"abcdefghijklmnopqrstuvwxyz", 0}};
  for (const Case& c : cases) {
    const QString pad(c.blanks, ' ');
    EXPECT_EQ(CenterCaption(c.name), pad + c.name + pad) << c.name;
  }
}

TEST(BookListEdgeBand, IsTheRimOfTwoPixelsAndTenOnTheRight) {
  struct Case {
    int x, y;
    bool inside;
  };
  // A list of 100 x 50.
  const Case cases[] = {{2, 2, true},   {90, 48, true}, {50, 25, true}, {1, 25, false},
                        {91, 25, false}, {50, 1, false}, {50, 49, false}, {-5, -5, false}};
  for (const Case& c : cases) EXPECT_EQ(desktop::InsideBookList(c.x, c.y, 100, 50), c.inside) << c.x << "," << c.y;
}

class BookListViewTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.Run(); }

  TIxoBibleMainForm& Form() { return fixture.Form(); }
  QStringList Captions(const QListWidget& list) {
    QStringList captions;
    for (int row = 0; row < list.count(); ++row) captions << list.item(row)->text();
    return captions;
  }
  void Choose(QListWidget& list, const QString& caption) {
    const QList<QListWidgetItem*> found = list.findItems(caption, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << caption.toStdString();
    found.first()->setSelected(true);
  }
  // A search result as the search form builds it into the Search page's tree:
  // a condition node, then the root with books, chapters and verses.
  void FillSearchTree(const QString& condition = "love") {
    ui::TreeView& tree = *Form().TreeSearch;
    tree.Add(nullptr, condition, node::kWordList);
    TreeNode* root = tree.Add(nullptr, "Found 2 matches in 2 books", node::kResultRoot);
    for (const int book : {43, 45}) {
      TreeNode* bookNode = tree.Add(root, desktop::BookCaption(engine::Engine().BookNames[book]), node::kBook,
                                    reinterpret_cast<std::intptr_t>(&engine::Engine().BookInfo[book]));
      TreeNode* chapter = tree.Add(bookNode, "Chapter 3", node::kChapter);
      tree.Add(chapter, "16", node::kVerse, 1);
    }
  }
  void MoveOver(QListWidget& list, int x, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), list.viewport()->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &move);
  }
  void ReleaseOver(QListWidget& list, int x, int y) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(x, y), list.viewport()->mapToGlobal(QPointF(x, y)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &release);
  }
  void Press(QListWidget& list, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&list, &press);
  }

  DesktopFixture fixture;
};

TEST_F(BookListViewTest, BibleListShowsThe66BooksOverTheBrowser) {
  TIxoBibleMainForm& form = Form();
  form.OptionsMenu->trigger();
  form.buttonBookListClick(nullptr);

  EXPECT_EQ(form.Mode->ActivePage(), form.pageIxo);
  EXPECT_TRUE(form.ListViewIxo->isVisible());
  EXPECT_FALSE(form.ListViewFound->isVisibleTo(&form));
  EXPECT_EQ(form.ListViewIxo->geometry(), form.HtmlBible->geometry());
  const QStringList captions = Captions(*form.ListViewIxo);
  ASSERT_EQ(captions.size(), 66);
  EXPECT_EQ(captions.first(), "     Genesis     ");
  EXPECT_EQ(captions[11], "     2  Kings     ");
  EXPECT_EQ(captions.last(), "   Revelation   ");
  EXPECT_FALSE(form.ListViewIxo->item(0)->icon().isNull());
  EXPECT_TRUE(form.ListViewIxo->selectedItems().isEmpty());
  EXPECT_TRUE(form.FKeepBookList);
}

TEST_F(BookListViewTest, ChoosingABookShowsItsFirstChapterAndHidesTheList) {
  TIxoBibleMainForm& form = Form();
  form.buttonBookListClick(nullptr);
  Choose(*form.ListViewIxo, "     2  Kings     ");

  const TreeNode* selected = form.TreeIxo->Selected();
  ASSERT_NE(selected, nullptr);
  EXPECT_EQ(selected->Text(), "Chapter 1");
  EXPECT_EQ(selected->Parent()->Text(), "2  Kings");
  EXPECT_TRUE(selected->Parent()->Expanded());
  EXPECT_EQ(fixture.BrowserOfPage(1).Address().toStdString(),
            desktop::ChapterPageAddress(fixture.HtmlDir(), 12, 1, 1));
  EXPECT_FALSE(form.ListViewIxo->isVisibleTo(&form));
  EXPECT_FALSE(form.ListViewFound->isVisibleTo(&form));
}

TEST_F(BookListViewTest, SearchListShowsTheBooksFoundAndAChoiceShowsItsFirstVerse) {
  TIxoBibleMainForm& form = Form();
  FillSearchTree();
  form.Mode->SetActivePage(form.pageSearch);
  form.buttonBookListClick(nullptr);

  EXPECT_TRUE(form.ListViewFound->isVisible());
  EXPECT_FALSE(form.ListViewIxo->isVisibleTo(&form));
  EXPECT_EQ(Captions(*form.ListViewFound), (QStringList{"       John       ", "     Romans     "}));

  Choose(*form.ListViewFound, "       John       ");
  ASSERT_NE(form.TreeSearch->Selected(), nullptr);
  EXPECT_EQ(form.TreeSearch->Selected()->Text(), "16");
  EXPECT_EQ(fixture.BrowserOfPage(2).Address().toStdString(),
            desktop::ChapterPageAddress(fixture.HtmlDir(), 43, 3, 16));
  EXPECT_FALSE(form.ListViewFound->isVisibleTo(&form));
}

TEST_F(BookListViewTest, ChoosingABookWhoseNameWasSearchedShowsTheBookNotTheCondition) {
  TIxoBibleMainForm& form = Form();
  FillSearchTree("john");
  form.Mode->SetActivePage(form.pageSearch);
  form.buttonBookListClick(nullptr);
  Choose(*form.ListViewFound, "       John       ");
  ASSERT_NE(form.TreeSearch->Selected(), nullptr);
  EXPECT_EQ(form.TreeSearch->Selected()->Text(), "16");
  EXPECT_EQ(fixture.BrowserOfPage(2).Address().toStdString(),
            desktop::ChapterPageAddress(fixture.HtmlDir(), 43, 3, 16));
}

TEST_F(BookListViewTest, TreeOfFewerThanTwoNodesGivesNoList) {
  TIxoBibleMainForm& form = Form();
  form.TreeSearch->Add(nullptr, "Found no matching verses.", node::kResultRoot);
  form.Mode->SetActivePage(form.pageSearch);
  form.buttonBookListClick(nullptr);
  EXPECT_FALSE(form.ListViewFound->isVisibleTo(&form));
  EXPECT_EQ(form.ListViewFound->count(), 0);
}

TEST_F(BookListViewTest, ChoiceThatMatchesNoNodeSelectsNothingAndHidesTheList) {
  TIxoBibleMainForm& form = Form();
  form.buttonBookListClick(nullptr);
  const TreeNode* before = form.TreeIxo->Selected();
  form.ListViewIxo->addItem("   Nowhere   ");
  Choose(*form.ListViewIxo, "   Nowhere   ");
  EXPECT_EQ(form.TreeIxo->Selected(), before);
  EXPECT_FALSE(form.ListViewIxo->isVisibleTo(&form));
}

TEST_F(BookListViewTest, EdgeBandHidesTheListOnlyAfterThePointerHasBeenInside) {
  TIxoBibleMainForm& form = Form();
  QListWidget& list = *form.ListViewIxo;
  form.buttonBookListClick(nullptr);
  MoveOver(list, 0, 0);  // straight onto the edge band
  EXPECT_TRUE(list.isVisible());
  MoveOver(list, 20, 20);
  EXPECT_FALSE(form.FKeepBookList);
  EXPECT_TRUE(list.isVisible());
  MoveOver(list, list.width() - 5, 20);
  EXPECT_FALSE(list.isVisible());
}

TEST_F(BookListViewTest, PointerReleasedInTheEdgeBandHidesAndEmptiesTheSearchList) {
  TIxoBibleMainForm& form = Form();
  QListWidget& list = *form.ListViewFound;
  FillSearchTree();
  form.Mode->SetActivePage(form.pageSearch);
  form.buttonBookListClick(nullptr);
  ReleaseOver(list, 1, 1);
  EXPECT_TRUE(list.isVisible());
  ReleaseOver(list, 20, 20);
  EXPECT_TRUE(list.isVisible());
  EXPECT_EQ(list.count(), 2);
  ReleaseOver(list, 1, 1);
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.count(), 0);
}

TEST_F(BookListViewTest, EscHidesTheListAndOtherKeysDoNot) {
  TIxoBibleMainForm& form = Form();
  FillSearchTree();
  struct Case {
    QWidget* page;
    QListWidget* list;
  };
  for (const Case c : {Case{form.pageIxo, form.ListViewIxo}, Case{form.pageSearch, form.ListViewFound}}) {
    SCOPED_TRACE(c.list->objectName().toStdString());
    form.Mode->SetActivePage(c.page);
    form.buttonBookListClick(nullptr);
    form.FKeepBookList = false;
    Press(*c.list, Qt::Key_A, "a");
    EXPECT_TRUE(c.list->isVisible());
    EXPECT_FALSE(form.FKeepBookList);
    Press(*c.list, Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(c.list->isVisible());
    EXPECT_TRUE(form.FKeepBookList);
  }
}

TEST_F(BookListViewTest, TreePaneDraggedShutCountsAsCollapsed) {
  TIxoBibleMainForm& form = Form();
  for (QWidget* page : {form.pageIxo, form.PageHelp}) {
    ui::TreeView& tree = *form.TreeForPage(form.Mode->indexOf(page) + 1);
    auto* splitter = qobject_cast<QSplitter*>(tree.parentWidget());
    ASSERT_NE(splitter, nullptr);
    form.Mode->SetActivePage(page);
    splitter->setSizes({1, 800});
    form.ModeChange();
    EXPECT_TRUE(form.ButtonBooksOpen->isVisibleTo(&form));
    EXPECT_FALSE(form.ButtonBooksClose->isVisibleTo(&form));
    form.ButtonBooksOpenCloseClick(form.ButtonBooksOpen);
    EXPECT_EQ(splitter->sizes().value(0), 270);
    EXPECT_TRUE(form.ButtonBooksClose->isVisibleTo(&form));
    EXPECT_FALSE(form.ButtonBooksOpen->isVisibleTo(&form));
  }
}

}  // namespace
}  // namespace desktop_testing
