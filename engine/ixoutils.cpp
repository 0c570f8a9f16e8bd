#include "ixoutils.h"

#include <algorithm>
#include <array>
#include <charconv>
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

// Calls visit(wordNumber, keyNumber) for the words, by ascending word number,
// that carry number in the slots the letter (either case) looks at; for none
// when the letter is not H or G.
template <typename Visit>
void VisitWordsOfStrongs(std::uint16_t number, char letter, Visit visit) {
  letter = letter == 'h' ? 'H' : letter == 'g' ? 'G' : letter;
  if (letter != 'H' && letter != 'G') return;
  const bool greek = letter == 'G';
  const TextIndex& index = Engine().WordIndex();
  const std::span<const std::uint32_t> words = index.WordsWithStrongs(greek, number);
  const std::span<const StrongsPlace> places = index.PlacesOfStrongs(greek, number);
  for (std::size_t i = 0; i < words.size(); ++i)
    if (greek || places[i].Slot() < HebrewSlots) visit(words[i], places[i].Key());
}

constexpr std::size_t KeyNumbers = ixo::KeyNumberMask + 1;

// The key numbers of those words, once each, ascending, in the first entries
// of found. A frequent number has thousands of words but a few hundred keys:
// the keys are gathered once each, and only those are sorted.
std::span<const std::uint16_t> KeysOfStrongsNumber(std::uint16_t number, char letter,
                                                   std::array<std::uint16_t, KeyNumbers>& found) {
  std::array<std::uint64_t, KeyNumbers / 64> seen{};  // a bit per key number
  std::size_t count = 0;
  std::uint16_t last = 0;  // neighbouring words often have one key
  VisitWordsOfStrongs(number, letter, [&](std::uint32_t, std::uint16_t key) {
    if (key == last) return;
    last = key;
    std::uint64_t& bits = seen[key / 64];
    const std::uint64_t bit = std::uint64_t{1} << (key % 64);
    if (bits & bit) return;
    bits |= bit;
    found[count++] = key;
  });
  const std::span<std::uint16_t> keys = std::span(found).first(count);
  std::ranges::sort(keys);
  return keys;
}

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

  std::array<std::uint16_t, KeyNumbers> found;  // the first of them are set
  list.AddAll(Engine().English.KeysToWords(KeysOfStrongsNumber(*number, token[0], found)));
}

void LemmaTagsForStrongsNumber(std::uint16_t number, char letter, platform::TStringList& list) {
  TextIndex& index = Engine().WordIndex();
  std::vector<std::pair<std::uint16_t, LemmaVariant>> found;
  VisitWordsOfStrongs(number, letter, [&](std::uint32_t wordNumber, std::uint16_t key) {
    LemmaVariant variant;
    const ixo::TLemmaRec& lemma = *index.Lemma(index.BookOfWord(wordNumber), wordNumber);
    for (int slot = 0; slot < ixo::LemmaSlotCount && ixo::LemmaNumber(lemma.slots[slot]) != 0; ++slot)
      variant.slots[slot] = lemma.slots[slot];
    found.emplace_back(key, variant);
  });
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
