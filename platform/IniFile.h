#pragma once
// INI files with the class library's semantics: sections and keys compared
// without regard to case, order kept, foreign sections kept, a missing file
// reads as empty, CR LF line ends. The parsed file is kept and parsed again
// when the file changes on disk, so reads are cheap and always current; every
// write replaces the file atomically (temporary file, then rename).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(std::string_view section, std::string_view ident,
                         std::string_view defaultValue) const;
  // A value that is not a decimal integer gives the default.
  std::int32_t ReadInteger(std::string_view section, std::string_view ident,
                           std::int32_t defaultValue) const;
  // "0" is false, any other integer true; anything else gives the default.
  bool ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const;

  // Writing an existing key replaces it in place; a key of a missing section
  // appends the section at the end. False when the file cannot be written.
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

  bool EraseSection(std::string_view section);
  bool DeleteKey(std::string_view section, std::string_view ident);

 private:
  std::string fileName_;
};

}  // namespace platform
