#include "PrintFormat.h"

#include <algorithm>

namespace platform {
namespace {

// Bytes a text file holds besides printable ones: tab, line ends, form feed
// and escape. Bytes from 0x80 up belong to UTF-8 or 8-bit text.
bool TextByte(unsigned char byte) {
  return byte >= 0x20 || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' || byte == '\r' ||
         byte == 0x1B;
}

}  // namespace

PrintFormat DetectPrintFormat(std::string_view head) {
  using namespace std::string_view_literals;
  if (head.starts_with("%PDF-")) return PrintFormat::Pdf;
  if (head.starts_with("%!")) return PrintFormat::PostScript;
  if (head.starts_with("{\\rtf")) return PrintFormat::Rtf;
  if (head.starts_with("\xFFWPC"sv)) return PrintFormat::WordPerfect;
  if (head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv)) return PrintFormat::Word;
  if (std::all_of(head.begin(), head.end(), [](char c) { return TextByte(static_cast<unsigned char>(c)); }))
    return PrintFormat::Text;
  return PrintFormat::Unknown;
}

std::string_view PrintFormatName(PrintFormat format) {
  switch (format) {
    case PrintFormat::Text: return "text";
    case PrintFormat::Pdf: return "PDF";
    case PrintFormat::PostScript: return "PostScript";
    case PrintFormat::Rtf: return "RTF";
    case PrintFormat::WordPerfect: return "WordPerfect";
    case PrintFormat::Word: return "Word";
    case PrintFormat::Unknown: break;
  }
  return "unknown";
}

PrintProgram PrintProgramFor(PrintFormat format) {
  switch (format) {
    case PrintFormat::Text:
    case PrintFormat::Pdf:
    case PrintFormat::PostScript:
      return {"lp", {}, "the print system's client (Debian package \"cups-client\")"};
    case PrintFormat::Rtf:
    case PrintFormat::WordPerfect:
    case PrintFormat::Word:
      return {"soffice", {"--headless", "-p"}, "LibreOffice (Debian package \"libreoffice-writer\")"};
    case PrintFormat::Unknown: break;
  }
  return {};
}

}  // namespace platform
