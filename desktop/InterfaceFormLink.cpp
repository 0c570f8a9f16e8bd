#include "InterfaceFormLink.h"

#include <QAction>

#include "search/ixoSearch.h"

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

SearchFormFactory InterfaceFormLink::Factory() {
  return [] { return std::make_unique<InterfaceFormLink>(); };
}

}  // namespace desktop
