#pragma once
// INI files with the class library's semantics: sections and keys compared
// without regard to case, order kept, foreign sections kept, a missing file
// reads as empty, CR LF line ends. The parsed file is kept and parsed again
// when the file changes on disk, so reads are cheap and always current; every
// write replaces the file atomically (temporary file, then rename).
//
// Reading (see IniDocument.h for the rules of the text): names are trimmed of
// blanks, values are trimmed of blanks and lose one pair of surrounding
// double or single quotes, as the system's profile functions read them.
// Writing puts "key=value" lines, a new section as "[name]" at the end of the
// file with no blank line before it, and leaves every other line as it was
// (line ends become CR LF).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "IniDocument.h"
#include "WholeFile.h"

namespace platform {

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(std::string_view section, std::string_view ident,
                         std::string_view defaultValue) const;
  // A value that is not a decimal integer in the 32-bit range gives the
  // default: an optional sign and digits only, so "$1F", "0x1F", "1.5" and an
  // empty value give the default (blanks around the value are trimmed first).
  std::int32_t ReadInteger(std::string_view section, std::string_view ident,
                           std::int32_t defaultValue) const;
  // "0" is false, any other integer true; anything else gives the default.
  bool ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const;

  // Writing an existing key replaces it in place; a key of a missing section
  // appends the section at the end. False when the file cannot be written,
  // when it exists but cannot be read (it is then left alone), or when the
  // names or the value cannot be stored as one line (a line break in any of
  // them, an empty section name, or a key name that holds "=" or begins with
  // "[" or ";"). Integers are written in decimal, Booleans as "1" and "0".
  bool WriteString(std::string_view section, std::string_view ident, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view ident, std::int32_t value);
  bool WriteBool(std::string_view section, std::string_view ident, bool value);

  // Key names of a section, in file order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  // Lines "key=value" of a section, in file order.
  std::vector<std::string> ReadSectionValues(std::string_view section) const;
  // Section names, in file order.
  std::vector<std::string> ReadSections() const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view ident) const;

  // True when the section or key is gone afterwards (also when it was not
  // there, which writes nothing); false when the file could not be written.
  bool EraseSection(std::string_view section);
  bool DeleteKey(std::string_view section, std::string_view ident);

 private:
  // Brings the parsed text up to date with the file; false when the file
  // exists but cannot be read.
  bool Refresh() const;
  // Applies a change to the current text and writes the file when it changed.
  template <typename Change>
  bool Modify(Change change);

  std::string fileName_;
  mutable IniDocument document_;
  mutable std::optional<FileStamp> stamp_;  // of the file the text was parsed from
  mutable bool readable_ = true;
};

}  // namespace platform
