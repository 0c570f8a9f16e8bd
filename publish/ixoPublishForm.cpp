#include "publish/ixoPublishForm.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/ixoObject.h"
#include "publish/PublishFormParts.h"
#include "publish/PublishOptions.h"
#include "ui/CheckBox.h"
#include "ui/EventPump.h"
#include "ui/NamedWidget.h"
#include "ui/RadioButton.h"

namespace publish {

using ui::Named;

TFormPublishBase::TFormPublishBase(QWidget* parent) : ui::ModalForm(parent) {
  setObjectName(QStringLiteral("FormPublishBase"));
  setWindowTitle(QStringLiteral("Publishing Form Base Class"));

  const FormHeading heading = MakeFormHeading(
      this, QStringLiteral("Enter the specification and directory below where you would like the documents "
                           "published."));
  LabelAppName = heading.LabelAppName;
  Instruct = heading.Instruct;
  Image1 = heading.Image1;

  RadioAllOne = Named(
      new ui::RadioButton(QStringLiteral("One Document per Book (there are 66 books in the bible)"), this),
      "RadioAllOne");
  RadioMulti = Named(
      new ui::RadioButton(QStringLiteral("One Document per Chapter (multiple documents per book)"), this),
      "RadioMulti");
  RadioAllOne->setChecked(true);

  CheckBoxDualColumns = Named(new ui::CheckBox(QStringLiteral("Two Columns per Page"), this), "CheckBoxDualColumns");
  CheckBoxDualColumns->setChecked(true);
  CheckBoxHeadFoot = Named(new ui::CheckBox(QStringLiteral("Add Headers and Footers"), this), "CheckBoxHeadFoot");
  CheckBoxHeadFoot->setChecked(true);
  CheckBoxHeadFootOddEven = Named(
      new ui::CheckBox(QStringLiteral("Format Header/Footer for Double-Sided Printing"), this),
      "CheckBoxHeadFootOddEven");
  CheckBoxWordCompatible = Named(
      new ui::CheckBox(QStringLiteral("Write document in Microsoft-Word compatibility mode"), this),
      "CheckBoxWordCompatible");

  GroupBox1 = Named(new QGroupBox(this), "GroupBox1");
  buttonDotNative = Named(new ui::RadioButton(QStringLiteral("*.rtf"), GroupBox1), "buttonDotNative");
  buttonDotDoc = Named(new ui::RadioButton(QStringLiteral("*.doc"), GroupBox1), "buttonDotDoc");
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
  for (QWidget* widget : {static_cast<QWidget*>(RadioAllOne), static_cast<QWidget*>(RadioMulti),
                          static_cast<QWidget*>(CheckBoxDualColumns), static_cast<QWidget*>(CheckBoxHeadFoot),
                          static_cast<QWidget*>(CheckBoxHeadFootOddEven),
                          static_cast<QWidget*>(CheckBoxWordCompatible), static_cast<QWidget*>(GroupBox1),
                          static_cast<QWidget*>(EditRegText)})
    options->addWidget(widget);
  LayOutForm(this, heading, options, ButtonOkay, ButtonCancel, QSize(487, 277));

  // The handlers run on every change of a box's state, made by the user or by code.
  RadioAllOne->OnClick = [this] { RadioAllOneClick(); };
  RadioMulti->OnClick = [this] { RadioMultiClick(); };
  CheckBoxDualColumns->OnClick = [this] { CheckBoxDualColumnsClick(); };
  CheckBoxHeadFoot->OnClick = [this] { CheckBoxHeadFootClick(); };
  CheckBoxWordCompatible->OnClick = [this] { CheckBoxWordCompatibleClick(); };
  connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
  connect(ButtonOkay, &QPushButton::clicked, this, [this] { ButtonOkayClick(); });

  FormCreate();
}

void TFormPublishBase::FormCreate() {
  EditRegText->setText(QString::fromStdString(engine::Engine().DocumentDir));
}

void TFormPublishBase::RadioAllOneClick() { FAllInOne = RadioAllOne->isChecked(); }

void TFormPublishBase::RadioMultiClick() { FAllInOne = !RadioMulti->isChecked(); }

void TFormPublishBase::CheckBoxDualColumnsClick() {
  // The header-per-chapter flag follows the Word-compatibility box, not the
  // two-column box whose handler this is.
  FHeaderEachChapter = CheckBoxWordCompatible->isChecked();
}

void TFormPublishBase::CheckBoxHeadFootClick() {
  CheckBoxHeadFootOddEven->setEnabled(CheckBoxHeadFoot->isChecked());
  if (!CheckBoxHeadFoot->isChecked()) CheckBoxHeadFootOddEven->setChecked(false);
}

void TFormPublishBase::CheckBoxWordCompatibleClick() { FWordCompatible = CheckBoxWordCompatible->isChecked(); }

void TFormPublishBase::FormActivate() {}

void TFormPublishBase::ButtonOkayClick() { ButtonCancelClick(); }

void TFormPublishBase::ButtonCancelClick() {
  hide();
  close();
}

PublishOptions TFormPublishBase::RunOptions() const {
  PublishOptions options;
  options.folder = EditRegText->text().toStdString();
  options.processMessages = [] { ui::EventPump::ProcessPending(); };
  options.allInOne = FAllInOne;
  options.headerEachChapter = FHeaderEachChapter;
  options.wordCompatible = FWordCompatible;
  options.dotDoc = buttonDotDoc->isChecked();
  options.dualColumns = CheckBoxDualColumns->isChecked();
  options.headersAndFooters = CheckBoxHeadFoot->isChecked();
  options.oddEvenHeaders = CheckBoxHeadFootOddEven->isChecked();
  options.printMode = ButtonOkay->text() == PrintCaption;
  return options;
}

void TFormPublishBase::PublishDocuments(const PublishHandlers& handlers) {
  PublishIntoFolder(*this, RunOptions(), handlers);
}

void TFormPublishBase::showEvent(QShowEvent* event) {
  ui::ModalForm::showEvent(event);
  FormActivate();
}

}  // namespace publish
