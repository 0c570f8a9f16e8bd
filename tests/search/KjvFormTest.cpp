// The tool-bar search for "love world" with All Words on the installed KJV,
// through the search form; skipped when the edition is not built.

#include <gtest/gtest.h>

#include <algorithm>

#include "KjvEngine.h"
#include "engine/ixoutils.h"
#include "search/FinishSearch.h"
#include "search/ixoSearch.h"
#include "ui/NodeKind.h"
#include "ui/TreeView.h"

namespace search {
namespace {

TEST(KjvForm, LoveWorldWithAllWords) {
  engine_testing::KjvEngine kjv;
  if (!kjv.Present()) GTEST_SKIP() << "no built edition in " << IXO_BUILT_EDITION;
  TInterfaceForm form;
  ui::TreeView mirror;
  form.SetResultTree(&mirror);
  form.HistoryClock = [] { return LocalDateTime{2026, 3, 1, 9, 5, 7}; };
  ASSERT_TRUE(form.ToolbarSearch("love world", true));

  const std::uint16_t love = engine::EnglishWordToKey("love");
  const std::uint16_t world = engine::EnglishWordToKey("world");
  int verses = 0;
  for (ui::TreeNode* node = form.TreeViewSearch->FirstNode(); node; node = node->GetNext()) {
    if (node->ImageIndex() != ui::node::kVerse) continue;
    ++verses;
    const auto window = engine_testing::KeysFrom(static_cast<std::uint32_t>(node->Data()), 7);
    EXPECT_TRUE(std::ranges::count(window, love) && std::ranges::count(window, world))
        << node->Parent()->Parent()->Text().toStdString() << " " << node->Parent()->Text().toStdString()
        << ":" << node->Text().toStdString();
  }
  EXPECT_GT(verses, 0);
  EXPECT_EQ(form.TreeViewSearch->FirstNode()->Text(),
            QString::fromStdString("Found " + std::to_string(verses) + " matches in ") +
                QString::number(form.TreeViewSearch->FirstNode()->Count()) + QStringLiteral(" books"));

  const std::string history = HistoryFolder() + "2026/03 (March)/01@@(09.05.07).ixolc";
  EXPECT_FALSE(testing_support::ReadFileBytes(history).empty());
  EXPECT_EQ(testing_support::ReadFileBytes(HistoryFolder() + "current.ixolc"),
            testing_support::ReadFileBytes(history));
  const std::string sheet = testing_support::ReadFileBytes(kjv.HtmlDir() + "style/ixo.css");
  for (const char* word : {"love", "world"})
    for (const std::string& tag : engine::LemmaTagsForWord(word))
      EXPECT_NE(sheet.find("." + tag + "\r\n{\nfont-weight:bold;\ncolor:blue\n}\n"), std::string::npos) << tag;
}

}  // namespace
}  // namespace search
