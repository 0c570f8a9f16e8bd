#pragma once
// The host's menu bar: menus of items, each item running a command by name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordhost {

struct MenuItem {
  std::string text;
  std::string command;
};

struct Menu {
  std::string name;
  std::vector<MenuItem> items;
};

// The host's own commands, run by the host itself.
inline constexpr char kFileSaveAs[] = "FileSaveAs";
inline constexpr char kFileExit[] = "FileExit";

class HostMenus {
 public:
  // The host's menu bar before any add-in: File, Edit, View, Insert, Format, Tools, Help.
  HostMenus();

  // Adds a menu at a 1-based position (below 1 or past the end: at the end);
  // a menu of that name that is there already stays where it is.
  void AddMenu(std::string_view name, int position);

  // Adds an item to a menu at a 1-based position (below 1 or past the end: at
  // the end); the same item twice is kept once. False when there is no such menu.
  bool AddItem(std::string_view menu, std::string_view text, std::string_view command, int position);

  bool HasMenu(std::string_view name) const { return Find(name) != nullptr; }
  const std::vector<Menu>& Menus() const { return menus_; }

 private:
  const Menu* Find(std::string_view name) const;
  Menu* Find(std::string_view name);

  std::vector<Menu> menus_;
};

// Menu names compare without regard to case.
bool SameMenuName(std::string_view a, std::string_view b);

}  // namespace wordhost
