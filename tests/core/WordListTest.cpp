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
  std::vector<std::uint16_t> keys;
  std::vector<std::string> written;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const auto stored = StoredWordOfKey(groups, c.key);
    ASSERT_EQ(stored.has_value(), c.written != nullptr);
    if (c.written) {
      EXPECT_EQ(WrittenWord(*stored), c.written);
      written.emplace_back(c.written);
    }
    keys.push_back(c.key);
  }
  // All at once, in the cases' order and in key order.
  EXPECT_EQ(WrittenWordsOfKeys(groups, keys), written);
  const std::vector<std::uint16_t> ascending{1, 3, 3, 5, 0xC006, 7};
  EXPECT_EQ(WrittenWordsOfKeys(groups, ascending), (std::vector<std::string>{"a", "be", "be", "he", "the"}));
  EXPECT_TRUE(WrittenWordsOfKeys({}, ascending).empty());
}

// Each case is looked up by a scan of the group and through the index of
// first letters: both must give the keys.
TEST_F(WordListTest, KeysOfLettersFindEverySpellingWithinTheLimit) {
  struct Case {
    int length;
    const char* input;
    std::size_t limit;
    std::vector<std::uint16_t> keys;
  };
  const Case cases[] = {
      {2, "BE", 5, {3, 4}},
      {2, "b-e", 1, {3}},
      {2, "h--e", 5, {5}},  // hyphens before the second letter are skipped
      {2, "bx", 5, {}},     // the second letter differs
      {2, "he", 5, {5}},
      {3, "The", 5, {6}},
      {1, "I", 5, {2}},
      {2, "-be", 5, {}},    // a hyphen before the first letter is compared
      {2, "b", 5, {}},      // input that runs out does not match
      {2, "xe", 5, {}},     // no word begins so
      {4, "lord", 5, {}},   // no group of that length
      {0, "", 5, {}},
  };
  const FirstLetterIndex index(groups);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(KeysOfLetters(groups, c.length, c.input, c.limit), c.keys);
    EXPECT_EQ(KeysOfLetters(groups, index, c.length, c.input, c.limit), c.keys);
  }
  EXPECT_TRUE(KeysOfLetters(groups, FirstLetterIndex(), 2, "be", 5).empty());  // an index of no groups
}

// A group that claims more words than its bytes hold gives only the words
// that are there, and a group in the place of another length gives none.
TEST_F(WordListTest, ReadsStayInsideTheGroups) {
  groups[1].count = 9;  // three words of bytes
  EXPECT_EQ(WrittenWord(*StoredWordOfKey(groups, 5)), "he");
  EXPECT_FALSE(StoredWordOfKey(groups, 6).has_value());
  EXPECT_EQ(KeysOfLetters(groups, 2, "he", 9), (std::vector<std::uint16_t>{5}));
  EXPECT_EQ(KeysOfLetters(groups, FirstLetterIndex(groups), 2, "he", 9), (std::vector<std::uint16_t>{5}));

  groups[1].length = 1;
  EXPECT_TRUE(KeysOfLetters(groups, 2, "be", 9).empty());
  EXPECT_TRUE(KeysOfLetters(groups, FirstLetterIndex(groups), 2, "be", 9).empty());
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
