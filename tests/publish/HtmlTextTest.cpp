#include "publish/HtmlText.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlText, EscapesTheFourMarkupCharacters) {
  std::string out = "x";
  publish::AppendHtmlEscaped(out, R"(a&b<c>d"e'f)");
  EXPECT_EQ(out, "xa&amp;b&lt;c&gt;d&quot;e'f");
}

TEST(HtmlText, IdentifierKeepsTagCharactersAndEscapesTheRest) {
  std::string out;
  publish::AppendCssIdentifier(out, "maher-shalal_H4122");
  EXPECT_EQ(out, "maher-shalal_H4122");
  out.clear();
  publish::AppendCssIdentifier(out, "a.b\"c{");
  EXPECT_EQ(out, "a\\2e b\\22 c\\7b ");
  out.clear();
  publish::AppendCssIdentifier(out, "7up");
  EXPECT_EQ(out, "\\37 up");
}

}  // namespace
