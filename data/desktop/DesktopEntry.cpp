#include "data/desktop/DesktopEntry.h"

namespace data {
namespace {

// The program as the Exec key holds it: quoted when it has a character the
// key reserves, with '"', '`', '$' and '\' escaped inside the quotes; then,
// as in every string value, each backslash doubled. A '%' is written twice.
std::string ExecArgument(std::string_view program) {
  constexpr std::string_view reserved = " \t\"'\\><~|&;$*?#()`";
  const bool quoted = program.find_first_of(reserved) != std::string_view::npos;
  std::string argument = quoted ? "\"" : "";
  for (const char c : program) {
    if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += '\\';
    argument += c;
  }
  if (quoted) argument += '"';
  std::string value;
  for (const char c : argument) {
    if (c == '\\' || c == '%') value += c;
    value += c;
  }
  return value;
}

}  // namespace

std::optional<std::string> DesktopEntry(std::string_view program) {
  if (program.empty() || program.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Ixo Bible\n"
         "GenericName=Bible Study\n"
         "Comment=Read the King James Bible and study its words with their Strong's numbers\n"
         "Icon=" + std::string(IconName) + "\n"
         "Exec=" + ExecArgument(program) + "\n"
         "Terminal=false\n"
         "Categories=Education;\n"
         "Keywords=Bible;KJV;Strong's;Scripture;\n";
}

}  // namespace data
