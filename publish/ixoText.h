#pragma once
// TprintText: the plain-text export and its options. Each chapter becomes a
// file "BB~CCC.txt" in the output folder (book number of two digits, chapter
// of three: "01~001.txt" for Genesis 1), one line per verse, in one of three
// line styles:
//   numeric      "01001001In the beginning ..."   book, chapter, verse, then the words
//   alpha        "Genesis 001:1 In the beginning ..."   for searching with grep
//   verses only  "001 In the beginning ...", under a heading line "Genesis 001"
// The text form only sets these options and calls WriteBookText.

#include <functional>
#include <string>

namespace engine {
struct TBookInfoRec;
}  // namespace engine

namespace publish {

class FileSink;

class TprintText {
 public:
  enum class LineStyle { Numeric, Alpha, VerseOnly };

  // The options, with the form's defaults.
  std::string folder;                          // the output folder (EditRegText)
  LineStyle lineStyle = LineStyle::VerseOnly;  // RadioButtonNumericRep, ...AlphaRep, ...VerseOnlyRep
  bool showItalicizedWords = true;             // italic words in square brackets
  bool printStrongsInfo = false;               // each word's Strong's numbers in angle brackets: "God<H430>"
  // Run before each verse, so that a long run keeps the window responsive.
  std::function<void()> processMessages;
  // Where the files go; null: the disk.
  FileSink* sink = nullptr;

  // Every chapter of the book, each into its file. A book record past the
  // last book is reported in a warning; a file that cannot be written is
  // reported ("Could not open or write to: '<path>'") and ends the book.
  // False then: the caller hands over no further book.
  bool WriteBookText(const engine::TBookInfoRec& book) const;
  // One chapter into its file. A chapter beyond the book is reported in a
  // warning and its file holds at most the heading line.
  bool WriteChapterText(const engine::TBookInfoRec& book, int chapter) const;
  // One verse as one line, appended to the chapter's text: the verse label
  // and the words, ended by a line feed. A verse that cannot be found is
  // reported in a warning and adds nothing after its label.
  void WriteVerseText(std::string& file, const engine::TBookInfoRec& book, int chapter, int verse) const;
};

}  // namespace publish
