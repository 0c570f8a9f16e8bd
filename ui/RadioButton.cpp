#include "RadioButton.h"

namespace ui {

RadioButton::RadioButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool checked) {
    if (!checked) return;
    if (const auto click = OnClick) click();
  });
}

}  // namespace ui
