#include "DocumentRtf.h"

#include <cstdint>
#include <string>

#include "HostColors.h"
#include "HostDocument.h"

namespace wordhost {
namespace {

std::string ColorTable() {
  std::string table = "{\\colortbl;";  // entry 0: automatic
  for (int index = 1; index <= kLastColorIndex; ++index) {
    const Rgb rgb = *PaletteColor(index);
    table += "\\red" + std::to_string(rgb.red) + "\\green" + std::to_string(rgb.green) + "\\blue" +
             std::to_string(rgb.blue) + ";";
  }
  return table + "}";
}

// Decodes one UTF-8 sequence at text[i], advancing i; a malformed byte stands
// for itself, and the bytes after it are read afresh.
char32_t NextCodePoint(const std::string& text, std::size_t& i) {
  const std::size_t start = i;
  const auto lead = static_cast<unsigned char>(text[i++]);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      i = start + 1;
      return lead;
    }
    code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return code;
}

// One UTF-16 unit as RTF's \u: signed 16-bit, with "?" for readers that do
// not know \u.
std::string UnicodeUnit(char16_t unit) {
  return "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
}

std::string EscapedText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t code = NextCodePoint(text, i);
    if (code == '\\' || code == '{' || code == '}') {
      out += '\\';
      out += static_cast<char>(code);
    } else if (code == '\t') {
      out += "\\tab ";
    } else if (code >= 0x20 && code < 0x80) {
      out += static_cast<char>(code);
    } else if (code >= 0x80 && code <= 0xFFFF) {
      out += UnicodeUnit(static_cast<char16_t>(code));
    } else if (code > 0xFFFF && code <= 0x10FFFF) {
      // Beyond the 16 bits of \u: the two units of its UTF-16 surrogate pair.
      const char32_t offset = code - 0x10000;
      out += UnicodeUnit(static_cast<char16_t>(0xD800 + (offset >> 10)));
      out += UnicodeUnit(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    } else {
      out += '?';
    }
  }
  return out;
}

std::string FormatControls(const CharacterFormat& format) {
  std::string controls;
  if (format.bold) controls += "\\b";
  if (format.italic) controls += "\\i";
  if (format.superscript) controls += "\\super";
  if (format.color != 0) controls += "\\cf" + std::to_string(format.color);
  return controls;
}

}  // namespace

std::string DocumentRtf(const HostDocument& document) {
  std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}" + ColorTable() + "\n";
  const auto& paragraphs = document.Paragraphs();
  for (std::size_t p = 0; p < paragraphs.size(); ++p) {
    rtf += "\\pard\\plain\\f0\\fs24 ";
    for (const Run& run : paragraphs[p].runs) {
      const std::string controls = FormatControls(run.format);
      rtf += controls.empty() ? EscapedText(run.text) : "{" + controls + " " + EscapedText(run.text) + "}";
    }
    rtf += p + 1 < paragraphs.size() ? "\\par\n" : "\n";
  }
  return rtf + "}\n";
}

}  // namespace wordhost
