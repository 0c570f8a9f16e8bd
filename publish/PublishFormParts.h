#pragma once
// What the publishing forms share: the heading (the utility's name, large
// and maroon, the instruction, word-wrapped, and the form's 120 x 120
// picture) and the layout of heading, options and buttons.

class QLabel;
class QPushButton;
class QSize;
class QString;
class QVBoxLayout;
class QWidget;

namespace publish {

struct FormHeading {
  QLabel* LabelAppName;
  QLabel* Instruct;
  QLabel* Image1;
};

// The three labels of form's heading, named as the form's members are.
FormHeading MakeFormHeading(QWidget* form, const QString& instruction);

// The name across the top, the picture on the left with the instruction and
// the options beside it, OK and Cancel at the bottom right; the form gets
// its client area, or more where the fonts need it.
void LayOutForm(QWidget* form, const FormHeading& heading, QVBoxLayout* options, QPushButton* okay,
                QPushButton* cancel, const QSize& clientArea);

}  // namespace publish
