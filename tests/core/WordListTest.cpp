// The word-list decoder shared by the library's classes and the engine, and the
// letter rules beside it.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/WordLetters.h"
#include "core/WordList.h"

namespace ixo {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Three groups in the list's order: "a", "i" | "be", "b-e" (hyphen bit on b),
// "he" | "the". Keys 1 to 6.
class WordListTest : public testing::Test {
 protected:
  const std::string ones = "ai";
  const std::string twos = "be\xE2" "ehe";
  const std::string threes = "the";
  std::vector<WordGroupView> groups{{1, 2, Bytes(ones)}, {2, 3, Bytes(twos)}, {3, 1, Bytes(threes)}};
};

TEST_F(WordListTest, WordsOfKeysInTheListsOrder) {
  struct Case {
    std::uint16_t key;
    const char* written;  // null: no word
  };
  const Case cases[] = {{1, "a"},      {2, "i"},      {3, "be"},  {4, "b-e"}, {5, "he"},
                        {0xC006, "the"}, {0, nullptr}, {0x8000, nullptr}, {7, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const auto stored = StoredWordOfKey(groups, c.key);
    ASSERT_EQ(stored.has_value(), c.written != nullptr);
    if (c.written) {
      EXPECT_EQ(WrittenWord(*stored), c.written);
    }
  }
}

TEST_F(WordListTest, KeysOfLettersFindEverySpellingWithinTheLimit) {
  EXPECT_EQ(KeysOfLetters(groups, 2, "BE", 5), (std::vector<std::uint16_t>{3, 4}));
  EXPECT_EQ(KeysOfLetters(groups, 2, "b-e", 1), (std::vector<std::uint16_t>{3}));
  EXPECT_EQ(KeysOfLetters(groups, 3, "The", 5), (std::vector<std::uint16_t>{6}));
  EXPECT_TRUE(KeysOfLetters(groups, 2, "-be", 5).empty());  // a hyphen before the first letter is compared
  EXPECT_TRUE(KeysOfLetters(groups, 2, "b", 5).empty());    // input that runs out does not match
  EXPECT_TRUE(KeysOfLetters(groups, 4, "lord", 5).empty());  // no group of that length
  EXPECT_TRUE(KeysOfLetters(groups, 0, "", 5).empty());
}

// A group that claims more words than its bytes hold gives only the words
// that are there, and a group in the place of another length gives none.
TEST_F(WordListTest, ReadsStayInsideTheGroups) {
  groups[1].count = 9;  // three words of bytes
  EXPECT_EQ(WrittenWord(*StoredWordOfKey(groups, 5)), "he");
  EXPECT_FALSE(StoredWordOfKey(groups, 6).has_value());
  EXPECT_EQ(KeysOfLetters(groups, 2, "he", 9), (std::vector<std::uint16_t>{5}));

  groups[1].length = 1;
  EXPECT_TRUE(KeysOfLetters(groups, 2, "be", 9).empty());
}

TEST(WordLetters, KeyCaseAndLookupForm) {
  struct Case {
    std::uint16_t key;
    std::string word, cased;
  };
  const Case cases[] = {{0x0005, "lord", "lord"}, {0x8005, "lord", "Lord"}, {0xC005, "beth-el", "BETH-EL"},
                        {0x4005, "lord", "lord"}, {0x8005, "", ""}};
  for (const Case& c : cases) {
    std::string word = c.word;
    ApplyKeyCase(c.key, word);
    EXPECT_EQ(word, c.cased) << c.key;
  }
  EXPECT_EQ(LookupForm("Maher-shalal"), "MAHERSHALAL");
  EXPECT_EQ(LookupForm("-a1z-"), "A1Z");
  EXPECT_EQ(WithoutLeadingHyphens("--in"), "in");
  EXPECT_EQ(WithoutLeadingHyphens("---"), "");
}

}  // namespace
}  // namespace ixo
