#include "FinishSearch.h"

#include "ConditionSet.h"
#include "DesktopText.h"
#include "StudyFile.h"
#include "publish/StyleSheet.h"

namespace search {

std::string HistoryFolder() { return DesktopText().HistoryFolder(); }

std::string FinishSearch(const ConditionSet& conditions, const Clock& clock) {
  const SearchText& text = conditions.Text();
  const std::string history = text.HistoryFolder();
  const std::string file = MakeHistoryFileName(history, StudyExtension, clock);
  const bool saved = SaveStudy(file, conditions, text.Sensitivity(), history);
  publish::WriteStyleSheet(&conditions);
  return saved ? file : std::string();
}

}  // namespace search
