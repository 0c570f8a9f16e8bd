#include "ShowForm.h"

#include <QTimer>

namespace publish_test {

ui::ModalResult ShowForm(ui::ModalForm& form, const std::function<void()>& whileShown) {
  QTimer::singleShot(0, &form, whileShown);
  QTimer safetyNet;
  safetyNet.setSingleShot(true);
  QObject::connect(&safetyNet, &QTimer::timeout, &form, [&form] { form.done(0); });
  safetyNet.start(5000);
  return form.ShowModal();
}

}  // namespace publish_test
