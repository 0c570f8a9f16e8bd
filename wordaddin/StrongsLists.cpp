#include "StrongsLists.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "EngineLibrary.h"
#include "engine/SearchTokens.h"
#include "ixoObject.h"

namespace wordaddin {
namespace {

// The numbers of one list of the Strong's table: a count, then the numbers.
std::span<const std::uint16_t> Numbers(const std::uint16_t* list) {
  return list ? std::span<const std::uint16_t>(list + 1, list[0]) : std::span<const std::uint16_t>();
}

void AddTokens(char letter, const std::uint16_t* list, platform::TStringList& tokens) {
  for (const std::uint16_t number : Numbers(list)) tokens.Add(letter + std::to_string(number));
}

}  // namespace

void StrongsNumbersForWord(const TixoEngine& engine, std::string_view word, platform::TStringList& list) {
  if (word.empty()) return;
  if (engine::ClassifyToken(word) != 'E') {
    list.Add(word);
    return;
  }
  // Every spelling of the word; keys run 1 to the key maximum.
  const std::span<const TStrongsEntry> table = engine.StrongsTable();
  for (const std::uint16_t key : engine.KeysForWord(word)) {
    if (key > table.size()) continue;
    const TStrongsEntry& entry = table[key - 1];
    AddTokens('H', entry.Hebrew, list);
    AddTokens('G', entry.Greek, list);
  }
}

platform::TStringList StrongsNumbersForWord(const TixoEngine& engine, std::string_view word) {
  platform::TStringList list = platform::TStringList::SortedUnique();
  StrongsNumbersForWord(engine, word, list);
  return list;
}

void WordsForStrongsNumber(const TixoEngine& engine, std::string_view token, platform::TStringList& list) {
  const char kind = token.empty() ? 'E' : engine::ClassifyToken(token);
  const std::optional<std::uint16_t> number = engine::StrongsNumberOf(token);
  if (kind == 'E' || !number) return;
  const std::span<const TStrongsEntry> table = engine.StrongsTable();
  for (std::size_t index = 0; index < table.size(); ++index) {
    const std::span<const std::uint16_t> numbers = Numbers(kind == 'H' ? table[index].Hebrew : table[index].Greek);
    if (std::ranges::find(numbers, *number) == numbers.end()) continue;
    const std::string word = engine.WordText(static_cast<std::uint16_t>(index + 1));
    if (!word.empty()) list.Add(word);
  }
}

platform::TStringList WordsForStrongsNumber(const TixoEngine& engine, std::string_view token) {
  platform::TStringList list = platform::TStringList::SortedUnique();
  WordsForStrongsNumber(engine, token, list);
  return list;
}

}  // namespace wordaddin
