#include "IniDocument.h"

#include "TextUtils.h"

namespace platform {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::string_view IniDocument::CleanName(std::string_view name) {
  while (name.starts_with(ByteOrderMark)) name.remove_prefix(ByteOrderMark.size());
  return TrimBlanks(name);
}

IniDocument::Line IniDocument::Classify(std::string raw, bool inSection) {
  Line line;
  std::string_view text = raw;
  if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
  text = TrimBlanks(text);
  if (text.starts_with('[')) {
    const auto close = text.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      line.kind = Line::Kind::Section;
      line.name = CleanName(text.substr(1, close - 1));
    }
  } else if (inSection && !text.starts_with(';')) {
    const auto equals = text.find('=');
    if (equals != std::string_view::npos) {
      line.kind = Line::Kind::Key;
      line.name = CleanName(text.substr(0, equals));
      line.value = Unquoted(TrimBlanks(text.substr(equals + 1)));
    }
  }
  line.raw = std::move(raw);
  return line;
}

void IniDocument::Parse(std::string_view text) {
  lines_.clear();
  bool inSection = false;
  for (const std::string_view raw : SplitLines(text)) {
    lines_.push_back(Classify(std::string(raw), inSection));
    inSection = inSection || lines_.back().kind == Line::Kind::Section;
  }
  Index();
}

void IniDocument::Index() {
  spans_.clear();
  sections_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind != Line::Kind::Section) continue;
    if (!spans_.empty()) spans_.back().end = i;
    spans_.push_back(Span{i, lines_.size()});
    sections_.try_emplace(LowerCase(lines_[i].name), spans_.size() - 1);
  }
}

std::string IniDocument::Serialize() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.raw;
    text += "\r\n";
  }
  return text;
}

const IniDocument::Span* IniDocument::FindSpan(std::string_view section) const {
  const auto found = sections_.find(LowerCase(CleanName(section)));
  return found == sections_.end() ? nullptr : &spans_[found->second];
}

std::size_t IniDocument::FindKeyLine(const Span& span, std::string_view ident) const {
  ident = CleanName(ident);
  for (std::size_t i = span.header + 1; i < span.end; ++i)
    if (lines_[i].kind == Line::Kind::Key && SameText(lines_[i].name, ident)) return i;
  return lines_.size();
}

const std::string* IniDocument::Find(std::string_view section, std::string_view ident) const {
  const Span* span = FindSpan(section);
  if (!span) return nullptr;
  const std::size_t line = FindKeyLine(*span, ident);
  return line < lines_.size() ? &lines_[line].value : nullptr;
}

bool IniDocument::HasSection(std::string_view section) const { return FindSpan(section) != nullptr; }

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < spans_.size(); ++i) {
    const std::string& name = lines_[spans_[i].header].name;
    if (sections_.at(LowerCase(name)) == i) names.push_back(name);
  }
  return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Span* span = FindSpan(section))
    for (std::size_t i = span->header + 1; i < span->end; ++i)
      if (lines_[i].kind == Line::Kind::Key) keys.push_back(lines_[i].name);
  return keys;
}

std::vector<std::string> IniDocument::KeyValueLines(std::string_view section) const {
  std::vector<std::string> result;
  if (const Span* span = FindSpan(section))
    for (std::size_t i = span->header + 1; i < span->end; ++i)
      if (lines_[i].kind == Line::Kind::Key) result.push_back(lines_[i].name + "=" + lines_[i].value);
  return result;
}

bool IniDocument::Set(std::string_view section, std::string_view ident, std::string_view value) {
  section = CleanName(section);
  ident = CleanName(ident);
  const Span* span = FindSpan(section);
  if (!span) {
    const std::string name(section);
    lines_.push_back(Classify("[" + name + "]", true));
    lines_.push_back(Classify(std::string(ident) + "=" + std::string(value), true));
    Index();
    return true;
  }
  const std::size_t existing = FindKeyLine(*span, ident);
  if (existing < lines_.size()) {
    Line replaced = Classify(lines_[existing].name + "=" + std::string(value), true);
    if (replaced.raw == lines_[existing].raw) return false;
    lines_[existing] = std::move(replaced);
    return true;
  }
  std::size_t after = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i)
    if (lines_[i].kind == Line::Kind::Key) after = i;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                Classify(std::string(ident) + "=" + std::string(value), true));
  Index();
  return true;
}

bool IniDocument::EraseSection(std::string_view section) {
  const std::string wanted = LowerCase(CleanName(section));
  bool changed = false;
  for (std::size_t i = spans_.size(); i-- > 0;) {
    const Span span = spans_[i];
    if (LowerCase(lines_[span.header].name) != wanted) continue;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span.header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span.end));
    changed = true;
  }
  if (changed) Index();
  return changed;
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view ident) {
  const Span* span = FindSpan(section);
  if (!span) return false;
  ident = CleanName(ident);
  bool changed = false;
  for (std::size_t i = span->end; i-- > span->header + 1;) {
    if (lines_[i].kind == Line::Kind::Key && SameText(lines_[i].name, ident)) {
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
      changed = true;
    }
  }
  if (changed) Index();
  return changed;
}

}  // namespace platform
