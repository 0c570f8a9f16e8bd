#include "publish/ixoRtf.h"

#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "WritersFixture.h"
#include "publish/BookDocuments.h"

namespace {

using publish::PublishOptions;
using publish::TPrintRtf;
using writers_test::FirstSamuel;
using writers_test::Genesis;
using writers_test::WritersText;

// One line of codes: its text and the carriage-return byte that ends it.
std::string Line(const std::string& codes) { return codes + "\r"; }

std::string Prologue(const std::string& bookName, int book, bool columns, bool headFoot) {
  std::string rtf = Line("{\\rtf1\\ansi\\ansicpg1252\\deff0") + Line("{\\fonttbl") +
                    Line("{\\f0\\farial\\fcharset0\\fprq2\\fttruetype Arial;}") +
                    Line("{\\f1\\froman\\fcharset0\\fprq2\\fttruetype Times;}") +
                    Line("{\\f2\\fswiss\\fcharset0\\fprq2\\fttruetype Helvetica;}}") + Line("{\\colortbl") +
                    Line("\\red0\\green0\\blue0;") + Line("\\red0\\green255\\blue255;") +
                    Line("\\red0\\green0\\blue255;") + Line("\\red0\\green255\\blue0;") +
                    Line("\\red255\\green0\\blue255;") + Line("\\red255\\green0\\blue0;") +
                    Line("\\red255\\green255\\blue0;") + Line("\\red255\\green255\\blue255;}") +
                    Line("\\kerning0\\cf0\\viewkind1\\paperw12240\\paperh15840\\margl1440\\margr1440\\widowctl");
  if (columns) rtf += Line("\\sectd\\cols2");
  if (headFoot)
    rtf += Line("{\\footer \\par\\pgnstart1\\qc") +
           Line("{\\f2\\fs18 Page " + std::to_string(book) + "-{\\field{\\*\\fldinst PAGE } {\\fldrslt}} \\par }") +
           Line("}") + Line("{\\header \\pard\\qc") + Line("{\\f2\\fs48\\b " + bookName + " \\par}") + Line("}");
  return rtf;
}

std::string Heading(int chapter, const std::string& text) {
  return Line(std::string(chapter <= 1 ? "" : "\\par") + "\\pard\\qc\\sl240\\slmult1{\\f2\\fs32\\cf2\\b " + text +
              "}");
}

const std::string VerseParagraph = "\\par\\pard\\qj\\sa118\\s1240\\slmult1{\\*\\f0\\fs20 ";

std::string VerseNumber(int verse) { return "{\\*\\cf2\\super\\b " + std::to_string(verse) + "}"; }

const std::string Chapter1Verses = VerseNumber(1) + "In the beginning God created the heaven." + "  " +
                                   VerseNumber(2) + "And the earth {\\*\\i was} without form, (the LORD's) deep.";
const std::string Chapter2Verses =
    VerseNumber(1) + "Call his name Maher-shalal-hash-baz now." + "  " + VerseNumber(2) + "Amen.";

// Braces that are not escaped nest properly and all close at the end.
bool Balanced(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;
    else if (rtf[i] == '{') ++depth;
    else if (rtf[i] == '}' && --depth < 0) return false;
  }
  return depth == 0;
}

TEST(RtfBook, OneDocumentPerBookFromTheFirstRun) {
  WritersText text;
  TPrintRtf writer(text.OptionsIntoOutput());
  ASSERT_TRUE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  const std::string rtf = text.Read("Genesis.rtf");
  EXPECT_EQ(rtf, Prologue("Genesis", 1, true, true) + Heading(1, "CHAPTER 1") + VerseParagraph + Chapter1Verses +
                     Line("}") + Heading(2, "CHAPTER 2") + VerseParagraph + Chapter2Verses + Line("}") + Line("}"));
  EXPECT_TRUE(Balanced(rtf));
  EXPECT_FALSE(text.Exists("Genesis 1.rtf"));
  EXPECT_TRUE(text.Dialogs().Shown().empty());
  EXPECT_TRUE(text.Shell().Calls().empty());
}

TEST(RtfBook, OneDocumentPerChapterEachADocumentOfItsOwn) {
  WritersText text;
  PublishOptions options = text.OptionsIntoOutput();
  options.allInOne = false;
  options.dotDoc = true;
  TPrintRtf writer(options);
  ASSERT_TRUE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  const std::string first = text.Read("Genesis 1.doc");
  const std::string second = text.Read("Genesis 2.doc");
  EXPECT_EQ(first, Prologue("Genesis", 1, true, true) + Heading(1, "CHAPTER 1") + VerseParagraph +
                       Chapter1Verses + Line("}") + Line("}"));
  EXPECT_EQ(second, Prologue("Genesis", 1, true, true) + Heading(2, "CHAPTER 2") + VerseParagraph +
                        Chapter2Verses + Line("}") + Line("}"));
  EXPECT_TRUE(Balanced(first));
  EXPECT_TRUE(Balanced(second));
  EXPECT_FALSE(text.Exists("Genesis.doc"));
  EXPECT_FALSE(writer.Options().headerEachChapter) << "the form's flag is left as it was";
}

TEST(RtfBook, WithoutHeadersTheHeadingNamesTheBook) {
  WritersText text;
  PublishOptions options = text.OptionsIntoOutput();
  options.dualColumns = false;
  options.headersAndFooters = false;
  TPrintRtf writer(options);
  ASSERT_TRUE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  EXPECT_EQ(text.Read("Genesis.rtf"), Prologue("Genesis", 1, false, false) + Heading(1, "Genesis 1") +
                                          VerseParagraph + Chapter1Verses + Line("}") + Heading(2, "Genesis 2") +
                                          VerseParagraph + Chapter2Verses + Line("}") + Line("}"));
}

TEST(RtfBook, SingleChapterBookHasNoHeadingParagraph) {
  WritersText text;
  TPrintRtf writer(text.OptionsIntoOutput());
  ASSERT_TRUE(publish::WriteBookRtf(writer, text.Book(FirstSamuel), "1  Samuel"));
  EXPECT_EQ(text.Read("1  Samuel.rtf"), Prologue("1 Samuel", 9, true, true) + VerseParagraph + VerseNumber(1) +
                                            "Now there was a man." + Line("}") + Line("}"));
}

TEST(RtfBook, BookPastTheLastIsReportedBeforeAnyFile) {
  WritersText text;
  publish_test::ShortWriteFiles files("never");
  PublishOptions options = text.OptionsIntoOutput();
  options.sink = &files;
  TPrintRtf writer(options);
  engine::TBookInfoRec past = text.Book(66);
  past.Ordinal = 66;
  EXPECT_FALSE(publish::WriteBookRtf(writer, past, "Nothing"));
  EXPECT_EQ(files.created, 0);
  ASSERT_EQ(text.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(text.Dialogs().Shown()[0].text, "Book #67 is not contained in the bible");
}

TEST(RtfEscape, BackslashBracesAndHighBytes) {
  EXPECT_EQ(publish::RtfEscape("plain text"), "plain text");
  EXPECT_EQ(publish::RtfEscape("a\\b{c}d"), "a\\\\b\\{c\\}d");
  EXPECT_EQ(publish::RtfEscape("caf\xE9 \x80"), "caf\\'e9 \\'80");
}

// Writes the operations straight to a memory file.
class OpenRtf : public TPrintRtf {
 public:
  explicit OpenRtf(publish::OutputFile& file) { FHandle = &file; }
};

TEST(RtfOperations, StateAndCodes) {
  publish_test::MemoryFile file;
  OpenRtf writer(file);
  writer.SetItalic(true);
  writer.SetItalic(true);
  writer.SetItalic(false);
  writer.SetFontSize(true, 0);
  writer.SetFontSize(true, 1);
  writer.SetFontSize(false, 1);
  writer.SetFontSize(true, 1);
  writer.SetFontSize(false, 0);
  writer.SetFontSize(true, 5);
  writer.SetBold(true);
  writer.SetBold(false);
  writer.SetColor(0);
  writer.SetColor(5);
  writer.WriteVerseNumber("12");
  writer.WriteText("{x}\\", 1, false);
  writer.WriteText("(holy", 1, true);
  writer.WriteWord("(", "holy", "", 1, true);
  writer.WriteWord("", "man", "'s, ", 1, true);
  writer.WriteWord("", "Moses", "' ", 1, false);
  EXPECT_EQ(file.bytes,
            "{\\*\\i }"
            "\\fs48"
            "\\fs36"
            "\\b "
            "\\cf5"
            "{\\*\\cf2\\super\\b 12}"
            "\\{x\\}\\\\"
            "{\\*\\i (holy}"
            "({\\*\\i holy}"
            "{\\*\\i man}'s, "
            "Moses' ");
  EXPECT_EQ(writer.WriteHeaderFooter(&file, "Genesis", 1), 0);
}

}  // namespace
