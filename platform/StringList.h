#pragma once
// A list of strings with the class library's semantics: optionally sorted,
// compared without regard to case unless told otherwise, duplicates accepted,
// ignored or refused, name=value entries, comma text and delimited text.
//
// Comparison without regard to case folds ASCII letters to lower case; with
// regard to case, texts that differ only in case put the lower-case letter
// first ("a" < "A" < "b"). As in the class library, the duplicates rule holds
// for sorted lists only: an unsorted list takes every item it is given.

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
  // duplicate was refused. A sorted list puts the item in its place.
  int Add(std::string_view item);
  // Inserting into a sorted list, or beyond the end, is not allowed; returns
  // false then.
  bool Insert(std::size_t index, std::string_view item);
  // An index out of range deletes nothing.
  void Delete(std::size_t index);
  void Clear() { items_.clear(); }
  // Replaces the items, adding them one by one (a sorted list sorts them).
  void Assign(const std::vector<std::string>& items);
  // Adds the items as Add does one by one. A sorted list first puts them in
  // its order (equal ones as given), so that most land at its end.
  void AddAll(std::vector<std::string> items);

  // -1 when not found.
  int IndexOf(std::string_view item) const;
  // Sorted lists: binary search; index receives the position of the first
  // equal item or the insertion point. Unsorted lists are searched in order
  // (index: the position, or Count when not found).
  bool Find(std::string_view item, int& index) const;

  // name=value entries: the name is the text before the first "=", the value
  // the text after it; items without "=" have no name and no value.
  std::string Name(std::size_t index) const;
  std::string ValueFromIndex(std::size_t index) const;
  int IndexOfName(std::string_view name) const;
  std::string Value(std::string_view name) const;
  // Sets the value of name; an empty value removes the entry.
  void SetValue(std::string_view name, std::string_view value);

  // Comma text: delimited text with the delimiter ",", the quote character
  // '"' and not strict, whatever the list's own settings.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);

  // Delimited text with a chosen delimiter and quote character. Strict: only
  // the delimiter separates; not strict: blanks and control characters (any
  // character up to and including the blank) separate too.
  //
  // Reading replaces the items (added one by one, so a sorted list sorts them
  // and applies its duplicates rule):
  // - Not strict, blanks and control characters before the first item, around
  //   a delimiter and after the last item are skipped; a run of them between
  //   two items separates them like one delimiter ("a  b" and "a , b" give
  //   a and b).
  // - An item that begins with the quote character runs to the matching quote;
  //   a doubled quote inside stands for one quote; blanks and delimiters inside
  //   belong to the item; without a closing quote the item runs to the end.
  //   What follows the closing quote directly, up to the next separator, is an
  //   item of its own ('"ab"cd,e' gives ab, cd and e).
  // - Any other item runs up to the next delimiter (or, not strict, blank or
  //   control character); a quote inside it is an ordinary character.
  // - Two delimiters in a row enclose an empty item, a leading delimiter
  //   begins with one, and a delimiter that is the last character of the text
  //   ends with one ("a,,b": a, "" and b; ",a": "" and a; "a,": a and "").
  // Writing joins the items with the delimiter; an item that holds the
  // delimiter, the quote character, a NUL or (not strict) any character up to
  // and including the blank is enclosed in quotes with inner quotes doubled;
  // a list of one empty item is written as two quotes; no items give "".
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
  // Sorts items in this list's order, equal ones kept as they are.
  void SortInOrder(std::vector<std::string>& items) const;
  std::string Join(char delimiter, char quote, bool strict) const;
  void Split(std::string_view text, char delimiter, char quote, bool strict);

  std::vector<std::string> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  Duplicates duplicates_ = Duplicates::Accept;
  char delimiter_ = ',';
  char quote_ = '"';
  bool strict_ = false;
};

}  // namespace platform
