#include "publish/ixoHtml.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>
#include <string>

#include "QtPrinters.h"
#include "ShowForm.h"
#include "WritersFixture.h"
#include "engine/ixoObject.h"
#include "publish/HtmlPages.h"
#include "publish/PublishOptions.h"
#include "ui/CheckBox.h"

namespace {

using publish_test::ShowForm;

using writers_test::Genesis;
using writers_test::WritersText;

QString EngineHtmlDir() { return QString::fromStdString(engine::Engine().HtmlDir); }

TEST(HtmlForm, OpensWithItsDefaultsAndTheHtmlFolderEachTime) {
  WritersText text;
  publish::TprintHtml form({});
  EXPECT_EQ(form.windowTitle(), "Publish Bible as Html");
  EXPECT_TRUE(form.printStrongsInfo->isChecked());
  EXPECT_EQ(form.EditRegHTML->text(), EngineHtmlDir());
  EXPECT_EQ(form.Image1->pixmap().size(), QSize(120, 120));

  engine::Engine().HtmlDir = text.OutputFile("moved/");
  QString shown;
  ShowForm(form, [&] {
    shown = form.EditRegHTML->text();
    form.ButtonCancel->click();
  });
  EXPECT_EQ(shown, EngineHtmlDir());
}

TEST(HtmlForm, OkPublishesIntoTheTypedFolderForOneRunOnly) {
  WritersText text;
  const std::string ownFolder = engine::Engine().HtmlDir;
  const std::string other = text.OutputFile("pages");
  std::string folderOfRun;
  bool shownDuringRun = true;
  // The run reads the form's options, as the main window's does.
  publish::TprintHtml form([&](const publish::PublishOptions& options) {
    folderOfRun = engine::Engine().HtmlDir;
    shownDuringRun = form.isVisible();
    EXPECT_TRUE(publish::WriteChapterHtml(Genesis, 2, options));
  });

  const ui::ModalResult result = ShowForm(form, [&] {
    form.EditRegHTML->setText(QString::fromStdString(other));
    form.printStrongsInfo->setChecked(false);
    form.ButtonOkay->click();
  });
  EXPECT_EQ(result, ui::ModalResult::OK);
  // The folder gets the separator the page paths need.
  EXPECT_EQ(folderOfRun, other + "/");
  EXPECT_FALSE(shownDuringRun);
  EXPECT_TRUE(std::filesystem::exists(other + "/Bible/1/2.html"));
  EXPECT_FALSE(std::filesystem::exists(ownFolder + "Bible/1/2.html"));
  EXPECT_EQ(engine::Engine().HtmlDir, ownFolder);
  EXPECT_TRUE(form.printStrongsInfo->isChecked());
}

// The style sheet highlights search hits through the words' classes: a run
// with the box cleared writes the words with their classes all the same.
TEST(HtmlForm, PagesOfARunWithoutStrongsInformationKeepTheirWordsClasses) {
  WritersText text;
  publish::TprintHtml form(
      [&](const publish::PublishOptions& options) { EXPECT_TRUE(publish::WriteChapterHtml(Genesis, 2, options)); });
  const auto publishInto = [&](const std::string& folder, bool strongs) {
    ShowForm(form, [&] {
      form.EditRegHTML->setText(QString::fromStdString(folder));
      if (form.printStrongsInfo->isChecked() != strongs) form.printStrongsInfo->click();
      form.ButtonOkay->click();
    });
    return testing_support::ReadFileBytes(folder + "/Bible/1/2.html");
  };
  const std::string with = publishInto(text.OutputFile("with"), true);
  const std::string without = publishInto(text.OutputFile("without"), false);
  EXPECT_EQ(without, with);
  EXPECT_NE(without.find("<span class=\"v1\"><span class=\"call_E\">Call</span> "), std::string::npos) << without;
}

TEST(HtmlForm, CancelLeavesTheFolderAndTicksStrongsAgain) {
  WritersText text;
  const std::string ownFolder = engine::Engine().HtmlDir;
  bool published = false;
  publish::TprintHtml form([&](const publish::PublishOptions&) { published = true; });
  const ui::ModalResult result = ShowForm(form, [&] {
    form.EditRegHTML->setText("/elsewhere");
    form.printStrongsInfo->setChecked(false);
    form.ButtonCancel->click();
  });
  EXPECT_EQ(result, ui::ModalResult::Cancel);
  EXPECT_FALSE(published);
  EXPECT_EQ(engine::Engine().HtmlDir, ownFolder);
  EXPECT_TRUE(form.printStrongsInfo->isChecked());
}

}  // namespace
