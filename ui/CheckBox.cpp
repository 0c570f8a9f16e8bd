#include "CheckBox.h"

namespace ui {

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
  connect(this, &QCheckBox::toggled, this, [this](bool) {
    if (const auto click = OnClick) click();
  });
}

}  // namespace ui
