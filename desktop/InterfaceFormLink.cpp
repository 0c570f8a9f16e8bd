#include "InterfaceFormLink.h"

#include <QAction>

#include "search/ixoSearch.h"
#include "ui/PageControl.h"

namespace desktop {

InterfaceFormLink::InterfaceFormLink() : form_(std::make_unique<search::TInterfaceForm>()) {}

InterfaceFormLink::~InterfaceFormLink() = default;

QWidget& InterfaceFormLink::Window() { return *form_; }

ui::ImageList InterfaceFormLink::ImageListBlue() const { return form_->ImageListBlue; }

void InterfaceFormLink::SetMainSearchTree(ui::TreeView* tree) { form_->SetMainSearchTree(tree); }

void InterfaceFormLink::HideAboutMenuItem() { form_->SearchMenuAbout->setVisible(false); }

bool InterfaceFormLink::ToolbarSearch(const std::string& criteria, bool allWords) {
  return form_->ToolbarSearch(criteria, allWords);
}

void InterfaceFormLink::SetResultTree(ui::TreeView* tree) { form_->SetResultTree(tree); }

void InterfaceFormLink::LoadStudy(const std::string& fileName) { form_->LoadStudy(fileName); }

void InterfaceFormLink::ShowForm() { form_->show(); }

const publish::SearchConditions* InterfaceFormLink::Conditions() const { return &form_->Conditions; }

void InterfaceFormLink::ResetFromCode() { form_->ButtonResetClick(nullptr); }

void InterfaceFormLink::ShowConditionPage(int condition) { form_->TabStudies->SetActivePageIndex(condition); }

bool InterfaceFormLink::AddSearchWord(const std::string& word, int condition) {
  return form_->AddSearchWord(word, condition);
}

void InterfaceFormLink::BuildResultTree(ui::TreeView& tree, ui::TreeNode* parent, std::uint16_t mask, int span) {
  int books = 0, chapters = 0, verses = 0;
  form_->BuildResultTree(&tree, parent, QStringLiteral("References"), mask, span, books, chapters, verses);
}

SearchFormFactory InterfaceFormLink::Factory() {
  return [] { return std::make_unique<InterfaceFormLink>(); };
}

}  // namespace desktop
