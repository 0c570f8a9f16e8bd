// The main window's tool-bar criteria and the search tokens in them, with
// the conditions built from them and the search run over the small text.
//
// Input: a byte of settings (bit 0 "All Words", the rest the search word
// span), then the criteria as typed.
//
// Properties: a Strong's number is read only from a letter and the digits of
// a number from 1 to 32,767, and its token classifies so; criteria of more
// than fourteen words are refused with the warning and leave the conditions
// alone; each condition lists only words the text holds or valid numbers, and
// marks no word when it lists none; the search reports no verse without an
// active condition and counts every verse it lists.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzConditions.h"
#include "FuzzInput.h"
#include "FuzzText.h"
#include "engine/SearchTokens.h"
#include "platform/StringList.h"
#include "search/ConditionSet.h"
#include "search/ProximitySearch.h"
#include "search/ToolbarCriteria.h"

namespace {

using search::ConditionCount;

// The number a token's digits spell, without limit: what StrongsNumberOf
// must agree with.
std::optional<std::uint32_t> DigitsAfterLetter(std::string_view token) {
  if (token.size() < 2 || token.size() > 12) return std::nullopt;
  std::uint64_t number = 0;
  for (const char c : token.substr(1)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (number == 0 || number > 32767) return std::nullopt;
  return static_cast<std::uint32_t>(number);
}

void CheckToken(std::string_view token) {
  const std::optional<std::uint16_t> number = engine::StrongsNumberOf(token);
  const std::optional<std::uint32_t> expected = DigitsAfterLetter(token);
  if (token.size() <= 12) FUZZ_CHECK(number.has_value() == expected.has_value());
  if (number && expected) FUZZ_CHECK(*number == *expected);
  const char kind = engine::ClassifyToken(token);
  const bool letter = !token.empty() && (token[0] == 'H' || token[0] == 'h' || token[0] == 'G' || token[0] == 'g');
  FUZZ_CHECK(kind == (letter && number ? static_cast<char>(token[0] & 0x5F) : 'E'));
  const std::optional<engine::TokenValue> value = engine::ParseToken(kind, token);
  if (kind != 'E') FUZZ_CHECK(value && value->Number == *number);
}

void CheckConditions(const search::ConditionSet& conditions) {
  for (int n = 1; n <= ConditionCount; ++n) {
    for (const std::string& word : conditions[n].WordList) {
      const char kind = engine::ClassifyToken(word);
      FUZZ_CHECK(kind != 'E' || conditions.Text().WordKey(word) != 0);
    }
  }
  fuzz::CheckMarksOfWordLists(conditions);
}

void CheckSearch(const search::ConditionSet& conditions, int span) {
  const search::SearchResult result = search::RunSearch(conditions, 0, span);
  if (!conditions.AnyActive()) FUZZ_CHECK(result.Verses == 0);
  int listed = 0;
  for (const search::ResultBook& book : result.Books)
    for (const search::ResultChapter& chapter : book.Chapters) listed += static_cast<int>(chapter.Verses.size());
  FUZZ_CHECK(listed == result.Verses);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  fuzz::LoadedText& text = fuzz::LoadedText::Get();
  const bool allWords = data[0] & 1;
  const int span = data[0] >> 1;
  const std::string_view criteria = fuzz::AsText(std::span(data + 1, size - 1));

  platform::TStringList tokens;
  tokens.SetCommaText(criteria);
  for (const std::string& token : tokens) CheckToken(token);

  search::ConditionSet conditions;
  conditions.Reset();
  conditions.UseSummaryTexts({"love"});
  conditions.ParseConditionText(0);
  text.Dialogs().Clear();
  const std::optional<std::vector<std::string>> texts = search::ToolbarConditionTexts(criteria, allWords);
  if (!texts) {
    FUZZ_CHECK(allWords && text.Dialogs().Shown().size() == 1);
    FUZZ_CHECK(text.Dialogs().Shown()[0].text == search::TooManyWordsMessage);
    FUZZ_CHECK(conditions[1].WordList.Items() == std::vector<std::string>{"love"});
  } else {
    FUZZ_CHECK(texts->size() <= static_cast<std::size_t>(ConditionCount));
    conditions.UseSummaryTexts(*texts);
    conditions.ParseConditionText(0);
  }
  CheckConditions(conditions);
  CheckSearch(conditions, span);
  text.Dialogs().Clear();
  return 0;
}
