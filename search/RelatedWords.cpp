#include "RelatedWords.h"

#include <optional>
#include <set>
#include <string>

#include "SearchCondition.h"
#include "engine/SearchTokens.h"
#include "engine/TextIndex.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"

namespace search {

platform::TStringList SynonymList(const platform::TStringList& strongsList) {
  platform::TStringList words = platform::TStringList::SortedUnique();
  SynonymList(strongsList, words);
  return words;
}

void SynonymList(const platform::TStringList& strongsList, platform::TStringList& words) {
  const engine::TextIndex& index = engine::Engine().WordIndex();
  std::set<std::uint16_t> keys;
  for (const std::string& entry : strongsList) {
    if (entry.empty() || (entry[0] != 'H' && entry[0] != 'G')) continue;
    const std::optional<std::uint16_t> number = engine::StrongsNumberOf(entry);
    if (!number) continue;
    // Every lemma slot counts, in the books of the number's language.
    for (const std::uint32_t wordNumber : index.WordsWithStrongs(entry[0] == 'G', *number))
      keys.insert(index.KeyOfWord(wordNumber));
  }
  for (const std::uint16_t key : keys) {
    const std::string word = engine::KeyToEnglishWord(key);
    if (!word.empty()) words.Add(word);
  }
}

void ListNumbersOfWord(TSearchCondition& condition, std::string_view word, bool related, const SearchText& text) {
  const platform::TStringList tokens = text.StrongsNumbersForWord(word);
  condition.HebrList.Clear();
  condition.GreeList.Clear();
  if (related) condition.SynoList.Clear();
  for (const std::string& token : tokens) {
    if (token.empty()) continue;
    const char letter = token[0];
    if (letter == 'H' || letter == 'h')
      condition.HebrList.Add(token.substr(1));
    else if (letter == 'G' || letter == 'g')
      condition.GreeList.Add(token.substr(1));
  }
  if (related)
    for (const std::string& synonym : text.RelatedWords(tokens)) condition.SynoList.Add(synonym);
}

void ListWordsOfNumber(TSearchCondition& condition, char letter, std::string_view number, const SearchText& text) {
  condition.SynoList.Clear();
  std::string token(1, letter);
  token += number;
  for (const std::string& word : text.WordsForStrongsNumber(token)) condition.SynoList.Add(word);
}

}  // namespace search
