#include "publish/StyleSheet.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "PublishFixture.h"
#include "TestFiles.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "publish/SearchConditions.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

class TestConditions final : public publish::SearchConditions {
 public:
  void Set(int condition, bool checked, std::vector<std::string> words) {
    checked_.at(condition) = checked;
    words_.at(condition) = std::move(words);
  }
  bool Checked(int condition) const override { return checked_.at(condition); }
  std::vector<std::string> Words(int condition) const override { return words_.at(condition); }

 private:
  std::array<bool, Count + 1> checked_{};
  std::array<std::vector<std::string>, Count + 1> words_;
};

class StyleSheetTest : public testing::Test {
 protected:
  std::string Sheet() const { return ReadFileBytes(text.HtmlDir() + "style/ixo.css"); }
  static std::string Golden(const char* name) { return ReadFileBytes(publish_test::GoldenFile(name)); }

  static void WriteFontSetting(const char* name, int points) {
    platform::TRegistry registry(platform::RootKey::CurrentUser);
    ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Varnholt\\Ixo Bible", true));
    ASSERT_TRUE(registry.WriteInteger(name, points));
  }

  publish_test::LoadedText text;
  std::shared_ptr<platform::RecordingDialogService> dialogs =
      std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogGuard{dialogs};
};

TEST_F(StyleSheetTest, WithoutASearchOnlyTheFixedRules) {
  ASSERT_TRUE(publish::WriteStyleSheet(nullptr));
  EXPECT_EQ(Sheet(), Golden("ixo-plain.css"));

  TestConditions unchecked;
  unchecked.Set(1, false, {"God", "H430"});
  ASSERT_TRUE(publish::WriteStyleSheet(&unchecked));
  EXPECT_EQ(Sheet(), Golden("ixo-plain.css"));
  EXPECT_TRUE(dialogs->Shown().empty());
}

TEST_F(StyleSheetTest, OneRulePerTagOfTheCheckedConditions) {
  TestConditions conditions;
  // "God" occurs only with a capital; H8064 is "heaven" and "heavens".
  conditions.Set(1, true, {"God", "H8064"});
  conditions.Set(2, false, {"earth"});
  conditions.Set(14, true, {"servant", "H99999999999999999999", "h0", "G99999", "nosuchword", "x7", ""});
  ASSERT_TRUE(publish::WriteStyleSheet(&conditions));
  EXPECT_EQ(Sheet(), Golden("ixo-search.css"));
}

TEST_F(StyleSheetTest, FontSizesFromTheUsersSettings) {
  WriteFontSetting("Bible Font #1", 16);
  ASSERT_TRUE(publish::WriteStyleSheet(nullptr));
  EXPECT_EQ(Sheet(), Golden("ixo-plain.css"));  // both values or neither

  WriteFontSetting("Bible Font #2", 12);
  ASSERT_TRUE(publish::WriteStyleSheet(nullptr));
  EXPECT_EQ(Sheet(), Golden("ixo-fonts.css"));
}

TEST_F(StyleSheetTest, ASheetThatCannotBeWrittenIsReportedAndTheOldOneKept) {
  ASSERT_TRUE(publish::WriteStyleSheet(nullptr));
  publish_test::ShortWriteFiles files("/style/ixo.css");
  TestConditions conditions;
  conditions.Set(1, true, {"God"});
  EXPECT_FALSE(publish::WriteStyleSheet(&conditions, &files));
  EXPECT_EQ(Sheet(), Golden("ixo-plain.css"));
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_EQ(dialogs->Shown()[0].text, "Could not open or write to: '" + text.HtmlDir() + "style/ixo.css'");
  EXPECT_EQ(dialogs->Shown()[0].type, platform::DialogType::Error);
}

TEST_F(StyleSheetTest, AStyleFolderThatCannotBeMadeIsReported) {
  ASSERT_TRUE(WriteFileBytes(text.HtmlDir() + "style", "a file where the folder should be"));
  EXPECT_FALSE(publish::WriteStyleSheet(nullptr));
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_EQ(dialogs->Shown()[0].text, "Could not open or write to: '" + text.HtmlDir() + "style'");
}

}  // namespace
