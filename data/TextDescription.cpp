#include "data/TextDescription.h"

#include <charconv>
#include <string>
#include <utility>

#include "core/IxoFormat.h"

namespace data {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The next blank-separated token of rest, taken off its front.
std::string_view NextToken(std::string_view& rest) {
  std::size_t start = 0;
  while (start < rest.size() && IsSpace(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !IsSpace(rest[end])) ++end;
  const std::string_view token = rest.substr(start, end - start);
  rest.remove_prefix(end);
  return token;
}

bool ReadNumber(std::string_view text, int& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}

std::uint8_t PunctuationCode(std::string_view mark) {
  if (mark == ";") return ixo::PunctuationSemicolon;
  if (mark == ",") return ixo::PunctuationComma;
  if (mark == ":") return ixo::PunctuationColon;
  if (mark == "!") return ixo::PunctuationExclamation;
  if (mark == "--") return ixo::PunctuationDash;
  if (mark == "?") return ixo::PunctuationQuestion;
  if (mark == ".") return ixo::PunctuationPeriod;
  return ixo::PunctuationNone;
}

class DescriptionReader {
 public:
  explicit DescriptionReader(SourceText& text) : text_(text) {}

  BuildResult Line(std::string_view line) {
    std::string_view rest = line;
    const std::string_view first = NextToken(rest);
    if (first.empty() || first.front() == '#') return {};
    if (first == "book") return StartBook(rest);
    BuildResult started = StartVerse(first);
    if (!started.ok) return started;
    for (std::string_view token = NextToken(rest); !token.empty(); token = NextToken(rest)) {
      BuildResult read = Word(token);
      if (!read.ok) return read;
    }
    return {};
  }

  BuildResult End() const {
    if (italic_) return BuildResult::Failure("an italic run \"[\" is not closed");
    if (parenthesis_) return BuildResult::Failure("a parenthesis \"(\" is not closed");
    return {};
  }

 private:
  BuildResult StartBook(std::string_view rest) {
    int number = 0;
    const std::string_view token = NextToken(rest);
    if (!ReadNumber(token, number) || number < 1 || number > ixo::BookCount || !NextToken(rest).empty())
      return BuildResult::Failure("\"book\" needs a book number from 1 to 66");
    if (static_cast<std::size_t>(number) <= text_.books.size())
      return BuildResult::Failure("book " + std::to_string(number) + " comes after book " +
                                  std::to_string(text_.books.size()) + "; books come in order");
    text_.books.resize(static_cast<std::size_t>(number) - 1);  // the books left out are empty
    AddBook();
    return {};
  }

  void AddBook() {
    SourceBook book;
    book.greek = text_.books.size() + 1 >= ixo::FirstGreekBook;
    text_.books.push_back(book);
    chapter_ = 0;
    verse_ = 0;
  }

  BuildResult StartVerse(std::string_view marker) {
    const std::size_t colon = marker.find(':');
    int chapter = 0;
    int verse = 0;
    if (colon == std::string_view::npos || !ReadNumber(marker.substr(0, colon), chapter) ||
        !ReadNumber(marker.substr(colon + 1), verse))
      return BuildResult::Failure("a verse line begins with chapter:verse, not \"" +
                                  std::string(marker) + "\"");
    if (text_.books.empty()) AddBook();
    const bool nextVerse = chapter_ > 0 && chapter == chapter_ && verse == verse_ + 1;
    const bool nextChapter = chapter == chapter_ + 1 && verse == 1;
    if (!nextVerse && !nextChapter)
      return BuildResult::Failure("verse " + std::string(marker) + " does not follow " +
                                  (chapter_ ? std::to_string(chapter_) + ":" + std::to_string(verse_)
                                            : std::string("the start of the book")));
    SourceBook& book = text_.books.back();
    if (nextChapter) book.chapters.emplace_back();
    book.chapters.back().verses.emplace_back();
    chapter_ = chapter;
    verse_ = verse;
    return {};
  }

  BuildResult Word(std::string_view token) {
    const std::string whole(token);
    SourceWord word;
    std::size_t at = 0;
    for (; at < token.size() && (token[at] == '(' || token[at] == '['); ++at) {
      bool& run = token[at] == '(' ? parenthesis_ : italic_;
      if (run) return BuildResult::Failure("\"" + whole + "\" opens a run inside another");
      run = true;
    }

    const std::size_t spellingStart = at;
    while (at < token.size() &&
           (IsLetter(token[at]) || (token[at] == '-' && at > spellingStart &&
                                    at + 1 < token.size() && IsLetter(token[at + 1]))))
      ++at;
    word.spelling = std::string(token.substr(spellingStart, at - spellingStart));
    if (word.spelling.empty()) return BuildResult::Failure("\"" + whole + "\" has no word");
    if (italic_) word.flags |= ixo::FlagItalic;
    if (parenthesis_) word.flags |= ixo::FlagParenthesis;

    if (at < token.size() && token[at] == '\'') {
      word.flags |= ixo::FlagPossessive;
      ++at;
      if (at < token.size() && (token[at] == 's' || token[at] == 'S')) ++at;
    }

    if (at < token.size() && token[at] == '<') {
      const std::size_t close = token.find('>', at);
      if (close == std::string_view::npos)
        return BuildResult::Failure("\"" + whole + "\" does not close its Strong's numbers");
      std::string_view numbers = token.substr(at + 1, close - at - 1);
      while (true) {
        const std::size_t comma = numbers.find(',');
        int number = 0;
        if (!ReadNumber(numbers.substr(0, comma), number) || number < 0 || number > 0xFFFF)
          return BuildResult::Failure("\"" + whole + "\" has a Strong's number that is not a number");
        word.strongs.push_back(static_cast<std::uint16_t>(number));
        if (comma == std::string_view::npos) break;
        numbers.remove_prefix(comma + 1);
      }
      at = close + 1;
    }

    bool closesItalic = false;
    bool closesParenthesis = false;
    while (at < token.size()) {
      const char c = token[at];
      if (c == ')' || c == ']') {
        const bool open = c == ')' ? parenthesis_ : italic_;
        bool& closes = c == ')' ? closesParenthesis : closesItalic;
        if (!open || closes) return BuildResult::Failure("\"" + whole + "\" closes a run that is not open");
        closes = true;
        ++at;
        continue;
      }
      const std::size_t length = token.substr(at, 2) == "--" ? 2 : 1;
      const std::uint8_t code = PunctuationCode(token.substr(at, length));
      if (code == ixo::PunctuationNone)
        return BuildResult::Failure("\"" + whole + "\" has \"" + std::string(token.substr(at)) +
                                    "\" after its word");
      if (ixo::PunctuationOf(word.flags) != ixo::PunctuationNone)
        return BuildResult::Failure("\"" + whole + "\" has two punctuation marks");
      word.flags |= code;
      at += length;
    }
    if (closesItalic) italic_ = false;
    if (closesParenthesis) parenthesis_ = false;

    text_.books.back().chapters.back().verses.back().words.push_back(std::move(word));
    return {};
  }

  SourceText& text_;
  int chapter_ = 0;  // of the current book; 0 before its first verse
  int verse_ = 0;
  bool italic_ = false;
  bool parenthesis_ = false;
};

}  // namespace

BuildResult ReadTextDescription(std::string_view description, SourceText& text) {
  text = SourceText{};
  DescriptionReader reader(text);
  int lineNumber = 0;
  while (!description.empty()) {
    ++lineNumber;
    const std::size_t end = description.find('\n');
    const std::string_view line = description.substr(0, end);
    description.remove_prefix(end == std::string_view::npos ? description.size() : end + 1);
    BuildResult read = reader.Line(line);
    if (!read.ok) return BuildResult::Failure("line " + std::to_string(lineNumber) + ": " + read.error);
  }
  return reader.End();
}

}  // namespace data
