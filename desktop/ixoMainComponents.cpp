// The components of the main window, their looks and their bindings.

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>
#include <climits>

#include "PageTable.h"
#include "SpeedButton.h"
#include "ToolIcons.h"
#include "ixoMain.h"
#include "ui/CheckBox.h"
#include "ui/NamedWidget.h"
#include "ui/NodeImages.h"
#include "ui/PageControl.h"
#include "ui/RadioButton.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

constexpr int kClientWidth = 1097;
constexpr int kClientHeight = 443;
constexpr int kTreeWidth = 270;
constexpr int kSplitterWidth = 4;
constexpr int kCoolBarHeight = 50;
constexpr int kOptionButtonsHeight = 42;
constexpr int kLabelBookWidth = 230;
constexpr int kLabelBookMinimumWidth = 100;
constexpr int kSearchBoxMinimumWidth = 100;

const QColor kBlack(Qt::black);
const QColor kWhite(Qt::white);
const QColor kToolBar(0x20, 0x20, 0x24);
const QColor kSelection(0x1F, 0x4E, 0x99);
const QColor kDisabledText(0x80, 0x80, 0x80);
const QColor kEditFace(0xE4, 0xE4, 0xE4);
const QColor kDisabledEditText(0x33, 0x33, 0x33);

QFont PixelFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void Colour(QWidget& widget, const QColor& background, const QColor& text) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

using ui::Named;

// The looks all five trees share: white text on black, the selection kept
// visible when the tree loses the focus, 270 pixels wide.
void TreeLooks(ui::TreeView& tree) {
  QPalette palette = tree.palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, kBlack);
    palette.setColor(group, QPalette::Text, kWhite);
    palette.setColor(group, QPalette::Highlight, kSelection);
    palette.setColor(group, QPalette::HighlightedText, kWhite);
  }
  tree.setPalette(palette);
  tree.setFont(PixelFont("Arial", 15, false));
  tree.setFrameShape(QFrame::NoFrame);
  tree.SetHotTrack(true);
  tree.setMinimumWidth(1);
}

// Menus in the tool bar's colours: white text on dark grey, disabled items grey.
void MenuLooks(QWidget& menu) {
  QPalette palette = menu.palette();
  for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
    palette.setColor(role, kToolBar);
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    palette.setColor(role, kWhite);
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    palette.setColor(QPalette::Disabled, role, kDisabledText);
  palette.setColor(QPalette::Highlight, kSelection);
  palette.setColor(QPalette::HighlightedText, kWhite);
  menu.setPalette(palette);
  menu.setAutoFillBackground(true);
}

QLabel* OptionLabel(const QString& caption, const char* name, QWidget* parent) {
  auto* label = Named(new QLabel(caption, parent), name);
  label->setFont(PixelFont("Arial", 15, true));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kWhite);
  label->setPalette(palette);
  return label;
}

// The edits of the Options page draw black on white on the page's black
// panel, whose colours they would otherwise take: disabled ones dark grey on
// light grey, readable at a contrast near 10:1, and the spin box's arrows
// black on its light buttons.
void EditLooks(QWidget& edit) {
  QPalette palette = edit.palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, kWhite);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
      palette.setColor(group, role, kBlack);
    for (const auto role : {QPalette::Window, QPalette::Button}) palette.setColor(group, role, kEditFace);
  }
  for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
    palette.setColor(QPalette::Disabled, role, kEditFace);
  for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, kDisabledEditText);
  edit.setPalette(palette);
  edit.setFont(PixelFont("Arial", 12, false));
}

QLineEdit* OptionEdit(const char* name, QWidget* parent) {
  auto* edit = Named(new QLineEdit(parent), name);
  EditLooks(*edit);
  return edit;
}

ui::CheckBox* OptionCheckBox(const QString& caption, const char* name, QWidget* parent) {
  auto* box = Named(new ui::CheckBox(caption, parent), name);
  box->setVisible(false);
  return box;
}

}  // namespace

void TIxoBibleMainForm::CreateComponents() {
  setObjectName("IxoBibleMainForm");
  setWindowTitle("Ixo Bible - Version 2011");
  setWindowIcon(ui::ProgramIcon());
  setFont(PixelFont("MS Sans Serif", 11, true));
  setMinimumSize(488, 343);
  Colour(*this, kBlack, kWhite);

  ImageListBlue = ui::NodeImages(32);
  ImageListNamesBlue = ui::NodeImages(32);
  ImageListHelpBlue = ui::NodeImages(32);
  ImageListNames = ui::NodeImages(16);

  auto* client = new QWidget(this);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  setCentralWidget(client);

  CreateToolBar();
  column->addWidget(CoolBar1);

  Mode = Named(new ui::PageControl(client), "Mode");
  Mode->setTabPosition(QTabWidget::South);
  Mode->SetTabsVisible(false);
  Mode->setDocumentMode(true);
  column->addWidget(Mode, 1);

  Mode->AddPage(CreateTreePage({"pageIxo", "TreeIxo", "Splitter1", "PanelBible", "HtmlBible", "ListViewIxo"},
                               TreeIxo, Splitter1, PanelBible, HtmlBible, &ListViewIxo),
                "Bible");
  Mode->AddPage(CreateTreePage({"pageSearch", "TreeSearch", "Splitter2", "PanelFound", "HtmlFound",
                                "ListViewFound"},
                               TreeSearch, Splitter2, PanelFound, HtmlFound, &ListViewFound),
                "Search");
  Mode->AddPage(CreateTreePage({"PageHistory", "TreeHistory", "Splitter3", "PanelStudies", "htmlHistory",
                                nullptr},
                               TreeHistory, Splitter3, PanelStudies, htmlHistory, nullptr),
                "Review");
  Mode->AddPage(CreateTreePage({"PageNames", "TreeNames", "Splitter4", "PanelNames", "HtmlNames", nullptr},
                               TreeNames, Splitter4, PanelNames, HtmlNames, nullptr),
                "Names");
  Mode->AddPage(CreateOptionsPage(), "Options");
  Mode->AddPage(CreateTreePage({"PageHelp", "TreeHelp", "Splitter5", "PanelHelp", "HtmlHelp", nullptr},
                               TreeHelp, Splitter5, PanelHelp, HtmlHelp, nullptr),
                "Help");
  pageIxo = Mode->Page(0);
  pageSearch = Mode->Page(1);
  PageHistory = Mode->Page(2);
  PageNames = Mode->Page(3);
  PageOptions = Mode->Page(4);
  PageHelp = Mode->Page(5);
  Mode->SetActivePage(PageHelp);

  TreeIxo->setIndentation(21);
  TreeIxo->SetRightClickSelect(true);
  TreeSearch->setIndentation(47);
  TreeSearch->SetRightClickSelect(true);
  for (ui::TreeView* tree : {TreeSearch, TreeHistory, TreeNames, TreeHelp}) tree->SetAutoExpand(true);
  TreeNames->SetImages(ImageListBlue);

  CreateMenus();
  TreeIxo->SetPopupMenu(TreePopupMenu);
  TreeSearch->SetPopupMenu(TreePopupMenu);

  resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  BindHandlers();
}

QWidget* TIxoBibleMainForm::CreateTreePage(const TreePageNames& names, ui::TreeView*& tree,
                                           QSplitter*& splitter, QWidget*& panel,
                                           ui::Browser*& browser, QListWidget** list) {
  auto* page = Named(new QWidget, names.page);
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(0, 0, 0, 0);

  splitter = Named(new QSplitter(Qt::Horizontal, page), names.splitter);
  splitter->setHandleWidth(kSplitterWidth);
  splitter->setChildrenCollapsible(false);
  row->addWidget(splitter);

  tree = Named(new ui::TreeView(splitter), names.tree);
  TreeLooks(*tree);
  splitter->addWidget(tree);

  panel = Named(new QWidget(splitter), names.panel);
  splitter->addWidget(panel);
  auto* stack = new QGridLayout(panel);
  stack->setContentsMargins(0, 0, 0, 0);
  std::unique_ptr<ui::Browser> made = browsers_(panel);
  browser = Named(made.release(), names.browser);  // the panel owns it from here
  stack->addWidget(browser, 0, 0);
  if (list) {
    // The book list lies over the browser, hidden until it is asked for.
    *list = Named(new QListWidget(panel), names.list);
    (*list)->setFrameShape(QFrame::NoFrame);
    (*list)->setSelectionMode(QAbstractItemView::ExtendedSelection);
    (*list)->setEditTriggers(QAbstractItemView::NoEditTriggers);
    (*list)->setVisible(false);
    stack->addWidget(*list, 0, 0);
  }

  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kTreeWidth, kClientWidth - kTreeWidth});
  return page;
}

QWidget* TIxoBibleMainForm::CreateOptionsPage() {
  auto* page = Named(new QWidget, "PageOptions");
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);

  PanelOptionsRight = Named(new QWidget(page), "PanelOptionsRight");
  PanelOptionsRight->setFont(PixelFont("Small Fonts", 11, false));
  Colour(*PanelOptionsRight, kBlack, kWhite);
  column->addWidget(PanelOptionsRight);
  auto* grid = new QGridLayout(PanelOptionsRight);
  grid->setContentsMargins(16, 16, 16, 0);
  grid->setColumnStretch(1, 1);

  LabelRegDirectory = OptionLabel("Dynamic Library", "LabelRegDirectory", PanelOptionsRight);
  LabelRegLibrary = OptionLabel("Primary Interface", "LabelRegLibrary", PanelOptionsRight);
  Label6 = OptionLabel("Local HTML Files", "Label6", PanelOptionsRight);
  Label2 = OptionLabel("Search-Word Span", "Label2", PanelOptionsRight);
  Label2->setToolTip("The span between words for a search to match.");

  EditRegHTML = OptionEdit("EditRegHTML", PanelOptionsRight);
  EditRegHTML->setEnabled(false);
  EditRegDllName = OptionEdit("EditRegDllName", PanelOptionsRight);
  EditRegDllName->setText("ixocore.dll");
  EditRegDllName->setEnabled(false);
  EditRegEdition = OptionEdit("EditRegEdition", PanelOptionsRight);
  EditRegEdition->setEnabled(false);
  EditRegEdition->setReadOnly(true);
  EditRegSensitivity = Named(new QSpinBox(PanelOptionsRight), "EditRegSensitivity");
  EditLooks(*EditRegSensitivity);
  EditRegSensitivity->setRange(INT_MIN, INT_MAX);  // no bounds of its own
  EditRegSensitivity->setValue(7);

  const std::pair<QLabel*, QWidget*> rows[] = {{LabelRegDirectory, EditRegDllName},
                                               {LabelRegLibrary, EditRegEdition},
                                               {Label6, EditRegHTML},
                                               {Label2, EditRegSensitivity}};
  int line = 0;
  for (const auto& [label, edit] : rows) {
    label->setBuddy(edit);
    grid->addWidget(label, line, 0);
    grid->addWidget(edit, line++, 1);
  }

  LargePrint = OptionCheckBox("Large Print", "LargePrint", PanelOptionsRight);
  LargePrint->setChecked(true);
  CheckUseBold = OptionCheckBox("Use bold font in bible text", "CheckUseBold", PanelOptionsRight);
  CheckUseColor = OptionCheckBox("Use colors in bible text", "CheckUseColor", PanelOptionsRight);
  for (ui::CheckBox* box : {LargePrint, CheckUseBold, CheckUseColor}) grid->addWidget(box, line++, 1);
  grid->setRowStretch(line, 1);

  PanelOptionButtons = Named(new QWidget(page), "PanelOptionButtons");
  PanelOptionButtons->setFixedHeight(kOptionButtonsHeight);
  Colour(*PanelOptionButtons, kBlack, kWhite);
  column->addWidget(PanelOptionButtons);
  auto* buttons = new QHBoxLayout(PanelOptionButtons);
  buttons->addStretch(1);
  ButtonRegSave = Named(new QPushButton("Update", PanelOptionButtons), "ButtonRegSave");
  ButtonRegCancel = Named(new QPushButton("Cancel", PanelOptionButtons), "ButtonRegCancel");
  ButtonReset = Named(new QPushButton("Reset Html", PanelOptionButtons), "ButtonReset");
  ButtonReset->setVisible(false);
  for (QPushButton* button : {ButtonRegSave, ButtonRegCancel, ButtonReset}) buttons->addWidget(button);
  return page;
}

void TIxoBibleMainForm::CreateToolBar() {
  CoolBar1 = Named(new QWidget(this), "CoolBar1");
  CoolBar1->setFixedHeight(kCoolBarHeight);
  Colour(*CoolBar1, kToolBar, kWhite);
  auto* bands = new QHBoxLayout(CoolBar1);
  bands->setContentsMargins(8, 0, 8, 0);
  bands->setSpacing(12);

  // The bands fit side by side down to the form's minimum width: the label
  // and the search box give way first, down to their own minimum widths.
  // Band 1: the book label, up to 230 pixels wide.
  LabelBook = Named(new QLabel("Ixo 2011", CoolBar1), "LabelBook");
  LabelBook->setFont(PixelFont("Arial", 19, true));
  LabelBook->setMinimumWidth(kLabelBookMinimumWidth);
  LabelBook->setMaximumWidth(kLabelBookWidth);
  LabelBook->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bands->addWidget(LabelBook, 1);

  // Band 2: the tree pane buttons, the search box, and the two radio buttons
  // one above the other.
  ButtonPanel = Named(new QWidget(CoolBar1), "ButtonPanel");
  bands->addWidget(ButtonPanel, 3);
  auto* search = new QHBoxLayout(ButtonPanel);
  search->setContentsMargins(0, 0, 0, 0);
  ButtonBooksOpen = Named(new SpeedButton(ShowPaneIcon(), "Show Left Explorer Pane", ButtonPanel),
                          "ButtonBooksOpen");
  ButtonBooksOpen->setVisible(false);
  ButtonBooksClose = Named(new SpeedButton(HidePaneIcon(), "Hide Left Explorer Pane", ButtonPanel),
                           "ButtonBooksClose");
  ButtonSearch = Named(new SpeedButton(SearchIcon(), "Find a word or words in the bible", ButtonPanel),
                       "ButtonSearch");
  EditSearchCriteria = Named(new QLineEdit(ButtonPanel), "EditSearchCriteria");
  EditSearchCriteria->setFont(PixelFont("Arial", 19, true));
  EditSearchCriteria->setStyleSheet("QLineEdit { color: black; background: white; }");
  EditSearchCriteria->setMinimumWidth(kSearchBoxMinimumWidth);
  RadioButtonAll = Named(new ui::RadioButton("All Words", ButtonPanel), "RadioButtonAll");
  RadioButtonAll->setChecked(true);
  RadioButtonAny = Named(new ui::RadioButton("Any Word", ButtonPanel), "RadioButtonAny");
  LabelInstallMode = Named(new QLabel(ButtonPanel), "LabelInstallMode");
  LabelInstallMode->setVisible(false);
  for (QWidget* widget : std::initializer_list<QWidget*>{ButtonBooksOpen, ButtonBooksClose, ButtonSearch})
    search->addWidget(widget);
  search->addWidget(EditSearchCriteria, 1);
  auto* modes = new QVBoxLayout;
  modes->setSpacing(0);
  modes->addWidget(RadioButtonAll);
  modes->addWidget(RadioButtonAny);
  search->addLayout(modes);
  search->addWidget(LabelInstallMode);

  // Band 3: previous and next.
  Panel2 = Named(new QWidget(CoolBar1), "Panel2");
  bands->addWidget(Panel2);
  auto* panel = new QHBoxLayout(Panel2);
  panel->setContentsMargins(0, 0, 0, 0);
  ButtonPanelNav = Named(new QWidget(Panel2), "ButtonPanelNav");
  panel->addWidget(ButtonPanelNav);
  auto* nav = new QHBoxLayout(ButtonPanelNav);
  nav->setContentsMargins(0, 0, 0, 0);
  ButtonBookPrev = Named(new SpeedButton(PreviousIcon(), "Previous", ButtonPanelNav), "ButtonBookPrev");
  ButtonBookNext = Named(new SpeedButton(NextIcon(), "Next", ButtonPanelNav), "ButtonBookNext");
  nav->addWidget(ButtonBookPrev);
  nav->addWidget(ButtonBookNext);
}

void TIxoBibleMainForm::CreateMenus() {
  QMenuBar* MainMenu1 = menuBar();
  MainMenu1->setObjectName("MainMenu1");
  MenuLooks(*MainMenu1);
  const auto item = [MainMenu1](const char* caption, const char* name) {
    return Named(MainMenu1->addAction(caption), name);
  };
  BibleMenu = item("Bible", "BibleMenu");
  SearchMenu = item("Search", "SearchMenu");
  SearchMenu->setEnabled(false);
  ReviewMenu = item("Review", "ReviewMenu");
  NamesMenu = item("Names", "NamesMenu");
  OptionsMenu = item("Options", "OptionsMenu");
  HelpMenu = item("Help", "HelpMenu");

  TreePopupMenu = Named(new QMenu(this), "TreePopupMenu");
  MenuLooks(*TreePopupMenu);
  TreePopupMenu->setToolTipsVisible(true);
  const auto entry = [this](const char* caption, const char* name, const char* hint = nullptr) {
    QAction* action = Named(TreePopupMenu->addAction(caption), name);
    if (hint) action->setToolTip(hint);
    return action;
  };
  PublishasVanillaHTML1 = entry("Publish as HTML", "PublishasVanillaHTML1");
  PublishasVanillaHTML1->setVisible(false);
  PublishasVanillaHTML1->setEnabled(false);
  TreePopupPrintHtml = entry("Publish as Dynamic HTML", "TreePopupPrintHtml");
  TreePopupPrintText = entry("Publish as Text", "TreePopupPrintText");
  TreePopupRtf = entry("Publish as Microsoft Word (RTF) Document", "TreePopupRtf",
                       "This document format is also readable by other WordProcessors such as WordPad");
  TreePopupWp = entry("Publish as WordPerfect Document", "TreePopupWp");
  TreePopupMSW = entry("Publish as WordPerfect Document (Primitive Format)", "TreePopupMSW",
                       "More advanced features of WordPerfect are disabled which makes it more "
                       "readable by other WordProcessors.");
  ClipboardOptions = entry("Send To Clipboard", "ClipboardOptions");
  ClipboardOptions->setVisible(false);
  PrintViaMicrosoftWord = entry("Send to Printer via Microsoft Word", "PrintViaMicrosoftWord");
  PrintViaWordPerfect = entry("Send to Printer via Corel WordPerfect", "PrintViaWordPerfect");
}

void TIxoBibleMainForm::BindHandlers() {
  Mode->OnChange = [this] { ModeChange(); };
  // Every page switch, by the user or by code (the menus switch by code),
  // leaves the one pane button shown that applies to the page now shown.
  connect(Mode, &QTabWidget::currentChanged, this, [this] { PageSwitched(); });

  // Each page's menu entry runs its handler with the entry as sender.
  for (const PageDescriptor& page : MainPages()) {
    QAction* menu = this->*page.menu;
    connect(menu, &QAction::triggered, this, [this, &page, menu] { page.menuClick(*this, menu); });
  }
  connect(TreePopupMenu, &QMenu::aboutToShow, this, [this] { TreePopupMenuPopup(); });
  BindPublishMenu();

  ButtonBooksOpen->OnClick = [this] { ButtonBooksOpenCloseClick(ButtonBooksOpen); };
  ButtonBooksClose->OnClick = [this] { ButtonBooksOpenCloseClick(ButtonBooksClose); };
  ButtonSearch->OnClick = [this] { SearchMenuClick(ButtonSearch); };
  RadioButtonAll->OnClick = [this] { SearchMenuClick(RadioButtonAll); };
  RadioButtonAny->OnClick = [this] { SearchMenuClick(RadioButtonAny); };
  connect(EditSearchCriteria, &QLineEdit::returnPressed, this, [this] { EditSearchCriteriaKeyPress(); });
  ButtonBookPrev->OnMouseUp = [this](Qt::MouseButton button) { ButtonBookPrevProc(button); };
  ButtonBookNext->OnMouseUp = [this](Qt::MouseButton button) { ButtonBookNextProc(button); };

  TreeIxo->OnChange = [this](ui::TreeNode* node) { treeIxoChange(TreeIxo, node); };
  TreeIxo->OnExpanding = [this](ui::TreeNode* node) { return treeIxoExpanding(node); };
  TreeIxo->OnExpanded = [this](ui::TreeNode* node) { TreeIxoExpanded(node); };
  TreeSearch->OnChange = [this](ui::TreeNode* node) { TreeNamesChange(TreeSearch, node); };
  TreeHistory->OnChange = [this](ui::TreeNode* node) { TreeHistoryChange(TreeHistory, node); };
  TreeHistory->OnExpanding = [this](ui::TreeNode* node) { return TreeHistoryExpanding(node); };
  TreeNames->OnChange = [this](ui::TreeNode* node) { TreeNamesChange(TreeNames, node); };
  TreeNames->OnExpanding = [this](ui::TreeNode* node) { return TreeNamesExpanding(node); };
  BindOptionsPage();
  BindHelpPage();
  BindBookLists();
}

}  // namespace desktop
