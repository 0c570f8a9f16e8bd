#include "HostCommands.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "HostColors.h"
#include "HostDocument.h"
#include "HostLog.h"
#include "HostMenus.h"
#include "HostStatus.h"

namespace wordhost {
namespace {

namespace command = wordaddin::command;
namespace field = wordaddin::field;

// The value of a dialog field of the signature.
const ArgValue& Field(const CommandSignature& signature, const std::vector<ArgValue>& values,
                      std::uint16_t fieldId) {
  const auto spec = std::find_if(signature.args.begin(), signature.args.end(),
                                 [fieldId](const ArgSpec& s) { return s.fieldId == fieldId; });
  return values[static_cast<std::size_t>(spec - signature.args.begin())];
}

// A macro name: a letter, then letters, digits and underscores.
bool IsMacroName(std::string_view name) {
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name.front()))) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

bool IsHostCommand(std::string_view name) { return name == kFileSaveAs || name == kFileExit; }

std::int32_t SwitchValue(const ArgValue& value, bool& target) {
  if (value.integer != 0 && value.integer != 1) return status::OutOfRange;
  target = value.integer == 1;
  return status::Done;
}

}  // namespace

HostCommands::HostCommands(HostDocument& document, HostMenus& menus, HostLog& log, std::int32_t docRef)
    : document_(document), menus_(menus), log_(log), docRef_(docRef) {}

bool HostCommands::IsRegistered(std::string_view name) const {
  return std::any_of(registered_.begin(), registered_.end(),
                     [name](const RegisteredCommand& c) { return c.name == name; });
}

std::int32_t HostCommands::Dispatch(std::int32_t commandId, std::int32_t dlgOptions, std::int32_t argCount,
                                    TWordArg* args, TWordArg* result) noexcept {
  std::int32_t answer = status::OwnError;
  try {
    answer = Answer(commandId, argCount, args, result);
    const CommandSignature* signature = FindSignature(commandId);
    std::string line = "command " + std::to_string(commandId) + " " +
                       std::string(signature ? signature->name : "?");
    if (signature && signature->dialog) line += " options=" + std::to_string(dlgOptions);
    const std::string arguments = DescribeArguments(argCount, args);
    if (!arguments.empty()) line += " " + arguments;
    log_.Add(line + " -> " + std::to_string(answer));
    if (answer == status::Done && changed_) changed_(commandId);
  } catch (const std::bad_alloc&) {
    answer = status::OutOfMemory;
  } catch (...) {
    answer = status::OwnError;
  }
  return answer;
}

std::int32_t HostCommands::Answer(std::int32_t commandId, std::int32_t argCount, TWordArg* args,
                                  TWordArg* result) {
  if (const auto failure = failures_.find(commandId); failure != failures_.end()) return failure->second;
  const CommandSignature* signature = FindSignature(commandId);
  if (!signature) return status::InvalidCommandId;
  std::vector<ArgValue> values;
  if (const std::int32_t fault = ReadArguments(*signature, argCount, args, result, values)) return fault;
  const std::int32_t answer = Execute(*signature, values);
  if (answer == status::Done && result && result->Type != 0) result->Value = 0;
  return answer;
}

std::int32_t HostCommands::Execute(const CommandSignature& signature, const std::vector<ArgValue>& values) {
  CharacterFormat& format = document_.Format();
  switch (signature.id) {
    case command::RegisterMacro: return Register(values);
    case command::AddMenu: return AddMenu(values);
    case command::AddMenuItem: return AddMenuItem(values);
    case command::InsertText: document_.InsertText(values[0].text); return status::Done;
    case command::Italic: return SwitchValue(values[0], format.italic);
    case command::Bold: return SwitchValue(values[0], format.bold);
    case command::Superscript: return SwitchValue(values[0], format.superscript);
    case command::Color:
      if (values[0].integer < 0 || values[0].integer > kLastColorIndex) return status::OutOfRange;
      format.color = values[0].integer;
      return status::Done;
    case command::FormMode: return SwitchValue(values[0], formMode_);
    case command::ScreenRefresh: return SwitchValue(values[0], screenRefresh_);
    default: return status::InvalidCommandId;
  }
}

std::int32_t HostCommands::Register(const std::vector<ArgValue>& values) {
  const std::string& name = values[1].text;
  if (values[0].integer != docRef_) return status::InvalidDocRef;
  if (!IsMacroName(name)) return status::BadMacroName;
  if (hasExport_ && !hasExport_(name)) return status::NoMacro;
  const auto found = std::find_if(registered_.begin(), registered_.end(),
                                  [&name](const RegisteredCommand& c) { return c.name == name; });
  if (found != registered_.end()) {
    found->description = values[2].text;
  } else {
    registered_.push_back(RegisteredCommand{name, values[2].text});
  }
  return status::Done;
}

std::int32_t HostCommands::AddMenu(const std::vector<ArgValue>& values) {
  const CommandSignature& signature = *FindSignature(command::AddMenu);
  if (Field(signature, values, field::DocRef).integer != docRef_) return status::InvalidDocRef;
  const std::string& name = Field(signature, values, field::Text).text;
  if (name.empty()) return status::OutOfRange;
  menus_.AddMenu(name, Field(signature, values, field::Position).integer);
  return status::Done;
}

std::int32_t HostCommands::AddMenuItem(const std::vector<ArgValue>& values) {
  const CommandSignature& signature = *FindSignature(command::AddMenuItem);
  if (Field(signature, values, field::DocRef).integer != docRef_) return status::InvalidDocRef;
  const std::string& macro = Field(signature, values, field::Macro).text;
  const std::string& text = Field(signature, values, field::Text).text;
  if (!IsRegistered(macro) && !IsHostCommand(macro)) return status::NoMacro;
  if (text.empty()) return status::OutOfRange;
  const ArgValue& position = Field(signature, values, field::Position);
  const int at = position.present ? position.integer : -1;
  if (!menus_.AddItem(Field(signature, values, field::Menu).text, text, macro, at)) {
    return status::MenuDoesntExist;
  }
  return status::Done;
}

}  // namespace wordhost
