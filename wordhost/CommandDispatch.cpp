#include "CommandDispatch.h"

#include <type_traits>

#include "HostCommands.h"
#include "HostStatus.h"

namespace wordhost {
namespace {

// The exported C function has no room for a context, so the one target is process-wide.
HostCommands* dispatchTarget = nullptr;

}  // namespace

void SetDispatchTarget(HostCommands* target) { dispatchTarget = target; }

}  // namespace wordhost

static_assert(std::is_same_v<decltype(wdCommandDispatch), wordaddin::TCommandDispatch>);

extern "C" std::int32_t wdCommandDispatch(std::int32_t commandId, std::int32_t dlgOptions, std::int32_t argCount,
                                          wordaddin::TWordArg* args, wordaddin::TWordArg* result) {
  wordhost::HostCommands* target = wordhost::dispatchTarget;
  if (!target) return wordhost::status::CommandNotAvailable;
  return target->Dispatch(commandId, dlgOptions, argCount, args, result);
}
