#pragma once
// A page control whose OnChange runs only when the user switches the page
// (a click on a tab, a key); switching the page by code runs no handler.

#include <QTabWidget>
#include <functional>

namespace ui {

class PageControl : public QTabWidget {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent = nullptr);

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

  void SetTabsVisible(bool visible);

 private:
  bool switchingByCode_ = false;
};

}  // namespace ui
