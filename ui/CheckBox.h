#pragma once
// A check box whose OnClick runs on every change of its checked state, whether
// the user clicked it or code set it. Setting the state it already has runs
// nothing. To change the state silently, detach OnClick for the duration.

#include <QCheckBox>
#include <functional>

namespace ui {

class CheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit CheckBox(const QString& caption = QString(), QWidget* parent = nullptr);

  std::function<void()> OnClick;
};

}  // namespace ui
