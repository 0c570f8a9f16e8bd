#pragma once
// The text of an INI file as lines, with the sections and keys found in them.
// Every line is kept as it was read, so that a rewrite changes only what was
// written; lines that are neither section headers nor keys (blank lines,
// comments, lines before the first section, lines without "=") are kept and
// otherwise ignored.
//
// A section header is a line that begins with "[" (after blanks) and holds a
// "]"; the name is the text between the "[" and the last "]", trimmed. A key
// is a line of a section, not beginning with ";", that holds "=": its name is
// the text before the first "=", its value the text after it, both trimmed of
// blanks and tabs, and one pair of double or single quotes around the whole
// value removed. Names compare without regard to case. When a section name
// occurs twice the first occurrence is the section; when a key occurs twice in
// it, the first is the key.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class IniDocument {
 public:
  // A section or key name as the file holds it: without a leading byte-order
  // mark (the reader drops one at the start of every line) and trimmed of
  // blanks. Every name a caller gives is taken so, on writes and reads alike,
  // so that what is written under a name reads back under it.
  static std::string_view CleanName(std::string_view name);

  void Parse(std::string_view text);
  // Every line followed by CR LF.
  std::string Serialize() const;

  // The value of a key, or nullptr.
  const std::string* Find(std::string_view section, std::string_view ident) const;
  bool HasSection(std::string_view section) const;
  // In file order.
  std::vector<std::string> Sections() const;
  std::vector<std::string> Keys(std::string_view section) const;
  std::vector<std::string> KeyValueLines(std::string_view section) const;

  // Changes; each returns whether the text changed. Set replaces an existing
  // key in place (keeping the name as written), adds a new key after the last
  // key of the section, or appends the section at the end of the text.
  bool Set(std::string_view section, std::string_view ident, std::string_view value);
  // Every occurrence of the section, its header and all its lines.
  bool EraseSection(std::string_view section);
  // Every key of that name in the section.
  bool DeleteKey(std::string_view section, std::string_view ident);

 private:
  struct Line {
    enum class Kind { Other, Section, Key };
    std::string raw;
    Kind kind = Kind::Other;
    std::string name;   // section or key name
    std::string value;  // keys only
  };
  // The lines of one occurrence of a section: header and the lines up to the next header.
  struct Span {
    std::size_t header = 0;
    std::size_t end = 0;
  };

  static Line Classify(std::string raw, bool inSection);
  void Index();
  const Span* FindSpan(std::string_view section) const;
  std::size_t FindKeyLine(const Span& span, std::string_view ident) const;

  std::vector<Line> lines_;
  std::vector<Span> spans_;                                 // in file order
  std::unordered_map<std::string, std::size_t> sections_;  // folded name to its first span
};

}  // namespace platform
