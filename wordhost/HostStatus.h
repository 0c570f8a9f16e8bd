#pragma once
// The statuses the host answers a command with (0 = done).

#include <cstdint>

namespace wordhost::status {

inline constexpr std::int32_t Done = 0;
inline constexpr std::int32_t NoMacro = 511;
inline constexpr std::int32_t BadMacroName = 536;
inline constexpr std::int32_t MenuDoesntExist = 549;
inline constexpr std::int32_t InvalidCommandId = 5001;
inline constexpr std::int32_t CommandNotAvailable = 5003;
inline constexpr std::int32_t WrongArgumentCount = 5004;
inline constexpr std::int32_t OwnError = 5005;
inline constexpr std::int32_t NotAFunction = 5007;
inline constexpr std::int32_t WrongType = 5008;
inline constexpr std::int32_t StringTooLong = 5009;
inline constexpr std::int32_t NoDialog = 5013;
inline constexpr std::int32_t OutOfMemory = 5014;
inline constexpr std::int32_t TooManyParameters = 5015;
inline constexpr std::int32_t FieldNotInDialog = 5016;
inline constexpr std::int32_t NotANumber = 5020;
inline constexpr std::int32_t NotAString = 5021;
inline constexpr std::int32_t OutOfRange = 5022;
inline constexpr std::int32_t StringForNumericField = 5023;
inline constexpr std::int32_t NumberForStringField = 5024;
inline constexpr std::int32_t BadPointer = 5030;
inline constexpr std::int32_t InvalidDocRef = 5032;
inline constexpr std::int32_t NullString = 5034;

}  // namespace wordhost::status
