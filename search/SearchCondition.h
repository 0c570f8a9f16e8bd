#pragma once
// The record of one search condition: the state of its row on the summary
// page (check box, summary edit, "..." button) and of its condition page
// (entry field with its drop-down history, word list, the three lists of
// related words and Strong's numbers, and the Add, Remove and Clear buttons).
// The records are the state of the conditions, kept by ConditionSet: the
// search form shows them in its controls after every change, and what the
// user types and clicks comes back through ConditionSet's operations.

#include <string>
#include <vector>

#include "platform/StringList.h"

namespace search {

struct CheckBoxState {
  bool Visible = false;
  bool Enabled = true;
  bool Checked = true;
};

struct EditState {
  std::string Text;
  bool Visible = false;
};

struct ComboBoxState {
  std::string Text;
  std::vector<std::string> Items;  // the words accepted so far, in the order they came
};

struct ButtonState {
  bool Visible = true;
  bool Enabled = false;
};

// A sorted list box: its own look-up and order ignore case, and it takes
// whatever it is given.
platform::TStringList SortedListBox();

struct TSearchCondition {
  CheckBoxState CheckBox;  // active when visible and checked
  ComboBoxState ComboBox;  // word entry of the condition page
  platform::TStringList WordList = SortedListBox();  // the condition's words
  platform::TStringList SynoList = SortedListBox();  // "Related Words"
  platform::TStringList HebrList = SortedListBox();  // "Hebrew"
  platform::TStringList GreeList = SortedListBox();  // "Greek"
  EditState AndEdit;   // the summary edit; the row is in use exactly when it is visible
  ButtonState MoreButton{false, true};  // "..." of the summary row
  ButtonState ButtonAdd;                // "Add"
  ButtonState ButtonDel;                // "Remove"
  ButtonState ButtonClr;                // "Clear"

  bool Active() const { return CheckBox.Visible && CheckBox.Checked; }
};

}  // namespace search
