#include "publish/ixoHtml.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "engine/ixoObject.h"
#include "platform/Paths.h"
#include "publish/PublishFormParts.h"
#include "publish/PublishOptions.h"
#include "ui/CheckBox.h"
#include "ui/EventPump.h"
#include "ui/NamedWidget.h"

namespace publish {

using ui::Named;

namespace {

// Sets the engine's HTML folder for the life of the guard, then puts the
// previous one back, however the run ends.
class HtmlFolderForRun {
 public:
  explicit HtmlFolderForRun(std::string folder) : kept_(engine::Engine().HtmlDir) {
    engine::Engine().HtmlDir = std::move(folder);
  }
  ~HtmlFolderForRun() { engine::Engine().HtmlDir = kept_; }
  HtmlFolderForRun(const HtmlFolderForRun&) = delete;
  HtmlFolderForRun& operator=(const HtmlFolderForRun&) = delete;

 private:
  std::string kept_;
};

}  // namespace

TprintHtml::TprintHtml(std::function<void(const PublishOptions&)> publish, QWidget* parent)
    : ui::ModalForm(parent), publish_(std::move(publish)) {
  setObjectName(QStringLiteral("printHtml"));
  setWindowTitle(QStringLiteral("Publish Bible as Html"));

  const FormHeading heading = MakeFormHeading(
      this, QStringLiteral("Enter the directory specification below where you would like the HTML files published."));
  Image1 = heading.Image1;
  LabelAppName = heading.LabelAppName;
  Instruct = heading.Instruct;
  EditRegHTML = Named(new QLineEdit(this), "EditRegHTML");
  printStrongsInfo = Named(new ui::CheckBox(QStringLiteral("Print Strongs Information"), this), "printStrongsInfo");
  printStrongsInfo->setChecked(true);
  ButtonOkay = Named(new QPushButton(QStringLiteral("OK"), this), "ButtonOkay");
  ButtonCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "ButtonCancel");

  auto* beside = new QVBoxLayout;
  beside->addWidget(LabelAppName);
  beside->addWidget(Instruct);
  beside->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(Image1, 0, Qt::AlignTop);
  top->addLayout(beside);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(printStrongsInfo);
  bottom->addStretch();
  bottom->addWidget(ButtonOkay);
  bottom->addWidget(ButtonCancel);
  auto* form = new QVBoxLayout(this);
  form->addLayout(top);
  form->addWidget(EditRegHTML);
  form->addLayout(bottom);

  // The client area of the form, or more where the fonts need it.
  resize(QSize(434, 227).expandedTo(sizeHint()));

  connect(ButtonOkay, &QPushButton::clicked, this, [this] { ButtonOkayClick(); });
  connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });

  FormCreate();
}

void TprintHtml::FormCreate() { EditRegHTML->setText(QString::fromStdString(engine::Engine().HtmlDir)); }

void TprintHtml::FormActivate() { FormCreate(); }

void TprintHtml::ButtonOkayClick() {
  // The page writers put their pages under the folder ("Bible/1/1.html"), so
  // it must end in a separator.
  const HtmlFolderForRun folder(platform::IncludeTrailingSeparator(EditRegHTML->text().toStdString()));
  // The pages mark every word up whatever the box says: a page without its
  // words' classes would lose the highlighting of search hits. Closing ticks
  // the box again.
  PublishOptions options;
  options.processMessages = [] { ui::EventPump::ProcessPending(); };
  printStrongsInfo->setChecked(true);
  SetModalResult(ui::ModalResult::OK);
  if (publish_) publish_(options);
}

void TprintHtml::ButtonCancelClick() {
  printStrongsInfo->setChecked(true);
  SetModalResult(ui::ModalResult::Cancel);
}

void TprintHtml::showEvent(QShowEvent* event) {
  ui::ModalForm::showEvent(event);
  FormActivate();
}

}  // namespace publish
