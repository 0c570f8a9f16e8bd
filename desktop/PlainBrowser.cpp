#include "PlainBrowser.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace desktop {

PlainBrowser::PlainBrowser(QWidget* parent) : Browser(parent), view_(new QTextBrowser(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

void PlainBrowser::Navigate(const QString& address) {
  address_ = address;
  view_->setSource(ui::NavigationUrl(address));
}

ui::BrowserFactory PlainBrowser::Factory() {
  return [](QWidget* parent) -> std::unique_ptr<ui::Browser> {
    return std::make_unique<PlainBrowser>(parent);
  };
}

}  // namespace desktop
