#include "publish/HtmlText.h"

namespace publish {

void AppendHtmlEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

void AppendCssIdentifier(std::string& out, std::string_view text) {
  static constexpr char hex[] = "0123456789abcdef";
  bool first = true;
  for (char c : text) {
    const bool digit = c >= '0' && c <= '9';
    // An identifier may not begin with a digit.
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (digit && !first) ||
                       c == '_' || c == '-';
    first = false;
    if (plain) {
      out += c;
    } else {
      // A hexadecimal escape ends at the blank after it.
      const auto byte = static_cast<unsigned char>(c);
      out += '\\';
      out += hex[byte >> 4];
      out += hex[byte & 0x0F];
      out += ' ';
    }
  }
}

}  // namespace publish
