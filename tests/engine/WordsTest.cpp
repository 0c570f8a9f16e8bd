// The word list, lemma tags and the look-ups between English words and
// Strong's numbers.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "EngineFixture.h"
#include "engine/EnglishWordList.h"
#include "engine/ixoutils.h"
#include "platform/ShellFolders.h"

namespace engine {
namespace {

using engine_testing::EngineFixture;

constexpr char Text[] =
    "book 1\n"
    "1:1 In the beginning<7225> God<430> created<1254,853> the heaven<8064>.\n"
    "1:2 And Moses<4872> called Maher-shalal-hash-baz<4122> before the LORD<3068> God<3068,430>.\n"
    "1:3 Four<1,2,3,4> God<430>.\n"
    "book 40\n"
    "1:1 God<2316> is love<26>, and love<25> is of God<2316>.\n";

std::vector<std::string> Items(const platform::TStringList& list) { return list.Items(); }

class WordsTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture_.Load(); }
  EngineFixture fixture_{Text};
};

// ---- the word list ----------------------------------------------------------------

// A whole word list file from groups of words, one group per length from 1;
// a "-" after a letter sets the letter's hyphen bit. The lengths no group is
// given for get one filler word each ("qq" for 2 letters), after all the
// words given.
std::vector<std::uint8_t> WordListBytes(std::vector<std::vector<std::string>> groups) {
  for (std::size_t length = groups.size() + 1; length <= 18; ++length)
    groups.push_back({std::string(length, 'q')});
  std::vector<std::uint8_t> bytes{18, 0};
  for (std::size_t g = 0; g < groups.size(); ++g) {
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(g + 1), 0,
                               static_cast<std::uint8_t>(groups[g].size()), 0});
    for (const std::string& word : groups[g])
      for (char c : word) {
        if (c == '-') bytes.back() |= 0x80;
        else bytes.push_back(static_cast<std::uint8_t>(c));
      }
  }
  return bytes;
}

TEST(WordList, KeysNumberTheWordsInTheListsOrder) {
  const std::vector<std::uint8_t> bytes =
      WordListBytes({{"a", "i", "o"}, {"am", "an", "as", "at", "be"}, {"ab-c", "the"}});
  EnglishWordList list;
  list.Init(bytes);
  EXPECT_EQ(list.EnglishMaxLen, 18u);
  EXPECT_EQ(list.EnglishGroups[2].count, 5);
  EXPECT_EQ(list.WordToKey("an"), 5);
  EXPECT_EQ(list.KeyToWord(5), "an");
  EXPECT_EQ(list.KeyToDisplayWord(0x8005), "An");
  EXPECT_EQ(list.KeyToWord(1), "a");
  EXPECT_EQ(list.KeyToWord(9), "ab-c");
  EXPECT_EQ(list.KeyToDisplayWord(0xC009), "AB-C");
  EXPECT_EQ(list.KeyToDisplayWord(0x4009), "ab-c");
  EXPECT_EQ(list.WordToKey("abc"), 9);
  EXPECT_EQ(list.WordToKey("-a-b-c"), 9);
  EXPECT_EQ(list.WordToKey("THE"), 10);
  EXPECT_EQ(list.KeyToWord(11), "qqqq");  // the first filler
  EXPECT_EQ(list.KeyToWord(26), "");      // beyond the last word
  EXPECT_EQ(list.KeyToWord(0x8000), "");
  EXPECT_EQ(list.WordToKey("zz"), 0);
  EXPECT_EQ(list.WordToKey(""), 0);
  EXPECT_EQ(list.WordToKey("---"), 0);
  EXPECT_EQ(list.WordToKey("abcdefghijklmnopqrs"), 0);  // 19 letters
}

TEST(WordList, KeysForWordFindsEverySpellingOfItsLetters) {
  // Within a length the stored bytes give the order: "abc", "ab-c", "a-bc".
  const std::vector<std::uint8_t> bytes =
      WordListBytes({{"a"}, {"ab", "be"}, {"abc", "ab-c", "a-bc", "abd"}});
  EnglishWordList list;
  list.Init(bytes);
  ASSERT_EQ(list.KeyToWord(5), "ab-c");
  for (const char* word : {"abc", "ab-c", "A-B-C", "-abc"}) {
    EXPECT_EQ(list.KeysForWord(word), (std::vector<std::uint16_t>{4, 5, 6})) << word;
    EXPECT_EQ(list.WordToKey(word), 4) << word;  // the first of them
  }
  EXPECT_EQ(list.KeysForWord("ABD"), std::vector<std::uint16_t>{7});
  EXPECT_EQ(list.KeysForWord("be"), std::vector<std::uint16_t>{3});
  for (const char* none : {"abe", "", "---", "abcdefghijklmnopqrs"})
    EXPECT_TRUE(list.KeysForWord(none).empty()) << none;
}

// A list that is not whole is told and knows no word, not even of the
// groups before the damage.
TEST(WordList, BadListIsReportedAndKnowsNoWord) {
  const std::vector<std::uint8_t> whole = WordListBytes({{"a", "i"}, {"am", "an", "as"}});
  struct Case {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> spoil;
  };
  const Case cases[] = {
      {"length not 18", [](std::vector<std::uint8_t>& bytes) { bytes[0] = 17; }},
      {"cut short", [](std::vector<std::uint8_t>& bytes) { bytes.resize(bytes.size() - 1); }},
      {"cut before its last group", [](std::vector<std::uint8_t>& bytes) { bytes.resize(bytes.size() - 20); }},
      {"a group of another length", [](std::vector<std::uint8_t>& bytes) { bytes[2 + 4 + 2] = 3; }},
      {"an empty group", [](std::vector<std::uint8_t>& bytes) { bytes[2 + 2] = 0; }},
      {"bytes after the last group", [](std::vector<std::uint8_t>& bytes) { bytes.push_back('x'); }},
      {"empty", [](std::vector<std::uint8_t>& bytes) { bytes.clear(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto dialogs = std::make_shared<platform::RecordingDialogService>();
    platform::ScopedDialogService guard(dialogs);
    std::vector<std::uint8_t> bytes = whole;
    c.spoil(bytes);
    EnglishWordList list;
    EXPECT_FALSE(list.Init(bytes));
    ASSERT_EQ(dialogs->Shown().size(), 1u);
    EXPECT_EQ(dialogs->Shown()[0].text, "Bad English data file.");
    EXPECT_EQ(dialogs->Shown()[0].caption, "Error");
    EXPECT_EQ(list.WordToKey("a"), 0);
    EXPECT_EQ(list.KeyToWord(1), "");
    EXPECT_EQ(list.EnglishGroups[1].count, 0);
  }
}

TEST_F(WordsTest, EveryKeyOfTheListRoundTrips) {
  const EnglishWordList& list = Engine().English;
  std::uint16_t key = 1;
  for (int length = 1; length <= 18; ++length) {
    for (int p = 0; p < list.EnglishGroups[length].count; ++p, ++key) {
      const std::string word = KeyToEnglishWord(key);
      std::size_t letters = 0;
      for (char c : word) letters += c != '-';
      EXPECT_EQ(letters, static_cast<std::size_t>(length)) << word;
      EXPECT_EQ(EnglishWordToKey(word), key) << word;
    }
  }
  EXPECT_EQ(KeyToEnglishWord(key), "");
}

TEST_F(WordsTest, WordsAndKeys) {
  const std::uint16_t name = EnglishWordToKey("maher-shalal-hash-baz");
  ASSERT_NE(name, 0);
  EXPECT_EQ(EnglishWordToKey("mahershalalhashbaz"), name);
  EXPECT_EQ(EnglishWordToKey("Maher-Shalal-Hash-Baz"), name);
  EXPECT_EQ(KeyToEnglishWord(name), "maher-shalal-hash-baz");
  EXPECT_EQ(KeyToDisplayWord(name | 0x8000), "Maher-shalal-hash-baz");
  EXPECT_EQ(KeyToDisplayWord(EnglishWordToKey("lord") | 0xC000), "LORD");
  EXPECT_EQ(EnglishWordToKey("-in"), EnglishWordToKey("in"));
  EXPECT_EQ(EnglishWordToKey("BEGINNING"), EnglishWordToKey("beginning"));
  EXPECT_EQ(EnglishWordToKey("earth"), 0);
  EXPECT_EQ(KeyToDisplayWord(0), "");
}

// ---- one word stored with and without hyphens -------------------------------------

// Both spellings are words of the list, with numbers of their own.
constexpr char SpellingsText[] =
    "book 1\n"
    "1:1 Rachel<7354> was buried in Bethlehem<1035>.\n"
    "1:2 Go to Beth-lehem<1035,3063> now.\n"
    "book 40\n"
    "1:1 Jesus<2424> was born in Bethlehem<965>.\n";

class SpellingsTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture_.Load(); }
  EngineFixture fixture_{SpellingsText};
};

TEST_F(SpellingsTest, EverySpellingOfTheLettersIsAKeyOfTheWord) {
  const std::uint16_t plain = EnglishWordToKey("bethlehem");
  ASSERT_NE(plain, 0);
  ASSERT_EQ(KeyToEnglishWord(plain), "bethlehem");
  const std::vector<std::uint16_t> keys = KeysForWord("Bethlehem");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0], plain);
  EXPECT_EQ(KeyToEnglishWord(keys[1]), "beth-lehem");
  EXPECT_EQ(KeysForWord("BETH-LEHEM"), keys);
  EXPECT_EQ(EnglishWordToKey("beth-lehem"), plain);  // the look-up of one key keeps the first
  EXPECT_EQ(KeysForWord("rachel").size(), 1u);
  EXPECT_TRUE(KeysForWord("nazareth").empty());
}

TEST_F(SpellingsTest, LookUpsOfTheWordCoverEverySpelling) {
  const std::vector<std::string> tags{"beth-lehem_H1035_3063", "bethlehem_G965", "bethlehem_H1035"};
  EXPECT_EQ(Items(LemmaTagsForWord("Bethlehem")), tags);
  EXPECT_EQ(Items(LemmaTagsForWord("beth-lehem")), tags);
  EXPECT_EQ(Items(StrongsNumbersForWord("Beth-lehem")), (std::vector<std::string>{"G965", "H1035", "H3063"}));
}

// ---- lemma tags --------------------------------------------------------------------

TEST(LemmaTag, Make) {
  struct Case {
    const char* name;
    ixo::TLemmaRec lemma;
    const char* tag;
  };
  const Case cases[] = {
      {"Greek numbers lose bit 15", {{0x801A, 0x8BB8, 0, 0}}, "love_G26_3000"},
      {"one Hebrew number", {{7225, 0, 0, 0}}, "love_H7225"},
      {"Hebrew reads three slots", {{1, 2, 3, 4}}, "love_H1_2_3"},
      {"Greek reads four slots", {{0x8001, 0x8002, 0x8003, 0x8004}}, "love_G1_2_3_4"},
      {"slots after the first empty one are not read", {{430, 0, 99, 0}}, "love_H430"},
      {"no number", {{0, 5, 0, 0}}, "love_E"},
      {"no number with bit 15", {{0x8000, 5, 0, 0}}, "love_E"},
  };
  for (const Case& c : cases) EXPECT_EQ(MakeLemmaTag("love", &c.lemma), c.tag) << c.name;
  EXPECT_EQ(MakeLemmaTag("love", nullptr), "love_E");
}

// ---- words and Strong's numbers -------------------------------------------------------

TEST_F(WordsTest, LemmaTagsForWordFindEveryCase) {
  EXPECT_EQ(Items(LemmaTagsForWord("god")),
            (std::vector<std::string>{"god_G2316", "god_H3068_430", "god_H430"}));
  EXPECT_EQ(Items(LemmaTagsForWord("GOD")), Items(LemmaTagsForWord("god")));
  EXPECT_EQ(Items(LemmaTagsForWord("Moses")), (std::vector<std::string>{"moses_H4872"}));
  EXPECT_EQ(Items(LemmaTagsForWord("lord")), (std::vector<std::string>{"lord_H3068"}));
  EXPECT_EQ(Items(LemmaTagsForWord("the")), (std::vector<std::string>{"the_E"}));
  EXPECT_EQ(Items(LemmaTagsForWord("four")), (std::vector<std::string>{"four_H1_2_3"}));
  EXPECT_TRUE(LemmaTagsForWord("earth").Empty());
}

TEST_F(WordsTest, TagsAreMadeFromTheStoredWord) {
  EXPECT_EQ(Items(LemmaTagsForWord("mahershalalhashbaz")),
            (std::vector<std::string>{"maher-shalal-hash-baz_H4122"}));
}

TEST_F(WordsTest, LookUpsAddToTheListGiven) {
  platform::TStringList list;
  list.Add("first");
  LemmaTagsForWord("love", list);
  StrongsNumbersForWord("love", list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"first", "love_G25", "love_G26", "G25", "G26"}));
}

TEST_F(WordsTest, StrongsNumbersForWord) {
  EXPECT_EQ(Items(StrongsNumbersForWord("God")), (std::vector<std::string>{"G2316", "H3068", "H430"}));
  EXPECT_EQ(Items(StrongsNumbersForWord("moses")), (std::vector<std::string>{"H4872"}));
  EXPECT_EQ(Items(StrongsNumbersForWord("four")), (std::vector<std::string>{"H1", "H2", "H3", "H4"}));
  EXPECT_TRUE(StrongsNumbersForWord("the").Empty());
  EXPECT_TRUE(StrongsNumbersForWord("earth").Empty());
}

TEST_F(WordsTest, WordsForStrongsNumber) {
  struct Case {
    const char* token;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"H430", {"god"}},
      {"h3068", {"god", "lord"}},
      {"G26", {"love"}},
      {"g2316", {"god"}},
      {"H26", {}},     // a Greek number looked for in the Hebrew books
      {"G430", {}},
      {"H4", {}},      // Hebrew numbers are looked for in the first three slots
      {"H3", {"four"}},
      {"H0", {}},
      {"H65966", {}},  // would be 430 in 16 bits
      {"H", {}},
      {"H43x", {}},
      {"X430", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Items(WordsForStrongsNumber(c.token)), c.words) << c.token;
}

TEST_F(WordsTest, LemmaTagsForStrongsNumber) {
  EXPECT_EQ(Items(LemmaTagsForStrongsNumber(430, 'H')),
            (std::vector<std::string>{"god_H3068_430", "god_H430"}));
  EXPECT_EQ(Items(LemmaTagsForStrongsNumber(4122, 'H')),
            (std::vector<std::string>{"maher-shalal-hash-baz_H4122"}));
  EXPECT_EQ(Items(LemmaTagsForStrongsNumber(26, 'G')), (std::vector<std::string>{"love_G26"}));
  EXPECT_TRUE(LemmaTagsForStrongsNumber(26, 'H').Empty());
  EXPECT_TRUE(LemmaTagsForStrongsNumber(0, 'H').Empty());
  EXPECT_TRUE(LemmaTagsForStrongsNumber(430 + 32768, 'H').Empty());
  EXPECT_EQ(Items(LemmaTagsForStrongsNumber(430, 'h')), Items(LemmaTagsForStrongsNumber(430, 'H')));
  EXPECT_TRUE(LemmaTagsForStrongsNumber(430, 'X').Empty());
}

TEST(UserData, Path) {
  const std::string base = platform::ApplicationDataFolder() + "/Ixo Bible/";
  EXPECT_EQ(GetUserDataPath(), base);
  EXPECT_EQ(GetUserDataPath("History", ""), base + "History/");
  EXPECT_EQ(GetUserDataPath("History", "current.ixolc"), base + "History/current.ixolc");
  EXPECT_EQ(GetUserDataPath("", "x.ixolc"), base + "x.ixolc");
}

}  // namespace
}  // namespace engine
