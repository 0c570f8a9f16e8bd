#include "ToolbarCriteria.h"

#include "ConditionSet.h"
#include "platform/Dialogs.h"
#include "platform/StringList.h"
#include "platform/TextUtils.h"

namespace search {

std::optional<std::vector<std::string>> ToolbarConditionTexts(std::string_view criteria, bool allWords) {
  if (!allWords) return std::vector<std::string>{std::string(criteria)};

  platform::TStringList items;
  items.SetCommaText(criteria);
  std::vector<std::string> words;
  for (const std::string& item : items) {
    const std::string_view word = platform::TrimBlanks(item);
    if (!word.empty()) words.emplace_back(word);
  }
  if (words.size() > static_cast<std::size_t>(ConditionCount)) {
    platform::MessageDlg(TooManyWordsMessage, platform::DialogType::Warning);
    return std::nullopt;
  }
  return words;
}

}  // namespace search
