#pragma once
// The topics of the manual: those of the Help page's tree, built from
// "help.tree" of the help folder the same way, in the same order (each topic,
// then its sub-topics), each with the page of the "Help/" folder it shows.

#include <string>
#include <string_view>
#include <vector>

namespace data::manual {

struct ManualTopic {
  std::string title;  // the topic's caption
  int depth = 0;      // 0 for the topics at the top of the tree
  std::string page;   // the page's file: helpFolder + "Help/" + its link, without a "#" part
};

// helpFolder holds "help.tree" and "Help/" and ends in a separator. Empty
// when the file is missing or names no topic.
std::vector<ManualTopic> ReadManualTopics(std::string_view helpFolder);

}  // namespace data::manual
