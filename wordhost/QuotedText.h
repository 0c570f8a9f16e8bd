#pragma once
// Text in double quotes for the host's listings, every byte visible: a quote,
// a backslash and control characters are escaped, blanks kept as they are.

#include <string>
#include <string_view>

namespace wordhost {

std::string QuotedText(std::string_view text);

}  // namespace wordhost
