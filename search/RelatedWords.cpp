#include "RelatedWords.h"

#include <string>

#include "SearchCondition.h"

namespace search {

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
