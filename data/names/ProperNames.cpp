#include "data/names/ProperNames.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

#include "platform/TextUtils.h"

namespace data::names {
namespace {

struct NumberKey {
  char language = 'H';
  int number = 0;
  auto operator<=>(const NumberKey&) const = default;
};

// How the text writes one word with one number.
struct Writing {
  int lowerCase = 0;         // "lot"
  int firstCapitalOnly = 0;  // "Lot"
};

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsLetter(char c) { return IsUpper(c) || IsLower(c); }

int LetterCount(std::string_view word) {
  return static_cast<int>(std::count_if(word.begin(), word.end(), IsLetter));
}

// The word with its first letter a capital and the others small.
std::string FirstCapital(std::string_view lower) {
  std::string word(lower);
  if (!word.empty() && IsLower(word[0])) word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

// The endings a rendering may carry beyond the name it lists: plurals and the
// gentilic ending of a people ("Ammonite(-s)" for "Ammonites").
constexpr std::array<std::string_view, 4> kEndings = {"s", "es", "ite", "ites"};

bool NamesWord(std::string_view rendering, std::string_view word) {
  if (rendering.size() > word.size() || !word.starts_with(rendering)) return false;
  const std::string_view rest = word.substr(rendering.size());
  return rest.empty() || std::find(kEndings.begin(), kEndings.end(), rest) != kEndings.end();
}

// By word, in lower case.
using Uses = std::map<std::string, std::map<NumberKey, Writing>>;

Uses WordsWithNumbers(const SourceText& text) {
  Uses uses;
  for (const SourceBook& book : text.books)
    for (const SourceChapter& chapter : book.chapters)
      for (const SourceVerse& verse : chapter.verses)
        for (const SourceWord& word : verse.words) {
          if (word.strongs.empty() || word.spelling.empty()) continue;
          const std::string lower = platform::LowerCase(word.spelling);
          const bool capital = IsUpper(word.spelling[0]);
          const bool firstOnly =
              capital && std::none_of(word.spelling.begin() + 1, word.spelling.end(), IsUpper);
          for (const std::uint16_t number : word.strongs) {
            Writing& writing = uses[lower][NumberKey{book.greek ? 'G' : 'H', number}];
            if (!capital) ++writing.lowerCase;
            if (firstOnly) ++writing.firstCapitalOnly;
          }
        }
  return uses;
}

class CachedDictionary {
 public:
  explicit CachedDictionary(const DictionaryLookup& lookup) : lookup_(lookup) {}

  const std::optional<DictionaryEntry>& Entry(NumberKey key) {
    auto found = entries_.find(key);
    if (found == entries_.end()) found = entries_.emplace(key, lookup_(key.language, key.number)).first;
    return found->second;
  }

 private:
  const DictionaryLookup& lookup_;
  std::map<NumberKey, std::optional<DictionaryEntry>> entries_;
};

// Titles and forms of address the text writes with a capital, and that a
// number the dictionary renders "God, Lord, master, Sir" makes look like names.
bool IsTitle(std::string_view lowerWord) {
  static constexpr std::array<std::string_view, 4> kTitles = {"creator", "god", "lord", "sirs"};
  return std::find(kTitles.begin(), kTitles.end(), lowerWord) != kTitles.end();
}

// The renderings begin with a capital, after the markers of the dictionary:
// "X" (a word the text adds or leaves out) and "+" (a phrase).
bool BeginsWithCapital(std::string_view renderings) {
  for (;;) {
    while (renderings.starts_with(' ')) renderings.remove_prefix(1);
    if (!renderings.starts_with("X ") && !renderings.starts_with("+ ")) break;
    renderings.remove_prefix(2);
  }
  return !renderings.empty() && IsUpper(renderings.front());
}

bool IsNameNumber(std::string_view word, const Writing& writing, const std::optional<DictionaryEntry>& entry) {
  if (writing.lowerCase > 0 || writing.firstCapitalOnly == 0) return false;
  if (!entry || !BeginsWithCapital(entry->renderings)) return false;
  return RenderingsName(entry->renderings, word);
}

struct Counting {
  ProperName name;
  std::map<NumberKey, int> numbers;
  VersePlace lastCounted;
};

void CountOccurrences(const SourceText& text, std::map<std::string, Counting>& names) {
  for (std::size_t b = 0; b < text.books.size(); ++b) {
    const SourceBook& book = text.books[b];
    const char language = book.greek ? 'G' : 'H';
    for (std::size_t c = 0; c < book.chapters.size(); ++c)
      for (std::size_t v = 0; v < book.chapters[c].verses.size(); ++v)
        for (const SourceWord& word : book.chapters[c].verses[v].words) {
          if (word.strongs.empty()) continue;
          const auto found = names.find(platform::LowerCase(word.spelling));
          if (found == names.end()) continue;
          Counting& counting = found->second;
          bool counted = false;
          for (const std::uint16_t number : word.strongs) {
            const auto known = counting.numbers.find(NumberKey{language, number});
            if (known == counting.numbers.end()) continue;
            ++known->second;
            counted = true;
          }
          if (!counted) continue;
          const VersePlace place{static_cast<int>(b) + 1, static_cast<int>(c) + 1, static_cast<int>(v) + 1};
          ProperName& name = counting.name;
          if (name.occurrences++ == 0) name.first = place;
          name.last = place;
          if (place != counting.lastCounted) ++name.verses;
          counting.lastCounted = place;
        }
  }
}

}  // namespace

bool RenderingsName(std::string_view renderings, std::string_view word) {
  const std::string lowerWord = platform::LowerCase(word);
  std::size_t i = 0;
  while (i < renderings.size()) {
    while (i < renderings.size() && !IsLetter(renderings[i])) ++i;
    std::size_t end = i;
    while (end < renderings.size() && (IsLetter(renderings[end]) || renderings[end] == '-')) ++end;
    std::string_view token = renderings.substr(i, end - i);
    while (token.ends_with('-')) token.remove_suffix(1);
    if (!token.empty() && IsUpper(token.front()) && NamesWord(platform::LowerCase(token), lowerWord)) return true;
    i = end;
  }
  return false;
}

std::vector<ProperName> FindProperNames(const SourceText& text, const DictionaryLookup& lookup) {
  CachedDictionary dictionary(lookup);
  std::map<std::string, Counting> names;
  for (const auto& [word, numbers] : WordsWithNumbers(text)) {
    if (LetterCount(word) < 2 || IsTitle(word)) continue;
    for (const auto& [key, writing] : numbers) {
      const std::optional<DictionaryEntry>& entry = dictionary.Entry(key);
      if (!IsNameNumber(word, writing, entry)) continue;
      Counting& counting = names[word];
      counting.name.name = FirstCapital(word);
      counting.numbers.emplace(key, 0);
      counting.name.numbers.push_back(NameNumber{key.language, key.number, 0, *entry});
    }
  }
  CountOccurrences(text, names);

  std::vector<ProperName> result;
  for (auto& [word, counting] : names) {
    ProperName& name = counting.name;
    for (NameNumber& number : name.numbers)
      number.occurrences = counting.numbers[NumberKey{number.language, number.number}];
    std::stable_sort(name.numbers.begin(), name.numbers.end(),
                     [](const NameNumber& a, const NameNumber& b) { return a.occurrences > b.occurrences; });
    result.push_back(std::move(name));
  }
  std::sort(result.begin(), result.end(), [](const ProperName& a, const ProperName& b) {
    return platform::CompareText(a.name, b.name) < 0;
  });
  return result;
}

}  // namespace data::names
