#include "publish/ixoPublishForm.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/ixoObject.h"
#include "publish/ixoPublish.h"

namespace publish {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TFormPublishBase::TFormPublishBase(TPublishWriter& writer, QWidget* parent)
    : QDialog(parent), writer_(writer) {
  setObjectName(QStringLiteral("FormPublishBase"));
  setWindowTitle(QStringLiteral("Publishing Form Base Class"));
  resize(487, 277);

  LabelAppName = Named(new QLabel(QStringLiteral("Ixo Bible Publication Utility"), this), "LabelAppName");
  QFont large = LabelAppName->font();
  large.setPointSize(16);
  large.setBold(true);
  LabelAppName->setFont(large);
  LabelAppName->setStyleSheet(QStringLiteral("color: maroon"));

  Instruct = Named(new QLabel(QStringLiteral("Enter the specification and directory below where you "
                                             "would like the documents published."),
                              this),
                   "Instruct");
  Instruct->setWordWrap(true);

  Image1 = Named(new QLabel(this), "Image1");
  Image1->setFixedSize(120, 120);

  RadioAllOne = Named(
      new QRadioButton(QStringLiteral("One Document per Book (there are 66 books in the bible)"), this),
      "RadioAllOne");
  RadioMulti = Named(
      new QRadioButton(QStringLiteral("One Document per Chapter (multiple documents per book)"), this),
      "RadioMulti");
  RadioAllOne->setChecked(true);

  CheckBoxDualColumns = Named(new QCheckBox(QStringLiteral("Two Columns per Page"), this), "CheckBoxDualColumns");
  CheckBoxDualColumns->setChecked(true);
  CheckBoxHeadFoot = Named(new QCheckBox(QStringLiteral("Add Headers and Footers"), this), "CheckBoxHeadFoot");
  CheckBoxHeadFoot->setChecked(true);
  CheckBoxHeadFootOddEven = Named(
      new QCheckBox(QStringLiteral("Format Header/Footer for Double-Sided Printing"), this),
      "CheckBoxHeadFootOddEven");
  CheckBoxWordCompatible = Named(
      new QCheckBox(QStringLiteral("Write document in Microsoft-Word compatibility mode"), this),
      "CheckBoxWordCompatible");

  GroupBox1 = Named(new QGroupBox(this), "GroupBox1");
  buttonDotNative = Named(new QRadioButton(QStringLiteral("*.rtf"), GroupBox1), "buttonDotNative");
  buttonDotDoc = Named(new QRadioButton(QStringLiteral("*.doc"), GroupBox1), "buttonDotDoc");
  buttonDotNative->setChecked(true);
  auto* extensions = new QHBoxLayout(GroupBox1);
  extensions->addWidget(buttonDotNative);
  extensions->addWidget(buttonDotDoc);

  EditRegText = Named(new QLineEdit(QStringLiteral("C:\\Program Files\\Ixo98\\Document"), this), "EditRegText");
  QFont bold = EditRegText->font();
  bold.setBold(true);
  EditRegText->setFont(bold);

  ButtonCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "ButtonCancel");
  ButtonOkay = Named(new QPushButton(QStringLiteral("OK"), this), "ButtonOkay");

  auto* options = new QVBoxLayout;
  options->addWidget(Instruct);
  for (QWidget* widget : {static_cast<QWidget*>(RadioAllOne), static_cast<QWidget*>(RadioMulti),
                          static_cast<QWidget*>(CheckBoxDualColumns), static_cast<QWidget*>(CheckBoxHeadFoot),
                          static_cast<QWidget*>(CheckBoxHeadFootOddEven),
                          static_cast<QWidget*>(CheckBoxWordCompatible), static_cast<QWidget*>(GroupBox1),
                          static_cast<QWidget*>(EditRegText)})
    options->addWidget(widget);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonOkay);
  buttons->addWidget(ButtonCancel);
  auto* grid = new QGridLayout(this);
  grid->addWidget(LabelAppName, 0, 0, 1, 2);
  grid->addWidget(Image1, 1, 0, Qt::AlignTop);
  grid->addLayout(options, 1, 1);
  grid->addLayout(buttons, 2, 0, 1, 2);

  // A check box's or radio button's handler runs on every change of its state,
  // made by the user or by code.
  connect(RadioAllOne, &QRadioButton::toggled, this, [this] { RadioAllOneClick(); });
  connect(RadioMulti, &QRadioButton::toggled, this, [this] { RadioMultiClick(); });
  connect(CheckBoxDualColumns, &QCheckBox::toggled, this, [this] { CheckBoxDualColumnsClick(); });
  connect(CheckBoxHeadFoot, &QCheckBox::toggled, this, [this] { CheckBoxHeadFootClick(); });
  connect(CheckBoxWordCompatible, &QCheckBox::toggled, this, [this] { CheckBoxWordCompatibleClick(); });
  connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
  connect(ButtonOkay, &QPushButton::clicked, this, [this] { ButtonOkayClick(); });

  FormCreate();
}

void TFormPublishBase::FormCreate() {
  EditRegText->setText(QString::fromStdString(engine::Engine().DocumentDir));
}

void TFormPublishBase::RadioAllOneClick() { writer_.SetAllInOne(RadioAllOne->isChecked()); }

void TFormPublishBase::RadioMultiClick() { writer_.SetAllInOne(!RadioMulti->isChecked()); }

void TFormPublishBase::CheckBoxDualColumnsClick() {
  // The header-per-chapter flag follows the Word-compatibility box, not the
  // two-column box whose handler this is.
  writer_.SetHeaderEachChapter(CheckBoxWordCompatible->isChecked());
}

void TFormPublishBase::CheckBoxHeadFootClick() {
  CheckBoxHeadFootOddEven->setEnabled(CheckBoxHeadFoot->isChecked());
  if (!CheckBoxHeadFoot->isChecked()) CheckBoxHeadFootOddEven->setChecked(false);
}

void TFormPublishBase::CheckBoxWordCompatibleClick() {
  writer_.SetWordCompatible(CheckBoxWordCompatible->isChecked());
}

void TFormPublishBase::FormActivate() {}

void TFormPublishBase::ButtonOkayClick() { ButtonCancelClick(); }

void TFormPublishBase::ButtonCancelClick() {
  hide();
  close();
}

void TFormPublishBase::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

}  // namespace publish
