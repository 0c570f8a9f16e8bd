#include "publish/ixoWp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "TestFiles.h"
#include "WritersFixture.h"
#include "publish/BookDocuments.h"

namespace {

using publish::PublishOptions;
using publish::TPrintWp;
using writers_test::FirstSamuel;
using writers_test::Genesis;
using writers_test::WritersText;

// ---- the codes of a WordPerfect document, byte by byte ---------------------------

std::string B(std::initializer_list<int> bytes) {
  std::string s;
  for (const int b : bytes) s += static_cast<char>(b);
  return s;
}
std::string U16(std::uint32_t v) { return B({static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF)}); }
std::string U32(std::uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }

const std::string HardReturn = B({0xCC});
const std::string Soft = B({0x80});
const std::string Hard = B({0x81});
std::string On(int attribute) { return B({0xF2, attribute, 0xF2}); }
std::string Off(int attribute) { return B({0xF3, attribute, 0xF3}); }
std::string Color(int r, int g, int b) { return B({0xD4, 0x18, 0x0D, 0x00, 0x00, 0x03, 0x00, r, g, b, 0x0D, 0x00, 0xD4}); }
const std::string Blue = Color(0x00, 0x00, 0xFF);
const std::string Black = Color(0x00, 0x00, 0x00);
std::string Justify(int mode) { return B({0xD3, 0x05, 0x0B, 0x00, 0x00, 0x01, 0x00, mode, 0x0B, 0x00, 0xD3}); }
std::string KeepTogether(bool on) {
  return B({0xD4, on ? 0x26 : 0x27, 0x0C, 0x00, 0x01, 0x02, 0x00, 0x00, 0x00, 0x0C, 0x00, 0xD4});
}
std::string PageNumber(int s) { return B({0xDA, s, 0x0A, 0x00, 0x03, 0x00, 0x00, 0x0A, 0x00, 0xDA}); }
const int Italic = 8, Bold = 12, Superscript = 5;

std::string HeaderFooterDefinitions() {
  std::string codes;
  const int pages[] = {1, 2, 1, 2};
  for (int k = 0; k < 4; ++k)
    codes += B({0xD6, k, 0x15, 0x00, 0x80, 0x01, k + 1, 0x00, 0x01, 0x00, pages[k], 0x00, 0x00, 0x00, 0x00, 0x00,
                0xFF, 0xFF, 0x15, 0x00, 0xD6});
  return codes;
}
const std::string Columns = B({0xD2, 0x00, 0x0C, 0x00, 0x00, 0x02, 0x00, 0x3C, 0x06, 0x0C, 0x00, 0xD2}) +
                            B({0xD2, 0x01, 0x0C, 0x00, 0x00, 0x02, 0x00, 0x3C, 0x06, 0x0C, 0x00, 0xD2}) +
                            B({0xD2, 0x02, 0x19, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02,
                               0x01, 0xD9, 0x0C, 0x01, 0xC2, 0x01, 0x01, 0xD9, 0x0C, 0x19, 0x00, 0xD2});

std::string VerseNumber(int verse) {
  return Blue + On(Bold) + On(Superscript) + std::to_string(verse) + Hard + Off(Superscript) + Off(Bold) + Black;
}

std::string Heading(int chapter, const std::string& text) {
  return B({0xD8, 0x04, 0x0E, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, chapter & 0xFF, 0x00, 0x0E, 0x00, 0xD8}) + On(1) +
         Justify(2) + On(Bold) + text + HardReturn + Off(Bold) + Justify(1) + Off(1);
}

const std::string Chapter1Verses = VerseNumber(1) + "In" + Soft + "the" + Soft + "beginning" + Soft + "God" + Soft +
                                   "created" + Soft + "the" + Soft + "heaven." + KeepTogether(false) + Soft + Soft +
                                   VerseNumber(2) + "And" + Soft + "the" + Soft + "earth" + Soft + On(Italic) +
                                   "was" + Soft + Off(Italic) + "without" + Soft + "form," + Soft + "(the" + Soft +
                                   "LORD's)" + Soft + "deep.";
// The hyphens of a word inside a verse stay hyphens.
const std::string Chapter2Verses = VerseNumber(1) + "Call" + Soft + "his" + Soft + "name" + Soft +
                                   "Maher-shalal-hash-baz" + Soft + "now." + KeepTogether(false) + Soft + Soft +
                                   VerseNumber(2) + "Amen.";

std::string Prefix(std::uint32_t documentStart, std::uint32_t fileSize) {
  std::string prefix = B({0xFF, 'W', 'P', 'C'}) + U32(documentStart) + B({1, 10, 2, 4}) + U16(0) + U16(512) +
                       B({5, 0, 0, 0}) + U32(fileSize);
  prefix.resize(512, '\0');
  return prefix;
}

std::string IndexHeader(int count) { return B({2, 0}) + U16(count) + U16(0) + U32(0) + U32(0); }

// Header (kinds 1, 2) and footer (3, 4) texts, centred.
std::string HeaderText(const std::string& name) {
  return Blue + On(Bold) + On(0) + Justify(2) + name + Hard + PageNumber(8) + Off(0) + PageNumber(9) + Off(Bold) +
         Black;
}
std::string FooterText() {
  return Blue + On(Bold) + On(1) + Justify(2) + PageNumber(4) + Off(1) + PageNumber(5) + Off(Bold) + Black;
}

// The frame with four packets, then the document text.
std::string FileWithPackets(const std::string& name, const std::string& document) {
  const std::string texts[] = {HeaderText(name), HeaderText(name), FooterText(), FooterText()};
  std::string index = IndexHeader(5);
  std::string packets;
  std::uint32_t pointer = 512 + 70;
  for (const std::string& text : texts) {
    const auto size = static_cast<std::uint32_t>(10 + text.size());
    index += B({2, 8}) + U16(1) + U16(0) + U32(size) + U32(pointer);
    packets += U16(1) + U32(10) + U32(static_cast<std::uint32_t>(text.size())) + text;
    pointer += size;
  }
  return Prefix(pointer, static_cast<std::uint32_t>(pointer + document.size())) + index + packets + document;
}

std::uint32_t ReadU32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
  return v;
}
std::uint16_t ReadU16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes.at(at)) |
                                    (static_cast<std::uint8_t>(bytes.at(at + 1)) << 8));
}

// The recorded sizes and pointers of a file agree with its length and packets.
void ExpectConsistentFrame(const std::string& file) {
  ASSERT_GE(file.size(), 526u);
  EXPECT_EQ(file.substr(0, 4), "\xFFWPC");
  EXPECT_EQ(ReadU32(file, 20), file.size()) << "recorded file size";
  const int count = ReadU16(file, 512 + 2);
  std::uint32_t next = 512 + 14 * static_cast<std::uint32_t>(count);
  for (int entry = 2; entry <= count; ++entry) {
    const std::size_t at = 512 + 14 * static_cast<std::size_t>(entry - 1);
    const std::uint32_t size = ReadU32(file, at + 6);
    const std::uint32_t pointer = ReadU32(file, at + 10);
    EXPECT_EQ(pointer, next) << "entry " << entry;
    EXPECT_EQ(ReadU16(file, pointer), 1);
    EXPECT_EQ(ReadU32(file, pointer + 2), 10u);
    EXPECT_EQ(ReadU32(file, pointer + 6) + 10, size) << "entry " << entry;
    next = pointer + size;
  }
  EXPECT_EQ(ReadU32(file, 4), next) << "document start";
}

// ---- book files ---------------------------------------------------------------

TEST(WpBook, WithoutHeadersTheTextFollowsTheIndexHeader) {
  WritersText text;
  PublishOptions options = text.OptionsIntoOutput();
  options.headersAndFooters = false;
  TPrintWp writer(options);
  ASSERT_TRUE(publish::WriteBookWp(writer, text.Book(Genesis)));
  const std::string document = Columns + KeepTogether(true) + Heading(1, "CHAPTER" + Hard + "1") + Chapter1Verses +
                               HardReturn + HardReturn + KeepTogether(true) + Heading(2, "CHAPTER" + Hard + "2") +
                               Chapter2Verses + HardReturn;
  const std::string file = text.Read("Genesis.wpd");
  EXPECT_EQ(file, Prefix(526, static_cast<std::uint32_t>(526 + document.size())) + IndexHeader(1) + document);
  ExpectConsistentFrame(file);
  EXPECT_TRUE(text.Dialogs().Shown().empty());
}

TEST(WpBook, WithHeadersAndFootersInFourPackets) {
  WritersText text;
  TPrintWp writer(text.OptionsIntoOutput());
  ASSERT_TRUE(publish::WriteBookWp(writer, text.Book(Genesis)));
  const std::string document = HeaderFooterDefinitions() + Columns + KeepTogether(true) +
                               Heading(1, "CHAPTER" + Hard + "1") + Chapter1Verses + HardReturn + HardReturn +
                               KeepTogether(true) + Heading(2, "CHAPTER" + Hard + "2") + Chapter2Verses + HardReturn;
  const std::string file = text.Read("Genesis.wpd");
  EXPECT_EQ(file, FileWithPackets("Genesis", document));
  ExpectConsistentFrame(file);
}

TEST(WpBook, OneDocumentPerChapterEachWithItsFrameAndDefinitions) {
  WritersText text;
  PublishOptions options = text.OptionsIntoOutput();
  options.allInOne = false;
  options.dotDoc = true;
  TPrintWp writer(options);
  ASSERT_TRUE(publish::WriteBookWp(writer, text.Book(Genesis)));
  // A chapter of its own is headed with the book's name and ends as a document.
  EXPECT_EQ(text.Read("Genesis 1.doc"),
            FileWithPackets("Genesis", HeaderFooterDefinitions() + Columns + KeepTogether(true) +
                                           Heading(1, "Genesis" + Hard + "1") + Chapter1Verses + HardReturn));
  EXPECT_EQ(text.Read("Genesis 2.doc"),
            FileWithPackets("Genesis", HeaderFooterDefinitions() + Columns + KeepTogether(true) +
                                           Heading(2, "Genesis" + Hard + "2") + Chapter2Verses + HardReturn));
  ExpectConsistentFrame(text.Read("Genesis 2.doc"));
  EXPECT_FALSE(text.Exists("Genesis.doc"));
  EXPECT_FALSE(writer.Options().headerEachChapter);
}

TEST(WpBook, NamedAfterTheBookWithTheDigitApart) {
  WritersText text;
  PublishOptions options = text.OptionsIntoOutput();
  options.dualColumns = false;
  TPrintWp writer(options);
  ASSERT_TRUE(publish::WriteBookWp(writer, text.Book(FirstSamuel)));
  const std::string file = text.Read("1  Samuel.wpd");
  ASSERT_FALSE(file.empty());
  ExpectConsistentFrame(file);
  const std::string header = "1" + Hard + Hard + "Samuel" + Hard + PageNumber(8);
  EXPECT_NE(file.find(header), std::string::npos) << "the header text of the packets";
}

TEST(WpBook, OddAndEvenPagesAlignedApart) {
  WritersText text;
  PublishOptions options = text.OptionsIntoOutput();
  options.oddEvenHeaders = true;
  TPrintWp writer(options);
  ASSERT_TRUE(publish::WriteBookWp(writer, text.Book(Genesis)));
  const std::string file = text.Read("Genesis.wpd");
  ExpectConsistentFrame(file);
  const std::size_t odd = ReadU32(file, 512 + 14 + 10) + 10;  // text of the odd header
  const std::size_t even = ReadU32(file, 512 + 28 + 10) + 10;
  EXPECT_EQ(file.substr(odd, 13 + 3 + 3 + 11), Blue + On(Bold) + On(0) + Justify(3));
  EXPECT_EQ(file.substr(even, 13 + 3 + 3 + 11), Blue + On(Bold) + On(0) + Justify(0));
}

// ---- the writer's operations ---------------------------------------------------------

class OpenWp : public TPrintWp {
 public:
  explicit OpenWp(publish::OutputFile& file) { FHandle = &file; }
};

TEST(WpOperations, CodesOnlyOnAChange) {
  publish_test::MemoryFile file;
  OpenWp writer(file);
  writer.SetJustification(1);
  writer.SetJustification(1);
  writer.SetColor(0);
  writer.SetColor(7);
  writer.SetColor(1);
  writer.SetFontSize(true, 1);
  writer.SetFontSize(true, 0);
  writer.SetFontSize(false, 0);
  writer.SetKeepTogether(false);
  EXPECT_EQ(file.bytes, Justify(1) + Color(0xFF, 0x00, 0x00) + On(1) + Off(1));
}

TEST(WpOperations, VerseNumberAndSpaceKinds) {
  publish_test::MemoryFile file;
  OpenWp writer(file);
  writer.WriteVerseNumber("7");
  writer.WriteText("word ", 1, false);
  writer.WriteText("word ", 0, false);
  writer.WriteText("a-b c", 2, false);
  EXPECT_EQ(file.bytes, VerseNumber(7) + "word" + Soft + "word " + "a-b" + Hard + "c");
}

TEST(WpOperations, HeadingCarriesTheChaptersLowByte) {
  publish_test::MemoryFile file;
  OpenWp writer(file);
  writer.BeginBook("Psalms", 19, 300);
  writer.WriteChapterHeading(300, 300);
  EXPECT_EQ(file.bytes.substr(0, 14),
            B({0xD8, 0x04, 0x0E, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, 0x2C, 0x00, 0x0E, 0x00, 0xD8}));
}

TEST(WpOperations, FooterReturnsItsByteCount) {
  publish_test::MemoryFile file;
  TPrintWp writer;
  EXPECT_EQ(writer.WriteHeaderFooter(&file, "Genesis", 3), static_cast<int>(FooterText().size()));
  EXPECT_EQ(file.bytes, FooterText());
  PublishOptions compatible;
  compatible.wordCompatible = true;
  TPrintWp compatibleWriter(compatible);
  publish_test::MemoryFile header;
  compatibleWriter.WriteHeaderFooter(&header, "Genesis", 1);
  EXPECT_EQ(header.bytes, Blue + On(Bold) + On(0) + Justify(2) + "Genesis" + Off(0) + Off(Bold) + Black);
}

}  // namespace
