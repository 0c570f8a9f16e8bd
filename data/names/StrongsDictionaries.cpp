#include "data/names/StrongsDictionaries.h"

#include <swmgr.h>
#include <swmodule.h>

#include <cstdio>
#include <cstdlib>

namespace data::names {
namespace {

sword::SWModule* Dictionary(sword::SWMgr& manager, const char* name, const std::string& folder) {
  sword::SWModule* module = manager.getModule(name);
  if (!module) throw DictionaryError(std::string("the dictionary ") + name + " is not in " + folder);
  return module;
}

// The entry's own number ("n" of its entryFree element); 0 when it has none.
int EntryNumber(const std::string& raw) {
  const std::size_t at = raw.find("n=\"");
  return at == std::string::npos ? 0 : std::atoi(raw.c_str() + at + 3);
}

}  // namespace

StrongsDictionaries::StrongsDictionaries(const std::string& swordFolder)
    // Only the given folder: no ~/.sword, no system configuration, no render filters.
    : manager_(std::make_unique<sword::SWMgr>(swordFolder.c_str(), true, nullptr, false, false)),
      hebrew_(Dictionary(*manager_, HebrewDictionaryName, swordFolder)),
      greek_(Dictionary(*manager_, GreekDictionaryName, swordFolder)) {}

StrongsDictionaries::~StrongsDictionaries() = default;

std::optional<DictionaryEntry> StrongsDictionaries::Find(char language, int number) {
  sword::SWModule* module = language == 'G' ? greek_ : hebrew_;
  if (number <= 0 || number > 99999) return std::nullopt;
  char key[8];
  std::snprintf(key, sizeof key, "%05d", number);
  module->setKey(key);
  // A key the dictionary lacks lands on a neighbouring entry: the entry's own
  // number tells.
  const std::string raw = module->getRawEntry();
  if (EntryNumber(raw) != number) return std::nullopt;
  return ParseDictionaryEntry(raw);
}

}  // namespace data::names
