#include "WordAPI.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Dialogs.h"
#include "platform/SharedLibrary.h"
#include "worddecs.h"

namespace wordaddin {
namespace {

std::uint64_t PointerValue(const void* pointer) {
  return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

std::uint64_t IntegerValue(std::int32_t value) {
  return static_cast<std::uint32_t>(value);  // the high 4 bytes stay 0
}

}  // namespace

void TWordCommand::Init(std::int32_t commandId, std::uint16_t resultType, void* resultBuf,
                        std::uint16_t resultSize) {
  *this = TWordCommand{};
  CommandId = commandId;
  ResultBuf = resultBuf;
  ResultSize = resultSize;
  Result.Type = resultType;
  if (resultType == kArgString) {
    Result.Value = PointerValue(resultBuf);
    Result.Length = resultSize;
  }
}

void TWordCommand::InitDialog(std::int32_t commandId, std::uint16_t resultType, void* resultBuf,
                              std::uint16_t resultSize, std::uint8_t dlgOptions, std::uint8_t flags) {
  Init(commandId, resultType, resultBuf, resultSize);
  DlgOptions = dlgOptions;
  Flags = flags;
}

TWordArg* TWordCommand::NextSlot() {
  if (ArgCount < 0 || static_cast<std::size_t>(ArgCount) >= Args.size()) {
    Refused = true;
    return nullptr;
  }
  return &Args[static_cast<std::size_t>(ArgCount)];
}

bool TWordCommand::AddInt(std::int32_t value) {
  TWordArg* slot = NextSlot();
  if (!slot) return false;
  slot->Value = IntegerValue(value);
  slot->Type = kArgInteger;
  ++ArgCount;
  return true;
}

bool TWordCommand::AddString(const char* text) {
  TWordArg* slot = NextSlot();
  if (!slot) return false;
  slot->Value = PointerValue(text);
  slot->Type = kArgString;
  ++ArgCount;
  return true;
}

bool TWordCommand::SetFieldType(std::uint16_t fieldId, std::uint16_t type) {
  TWordArg* slot = NextSlot();
  if (!slot) return false;
  slot->Type = type;
  slot->FieldId = fieldId;
  if (Flags & 0x01) slot->Type |= kFieldFlag40;
  if (Flags & 0x02) slot->Type |= kFieldFlag20;
  return true;
}

bool TWordCommand::AddFieldInt(std::uint16_t fieldId, std::int32_t value) {
  if (!SetFieldType(fieldId, kArgInteger)) return false;
  Args[static_cast<std::size_t>(ArgCount)].Value = IntegerValue(value);
  ++ArgCount;
  return true;
}

bool TWordCommand::AddFieldString(std::uint16_t fieldId, const char* text, std::uint16_t length) {
  if (!SetFieldType(fieldId, kArgString)) return false;
  TWordArg& slot = Args[static_cast<std::size_t>(ArgCount)];
  slot.Value = PointerValue(text);
  slot.Length = length;
  ++ArgCount;
  return true;
}

std::int32_t TWordCommand::Execute() {
  std::int32_t status = kStatusTooManyParameters;
  if (!Refused) {
    TWordArg* result = Result.Type != 0 ? &Result : nullptr;
    status = CallCommandDispatch(CommandId, DlgOptions, ArgCount, Args.data(), result);
  }
  if (status != 0) {
    ShowWordError("debug", status);
  } else {
    CopyResult(ResultBuf, ResultSize);
  }
  return status;
}

void TWordCommand::CopyResult(void* resultBuf, std::uint16_t resultSize) const {
  if (Result.Type == 0 || Result.Type == kArgString || resultBuf == nullptr) return;
  const std::size_t size = std::min<std::size_t>(resultSize, sizeof(Result.Value));
  std::memcpy(resultBuf, &Result.Value, size);
}

bool TWordCommand::Run() {
  const std::int32_t status = Execute();
  if (status != 0) ShowWordError(std::to_string(CommandId), status);
  return status == 0;
}

std::int32_t CallCommandDispatch(std::int32_t commandId, std::uint8_t dlgOptions, std::int32_t argCount,
                                 TWordArg* args, TWordArg* result) {
  // Looked up on every call, so that a host that went away is noticed at once.
  const platform::SharedLibrary host = platform::SharedLibrary::Program();
  auto* dispatch = host.Bind<TCommandDispatch>(kCommandDispatchName);
  if (!dispatch) return kStatusNoWordLink;
  return dispatch(commandId, dlgOptions, argCount, args, result);
}

void ShowWordError(std::string_view caption, std::int32_t code) {
  platform::MessageBox(WordErrorName(code), caption, platform::DialogButtons::OK);
}

}  // namespace wordaddin
