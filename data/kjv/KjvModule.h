#pragma once
// Reads Debian's KJV module (engKJV2006eb, package sword-text-kjv) through
// libsword, verse by verse over the KJV versification, into the text the text
// builder writes: 66 books, the Old Testament's with Hebrew and the New
// Testament's with Greek Strong's numbers.

#include <stdexcept>
#include <string>

#include "data/TextModel.h"

namespace data::kjv {

inline constexpr char KjvModuleName[] = "engKJV2006eb";
inline constexpr char DebianSwordFolder[] = "/usr/share/sword/";

// A module that cannot be opened, or a verse that cannot be read or stored;
// the text names the verse ("Genesis 33:20: ...").
class KjvModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The module's whole text. swordFolder holds "mods.d" and "modules"; the
// user's own module folders are not searched. Throws KjvModuleError.
SourceText ReadKjvModule(const std::string& swordFolder = DebianSwordFolder);

}  // namespace data::kjv
