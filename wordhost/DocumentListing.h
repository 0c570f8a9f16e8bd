#pragma once
// The host's document listed line by line for the headless host: each
// paragraph, then each of its runs with its text and format.

#include <string>

namespace wordhost {

class HostDocument;

// "paragraph N", then one line per run: two blanks, the quoted text, then
// " bold", " italic", " superscript" and " color N" as they apply.
std::string ListDocument(const HostDocument& document);

}  // namespace wordhost
