// Pages in folders whose names a URL would misread ("#", "%20", "?", a
// blank): the addresses the main window sends its browsers lead to them, and
// the plain browser opens them.

#include <gtest/gtest.h>

#include <QTextBrowser>
#include <filesystem>

#include "DesktopFixture.h"
#include "TempFolder.h"
#include "desktop/BookTree.h"
#include "desktop/PlainBrowser.h"
#include "engine/ixoObject.h"
#include "platform/Paths.h"
#include "ui/Browser.h"

namespace desktop_testing {
namespace {

constexpr const char* kFolderNames[] = {"Ixo #1", "x%20y", "why?", "two words"};

TEST(PageAddress, TheMainWindowShowsTheChapterPagesOfAnHtmlFolderOfAnyName) {
  for (const char* name : kFolderNames) {
    SCOPED_TRACE(name);
    DesktopFixture fixture;
    const std::string html = fixture.HtmlDir() + name + "/";
    ASSERT_TRUE(fixture.Installation().Registry().WriteString(platform::RootKey::LocalMachine,
                                                             testing_support::ProductKey, "HTML", html));
    fixture.Run();
    ASSERT_EQ(engine::Engine().HtmlDir, html);

    // The address keeps the folder as it is; its URL is the page written there.
    const QString shown = fixture.BrowserOfPage(1).Address();
    EXPECT_EQ(shown.toStdString(), desktop::ChapterPageAddress(html, 1, 1, 1));
    const QUrl url = ui::NavigationUrl(shown);
    EXPECT_EQ(url.toLocalFile().toStdString(), html + "Bible/1/1.html");
    EXPECT_EQ(url.fragment(), "v1");
    EXPECT_TRUE(std::filesystem::exists(url.toLocalFile().toStdString()));
  }
}

TEST(PageAddress, ThePlainBrowserOpensAPageOfAFolderOfAnyName) {
  testing_support::TempFolder temp;
  for (const char* name : kFolderNames) {
    const std::string page = temp.File(std::string(name) + "/3.html");
    std::filesystem::create_directories(temp.File(name));
    testing_support::WriteFileBytes(page, "<html><body><p><a name=\"v2\">2</a> Verse two of " + std::string(name) +
                                              "</p></body></html>");
    for (const std::string& address : {platform::FileAddress(page, "#v2"), platform::FileAddress(page), page}) {
      SCOPED_TRACE(address);
      desktop::PlainBrowser browser;
      browser.Navigate(QString::fromStdString(address));
      EXPECT_EQ(browser.Address().toStdString(), address);
      const auto* view = browser.findChild<QTextBrowser*>();
      ASSERT_NE(view, nullptr);
      EXPECT_EQ(view->source().toLocalFile().toStdString(), page);
      EXPECT_TRUE(view->toPlainText().contains(QString("Verse two of ") + name));
    }
  }
}

}  // namespace
}  // namespace desktop_testing
