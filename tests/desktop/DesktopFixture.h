#pragma once
// The desktop program on a small text, for tests: a test installation with a
// fixture edition (by default Genesis, Exodus, 2 Kings, Psalms, Obadiah,
// John, Romans and Revelation hold verses; the other books are empty) or an
// edition built elsewhere, its own per-user data folder and runtime folder,
// dialogs recorded, and the program's forms with recording browsers and a
// recording search form.

#include <memory>
#include <string>

#include "RecordingSearchForm.h"
#include "ScopedEnvironment.h"
#include "TestInstallation.h"
#include "desktop/IxoProgram.h"
#include "platform/Dialogs.h"
#include "ui/RecordingBrowser.h"

namespace desktop {
class TIxoBibleMainForm;
}

namespace desktop_testing {

// The fixture text; every chapter of it has two verses unless said otherwise.
std::string FixtureDescription();

class DesktopFixture {
 public:
  // A fixture edition of the text description (TextDescription.h).
  explicit DesktopFixture(const std::string& description = FixtureDescription());
  // The edition folder given (with a trailing separator), used as it is.
  struct BuiltEdition {
    std::string folder;
  };
  explicit DesktopFixture(const BuiltEdition& edition);
  ~DesktopFixture();
  DesktopFixture(const DesktopFixture&) = delete;
  DesktopFixture& operator=(const DesktopFixture&) = delete;

  std::string HtmlDir() const { return installation_.HtmlDir(); }
  std::string InstallDir() const { return installation_.InstallDir(); }
  std::string UserDataFolder() const { return temp_.File("data/"); }
  std::string RuntimeFolder() const { return temp_.File("run/"); }
  testing_support::TestInstallation& Installation() { return installation_; }
  platform::RecordingDialogService& Dialogs() { return *dialogs_; }

  // Which search form the program gets.
  enum class SearchForm { Recorder, Program };

  // Creates the forms (the main window loads the engine).
  desktop::IxoProgram& Create(SearchForm searchForm = SearchForm::Recorder);
  // Create, Start, and lets waiting events run until the main window's show
  // handler has run.
  desktop::IxoProgram& Run(SearchForm searchForm = SearchForm::Recorder);

  desktop::IxoProgram& Program() { return *program_; }
  desktop::TIxoBibleMainForm& Form() { return program_->MainForm(); }
  // The recorder (SearchForm::Recorder only).
  RecordingSearchForm& Search() { return *static_cast<RecordingSearchForm*>(program_->InterfaceForm()); }
  ui::RecordingBrowser& BrowserOfPage(int page);

 private:
  testing_support::TempFolder temp_;
  testing_support::ScopedEnvironment dataHome_;
  testing_support::TestInstallation installation_;
  std::shared_ptr<platform::RecordingDialogService> dialogs_;
  platform::ScopedDialogService dialogGuard_;
  std::unique_ptr<desktop::IxoProgram> program_;
};

// Lets waiting events run until done() or a generous time has passed.
bool ProcessEventsUntil(const std::function<bool()>& done);

}  // namespace desktop_testing
