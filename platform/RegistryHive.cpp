#include "RegistryHive.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "TextUtils.h"

namespace platform {
namespace {

constexpr std::string_view Signature = "REGEDIT4";
constexpr std::string_view DWordPrefix = "dword:";

// Whether path is the key below or a key under it (paths normalized).
bool InSubtree(std::string_view path, std::string_view below) {
  if (below.empty()) return true;
  return SameText(path, below) ||
         (path.size() > below.size() && path[below.size()] == '\\' && StartsWithText(path, below));
}

std::string_view ParentOf(std::string_view path) {
  const auto slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string Quoted(std::string_view text) {
  std::string result = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') result += '\\';
    result += c;
  }
  return result + "\"";
}

// The text between quotes starting at line[pos]; pos ends after the closing quote.
std::optional<std::string> Unquoted(std::string_view line, std::size_t& pos, std::string& reason) {
  std::string text;
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return text;
    }
    if (c == '\\') {
      if (pos + 1 >= line.size() || (line[pos + 1] != '\\' && line[pos + 1] != '"')) {
        reason = "a backslash that is not written as \\\\";
        return std::nullopt;
      }
      ++pos;
    }
    text += line[pos];
  }
  reason = "a quote that is not closed";
  return std::nullopt;
}

std::optional<std::uint32_t> HexNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

// A value line: "Name"="text", "Name"=dword:0000001f or @=... .
std::optional<RegistryValue> ParseValue(std::string_view line, std::string& reason) {
  RegistryValue value;
  std::size_t pos = 0;
  if (line.starts_with('@')) {
    pos = 1;
  } else if (line.starts_with('"')) {
    auto name = Unquoted(line, pos, reason);
    if (!name) return std::nullopt;
    value.name = std::move(*name);
  } else {
    reason = "neither a key, a value nor a blank line";
    return std::nullopt;
  }
  if (pos >= line.size() || line[pos] != '=') {
    reason = "a value name without \"=\"";
    return std::nullopt;
  }
  const std::string_view data = line.substr(pos + 1);
  if (data.starts_with('"')) {
    std::size_t end = 0;
    auto text = Unquoted(data, end, reason);
    if (!text) return std::nullopt;
    if (end != data.size()) {
      reason = "text after the closing quote";
      return std::nullopt;
    }
    value.text = std::move(*text);
    return value;
  }
  if (StartsWithText(data, DWordPrefix)) {
    const auto number = HexNumber(data.substr(DWordPrefix.size()));
    if (!number) {
      reason = "a dword that is not one to eight hexadecimal digits";
      return std::nullopt;
    }
    value.type = RegistryValue::Type::DWord;
    value.number = *number;
    return value;
  }
  reason = "a value that is neither a string nor a dword";
  return std::nullopt;
}

bool HoldsNoLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

}  // namespace

RegistryValue RegistryValue::String(std::string name, std::string text) {
  return RegistryValue{std::move(name), Type::String, std::move(text), 0};
}

RegistryValue RegistryValue::Integer(std::string name, std::int32_t number) {
  return RegistryValue{std::move(name), Type::DWord, {}, static_cast<std::uint32_t>(number)};
}

bool RegistryHive::CanHoldPath(std::string_view path) {
  return HoldsNoLineBreak(path) && path.find(']') == std::string_view::npos;
}

bool RegistryHive::CanHoldValue(std::string_view path, const RegistryValue& value) {
  return !NormalizePath(path).empty() && CanHoldPath(path) && HoldsNoLineBreak(value.name) &&
         HoldsNoLineBreak(value.text);
}

std::string RegistryHive::NormalizePath(std::string_view path) {
  std::string result;
  std::size_t start = 0;
  while (start <= path.size()) {
    auto end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) {
      if (!result.empty()) result += '\\';
      result += path.substr(start, end - start);
    }
    start = end + 1;
  }
  return result;
}

std::optional<std::string> RegistryHive::ParseSection(std::string_view line, std::string& path) const {
  if (!line.ends_with(']')) return "a key line without its closing \"]\"";
  const std::string_view inside = line.substr(1, line.size() - 2);
  if (SameText(inside, rootName_)) {
    path.clear();
    return std::nullopt;
  }
  if (inside.size() > rootName_.size() && inside[rootName_.size()] == '\\' &&
      StartsWithText(inside, rootName_)) {
    path = NormalizePath(inside.substr(rootName_.size()));
    return std::nullopt;
  }
  return "a key that is not under " + rootName_;
}

std::optional<RegistryHive::ParseError> RegistryHive::Parse(std::string_view text) {
  keys_.clear();
  std::optional<std::size_t> current;  // index of the key the values belong to
  int number = 0;
  bool sawSignature = false;
  for (std::string_view line : SplitLines(text)) {
    ++number;
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    line = TrimBlanks(line);
    if (line.empty()) continue;
    if (!sawSignature) {
      if (!SameText(line, Signature)) return ParseError{number, "the file does not begin with \"REGEDIT4\""};
      sawSignature = true;
      continue;
    }
    if (line.starts_with('[')) {
      std::string path;
      if (auto error = ParseSection(line, path)) {
        keys_.clear();
        return ParseError{number, *error};
      }
      const Key* key = FindKey(path);
      if (!key) key = &AddKey(std::move(path));
      current = static_cast<std::size_t>(key - keys_.data());
      continue;
    }
    if (!current) {
      keys_.clear();
      return ParseError{number, "a value before the first key"};
    }
    std::string reason;
    auto value = ParseValue(line, reason);
    if (!value) {
      keys_.clear();
      return ParseError{number, reason};
    }
    std::vector<RegistryValue>& values = keys_[*current].values;
    auto same = std::find_if(values.begin(), values.end(),
                             [&](const RegistryValue& v) { return SameText(v.name, value->name); });
    if (same != values.end()) *same = std::move(*value);
    else values.push_back(std::move(*value));
  }
  return std::nullopt;
}

std::string RegistryHive::Serialize() const {
  std::string text = std::string(Signature) + "\n\n";
  for (const Key& key : keys_) {
    text += "[" + rootName_ + (key.path.empty() ? "" : "\\" + key.path) + "]\n";
    for (const RegistryValue& value : key.values) {
      text += value.name.empty() ? std::string("@") : Quoted(value.name);
      text += '=';
      if (value.type == RegistryValue::Type::String) {
        text += Quoted(value.text);
      } else {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value.number));
        text += std::string(DWordPrefix) + digits;
      }
      text += '\n';
    }
    text += '\n';
  }
  return text;
}

RegistryHive::Key* RegistryHive::FindKey(std::string_view normalizedPath) {
  for (Key& key : keys_)
    if (SameText(key.path, normalizedPath)) return &key;
  return nullptr;
}

const RegistryHive::Key* RegistryHive::FindKey(std::string_view normalizedPath) const {
  return const_cast<RegistryHive*>(this)->FindKey(normalizedPath);
}

RegistryHive::Key& RegistryHive::AddKey(std::string path) {
  keys_.push_back(Key{std::move(path), {}});
  return keys_.back();
}

bool RegistryHive::KeyExists(std::string_view path) const {
  const std::string normalized = NormalizePath(path);
  if (normalized.empty()) return true;
  for (const Key& key : keys_)
    if (InSubtree(key.path, normalized)) return true;
  return false;
}

bool RegistryHive::CreateKey(std::string_view path) {
  if (!CanHoldPath(path)) return false;
  const std::string normalized = NormalizePath(path);
  std::string prefix;  // spelled as the file already spells it
  std::size_t start = 0;
  while (start < normalized.size()) {
    auto end = normalized.find('\\', start);
    if (end == std::string::npos) end = normalized.size();
    prefix = SpelledAsStored((prefix.empty() ? "" : prefix + "\\") + normalized.substr(start, end - start));
    start = end + 1;
    if (FindKey(prefix)) continue;
    const std::string_view parent = ParentOf(prefix);
    std::size_t position = keys_.size();
    for (std::size_t i = keys_.size(); i-- > 0;) {
      if (InSubtree(keys_[i].path, parent)) {
        position = i + 1;
        break;
      }
    }
    keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(position), Key{prefix, {}});
  }
  return true;
}

std::string RegistryHive::SpelledAsStored(std::string path) const {
  for (const Key& key : keys_)
    if (InSubtree(key.path, path)) return key.path.substr(0, path.size());
  return path;
}

const RegistryValue* RegistryHive::FindValue(std::string_view path, std::string_view name) const {
  const Key* key = FindKey(NormalizePath(path));
  if (!key) return nullptr;
  for (const RegistryValue& value : key->values)
    if (SameText(value.name, name)) return &value;
  return nullptr;
}

bool RegistryHive::SetValue(std::string_view path, RegistryValue value) {
  if (!CanHoldValue(path, value)) return false;
  const std::string normalized = NormalizePath(path);
  if (!FindKey(normalized)) CreateKey(normalized);
  Key* key = FindKey(normalized);
  for (RegistryValue& existing : key->values) {
    if (!SameText(existing.name, value.name)) continue;
    value.name = std::move(existing.name);
    existing = std::move(value);
    return true;
  }
  key->values.push_back(std::move(value));
  return true;
}

bool RegistryHive::DeleteValue(std::string_view path, std::string_view name) {
  Key* key = FindKey(NormalizePath(path));
  if (!key) return false;
  const auto found = std::find_if(key->values.begin(), key->values.end(),
                                  [&](const RegistryValue& v) { return SameText(v.name, name); });
  if (found == key->values.end()) return false;
  key->values.erase(found);
  return true;
}

}  // namespace platform
