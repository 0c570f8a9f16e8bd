// The add-in's search form over the add-in's engine on the KJV: its results
// inserted into a recording document, its condition pages, its Strong's lists
// from the engine library, its tray icon against a recording shell, its help,
// and the search command that makes and frees it.
#include "wordaddin/ixoSearch.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest/QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "QtTesting.h"
#include "RecordingDocument.h"
#include "kit/Application.h"
#include "kit/KitTrayIcon.h"
#include "kit/KitUnits.h"
#include "kit/TrayShell.h"
#include "platform/Dialogs.h"
#include "support/AddinInstallation.h"
#include "support/TempFolder.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "wordaddin/Addin.h"
#include "wordaddin/AddinSearchText.h"
#include "wordaddin/AddinText.h"
#include "wordaddin/IxoAbout.h"
#include "wordaddin/QuickTree.h"
#include "wordaddin/ixoInsertTextDialog.h"
#include "wordaddin/ixoObject.h"

namespace wordaddin {
namespace {

using testing::Lines;
using testing::ModalWatcher;
using testing::RecordingDocument;
using testing_support::AddinInstallation;

constexpr search::LocalDateTime kFinished{2026, 12, 8, 5, 8, 2};

// The verses of "love" and "world" within seven words, in Bible order.
const std::vector<std::string> kLoveWorld = {"John 14:31", "John 15:17", "John 15:19", "1 John 2:15",
                                             "1 John 4:17"};
constexpr char kJohn15_19[] =
    "If ye were of the world, the world would love his own: but because ye are not of the world, but I have "
    "chosen you out of the world, therefore the world hateth you.";

// The study of conditions 1 "love" and 2 "world", both active, span 7.
constexpr char kLoveWorldStudy[] =
    "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\n[2]\r\nworld=1\r\n[Active]\r\n1=1\r\n2=1\r\n";

// The heading lines of what was inserted: every verse has its own.
std::vector<std::string> Headings(const RecordingDocument& document) {
  std::vector<std::string> headings;
  const std::vector<std::string> lines = Lines(document.Text());
  for (std::size_t i = 0; i < lines.size(); i += 2) headings.push_back(lines[i]);
  return headings;
}

class RecordingShell : public kit::TrayShell {
 public:
  bool NotifyIcon(std::uint32_t operation, const kit::TNotifyIconData& data) override {
    calls.emplace_back(operation, data.hIcon);
    return true;
  }
  bool IconShown(kit::HWND, std::uint32_t) const override { return true; }
  std::vector<std::pair<std::uint32_t, kit::HICON>> calls;
};

class AddinSearchForm : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!AddinInstallation::BuiltDataExists()) GTEST_SKIP() << "the add-in's data is not built";
    installation = std::make_unique<AddinInstallation>();
    ASSERT_TRUE(engine.Load());
    kit::SetTrayShell(shell);
    insertForm = std::make_unique<TFormInsert>(nullptr, engine, document, about);
    form = std::make_unique<TInterfaceForm>(text, *insertForm, about);
    form->HistoryClock = [] { return kFinished; };
  }

  // Shows the form and searches for the summary texts of conditions 1, 2, ...
  void Search(const std::vector<std::string>& texts) {
    form->show();
    form->Conditions.UseSummaryTexts(texts);
    form->ButtonPreviewClick();
  }
  ui::TreeNode* Node(const QString& caption) const { return form->TreeViewSearch->FindByCaption(caption); }
  // The chapter node of a book node.
  ui::TreeNode* Chapter(const QString& book, const QString& chapter) const {
    ui::TreeNode* bookNode = Node(book);
    for (int i = 0; bookNode && i < bookNode->Count(); ++i)
      if (bookNode->Child(i)->Text() == chapter) return bookNode->Child(i);
    return nullptr;
  }
  std::vector<std::string> Headings() const { return wordaddin::Headings(document); }
  std::string History(const std::string& name) const {
    return testing_support::ReadFileBytes(installation->InstallDir() + "history/" + name);
  }

  testing::FakeHost host;
  std::shared_ptr<platform::RecordingDialogService> boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard{boxes};
  kit::KitUnits kit;
  std::shared_ptr<RecordingShell> shell = std::make_shared<RecordingShell>();
  std::unique_ptr<AddinInstallation> installation;
  TixoEngine engine;
  AddinSearchText text{engine};
  RecordingDocument document;
  TFormAbout about;
  std::unique_ptr<TFormInsert> insertForm;
  std::unique_ptr<TInterfaceForm> form;
};

TEST_F(AddinSearchForm, IsTheSearchFormWithTheAddinsComponents) {
  EXPECT_EQ(form->windowTitle(), "Ixo Bible - Search Form");
  EXPECT_NE(qobject_cast<TQuickTree*>(form->TreeViewSearch), nullptr);
  EXPECT_EQ(form->statusBar(), form->StatusBar1);
  EXPECT_EQ(form->ButtonSaveObsolete->text(), "Save List");
  EXPECT_EQ(form->ButtonLoadObsolete->text(), "Load List");
  form->show();
  EXPECT_TRUE(form->ButtonSelect->isVisible());
  EXPECT_FALSE(form->ButtonSaveObsolete->isVisible());
  EXPECT_EQ(form->OpenDialogStudyInitialDir, installation->InstallDir() + "Study/");
}

TEST_F(AddinSearchForm, FinishInsertsTheSelectedPartOfTheResult) {
  struct Case {
    const char* selected;
    std::function<ui::TreeNode*()> node;
    std::vector<std::string> headings;
  };
  const Case cases[] = {
      {"the root", [this] { return form->TreeViewSearch->FirstNode(); }, kLoveWorld},
      {"no node", []() -> ui::TreeNode* { return nullptr; }, kLoveWorld},
      {"a book", [this] { return Node("1  John"); }, {"1 John 2:15", "1 John 4:17"}},
      {"a chapter", [this] { return Chapter("John", "Chapter 15"); }, {"John 15:17", "John 15:19"}},
      {"a verse", [this] { return Node("19"); }, {"John 15:19"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    document = RecordingDocument();
    Search({"love", "world"});
    ASSERT_EQ(form->TreeViewSearch->FirstNode()->Text(), "Found 5 matches in 2 books");
    ui::TreeNode* node = c.node();
    form->TreeViewSearch->Select(node);
    ASSERT_EQ(form->TreeViewSearch->Selected(), node);
    form->ButtonFinish->click();
    EXPECT_EQ(Headings(), c.headings);
    EXPECT_FALSE(form->isVisible());
  }
  EXPECT_NE(document.Text().find(std::string("John 15:19\n") + kJohn15_19 + "\n"), std::string::npos);
  EXPECT_TRUE(boxes->Shown().empty());
  // The study went into the installation's history first.
  EXPECT_EQ(History("2026/12 (December)/08@@(05.08.02).ixolc"), kLoveWorldStudy);
  EXPECT_EQ(History("current.ixolc"), kLoveWorldStudy);
}

TEST_F(AddinSearchForm, FinishAndSelectCloseTheFormAlsoWhenTheInsertionRaises) {
  testing::RefusingDocument refusing;
  TFormInsert refusingInsert(nullptr, engine, refusing, about);
  for (const bool select : {false, true}) {
    SCOPED_TRACE(select ? "Select" : "Finish");
    const std::size_t boxesBefore = boxes->Shown().size();
    TInterfaceForm refusingForm(text, refusingInsert, about);
    refusingForm.HistoryClock = [] { return kFinished; };
    refusingForm.show();
    refusingForm.Conditions.UseSummaryTexts({"love", "world"});
    refusingForm.ButtonPreviewClick();
    if (select) {
      refusingForm.TreeViewSearch->Select(refusingForm.TreeViewSearch->FindByCaption("19"));
      refusingForm.ButtonSelect->click();
    } else {
      refusingForm.ButtonFinish->click();
    }
    EXPECT_FALSE(refusingForm.isVisible());
    ASSERT_EQ(boxes->Shown().size(), boxesBefore + 1);
    EXPECT_EQ(boxes->Shown().back().text, "the document is locked");
    EXPECT_EQ(boxes->Shown().back().type, platform::DialogType::Error);
  }
}

TEST_F(AddinSearchForm, FinishWithoutResultsKeepsTheFormOpen) {
  form->show();
  form->ButtonFinishClick();
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(document.operations.empty());
  EXPECT_FALSE(std::filesystem::exists(installation->InstallDir() + "history"));
}

TEST_F(AddinSearchForm, SelectInsertsAVerseAndIgnoresOtherNodes) {
  Search({"love", "world"});
  form->TreeViewSearch->Select(Chapter("John", "Chapter 15"));
  ASSERT_TRUE(form->ButtonSelect->isEnabled());
  form->ButtonSelect->click();
  EXPECT_TRUE(document.operations.empty());
  EXPECT_FALSE(form->ButtonSelect->isEnabled());
  EXPECT_TRUE(form->isVisible());

  form->TreeViewSearch->Select(Node("19"));
  // The preview shows the verse as the engine library spells it.
  EXPECT_EQ(form->PreviewTextView->toPlainText().toStdString(), kJohn15_19);
  form->ButtonSelect->click();
  EXPECT_EQ(document.Text(), std::string("John 15:19\n") + kJohn15_19 + "\n");
  EXPECT_FALSE(form->isVisible());
}

TEST_F(AddinSearchForm, SelectWithoutASelectedNodeLooksAtTheFirstNodeNotTheOneScrolledToTheTop) {
  Search({"love", "world"});
  ui::TreeNode* verse = Node("19");
  ASSERT_NE(verse, nullptr);
  form->TreeViewSearch->Select(nullptr);
  form->TreeViewSearch->expandAll();
  form->TreeViewSearch->setFixedHeight(60);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QApplication::processEvents();
  form->TreeViewSearch->scrollTo(verse->index(), QAbstractItemView::PositionAtTop);
  ASSERT_EQ(form->TreeViewSearch->TopNode(), verse);
  form->ButtonSelectClick();
  EXPECT_TRUE(document.operations.empty());  // the first node is the result's root
  EXPECT_FALSE(form->ButtonSelect->isEnabled());
  EXPECT_TRUE(form->isVisible());
}

TEST_F(AddinSearchForm, InsertVerseOpensTheInsertDialogWithThePreviewsReference) {
  struct Case {
    const char* selected;
    std::function<ui::TreeNode*()> node;
    int entry;
    const char* reference;
  };
  const Case cases[] = {
      {"a chapter's verse", [this] { return Chapter("John", "Chapter 15"); }, 1, "John 15:19"},
      {"a book's chapter", [this] { return Node("John"); }, 0, "John 14"},
      {"the root's book", [this] { return form->TreeViewSearch->FirstNode(); }, 1, "1  John"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    Search({"love", "world"});
    form->TreeViewSearch->Select(c.node());
    form->PreviewListView->setCurrentRow(c.entry);
    std::string shown;
    QPoint placedAt;
    bool searchFormHidden = false;
    ModalWatcher dialog([&](QWidget& window) {
      ASSERT_EQ(&window, insertForm.get());
      shown = insertForm->spec->currentText().toStdString();
      placedAt = insertForm->pos();
      searchFormHidden = !form->isVisible();
      // The study is saved before the dialog shows.
      EXPECT_EQ(History("current.ixolc"), kLoveWorldStudy);
      insertForm->ButtonCancel->click();
    });
    form->InsertVerseFromSearch->trigger();
    EXPECT_EQ(dialog.Count(), 1);
    EXPECT_EQ(shown, c.reference);
    EXPECT_EQ(placedAt, QPoint(20, 20));
    EXPECT_TRUE(searchFormHidden);
    EXPECT_FALSE(form->isVisible());
  }
  EXPECT_TRUE(document.operations.empty());

  // Without a selected entry nothing happens.
  Search({"love", "world"});
  form->PreviewListView->clearSelection();
  ModalWatcher none;
  form->InsertVerseFromSearch->trigger();
  EXPECT_EQ(none.Count(), 0);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(AddinSearchForm, TheInsertDialogInsertsThePreviewsVerse) {
  Search({"love", "world"});
  form->TreeViewSearch->Select(Chapter("John", "Chapter 15"));
  form->PreviewListView->setCurrentRow(1);
  ModalWatcher dialog([&](QWidget&) { insertForm->ButtonOK->click(); });
  form->InsertVerseFromSearch->trigger();
  EXPECT_EQ(document.Text(), std::string("John 15:19\n") + kJohn15_19 + "\n");
}

TEST_F(AddinSearchForm, ConditionPagesOpenAndCloseByButtonsAndPageChanges) {
  form->show();
  form->Conditions.UseSummaryTexts({"love"});
  // "..." before the first search applies the row's text, then opens its page.
  form->ConditionWidgets[1].MoreButton->click();
  EXPECT_EQ(form->TabStudies->ActivePageIndex(), 1);
  EXPECT_TRUE(form->TabStudies->isTabVisible(1));
  EXPECT_EQ(form->ConditionWidgets[1].WordList->count(), 1);
  EXPECT_TRUE(form->ButtonPreview->isHidden());

  // Adding a word closes the page: its words go into the summary edit.
  form->FieldStudyClick();
  form->ConditionWidgets[1].ComboBox->setEditText("world");
  form->ConditionWidgets[1].ButtonAdd->click();
  EXPECT_EQ(form->TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(form->ConditionWidgets[1].AndEdit->text(), "love world");

  // The user turns to page 1, then back to the summary: the page left is applied.
  QTabBar* tabs = form->TabStudies->findChild<QTabBar*>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(form->TabStudies->ActivePageIndex(), 1);
  form->Conditions.DeleteWordAt(1, 0);  // "love" leaves the word list
  form->ShowConditions();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  EXPECT_EQ(form->TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(form->LeftPage(), 0);
  EXPECT_EQ(form->ConditionWidgets[1].AndEdit->text(), "world");
  EXPECT_EQ(form->Conditions[1].WordList.Items(), std::vector<std::string>{"world"});

  // A page change that ends on the summary page opens no condition, whatever
  // the page control is called.
  form->AdvancedItem(form->TabStudies);
  EXPECT_EQ(form->TabStudies->ActivePageIndex(), 0);
  EXPECT_FALSE(form->TabStudies->isTabVisible(10));
}

TEST_F(AddinSearchForm, StrongsListsComeFromTheEngineLibrary) {
  Search({"God"});
  form->ConditionWidgets[1].MoreButton->click();
  QListWidget* words = form->ConditionWidgets[1].WordList;
  ASSERT_EQ(words->count(), 1);
  words->setCurrentRow(0);
  form->ListStudyClick(words);
  const auto items = [](QListWidget* list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
    return texts;
  };
  const std::vector<std::string> hebrew = items(form->ConditionWidgets[1].HebrList);
  const std::vector<std::string> greek = items(form->ConditionWidgets[1].GreeList);
  EXPECT_NE(std::ranges::find(hebrew, "430"), hebrew.end());
  EXPECT_NE(std::ranges::find(greek, "2316"), greek.end());
  const std::vector<std::string> related = items(form->ConditionWidgets[1].SynoList);
  EXPECT_NE(std::ranges::find(related, "god"), related.end());
  EXPECT_EQ(related, text.RelatedWords(text.StrongsNumbersForWord("god")).Items());
}

TEST_F(AddinSearchForm, TrayIconCarriesItsMenuUntilTheFormShows) {
  ASSERT_EQ(shell->calls.size(), 1u);
  EXPECT_EQ(shell->calls[0].first, kit::NIM_ADD);
  EXPECT_NE(shell->calls[0].second, 0u);
  EXPECT_TRUE(form->TrayIcon->ShowMinimizedIcon);
  ASSERT_EQ(form->TrayIcon->PopupMenu(), form->TrayPopupMenu);
  std::vector<std::string> items;
  for (const QAction* action : form->TrayPopupMenu->actions()) items.push_back(action->text().toStdString());
  EXPECT_EQ(items, (std::vector<std::string>{"Browse", "Search", "Close"}));

  form->show();
  EXPECT_EQ(form->TrayIcon->PopupMenu(), nullptr);
  form->hide();
  form->TrayBrowse->trigger();
  EXPECT_FALSE(form->isVisible());
  form->TraySearch->trigger();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(kit::Application().Terminated());
  form->TrayClose->trigger();
  EXPECT_TRUE(kit::Application().Terminated());
  EXPECT_FALSE(form->isVisible());

  form.reset();
  EXPECT_EQ(shell->calls.back().first, kit::NIM_DELETE);
}

TEST_F(AddinSearchForm, HelpShowsTheAddinsAboutForm) {
  // The help key: a new about form over the search form, modally.
  QWidget* shownParent = nullptr;
  ModalWatcher modal([&](QWidget& window) {
    EXPECT_NE(qobject_cast<TFormAbout*>(&window), nullptr);
    EXPECT_NE(&window, &about);
    shownParent = window.parentWidget();
  });
  EXPECT_TRUE(form->FormHelp());
  EXPECT_EQ(modal.Count(), 1);
  EXPECT_EQ(shownParent, form.get());

  // The Help menu: the add-in's about form, without waiting.
  form->SearchMenuAbout->trigger();
  EXPECT_TRUE(about.isVisible());
  EXPECT_EQ(modal.Count(), 1);
  about.close();
}

// ---- the search command with the add-in's own text ---------------------------------------

TEST(AddinSearchCommand, EachSearchMakesAndFreesItsFormsAndTheNextStartsWithTheStudy) {
  if (!AddinInstallation::BuiltDataExists()) GTEST_SKIP() << "the add-in's data is not built";
  testing::FakeHost host;
  auto boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard(boxes);
  kit::KitUnits kit;
  kit::SetTrayShell(std::make_shared<RecordingShell>());
  AddinInstallation installation;
  RecordingDocument document;
  Addin addin([&document] { return CreateAddinText(&document); });
  {
    ModalWatcher splash;
    addin.AutoOpen(7);
  }

  std::vector<QPointer<QWidget>> forms;
  std::vector<std::string> loaded;
  ModalWatcher searchForm([&](QWidget& window) {
    auto& form = static_cast<TInterfaceForm&>(window);
    forms.emplace_back(&form);
    loaded.push_back(form.ConditionWidgets[1].AndEdit->text().toStdString() + "|" +
                     form.ConditionWidgets[2].AndEdit->text().toStdString());
    form.Conditions.UseSummaryTexts({"love", "world"});
    form.ButtonPreviewClick();
    form.TreeViewSearch->Select(form.TreeViewSearch->FindByCaption("19"));
    form.ButtonFinish->click();
  });
  addin.Search();
  addin.Search();
  addin.AutoRemove();

  ASSERT_EQ(forms.size(), 2u);
  for (const QPointer<QWidget>& form : forms) EXPECT_TRUE(form.isNull());
  EXPECT_EQ(loaded, (std::vector<std::string>{"|", "love|world"}));
  EXPECT_EQ(Headings(document), (std::vector<std::string>{"John 15:19", "John 15:19"}));
  EXPECT_TRUE(boxes->Shown().empty());
}

}  // namespace
}  // namespace wordaddin
