#include "PublishForms.h"

#include "ixoMain.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

using WriterHandler = void (TIxoBibleMainForm::*)(const publish::PublishOptions&);

publish::PublishHandlers Handlers(TIxoBibleMainForm& mainForm, WriterHandler writerHandler) {
  return {[&mainForm] { mainForm.TreeHistory->Clear(); },
          [&mainForm, writerHandler](const publish::PublishOptions& options) { (mainForm.*writerHandler)(options); }};
}

}  // namespace

PublishForms::PublishForms(TIxoBibleMainForm& mainForm)
    : printHtml([&mainForm](const publish::PublishOptions& options) { mainForm.TreePrintHtml(options); }, &mainForm),
      printText(Handlers(mainForm, &TIxoBibleMainForm::TreePrintText), &mainForm),
      PrintRtf(Handlers(mainForm, &TIxoBibleMainForm::TreePrintRTF), &mainForm),
      PrintWp(Handlers(mainForm, &TIxoBibleMainForm::TreePrintWp), &mainForm) {}

}  // namespace desktop
