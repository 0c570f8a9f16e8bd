#pragma once
// The entries of a list box of the search form, as text.

#include <QListWidget>

#include <string>
#include <vector>

namespace search_testing {

using Items = std::vector<std::string>;

inline Items ItemsOf(const QListWidget* list) {
  Items items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
  return items;
}

}  // namespace search_testing
