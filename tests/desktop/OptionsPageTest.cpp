// The Options page: its controls filled from the engine, "Update" writing the
// per-user values into the registry store, "Cancel" reading them back, the
// switches, and "Reset Html" rewriting the chapter pages.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>

#include "DesktopFixture.h"
#include "ScopedEnvironment.h"
#include "TempFolder.h"
#include "desktop/ChapterPagesMarker.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "platform/Registry.h"
#include "ui/CheckBox.h"
#include "ui/PageControl.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
using platform::DialogButtons;
using platform::DialogType;
using platform::ModalResult;
using platform::RootKey;
using testing_support::ProductKey;
namespace fs = std::filesystem;

constexpr char kRestart[] =
    "You may need to restart the Ixo Bible after changing some options for these settings to take effect.";
constexpr char kLargePrintRestart[] =
    "You may need to restart the Ixo Bible after changing some options (such as the \"Large Print\" option) "
    "for these settings to take effect.";
constexpr char kSaved[] = "Options have been saved.\nThe program will now terminate to complete the installation.";

class OptionsPageTest : public ::testing::Test {
 protected:
  TIxoBibleMainForm& Form() { return fixture.Form(); }
  engine::TixoEngine& Engine() { return engine::Engine(); }
  testing_support::TestRegistry& Registry() { return fixture.Installation().Registry(); }

  void WriteUserInteger(const char* name, int value) {
    ASSERT_TRUE(Registry().WriteInteger(RootKey::CurrentUser, ProductKey, name, value));
  }

  // The value lines of the program's per-user key in the store, in file order.
  std::vector<std::string> UserValueLines() {
    const std::string hive = testing_support::ReadFileBytes(Registry().Folder() +
                                                            "HKEY_CURRENT_USER.reg");
    std::vector<std::string> lines;
    bool inKey = false;
    std::size_t start = 0;
    while (start < hive.size()) {
      const std::size_t end = hive.find('\n', start);
      std::string line = hive.substr(start, end == std::string::npos ? std::string::npos : end - start);
      start = end == std::string::npos ? hive.size() : end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.starts_with('[')) {
        inKey = line == "[HKEY_CURRENT_USER\\SOFTWARE\\Varnholt\\Ixo Bible]";
      } else if (inKey && !line.empty()) {
        lines.push_back(line);
      }
    }
    return lines;
  }

  // Update with the answers OK to the restart message and `question` to the
  // question whether to end the program.
  void Update(ModalResult question = ModalResult::Cancel) {
    fixture.Dialogs().Clear();
    fixture.Dialogs().Answer(ModalResult::OK);
    fixture.Dialogs().Answer(question);
    Form().ButtonRegSave->click();
  }

  void TypeSpan(const QString& text) { Form().EditRegSensitivity->findChild<QLineEdit*>()->setText(text); }

  DesktopFixture fixture;
};

TEST_F(OptionsPageTest, PageHoldsItsControlsWithTheirCaptionsAndStates) {
  fixture.Run();
  TIxoBibleMainForm& form = Form();
  form.OptionsMenu->trigger();
  ASSERT_EQ(form.Mode->ActivePage(), form.PageOptions);

  struct LabelCase {
    const char* name;
    const char* caption;
    QWidget* edit;
  };
  for (const LabelCase& c : {LabelCase{"LabelRegDirectory", "Dynamic Library", form.EditRegDllName},
                             LabelCase{"LabelRegLibrary", "Primary Interface", form.EditRegEdition},
                             LabelCase{"Label6", "Local HTML Files", form.EditRegHTML},
                             LabelCase{"Label2", "Search-Word Span", form.EditRegSensitivity}}) {
    SCOPED_TRACE(c.name);
    const auto* label = form.PageOptions->findChild<QLabel*>(c.name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), c.caption);
    EXPECT_EQ(label->buddy(), c.edit);
    EXPECT_TRUE(label->isVisible());
  }
  EXPECT_EQ(form.Label2->toolTip(), "The span between words for a search to match.");

  // The folders are shown only; the edition edit is empty and read-only; the span can be typed.
  EXPECT_FALSE(form.EditRegHTML->isEnabled());
  EXPECT_FALSE(form.EditRegDllName->isEnabled());
  EXPECT_FALSE(form.EditRegEdition->isEnabled());
  EXPECT_TRUE(form.EditRegEdition->isReadOnly());
  EXPECT_EQ(form.EditRegEdition->text(), "");
  EXPECT_TRUE(form.EditRegSensitivity->isEnabled());

  // The switches are hidden; the bold and colour ones follow the stored settings.
  struct SwitchCase {
    ui::CheckBox* box;
    const char* caption;
  };
  for (const SwitchCase& c : {SwitchCase{form.LargePrint, "Large Print"},
                              SwitchCase{form.CheckUseBold, "Use bold font in bible text"},
                              SwitchCase{form.CheckUseColor, "Use colors in bible text"}}) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.box->text(), c.caption);
    EXPECT_FALSE(c.box->isVisible());
  }
  EXPECT_TRUE(form.LargePrint->isChecked());

  struct ButtonCase {
    QPushButton* button;
    const char* name;
    const char* caption;
    bool visible;
  };
  for (const ButtonCase& c : {ButtonCase{form.ButtonRegSave, "ButtonRegSave", "Update", true},
                              ButtonCase{form.ButtonRegCancel, "ButtonRegCancel", "Cancel", true},
                              ButtonCase{form.ButtonReset, "ButtonReset", "Reset Html", false}}) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(form.PanelOptionButtons->findChild<QPushButton*>(c.name), c.button);
    EXPECT_EQ(c.button->text(), c.caption);
    EXPECT_EQ(c.button->isVisible(), c.visible);
  }
  EXPECT_EQ(form.PanelOptionButtons->height(), 42);
}

TEST_F(OptionsPageTest, ControlsShowTheEngineSettingsAndTheSwitchesAreLeftAsStored) {
  WriteUserInteger("Sensitivity", 12);
  WriteUserInteger("Settings", 0x8002);  // colours, not bold
  fixture.Run();
  TIxoBibleMainForm& form = Form();

  EXPECT_EQ(form.EditRegHTML->text().toStdString(), fixture.HtmlDir());
  EXPECT_EQ(form.EditRegDllName->text().toStdString(), fixture.InstallDir() + "2011.ixocore");
  EXPECT_EQ(form.EditRegEdition->text(), "");
  EXPECT_EQ(form.EditRegSensitivity->value(), 12);
  EXPECT_TRUE(form.CheckUseColor->isChecked());
  EXPECT_FALSE(form.CheckUseBold->isChecked());
  EXPECT_FALSE(form.CheckUseColor->isEnabled());
  EXPECT_FALSE(form.CheckUseBold->isEnabled());
  // Checking the box while the form was set up did not run the switch handler.
  EXPECT_EQ(Engine().Settings, 0x8002);
}

TEST_F(OptionsPageTest, UpdateWritesTheSpanDocumentFolderColoursAndSettingsInThatOrder) {
  fixture.Run();
  Engine().Colors.Add("love=red");
  Engine().Colors.Add("joy=blue");
  Engine().Settings = 0x0004;  // written with the bit that marks a set value
  Form().EditRegSensitivity->setValue(12);
  Update();

  const std::string document = Engine().DocumentDir;
  EXPECT_EQ(UserValueLines(), (std::vector<std::string>{"\"Sensitivity\"=dword:0000000c",
                                                        "\"Document\"=\"" + document + "\"",
                                                        "\"Colors\"=\"\"", "\"Settings\"=dword:00008004"}));
  EXPECT_EQ(Engine().Sensitivity, 12);
  EXPECT_EQ(Engine().Colors.Count(), 0u);
  EXPECT_EQ(Engine().Settings, 0x0004);

  const auto& shown = fixture.Dialogs().Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, kRestart);
  EXPECT_EQ(shown[0].type, DialogType::Information);
  EXPECT_EQ(shown[0].buttons, DialogButtons::OK);
  EXPECT_EQ(shown[1].text, kSaved);
  EXPECT_EQ(shown[1].type, DialogType::Information);
  EXPECT_EQ(shown[1].buttons, DialogButtons::OKCancel);
  // Cancel on the question keeps the program running, on its page.
  EXPECT_TRUE(Form().isVisible());
  EXPECT_EQ(Form().windowTitle(), " Ixo Bible - Version 2011");
}

TEST_F(OptionsPageTest, OnlySpansFromOneToNinetyNineAreStored) {
  fixture.Run();
  struct Case {
    const char* typed;
    int engineSpan;  // afterwards
    int storedSpan;  // afterwards; 20 was stored before
  };
  const Case cases[] = {
      {"12", 12, 12}, {"1", 1, 1}, {"99", 99, 99}, {"150", 150, 20},
      // No number: the engine keeps the span it had and the edit shows it again.
      {"", 33, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    WriteUserInteger("Sensitivity", 20);
    Engine().Sensitivity = 33;
    TypeSpan(c.typed);
    Update();
    EXPECT_EQ(Engine().Sensitivity, c.engineSpan);
    EXPECT_EQ(Form().EditRegSensitivity->value(), c.engineSpan);
    platform::TRegistry registry(RootKey::CurrentUser);
    ASSERT_TRUE(registry.OpenKey(ProductKey, false));
    EXPECT_EQ(registry.ReadInteger("Sensitivity"), c.storedSpan);
  }
}

TEST_F(OptionsPageTest, SpanBelowOneIsRaisedToOneAsItChanges) {
  fixture.Run();
  for (const int typed : {0, -3}) {
    Form().EditRegSensitivity->setValue(typed);
    EXPECT_EQ(Form().EditRegSensitivity->value(), 1) << typed;
  }
}

TEST_F(OptionsPageTest, UpdateWithoutADocumentFolderLeavesItOut) {
  fixture.Run();
  Engine().DocumentDir.clear();
  Form().EditRegSensitivity->setValue(9);
  Update();
  EXPECT_EQ(UserValueLines(), (std::vector<std::string>{"\"Sensitivity\"=dword:00000009", "\"Colors\"=\"\"",
                                                        "\"Settings\"=dword:00008006"}));
}

TEST_F(OptionsPageTest, LargePrintSwitchChoosesTheLongerRestartMessage) {
  fixture.Run();
  Form().LargePrint->setChecked(false);
  EXPECT_TRUE(Form().FLargePrintChanged);
  Update();
  ASSERT_FALSE(fixture.Dialogs().Shown().empty());
  EXPECT_EQ(fixture.Dialogs().Shown()[0].text, kLargePrintRestart);
}

TEST_F(OptionsPageTest, UpdateTakesTheFoldersIntoTheEngineOnly) {
  fixture.Run();
  Form().EditRegHTML->setText("/elsewhere/html/");
  Form().EditRegDllName->setText("/elsewhere/core.so");
  Update();
  EXPECT_EQ(Engine().HtmlDir, "/elsewhere/html/");
  EXPECT_EQ(Engine().LibraryPath, "/elsewhere/core.so");
  for (const std::string& line : UserValueLines()) EXPECT_EQ(line.find("elsewhere"), std::string::npos) << line;
}

TEST_F(OptionsPageTest, StoreThatCannotBeWrittenIsReportedAndTheProgramIsNotEnded) {
  fixture.Run();
  testing_support::TempFolder temp;
  ASSERT_TRUE(testing_support::WriteFileBytes(temp.File("file"), "not a folder"));
  // A store folder below a file can be neither created nor written.
  testing_support::ScopedEnvironment store("IXO_REGISTRY", temp.File("file/registry/").c_str());
  Form().EditRegSensitivity->setValue(15);
  Update(ModalResult::OK);

  EXPECT_EQ(Engine().Sensitivity, 15);  // for the rest of the run
  // The store may also say once that it cannot read the file; no question follows.
  const auto& shown = fixture.Dialogs().Shown();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown.front().text, kRestart);
  const platform::DialogRequest& last = shown.back();
  EXPECT_EQ(last.type, DialogType::Error);
  EXPECT_NE(last.text.find("could not be saved"), std::string::npos) << last.text;
  EXPECT_NE(last.text.find(temp.File("file/registry/")), std::string::npos) << last.text;
  for (const platform::DialogRequest& request : shown) EXPECT_NE(request.text, kSaved);
}

// The four values go into the store together: one the store cannot hold (a
// folder with a line break) keeps the others out too.
TEST_F(OptionsPageTest, UpdateThatTheStoreRefusesPartWayChangesNoValue) {
  fixture.Run();
  WriteUserInteger("Sensitivity", 20);
  WriteUserInteger("Settings", 0x8002);
  const std::string hiveFile = Registry().Folder() + "HKEY_CURRENT_USER.reg";
  const std::string before = testing_support::ReadFileBytes(hiveFile);
  Engine().DocumentDir = "/home/me/line\nbreak/";
  Form().EditRegSensitivity->setValue(15);
  Update(ModalResult::OK);

  EXPECT_EQ(testing_support::ReadFileBytes(hiveFile), before);
  EXPECT_EQ(UserValueLines(), (std::vector<std::string>{"\"Sensitivity\"=dword:00000014",
                                                        "\"Settings\"=dword:00008002"}));
  const auto& shown = fixture.Dialogs().Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].type, DialogType::Error);
  EXPECT_NE(shown[1].text.find("could not be saved"), std::string::npos) << shown[1].text;
}

// The answer to the question whether to end the program, with the message
// loop running: OK ends it at once, Cancel lets it run on.
TEST_F(OptionsPageTest, OkOnTheSavedQuestionEndsTheProgram) {
  fixture.Run();
  struct Case {
    ModalResult answer;
    int exitCode;  // 7: still running when the test ended the loop itself
  };
  for (const Case c : {Case{ModalResult::OK, 0}, Case{ModalResult::Cancel, 7}}) {
    QTimer afterwards;
    afterwards.setSingleShot(true);
    QObject::connect(&afterwards, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    QTimer::singleShot(0, &Form(), [this, &c, &afterwards] {
      Update(c.answer);
      afterwards.start(200);
    });
    EXPECT_EQ(QCoreApplication::exec(), c.exitCode);
  }
}

TEST_F(OptionsPageTest, CancelReadsTheStoredSettingsAndSendsTheTreePagesBackToTheGospelPage) {
  fixture.Run();
  TIxoBibleMainForm& form = Form();
  form.OptionsMenu->trigger();
  Engine().Sensitivity = 42;
  Engine().HtmlDir = "/elsewhere/";
  WriteUserInteger("Sensitivity", 9);
  WriteUserInteger("Settings", 0x8009);  // an unknown bit 0x0008, and bit 0x0001 that the switches clear
  for (int page = 1; page <= 4; ++page) fixture.BrowserOfPage(page).Clear();

  form.ButtonRegCancel->click();
  EXPECT_EQ(Engine().Sensitivity, 9);
  EXPECT_EQ(form.EditRegSensitivity->value(), 9);
  EXPECT_EQ(Engine().HtmlDir, fixture.HtmlDir());
  EXPECT_EQ(form.EditRegHTML->text().toStdString(), fixture.HtmlDir());
  EXPECT_EQ(Engine().Settings, 0x800E);
  EXPECT_TRUE(form.CheckUseColor->isChecked());
  EXPECT_TRUE(form.CheckUseBold->isChecked());
  EXPECT_FALSE(form.CheckUseColor->isEnabled());
  EXPECT_FALSE(form.CheckUseBold->isEnabled());
  EXPECT_TRUE(form.FOptionsReady);

  const QString gospel = QString::fromStdString(form.FGospelPage);
  for (int page = 1; page <= 4; ++page)
    EXPECT_EQ(fixture.BrowserOfPage(page).Address(), gospel) << page;
  EXPECT_EQ(form.Mode->ActivePage(), form.PageOptions);
}

TEST_F(OptionsPageTest, SwitchHandlerTurnsBothSwitchesOnOnceTheFormIsReady) {
  fixture.Run();
  Engine().Settings = 0x0001;
  Form().ConfigStateChange();
  EXPECT_EQ(Engine().Settings, 0x8006);

  Form().FOptionsReady = false;
  Engine().Settings = 0x0001;
  Form().ConfigStateChange();
  EXPECT_EQ(Engine().Settings, 0x0001);
  Form().FOptionsReady = true;
}

// ---- Reset Html -------------------------------------------------------------------

std::string PagePath(const std::string& html, int book, int chapter) {
  return html + "Bible/" + std::to_string(book) + "/" + std::to_string(chapter) + ".html";
}

TEST_F(OptionsPageTest, ResetHtmlWritesEveryChapterPageAgain) {
  fixture.Run();
  const std::string html = fixture.HtmlDir();
  ASSERT_TRUE(testing_support::WriteFileBytes(PagePath(html, 1, 1), "old"));
  ASSERT_TRUE(testing_support::WriteFileBytes(PagePath(html, 66, 1), "old"));
  Form().ButtonReset->click();

  for (const std::string& page : {PagePath(html, 1, 1), PagePath(html, 66, 1)}) {
    const std::string text = testing_support::ReadFileBytes(page);
    EXPECT_TRUE(text.starts_with("<html>\n") && text.ends_with("</html>\n")) << page;
  }
  EXPECT_TRUE(desktop::ChapterPagesWritten(html));
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(OptionsPageTest, ResetHtmlThatFailsIsReportedAndLeavesThePagesToBeWrittenAtTheNextStart) {
  fixture.Run();
  const std::string html = fixture.HtmlDir();
  // The folder of book 19 cannot be made: a file stands in its place.
  fs::remove_all(html + "Bible/19");
  ASSERT_TRUE(testing_support::WriteFileBytes(html + "Bible/19", "in the way"));
  ASSERT_TRUE(testing_support::WriteFileBytes(PagePath(html, 1, 1), "old"));
  ASSERT_TRUE(testing_support::WriteFileBytes(PagePath(html, 31, 1), "old"));
  Form().ButtonReset->click();

  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].type, DialogType::Error);
  EXPECT_NE(fixture.Dialogs().Shown()[0].text.find("Bible/19"), std::string::npos);
  EXPECT_FALSE(desktop::ChapterPagesWritten(html));
  // Written before the failure, and not reached after it.
  EXPECT_TRUE(testing_support::ReadFileBytes(PagePath(html, 1, 1)).starts_with("<html>\n"));
  EXPECT_EQ(testing_support::ReadFileBytes(PagePath(html, 31, 1)), "old");
}

}  // namespace
}  // namespace desktop_testing
