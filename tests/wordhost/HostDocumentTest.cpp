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

}  // namespace
}  // namespace wordhost
