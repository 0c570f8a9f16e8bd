#pragma once
// The desktop entry of the desktop program, after the freedesktop desktop
// entry specification: what the desktop's menus show and start.

#include <optional>
#include <string>
#include <string_view>

namespace data {

// The file name of the entry and the name of the program's icon in the
// icon theme.
inline constexpr char DesktopEntryFileName[] = "ixo-bible.desktop";
inline constexpr char IconName[] = "ixo-bible";

// The entry that starts program (an absolute path or a command on PATH);
// nothing for a path that an entry cannot hold (a line break in it).
std::optional<std::string> DesktopEntry(std::string_view program);

}  // namespace data
