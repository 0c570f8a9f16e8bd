#include "publish/ixoTextForm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "QtPrinters.h"
#include "ShowForm.h"
#include "WritersFixture.h"
#include "engine/ixoObject.h"
#include "platform/Paths.h"
#include "publish/ixoText.h"
#include "ui/CheckBox.h"
#include "ui/RadioButton.h"

namespace {

using publish_test::ShowForm;

using publish::PublishOptions;
using publish::TprintText;
using LineStyle = PublishOptions::LineStyle;
using writers_test::Genesis;
using writers_test::WritersText;

// A text form whose OK button records what the main window is asked to do and
// the options it is given, then runs publish with a writer made with them, as
// the main window does.
struct TextForm {
  explicit TextForm(std::function<void(const TprintText&)> publish = {})
      : form({[this] { calls.push_back("clear history"); },
              [this, publish](const PublishOptions& options) {
                calls.push_back(form.isVisible() ? "publish, form shown" : "publish");
                run = options;
                if (publish) publish(TprintText(options));
              }}) {}

  std::vector<std::string> calls;
  std::optional<PublishOptions> run;  // the options of the last run
  publish::TprintTextForm form;
};

QString InstallTextFolder() {
  return QString::fromStdString(platform::JoinPath(engine::Engine().InstallDir, "Text"));
}

TEST(TextForm, OpensWithItsDefaults) {
  WritersText text;
  TextForm t;
  EXPECT_EQ(t.form.windowTitle(), "Publish Bible as Text");
  EXPECT_EQ(t.form.EditRegText->text(), QString::fromStdString(engine::Engine().DocumentDir));
  EXPECT_TRUE(t.form.RadioButtonVerseOnlyRep->isChecked());
  EXPECT_FALSE(t.form.RadioButtonNumericRep->isChecked());
  EXPECT_FALSE(t.form.RadioButtonAlphaRep->isChecked());
  EXPECT_FALSE(t.form.printStrongsInfo->isChecked());
  EXPECT_TRUE(t.form.showItalicizedWords->isChecked());
  EXPECT_EQ(t.form.ButtonOkay->text(), "OK");
  EXPECT_EQ(t.form.ButtonCancel->text(), "Cancel");
  EXPECT_EQ(t.form.Image1->pixmap().size(), QSize(120, 120));
}

TEST(TextForm, EveryShowingStartsInTheInstallationsTextFolder) {
  WritersText text;
  TextForm t;
  for (int showing = 1; showing <= 2; ++showing) {
    SCOPED_TRACE(showing);
    QString shown;
    ShowForm(t.form, [&] {
      shown = t.form.EditRegText->text();
      t.form.EditRegText->setText("/somewhere/else");
      t.form.ButtonCancel->click();
    });
    EXPECT_EQ(shown, InstallTextFolder());
  }
  EXPECT_TRUE(t.calls.empty());
}

TEST(TextForm, OkHandsTheOptionsToTheWriterCreatesTheFolderAndPublishes) {
  struct Case {
    const char* name;
    ui::RadioButton* publish::TprintTextForm::*radio;
    LineStyle style;
  };
  const Case cases[] = {
      {"numeric", &publish::TprintTextForm::RadioButtonNumericRep, LineStyle::Numeric},
      {"alpha", &publish::TprintTextForm::RadioButtonAlphaRep, LineStyle::Alpha},
      {"verses only", &publish::TprintTextForm::RadioButtonVerseOnlyRep, LineStyle::VerseOnly},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WritersText text;
    TextForm t;
    const std::string folder = text.OutputFile("new/text files");
    const ui::ModalResult result = ShowForm(t.form, [&] {
      (t.form.*c.radio)->setChecked(true);
      t.form.printStrongsInfo->setChecked(true);
      t.form.showItalicizedWords->setChecked(false);
      t.form.EditRegText->setText(QString::fromStdString(folder));
      t.form.ButtonOkay->click();
    });
    EXPECT_EQ(result, ui::ModalResult::OK);
    EXPECT_EQ(t.calls, (std::vector<std::string>{"clear history", "publish"}));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    ASSERT_TRUE(t.run.has_value());
    EXPECT_EQ(t.run->folder, folder);
    EXPECT_EQ(t.run->lineStyle, c.style);
    EXPECT_TRUE(t.run->printStrongsInfo);
    EXPECT_FALSE(t.run->showItalicizedWords);
    EXPECT_TRUE(t.run->processMessages);
  }
}

TEST(TextForm, PublishingWritesTheChaptersWithTheFormsOptions) {
  WritersText text;
  TextForm t([&](const TprintText& writer) { EXPECT_TRUE(writer.WriteBookText(text.Book(Genesis))); });
  ShowForm(t.form, [&] {
    t.form.RadioButtonAlphaRep->setChecked(true);
    t.form.EditRegText->setText(QString::fromStdString(text.OutputFile("Text")));
    t.form.ButtonOkay->click();
  });
  EXPECT_EQ(text.Read("Text/01~002.txt"),
            "Genesis 002:1 Call his name Maher-shalal-hash-baz now.\n"
            "Genesis 002:2 Amen.\n");
  EXPECT_TRUE(text.Dialogs().Shown().empty());
}

TEST(TextForm, FolderThatCannotBeCreatedIsReportedAndTheFormStaysOpen) {
  WritersText text;
  TextForm t;
  const std::string blocker = text.OutputFile("a file");
  std::FILE* file = std::fopen(blocker.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  const std::string folder = blocker + "/Text";

  bool stillShown = false;
  const ui::ModalResult result = ShowForm(t.form, [&] {
    t.form.EditRegText->setText(QString::fromStdString(folder));
    t.form.ButtonOkay->click();
    stillShown = t.form.isVisible();
    t.form.ButtonCancel->click();
  });
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(result, ui::ModalResult::Cancel);
  EXPECT_TRUE(t.calls.empty());
  ASSERT_EQ(text.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(text.Dialogs().Shown()[0].text, "Could not open or write to: '" + folder + "'");
  EXPECT_EQ(text.Dialogs().Shown()[0].type, platform::DialogType::Error);
}

TEST(TextForm, CancelRunsNothingAndHandsOverNoOptions) {
  WritersText text;
  TextForm t;
  const ui::ModalResult result = ShowForm(t.form, [&] {
    t.form.RadioButtonNumericRep->setChecked(true);
    t.form.ButtonCancel->click();
  });
  EXPECT_EQ(result, ui::ModalResult::Cancel);
  EXPECT_TRUE(t.calls.empty());
  EXPECT_FALSE(t.run.has_value());
  EXPECT_FALSE(std::filesystem::exists(InstallTextFolder().toStdString()));
}

}  // namespace
