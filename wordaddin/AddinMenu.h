#pragma once
// The add-in's commands and the "Bible" menu, registered with the host when it
// loads the add-in.

#include <cstdint>

namespace wordaddin {

// Adds the "Bible" menu, registers the three commands and adds their items to
// the "Bible", "Edit", "Insert" and "Help" menus. A failed step shows the host's
// error box and skips the later steps of that command only.
void RegisterAddinMenu(std::int32_t docRef);

}  // namespace wordaddin
