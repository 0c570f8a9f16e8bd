#include "db.h"

#include <algorithm>

#include "TreeTarget.h"
#include "platform/Dialogs.h"
#include "platform/TextUtils.h"

namespace engine {

using platform::SameText;

platform::TIniFile& TDB::Open(std::string fileName) {
  iniFile_ = std::make_unique<platform::TIniFile>(std::move(fileName));
  return *iniFile_;
}

platform::TStringList TDB::ReadSection(std::string_view section) const {
  platform::TStringList keys;
  if (iniFile_) keys.Assign(iniFile_->ReadSection(section));
  return keys;
}

std::string TDB::ReadString(std::string_view section, std::string_view ident,
                            std::string_view defaultValue) const {
  return iniFile_ ? iniFile_->ReadString(section, ident, defaultValue) : std::string(defaultValue);
}

int TDB::ReadInteger(std::string_view section, std::string_view ident, int defaultValue) const {
  return iniFile_ ? iniFile_->ReadInteger(section, ident, defaultValue) : defaultValue;
}

namespace {

bool OnPath(const std::vector<std::string>& path, std::string_view section) {
  return std::ranges::any_of(path, [&](const std::string& s) { return SameText(s, section); });
}

}  // namespace

int TDB::BuildTree(std::string_view section, TreeTarget& tree, TreeNode* parent, bool expanding) const {
  std::vector<std::string> path;
  int nodes = 0;
  if (!FitsLimits(section, path, nodes)) {
    platform::MessageDlg("The tree file \"" + iniFile_->FileName() + "\" is not shown: its sections nest deeper than " +
                             std::to_string(MaxTreeDepth) + " levels or make more than " +
                             std::to_string(MaxTreeNodes) + " entries.",
                         platform::DialogType::Error);
    return 0;
  }
  return BuildBranch(section, tree, parent, expanding, path);
}

bool TDB::FitsLimits(std::string_view section, std::vector<std::string>& path, int& nodes) const {
  if (path.size() >= MaxTreeDepth) return false;
  const platform::TStringList keys = ReadSection(section);
  path.emplace_back(section);
  bool fits = true;
  for (const std::string& key : keys) {
    if (key.starts_with('#')) continue;
    fits = ++nodes <= MaxTreeNodes && (OnPath(path, key) || FitsLimits(key, path, nodes));
    if (!fits) break;
  }
  path.pop_back();
  return fits;
}

int TDB::BuildBranch(std::string_view section, TreeTarget& tree, TreeNode* parent, bool expanding,
                     std::vector<std::string>& path) const {
  const platform::TStringList keys = ReadSection(section);
  path.emplace_back(section);

  int subicon = -1;
  int indexing = 0;
  int expandingChildren = 0;
  int added = 0;
  for (const std::string& key : keys) {
    if (key.starts_with('#')) {
      if (SameText(key, "#icon")) {
        if (parent) {
          const int image = ReadInteger(section, key, 0);
          tree.SetImages(*parent, image, image);
        }
      } else if (SameText(key, "#subicon")) {
        subicon = ReadInteger(section, key, 0);
      } else if (SameText(key, "#indexing")) {
        indexing = ReadInteger(section, key, 0);
      } else if (SameText(key, "#expanding")) {
        expandingChildren = ReadInteger(section, key, 0);
      }
      continue;
    }

    ++added;
    const int image = indexing > 0 ? added - 1 : subicon;
    TreeNode& node = tree.AddChild(parent, key, image, image);
    if (OnPath(path, key)) continue;
    if (BuildBranch(key, tree, &node, expandingChildren != 0, path) > 0 && expanding) tree.Expand(node);
  }

  path.pop_back();
  return added;
}

}  // namespace engine
