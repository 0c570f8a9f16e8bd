#include "publish/PublishFormParts.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/NamedWidget.h"

namespace publish {

using ui::Named;

FormHeading MakeFormHeading(QWidget* form, const QString& instruction) {
  auto* name = Named(new QLabel(QStringLiteral("Ixo Bible Publication Utility"), form), "LabelAppName");
  QFont large = name->font();
  large.setPointSize(16);
  large.setBold(true);
  name->setFont(large);
  name->setStyleSheet(QStringLiteral("color: maroon"));
  auto* instruct = Named(new QLabel(instruction, form), "Instruct");
  instruct->setWordWrap(true);
  auto* picture = Named(new QLabel(form), "Image1");
  picture->setFixedSize(120, 120);
  return {name, instruct, picture};
}

void LayOutForm(QWidget* form, const FormHeading& heading, QVBoxLayout* options, QPushButton* okay,
                QPushButton* cancel, const QSize& clientArea) {
  options->insertWidget(0, heading.Instruct);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okay);
  buttons->addWidget(cancel);
  auto* grid = new QGridLayout(form);
  grid->addWidget(heading.LabelAppName, 0, 0, 1, 2);
  grid->addWidget(heading.Image1, 1, 0, Qt::AlignTop);
  grid->addLayout(options, 1, 1);
  grid->addLayout(buttons, 2, 0, 1, 2);
  form->resize(clientArea.expandedTo(form->sizeHint()));
}

}  // namespace publish
