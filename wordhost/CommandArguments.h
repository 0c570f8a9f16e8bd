#pragma once
// What each host command takes, and the checks of the argument slots a caller
// hands over: their count, types, dialog fields and strings.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wordaddin/WordAPI.h"

namespace wordhost {

using wordaddin::TWordArg;

enum class ArgKind { Integer, String };

struct ArgSpec {
  std::uint16_t fieldId;  // 0 for a plain argument
  ArgKind kind;
  bool required;
};

struct CommandSignature {
  std::int32_t id;
  std::string_view name;
  bool dialog;                // takes dialog fields (any order) rather than plain arguments (in order)
  std::vector<ArgSpec> args;  // the plain arguments in order, or the dialog's fields
  bool integerResult;         // answers an integer when asked for a result
};

// The signature of a command number; null for a number the host does not know.
const CommandSignature* FindSignature(std::int32_t commandId);

struct ArgValue {
  bool present = false;
  std::int32_t integer = 0;
  std::string text;
};

// Longest string the host takes.
inline constexpr std::size_t kMaxHostString = 255;

// Checks the slots and the result slot against the signature. Returns 0 with
// one value per entry of signature.args, or the host's status for the first fault.
std::int32_t ReadArguments(const CommandSignature& signature, std::int32_t argCount, const TWordArg* args,
                           const TWordArg* result, std::vector<ArgValue>& values);

// The slots as the host's log shows them: plain arguments as values, dialog
// fields as number=value, strings quoted.
std::string DescribeArguments(std::int32_t argCount, const TWordArg* args);

}  // namespace wordhost
