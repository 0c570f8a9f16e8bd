#include "data/names/NamesTree.h"

#include <algorithm>
#include <map>

#include "engine/BookNameTable.h"

namespace data::names {
namespace {

constexpr char kLineEnd[] = "\r\n";

std::string Place(const VersePlace& place) {
  const bool known = place.book >= 1 && place.book <= ixo::BookCount;
  const std::string book = known ? std::string(engine::BookNameTable[place.book].Name) : "Book " + std::to_string(place.book);
  return book + " " + std::to_string(place.chapter) + ":" + std::to_string(place.verse);
}

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

bool IsIndexName(std::string_view name) {
  if (name.size() < 2 || name.front() < 'A' || name.front() > 'Z') return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
  });
}

void AppendSection(std::string& text, std::string_view section, const std::vector<std::string>& values) {
  text += "[";
  text += section;
  text += "]";
  text += kLineEnd;
  int key = 0;
  for (const std::string& value : values) {
    text += std::to_string(++key) + "=" + value;
    text += kLineEnd;
  }
}

constexpr char32_t kInvalid = 0xFFFD;

// The next character of UTF-8 text, from at on; at moves past it. A byte that
// begins no valid sequence is read alone, as an invalid character.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return text[at++];
  const int length = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return kInvalid;
  }
  char32_t code = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      ++at;
      return kInvalid;
    }
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  at += length;
  return code;
}

// ASCII for the letters and marks the dictionaries use beyond it; nothing for
// any other character.
std::string_view AsciiFor(char32_t code) {
  // The Latin-1 letters from U+00C0 to U+00FF, without their marks.
  static constexpr std::string_view kLatin1[64] = {
      "A", "A", "A", "A", "A", "A", "Ae", "C", "E", "E", "E", "E", "I", "I", "I", "I",
      "D", "N", "O", "O", "O", "O", "O", "",  "O", "U", "U", "U", "U", "Y", "Th", "ss",
      "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
      "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "th", "y"};
  if (code >= 0xC0 && code <= 0xFF) return kLatin1[code - 0xC0];
  switch (code) {
    case 0xB4:    // acute accent, used as an apostrophe
    case 0x2018:  // quotation marks
    case 0x2019:
    case 0x201C:
    case 0x201D:
      return "'";
    case 0x2013:  // dashes
    case 0x2014:
      return "-";
    case 0x152:
      return "Oe";
    case 0x153:
      return "oe";
    default:
      return "";
  }
}

}  // namespace

std::string EntryText(std::string_view text) {
  std::string result;
  bool blank = false;
  for (std::size_t at = 0; at < text.size();) {
    const char32_t code = NextCodePoint(text, at);
    std::string_view ascii;
    char single = 0;
    if (code == '"')
      single = '\'';
    else if (code == '=')
      single = '-';
    else if (code > ' ' && code < 0x7F)
      single = static_cast<char>(code);
    else if (code > 0x7F)
      ascii = AsciiFor(code);
    if (single) ascii = std::string_view(&single, 1);
    if (code <= ' ') {
      blank = !result.empty();
      continue;
    }
    if (ascii.empty()) continue;
    if (blank) result += ' ';
    blank = false;
    result += ascii;
  }
  return result;
}

std::vector<std::string> NameEntries(const ProperName& name) {
  std::vector<std::string> entries;
  const auto add = [&entries](std::string_view text) {
    std::string entry = EntryText(text);
    if (entry.size() >= 2) entries.push_back(std::move(entry));
  };
  for (const NameNumber& number : name.numbers) {
    std::string meaning = ShortDefinition(number.entry.definition);
    if (meaning.empty()) meaning = number.entry.renderings;
    std::string entry(1, number.language);
    entry += std::to_string(number.number) + ": " + meaning;
    add(entry);
  }
  if (name.occurrences == 1)
    add("Occurs once");
  else
    add("Occurs " + Counted(name.occurrences, "time", "times") + " in " + Counted(name.verses, "verse", "verses"));
  if (name.occurrences > 0) {
    add("First: " + Place(name.first));
    if (name.occurrences > 1 && name.last != name.first)
      add("Last: " + Place(name.last));
  }
  return entries;
}

std::string NamesTreeText(const std::vector<ProperName>& names) {
  std::map<char, std::vector<std::string>> letters;
  std::vector<const ProperName*> listed;
  for (const ProperName& name : names) {
    if (!IsIndexName(name.name)) continue;
    letters[name.name.front()].push_back(name.name);
    listed.push_back(&name);
  }

  std::string text = "; The proper names of the text: a section per letter lists its names,";
  text += kLineEnd;
  text += "; a section per name lists what is told of it.";
  text += kLineEnd;
  for (const auto& [letter, values] : letters) AppendSection(text, std::string(1, letter), values);
  for (const ProperName* name : listed) AppendSection(text, name->name, NameEntries(*name));
  return text;
}

}  // namespace data::names
