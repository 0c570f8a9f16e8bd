#pragma once
// One hive of the settings store as the text of a REGEDIT4 file:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\SOFTWARE\Varnholt\Ixo Bible]
//   "Document"="/home/me/Documents/Ixo Bible/"
//   "Settings"=dword:00008006
//
// The first line is "REGEDIT4"; then blank lines, key sections (the hive's
// name, then the key's path below it) and, under a section, values: the name
// in quotes (or @ for the key's unnamed value), "=", and a string in quotes or
// "dword:" with one to eight hexadecimal digits. In names and strings a
// backslash and a quote are written as \\ and \"; other escapes, other value
// types, lines of any other form and sections of another hive make the text
// unreadable. Blanks around a line are ignored; an empty text is an empty
// hive.
//
// Key paths are compared without regard to case, empty parts ("a\\b", a
// leading "\") are ignored; a key exists when its section exists or a section
// of a key below it does. Value names compare without regard to case; a value
// given twice in one key takes the last one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct RegistryValue {
  enum class Type { String, DWord };
  std::string name;  // empty: the key's unnamed value
  Type type = Type::String;
  std::string text;          // String
  std::uint32_t number = 0;  // DWord

  static RegistryValue String(std::string name, std::string text);
  // A negative number is kept as its two's complement.
  static RegistryValue Integer(std::string name, std::int32_t number);
};

class RegistryHive {
 public:
  // rootName: "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE".
  explicit RegistryHive(std::string rootName) : rootName_(std::move(rootName)) {}

  struct ParseError {
    int line = 0;  // 1-based
    std::string reason;
  };
  // Replaces the hive with the text's keys; on an error the hive is empty.
  std::optional<ParseError> Parse(std::string_view text);
  // "REGEDIT4", a blank line, then each key: its section line, its values, a blank line.
  std::string Serialize() const;

  // The path with single backslashes between its parts, as it is stored.
  static std::string NormalizePath(std::string_view path);

  // Whether the file can hold a key of this path: no line break, NUL or "]"
  // (which ends a key's line).
  static bool CanHoldPath(std::string_view path);
  // Whether the file can hold a value of this name and text at this key: a
  // key below the root (the root holds no values) that it can hold, and no
  // line break or NUL in the name or the text.
  static bool CanHoldValue(std::string_view path, const RegistryValue& value);

  bool KeyExists(std::string_view path) const;
  // Adds sections for the key and each missing key above it, each new one
  // after the keys below its parent, so the file lists keys as a tree. False,
  // with nothing added, for a path the file cannot hold.
  bool CreateKey(std::string_view path);

  const RegistryValue* FindValue(std::string_view path, std::string_view name) const;
  // Creates the key when it is missing; a value of that name is replaced in
  // place, keeping the name as first written. False, with nothing changed,
  // for a value the file cannot hold there.
  bool SetValue(std::string_view path, RegistryValue value);
  // False when there was no such value.
  bool DeleteValue(std::string_view path, std::string_view name);

 private:
  struct Key {
    std::string path;  // normalized, below the root; empty for the root itself
    std::vector<RegistryValue> values;
  };

  Key* FindKey(std::string_view normalizedPath);
  const Key* FindKey(std::string_view normalizedPath) const;
  Key& AddKey(std::string path);
  // The path as the sections of the file spell it, when it is there.
  std::string SpelledAsStored(std::string path) const;
  std::optional<std::string> ParseSection(std::string_view line, std::string& path) const;

  std::string rootName_;
  std::vector<Key> keys_;  // in file order
};

}  // namespace platform
