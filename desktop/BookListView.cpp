// The book lists of the Bible and Search pages: filled from the page's tree
// and laid over its browser; choosing a book selects it in the tree and hides
// the list again, as do Esc and the pointer in the list's edge band.

#include "BookListView.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <functional>

#include "PageTable.h"
#include "ixoMain.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop {
namespace {

constexpr char kEscape = 27;

// Hands a list's key presses and its pointer's moves and releases (in the
// list's own coordinates) to the window's handlers; every event goes on to
// the list unchanged.
class BookListEvents final : public QObject {
 public:
  std::function<void(char& key)> OnKeyPress;
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void(Qt::MouseButton button, int x, int y)> OnMouseUp;

  explicit BookListEvents(QListWidget& list) : QObject(&list), list_(list), viewport_(*list.viewport()) {
    list.installEventFilter(this);
    viewport_.installEventFilter(this);
    viewport_.setMouseTracking(true);
  }

  bool eventFilter(QObject* target, QEvent* event) override {
    if (target == &list_ && event->type() == QEvent::KeyPress && OnKeyPress) {
      const auto* press = static_cast<QKeyEvent*>(event);
      const QString text = press->text();
      char key = press->key() == Qt::Key_Escape ? kEscape : text.isEmpty() ? '\0' : text[0].toLatin1();
      OnKeyPress(key);
    } else if (target == &viewport_ &&
               (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease)) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = viewport_.mapTo(&list_, mouse->position().toPoint());
      if (event->type() == QEvent::MouseMove && OnMouseMove) OnMouseMove(at.x(), at.y());
      if (event->type() == QEvent::MouseButtonRelease && OnMouseUp) OnMouseUp(mouse->button(), at.x(), at.y());
    }
    return false;
  }

 private:
  QListWidget& list_;
  QWidget& viewport_;  // compared only by address: events come while the list is destroyed
};

// The first book node of tree captioned caption, without regard to case. Only
// books count: a condition of the Search page may hold a word that is also
// the name of a book ("job"), and it comes before the books found.
ui::TreeNode* BookNodeCaptioned(const ui::TreeView& tree, const QString& caption) {
  for (ui::TreeNode* node = tree.FirstNode(); node; node = node->GetNext())
    if (node->ImageIndex() == ui::node::kBook && node->Text().compare(caption, Qt::CaseInsensitive) == 0)
      return node;
  return nullptr;
}

}  // namespace

QString CenterCaption(const QString& name) {
  const qsizetype length = name.size();
  const int blanks = length < 6 ? 7 : length < 10 ? 5 : length < 14 ? 3 : length < 18 ? 1 : 0;
  const QString pad(blanks, QChar(' '));
  return pad + name + pad;
}

bool InsideBookList(int x, int y, int width, int height) {
  return x >= 2 && x <= width - 10 && y >= 2 && y <= height - 2;
}

void TIxoBibleMainForm::BindBookLists() {
  auto* bible = new BookListEvents(*ListViewIxo);
  bible->OnKeyPress = [this](char& key) { ListViewIxoKeyPress(key); };
  bible->OnMouseMove = [this](int x, int y) { ListViewIxoMouseMove(x, y); };
  auto* found = new BookListEvents(*ListViewFound);
  found->OnKeyPress = [this](char& key) { ListViewFoundKeyPress(key); };
  found->OnMouseUp = [this](Qt::MouseButton button, int x, int y) { ListViewFoundMouseUp(button, x, y); };
}

void TIxoBibleMainForm::HideBookLists() {
  for (const PageDescriptor& page : MainPages())
    if (page.bookList) (this->*page.bookList)->hide();
}

void TIxoBibleMainForm::buttonBookListClick(QObject*) {
  // A page without a book list shows that of the Bible page.
  const PageDescriptor* page = PageOf(0);
  if (!page || !page->bookList) {
    page = &BiblePage();
    Mode->SetActivePage(this->*page->page);
  }
  ui::TreeView* tree = this->*page->tree;
  QListWidget* list = this->*page->bookList;
  const ui::Browser* browser = this->*page->browser;

  FKeepBookList = true;
  QObject::disconnect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, nullptr);
  list->setUpdatesEnabled(false);
  list->clear();
  // The books hang one level down: under the testaments, or under the result root.
  if (tree->NodeCount() >= 2) {
    list->setGeometry(browser->geometry());
    list->show();
    list->raise();
    const QIcon icon = TreeIxo->Images().Icon(ui::node::kBook);
    for (const ui::TreeNode* top = tree->FirstNode(); top; top = top->NextSibling()) {
      for (const ui::TreeNode* child = top->FirstChild(); child; child = child->NextSibling())
        list->addItem(new QListWidgetItem(icon, CenterCaption(child->Text())));
    }
  }
  list->setUpdatesEnabled(true);
  list->clearSelection();
  list->setCurrentItem(nullptr);
  connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this, list](const QItemSelection& selected) {
            if (selected.isEmpty()) return;
            ListViewBibleChange(list, list->item(selected.indexes().first().row()));
          });

  // The other pages' lists go.
  for (const PageDescriptor& other : MainPages())
    if (other.bookList && other.bookList != page->bookList) (this->*other.bookList)->hide();
}

void TIxoBibleMainForm::ListViewBibleChange(QObject*, QListWidgetItem* item) {
  const PageDescriptor* page = PageOf(0);
  ui::TreeView* tree = page && page->bookList ? this->*page->tree : nullptr;
  if (tree && item && !tree->IsEmpty()) {
    // A book of the Bible page shows its first chapter; a book of the Search
    // page the first verse found in it.
    ui::TreeNode* node = BookNodeCaptioned(*tree, item->text().trimmed());
    if (node && node->FirstChild()) node = node->FirstChild();
    if (node && tree != TreeIxo && node->FirstChild()) node = node->FirstChild();
    // Like a selection the user makes, the node is brought into view (Select reveals it).
    if (node) tree->Select(node);
  }
  HideBookLists();
}

void TIxoBibleMainForm::ListViewIxoMouseMove(int x, int y) {
  if (InsideBookList(x, y, ListViewIxo->width(), ListViewIxo->height()))
    FKeepBookList = false;
  else if (!FKeepBookList)
    ListViewIxo->hide();
}

void TIxoBibleMainForm::ListViewFoundMouseUp(Qt::MouseButton, int x, int y) {
  if (InsideBookList(x, y, ListViewFound->width(), ListViewFound->height())) {
    FKeepBookList = false;
  } else if (!FKeepBookList) {
    ListViewFound->hide();
    ListViewFound->clear();
  }
}

void TIxoBibleMainForm::ListViewIxoKeyPress(char& key) {
  if (key != kEscape) return;
  FKeepBookList = true;
  ListViewIxo->hide();
}

void TIxoBibleMainForm::ListViewFoundKeyPress(char& key) {
  if (key != kEscape) return;
  FKeepBookList = true;
  ListViewFound->hide();
}

}  // namespace desktop
