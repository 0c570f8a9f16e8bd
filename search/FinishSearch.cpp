#include "FinishSearch.h"

#include "ConditionSet.h"
#include "StudyFile.h"
#include "engine/ixoObject.h"
#include "publish/StyleSheet.h"

namespace search {

std::string HistoryFolder() { return engine::Engine().UserDataDir + "History/"; }

std::string FinishSearch(const ConditionSet& conditions, const Clock& clock) {
  const std::string history = HistoryFolder();
  const std::string file = MakeHistoryFileName(history, StudyExtension, clock);
  const bool saved = SaveStudy(file, conditions, engine::Engine().Sensitivity, history);
  publish::WriteStyleSheet(&conditions);
  return saved ? file : std::string();
}

}  // namespace search
