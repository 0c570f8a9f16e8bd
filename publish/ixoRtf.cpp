#include "publish/ixoRtf.h"

#include <cstdint>
#include <utility>

namespace publish {
namespace {

constexpr char LineEnd = '\r';  // each line of codes ends in one carriage-return byte

// The fonts, the colour table (colour 2, blue, marks verse numbers and
// headings) and the page: US letter with 1-inch side margins.
constexpr std::string_view Prologue[] = {
    "{\\rtf1\\ansi\\ansicpg1252\\deff0",
    "{\\fonttbl",
    "{\\f0\\farial\\fcharset0\\fprq2\\fttruetype Arial;}",
    "{\\f1\\froman\\fcharset0\\fprq2\\fttruetype Times;}",
    "{\\f2\\fswiss\\fcharset0\\fprq2\\fttruetype Helvetica;}}",
    "{\\colortbl",
    "\\red0\\green0\\blue0;",
    "\\red0\\green255\\blue255;",
    "\\red0\\green0\\blue255;",
    "\\red0\\green255\\blue0;",
    "\\red255\\green0\\blue255;",
    "\\red255\\green0\\blue0;",
    "\\red255\\green255\\blue0;",
    "\\red255\\green255\\blue255;}",
    "\\kerning0\\cf0\\viewkind1\\paperw12240\\paperh15840\\margl1440\\margr1440\\widowctl",
};

}  // namespace

std::string RtfEscape(std::string_view text) {
  static constexpr char Hex[] = "0123456789abcdef";
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (c == '\\' || c == '{' || c == '}') {
      escaped += '\\';
      escaped += c;
    } else if (byte >= 0x80) {
      escaped += "\\'";
      escaped += Hex[byte >> 4];
      escaped += Hex[byte & 0x0F];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

TPrintRtf::TPrintRtf(PublishOptions options) : TPublishWriter(std::move(options)) {}

void TPrintRtf::WriteRtf(std::string_view codes) { WriteBytes(codes); }

void TPrintRtf::WriteRtfLine(std::string_view codes) {
  WriteRtf(codes);
  WriteRtf(std::string_view(&LineEnd, 1));
}

void TPrintRtf::WriteVerseNumber(std::string_view text) {
  WriteRtf("{\\*");
  SetColor(2);
  SetSuperscript(true);
  WriteRtf(RtfEscape(text));
  SetSuperscript(false);
  SetColor(0);
  WriteRtf("}");
}

void TPrintRtf::WriteDocumentHeader() {
  for (const std::string_view line : Prologue) WriteRtfLine(line);
  if (Options().dualColumns) WriteRtfLine("\\sectd\\cols2");
  if (Options().headersAndFooters) {
    // The footer reads "Page 43-7" on page 7 of book 43; the header holds the book's name.
    WriteRtfLine("{\\footer \\par\\pgnstart1\\qc");
    WriteRtfLine("{\\f2\\fs18 Page " + std::to_string(book_) +
                 "-{\\field{\\*\\fldinst PAGE } {\\fldrslt}} \\par }");
    WriteRtfLine("}");
    WriteRtfLine("{\\header \\pard\\qc");
    WriteRtfLine("{\\f2\\fs48\\b " + RtfEscape(bookName_) + " \\par}");
    WriteRtfLine("}");
  }
}

void TPrintRtf::WriteChapterHeading(int chapter, int chapterCount) {
  const std::string number = std::to_string(chapter);
  if (chapterCount > 1) {
    // With headers and footers the book's name stands in the page header.
    const std::string heading = Options().headersAndFooters ? "CHAPTER " + number : bookName_ + " " + number;
    WriteRtfLine((chapter <= 1 ? "" : "\\par") + std::string("\\pard\\qc\\sl240\\slmult1{\\f2\\fs32\\cf2\\b ") +
                 RtfEscape(heading) + "}");
  }
  // The verse paragraph and the group that EndChapter closes.
  WriteRtf("\\par\\pard\\qj\\sa118\\s1240\\slmult1{\\*\\f0\\fs20 ");
}

void TPrintRtf::EndChapter(int, int) {
  WriteRtfLine("}");
  // A chapter written as a document of its own closes that document too.
  if (!AllInOne()) WriteRtfLine("}");
}

void TPrintRtf::BeginBook(std::string_view bookName, int book, int) {
  bookName_ = bookName;
  book_ = book;
}

void TPrintRtf::EndBook() {
  WriteRtfLine("}");
  WriteRtfLine("}");
}

void TPrintRtf::SetKeepTogether(bool) {}

void TPrintRtf::SetFontSize(bool on, int sizeCode) {
  if (on == FFontSizeState) return;
  FFontSizeState = on;
  if (!on) return;
  if (sizeCode == 0) WriteRtf("\\fs48");
  else if (sizeCode == 1) WriteRtf("\\fs36");
}

void TPrintRtf::SetJustification(int) {}

void TPrintRtf::SetItalic(bool on) {
  if (on == FItalicState) return;
  FItalicState = on;
  WriteRtf(on ? "{\\*\\i " : "}");
}

// Bold and superscript end with the group around them, so turning them off
// writes nothing.
void TPrintRtf::SetBold(bool on) {
  if (on == FBoldState) return;
  FBoldState = on;
  if (on) WriteRtf("\\b ");
}

void TPrintRtf::SetColor(int index) {
  if (index != 0) WriteRtf("\\cf" + std::to_string(index));
}

void TPrintRtf::SetSuperscript(bool on) {
  if (on == FSuperscriptState) return;
  FSuperscriptState = on;
  if (on) WriteRtf("\\super\\b ");
}

void TPrintRtf::WriteText(std::string_view text, int, bool italic) {
  if (italic) SetItalic(true);
  WriteRtf(RtfEscape(text));
  if (italic) SetItalic(false);
}

void TPrintRtf::WriteWord(std::string_view before, std::string_view word, std::string_view after, int spaceKind,
                          bool italic) {
  if (!before.empty()) WriteText(before, spaceKind, false);
  WriteText(word, spaceKind, italic);
  if (!after.empty()) WriteText(after, spaceKind, false);
}

int TPrintRtf::WriteHeaderFooter(OutputFile*, std::string_view, int) { return 0; }

}  // namespace publish
