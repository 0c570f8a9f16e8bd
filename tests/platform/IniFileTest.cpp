#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/IniFile.h"
#include "TempFolder.h"

namespace platform {
namespace {

using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;
using Lines = std::vector<std::string>;

class IniFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return temp_.File("study.ixolc"); }
  TIniFile FileWith(const std::string& bytes) {
    EXPECT_TRUE(WriteFileBytes(Path(), bytes));
    return TIniFile(Path());
  }
  TempFolder temp_;
};

TEST_F(IniFileTest, NewFileHasSectionsInWritingOrderAndCrLfLineEnds) {
  TIniFile ini(Path());
  ASSERT_TRUE(ini.WriteInteger("Options", "span", 7));
  ASSERT_TRUE(ini.WriteString("1", "love", "1"));
  ASSERT_TRUE(ini.WriteString("1", "G26", "1"));
  ASSERT_TRUE(ini.WriteBool("Active", "1", true));
  ASSERT_TRUE(ini.WriteBool("Active", "2", false));
  EXPECT_EQ(ReadFileBytes(Path()),
            "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\nG26=1\r\n[Active]\r\n1=1\r\n2=0\r\n");
}

TEST_F(IniFileTest, RewritingSectionsKeepsForeignSectionsAndTheirOrder) {
  TIniFile ini = FileWith(
      "[Options]\nspan=7\n; kept comment\n\n[Notes]\nfree text line\nx = y\n"
      "[1]\nlove=1\n[Active]\n1=1\n");
  ASSERT_TRUE(ini.WriteInteger("options", "SPAN", 9));
  ASSERT_TRUE(ini.EraseSection("Active"));
  ASSERT_TRUE(ini.EraseSection("1"));
  ASSERT_TRUE(ini.WriteString("1", "charity", "1"));
  ASSERT_TRUE(ini.WriteString("Active", "1", "0"));
  EXPECT_EQ(ReadFileBytes(Path()),
            "[Options]\r\nspan=9\r\n; kept comment\r\n\r\n[Notes]\r\nfree text line\r\nx = y\r\n"
            "[1]\r\ncharity=1\r\n[Active]\r\n1=0\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheLastKeyOfItsSection) {
  TIniFile ini = FileWith("[A]\r\nk=1\r\n\r\n; about B\r\n[B]\r\nz=2\r\n");
  ASSERT_TRUE(ini.WriteString("a", "j", "2"));
  ASSERT_TRUE(ini.WriteString("Empty", "first", "x"));
  ASSERT_TRUE(ini.WriteString("B", "Z", "3"));
  EXPECT_EQ(ReadFileBytes(Path()),
            "[A]\r\nk=1\r\nj=2\r\n\r\n; about B\r\n[B]\r\nz=3\r\n[Empty]\r\nfirst=x\r\n");
}

TEST_F(IniFileTest, ReadingRules) {
  TIniFile ini = FileWith(
      "orphan=before any section\r\n"
      "[ Tree ]\r\n"
      "  Key One  =  spaced value  \r\n"
      "quoted=\"  inside  \"\r\n"
      "single=' x '\r\n"
      "half=\"open\r\n"
      "equation=a=b\r\n"
      ";comment=not a key\r\n"
      "no equals sign\r\n"
      "dup=first\r\n"
      "DUP=second\r\n"
      "empty=\r\n"
      "[Unix]\n"
      "lf=only\n");
  EXPECT_EQ(ini.ReadString("tree", "key one", "-"), "spaced value");
  EXPECT_EQ(ini.ReadString("Tree", "quoted", "-"), "  inside  ");
  EXPECT_EQ(ini.ReadString("Tree", "single", "-"), " x ");
  EXPECT_EQ(ini.ReadString("Tree", "half", "-"), "\"open");
  EXPECT_EQ(ini.ReadString("Tree", "equation", "-"), "a=b");
  EXPECT_EQ(ini.ReadString("Tree", ";comment", "-"), "-");
  EXPECT_EQ(ini.ReadString("Tree", "dup", "-"), "first");
  EXPECT_EQ(ini.ReadString("Tree", "empty", "-"), "");
  EXPECT_TRUE(ini.ValueExists("Tree", "empty"));
  EXPECT_FALSE(ini.ValueExists("Tree", "missing"));
  EXPECT_EQ(ini.ReadString("Unix", "LF", "-"), "only");
  EXPECT_EQ(ini.ReadString("", "orphan", "-"), "-");
  EXPECT_EQ(ini.ReadSection("TREE"),
            (Lines{"Key One", "quoted", "single", "half", "equation", "dup", "DUP", "empty"}));
  EXPECT_EQ(ini.ReadSectionValues("Tree"),
            (Lines{"Key One=spaced value", "quoted=  inside  ", "single= x ", "half=\"open",
                   "equation=a=b", "dup=first", "DUP=second", "empty="}));
  EXPECT_EQ(ini.ReadSections(), (Lines{"Tree", "Unix"}));
  EXPECT_TRUE(ini.SectionExists("unix"));
  EXPECT_FALSE(ini.SectionExists("Orphan"));
}

TEST_F(IniFileTest, ReadIntegerTakesDecimalIntegersOnly) {
  const struct {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"12", 12},          {"-3", -3},          {"+4", 4},           {"  7  ", 7},
      {"007", 7},          {"$1F", -1},         {"0x1F", -1},        {"1.5", -1},
      {"", -1},            {"abc", -1},         {"1 2", -1},         {"12abc", -1},
      {"+-5", -1},         {"2147483647", 2147483647},                {"2147483648", -1},
      {"-2147483648", -2147483647 - 1},
  };
  std::string text = "[N]\r\n";
  for (std::size_t i = 0; i < std::size(cases); ++i)
    text += "k" + std::to_string(i) + "=" + cases[i].text + "\r\n";
  TIniFile ini = FileWith(text);
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(ini.ReadInteger("N", "k" + std::to_string(i), -1), cases[i].expected)
        << "value [" << cases[i].text << "]";
  EXPECT_EQ(ini.ReadInteger("N", "missing", 42), 42);
}

TEST_F(IniFileTest, ReadBool) {
  TIniFile ini = FileWith("[Active]\n1=1\n2=0\n3=5\n4=yes\n");
  EXPECT_TRUE(ini.ReadBool("Active", "1", false));
  EXPECT_FALSE(ini.ReadBool("Active", "2", true));
  EXPECT_TRUE(ini.ReadBool("Active", "3", false));
  EXPECT_TRUE(ini.ReadBool("Active", "4", true));
  EXPECT_FALSE(ini.ReadBool("Active", "4", false));
  EXPECT_FALSE(ini.ReadBool("Active", "14", false));
}

TEST_F(IniFileTest, EraseAndDeleteRemoveEveryOccurrence) {
  TIniFile ini = FileWith("[A]\r\nk=1\r\nK=2\r\nm=3\r\n[B]\r\nx=1\r\n[a]\r\nk=9\r\n");
  EXPECT_EQ(ini.ReadSections(), (Lines{"A", "B"}));
  ASSERT_TRUE(ini.DeleteKey("A", "k"));
  EXPECT_EQ(ini.ReadSection("A"), (Lines{"m"}));
  ASSERT_TRUE(ini.EraseSection("A"));
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_EQ(ReadFileBytes(Path()), "[B]\r\nx=1\r\n");
  // Nothing to remove: success, file unchanged.
  EXPECT_TRUE(ini.EraseSection("A"));
  EXPECT_TRUE(ini.DeleteKey("B", "missing"));
  EXPECT_EQ(ReadFileBytes(Path()), "[B]\r\nx=1\r\n");
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsNotCreatedByRemovals) {
  TIniFile ini(temp_.File("names.tree"));
  EXPECT_EQ(ini.ReadString("A", "1", "default"), "default");
  EXPECT_TRUE(ini.ReadSection("A").empty());
  EXPECT_TRUE(ini.ReadSections().empty());
  EXPECT_TRUE(ini.EraseSection("A"));
  EXPECT_TRUE(ini.DeleteKey("A", "1"));
  struct stat info {};
  EXPECT_NE(stat(ini.FileName().c_str(), &info), 0);
}

TEST_F(IniFileTest, ChangesOnDiskAreSeen) {
  TIniFile reader = FileWith("[A]\r\nk=1\r\n");
  EXPECT_EQ(reader.ReadString("A", "k", ""), "1");
  TIniFile writer(Path());
  ASSERT_TRUE(writer.WriteString("A", "k", "2"));
  EXPECT_EQ(reader.ReadString("A", "k", ""), "2");
  ASSERT_TRUE(WriteFileBytes(Path(), "[A]\r\nk=three\r\n"));
  EXPECT_EQ(reader.ReadString("A", "k", ""), "three");
  ASSERT_EQ(std::remove(Path().c_str()), 0);
  EXPECT_FALSE(reader.SectionExists("A"));
  // A write after the file vanished starts from the empty file, not from the old text.
  ASSERT_TRUE(reader.WriteString("B", "x", "1"));
  EXPECT_EQ(ReadFileBytes(Path()), "[B]\r\nx=1\r\n");
}

TEST_F(IniFileTest, WritesThatCannotBeStoredFailAndChangeNothing) {
  TIniFile ini = FileWith("[A]\r\nk=1\r\n");
  EXPECT_FALSE(ini.WriteString("A", "k", "two\r\nlines"));
  EXPECT_FALSE(ini.WriteString("A\nB", "k", "v"));
  EXPECT_FALSE(ini.WriteString("", "k", "v"));
  EXPECT_FALSE(ini.WriteString("A", "a=b", "v"));
  EXPECT_FALSE(ini.WriteString("A", "[S]", "v"));
  EXPECT_FALSE(ini.WriteString("A", ";c", "v"));
  EXPECT_EQ(ReadFileBytes(Path()), "[A]\r\nk=1\r\n");

  TIniFile noFolder(temp_.File("missing/folder/x.ini"));
  EXPECT_FALSE(noFolder.WriteString("A", "k", "v"));
}

// A byte-order mark before a name is no part of it, on writes and reads
// alike: the key is written once and reads back under either spelling.
TEST_F(IniFileTest, ByteOrderMarkBeforeANameIsDropped) {
  const std::string bom = "\xEF\xBB\xBF";
  TIniFile ini = FileWith("[A]\r\nk=1\r\n");
  for (int write = 0; write < 2; ++write) ASSERT_TRUE(ini.WriteString("A", bom + "key", "v"));
  EXPECT_EQ(ReadFileBytes(Path()), "[A]\r\nk=1\r\nkey=v\r\n");
  EXPECT_EQ(ini.ReadString("A", bom + "key", "none"), "v");
  EXPECT_EQ(ini.ReadString("A", "key", "none"), "v");
  EXPECT_EQ(ini.ReadString(bom + "A", bom + "k", "none"), "1");

  EXPECT_FALSE(ini.WriteString("A", bom + "[S]", "v"));  // a section line once the mark is gone
  EXPECT_FALSE(ini.WriteString(bom, "k", "v"));
  EXPECT_EQ(ReadFileBytes(Path()), "[A]\r\nk=1\r\nkey=v\r\n");
  ASSERT_TRUE(ini.DeleteKey("A", bom + "key"));
  EXPECT_EQ(ReadFileBytes(Path()), "[A]\r\nk=1\r\n");
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverReplaced) {
  const std::string folder = temp_.File("a folder");
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  TIniFile ini(folder);
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_FALSE(ini.WriteString("A", "k", "v"));
  struct stat info {};
  ASSERT_EQ(stat(folder.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST_F(IniFileTest, ExistingFileKeepsItsPermissions) {
  TIniFile ini = FileWith("[A]\r\n");
  ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
  ASSERT_TRUE(ini.WriteString("A", "k", "v"));
  struct stat info {};
  ASSERT_EQ(stat(Path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace platform
