#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wordhost/DocumentListing.h"
#include "wordhost/DocumentRtf.h"
#include "wordhost/HostDocument.h"

namespace wordhost {
namespace {

std::vector<std::string> Texts(const HostDocument& document) {
  std::vector<std::string> paragraphs;
  for (const Paragraph& paragraph : document.Paragraphs()) {
    std::string text;
    for (const Run& run : paragraph.runs) text += "[" + run.text + "]";
    paragraphs.push_back(text);
  }
  return paragraphs;
}

TEST(HostDocument, LineEndsSplitParagraphs) {
  const struct {
    std::vector<std::string> inserted;
    std::vector<std::string> paragraphs;
  } cases[] = {
      {{}, {""}},
      {{"a", "b"}, {"[ab]"}},
      {{"a\nb"}, {"[a]", "[b]"}},
      {{"a\r\nb\rc"}, {"[a]", "[b]", "[c]"}},
      {{"heading\n"}, {"[heading]", ""}},
      {{"a\n\nb"}, {"[a]", "", "[b]"}},
      {{"a\r", "\nb"}, {"[a]", "", "[b]"}},  // a mark split over two insertions is two marks
  };
  for (const auto& c : cases) {
    HostDocument document;
    for (const std::string& text : c.inserted) document.InsertText(text);
    EXPECT_EQ(Texts(document), c.paragraphs);
  }
}

TEST(HostDocument, TextJoinsTheRunOfItsFormat) {
  HostDocument document;
  document.InsertText("In ");
  document.InsertText("the");
  document.Format().italic = true;
  document.InsertText("beginning");
  document.Format().italic = false;
  document.InsertText(" God");
  EXPECT_EQ(Texts(document), std::vector<std::string>{"[In the][beginning][ God]"});
}

// A heading, a verse number and some text, as an insertion writes them.
HostDocument Passage() {
  HostDocument document;
  document.Format().bold = true;
  document.InsertText("Genesis 1:3-4\n");
  document.Format() = CharacterFormat{true, false, true, 2};
  document.InsertText("3");
  document.Format() = CharacterFormat{};
  document.InsertText("And God said, ");
  document.Format().italic = true;
  document.InsertText("Let");
  document.Format().italic = false;
  document.InsertText(" {light} \\ caf\xC3\xA9\n");
  return document;
}

TEST(HostDocument, ListsParagraphsAndRuns) {
  EXPECT_EQ(ListDocument(Passage()),
            "paragraph 1\n"
            "  \"Genesis 1:3-4\" bold\n"
            "paragraph 2\n"
            "  \"3\" bold superscript color 2\n"
            "  \"And God said, \"\n"
            "  \"Let\" italic\n"
            "  \" {light} \\\\ caf\xC3\xA9\"\n"
            "paragraph 3\n");
}

TEST(HostDocument, SavesAsRtf) {
  EXPECT_EQ(DocumentRtf(Passage()),
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}"
            "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
            "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;"
            "\\red255\\green255\\blue255;\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;"
            "\\red128\\green0\\blue128;\\red128\\green0\\blue0;\\red128\\green128\\blue0;"
            "\\red128\\green128\\blue128;\\red192\\green192\\blue192;}\n"
            "\\pard\\plain\\f0\\fs24 {\\b Genesis 1:3-4}\\par\n"
            "\\pard\\plain\\f0\\fs24 {\\b\\super\\cf2 3}And God said, {\\i Let} \\{light\\} \\\\ caf\\u233?\\par\n"
            "\\pard\\plain\\f0\\fs24 \n"
            "}\n");
}

// Every character of the text reaches the RTF file: a reader gives back what
// was inserted.
TEST(HostDocument, SavesEveryCharacterAsRtfText) {
  const struct {
    std::string inserted;
    std::string written;
  } cases[] = {
      {"{a}\\b\tc", "\\{a\\}\\\\b\\tab c"},
      {"caf\xC3\xA9 \xE2\x82\xAC", "caf\\u233? \\u8364?"},
      {"\xEF\xBF\xBD", "\\u-3?"},                                      // U+FFFD: signed 16-bit
      {"a\xF0\x9F\x98\x80z", "a\\u-10179?\\u-8704?z"},                 // U+1F600: a surrogate pair
      {"\xF4\x8F\xBF\xBF", "\\u-9217?\\u-8193?"},                      // U+10FFFF, the last
      {"\xE2\x82" "A", "\\u226?\\u130?A"},                             // cut short: each byte for itself
      {"\xC3", "\\u195?"},
  };
  for (const auto& c : cases) {
    HostDocument document;
    document.InsertText(c.inserted);
    const std::string rtf = DocumentRtf(document);
    const std::string paragraph = "\\pard\\plain\\f0\\fs24 " + c.written + "\n}\n";
    EXPECT_TRUE(rtf.ends_with(paragraph)) << c.inserted << "\n" << rtf;
  }
}

}  // namespace
}  // namespace wordhost
