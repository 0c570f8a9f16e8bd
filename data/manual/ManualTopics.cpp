#include "ManualTopics.h"

#include <memory>

#include "desktop/HelpTopics.h"
#include "engine/TreeTarget.h"
#include "engine/db.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

namespace data::manual {
namespace {

// Takes the nodes the tree-file reader adds, in the order it adds them.
class TopicCollector final : public engine::TreeTarget {
 public:
  engine::TreeNode& AddChild(engine::TreeNode* parent, std::string_view caption, int, int) override {
    const int depth = parent ? static_cast<Depth&>(*parent).depth + 1 : 0;
    nodes_.push_back(std::make_unique<Depth>(depth));
    topics_.push_back({std::string(caption), depth, {}});
    return *nodes_.back();
  }
  void SetImages(engine::TreeNode&, int, int) override {}
  void Expand(engine::TreeNode&) override {}

  std::vector<ManualTopic> Take() { return std::move(topics_); }

 private:
  struct Depth final : engine::TreeNode {
    explicit Depth(int depth) : depth(depth) {}
    int depth;
  };

  std::vector<std::unique_ptr<Depth>> nodes_;
  std::vector<ManualTopic> topics_;
};

}  // namespace

std::vector<ManualTopic> ReadManualTopics(std::string_view helpFolder) {
  const std::string treeFile = desktop::HelpTreeFile(helpFolder);
  if (!platform::FileExists(treeFile)) return {};

  engine::TDB reader;
  const platform::TIniFile& tree = reader.Open(treeFile);
  TopicCollector collector;
  reader.BuildTree(desktop::kHelpTreeRoot, collector, nullptr, false);

  std::vector<ManualTopic> topics = collector.Take();
  for (ManualTopic& topic : topics) {
    const std::string link = desktop::HelpTopicLink(tree, topic.title);
    topic.page = desktop::HelpPageFile(helpFolder, link.substr(0, link.find('#')));
  }
  return topics;
}

}  // namespace data::manual
