#pragma once
// The book writers of the RTF and WordPerfect documents: they name and open
// the output files, one per book or one per chapter (allInOne of the
// writer's options), call the chapter driver for each chapter, close each
// file and, in print mode, hand it to the shell's "print" verb.
//
// Every file is a document of its own: a file of one chapter gets the
// document header and is closed like the last chapter of a book. A file is
// put under its name only when all of it was written; a file that could not
// be created or written completely is reported ("Could not open or write
// to: '<name>'", where a book's file is named without its extension,
// "Genesis", and a chapter's with it, "Genesis 2.rtf"), is not printed, and
// ends the run: the routines return false, and the caller then hands over no
// further book. Files written before stay.

#include <memory>
#include <string>
#include <string_view>

namespace engine {
struct TBookInfoRec;
}  // namespace engine

namespace publish {

class OutputFile;
class TPrintRtf;
class TPrintWp;

// The book into files named after the tree node's caption: caption + ".rtf"
// (or ".doc" with dotDoc) for the whole book, caption + " " +
// chapter + the extension for single chapters. A book record past the last
// book is reported in a warning before anything is created.
bool WriteBookRtf(TPrintRtf& writer, const engine::TBookInfoRec& book, std::string_view caption);

// The book into WordPerfect files named after the book ("1  Samuel.wpd" for
// 1 Samuel; ".doc" with dotDoc), each in its frame (WpFrame.h) with the
// header and footer packets when headersAndFooters is set.
bool WriteBookWp(TPrintWp& writer, const engine::TBookInfoRec& book);

// Writes the bytes; when not all of them are written, drops the file (nothing
// of it is kept) and returns false.
bool WriteBlock(std::unique_ptr<OutputFile>& file, std::string_view bytes);

// A file name made from a caption: path separators and control characters
// become "_", and so does every "..", so that the name stays in its folder.
std::string SafeFileName(std::string_view caption);

}  // namespace publish
