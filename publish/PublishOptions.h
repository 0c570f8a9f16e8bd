#pragma once
// The options of one publishing run: what its options form showed when its
// OK button was clicked. The form builds the value, hands it to the main
// window's writer handler, and the writer of the run keeps it unchanged to
// the end of the run; no writer has options of its own. Each format reads the
// fields of its own and the shared ones; the defaults are the forms' own.

#include <functional>
#include <string>

namespace publish {

class FileSink;

struct PublishOptions {
  // ---- every format
  // The output folder (EditRegText). The HTML pages go under the engine's
  // HTML folder instead, which their form points elsewhere for its run.
  std::string folder;
  // Run before each book of a document and each verse of a page or text, so
  // that a long run keeps the window responsive.
  std::function<void()> processMessages;
  // Where the files go; null: the disk.
  FileSink* sink = nullptr;

  // ---- RTF and WordPerfect documents
  bool allInOne = true;             // one document per book (RadioAllOne), else one per chapter
  bool headerEachChapter = false;   // every chapter gets the document header
  bool wordCompatible = false;      // Word compatibility mode: no keep-together
  bool dotDoc = false;              // ".doc" chosen (buttonDotDoc) instead of ".rtf" / ".wpd"
  bool dualColumns = true;          // "Two Columns per Page"
  bool headersAndFooters = true;    // "Add Headers and Footers"
  bool oddEvenHeaders = false;      // "Format Header/Footer for Double-Sided Printing"
  bool printMode = false;           // the OK button read "Print": each finished file is printed

  // ---- plain text
  // numeric "01001001In the beginning ...", alpha "Genesis 001:1 In the
  // beginning ...", verses only "001 In the beginning ..." under a heading.
  enum class LineStyle { Numeric, Alpha, VerseOnly };
  LineStyle lineStyle = LineStyle::VerseOnly;  // RadioButtonNumericRep, ...AlphaRep, ...VerseOnlyRep
  bool showItalicizedWords = true;             // italic words in square brackets
  bool printStrongsInfo = false;               // each word's Strong's numbers in angle brackets: "God<H430>"
};

}  // namespace publish
