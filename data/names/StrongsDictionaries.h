#pragma once
// Debian's Strong's dictionaries (the modules StrongsHebrew and StrongsGreek of
// the packages sword-dict-strongs-hebrew and sword-dict-strongs-greek), read
// through libsword.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "data/names/DictionaryEntry.h"

namespace sword {
class SWMgr;
class SWModule;
}  // namespace sword

namespace data::names {

inline constexpr char HebrewDictionaryName[] = "StrongsHebrew";
inline constexpr char GreekDictionaryName[] = "StrongsGreek";

class DictionaryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class StrongsDictionaries {
 public:
  // swordFolder holds "mods.d" and "modules"; the user's own module folders are
  // not searched. Throws DictionaryError when a dictionary is not there.
  explicit StrongsDictionaries(const std::string& swordFolder);
  ~StrongsDictionaries();
  StrongsDictionaries(const StrongsDictionaries&) = delete;
  StrongsDictionaries& operator=(const StrongsDictionaries&) = delete;

  // The entry of Hebrew ('H') or Greek ('G') number; none when the dictionary
  // has no entry of that number.
  std::optional<DictionaryEntry> Find(char language, int number);

 private:
  std::unique_ptr<sword::SWMgr> manager_;
  sword::SWModule* hebrew_ = nullptr;
  sword::SWModule* greek_ = nullptr;
};

}  // namespace data::names
