#pragma once
// The dated names of history studies: below the history folder, a folder per
// year and per month, and a file named after the day and the time,
//   <history>2026/12 (December)/08@@(05.08.02).ixolc
// Two searches finished within one second get the same name.

#include <functional>
#include <string>
#include <string_view>

namespace search {

struct LocalDateTime {
  int Year = 0;
  int Month = 0;  // 1 to 12
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

using Clock = std::function<LocalDateTime()>;

// The local date and time now.
LocalDateTime LocalNow();

// historyDir (ending in a separator) + year + "/" + month folder, created with
// its missing parents, then "/" + day + "@@(" + hh.mm.ss + ")" + ext.
std::string MakeHistoryFileName(std::string_view historyDir, std::string_view ext,
                                const Clock& clock = LocalNow);

}  // namespace search
