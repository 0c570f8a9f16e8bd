#pragma once
// Readable names of the statuses the host's command dispatcher answers with.

#include <cstdint>
#include <string>

namespace wordaddin {

// The name of a host status: "WrdApi No Error" for 0, the host's macro-language
// error names (blank-padded as the host stores them), the dispatcher's own
// statuses 5000 to 5034, else "Undefined Error type " and the code.
std::string WordErrorName(std::int32_t code);

}  // namespace wordaddin
