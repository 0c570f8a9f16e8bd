#pragma once
// The names the Review page reads and shows for the study and history
// folders of the user data folder:
//   - month folders of a history year, "01 (January)", shown as January, with
//     their two digits kept in the node's data value;
//   - dated history files, "05@@(12.34.56)", shown as "05  [12:34:56]";
//   - the folder a scan of a tree caption reads: "Ixo Studies" is the folder
//     "Studies", or "Study" when there is no "Studies".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace desktop {

struct MonthFolder {
  std::string Digits;   // the first two characters, "01"
  std::string Caption;  // the text between "(" and ")", "January"
};

// A month folder: "0" or "1", a decimal digit, a blank, "(" and, as the last
// character, ")". Leading blanks of the caption are dropped.
std::optional<MonthFolder> ParseMonthFolder(std::string_view folderName);

// The two digits of a month folder as a node's data value (never 0), and
// back; nothing for a data value that is not one.
std::intptr_t MonthData(std::string_view digits);
std::optional<std::string> MonthDigits(std::intptr_t data);

// The caption of a history file: a name of 14 characters with "@@(" at the
// third to fifth, "." at the eighth and eleventh and ")" at the end reads
// with "  [", ":", ":" and "]" in their places; any other name is its own caption.
std::string HistoryCaption(std::string_view fileName);
// And back, from such a caption to the file name (without its extension).
std::string HistoryFileNameOf(std::string_view caption);

// The folder (without a trailing separator) that a scan of the tree caption
// folderName reads under baseDir: a caption that begins with "Ixo " names the
// folder without those four characters; when that folder does not exist and
// its name ends in "ies", the name ending in "y" is taken instead.
std::string ScanFolderPath(std::string_view baseDir, std::string_view folderName);

}  // namespace desktop
