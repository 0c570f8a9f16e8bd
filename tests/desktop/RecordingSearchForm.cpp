#include "RecordingSearchForm.h"

namespace desktop_testing {

std::string RecordingSearchForm::SummaryText(int condition) const {
  return condition >= 1 && condition <= ConditionCount ? texts_[condition] : std::string();
}

void RecordingSearchForm::SetSummaryText(int condition, std::string_view text) {
  if (condition >= 1 && condition <= ConditionCount) texts_[condition] = std::string(text);
}

void RecordingSearchForm::FillResultTree() {
  log_ << "FillResultTree";
  if (OnFill) OnFill(resultTree_);
}

void RecordingSearchForm::SetResultTree(ui::TreeView* tree) {
  log_ << "SetResultTree";
  resultTree_ = tree;
}

void RecordingSearchForm::LoadStudy(const std::string& fileName) {
  log_ << "LoadStudy " + QString::fromStdString(fileName);
}

}  // namespace desktop_testing
