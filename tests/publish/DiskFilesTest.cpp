#include "publish/DiskFiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "publish/OutputFile.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

std::size_t FilesIn(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

// Files may grow to `limit` bytes while it lives; writes beyond fail as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

TEST(DiskFiles, CommitPutsTheBytesUnderTheNameAndLeavesNoTemporaryFile) {
  TempFolder folder;
  auto file = publish::DiskFiles().Create(folder.File("1.html"));
  ASSERT_TRUE(file);
  EXPECT_FALSE(std::filesystem::exists(folder.File("1.html")));
  EXPECT_TRUE(file->Write("abcdef"));
  EXPECT_TRUE(file->Seek(1));
  EXPECT_TRUE(file->Write("X"));
  EXPECT_TRUE(file->Commit());
  EXPECT_EQ(ReadFileBytes(folder.File("1.html")), "aXcdef");
  EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

// A page written again keeps the permissions its owner gave it; a new one
// gets the usual ones.
TEST(DiskFiles, AReplacedFileKeepsItsPermissions) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder.File("1.html"), "old page"));
  namespace fs = std::filesystem;
  fs::permissions(folder.File("1.html"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  for (const char* name : {"1.html", "2.html"}) {
    auto file = publish::DiskFiles().Create(folder.File(name));
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write("new page"));
    ASSERT_TRUE(file->Commit());
  }
  EXPECT_EQ(ReadFileBytes(folder.File("1.html")), "new page");
  EXPECT_EQ(fs::status(folder.File("1.html")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::perms fresh = fs::status(folder.File("2.html")).permissions();
  EXPECT_TRUE((fresh & fs::perms::owner_write) != fs::perms::none);
  EXPECT_EQ(fresh & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec), fs::perms::none);
}

TEST(DiskFiles, AFileDroppedWithoutCommitLeavesTheOldOneAndNoTrace) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder.File("1.html"), "good page"));
  {
    auto file = publish::DiskFiles().Create(folder.File("1.html"));
    ASSERT_TRUE(file);
    file->Write("half of a");
  }
  EXPECT_EQ(ReadFileBytes(folder.File("1.html")), "good page");
  EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(DiskFiles, AShortWriteFailsTheFileAndKeepsTheOldOne) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileBytes(folder.File("ixo.css"), "good sheet"));
  {
    auto file = publish::DiskFiles().Create(folder.File("ixo.css"));
    ASSERT_TRUE(file);
    {
      FileSizeLimit limit(4);
      EXPECT_FALSE(file->Write("more than four bytes"));
    }
    EXPECT_TRUE(file->Failed());
    EXPECT_FALSE(file->Write("x"));
    EXPECT_FALSE(file->Commit());
  }
  EXPECT_EQ(ReadFileBytes(folder.File("ixo.css")), "good sheet");
  EXPECT_EQ(FilesIn(folder.Path()), 1u);
}

TEST(DiskFiles, FilesAndFoldersThatCannotBeMade) {
  TempFolder folder;
  EXPECT_EQ(publish::DiskFiles().Create(folder.File("missing/1.html")), nullptr);

  EXPECT_TRUE(publish::DiskFiles().CreateFolder(folder.File("Bible/1")));
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("Bible/1")));

  ASSERT_TRUE(WriteFileBytes(folder.File("plain"), "a file, not a folder"));
  EXPECT_FALSE(publish::DiskFiles().CreateFolder(folder.File("plain/style")));
}

}  // namespace
