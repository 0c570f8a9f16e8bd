#pragma once
// The add-in's splash and about form: a borderless picture that closes itself
// after a set time, or at a click.

#include "ui/ModalForm.h"

class QLabel;
class QTimer;

namespace wordaddin {

class TFormAbout : public ui::ModalForm {
  Q_OBJECT

 public:
  explicit TFormAbout(QWidget* parent = nullptr);

  // The interval of the next showing, and the designed interval back.
  void SetSplashInterval(int ms);
  void RestoreSplashInterval();

  void FormCreate();
  void FormShow();
  void SplashTimerTimer();

  QLabel* Image1;
  QTimer* SplashTimer;

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int designedInterval_ = 0;
};

}  // namespace wordaddin
