#pragma once
// What the style sheet reads of the search form: its fourteen conditions,
// whether each one's check box is checked, and each one's word list (English
// words, or Strong's numbers written as H or G and digits).

#include <string>
#include <vector>

namespace publish {

class SearchConditions {
 public:
  static constexpr int Count = 14;  // conditions are numbered 1 to 14

  virtual ~SearchConditions() = default;
  virtual bool Checked(int condition) const = 0;
  virtual std::vector<std::string> Words(int condition) const = 0;
};

}  // namespace publish
