// The tool-bar search of the main window on the built KJV edition: "love
// world" with All Words. Skipped when the edition is not built.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <algorithm>
#include <filesystem>

#include "DesktopFixture.h"
#include "KjvEngine.h"
#include "TempFolder.h"
#include "core/IxoFormat.h"
#include "desktop/ChapterPagesMarker.h"
#include "desktop/InterfaceFormLink.h"
#include "desktop/SpeedButton.h"
#include "desktop/ixoMain.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/Paths.h"
#include "search/ixoSearch.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/RadioButton.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

TEST(KjvMainWindow, ToolBarSearchForLoveWorldWithAllWords) {
  if (!platform::FileExists(std::string(IXO_BUILT_EDITION) + ixo::TextFileName))
    GTEST_SKIP() << "no built edition in " << IXO_BUILT_EDITION;
  DesktopFixture fixture(DesktopFixture::BuiltEdition{IXO_BUILT_EDITION});
  // The search needs no chapter pages: the first start is told they are there.
  std::filesystem::create_directories(fixture.HtmlDir() + "Bible");
  ASSERT_TRUE(desktop::MarkChapterPagesWritten(fixture.HtmlDir()));
  fixture.Run(DesktopFixture::SearchForm::Program);
  auto& searchForm = static_cast<desktop::InterfaceFormLink*>(fixture.Program().InterfaceForm())->Form();
  searchForm.HistoryClock = [] { return search::LocalDateTime{2026, 3, 1, 9, 5, 7}; };

  desktop::TIxoBibleMainForm& form = fixture.Form();
  ASSERT_TRUE(form.RadioButtonAll->isChecked());
  form.EditSearchCriteria->setText("love world");
  form.ButtonSearch->click();

  // Every verse of the Search page holds both words within 7 words.
  const ui::TreeNode* root = form.TreeSearch->FindByCaption("References");
  ASSERT_NE(root, nullptr);
  const std::uint16_t love = engine::EnglishWordToKey("love");
  const std::uint16_t world = engine::EnglishWordToKey("world");
  int verses = 0;
  for (const ui::TreeNode* n = root; n; n = n->GetNext()) {
    if (n->ImageIndex() != ui::node::kVerse) continue;
    ++verses;
    const auto window = engine_testing::KeysFrom(static_cast<std::uint32_t>(n->Data()), 7);
    EXPECT_TRUE(std::ranges::count(window, love) && std::ranges::count(window, world))
        << n->Parent()->Parent()->Text().toStdString() << " " << n->Parent()->Text().toStdString() << ":"
        << n->Text().toStdString();
  }
  EXPECT_GT(verses, 0);
  EXPECT_EQ(form.Mode->ActivePage(), form.pageSearch);

  // The search is kept as a dated history study and as the current one.
  const std::string history = fixture.UserDataFolder() + "Ixo Bible/History/";
  const std::string dated = testing_support::ReadFileBytes(history + "2026/03 (March)/01@@(09.05.07).ixolc");
  EXPECT_NE(dated.find("[1]\r\nlove=1\r\n[2]\r\nworld=1\r\n"), std::string::npos) << dated;
  EXPECT_EQ(testing_support::ReadFileBytes(history + "current.ixolc"), dated);

  // The chapter pages show the hits through a rule for each lemma tag of the words.
  const std::string sheet = testing_support::ReadFileBytes(fixture.HtmlDir() + "style/ixo.css");
  for (const char* word : {"love", "world"}) {
    const platform::TStringList tags = engine::LemmaTagsForWord(word);
    EXPECT_FALSE(tags.Empty()) << word;
    for (const std::string& tag : tags)
      EXPECT_NE(sheet.find("." + tag + "\r\n{\nfont-weight:bold;\ncolor:blue\n}\n"), std::string::npos) << tag;
  }
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

}  // namespace
}  // namespace desktop_testing
