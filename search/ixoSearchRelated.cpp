// TInterfaceForm: the Strong's numbers and related words of a condition
// page, and adding from them to the condition.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "search/ConditionLists.h"
#include "search/ixoSearch.h"

namespace search {

void TInterfaceForm::ClearListSelections(int condition, const QObject* keep) {
  const ConditionControls& w = ConditionWidgets[condition];
  for (QListWidget* list : {w.GreeList, w.HebrList, w.SynoList, w.WordList})
    if (list != keep) list->clearSelection();
  w.ComboBox->lineEdit()->deselect();
}

void TInterfaceForm::ListStudyClick(QObject* sender) {
  const int n = CurrentCondition();
  const auto* list = qobject_cast<QListWidget*>(sender);
  if (n == 0 || !list) return;
  const std::optional<std::string> entry = SelectedEntry(*list);
  Conditions.SetRemoveEnabled(n, entry.has_value());
  if (entry) {
    ClearListSelections(n, list);
    // From the word list the related words follow; from the related words
    // only the numbers change.
    Conditions.ListNumbersOfWord(n, *entry, KindOfList(*list) == ConditionListKind::Words);
  }
}

void TInterfaceForm::ListStudyDblClick(QObject* sender) {
  ListStudyClick(sender);
  const auto* list = qobject_cast<QListWidget*>(sender);
  if (list && SelectedEntry(*list) && KindOfList(*list) != ConditionListKind::Words) ButtonAddClick(sender);
}

void TInterfaceForm::SynoStudyClick(QObject* sender) {
  const int n = CurrentCondition();
  const auto* list = qobject_cast<QListWidget*>(sender);
  if (n == 0 || !list) return;
  const ConditionListKind kind = KindOfList(*list);
  if (kind != ConditionListKind::Hebrew && kind != ConditionListKind::Greek) return;
  const std::optional<std::string> entry = SelectedEntry(*list);
  if (!entry) return;

  ClearListSelections(n, list);  // the related words are replaced anyway
  Conditions.ListWordsOfNumber(n, kind == ConditionListKind::Hebrew ? 'H' : 'G', *entry);
}

void TInterfaceForm::SynoStudyDblClick(QObject* sender) {
  SynoStudyClick(sender);
  ButtonAddClick(sender);
}

}  // namespace search
