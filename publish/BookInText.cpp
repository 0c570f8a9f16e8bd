#include "publish/BookInText.h"

#include <string>

#include "core/IxoFormat.h"
#include "engine/BookIndex.h"
#include "platform/Dialogs.h"

namespace publish {

bool BookIsInText(const engine::TBookInfoRec& book) {
  if (book.Ordinal < ixo::BookCount) return true;
  platform::MessageDlg("Book #" + std::to_string(book.Ordinal + 1) + " is not contained in the bible",
                       platform::DialogType::Warning);
  return false;
}

}  // namespace publish
