#pragma once
// The browser of the programs, over the web engine.

#include "Browser.h"

class QWebEngineView;

namespace ui {

class WebBrowser final : public Browser {
  Q_OBJECT

 public:
  explicit WebBrowser(QWidget* parent = nullptr);

  void Navigate(const QString& address) override;
  QString Address() const override;

  QWebEngineView* View() const { return view_; }

  static BrowserFactory Factory();

 private:
  QWebEngineView* view_;
};

}  // namespace ui
