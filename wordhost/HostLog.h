#pragma once
// What happened in the host, one line per event: the commands it was sent with
// their arguments and answers, and the add-in's dialogs.

#include <string>
#include <vector>

namespace wordhost {

class HostLog {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  const std::vector<std::string>& Lines() const { return lines_; }
  // Every line, each ended by a line feed.
  std::string Text() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace wordhost
