#pragma once
// The publishing forms of the main window, one of each. Each form's OK button
// clears the main window's history tree (the HTML form excepted) and runs the
// main window's writer handler of its format with the run's options. The
// forms are the main window's dialogs; they must go before the main window
// does.

#include "publish/ixoHtml.h"
#include "publish/ixoRtfForm.h"
#include "publish/ixoTextForm.h"
#include "publish/ixoWpForm.h"

namespace desktop {

class TIxoBibleMainForm;

class PublishForms {
 public:
  explicit PublishForms(TIxoBibleMainForm& mainForm);
  PublishForms(const PublishForms&) = delete;
  PublishForms& operator=(const PublishForms&) = delete;

  publish::TprintHtml printHtml;
  publish::TprintTextForm printText;
  publish::TPrintRtfForm PrintRtf;
  publish::TPrintWpForm PrintWp;
};

}  // namespace desktop
