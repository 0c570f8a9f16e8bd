#pragma once
// The publishing forms of the main window, one of each, with the writers
// they hand their options to. Each form's OK button clears the main window's
// history tree (the HTML form excepted) and runs the main window's writer
// handler of its format. The forms are the main window's dialogs; they must
// go before the main window does.

#include "publish/ixoHtml.h"
#include "publish/ixoRtf.h"
#include "publish/ixoRtfForm.h"
#include "publish/ixoText.h"
#include "publish/ixoTextForm.h"
#include "publish/ixoWp.h"
#include "publish/ixoWpForm.h"

namespace desktop {

class TIxoBibleMainForm;

class PublishForms {
 public:
  explicit PublishForms(TIxoBibleMainForm& mainForm);
  PublishForms(const PublishForms&) = delete;
  PublishForms& operator=(const PublishForms&) = delete;

  publish::TprintText TextWriter;
  publish::TPrintRtf RtfWriter;
  publish::TPrintWp WpWriter;

  publish::TprintHtml printHtml;
  publish::TprintTextForm printText;
  publish::TPrintRtfForm PrintRtf;
  publish::TPrintWpForm PrintWp;
};

}  // namespace desktop
