#include "data/kjv/OsisVerse.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>

#include "core/IxoFormat.h"
#include "data/kjv/OsisMarkup.h"

namespace data::kjv {
namespace {

constexpr char32_t RightSingleQuote = 0x2019;  // the module's apostrophe
constexpr char32_t EmDash = 0x2014;
constexpr char32_t Pilcrow = 0x00B6;  // the paragraph mark
constexpr char32_t SmallAe = 0x00E6;
constexpr char32_t CapitalAe = 0x00C6;

bool IsAsciiLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsLetter(char32_t c) { return IsAsciiLetter(c) || c == SmallAe || c == CapitalAe; }
bool IsApostrophe(char32_t c) { return c == RightSingleQuote || c == '\''; }
bool IsWordChar(char32_t c) { return IsLetter(c) || c == '-' || IsApostrophe(c); }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// Text between words that carries nothing: blanks, the paragraph mark and the
// square brackets of words missing from some copies ("[but]").
bool IsIgnored(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == Pilcrow || c == '[' || c == ']';
}

std::uint8_t PunctuationCode(char32_t c) {
  switch (c) {
    case ';': return ixo::PunctuationSemicolon;
    case ',': return ixo::PunctuationComma;
    case ':': return ixo::PunctuationColon;
    case '!': return ixo::PunctuationExclamation;
    case EmDash: return ixo::PunctuationDash;
    case '?': return ixo::PunctuationQuestion;
    case '.': return ixo::PunctuationPeriod;
    default: return ixo::PunctuationNone;
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Quoted(std::span<const MarkedChar> chars) {
  std::string text = "\"";
  for (const MarkedChar& c : chars) AppendUtf8(text, c.code);
  return text + "\"";
}

// The letters of one source letter: the ligatures are written out ("Judæa" is
// "Judaea"), as the word list holds only the letters a to z.
void AppendLetters(std::string& spelling, char32_t c, bool capitals) {
  auto append = [&](char letter) {
    spelling += capitals && IsLower(letter) ? static_cast<char>(letter - 'a' + 'A') : letter;
  };
  if (c == SmallAe || c == CapitalAe) {
    append(c == SmallAe ? 'a' : 'A');
    append('e');
  } else {
    append(static_cast<char>(c));
  }
}

class VerseWords {
 public:
  VerseWords(const MarkedText& text, OsisVerseState& state)
      : text_(text), state_(state), usedWordElements_(text.strongs.size(), false) {}

  std::vector<SourceWord> Read() {
    const std::vector<MarkedChar>& chars = text_.chars;
    std::size_t pos = 0;
    while (pos < chars.size()) {
      const char32_t c = chars[pos].code;
      if (IsWordChar(c)) {
        std::size_t end = pos;
        while (end < chars.size() && IsWordChar(chars[end].code)) ++end;
        AddWord(std::span(chars).subspan(pos, end - pos));
        pos = end;
        continue;
      }
      if (c == '(') {
        OpenParenthesis();
      } else if (c == ')') {
        CloseParenthesis();
      } else if (PunctuationCode(c) != ixo::PunctuationNone) {
        AddPunctuation(PunctuationCode(c), c);
        // The dash of "sin—;" stands with its semicolon: the writers show the dash as "--;".
        if (c == EmDash && pos + 1 < chars.size() && chars[pos + 1].code == ';') ++pos;
      } else if (!IsIgnored(c)) {
        std::string character;
        AppendUtf8(character, c);
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        throw OsisError("the character \"" + character + "\" (" + code + ") has no place in the text");
      }
      ++pos;
    }
    CheckEveryNumberHasAWord();
    return std::move(words_);
  }

 private:
  void AddWord(std::span<const MarkedChar> source) {
    // The possessive ending: "man's" and "Jesus'" are the bare word with the
    // possessive flag, which the writers print as "'s", or "'" after an s.
    bool possessive = false;
    std::span<const MarkedChar> bare = source;
    auto endsInS = [](std::span<const MarkedChar> chars) {
      return !chars.empty() && (chars.back().code == 's' || chars.back().code == 'S');
    };
    if (IsApostrophe(bare.back().code)) {
      possessive = true;
      bare = bare.first(bare.size() - 1);
      if (!endsInS(bare))
        throw OsisError(Quoted(source) + ": a possessive \"'\" after a word that does not end in s cannot be stored");
    } else if (bare.size() >= 2 && IsApostrophe(bare[bare.size() - 2].code) && endsInS(bare)) {
      possessive = true;
      bare = bare.first(bare.size() - 2);
      if (endsInS(bare))
        throw OsisError(Quoted(source) + ": a possessive \"'s\" after a word that ends in s cannot be stored");
    }
    if (bare.empty() || !IsLetter(bare.front().code) || !IsLetter(bare.back().code))
      throw OsisError(Quoted(source) + " does not begin and end with a letter");

    std::string spelling;
    bool added = bare.front().added;
    bool divineName = bare.front().divineName;
    for (std::size_t i = 0; i < bare.size(); ++i) {
      const MarkedChar& c = bare[i];
      if (IsApostrophe(c.code)) throw OsisError(Quoted(source) + ": an apostrophe inside a word cannot be stored");
      if (c.code == '-') {
        if (bare[i + 1].code == '-') throw OsisError(Quoted(source) + ": two hyphens in a row cannot be stored");
        spelling += '-';
        continue;
      }
      if (c.added != added) throw OsisError(Quoted(source) + " is only partly in italics");
      if (c.divineName != divineName) throw OsisError(Quoted(source) + " is only partly a divine name");
      AppendLetters(spelling, c.code, divineName);
    }
    CheckCase(spelling, source);

    SourceWord word;
    word.spelling = std::move(spelling);
    if (added) word.flags |= ixo::FlagItalic;
    if (state_.inParenthesis) word.flags |= ixo::FlagParenthesis;
    if (possessive) word.flags |= ixo::FlagPossessive;
    word.strongs = StrongsOf(source);
    words_.push_back(std::move(word));
    state_.lastWordInParenthesis = state_.inParenthesis;
    closedSinceLastWord_ = false;
  }

  // A key holds a capital first letter or capitals throughout, nothing between.
  static void CheckCase(const std::string& spelling, std::span<const MarkedChar> source) {
    int letters = 0, capitals = 0, laterCapitals = 0;
    for (char c : spelling) {
      if (c == '-') continue;
      if (IsUpper(c)) {
        ++capitals;
        if (letters > 0) ++laterCapitals;
      }
      ++letters;
    }
    const bool allCapitals = letters > 1 && capitals == letters;
    if (!allCapitals && laterCapitals > 0)
      throw OsisError(Quoted(source) + ": capitals inside a word cannot be stored");
  }

  // The numbers of every <w> the word touches, each once, up to four.
  std::vector<std::uint16_t> StrongsOf(std::span<const MarkedChar> source) {
    std::vector<std::uint16_t> numbers;
    int lastElement = -1;
    for (const MarkedChar& c : source) {
      if (c.wordElement < 0 || c.wordElement == lastElement) continue;
      lastElement = c.wordElement;
      usedWordElements_[c.wordElement] = true;
      for (std::uint16_t number : text_.strongs[c.wordElement])
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) numbers.push_back(number);
    }
    if (numbers.size() > ixo::LemmaSlotCount)
      throw OsisError(Quoted(source) + " has more than four Strong's numbers");
    return numbers;
  }

  void AddPunctuation(std::uint8_t code, char32_t mark) {
    std::string text;
    AppendUtf8(text, mark);
    if (words_.empty()) throw OsisError("\"" + text + "\" before the first word of the verse");
    SourceWord& word = words_.back();
    if (closedSinceLastWord_)
      throw OsisError("\"" + text + "\" after the \")\" that follows \"" + word.spelling + "\" cannot be stored");
    if (ixo::PunctuationOf(word.flags) != ixo::PunctuationNone)
      throw OsisError("\"" + word.spelling + "\" is followed by two punctuation marks");
    word.flags |= code;
  }

  void OpenParenthesis() {
    if (state_.inParenthesis) throw OsisError("a \"(\" inside a parenthesis cannot be stored");
    if (state_.lastWordInParenthesis)
      throw OsisError("a \"(\" right after a \")\" cannot be stored: the two runs would merge");
    state_.inParenthesis = true;
  }

  void CloseParenthesis() {
    if (!state_.inParenthesis) throw OsisError("a \")\" without its \"(\"");
    if (!state_.lastWordInParenthesis) throw OsisError("a parenthesis without a word cannot be stored");
    state_.inParenthesis = false;
    closedSinceLastWord_ = true;
  }

  void CheckEveryNumberHasAWord() const {
    for (std::size_t i = 0; i < text_.strongs.size(); ++i)
      if (!usedWordElements_[i] && !text_.strongs[i].empty())
        throw OsisError("the Strong's number " + std::string(1, state_.strongsLetter) +
                        std::to_string(text_.strongs[i].front()) + " is on no word");
  }

  const MarkedText& text_;
  OsisVerseState& state_;
  std::vector<bool> usedWordElements_;
  std::vector<SourceWord> words_;
  bool closedSinceLastWord_ = false;
};

}  // namespace

std::vector<SourceWord> ParseOsisVerse(std::string_view raw, OsisVerseState& state) {
  const MarkedText text = ReadOsisMarkup(raw, state.strongsLetter);
  return VerseWords(text, state).Read();
}

}  // namespace data::kjv
