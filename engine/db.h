#pragma once
// TDB: the reader of tree files. A tree file is an INI file whose sections are
// nodes (the section's name is the caption) and whose keys, in file order, are
// the captions of the children; keys beginning with "#" are directives:
// "#icon" (the node's own image), "#subicon" (the images of the children that
// follow), "#indexing" (when above 0, the children that follow get their
// 0-based position as image), "#expanding" (when not 0, the children of the
// children that follow are shown expanded), "#link" (the node's help page,
// read by the help page). A directive affects only the keys after it.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniFile.h"
#include "platform/StringList.h"

namespace engine {

class TreeNode;
class TreeTarget;

class TDB {
 public:
  // Opens the tree file and keeps its reader.
  platform::TIniFile& Open(std::string fileName);
  // The reader of the open file; null before Open.
  platform::TIniFile* IniFile() const { return iniFile_.get(); }

  // The section's key names in file order; empty without an open file.
  platform::TStringList ReadSection(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view ident,
                         std::string_view defaultValue) const;
  // A value that is not a decimal integer gives the default.
  int ReadInteger(std::string_view section, std::string_view ident, int defaultValue) const;

  // The most nodes a tree may have, and the deepest its sections may nest.
  static constexpr int MaxTreeNodes = 100'000;
  static constexpr int MaxTreeDepth = 64;

  // Adds the children of section under parent (the top level when null) and,
  // below each, its own children; returns how many it added under parent.
  // With expanding, each child that got children of its own is expanded. A
  // child whose section is already on the path from the top (a cycle) is added
  // without children. A tree beyond MaxTreeNodes nodes or MaxTreeDepth levels
  // (sections that name each other over and over, or a long chain of them) is
  // reported and not built at all: 0.
  int BuildTree(std::string_view section, TreeTarget& tree, TreeNode* parent, bool expanding) const;

 private:
  // Counts into nodes what BuildBranch would add; false as soon as the tree
  // goes beyond the limits.
  bool FitsLimits(std::string_view section, std::vector<std::string>& path, int& nodes) const;
  int BuildBranch(std::string_view section, TreeTarget& tree, TreeNode* parent, bool expanding,
                  std::vector<std::string>& path) const;

  std::unique_ptr<platform::TIniFile> iniFile_;
};

}  // namespace engine
