#include "DesktopFixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>

#include "data/TextBuilder.h"
#include "desktop/InterfaceFormLink.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"

namespace desktop_testing {
namespace {

void AppendBook(std::string& text, int book, int chapters, int verses = 2) {
  text += "book " + std::to_string(book) + "\n";
  for (int chapter = 1; chapter <= chapters; ++chapter)
    for (int verse = 1; verse <= verses; ++verse)
      text += std::to_string(chapter) + ":" + std::to_string(verse) + " And the word was spoken.\n";
}

}  // namespace

std::string FixtureDescription() {
  std::string text;
  AppendBook(text, 1, 3);     // Genesis
  AppendBook(text, 2, 2);     // Exodus
  AppendBook(text, 12, 3);    // 2 Kings
  AppendBook(text, 19, 150);  // Psalms
  AppendBook(text, 31, 1);    // Obadiah
  AppendBook(text, 43, 3, 16);  // John
  AppendBook(text, 45, 3, 16);  // Romans
  AppendBook(text, 66, 1);    // Revelation
  return text;
}

DesktopFixture::DesktopFixture(const std::string& description) : DesktopFixture(BuiltEdition{}) {
  const data::BuildResult built = data::BuildFixtureEdition(installation_.EditionDir(), description);
  EXPECT_TRUE(built.ok) << built.error;
}

DesktopFixture::DesktopFixture(const BuiltEdition& edition)
    : dataHome_("XDG_DATA_HOME", temp_.File("data").c_str()),
      installation_(IXOCORE_LIBRARY, edition.folder),
      dialogs_(std::make_shared<platform::RecordingDialogService>()),
      dialogGuard_(dialogs_) {
  std::filesystem::create_directories(UserDataFolder());
  std::filesystem::create_directories(RuntimeFolder());
  std::filesystem::permissions(RuntimeFolder(), std::filesystem::perms::owner_all);
}

DesktopFixture::~DesktopFixture() {
  program_.reset();
  engine::ReplaceEngine(nullptr);  // the engine loaded from this installation goes with it
}

desktop::IxoProgram& DesktopFixture::Create(SearchForm searchForm) {
  desktop::SearchFormFactory searchForms = desktop::InterfaceFormLink::Factory();
  if (searchForm == SearchForm::Recorder) searchForms = [] { return std::make_unique<RecordingSearchForm>(); };
  program_ = std::make_unique<desktop::IxoProgram>(
      desktop::IxoProgram::Parts{ui::RecordingBrowser::Factory(), std::move(searchForms)});
  return *program_;
}

desktop::IxoProgram& DesktopFixture::Run(SearchForm searchForm) {
  Create(searchForm);
  program_->Start();
  EXPECT_TRUE(ProcessEventsUntil([this] { return Form().IsSetUp(); }));
  return *program_;
}

ui::RecordingBrowser& DesktopFixture::BrowserOfPage(int page) {
  return *static_cast<ui::RecordingBrowser*>(Form().BrowserForPage(page));
}

bool ProcessEventsUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 30000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return true;
}

}  // namespace desktop_testing
