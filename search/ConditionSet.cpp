#include "ConditionSet.h"

#include <algorithm>
#include <optional>

#include "DesktopText.h"
#include "RelatedWords.h"
#include "engine/SearchTokens.h"
#include "platform/Dialogs.h"
#include "platform/TextUtils.h"

namespace search {
namespace {

bool ContainsIgnoringCase(const std::vector<std::string>& items, std::string_view word) {
  return std::ranges::any_of(items, [&](const std::string& item) { return platform::SameText(item, word); });
}

// Every condition number in the range that ParseConditionText is given.
std::pair<int, int> ConditionRange(int condition) {
  if (ConditionSet::IsCondition(condition)) return {condition, condition};
  return {1, ConditionCount};
}

// A term of the text: the key of an English word, or a Strong's number.
std::optional<engine::TokenValue> ParseTerm(const SearchText& text, char kind, std::string_view word) {
  return engine::ParseToken(kind, word, [&text](std::string_view english) { return text.WordKey(english); });
}

}  // namespace

// Held by every operation that edits the conditions: when the outermost one
// ends, OnChange runs once.
class ConditionSet::Change {
 public:
  explicit Change(ConditionSet& set) : set_(set) { ++set_.changing_; }
  ~Change() {
    if (--set_.changing_ == 0 && set_.OnChange) set_.OnChange();
  }
  Change(const Change&) = delete;
  Change& operator=(const Change&) = delete;

 private:
  ConditionSet& set_;
};

ConditionSet::ConditionSet() : ConditionSet(DesktopText()) {}

ConditionSet::ConditionSet(SearchText& text) : text_(&text) {
  for (int n = 1; n <= ConditionCount; ++n) {
    TSearchCondition& c = conditions_[n];
    const bool first = n == 1;
    c.CheckBox.Visible = first;
    c.AndEdit.Visible = first;
    c.MoreButton.Visible = first;
    c.ButtonClr.Enabled = first;
  }
}

TSearchCondition& ConditionSet::operator[](int condition) { return conditions_.at(condition); }
const TSearchCondition& ConditionSet::operator[](int condition) const { return conditions_.at(condition); }

// ---- words -----------------------------------------------------------------------

bool ConditionSet::AddSearchWord(std::string_view word, int condition) {
  if (!IsCondition(condition)) return false;
  const Change change(*this);
  TSearchCondition& c = conditions_[condition];
  if (c.WordList.IndexOf(word) >= 0) return false;

  const char kind = engine::ClassifyToken(word);
  const std::optional<engine::TokenValue> value = ParseTerm(*text_, kind, word);
  if (!value) {
    platform::MessageDlg(WordNotFoundMessage, platform::DialogType::Information);
    c.ButtonAdd.Enabled = false;
    return false;
  }

  // An English word is listed as the text spells it; a number as typed.
  const std::string listed = kind == 'E' ? text_->WordText(value->Key) : std::string(word);
  if (c.WordList.IndexOf(listed) < 0) c.WordList.Add(listed);
  if (!ContainsIgnoringCase(c.ComboBox.Items, listed)) c.ComboBox.Items.push_back(listed);
  if (kind == 'E') {
    // Every spelling of the word's letters, not only the one listed.
    for (const std::uint16_t key : text_->WordKeys(word)) text_->MarkWord(condition, key, 'E');
  } else {
    text_->MarkWord(condition, value->Number, kind);
  }
  c.ComboBox.Text.clear();
  return true;
}

bool ConditionSet::AddConditionWord(std::string_view word, bool showInSummary, int condition) {
  if (!IsCondition(condition)) return false;
  const Change change(*this);
  if (!AddSearchWord(word, condition)) return false;
  TSearchCondition& c = conditions_[condition];
  if (showInSummary) {
    c.ButtonAdd.Enabled = false;
    c.AndEdit.Text = c.WordList.CommaText();
    c.AndEdit.Visible = true;
  }
  SetConditionChecked(condition, true);
  return true;
}

void ConditionSet::ClearConditionWords(int condition) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  TSearchCondition& c = conditions_[condition];
  c.ComboBox.Text.clear();
  SetConditionChecked(condition, true);
  text_->ClearCondition(condition);
  c.SynoList.Clear();
  c.WordList.Clear();
}

void ConditionSet::ParseConditionText(int condition) {
  const Change change(*this);
  const auto [first, last] = ConditionRange(condition);
  for (int n = first; n <= last; ++n) {
    TSearchCondition& c = conditions_[n];
    c.WordList.Clear();
    c.SynoList.Clear();
    text_->ClearCondition(n);

    platform::TStringList items;
    items.SetCommaText(c.AndEdit.Text);
    for (const std::string& item : items) {
      const std::string_view word = platform::TrimBlanks(item);
      if (word.empty()) continue;
      // Only what the text knows is taken, so that no message is shown here.
      if (!ParseTerm(*text_, engine::ClassifyToken(word), word)) continue;
      AddConditionWord(word, false, n);
    }
  }
}

void ConditionSet::DeleteWordAt(int condition, int index) {
  if (!IsCondition(condition) || index < 0) return;
  const Change change(*this);
  conditions_[condition].WordList.Delete(static_cast<std::size_t>(index));
}

void ConditionSet::SummaryFromWordList(int condition) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  TSearchCondition& c = conditions_[condition];
  std::string text = c.WordList.CommaText();
  std::ranges::replace(text, ',', ' ');
  c.AndEdit.Text = std::move(text);
}

void ConditionSet::RebuildFromWordList(int condition) {
  const Change change(*this);
  SummaryFromWordList(condition);
  ClearConditionWords(condition);
  ParseConditionText(condition);
}

// ---- what the user types and selects ---------------------------------------------------

void ConditionSet::SetSummaryText(int condition, std::string text) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  conditions_[condition].AndEdit.Text = std::move(text);
}

void ConditionSet::SetEntryText(int condition, std::string text) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  conditions_[condition].ComboBox.Text = std::move(text);
}

void ConditionSet::SetAddEnabled(int condition, bool enabled) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  conditions_[condition].ButtonAdd.Enabled = enabled;
}

void ConditionSet::SetRemoveEnabled(int condition, bool enabled) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  conditions_[condition].ButtonDel.Enabled = enabled;
}

void ConditionSet::ListNumbersOfWord(int condition, std::string_view word, bool related) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  search::ListNumbersOfWord(conditions_[condition], word, related, *text_);
}

void ConditionSet::ListWordsOfNumber(int condition, char letter, std::string_view number) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  search::ListWordsOfNumber(conditions_[condition], letter, number, *text_);
}

// ---- check boxes -------------------------------------------------------------------

bool ConditionSet::SetConditionChecked(int condition, bool checked) {
  if (!IsCondition(condition)) return false;
  const Change change(*this);
  conditions_[condition].CheckBox.Checked = checked;
  return checked;
}

void ConditionSet::SetChecked(int condition, bool checked) {
  if (!IsCondition(condition)) return;
  const Change change(*this);
  CheckBoxState& box = conditions_[condition].CheckBox;
  if (box.Checked == checked) return;
  box.Checked = checked;
  if (OnCheckBoxClick) OnCheckBoxClick(condition);
}

void ConditionSet::CheckAllVisible(bool checked) {
  const Change change(*this);
  for (int n = 1; n <= ConditionCount; ++n)
    if (conditions_[n].CheckBox.Visible) SetChecked(n, checked);
}

// ---- summary rows --------------------------------------------------------------------

void ConditionSet::ShowFirstRow() {
  const Change change(*this);
  SetConditionChecked(1, true);
  conditions_[1].AndEdit.Visible = true;
  conditions_[1].MoreButton.Visible = true;
}

int ConditionSet::HideLastRow() {
  const Change change(*this);
  for (int n = ConditionCount; n >= 2; --n) {
    TSearchCondition& c = conditions_[n];
    if (!c.AndEdit.Visible) continue;
    SetConditionChecked(n, false);
    c.AndEdit.Text.clear();
    c.AndEdit.Visible = false;
    c.MoreButton.Visible = false;
    c.CheckBox.Visible = false;
    c.SynoList.Clear();
    c.WordList.Clear();
    text_->ClearCondition(n);
    return conditions_[n - 1].AndEdit.Visible ? n - 1 : 0;
  }
  return 0;
}

int ConditionSet::ShowNextRow() {
  const Change change(*this);
  int shown = 0;
  for (int n = 1; n <= ConditionCount; ++n) {
    TSearchCondition& c = conditions_[n];
    if (c.AndEdit.Visible) continue;
    c.AndEdit.Visible = true;
    c.CheckBox.Visible = true;
    c.MoreButton.Visible = true;
    shown = n;
    break;
  }
  for (int n = 1; n <= ConditionCount; ++n) {
    TSearchCondition& c = conditions_[n];
    c.MoreButton.Visible = c.AndEdit.Visible;
    if (c.AndEdit.Visible && c.CheckBox.Visible) c.CheckBox.Enabled = true;
  }
  return shown;
}

void ConditionSet::ShowRowsInUse() {
  const Change change(*this);
  for (int n = 1; n <= ConditionCount; ++n) {
    TSearchCondition& c = conditions_[n];
    c.CheckBox.Visible = c.AndEdit.Visible;
    c.MoreButton.Visible = c.AndEdit.Visible;
  }
}

void ConditionSet::UseSummaryTexts(const std::vector<std::string>& texts) {
  const Change change(*this);
  const int used = static_cast<int>(std::min<std::size_t>(texts.size(), ConditionCount));
  for (int n = 1; n <= ConditionCount; ++n) {
    TSearchCondition& c = conditions_[n];
    const bool inUse = n <= used || n == 1;
    c.AndEdit.Text = n <= used ? texts[static_cast<std::size_t>(n - 1)] : std::string();
    c.AndEdit.Visible = inUse;
    c.CheckBox.Visible = inUse;
    c.MoreButton.Visible = inUse;
    if (inUse) SetConditionChecked(n, true);
  }
}

void ConditionSet::Reset() {
  const Change change(*this);
  for (int n = 1; n <= ConditionCount; ++n) {
    TSearchCondition& c = conditions_[n];
    const bool first = n == 1;
    c.AndEdit.Text.clear();
    c.AndEdit.Visible = first;
    SetConditionChecked(n, first);
    c.CheckBox.Visible = first;
    c.MoreButton.Visible = first;
    ClearConditionWords(n);
  }
  text_->ClearAllMarks();
}

// ---- the search --------------------------------------------------------------------------

std::uint16_t ConditionSet::ActiveMask() const {
  std::uint16_t mask = 0;
  for (int n = 1; n <= ConditionCount; ++n)
    if (conditions_[n].Active()) mask |= engine::ConditionMask(n);
  return mask;
}

int ConditionSet::ActiveCount() const {
  return static_cast<int>(std::count_if(conditions_.begin() + 1, conditions_.end(),
                                        [](const TSearchCondition& c) { return c.Active(); }));
}

bool ConditionSet::AnyWords() const {
  return std::any_of(conditions_.begin() + 1, conditions_.end(),
                     [](const TSearchCondition& c) { return !c.WordList.Empty(); });
}

bool ConditionSet::Checked(int condition) const {
  return IsCondition(condition) && conditions_[condition].CheckBox.Checked;
}

std::vector<std::string> ConditionSet::Words(int condition) const {
  if (!IsCondition(condition)) return {};
  return conditions_[condition].WordList.Items();
}

}  // namespace search
