#pragma once
// The thin wrappers through which the rest of the add-in calls its host: register
// a macro command, add a menu and a menu item, run a command with one integer
// argument, insert text at the insertion point.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wordaddin {

// Names, descriptions and item texts are cut to this many characters.
inline constexpr std::size_t kMaxMenuText = 50;

// Registers a macro command that runs the add-in's export of the same name.
// Returns the host status; a failure shows only the "debug" box.
std::int32_t AddWordCommand(std::int32_t docRef, std::string_view macroName, std::string_view description);

// Adds a menu to the host's menu bar.
std::int32_t AddWordMenu(std::int32_t docRef, std::string_view menuName, std::int32_t position,
                         std::int32_t flag);

// Adds an item that runs macroName to a menu (position -1: at the end).
std::int32_t AddWordMenuItem(std::int32_t docRef, std::string_view menuName, std::string_view macroName,
                             std::string_view itemText, std::int32_t position, std::int32_t flag);

// A command with one integer argument and no result; a failure shows two boxes.
bool RunWordCommand(std::int32_t commandId, std::int32_t value);

// Inserts the text at the host's insertion point; a failure shows two boxes.
bool InsertWordText(std::string_view text);

}  // namespace wordaddin
