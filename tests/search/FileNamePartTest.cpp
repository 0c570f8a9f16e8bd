// Words made safe for file and page names.

#include <gtest/gtest.h>

#include "search/FileNamePart.h"

namespace search {
namespace {

TEST(FileNamePart, OneSafePart) {
  struct Case {
    const char* word;
    const char* part;
  } cases[] = {
      {"love", "love"},       {"G26", "G26"},         {"well-being", "well-being"},
      {"../../etc", "______etc"}, {"a/b", "a_b"},      {"..", "__"},
      {"", "_"},              {"a b\r\n", "a_b__"},   {"\xe9t\xe9", "_t_"},
  };
  for (const Case& c : cases) EXPECT_EQ(SafeFileNamePart(c.word), c.part) << c.word;
  EXPECT_EQ(SafeFileNamePart(std::string(100, 'x')), std::string(64, 'x'));
}

TEST(FileNamePart, PageNameOfWords) {
  EXPECT_EQ(SafePageName({"love", "G26"}), "love,G26");
  EXPECT_EQ(SafePageName({"../x", ""}), "___x,_");
  EXPECT_EQ(SafePageName({}), "_");
  // However many words, a name short enough to be a file name.
  const std::vector<std::string> many(40, std::string(64, 'w'));
  const std::string name = SafePageName(many);
  EXPECT_EQ(name.size(), 160u);
  EXPECT_TRUE(name.starts_with(std::string(64, 'w') + "," + std::string(64, 'w') + ",")) << name;
}

}  // namespace
}  // namespace search
