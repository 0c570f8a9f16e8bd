#pragma once
// The list boxes of a condition page: what kind each one is, and its
// selected entry.

#include <optional>
#include <string>

class QListWidget;
class QObject;

namespace search {

// Told by the first eight characters of the list's name, compared without
// regard to case: "WordList", "HebrList", "GreeList"; any other name is a
// related-words list.
enum class ConditionListKind { Words, Hebrew, Greek, Related };
ConditionListKind KindOfList(const QObject& list);

// The row of the first selected entry from the top; -1 when none is selected.
int FirstSelectedRow(const QListWidget& list);
// The text of that entry; none when none is selected.
std::optional<std::string> SelectedEntry(const QListWidget& list);

}  // namespace search
