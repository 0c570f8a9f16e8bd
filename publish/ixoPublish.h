#pragma once
// The writer half of the publishing base: the fifteen writer operations that
// each document publisher implements in its own format, the state its setters
// keep so that they write a code only when a value changes, and the chapter
// driver PublishChapter that walks one chapter of the text and calls the
// operations in a fixed order. No window is involved: a writer serves one
// publishing run and is made with that run's options, which it keeps as they
// were given.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "publish/PublishOptions.h"

namespace publish {

class OutputFile;

class TPublishWriter {
 public:
  explicit TPublishWriter(PublishOptions options = {}) : options_(std::move(options)) {}
  virtual ~TPublishWriter() = default;

  // The publishing writer interface, in its slot order.
  virtual void WriteVerseNumber(std::string_view text) = 0;
  virtual void WriteDocumentHeader() = 0;
  virtual void WriteChapterHeading(int chapter, int chapterCount) = 0;
  virtual void EndChapter(int chapter, int chapterCount) = 0;
  virtual void BeginBook(std::string_view bookName, int book, int chapterCount) = 0;
  virtual void EndBook() = 0;
  virtual void SetKeepTogether(bool on) = 0;
  virtual void SetFontSize(bool on, int sizeCode) = 0;
  virtual void SetJustification(int mode) = 0;
  virtual void SetItalic(bool on) = 0;
  virtual void SetBold(bool on) = 0;
  virtual void SetColor(int index) = 0;
  virtual void SetSuperscript(bool on) = 0;
  // spaceKind: 1 for text ending in a blank inside a verse and for the two
  // blanks between verses, 0 for the last word of a verse.
  virtual void WriteText(std::string_view text, int spaceKind, bool italic) = 0;
  // One word of a verse, with the text that stands before it (an opening
  // parenthesis) and after it (its punctuation, and inside a verse the
  // blank); italic is the word's own flag. This writes them as one WriteText;
  // a format whose italics should cover the word alone writes them apart.
  virtual void WriteWord(std::string_view before, std::string_view word, std::string_view after, int spaceKind,
                         bool italic);
  // Writes a header or footer text to its own output; returns the bytes written.
  virtual int WriteHeaderFooter(OutputFile* handle, std::string_view text, int kind) = 0;

  // Writes chapter `chapter` of book `book` (both from 1) to handle, which the
  // caller opened and closes, and returns the bytes counted meanwhile. A book,
  // chapter or verse that is not in the text is reported in a warning and ends
  // the chapter. So does a write to handle that fails; the caller finds it in
  // handle->Failed(). Afterwards the output is none and the state is reset.
  int PublishChapter(OutputFile* handle, int book, int chapter);

  // The options of the run.
  const PublishOptions& Options() const { return options_; }
  // Every chapter gets the document header: when the form asks for it, and
  // always when each chapter is a document of its own.
  bool HeaderEachChapter() const { return options_.headerEachChapter || !options_.allInOne; }
  bool WordCompatible() const { return options_.wordCompatible; }  // no keep-together
  bool AllInOne() const { return options_.allInOne; }              // one document per book

 protected:
  // Back to nothing written yet; the font size code keeps its value.
  void ResetState();
  // Sends what is written from now on to handle, counting the bytes from 0.
  void BeginOutput(OutputFile* handle);
  // The bytes counted since BeginOutput; afterwards the output is none and
  // the state is reset.
  int EndOutput();
  // Counts the bytes and writes them to the current output. A failed write
  // stays recorded in the output (OutputFile::Failed).
  void WriteBytes(std::string_view bytes);
  // True when an output is set and a write to it has failed.
  bool OutputFailed() const;

  int FBytesWritten = 0;
  OutputFile* FHandle = nullptr;  // the current chapter's output; null when none
  bool FKeepTogetherState = false;
  bool FFontSizeState = false;
  std::uint8_t FFontSizeCode = 0;
  std::int8_t FJustificationState = -1;  // 0 left, 1 full, 2 centre, 3 right; -1 none yet
  bool FItalicState = false;
  bool FBoldState = false;
  int FColorState = 0;
  bool FSuperscriptState = false;

 private:
  // PublishChapter's walk; returns early when something is not in the text or
  // the output failed.
  void WriteChapter(int book, int chapter);

  const PublishOptions options_;
};

}  // namespace publish
