// The search form's window: showing it with the main window's looks,
// closing it, the "..." and "x" buttons, typing into a summary edit, the
// result tree's popup, the Help menu and the help key.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>
#include <memory>

#include "QtPrinters.h"
#include "SearchFixture.h"
#include "StrongsText.h"
#include "engine/ixoutils.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "search/HelpManual.h"
#include "search/ixoSearch.h"
#include "ui/CheckBox.h"
#include "ui/NodeImages.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace search {
namespace {

// The main window's part in the form's life: its search tree, Bible tree and
// book list view, by their names.
struct MainWindow {
  MainWindow() {
    auto* client = new QWidget(&window);
    auto* layout = new QVBoxLayout(client);
    TreeSearch->setObjectName(QStringLiteral("TreeSearch"));
    TreeIxo->setObjectName(QStringLiteral("TreeIxo"));
    ListViewIxo->setObjectName(QStringLiteral("ListViewIxo"));
    for (QWidget* widget : {static_cast<QWidget*>(TreeSearch), static_cast<QWidget*>(TreeIxo),
                            static_cast<QWidget*>(ListViewIxo)})
      layout->addWidget(widget);
    window.setCentralWidget(client);
    TreeIxo->SetImages(ui::NodeImages(32));
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(14);
    TreeIxo->setFont(font);
    ListViewIxo->setFont(font);
    ListViewIxo->setViewMode(QListView::IconMode);
  }
  QMainWindow window;
  ui::TreeView* TreeSearch = new ui::TreeView;
  ui::TreeView* TreeIxo = new ui::TreeView;
  QListWidget* ListViewIxo = new QListWidget;
};

void Type(QWidget* widget, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &press);
}

void MoveMouseOver(QWidget* widget) {
  widget->setAttribute(Qt::WA_UnderMouse);
  QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &move);
}

class FormWindowTest : public ::testing::Test {
 protected:
  FormWindowTest() { form_.SetMainSearchTree(main_.TreeSearch); }

  void SearchFor(const std::vector<std::string>& texts) {
    form_.Conditions.UseSummaryTexts(texts);
    form_.ButtonPreviewClick();
  }
  QString Status() const {
    const ui::TreeNode* root = form_.TreeViewSearch->FirstNode();
    return root ? root->Text() : QString();
  }

  search_testing::SearchFixture fixture_{search_testing::StrongsText};
  MainWindow main_;
  TInterfaceForm form_;
};

TEST_F(FormWindowTest, ShowTakesTheMainWindowsLooks) {
  form_.show();
  EXPECT_EQ(form_.TreeViewSearch->Images().Size(), QSize(32, 32));
  EXPECT_EQ(form_.TreeViewSearch->font(), main_.TreeIxo->font());
  // An icon view: the preview list becomes a report, the text takes its font in size 14.
  EXPECT_EQ(form_.PreviewListView->viewMode(), QListView::ListMode);
  EXPECT_EQ(form_.PreviewListView->flow(), QListView::TopToBottom);
  EXPECT_FALSE(form_.PreviewListView->isWrapping());
  EXPECT_EQ(form_.PreviewTextView->font().family(), main_.ListViewIxo->font().family());
  EXPECT_EQ(form_.PreviewTextView->font().pointSize(), 14);
  // The study dialog starts in the history folder from the first show on.
  EXPECT_EQ(form_.OpenDialogStudyInitialDir, engine::GetUserDataPath("History"));
  form_.OpenDialogStudyInitialDir = fixture_.Temp().File("elsewhere/");
  form_.hide();
  form_.show();
  EXPECT_EQ(form_.OpenDialogStudyInitialDir, fixture_.Temp().File("elsewhere/"));
}

TEST_F(FormWindowTest, SmallIconListKeepsItsStyleAndTheTextItsFont) {
  main_.ListViewIxo->setViewMode(QListView::ListMode);
  main_.ListViewIxo->setFlow(QListView::LeftToRight);
  const QFont textFont = form_.PreviewTextView->font();
  form_.show();
  EXPECT_EQ(form_.PreviewListView->viewMode(), QListView::ListMode);
  EXPECT_EQ(form_.PreviewListView->flow(), QListView::LeftToRight);
  EXPECT_EQ(form_.PreviewTextView->font(), textFont);
}

TEST_F(FormWindowTest, ClosingBringsTheMainWindowBack) {
  main_.window.showMinimized();
  form_.show();
  form_.ButtonCancel->click();
  EXPECT_FALSE(form_.isVisible());
  EXPECT_FALSE(main_.window.isMinimized());
  EXPECT_TRUE(main_.window.isVisible());
}

TEST_F(FormWindowTest, StudyDialogStartsInItsFolderAndMakesIt) {
  form_.show();
  const std::string folder = form_.OpenDialogStudyInitialDir;
  std::filesystem::remove_all(folder);
  QString shown;
  form_.ExecuteStudyDialog = [&](QFileDialog& dialog) {
    shown = dialog.directory().absolutePath();
    return false;
  };
  form_.ButtonStudySaveLoad(form_.MenuStudySave);
  EXPECT_TRUE(platform::DirectoryExists(folder));
  EXPECT_EQ(shown.toStdString() + "/", folder);
}

TEST_F(FormWindowTest, TypingMarksTheConditionUntilTheMouseLeavesTheField) {
  SearchFor({"God", "earth"});
  ASSERT_EQ(Status(), QStringLiteral("Found 2 matches in 1 book"));
  QLineEdit* two = form_.ConditionWidgets[2].AndEdit;

  // Typing: condition 2 is pending, the results wait for "Search".
  two->setText(QStringLiteral("Samuel"));
  Type(two, Qt::Key_L, QStringLiteral("l"));
  EXPECT_EQ(form_.PendingCondition, 2);
  EXPECT_FALSE(form_.ViewStudies->isEnabled());
  EXPECT_FALSE(form_.ButtonPreview->isHidden());

  // The mouse over "Search" applies nothing; over "Cancel" it applies condition 2.
  MoveMouseOver(form_.ButtonPreview);
  EXPECT_EQ(form_.PendingCondition, 2);
  two->setText(QStringLiteral("Samuel"));
  MoveMouseOver(form_.ButtonCancel);
  EXPECT_EQ(form_.PendingCondition, 0);
  EXPECT_EQ(Status(), QStringLiteral("Found 1 match in 1 book"));
  EXPECT_TRUE(form_.ViewStudies->isEnabled());
  EXPECT_TRUE(form_.ButtonPreview->isHidden());

  // Enter applies at once.
  two->setText(QStringLiteral("earth"));
  Type(two, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(Status(), QStringLiteral("Found 2 matches in 1 book"));
  EXPECT_EQ(form_.PendingCondition, 0);
}

TEST_F(FormWindowTest, SummaryEditNamesTellTheCondition) {
  struct Case {
    const char* name;
    int condition;
  };
  const Case cases[] = {{"And1", 1}, {"AndE", 14}, {"ande", 14}, {"AndF", 0}, {"And", 0}, {"Or12", 0}, {"AndX", 0}};
  QObject edit;
  for (const Case& c : cases) {
    form_.PendingCondition = 0;
    edit.setObjectName(QString::fromLatin1(c.name));
    form_.SearchKeyPress(&edit, 'x');
    EXPECT_EQ(form_.PendingCondition, c.condition) << c.name;
  }
}

TEST_F(FormWindowTest, MoreButtonOpensThePageAndCloseAppliesIt) {
  form_.Conditions.UseSummaryTexts({"God", "earth zebra"});
  form_.ParseConditionText(1);
  // Before the first search "..." applies the row's text and searches.
  form_.ConditionWidgets[2].MoreButton->click();
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 2);
  EXPECT_EQ(form_.ConditionWidgets[2].WordList->count(), 1);
  EXPECT_EQ(Status(), QStringLiteral("Found 2 matches in 1 book"));

  // "x" copies the word list into the summary text and searches again.
  form_.ConditionWidgets[2].ButtonClose->click();
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 0);
  EXPECT_EQ(form_.ConditionWidgets[2].AndEdit->text(), QStringLiteral("earth"));
  EXPECT_EQ(Status(), QStringLiteral("Found 2 matches in 1 book"));

  // With the results showing, "..." opens the page without searching.
  form_.TreeViewSearch->FirstNode()->SetText(QStringLiteral("kept"));
  form_.ConditionWidgets[1].MoreButton->click();
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 1);
  EXPECT_EQ(Status(), QStringLiteral("kept"));
}

TEST_F(FormWindowTest, MoreButtonOfRowTwelve) {
  std::vector<std::string> texts(12, "God");
  texts[11] = "Samuel";
  form_.Conditions.UseSummaryTexts(texts);
  form_.ShowConditions();
  QToolButton* more = form_.ConditionWidgets[12].MoreButton;
  ASSERT_EQ(more->objectName(), QStringLiteral("ac"));
  more->click();
  EXPECT_EQ(form_.TabStudies->ActivePageIndex(), 12);
  EXPECT_EQ(form_.ConditionWidgets[12].WordList->item(0)->text(), QStringLiteral("samuel"));
}

TEST_F(FormWindowTest, EnteringTheFieldEnablesAdd) {
  SearchFor({"God"});
  form_.TabStudies->SetActivePageIndex(1);
  const ConditionControls& one = form_.ConditionWidgets[1];
  EXPECT_FALSE(one.ButtonAdd->isEnabled());
  QFocusEvent focus(QEvent::FocusIn);
  QCoreApplication::sendEvent(one.ComboBox->lineEdit(), &focus);
  EXPECT_TRUE(one.ButtonAdd->isEnabled());
  one.ComboBox->setEditText(QStringLiteral("earth"));
  Q_EMIT one.ComboBox->lineEdit()->returnPressed();
  EXPECT_EQ(one.AndEdit->text(), QStringLiteral("earth god"));
}

TEST_F(FormWindowTest, TreePopupAndDelete) {
  form_.SetResultTree(main_.TreeSearch);
  SearchFor({"Samuel"});
  form_.show();
  form_.TreeViewSearchMouseDown(Qt::LeftButton, QPoint(10, 20));
  EXPECT_FALSE(form_.TreePopupMenu->isVisible());
  form_.TreeViewSearchMouseDown(Qt::RightButton, QPoint(10, 20));
  EXPECT_TRUE(form_.TreePopupMenu->isVisible());
  form_.TreePopupMenu->hide();
  EXPECT_FALSE(form_.TreePopupCopy->isEnabled());
  EXPECT_FALSE(form_.TreePopupBrowser->isEnabled());
  EXPECT_FALSE(form_.TreePopupMSWord->isEnabled());

  // "Delete" takes the selected node and its twin in the main window.
  ui::TreeNode* book = form_.TreeViewSearch->FirstNode()->FirstChild();
  form_.TreeViewSearch->Select(book);
  form_.Delete->trigger();
  EXPECT_EQ(form_.TreeViewSearch->FirstNode()->Count(), 0);
  EXPECT_EQ(main_.TreeSearch->FirstNode()->Count(), 0);
  form_.TreeViewSearch->Clear();
  form_.Delete->trigger();  // nothing selected: nothing happens
}

TEST_F(FormWindowTest, HelpOpensTheManual) {
  auto shell = std::make_shared<platform::RecordingShellService>();
  platform::ScopedShellService guard(shell);
  form_.IxoBibleHelp->trigger();
  ASSERT_EQ(shell->Calls().size(), 1u);
  EXPECT_EQ(shell->Calls()[0].file, std::string(WebAddress) + "/2007/Ixo-2007.pdf");
  ASSERT_EQ(fixture_.Dialogs().Shown().size(), 1u);  // the manual is missing: said so

  ASSERT_TRUE(testing_support::WriteFileBytes(platform::JoinPath(fixture_.Text().InstallDir(), "Ixo-2007.pdf"), "%PDF"));
  form_.IxoBibleHelp->trigger();
  ASSERT_EQ(shell->Calls().size(), 2u);
  EXPECT_EQ(shell->Calls()[1].verb, "OPEN");
  EXPECT_EQ(shell->Calls()[1].file, platform::JoinPath(fixture_.Text().InstallDir(), "Ixo-2007.pdf"));
  EXPECT_EQ(fixture_.Dialogs().Shown().size(), 1u);
}

TEST_F(FormWindowTest, AboutAndHelpKeyShowTheNote) {
  form_.SearchMenuAbout->trigger();
  EXPECT_TRUE(form_.FormHelp());
  ASSERT_EQ(fixture_.Dialogs().Shown().size(), 2u);
  for (const platform::DialogRequest& shown : fixture_.Dialogs().Shown()) {
    EXPECT_EQ(shown.text, CompleteInstallationText());
    EXPECT_EQ(shown.type, platform::DialogType::Information);
    EXPECT_EQ(shown.buttons, platform::DialogButtons::OK);
  }
}

TEST_F(FormWindowTest, InsertVerseHidesTheFormWithAnEntryAndANodeSelected) {
  SearchFor({"God"});
  form_.show();
  form_.InsertVerseFromSearch->trigger();
  EXPECT_TRUE(form_.isVisible());  // no entry selected
  form_.PreviewListView->setCurrentRow(0);
  form_.InsertVerseFromSearch->trigger();
  EXPECT_FALSE(form_.isVisible());
}

}  // namespace
}  // namespace search
