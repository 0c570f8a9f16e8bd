#pragma once
// A page control whose OnChanging and OnChange run only when the user switches
// the page (a click on a tab, a key); switching the page by code, or hiding a
// tab by code, runs no handler.

#include <QTabWidget>
#include <functional>

namespace ui {

class PageControl : public QTabWidget {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent = nullptr);

  // When the user has made another page the active one, before OnChange: the
  // index of the page left.
  std::function<void(int leftIndex)> OnChanging;
  // After the user made another page the active one.
  std::function<void()> OnChange;

  int AddPage(QWidget* page, const QString& caption) { return addTab(page, caption); }
  int PageCount() const { return count(); }
  QWidget* Page(int index) const { return widget(index); }

  QWidget* ActivePage() const { return currentWidget(); }
  int ActivePageIndex() const { return currentIndex(); }
  // Switch by code: no handler runs. A page that is not one of ours is ignored.
  void SetActivePage(QWidget* page);
  void SetActivePageIndex(int index);

  // Shows or hides the tab of a page; hiding the active page's tab moves to
  // another page with a visible tab as a switch by code, and when there is
  // none the active page stays and is shown without its tab.
  void SetPageTabVisible(int index, bool visible);
  void SetTabsVisible(bool visible);

 private:
  void ShowActivePage();

  bool switchingByCode_ = false;
  int shownIndex_ = -1;  // the active page as the handlers last saw it
};

}  // namespace ui
