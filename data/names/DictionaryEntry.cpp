#include "data/names/DictionaryEntry.h"

#include <cctype>
#include <utility>
#include <vector>

#include "platform/TextUtils.h"

namespace data::names {
namespace {

constexpr std::string_view kDefinitionOpen = "<def";
constexpr std::string_view kDefinitionClose = "</def>";
constexpr std::string_view kOriginOpen = "<orig";
constexpr std::string_view kOriginClose = "</orig>";

// The text of every element that opens with open (as "<def" for <def> and
// <def ...>) and closes with close, joined by blanks; or everything but those
// elements when inside is false. Elements of that name do not nest.
std::string Elements(std::string_view text, std::string_view open, std::string_view close, bool inside) {
  std::string result;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t start = text.find(open, at);
    // "<def" must not match "<default": the name ends at ">", "/" or a blank.
    while (start != std::string_view::npos) {
      const std::size_t after = start + open.size();
      if (after < text.size() && (text[after] == '>' || text[after] == ' ' || text[after] == '/')) break;
      start = text.find(open, after);
    }
    if (start == std::string_view::npos) {
      if (!inside) result.append(text.substr(at));
      break;
    }
    const std::size_t tagEnd = text.find('>', start);
    const std::size_t end = tagEnd == std::string_view::npos ? std::string_view::npos : text.find(close, tagEnd);
    if (!inside) result.append(text.substr(at, start - at));
    if (end == std::string_view::npos) {
      if (inside && tagEnd != std::string_view::npos) result.append(text.substr(tagEnd + 1));
      break;
    }
    if (inside) {
      result.append(text.substr(tagEnd + 1, end - tagEnd - 1));
      result += ' ';
    }
    at = end + close.size();
  }
  return result;
}

// Markup removed (a line break tag becomes a blank), the five character
// entities decoded, the editors' braces dropped, and every run of blanks and
// control characters made one blank, none at the ends.
std::string PlainText(std::string_view marked) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string text;
  for (std::size_t i = 0; i < marked.size();) {
    const char c = marked[i];
    if (c == '<') {
      const std::size_t close = marked.find('>', i);
      const std::string_view tag = marked.substr(i, close == std::string_view::npos ? marked.size() - i : close - i + 1);
      if (tag.starts_with("<lb")) text += ' ';
      i += tag.size();
      continue;
    }
    if (c == '&') {
      bool decoded = false;
      for (const auto& [entity, character] : kEntities) {
        if (marked.substr(i).starts_with(entity)) {
          text += character;
          i += entity.size();
          decoded = true;
          break;
        }
      }
      if (decoded) continue;
    }
    if (c != '{' && c != '}') text += c;
    ++i;
  }

  std::string single;
  bool blank = false;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) <= ' ') {
      blank = !single.empty();
      continue;
    }
    if (blank) single += ' ';
    blank = false;
    single += c;
  }
  // The Hebrew dictionary writes the possessive with an acute accent and a
  // blank ("Daniel\u00B4 s companions"): the blank goes.
  static constexpr std::string_view kSplitPossessive = "\xC2\xB4 s";
  for (std::size_t at = single.find(kSplitPossessive); at != std::string::npos;
       at = single.find(kSplitPossessive, at + 1))
    single.erase(at + 2, 1);
  return single;
}

// Without leading blanks, and without any of endCharacters at the end.
std::string_view Trimmed(std::string_view text, std::string_view endCharacters) {
  while (!text.empty() && endCharacters.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// The renderings run to the first full stop that ends a sentence.
std::string_view RenderingsPart(std::string_view text) {
  const std::size_t stop = text.find(". ");
  if (stop != std::string_view::npos) text = text.substr(0, stop);
  return Trimmed(text, " .");
}

// A reference to another entry: H or G and digits, as a word of its own.
bool RefersToNumber(std::string_view clause) {
  for (std::size_t i = 0; i + 1 < clause.size(); ++i) {
    const bool letter = clause[i] == 'H' || clause[i] == 'G';
    const bool wordStart = i == 0 || !std::isalnum(static_cast<unsigned char>(clause[i - 1]));
    if (letter && wordStart && std::isdigit(static_cast<unsigned char>(clause[i + 1]))) return true;
  }
  return false;
}

bool TellsOrigin(std::string_view clause) {
  const std::string lower = platform::LowerCase(clause);
  if (lower.find("derivation") != std::string::npos || lower.find("origin") != std::string::npos) return true;
  return RefersToNumber(clause) && !lower.starts_with("corresponding");
}

}  // namespace

DictionaryEntry ParseDictionaryEntry(std::string_view raw) {
  const std::string definitions = Elements(raw, kDefinitionOpen, kDefinitionClose, true);
  const std::string text = PlainText(Elements(definitions, kOriginOpen, kOriginClose, false));
  const std::string_view all = text;

  // The Greek dictionary opens its renderings with "--", the Hebrew one with ": -".
  std::size_t marker = all.find("--");
  std::size_t markerLength = 2;
  if (marker == std::string_view::npos) {
    marker = all.find(": -");
    markerLength = 3;
  }
  DictionaryEntry entry;
  if (marker == std::string_view::npos) {
    entry.definition = Trimmed(all, " :;,");
    return entry;
  }
  entry.definition = Trimmed(all.substr(0, marker), " :;,");
  entry.renderings = RenderingsPart(all.substr(marker + markerLength));
  return entry;
}

std::string ShortDefinition(std::string_view definition) {
  std::vector<std::string_view> clauses;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= definition.size(); ++i) {
    const char c = i < definition.size() ? definition[i] : ';';
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if (c != ';' || (depth > 0 && i < definition.size())) continue;
    const std::string_view clause = Trimmed(definition.substr(start, i - start), " :;,.");
    if (!clause.empty()) clauses.push_back(clause);
    start = i + 1;
  }
  std::string result;
  for (const std::string_view clause : clauses) {
    if (TellsOrigin(clause)) continue;
    if (!result.empty()) result += "; ";
    result += clause;
  }
  if (result.empty() && !clauses.empty()) result = clauses.back();
  return result;
}

}  // namespace data::names
