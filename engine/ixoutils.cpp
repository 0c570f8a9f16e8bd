#include "ixoutils.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

#include "SearchTokens.h"
#include "TextIndex.h"
#include "core/WordList.h"
#include "ixoObject.h"
#include "platform/ShellFolders.h"
#include "platform/TextUtils.h"

namespace engine {
namespace {

// Hebrew numbers are looked for in the first three lemma slots, as a Hebrew
// tag reads at most three.
constexpr int HebrewSlots = 3;

// Appends a number in decimal, without the string std::to_string would make.
void AppendNumber(std::string& text, std::uint16_t number) {
  std::array<char, 5> digits{};
  const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
  text.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

// The word of a key as the tags carry it.
std::string TagWord(std::uint16_t key) { return platform::LowerCase(Engine().English.KeyToWord(key)); }

// Whether a number's letter (either case) is that of the Greek numbers;
// none when it is neither H nor G.
std::optional<bool> IsGreekLetter(char letter) {
  if (letter == 'H' || letter == 'h') return false;
  if (letter == 'G' || letter == 'g') return true;
  return std::nullopt;
}

// How many of a lemma record's slots the numbers of a language are looked for in.
int SlotsOf(bool greek) { return greek ? ixo::LemmaSlotCount : HebrewSlots; }

}  // namespace

// ---- letters of the stored word list ----------------------------------------

bool CompareEnglishWord(std::string_view input, const std::uint8_t* stored, int len) {
  // Hyphens before the first letter are skipped too.
  return ixo::SameLetters(ixo::WithoutLeadingHyphens(input), std::span(stored, static_cast<std::size_t>(len)));
}

std::string DecodeEnglishWord(const std::uint8_t* words, int index, int len) {
  return ixo::WrittenWord(std::span(words + static_cast<std::size_t>(index) * len, static_cast<std::size_t>(len)));
}

// ---- the engine's word list ---------------------------------------------------

std::uint16_t EnglishWordToKey(std::string_view word) { return Engine().English.WordToKey(word); }
std::vector<std::uint16_t> KeysForWord(std::string_view word) { return Engine().English.KeysForWord(word); }
std::string KeyToEnglishWord(std::uint16_t key) { return Engine().English.KeyToWord(key); }
std::string KeyToDisplayWord(std::uint16_t key) { return Engine().English.KeyToDisplayWord(key); }

// ---- lemma tags ---------------------------------------------------------------

std::string MakeLemmaTag(std::string_view word, const ixo::TLemmaRec* lemma) {
  std::string tag(word);
  if (!lemma || ixo::LemmaNumber(lemma->slots[0]) == 0) return tag + "_E";
  const bool greek = ixo::LemmaIsGreek(lemma->slots[0]);
  const int slots = greek ? ixo::LemmaSlotCount : HebrewSlots;
  tag += greek ? "_G" : "_H";
  AppendNumber(tag, ixo::LemmaNumber(lemma->slots[0]));
  for (int slot = 1; slot < slots; ++slot) {
    const std::uint16_t number = ixo::LemmaNumber(lemma->slots[slot]);
    if (number == 0) break;
    tag += '_';
    AppendNumber(tag, number);
  }
  return tag;
}

// ---- words and Strong's numbers -------------------------------------------------

void LemmaTagsForWord(std::string_view word, platform::TStringList& list) {
  std::vector<std::string> tags;
  for (const std::uint16_t key : KeysForWord(word)) {
    const std::string stored = TagWord(key);
    for (const LemmaVariant& variant : Engine().WordIndex().LemmaVariantsOfKey(key)) {
      const ixo::TLemmaRec lemma{{variant.slots[0], variant.slots[1], variant.slots[2], variant.slots[3]}};
      tags.push_back(MakeLemmaTag(stored, &lemma));
    }
  }
  list.AddAll(std::move(tags));
}

void StrongsNumbersForWord(std::string_view word, platform::TStringList& list) {
  std::vector<std::string> entries;
  for (const std::uint16_t key : KeysForWord(word)) {
    for (const LemmaVariant& variant : Engine().WordIndex().LemmaVariantsOfKey(key)) {
      for (std::uint16_t slot : variant.slots) {
        if (slot == 0) break;
        std::string& entry = entries.emplace_back(1, variant.greekBook ? 'G' : 'H');
        AppendNumber(entry, ixo::LemmaNumber(slot));
      }
    }
  }
  list.AddAll(std::move(entries));
}

void WordsForStrongsNumber(std::string_view token, platform::TStringList& list) {
  if (token.empty()) return;
  const std::optional<std::uint16_t> number = StrongsNumberOf(token);
  if (!number) return;

  const std::optional<bool> greek = IsGreekLetter(token[0]);
  if (!greek) return;
  std::array<std::uint16_t, KeyNumberCount> found;  // the first of them are set
  const std::span<const std::uint16_t> keys =
      Engine().WordIndex().KeysWithStrongs(*greek, *number, SlotsOf(*greek), found);
  list.AddAll(Engine().English.KeysToWords(keys));
}

void LemmaTagsForStrongsNumber(std::uint16_t number, char letter, platform::TStringList& list) {
  const std::optional<bool> greek = IsGreekLetter(letter);
  if (!greek) return;
  const TextIndex& index = Engine().WordIndex();
  const std::span<const std::uint32_t> words = index.WordsWithStrongs(*greek, number);
  const std::span<const StrongsPlace> places = index.PlacesOfStrongs(*greek, number);
  std::vector<std::pair<std::uint16_t, LemmaVariant>> found;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (places[i].Slot() >= SlotsOf(*greek)) continue;
    LemmaVariant variant;
    const ixo::TLemmaRec& lemma = *index.Lemma(index.BookOfWord(words[i]), words[i]);
    for (int slot = 0; slot < ixo::LemmaSlotCount && ixo::LemmaNumber(lemma.slots[slot]) != 0; ++slot)
      variant.slots[slot] = lemma.slots[slot];
    found.emplace_back(places[i].Key(), variant);
  }
  std::ranges::sort(found);
  found.erase(std::unique(found.begin(), found.end()), found.end());
  for (const auto& [key, variant] : found) {
    const std::string word = TagWord(key);
    if (word.empty()) continue;
    const ixo::TLemmaRec lemma{{variant.slots[0], variant.slots[1], variant.slots[2], variant.slots[3]}};
    list.Add(MakeLemmaTag(word, &lemma));
  }
}

platform::TStringList LemmaTagsForWord(std::string_view word) {
  platform::TStringList list = platform::TStringList::SortedUnique();
  LemmaTagsForWord(word, list);
  return list;
}

platform::TStringList StrongsNumbersForWord(std::string_view word) {
  platform::TStringList list = platform::TStringList::SortedUnique();
  StrongsNumbersForWord(word, list);
  return list;
}

platform::TStringList WordsForStrongsNumber(std::string_view token) {
  platform::TStringList list = platform::TStringList::SortedUnique();
  WordsForStrongsNumber(token, list);
  return list;
}

platform::TStringList LemmaTagsForStrongsNumber(std::uint16_t number, char letter) {
  platform::TStringList list = platform::TStringList::SortedUnique();
  LemmaTagsForStrongsNumber(number, letter, list);
  return list;
}

// ---- per-user data --------------------------------------------------------------

std::string GetUserDataPath(std::string_view sub, std::string_view file) {
  std::string path = platform::ApplicationDataFolder() + "/Ixo Bible/";
  if (!sub.empty()) (path += sub) += '/';
  if (!file.empty()) path += file;
  return path;
}

}  // namespace engine
