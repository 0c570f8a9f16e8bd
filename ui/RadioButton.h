#pragma once
// A radio button whose OnClick runs whenever it becomes the checked one, whether
// the user clicked it or code checked it. Clicking the one already checked, and
// being unchecked by a sibling, run nothing.

#include <QRadioButton>
#include <functional>

namespace ui {

class RadioButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit RadioButton(const QString& caption = QString(), QWidget* parent = nullptr);

  std::function<void()> OnClick;
};

}  // namespace ui
