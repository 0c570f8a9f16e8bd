#include "RecordingSearchForm.h"

#include "ui/NodeImages.h"
#include "ui/TreeNode.h"

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

void RecordingSearchForm::ResetFromCode() {
  log_ << "ResetFromCode";
  resultTree_ = nullptr;
}

void RecordingSearchForm::ShowConditionPage(int condition) { log_ << "ShowConditionPage " + QString::number(condition); }

bool RecordingSearchForm::AddSearchWord(const std::string& word, int condition) {
  log_ << "AddSearchWord " + QString::fromStdString(word) + " " + QString::number(condition);
  return true;
}

void RecordingSearchForm::BuildResultTree(ui::TreeView& tree, ui::TreeNode* parent, std::uint16_t mask, int span) {
  log_ << "BuildResultTree " + (parent ? parent->Text() : QString("(top)")) + " mask " + QString::number(mask) +
              " span " + QString::number(span);
  if (OnBuildResultTree) OnBuildResultTree(tree, parent);
}

}  // namespace desktop_testing
