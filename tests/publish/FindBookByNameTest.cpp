#include "publish/FindBookByName.h"

#include <gtest/gtest.h>

#include <array>

#include "publish/BookNames.h"

namespace {

struct Case {
  const char* name;
  int book;
};

TEST(FindBookByName, NamesOfTheBooks) {
  const Case cases[] = {
      // full names, any case, text after the name
      {"Genesis", 1}, {"genesis 1:1", 1}, {"GENESIS", 1}, {"Song of Solomon 2", 22},
      {"Revelation 22:21", 66}, {"Judges", 7}, {"Jude", 65}, {"Philemon", 57}, {"John 3:16", 43},
      // short forms over their compared characters
      {"Gen", 1}, {"Ge", 1}, {"Exo", 2}, {"Ps 23", 19}, {"psalm 23", 19}, {"2Ki", 12}, {"Ph'p", 50},
      {"Judg", 7}, {"1Kings", 11},
      // alternative short forms
      {"phile", 57}, {"Phili", 50}, {"Rv", 66}, {"Mt 5", 40}, {"Cant", 22}, {"jn", 43},
      // a blank after a leading digit is dropped: one blank reads as the short
      // form, two blanks as the full name
      {"1 Samuel", 9}, {"1  Samuel", 9}, {"1 Kings", 11}, {"2  Kings 3", 12}, {"1 John 2", 62},
      {"1  John", 62}, {"3  John", 64},
      // a leading Roman numeral is the book's number, never the start of another name
      {"I Samuel 3:10", 9}, {"II Samuel", 10}, {"i kings", 11}, {"II Kings 2", 12}, {"I  Chronicles", 13},
      {"I John 4:8", 62}, {"III John", 64}, {"II Thessalonians", 53}, {"Isaiah 3:10", 23}, {"Is 3", 23},
      {"III Kings", 0}, {"I Genesis", 0},
      // no match
      {"", 0}, {"G", 0}, {"J", 0}, {"Xyz", 0}, {"Phil", 0}, {"4 Kings", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(publish::FindBookByName(c.name), c.book) << '"' << c.name << '"';
}

TEST(FindBookByName, ReadsTheTableItIsGiven) {
  const std::array<publish::BookNameKey, 3> table{{
      {"Alpha", "Al", ""},
      {"Beta", "Be", "Bt"},
      {"Alphabet", "Ab", ""},
  }};
  EXPECT_EQ(publish::FindBookByName("alphabet", table), 1);  // the first match in table order
  EXPECT_EQ(publish::FindBookByName("Ab", table), 3);
  EXPECT_EQ(publish::FindBookByName("bt 4", table), 2);
  EXPECT_EQ(publish::FindBookByName("Gamma", table), 0);
}

}  // namespace
