#include "StudyFolders.h"

#include <array>

#include "platform/Paths.h"

namespace desktop {
namespace {

constexpr std::string_view kProductPrefix = "Ixo ";
constexpr std::size_t kHistoryNameLength = 14;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters that differ between a history file name and its caption.
struct MarkedPlace {
  std::size_t index;
  char inName;
  char inCaption;
};
constexpr std::array<MarkedPlace, 6> kMarkedPlaces = {{
    {2, '@', ' '}, {3, '@', ' '}, {4, '(', '['}, {7, '.', ':'}, {10, '.', ':'}, {13, ')', ']'}}};

// text with every marked place turned from one form into the other, when
// all of them hold the first form; text unchanged otherwise.
std::string Remark(std::string_view text, bool fromName) {
  std::string result(text);
  if (text.size() != kHistoryNameLength) return result;
  for (const MarkedPlace& place : kMarkedPlaces)
    if (text[place.index] != (fromName ? place.inName : place.inCaption)) return result;
  for (const MarkedPlace& place : kMarkedPlaces) result[place.index] = fromName ? place.inCaption : place.inName;
  return result;
}

}  // namespace

std::optional<MonthFolder> ParseMonthFolder(std::string_view name) {
  if (name.size() < 5 || (name[0] != '0' && name[0] != '1') || !IsDigit(name[1]) || name[2] != ' ' ||
      name[3] != '(' || name.back() != ')')
    return std::nullopt;
  std::string_view caption = name.substr(4, name.size() - 5);
  while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
  return MonthFolder{std::string(name.substr(0, 2)), std::string(caption)};
}

std::intptr_t MonthData(std::string_view digits) {
  if (digits.size() != 2) return 0;
  return static_cast<unsigned char>(digits[0]) | (static_cast<std::intptr_t>(static_cast<unsigned char>(digits[1])) << 8);
}

std::optional<std::string> MonthDigits(std::intptr_t data) {
  if (data < 0 || data > 0xFFFF) return std::nullopt;
  const char first = static_cast<char>(data & 0xFF);
  const char second = static_cast<char>((data >> 8) & 0xFF);
  if ((first != '0' && first != '1') || !IsDigit(second)) return std::nullopt;
  return std::string{first, second};
}

std::string HistoryCaption(std::string_view fileName) { return Remark(fileName, true); }

std::string HistoryFileNameOf(std::string_view caption) { return Remark(caption, false); }

std::string ScanFolderPath(std::string_view baseDir, std::string_view folderName) {
  if (folderName.starts_with(kProductPrefix)) folderName.remove_prefix(kProductPrefix.size());
  std::string path = platform::JoinPath(baseDir, folderName);
  if (!platform::DirectoryExists(path) && path.ends_with("ies")) path.replace(path.size() - 3, 3, "y");
  return path;
}

}  // namespace desktop
