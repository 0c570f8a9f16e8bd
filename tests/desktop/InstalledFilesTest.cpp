// What the program addresses in its installation is where the build's install
// rules put it: the picture of the word summary pages and the help in the
// home folder, and the manual of the search form's Help menu at the top.

#include <gtest/gtest.h>

#include <QAction>
#include <QProcess>
#include <regex>

#include "DesktopFixture.h"
#include "TempFolder.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "platform/Shell.h"
#include "search/HelpManual.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

// Runs the install rules of one folder of the build into the installation.
bool InstallRulesOf(const std::string& folder, const std::string& installDir) {
  QProcess cmake;
  cmake.setProcessChannelMode(QProcess::ForwardedChannels);
  cmake.start(IXO_CMAKE_COMMAND, {QString::fromStdString("-DCMAKE_INSTALL_PREFIX=" + installDir), "-P",
                                  QString::fromStdString(std::string(IXO_BUILD_FOLDER) + folder + "/cmake_install.cmake")});
  return cmake.waitForFinished(60000) && cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
}

TEST(InstalledFiles, SummaryPagePictureIsTheInstalledOne) {
  DesktopFixture fixture;
  ASSERT_TRUE(InstallRulesOf("data/picture", fixture.InstallDir()));
  fixture.Run();
  desktop::TIxoBibleMainForm& form = fixture.Form();
  form.Mode->SetActivePage(form.pageSearch);
  form.TreeSearch->Select(form.TreeSearch->Add(nullptr, "love", ui::node::kWordList));

  const std::string page = testing_support::ReadFileBytes(fixture.HtmlDir() + "Temp/love.html");
  std::smatch picture;
  ASSERT_TRUE(std::regex_search(page, picture, std::regex("<img src=\"file://([^\"]+)\""))) << page;
  const std::string installed = testing_support::ReadFileBytes(picture[1].str());
  EXPECT_TRUE(installed.starts_with("GIF89a")) << picture[1].str();
  EXPECT_EQ(installed, testing_support::ReadFileBytes(IXO_BUILD_FOLDER "ixodesk/image/Search.gif"));
}

// The Help page builds its tree from the installed "help.tree", and the pages
// it and the other pages show are files of the installed help.
TEST(InstalledFiles, HelpPageShowsTheInstalledHelp) {
  DesktopFixture fixture;
  ASSERT_TRUE(InstallRulesOf("data/help", fixture.InstallDir()));
  fixture.Run();
  desktop::TIxoBibleMainForm& form = fixture.Form();
  form.HelpMenu->trigger();
  ASSERT_FALSE(form.TreeHelp->IsEmpty());
  EXPECT_EQ(form.TreeHelp->Selected(), form.TreeHelp->FirstNode());

  const std::string home = fixture.InstallDir() + "ixodesk/";
  EXPECT_EQ(fixture.BrowserOfPage(6).Address().toStdString(), "file://" + home + "Help/4/0.html");
  for (const std::string& page : {home + "Help/4/0.html", form.FBlankPage, form.FGospelPage})
    EXPECT_TRUE(testing_support::ReadFileBytes(page).starts_with("<html>")) << page;
}

TEST(InstalledFiles, HelpMenuOpensTheInstalledManual) {
  DesktopFixture fixture;
  ASSERT_TRUE(InstallRulesOf("data/manual", fixture.InstallDir()));
  fixture.Run();
  auto shell = std::make_shared<platform::RecordingShellService>();
  const platform::ScopedShellService shellGuard(shell);

  search::OpenManual(engine::Engine().InstallDir);
  ASSERT_EQ(shell->Calls().size(), 1u);
  EXPECT_EQ(shell->Calls()[0].verb, "OPEN");
  EXPECT_TRUE(testing_support::ReadFileBytes(shell->Calls()[0].file).starts_with("%PDF-")) << shell->Calls()[0].file;
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

}  // namespace
}  // namespace desktop_testing
