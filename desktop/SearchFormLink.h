#pragma once
// What the main window calls on the search and study form (TInterfaceForm).
// The search form implements it; the program hands the main window the real
// form, tests a recorder.
//
// Result trees are mirrored: once SetResultTree has been given the main
// window's TreeSearch, every search the form runs builds its result nodes in
// that tree as well as in its own. Their kinds are the node kinds of
// ui/NodeKind.h, with the data the main window's Bible page reads:
//   0 "References" (no data); 1 a book (data: the address of the book's
//   record in the engine, reinterpret_cast<std::intptr_t>(&Engine().BookInfo[b]));
//   2 "Chapter " and the number; 3 the verse number (data: the word number
//   of the hit); 11 a condition's words as comma text.
// The main window owns that tree; the form never frees it.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace publish {
class SearchConditions;
}
namespace ui {
class TreeView;
}

namespace desktop {

class SearchFormLink {
 public:
  static constexpr int ConditionCount = 14;  // conditions are numbered 1 to 14

  virtual ~SearchFormLink() = default;

  // The form's window, which start-up places exactly over the main window.
  virtual QWidget& Window() = 0;

  // The summary text of condition 1 to 14 (the text of its summary edit).
  virtual std::string SummaryText(int condition) const = 0;
  virtual void SetSummaryText(int condition, std::string_view text) = 0;

  // The steps of a search started from the main window, in this order.
  virtual void EnableResultsView() = 0;
  // Rebuilds the word lists of all 14 conditions from their summary texts.
  virtual void ParseConditions() = 0;
  // Runs the search and fills the result tree (and its mirror).
  virtual void FillResultTree() = 0;
  // The finish button's click: saves the search as a dated history study and
  // as "current.ixolc", and rewrites the style sheet.
  virtual void FinishSearch() = 0;

  // The main window's tree that mirrors every result from now on; none detaches.
  virtual void SetResultTree(ui::TreeView* tree) = 0;
  // Resets the form, reads the study and runs its search.
  virtual void LoadStudy(const std::string& fileName) = 0;
  // Shows the form, not modally.
  virtual void ShowForm() = 0;
  // Hides the form's menu item "About" (SearchMenuAbout).
  virtual void HideAboutMenuItem() = 0;

  // The conditions the style sheet marks; none before the form has any.
  virtual const publish::SearchConditions* Conditions() const = 0;
};

// Makes the program's search form; called once, right after the main window.
using SearchFormFactory = std::function<std::unique_ptr<SearchFormLink>()>;

}  // namespace desktop
