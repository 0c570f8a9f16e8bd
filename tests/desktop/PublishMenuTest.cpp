// The publish menu of the trees: the entries' states, the options forms they
// show, and what the writer handlers write for each kind of node.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DesktopFixture.h"
#include "QtPrinters.h"
#include "StandInPrograms.h"
#include "TempFolder.h"
#include "desktop/BookTree.h"
#include "desktop/PublishForms.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/Shell.h"
#include "publish/SearchConditions.h"
#include "publish/StyleSheet.h"
#include "ui/CheckBox.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/RadioButton.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
using ui::TreeNode;
namespace fs = std::filesystem;
namespace node = ui::node;

constexpr char kNoBookWarning[] = "Method Not implemented yet on unknown tree node type.";

// A search whose first condition is checked and holds one word.
class OneWordSearch final : public publish::SearchConditions {
 public:
  explicit OneWordSearch(std::string word) : word_(std::move(word)) {}
  bool Checked(int condition) const override { return condition == 1; }
  std::vector<std::string> Words(int condition) const override {
    return condition == 1 ? std::vector<std::string>{word_} : std::vector<std::string>{};
  }

 private:
  std::string word_;
};

class PublishMenuTest : public ::testing::Test {
 protected:
  void SetUp() override { fixture.Run(); }

  TIxoBibleMainForm& Form() { return fixture.Form(); }
  desktop::PublishForms& Forms() { return *Form().FPublishForms; }
  std::string Output(const std::string& name = {}) const { return output.File("out/" + name); }
  bool Written(const std::string& name) const { return fs::exists(Output(name)); }

  // Selects the node in its tree and opens the popup menu's handler on it.
  void OpenMenuOn(TreeNode* selected) {
    if (selected) selected->Tree()->Select(selected);
    Q_EMIT Form().TreePopupMenu->aboutToShow();
  }
  TreeNode* BibleNode(const char* caption) { return Form().TreeIxo->FindByCaption(caption, Qt::CaseSensitive); }
  TreeNode* BibleChapter(const char* book, int chapter) {
    TreeNode* bookNode = BibleNode(book);
    Form().TreeIxo->Expand(bookNode);
    return bookNode->Child(chapter - 1);
  }
  // A search result in the Search page's tree, as the search form builds it;
  // returns the verse node.
  TreeNode* AddResult(int book, int chapter, int verse) {
    ui::TreeView& tree = *Form().TreeSearch;
    TreeNode* root = tree.Add(nullptr, "References", node::kResultRoot);
    TreeNode* bookNode = tree.Add(root, desktop::BookCaption(engine::Engine().BookNames[book]), node::kBook,
                                  reinterpret_cast<std::intptr_t>(&engine::Engine().BookInfo[book]));
    TreeNode* chapterNode = tree.Add(bookNode, "Chapter " + QString::number(chapter), node::kChapter);
    return tree.Add(chapterNode, QString::number(verse), node::kVerse, 4242);
  }

  // Triggers the entry and, once its form is up, runs whileShown, which is to
  // close the form. False when the form did not come up.
  bool RunEntry(QAction* entry, ui::ModalForm& form, const std::function<void()>& whileShown) {
    bool shown = false;
    QTimer::singleShot(0, &form, [&] {
      shown = form.isVisible();
      whileShown();
    });
    QTimer safetyNet;
    safetyNet.setSingleShot(true);
    QObject::connect(&safetyNet, &QTimer::timeout, &form, [&form] { form.done(0); });
    safetyNet.start(5000);
    entry->trigger();
    return shown;
  }
  // The entry's form, with the output folder typed in and OK clicked.
  bool PublishThrough(QAction* entry, ui::ModalForm& form, QLineEdit* folder, const std::string& path) {
    return RunEntry(entry, form, [&] {
      folder->setText(QString::fromStdString(path));
      form.findChild<QPushButton*>("ButtonOkay")->click();
    });
  }
  bool PublishText() {
    return PublishThrough(Form().TreePopupPrintText, Forms().printText, Forms().printText.EditRegText, Output());
  }

  std::vector<std::string> Printed() const {
    std::vector<std::string> files;
    for (const auto& call : shell->Calls()) files.push_back(call.verb + " " + call.file);
    return files;
  }

  testing_support::TempFolder output;
  std::shared_ptr<platform::RecordingShellService> shell = std::make_shared<platform::RecordingShellService>();
  platform::ScopedShellService shellGuard{shell};
  DesktopFixture fixture;
};

TEST_F(PublishMenuTest, VerseDisablesHtmlAndTextAndRtfPublishesTheVersesWholeBook) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  TreeNode* verse = AddResult(1, 2, 1);
  form.TreeHistory->Add(nullptr, "2024", node::kYear);

  OpenMenuOn(verse);
  EXPECT_FALSE(form.TreePopupPrintHtml->isEnabled());
  EXPECT_FALSE(form.TreePopupPrintText->isEnabled());
  for (QAction* entry : {form.TreePopupRtf, form.TreePopupWp, form.TreePopupMSW, form.PrintViaMicrosoftWord,
                         form.PrintViaWordPerfect})
    EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();

  ASSERT_TRUE(PublishThrough(form.TreePopupRtf, Forms().PrintRtf, Forms().PrintRtf.EditRegText, Output()));
  const std::string document = testing_support::ReadFileBytes(Output("Genesis.rtf"));
  EXPECT_NE(document.find("CHAPTER 1}"), std::string::npos);
  EXPECT_NE(document.find("CHAPTER 3}"), std::string::npos);
  EXPECT_TRUE(form.TreeHistory->IsEmpty());
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());

  OpenMenuOn(verse->Parent());
  EXPECT_TRUE(form.TreePopupPrintHtml->isEnabled());
  EXPECT_TRUE(form.TreePopupPrintText->isEnabled());
}

TEST_F(PublishMenuTest, ChapterPublishesItsWholeBookAsTextAndOnlyItsPageAsHtml) {
  OpenMenuOn(BibleChapter("Genesis", 2));
  ASSERT_TRUE(PublishText());
  for (const char* file : {"01~001.txt", "01~002.txt", "01~003.txt"}) EXPECT_TRUE(Written(file)) << file;
  EXPECT_FALSE(Written("02~001.txt"));

  const std::string ownFolder = engine::Engine().HtmlDir;
  ASSERT_TRUE(PublishThrough(Form().TreePopupPrintHtml, Forms().printHtml, Forms().printHtml.EditRegHTML,
                             Output("pages")));
  EXPECT_TRUE(Written("pages/Bible/1/2.html"));
  EXPECT_FALSE(Written("pages/Bible/1/1.html"));
  EXPECT_EQ(engine::Engine().HtmlDir, ownFolder);
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(PublishMenuTest, BookPublishesEveryChapterPageAsHtml) {
  OpenMenuOn(BibleNode("Exodus"));
  ASSERT_TRUE(PublishThrough(Form().TreePopupPrintHtml, Forms().printHtml, Forms().printHtml.EditRegHTML,
                             Output("pages")));
  EXPECT_TRUE(Written("pages/Bible/2/1.html"));
  EXPECT_TRUE(Written("pages/Bible/2/2.html"));
  EXPECT_FALSE(Written("pages/Bible/1/1.html"));
}

TEST_F(PublishMenuTest, HtmlIntoAnotherFolderWritesTheStyleSheetItsPagesLinkWithTheSearch) {
  const OneWordSearch search("word");
  fixture.Search().GivenConditions = &search;
  OpenMenuOn(BibleChapter("Genesis", 2));
  ASSERT_TRUE(PublishThrough(Form().TreePopupPrintHtml, Forms().printHtml, Forms().printHtml.EditRegHTML,
                             Output("pages")));
  const std::string chapter = Output("pages/Bible/1/");
  const std::string page = testing_support::ReadFileBytes(chapter + "2.html");
  const std::string link = "../../style/ixo.css";
  ASSERT_NE(page.find("href=\"" + link + "\""), std::string::npos) << page;
  const std::string sheet = testing_support::ReadFileBytes((fs::path(chapter) / link).lexically_normal().string());
  ASSERT_FALSE(sheet.empty());

  // The searched word stands out, as in the pages of the program's own folder.
  const platform::TStringList tags = engine::LemmaTagsForWord("word");
  ASSERT_FALSE(tags.Items().empty());
  for (const std::string& tag : tags) EXPECT_NE(sheet.find("." + tag + "\r\n{"), std::string::npos) << tag;
  ASSERT_TRUE(publish::WriteStyleSheet(&search));
  EXPECT_EQ(sheet, testing_support::ReadFileBytes(fixture.HtmlDir() + "style/ixo.css"));
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(PublishMenuTest, HtmlStyleSheetThatCannotBeWrittenIsReportedAndEndsTheRun) {
  fs::create_directories(Output("pages"));
  ASSERT_TRUE(testing_support::WriteFileBytes(Output("pages/style"), "a file where the folder should be"));
  const std::string ownFolder = engine::Engine().HtmlDir;
  OpenMenuOn(BibleNode("Exodus"));
  ASSERT_TRUE(PublishThrough(Form().TreePopupPrintHtml, Forms().printHtml, Forms().printHtml.EditRegHTML,
                             Output("pages")));
  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].text, "Could not open or write to: '" + Output("pages/style") + "'");
  EXPECT_EQ(fixture.Dialogs().Shown()[0].type, platform::DialogType::Error);
  EXPECT_FALSE(Written("pages/Bible"));
  EXPECT_EQ(engine::Engine().HtmlDir, ownFolder);
}

TEST_F(PublishMenuTest, TestamentHandsItsBooksOverInTreeOrderAndPrinterOfWordPerfectPrintsThem) {
  OpenMenuOn(BibleNode("Old Testament"));
  publish::TPrintWpForm& wp = Forms().PrintWp;
  QString caption;
  bool nativeChosen = false, docLocked = false;
  ASSERT_TRUE(RunEntry(Form().PrintViaWordPerfect, wp, [&] {
    caption = wp.ButtonOkay->text();
    nativeChosen = wp.buttonDotNative->isChecked();
    docLocked = !wp.buttonDotDoc->isEnabled();
    wp.EditRegText->setText(QString::fromStdString(Output()));
    wp.ButtonOkay->click();
  }));
  EXPECT_EQ(caption, "Print");
  EXPECT_TRUE(nativeChosen);
  EXPECT_TRUE(docLocked);
  // One document per book, each printed once it is written, in the order of the tree.
  std::vector<std::string> books;
  for (const TreeNode* book = BibleNode("Old Testament")->FirstChild(); book; book = book->NextSibling())
    books.push_back("print " + Output(book->Text().toStdString() + ".wpd"));
  ASSERT_EQ(books.size(), 39u);
  EXPECT_EQ(Printed(), books);
  EXPECT_EQ(wp.ButtonOkay->text(), "OK");
  EXPECT_TRUE(wp.buttonDotDoc->isEnabled());
}

// Printing through the system's programs: the documents go to LibreOffice,
// and a printer that fails, or a LibreOffice that is not there, stops the run
// with the reason in the error box and the files written so far kept.
TEST_F(PublishMenuTest, PrintingStopsAtTheFirstFailureWithItsReasonAndKeepsTheFiles) {
  const struct {
    const char* situation;
    std::function<void(testing_support::StandInPrograms&)> arrange;
    std::vector<std::string> inTheBox;
  } cases[] = {
      {"printer fails",
       [](testing_support::StandInPrograms& programs) {
         programs.FailWith("soffice", 1, "Error: no printer is configured\n");
       },
       {"Could not print: '", "Genesis.wpd", "\"soffice\" failed", "Error: no printer is configured"}},
      {"LibreOffice missing",
       [](testing_support::StandInPrograms& programs) { programs.Remove("soffice"); },
       {"Could not print: '", "WordPerfect", "LibreOffice"}},
  };
  for (const auto& situation : cases) {
    SCOPED_TRACE(situation.situation);
    testing_support::TempFolder folder;
    testing_support::StandInPrograms programs{"lp", "soffice"};
    situation.arrange(programs);
    const platform::ScopedShellService system(std::make_shared<platform::SystemShellService>());
    const std::size_t shownBefore = fixture.Dialogs().Shown().size();
    OpenMenuOn(BibleNode("Old Testament"));
    publish::TPrintWpForm& wp = Forms().PrintWp;
    ASSERT_TRUE(RunEntry(Form().PrintViaWordPerfect, wp, [&] {
      wp.EditRegText->setText(QString::fromStdString(folder.Path()));
      wp.ButtonOkay->click();
    }));

    ASSERT_EQ(fixture.Dialogs().Shown().size(), shownBefore + 1);
    const platform::DialogRequest& box = fixture.Dialogs().Shown().back();
    EXPECT_EQ(box.type, platform::DialogType::Error);
    for (const std::string& part : situation.inTheBox)
      EXPECT_NE(box.text.find(part), std::string::npos) << part << " in " << box.text;
    EXPECT_TRUE(fs::exists(folder.File("Genesis.wpd")));
    EXPECT_FALSE(fs::exists(folder.File("Exodus.wpd")));
    EXPECT_TRUE(programs.Runs("lp").empty());
  }
}

TEST_F(PublishMenuTest, PrinterOfWordSendsTheDocumentToLibreOffice) {
  testing_support::StandInPrograms programs{"lp", "soffice"};
  const platform::ScopedShellService system(std::make_shared<platform::SystemShellService>());
  OpenMenuOn(BibleNode("Genesis"));
  publish::TPrintWpForm& wp = Forms().PrintWp;
  ASSERT_TRUE(RunEntry(Form().PrintViaMicrosoftWord, wp, [&] {
    wp.EditRegText->setText(QString::fromStdString(Output()));
    wp.ButtonOkay->click();
  }));
  EXPECT_EQ(programs.Runs("soffice"),
            (std::vector<std::vector<std::string>>{{"--headless", "-p", Output("Genesis.doc")}}));
  EXPECT_TRUE(programs.Runs("lp").empty());
  for (const auto& shown : fixture.Dialogs().Shown()) ADD_FAILURE() << shown.text;
}

TEST_F(PublishMenuTest, PrinterOfWordLocksTheWordPerfectFormInWordModeAndPutsItBack) {
  for (const bool docBefore : {false, true}) {
    SCOPED_TRACE(docBefore ? "*.doc chosen before" : "*.wpd chosen before");
    publish::TPrintWpForm& wp = Forms().PrintWp;
    wp.buttonDotDoc->setChecked(docBefore);
    wp.buttonDotNative->setChecked(!docBefore);
    OpenMenuOn(BibleNode("Genesis"));
    struct {
      QString caption;
      bool doc, nativeLocked, compatible, compatibleLocked, columns;
    } during{};
    ASSERT_TRUE(RunEntry(Form().PrintViaMicrosoftWord, wp, [&] {
      during = {wp.ButtonOkay->text(),
                wp.buttonDotDoc->isChecked(),
                !wp.buttonDotNative->isEnabled(),
                wp.CheckBoxWordCompatible->isChecked(),
                !wp.CheckBoxWordCompatible->isEnabled(),
                wp.CheckBoxDualColumns->isChecked()};
      wp.EditRegText->setText(QString::fromStdString(Output()));
      wp.ButtonOkay->click();
    }));
    EXPECT_EQ(during.caption, "Print");
    EXPECT_TRUE(during.doc);
    EXPECT_TRUE(during.nativeLocked);
    EXPECT_TRUE(during.compatible);
    EXPECT_TRUE(during.compatibleLocked);
    EXPECT_FALSE(during.columns);
    EXPECT_EQ(Printed().back(), "print " + Output("Genesis.doc"));

    EXPECT_EQ(wp.ButtonOkay->text(), "OK");
    EXPECT_EQ(wp.buttonDotDoc->isChecked(), docBefore);
    EXPECT_EQ(wp.buttonDotNative->isChecked(), !docBefore);
    EXPECT_FALSE(wp.CheckBoxWordCompatible->isChecked());
    EXPECT_TRUE(wp.CheckBoxDualColumns->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{wp.buttonDotDoc, wp.buttonDotNative,
                                                            wp.CheckBoxWordCompatible, wp.CheckBoxHeadFoot})
      EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
  }
}

TEST_F(PublishMenuTest, PrimitiveWordPerfectWritesADocInWordModeAndKeepsDocChosen) {
  OpenMenuOn(BibleNode("Exodus"));
  publish::TPrintWpForm& wp = Forms().PrintWp;
  wp.CheckBoxWordCompatible->setChecked(true);
  wp.buttonDotNative->setChecked(true);
  ASSERT_TRUE(PublishThrough(Form().TreePopupMSW, wp, wp.EditRegText, Output()));
  EXPECT_TRUE(Written("Exodus.doc"));
  EXPECT_TRUE(Printed().empty());
  // Word-compatible mode was on before, so it stays on, with ".doc" chosen.
  EXPECT_TRUE(wp.CheckBoxWordCompatible->isChecked());
  EXPECT_TRUE(wp.buttonDotDoc->isChecked());
}

TEST_F(PublishMenuTest, FailingBookEndsTheWalk) {
  fs::create_directories(Output("02~001.txt"));  // Exodus 1 cannot be written
  OpenMenuOn(BibleNode("Old Testament"));
  ASSERT_TRUE(PublishText());
  EXPECT_TRUE(Written("01~003.txt"));
  EXPECT_FALSE(Written("02~002.txt"));
  EXPECT_FALSE(Written("12~001.txt"));
  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].type, platform::DialogType::Error);
}

TEST_F(PublishMenuTest, NodeWithoutBooksBelowIsReportedAndWritesNothing) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  // A search condition's words, heading the Search page's tree.
  TreeNode* condition = form.TreeSearch->Add(nullptr, "light", node::kWordList);
  OpenMenuOn(condition);
  ASSERT_TRUE(PublishText());
  EXPECT_TRUE(fs::is_empty(Output()));
  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].text, kNoBookWarning);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].type, platform::DialogType::Warning);
}

TEST_F(PublishMenuTest, NothingSelectedWritesNothing) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  OpenMenuOn(nullptr);
  EXPECT_EQ(form.FPopupNode, nullptr);
  ASSERT_TRUE(PublishThrough(form.TreePopupRtf, Forms().PrintRtf, Forms().PrintRtf.EditRegText, Output()));
  EXPECT_TRUE(fs::is_empty(Output()));
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(PublishMenuTest, CancelRunsNoWriter) {
  Form().TreeHistory->Add(nullptr, "2024", node::kYear);
  OpenMenuOn(BibleNode("Genesis"));
  for (ui::ModalForm* options : std::initializer_list<ui::ModalForm*>{&Forms().PrintRtf, &Forms().PrintWp}) {
    QAction* entry = options == &Forms().PrintRtf ? Form().TreePopupRtf : Form().TreePopupWp;
    ASSERT_TRUE(RunEntry(entry, *options, [options] { options->findChild<QPushButton*>("ButtonCancel")->click(); }));
  }
  EXPECT_FALSE(fs::exists(Output()));
  EXPECT_FALSE(Form().TreeHistory->IsEmpty());
}

}  // namespace
}  // namespace desktop_testing
