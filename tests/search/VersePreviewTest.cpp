// The text of one verse for the preview, and the warnings for a book,
// chapter or verse that is not in the text.

#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "StrongsText.h"
#include "search/VersePreview.h"

namespace search {
namespace {

struct VerseCase {
  const char* book;
  int chapter;
  int verse;
  const char* text;  // null: a warning instead
  const char* warning;
};

TEST(VersePreview, RendersTheVerseOrWarns) {
  search_testing::SearchFixture fixture(search_testing::StrongsText);
  const VerseCase cases[] = {
      {"Genesis", 1, 1, "In the beginning God created the heaven and the earth.", nullptr},
      // A possessive, and a stop at the next verse.
      {"Genesis", 1, 2, "And the earth was without form; and God's spirit moved.", nullptr},
      // A parenthetical run, its closing mark after the punctuation.
      {"Genesis", 1, 3, "Ye shall be as gods, (knowing good.)", nullptr},
      // The last verse of a chapter, then the book's last word.
      {"Genesis", 2, 2, "And God ended his work.", nullptr},
      {"Matthew", 1, 2, "The same was in the beginning with God.", nullptr},
      // The tree's two-blank form of a numbered book; capitals as stored.
      {"1  Samuel", 1, 2, "The LORD called Samuel.", nullptr},
      {"Hezekiah", 1, 1, nullptr, "\"Hezekiah\" is not contained in the bible"},
      {"", 1, 1, nullptr, "\"\" is not contained in the bible"},
      {"Genesis", 3, 1, nullptr, "The specified chapter is not contained in the book"},
      {"Genesis", 0, 1, nullptr, "The specified chapter is not contained in the book"},
      {"Exodus", 1, 1, nullptr, "The specified verse is not contained in the chapter"},  // a book without words
      // The engine's cursor would stop at the chapter's last verse.
      {"Genesis", 1, 4, nullptr, "The specified verse is not contained in the chapter"},
      {"Genesis", 1, 0, nullptr, "The specified verse is not contained in the chapter"},
  };
  for (const VerseCase& c : cases) {
    SCOPED_TRACE(std::string(c.book) + " " + std::to_string(c.chapter) + ":" + std::to_string(c.verse));
    fixture.Dialogs().Clear();
    const std::optional<std::string> text = VersePreviewText(c.book, c.chapter, c.verse);
    if (c.text) {
      ASSERT_TRUE(text.has_value());
      EXPECT_EQ(*text, c.text);
      EXPECT_TRUE(fixture.Dialogs().Shown().empty());
    } else {
      EXPECT_FALSE(text.has_value());
      ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
      EXPECT_EQ(fixture.Dialogs().Shown()[0].text, c.warning);
      EXPECT_EQ(fixture.Dialogs().Shown()[0].type, platform::DialogType::Warning);
    }
  }
}

}  // namespace
}  // namespace search
