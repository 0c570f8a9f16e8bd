#include "PublishForms.h"

#include "ixoMain.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

publish::PublishHandlers Handlers(TIxoBibleMainForm& mainForm, void (TIxoBibleMainForm::*writerHandler)()) {
  return {[&mainForm] { mainForm.TreeHistory->Clear(); }, [&mainForm, writerHandler] { (mainForm.*writerHandler)(); }};
}

}  // namespace

PublishForms::PublishForms(TIxoBibleMainForm& mainForm)
    : printHtml([&mainForm] { mainForm.TreePrintHtml(); }, &mainForm),
      printText(TextWriter, Handlers(mainForm, &TIxoBibleMainForm::TreePrintText), &mainForm),
      PrintRtf(RtfWriter, Handlers(mainForm, &TIxoBibleMainForm::TreePrintRTF), &mainForm),
      PrintWp(WpWriter, Handlers(mainForm, &TIxoBibleMainForm::TreePrintWp), &mainForm) {}

}  // namespace desktop
