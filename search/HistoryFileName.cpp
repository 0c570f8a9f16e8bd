#include "HistoryFileName.h"

#include <array>
#include <cstdio>
#include <ctime>

#include "platform/Paths.h"

namespace search {
namespace {

constexpr std::array<const char*, 12> MonthFolders{
    "01 (January)", "02 (February)", "03 (March)",     "04 (April)",
    "05 (May)",     "06 (June)",     "07 (July)",      "08 (August)",
    "09 (September)", "10 (October)", "11 (November)", "12 (December)"};

std::string TwoDigits(int value) {
  char text[12];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace

LocalDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string MakeHistoryFileName(std::string_view historyDir, std::string_view ext, const Clock& clock) {
  const LocalDateTime now = clock();
  const int month = now.Month >= 1 && now.Month <= 12 ? now.Month : 1;
  std::string name(historyDir);
  name += std::to_string(now.Year);
  name += '/';
  name += MonthFolders[static_cast<std::size_t>(month - 1)];
  platform::ForceDirectories(name);
  name += '/' + TwoDigits(now.Day) + "@@(" + TwoDigits(now.Hour) + '.' + TwoDigits(now.Minute) + '.' +
          TwoDigits(now.Second) + ')';
  name += ext;
  return name;
}

}  // namespace search
