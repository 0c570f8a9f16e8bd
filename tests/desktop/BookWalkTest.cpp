// Which books the publish menu hands over for a node, in which order, and
// where the walk stops.

#include "desktop/BookWalk.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/ixoObject.h"
#include "platform/Dialogs.h"
#include "ui/NodeKind.h"
#include "ui/TreeNode.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using ui::TreeNode;
namespace node = ui::node;

constexpr char kNoBookWarning[] = "Method Not implemented yet on unknown tree node type.";

class BookWalkTest : public ::testing::Test {
 protected:
  TreeNode* Book(TreeNode* parent, int book) {
    return tree.Add(parent, QString::number(book), node::kBook,
                    reinterpret_cast<std::intptr_t>(&engine::Engine().BookInfo[book]));
  }
  // Writes the books under node, recording their numbers; book failAt fails.
  bool Walk(const TreeNode& start, int failAt = 0) {
    return desktop::WriteBookOrBooksUnder(start, [this, failAt](const TreeNode&, const engine::TBookInfoRec& book) {
      // The engine is not loaded: the book's number is its place in the table.
      const int number = static_cast<int>(&book - engine::Engine().BookInfo.data());
      written.push_back(number);
      return number != failAt;
    });
  }
  std::vector<std::string> Warnings() const {
    std::vector<std::string> texts;
    for (const platform::DialogRequest& shown : dialogs->Shown()) {
      EXPECT_EQ(shown.type, platform::DialogType::Warning);
      texts.push_back(shown.text);
    }
    return texts;
  }

  std::shared_ptr<platform::RecordingDialogService> dialogs = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogGuard{dialogs};
  ui::TreeView tree;
  std::vector<int> written;
};

TEST_F(BookWalkTest, RootOfBooksHandsThemOverInOrderPassingOverOtherNodes) {
  TreeNode* root = tree.Add(nullptr, "Old Testament", node::kResultRoot);
  Book(root, 1);
  Book(root, 2);
  tree.Add(root, "light", node::kWordList);
  tree.Add(root, "not a record", node::kBook, 12345);
  Book(root, 5);
  EXPECT_TRUE(Walk(*root));
  EXPECT_EQ(written, (std::vector<int>{1, 2, 5}));
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(BookWalkTest, RootOfGroupsHandsOverEveryGroupInTurnUntilOneHoldsNoBook) {
  TreeNode* root = tree.Add(nullptr, "Studies", node::kFolder);
  TreeNode* law = tree.Add(root, "Law", node::kFolder);
  Book(law, 1);
  Book(law, 2);
  Book(tree.Add(root, "Prophets", node::kFolder), 23);
  TreeNode* empty = tree.Add(root, "Empty", node::kFolder);
  Book(tree.Add(root, "Gospels", node::kFolder), 40);
  EXPECT_FALSE(Walk(*root));
  EXPECT_EQ(written, (std::vector<int>{1, 2, 23}));
  EXPECT_EQ(Warnings(), std::vector<std::string>{kNoBookWarning});

  // A group whose first child is not a book holds no book either.
  dialogs->Clear();
  written.clear();
  tree.Add(empty, "Chapter 1", node::kChapter);
  EXPECT_FALSE(Walk(*root));
  EXPECT_EQ(written, (std::vector<int>{1, 2, 23}));
  EXPECT_EQ(Warnings(), std::vector<std::string>{kNoBookWarning});
}

TEST_F(BookWalkTest, NodesWithoutBooksBelowAreReported) {
  TreeNode* condition = tree.Add(nullptr, "light", node::kWordList);
  TreeNode* root = tree.Add(nullptr, "References", node::kResultRoot);
  tree.Add(root, "group without children", node::kFolder);
  for (const TreeNode* start : {condition, root}) {
    SCOPED_TRACE(start->Text().toStdString());
    dialogs->Clear();
    EXPECT_FALSE(Walk(*start));
    EXPECT_TRUE(written.empty());
    EXPECT_EQ(Warnings(), std::vector<std::string>{kNoBookWarning});
  }
}

TEST_F(BookWalkTest, FailingBookEndsTheWalk) {
  TreeNode* root = tree.Add(nullptr, "New Testament", node::kResultRoot);
  for (const int book : {40, 41, 42}) Book(root, book);
  EXPECT_FALSE(Walk(*root, 41));
  EXPECT_EQ(written, (std::vector<int>{40, 41}));
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(BookWalkTest, BookNodeIsWrittenAloneAndChaptersAndVersesClimbToIt) {
  TreeNode* root = tree.Add(nullptr, "References", node::kResultRoot);
  TreeNode* genesis = Book(root, 1);
  Book(root, 2);
  TreeNode* chapter = tree.Add(genesis, "Chapter 2", node::kChapter);
  TreeNode* verse = tree.Add(chapter, "3", node::kVerse);
  EXPECT_TRUE(Walk(*genesis));
  EXPECT_EQ(written, std::vector<int>{1});

  EXPECT_EQ(desktop::ChapterOfVerse(verse), chapter);
  EXPECT_EQ(desktop::ChapterOfVerse(chapter), chapter);
  EXPECT_EQ(desktop::BookOfChapter(verse), genesis);
  EXPECT_EQ(desktop::BookOfChapter(chapter), genesis);
  EXPECT_EQ(desktop::BookOfChapter(root), root);
  EXPECT_EQ(desktop::BookOfChapter(nullptr), nullptr);
}

}  // namespace
}  // namespace desktop_testing
