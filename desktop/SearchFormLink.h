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

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/ImageList.h"

class QWidget;

namespace publish {
class SearchConditions;
}
namespace ui {
class TreeNode;
class TreeView;
}  // namespace ui

namespace desktop {

class SearchFormLink {
 public:
  virtual ~SearchFormLink() = default;

  // The form's window, which start-up places exactly over the main window.
  virtual QWidget& Window() = 0;
  // The large pictures of its trees, which the book tree takes too.
  virtual ui::ImageList ImageListBlue() const = 0;

  // Once at start: the main window's search tree, which the form's File >
  // Open and Save mirror into.
  virtual void SetMainSearchTree(ui::TreeView* tree) = 0;
  // Hides the form's menu item "About" (SearchMenuAbout).
  virtual void HideAboutMenuItem() = 0;

  // The tool bar's search: the criteria as typed, with "All Words" (allWords)
  // or "Any Word", become the summary texts of conditions 1 to 14; they are
  // parsed, searched and the search finished (a dated history study,
  // "current.ixolc", the style sheet). False, after a warning, when "All
  // Words" has more than 14 words: the conditions stay, nothing is searched.
  virtual bool ToolbarSearch(const std::string& criteria, bool allWords) = 0;

  // The main window's tree that mirrors every result from now on; none detaches.
  virtual void SetResultTree(ui::TreeView* tree) = 0;
  // Resets the form, reads the study and runs its search.
  virtual void LoadStudy(const std::string& fileName) = 0;
  // Shows the form, not modally.
  virtual void ShowForm() = 0;

  // The conditions the style sheet marks.
  virtual const publish::SearchConditions* Conditions() const = 0;

  // The search of one word under a node of a main window's tree (the Names
  // page), in this order:
  // - the form's Reset as code runs it: every condition, mark and result
  //   cleared, and the mirror tree detached;
  virtual void ResetFromCode() = 0;
  // - the page of a condition made the active page of the condition pages;
  virtual void ShowConditionPage(int condition) = 0;
  // - the word added to the condition and marked; a word the text does not
  //   hold is reported ("Word not found in Bible text.") and not added;
  virtual bool AddSearchWord(const std::string& word, int condition) = 0;
  // - the search of the conditions in mask within span words, its books,
  //   chapters and verses built under parent in tree (no root of their own).
  virtual void BuildResultTree(ui::TreeView& tree, ui::TreeNode* parent, std::uint16_t mask, int span) = 0;
};

// Makes the program's search form; called once, right after the main window.
using SearchFormFactory = std::function<std::unique_ptr<SearchFormLink>()>;

}  // namespace desktop
