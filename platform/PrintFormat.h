#pragma once
// The formats the shell's "print" verb tells apart by a file's first bytes
// (a ".doc" may hold RTF or WordPerfect), and the program that prints each:
// the print system's own client for what its filters render (text, PDF and
// PostScript), LibreOffice's headless printing for word-processor documents.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class PrintFormat { Text, Pdf, PostScript, Rtf, WordPerfect, Word, Unknown };

// The format of a file that begins with head (its first few kilobytes).
PrintFormat DetectPrintFormat(std::string_view head);

// What the messages call the format: "text", "PDF", "RTF", ...
std::string_view PrintFormatName(PrintFormat format);

struct PrintProgram {
  std::string program;                // run from PATH
  std::vector<std::string> options;   // before the file's name
  std::string installHint;            // what to install when the program is missing
};

// The program that prints the format; an empty program for Unknown.
PrintProgram PrintProgramFor(PrintFormat format);

}  // namespace platform
