#include "data/addin/LibraryTables.h"

#include <cstdio>
#include <string_view>

#include "engine/BookNameTable.h"

namespace data {
namespace {

// A C++ string literal of the text; anything but letters, digits and plain
// punctuation is written as an octal escape.
std::string Literal(std::string_view text) {
  std::string literal = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\' && c != '?') {
      literal += c;
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", byte);
      literal += escape;
    }
  }
  return literal + "\"";
}

// The lists of every key, one after the other (count, then the numbers), with
// the offset of each key's Hebrew and Greek list; -1 where a key has none.
struct FlatLists {
  std::string numbers;
  std::vector<std::array<long, 2>> offsets;
};

FlatLists Flatten(const AddinData& data) {
  FlatLists flat;
  long next = 0;
  for (const auto& lists : data.strongs) {
    std::array<long, 2> offsets{-1, -1};
    for (std::size_t language = 0; language < lists.size(); ++language) {
      const std::vector<std::uint16_t>& list = lists[language];
      if (list.empty()) continue;
      offsets[language] = next;
      flat.numbers.append("  ").append(std::to_string(list.size())).append(",");
      for (const std::uint16_t number : list) flat.numbers.append(" ").append(std::to_string(number)).append(",");
      flat.numbers += "\n";
      next += static_cast<long>(list.size()) + 1;
    }
    flat.offsets.push_back(offsets);
  }
  if (flat.numbers.empty()) flat.numbers = "  0,\n";
  return flat;
}

std::string ListPointer(long offset) { return offset < 0 ? "nullptr" : "Lists + " + std::to_string(offset); }

}  // namespace

std::string LibraryTablesSource(const AddinData& data) {
  std::string source =
      "// Generated from the edition by ixoaddindata when the engine library is built.\n"
      "#include \"data/addin/Ixo2005Tables.h\"\n\n"
      "namespace ixo2005 {\n"
      "namespace {\n\n"
      "const std::uint16_t Lists[] = {\n";
  const FlatLists flat = Flatten(data);
  source += flat.numbers + "};\n\n}  // namespace\n\n";

  source += "const std::uint16_t KeyMax = " + std::to_string(data.words.size()) + ";\n\n";

  source += "const char* const Words[] = {\n";
  for (const std::string& word : data.words) source += "  " + Literal(word) + ",\n";
  source += "  \"\",\n};\n\n";

  source += "const wordaddin::TBookMatchRec Books[ixo::BookCount] = {\n";
  for (int book = 1; book <= ixo::BookCount; ++book) {
    const engine::TBookNameRec& names = engine::BookNameTable[book];
    source += "  {" + Literal(names.Abbrev.substr(0, 7)) + ", " + std::to_string(names.AbbrevLen) + ", " +
              Literal(names.AltAbbrev.substr(0, 7)) + ", " + std::to_string(names.AltAbbrevLen) + ", " +
              Literal(names.Name) + "},\n";
  }
  source += "};\n\n";

  source += "const wordaddin::TStrongsEntry Strongs[] = {\n";
  for (const auto& [hebrew, greek] : flat.offsets)
    source += "  {" + ListPointer(hebrew) + ", " + ListPointer(greek) + "},\n";
  source += "  {nullptr, nullptr},\n};\n\n}  // namespace ixo2005\n";
  return source;
}

}  // namespace data
