// Search terms: Strong's numbers (a letter and 1 to 32,767) or English words.

#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "engine/SearchTokens.h"
#include "engine/ixoutils.h"

namespace engine {
namespace {

TEST(Tokens, Classify) {
  struct Case {
    const char* token;
    char kind;
  };
  const Case cases[] = {
      {"H430", 'H'},   {"h430", 'H'},     {"G26", 'G'},      {"g26", 'G'},    {"H0430", 'H'},
      {"G32767", 'G'}, {"G32768", 'E'},   {"H65966", 'E'},   {"H0", 'E'},     {"H00", 'E'},
      {"H", 'E'},      {"G", 'E'},        {"", 'E'},         {"Hope", 'E'},   {"H12x", 'E'},
      {"G-26", 'E'},   {"G 26", 'E'},     {"x26", 'E'},      {"God", 'E'},
      {"H99999999999999999999430", 'E'},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyToken(c.token), c.kind) << c.token;
}

TEST(Tokens, ParseStrongsNumbers) {
  struct Case {
    char kind;
    const char* token;
    bool ok;
    std::uint16_t number;
  };
  const Case cases[] = {
      {'G', "G26", true, 26},       {'H', "h430", true, 430},   {'H', "H0430", true, 430},
      {'G', "G32767", true, 32767}, {'G', "G32768", false, 0},  {'H', "H65966", false, 0},
      {'H', "H0", false, 0},        {'H', "H", false, 0},       {'H', "H12x", false, 0},
  };
  for (const Case& c : cases) {
    const std::optional<TokenValue> value = ParseToken(c.kind, c.token);
    ASSERT_EQ(value.has_value(), c.ok) << c.token;
    if (value) {
      EXPECT_EQ(value->Number, c.number) << c.token;
      EXPECT_EQ(value->Key, 0) << c.token;
    }
  }
}

TEST(Tokens, ParseEnglishWords) {
  engine_testing::EngineFixture fixture("1:1 In the beginning<7225> God<430> created<1254,853>.\n");
  fixture.Load();
  const std::optional<TokenValue> god = ParseToken('E', "god");
  ASSERT_TRUE(god);
  EXPECT_EQ(god->Key, EnglishWordToKey("God"));
  EXPECT_NE(god->Key, 0);
  EXPECT_EQ(god->Number, 0);
  EXPECT_FALSE(ParseToken('E', "earth"));
}

}  // namespace
}  // namespace engine
