#include <gtest/gtest.h>

#include "platform/TextUtils.h"

namespace platform {
namespace {

TEST(TextUtils, ComparisonsFoldAsciiLettersOnly) {
  EXPECT_TRUE(SameText("Ixo Bible", "IXO bible"));
  EXPECT_FALSE(SameText("Ixo", "Ixo "));
  EXPECT_FALSE(SameText("\xC4", "\xE4"));  // only ASCII letters fold

  EXPECT_TRUE(StartsWithText("/Home/Me/Documents/x", "/home/me/documents/"));
  EXPECT_TRUE(StartsWithText("dword:0000001f", ""));
  EXPECT_FALSE(StartsWithText("/home", "/home/me"));
  EXPECT_FALSE(StartsWithText("/homes/me", "/home/"));
}

TEST(TextUtils, TrimBlanksTakesBlanksAndTabsFromBothEnds) {
  EXPECT_EQ(TrimBlanks(" \tGenesis 1:3 \t"), "Genesis 1:3");
  EXPECT_EQ(TrimBlanks("Jude 5"), "Jude 5");
  EXPECT_EQ(TrimBlanks(" \t "), "");
  EXPECT_EQ(TrimBlanks("\nx\n"), "\nx\n");  // line ends are no blanks
}

}  // namespace
}  // namespace platform
