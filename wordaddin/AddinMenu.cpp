#include "AddinMenu.h"

#include "Wrdbasic.h"

namespace wordaddin {
namespace {

constexpr char kBibleMenu[] = "Bible";
constexpr char kInsertCommand[] = "ixoInsert";
constexpr char kSearchCommand[] = "ixoSearch";
constexpr char kAboutCommand[] = "ixoAboutBox";
constexpr char kInsertItem[] = "Insert Bible Verses";
constexpr char kSearchItem[] = "Search for Bible Verses";
constexpr char kAboutItem[] = "About the Ixo Bible Add-in";
constexpr std::int32_t kAtTheEnd = -1;

}  // namespace

void RegisterAddinMenu(std::int32_t docRef) {
  const bool menuOk = AddWordMenu(docRef, kBibleMenu, 2, 0) == 0;

  bool insertOk = AddWordCommand(docRef, kInsertCommand, "Inserts Bible text into a document.") == 0;
  bool searchOk = AddWordCommand(docRef, kSearchCommand, "Searches the the Ixo Bible.") == 0;
  const bool aboutOk = AddWordCommand(docRef, kAboutCommand, "About the Ixo Bible.") == 0;

  // Each command's chain goes on only while its earlier steps succeeded; a
  // missing "Bible" menu does not stop the items of the other menus.
  if (menuOk) {
    if (insertOk) insertOk = AddWordMenuItem(docRef, kBibleMenu, kInsertCommand, kInsertItem, 1, 0) == 0;
    if (searchOk) searchOk = AddWordMenuItem(docRef, kBibleMenu, kSearchCommand, kSearchItem, 2, 0) == 0;
  }
  if (insertOk) insertOk = AddWordMenuItem(docRef, "Edit", kInsertCommand, kInsertItem, 3, 0) == 0;
  if (searchOk) searchOk = AddWordMenuItem(docRef, "Edit", kSearchCommand, kSearchItem, 4, 0) == 0;
  if (insertOk) insertOk = AddWordMenuItem(docRef, "Insert", kInsertCommand, kInsertItem, 8, 0) == 0;
  if (aboutOk && (insertOk || searchOk)) {
    AddWordMenuItem(docRef, "Help", kAboutCommand, kAboutItem, kAtTheEnd, 0);
  }
}

}  // namespace wordaddin
