#include "core/WORDS.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "core/LibraryViews.h"
#include "core/WholeEdition.h"
#include "platform/Dialogs.h"

namespace ixo {
namespace {

// What the last failing lookup left to report; null when nothing waits.
// Process-wide and unguarded: the classes are used from one thread.
char PendingErrorBuffer[132];
const char* PendingError = nullptr;

__attribute__((format(printf, 1, 2))) void SetPendingError(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(PendingErrorBuffer, sizeof PendingErrorBuffer, format, arguments);  // truncates
  va_end(arguments);
  PendingError = PendingErrorBuffer;
}

const char* OrEmpty(const char* text) { return text ? text : ""; }

// The empty string WordChr answers for a key that names no word; the caller's
// buffer is left as it was.
char* NoWord() {
  static char empty[1];
  empty[0] = '\0';
  return empty;
}

// Compares len stored letters with the input, ignoring case and the hyphen bit;
// hyphens of the input are skipped before every letter but the first.
// 0 when equal, else the first difference (input minus stored).
int WordCompare(const char* stored, std::string_view input, int len) {
  constexpr unsigned char Fold = 0x5F;
  constexpr unsigned char FoldedHyphen = '-' & Fold;
  auto folded = [](char c) { return static_cast<unsigned char>(c) & Fold; };
  std::size_t at = 0;
  for (int i = 0; i < len; ++i) {
    if (i > 0)
      while (at < input.size() && folded(input[at]) == FoldedHyphen) ++at;
    if (at == input.size()) return -folded(stored[i]);
    const int difference = folded(input[at]) - folded(stored[i]);
    if (difference != 0) return difference;
    ++at;
  }
  return 0;
}

char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A neighbour's flags; a separator carries its book's word count there, not flags.
std::uint8_t NeighbourFlags(const IxoWritten& record) {
  return IsSeparator(record) ? 0 : record.flags;
}

std::string_view PunctuationText(std::uint8_t code) {
  switch (code) {
    case PunctuationSemicolon: return ";";
    case PunctuationComma: return ",";
    case PunctuationColon: return ":";
    case PunctuationExclamation: return "!";
    case PunctuationDash: return "--";
    case PunctuationQuestion: return "?";
    case PunctuationPeriod: return ".";
    default: return {};
  }
}

}  // namespace

EnglishClass::EnglishClass(const char* data) {
  if (!data) return;
  if (const std::optional<std::size_t> size = EnglishViewSize(data)) {
    IndexWholeList({reinterpret_cast<const std::uint8_t*>(data), *size});
    return;
  }
  maxLength_ = static_cast<unsigned char>(data[0]);
  if (maxLength_ != MaxWordLength) {
    platform::MessageBox("Bad English data file.", "Error");
    return;
  }
  const auto* group = reinterpret_cast<const std::uint8_t*>(data) + EnglishHeaderSize;
  for (int entry = 0; entry < MaxWordLength; ++entry) {
    const std::uint8_t length = group[0];
    const std::uint16_t count = ReadU16(group + 2);
    if (count == 0 || length == 0) break;  // this entry stays the terminator
    const auto* words = group + sizeof(EnglishGroupHeader);
    groups_[entry] = EnglishGroup{count, length, reinterpret_cast<const char*>(words)};
    group = words + static_cast<std::size_t>(count) * length;
  }
}

void EnglishClass::IndexWholeList(std::span<const std::uint8_t> list) {
  if (!list.empty()) maxLength_ = list[0];
  const WordListCheck check = CheckWordList(list);
  if (!check.problems.empty()) {
    platform::MessageBox("Bad English data file.", "Error");
    return;
  }
  for (const WordGroupView& group : check.groups)
    groups_[group.length - 1] = EnglishGroup{static_cast<unsigned short>(group.count),
                                             static_cast<unsigned char>(group.length),
                                             reinterpret_cast<const char*>(group.words.data())};
}

int EnglishClass::GetEnglishCnt(unsigned short len) const {
  if (len < 1 || len > maxLength_ || len > MaxWordLength) return -1;
  return groups_[len - 1].count;
}

unsigned short EnglishClass::MaxWordLen() { return maxLength_; }

int EnglishClass::stringDecode(char* out, const char* words, int index, int len, int room) const {
  if (!out || room <= 0) return 0;
  const char* word = words + static_cast<std::ptrdiff_t>(index) * len;
  int written = len;
  for (int i = 0; i < len; ++i)
    if (static_cast<std::uint8_t>(word[i]) & HyphenBit) ++written;
  if (written + 1 > room) {
    out[0] = '\0';
    return 0;
  }
  char* at = out;
  for (int i = 0; i < len; ++i) {
    const auto letter = static_cast<std::uint8_t>(word[i]);
    *at++ = static_cast<char>(letter & LetterMask);
    if (letter & HyphenBit) *at++ = '-';
  }
  *at = '\0';
  return written;
}

unsigned short EnglishClass::WordKey(const char* word, int maxChars) {
  int count = 0;
  int hyphens = 0;
  if (word) {
    for (; count < maxChars && word[count] != '\0'; ++count)
      if (word[count] == '-') ++hyphens;
  }
  const int length = count - hyphens;
  if (length < 1 || length > MaxWordLength) {
    SetPendingError("Illegal Word Length (%d:%.*s)\n", length, count, OrEmpty(word));
    return 0;
  }
  int base = 1;
  for (int entry = 0; entry < length - 1; ++entry) base += groups_[entry].count;
  const EnglishGroup& group = groups_[length - 1];
  // A list whose group in this place holds words of another length has none
  // of this length (and would be read with the wrong stride).
  if (group.length != length) return 0;
  const std::string_view input(word, static_cast<std::size_t>(count));
  for (int position = 0; position < group.count; ++position) {
    if (WordCompare(group.words + position * length, input, length) == 0) {
      const int number = base + position;
      return number <= MaxWordNumber ? static_cast<unsigned short>(number) : 0;
    }
  }
  return 0;
}

char* EnglishClass::WordChr(unsigned short key, char* out, int room, Language) {
  const int number = KeyNumber(key);
  if (number == 0) return NoWord();
  int index = number - 1;
  for (const EnglishGroup& group : groups_) {
    if (group.count == 0) break;  // the terminator
    if (index < group.count) {
      stringDecode(out, group.words, index, group.length, room);
      return out;
    }
    index -= group.count;
  }
  SetPendingError("Key is Illegal (Key=%04X)\n", key);
  return NoWord();
}

char* EnglishClass::WordCase(unsigned short key, char* out, int room, Language lang) {
  if (!out || room <= 0) return out;
  if (WordChr(key, out, room, lang) != out) {
    out[0] = '\0';
    return out;
  }
  if (KeyHasAllCapitals(key)) {
    for (char* at = out; *at; ++at) *at = ToUpper(*at);
  } else if (KeyHasFirstCapital(key)) {
    out[0] = ToUpper(out[0]);
  }
  return out;
}

int EnglishClass::WordPunc(const IxoWritten& rec, char* buf, int pos, int size,
                           IxoDisplayMode mode, Language lang, IxoPunctuationStyle) {
  if (!buf || pos < 0 || pos >= size) return 0;  // not even room for a terminator
  char* const start = buf + pos;
  const int capacity = size - pos;  // bytes from start, terminator included
  int n = 0;
  start[0] = '\0';
  auto append = [&](std::string_view text) {
    if (n + static_cast<int>(text.size()) + 1 > capacity) return false;
    std::memcpy(start + n, text.data(), text.size());
    n += static_cast<int>(text.size());
    start[n] = '\0';
    return true;
  };
  auto fail = [&] {
    start[0] = '\0';
    return 0;
  };

  // A record that names no word (a separator, the first and last records of a
  // text among them) fails before its neighbours are looked at.
  if (KeyNumber(rec.key) == 0) return fail();
  const std::uint8_t previous = NeighbourFlags(*(&rec - 1));
  const std::uint8_t next = NeighbourFlags(*(&rec + 1));
  const bool opensParenthesis = (rec.flags & FlagParenthesis) && !(previous & FlagParenthesis);
  const bool closesParenthesis = (rec.flags & FlagParenthesis) && !(next & FlagParenthesis);
  const bool opensItalic = (rec.flags & FlagItalic) && !(previous & FlagItalic);
  const bool closesItalic = (rec.flags & FlagItalic) && !(next & FlagItalic);
  const std::string_view italicOpen = mode == IxoDisplayMode::Emphasis   ? "<em>"
                                      : mode == IxoDisplayMode::Brackets ? "["
                                                                         : "";
  const std::string_view italicClose = mode == IxoDisplayMode::Emphasis   ? "</em>"
                                       : mode == IxoDisplayMode::Brackets ? "]"
                                                                          : "";

  if (opensParenthesis && !append("(")) return fail();
  if (opensItalic && !append(italicOpen)) return fail();

  WordCase(rec.key, start + n, capacity - n, lang);
  const int wordLength = static_cast<int>(std::strlen(start + n));
  if (wordLength == 0) return fail();
  const char lastLetter = start[n + wordLength - 1];
  n += wordLength;

  const bool endsInS = lastLetter == 's' || lastLetter == 'S';  // "MOSES'" as "Moses'"
  if ((rec.flags & FlagPossessive) && !append(endsInS ? "'" : "'s")) return fail();
  if (closesItalic && !append(italicClose)) return fail();
  const std::string_view mark = PunctuationText(PunctuationOf(rec.flags));
  if (!mark.empty() && !append(mark)) return fail();
  if (closesParenthesis && !append(")")) return fail();
  return n;
}

const char* PendingErrorText() { return PendingError; }

void ErrorBox(const char* text, const char* source, int line, const char* date,
              const char* time) {
  char caption[1024];
  std::snprintf(caption, sizeof caption, "%s\t%s:\t%s @%d", OrEmpty(date), OrEmpty(time),
                OrEmpty(source), line);
  platform::MessageBox(OrEmpty(text), caption);
  if (PendingError && *PendingError) platform::MessageBox(PendingError, caption);
  PendingError = nullptr;
}

}  // namespace ixo
