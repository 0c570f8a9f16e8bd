#include "wordaddin/ReferenceParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace wordaddin {
namespace {

struct Expected {
  int firstChapter;
  int fromVerse;
  int lastChapter;
  int toVerse;
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
    // Verses of a chapter, as typed: the insertion clamps and orders them.
    {"Genesis 1:3-5", false, kGenesis, {1, 3, 1, 5}},
    {"Genesis 1:3", false, kGenesis, {1, 3, 1, 3}},
    {"Genesis 12:10-20", false, kGenesis, {12, 10, 12, 20}},
    {"Genesis 1:5-3", false, kGenesis, {1, 5, 1, 3}},
    {"Genesis 1:0", false, kGenesis, {1, 0, 1, 0}},    // the whole chapter
    {"Genesis 1:3-", false, kGenesis, {1, 3, 1, 0}},   // to the end of the chapter
    {"Genesis 1:-3", false, kGenesis, {1, 0, 1, 3}},   // from its start
    {"Genesis :5", false, kGenesis, {1, 5, 1, 5}},     // no chapter: the first
    {"Genesis 60:3", false, kGenesis, {50, 3, 50, 3}},  // a chapter beyond the book: its last
    {"  Genesis 1 : 3 - 5  ", false, kGenesis, {1, 3, 1, 5}},
    {"Gen1:3", false, kGenesis, {1, 3, 1, 3}},
    {"1 John 2:15", false, 5, {2, 15, 2, 15}},  // the digit of the name is no number
    // A number too long for any counter is held at a limit, never overflowing.
    {"Genesis 1:99999999999999999999", false, kGenesis, {1, 1'000'000, 1, 1'000'000}},
    // Verses across chapters, in order and within the book.
    {"Genesis 1:31-2:3", false, kGenesis, {1, 31, 2, 3}},
    {"Genesis 2:3-1:31", false, kGenesis, {1, 31, 2, 3}},
    {"Revelation 22:21-22:21", false, 22, {22, 21, 22, 21}},
    {"Genesis 49:1-70:2", false, kGenesis, {49, 1, 50, 0}},  // to the end of the book
    // Whole chapters.
    {"Genesis 3", false, kGenesis, {3, 0, 3, 0}},
    {"Genesis 3-5", false, kGenesis, {3, 0, 5, 0}},
    {"Genesis 5-3", false, kGenesis, {3, 0, 5, 0}},
    {"Genesis 60", false, kGenesis, {50, 0, 50, 0}},
    {"Genesis 3-", false, kGenesis, {3, 0, 50, 0, "Do you really want to insert chapters 3-50?"}},
    {"Genesis -5", false, kGenesis, {1, 0, 5, 0, "Do you really want to insert chapters 1-5?"}},
    {"Genesis", false, kGenesis, {1, 0, 50, 0, "Do you really want to insert all 50 chapters of this book?"}},
    {"Genesis 0", false, kGenesis, {1, 0, 50, 0, "Do you really want to insert all 50 chapters of this book?"}},
    {"II Kings", false, 25, {1, 0, 25, 0, "Do you really want to insert all 25 chapters of this book?"}},
    // Books of one chapter: the numbers are verses, with or without a blank
    // before them and whatever blanks the name holds.
    {"Jude 5", true, 1, {1, 5, 1, 5}},
    {"Jude5", true, 1, {1, 5, 1, 5}},
    {"Jude 1:5", true, 1, {1, 5, 1, 5}},
    {"Jude 5-7", true, 1, {1, 5, 1, 7}},
    {"Jude 5-", true, 1, {1, 5, 1, 0}},
    {"Jude", true, 1, {1, 0, 1, 0}},
    {"2 John 4", true, 1, {1, 4, 1, 4}},
    {"2 John4", true, 1, {1, 4, 1, 4}},
    {"III John 2-4", true, 1, {1, 2, 1, 4}},
    {"Obadiah  5", true, 1, {1, 5, 1, 5}},
    {"2 John", true, 1, {1, 0, 1, 0}},
};

TEST(ParseReference, TurnsEachReferenceIntoItsVerses) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    const ReferenceRequest request = ParseReference(c.text, c.single, c.chapters);
    EXPECT_EQ(request.unread, "");
    EXPECT_EQ(request.firstChapter, c.expected.firstChapter);
    EXPECT_EQ(request.fromVerse, c.expected.fromVerse);
    EXPECT_EQ(request.lastChapter, c.expected.lastChapter);
    EXPECT_EQ(request.toVerse, c.expected.toVerse);
    EXPECT_EQ(request.question, c.expected.question);
  }
}

TEST(ParseReference, NamesWhatItCannotRead) {
  const struct {
    const char* text;
    bool single;
    const char* unread;
  } cases[] = {
      {"Genesis 1:3, 5", false, ", 5"},
      {"Genesis 1:3 foo", false, "foo"},
      {"Genesis 3x", false, "x"},
      {"Genesis 1 3", false, "3"},
      {"Genesis 1:", false, ":"},           // no verse after the separator
      {"Genesis 1:3-2:", false, ":"},
      {"Genesis 1::3", false, ":3"},
      {"Genesis 1:3-5:", false, ":"},
      {"Genesis 1:3-5-7", false, "-7"},
      {"Genesis 3-5:2", false, ":2"},
      {"Genesis 1:3.", false, "."},
      {"Jude 5 6", true, "6"},
      {"Jude 5, 7", true, ", 7"},
      {"Jude:", true, ":"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ReferenceRequest request = ParseReference(c.text, c.single, c.single ? 1 : kGenesis);
    EXPECT_EQ(request.unread, c.unread);
    EXPECT_EQ(request.question, "");
  }
}

TEST(ParseReference, AnyTextGivesChaptersWithinTheBook) {
  // Whatever is typed, and whatever the book's count, the chapters stay
  // between 1 and the book's last, in order.
  const char* texts[] = {"", ":", "-", "::", "--", "1:-", ":-:", "-:5", "9999999:9999999-0:0", "0-0", "a1b2"};
  for (const char* text : texts) {
    for (int chapters : {0, 1, 50}) {
      SCOPED_TRACE(std::string(text) + " / " + std::to_string(chapters));
      for (bool single : {false, true}) {
        const ReferenceRequest request = ParseReference(text, single, chapters);
        EXPECT_GE(request.firstChapter, 1);
        EXPECT_LE(request.firstChapter, request.lastChapter);
        EXPECT_LE(request.lastChapter, std::max(chapters, 1));
      }
    }
  }
}

}  // namespace
}  // namespace wordaddin
