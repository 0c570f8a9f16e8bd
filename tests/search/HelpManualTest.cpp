// The Help menu's manual: opened from the installation folder, else from the
// web after a message, and a shell that fails is reported.

#include <gtest/gtest.h>

#include <memory>

#include "TempFolder.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "search/HelpManual.h"

namespace search {
namespace {

class HelpManualTest : public ::testing::Test {
 protected:
  std::shared_ptr<platform::RecordingShellService> shell_ = std::make_shared<platform::RecordingShellService>();
  std::shared_ptr<platform::RecordingDialogService> dialogs_ = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedShellService shellGuard_{shell_};
  platform::ScopedDialogService dialogGuard_{dialogs_};
  testing_support::TempFolder install_;
};

TEST_F(HelpManualTest, InstalledManualIsOpened) {
  ASSERT_TRUE(testing_support::WriteFileBytes(install_.File("Ixo-2007.pdf"), "%PDF"));
  OpenManual(install_.Path());
  ASSERT_EQ(shell_->Calls().size(), 1u);
  EXPECT_EQ(shell_->Calls()[0].verb, "OPEN");
  EXPECT_EQ(shell_->Calls()[0].file, install_.File("Ixo-2007.pdf"));
  EXPECT_TRUE(dialogs_->Shown().empty());
}

TEST_F(HelpManualTest, MissingManualSaysSoAndOpensTheWebCopy) {
  OpenManual(install_.Path());
  ASSERT_EQ(dialogs_->Shown().size(), 1u);
  const platform::DialogRequest& shown = dialogs_->Shown()[0];
  EXPECT_EQ(shown.type, platform::DialogType::Information);
  EXPECT_NE(shown.text.find(install_.File("Ixo-2007.pdf") + " is missing, so the installation is incomplete"),
            std::string::npos);
  EXPECT_NE(shown.text.find("opened instead: " + std::string(WebAddress) + "/2007/Ixo-2007.pdf"), std::string::npos);
  ASSERT_EQ(shell_->Calls().size(), 1u);
  EXPECT_EQ(shell_->Calls()[0].verb, "OPEN");
  EXPECT_EQ(shell_->Calls()[0].file, std::string(WebAddress) + "/2007/Ixo-2007.pdf");
}

TEST_F(HelpManualTest, FailingShellIsReported) {
  ASSERT_TRUE(testing_support::WriteFileBytes(install_.File("Ixo-2007.pdf"), "%PDF"));
  shell_->FailWith("xdg-open: no viewer");
  OpenManual(install_.Path());
  ASSERT_EQ(dialogs_->Shown().size(), 1u);
  EXPECT_EQ(dialogs_->Shown()[0].type, platform::DialogType::Warning);
  EXPECT_NE(dialogs_->Shown()[0].text.find("xdg-open: no viewer"), std::string::npos);
}

TEST(CompleteInstallation, NoteEndsWithTheWebAddress) {
  EXPECT_EQ(CompleteInstallationText(),
            std::string("A complete installation of the Ixo bible is available on the web at ") + WebAddress);
}

}  // namespace
}  // namespace search
