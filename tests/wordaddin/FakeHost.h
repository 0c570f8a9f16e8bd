#pragma once
// A host for the add-in's tests: this test program exports the command
// dispatcher, and a FakeHost records every command it is sent and answers as
// the test says.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "wordaddin/WordAPI.h"

namespace wordaddin::testing {

struct SentArg {
  std::uint64_t value = 0;
  std::uint16_t length = 0;
  std::uint16_t type = 0;
  std::uint16_t fieldId = 0;
  std::optional<std::string> text;  // the string of a string argument
};

struct SentCommand {
  std::int32_t id = 0;
  std::int32_t dlgOptions = 0;
  std::vector<SentArg> args;
  bool resultWanted = false;
  std::uint16_t resultType = 0;

  // The first string argument, or "".
  std::string FirstText() const;
  // "id" and the string arguments, then the integer of field 43 for menu items:
  // a short key to compare sequences of commands by.
  std::string Key() const;
};

// Installed as the target of the exported dispatcher for its lifetime.
class FakeHost {
 public:
  FakeHost();
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // Answers a command (after it is recorded); may write into the result slot. Default: 0.
  std::function<std::int32_t(const SentCommand&, TWordArg* result)> answer;
  std::vector<SentCommand> sent;

  std::vector<std::string> Keys() const;
  std::int32_t Dispatch(std::int32_t commandId, std::int32_t dlgOptions, std::int32_t argCount, TWordArg* args,
                        TWordArg* result);
};

}  // namespace wordaddin::testing
