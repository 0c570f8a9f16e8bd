#pragma once
// The program's search form, search::TInterfaceForm, as the main window
// drives it.

#include <memory>

#include "SearchFormLink.h"

namespace search {
class TInterfaceForm;
}

namespace desktop {

class InterfaceFormLink final : public SearchFormLink {
 public:
  InterfaceFormLink();
  ~InterfaceFormLink() override;

  search::TInterfaceForm& Form() { return *form_; }

  QWidget& Window() override;
  ui::ImageList ImageListBlue() const override;
  void SetMainSearchTree(ui::TreeView* tree) override;
  void HideAboutMenuItem() override;
  bool ToolbarSearch(const std::string& criteria, bool allWords) override;
  void SetResultTree(ui::TreeView* tree) override;
  void LoadStudy(const std::string& fileName) override;
  void ShowForm() override;
  const publish::SearchConditions* Conditions() const override;
  void ResetFromCode() override;
  void ShowConditionPage(int condition) override;
  bool AddSearchWord(const std::string& word, int condition) override;
  void BuildResultTree(ui::TreeView& tree, ui::TreeNode* parent, std::uint16_t mask, int span) override;

  // Makes the search form of the program.
  static SearchFormFactory Factory();

 private:
  std::unique_ptr<search::TInterfaceForm> form_;
};

}  // namespace desktop
