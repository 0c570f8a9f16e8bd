#include "PageControl.h"

#include <QTabBar>

namespace ui {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
  connect(this, &QTabWidget::currentChanged, this, [this](int index) {
    const int left = shownIndex_;
    shownIndex_ = index;
    if (switchingByCode_) return;
    if (const auto changing = OnChanging) changing(left);
    if (const auto change = OnChange) change();
  });
}

void PageControl::SetActivePage(QWidget* page) {
  const int index = indexOf(page);
  if (index >= 0) SetActivePageIndex(index);
}

void PageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= count()) return;
  const bool outer = switchingByCode_;
  switchingByCode_ = true;
  setCurrentIndex(index);
  switchingByCode_ = outer;
  ShowActivePage();
}

void PageControl::SetPageTabVisible(int index, bool visible) {
  const bool outer = switchingByCode_;
  switchingByCode_ = true;
  setTabVisible(index, visible);
  switchingByCode_ = outer;
  ShowActivePage();
}

void PageControl::ShowActivePage() {
  // QTabWidget hides the page of a hidden tab and, when no other tab is
  // visible, keeps it as the current page all the same: it would stay blank.
  if (QWidget* page = currentWidget(); page && page->isHidden()) page->show();
}

void PageControl::SetTabsVisible(bool visible) { tabBar()->setVisible(visible); }

}  // namespace ui
