// Reading the settings from the registry store, with their defaults.

#include <gtest/gtest.h>

#include "TestRegistry.h"
#include "engine/ixoObject.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"

namespace engine {
namespace {

using platform::RootKey;
using testing_support::ProductKey;
using testing_support::SdkKey;
using testing_support::TestRegistry;

std::string ProgramFolder() { return platform::IncludeTrailingSeparator(platform::ProgramFolder()); }
std::string AppData() { return platform::ApplicationDataFolder(); }

class SettingsTest : public ::testing::Test {
 protected:
  TestRegistry registry_;
  TixoEngine engine_;
};

TEST_F(SettingsTest, WithoutMachineKeysOnlyTheUserDefaultsAreSet) {
  EXPECT_FALSE(engine_.ReadSettings());
  EXPECT_EQ(engine_.EditionDir, "");
  EXPECT_EQ(engine_.HtmlDir, "");
  EXPECT_EQ(engine_.LibraryPath, "");
  EXPECT_EQ(engine_.HomeDir, "");
  EXPECT_EQ(engine_.InstallDir, ProgramFolder());
  EXPECT_EQ(engine_.DocumentDir, platform::PersonalDocumentsFolder() + "/Ixo Bible/");
  EXPECT_EQ(engine_.UserDataDir, AppData() + "/Ixo Bible/");
  EXPECT_EQ(engine_.Settings, 32774);
  EXPECT_EQ(engine_.Sensitivity, 7);
  EXPECT_EQ(engine_.Colors.Count(), 0u);
}

TEST_F(SettingsTest, OneMachineKeyAloneIsNotEnough) {
  ASSERT_TRUE(registry_.WriteString(RootKey::LocalMachine, ProductKey, "Installation", "/opt/ixo"));
  EXPECT_FALSE(engine_.ReadSettings());
  EXPECT_EQ(engine_.InstallDir, ProgramFolder());
  EXPECT_EQ(engine_.LibraryPath, "");
}

TEST_F(SettingsTest, MachineValuesAreReadAndFoldersGetTheirSeparator) {
  ASSERT_TRUE(registry_.WriteInstallation("/opt/ixo", "/opt/ixo/kjv", "/lib/core.so"));
  ASSERT_TRUE(registry_.WriteString(RootKey::LocalMachine, ProductKey, "HTML", "/var/html"));
  EXPECT_TRUE(engine_.ReadSettings());
  EXPECT_EQ(engine_.InstallDir, "/opt/ixo/");
  EXPECT_EQ(engine_.EditionDir, "/opt/ixo/kjv/");
  EXPECT_EQ(engine_.HtmlDir, "/var/html/");
  EXPECT_EQ(engine_.LibraryPath, "/lib/core.so");
  EXPECT_EQ(engine_.HomeDir, "/opt/ixo/ixodesk/");
}

TEST_F(SettingsTest, MissingMachineValuesTakeTheirDefaults) {
  ASSERT_TRUE(registry_.WriteInstallation("/opt/ixo/", "", ""));
  EXPECT_TRUE(engine_.ReadSettings());
  EXPECT_EQ(engine_.LibraryPath, "/opt/ixo/2011.ixocore");
  EXPECT_EQ(engine_.HtmlDir, AppData() + "/Ixo Bible/2011/");
  EXPECT_EQ(engine_.EditionDir, "");
}

TEST_F(SettingsTest, LibraryDefaultUsesTheInstallationAsReadNotItsDefault) {
  ASSERT_TRUE(registry_.WriteInstallation("", "/opt/ixo/kjv/", ""));
  EXPECT_TRUE(engine_.ReadSettings());
  EXPECT_EQ(engine_.LibraryPath, "2011.ixocore");
  EXPECT_EQ(engine_.HomeDir, "ixodesk/");
  EXPECT_EQ(engine_.InstallDir, ProgramFolder());
}

TEST_F(SettingsTest, UserValues) {
  struct Case {
    const char* name;
    std::int32_t settings;
    std::int32_t sensitivity;
    int expectedSettings;
    int expectedSensitivity;
  };
  const Case cases[] = {
      {"without the valid bit", 6, 0, 32774, 7},
      {"with the valid bit", 0x8002, -3, 0x8002, 7},
      {"as stored", 0x8006, 12, 0x8006, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(registry_.WriteInteger(RootKey::CurrentUser, ProductKey, "Settings", c.settings));
    ASSERT_TRUE(registry_.WriteInteger(RootKey::CurrentUser, ProductKey, "Sensitivity", c.sensitivity));
    engine_.ReadSettings();
    EXPECT_EQ(engine_.Settings, c.expectedSettings);
    EXPECT_EQ(engine_.Sensitivity, c.expectedSensitivity);
  }
}

TEST_F(SettingsTest, DocumentFolderAndColours) {
  ASSERT_TRUE(registry_.WriteString(RootKey::CurrentUser, ProductKey, "Document", "/home/me/books"));
  ASSERT_TRUE(registry_.WriteString(RootKey::CurrentUser, ProductKey, "Colors", "love=red,\"two words=blue\""));
  engine_.ReadSettings();
  EXPECT_EQ(engine_.DocumentDir, "/home/me/books/");
  ASSERT_EQ(engine_.Colors.Count(), 2u);
  EXPECT_EQ(engine_.Colors.Value("love"), "red");
  EXPECT_EQ(engine_.Colors.Value("two words"), "blue");
}

TEST_F(SettingsTest, ReadingAgainStartsFromNothing) {
  ASSERT_TRUE(registry_.WriteInstallation("/opt/ixo", "/opt/ixo/kjv", ""));
  ASSERT_TRUE(registry_.WriteString(RootKey::CurrentUser, ProductKey, "Colors", "a=1"));
  engine_.ReadSettings();
  ASSERT_EQ(engine_.Colors.Count(), 1u);

  platform::TRegistry sdk(RootKey::LocalMachine);
  ASSERT_TRUE(sdk.OpenKey(SdkKey, false));
  ASSERT_TRUE(sdk.DeleteValue("Edition"));
  ASSERT_TRUE(registry_.WriteString(RootKey::CurrentUser, ProductKey, "Colors", ""));
  engine_.ReadSettings();
  EXPECT_EQ(engine_.EditionDir, "");
  EXPECT_EQ(engine_.Colors.Count(), 0u);
  EXPECT_EQ(engine_.HomeDir, "/opt/ixo/ixodesk/");
}

TEST_F(SettingsTest, HomeFolderKeepsItsValueWhenTheMachineKeysGoAway) {
  ASSERT_TRUE(registry_.WriteInstallation("/opt/ixo", "/opt/ixo/kjv", ""));
  engine_.ReadSettings();
  TestRegistry empty;  // another, empty store from here on
  EXPECT_FALSE(engine_.ReadSettings());
  EXPECT_EQ(engine_.HomeDir, "/opt/ixo/ixodesk/");
  EXPECT_EQ(engine_.EditionDir, "");
}

}  // namespace
}  // namespace engine
