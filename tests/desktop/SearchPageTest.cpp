// The Search page: handing a study to the search form and showing the form,
// and what a selection in its tree shows.

#include <gtest/gtest.h>

#include <QAction>

#include "DesktopFixture.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "desktop/BookTree.h"
#include "desktop/ixoMain.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
namespace node = ui::node;

class SearchPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture.Run();
    Form().BibleMenu->trigger();
    Search().ClearLog();
  }
  TIxoBibleMainForm& Form() { return fixture.Form(); }
  RecordingSearchForm& Search() { return fixture.Search(); }
  QString CurrentStudy() const {
    return QString::fromStdString(fixture.UserDataFolder() + "Ixo Bible/History/current.ixolc");
  }

  DesktopFixture fixture;
};

TEST_F(SearchPageTest, SearchButtonOfTheWindowReloadsTheLastSearchOnlyIntoAnEmptyPage) {
  TIxoBibleMainForm& form = Form();
  form.ButtonSearchClick();
  ASSERT_TRUE(ProcessEventsUntil([&] { return Search().Log().count("ShowForm") == 2; }));
  EXPECT_EQ(Search().Log(), (QStringList{"SetResultTree", "LoadStudy " + CurrentStudy(), "ShowForm", "ShowForm"}));
  EXPECT_EQ(Search().ResultTree(), form.TreeSearch);
  EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);

  form.TreeSearch->Add(nullptr, "References", node::kResultRoot);
  form.BibleMenu->trigger();
  Search().ClearLog();
  form.ButtonSearchClick();
  ASSERT_TRUE(ProcessEventsUntil([&] { return Search().Log().count("ShowForm") == 2; }));
  EXPECT_EQ(Search().Log(), (QStringList{"SetResultTree", "ShowForm", "ShowForm"}));
  EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);
}

TEST_F(SearchPageTest, ShowingTheFormSwitchesThePageWithoutSearchingAgain) {
  TIxoBibleMainForm& form = Form();
  struct Case {
    std::string file;
    bool pump;
    QStringList log;
  };
  const Case cases[] = {
      {"", false, {"SetResultTree", "ShowForm", "ShowForm"}},
      {"", true, {"SetResultTree", "ShowForm", "ShowForm"}},
      {"/studies/a.ixolc", true, {"SetResultTree", "LoadStudy /studies/a.ixolc", "ShowForm", "ShowForm"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file + (c.pump ? " pumped" : ""));
    form.BibleMenu->trigger();
    Search().ClearLog();
    form.ShowSearchForm(c.file, c.pump);
    ASSERT_TRUE(ProcessEventsUntil([&] { return Search().Log().count("ShowForm") == 2; }));
    // No page handler ran: the tool-bar search would have been logged first.
    EXPECT_EQ(Search().Log(), c.log);
    EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);
    EXPECT_EQ(form.windowTitle(), " Ixo Bible - Search Results");
  }

  Search().ClearLog();
  form.OpenStudyInSearchPage("/studies/b.ixolc");
  EXPECT_EQ(Search().Log(), (QStringList{"SetResultTree", "LoadStudy /studies/b.ixolc"}));
}

TEST_F(SearchPageTest, WithAPumpTheEventsWaitingRunBeforeThePageSwitchAndTheStudy) {
  TIxoBibleMainForm& form = Form();
  struct Case {
    bool pump;
    QStringList logSeen;
    bool searchPageSeen;
  };
  const Case cases[] = {
      {true, {}, false},
      {false, {"SetResultTree", "LoadStudy /studies/a.ixolc", "ShowForm"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pump ? "pumped" : "not pumped");
    form.BibleMenu->trigger();
    Search().ClearLog();
    QStringList logSeen;
    bool searchPageSeen = false;
    // An event already waiting when the form is asked for.
    QMetaObject::invokeMethod(
        &form,
        [&] {
          logSeen = Search().Log();
          searchPageSeen = form.Mode->ActivePage() == form.pageSearch;
        },
        Qt::QueuedConnection);
    form.ShowSearchForm("/studies/a.ixolc", c.pump);
    ASSERT_TRUE(ProcessEventsUntil([&] { return Search().Log().count("ShowForm") == 2; }));
    EXPECT_EQ(logSeen, c.logSeen);
    EXPECT_EQ(searchPageSeen, c.searchPageSeen);
  }
}

TEST_F(SearchPageTest, SelectionShowsResultsAsChapterPagesAndConditionsAsWordPages) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  ui::TreeView& tree = *form.TreeSearch;
  ui::TreeNode* condition = tree.Add(nullptr, "love,G26", node::kWordList);
  ui::TreeNode* root = tree.Add(nullptr, "References", node::kResultRoot);
  ui::TreeNode* other = tree.Add(nullptr, "a later kind", node::kSpan);
  const std::string temp = fixture.HtmlDir() + "Temp/";
  ui::RecordingBrowser& found = fixture.BrowserOfPage(2);

  tree.Select(root);
  EXPECT_EQ(found.Address().toStdString(), desktop::ChapterPageAddress(fixture.HtmlDir(), 1, 1, 1));

  // The words have no equivalents in this text; the page has their rows all the same.
  tree.Select(condition);
  EXPECT_EQ(found.Address().toStdString(), temp + "love,G26.html");
  const std::string page = testing_support::ReadFileBytes(temp + "love,G26.html");
  EXPECT_TRUE(page.starts_with("<table border=\"0\" color=\"black\"><tr><td><b><img")) << page;
  EXPECT_NE(page.find("<sp>G26</b>"), std::string::npos) << page;

  const qsizetype shown = found.Addresses().size();
  tree.Select(other);
  EXPECT_EQ(found.Addresses().size(), shown);
}

}  // namespace
}  // namespace desktop_testing
