#pragma once
// TprintText: the plain-text export. Each chapter becomes a file
// "BB~CCC.txt" in the output folder (book number of two digits, chapter of
// three: "01~001.txt" for Genesis 1), one line per verse, in the line style of
// the run's options (PublishOptions::LineStyle); italic words and Strong's
// numbers as those options say. A writer serves one run: the text form's OK
// button hands the options to the main window, which makes the writer with
// them and calls WriteBookText for each book.

#include <string>
#include <utility>

#include "publish/PublishOptions.h"

namespace engine {
struct TBookInfoRec;
}  // namespace engine

namespace publish {

class TprintText {
 public:
  explicit TprintText(PublishOptions options = {}) : options_(std::move(options)) {}

  const PublishOptions& Options() const { return options_; }

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

 private:
  const PublishOptions options_;
};

}  // namespace publish
