#include "IniFile.h"

#include <charconv>

#include "TextUtils.h"

namespace platform {
namespace {

bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool StorableSection(std::string_view section) {
  return !HoldsLineBreak(section) && !IniDocument::CleanName(section).empty();
}

bool StorableIdent(std::string_view ident) {
  const std::string_view name = IniDocument::CleanName(ident);
  return !HoldsLineBreak(name) && name.find('=') == std::string_view::npos &&
         !name.starts_with('[') && !name.starts_with(';');
}

std::optional<std::int32_t> DecimalInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

bool TIniFile::Refresh() const {
  const std::optional<FileStamp> current = StampOf(fileName_);
  if (current && stamp_ && *current == *stamp_) return readable_;
  WholeFile file = ReadWholeFile(fileName_);
  readable_ = file.status != WholeFile::Status::Unreadable;
  document_.Parse(file.status == WholeFile::Status::Read ? std::string_view(file.bytes) : std::string_view());
  stamp_.reset();
  if (file.status == WholeFile::Status::Read) stamp_ = file.stamp;
  return readable_;
}

template <typename Change>
bool TIniFile::Modify(Change change) {
  if (!Refresh()) return false;
  if (!change(document_)) return true;
  if (!ReplaceFileAtomically(fileName_, document_.Serialize())) {
    stamp_.reset();  // the text no longer matches the file: read it again next time
    return false;
  }
  stamp_ = StampOf(fileName_);
  return true;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view defaultValue) const {
  Refresh();
  const std::string* value = document_.Find(section, ident);
  return value ? *value : std::string(defaultValue);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view ident,
                                   std::int32_t defaultValue) const {
  Refresh();
  const std::string* value = document_.Find(section, ident);
  if (!value) return defaultValue;
  return DecimalInteger(*value).value_or(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::WriteString(std::string_view section, std::string_view ident, std::string_view value) {
  if (!StorableSection(section) || !StorableIdent(ident) || HoldsLineBreak(value)) return false;
  return Modify([&](IniDocument& document) { return document.Set(section, ident, value); });
}

bool TIniFile::WriteInteger(std::string_view section, std::string_view ident, std::int32_t value) {
  return WriteString(section, ident, std::to_string(value));
}

bool TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
  return WriteString(section, ident, value ? "1" : "0");
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  Refresh();
  return document_.Keys(section);
}

std::vector<std::string> TIniFile::ReadSectionValues(std::string_view section) const {
  Refresh();
  return document_.KeyValueLines(section);
}

std::vector<std::string> TIniFile::ReadSections() const {
  Refresh();
  return document_.Sections();
}

bool TIniFile::SectionExists(std::string_view section) const {
  Refresh();
  return document_.HasSection(section);
}

bool TIniFile::ValueExists(std::string_view section, std::string_view ident) const {
  Refresh();
  return document_.Find(section, ident) != nullptr;
}

bool TIniFile::EraseSection(std::string_view section) {
  return Modify([&](IniDocument& document) { return document.EraseSection(section); });
}

bool TIniFile::DeleteKey(std::string_view section, std::string_view ident) {
  return Modify([&](IniDocument& document) { return document.DeleteKey(section, ident); });
}

}  // namespace platform
