#pragma once
// The folders the kit puts its files in, chosen by a path prefix.
//
// On this system the "Windows folder" (where settings files lived) is the
// user's configuration folder and the "system folder" is /usr/lib.

#include <string>

namespace kit {

enum class TKitPathPrefix { ppWindows, ppSystem, ppProgram, ppFixed };

// The folder of the running program, with its trailing separator.
std::string ProgramFolder();
// Without a trailing separator, as the system gives them.
std::string WindowsFolder();
std::string SystemFolder();

// The folder of the prefix with a trailing separator (slash) or without one;
// ppFixed gives the empty text.
std::string MakePathPrefix(TKitPathPrefix prefix, bool slash);

}  // namespace kit
