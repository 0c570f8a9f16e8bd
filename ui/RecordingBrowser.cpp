#include "RecordingBrowser.h"

namespace ui {

BrowserFactory RecordingBrowser::Factory() {
  return
      [](QWidget* parent) -> std::unique_ptr<Browser> { return std::make_unique<RecordingBrowser>(parent); };
}

}  // namespace ui
