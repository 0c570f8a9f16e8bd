#include "search/ixoSearch.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

#include "platform/TextUtils.h"
#include "search/AnchorPanel.h"
#include "search/ConditionLists.h"
#include "search/DesktopText.h"
#include "search/FinishSearch.h"
#include "search/ProximitySearch.h"
#include "search/StudyFile.h"
#include "search/ToolbarCriteria.h"
#include "ui/BusyCursor.h"
#include "ui/CheckBox.h"
#include "ui/EventPump.h"
#include "ui/NamedWidget.h"
#include "ui/NodeImages.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace search {
namespace {

constexpr int SummaryPage = 0;
constexpr QSize PageDesignSize(341, 300);
constexpr int SummaryRowHeight = 40;
constexpr char StudyFilter[] = "Ixo Word List Collection (.ixolc) (*.ixolc)";

using ui::Named;

QString QText(const std::string& text) { return QString::fromStdString(text); }
std::string StdText(const QString& text) { return text.toStdString(); }

// Component names of conditions 10 to 14 end in a letter: "A" to "E", or "a"
// to "e" for the "..." buttons.
QString ConditionSuffix(int condition, bool lowerLetter = false) {
  if (condition <= 9) return QString::number(condition);
  const char letter = static_cast<char>((lowerLetter ? 'a' : 'A') + condition - 10);
  return QString(QChar::fromLatin1(letter));
}

// The word lists are WordList1 and wordList2 to wordList14; the related-words
// lists SynoList1, SynoList2, synoList3 to synoList14 but SynoList8,
// SynoList10 and SynoList12.
QString WordListName(int condition) {
  return (condition == 1 ? QStringLiteral("WordList") : QStringLiteral("wordList")) + QString::number(condition);
}
QString SynoListName(int condition) {
  const bool capital = condition <= 2 || condition == 8 || condition == 10 || condition == 12;
  return (capital ? QStringLiteral("SynoList") : QStringLiteral("synoList")) + QString::number(condition);
}

// Page 1's label names; the other pages' copies end in the condition's digit or letter.
QString LabelName(const char* model, int condition) {
  QString name = QString::fromLatin1(model);
  name.chop(1);
  return name + ConditionSuffix(condition);
}

// The selected image of a node: a verse shows another picture when selected.
int SelectedImageOf(int image) { return image == ui::node::kVerse ? ui::node::kVerseSelected : image; }

// White on black: a panel's background and text, or a view's (a list, tree
// or text field) when view is set. Controls inside a black panel keep the
// system's colours for their own faces.
void SetBlack(QWidget* widget, bool view = false) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(view ? QPalette::Base : QPalette::Window, Qt::black);
  palette.setColor(view ? QPalette::Text : QPalette::WindowText, Qt::white);
  widget->setPalette(palette);
}

void ShowItems(QListWidget* widget, const platform::TStringList& items) {
  bool same = widget->count() == static_cast<int>(items.Count());
  for (int i = 0; same && i < widget->count(); ++i) same = widget->item(i)->text() == QText(items[static_cast<std::size_t>(i)]);
  if (same) return;
  widget->clear();
  for (const std::string& item : items) widget->addItem(QText(item));
}

void ShowButton(QWidget* button, const ButtonState& state) {
  button->setVisible(state.Visible);
  button->setEnabled(state.Enabled);
}

}  // namespace

TInterfaceForm::TInterfaceForm(QWidget* parent)
    : TInterfaceForm(DesktopText(), [](QWidget* treeParent) { return new ui::TreeView(treeParent); }, parent) {}

TInterfaceForm::TInterfaceForm(SearchText& text, const ResultTreeMaker& makeResultTree, QWidget* parent)
    : QMainWindow(parent), Conditions(text) {
  setObjectName(QStringLiteral("InterfaceForm"));
  setWindowTitle(QStringLiteral("Ixo Bible - Search Form"));
  setMinimumSize(512, 316);
  resize(700, 365);
  ExecuteStudyDialog = [](QFileDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
  ImageListLP = ui::NodeImages(44);
  ImageList = ui::NodeImages(16);
  ImageListBlue = ui::NodeImages(32);
  BuildLayout(makeResultTree);
  BuildMenus();
  FormCreate();
}

TInterfaceForm::~TInterfaceForm() = default;

// ---- building the form ------------------------------------------------------------------

void TInterfaceForm::BuildLayout(const ResultTreeMaker& makeResultTree) {
  PanelEntire = Named(new QWidget(this), QStringLiteral("PanelEntire"));
  SetBlack(PanelEntire);
  setCentralWidget(PanelEntire);

  TabStudies = Named(new ui::PageControl(PanelEntire), QStringLiteral("TabStudies"));
  TabStudies->setFixedWidth(349);
  TabStudies->setDocumentMode(true);
  QPalette tabs = TabStudies->tabBar()->palette();
  tabs.setColor(QPalette::WindowText, Qt::black);
  TabStudies->tabBar()->setPalette(tabs);
  TabStudies->AddPage(BuildSummaryPage(), QStringLiteral("&Summary"));
  for (int n = 1; n <= ConditionCount; ++n) BuildConditionPage(n);
  for (int n = 2; n <= ConditionCount; ++n) TabStudies->SetPageTabVisible(n, false);

  checkPanel = Named(new QWidget(PanelEntire), QStringLiteral("checkPanel"));
  SetBlack(checkPanel);
  PreviewHeader = Named(new QLabel(checkPanel), QStringLiteral("PreviewHeader"));
  PreviewHeader->setFixedHeight(18);
  PreviewHeader->setFont(QFont(QStringLiteral("Verdana")));
  PreviewHeader->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetBlack(PreviewHeader);

  ViewStudies = Named(new QWidget(checkPanel), QStringLiteral("ViewStudies"));
  ViewStudies->setEnabled(false);
  Splitter1 = Named(new QSplitter(Qt::Vertical, ViewStudies), QStringLiteral("Splitter1"));
  Splitter1->setHandleWidth(4);
  PanelText = Named(new QWidget(Splitter1), QStringLiteral("PanelText"));
  PreviewListView = Named(new QListWidget(PanelText), QStringLiteral("PreviewListView"));
  PreviewListView->setViewMode(QListView::ListMode);
  PreviewListView->setIconSize(ImageListBlue.Size());
  SetBlack(PreviewListView, true);
  PreviewTextView = Named(new QTextEdit(PanelText), QStringLiteral("PreviewTextView"));
  PreviewTextView->setFont(QFont(QStringLiteral("Verdana")));
  PreviewTextView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  PreviewTextView->hide();
  SetBlack(PreviewTextView, true);
  auto* previews = new QVBoxLayout(PanelText);
  previews->setContentsMargins(0, 0, 0, 0);
  previews->addWidget(PreviewListView);
  previews->addWidget(PreviewTextView);

  TreeViewSearch = Named(makeResultTree(Splitter1), QStringLiteral("TreeViewSearch"));
  TreeViewSearch->SetImages(ImageList);
  TreeViewSearch->SetAutoExpand(true);
  TreeViewSearch->setIndentation(20);
  TreeViewSearch->setSelectionBehavior(QAbstractItemView::SelectRows);
  SetBlack(TreeViewSearch, true);
  Splitter1->addWidget(PanelText);
  Splitter1->addWidget(TreeViewSearch);
  Splitter1->setSizes({100, 190});
  auto* view = new QVBoxLayout(ViewStudies);
  view->setContentsMargins(0, 0, 0, 0);
  view->addWidget(Splitter1);

  auto* right = new QVBoxLayout(checkPanel);
  right->setContentsMargins(0, 0, 0, 0);
  right->setSpacing(0);
  right->addWidget(PreviewHeader);
  right->addWidget(ViewStudies, 1);

  auto* upper = new QHBoxLayout;
  upper->setContentsMargins(0, 0, 0, 0);
  upper->addWidget(TabStudies);
  upper->addWidget(checkPanel, 1);
  auto* entire = new QVBoxLayout(PanelEntire);
  entire->setContentsMargins(0, 0, 0, 0);
  entire->setSpacing(0);
  entire->addLayout(upper, 1);
  entire->addWidget(BuildBottomPanel());
}

QWidget* TInterfaceForm::BuildSummaryPage() {
  TabSheetEZ = Named(new QWidget, QStringLiteral("TabSheetEZ"));
  SetBlack(TabSheetEZ);
  auto* rows = new AnchorPanel(QSize(PageDesignSize.width(), SummaryRowHeight * ConditionCount));
  SetBlack(rows);
  for (int n = 1; n <= ConditionCount; ++n) {
    ConditionControls& w = ConditionWidgets[n];
    const int y = SummaryRowHeight * (n - 1);
    const QString caption =
        n == 1 ? QStringLiteral("Search for these Words") : QStringLiteral("AND also match these words:");
    w.CheckBox = rows->Place(Named(new ui::CheckBox(caption), QStringLiteral("CheckBox") + QString::number(n)),
                             QRect(8, y, 293, 17), AnchorLeftTop | AnchorRight);
    w.CheckBox->setChecked(true);
    w.AndEdit = rows->Place(Named(new QLineEdit, QStringLiteral("And") + ConditionSuffix(n)),
                            QRect(8, y + 17, 293, 21), AnchorLeftTop | AnchorRight);
    if (n < ConditionCount)
      w.AndEdit->setToolTip(QStringLiteral("(more than one word in list implies: \"match any word\")"));
    w.MoreButton = rows->Place(Named(new QToolButton, QStringLiteral("a") + ConditionSuffix(n, true)),
                               QRect(306, y + 16, 23, 22), AnchorTop | AnchorRight);
    w.MoreButton->setText(QStringLiteral("..."));
    w.MoreButton->setAutoRaise(true);
    QPalette white = w.MoreButton->palette();
    white.setColor(QPalette::ButtonText, Qt::white);
    w.MoreButton->setPalette(white);
  }
  auto* scroll = new QScrollArea(TabSheetEZ);
  scroll->setWidget(rows);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  SetBlack(scroll);
  auto* layout = new QVBoxLayout(TabSheetEZ);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  return TabSheetEZ;
}

void TInterfaceForm::BuildConditionPage(int n) {
  ConditionControls& w = ConditionWidgets[n];
  const QString number = QString::number(n);
  const QString suffix = ConditionSuffix(n);
  w.TabSheet = Named(new QWidget, QStringLiteral("TabSheet") + number);
  w.Panel = Named(new AnchorPanel(PageDesignSize, w.TabSheet), QStringLiteral("Panel") + number);
  w.Panel->setAutoFillBackground(true);
  QPalette grey = w.Panel->palette();
  grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  grey.setColor(QPalette::WindowText, Qt::black);
  w.Panel->setPalette(grey);
  auto* page = new QVBoxLayout(w.TabSheet);
  page->setContentsMargins(0, 0, 0, 0);
  page->addWidget(w.Panel);

  AnchorPanel& p = *w.Panel;
  w.PanelBar = p.Place(Named(new QLabel(QStringLiteral(" Search Condition #") + number), QStringLiteral("PanelBar") + number),
                       QRect(0, 0, PageDesignSize.width(), 32), AnchorLeftTop | AnchorRight);
  SetBlack(w.PanelBar);
  w.ButtonClose = p.Place(Named(new QPushButton(QStringLiteral("x")), QStringLiteral("ButtonClose") + number),
                          QRect(PageDesignSize.width() - 36, 4, 32, 25), AnchorTop | AnchorRight);
  QFont wingdings(QStringLiteral("Wingdings"));
  wingdings.setPixelSize(32);
  w.ButtonClose->setFont(wingdings);

  w.ComboBox = p.Place(Named(new QComboBox, QStringLiteral("ComboBox") + number), QRect(19, 48, 110, 24));
  w.ComboBox->setEditable(true);
  w.ComboBox->setInsertPolicy(QComboBox::NoInsert);
  w.WordList = p.Place(Named(new QListWidget, WordListName(n)), QRect(19, 86, 109, 123));
  w.ButtonAdd = p.Place(Named(new QPushButton(QStringLiteral("Add")), QStringLiteral("ButtonAdd") + suffix),
                        QRect(149, 48, 70, 32));
  w.ButtonDel = p.Place(Named(new QPushButton(QStringLiteral("Remove")), QStringLiteral("ButtonDel") + suffix),
                        QRect(149, 88, 70, 32));
  w.ButtonClr = p.Place(Named(new QPushButton(QStringLiteral("Clear")), QStringLiteral("ButtonClr") + suffix),
                        QRect(149, 128, 70, 32));

  const unsigned stretchDown = AnchorLeftTop | AnchorBottom;
  w.LabelHebr = p.Place(Named(new QLabel(QStringLiteral("Hebrew")), LabelName("LabelHebrew1", n)), QRect(19, 222, 90, 16));
  w.LabelGree = p.Place(Named(new QLabel(QStringLiteral("Greek")), LabelName("LabelGreek1", n)), QRect(119, 222, 90, 16));
  w.LabelSyno =
      p.Place(Named(new QLabel(QStringLiteral("Related Words")), LabelName("LabelRelated1", n)), QRect(219, 222, 110, 16));
  w.HebrList = p.Place(Named(new QListWidget, QStringLiteral("HebrList") + number), QRect(19, 240, 90, 52), stretchDown);
  w.GreeList = p.Place(Named(new QListWidget, QStringLiteral("GreeList") + number), QRect(119, 240, 90, 52), stretchDown);
  w.SynoList = p.Place(Named(new QListWidget, SynoListName(n)), QRect(219, 240, 110, 52), stretchDown);

  TabStudies->AddPage(w.TabSheet, number);
}

QWidget* TInterfaceForm::BuildBottomPanel() {
  PanelBottomRight = Named(new QWidget(PanelEntire), QStringLiteral("PanelBottomRight"));
  PanelBottomRight->setFixedHeight(65);
  SetBlack(PanelBottomRight);
  auto button = [this](const char* caption, const char* name) {
    auto* b = Named(new QPushButton(QString::fromLatin1(caption), PanelBottomRight), QString::fromLatin1(name));
    b->setFixedWidth(58);
    return b;
  };
  ButtonBack = button("<< Less", "ButtonBack");
  ButtonNext = button("More >>", "ButtonNext");
  ButtonSelectAll = button("All", "ButtonSelectAll");
  ButtonClearAll = button("None", "ButtonClearAll");
  ButtonResetAll = button("Reset", "ButtonResetAll");
  ButtonResetAll->setEnabled(false);
  ButtonCancel = button("Cancel", "ButtonCancel");
  ButtonFinish = button("Finish", "ButtonFinish");
  ButtonFinish->setEnabled(false);
  ButtonPreview = button("Search", "ButtonPreview");
  ButtonSelect = button("Select", "ButtonSelect");
  ButtonSelect->setToolTip(QStringLiteral("This will Insert the selected verse into the document."));
  ButtonSelect->setEnabled(false);
  ButtonSelect->hide();
  VerseBack = button("<<", "VerseBack");
  VerseNext = button(">>", "VerseNext");

  auto* allOrNone = new QVBoxLayout;
  allOrNone->addWidget(ButtonSelectAll);
  allOrNone->addWidget(ButtonClearAll);
  auto* row = new QHBoxLayout(PanelBottomRight);
  row->setContentsMargins(4, 2, 4, 2);
  row->addWidget(ButtonBack);
  row->addWidget(ButtonNext);
  row->addLayout(allOrNone);
  row->addWidget(ButtonResetAll);
  row->addWidget(ButtonCancel);
  row->addWidget(ButtonFinish);
  row->addWidget(ButtonPreview);
  row->addWidget(ButtonSelect);
  row->addStretch(1);
  row->addWidget(VerseBack);
  row->addWidget(VerseNext);
  return PanelBottomRight;
}

void TInterfaceForm::BuildMenus() {
  auto action = [](QMenu* menu, const char* caption, const char* name) {
    return Named(menu->addAction(QString::fromLatin1(caption)), QString::fromLatin1(name));
  };
  SearchMenu = Named(new QMenuBar(this), QStringLiteral("SearchMenu"));
  setMenuBar(SearchMenu);
  SearchMenuFile = Named(SearchMenu->addMenu(QStringLiteral("File")), QStringLiteral("SearchMenuFile"));
  MenuStudyLoad = action(SearchMenuFile, "Open", "MenuStudyLoad");
  MenuStudySave = action(SearchMenuFile, "Save", "MenuStudySave");
  SearchMenuOptions = Named(SearchMenu->addMenu(QStringLiteral("Options")), QStringLiteral("SearchMenuOptions"));
  SearchMenuOptions->menuAction()->setVisible(false);
  SearchMenuHelp = Named(SearchMenu->addMenu(QStringLiteral("Help")), QStringLiteral("SearchMenuHelp"));
  SearchMenuAbout = action(SearchMenuHelp, "About Ixo Bible", "SearchMenuAbout");
  IxoBibleHelp = action(SearchMenuHelp, "Help with Ixo Bible", "IxoBibleHelp");

  TreePopupMenu = Named(new QMenu(this), QStringLiteral("TreePopupMenu"));
  TreePopupCopy = action(TreePopupMenu, "Copy", "TreePopupCopy");
  TreePopupCopy->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  TreePopupCopy->setEnabled(false);
  TreePopupBrowser = action(TreePopupMenu, "Open with Browser", "TreePopupBrowser");
  TreePopupBrowser->setShortcut(QKeySequence(Qt::Key_F12));
  TreePopupBrowser->setEnabled(false);
  Delete = action(TreePopupMenu, "Delete", "Delete");
  Delete->setShortcut(QKeySequence(QKeySequence::Delete));
  TreePopupMSWord = action(TreePopupMenu, "Insert into MS-Word95", "TreePopupMSWord");
  TreePopupMSWord->setEnabled(false);

  PopupBibleTree = Named(new QMenu(this), QStringLiteral("PopupBibleTree"));
  InsertVerseFromSearch = action(PopupBibleTree, "Insert Verse", "InsertVerseFromSearch");
  PreviewListView->setContextMenuPolicy(Qt::CustomContextMenu);

  OpenDialogStudy = Named(new QFileDialog(this), QStringLiteral("OpenDialogStudy"));
  OpenDialogStudy->setDirectory(QStringLiteral("."));

  connect(MenuStudyLoad, &QAction::triggered, this, [this] { ButtonStudySaveLoad(MenuStudyLoad); });
  connect(MenuStudySave, &QAction::triggered, this, [this] { ButtonStudySaveLoad(MenuStudySave); });
}

void TInterfaceForm::FormCreate() {
  PendingCondition = 0;
  resize(width(), 400);
  TabStudies->SetActivePageIndex(SummaryPage);
  Conditions.OnCheckBoxClick = [this](int) { AnyCheckBoxClick(); };
  Conditions.OnChange = [this] { ShowConditions(); };
  for (int n = 1; n <= ConditionCount; ++n) BindConditionControls(n);

  connect(ButtonBack, &QPushButton::clicked, this, [this] { ButtonMoreLess(ButtonBack); });
  connect(ButtonNext, &QPushButton::clicked, this, [this] { ButtonMoreLess(ButtonNext); });
  connect(ButtonSelectAll, &QPushButton::clicked, this, [this] { ButtonSelectAllClick(); });
  connect(ButtonClearAll, &QPushButton::clicked, this, [this] { ButtonClearAllClick(); });
  connect(ButtonResetAll, &QPushButton::clicked, this, [this] { ButtonResetClick(ButtonResetAll); });
  connect(ButtonFinish, &QPushButton::clicked, this, [this] { ButtonFinishClick(); });
  connect(ButtonPreview, &QPushButton::clicked, this, [this] { ButtonPreviewClick(); });
  BindWindowHandlers();
  ShowConditions();
}

void TInterfaceForm::BindConditionControls(int n) {
  ConditionControls& w = ConditionWidgets[n];
  // What the user ticks and types goes into the conditions, which then show it.
  w.CheckBox->OnClick = [this, n] {
    if (!showing_) Conditions.SetChecked(n, ConditionWidgets[n].CheckBox->isChecked());
  };
  connect(w.AndEdit, &QLineEdit::textChanged, this, [this, n](const QString& text) {
    if (!showing_) Conditions.SetSummaryText(n, StdText(text));
  });
  connect(w.ComboBox, &QComboBox::editTextChanged, this, [this, n](const QString& text) {
    if (!showing_) Conditions.SetEntryText(n, StdText(text));
  });
  connect(w.ComboBox->lineEdit(), &QLineEdit::returnPressed, this, [this, n] { FieldStudyKeyPress(n); });
  connect(w.ButtonAdd, &QPushButton::clicked, this, [this, n] { ButtonAddClick(ConditionWidgets[n].ButtonAdd); });
  connect(w.ButtonDel, &QPushButton::clicked, this, [this] { ButtonDeleteClick(); });
  connect(w.ButtonClr, &QPushButton::clicked, this, [this] { ButtonClearListClick(); });
  // Clicking or entering the field enables "Add".
  w.ComboBox->installEventFilter(this);
  w.ComboBox->lineEdit()->installEventFilter(this);

  const auto onClick = [this](QListWidget* list, void (TInterfaceForm::*handler)(QObject*)) {
    connect(list, &QListWidget::itemClicked, this, [this, list, handler] { (this->*handler)(list); });
  };
  const auto onDoubleClick = [this](QListWidget* list, void (TInterfaceForm::*handler)(QObject*)) {
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list, handler] { (this->*handler)(list); });
  };
  onClick(w.WordList, &TInterfaceForm::ListStudyClick);
  onDoubleClick(w.WordList, &TInterfaceForm::ListStudyClick);
  onClick(w.SynoList, &TInterfaceForm::ListStudyClick);
  onDoubleClick(w.SynoList, &TInterfaceForm::ListStudyDblClick);
  for (QListWidget* numbers : {w.HebrList, w.GreeList}) {
    onClick(numbers, &TInterfaceForm::SynoStudyClick);
    onDoubleClick(numbers, &TInterfaceForm::SynoStudyDblClick);
  }

  // "..." opens the condition's page, "x" closes it.
  connect(w.MoreButton, &QToolButton::clicked, this, [this, n] { AdvancedItemDone(ConditionWidgets[n].MoreButton); });
  connect(w.ButtonClose, &QPushButton::clicked, this, [this, n] { AdvancedItemDone(ConditionWidgets[n].ButtonClose); });
  // Typing into the summary edit marks the condition, Enter applies it.
  w.AndEdit->installEventFilter(this);
}

// ---- showing the conditions --------------------------------------------------------------

void TInterfaceForm::ShowConditions() {
  for (int n = 1; n <= ConditionCount; ++n) ShowCondition(n);
}

void TInterfaceForm::ShowCondition(int n) {
  const TSearchCondition& c = Conditions[n];
  ConditionControls& w = ConditionWidgets[n];
  const bool outer = showing_;
  showing_ = true;
  w.CheckBox->setVisible(c.CheckBox.Visible);
  w.CheckBox->setEnabled(c.CheckBox.Enabled);
  w.CheckBox->setChecked(c.CheckBox.Checked);
  if (w.AndEdit->text() != QText(c.AndEdit.Text)) w.AndEdit->setText(QText(c.AndEdit.Text));
  w.AndEdit->setVisible(c.AndEdit.Visible);
  ShowButton(w.MoreButton, c.MoreButton);

  QStringList history;
  for (const std::string& item : c.ComboBox.Items) history << QText(item);
  QStringList shown;
  for (int i = 0; i < w.ComboBox->count(); ++i) shown << w.ComboBox->itemText(i);
  if (shown != history) {
    w.ComboBox->clear();
    w.ComboBox->addItems(history);
  }
  if (w.ComboBox->currentText() != QText(c.ComboBox.Text)) w.ComboBox->setEditText(QText(c.ComboBox.Text));

  ShowItems(w.WordList, c.WordList);
  ShowItems(w.SynoList, c.SynoList);
  ShowItems(w.HebrList, c.HebrList);
  ShowItems(w.GreeList, c.GreeList);
  ShowButton(w.ButtonAdd, c.ButtonAdd);
  ShowButton(w.ButtonDel, c.ButtonDel);
  ShowButton(w.ButtonClr, c.ButtonClr);
  showing_ = outer;
}

void TInterfaceForm::HideAllTabs() {
  for (int page = 0; page <= ConditionCount; ++page) TabStudies->SetPageTabVisible(page, false);
  // Hiding the current tab moves to another page; the summary page stays shown.
  TabStudies->SetActivePageIndex(SummaryPage);
}

int TInterfaceForm::CurrentCondition() const {
  const int page = TabStudies->ActivePageIndex();
  return ConditionSet::IsCondition(page) ? page : 0;
}

// ---- conditions and word lists --------------------------------------------------------------

bool TInterfaceForm::AddSearchWord(const std::string& word, int condition) {
  ui::BusyCursor busy;
  const bool added = Conditions.AddSearchWord(word, condition);
  if (added) UpdateControls();
  return added;
}

bool TInterfaceForm::AddConditionWord(const std::string& word, bool showInSummary, int condition) {
  ui::BusyCursor busy;
  const bool added = Conditions.AddConditionWord(word, showInSummary, condition);
  if (added) UpdateControls();
  return added;
}

void TInterfaceForm::ClearConditionWords(int condition) { Conditions.ClearConditionWords(condition); }

void TInterfaceForm::ParseConditionText(int condition) {
  ui::BusyCursor busy;
  Conditions.ParseConditionText(condition);
  UpdateControls();
}

bool TInterfaceForm::SetConditionChecked(int condition, bool checked) {
  return Conditions.SetConditionChecked(condition, checked);
}

bool TInterfaceForm::SetCheckBoxSilently(ui::CheckBox* checkBox, bool checked) {
  for (int n = 1; n <= ConditionCount; ++n)
    if (ConditionWidgets[n].CheckBox == checkBox) SetConditionChecked(n, checked);
  return checked;
}

void TInterfaceForm::UpdateControls() {
  ButtonSelect->setEnabled(TreeViewSearch->Selected() != nullptr);
  const bool summaryShown = TabStudies->ActivePageIndex() == SummaryPage;
  ButtonResetAll->setEnabled(summaryShown || Conditions.AnyWords());
  ButtonFinish->setEnabled(Conditions.AnyActive());
}

void TInterfaceForm::ButtonAddClick(QObject* sender) {
  const int n = CurrentCondition();
  if (n == 0) return;
  const ConditionControls& w = ConditionWidgets[n];
  const bool fromField = sender == w.ComboBox || sender == w.ButtonAdd;
  std::string word;
  if (fromField) {
    word = platform::TrimBlanks(Conditions[n].ComboBox.Text);
  } else if (const auto* list = qobject_cast<QListWidget*>(sender)) {
    if (const std::optional<std::string> entry = SelectedEntry(*list)) word = platform::TrimBlanks(*entry);
    // The number lists hold bare numbers: the word is the Strong's number with its letter.
    const ConditionListKind kind = KindOfList(*list);
    if (!word.empty() && kind == ConditionListKind::Hebrew) word.insert(0, 1, 'H');
    if (!word.empty() && kind == ConditionListKind::Greek) word.insert(0, 1, 'G');
  }
  if (word.empty()) return;

  AddConditionWord(word, true, n);
  if (fromField) Conditions.SetEntryText(n, std::string());
  RebuildConditionPage(n);
}

void TInterfaceForm::ButtonDeleteClick() {
  const int n = CurrentCondition();
  if (n == 0) return;
  Conditions.DeleteWordAt(n, FirstSelectedRow(*ConditionWidgets[n].WordList));
  RebuildConditionPage(n);
}

void TInterfaceForm::ButtonClearListClick() {
  const int n = CurrentCondition();
  if (n == 0) return;
  // With its word list emptied, the rebuild leaves the condition and its summary text empty.
  Conditions.ClearConditionWords(n);
  RebuildConditionPage(n);
}

void TInterfaceForm::RebuildConditionPage(int condition) {
  Conditions.RebuildFromWordList(condition);
  FillSearchTree();
  AdvancedItemDone(TabStudies->ActivePage());
}

void TInterfaceForm::FieldStudyKeyPress(int condition) {
  if (ConditionSet::IsCondition(condition) && Conditions[condition].ButtonAdd.Enabled)
    ButtonAddClick(ConditionWidgets[condition].ComboBox);
}

void TInterfaceForm::AnyCheckBoxClick() {
  EnableResultsView(true);
  FillSearchTree();
}

void TInterfaceForm::ButtonSelectAllClick() { Conditions.CheckAllVisible(true); }

void TInterfaceForm::ButtonClearAllClick() { Conditions.CheckAllVisible(false); }

void TInterfaceForm::ButtonResetClick(QObject* sender) {
  PreviewHeader->clear();
  TabStudies->SetActivePageIndex(SummaryPage);
  AdvancedItemDone(TabStudies->ActivePage());
  if (sender == ButtonResetAll)
    EnableResultsView(false);
  else if (!sender)
    ClearResultTree();
  HideAllTabs();
  Conditions.Reset();
  TreeViewSearch->Clear();
  PreviewListView->clear();
  UpdateControls();
}

void TInterfaceForm::ButtonMoreLess(QObject* sender) {
  Conditions.ShowFirstRow();
  int focus = 0;
  if (sender == ButtonBack && ButtonBack->text() == QStringLiteral("<< Less"))
    focus = Conditions.HideLastRow();
  else if (sender == ButtonNext && ButtonNext->text() == QStringLiteral("More >>"))
    focus = Conditions.ShowNextRow();
  else
    UpdateControls();
  if (focus) ConditionWidgets[focus].AndEdit->setFocus();
}

// ---- the search and the result tree ----------------------------------------------------------

ui::TreeNode* TInterfaceForm::AddResultNode(ui::TreeView* tree, ui::TreeNode* parent, const QString& caption,
                                            int imageIndex, std::intptr_t data) {
  ui::TreeNode* twin = nullptr;
  if (resultTree_ && resultTree_ != tree) {
    twin = resultTree_->Add(parent ? parent->Twin() : nullptr, caption, imageIndex, data);
    twin->SetSelectedIndex(SelectedImageOf(imageIndex));
  }
  ui::TreeNode* node = tree->Add(parent, caption, imageIndex, data);
  node->SetSelectedIndex(SelectedImageOf(imageIndex));
  if (twin) node->SetTwin(twin);
  return node;
}

void TInterfaceForm::DeleteResultNode(ui::TreeNode* node) {
  if (!node) return;
  if (resultTree_)
    if (ui::TreeNode* twin = node->Twin()) resultTree_->Delete(twin);
  if (ui::TreeView* tree = node->Tree()) tree->Delete(node);
}

void TInterfaceForm::SetResultTree(ui::TreeView* tree) { resultTree_ = tree; }

ui::TreeView* TInterfaceForm::ResultTree() const { return resultTree_; }

void TInterfaceForm::ClearResultTree() {
  resultTree_.clear();
  for (ui::TreeNode* node = TreeViewSearch->FirstNode(); node; node = node->GetNext()) node->ClearTwin();
}

void TInterfaceForm::BuildResultTree(ui::TreeView* tree, ui::TreeNode* parentNode, const QString& caption,
                                     std::uint16_t mask, int span, int& books, int& chapters, int& verses) {
  books = chapters = verses = 0;
  const int count = mask == 0 ? Conditions.ActiveCount() : ConditionsInMask(mask);
  if (resultTree_) resultTree_->Clear();
  ui::TreeView::UpdateGuard hold(*tree);
  std::optional<ui::TreeView::UpdateGuard> holdMirror;
  if (resultTree_) holdMirror.emplace(*resultTree_);
  if (count == 0) return;

  ui::TreeNode* root = parentNode ? parentNode : AddResultNode(tree, nullptr, caption, ui::node::kResultRoot, 0);
  root->SetSelectedIndex(SelectedImageOf(root->ImageIndex()));

  const SearchResult result = RunSearch(Conditions, mask, span);
  for (const ResultBook& book : result.Books) {
    ui::TreeNode* bookNode = AddResultNode(tree, root, QText(book.DisplayName), ui::node::kBook,
                                           reinterpret_cast<std::intptr_t>(&Text().BookInfo(book.Book)));
    for (const ResultChapter& chapter : book.Chapters) {
      ui::TreeNode* chapterNode = AddResultNode(tree, bookNode, QStringLiteral("Chapter ") + QString::number(chapter.Chapter),
                                                ui::node::kChapter, 0);
      for (const ResultVerse& verse : chapter.Verses)
        AddResultNode(tree, chapterNode, QString::number(verse.Verse), ui::node::kVerse, verse.WordNumber);
    }
  }
  books = static_cast<int>(result.Books.size());
  chapters = result.Chapters;
  verses = result.Verses;
}

void TInterfaceForm::FillSearchTree() {
  ui::BusyCursor busy;
  PreviewTextView->clear();
  PreviewListView->clear();
  TreeViewSearch->Clear();

  int books = 0, chapters = 0, verses = 0;
  BuildResultTree(TreeViewSearch, nullptr, QStringLiteral("References"), 0, Text().Sensitivity(), books, chapters,
                  verses);
  if (ui::TreeNode* first = TreeViewSearch->FirstNode()) first->SetText(QText(StatusText(books, verses)));

  Conditions.ShowRowsInUse();

  // A search word that is also the caption of a result (a book such as Job)
  // heads the mirror tree.
  if (resultTree_) {
    for (int n = 1; n <= ConditionCount; ++n) {
      if (!Conditions[n].Active()) continue;
      const std::vector<std::string>& entries = Conditions[n].ComboBox.Items;
      for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (TreeViewSearch->FindByCaption(QText(*entry), Qt::CaseInsensitive))
          resultTree_->Insert(resultTree_->TopNode(), QText(*entry), ui::node::kWordList);
    }
  }

  // The selected node fills the preview and its status line; with no condition
  // active there is none, and no status line is left from an earlier search.
  if (ui::TreeNode* top = TreeViewSearch->TopNode())
    TreeViewSearch->Select(top);
  else
    PreviewHeader->clear();
  UpdateControls();
  update();
}

void TInterfaceForm::EnableResultsView(bool enable) {
  ViewStudies->setEnabled(enable);
  if (enable) {
    ButtonPreview->hide();
    ButtonSelect->setEnabled(TreeViewSearch->Selected() != nullptr);
  } else {
    ButtonPreview->show();
  }
}

void TInterfaceForm::AddConditionNodes(ui::TreeView* tree) {
  if (!tree) return;
  ui::TreeNode* before = tree->FirstNode();
  if (before && before->ImageIndex() == ui::node::kWordList) return;
  for (int n = ConditionCount; n >= 1; --n) {
    const platform::TStringList& words = Conditions[n].WordList;
    if (words.Empty()) continue;
    const QString caption = QText(words.CommaText());
    before = before ? tree->Insert(before, caption, ui::node::kWordList) : tree->Add(nullptr, caption, ui::node::kWordList);
  }
}

void TInterfaceForm::ButtonPreviewClick() {
  EnableResultsView(true);
  ParseConditionText(0);
  FillSearchTree();
}

// ---- studies ------------------------------------------------------------------------------------

void TInterfaceForm::SaveStudy(const std::string& fileName) {
  search::SaveStudy(fileName, Conditions, Text().Sensitivity(), Text().HistoryFolder());
  UpdateControls();
}

void TInterfaceForm::LoadStudy(const std::string& fileName) {
  TabStudies->SetActivePageIndex(SummaryPage);
  EnableResultsView(true);
  const Study study = ReadStudy(fileName);
  ButtonResetClick(this);
  UseStudy(Conditions, study);
  // The rows of the study take part in the search once their check boxes show.
  Conditions.ShowRowsInUse();
  FillSearchTree();
}

void TInterfaceForm::ButtonStudySaveLoad(QObject* sender) {
  SetResultTree(mainSearchTree_);
  const QString operation = sender ? sender->objectName().right(4) : QString();
  OpenDialogStudy->setOptions({});
  if (operation == QStringLiteral("Load")) {
    OpenDialogStudy->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialogStudy->setFileMode(QFileDialog::ExistingFile);
  } else {
    OpenDialogStudy->setAcceptMode(QFileDialog::AcceptSave);
    OpenDialogStudy->setFileMode(QFileDialog::AnyFile);
  }
  OpenDialogStudy->selectFile(QString());
  OpenDialogStudy->setNameFilter(QString::fromLatin1(StudyFilter));
  OpenDialogStudyShow();
  OpenDialogStudy->setDirectory(QText(OpenDialogStudyInitialDir));

  if (ExecuteStudyDialog(*OpenDialogStudy) && !OpenDialogStudy->selectedFiles().isEmpty()) {
    QString name = OpenDialogStudy->selectedFiles().first();
    if (!(name.size() > 5 && name.endsWith(QStringLiteral("ixolc"), Qt::CaseSensitive)))
      name += QString::fromLatin1(StudyExtension);
    if (operation == QStringLiteral("Save")) {
      SaveStudy(StdText(name));
    } else if (operation == QStringLiteral("Load")) {
      ButtonResetClick(nullptr);
      LoadStudy(StdText(name));
    }
  }
  TabStudies->SetActivePageIndex(SummaryPage);
}

void TInterfaceForm::ButtonFinishClick() {
  if (TreeViewSearch->IsEmpty()) {
    if (resultTree_) resultTree_->Clear();
    return;
  }
  {
    ui::BusyCursor busy;
    AddConditionNodes(resultTree_);
    FinishSearch(Conditions, HistoryClock);
  }
  ui::EventPump::ProcessPending();
  close();
}

void TInterfaceForm::SetMainSearchTree(ui::TreeView* tree) { mainSearchTree_ = tree; }

// ---- the main window's tool-bar search --------------------------------------------------------------

bool TInterfaceForm::ToolbarSearch(const std::string& criteria, bool allWords) {
  const std::optional<std::vector<std::string>> texts = ToolbarConditionTexts(criteria, allWords);
  if (!texts) return false;
  Conditions.UseSummaryTexts(*texts);
  EnableResultsView(true);
  ParseConditionText(0);
  FillSearchTree();
  ButtonFinishClick();
  return true;
}

}  // namespace search
