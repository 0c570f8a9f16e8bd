#include "publish/ixoTextForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/ixoObject.h"
#include "platform/Paths.h"
#include "publish/PublishFormParts.h"
#include "publish/PublishOptions.h"
#include "ui/CheckBox.h"
#include "ui/EventPump.h"
#include "ui/NamedWidget.h"
#include "ui/RadioButton.h"

namespace publish {

using ui::Named;

TprintTextForm::TprintTextForm(PublishHandlers handlers, QWidget* parent)
    : ui::ModalForm(parent), handlers_(std::move(handlers)) {
  setObjectName(QStringLiteral("printText"));
  setWindowTitle(QStringLiteral("Publish Bible as Text"));

  const FormHeading heading = MakeFormHeading(
      this, QStringLiteral("Enter the specification and directory below where you would like the text files "
                           "published."));
  LabelAppName = heading.LabelAppName;
  Instruct = heading.Instruct;
  Image1 = heading.Image1;

  RadioButtonNumericRep = Named(new ui::RadioButton(QStringLiteral("Numeric Book/Chapter Representation"), this),
                                "RadioButtonNumericRep");
  RadioButtonAlphaRep = Named(new ui::RadioButton(QStringLiteral("Alpha Book/Chapter Representation"), this),
                              "RadioButtonAlphaRep");
  RadioButtonVerseOnlyRep =
      Named(new ui::RadioButton(QStringLiteral("Verse Numbers Only"), this), "RadioButtonVerseOnlyRep");
  RadioButtonVerseOnlyRep->setChecked(true);
  printStrongsInfo = Named(new ui::CheckBox(QStringLiteral("Print Strong's Numbers in Angle Brackets"), this),
                           "printStrongsInfo");
  showItalicizedWords = Named(new ui::CheckBox(QStringLiteral("Show Italicized Words in Square Brackets"), this),
                              "showItalicizedWords");
  showItalicizedWords->setChecked(true);
  EditRegText = Named(new QLineEdit(this), "EditRegText");
  ButtonOkay = Named(new QPushButton(QStringLiteral("OK"), this), "ButtonOkay");
  ButtonCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "ButtonCancel");

  // Each line style with what it is for beside it.
  auto* styles = new QGridLayout;
  const std::pair<ui::RadioButton*, const char*> styleLines[] = {
      {RadioButtonNumericRep, "(Computer Format)"},
      {RadioButtonAlphaRep, "(For use with Grep)"},
      {RadioButtonVerseOnlyRep, "(Human Readable)"},
  };
  int line = 0;
  for (const auto& [radio, use] : styleLines) {
    styles->addWidget(radio, line, 0);
    styles->addWidget(new QLabel(QString::fromLatin1(use), this), line++, 1);
  }
  auto* options = new QVBoxLayout;
  options->addLayout(styles);
  options->addWidget(printStrongsInfo);
  options->addWidget(showItalicizedWords);
  options->addWidget(EditRegText);
  LayOutForm(this, heading, options, ButtonOkay, ButtonCancel, QSize(473, 244));

  connect(ButtonOkay, &QPushButton::clicked, this, [this] { ButtonOkayClick(); });
  connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });

  FormCreate();
}

void TprintTextForm::FormCreate() { EditRegText->setText(QString::fromStdString(engine::Engine().DocumentDir)); }

void TprintTextForm::FormActivate() {
  EditRegText->setText(QString::fromStdString(platform::JoinPath(engine::Engine().InstallDir, "Text")));
}

PublishOptions TprintTextForm::RunOptions() const {
  using LineStyle = PublishOptions::LineStyle;
  PublishOptions options;
  options.folder = EditRegText->text().toStdString();
  options.processMessages = [] { ui::EventPump::ProcessPending(); };
  options.lineStyle = RadioButtonNumericRep->isChecked() ? LineStyle::Numeric
                      : RadioButtonAlphaRep->isChecked() ? LineStyle::Alpha
                                                         : LineStyle::VerseOnly;
  options.showItalicizedWords = showItalicizedWords->isChecked();
  options.printStrongsInfo = printStrongsInfo->isChecked();
  return options;
}

void TprintTextForm::ButtonOkayClick() { PublishIntoFolder(*this, RunOptions(), handlers_); }

void TprintTextForm::ButtonCancelClick() { SetModalResult(ui::ModalResult::Cancel); }

void TprintTextForm::showEvent(QShowEvent* event) {
  ui::ModalForm::showEvent(event);
  FormActivate();
}

}  // namespace publish
