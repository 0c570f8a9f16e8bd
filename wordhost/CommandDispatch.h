#pragma once
// The host program's exported command dispatcher, "wdCommandDispatch", which
// the add-in looks up by name in the program and calls with every command.

#include <cstdint>

#include "wordaddin/WordAPI.h"

namespace wordhost {

class HostCommands;

// The commands the exported dispatcher hands on to; null: every command is
// answered as not available.
void SetDispatchTarget(HostCommands* target);

}  // namespace wordhost

extern "C" std::int32_t wdCommandDispatch(std::int32_t commandId, std::int32_t dlgOptions, std::int32_t argCount,
                                          wordaddin::TWordArg* args, wordaddin::TWordArg* result);
