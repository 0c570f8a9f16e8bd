#include <gtest/gtest.h>

#include "wordaddin/worddecs.h"

namespace wordaddin {
namespace {

TEST(WordErrorName, NamesAsTheHostStoresThem) {
  const struct {
    std::int32_t code;
    const char* name;
  } cases[] = {
      {0, "WrdApi No Error"},
      {4, "Undefined Error type 4"},
      {-1, "Undefined Error type -1"},
      {99, "Undefined Error type 99"},
      {5, "IllegalFunctionCall   "},
      {76, "PathNotFound          "},
      {100, "SyntaxError          "},
      {111, "ExpressionTooComplex "},
      {555, "InvalidDrawingRangeBookmark "},
      {573, "IllegalSecondAccel   "},
      {574, "Undefined Error type 574"},
      {5000, "Unable to access word link"},
      {5010, "WrdApi pointer for output is Nil     "},
      {5013, "WrdApi commmand has no dialog "},
      {5034, "WrdApi0 was passed as string pointer "},
      {5035, "Undefined Error type 5035"},
  };
  for (const auto& c : cases) EXPECT_EQ(WordErrorName(c.code), c.name) << c.code;
}

TEST(WordErrorName, EveryMacroErrorIsPaddedToItsWidth) {
  int named = 0;
  for (std::int32_t code = 1; code < 1000; ++code) {
    const std::string name = WordErrorName(code);
    if (name.starts_with("Undefined Error type ")) continue;
    ++named;
    const std::size_t width = code < 100 ? 22 : 21;
    EXPECT_EQ(name.size(), code == 555 ? 28 : width) << code;
    EXPECT_EQ(name.back(), ' ') << code;
  }
  EXPECT_EQ(named, 143);
}

}  // namespace
}  // namespace wordaddin
