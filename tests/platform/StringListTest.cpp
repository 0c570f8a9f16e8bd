#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/StringList.h"

namespace platform {
namespace {

using Items = std::vector<std::string>;

TStringList ListOf(const Items& items) {
  TStringList list;
  list.Assign(items);
  return list;
}

struct SplitCase {
  const char* text;
  char delimiter;
  bool strict;
  Items expected;
};

TEST(StringList, DelimitedTextSplits) {
  const SplitCase cases[] = {
      // The names tree: a value holding a blank splits into more parts unless strict.
      {"2=Abel the shepherd", '=', false, {"2", "Abel", "the", "shepherd"}},
      {"2=Abel the shepherd", '=', true, {"2", "Abel the shepherd"}},
      {"1=Aaron", '=', false, {"1", "Aaron"}},
      {"no separator", '=', true, {"no separator"}},
      {"trailing=", '=', true, {"trailing", ""}},
      // Blanks and control characters separate when not strict, runs of them once.
      {"love charity", ',', false, {"love", "charity"}},
      {"  love \t charity  ", ',', false, {"love", "charity"}},
      {"a , b", ',', false, {"a", "b"}},
      {"a, ", ',', false, {"a"}},
      {" a , b", ',', true, {" a ", " b"}},
      // Empty items between, before and after delimiters.
      {"a,,b", ',', false, {"a", "", "b"}},
      {",a", ',', false, {"", "a"}},
      {"a,", ',', false, {"a", ""}},
      {",", ',', false, {"", ""}},
      {"", ',', false, {}},
      {"   ", ',', false, {}},
      {"   ", ',', true, {"   "}},
      // Quotes: blanks and delimiters inside, doubled quotes, empty quoted items.
      {"\"a b\",c", ',', false, {"a b", "c"}},
      {"\"x,y\"", ',', false, {"x,y"}},
      {"\"say \"\"hi\"\"\",x", ',', false, {"say \"hi\"", "x"}},
      {"\"\"", ',', false, {""}},
      {"\"\",\"\"", ',', false, {"", ""}},
      {"\"a=b\"=c", '=', true, {"a=b", "c"}},
      // What follows a closing quote directly is an item of its own.
      {"\"ab\"cd,e", ',', false, {"ab", "cd", "e"}},
      {"\"ab\"cd=e", '=', true, {"ab", "cd", "e"}},
      // A quote inside an unquoted item is an ordinary character.
      {"ab\"cd\",e", ',', false, {"ab\"cd\"", "e"}},
      // An unclosed quote runs to the end.
      {"\"abc", ',', false, {"abc"}},
      {"x,\"a b", ',', false, {"x", "a b"}},
  };
  for (const SplitCase& c : cases) {
    TStringList list;
    list.SetDelimiter(c.delimiter);
    list.SetStrictDelimiter(c.strict);
    list.SetDelimitedText(c.text);
    EXPECT_EQ(list.Items(), c.expected) << "text: [" << c.text << "] strict: " << c.strict;
  }
}

TEST(StringList, CommaTextIsNotStrictWhateverTheListSays) {
  TStringList list;
  list.SetDelimiter('=');
  list.SetStrictDelimiter(true);
  list.SetCommaText("love G26,\"a=b\"");
  EXPECT_EQ(list.Items(), (Items{"love", "G26", "a=b"}));
  EXPECT_EQ(list.CommaText(), "love,G26,a=b");
}

TEST(StringList, CommaTextWriting) {
  const struct {
    Items items;
    const char* expected;
  } cases[] = {
      {{"love", "G26"}, "love,G26"},
      {{"a b"}, "\"a b\""},
      {{"x,y", "z"}, "\"x,y\",z"},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"tab\there"}, "\"tab\there\""},
      {{""}, "\"\""},
      {{"a", "", "b"}, "a,,b"},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ListOf(c.items).CommaText(), c.expected);
}

TEST(StringList, StrictDelimitedTextQuotesOnlyDelimiterAndQuote) {
  TStringList list = ListOf({"Abel the shepherd", "a|b", "q\"x"});
  list.SetDelimiter('|');
  list.SetStrictDelimiter(true);
  EXPECT_EQ(list.DelimitedText(), "Abel the shepherd|\"a|b\"|\"q\"\"x\"");
  list.SetStrictDelimiter(false);
  EXPECT_EQ(list.DelimitedText(), "\"Abel the shepherd\"|\"a|b\"|\"q\"\"x\"");
}

TEST(StringList, CommaTextRoundTrips) {
  const Items lists[] = {
      {"love", "G26", "H430"},
      {"a b", " leading", "trailing ", "x,y", "say \"hi\"", "\"", "tab\t"},
      {"", "a", "", "", "b", ""},
      {""},
      {"", ""},
  };
  for (const Items& items : lists) {
    TStringList read;
    read.SetCommaText(ListOf(items).CommaText());
    EXPECT_EQ(read.Items(), items) << ListOf(items).CommaText();
  }
}

TEST(StringList, SortedListIgnoresDuplicatesWithoutRegardToCase) {
  TStringList list = TStringList::SortedUnique();
  EXPECT_EQ(list.Add("love"), 0);
  EXPECT_EQ(list.Add("G26"), 0);
  EXPECT_EQ(list.Add("H430"), 1);
  EXPECT_EQ(list.Add("LOVE"), 2);  // the existing item's index
  EXPECT_EQ(list.Add("g26"), 0);
  EXPECT_EQ(list.Items(), (Items{"G26", "H430", "love"}));
  EXPECT_FALSE(list.Insert(0, "a"));
  list.SetCommaText("b,a,B,A");
  EXPECT_EQ(list.Items(), (Items{"a", "b"}));
}

TEST(StringList, DuplicatesRules) {
  TStringList refusing;
  refusing.SetDuplicates(Duplicates::Error);
  refusing.SetSorted(true);
  EXPECT_EQ(refusing.Add("b"), 0);
  EXPECT_EQ(refusing.Add("B"), -1);
  EXPECT_EQ(refusing.Count(), 1u);

  TStringList accepting;
  accepting.SetSorted(true);
  accepting.Add("b");
  accepting.Add("a");
  accepting.Add("B");
  EXPECT_EQ(accepting.Count(), 3u);
  EXPECT_EQ(accepting[0], "a");

  // The rule holds for sorted lists only.
  TStringList unsorted;
  unsorted.SetDuplicates(Duplicates::Ignore);
  EXPECT_EQ(unsorted.Add("x"), 0);
  EXPECT_EQ(unsorted.Add("x"), 1);
  EXPECT_TRUE(unsorted.Insert(0, "first"));
  EXPECT_FALSE(unsorted.Insert(9, "beyond the end"));
  EXPECT_EQ(unsorted.Items(), (Items{"first", "x", "x"}));
}

TEST(StringList, SortOrderAndFind) {
  // "_" sorts before letters, so a word's tags come before a longer word's.
  TStringList list = ListOf({"godly_H2623", "God_E", "god_H430", "Abba_G5"});
  list.SetSorted(true);
  EXPECT_EQ(list.Items(), (Items{"Abba_G5", "God_E", "god_H430", "godly_H2623"}));
  int index = -1;
  EXPECT_TRUE(list.Find("GOD_h430", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("b", index));
  EXPECT_EQ(index, 1);  // insertion point
  EXPECT_EQ(list.IndexOf("zeal"), -1);
  EXPECT_EQ(list.IndexOf("abba_g5"), 0);

  list.SetCaseSensitive(true);
  list.Assign({"b", "B", "A", "a"});
  EXPECT_EQ(list.Items(), (Items{"a", "A", "b", "B"}));
  EXPECT_EQ(list.IndexOf("B"), 3);
  EXPECT_EQ(list.IndexOf("b"), 2);

  TStringList unsorted = ListOf({"x", "Y"});
  EXPECT_EQ(unsorted.IndexOf("y"), 1);
  EXPECT_FALSE(unsorted.Find("z", index));
  EXPECT_EQ(index, 2);
}

TEST(StringList, NameValueEntries) {
  TStringList colors = ListOf({"love=red", "G26=blue=ish", "plain"});
  EXPECT_EQ(colors.Name(0), "love");
  EXPECT_EQ(colors.ValueFromIndex(1), "blue=ish");
  EXPECT_EQ(colors.Name(2), "");
  EXPECT_EQ(colors.ValueFromIndex(2), "");
  EXPECT_EQ(colors.IndexOfName("LOVE"), 0);
  EXPECT_EQ(colors.IndexOfName("plain"), -1);
  EXPECT_EQ(colors.Value("g26"), "blue=ish");
  EXPECT_EQ(colors.Value("missing"), "");

  colors.SetValue("love", "green");
  colors.SetValue("H430", "gold");
  colors.SetValue("G26", "");
  EXPECT_EQ(colors.Items(), (Items{"love=green", "plain", "H430=gold"}));

  TStringList sorted = TStringList::SortedUnique();
  sorted.Assign({"b=2", "c=3"});
  sorted.SetValue("b", "9");
  sorted.SetValue("a", "1");
  EXPECT_EQ(sorted.Items(), (Items{"a=1", "b=9", "c=3"}));
}

TEST(StringList, TextEndsEveryLineWithCarriageReturnAndLineFeed) {
  EXPECT_EQ(ListOf({"a", "b c"}).Text(), "a\r\nb c\r\n");
  EXPECT_EQ(ListOf({}).Text(), "");
}

TEST(StringList, DeleteOutOfRangeDoesNothing) {
  TStringList list = ListOf({"a", "b"});
  list.Delete(5);
  list.Delete(0);
  EXPECT_EQ(list.Items(), (Items{"b"}));
}

TEST(StringList, AddAllAddsAsAddingOneByOne) {
  // Equal items in another case, items before, among and after those there,
  // and repeats: the kept spelling and the order of equal items must match,
  // for a list that holds items to put them among, one whose items all come
  // before, and an empty one.
  std::vector<std::string> many;  // more than are sorted in place
  for (const char* word : {"Zeal", "the_H853", "The_E", "ab", "THE_h853", "zeal", "b", "the_e", "AB", "abc"})
    for (const char* suffix : {"", "_x", "_X"}) many.push_back(std::string(word) + suffix);
  // Bytes beside the letters and above 0x7F fold to themselves; the first
  // eight bytes of an item are folded at once, the rest one by one.
  std::vector<std::string> edges;
  for (const char* edge : {"@", "A", "Z", "[", "`", "a", "z", "{", "\x80", "\xC1", "\xDA", "\xFF"})
    for (const char* tail : {"", "a", "Z", "_e"}) {
      edges.push_back(std::string(edge) + tail);
      edges.push_back("prefix" + std::string(edge) + tail);  // differs in the eighth byte and on
    }
  const std::vector<std::vector<std::string>> itemSets{
      {"the_H853", "The_E", "a", "THE_h853", "zeal", "b", "the_e", "A", "zeal"}, many, edges};
  const std::vector<std::vector<std::string>> starts{{"m", "The_E"}, {"0", "1"}, {}};
  TStringList unique = TStringList::SortedUnique();
  TStringList accepting;
  accepting.SetSorted(true);
  TStringList refusing;
  refusing.SetSorted(true);
  refusing.SetDuplicates(Duplicates::Error);
  TStringList unsorted;
  for (const auto& items : itemSets) {
    for (const auto& start : starts) {
      for (TStringList* list : {&unique, &accepting, &refusing, &unsorted}) {
        TStringList oneByOne = *list;
        for (const std::string& item : start) oneByOne.Add(item);
        TStringList all = oneByOne;
        for (const std::string& item : items) oneByOne.Add(item);
        all.AddAll(items);
        EXPECT_EQ(all.Items(), oneByOne.Items());
      }
    }
  }
}

}  // namespace
}  // namespace platform
