#pragma once
// The embedded browser of a page, behind a small interface so that forms can
// be tested without a web engine. A browser is a widget placed like any other.
//
// Navigate takes a "file://" address (with any "#v" fragment) or a plain
// absolute path. Navigation runs asynchronously; a page that does not exist is
// shown by the browser as its own error page.

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace ui {

class Browser : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  virtual void Navigate(const QString& address) = 0;
  // The address shown, or being loaded; empty before the first navigation.
  virtual QString Address() const = 0;
};

// The address that Navigate takes as a URL. A plain absolute path, and
// "file://" with an absolute path, name a local file by the path as it
// stands, whatever its folder names hold (blanks, "#", "%", "?"): the only
// fragment split off is a file address's trailing verse anchor, "#v" and
// digits. Anything else is an address as it stands.
QUrl NavigationUrl(const QString& address);

// A URL as such an address: a local file gives "file://", its path and any
// fragment after "#"; anything else its text.
QString AddressOfUrl(const QUrl& url);

// Makes the browsers of a form: the programs make web browsers, tests recorders.
using BrowserFactory = std::function<std::unique_ptr<Browser>(QWidget* parent)>;

}  // namespace ui
