#include "wordaddin/ReferenceParser.h"

#include <gtest/gtest.h>

namespace wordaddin {
namespace {

using Kind = ReferenceRequest::Kind;

struct Expected {
  Kind kind;
  int a;  // chapter, or the first chapter
  int b;  // from verse, or the last chapter
  int c;  // to verse (passages)
  const char* question = "";
};

struct Case {
  const char* text;
  bool single;
  int chapters;
  Expected expected;
};

constexpr int kGenesis = 50;

const Case kCases[] = {
    // Verses of a chapter.
    {"Genesis 1:3-5", false, kGenesis, {Kind::Passage, 1, 3, 5}},
    {"Genesis 1:3", false, kGenesis, {Kind::Passage, 1, 3, 3}},
    {"Genesis 12:10-20", false, kGenesis, {Kind::Passage, 12, 10, 20}},
    {"Genesis 1:5-3", false, kGenesis, {Kind::Passage, 1, 5, 3}},  // the insertion swaps them
    {"Genesis 1:0", false, kGenesis, {Kind::Passage, 1, 0, 0}},    // the whole chapter
    // The final ":" is skipped and the chapter digit read as the verse.
    {"Genesis 1:", false, kGenesis, {Kind::Passage, 1, -1, 1}},
    // No chapter before the separator: chapter 0, which the insertion makes 1.
    {"Genesis :5", false, kGenesis, {Kind::Passage, 0, 5, 5}},
    {"  Genesis 1:3  ", false, kGenesis, {Kind::Passage, 1, 3, 3}},
    // A number too long for any counter is held at a limit, never overflowing.
    {"Genesis 1:99999999999999999999", false, kGenesis, {Kind::Passage, 1, 1'000'000, 1'000'000}},
    // Whole chapters.
    {"Genesis 3", false, kGenesis, {Kind::Chapters, 3, 3, 0}},
    {"Genesis 3x", false, kGenesis, {Kind::Chapters, 3, 3, 0}},
    {"Genesis 3-5", false, kGenesis, {Kind::Chapters, 3, 5, 0}},
    {"Genesis 5-3", false, kGenesis, {Kind::Chapters, 3, 5, 0}},
    {"Genesis 60", false, kGenesis, {Kind::Chapters, 50, 50, 0}},
    {"Genesis 3-", false, kGenesis, {Kind::Chapters, 3, 50, 0, "Do you really want to insert chapters 3-50?"}},
    {"Genesis -5", false, kGenesis, {Kind::Chapters, 1, 5, 0, "Do you really want to insert chapters 1-5?"}},
    {"Genesis", false, kGenesis,
     {Kind::Chapters, 1, 50, 0, "Do you really want to insert all 50 chapters of this book?"}},
    // Books of one chapter.
    {"Jude 5", true, 1, {Kind::Passage, 1, 5, 5}},
    {"Jude 1:5", true, 1, {Kind::Passage, 1, 5, 5}},
    {"Jude 5-7", true, 1, {Kind::Passage, 1, 5, 7}},
    {"Jude", true, 1, {Kind::Chapters, 1, 1, 0}},
    {"2 John 4", true, 1, {Kind::Passage, 1, 4, 4}},  // verse 4, not verses 1 to 4
    {"3 John 2-4", true, 1, {Kind::Passage, 1, 2, 4}},
    {"Obadiah  5", true, 1, {Kind::Passage, 1, 5, 5}},
    {"2 John", true, 1, {Kind::Passage, 1, -1, 0}},  // the whole chapter
};

TEST(ParseReference, TurnsEachReferenceIntoItsVersesOrChapters) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    const ReferenceRequest request = ParseReference(c.text, c.single, c.chapters);
    ASSERT_EQ(request.kind, c.expected.kind);
    if (request.kind == Kind::Passage) {
      EXPECT_EQ(request.chapter, c.expected.a);
      EXPECT_EQ(request.fromVerse, c.expected.b);
      EXPECT_EQ(request.toVerse, c.expected.c);
    } else {
      EXPECT_EQ(request.firstChapter, c.expected.a);
      EXPECT_EQ(request.lastChapter, c.expected.b);
    }
    EXPECT_EQ(request.question, c.expected.question);
  }
}

}  // namespace
}  // namespace wordaddin
