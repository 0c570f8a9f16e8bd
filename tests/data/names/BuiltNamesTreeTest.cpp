// The names index the build wrote from the KJV module, read as the Names page
// reads it. The tests skip when the build did not write it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "KjvEngine.h"
#include "engine/ixoutils.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/StringList.h"

namespace {

const std::string kNamesTree = IXO_BUILT_NAMES_TREE;

// A line of a section split at "=" as the Names page splits it.
std::vector<std::string> SplitLine(const std::string& line, bool strict) {
  platform::TStringList parts;
  parts.SetDelimiter('=');
  parts.SetQuoteChar('"');
  parts.SetStrictDelimiter(strict);
  parts.SetDelimitedText(line);
  return parts.Items();
}

// The values of a section, each line split as the page splits it; the test
// fails for a line that does not give exactly two parts.
std::vector<std::string> Values(const platform::TIniFile& file, const std::string& section, bool strict) {
  std::vector<std::string> values;
  for (const std::string& line : file.ReadSectionValues(section)) {
    const std::vector<std::string> parts = SplitLine(line, strict);
    EXPECT_EQ(parts.size(), 2u) << "[" << section << "] " << line;
    if (parts.size() == 2) values.push_back(parts[1]);
  }
  return values;
}

class BuiltNamesTree : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!platform::FileExists(kNamesTree)) GTEST_SKIP() << "no names index at " << kNamesTree;
  }

  // The names under every letter, in file order.
  std::vector<std::string> AllNames() const {
    std::vector<std::string> names;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
      for (const std::string& name : Values(file_, std::string(1, letter), false)) names.push_back(name);
    return names;
  }

  platform::TIniFile file_{kNamesTree};
};

TEST_F(BuiltNamesTree, EveryLineSplitsAsThePageSplitsItAndEveryNameHasEntries) {
  const std::vector<std::string> names = AllNames();
  EXPECT_GT(names.size(), 2500u);
  for (const std::string& name : names) {
    const std::vector<std::string> entries = Values(file_, name, true);
    EXPECT_GE(entries.size(), 3u) << name;  // a number, the occurrences, the first place
    for (const std::string& entry : entries) {
      EXPECT_GE(entry.size(), 2u) << name;  // one character would be taken for a placeholder
      EXPECT_NE(entry, "Review Study") << name;
      EXPECT_TRUE(std::all_of(entry.begin(), entry.end(), [](char c) { return c >= ' ' && c <= '~'; }))
          << name << ": " << entry;
    }
  }
}

TEST_F(BuiltNamesTree, KnownNamesStandUnderTheirLettersWithTheirFacts) {
  struct Known {
    const char* name;
    const char* number;
    const char* first;
  };
  for (const Known& known : {Known{"Abraham", "H85: ", "First: Genesis 17:5"},
                             Known{"Moses", "H4872: ", "First: Exodus 2:10"},
                             Known{"Jerusalem", "H3389: ", "First: Joshua 10:1"},
                             Known{"Jesus", "G2424: ", "First: Matthew 1:1"}}) {
    const std::vector<std::string> letter = Values(file_, std::string(1, known.name[0]), false);
    EXPECT_NE(std::find(letter.begin(), letter.end(), known.name), letter.end()) << known.name;
    const std::vector<std::string> entries = Values(file_, known.name, true);
    ASSERT_FALSE(entries.empty()) << known.name;
    EXPECT_TRUE(entries.front().starts_with(known.number)) << entries.front();
    EXPECT_NE(std::find(entries.begin(), entries.end(), known.first), entries.end()) << known.name;
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const std::string& e) { return e.starts_with("Occurs "); }))
        << known.name;
  }
}

TEST_F(BuiltNamesTree, WordsThatAreNoNamesAreNotListed) {
  const std::vector<std::string> names = AllNames();
  for (const char* word : {"God", "Lord", "LORD", "Amen", "And", "Behold"})
    EXPECT_EQ(std::find(names.begin(), names.end(), word), names.end()) << word;
}

// Every name is a word of the built text, so that its "Review Study" finds it.
TEST_F(BuiltNamesTree, EveryNameIsAWordOfTheBuiltText) {
  engine_testing::KjvEngine kjv;
  if (!kjv.Present()) GTEST_SKIP() << "no built edition";
  for (const std::string& name : AllNames()) EXPECT_NE(engine::EnglishWordToKey(name), 0) << name;
}

}  // namespace
