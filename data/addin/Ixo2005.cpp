// The engine library "Ixo2005.kjv" that the word-processor add-in loads: its
// seven entry points over the tables generated from the edition. Texts it
// returns stay valid until the next call of the same entry point.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/WordLetters.h"
#include "data/addin/Ixo2005Tables.h"

namespace {

// The word of a key number from 1 to the key maximum, else null.
const char* StoredWord(std::uint16_t number) {
  return number >= 1 && number <= ixo2005::KeyMax ? ixo2005::Words[number - 1] : nullptr;
}

// Key numbers by lookup form; of two words that differ only in hyphens the
// first in key order wins.
const std::unordered_map<std::string, std::uint16_t>& KeysByWord() {
  static const std::unordered_map<std::string, std::uint16_t> keys = [] {
    std::unordered_map<std::string, std::uint16_t> byWord;
    for (std::uint16_t number = 1; number <= ixo2005::KeyMax; ++number)
      byWord.emplace(ixo::LookupForm(StoredWord(number)), number);
    return byWord;
  }();
  return keys;
}

}  // namespace

#define IXO2005_EXPORT extern "C" __attribute__((visibility("default")))

IXO2005_EXPORT const wordaddin::TBookMatchRec* GetBookMatch() { return ixo2005::Books; }

IXO2005_EXPORT std::uint16_t engWordKey(const char* word) {
  if (!word) return 0;
  const auto& keys = KeysByWord();
  const auto found = keys.find(ixo::LookupForm(word));
  return found == keys.end() ? 0 : found->second;
}

IXO2005_EXPORT const char* engWordChr(std::int32_t key) {
  const char* word = StoredWord(ixo::KeyNumber(static_cast<std::uint16_t>(key)));
  return word ? word : "";
}

IXO2005_EXPORT const char* engWordCase(const ixo::IxoWritten* record) {
  static std::string display;
  display.clear();
  const char* word = record ? StoredWord(ixo::KeyNumber(record->key)) : nullptr;
  if (!word) return "";
  display = word;
  ixo::ApplyKeyCase(record->key, display);
  return display.c_str();
}

IXO2005_EXPORT const char* engWordPunc(const ixo::IxoWritten* record) {
  // By the punctuation code in the top three bits of the flags.
  static constexpr std::array<const char*, 8> marks{"", ";", ",", ":", "!", "--;", "?", "."};
  return record ? marks[ixo::PunctuationOf(record->flags) >> 5] : "";
}

IXO2005_EXPORT const wordaddin::TStrongsEntry* engGetStrongsObject() { return ixo2005::Strongs; }

IXO2005_EXPORT std::uint16_t engGetKeyMax() { return ixo2005::KeyMax; }
