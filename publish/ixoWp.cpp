#include "publish/ixoWp.h"

#include <array>
#include <utility>

namespace publish {
namespace {

std::string Bytes(std::initializer_list<std::uint8_t> codes) { return std::string(codes.begin(), codes.end()); }

// Written by WriteDocumentHeader: the header and footer definitions, then
// the two column codes and the column definition.
std::string HeaderFooterDefinition(std::uint8_t k, std::uint8_t pages) {
  return Bytes({0xD6, k, 0x15, 0x00, 0x80, 0x01, static_cast<std::uint8_t>(k + 1), 0x00, 0x01, 0x00, pages,
                0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x15, 0x00, 0xD6});
}
const std::string ColumnCode1 = Bytes({0xD2, 0x00, 0x0C, 0x00, 0x00, 0x02, 0x00, 0x3C, 0x06, 0x0C, 0x00, 0xD2});
const std::string ColumnCode2 = Bytes({0xD2, 0x01, 0x0C, 0x00, 0x00, 0x02, 0x00, 0x3C, 0x06, 0x0C, 0x00, 0xD2});
const std::string ColumnDefinition =
    Bytes({0xD2, 0x02, 0x19, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02,
           0x01, 0xD9, 0x0C, 0x01, 0xC2, 0x01, 0x01, 0xD9, 0x0C, 0x19, 0x00, 0xD2});

struct Rgb {
  std::uint8_t r, g, b;
};
// Colours 0 to 3: black, red, blue, green.
constexpr std::array<Rgb, 4> Colors{{{0x00, 0x00, 0x00}, {0xFF, 0x00, 0x00}, {0x00, 0x00, 0xFF}, {0x00, 0xFF, 0x00}}};

constexpr std::uint8_t PageNumberHeader = 8;      // in a header, after the text
constexpr std::uint8_t PageNumberHeaderEnd = 9;   // after the font size is off
constexpr std::uint8_t PageNumberFooter = 4;
constexpr std::uint8_t PageNumberFooterEnd = 5;

}  // namespace

TPrintWp::TPrintWp(PublishOptions options) : TPublishWriter(std::move(options)) {}

void TPrintWp::WriteCodes(std::initializer_list<std::uint8_t> codes) { WriteBytes(Bytes(codes)); }

void TPrintWp::SetAttribute(bool on, std::uint8_t attribute) {
  if (on) WriteCodes({0xF2, attribute, 0xF2});
  else WriteCodes({0xF3, attribute, 0xF3});
}

void TPrintWp::WritePageNumberCode(std::uint8_t subCode) {
  WriteCodes({0xDA, subCode, 0x0A, 0x00, 0x03, 0x00, 0x00, 0x0A, 0x00, 0xDA});
}

void TPrintWp::WriteVerseNumber(std::string_view text) {
  SetColor(2);
  SetBold(true);
  SetSuperscript(true);
  WriteText(std::string(text) + wp::HardSpace, 0, false);
  SetSuperscript(false);
  SetBold(false);
  SetColor(0);
}

void TPrintWp::WriteDocumentHeader() {
  if (Options().headersAndFooters) {
    constexpr std::uint8_t Pages[] = {1, 2, 1, 2};
    for (std::uint8_t k = 0; k < 4; ++k) WriteBytes(HeaderFooterDefinition(k, Pages[k]));
  }
  if (Options().dualColumns) {
    WriteBytes(ColumnCode1);
    WriteBytes(ColumnCode2);
    WriteBytes(ColumnDefinition);
  }
}

void TPrintWp::WriteChapterHeading(int chapter, int) {
  WriteCodes({0xD8, 0x04, 0x0E, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, static_cast<std::uint8_t>(chapter & 0xFF),
              0x00, 0x0E, 0x00, 0xD8});
  SetFontSize(true, 1);
  SetJustification(wp::JustifyCentre);
  SetBold(true);
  const std::string number = std::to_string(chapter);
  // In a document of the whole book the chapter heading needs no book name.
  const std::string heading = AllInOne() && !WordCompatible() ? "CHAPTER " + number : bookName_ + " " + number;
  WriteText(heading + wp::HardReturn, 2, false);
  SetBold(false);
  SetJustification(wp::JustifyFull);
  SetFontSize(false, 1);
}

void TPrintWp::EndChapter(int, int) {
  WriteBytes(HeaderEachChapter() ? std::string(1, wp::HardReturn) : std::string(2, wp::HardReturn));
}

void TPrintWp::BeginBook(std::string_view bookName, int, int) { bookName_ = bookName; }

void TPrintWp::EndBook() { WriteBytes(std::string(1, wp::HardReturn)); }

void TPrintWp::SetKeepTogether(bool on) {
  if (on == FKeepTogetherState) return;
  FKeepTogetherState = on;
  WriteCodes({0xD4, static_cast<std::uint8_t>(on ? 0x26 : 0x27), 0x0C, 0x00, 0x01, 0x02, 0x00, 0x00, 0x00, 0x0C,
              0x00, 0xD4});
}

void TPrintWp::SetFontSize(bool on, int sizeCode) {
  if (on == FFontSizeState) return;
  FFontSizeState = on;
  if (on) FFontSizeCode = static_cast<std::uint8_t>(sizeCode);
  SetAttribute(on, FFontSizeCode);
}

void TPrintWp::SetJustification(int mode) {
  if (mode == FJustificationState) return;
  FJustificationState = static_cast<std::int8_t>(mode);
  WriteCodes({0xD3, 0x05, 0x0B, 0x00, 0x00, 0x01, 0x00, static_cast<std::uint8_t>(mode), 0x0B, 0x00, 0xD3});
}

void TPrintWp::SetItalic(bool on) {
  if (on == FItalicState) return;
  FItalicState = on;
  SetAttribute(on, wp::AttributeItalic);
}

void TPrintWp::SetBold(bool on) {
  if (on == FBoldState) return;
  FBoldState = on;
  SetAttribute(on, wp::AttributeBold);
}

void TPrintWp::SetColor(int index) {
  // Only the four colours of the table are used; another index writes nothing.
  if (index == FColorState || index < 0 || index >= static_cast<int>(Colors.size())) return;
  FColorState = index;
  const Rgb& c = Colors[static_cast<std::size_t>(index)];
  WriteCodes({0xD4, 0x18, 0x0D, 0x00, 0x00, 0x03, 0x00, c.r, c.g, c.b, 0x0D, 0x00, 0xD4});
}

void TPrintWp::SetSuperscript(bool on) {
  if (on == FSuperscriptState) return;
  FSuperscriptState = on;
  SetAttribute(on, wp::AttributeSuperscript);
}

void TPrintWp::WriteText(std::string_view text, int spaceKind, bool italic) {
  if (italic) SetItalic(true);
  std::string bytes(text);
  if (spaceKind != 0) {
    const char space = spaceKind == 2 ? wp::HardSpace : wp::SoftSpace;
    for (char& c : bytes)
      if (c == ' ') c = space;
  }
  WriteBytes(bytes);
  if (italic) SetItalic(false);
}

int TPrintWp::WriteHeaderFooter(OutputFile* handle, std::string_view text, int kind) {
  BeginOutput(handle);
  SetColor(2);
  SetBold(true);
  // Double-sided printing puts odd pages' texts on the right, even pages' on the left.
  const bool oddPage = kind == wp::OddHeader || kind == wp::OddFooter;
  const int alignment = !Options().oddEvenHeaders ? wp::JustifyCentre
                        : oddPage                ? wp::JustifyRight
                                                 : wp::JustifyLeft;
  if (kind == wp::OddHeader || kind == wp::EvenHeader) {
    SetFontSize(true, 0);
    SetJustification(alignment);
    if (WordCompatible()) {
      WriteText(text, 2, false);
      SetFontSize(false, 0);
    } else {
      WriteText(std::string(text) + " ", 2, false);
      WritePageNumberCode(PageNumberHeader);
      SetFontSize(false, 0);
      WritePageNumberCode(PageNumberHeaderEnd);
    }
  } else if (kind == wp::OddFooter || kind == wp::EvenFooter) {
    SetFontSize(true, 1);
    SetJustification(alignment);
    WritePageNumberCode(PageNumberFooter);
    SetFontSize(false, 1);
    WritePageNumberCode(PageNumberFooterEnd);
  }
  SetBold(false);
  SetColor(0);
  return EndOutput();
}

}  // namespace publish
