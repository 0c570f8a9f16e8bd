// The kit's string routines: separators, the scrambler and the six-bit text.

#include <gtest/gtest.h>

#include <string>

#include "kit/KitTextUtils.h"

namespace {

TEST(TextUtils, BlankTextAndTrailingSeparators) {
  EXPECT_TRUE(kit::IsBlankText(""));
  EXPECT_TRUE(kit::IsBlankText("   "));
  EXPECT_FALSE(kit::IsBlankText(" a "));

  const struct {
    std::string in, appended, stripped;
  } cases[] = {
      {"", "/", ""},
      {"  ", "  /", "  "},
      {"/usr/lib", "/usr/lib/", "/usr/lib"},
      {"/usr/lib/", "/usr/lib/", "/usr/lib"},
      {"/", "/", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kit::AppendBackslash(c.in), c.appended) << c.in;
    EXPECT_EQ(kit::StripBackslash(c.in), c.stripped) << c.in;
  }
}

TEST(TextUtils, ScramblerFollowsItsRunningKey) {
  // 'a' XOR 0, then the state (0 + 0x61) * 52845 + 22719 = 0x900C gives
  // 'b' XOR 0x90, and so on.
  EXPECT_EQ(kit::ScrambleText("abc", 0), std::string("\x61\xF2\x1B"));
  EXPECT_EQ(kit::ScrambleText("abc", 0x1234), std::string("\x73\xC9\x67"));
  EXPECT_NE(kit::ScrambleText("abc", 1), kit::ScrambleText("abc", 2));
}

TEST(TextUtils, UnscramblingWithTheSameKeyGivesTheTextBack) {
  const std::string texts[] = {"", "x", "Strong's H430", std::string("with\0zero and \xFF bytes", 22)};
  for (const auto& text : texts) {
    for (std::uint16_t key : {0, 1, 0x6B69, 0xFFFF}) {
      EXPECT_EQ(kit::UnscrambleText(kit::ScrambleText(text, key), key), text) << key;
    }
  }
  EXPECT_NE(kit::UnscrambleText(kit::ScrambleText("secret", 5), 6), "secret");
}

TEST(TextUtils, SixBitTextSpellsThreeBytesInFourCharacters) {
  // 0x61 0x62 0x63: 24, 22, 9, 35, each plus 48.
  EXPECT_EQ(kit::EncodeSixBit("abc"), "3:HF9S");
  // Four bytes are padded with two blanks to two groups.
  const std::string four = kit::EncodeSixBit("abcd");
  EXPECT_EQ(four.substr(0, 2), "4:");
  EXPECT_EQ(four.size(), 10u);
  EXPECT_EQ(kit::DecodeSixBit(four), "abcd");
  // Empty: two blanks and a zero byte.
  EXPECT_EQ(kit::EncodeSixBit(""), "0:8200");
  EXPECT_EQ(kit::DecodeSixBit("0:8200"), "");

  const std::string binary("\x00\xFF\x80\x7F\x01", 5);
  const std::string encoded = kit::EncodeSixBit(binary);
  for (char c : encoded.substr(2)) {
    EXPECT_GE(c, '0');
    EXPECT_LE(c, 'o');
  }
  EXPECT_EQ(kit::DecodeSixBit(encoded), binary);
}

TEST(TextUtils, SixBitDecodingOfForeignTextStaysInside) {
  EXPECT_EQ(kit::DecodeSixBit("no colon"), "");
  EXPECT_EQ(kit::DecodeSixBit("x:HF9S"), "");
  EXPECT_EQ(kit::DecodeSixBit("3:"), "");
  EXPECT_EQ(kit::DecodeSixBit("99:HF9S"), "abc");  // the length is cut to what is there
  EXPECT_EQ(kit::DecodeSixBit("2:HF"), "a`");      // a short group reads "0" for the missing
}

}  // namespace
