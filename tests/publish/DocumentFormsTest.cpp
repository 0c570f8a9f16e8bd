#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "QtPrinters.h"
#include "ShowForm.h"
#include "WritersFixture.h"
#include "engine/ixoObject.h"
#include "publish/BookDocuments.h"
#include "publish/ixoRtf.h"
#include "publish/ixoRtfForm.h"
#include "publish/ixoWp.h"
#include "publish/ixoWpForm.h"
#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace {

using publish_test::ShowForm;

using publish::PublishOptions;
using publish::TFormPublishBase;
using publish::TPrintRtf;
using publish::TPrintRtfForm;
using publish::TPrintWp;
using publish::TPrintWpForm;
using writers_test::Genesis;
using writers_test::WritersText;

// A form whose OK button records what the main window is asked to do and
// the options it is given, then runs publish with a writer made with them, as
// the main window does.
template <typename Writer, typename Form>
struct DocumentForm {
  explicit DocumentForm(std::function<void(Writer&)> publish = {})
      : form({[this] { calls.push_back("clear history"); },
              [this, publish](const PublishOptions& options) {
                calls.push_back(form.isVisible() ? "publish, form shown" : "publish");
                run = options;
                Writer writer(options);
                if (publish) publish(writer);
              }}) {}

  std::vector<std::string> calls;
  std::optional<PublishOptions> run;  // the options of the last run
  Form form;
};
using RtfForm = DocumentForm<TPrintRtf, TPrintRtfForm>;
using WpForm = DocumentForm<TPrintWp, TPrintWpForm>;

std::vector<TFormPublishBase*> BothForms(RtfForm& rtf, WpForm& wp) { return {&rtf.form, &wp.form}; }

TEST(DocumentForms, EachOpensWithItsCaptionsAndControls) {
  WritersText text;
  RtfForm rtf;
  EXPECT_EQ(rtf.form.windowTitle(), "Publish Bible as RTF Documents");
  EXPECT_EQ(rtf.form.buttonDotNative->text(), "*.rtf");
  EXPECT_TRUE(rtf.form.CheckBoxWordCompatible->isHidden());
  EXPECT_FALSE(rtf.form.RadioMulti->isEnabled());

  WpForm wp;
  EXPECT_EQ(wp.form.windowTitle(), "Publish Bible as WordPerfect Documents");
  EXPECT_EQ(wp.form.buttonDotNative->text(), "*.wpd");
  EXPECT_FALSE(wp.form.CheckBoxWordCompatible->isHidden());
  EXPECT_TRUE(wp.form.RadioMulti->isEnabled());

  for (const TFormPublishBase* form : BothForms(rtf, wp)) {
    SCOPED_TRACE(form->windowTitle().toStdString());
    EXPECT_EQ(form->EditRegText->text(), QString::fromStdString(engine::Engine().DocumentDir));
    EXPECT_TRUE(form->RadioAllOne->isChecked());
    EXPECT_TRUE(form->buttonDotNative->isChecked());
    EXPECT_EQ(form->ButtonOkay->text(), "OK");
  }
}

TEST(DocumentForms, OptionsAgreeWithTheCheckedRadioButtonFromTheStart) {
  WritersText text;
  RtfForm rtf;
  EXPECT_TRUE(rtf.form.RunOptions().allInOne);
  WpForm wp;
  EXPECT_TRUE(wp.form.RunOptions().allInOne);
  wp.form.RadioMulti->setChecked(true);
  EXPECT_FALSE(wp.form.RunOptions().allInOne);
}

// Shows the form, sets its controls the other way round from their defaults,
// types folder and clicks OK.
void ConfirmWithEveryOptionChanged(TFormPublishBase& form, const std::string& folder, const QString& okCaption) {
  form.ButtonOkay->setText(okCaption);
  const ui::ModalResult result = ShowForm(form, [&] {
    form.buttonDotDoc->setChecked(true);
    form.CheckBoxDualColumns->setChecked(false);
    form.CheckBoxHeadFootOddEven->setChecked(true);
    form.EditRegText->setText(QString::fromStdString(folder));
    form.ButtonOkay->click();
  });
  EXPECT_EQ(result, ui::ModalResult::OK);
}

TEST(DocumentForms, OkStoresTheOptionsCreatesTheFolderAndPublishes) {
  for (const QString& caption : {QString("OK"), QString("Print")}) {
    SCOPED_TRACE(caption.toStdString());
    WritersText text;
    RtfForm rtf;
    WpForm wp;
    const struct {
      TFormPublishBase& form;
      const std::optional<PublishOptions>& run;
      const std::vector<std::string>& calls;
      std::string folder;
    } forms[] = {{rtf.form, rtf.run, rtf.calls, text.OutputFile("rtf/new")},
                 {wp.form, wp.run, wp.calls, text.OutputFile("wp/new")}};
    for (const auto& f : forms) {
      SCOPED_TRACE(f.form.windowTitle().toStdString());
      ConfirmWithEveryOptionChanged(f.form, f.folder, caption);
      ASSERT_TRUE(f.run.has_value());
      const PublishOptions& options = *f.run;
      EXPECT_EQ(f.calls, (std::vector<std::string>{"clear history", "publish"}));
      EXPECT_TRUE(std::filesystem::is_directory(f.folder));
      EXPECT_EQ(options.folder, f.folder);
      EXPECT_TRUE(options.dotDoc);
      EXPECT_FALSE(options.dualColumns);
      EXPECT_TRUE(options.headersAndFooters);
      EXPECT_TRUE(options.oddEvenHeaders);
      EXPECT_EQ(options.printMode, caption == "Print");
      EXPECT_TRUE(options.processMessages);
    }
  }
}

TEST(DocumentForms, CancelRunsNothing) {
  WritersText text;
  RtfForm rtf;
  WpForm wp;
  for (TFormPublishBase* form : BothForms(rtf, wp)) {
    EXPECT_EQ(ShowForm(*form, [form] { form->ButtonCancel->click(); }), ui::ModalResult::Cancel);
  }
  EXPECT_TRUE(rtf.calls.empty());
  EXPECT_TRUE(wp.calls.empty());
  EXPECT_FALSE(rtf.run.has_value());
  EXPECT_FALSE(wp.run.has_value());
}

TEST(DocumentForms, RtfPublishingWritesTheBookUnderTheChosenExtension) {
  WritersText text;
  RtfForm rtf([&](TPrintRtf& writer) {
    EXPECT_TRUE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  });
  ShowForm(rtf.form, [&] {
    rtf.form.buttonDotDoc->setChecked(true);
    rtf.form.EditRegText->setText(QString::fromStdString(text.OutputFile("documents")));
    rtf.form.ButtonOkay->click();
  });
  EXPECT_TRUE(text.Exists("documents/Genesis.doc"));
  EXPECT_FALSE(text.Exists("documents/Genesis.rtf"));
  EXPECT_TRUE(text.Shell().Calls().empty());
}

// The italic group of an RTF document holds the word alone, whatever its
// possessive is; the punctuation and the blank stand after the group.
TEST(DocumentForms, RtfItalicsCoverTheWordWithoutItsPossessive) {
  WritersText text("book 1\n1:1 The [man's] rod, and [Moses'] rod.\n");
  RtfForm rtf([&](TPrintRtf& writer) {
    EXPECT_TRUE(publish::WriteBookRtf(writer, text.Book(Genesis), "Genesis"));
  });
  ShowForm(rtf.form, [&] {
    rtf.form.buttonDotNative->setChecked(true);
    rtf.form.EditRegText->setText(QString::fromStdString(text.OutputFile("documents")));
    rtf.form.ButtonOkay->click();
  });
  const std::string document = text.Read("documents/Genesis.rtf");
  EXPECT_NE(document.find("The {\\*\\i man}'s rod, and {\\*\\i Moses}' rod."), std::string::npos) << document;
}

TEST(DocumentForms, WordPerfectPrintModePrintsEachChaptersDocument) {
  WritersText text;
  WpForm wp([&](TPrintWp& writer) { EXPECT_TRUE(publish::WriteBookWp(writer, text.Book(Genesis))); });
  const std::string folder = text.OutputFile("print");
  wp.form.ButtonOkay->setText("Print");
  ShowForm(wp.form, [&] {
    wp.form.RadioMulti->setChecked(true);
    wp.form.EditRegText->setText(QString::fromStdString(folder));
    wp.form.ButtonOkay->click();
  });
  ASSERT_EQ(text.Shell().Calls().size(), 2u);
  EXPECT_EQ(text.Shell().Calls()[0].verb, "print");
  EXPECT_EQ(text.Shell().Calls()[0].file, folder + "/Genesis 1.wpd");
  EXPECT_EQ(text.Shell().Calls()[1].file, folder + "/Genesis 2.wpd");
}

TEST(DocumentForms, WordCompatibilityOverridesTheOptionsAndGivesThemBack) {
  WritersText text;
  WpForm wp;
  TPrintWpForm& form = wp.form;
  form.CheckBoxHeadFootOddEven->setChecked(true);

  form.CheckBoxWordCompatible->setChecked(true);
  EXPECT_FALSE(form.CheckBoxDualColumns->isChecked());
  EXPECT_FALSE(form.CheckBoxHeadFoot->isChecked());
  EXPECT_FALSE(form.CheckBoxHeadFootOddEven->isChecked());
  EXPECT_TRUE(form.buttonDotDoc->isChecked());
  EXPECT_FALSE(form.CheckBoxHeadFoot->isEnabled());
  EXPECT_FALSE(form.CheckBoxHeadFootOddEven->isEnabled());
  EXPECT_TRUE(form.RunOptions().wordCompatible);
  // Unticking two columns ran its handler, which copies the Word-compatibility box.
  EXPECT_TRUE(form.RunOptions().headerEachChapter);

  form.CheckBoxWordCompatible->setChecked(false);
  EXPECT_TRUE(form.CheckBoxDualColumns->isChecked());
  EXPECT_TRUE(form.CheckBoxHeadFoot->isChecked());
  EXPECT_TRUE(form.CheckBoxHeadFootOddEven->isChecked());
  EXPECT_TRUE(form.buttonDotNative->isChecked());
  EXPECT_TRUE(form.CheckBoxHeadFoot->isEnabled());
  EXPECT_TRUE(form.CheckBoxHeadFootOddEven->isEnabled());
  EXPECT_FALSE(form.RunOptions().wordCompatible);
  EXPECT_FALSE(form.RunOptions().headerEachChapter);
}

TEST(DocumentForms, WordCompatibilityGivesBackOptionsThatWereOff) {
  WritersText text;
  WpForm wp;
  TPrintWpForm& form = wp.form;
  form.CheckBoxHeadFoot->setChecked(false);
  form.buttonDotDoc->setChecked(true);

  form.CheckBoxWordCompatible->setChecked(true);
  form.CheckBoxWordCompatible->setChecked(false);
  EXPECT_FALSE(form.CheckBoxHeadFoot->isChecked());
  EXPECT_TRUE(form.CheckBoxHeadFoot->isEnabled());
  // No double-sided headers without headers.
  EXPECT_FALSE(form.CheckBoxHeadFootOddEven->isEnabled());
  EXPECT_TRUE(form.buttonDotDoc->isChecked());
  EXPECT_TRUE(form.CheckBoxDualColumns->isChecked());
}

}  // namespace
