#pragma once
// Text from the data or from the user, made safe for the generated pages and
// the style sheet.

#include <string>
#include <string_view>

namespace publish {

// Appends text with &, <, > and " written as character references.
void AppendHtmlEscaped(std::string& out, std::string_view text);

// Appends text as a style-sheet identifier: letters, digits, "_" and "-" as
// they are, any other character (and a leading digit) as a backslash escape,
// so that a selector names the class that the pages write.
void AppendCssIdentifier(std::string& out, std::string_view text);

}  // namespace publish
