#include "WebBrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace ui {

WebBrowser::WebBrowser(QWidget* parent) : Browser(parent), view_(new QWebEngineView(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

void WebBrowser::Navigate(const QString& address) {
  // A plain path is a local file; anything else is an address as it stands.
  view_->setUrl(address.startsWith('/') ? QUrl::fromLocalFile(address) : QUrl(address));
}

QString WebBrowser::Address() const { return view_->url().toString(); }

BrowserFactory WebBrowser::Factory() {
  return [](QWidget* parent) -> std::unique_ptr<Browser> { return std::make_unique<WebBrowser>(parent); };
}

}  // namespace ui
