#pragma once
// A browser for tests: shows nothing and keeps every address it was sent to.

#include <QStringList>

#include "Browser.h"

namespace ui {

class RecordingBrowser final : public Browser {
  Q_OBJECT

 public:
  using Browser::Browser;

  void Navigate(const QString& address) override { addresses_.append(address); }
  QString Address() const override { return addresses_.isEmpty() ? QString() : addresses_.last(); }

  const QStringList& Addresses() const { return addresses_; }
  void Clear() { addresses_.clear(); }

  static BrowserFactory Factory();

 private:
  QStringList addresses_;
};

}  // namespace ui
