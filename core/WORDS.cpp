#include "core/WORDS.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/LibraryViews.h"
#include "core/WholeEdition.h"
#include "core/WordLetters.h"
#include "core/WordList.h"
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

// Writes a word into out (room bytes) with its terminator; the characters
// written. A word that does not fit leaves out empty and gives 0.
int WriteWord(std::string_view word, char* out, int room) {
  if (static_cast<int>(word.size()) + 1 > room) {
    out[0] = '\0';
    return 0;
  }
  std::memcpy(out, word.data(), word.size());
  out[word.size()] = '\0';
  return static_cast<int>(word.size());
}

// The entries as the word-list decoder (core/WordList.h) reads them.
std::array<WordGroupView, MaxWordLength + 1> Decoded(std::span<const EnglishGroup, MaxWordLength + 1> groups) {
  std::array<WordGroupView, MaxWordLength + 1> decoded;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const EnglishGroup& group = groups[i];
    const std::size_t bytes = static_cast<std::size_t>(group.count) * group.length;
    decoded[i] = WordGroupView{group.length, group.count,
                               {reinterpret_cast<const std::uint8_t*>(group.words), group.words ? bytes : 0}};
  }
  return decoded;
}

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
  // The caller's copy has no known size: each group is taken as long as its
  // header says.
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
  if (len <= 0) return WriteWord({}, out, room);
  const auto* word = reinterpret_cast<const std::uint8_t*>(words) + static_cast<std::ptrdiff_t>(index) * len;
  return WriteWord(WrittenWord({word, static_cast<std::size_t>(len)}), out, room);
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
  const std::vector<std::uint16_t> keys =
      KeysOfLetters(Decoded(groups_), length, std::string_view(word, static_cast<std::size_t>(count)), 1);
  return keys.empty() ? 0 : keys.front();
}

char* EnglishClass::WordChr(unsigned short key, char* out, int room, Language) {
  if (KeyNumber(key) == 0) return NoWord();
  const std::optional<std::span<const std::uint8_t>> stored = StoredWordOfKey(Decoded(groups_), key);
  if (!stored) {
    SetPendingError("Key is Illegal (Key=%04X)\n", key);
    return NoWord();
  }
  if (out && room > 0) WriteWord(WrittenWord(*stored), out, room);
  return out;
}

char* EnglishClass::WordCase(unsigned short key, char* out, int room, Language lang) {
  if (!out || room <= 0) return out;
  if (WordChr(key, out, room, lang) != out) {
    out[0] = '\0';
    return out;
  }
  ApplyKeyCase(key, std::span(out, std::strlen(out)));
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
