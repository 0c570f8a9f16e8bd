#include "RecordingSearchForm.h"

#include "ui/NodeImages.h"

namespace desktop_testing {

ui::ImageList RecordingSearchForm::ImageListBlue() const { return ui::NodeImages(32); }

void RecordingSearchForm::SetMainSearchTree(ui::TreeView* tree) {
  log_ << "SetMainSearchTree";
  mainSearchTree_ = tree;
}

bool RecordingSearchForm::ToolbarSearch(const std::string& criteria, bool allWords) {
  log_ << "ToolbarSearch " + QString::fromStdString(criteria) + (allWords ? " (all words)" : " (any word)");
  if (AcceptSearch && OnSearch) OnSearch(resultTree_);
  return AcceptSearch;
}

void RecordingSearchForm::SetResultTree(ui::TreeView* tree) {
  log_ << "SetResultTree";
  resultTree_ = tree;
}

void RecordingSearchForm::LoadStudy(const std::string& fileName) {
  log_ << "LoadStudy " + QString::fromStdString(fileName);
}

}  // namespace desktop_testing
