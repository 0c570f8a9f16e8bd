#include "Wrdbasic.h"

#include <algorithm>
#include <array>
#include <string>

#include "WordAPI.h"

namespace wordaddin {
namespace {

// A text cut to kMaxMenuText characters in a NUL-terminated buffer of its own.
class MenuText {
 public:
  explicit MenuText(std::string_view text) : length_(std::min(text.size(), kMaxMenuText)) {
    std::copy_n(text.data(), length_, chars_.data());
  }
  const char* Chars() const { return chars_.data(); }
  std::uint16_t Length() const { return static_cast<std::uint16_t>(length_); }
  bool Empty() const { return length_ == 0; }

 private:
  std::array<char, kMaxMenuText + 1> chars_{};
  std::size_t length_;
};

constexpr std::uint8_t kMenuDialogOptions = 2;
constexpr std::uint8_t kMenuFieldFlags = 2;  // every field type carries 0x20

}  // namespace

std::int32_t AddWordCommand(std::int32_t docRef, std::string_view macroName, std::string_view description) {
  const MenuText macro(macroName);
  const MenuText about(description);
  TWordCommand cmd;
  cmd.Init(command::RegisterMacro, 0, nullptr, 0);
  cmd.AddInt(docRef);
  cmd.AddString(macro.Chars());
  if (!about.Empty()) cmd.AddString(about.Chars());
  return cmd.Execute();
}

std::int32_t AddWordMenu(std::int32_t docRef, std::string_view menuName, std::int32_t position,
                         std::int32_t flag) {
  const MenuText menu(menuName);
  TWordCommand cmd;
  cmd.InitDialog(command::AddMenu, kArgInteger, nullptr, 0, kMenuDialogOptions, kMenuFieldFlags);
  cmd.AddFieldString(field::Text, menu.Chars(), menu.Length());
  cmd.AddFieldInt(field::Position, position);
  cmd.AddFieldInt(field::Always152, 1);
  cmd.AddFieldInt(field::Flag, flag);
  cmd.AddFieldInt(field::DocRef, docRef);
  return cmd.Execute();
}

std::int32_t AddWordMenuItem(std::int32_t docRef, std::string_view menuName, std::string_view macroName,
                             std::string_view itemText, std::int32_t position, std::int32_t flag) {
  const MenuText menu(menuName);
  const MenuText macro(macroName);
  const MenuText text(itemText);
  TWordCommand cmd;
  cmd.InitDialog(command::AddMenuItem, kArgInteger, nullptr, 0, kMenuDialogOptions, kMenuFieldFlags);
  cmd.AddFieldInt(field::DocRef, docRef);
  cmd.AddFieldString(field::Menu, menu.Chars(), menu.Length());
  cmd.AddFieldString(field::Macro, macro.Chars(), macro.Length());
  cmd.AddFieldString(field::Text, text.Chars(), text.Length());
  cmd.AddFieldInt(field::Position, position);
  cmd.AddFieldInt(field::Flag, flag);
  cmd.AddFieldInt(field::Always328, 1);
  cmd.AddFieldInt(field::Always152, 1);
  return cmd.Execute();
}

bool RunWordCommand(std::int32_t commandId, std::int32_t value) {
  TWordCommand cmd;
  cmd.Init(commandId, 0, nullptr, 0);
  cmd.AddInt(value);
  return cmd.Run();
}

bool InsertWordText(std::string_view text) {
  const std::string chars(text);
  TWordCommand cmd;
  cmd.Init(command::InsertText, 0, nullptr, 0);
  cmd.AddString(chars.c_str());
  return cmd.Run();
}

}  // namespace wordaddin
