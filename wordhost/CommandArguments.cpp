#include "CommandArguments.h"

#include <algorithm>
#include <cstring>

#include "HostStatus.h"
#include "QuotedText.h"

namespace wordhost {
namespace {

namespace command = wordaddin::command;
namespace field = wordaddin::field;
using wordaddin::kArgInteger;
using wordaddin::kArgString;
constexpr ArgKind kInt = ArgKind::Integer;
constexpr ArgKind kText = ArgKind::String;

const std::vector<CommandSignature>& Signatures() {
  static const std::vector<CommandSignature> signatures = {
      {command::RegisterMacro, "RegisterCommand", false,
       {{0, kInt, true}, {0, kText, true}, {0, kText, false}}, false},
      {command::AddMenu, "AddMenu", true,
       {{field::Text, kText, true},
        {field::Position, kInt, false},
        {field::Always152, kInt, false},
        {field::Flag, kInt, false},
        {field::DocRef, kInt, true}},
       true},
      {command::AddMenuItem, "AddMenuItem", true,
       {{field::DocRef, kInt, true},
        {field::Menu, kText, true},
        {field::Macro, kText, true},
        {field::Text, kText, true},
        {field::Position, kInt, false},
        {field::Flag, kInt, false},
        {field::Always328, kInt, false},
        {field::Always152, kInt, false}},
       true},
      {command::InsertText, "InsertText", false, {{0, kText, true}}, false},
      {command::Italic, "Italic", false, {{0, kInt, true}}, false},
      {command::Bold, "Bold", false, {{0, kInt, true}}, false},
      {command::Color, "Color", false, {{0, kInt, true}}, false},
      {command::Superscript, "Superscript", false, {{0, kInt, true}}, false},
      {command::FormMode, "FormMode", false, {{0, kInt, true}}, false},
      {command::ScreenRefresh, "ScreenRefresh", false, {{0, kInt, true}}, false},
  };
  return signatures;
}

// The type without the dialog-field bits.
std::uint16_t BaseType(std::uint16_t type) {
  return type & ~(wordaddin::kFieldFlag40 | wordaddin::kFieldFlag20);
}

// The length of a string slot's text, read no further than one byte past the host's limit.
std::size_t BoundedLength(const char* text) { return strnlen(text, kMaxHostString + 1); }

std::int32_t ReadSlot(const TWordArg& slot, const ArgSpec& spec, bool dialog, ArgValue& value) {
  const std::uint16_t type = BaseType(slot.Type);
  if (type != kArgInteger && type != kArgString) return status::WrongType;
  if (spec.kind == ArgKind::Integer && type == kArgString) {
    return dialog ? status::StringForNumericField : status::NotANumber;
  }
  if (spec.kind == ArgKind::String && type == kArgInteger) {
    return dialog ? status::NumberForStringField : status::NotAString;
  }
  if (type == kArgInteger) {
    if ((slot.Value >> 32) != 0) return status::WrongType;  // an integer keeps its high half 0
    value.integer = slot.IntValue();
  } else {
    const char* text = slot.TextValue();
    if (!text) return status::NullString;
    const std::size_t length = BoundedLength(text);
    if (length > kMaxHostString) return status::StringTooLong;
    value.text.assign(text, length);
  }
  value.present = true;
  return status::Done;
}

std::string DescribeSlot(const TWordArg& slot) {
  switch (BaseType(slot.Type)) {
    case kArgInteger: return std::to_string(slot.IntValue());
    case kArgString: {
      const char* text = slot.TextValue();
      if (!text) return "null";
      const std::size_t length = BoundedLength(text);
      return QuotedText(std::string_view(text, std::min(length, kMaxHostString))) +
             (length > kMaxHostString ? "..." : "");
    }
    default: return "?type=" + std::to_string(slot.Type);
  }
}

}  // namespace

const CommandSignature* FindSignature(std::int32_t commandId) {
  const auto& signatures = Signatures();
  const auto found = std::find_if(signatures.begin(), signatures.end(),
                                  [commandId](const CommandSignature& s) { return s.id == commandId; });
  return found == signatures.end() ? nullptr : &*found;
}

std::int32_t ReadArguments(const CommandSignature& signature, std::int32_t argCount, const TWordArg* args,
                           const TWordArg* result, std::vector<ArgValue>& values) {
  values.assign(signature.args.size(), ArgValue{});
  if (argCount < 0) return status::WrongArgumentCount;
  if (argCount > 0 && !args) return status::BadPointer;
  const auto count = static_cast<std::size_t>(argCount);
  const std::size_t most = signature.dialog ? wordaddin::kMaxWordArgs : signature.args.size();
  if (count > most) return status::TooManyParameters;

  for (std::size_t i = 0; i < count; ++i) {
    const TWordArg& slot = args[i];
    std::size_t index = i;
    if (signature.dialog) {
      const auto spec = std::find_if(signature.args.begin(), signature.args.end(),
                                     [&slot](const ArgSpec& s) { return s.fieldId == slot.FieldId; });
      if (slot.FieldId == 0 || spec == signature.args.end()) return status::FieldNotInDialog;
      index = static_cast<std::size_t>(spec - signature.args.begin());
    } else if (slot.FieldId != 0) {
      return status::NoDialog;
    }
    if (const std::int32_t fault = ReadSlot(slot, signature.args[index], signature.dialog, values[index])) {
      return fault;
    }
  }
  for (std::size_t i = 0; i < signature.args.size(); ++i) {
    if (signature.args[i].required && !values[i].present) return status::WrongArgumentCount;
  }
  if (result && result->Type != 0) {
    if (!signature.integerResult) return status::NotAFunction;
    if (BaseType(result->Type) != kArgInteger) return status::WrongType;
  }
  return status::Done;
}

std::string DescribeArguments(std::int32_t argCount, const TWordArg* args) {
  if (argCount <= 0 || !args) return {};
  const std::size_t count = std::min(static_cast<std::size_t>(argCount), wordaddin::kMaxWordArgs);
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    if (args[i].FieldId != 0) text += std::to_string(args[i].FieldId) + "=";
    text += DescribeSlot(args[i]);
  }
  if (count < static_cast<std::size_t>(argCount)) text += " ...";
  return text;
}

}  // namespace wordhost
