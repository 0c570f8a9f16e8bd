// The names index file: its sections, the entries of a name, and what an
// entry may hold.

#include <gtest/gtest.h>

#include "data/names/NamesTree.h"

namespace data::names {
namespace {

ProperName Name(std::string name, std::vector<NameNumber> numbers, int occurrences, int verses, VersePlace first,
                VersePlace last) {
  return ProperName{std::move(name), std::move(numbers), occurrences, verses, first, last};
}

TEST(NamesTree, FileOfLetterSectionsThenNameSections) {
  const std::vector<ProperName> names = {
      Name("Abel", {{'H', 1893, 12, {"From H1892; Hebel the son of Adam", "Abel"}}}, 12, 11, {1, 4, 2}, {58, 12, 24}),
      Name("Abi", {{'H', 21, 1, {"fatherly; Abi Hezekiah's mother", "Abi"}}}, 1, 1, {12, 18, 2}, {12, 18, 2}),
      Name("Cain", {{'H', 7014, 17, {"Kajin the name of the first child", "Cain, Kenite(-s)"}},
                    {'G', 2535, 3, {"Cain, the son of Adam", "Cain"}}},
           20, 19, {1, 4, 1}, {65, 1, 11}),
  };
  EXPECT_EQ(NamesTreeText(names),
            "; The proper names of the text: a section per letter lists its names,\r\n"
            "; a section per name lists what is told of it.\r\n"
            "[A]\r\n"
            "1=Abel\r\n"
            "2=Abi\r\n"
            "[C]\r\n"
            "1=Cain\r\n"
            "[Abel]\r\n"
            "1=H1893: Hebel the son of Adam\r\n"
            "2=Occurs 12 times in 11 verses\r\n"
            "3=First: Genesis 4:2\r\n"
            "4=Last: Hebrews 12:24\r\n"
            "[Abi]\r\n"
            "1=H21: fatherly; Abi Hezekiah's mother\r\n"
            "2=Occurs once\r\n"
            "3=First: 2 Kings 18:2\r\n"
            "[Cain]\r\n"
            "1=H7014: Kajin the name of the first child\r\n"
            "2=G2535: Cain, the son of Adam\r\n"
            "3=Occurs 20 times in 19 verses\r\n"
            "4=First: Genesis 4:1\r\n"
            "5=Last: Jude 1:11\r\n");
}

TEST(NamesTree, EntriesOfOneName) {
  // Twice in one verse: no last place; a definition that is all derivation
  // keeps its last clause; a number without definition shows its renderings.
  const ProperName twice = Name("Ur", {{'H', 218, 2, {"From H217", "Ur"}}, {'H', 219, 0, {"", "Ur, Chaldees"}}}, 2,
                                1, {1, 11, 28}, {1, 11, 28});
  EXPECT_EQ(NameEntries(twice),
            (std::vector<std::string>{"H218: From H217", "H219: Ur, Chaldees", "Occurs 2 times in 1 verse",
                                      "First: Genesis 11:28"}));
}

TEST(NamesTree, NamesThatCannotBeOneValueOfALetterAreLeftOut) {
  const std::vector<ProperName> names = {
      Name("Beth el", {}, 1, 1, {1, 1, 1}, {1, 1, 1}),   // a blank would split it
      Name("abel", {}, 1, 1, {1, 1, 1}, {1, 1, 1}),      // no letter section of its own
      Name("A", {}, 1, 1, {1, 1, 1}, {1, 1, 1}),         // a letter's own section
      Name("Ab\"el", {}, 1, 1, {1, 1, 1}, {1, 1, 1}),    // a quote would quote
  };
  EXPECT_EQ(NamesTreeText(names),
            "; The proper names of the text: a section per letter lists its names,\r\n"
            "; a section per name lists what is told of it.\r\n");
}

TEST(NamesTree, EntryTextHoldsWhatTheStrictSplitKeepsWhole) {
  struct Case {
    const char* text;
    const char* entry;
  };
  const Case cases[] = {
      {"H1: a \"father\"", "H1: a 'father'"},
      {"x = y", "x - y"},
      {"  two\t blanks \r\n", "two blanks"},
      {"Daniel\xC2\xB4s friend", "Daniel's friend"},
      {"\xC3\x86gyptus, Mo\xC3\xABse", "Aegyptus, Moese"},
      {"\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x94 said", "'quoted' - said"},
      {"Hebrew \xD7\x90\xD7\x91 letters", "Hebrew letters"},
      {"bad \xC3 byte", "bad byte"},
  };
  for (const Case& c : cases) EXPECT_EQ(EntryText(c.text), c.entry) << c.text;
}

}  // namespace
}  // namespace data::names
