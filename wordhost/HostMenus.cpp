#include "HostMenus.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace wordhost {
namespace {

template <typename List, typename Entry>
void InsertAt(List& list, Entry entry, int position) {
  const bool inside = position >= 1 && static_cast<std::size_t>(position) <= list.size();
  list.insert(inside ? list.begin() + (position - 1) : list.end(), std::move(entry));
}

}  // namespace

bool SameMenuName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

HostMenus::HostMenus()
    : menus_{{"File", {{"Save As...", kFileSaveAs}, {"Exit", kFileExit}}},
             {"Edit", {}},
             {"View", {}},
             {"Insert", {}},
             {"Format", {}},
             {"Tools", {}},
             {"Help", {}}} {}

const Menu* HostMenus::Find(std::string_view name) const {
  const auto found = std::find_if(menus_.begin(), menus_.end(),
                                  [name](const Menu& menu) { return SameMenuName(menu.name, name); });
  return found == menus_.end() ? nullptr : &*found;
}

Menu* HostMenus::Find(std::string_view name) {
  return const_cast<Menu*>(std::as_const(*this).Find(name));
}

void HostMenus::AddMenu(std::string_view name, int position) {
  if (HasMenu(name)) return;
  InsertAt(menus_, Menu{std::string(name), {}}, position);
}

bool HostMenus::AddItem(std::string_view menu, std::string_view text, std::string_view command, int position) {
  Menu* target = Find(menu);
  if (!target) return false;
  const bool present = std::any_of(target->items.begin(), target->items.end(), [&](const MenuItem& item) {
    return item.text == text && item.command == command;
  });
  if (!present) InsertAt(target->items, MenuItem{std::string(text), std::string(command)}, position);
  return true;
}

}  // namespace wordhost
