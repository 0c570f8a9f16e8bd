#pragma once
// The settings store in place of the Windows registry: two hives, each a
// REGEDIT4 text file named after the hive ("HKEY_CURRENT_USER.reg",
// "HKEY_LOCAL_MACHINE.reg") in $IXO_REGISTRY, else
// $XDG_CONFIG_HOME/ixo/registry/ (~/.config/ixo/registry/).
//
// Key paths keep their backslashes ("SOFTWARE\Varnholt\Ixo Bible") and are
// compared without regard to case, as are value names; a leading backslash
// and empty parts are ignored. A key exists when the hive file has its
// section or a section of a key below it; creating a key also writes the
// sections of the keys above it. Values are strings and 32-bit integers
// (stored as dwords, negative ones as their two's complement); the file
// format is described in RegistryHive.h.
//
// Every read and every write reads the hive file afresh, and every write
// replaces it atomically, so a value written through one object is read by
// any other. The folder is created on the first write. A hive file that
// cannot be parsed is reported once per process through the dialog service
// (naming the file and the line), reads as empty, and is never overwritten:
// writes to it fail.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

struct RegistryValue;

enum class RootKey { LocalMachine, CurrentUser };

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
std::string_view RootKeyName(RootKey root);

// The folder of the hive files, with a trailing separator.
std::string RegistryFolder();

class TRegistry {
 public:
  explicit TRegistry(RootKey root = RootKey::CurrentUser) : root_(root) {}

  // Changing the root closes the open key.
  void SetRootKey(RootKey root);
  RootKey GetRootKey() const { return root_; }

  // Opens a key below the root (the path is taken from the root, whatever key
  // is open); with canCreate a missing key is created (and stored). False when
  // the key does not exist and may not be created, or when it cannot be
  // stored (a path holding a line break or "]" never is); no key is open then.
  bool OpenKey(std::string_view key, bool canCreate);
  void CloseKey();
  bool IsOpen() const { return open_; }
  const std::string& CurrentPath() const { return key_; }

  bool ValueExists(std::string_view name) const;

  // Missing values, and values of another type, give nothing.
  std::optional<std::string> ReadString(std::string_view name) const;
  std::optional<std::int32_t> ReadInteger(std::string_view name) const;

  // False when no key is open or the hive cannot be written, and for what the
  // file cannot hold: a value of the root key itself, names and strings
  // holding a line break or a NUL.
  bool WriteString(std::string_view name, std::string_view value);
  bool WriteInteger(std::string_view name, std::int32_t value);
  // Writes the values in one replacement of the hive file: all of them, or
  // (when one cannot be held or the file cannot be written) none.
  bool WriteValues(std::span<const RegistryValue> values);
  // False also when there is no such value.
  bool DeleteValue(std::string_view name);

 private:
  RootKey root_;
  bool open_ = false;
  std::string key_;
};

}  // namespace platform
