#include "WebBrowser.h"

#include <QVBoxLayout>
#include <QWebEngineView>

namespace ui {

WebBrowser::WebBrowser(QWidget* parent) : Browser(parent), view_(new QWebEngineView(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

void WebBrowser::Navigate(const QString& address) {
  view_->setUrl(NavigationUrl(address));
}

QString WebBrowser::Address() const { return AddressOfUrl(view_->url()); }

BrowserFactory WebBrowser::Factory() {
  return [](QWidget* parent) -> std::unique_ptr<Browser> { return std::make_unique<WebBrowser>(parent); };
}

}  // namespace ui
