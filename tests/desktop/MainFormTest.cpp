// The main window as a whole: start-up and the first start's chapter pages,
// the text that cannot be loaded, the page tables, the menus and the search
// started from the tool bar.

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "DesktopFixture.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "desktop/BookTree.h"
#include "desktop/InterfaceFormLink.h"
#include "desktop/ChapterPagesMarker.h"
#include "desktop/SpeedButton.h"
#include "core/IxoFormat.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/RadioButton.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
namespace fs = std::filesystem;

std::string PagePath(const std::string& htmlDir, int book, int chapter) {
  return htmlDir + "Bible/" + std::to_string(book) + "/" + std::to_string(chapter) + ".html";
}

bool IsWholePage(const std::string& path) {
  const std::string page = testing_support::ReadFileBytes(path);
  return page.starts_with("<html>\n") && page.ends_with("</html>\n");
}

// ---- start-up --------------------------------------------------------------------------

TEST(StartUp, SearchFormOpensOverTheMainWindowAsCreated) {
  DesktopFixture fixture;
  fixture.Create();
  EXPECT_EQ(fixture.Search().Window().geometry(), fixture.Form().geometry());
  // Both take the main window's default place, centred on the screen as far as
  // it fits, so that the title bar of either is on the screen.
  const QRect screen = fixture.Form().screen()->availableGeometry();
  const QRect place = fixture.Search().Window().frameGeometry();
  EXPECT_EQ(fixture.Form().frameGeometry(), place);
  EXPECT_EQ(place.center().y(), screen.center().y());
  EXPECT_GT(place.top(), screen.top());
  EXPECT_GE(place.left(), screen.left());
  EXPECT_TRUE(place.width() > screen.width() || place.center().x() == screen.center().x());
  EXPECT_EQ(fixture.Search().Log(), QStringList{"SetMainSearchTree"});
  EXPECT_EQ(fixture.Search().MainSearchTree(), fixture.Form().TreeSearch);
}

TEST(StartUp, FirstStartWritesEveryChapterPageAndTheStyleSheetAndShowsGenesis) {
  DesktopFixture fixture;
  const std::string html = fixture.HtmlDir();
  fixture.Run();
  TIxoBibleMainForm& form = fixture.Form();

  struct Chapter {
    int book;
    int chapter;
  };
  for (const Chapter c : {Chapter{1, 1}, Chapter{1, 3}, Chapter{2, 2}, Chapter{19, 1}, Chapter{19, 150},
                          Chapter{31, 1}, Chapter{45, 3}, Chapter{66, 1}})
    EXPECT_TRUE(IsWholePage(PagePath(html, c.book, c.chapter))) << c.book << ":" << c.chapter;
  EXPECT_FALSE(fs::exists(PagePath(html, 1, 4)));
  EXPECT_TRUE(fs::exists(html + "style/ixo.css"));
  EXPECT_TRUE(desktop::ChapterPagesWritten(html));

  EXPECT_EQ(form.Mode->ActivePage(), form.pageIxo);
  const QString gospel = QString::fromStdString(fixture.InstallDir() + "ixodesk/Help/gospel.html");
  for (int page = 2; page <= 4; ++page) EXPECT_EQ(fixture.BrowserOfPage(page).Addresses(), QStringList{gospel});
  EXPECT_EQ(fixture.BrowserOfPage(1).Addresses(),
            (QStringList{gospel, QString::fromStdString(desktop::ChapterPageAddress(html, 1, 1, 1))}));
  EXPECT_EQ(form.windowTitle(), " Ixo Bible - Version 2011");
  EXPECT_EQ(fixture.Search().Log(), (QStringList{"SetMainSearchTree", "HideAboutMenuItem"}));
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST(StartUp, InterruptedFirstStartIsFinishedAtTheNextStart) {
  DesktopFixture fixture;
  const std::string html = fixture.HtmlDir();
  // What a run that stopped during the writing leaves: some pages, one cut short, no marker.
  fs::create_directories(html + "Bible/1");
  fs::create_directories(html + "Bible/19");
  ASSERT_TRUE(testing_support::WriteFileBytes(PagePath(html, 1, 1), "<html>\n<title>\nGen"));
  ASSERT_TRUE(testing_support::WriteFileBytes(PagePath(html, 1, 2), "<html>\n<title>\nGenesis 2\n"));

  fixture.Run();
  EXPECT_TRUE(IsWholePage(PagePath(html, 1, 1)));
  EXPECT_TRUE(IsWholePage(PagePath(html, 1, 2)));
  EXPECT_TRUE(IsWholePage(PagePath(html, 19, 150)));
  EXPECT_TRUE(IsWholePage(PagePath(html, 66, 1)));
  EXPECT_TRUE(desktop::ChapterPagesWritten(html));
}

TEST(StartUp, WrittenPagesAreNotWrittenAgain) {
  DesktopFixture fixture;
  const std::string html = fixture.HtmlDir();
  fs::create_directories(html + "Bible");
  ASSERT_TRUE(desktop::MarkChapterPagesWritten(html));
  fixture.Run();
  EXPECT_FALSE(fs::exists(PagePath(html, 1, 1)));
  EXPECT_EQ(fixture.Form().Mode->ActivePage(), fixture.Form().pageIxo);
}

TEST(StartUp, NoInputAndNoCloseRequestReachTheWindowWhileThePagesAreWritten) {
  DesktopFixture fixture;
  fixture.Create();
  TIxoBibleMainForm& form = fixture.Form();
  form.EditSearchCriteria->setText("love");
  fixture.Program().Start();
  // Waiting behind the show handler, so they arrive while it writes.
  QCoreApplication::postEvent(&form, new QCloseEvent);
  QCoreApplication::postEvent(form.EditSearchCriteria,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r"));
  ASSERT_TRUE(ProcessEventsUntil([&] { return form.IsSetUp(); }));
  QCoreApplication::processEvents();

  EXPECT_TRUE(desktop::ChapterPagesWritten(fixture.HtmlDir()));
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(fixture.Search().Log().filter("ToolbarSearch").isEmpty());
  EXPECT_EQ(form.Mode->ActivePage(), form.pageIxo);
}

TEST(StartUp, TextThatCannotBeLoadedIsReportedAndNothingIsBuiltOrWritten) {
  DesktopFixture fixture;
  fs::remove(fixture.InstallDir() + "2011.ixocore");
  fixture.Run();
  TIxoBibleMainForm& form = fixture.Form();

  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  const platform::DialogRequest& shown = fixture.Dialogs().Shown()[0];
  EXPECT_EQ(shown.text, "Could not initialize bible text.  Please re-install the program.");
  EXPECT_EQ(shown.type, platform::DialogType::Error);
  EXPECT_EQ(shown.buttons, platform::DialogButtons::OK);

  EXPECT_TRUE(form.TreeIxo->IsEmpty());
  EXPECT_TRUE(form.TreeNames->IsEmpty());
  EXPECT_EQ(form.Mode->ActivePage(), form.PageHelp);
  EXPECT_TRUE(form.isVisible());
  form.FormActivate();
  form.BibleMenu->trigger();
  form.ModeChange();
  EXPECT_TRUE(form.TreeIxo->IsEmpty());
  EXPECT_TRUE(fs::is_empty(fixture.HtmlDir()));
}

// A damaged edition is told by its file, then the program starts as without
// the text: no page, no style sheet, no status file and no marker are written
// from it, and a page an interrupted start left stays as it was.
TEST(StartUp, DamagedEditionIsReportedAndNothingIsWrittenFromIt) {
  struct Case {
    const char* name;
    const char* file;
    std::function<void(const std::string& path)> spoil;
    const char* message;
  };
  const Case cases[] = {
      {"word list cut short", ixo::EnglishFileName,
       [](const std::string& path) { fs::resize_file(path, fs::file_size(path) - 1); }, "Bad English data file."},
      {"lemma file short", ixo::LemmaFileName,
       [](const std::string& path) { fs::resize_file(path, fs::file_size(path) - 8); }, "Bad data file:"},
      {"text a folder", ixo::TextFileName,
       [](const std::string& path) {
         fs::remove(path);
         fs::create_directory(path);
       },
       "Bad data file:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DesktopFixture fixture;
    const std::string html = fixture.HtmlDir();
    fs::create_directories(html + "Bible/1");
    ASSERT_TRUE(testing_support::WriteFileBytes(PagePath(html, 1, 1), "<html>\nan earlier page"));
    c.spoil(fixture.Installation().EditionDir() + c.file);
    fixture.Run();

    const auto& shown = fixture.Dialogs().Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(shown[0].text.find(c.message), std::string::npos) << shown[0].text;
    EXPECT_EQ(shown[1].text, "Could not initialize bible text.  Please re-install the program.");
    EXPECT_FALSE(engine::Engine().Loaded);
    EXPECT_TRUE(fixture.Form().TreeIxo->IsEmpty());
    fixture.Form().FormActivate();
    EXPECT_EQ(testing_support::ReadFileBytes(PagePath(html, 1, 1)), "<html>\nan earlier page");
    EXPECT_FALSE(desktop::ChapterPagesWritten(html));
    EXPECT_FALSE(fs::exists(html + ixo::StatusFileName));
    EXPECT_FALSE(fs::exists(html + "Style"));
  }
}

TEST(StartUp, WithoutTheTextTheToolBarSearchesNothingAndKeepsNothing) {
  DesktopFixture fixture;
  fs::remove(fixture.InstallDir() + "2011.ixocore");
  fixture.Run(DesktopFixture::SearchForm::Program);
  TIxoBibleMainForm& form = fixture.Form();
  fixture.Dialogs().Clear();

  form.EditSearchCriteria->setText("spoken");
  form.ButtonSearch->click();
  form.RadioButtonAny->setChecked(true);
  EXPECT_FALSE(fs::exists(fixture.UserDataFolder() + "Ixo Bible/History"));
  EXPECT_TRUE(fs::is_empty(fixture.HtmlDir()));
  EXPECT_TRUE(form.TreeSearch->IsEmpty());
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

// ---- pages and menus -----------------------------------------------------------------

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.Run(); }
  TIxoBibleMainForm& Form() { return fixture.Form(); }
  RecordingSearchForm& Search() { return fixture.Search(); }
  std::string CurrentStudy() const { return fixture.UserDataFolder() + "Ixo Bible/History/current.ixolc"; }

  DesktopFixture fixture;
};

TEST_F(MainFormTest, PageTablesGiveEachPagesBrowserAndTree) {
  TIxoBibleMainForm& form = Form();
  const std::pair<ui::Browser*, ui::TreeView*> pages[] = {
      {form.HtmlBible, form.TreeIxo},     {form.HtmlFound, form.TreeSearch}, {form.htmlHistory, form.TreeHistory},
      {form.HtmlNames, form.TreeNames},   {nullptr, nullptr},                {form.HtmlHelp, form.TreeHelp}};
  for (int page = 1; page <= 6; ++page) {
    EXPECT_EQ(form.BrowserForPage(page), pages[page - 1].first) << page;
    EXPECT_EQ(form.TreeForPage(page), pages[page - 1].second) << page;
  }
  for (const int outside : {-1, 7}) {
    EXPECT_EQ(form.BrowserForPage(outside), nullptr);
    EXPECT_EQ(form.TreeForPage(outside), nullptr);
  }
  form.OptionsMenu->trigger();
  EXPECT_EQ(form.BrowserForPage(0), nullptr);
  EXPECT_EQ(form.TreeForPage(0), nullptr);
  form.NamesMenu->trigger();
  EXPECT_EQ(form.BrowserForPage(0), form.HtmlNames);
}

TEST_F(MainFormTest, MenuItemsSwitchThePageWithoutNavigating) {
  TIxoBibleMainForm& form = Form();
  struct Case {
    QAction* item;
    QWidget* page;
  };
  const Case cases[] = {{form.NamesMenu, form.PageNames}, {form.OptionsMenu, form.PageOptions},
                        {form.ReviewMenu, form.PageHistory}, {form.HelpMenu, form.PageHelp},
                        {form.BibleMenu, form.pageIxo}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item->text().toStdString());
    std::vector<qsizetype> before;
    for (int page = 1; page <= 6; ++page)
      if (page != 5) before.push_back(fixture.BrowserOfPage(page).Addresses().size());
    form.FUrl = "stale";
    c.item->trigger();
    EXPECT_EQ(form.Mode->ActivePage(), c.page);
    EXPECT_EQ(form.FUrl, "");
    std::vector<qsizetype> after;
    for (int page = 1; page <= 6; ++page)
      if (page != 5) after.push_back(fixture.BrowserOfPage(page).Addresses().size());
    EXPECT_EQ(after, before);
  }
  EXPECT_TRUE(Search().Log().filter("LoadStudy").isEmpty());
}

TEST_F(MainFormTest, PaneButtonsShowTheOneActionThatApplies) {
  TIxoBibleMainForm& form = Form();
  const auto shown = [&form] {
    return std::pair(form.ButtonBooksOpen->isVisibleTo(&form), form.ButtonBooksClose->isVisibleTo(&form));
  };
  const auto showOffered = std::pair(true, false);
  const auto hideOffered = std::pair(false, true);
  const auto noneOffered = std::pair(false, false);
  EXPECT_EQ(shown(), hideOffered);
  QTest::mouseClick(form.ButtonBooksClose, Qt::LeftButton);
  EXPECT_EQ(shown(), showOffered);
  QTest::mouseClick(form.ButtonBooksOpen, Qt::LeftButton);
  EXPECT_EQ(shown(), hideOffered);

  // Every switch by a menu item sets them for the page shown.
  form.OptionsMenu->trigger();
  EXPECT_EQ(shown(), noneOffered);
  form.NamesMenu->trigger();
  EXPECT_EQ(shown(), hideOffered);
  QTest::mouseClick(form.ButtonBooksClose, Qt::LeftButton);
  EXPECT_EQ(shown(), showOffered);
  form.BibleMenu->trigger();
  EXPECT_EQ(shown(), hideOffered);  // the Bible pane is open
  form.NamesMenu->trigger();
  EXPECT_EQ(shown(), showOffered);  // the Names pane stays collapsed
  QTest::mouseClick(form.ButtonBooksOpen, Qt::LeftButton);
  form.HelpMenu->trigger();
  EXPECT_EQ(shown(), hideOffered);
  form.OptionsMenu->trigger();
  EXPECT_EQ(shown(), noneOffered);
  form.ReviewMenu->trigger();
  EXPECT_EQ(shown(), hideOffered);
}

TEST_F(MainFormTest, SearchHandsTheCriteriaToTheSearchFormThenLoadsTheCurrentStudy) {
  TIxoBibleMainForm& form = Form();
  const QString load = "LoadStudy " + QString::fromStdString(CurrentStudy());
  struct Case {
    const char* what;
    std::function<void()> search;
    const char* criteria;
    const char* mode;
  };
  const Case cases[] = {
      {"the search button", [&] { form.ButtonSearch->click(); }, "love joy", "all words"},
      {"Enter in the search box",
       [&] {
         QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
         QCoreApplication::sendEvent(form.EditSearchCriteria, &enter);
       },
       "love", "all words"},
      {"Any Word", [&] { form.RadioButtonAny->setChecked(true); }, "love joy", "any word"},
      {"All Words", [&] { form.RadioButtonAll->setChecked(true); }, "\"holy ghost\", joy", "all words"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.BibleMenu->trigger();
    form.EditSearchCriteria->setText(c.criteria);
    Search().ClearLog();
    c.search();
    EXPECT_EQ(Search().Log(),
              (QStringList{QString("ToolbarSearch %1 (%2)").arg(c.criteria, c.mode), "SetResultTree", load}));
    EXPECT_EQ(Search().ResultTree(), form.TreeSearch);
    EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);
    EXPECT_EQ(form.windowTitle(), " Ixo Bible - Search Results");
  }
}

TEST_F(MainFormTest, RefusedCriteriaLeaveThePageAsItWas) {
  TIxoBibleMainForm& form = Form();
  Search().AcceptSearch = false;
  form.EditSearchCriteria->setText("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15");
  Search().ClearLog();
  form.ButtonSearch->click();
  EXPECT_EQ(Search().Log(), QStringList{"ToolbarSearch 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 (all words)"});
  EXPECT_EQ(form.Mode->ActivePage(), form.pageIxo);
}

TEST_F(MainFormTest, SearchMenuIsEnabledByAResultAndDoesNotReloadTheStudy) {
  TIxoBibleMainForm& form = Form();
  EXPECT_FALSE(form.SearchMenu->isEnabled());
  form.EditSearchCriteria->setText("love");
  QTest::mouseClick(form.ButtonSearch, Qt::LeftButton);
  EXPECT_FALSE(form.SearchMenu->isEnabled());  // nothing found

  Search().OnSearch = [&form](ui::TreeView*) {
    ui::TreeView& tree = *form.TreeSearch;
    tree.Clear();
    ui::TreeNode* root = tree.Add(nullptr, "References", ui::node::kResultRoot);
    tree.Add(root, "Romans", ui::node::kBook, reinterpret_cast<std::intptr_t>(&engine::Engine().BookInfo[45]));
  };
  QTest::mouseClick(form.ButtonSearch, Qt::LeftButton);
  ASSERT_TRUE(form.SearchMenu->isEnabled());
  EXPECT_TRUE(form.TreeSearch->FirstNode()->Expanded());

  form.TreeSearch->Select(form.TreeSearch->FirstNode());
  form.BibleMenu->trigger();
  ASSERT_EQ(form.windowTitle(), " Ixo Bible - Version 2011");
  Search().OnSearch = nullptr;  // the search finds what it found before
  Search().ClearLog();
  form.SearchMenu->trigger();
  EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);
  EXPECT_EQ(Search().Log(), QStringList{"ToolbarSearch love (all words)"});
  // The caption and the label name the page shown, not the Bible page left.
  EXPECT_EQ(form.windowTitle(), " Ixo Bible - Search Results");
  EXPECT_EQ(form.LabelBook->text(), "Romans");
}

TEST_F(MainFormTest, EmptySearchBoxShowsTheSearchPageAsItStands) {
  TIxoBibleMainForm& form = Form();
  Search().OnSearch = [&form](ui::TreeView*) {
    ui::TreeView& tree = *form.TreeSearch;
    tree.Clear();
    ui::TreeNode* root = tree.Add(nullptr, "References", ui::node::kResultRoot);
    tree.Add(root, "Romans", ui::node::kBook, reinterpret_cast<std::intptr_t>(&engine::Engine().BookInfo[45]));
  };
  form.EditSearchCriteria->setText("love");
  QTest::keyClick(form.EditSearchCriteria, Qt::Key_Return);
  ASSERT_TRUE(form.SearchMenu->isEnabled());
  const int results = form.TreeSearch->NodeCount();

  // The box emptied (or left blank) by the user: no way of searching it
  // searches, saves or loads anything.
  struct Case {
    const char* what;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"menu item", [&] { form.SearchMenu->trigger(); }},
      {"search button", [&] { QTest::mouseClick(form.ButtonSearch, Qt::LeftButton); }},
      {"Enter", [&] { QTest::keyClick(form.EditSearchCriteria, Qt::Key_Return); }},
      {"the other radio button",
       [&] { QTest::mouseClick(form.RadioButtonAny->isChecked() ? form.RadioButtonAll : form.RadioButtonAny, Qt::LeftButton); }},
  };
  for (const char* box : {"", "   "}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + " with \"" + box + "\"");
      form.EditSearchCriteria->selectAll();
      QTest::keyClick(form.EditSearchCriteria, Qt::Key_Backspace);
      QTest::keyClicks(form.EditSearchCriteria, box);
      ASSERT_EQ(form.EditSearchCriteria->text(), box);
      form.BibleMenu->trigger();
      Search().ClearLog();
      c.act();
      EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);
      EXPECT_TRUE(Search().Log().isEmpty()) << Search().Log().join("; ").toStdString();
      EXPECT_EQ(form.TreeSearch->NodeCount(), results);
      EXPECT_TRUE(form.SearchMenu->isEnabled());
      EXPECT_EQ(form.windowTitle(), " Ixo Bible - Search Results");
    }
  }
}

// Records each message; closing it activates the main window again, as a
// window system does.
class ReactivatingDialogs final : public platform::DialogService {
 public:
  explicit ReactivatingDialogs(TIxoBibleMainForm& form) : form_(form) {}
  platform::ModalResult Show(const platform::DialogRequest& request) override {
    shown.push_back(request.text);
    if (shown.size() < 10) form_.FormActivate();  // bounded, so that a loop ends the test
    return platform::ModalResult::OK;
  }
  std::vector<std::string> shown;

 private:
  TIxoBibleMainForm& form_;
};

TEST_F(MainFormTest, StyleSheetThatCannotBeRewrittenIsReportedOnceUntilItCanBe) {
  TIxoBibleMainForm& form = Form();
  const std::string html = fixture.HtmlDir();
  const std::string sheet = html + "style/ixo.css";
  const auto dialogs = std::make_shared<ReactivatingDialogs>(form);
  platform::ScopedDialogService guard(dialogs);

  // The style folder cannot be made: a file stands in its place.
  fs::remove_all(html + "style");
  ASSERT_TRUE(testing_support::WriteFileBytes(html + "style", "in the way"));
  form.FormActivate();
  ASSERT_EQ(dialogs->shown.size(), 1u);
  form.FormActivate();
  EXPECT_EQ(dialogs->shown.size(), 1u);

  // Once it can be written, it is written on activation, and a new failure is told again.
  fs::remove(html + "style");
  form.FormActivate();
  EXPECT_TRUE(fs::exists(sheet));
  EXPECT_EQ(dialogs->shown.size(), 1u);
  fs::remove_all(html + "style");
  ASSERT_TRUE(testing_support::WriteFileBytes(html + "style", "in the way"));
  form.FormActivate();
  EXPECT_EQ(dialogs->shown.size(), 2u);
}

TEST_F(MainFormTest, HandOverShowsTheWindowAgain) {
  TIxoBibleMainForm& form = Form();
  form.hide();
  fixture.Program().Activate();
  EXPECT_TRUE(form.isVisible());
}

TEST_F(MainFormTest, ClosingTheMainWindowEndsTheRunAlsoWhileTheSearchFormIsOpen) {
  Search().Window().show();
  QTimer::singleShot(0, &Form(), [this] { Form().close(); });
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  giveUp.start(10000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  Search().Window().hide();
}

TEST_F(MainFormTest, NamesTreeStartsWithTheLettersOnlyWhereNamesCanFollow) {
  const ui::TreeView& names = *Form().TreeNames;
  ASSERT_EQ(names.NodeCount(), 26 + 23);
  for (const ui::TreeNode* letter = names.FirstNode(); letter; letter = letter->NextSibling()) {
    const char c = letter->Text().toStdString()[0];
    EXPECT_EQ(letter->ImageIndex(), ui::node::kFolder);
    EXPECT_EQ(letter->HasChildren(), c != 'W' && c != 'X' && c != 'Y') << c;
    if (letter->HasChildren()) {
      EXPECT_EQ(letter->FirstChild()->Text(), "@");
    }
  }
}

// ---- with the program's search form ------------------------------------------------

TEST(WithTheSearchForm, ToolBarSearchFillsTheSearchPageWhoseVersesShowTheirChapter) {
  DesktopFixture fixture;
  fixture.Run(DesktopFixture::SearchForm::Program);
  TIxoBibleMainForm& form = fixture.Form();
  form.EditSearchCriteria->setText("spoken");
  form.ButtonSearch->click();

  EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);
  EXPECT_TRUE(fs::exists(fixture.UserDataFolder() + "Ixo Bible/History/current.ixolc"));
  ASSERT_TRUE(form.SearchMenu->isEnabled());
  ui::TreeNode* root = form.TreeSearch->FindByCaption("References");
  ASSERT_NE(root, nullptr);
  ui::TreeNode* genesis = root->FirstChild();
  ASSERT_NE(genesis, nullptr);
  EXPECT_EQ(genesis->Text(), "Genesis");
  ui::TreeNode* verse = genesis->FirstChild()->FirstChild();
  ASSERT_NE(verse, nullptr);
  form.TreeSearch->Select(verse);
  EXPECT_EQ(fixture.BrowserOfPage(2).Address().toStdString(),
            desktop::ChapterPageAddress(fixture.HtmlDir(), 1, 1, 1));
  EXPECT_EQ(form.LabelBook->text(), "Genesis 1:1");
}

}  // namespace
}  // namespace desktop_testing
