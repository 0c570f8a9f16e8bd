#pragma once
// A search form for the main window's tests: keeps the summary texts, logs
// every call in order, and can be given what its search puts into the
// mirrored result tree.

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "desktop/SearchFormLink.h"

namespace desktop_testing {

class RecordingSearchForm final : public desktop::SearchFormLink {
 public:
  QWidget& Window() override { return window_; }
  std::string SummaryText(int condition) const override;
  void SetSummaryText(int condition, std::string_view text) override;
  void EnableResultsView() override { log_ << "EnableResultsView"; }
  void ParseConditions() override { log_ << "ParseConditions"; }
  void FillResultTree() override;
  void FinishSearch() override { log_ << "FinishSearch"; }
  void SetResultTree(ui::TreeView* tree) override;
  void LoadStudy(const std::string& fileName) override;
  void ShowForm() override { log_ << "ShowForm"; }
  void HideAboutMenuItem() override { log_ << "HideAboutMenuItem"; }
  const publish::SearchConditions* Conditions() const override { return nullptr; }

  // The calls so far ("LoadStudy <file>" with its argument); summary texts are not logged.
  const QStringList& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  ui::TreeView* ResultTree() const { return resultTree_; }
  // Runs on FillResultTree, with the mirrored tree (none when detached).
  std::function<void(ui::TreeView* tree)> OnFill;

 private:
  QWidget window_;
  std::array<std::string, ConditionCount + 1> texts_{};
  QStringList log_;
  ui::TreeView* resultTree_ = nullptr;
};

}  // namespace desktop_testing
