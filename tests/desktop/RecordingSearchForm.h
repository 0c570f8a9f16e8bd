#pragma once
// A search form for the main window's tests: logs every call in order, and
// can be given what its search puts into the mirrored result tree and
// whether it refuses the criteria.

#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>

#include "desktop/SearchFormLink.h"

namespace desktop_testing {

class RecordingSearchForm final : public desktop::SearchFormLink {
 public:
  QWidget& Window() override { return window_; }
  ui::ImageList ImageListBlue() const override;
  void SetMainSearchTree(ui::TreeView* tree) override;
  void HideAboutMenuItem() override { log_ << "HideAboutMenuItem"; }
  bool ToolbarSearch(const std::string& criteria, bool allWords) override;
  void SetResultTree(ui::TreeView* tree) override;
  void LoadStudy(const std::string& fileName) override;
  void ShowForm() override { log_ << "ShowForm"; }
  const publish::SearchConditions* Conditions() const override { return GivenConditions; }
  // Detaches the mirror tree, as the form's reset from code does.
  void ResetFromCode() override;
  void ShowConditionPage(int condition) override;
  bool AddSearchWord(const std::string& word, int condition) override;
  void BuildResultTree(ui::TreeView& tree, ui::TreeNode* parent, std::uint16_t mask, int span) override;

  // The calls so far, with their arguments: "ToolbarSearch love joy (all words)",
  // "LoadStudy <file>", "AddSearchWord Abraham 1", "BuildResultTree Review Study
  // mask 1 span 1" (with the parent's caption).
  const QStringList& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  ui::TreeView* MainSearchTree() const { return mainSearchTree_; }
  ui::TreeView* ResultTree() const { return resultTree_; }

  // What ToolbarSearch answers.
  bool AcceptSearch = true;
  // Runs on an accepted ToolbarSearch, with the mirrored tree (none when detached).
  std::function<void(ui::TreeView* tree)> OnSearch;
  // Runs on BuildResultTree, with its tree and parent.
  std::function<void(ui::TreeView& tree, ui::TreeNode* parent)> OnBuildResultTree;
  // What Conditions answers: none unless a test gives some.
  const publish::SearchConditions* GivenConditions = nullptr;

 private:
  QWidget window_;
  QStringList log_;
  ui::TreeView* mainSearchTree_ = nullptr;
  ui::TreeView* resultTree_ = nullptr;
};

}  // namespace desktop_testing
