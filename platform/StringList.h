#pragma once
// A list of strings with the class library's semantics: optionally sorted,
// compared without regard to case unless told otherwise, duplicates accepted,
// ignored or refused, name=value entries, comma text and delimited text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class Duplicates { Accept, Ignore, Error };

class TStringList {
 public:
  TStringList() = default;

  // A list sorted, without regard to case, that ignores duplicates: the kind
  // the look-ups of the text return.
  static TStringList SortedUnique();

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool caseSensitive);
  Duplicates DuplicatesMode() const { return duplicates_; }
  void SetDuplicates(Duplicates mode) { duplicates_ = mode; }

  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  const std::string& operator[](std::size_t index) const { return items_[index]; }
  const std::vector<std::string>& Items() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // The index of the new (or, when ignored, the existing) item; -1 when a
  // duplicate was refused.
  int Add(std::string_view item);
  // Inserting into a sorted list is not allowed; returns false then.
  bool Insert(std::size_t index, std::string_view item);
  void Delete(std::size_t index);
  void Clear() { items_.clear(); }
  void Assign(const std::vector<std::string>& items);

  // -1 when not found.
  int IndexOf(std::string_view item) const;
  // Sorted lists: binary search; index receives the position or insertion point.
  bool Find(std::string_view item, int& index) const;

  // name=value entries.
  std::string Name(std::size_t index) const;
  std::string ValueFromIndex(std::size_t index) const;
  int IndexOfName(std::string_view name) const;
  std::string Value(std::string_view name) const;
  // Sets the value of name; an empty value removes the entry.
  void SetValue(std::string_view name, std::string_view value);

  // Comma text: items separated by commas; on reading, blanks and control
  // characters also separate unless quoted; a double quote quotes and a doubled
  // quote inside quotes is one quote; empty quoted items are kept.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);

  // Delimited text with a chosen delimiter and quote character. Strict: only
  // the delimiter separates; not strict: blanks and control characters too.
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char delimiter) { delimiter_ = delimiter; }
  char QuoteChar() const { return quote_; }
  void SetQuoteChar(char quote) { quote_ = quote; }
  bool StrictDelimiter() const { return strict_; }
  void SetStrictDelimiter(bool strict) { strict_ = strict; }
  std::string DelimitedText() const;
  void SetDelimitedText(std::string_view text);

  // One item per line, lines ending in CR LF.
  std::string Text() const;

  int Compare(std::string_view a, std::string_view b) const;

 private:
  void Sort();

  std::vector<std::string> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  Duplicates duplicates_ = Duplicates::Accept;
  char delimiter_ = ',';
  char quote_ = '"';
  bool strict_ = false;
};

}  // namespace platform
