// The insert dialog over the add-in's engine on the KJV, writing into a
// recording document.
#include "wordaddin/ixoInsertTextDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FakeHost.h"
#include "QtTesting.h"
#include "RecordingDocument.h"
#include "platform/Dialogs.h"
#include "support/AddinInstallation.h"
#include "ui/NodeKind.h"
#include "ui/TreeView.h"
#include "wordaddin/IxoAbout.h"
#include "wordaddin/ixoObject.h"

namespace wordaddin {
namespace {

using testing::Lines;
using testing::RecordingDocument;
using testing_support::AddinInstallation;

// The lines of the document that begin with start: its headings of a book.
std::vector<std::string> LinesOf(const RecordingDocument& document, std::string_view start) {
  std::vector<std::string> lines;
  for (const std::string& line : Lines(document.Text()))
    if (line.starts_with(start)) lines.push_back(line);
  return lines;
}

class InsertForm : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!AddinInstallation::BuiltDataExists()) GTEST_SKIP() << "the add-in's data is not built";
    installation = std::make_unique<AddinInstallation>();
    ASSERT_TRUE(engine.Load());
    form = std::make_unique<TFormInsert>(nullptr, engine, document, about);
  }

  // Types the reference and clicks OK.
  void Insert(const char* reference) {
    form->spec->setEditText(reference);
    form->ButtonOK->click();
  }

  testing::FakeHost host;
  std::shared_ptr<platform::RecordingDialogService> boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard{boxes};
  std::unique_ptr<AddinInstallation> installation;
  TixoEngine engine;
  RecordingDocument document;
  TFormAbout about;
  std::unique_ptr<TFormInsert> form;
};

TEST_F(InsertForm, ListsTheBooksAndStartsEmpty) {
  ASSERT_EQ(form->spec->count(), 66);
  EXPECT_EQ(form->spec->itemText(0), "Genesis");
  EXPECT_EQ(form->spec->itemText(65), "Revelation");
  EXPECT_EQ(form->spec->currentText(), "");
  EXPECT_EQ(form->windowTitle(), "Ixo - Insert Bible Text");
  EXPECT_EQ(form->size(), QSize(298, 90));
}

TEST_F(InsertForm, ASingleVerseHasItsHeadingAndNoNumber) {
  Insert("Genesis 1:3");
  EXPECT_EQ(document.Text(), "Genesis 1:3\nAnd God said, Let there be light: and there was light.\n");
  EXPECT_EQ(std::count(document.operations.begin(), document.operations.end(), "color 2"), 0);
  EXPECT_EQ(form->GetModalResult(), ui::ModalResult::OK);
  EXPECT_TRUE(boxes->Shown().empty());
  // The host heard that an insertion begins.
  ASSERT_GE(host.sent.size(), 2u);
  EXPECT_EQ(host.sent[0].id, command::ScreenRefresh);
  EXPECT_EQ(host.sent[1].id, command::FormMode);
}

TEST_F(InsertForm, HeadingsNameWhatWasInserted) {
  const struct {
    const char* reference;
    const char* heading;
  } cases[] = {
      {"Genesis 1:3-5", "Genesis 1:3-5"},
      {"Genesis 1:5-3", "Genesis 1:3-5"},
      {"Genesis 1:3-999", "Genesis 1:3-31"},
      {"Genesis 1:0", "Genesis 1"},
      {"Genesis 1:29-", "Genesis 1:29-31"},
      {"Genesis 1:-3", "Genesis 1:1-3"},
      {"Genesis :5", "Genesis 1:5"},
      {"Genesis 1 : 3 - 5", "Genesis 1:3-5"},
      {"Revelation 22:21-22:21", "Revelation 22:21"},
      {"gen 2:1-3", "Genesis 2:1-3"},
      {"I Samuel 3:10", "1 Samuel 3:10"},
      {"II Kings 2:11", "2 Kings 2:11"},
      {"III John 4", "3 John 4"},
      {"Psalms 200", "Psalms 150"},
      {"Revelation 22:20-99", "Revelation 22:20-21"},
      {"Jude 5", "Jude 5"},
      {"Jude 3-4", "Jude 3-4"},
      {"Jude", "Jude"},
      {"2 John 4", "2 John 4"},
      {"2 John4", "2 John 4"},
      {"Jude5", "Jude 5"},
      {"3 John", "3 John"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reference);
    RecordingDocument written;
    TFormInsert fresh(nullptr, engine, written, about);
    fresh.spec->setEditText(c.reference);
    fresh.ButtonOKClick();
    ASSERT_FALSE(written.Text().empty());
    EXPECT_EQ(Lines(written.Text()).front(), c.heading);
  }
  EXPECT_TRUE(boxes->Shown().empty());
}

TEST_F(InsertForm, VersesOfARangeAreNumberedAndSeparatedByTwoBlanks) {
  Insert("Jude 24-25");
  EXPECT_EQ(document.Text(),
            "Jude 24-25\n"
            "24Now unto him that is able to keep you from falling, and to present you faultless before the "
            "presence of his glory with exceeding joy,  "
            "25To the only wise God our Saviour, be glory and majesty, dominion and power, both now and ever. "
            "Amen.\n");
}

TEST_F(InsertForm, AVerseOfABookOfOneChapterIsThatVerse) {
  Insert("2 John 4");
  EXPECT_EQ(document.Text(),
            "2 John 4\nI rejoiced greatly that I found of thy children walking in truth, as we have received a "
            "commandment from the Father.\n");
}

TEST_F(InsertForm, InsertingToTheLastVerseOfABookStopsAtItsEnd) {
  for (const char* reference : {"Revelation 22:21", "Revelation 22:19-30", "Jude"}) {
    SCOPED_TRACE(reference);
    RecordingDocument written;
    TFormInsert fresh(nullptr, engine, written, about);
    fresh.spec->setEditText(reference);
    fresh.ButtonOKClick();
    EXPECT_TRUE(written.Text().ends_with(" Amen.\n")) << written.Text();
    EXPECT_EQ(written.operations.back(), "\"\n\"");
  }
}

TEST_F(InsertForm, ARangeAcrossChaptersInsertsEachChaptersPartUnderItsHeading) {
  Insert("Genesis 1:31-3:1");
  EXPECT_TRUE(boxes->Shown().empty());
  EXPECT_EQ(LinesOf(document, "Genesis"), (std::vector<std::string>{"Genesis 1:31", "Genesis 2", "Genesis 3:1"}));
  EXPECT_TRUE(document.Text().starts_with("Genesis 1:31\nAnd God saw every thing that he had made, "));
  EXPECT_NE(document.Text().find(" the sixth day.\n\nGenesis 2\n1Thus the heavens"), std::string::npos);
  EXPECT_TRUE(document.Text().ends_with("Genesis 3:1\nNow the serpent was more subtil than any beast of the field "
                                        "which the LORD God had made. And he said unto the woman, Yea, hath God "
                                        "said, Ye shall not eat of every tree of the garden?\n"));
  EXPECT_EQ(form->GetModalResult(), ui::ModalResult::OK);
}

TEST_F(InsertForm, AReferenceThatCannotBeReadWholeIsNamedAndNothingInserted) {
  const struct {
    const char* reference;
    const char* unread;
  } cases[] = {
      {"Genesis 1:3, 5", ", 5"}, {"Genesis 1:3 foo", "foo"}, {"Genesis 3x", "x"},
      {"Genesis 1:", ":"},       {"Jude 5 7", "7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reference);
    TFormInsert fresh(nullptr, engine, document, about);
    boxes->Clear();
    fresh.spec->setEditText(c.reference);
    fresh.ButtonOK->click();
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_EQ(boxes->Shown()[0].text, "Could not read \"" + std::string(c.unread) + "\" in \"" + c.reference + "\"");
    EXPECT_EQ(boxes->Shown()[0].type, platform::DialogType::Warning);
    EXPECT_TRUE(document.operations.empty());
    // The dialog stays open with the text, to be put right.
    EXPECT_EQ(fresh.GetModalResult(), ui::ModalResult::None);
    EXPECT_EQ(fresh.spec->currentText(), c.reference);
  }
}

TEST_F(InsertForm, ChaptersFollowOneAnotherAfterALineEnd) {
  Insert("Genesis 3-5");
  EXPECT_TRUE(boxes->Shown().empty());
  EXPECT_EQ(LinesOf(document, "Genesis"), (std::vector<std::string>{"Genesis 3", "Genesis 4", "Genesis 5"}));
  EXPECT_NE(document.Text().find(" of life.\n\nGenesis 4\n"), std::string::npos);
  EXPECT_TRUE(document.Text().ends_with(" and Japheth.\n"));
}

TEST_F(InsertForm, LargeInsertionsAreConfirmedFirst) {
  const struct {
    const char* reference;
    const char* question;
    const char* firstHeading;
  } cases[] = {
      {"Genesis 48-", "Do you really want to insert chapters 48-50?", "Genesis 48"},
      {"Genesis", "Do you really want to insert all 50 chapters of this book?", "Genesis 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reference);
    RecordingDocument written;
    TFormInsert fresh(nullptr, engine, written, about);
    fresh.spec->setEditText(c.reference);

    boxes->Clear();
    boxes->Answer(ui::ModalResult::No);
    fresh.ButtonOKClick();
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_EQ(boxes->Shown()[0].text, c.question);
    EXPECT_EQ(boxes->Shown()[0].buttons, platform::DialogButtons::YesNo);
    EXPECT_TRUE(written.operations.empty());
    EXPECT_EQ(fresh.GetModalResult(), ui::ModalResult::None);  // the dialog stays open with the text
    EXPECT_EQ(fresh.spec->currentText(), c.reference);

    boxes->Answer(ui::ModalResult::Yes);
    fresh.ButtonOKClick();
    EXPECT_EQ(Lines(written.Text()).front(), c.firstHeading);
    EXPECT_TRUE(written.Text().ends_with("in a coffin in Egypt.\n"));
    EXPECT_EQ(fresh.GetModalResult(), ui::ModalResult::OK);
  }
}

TEST_F(InsertForm, AReferenceWithoutABookOnlyWarns) {
  for (const char* reference : {"Nowhere 1:1", "5:3", ""}) {
    SCOPED_TRACE(reference);
    boxes->Clear();
    Insert(reference);
    ASSERT_EQ(boxes->Shown().size(), 1u);
    EXPECT_EQ(boxes->Shown()[0].text, "\"" + std::string(reference) + "\" is not contained in the bible");
    EXPECT_EQ(boxes->Shown()[0].type, platform::DialogType::Warning);
    EXPECT_TRUE(document.operations.empty());
  }
}

TEST_F(InsertForm, StylesAreSentOnlyWhenTheyChange) {
  Insert("Genesis 1:3-4");
  const std::vector<std::string> expectedStart = {
      "bold 1", "\"Genesis 1:3-4\n\"", "bold 0",
      "color 2", "bold 1", "superscript 1", "\"3\"", "superscript 0", "bold 0", "color 0",
      "\"And\"", "\" \"", "\"God\"",
  };
  ASSERT_GE(document.operations.size(), expectedStart.size());
  EXPECT_EQ(std::vector<std::string>(document.operations.begin(), document.operations.begin() + 13), expectedStart);
  // "that it was good": each italic word switches italic on and off again.
  const std::vector<std::string> italic = {"\"that\"", "\" \"", "italic 1", "\"it\"", "italic 0", "\" \"",
                                           "italic 1", "\"was\"", "italic 0", "\" \"", "\"good\""};
  EXPECT_NE(std::search(document.operations.begin(), document.operations.end(), italic.begin(), italic.end()),
            document.operations.end());
}

TEST_F(InsertForm, InsertsVersesAndChaptersByBookName) {
  EXPECT_TRUE(form->InsertVerses("Genesis", 1, 1));
  EXPECT_TRUE(form->InsertChapter("Obadiah", 1));
  const std::vector<std::string> lines = Lines(document.Text());
  EXPECT_EQ(lines[0], "Genesis 1:1");
  EXPECT_EQ(lines[2], "Obadiah");
  EXPECT_FALSE(form->InsertVerses("Nowhere", 1, 1));
  ASSERT_EQ(boxes->Shown().size(), 1u);
  EXPECT_EQ(boxes->Shown()[0].text, "\"Nowhere\" is not contained in the bible");
}

TEST_F(InsertForm, EnterInTheReferenceRunsOkOnce) {
  form->spec->setEditText("Genesis 1:1");
  QTest::keyClick(form->spec->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(Lines(document.Text()), (std::vector<std::string>{
                                        "Genesis 1:1", "In the beginning God created the heaven and the earth."}));
  EXPECT_EQ(form->GetModalResult(), ui::ModalResult::OK);
}

TEST_F(InsertForm, WhatAnInsertionRaisesIsToldAndTheDialogClosesAndCanBeFreed) {
  testing::RefusingDocument refusing;
  auto dialog = std::make_unique<TFormInsert>(nullptr, engine, refusing, about);
  testing::ModalWatcher watcher([](QWidget& window) {
    auto& shown = static_cast<TFormInsert&>(window);
    shown.spec->setEditText("Genesis 1:1");
    shown.ButtonOK->click();
  });
  EXPECT_EQ(dialog->ShowModal(), ui::ModalResult::OK);
  // Had the exception unwound through the dialog's event loop, freeing it would crash.
  dialog.reset();
  ASSERT_EQ(boxes->Shown().size(), 1u);
  EXPECT_EQ(boxes->Shown()[0].text, "the document is locked");
  EXPECT_EQ(boxes->Shown()[0].type, platform::DialogType::Error);
}

TEST_F(InsertForm, AboutShowsTheAboutForm) {
  testing::ModalWatcher watcher;
  form->Help->click();
  EXPECT_EQ(watcher.Count(), 1);
}

// ---- inserting nodes of the search form's result tree ------------------------------------

// A result tree as the search builds it: the root, "1  John" with chapters 2
// (verses 15, 17) and 4 (verse 17, then a node that is no verse, then verse
// 20), and John with chapter 15 (verse 19).
class ResultNodes : public InsertForm {
 protected:
  void SetUp() override {
    InsertForm::SetUp();
    root = tree.Add(nullptr, "Found 4 matches in 2 books", ui::node::kResultRoot);
    firstJohn = tree.Add(root, "1  John", ui::node::kBook);
    chapter2 = tree.Add(firstJohn, "Chapter 2", ui::node::kChapter);
    verse15 = tree.Add(chapter2, "15", ui::node::kVerse);
    tree.Add(chapter2, "17", ui::node::kVerse);
    chapter4 = tree.Add(firstJohn, "Chapter 4", ui::node::kChapter);
    tree.Add(chapter4, "17", ui::node::kVerse);
    tree.Add(chapter4, "love", ui::node::kWordList);
    tree.Add(chapter4, "20", ui::node::kVerse);
  }
  std::vector<std::string> Headings() const {
    std::vector<std::string> headings;
    const std::vector<std::string> lines = Lines(document.Text());
    for (std::size_t i = 0; i < lines.size(); i += 2) headings.push_back(lines[i]);
    return headings;
  }

  ui::TreeView tree;
  ui::TreeNode* root = nullptr;
  ui::TreeNode* firstJohn = nullptr;
  ui::TreeNode* chapter2 = nullptr;
  ui::TreeNode* verse15 = nullptr;
  ui::TreeNode* chapter4 = nullptr;
};

TEST_F(ResultNodes, AVerseNodeInsertsItsVerseWithItsHeading) {
  EXPECT_TRUE(InsertVerseNode(*form, *verse15));
  EXPECT_EQ(document.Text(),
            "1 John 2:15\nLove not the world, neither the things that are in the world. If any man love the world, "
            "the love of the Father is not in him.\n");
  document.operations.clear();
  for (ui::TreeNode* other : {root, firstJohn, chapter2}) EXPECT_FALSE(InsertVerseNode(*form, *other));
  EXPECT_TRUE(document.operations.empty());
}

TEST_F(ResultNodes, ChapterAndBookNodesInsertEachVerseUnderItsOwnHeading) {
  InsertChapterNode(*form, *chapter2);
  EXPECT_EQ(Headings(), (std::vector<std::string>{"1 John 2:15", "1 John 2:17"}));
  document = RecordingDocument();
  // A chapter's verses end at its first node that is no verse.
  InsertBookNode(*form, *firstJohn);
  EXPECT_EQ(Headings(), (std::vector<std::string>{"1 John 2:15", "1 John 2:17", "1 John 4:17"}));
  EXPECT_TRUE(boxes->Shown().empty());
}

TEST_F(ResultNodes, NodesWithoutNumbersOrPlaceInsertNothing) {
  ui::TreeNode* lost = tree.Add(nullptr, "3", ui::node::kVerse);
  ui::TreeNode* noChapter = tree.Add(firstJohn, "Chapter one", ui::node::kChapter);
  ui::TreeNode* underIt = tree.Add(noChapter, "5", ui::node::kVerse);
  ui::TreeNode* noVerse = tree.Add(chapter2, "x", ui::node::kVerse);
  ui::TreeNode* looseChapter = tree.Add(nullptr, "Chapter 3", ui::node::kChapter);
  tree.Add(looseChapter, "1", ui::node::kVerse);
  for (ui::TreeNode* verse : {lost, underIt, noVerse}) EXPECT_TRUE(InsertVerseNode(*form, *verse));
  InsertChapterNode(*form, *noChapter);
  InsertChapterNode(*form, *looseChapter);
  EXPECT_TRUE(document.operations.empty());
  EXPECT_TRUE(boxes->Shown().empty());
}

}  // namespace
}  // namespace wordaddin
