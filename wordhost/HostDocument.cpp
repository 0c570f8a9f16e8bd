#include "HostDocument.h"

namespace wordhost {

HostDocument::HostDocument() : paragraphs_(1) {}

void HostDocument::InsertText(std::string_view text) {
  ++insertions_;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    Append(text.substr(0, end));
    if (end == std::string_view::npos) return;
    const std::size_t mark = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    paragraphs_.emplace_back();
    text.remove_prefix(end + mark);
  }
}

void HostDocument::Append(std::string_view text) {
  if (text.empty()) return;
  std::vector<Run>& runs = paragraphs_.back().runs;
  if (!runs.empty() && runs.back().format == format_) {
    runs.back().text += text;
  } else {
    runs.push_back(Run{std::string(text), format_});
  }
}

}  // namespace wordhost
