#include "ConditionLists.h"

#include <QListWidget>

namespace search {

ConditionListKind KindOfList(const QObject& list) {
  const QString prefix = list.objectName().left(8);
  const auto is = [&](const char* name) { return prefix.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
  if (is("WordList")) return ConditionListKind::Words;
  if (is("HebrList")) return ConditionListKind::Hebrew;
  if (is("GreeList")) return ConditionListKind::Greek;
  return ConditionListKind::Related;
}

int FirstSelectedRow(const QListWidget& list) {
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->isSelected()) return row;
  return -1;
}

std::optional<std::string> SelectedEntry(const QListWidget& list) {
  const int row = FirstSelectedRow(list);
  if (row < 0) return std::nullopt;
  return list.item(row)->text().toStdString();
}

}  // namespace search
