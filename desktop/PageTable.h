#pragma once
// The pages of the main window and what goes with each of them: its menu
// entry and handler, its tree and browser, its book list, and the names the
// window caption and the book label give it. Whatever the window does by
// page reads it here.

#include <span>

class QAction;
class QListWidget;
class QObject;
class QWidget;

namespace ui {
class Browser;
class TreeView;
}  // namespace ui

namespace desktop {

class TIxoBibleMainForm;

struct PageDescriptor {
  QWidget* TIxoBibleMainForm::*page = nullptr;
  QAction* TIxoBibleMainForm::*menu = nullptr;
  // The menu entry's handler; a switch by the user runs it too, with the
  // page as sender.
  void (*menuClick)(TIxoBibleMainForm& form, QObject* sender) = nullptr;
  // None on the Options page, which has no tree pane and so no pane buttons.
  ui::TreeView* TIxoBibleMainForm::*tree = nullptr;
  ui::Browser* TIxoBibleMainForm::*browser = nullptr;
  // The list of the tree's books laid over the browser (Bible and Search).
  QListWidget* TIxoBibleMainForm::*bookList = nullptr;
  // The page's name in the window caption.
  const char* caption = "";
  // The book label's text unless the tree's selected node names the place.
  const char* label = "";
  bool selectionNamesPlace = false;
  // Previous and next step from sibling to sibling, not through every node.
  bool stepsSiblings = false;
};

// Pages 1 to TIxoBibleMainForm::PageCount, in page order.
std::span<const PageDescriptor> MainPages();

// The Bible page, where the window goes when the active page has no tree or
// book list to work on.
const PageDescriptor& BiblePage();

}  // namespace desktop
