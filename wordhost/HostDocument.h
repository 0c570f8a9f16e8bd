#pragma once
// The host's document: paragraphs of runs of text, each run in one character
// format. Text goes in at the insertion point, the end of the document, in the
// format the insertion point has.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wordhost {

struct CharacterFormat {
  bool bold = false;
  bool italic = false;
  bool superscript = false;
  int color = 0;  // an index of the host's palette, 0 = automatic
  bool operator==(const CharacterFormat&) const = default;
};

struct Run {
  std::string text;
  CharacterFormat format;
};

struct Paragraph {
  std::vector<Run> runs;
};

class HostDocument {
 public:
  HostDocument();

  // The format of the insertion point, which the next text takes.
  CharacterFormat& Format() { return format_; }
  const CharacterFormat& Format() const { return format_; }

  // Inserts text at the insertion point; a line feed, a carriage return or the
  // two together end the paragraph.
  void InsertText(std::string_view text);

  // At least one paragraph; the last one holds the insertion point.
  const std::vector<Paragraph>& Paragraphs() const { return paragraphs_; }

  // Counts the insertions: a view that has shown the document at one count
  // shows it as it is as long as the count stays.
  std::uint64_t Insertions() const { return insertions_; }

 private:
  void Append(std::string_view text);

  std::vector<Paragraph> paragraphs_;
  CharacterFormat format_;
  std::uint64_t insertions_ = 0;
};

}  // namespace wordhost
