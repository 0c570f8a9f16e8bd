#include "publish/BookNames.h"

#include <array>

#include "engine/BookNameTable.h"

namespace publish {
namespace {

std::array<BookNameKey, ixo::BookCount> KeysOfTheEngineTable() {
  std::array<BookNameKey, ixo::BookCount> keys;
  for (int book = 1; book <= ixo::BookCount; ++book) {
    const engine::TBookNameRec& names = engine::BookNameTable[book];
    keys[book - 1] = BookNameKey{names.Name, names.Abbrev.substr(0, names.AbbrevLen),
                                 names.AltAbbrev.substr(0, names.AltAbbrevLen)};
  }
  return keys;
}

}  // namespace

std::span<const BookNameKey> EngineBookNames() {
  static const std::array<BookNameKey, ixo::BookCount> keys = KeysOfTheEngineTable();
  return keys;
}

int FindBookByName(std::string_view name) { return FindBookByName(name, EngineBookNames()); }

}  // namespace publish
