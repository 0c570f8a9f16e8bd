#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <functional>
#include <vector>

#include "QtPrinters.h"
#include "ui/NodeImages.h"
#include "ui/NodeKind.h"
#include "ui/TreeView.h"

namespace ui {
namespace {

// A book node whose only child is the placeholder "Chapter 1"; its expansion
// handler adds the other chapters, as the book tree does.
struct BookTree {
  TreeView tree;
  std::vector<QString> events;

  TreeNode* AddBook(const QString& name, int chapters) {
    TreeNode* book = tree.Add(nullptr, name, node::kBook, chapters);
    tree.Add(book, "Chapter 1", node::kChapter);
    return book;
  }

  void AddChaptersOnExpanding() {
    tree.OnExpanding = [this](TreeNode* book) {
      events.push_back("expanding " + book->Text() + (book->Expanded() ? " (open)" : " (closed)"));
      if (book->Count() < 2) {
        for (int c = 2; c <= book->Data(); ++c) tree.Add(book, QString("Chapter %1").arg(c), node::kChapter);
      }
      return true;
    };
    tree.OnExpanded = [this](TreeNode* book) { events.push_back("expanded " + book->Text()); };
  }
};

QPoint CentreOf(TreeView& tree, TreeNode* node) { return tree.visualRect(node->index()).center(); }

void ShowAndWait(QWidget& widget) {
  widget.resize(300, 400);
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

TEST(TreeViewLazyChildren, ExpandingHandlerRunsBeforeTheExpansionAndAddsChildrenOnce) {
  struct Case {
    const char* book;
    int chapters;
  };
  for (const Case& c : {Case{"Obadiah", 1}, Case{"Psalms", 150}}) {
    SCOPED_TRACE(c.book);
    BookTree fixture;
    fixture.AddChaptersOnExpanding();
    TreeNode* book = fixture.AddBook(c.book, c.chapters);

    EXPECT_TRUE(fixture.tree.Expand(book));
    EXPECT_TRUE(book->Expanded());
    ASSERT_EQ(book->Count(), c.chapters);
    EXPECT_EQ(book->FirstChild()->Text(), "Chapter 1");
    EXPECT_EQ(book->LastChild()->Text(), QString("Chapter %1").arg(c.chapters));

    fixture.tree.Collapse(book);
    EXPECT_TRUE(fixture.tree.Expand(book));
    EXPECT_EQ(book->Count(), c.chapters);
    const QString expanding = "expanding " + QString(c.book) + " (closed)";
    const QString expanded = "expanded " + QString(c.book);
    EXPECT_EQ(fixture.events, (std::vector<QString>{expanding, expanded, expanding, expanded}));
  }
}

TEST(TreeViewLazyChildren, RefusedExpansionLeavesTheNodeClosed) {
  BookTree fixture;
  TreeNode* book = fixture.AddBook("Genesis", 50);
  bool expandedRan = false;
  fixture.tree.OnExpanding = [](TreeNode*) { return false; };
  fixture.tree.OnExpanded = [&](TreeNode*) { expandedRan = true; };

  EXPECT_FALSE(fixture.tree.Expand(book));
  EXPECT_FALSE(book->Expanded());
  EXPECT_FALSE(expandedRan);
  EXPECT_EQ(book->Count(), 1);
}

TEST(TreeViewLazyChildren, HandlerThatOnlyRemovesThePlaceholderLeavesAnEmptyClosedNode) {
  TreeView tree;
  TreeNode* letter = tree.Add(nullptr, "Q", node::kFolder);
  tree.Add(letter, "@");
  tree.OnExpanding = [&tree](TreeNode* node) {
    tree.DeleteChildren(node);
    return true;
  };
  EXPECT_FALSE(tree.Expand(letter));
  EXPECT_FALSE(letter->HasChildren());
  EXPECT_FALSE(letter->Expanded());
}

TEST(TreeViewLazyChildren, NodeWithoutChildrenIsNotOfferedForExpansion) {
  TreeView tree;
  TreeNode* letter = tree.Add(nullptr, "W", node::kFolder);
  bool asked = false;
  tree.OnExpanding = [&](TreeNode*) { return asked = true; };
  EXPECT_FALSE(tree.Expand(letter));
  EXPECT_FALSE(asked);
}

TEST(TreeViewLazyChildren, HandlerMayDetachItselfWhileItRuns) {
  BookTree fixture;
  TreeNode* book = fixture.AddBook("Ruth", 4);
  int runs = 0;
  fixture.tree.OnExpanding = [&fixture, &runs, captured = std::vector<int>(64, 7)](TreeNode* node) {
    fixture.tree.OnExpanding = nullptr;  // destroys the handler object that is running
    ++runs;
    fixture.tree.Add(node, "Chapter 2", node::kChapter);
    return captured.size() == 64;
  };
  EXPECT_TRUE(fixture.tree.Expand(book));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(book->Count(), 2);
}

TEST(TreeViewLazyChildren, UserExpansionByDoubleClickAndKeysRunsTheHandler) {
  BookTree fixture;
  fixture.AddChaptersOnExpanding();
  TreeNode* book = fixture.AddBook("Ruth", 4);
  ShowAndWait(fixture.tree);

  QTest::mouseDClick(fixture.tree.viewport(), Qt::LeftButton, {}, CentreOf(fixture.tree, book));
  EXPECT_TRUE(book->Expanded());
  EXPECT_EQ(book->Count(), 4);

  QTest::mouseDClick(fixture.tree.viewport(), Qt::LeftButton, {}, CentreOf(fixture.tree, book));
  EXPECT_FALSE(book->Expanded());

  fixture.tree.Select(book);
  QTest::keyClick(&fixture.tree, Qt::Key_Plus);
  EXPECT_TRUE(book->Expanded());
  QTest::keyClick(&fixture.tree, Qt::Key_Minus);
  EXPECT_FALSE(book->Expanded());
  QTest::keyClick(&fixture.tree, Qt::Key_Right);
  EXPECT_TRUE(book->Expanded());
  EXPECT_EQ(std::count_if(fixture.events.begin(), fixture.events.end(),
                          [](const QString& e) { return e.startsWith("expanding"); }),
            3);
}

TEST(TreeViewSelection, SelectionByCodeAndByClickRunsTheChangeHandler) {
  BookTree fixture;
  TreeNode* genesis = fixture.AddBook("Genesis", 50);
  TreeNode* exodus = fixture.AddBook("Exodus", 40);
  std::vector<TreeNode*> changes;
  fixture.tree.OnChange = [&](TreeNode* node) { changes.push_back(node); };

  EXPECT_TRUE(fixture.tree.Select(genesis));
  EXPECT_TRUE(fixture.tree.Select(genesis));  // no change, no handler
  EXPECT_EQ(fixture.tree.Selected(), genesis);
  ASSERT_EQ(changes, std::vector<TreeNode*>{genesis});

  ShowAndWait(fixture.tree);
  QTest::mouseClick(fixture.tree.viewport(), Qt::LeftButton, {}, CentreOf(fixture.tree, exodus));
  EXPECT_EQ(fixture.tree.Selected(), exodus);
  EXPECT_EQ(changes, (std::vector<TreeNode*>{genesis, exodus}));
  EXPECT_TRUE(fixture.tree.selectionModel()->isSelected(exodus->index()));
}

TEST(TreeViewSelection, ChangingHandlerMayRefuseByCodeAndByClick) {
  BookTree fixture;
  TreeNode* genesis = fixture.AddBook("Genesis", 50);
  TreeNode* exodus = fixture.AddBook("Exodus", 40);
  fixture.tree.Select(genesis);
  std::vector<TreeNode*> asked;
  int changes = 0;
  fixture.tree.OnChanging = [&](TreeNode* node) {
    asked.push_back(node);
    return node != exodus;
  };
  fixture.tree.OnChange = [&](TreeNode*) { ++changes; };

  EXPECT_FALSE(fixture.tree.Select(exodus));
  ShowAndWait(fixture.tree);
  QTest::mouseClick(fixture.tree.viewport(), Qt::LeftButton, {}, CentreOf(fixture.tree, exodus));
  QTest::keyClick(&fixture.tree, Qt::Key_Down);

  EXPECT_EQ(fixture.tree.Selected(), genesis);
  EXPECT_EQ(fixture.tree.selectionModel()->selectedIndexes(), QModelIndexList{genesis->index()});
  EXPECT_EQ(changes, 0);
  EXPECT_GE(asked.size(), 3u);
  EXPECT_TRUE(std::all_of(asked.begin(), asked.end(), [&](TreeNode* n) { return n == exodus; }));
}

TEST(TreeViewSelection, RightClickSelectsOnlyWhenAskedTo) {
  BookTree fixture;
  TreeNode* genesis = fixture.AddBook("Genesis", 50);
  TreeNode* exodus = fixture.AddBook("Exodus", 40);
  fixture.tree.Select(genesis);
  ShowAndWait(fixture.tree);

  QTest::mouseClick(fixture.tree.viewport(), Qt::RightButton, {}, CentreOf(fixture.tree, exodus));
  EXPECT_EQ(fixture.tree.Selected(), genesis);
  fixture.tree.SetRightClickSelect(true);
  QTest::mouseClick(fixture.tree.viewport(), Qt::RightButton, {}, CentreOf(fixture.tree, exodus));
  EXPECT_EQ(fixture.tree.Selected(), exodus);
}

TEST(TreeViewSelection, PopupMenuOpensOnTheTreesContextMenu) {
  BookTree fixture;
  fixture.AddBook("Genesis", 50);
  QMenu menu;
  menu.addAction("Publish as Text");
  bool aboutToShow = false;
  QObject::connect(&menu, &QMenu::aboutToShow, [&] { aboutToShow = true; });
  fixture.tree.SetPopupMenu(&menu);
  ShowAndWait(fixture.tree);

  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(10, 10),
                            fixture.tree.viewport()->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(fixture.tree.viewport(), &request);
  EXPECT_TRUE(aboutToShow);
  EXPECT_TRUE(menu.isVisible());
  menu.close();
}

TEST(TreeViewSelection, AutoExpansionOpensTheNodeSelectedAfterTheChangeHandler) {
  BookTree fixture;
  fixture.AddChaptersOnExpanding();
  TreeNode* genesis = fixture.AddBook("Genesis", 50);
  TreeNode* exodus = fixture.AddBook("Exodus", 40);
  // As the book tree does: the change handler switches automatic expansion on,
  // the expansion switches it off again.
  fixture.tree.OnChange = [&](TreeNode* node) {
    fixture.events.push_back("change " + node->Text());
    if (node->ImageIndex() == node::kBook) fixture.tree.SetAutoExpand(true);
  };
  auto expanding = fixture.tree.OnExpanding;
  fixture.tree.OnExpanding = [&, expanding](TreeNode* node) {
    fixture.tree.SetAutoExpand(false);
    return expanding(node);
  };

  fixture.tree.Select(genesis);
  EXPECT_TRUE(genesis->Expanded());
  EXPECT_EQ(genesis->Count(), 50);
  fixture.tree.Select(genesis->Child(2));
  EXPECT_FALSE(fixture.tree.AutoExpand());
  EXPECT_FALSE(exodus->Expanded());
  EXPECT_EQ(fixture.events, (std::vector<QString>{"change Genesis", "expanding Genesis (closed)",
                                                  "expanded Genesis", "change Chapter 3"}));
}

// As a click can only reach a node in view, a node selected by code is brought
// into view: its collapsed ancestors expand, each through its handler.
TEST(TreeViewSelection, SelectionByCodeOpensTheCollapsedAncestors) {
  TreeView tree;
  TreeNode* root = tree.Add(nullptr, "References", node::kResultRoot);
  TreeNode* book = tree.Add(root, "John", node::kBook);
  TreeNode* chapter = tree.Add(book, "Chapter 3", node::kChapter);
  TreeNode* verse = tree.Add(chapter, "16", node::kVerse);
  std::vector<QString> events;
  tree.OnExpanding = [&](TreeNode* n) {
    events.push_back("expanding " + n->Text());
    return n != chapter;  // the chapter refuses: the verse stays selected all the same
  };
  tree.OnChange = [&](TreeNode* n) { events.push_back("change " + n->Text()); };

  EXPECT_TRUE(tree.Select(verse));
  EXPECT_EQ(tree.Selected(), verse);
  EXPECT_TRUE(root->Expanded());
  EXPECT_TRUE(book->Expanded());
  EXPECT_FALSE(chapter->Expanded());
  EXPECT_EQ(events, (std::vector<QString>{"change 16", "expanding References", "expanding John",
                                          "expanding Chapter 3"}));
}

// An expansion handler that replaces the placeholder child of the node it
// opens: selecting the placeholder by code opens the node, and the selection
// goes to the node that held it.
TEST(TreeViewSelection, SelectingAPlaceholderThatItsParentReplacesSelectsTheParent) {
  TreeView tree;
  TreeNode* letter = tree.Add(nullptr, "A", node::kFolder);
  TreeNode* placeholder = tree.Add(letter, "@");
  tree.OnExpanding = [&](TreeNode* n) {
    tree.DeleteChildren(n);
    tree.Add(n, "Aaron", node::kName);
    return true;
  };
  std::vector<QString> changes;
  tree.OnChange = [&](TreeNode* n) { changes.push_back(n ? n->Text() : "none"); };

  EXPECT_FALSE(tree.Select(placeholder));
  EXPECT_EQ(tree.Selected(), letter);
  EXPECT_TRUE(letter->Expanded());
  ASSERT_EQ(letter->Count(), 1);
  EXPECT_EQ(letter->FirstChild()->Text(), "Aaron");
  EXPECT_EQ(changes, (std::vector<QString>{"@", "A"}));
}

TEST(TreeViewSelection, DeletingTheSelectedNodeReportsTheNewSelectionAfterwards) {
  // first, second (with child), third; one of them selected, then something deleted.
  struct Case {
    const char* what;
    const char* selected;
    std::function<void(TreeView&)> remove;
    QString expected;  // the node selected afterwards, or "none"
  };
  const Case cases[] = {
      {"the selected node", "second", [](TreeView& t) { t.Delete(t.FindByCaption("second")); }, "third"},
      {"the last, selected", "third", [](TreeView& t) { t.Delete(t.FindByCaption("third")); }, "second"},
      {"the parent of the selected", "child", [](TreeView& t) { t.Delete(t.FindByCaption("second")); },
       "third"},
      {"the only child, selected", "child", [](TreeView& t) { t.Delete(t.FindByCaption("child")); },
       "second"},
      {"the children, one selected", "child",
       [](TreeView& t) { t.DeleteChildren(t.FindByCaption("second")); }, "second"},
      {"everything", "child", [](TreeView& t) { t.Clear(); }, "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TreeView tree;
    tree.Add(nullptr, "first");
    tree.Add(tree.Add(nullptr, "second"), "child");
    tree.Add(nullptr, "third");
    tree.Select(tree.FindByCaption(c.selected));
    std::vector<QString> changes;
    int nodesSeen = -1;
    tree.OnChange = [&](TreeNode* node) {
      changes.push_back(node ? node->Text() : "none");
      nodesSeen = tree.NodeCount();
    };
    const int nodesLeft = [&] {
      c.remove(tree);
      return tree.NodeCount();
    }();

    EXPECT_EQ(changes, std::vector<QString>{c.expected});
    EXPECT_EQ(nodesSeen, nodesLeft);  // the handler ran after the deletion, not inside it
    TreeNode* selected = tree.Selected();
    EXPECT_EQ(selected ? selected->Text() : QString("none"), c.expected);
    EXPECT_TRUE(!selected || tree.selectionModel()->isSelected(selected->index()));
  }
}

TEST(TreeViewSelection, DeletingAnotherNodeRunsNoHandler) {
  TreeView tree;
  TreeNode* first = tree.Add(nullptr, "first");
  TreeNode* second = tree.Add(nullptr, "second");
  tree.Select(first);
  int changes = 0;
  tree.OnChange = [&](TreeNode*) { ++changes; };
  tree.Delete(second);
  tree.DeleteChildren(first);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(tree.Selected(), first);
}

TEST(TreeNodeLinks, TwinLinkIsApartFromTheDataAndNeverDangles) {
  TreeView formTree;
  TreeView mirrorTree;
  TreeNode* mirrorBook = mirrorTree.Add(nullptr, "Romans", node::kBook, 45);
  TreeNode* formBook = formTree.Add(nullptr, "Romans", node::kBook, 45);
  formBook->SetTwin(mirrorBook);

  EXPECT_EQ(formBook->Twin(), mirrorBook);
  EXPECT_EQ(formBook->Data(), 45);
  formBook->SetData(46);
  EXPECT_EQ(formBook->Twin(), mirrorBook);
  EXPECT_EQ(mirrorBook->Twin(), nullptr);

  formBook->ClearTwin();
  EXPECT_EQ(formBook->Twin(), nullptr);
  EXPECT_EQ(formBook->Data(), 46);

  formBook->SetTwin(mirrorBook);
  mirrorTree.Clear();  // the mirror is emptied under the form's nodes
  EXPECT_EQ(formBook->Twin(), nullptr);
  EXPECT_EQ(formBook->Data(), 46);
}

TEST(TreeNodeLinks, PlaceAndTreeOrderCoverCollapsedNodes) {
  TreeView tree;
  TreeNode* old = tree.Add(nullptr, "Old Testament", node::kResultRoot);
  TreeNode* genesis = tree.Add(old, "Genesis", node::kBook);
  TreeNode* g1 = tree.Add(genesis, "Chapter 1", node::kChapter);
  TreeNode* g2 = tree.Add(genesis, "Chapter 2", node::kChapter);
  TreeNode* exodus = tree.Add(old, "Exodus", node::kBook);
  TreeNode* nt = tree.Add(nullptr, "New Testament", node::kResultRoot);
  TreeNode* front = tree.Insert(old, "References", node::kResultRoot);

  const std::vector<TreeNode*> order{front, old, genesis, g1, g2, exodus, nt};
  std::vector<TreeNode*> forward;
  for (TreeNode* n = tree.FirstNode(); n; n = n->GetNext()) forward.push_back(n);
  EXPECT_EQ(forward, order);
  std::vector<TreeNode*> backward;
  for (TreeNode* n = nt; n; n = n->GetPrev()) backward.push_back(n);
  EXPECT_EQ(backward, std::vector<TreeNode*>(order.rbegin(), order.rend()));

  EXPECT_EQ(tree.NodeCount(), 7);
  EXPECT_EQ(g2->Level(), 2);
  EXPECT_EQ(g2->Index(), 1);
  EXPECT_EQ(g2->Parent()->Parent(), old);
  EXPECT_EQ(old->Parent(), nullptr);
  EXPECT_EQ(g1->PrevSibling(), nullptr);
  EXPECT_EQ(old->NextSibling(), nt);
  EXPECT_EQ(tree.FindByCaption("chapter 2"), g2);
  EXPECT_EQ(tree.FindByCaption("chapter 2", Qt::CaseSensitive), nullptr);
  EXPECT_EQ(tree.FindByCaption("Leviticus"), nullptr);
}

TEST(TreeNodeImages, NodeShowsItsImageAndItsSelectedImageFromTheTreesList) {
  TreeView tree;
  const ImageList images = NodeImages(16);
  tree.SetImages(images);
  TreeNode* verse = tree.Add(nullptr, "16", node::kVerse);
  verse->SetSelectedIndex(node::kVerseSelected);
  TreeNode* bare = tree.Add(nullptr, "none", -1);

  const QIcon icon = verse->data(Qt::DecorationRole).value<QIcon>();
  const QSize size(16, 16);
  EXPECT_EQ(icon.pixmap(size, QIcon::Normal).toImage(), images.Pixmap(node::kVerse).toImage());
  EXPECT_EQ(icon.pixmap(size, QIcon::Selected).toImage(), images.Pixmap(node::kVerseSelected).toImage());
  EXPECT_FALSE(bare->data(Qt::DecorationRole).isValid());
  EXPECT_EQ(tree.iconSize(), size);
}

}  // namespace
}  // namespace ui
