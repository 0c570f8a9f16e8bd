#pragma once
// The options of a document publishing run (RTF or WordPerfect), as the
// publishing form shows them. The form only sets these and the writer's
// option flags (TPublishWriter::SetAllInOne and the others) and then calls the
// book writer; the writers read them while they write. The defaults are the
// form's own.

#include <functional>
#include <string>

namespace publish {

class FileSink;

struct DocumentOptions {
  std::string folder;              // the output folder (EditRegText)
  bool dotDoc = false;             // ".doc" chosen (buttonDotDoc) instead of ".rtf" / ".wpd"
  bool dualColumns = true;         // "Two Columns per Page"
  bool headersAndFooters = true;   // "Add Headers and Footers"
  bool oddEvenHeaders = false;     // "Format Header/Footer for Double-Sided Printing"
  bool printMode = false;          // the OK button reads "Print": each finished file is printed
  // Run before each book, so that a long run keeps the window responsive.
  std::function<void()> processMessages;
  // Where the files go; null: the disk.
  FileSink* sink = nullptr;
};

}  // namespace publish
