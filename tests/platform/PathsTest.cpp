#include <gtest/gtest.h>

#include <filesystem>

#include <cstdlib>

#include "platform/Paths.h"
#include "platform/ShellFolders.h"
#include "platform/WholeFile.h"
#include "TempFolder.h"

namespace platform {
namespace {

TEST(Paths, TrailingSeparatorAndJoin) {
  EXPECT_EQ(IncludeTrailingSeparator(""), "");
  EXPECT_EQ(IncludeTrailingSeparator("/a"), "/a/");
  EXPECT_EQ(IncludeTrailingSeparator("/a/"), "/a/");
  EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
  EXPECT_EQ(JoinPath("/a/", "/b"), "/a/b");
  EXPECT_EQ(JoinPath("", "b"), "b");
}

TEST(Paths, FileAddressHasThreeSlashesAndKeepsTheFragment) {
  EXPECT_EQ(FileAddress("/home/u/Bible/45/3.html", "#v16"), "file:///home/u/Bible/45/3.html#v16");
  EXPECT_EQ(FileAddress("/x.html"), "file:///x.html");
}

TEST(Paths, FileUrlEncodesWhatWouldEndOrChangeThePath) {
  EXPECT_EQ(FileUrl("/home/u/ixodesk/image/Search.gif"), "file:///home/u/ixodesk/image/Search.gif");
  EXPECT_EQ(FileUrl("/a#b/x%20y/what?/two words/~me_1-2.gif"),
            "file:///a%23b/x%2520y/what%3F/two%20words/~me_1-2.gif");
  EXPECT_EQ(FileUrl("/\xc3\xa9&\"<"), "file:///%C3%A9%26%22%3C");
}

TEST(Paths, ExtractNameAndFolder) {
  EXPECT_EQ(ExtractFileName("/a/b/c.txt"), "c.txt");
  EXPECT_EQ(ExtractFilePath("/a/b/c.txt"), "/a/b/");
  EXPECT_EQ(ExtractFileName("c.txt"), "c.txt");
  EXPECT_EQ(ExtractFilePath("c.txt"), "");
  EXPECT_TRUE(HasFileExtension("/a/b/c.ini"));
  EXPECT_FALSE(HasFileExtension("/a.d/settings"));
  EXPECT_FALSE(HasFileExtension(""));
}

TEST(Paths, ForceDirectoriesCreatesParents) {
  testing_support::TempFolder temp;
  const std::string deep = temp.Path() + "a/b/c";
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(FileExists(deep));
}

TEST(Paths, ReplaceFileCreatingFolderMakesTheFolderOrFails) {
  testing_support::TempFolder temp;
  const std::string file = temp.Path() + "a/b/page.html";
  ASSERT_TRUE(ReplaceFileCreatingFolder(file, "text"));
  EXPECT_EQ(ReadWholeFile(file).bytes, "text");
  // A file where a folder should be: nothing is written.
  EXPECT_FALSE(ReplaceFileCreatingFolder(file + "/inner.html", "text"));
  EXPECT_EQ(ReadWholeFile(file).bytes, "text");
}

TEST(Paths, ReplaceWithLinkAtomicallyGivesTheFileASecondNameOrFails) {
  testing_support::TempFolder temp;
  const std::string first = temp.Path() + "first.ixolc";
  const std::string second = temp.Path() + "second.ixolc";
  ASSERT_TRUE(ReplaceFileAtomically(first, "one"));
  ASSERT_TRUE(ReplaceFileAtomically(second, "old"));
  ASSERT_TRUE(ReplaceWithLinkAtomically(first, second));
  EXPECT_EQ(ReadWholeFile(second).bytes, "one");
  EXPECT_EQ(ReadWholeFile(second).stamp, ReadWholeFile(first).stamp);  // one file
  // Both naming one file already: nothing to do, and no temporary is left.
  EXPECT_TRUE(ReplaceWithLinkAtomically(first, second));
  EXPECT_TRUE(ReplaceWithLinkAtomically(first, first));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 2);
  // Replacing one name later leaves the other as it was.
  ASSERT_TRUE(ReplaceFileAtomically(first, "two"));
  EXPECT_EQ(ReadWholeFile(second).bytes, "one");
  // A missing file or folder: nothing changes.
  EXPECT_FALSE(ReplaceWithLinkAtomically(temp.Path() + "missing", second));
  EXPECT_FALSE(ReplaceWithLinkAtomically(first, temp.Path() + "no/folder"));
  EXPECT_EQ(ReadWholeFile(second).bytes, "one");
}

TEST(ShellFolders, FollowTheEnvironment) {
  setenv("XDG_DATA_HOME", "/tmp/xdg-data/", 1);
  setenv("XDG_DOCUMENTS_DIR", "/tmp/docs", 1);
  EXPECT_EQ(ApplicationDataFolder(), "/tmp/xdg-data");
  EXPECT_EQ(PersonalDocumentsFolder(), "/tmp/docs");
  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_DOCUMENTS_DIR");
  EXPECT_FALSE(ProgramFolder().empty());
  EXPECT_EQ(ProgramFile().rfind(ProgramFolder() + "/", 0), 0u);
}

}  // namespace
}  // namespace platform
