#include "data/kjv/EditionCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "BuiltEdition.h"
#include "support/TempFolder.h"

namespace data::kjv {
namespace {

using testing::HasSubstr;
using testing::IsEmpty;
using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

TEST(EditionCheck, FindsTheBuiltEditionSound) {
  if (!BuiltEditionPresent()) GTEST_SKIP() << "no edition in " << BuiltEditionFolder();
  EXPECT_THAT(CheckEdition(BuiltEditionFolder()), IsEmpty());
}

TEST(EditionCheck, ReportsAMissingFile) {
  TempFolder folder;
  EXPECT_THAT(CheckEdition(folder.Path()), testing::Contains(HasSubstr("IxoBible.2011: missing")));
}

// One fault written into a copy of the built edition.
struct Corruption {
  const char* name;
  const char* file;
  std::size_t offset;
  std::string bytes;    // written at offset; empty: the file is cut short there
  const char* problem;  // a part of the first problem reported
};

void PrintTo(const Corruption& corruption, std::ostream* out) { *out << corruption.name; }

class CorruptEdition : public testing::TestWithParam<Corruption> {};

TEST_P(CorruptEdition, IsReported) {
  if (!BuiltEditionPresent()) GTEST_SKIP() << "no edition in " << BuiltEditionFolder();
  TempFolder copy;
  for (const char* name : {ixo::TextFileName, ixo::LemmaFileName, ixo::EnglishFileName})
    std::filesystem::copy_file(BuiltEditionFolder() + name, copy.File(name));
  const Corruption& corruption = GetParam();
  std::string bytes = ReadFileBytes(copy.File(corruption.file));
  ASSERT_GT(bytes.size(), corruption.offset + corruption.bytes.size());
  if (corruption.bytes.empty())
    bytes.resize(corruption.offset);
  else
    bytes.replace(corruption.offset, corruption.bytes.size(), corruption.bytes);
  ASSERT_TRUE(WriteFileBytes(copy.File(corruption.file), bytes));

  const std::vector<std::string> problems = CheckEdition(copy.Path());
  ASSERT_THAT(problems, testing::Not(IsEmpty()));
  EXPECT_THAT(problems.front(), HasSubstr(corruption.problem));
}

// Text records are 4 bytes (key, flags, verse), lemma records 8; record 0 is
// the separator before Genesis, record 1 its first word ("In").
INSTANTIATE_TEST_SUITE_P(
    Faults, CorruptEdition,
    testing::Values(
        Corruption{"WordListMaximumNot18", ixo::EnglishFileName, 0, "\x11", "its first byte is 17, not 18"},
        Corruption{"EmptyGroupOfLengthOne", ixo::EnglishFileName, 4, std::string("\0\0", 2),
                   "the group of length 1 holds 0 words"},
        Corruption{"SeparatorCountOff", ixo::TextFileName, 2, std::string("\0\0", 2), "book 1 announces 0 words"},
        Corruption{"KeyBeyondTheList", ixo::TextFileName, 4, "\xFF\x3F", "record 1: the key names no word"},
        Corruption{"BookStartingAtVerseTwo", ixo::TextFileName, 7, "\x02", "record 1: verse 2 follows verse 0"},
        Corruption{"BookStartingAtVerseZero", ixo::TextFileName, 7, std::string("\0", 1), "record 1: verse 0"},
        Corruption{"GreekNumberInGenesis", ixo::LemmaFileName, 3 * 8 + 1, "\x9C",
                   "a Greek number in a book of Hebrew numbers"},
        Corruption{"NumbersOnASeparator", ixo::LemmaFileName, 0, "\x01", "record 0: a separator with Strong's"},
        Corruption{"LemmaFileShort", ixo::LemmaFileName, 8, "", "records for"}),
    [](const testing::TestParamInfo<Corruption>& info) { return info.param.name; });

}  // namespace
}  // namespace data::kjv
