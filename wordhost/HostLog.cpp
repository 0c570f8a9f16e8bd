#include "HostLog.h"

namespace wordhost {

std::string HostLog::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\n";
  return text;
}

}  // namespace wordhost
