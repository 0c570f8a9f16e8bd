#pragma once
// A browser without a web engine: the pages as a plain rich-text view (no
// style sheet, no scripts). The program uses it in place of the web engine
// when IXO_PLAIN_BROWSER is set to a non-empty value, for runs where the web
// engine cannot start (the tests that start the program under the address
// sanitizer).

#include <QString>

#include "ui/Browser.h"

class QTextBrowser;

namespace desktop {

class PlainBrowser final : public ui::Browser {
  Q_OBJECT

 public:
  explicit PlainBrowser(QWidget* parent = nullptr);

  void Navigate(const QString& address) override;
  QString Address() const override { return address_; }

  static ui::BrowserFactory Factory();

 private:
  QTextBrowser* view_;
  QString address_;
};

}  // namespace desktop
