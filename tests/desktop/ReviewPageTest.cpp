// The Review page over a per-user data folder of saved studies and dated
// history: the tree by folder, year and month, the paths of its entries, the
// words added on expansion, and what a selection shows or reopens.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

#include "DesktopFixture.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "desktop/ixoMain.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
namespace fs = std::filesystem;
namespace node = ui::node;

// Condition 1 active with love and G26, condition 2 inactive with joy, as
// the search form writes a study.
constexpr char kStudy[] =
    "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\nG26=1\r\n[2]\r\njoy=1\r\n[Active]\r\n1=1\r\n2=0\r\n";

// Each node on a line: indented by its level, caption, image and selected
// image, and a month's data as its two digits.
QStringList Lines(const ui::TreeView& tree) {
  QStringList lines;
  for (const ui::TreeNode* n = tree.FirstNode(); n; n = n->GetNext()) {
    QString line = QString(n->Level() * 2, ' ') + n->Text() +
                   QString(" %1/%2").arg(n->ImageIndex()).arg(n->SelectedIndex());
    if (n->Data()) line += " " + QString(QChar(char(n->Data() & 0xFF))) + QChar(char(n->Data() >> 8));
    lines << line;
  }
  return lines;
}

class ReviewPageTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.Run(); }

  TIxoBibleMainForm& Form() { return fixture.Form(); }
  RecordingSearchForm& Search() { return fixture.Search(); }
  std::string UserData() const { return fixture.UserDataFolder() + "Ixo Bible/"; }
  void Put(const std::string& file, const std::string& bytes = kStudy) {
    fs::create_directories(fs::path(UserData() + file).parent_path());
    ASSERT_TRUE(testing_support::WriteFileBytes(UserData() + file, bytes));
  }
  void Folder(const std::string& folder) { fs::create_directories(UserData() + folder); }
  ui::TreeNode* Node(const char* caption) {
    ui::TreeNode* found = Form().TreeHistory->FindByCaption(caption, Qt::CaseSensitive);
    EXPECT_NE(found, nullptr) << caption;
    return found;
  }
  QStringList Children(const ui::TreeNode* parent) {
    QStringList captions;
    for (const ui::TreeNode* child = parent->FirstChild(); child; child = child->NextSibling()) captions << child->Text();
    return captions;
  }
  // A user data folder with studies in "Study" (one in a sub-folder), and a
  // history of one month, folders that only look like months, folders below
  // the month, a folder named history and the current study.
  void PutStudiesAndHistory() {
    Put("Study/faith.ixolc");
    Put("Study/Old/psalms.ixolc");
    Put("Study/notes.txt", "not a study");
    Put("Study/.hidden.ixolc");
    Put("History/2011/01 (January)/05@@(12.34.56).ixolc");
    Folder("History/2011/01 (January)/extra/deep/deeper/deepest");
    Folder("History/2011/01_(January)");
    Put("History/2011/13x(June)/a.ixolc");
    Put("History/2012/History/07@@(01.02.03).ixolc");
    Put("History/current.ixolc");
  }

  DesktopFixture fixture;
};

TEST_F(ReviewPageTest, TreeListsStudiesByFolderAndHistoryByYearAndMonth) {
  PutStudiesAndHistory();
  Form().ReviewMenu->trigger();
  EXPECT_EQ(Form().Mode->ActivePage(), Form().PageHistory);
  EXPECT_EQ(Form().windowTitle(), " Ixo Bible - Search History");
  EXPECT_EQ(Lines(*Form().TreeHistory), (QStringList{
                                            "Ixo Documents 6/10",
                                            "Ixo Studies 6/10",
                                            "  Old 6/10",
                                            "    psalms 9/9",
                                            "      Review Search 16/16",
                                            "  faith 9/9",
                                            "    Review Search 16/16",
                                            "2011 7/7",
                                            "  January 8/8 01",
                                            "    extra 13/13",
                                            "      deep 14/14",
                                            "        deeper 15/15",
                                            "          deepest 15/15",
                                            "    05  [12:34:56] 4/4",
                                            "      Review Search 16/16",
                                            "  01_(January) 8/8",
                                            "  13x(June) 8/8",
                                            "    a 4/4",
                                            "      Review Search 16/16",
                                            "2012 7/7",
                                            // what a folder named history holds stands at the top
                                            "07@@(01.02.03) 4/4",
                                            "  Review Search 16/16",
                                            "current 4/4",
                                            "  Review Search 16/16",
                                        }));
}

TEST_F(ReviewPageTest, TreeIsBuiltFromStudiesWhenThatFolderExistsAndAgainWhenTheFilesChange) {
  Put("Studies/kept.ixolc");
  Put("Study/old.ixolc");
  Form().ReviewMenu->trigger();
  EXPECT_EQ(Children(Node("Ixo Studies")), QStringList{"kept"});
  const ui::TreeNode* kept = Node("kept");

  // Nothing changed: the tree stays as the user left it.
  Form().BibleMenu->trigger();
  Form().ReviewMenu->trigger();
  EXPECT_EQ(Node("kept"), kept);

  Put("Studies/later.ixolc");
  Put("History/current.ixolc");
  Form().BibleMenu->trigger();
  Form().ReviewMenu->trigger();
  EXPECT_EQ(Children(Node("Ixo Studies")), (QStringList{"kept", "later"}));
  const ui::TreeNode* current = Node("current");
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(Children(current), QStringList{"Review Search"});

  fs::remove(UserData() + "Studies/kept.ixolc");
  Form().BibleMenu->trigger();
  Form().ReviewMenu->trigger();
  EXPECT_EQ(Children(Node("Ixo Studies")), QStringList{"later"});
}

TEST_F(ReviewPageTest, MissingFoldersGiveJustTheRoots) {
  Form().ReviewMenu->trigger();
  EXPECT_EQ(Lines(*Form().TreeHistory), (QStringList{"Ixo Documents 6/10", "Ixo Studies 6/10"}));
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(ReviewPageTest, EntryPathsLeadBackToTheirFiles) {
  PutStudiesAndHistory();
  Form().ReviewMenu->trigger();
  EXPECT_EQ(Form().NodePath(Node("05  [12:34:56]")), "2011/01 (January)/05@@(12.34.56)");
  EXPECT_EQ(Form().NodePath(Node("a")), "2011/13x(June)/a");
  EXPECT_EQ(Form().NodePath(Node("current")), "current");
  // Any other node: the caption of its root.
  EXPECT_EQ(Form().NodePath(Node("deep")), "2011");
}

TEST_F(ReviewPageTest, ExpandingAnEntryAddsTheWordsOfItsActiveConditionsOnce) {
  PutStudiesAndHistory();
  Form().ReviewMenu->trigger();
  ui::TreeView& tree = *Form().TreeHistory;
  for (const char* entry : {"05  [12:34:56]", "faith", "psalms", "current"}) {
    SCOPED_TRACE(entry);
    ui::TreeNode* n = Node(entry);
    EXPECT_TRUE(tree.Expand(n));
    EXPECT_EQ(Children(n), (QStringList{"Review Search", "love", "G26"}));
    EXPECT_EQ(n->Child(1)->ImageIndex(), node::kWordList);
    EXPECT_EQ(n->Child(1)->SelectedIndex(), node::kWordList);
    tree.Collapse(n);
    tree.Expand(n);
    EXPECT_EQ(n->Count(), 3);
  }
}

TEST_F(ReviewPageTest, StudyThatIsGoneOrHasNoActiveConditionExpandsToNoWords) {
  Put("Study/inactive.ixolc", "[1]\r\nlove=1\r\n[Active]\r\n1=0\r\n");
  Put("Study/unmarked.ixolc", "[1]\r\nlove=1\r\n");
  Put("Study/gone.ixolc");
  Form().ReviewMenu->trigger();
  fs::remove(UserData() + "Study/gone.ixolc");
  for (const char* entry : {"inactive", "unmarked", "gone"}) {
    SCOPED_TRACE(entry);
    ui::TreeNode* n = Node(entry);
    Form().TreeHistory->Expand(n);
    EXPECT_EQ(Children(n), QStringList{"Review Search"});
  }
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(ReviewPageTest, SelectingShowsTheBlankPageFoldersAndWordPages) {
  PutStudiesAndHistory();
  TIxoBibleMainForm& form = Form();
  form.ReviewMenu->trigger();
  ui::TreeView& tree = *form.TreeHistory;
  ui::RecordingBrowser& browser = fixture.BrowserOfPage(3);
  const std::string blank = form.FBlankPage;

  for (const char* entry : {"January", "05  [12:34:56]", "faith"}) {
    SCOPED_TRACE(entry);
    browser.Clear();
    tree.Select(Node(entry));
    EXPECT_EQ(browser.Addresses(), QStringList{QString::fromStdString(blank)});
  }

  // A root selects its first child, here a folder, which the browser shows.
  browser.Clear();
  tree.Select(Node("Ixo Studies"));
  EXPECT_EQ(tree.Selected(), Node("Old"));
  EXPECT_EQ(browser.Addresses(), QStringList{QString::fromStdString(UserData() + "Study/Old")});
  browser.Clear();
  tree.Select(Node("deep"));
  EXPECT_EQ(browser.Addresses(),
            QStringList{QString::fromStdString(UserData() + "History/2011/01 (January)/extra/deep")});

  // A root without children shows nothing.
  browser.Clear();
  tree.Select(Node("Ixo Documents"));
  EXPECT_TRUE(browser.Addresses().isEmpty());

  ui::TreeNode* entry = Node("05  [12:34:56]");
  tree.Expand(entry);
  tree.Select(entry->Child(2));
  EXPECT_EQ(browser.Address().toStdString(), fixture.HtmlDir() + "Temp/G26.html");
  EXPECT_TRUE(fs::exists(fixture.HtmlDir() + "Temp/G26.html"));
  EXPECT_TRUE(Search().Log().filter("LoadStudy").isEmpty());
}

// The window's handlers that no control is bound to: each sets the pending
// address and shows it in the active page's browser.
TEST_F(ReviewPageTest, UnboundHandlersShowTheirAddressInTheActivePagesBrowser) {
  PutStudiesAndHistory();
  TIxoBibleMainForm& form = Form();
  form.ReviewMenu->trigger();
  ui::RecordingBrowser& browser = fixture.BrowserOfPage(3);
  form.TreeHistory->Select(Node("faith"));
  browser.Clear();

  form.treeHistoryClick(nullptr);  // without a sender: the address only
  EXPECT_EQ(form.FUrl, "faith");
  EXPECT_TRUE(browser.Addresses().isEmpty());
  form.FUrl.clear();
  form.treeHistoryClick(form.TreeHistory);
  EXPECT_EQ(browser.Addresses(), QStringList{"faith"});

  const std::string page = "file://" + fixture.HtmlDir() + "Temp/love.html";
  bool cancel = false;
  form.HistoryTabBeforeNavigate(form.htmlHistory, page, cancel);
  EXPECT_TRUE(cancel);
  cancel = true;
  form.HistoryTabNewWindow(form.htmlHistory, page, cancel);
  EXPECT_FALSE(cancel);
  EXPECT_EQ(browser.Addresses(), (QStringList{"faith", QString::fromStdString(page), QString::fromStdString(page)}));
  EXPECT_EQ(form.FUrl, page);
}

TEST_F(ReviewPageTest, ReviewSearchReopensItsStudyInTheSearchPage) {
  PutStudiesAndHistory();
  TIxoBibleMainForm& form = Form();
  form.ReviewMenu->trigger();
  struct Case {
    const char* entry;
    std::string file;
  };
  const Case cases[] = {
      {"05  [12:34:56]", "History/2011/01 (January)/05@@(12.34.56).ixolc"},
      {"a", "History/2011/13x(June)/a.ixolc"},
      {"faith", "Study/faith.ixolc"},
      {"psalms", "Study/Old/psalms.ixolc"},
      {"current", "History/current.ixolc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    form.ReviewMenu->trigger();
    Search().ClearLog();
    form.TreeHistory->Select(Node(c.entry)->FirstChild());
    ASSERT_TRUE(ProcessEventsUntil([&] { return Search().Log().count("ShowForm") == 2; }));
    EXPECT_EQ(Search().Log(), (QStringList{"SetResultTree", "LoadStudy " + QString::fromStdString(UserData() + c.file),
                                           "ShowForm", "ShowForm"}));
    EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);
  }
}

// ---- with the program's search form ------------------------------------------------

TEST(ReviewPageWithTheSearchForm, SearchesFinishedSinceTheTreeWasBuiltShowOnTheNextVisit) {
  DesktopFixture fixture;
  fixture.Run(DesktopFixture::SearchForm::Program);
  TIxoBibleMainForm& form = fixture.Form();
  const auto historyEntries = [&form] {
    QStringList captions;
    for (const ui::TreeNode* n = form.TreeHistory->FirstNode(); n; n = n->GetNext())
      if (n->ImageIndex() == node::kHistoryStudy) captions << n->Text();
    return captions;
  };
  form.ReviewMenu->trigger();
  EXPECT_TRUE(historyEntries().isEmpty());

  form.EditSearchCriteria->setText("spoken");
  QTest::keyClick(form.EditSearchCriteria, Qt::Key_Return);
  ASSERT_EQ(form.Mode->ActivePage(), form.pageSearch);
  form.ReviewMenu->trigger();
  const QStringList entries = historyEntries();
  ASSERT_EQ(entries.size(), 2) << entries.join("; ").toStdString();
  EXPECT_TRUE(entries.contains("current"));
  const QRegularExpression dated(R"(^\d\d  \[\d\d:\d\d:\d\d\]$)");
  EXPECT_TRUE(dated.match(entries[0]).hasMatch() || dated.match(entries[1]).hasMatch());
}

TEST(ReviewPageWithTheSearchForm, StudyWithAConditionOfUnknownWordsFindsNothing) {
  DesktopFixture fixture;
  const std::string studies = fixture.UserDataFolder() + "Ixo Bible/Studies/";
  fs::create_directories(studies);
  ASSERT_TRUE(testing_support::WriteFileBytes(
      studies + "odd.ixolc", "[1]\r\nspoken=1\r\n[2]\r\nzebra=1\r\n[Active]\r\n1=1\r\n2=1\r\n"));
  fixture.Run(DesktopFixture::SearchForm::Program);
  TIxoBibleMainForm& form = fixture.Form();
  form.ReviewMenu->trigger();
  ui::TreeView& tree = *form.TreeHistory;
  const auto click = [&tree](ui::TreeNode* node) {
    tree.scrollTo(node->index());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(node->index()).center());
  };
  ui::TreeNode* study = tree.FindByCaption("odd");
  ASSERT_NE(study, nullptr);
  click(tree.FindByCaption("Ixo Studies"));  // opens the folder and selects its first study
  if (!study->Expanded()) click(study);
  ASSERT_TRUE(study->Expanded());
  click(study->FirstChild());  // "Review Search"
  // The study is loaded, and the form shown, once the waiting events have run.
  ASSERT_TRUE(ProcessEventsUntil([&] { return fixture.Program().InterfaceForm()->Window().isVisible(); }));

  ASSERT_EQ(form.Mode->ActivePage(), form.pageSearch);
  for (const ui::TreeNode* n = form.TreeSearch->FirstNode(); n; n = n->GetNext())
    EXPECT_NE(n->ImageIndex(), node::kVerse) << n->Text().toStdString();
  // The word the text does not hold was reported.
  EXPECT_FALSE(fixture.Dialogs().Shown().empty());
}

}  // namespace
}  // namespace desktop_testing
