#include "FakeHost.h"


namespace wordaddin::testing {
namespace {

FakeHost* installed = nullptr;

}  // namespace

std::string SentCommand::FirstText() const {
  for (const SentArg& arg : args) {
    if (arg.text) return *arg.text;
  }
  return {};
}

std::string SentCommand::Key() const {
  std::string key = std::to_string(id);
  for (const SentArg& arg : args) {
    if (arg.text) key += " " + *arg.text;
  }
  for (const SentArg& arg : args) {
    if (arg.fieldId == field::Position && id == command::AddMenuItem) {
      key += " " + std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(arg.value)));
    }
  }
  return key;
}

FakeHost::FakeHost() { installed = this; }
FakeHost::~FakeHost() { installed = nullptr; }

std::vector<std::string> FakeHost::Keys() const {
  std::vector<std::string> keys;
  for (const SentCommand& command : sent) keys.push_back(command.Key());
  return keys;
}

std::int32_t FakeHost::Dispatch(std::int32_t commandId, std::int32_t dlgOptions, std::int32_t argCount,
                                TWordArg* args, TWordArg* result) {
  SentCommand command{commandId, dlgOptions, {}, result != nullptr, result ? result->Type : std::uint16_t(0)};
  for (std::int32_t i = 0; i < argCount; ++i) {
    const TWordArg& slot = args[i];
    SentArg arg{slot.Value, slot.Length, slot.Type, slot.FieldId, std::nullopt};
    if ((slot.Type & 0x0F) == kArgString && slot.TextValue()) arg.text = std::string(slot.TextValue());
    command.args.push_back(arg);
  }
  sent.push_back(command);
  return answer ? answer(sent.back(), result) : 0;
}

}  // namespace wordaddin::testing

extern "C" std::int32_t wdCommandDispatch(std::int32_t commandId, std::int32_t dlgOptions, std::int32_t argCount,
                                          wordaddin::TWordArg* args, wordaddin::TWordArg* result) {
  using wordaddin::testing::installed;
  return installed ? installed->Dispatch(commandId, dlgOptions, argCount, args, result) : 5003;
}
