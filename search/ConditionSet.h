#pragma once
// The fourteen conditions of a search, numbered 1 to 14, and the operations
// that edit them, over the text they search (SearchText.h). Each condition
// owns one bit of the text's search marks;
// the operations keep the invariant that a condition's bit is set on exactly
// the words of the text that match a word of its word list. The summary
// edit's text is the master copy from which the word list is rebuilt
// (ParseConditionText).
//
// The conditions' state lives here alone: the search form shows it in its
// controls after every change (OnChange), and what the user types, ticks and
// clicks comes back through the operations below. A check box's click handler
// runs whenever its state changes by a click or by All and None (SetChecked,
// CheckAllVisible); the "silent" setters leave it alone.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "SearchCondition.h"
#include "SearchText.h"
#include "engine/SearchMarks.h"
#include "publish/SearchConditions.h"

namespace search {

inline constexpr int ConditionCount = engine::ConditionCount;

// "Word not found in Bible text.": the message for a word the text lacks.
inline constexpr char WordNotFoundMessage[] = "Word not found in Bible text.";

class ConditionSet final : public publish::SearchConditions {
 public:
  // The state after creation: row 1 shown and checked, rows 2 to 14 hidden
  // (their boxes checked), "Clear" enabled on page 1 only, all lists empty.
  // The text lives longer than the conditions; by default the desktop
  // program's (DesktopText.h).
  explicit ConditionSet(SearchText& text);
  ConditionSet();

  // The text whose words the conditions mark.
  SearchText& Text() const { return *text_; }

  // Condition 1 to 14.
  TSearchCondition& operator[](int condition);
  const TSearchCondition& operator[](int condition) const;
  static bool IsCondition(int condition) { return condition >= 1 && condition <= ConditionCount; }

  // Runs when a check box changes state through SetChecked or CheckAllVisible.
  std::function<void(int condition)> OnCheckBoxClick;
  // Runs after every operation below that edits the conditions, once the
  // outermost of them is done (an operation may call others). Changes made
  // through the records themselves (operator[]) are not announced.
  std::function<void()> OnChange;

  // ---- words -------------------------------------------------------------------

  // Adds one word and marks it in the engine. False when the word list holds
  // it already (ignoring case), and for an English word the text does not
  // know (after "Word not found in Bible text.", with "Add" disabled). An
  // English word is listed in the text's spelling, a Strong's number as
  // typed; the entry field is emptied and the word joins its history.
  bool AddSearchWord(std::string_view word, int condition);
  // AddSearchWord, and when it adds: the condition checked silently, and with
  // showInSummary "Add" disabled and the summary edit shown with the words as
  // comma text. False for a condition outside 1 to 14.
  bool AddConditionWord(std::string_view word, bool showInSummary, int condition);
  // Empties the entry field, word list and related words and removes the
  // marks; checks the condition silently. Nothing for a condition outside 1 to 14.
  void ClearConditionWords(int condition);
  // Rebuilds word lists and marks from the summary edits: of one condition,
  // or of all when condition is 0 or above 14. Items are separated by commas
  // or blanks (a quoted item may hold blanks); words the text does not know
  // are dropped without a message.
  void ParseConditionText(int condition);
  // Deletes the word at index of the word list (nothing for an index out of
  // range); the list alone, marks and summary untouched.
  void DeleteWordAt(int condition, int index);
  // The summary edit := the word list's entries separated by blanks.
  void SummaryFromWordList(int condition);
  // The condition rebuilt from its word list: the summary edit from the word
  // list, the condition cleared, then parsed from that edit again.
  void RebuildFromWordList(int condition);

  // ---- what the user types and selects on a condition's controls -------------------
  // The summary edit's text and the entry field's text, as typed.
  void SetSummaryText(int condition, std::string text);
  void SetEntryText(int condition, std::string text);
  // "Add" and "Remove" enabled or disabled.
  void SetAddEnabled(int condition, bool enabled);
  void SetRemoveEnabled(int condition, bool enabled);
  // The Strong's numbers of a word of the condition's lists, and with related
  // its related words (RelatedWords.h); the words of one number of its
  // Hebrew ('H') or Greek ('G') list.
  void ListNumbersOfWord(int condition, std::string_view word, bool related);
  void ListWordsOfNumber(int condition, char letter, std::string_view number);

  // ---- check boxes ---------------------------------------------------------------

  // Sets the check box without its click handler; returns checked, or false
  // for a condition outside 1 to 14.
  bool SetConditionChecked(int condition, bool checked);
  // Sets the check box as a click does: the click handler runs when the state changes.
  void SetChecked(int condition, bool checked);
  // "All" and "None": every visible check box, in order 1 to 14, as clicked.
  void CheckAllVisible(bool checked);

  // ---- summary rows ----------------------------------------------------------------

  // "<< Less" and "More >>" start with this: row 1 shown and silently checked.
  void ShowFirstRow();
  // "<< Less": takes the highest row in use from 14 down to 2 off the summary
  // (unchecked silently, emptied, hidden, words and marks gone). Returns the
  // row whose edit takes the focus (the one before, when shown), else 0.
  int HideLastRow();
  // "More >>": shows the lowest row not in use; then every "..." button is
  // shown exactly with its edit, and a shown but disabled box of a row in use
  // is enabled. Returns the row shown (its edit takes the focus), else 0.
  int ShowNextRow();
  // After a search: each row's check box and "..." button are shown exactly
  // when its summary edit is.
  void ShowRowsInUse();
  // The summary texts of conditions 1 to n (n = texts.size(), at most 14):
  // those rows shown and checked silently; the rows after them emptied and,
  // except row 1, hidden.
  void UseSummaryTexts(const std::vector<std::string>& texts);

  // The conditions' part of Reset: every row emptied, only row 1 shown and
  // checked, every condition cleared, all marks removed.
  void Reset();

  // ---- the search --------------------------------------------------------------

  // The OR of the mark bits of the active conditions, and their number.
  std::uint16_t ActiveMask() const;
  int ActiveCount() const;
  bool AnyActive() const { return ActiveCount() > 0; }
  bool AnyWords() const;

  // ---- what the style sheet reads: the check box alone, and the word list ----------
  bool Checked(int condition) const override;
  std::vector<std::string> Words(int condition) const override;

 private:
  class Change;

  SearchText* text_;
  std::array<TSearchCondition, ConditionCount + 1> conditions_;  // entry 0 unused
  int changing_ = 0;  // operations under way; OnChange runs when the last ends
};

}  // namespace search
