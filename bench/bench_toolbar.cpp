// The road of a tool-bar search as the user takes it, through the desktop
// program's main window on the edition in IXO_EDITION (or the built one),
// offscreen, with the plain page view: the criteria typed into the search box
// and Return pressed; the search form searches, keeps the search as a dated
// history study and as "current.ixolc", writes the style sheet; the main
// window loads the study into the Search page, whose tree is filled; and the
// events that the key leaves waiting run. The per-user data and the HTML
// folder are temporary.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>

#include "BenchEdition.h"
#include "BenchSearch.h"
#include "ScopedEnvironment.h"
#include "TempFolder.h"
#include "TestInstallation.h"
#include "desktop/ChapterPagesMarker.h"
#include "desktop/InterfaceFormLink.h"
#include "desktop/IxoProgram.h"
#include "desktop/PlainBrowser.h"
#include "desktop/ixoMain.h"
#include "platform/Dialogs.h"
#include "ui/NodeKind.h"
#include "ui/TreeView.h"

namespace {

// The program started on the edition, its main window shown, as a user finds it.
class StartedProgram {
 public:
  StartedProgram()
      : dataHome_("XDG_DATA_HOME", temp_.File("data").c_str()),
        installation_(IXOCORE_LIBRARY, bench::EditionFolder()),
        dialogs_(std::make_shared<platform::ConsoleDialogService>()) {
    // The chapter pages are taken as written: the first start writes no page.
    std::filesystem::create_directories(installation_.HtmlDir() + "Bible");
    desktop::MarkChapterPagesWritten(installation_.HtmlDir());
    program_ = std::make_unique<desktop::IxoProgram>(
        desktop::IxoProgram::Parts{desktop::PlainBrowser::Factory(), desktop::InterfaceFormLink::Factory()});
    program_->Start();
    while (!program_->MainForm().IsSetUp()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }

  desktop::TIxoBibleMainForm& Form() { return program_->MainForm(); }

 private:
  testing_support::TempFolder temp_;
  testing_support::ScopedEnvironment dataHome_;
  testing_support::TestInstallation installation_;
  platform::ScopedDialogService dialogs_;
  std::unique_ptr<desktop::IxoProgram> program_;
};

// The verses of the Search page's tree.
int VersesShown(const ui::TreeView& tree) {
  int verses = 0;
  for (const ui::TreeNode* node = tree.FirstNode(); node; node = node->GetNext())
    if (node->ImageIndex() == ui::node::kVerse) ++verses;
  return verses;
}

void ToolbarSearch(benchmark::State& state, const std::string& criteria) {
  if (!bench::EditionPresent()) {
    state.SkipWithError("no edition: build it or set IXO_EDITION");
    return;
  }
  // Started for each run, not kept in a static: the program's windows must
  // go before the application object does, at the end of main.
  StartedProgram program;
  desktop::TIxoBibleMainForm& form = program.Form();
  for (auto _ : state) {
    form.EditSearchCriteria->setText(QString::fromStdString(criteria));
    QTest::keyClick(form.EditSearchCriteria, Qt::Key_Return);
    QCoreApplication::processEvents();
  }
  state.counters["verses"] = VersesShown(*form.TreeSearch);
}

void ToolbarSearchOfTwoWords(benchmark::State& state) { ToolbarSearch(state, bench::TwoWords); }
BENCHMARK(ToolbarSearchOfTwoWords)->Unit(benchmark::kMillisecond);

void ToolbarSearchOfFiveTerms(benchmark::State& state) { ToolbarSearch(state, bench::FiveTerms); }
BENCHMARK(ToolbarSearchOfFiveTerms)->Unit(benchmark::kMillisecond);

}  // namespace
