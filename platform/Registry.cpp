#include "Registry.h"

#include <cstdlib>
#include <mutex>
#include <set>
#include <vector>

#include "Dialogs.h"
#include "Paths.h"
#include "RegistryHive.h"
#include "ShellFolders.h"
#include "WholeFile.h"

namespace platform {
namespace {

std::string HiveFileIn(const std::string& folder, RootKey root) {
  return IncludeTrailingSeparator(folder) + std::string(RootKeyName(root)) + ".reg";
}

// Where a hive is written: always the settings store's own folder.
std::string HiveFile(RootKey root) { return HiveFileIn(RegistryFolder(), root); }

// The system configuration folders, most important first: $XDG_CONFIG_DIRS
// (absolute entries only), else /etc/xdg.
std::vector<std::string> SystemConfigurationFolders() {
  const char* variable = std::getenv("XDG_CONFIG_DIRS");
  std::vector<std::string> folders = FolderList(variable && *variable ? variable : "/etc/xdg");
  std::erase_if(folders, [](const std::string& folder) { return !folder.starts_with('/'); });
  return folders;
}

// Where a hive is read. The machine hive of a system-wide installation stands
// in a system configuration folder, read when the store's own folder has none
// (and $IXO_REGISTRY does not name the store).
std::string HiveFileToRead(RootKey root) {
  std::string own = HiveFile(root);
  const char* named = std::getenv("IXO_REGISTRY");
  if (root != RootKey::LocalMachine || (named && *named) || FileExists(own)) return own;
  for (const std::string& folder : SystemConfigurationFolders()) {
    std::string system = HiveFileIn(JoinPath(folder, "ixo/registry"), root);
    if (FileExists(system)) return system;
  }
  return own;
}

// Tells the user, once per process and file, that a hive file cannot be used.
void ReportUnreadableHive(const std::string& file, const std::string& why) {
  static std::mutex mutex;
  static std::set<std::string> reported;
  {
    std::lock_guard lock(mutex);
    if (!reported.insert(file).second) return;
  }
  MessageDlg("The settings file \"" + file + "\" cannot be read (" + why +
                 "). Its settings are ignored and the file is left unchanged.",
             DialogType::Error);
}

struct LoadedHive {
  RegistryHive hive;
  bool writable = true;  // false when the file exists but cannot be used
};

LoadedHive LoadHive(RootKey root) {
  const std::string file = HiveFileToRead(root);
  LoadedHive loaded{RegistryHive(std::string(RootKeyName(root)))};
  const WholeFile whole = ReadWholeFile(file);
  if (whole.status == WholeFile::Status::Missing) return loaded;
  if (whole.status == WholeFile::Status::Unreadable) {
    ReportUnreadableHive(file, whole.error);
    loaded.writable = false;
  } else if (const auto error = loaded.hive.Parse(whole.bytes)) {
    ReportUnreadableHive(file, "line " + std::to_string(error->line) + ": " + error->reason);
    loaded.writable = false;
  }
  return loaded;
}

// Reads the hive afresh, applies the change and, when it changed anything,
// replaces the file in the store's own folder (which then holds every value
// of a system hive it was read from). False when the hive cannot be read or
// written.
template <typename Change>
bool ModifyHive(RootKey root, Change change) {
  LoadedHive loaded = LoadHive(root);
  if (!loaded.writable) return false;
  if (!change(loaded.hive)) return true;
  return ReplaceFileCreatingFolder(HiveFile(root), loaded.hive.Serialize());
}

bool SameValue(const RegistryValue* a, const RegistryValue& b) {
  return a && a->type == b.type && a->text == b.text && a->number == b.number;
}

}  // namespace

std::string_view RootKeyName(RootKey root) {
  return root == RootKey::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string RegistryFolder() {
  const char* folder = std::getenv("IXO_REGISTRY");
  if (folder && *folder) return IncludeTrailingSeparator(folder);
  return IncludeTrailingSeparator(JoinPath(ConfigurationFolder(), "ixo/registry"));
}

void TRegistry::SetRootKey(RootKey root) {
  CloseKey();
  root_ = root;
}

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
  CloseKey();
  std::string path = RegistryHive::NormalizePath(key);
  if (!LoadHive(root_).hive.KeyExists(path)) {
    if (!canCreate || !RegistryHive::CanHoldPath(path)) return false;
    const bool created = ModifyHive(root_, [&](RegistryHive& hive) {
      if (hive.KeyExists(path)) return false;
      hive.CreateKey(path);
      return true;
    });
    if (!created) return false;
  }
  key_ = std::move(path);
  open_ = true;
  return true;
}

void TRegistry::CloseKey() {
  open_ = false;
  key_.clear();
}

bool TRegistry::ValueExists(std::string_view name) const {
  return open_ && LoadHive(root_).hive.FindValue(key_, name) != nullptr;
}

std::optional<std::string> TRegistry::ReadString(std::string_view name) const {
  if (!open_) return std::nullopt;
  const LoadedHive loaded = LoadHive(root_);
  const RegistryValue* value = loaded.hive.FindValue(key_, name);
  if (!value || value->type != RegistryValue::Type::String) return std::nullopt;
  return value->text;
}

std::optional<std::int32_t> TRegistry::ReadInteger(std::string_view name) const {
  if (!open_) return std::nullopt;
  const LoadedHive loaded = LoadHive(root_);
  const RegistryValue* value = loaded.hive.FindValue(key_, name);
  if (!value || value->type != RegistryValue::Type::DWord) return std::nullopt;
  return static_cast<std::int32_t>(value->number);
}

bool TRegistry::WriteValues(std::span<const RegistryValue> values) {
  if (!open_) return false;
  for (const RegistryValue& value : values)
    if (!RegistryHive::CanHoldValue(key_, value)) return false;
  return ModifyHive(root_, [&](RegistryHive& hive) {
    bool changed = false;
    for (const RegistryValue& value : values) {
      if (SameValue(hive.FindValue(key_, value.name), value)) continue;
      hive.SetValue(key_, value);  // holdable, checked above
      changed = true;
    }
    return changed;
  });
}

bool TRegistry::WriteString(std::string_view name, std::string_view value) {
  const RegistryValue values[] = {RegistryValue::String(std::string(name), std::string(value))};
  return WriteValues(values);
}

bool TRegistry::WriteInteger(std::string_view name, std::int32_t value) {
  const RegistryValue values[] = {RegistryValue::Integer(std::string(name), value)};
  return WriteValues(values);
}

bool TRegistry::DeleteValue(std::string_view name) {
  if (!ValueExists(name)) return false;
  return ModifyHive(root_, [&](RegistryHive& hive) { return hive.DeleteValue(key_, name); });
}

}  // namespace platform
