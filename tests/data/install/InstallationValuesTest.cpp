#include "data/install/InstallationValues.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "platform/Registry.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace data {
namespace {

class InstallationValuesTest : public testing::Test {
 protected:
  static std::optional<std::string> Read(const char* key, const char* name) {
    platform::TRegistry registry(platform::RootKey::LocalMachine);
    if (!registry.OpenKey(key, false)) return std::nullopt;
    return registry.ReadString(name);
  }

  testing_support::TempFolder temp_;
  testing_support::ScopedEnvironment registryFolder_{"IXO_REGISTRY", temp_.File("registry").c_str()};
};

TEST_F(InstallationValuesTest, WritesTheThreeMachineValuesWithTrailingSeparators) {
  std::string error;
  ASSERT_TRUE(WriteInstallationValues({"/opt/ixo", "/opt/ixo/edition", "/opt/ixo/2011.ixocore"}, error)) << error;
  EXPECT_EQ(Read(ProductKey, "Installation"), "/opt/ixo/");
  EXPECT_EQ(Read(SdkKey, "Edition"), "/opt/ixo/edition/");
  EXPECT_EQ(Read(SdkKey, "Library"), "/opt/ixo/2011.ixocore");
}

TEST_F(InstallationValuesTest, ReplacesTheValuesOfAnEarlierInstallation) {
  std::string error;
  ASSERT_TRUE(WriteInstallationValues({"/old/", "/old/edition/", "/old/2011.ixocore"}, error));
  ASSERT_TRUE(WriteInstallationValues({"/new/", "/new/edition/", "/new/2011.ixocore"}, error));
  EXPECT_EQ(Read(ProductKey, "Installation"), "/new/");
  EXPECT_EQ(Read(SdkKey, "Library"), "/new/2011.ixocore");
}

TEST_F(InstallationValuesTest, WritesTheAddinsValuesBelowTheInstallationFolder) {
  std::string error;
  ASSERT_TRUE(WriteAddinInstallationValues("/opt/ixo", {}, error)) << error;
  EXPECT_EQ(Read(AddinKey, "Installation"), "/opt/ixo/");
  EXPECT_EQ(Read(AddinKey, "Version"), "/opt/ixo/Ixo-2005/Lib/");
  EXPECT_EQ(Read(AddinKey, "Interface"), "/opt/ixo/Ixo-2005/Lib/Ixo2005.kjv");
  EXPECT_EQ(Read(AddinKey, "2005"), "/opt/ixo/Ixo-2005/");
  EXPECT_EQ(Read(AddinKey, "2007"), "/opt/ixo/Ixo-2007/");
}

TEST_F(InstallationValuesTest, AddinsEngineLibraryMayLieApartFromItsData) {
  std::string error;
  ASSERT_TRUE(WriteAddinInstallationValues("/usr/share/ixo", "/usr/lib/ixo/Ixo-2005/Lib/Ixo2005.kjv", error)) << error;
  EXPECT_EQ(Read(AddinKey, "Version"), "/usr/share/ixo/Ixo-2005/Lib/");
  EXPECT_EQ(Read(AddinKey, "Interface"), "/usr/lib/ixo/Ixo-2005/Lib/Ixo2005.kjv");
}

TEST_F(InstallationValuesTest, FailsWithTheReasonWhenTheHiveCannotBeWritten) {
  // A hive file that cannot be parsed is never overwritten.
  std::filesystem::create_directories(temp_.File("registry"));
  ASSERT_TRUE(testing_support::WriteFileBytes(temp_.File("registry/HKEY_LOCAL_MACHINE.reg"), "not a hive\n"));
  std::string error;
  EXPECT_FALSE(WriteInstallationValues({"/opt/ixo/", "/opt/ixo/edition/", "/opt/ixo/2011.ixocore"}, error));
  EXPECT_NE(error.find("\"Installation\""), std::string::npos) << error;
}

}  // namespace
}  // namespace data
