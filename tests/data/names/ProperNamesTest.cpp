// Which words of a text are proper names, and what is counted of them.

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "data/TextDescription.h"
#include "data/names/ProperNames.h"

namespace data::names {
namespace {

// A dictionary of a few entries: (language, number) to renderings and definition.
using Dictionary = std::map<std::pair<char, int>, DictionaryEntry>;

DictionaryLookup LookupIn(const Dictionary& dictionary) {
  return [&dictionary](char language, int number) -> std::optional<DictionaryEntry> {
    const auto found = dictionary.find({language, number});
    if (found == dictionary.end()) return std::nullopt;
    return found->second;
  };
}

SourceText TextOf(std::string_view description) {
  SourceText text;
  const BuildResult read = ReadTextDescription(description, text);
  EXPECT_TRUE(read.ok) << read.error;
  return text;
}

std::vector<std::string> NamesOf(const std::vector<ProperName>& names) {
  std::vector<std::string> result;
  for (const ProperName& name : names) result.push_back(name.name);
  return result;
}

TEST(ProperNames, NamesWithTheirNumbersCountsAndPlaces) {
  const Dictionary dictionary = {
      {{'H', 87}, {"high father; Abram the original name of Abraham", "Abram"}},
      {{'H', 3876}, {"Lot Abraham's nephew", "Lot"}},
      {{'H', 1486}, {"a pebble, that is, a lot", "lot, portion"}},
      {{'H', 4714}, {"Mitsrajim that is Upper and Lower Egypt", "Egypt, Egyptians, Mizraim"}},
      {{'H', 4713}, {"a Mitsrite", "Egyptian"}},
      {{'H', 3068}, {"the Jewish national name of God", "Jehovah, the Lord"}},
      {{'G', 3091}, {"Lot, a patriarch", "Lot"}},
  };
  const SourceText text = TextOf(
      "book 1\n"
      "1:1 Abram<87> and Lot<3876> cast a lot<1486>.\n"
      "1:2 Lot<3876> went down to Egypt<4714>, Egypt<4713>; and the LORD<3068> spake.\n"
      "2:1 Abram<87> said, Lot<3876>, Lot<3876>.\n"
      "2:2 And it was so.\n"
      "book 42\n"
      "1:1 As it was in the days of Lot<3091>.\n");
  const std::vector<ProperName> names = FindProperNames(text, LookupIn(dictionary));
  ASSERT_EQ(NamesOf(names), (std::vector<std::string>{"Abram", "Egypt", "Lot"}));

  const ProperName& lot = names[2];
  ASSERT_EQ(lot.numbers.size(), 2u);
  EXPECT_EQ(lot.numbers[0].language, 'H');
  EXPECT_EQ(lot.numbers[0].number, 3876);
  EXPECT_EQ(lot.numbers[0].occurrences, 4);
  EXPECT_EQ(lot.numbers[0].entry.definition, "Lot Abraham's nephew");
  EXPECT_EQ(lot.numbers[1].language, 'G');
  EXPECT_EQ(lot.numbers[1].number, 3091);
  EXPECT_EQ(lot.occurrences, 5);  // the lot that is cast is not the name
  EXPECT_EQ(lot.verses, 4);
  EXPECT_EQ(lot.first.book, 1);
  EXPECT_EQ(lot.first.chapter, 1);
  EXPECT_EQ(lot.first.verse, 1);
  EXPECT_EQ(lot.last.book, 42);
  EXPECT_EQ(lot.last.chapter, 1);
  EXPECT_EQ(lot.last.verse, 1);

  // Egypt with H4713 is not listed by that number's renderings ("Egyptian").
  const ProperName& egypt = names[1];
  ASSERT_EQ(egypt.numbers.size(), 1u);
  EXPECT_EQ(egypt.numbers[0].number, 4714);
  EXPECT_EQ(egypt.occurrences, 1);
}

TEST(ProperNames, WhatMakesAWordAName) {
  struct Case {
    const char* what;
    const char* text;
    DictionaryEntry entry;  // of Hebrew number 10
    bool name;
  };
  const Case cases[] = {
      {"a name", "1:1 Abel<10> died.", {"", "Abel"}, true},
      {"written once without a capital", "1:1 Abel<10> died.\n1:2 Then abel<10> wept.", {"", "Abel"}, false},
      {"only ever in capitals", "1:1 The LORD<10> spake.", {"", "Jehovah, the Lord"}, false},
      {"in capitals and with only a capital", "1:1 ABEL<10> and Abel<10>.", {"", "Abel"}, true},
      {"renderings without a capital", "1:1 Howl<10> ye.", {"", "(make to) howl, be howling"}, false},
      {"renderings with the word small", "1:1 High<10> is he.", {"", "Most high"}, false},
      {"renderings naming another word", "1:1 Abel<10> died.", {"", "Cain"}, false},
      {"a plural ending", "1:1 Ammonites<10> came.", {"", "Ammonite(-s)"}, true},
      {"a gentilic ending", "1:1 Danites<10> came.", {"", "Dan"}, true},
      {"an ending no rendering has", "1:1 Danish<10> came.", {"", "Dan"}, false},
      {"renderings opening with the dictionary's marks", "1:1 Bring<10> it.", {"", "X abundantly, + bring"},
       false},
      {"no number", "1:1 Abel died.", {"", "Abel"}, false},
      {"no dictionary entry", "1:1 Abel<11> died.", {"", "Abel"}, false},
      {"one letter", "1:1 O<10> Lord.", {"", "O"}, false},
      {"a title", "1:1 God<10> said.", {"", "God, Lord, master, Sir"}, false},
  };
  for (const Case& c : cases) {
    const Dictionary dictionary = {{{'H', 10}, c.entry}};
    const std::vector<ProperName> names = FindProperNames(TextOf(c.text), LookupIn(dictionary));
    EXPECT_EQ(names.size(), c.name ? 1u : 0u) << c.what;
  }
}

TEST(ProperNames, NumbersAreOrderedByOccurrencesAndAWordWithTwoOfThemCountsOnce) {
  const Dictionary dictionary = {
      {{'H', 1}, {"", "Beth-el"}},
      {{'H', 2}, {"", "Beth-el"}},
  };
  const SourceText text = TextOf("1:1 Beth-el<1> and Beth-el<2> and Beth-el<1,2>.\n1:2 Beth-el<2>.");
  const std::vector<ProperName> names = FindProperNames(text, LookupIn(dictionary));
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].name, "Beth-el");
  ASSERT_EQ(names[0].numbers.size(), 2u);
  EXPECT_EQ(names[0].numbers[0].number, 2);
  EXPECT_EQ(names[0].numbers[0].occurrences, 3);
  EXPECT_EQ(names[0].numbers[1].occurrences, 2);
  EXPECT_EQ(names[0].occurrences, 4);
  EXPECT_EQ(names[0].verses, 2);
}

TEST(ProperNames, NamesAreInAlphabeticalOrderWithoutRegardToCase) {
  const Dictionary dictionary = {{{'H', 1}, {"", "Zoar"}}, {{'H', 2}, {"", "Abel-meholah"}}, {{'H', 3}, {"", "Abel"}}};
  const std::vector<ProperName> names =
      FindProperNames(TextOf("1:1 Zoar<1> Abel-meholah<2> Abel<3>."), LookupIn(dictionary));
  EXPECT_EQ(NamesOf(names), (std::vector<std::string>{"Abel", "Abel-meholah", "Zoar"}));
}

}  // namespace
}  // namespace data::names
