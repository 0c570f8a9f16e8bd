#include "data/kjv/OsisMarkup.h"

#include <charconv>
#include <optional>
#include <string>

#include "data/kjv/OsisError.h"

namespace data::kjv {
namespace {

// What an element means for the text.
enum class Role {
  Word,         // <w>: carries Strong's numbers
  Added,        // <transChange type="added">: italics
  DivineName,   // <divineName>: capitals
  Dropped,      // dropped with its content
  Transparent,  // dropped, its content kept
};

struct ElementRole {
  std::string_view name;
  Role role;
};

constexpr ElementRole ElementRoles[] = {
    {"w", Role::Word},
    {"transChange", Role::Added},
    {"divineName", Role::DivineName},
    {"note", Role::Dropped},
    {"title", Role::Dropped},
    {"q", Role::Transparent},
    {"seg", Role::Transparent},
    {"foreign", Role::Transparent},
    {"l", Role::Transparent},
    {"lg", Role::Transparent},
    {"div", Role::Transparent},
    {"chapter", Role::Transparent},
    {"lb", Role::Transparent},
    {"milestone", Role::Transparent},
};

std::optional<Role> RoleOf(std::string_view name) {
  for (const ElementRole& element : ElementRoles)
    if (element.name == name) return element.role;
  return std::nullopt;
}

struct Attribute {
  std::string_view name;
  std::string_view value;
};

struct Tag {
  std::string_view name;
  bool closing = false;      // </name>
  bool selfClosing = false;  // <name ... />
  std::vector<Attribute> attributes;
  std::size_t end = 0;       // position after the ">"

  std::optional<std::string_view> Value(std::string_view attribute) const {
    for (const Attribute& each : attributes)
      if (each.name == attribute) return each.value;
    return std::nullopt;
  }
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Reads the tag that starts at raw[start] ("<").
Tag ReadTag(std::string_view raw, std::size_t start) {
  Tag tag;
  std::size_t pos = start + 1;
  auto fail = [&](const char* what) {
    throw OsisError(std::string(what) + " in the tag \"" + std::string(raw.substr(start, 40)) + "\"");
  };
  if (pos < raw.size() && raw[pos] == '/') {
    tag.closing = true;
    ++pos;
  }
  const std::size_t nameStart = pos;
  while (pos < raw.size() && !IsSpace(raw[pos]) && raw[pos] != '>' && raw[pos] != '/') ++pos;
  tag.name = raw.substr(nameStart, pos - nameStart);
  if (tag.name.empty()) fail("no element name");
  for (;;) {
    while (pos < raw.size() && IsSpace(raw[pos])) ++pos;
    if (pos >= raw.size()) fail("no closing \">\"");
    if (raw[pos] == '>') break;
    if (raw[pos] == '/') {
      if (pos + 1 >= raw.size() || raw[pos + 1] != '>') fail("a stray \"/\"");
      tag.selfClosing = true;
      ++pos;
      break;
    }
    const std::size_t attributeStart = pos;
    while (pos < raw.size() && raw[pos] != '=' && raw[pos] != '>' && !IsSpace(raw[pos])) ++pos;
    const std::string_view attribute = raw.substr(attributeStart, pos - attributeStart);
    if (pos >= raw.size() || raw[pos] != '=') fail("an attribute without a value");
    ++pos;
    if (pos >= raw.size() || (raw[pos] != '"' && raw[pos] != '\'')) fail("an unquoted attribute value");
    const char quote = raw[pos++];
    const std::size_t valueEnd = raw.find(quote, pos);
    if (valueEnd == std::string_view::npos) fail("an unterminated attribute value");
    tag.attributes.push_back({attribute, raw.substr(pos, valueEnd - pos)});
    pos = valueEnd + 1;
  }
  if (tag.closing && (tag.selfClosing || !tag.attributes.empty())) fail("an end tag with more than its name");
  tag.end = pos + 1;
  return tag;
}

// The position after the end tag that closes the element whose start tag
// ends at raw[pos], elements of the same name nested inside counted.
std::size_t SkipElement(std::string_view raw, std::size_t pos, std::string_view name) {
  int depth = 1;
  for (;;) {
    const std::size_t next = raw.find('<', pos);
    if (next == std::string_view::npos) throw OsisError("<" + std::string(name) + "> is not closed");
    const Tag tag = ReadTag(raw, next);
    pos = tag.end;
    if (tag.name != name || tag.selfClosing) continue;
    depth += tag.closing ? -1 : 1;
    if (depth == 0) return pos;
  }
}

// The numbers of a lemma attribute: "strong:H0430 strong:H1254" gives 430 and 1254.
std::vector<std::uint16_t> ReadStrongs(std::string_view lemma, char strongsLetter) {
  std::vector<std::uint16_t> numbers;
  std::size_t pos = 0;
  while (pos < lemma.size()) {
    if (lemma[pos] == ' ') {
      ++pos;
      continue;
    }
    std::size_t end = lemma.find(' ', pos);
    if (end == std::string_view::npos) end = lemma.size();
    const std::string_view item = lemma.substr(pos, end - pos);
    pos = end;
    constexpr std::string_view prefix = "strong:";
    if (!item.starts_with(prefix) || item.size() < prefix.size() + 2)
      throw OsisError("the lemma \"" + std::string(item) + "\" is not a Strong's number");
    const char letter = item[prefix.size()];
    const std::string_view digits = item.substr(prefix.size() + 1);
    if (letter != 'H' && letter != 'G')
      throw OsisError("the lemma \"" + std::string(item) + "\" is neither Hebrew nor Greek");
    if (letter != strongsLetter)
      throw OsisError(std::string("the Strong's number ") + std::string(item.substr(prefix.size())) +
                      (strongsLetter == 'H' ? " is Greek in a book of Hebrew numbers"
                                            : " is Hebrew in a book of Greek numbers"));
    unsigned value = 0;
    const auto [rest, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || rest != digits.data() + digits.size() || value < 1 || value > 0x7FFF)
      throw OsisError("the Strong's number \"" + std::string(item) + "\" is out of range");
    numbers.push_back(static_cast<std::uint16_t>(value));
  }
  return numbers;
}

// One code point of UTF-8 text at raw[pos]; pos moves past it.
char32_t DecodeUtf8(std::string_view raw, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(raw[pos]);
  int length = 1;
  char32_t code = lead;
  if (lead >= 0xF0 && lead < 0xF8) {
    length = 4;
    code = lead & 0x07;
  } else if (lead >= 0xE0) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xC2 && lead < 0xE0) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0x80) {
    throw OsisError("the text is not UTF-8");
  }
  if (pos + length > raw.size()) throw OsisError("the text is not UTF-8");
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(raw[pos + i]);
    if ((next & 0xC0) != 0x80) throw OsisError("the text is not UTF-8");
    code = (code << 6) | (next & 0x3F);
  }
  pos += length;
  return code;
}

class MarkupReader {
 public:
  MarkupReader(std::string_view raw, char strongsLetter) : raw_(raw), strongsLetter_(strongsLetter) {}

  MarkedText Read() {
    std::size_t pos = 0;
    while (pos < raw_.size()) {
      if (raw_[pos] == '<')
        pos = ReadElementTag(pos);
      else if (raw_[pos] == '\\')
        pos = ReadMarker(pos);
      else
        AddChar(DecodeUtf8(raw_, pos));
    }
    if (!open_.empty()) throw OsisError("<" + std::string(open_.back().name) + "> is not closed");
    return std::move(text_);
  }

 private:
  struct OpenElement {
    std::string_view name;
    Role role;
  };

  std::size_t ReadElementTag(std::size_t pos) {
    const Tag tag = ReadTag(raw_, pos);
    const std::optional<Role> found = RoleOf(tag.name);
    if (!found) throw OsisError("the element <" + std::string(tag.name) + "> is unknown");
    const Role role = *found;
    if (tag.closing) {
      Close(tag.name);
      return tag.end;
    }
    if (role == Role::Dropped) return tag.selfClosing ? tag.end : SkipElement(raw_, tag.end, tag.name);
    if (role == Role::Added) {
      if (tag.Value("type") != "added")
        throw OsisError("a <transChange> that is not of the type \"added\"");
    }
    if (role == Role::Word) {
      if (wordElement_ >= 0) throw OsisError("a <w> inside a <w>");
      const std::optional<std::string_view> lemma = tag.Value("lemma");
      text_.strongs.push_back(lemma ? ReadStrongs(*lemma, strongsLetter_) : std::vector<std::uint16_t>{});
      if (tag.selfClosing && !text_.strongs.back().empty())
        throw OsisError("an empty <w> with Strong's numbers");
      if (!tag.selfClosing) wordElement_ = static_cast<int>(text_.strongs.size()) - 1;
    }
    if (!tag.selfClosing) Open(tag.name, role);
    return tag.end;
  }

  // The character-style marker "\nd ... \nd*" in place of a divine-name element.
  std::size_t ReadMarker(std::size_t pos) {
    const std::string_view rest = raw_.substr(pos);
    if (rest.starts_with("\\nd*")) {
      Close("divineName");
      return pos + 4;
    }
    if (rest.starts_with("\\nd") && (rest.size() == 3 || rest[3] == ' ' || rest[3] == '<')) {
      Open("divineName", Role::DivineName);
      return pos + 3;
    }
    throw OsisError("the marker \"" + std::string(rest.substr(0, 6)) + "\" is unknown");
  }

  void Open(std::string_view name, Role role) {
    open_.push_back({name, role});
    if (role == Role::Added) ++added_;
    if (role == Role::DivineName) ++divineName_;
  }

  void Close(std::string_view name) {
    if (open_.empty()) throw OsisError("</" + std::string(name) + "> closes no element");
    if (open_.back().name != name)
      throw OsisError("</" + std::string(name) + "> closes <" + std::string(open_.back().name) + ">");
    const Role role = open_.back().role;
    open_.pop_back();
    if (role == Role::Added) --added_;
    if (role == Role::DivineName) --divineName_;
    if (role == Role::Word) wordElement_ = -1;
  }

  void AddChar(char32_t code) { text_.chars.push_back({code, added_ > 0, divineName_ > 0, wordElement_}); }

  std::string_view raw_;
  char strongsLetter_;
  MarkedText text_;
  std::vector<OpenElement> open_;
  int added_ = 0;
  int divineName_ = 0;
  int wordElement_ = -1;
};

}  // namespace

MarkedText ReadOsisMarkup(std::string_view raw, char strongsLetter) {
  return MarkupReader(raw, strongsLetter).Read();
}

}  // namespace data::kjv
