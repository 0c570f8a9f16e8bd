#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/RegistryHive.h"
#include "ScopedEnvironment.h"
#include "TempFolder.h"

namespace platform {
namespace {

using testing_support::ReadFileBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

constexpr const char* ProductKey = "SOFTWARE\\Varnholt\\Ixo Bible";

class RegistryTest : public ::testing::Test {
 protected:
  std::string Folder() const { return temp_.File("registry/"); }
  std::string UserHive() const { return Folder() + "HKEY_CURRENT_USER.reg"; }
  std::string MachineHive() const { return Folder() + "HKEY_LOCAL_MACHINE.reg"; }

  TempFolder temp_;
  ScopedEnvironment folder_{"IXO_REGISTRY", temp_.File("registry").c_str()};
  std::shared_ptr<RecordingDialogService> dialogs_ = std::make_shared<RecordingDialogService>();
  ScopedDialogService dialogGuard_{dialogs_};
};

TEST_F(RegistryTest, ValueWrittenByOneObjectIsReadByAnother) {
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey(ProductKey, true));
  ASSERT_TRUE(writer.WriteString("Document", "/home/me/Documents/Ixo Bible/"));
  ASSERT_TRUE(writer.WriteInteger("Settings", 0x8006));

  TRegistry reader(RootKey::CurrentUser);
  ASSERT_TRUE(reader.OpenKey("software\\VARNHOLT\\ixo bible", false));
  EXPECT_EQ(reader.ReadString("document"), "/home/me/Documents/Ixo Bible/");
  EXPECT_EQ(reader.ReadInteger("SETTINGS"), 0x8006);

  ASSERT_TRUE(writer.WriteInteger("Settings", 6));
  EXPECT_EQ(reader.ReadInteger("Settings"), 6);
  EXPECT_TRUE(dialogs_->Shown().empty());
}

TEST_F(RegistryTest, HiveFileIsRegedit4Text) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  ASSERT_TRUE(registry.WriteString("Colors", ""));
  ASSERT_TRUE(registry.WriteInteger("Settings", 0x8006));
  ASSERT_TRUE(registry.WriteInteger("Sensitivity", -3));
  ASSERT_TRUE(registry.WriteString("Path", "C:\\x \"q\""));
  ASSERT_TRUE(registry.WriteInteger("settings", 0x8002));  // replaced in place, first spelling kept
  EXPECT_EQ(ReadFileBytes(UserHive()),
            "REGEDIT4\n"
            "\n"
            "[HKEY_CURRENT_USER\\SOFTWARE]\n"
            "\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Varnholt]\n"
            "\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Varnholt\\Ixo Bible]\n"
            "\"Colors\"=\"\"\n"
            "\"Settings\"=dword:00008002\n"
            "\"Sensitivity\"=dword:fffffffd\n"
            "\"Path\"=\"C:\\\\x \\\"q\\\"\"\n"
            "\n");
  EXPECT_FALSE(FileExists(MachineHive()));
}

TEST_F(RegistryTest, IntegersRoundTrip) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  for (const std::int32_t value : {0, 1, -1, -3, 7, 0x8006, 32774, INT_MIN, INT_MAX}) {
    ASSERT_TRUE(registry.WriteInteger("n", value));
    TRegistry other;
    ASSERT_TRUE(other.OpenKey(ProductKey, false));
    EXPECT_EQ(other.ReadInteger("n"), value);
  }
}

TEST_F(RegistryTest, ReadsFailOnMissingValuesAndValuesOfTheOtherType) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  ASSERT_TRUE(registry.WriteString("HTML", "/data/html"));
  ASSERT_TRUE(registry.WriteInteger("Settings", 5));
  EXPECT_EQ(registry.ReadInteger("HTML"), std::nullopt);
  EXPECT_EQ(registry.ReadString("Settings"), std::nullopt);
  EXPECT_EQ(registry.ReadString("Missing"), std::nullopt);
  EXPECT_EQ(registry.ReadInteger("Missing"), std::nullopt);
  EXPECT_TRUE(registry.ValueExists("html"));
  EXPECT_TRUE(registry.ValueExists("Settings"));
  EXPECT_FALSE(registry.ValueExists("Missing"));

  EXPECT_TRUE(registry.DeleteValue("HTML"));
  EXPECT_FALSE(registry.ValueExists("HTML"));
  EXPECT_FALSE(registry.DeleteValue("HTML"));
  EXPECT_EQ(registry.ReadInteger("Settings"), 5);
}

TEST_F(RegistryTest, OpeningKeys) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(ProductKey, false));
  EXPECT_FALSE(registry.IsOpen());
  EXPECT_FALSE(FileExists(UserHive()));
  EXPECT_FALSE(registry.WriteString("x", "y"));
  EXPECT_FALSE(registry.ReadString("x").has_value());

  ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\\\Varnholt\\Ixo Bible\\", true));
  EXPECT_EQ(registry.CurrentPath(), ProductKey);
  // Keys above a created key open too; a key beside it does not.
  EXPECT_TRUE(registry.OpenKey("SOFTWARE\\Varnholt", false));
  EXPECT_TRUE(registry.OpenKey("", false));
  EXPECT_FALSE(registry.OpenKey("SOFTWARE\\Varnholt\\Ixo SDK", false));
  EXPECT_FALSE(registry.IsOpen());

  // A hand-written file with only a deep section makes the keys above it openable.
  ASSERT_TRUE(WriteFileBytes(MachineHive(), "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Halvert\\Ixo]\n"));
  TRegistry machine(RootKey::LocalMachine);
  EXPECT_TRUE(machine.OpenKey("SOFTWARE\\Halvert", false));
  EXPECT_FALSE(machine.OpenKey("SOFTWARE\\Halv", false));
}

TEST_F(RegistryTest, HivesAreSeparateAndChangingTheRootClosesTheKey) {
  TRegistry registry(RootKey::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  ASSERT_TRUE(registry.WriteString("Installation", "/opt/ixo/"));
  registry.SetRootKey(RootKey::CurrentUser);
  EXPECT_FALSE(registry.IsOpen());
  EXPECT_FALSE(registry.OpenKey(ProductKey, false));
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  EXPECT_FALSE(registry.ValueExists("Installation"));
  EXPECT_EQ(ReadFileBytes(MachineHive()).rfind("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n", 0), 0u);
}

TEST_F(RegistryTest, NewKeysJoinTheirParentsInTheFile) {
  ASSERT_TRUE(ForceDirectories(Folder()));
  ASSERT_TRUE(WriteFileBytes(UserHive(),
                             "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE]\n\n[HKEY_CURRENT_USER\\SOFTWARE\\A]\n\n"
                             "[HKEY_CURRENT_USER\\SOFTWARE\\A\\X]\n\n[HKEY_CURRENT_USER\\Other]\n\n"));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("software\\B\\C", true));
  EXPECT_EQ(ReadFileBytes(UserHive()),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE]\n\n[HKEY_CURRENT_USER\\SOFTWARE\\A]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\A\\X]\n\n[HKEY_CURRENT_USER\\SOFTWARE\\B]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\B\\C]\n\n[HKEY_CURRENT_USER\\Other]\n\n");
}

TEST_F(RegistryTest, HandWrittenHiveIsReadAndRewrittenWithEveryValue) {
  ASSERT_TRUE(ForceDirectories(Folder()));
  ASSERT_TRUE(WriteFileBytes(UserHive(),
                             "\r\nregedit4\r\n"
                             "  [HKEY_CURRENT_USER\\Software\\Varnholt\\Ixo Bible]  \r\n"
                             "@=\"unnamed\"\r\n"
                             "\"Sensitivity\"=DWORD:0000000A\r\n"
                             "\"Document\"=\"old\"\r\n"
                             "[hkey_current_user\\SOFTWARE\\VARNHOLT\\IXO BIBLE]\r\n"
                             "\"Document\"=\"/d/\"\r\n"
                             "\"Short\"=dword:1f\r\n"));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(ProductKey, false));
  EXPECT_EQ(registry.ReadString(""), "unnamed");
  EXPECT_EQ(registry.ReadInteger("Sensitivity"), 10);
  EXPECT_EQ(registry.ReadString("Document"), "/d/");
  EXPECT_EQ(registry.ReadInteger("Short"), 31);
  ASSERT_TRUE(registry.WriteInteger("Settings", 1));
  EXPECT_EQ(ReadFileBytes(UserHive()),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Varnholt\\Ixo Bible]\n"
            "@=\"unnamed\"\n\"Sensitivity\"=dword:0000000a\n\"Document\"=\"/d/\"\n"
            "\"Short\"=dword:0000001f\n\"Settings\"=dword:00000001\n\n");
  EXPECT_TRUE(dialogs_->Shown().empty());
}

TEST_F(RegistryTest, UnparsableHiveIsReportedOnceReadsEmptyAndIsNeverOverwritten) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"REGEDIT5\n", 1},
      {"REGEDIT4\n\"Settings\"=dword:00000001\n", 2},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Bin\"=hex:01,02\n", 4},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Path\"=\"C:\\Temp\"\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Open\"=\"no end\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Trail\"=\"x\" y\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Big\"=dword:123456789\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE]\n\"Hex\"=dword:xyz\n", 3},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE]\nName=\"unquoted name\"\n", 3},
      {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n", 2},
      {"REGEDIT4\n[HKEY_CURRENT_USERS\\SOFTWARE]\n", 2},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\n", 2},
  };
  int caseNumber = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string folder = temp_.File("bad" + std::to_string(++caseNumber) + "/");
    ScopedEnvironment where("IXO_REGISTRY", folder.c_str());
    const std::string hive = folder + "HKEY_CURRENT_USER.reg";
    ASSERT_TRUE(ForceDirectories(folder));
    ASSERT_TRUE(WriteFileBytes(hive, c.text));
    dialogs_->Clear();

    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey("SOFTWARE", false));
    ASSERT_EQ(dialogs_->Shown().size(), 1u);
    const DialogRequest& shown = dialogs_->Shown()[0];
    EXPECT_EQ(shown.type, DialogType::Error);
    EXPECT_NE(shown.text.find(hive), std::string::npos) << shown.text;
    EXPECT_NE(shown.text.find("line " + std::to_string(c.line) + ":"), std::string::npos) << shown.text;

    EXPECT_FALSE(registry.OpenKey("SOFTWARE", true));
    ASSERT_TRUE(registry.OpenKey("", false));  // the root always opens, and reads as empty
    EXPECT_FALSE(registry.ValueExists("Settings"));
    EXPECT_FALSE(registry.WriteInteger("Settings", 1));
    EXPECT_FALSE(registry.DeleteValue("Settings"));
    EXPECT_EQ(ReadFileBytes(hive), c.text);
    EXPECT_EQ(dialogs_->Shown().size(), 1u);  // once per process and file
  }
}

TEST_F(RegistryTest, TextThatTheFileCannotHoldIsRefused) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  EXPECT_FALSE(registry.WriteString("Colors", "a\nb"));
  EXPECT_FALSE(registry.WriteString("Two\rLines", "x"));
  EXPECT_FALSE(registry.WriteInteger(std::string_view("nul\0", 4), 1));
  EXPECT_FALSE(registry.ValueExists("Colors"));
}

// Keys the file cannot hold are refused on every path that writes one: the
// hive stays as it was and every setting in it still reads.
TEST_F(RegistryTest, KeysThatTheFileCannotHoldAreRefused) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  ASSERT_TRUE(registry.WriteString("Document", "/home/me/"));
  const std::string before = ReadFileBytes(UserHive());

  for (const char* key : {"SOFTWARE\\Line\nBreak", "SOFTWARE\\Return\rKey", "SOFTWARE\\Closed]Key",
                          "SOFTWARE\\Ends]"}) {
    SCOPED_TRACE(key);
    TRegistry other;
    EXPECT_FALSE(other.OpenKey(key, true));
    EXPECT_FALSE(other.IsOpen());
    EXPECT_FALSE(other.WriteString("Name", "x"));
  }
  // The root key opens, but holds no values.
  TRegistry root;
  ASSERT_TRUE(root.OpenKey("\\", false));
  EXPECT_FALSE(root.WriteString("Name", "x"));
  EXPECT_FALSE(root.WriteInteger("Number", 1));
  EXPECT_FALSE(root.ValueExists("Name"));

  EXPECT_EQ(ReadFileBytes(UserHive()), before);
  TRegistry reader;
  ASSERT_TRUE(reader.OpenKey(ProductKey, false));
  EXPECT_EQ(reader.ReadString("Document"), "/home/me/");
  EXPECT_TRUE(dialogs_->Shown().empty());
}

// Several values go into the file in one write, or none of them does.
TEST_F(RegistryTest, ValuesWrittenTogetherAreAllOrNothing) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(ProductKey, true));
  const RegistryValue both[] = {RegistryValue::Integer("Sensitivity", 9), RegistryValue::String("Colors", "a=b")};
  ASSERT_TRUE(registry.WriteValues(both));
  EXPECT_EQ(registry.ReadInteger("Sensitivity"), 9);
  EXPECT_EQ(registry.ReadString("Colors"), "a=b");

  const std::string before = ReadFileBytes(UserHive());
  const RegistryValue refused[] = {RegistryValue::Integer("Sensitivity", 12),
                                   RegistryValue::String("Document", "two\nlines"),
                                   RegistryValue::Integer("Settings", 6)};
  EXPECT_FALSE(registry.WriteValues(refused));
  EXPECT_EQ(ReadFileBytes(UserHive()), before);
  EXPECT_EQ(registry.ReadInteger("Sensitivity"), 9);
  EXPECT_FALSE(registry.ValueExists("Settings"));
}

TEST(RegistryFolder, FollowsTheEnvironment) {
  {
    ScopedEnvironment registry("IXO_REGISTRY", "/srv/reg");
    EXPECT_EQ(RegistryFolder(), "/srv/reg/");
  }
  ScopedEnvironment registry("IXO_REGISTRY", nullptr);
  {
    ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/cfg/");
    EXPECT_EQ(RegistryFolder(), "/tmp/cfg/ixo/registry/");
  }
  ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
  ScopedEnvironment home("HOME", "/home/reader");
  EXPECT_EQ(RegistryFolder(), "/home/reader/.config/ixo/registry/");
}

}  // namespace
}  // namespace platform
