#include "SearchCondition.h"

namespace search {

platform::TStringList SortedListBox() {
  platform::TStringList list;
  list.SetSorted(true);
  list.SetCaseSensitive(false);
  list.SetDuplicates(platform::Duplicates::Accept);
  return list;
}

}  // namespace search
