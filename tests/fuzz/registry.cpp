// The settings hives, as the settings interface drives them: a hive file of
// the input, then keys opened and values written, read and deleted through
// TRegistry, in a registry folder of its own.
//
// Input: the text of the user hive file, then operations: "o" path (open,
// creating), "k" path (open an existing key), "c" (close), "m" and "u" (the
// machine or the user root), "s" name TAB text (write a string), "i" name TAB
// decimal (write an integer), "d" name (delete), "r" name (read).
//
// Properties: a hive that does not parse is never overwritten and takes no
// write; after every write reported as done the hive file still parses, the
// value reads back equal, and every value written before reads back as it
// was written; a deleted value is gone; a value exists exactly when it reads
// as a string or an integer.

#include <charconv>
#include <cstdio>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TempFolder.h"
#include "TestRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/RegistryHive.h"
#include "platform/TextUtils.h"

namespace {

using platform::RegistryHive;
using platform::RootKey;
using platform::TRegistry;

std::string HiveFile(RootKey root) { return platform::RegistryFolder() + std::string(platform::RootKeyName(root)) + ".reg"; }

bool Parses(RootKey root) {
  const std::string text = testing_support::ReadFileBytes(HiveFile(root));
  return !RegistryHive(std::string(platform::RootKeyName(root))).Parse(text).has_value();
}

std::int32_t NumberOf(std::string_view text) {
  std::int32_t number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

using Value = std::variant<std::string, std::int32_t>;

class RegistryRun {
 public:
  explicit RegistryRun(bool userHiveParses) : userHiveParses_(userHiveParses) {}

  void Open(std::string_view path, bool canCreate) {
    const RootKey root = registry_.GetRootKey();
    const bool existed = TRegistry(root).OpenKey(path, false);
    const std::string before = testing_support::ReadFileBytes(HiveFile(root));
    const bool parsed = Parses(root);
    const bool opened = registry_.OpenKey(path, canCreate);
    if (!canCreate) FUZZ_CHECK(opened == existed);
    if (parsed) FUZZ_CHECK(Parses(root));
    else FUZZ_CHECK(testing_support::ReadFileBytes(HiveFile(root)) == before);
  }

  void Write(std::string_view name, const Value& value) {
    const RootKey root = registry_.GetRootKey();
    const std::string before = testing_support::ReadFileBytes(HiveFile(root));
    const bool written = std::holds_alternative<std::string>(value)
                             ? registry_.WriteString(name, std::get<std::string>(value))
                             : registry_.WriteInteger(name, std::get<std::int32_t>(value));
    if (!written) {
      FUZZ_CHECK(testing_support::ReadFileBytes(HiveFile(root)) == before);
      return;
    }
    FUZZ_CHECK(root == RootKey::LocalMachine || userHiveParses_);
    FUZZ_CHECK(Parses(root));
    FUZZ_CHECK(Read(registry_, name) == value);
    written_[Where(name)] = Entry{registry_.CurrentPath(), std::string(name), value};
  }

  void Delete(std::string_view name) {
    if (!registry_.DeleteValue(name)) return;
    FUZZ_CHECK(!registry_.ValueExists(name));
    FUZZ_CHECK(Parses(registry_.GetRootKey()));
    written_.erase(Where(name));
  }

  void Read(std::string_view name) const {
    const bool exists = registry_.ValueExists(name);
    FUZZ_CHECK(exists == (registry_.ReadString(name) || registry_.ReadInteger(name)));
  }

  void SetRoot(RootKey root) { registry_.SetRootKey(root); }
  void Close() { registry_.CloseKey(); }

  // Every value written so far reads back through a registry of its own.
  void CheckWrittenValues() const {
    for (const auto& [where, entry] : written_) {
      TRegistry fresh(where.root);
      FUZZ_CHECK(fresh.OpenKey(entry.path, false));
      FUZZ_CHECK(Read(fresh, entry.name) == entry.value);
    }
  }

 private:
  struct Place {
    RootKey root;
    std::string path, name;  // folded
    auto operator<=>(const Place&) const = default;
  };
  struct Entry {
    std::string path, name;
    Value value;
  };

  Place Where(std::string_view name) const {
    return {registry_.GetRootKey(), platform::LowerCase(registry_.CurrentPath()), platform::LowerCase(name)};
  }

  static std::optional<Value> Read(const TRegistry& registry, std::string_view name) {
    if (auto text = registry.ReadString(name)) return Value(*text);
    if (auto number = registry.ReadInteger(name)) return Value(*number);
    return std::nullopt;
  }

  bool userHiveParses_;
  TRegistry registry_{RootKey::CurrentUser};
  std::map<Place, Entry> written_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const testing_support::TestRegistry folder;
  static const platform::ScopedDialogService quiet(std::make_shared<platform::RecordingDialogService>());
  const std::vector<std::string_view> parts = fuzz::SplitParts(fuzz::AsText(std::span(data, size)));

  const std::string userHive = HiveFile(RootKey::CurrentUser);
  std::remove(HiveFile(RootKey::LocalMachine).c_str());
  FUZZ_CHECK(testing_support::WriteFileBytes(userHive, std::string(parts[0])));
  const bool parses = Parses(RootKey::CurrentUser);

  RegistryRun run(parses);
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const fuzz::Operation operation = fuzz::ReadOperation(parts[i]);
    const auto [name, value] = fuzz::SplitField(operation.argument);
    switch (operation.code) {
      case 'o': run.Open(operation.argument, true); break;
      case 'k': run.Open(operation.argument, false); break;
      case 'c': run.Close(); break;
      case 'm': run.SetRoot(RootKey::LocalMachine); break;
      case 'u': run.SetRoot(RootKey::CurrentUser); break;
      case 's': run.Write(name, Value(std::string(value))); break;
      case 'i': run.Write(name, Value(NumberOf(value))); break;
      case 'd': run.Delete(operation.argument); break;
      case 'r': run.Read(operation.argument); break;
      default: break;
    }
    run.CheckWrittenValues();
  }
  if (!parses) FUZZ_CHECK(testing_support::ReadFileBytes(userHive) == parts[0]);
  return 0;
}
