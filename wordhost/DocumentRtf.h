#pragma once
// The host's document as an RTF file.

#include <string>

namespace wordhost {

class HostDocument;

// The whole RTF text: the palette as the colour table, one \par between
// paragraphs, each formatted run in a group of its own.
std::string DocumentRtf(const HostDocument& document);

}  // namespace wordhost
