#include "data/desktop/DesktopIntegration.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "DesktopValidation.h"
#include "ScopedEnvironment.h"
#include "TempFolder.h"

namespace data {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFileBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

TEST(DesktopFolders, FollowWhereTheInstallationLies) {
  ScopedEnvironment home("HOME", "/home/reader");
  ScopedEnvironment data("XDG_DATA_HOME", nullptr);
  const struct {
    const char* installation;
    DesktopFolders folders;
  } cases[] = {
      {"/home/reader/.local/lib/ixo",
       {"/home/reader/.local/share/applications", "/home/reader/.local/share/icons", "/home/reader/.local/bin"}},
      {"/opt/ixo", {"/usr/local/share/applications", "/usr/local/share/icons", "/usr/local/bin"}},
      {"/usr/local/lib/ixo", {"/usr/local/share/applications", "/usr/local/share/icons", "/usr/local/bin"}},
      {"/usr/lib/ixo", {"/usr/share/applications", "/usr/share/icons", "/usr/bin"}},
      {"/usrlocal/ixo",
       {"/home/reader/.local/share/applications", "/home/reader/.local/share/icons", "/home/reader/.local/bin"}},
  };
  for (const auto& place : cases) {
    SCOPED_TRACE(place.installation);
    const DesktopFolders folders = DesktopFoldersFor(place.installation);
    EXPECT_EQ(folders.applications, place.folders.applications);
    EXPECT_EQ(folders.icons, place.folders.icons);
    EXPECT_EQ(folders.commands, place.folders.commands);
  }
  ScopedEnvironment ownData("XDG_DATA_HOME", "/srv/data");
  EXPECT_EQ(DesktopFoldersFor("/srv/ixo").applications, "/srv/data/applications");
  EXPECT_EQ(DesktopFoldersFor("/srv/ixo").icons, "/srv/data/icons");
}

// The width and height of a PNG file, from its header chunk.
std::pair<int, int> PngSize(const std::string& bytes) {
  if (bytes.size() < 24 || !bytes.starts_with("\x89PNG\r\n\x1A\n")) return {0, 0};
  auto number = [&](std::size_t at) {
    int value = 0;
    for (std::size_t i = at; i < at + 4; ++i) value = value * 256 + static_cast<unsigned char>(bytes[i]);
    return value;
  };
  return {number(16), number(20)};
}

// An installation folder as scripts/run leaves it, with a program that says
// it started, and the user's folders, all in a scratch folder.
class DesktopIntegrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteFileBytes(program_, "#!/bin/sh\necho started \"$@\"\n"));
    ASSERT_EQ(chmod(program_.c_str(), 0755), 0);
    fs::create_directories(installation_ + "icons");
    fs::copy(IXO_BUILT_ICONS "hicolor", installation_ + "icons/hicolor", fs::copy_options::recursive);
  }
  std::string RunCommand(const std::string& arguments) const {
    std::string output;
    if (FILE* pipe = popen(("'" + folders_.commands + "/ixodesk' " + arguments).c_str(), "r")) {
      char buffer[256];
      while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
      pclose(pipe);
    }
    return output;
  }

  TempFolder temp_;
  std::string installation_ = temp_.File("Ixo Bible/");
  std::string program_ = [this] {
    fs::create_directories(installation_);
    return installation_ + "ixodesk.bin";
  }();
  DesktopFolders folders_{temp_.File("data/applications"), temp_.File("data/icons"), temp_.File("bin")};
};

TEST_F(DesktopIntegrationTest, WritesAValidEntryTheIconsAndACommandThatStartsTheProgram) {
  std::string error;
  ASSERT_TRUE(InstallDesktopFiles(temp_.File("Ixo Bible"), folders_, error)) << error;

  const std::string entry = folders_.applications + "/ixo-bible.desktop";
  EXPECT_TRUE(DesktopFileValid(entry));
  EXPECT_NE(ReadFileBytes(entry).find("\nExec=\"" + program_ + "\"\n"), std::string::npos) << ReadFileBytes(entry);

  int sizes = 0;
  for (const auto& size : fs::directory_iterator(IXO_BUILT_ICONS "hicolor")) {
    const std::string name = size.path().filename().string();
    const std::string icon = ReadFileBytes(folders_.icons + "/hicolor/" + name + "/apps/ixo-bible.png");
    const auto [width, height] = PngSize(icon);
    EXPECT_EQ(std::to_string(width) + "x" + std::to_string(height), name);
    ++sizes;
  }
  EXPECT_GE(sizes, 5);
  for (const char* usual : {"16x16", "32x32", "48x48", "256x256"})
    EXPECT_TRUE(fs::exists(folders_.icons + "/hicolor/" + usual + "/apps/ixo-bible.png")) << usual;

  EXPECT_TRUE(fs::is_symlink(folders_.commands + "/ixodesk"));
  EXPECT_EQ(RunCommand("Genesis"), "started Genesis\n");
}

TEST_F(DesktopIntegrationTest, AnotherRunReplacesWhatTheFirstLeft) {
  std::string error;
  ASSERT_TRUE(InstallDesktopFiles(installation_, folders_, error)) << error;
  ASSERT_TRUE(InstallDesktopFiles(installation_, folders_, error)) << error;
  EXPECT_TRUE(DesktopFileValid(folders_.applications + "/ixo-bible.desktop"));
  EXPECT_EQ(RunCommand(""), "started\n");
  EXPECT_FALSE(fs::exists(folders_.commands + "/ixodesk.new"));
}

TEST_F(DesktopIntegrationTest, FileOfTheCommandsNameThatIsNotALinkIsLeftAlone) {
  fs::create_directories(folders_.commands);
  ASSERT_TRUE(WriteFileBytes(folders_.commands + "/ixodesk", "someone else's\n"));
  std::string error;
  EXPECT_FALSE(InstallDesktopFiles(installation_, folders_, error));
  EXPECT_NE(error.find("is not a link"), std::string::npos) << error;
  EXPECT_EQ(ReadFileBytes(folders_.commands + "/ixodesk"), "someone else's\n");
}

TEST_F(DesktopIntegrationTest, InstallationWithoutIconsIsReported) {
  fs::remove_all(installation_ + "icons");
  std::string error;
  EXPECT_FALSE(InstallDesktopFiles(installation_, folders_, error));
  EXPECT_NE(error.find("no icons"), std::string::npos) << error;
}

}  // namespace
}  // namespace data
