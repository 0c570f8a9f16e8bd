// The Bible page: the book tree, navigation from book, chapter and verse
// nodes of any tree, the caption and book label, previous and next.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "DesktopFixture.h"
#include "QtPrinters.h"
#include "desktop/BookTree.h"
#include "desktop/SpeedButton.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
using ui::TreeNode;
namespace node = ui::node;

std::intptr_t BookData(int book) { return reinterpret_cast<std::intptr_t>(&engine::Engine().BookInfo[book]); }

class BiblePageTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.Run(); }

  TIxoBibleMainForm& Form() { return fixture.Form(); }
  std::string Page(int book, int chapter, int verse) {
    return desktop::ChapterPageAddress(fixture.HtmlDir(), book, chapter, verse);
  }
  TreeNode* Node(const char* caption) { return Form().TreeIxo->FindByCaption(caption, Qt::CaseSensitive); }
  TreeNode* ChapterOf(const char* book, int chapter) {
    TreeNode* node = Node(book);
    Form().TreeIxo->Expand(node);
    return node->Child(chapter - 1);
  }
  // The last address the browser of the page was sent to.
  std::string Shown(int page) { return fixture.BrowserOfPage(page).Address().toStdString(); }
  qsizetype Navigations(int page) { return fixture.BrowserOfPage(page).Addresses().size(); }

  // A search result in the Search page's tree: the root, the book, the
  // chapter and the verse, as the search form builds them.
  TreeNode* AddResult(int book, int chapter, int verse) {
    ui::TreeView& tree = *Form().TreeSearch;
    TreeNode* root = tree.FirstNode() ? tree.FirstNode() : tree.Add(nullptr, "References", node::kResultRoot);
    TreeNode* bookNode = tree.Add(root, desktop::BookCaption(engine::Engine().BookNames[book]), node::kBook,
                                  BookData(book));
    TreeNode* chapterNode = tree.Add(bookNode, "Chapter " + QString::number(chapter), node::kChapter);
    return tree.Add(chapterNode, QString::number(verse), node::kVerse, 4242);
  }

  DesktopFixture fixture;
};

TEST_F(BiblePageTest, BookTreeHoldsTwoTestamentsWithTheirBooksAndOneChapterEach) {
  ui::TreeView& tree = *Form().TreeIxo;
  ASSERT_EQ(tree.FirstNode(), Form().FOldTestamentNode);
  EXPECT_EQ(Form().FOldTestamentNode->Text(), "Old Testament");
  EXPECT_EQ(Form().FOldTestamentNode->Count(), 39);
  EXPECT_EQ(Form().FNewTestamentNode->Text(), "New Testament");
  EXPECT_EQ(Form().FNewTestamentNode->Count(), 27);
  EXPECT_EQ(tree.NodeCount(), 2 + 66 * 2);

  const TreeNode* kings = Form().FOldTestamentNode->Child(11);
  EXPECT_EQ(kings->Text(), "2  Kings");
  EXPECT_EQ(kings->ImageIndex(), node::kBook);
  EXPECT_EQ(kings->Data(), BookData(12));
  EXPECT_EQ(kings->FirstChild()->Text(), "Chapter 1");
  EXPECT_EQ(kings->FirstChild()->ImageIndex(), node::kChapter);
  EXPECT_EQ(kings->FirstChild()->Data(), BookData(12));
  EXPECT_EQ(Form().FNewTestamentNode->FirstChild()->Text(), "Matthew");
}

TEST_F(BiblePageTest, ChaptersAreAddedOnTheFirstExpansionOfTheirBook) {
  struct Case {
    const char* book;
    int chapters;
  };
  for (const Case& c : {Case{"Obadiah", 1}, Case{"Psalms", 150}}) {
    SCOPED_TRACE(c.book);
    TreeNode* book = Node(c.book);
    ASSERT_EQ(book->Count(), 1);
    EXPECT_TRUE(Form().TreeIxo->Expand(book));
    ASSERT_EQ(book->Count(), c.chapters);
    for (int chapter = 1; chapter <= c.chapters; ++chapter) {
      const TreeNode* child = book->Child(chapter - 1);
      EXPECT_EQ(child->Text(), "Chapter " + QString::number(chapter));
      EXPECT_EQ(child->ImageIndex(), node::kChapter);
      EXPECT_EQ(child->Data(), book->Data());
    }
    Form().TreeIxo->Collapse(book);
    EXPECT_TRUE(Form().TreeIxo->Expand(book));
    EXPECT_EQ(book->Count(), c.chapters);
  }
}

TEST_F(BiblePageTest, SelectedNodesShowTheirChapterPage) {
  struct Case {
    const char* what;
    std::function<TreeNode*()> node;
    int page;  // whose browser shows it
    std::string address;
  };
  const Case cases[] = {
      {"Old Testament", [&] { return Node("Old Testament"); }, 1, Page(1, 1, 1)},
      {"New Testament", [&] { return Node("New Testament"); }, 1, Page(40, 1, 1)},
      {"a book", [&] { return Node("Exodus"); }, 1, Page(2, 1, 1)},
      {"Chapter 1 of Genesis", [&] { return Node("Genesis")->FirstChild(); }, 1, Page(1, 1, 1)},
      {"Genesis 3", [&] { return ChapterOf("Genesis", 3); }, 1, Page(1, 3, 1)},
      {"Psalm 150", [&] { return ChapterOf("Psalms", 150); }, 1, Page(19, 150, 1)},
      {"the result root", [&] { return AddResult(45, 3, 16)->Parent()->Parent()->Parent(); }, 2, Page(45, 3, 1)},
      {"a result book", [&] { return AddResult(45, 3, 16)->Parent()->Parent(); }, 2, Page(45, 3, 1)},
      {"a root without books", [&] { return Form().TreeSearch->Add(nullptr, "References", node::kResultRoot); }, 2,
       Page(1, 1, 1)},
      {"a result chapter", [&] { return AddResult(45, 3, 16)->Parent(); }, 2, Page(45, 3, 1)},
      {"Romans 3:16", [&] { return AddResult(45, 3, 16); }, 2, Page(45, 3, 16)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form().Mode->SetActivePageIndex(c.page - 1);
    Form().TreeIxo->Select(nullptr);
    Form().TreeSearch->Clear();
    TreeNode* target = c.node();
    ASSERT_TRUE(target->Tree()->Select(target));
    EXPECT_EQ(Shown(c.page), c.address);
    EXPECT_EQ(Form().FUrl, c.address);
  }
  EXPECT_EQ(Page(45, 3, 16), "file://" + fixture.HtmlDir() + "Bible/45/3.html#v16");
}

// The label names the chapter of the node clicked, and the page shown is that chapter.
TEST_F(BiblePageTest, ClickedBooksAndRootsShowTheChapterTheirLabelNames) {
  TIxoBibleMainForm& form = Form();
  fixture.Search().OnSearch = [this](ui::TreeView*) {
    Form().TreeSearch->Clear();
    AddResult(23, 66, 2);
    AddResult(45, 3, 16);
  };
  form.EditSearchCriteria->setText("new");
  QTest::mouseClick(form.ButtonSearch, Qt::LeftButton);
  ASSERT_EQ(form.Mode->ActivePage(), form.pageSearch);

  const auto click = [](ui::TreeView& tree, TreeNode* node) {
    tree.scrollTo(node->index());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(node->index()).center());
    ASSERT_EQ(tree.Selected(), node);
  };
  struct Case {
    const char* what;
    int page;
    std::function<TreeNode*()> node;
    const char* label;
    std::string address;
  };
  const Case cases[] = {
      {"a result book", 2, [&] { return form.TreeSearch->FindByCaption("Isaiah"); }, "Isaiah 66", Page(23, 66, 1)},
      {"the result root", 2, [&] { return form.TreeSearch->FirstNode(); }, "Isaiah 66", Page(23, 66, 1)},
      {"a book", 1, [&] { return Node("Exodus"); }, "Exodus 1", Page(2, 1, 1)},
      {"New Testament", 1, [&] { return Node("New Testament"); }, "Matthew 1", Page(40, 1, 1)},
      {"Old Testament", 1, [&] { return Node("Old Testament"); }, "Genesis 1", Page(1, 1, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.page == 1) form.BibleMenu->trigger();
    ui::TreeView& tree = c.page == 1 ? *form.TreeIxo : *form.TreeSearch;
    tree.Select(nullptr);
    TreeNode* target = c.node();
    ASSERT_NE(target, nullptr);
    click(tree, target);
    EXPECT_EQ(form.LabelBook->text(), c.label);
    EXPECT_EQ(Shown(c.page), c.address);
  }
}

TEST_F(BiblePageTest, NodesOfAnotherShapeAreIgnored) {
  Form().Mode->SetActivePage(Form().pageSearch);
  ui::TreeView& tree = *Form().TreeSearch;
  struct Shape {
    const char* what;
    std::function<TreeNode*()> node;
  };
  const Shape shapes[] = {
      {"chapter without a book", [&] { return tree.Add(nullptr, "Chapter 3", node::kChapter); }},
      {"verse without a chapter", [&] { return tree.Add(nullptr, "16", node::kVerse); }},
      {"verse under a chapter without a book",
       [&] { return tree.Add(tree.Add(nullptr, "Chapter 3", node::kChapter), "16", node::kVerse); }},
      {"book without data", [&] { return tree.Add(nullptr, "Romans", node::kBook); }},
      {"book whose data is no book record", [&] { return tree.Add(nullptr, "Romans", node::kBook, 12345); }},
      {"chapter whose caption is no chapter",
       [&] { return tree.Add(tree.Add(nullptr, "Romans", node::kBook, BookData(45)), "Chapter three", node::kChapter); }},
      {"verse whose caption is no number", [&] {
         TreeNode* book = tree.Add(nullptr, "Romans", node::kBook, BookData(45));
         return tree.Add(tree.Add(book, "Chapter 3", node::kChapter), "v16", node::kVerse);
       }},
      {"verse under a chapter under a root", [&] {
         TreeNode* root = tree.Add(nullptr, "References", node::kResultRoot);
         return tree.Add(tree.Add(root, "Chapter 3", node::kChapter), "16", node::kVerse);
       }},
  };
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(shape.what);
    tree.Clear();
    const qsizetype before = Navigations(2);
    TreeNode* odd = shape.node();
    Form().setWindowTitle("before");
    ASSERT_TRUE(tree.Select(odd));
    EXPECT_EQ(Navigations(2), before);
    EXPECT_EQ(Form().windowTitle(), "before");
    Form().UpdateTitle();  // reads the odd node as far as it goes
    EXPECT_EQ(Form().windowTitle(), " Ixo Bible - Search Results");
  }
}

TEST_F(BiblePageTest, ReviewNodesOnlyUpdateTheTitle) {
  Form().Mode->SetActivePage(Form().pageSearch);
  const qsizetype before = Navigations(2);
  Form().setWindowTitle("stale");
  TreeNode* review = Form().TreeSearch->Add(nullptr, "Review Study", node::kWordList);
  Form().TreeSearch->Select(review);
  EXPECT_EQ(Navigations(2), before);
  EXPECT_EQ(Form().windowTitle(), " Ixo Bible - Search Results");
}

TEST(BiblePageSetUp, SelectionsBeforeTheFormIsSetUpAreIgnored) {
  DesktopFixture fixture;
  fixture.Create();
  TIxoBibleMainForm& form = fixture.Form();
  fixture.Program().Start();
  ASSERT_FALSE(form.IsSetUp());
  TreeNode* genesis = form.TreeIxo->FindByCaption("Genesis", Qt::CaseSensitive);
  ASSERT_NE(genesis, nullptr);
  form.TreeIxo->Select(genesis);
  EXPECT_TRUE(fixture.BrowserOfPage(1).Addresses().isEmpty());
}

TEST_F(BiblePageTest, CaptionAndLabelFollowThePageAndItsSelectedNode) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    const char* caption;
    const char* label;
  };
  TIxoBibleMainForm& form = Form();
  const Case cases[] = {
      {"Genesis 3", [&] { form.TreeIxo->Select(ChapterOf("Genesis", 3)); }, " Ixo Bible - Version 2011", "Genesis 3"},
      {"a book", [&] { form.TreeIxo->Select(Node("Exodus")); }, " Ixo Bible - Version 2011", "Exodus 1"},
      {"New Testament", [&] { form.TreeIxo->Select(Node("New Testament")); }, " Ixo Bible - Version 2011", "Matthew 1"},
      {"2 Kings 3", [&] { form.TreeIxo->Select(ChapterOf("2  Kings", 3)); }, " Ixo Bible - Version 2011", "II  Kings 3"},
      {"nothing selected", [&] { form.TreeIxo->Select(nullptr); form.UpdateTitle(); }, " Ixo Bible - Version 2011",
       "Ixo Bible 2011"},
      {"John 3:16 found",
       [&] {
         form.Mode->SetActivePage(form.pageSearch);
         form.TreeSearch->Select(AddResult(43, 3, 16));
       },
       " Ixo Bible - Search Results", "John 3:16"},
      {"Search page", [&] { form.Mode->SetActivePage(form.pageSearch); form.UpdateTitle(); },
       " Ixo Bible - Search Results", "Search Results"},
      {"Review page", [&] { form.ReviewMenu->trigger(); }, " Ixo Bible - Search History", "Search History"},
      {"Names page", [&] { form.NamesMenu->trigger(); }, " Ixo Bible - Proper Names", "Proper Names"},
      {"a letter of the names", [&] { form.NamesMenu->trigger(); form.TreeNames->Select(form.TreeNames->FirstNode()); form.UpdateTitle(); },
       " Ixo Bible - Proper Names", "Proper Names"},
      {"Options page", [&] { form.OptionsMenu->trigger(); }, " Ixo Bible - Configuration Options",
       "Configuration Options"},
      {"Help page", [&] { form.HelpMenu->trigger(); }, " Ixo Bible - Ixo Bible Help", "Ixo Bible Help"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.BibleMenu->trigger();
    form.TreeSearch->Clear();
    c.arrange();
    EXPECT_EQ(form.windowTitle(), c.caption);
    EXPECT_EQ(form.LabelBook->text(), c.label);
  }
}

TEST_F(BiblePageTest, PreviousAndNextStepThroughTheTreeAndStopAtItsEnds) {
  TIxoBibleMainForm& form = Form();
  ui::TreeView& tree = *form.TreeIxo;
  const auto selected = [&] { return tree.Selected() ? tree.Selected()->Text() : QString("none"); };

  tree.Select(tree.FirstNode());
  const qsizetype before = Navigations(1);
  form.ButtonBookPrevProc(Qt::LeftButton);
  EXPECT_EQ(selected(), "Old Testament");
  EXPECT_EQ(Navigations(1), before);

  form.ButtonBookNextProc(Qt::LeftButton);
  EXPECT_EQ(selected(), "Genesis");
  form.ButtonBookNextProc(Qt::LeftButton);  // into the chapters the selection added
  EXPECT_EQ(selected(), "Chapter 1");
  form.ButtonBookNextProc(Qt::LeftButton);
  EXPECT_EQ(selected(), "Chapter 2");
  EXPECT_EQ(Shown(1), Page(1, 2, 1));
  form.ButtonBookPrevProc(Qt::LeftButton);
  EXPECT_EQ(Shown(1), Page(1, 1, 1));

  // The right button steps over siblings; without one it takes the node before or after.
  tree.Select(Node("Genesis"));
  form.ButtonBookNextProc(Qt::RightButton);
  EXPECT_EQ(selected(), "Exodus");
  form.ButtonBookPrevProc(Qt::RightButton);
  EXPECT_EQ(selected(), "Genesis");
  form.ButtonBookPrevProc(Qt::RightButton);
  EXPECT_EQ(selected(), "Old Testament");

  TreeNode* last = Node("Revelation")->FirstChild();
  tree.Select(last);
  form.ButtonBookNextProc(Qt::LeftButton);
  EXPECT_EQ(tree.Selected(), last);
  form.ButtonBookNextProc(Qt::RightButton);
  EXPECT_EQ(tree.Selected(), last);
}

TEST_F(BiblePageTest, OnTheOptionsPageTheButtonsStepOnTheBiblePage) {
  TIxoBibleMainForm& form = Form();
  form.TreeIxo->Select(Node("Exodus"));
  form.OptionsMenu->trigger();
  form.ButtonBookNextProc(Qt::LeftButton);
  EXPECT_EQ(form.Mode->ActivePage(), form.pageIxo);
  EXPECT_EQ(form.TreeIxo->Selected()->Text(), "Chapter 1");
  EXPECT_EQ(Shown(1), Page(2, 1, 1));
}

TEST_F(BiblePageTest, WithoutASelectionTheFirstPressStartsAtTheFirstNode) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  AddResult(45, 3, 16);
  form.ButtonBookPrevProc(Qt::LeftButton);
  EXPECT_EQ(form.TreeSearch->Selected(), form.TreeSearch->FirstNode());
  EXPECT_EQ(Shown(2), Page(45, 3, 1));  // the result root shows its first book's chapter
}

}  // namespace
}  // namespace desktop_testing
