// The data-file library loaded by path and bound by name, as the desktop
// program does. Its state is process-wide, so every test loads a copy of the
// library file of its own (a distinct file is a distinct library to the loader).

#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "core/IxoFormat.h"
#include "platform/SharedLibrary.h"
#include "support/TempFolder.h"

namespace ixo {
namespace {

using testing_support::ReadFileBytes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

class FreshCore {
 public:
  explicit FreshCore(const TempFolder& home) {
    static int copies = 0;
    const std::string copy = home.File("2011-" + std::to_string(++copies) + ".ixocore");
    std::filesystem::copy_file(IXOCORE_LIBRARY, copy);
    library_ = platform::SharedLibrary::Load(copy);
    MapText = library_.Bind<void*(const char*)>("IxoMapText");
    MapEnglish = library_.Bind<void*(const char*)>("IxoMapEnglish");
    MapLemma = library_.Bind<void*(const char*)>("IxoMapLemma");
    MapStatus = library_.Bind<void*(const char*)>("IxoMapStatus");
    TextCnt = library_.Bind<int()>("IxoMapTextCnt");
    EnglishCnt = library_.Bind<int()>("IxoMapEnglishCnt");
    LemmaCnt = library_.Bind<int()>("IxoMapLemmaCnt");
    StatusCnt = library_.Bind<int()>("IxoMapStatusCnt");
    ReleaseAll = library_.Bind<int()>("IxoMapReleaseAll");
  }

  bool Bound() const {
    return MapText && MapEnglish && MapLemma && MapStatus && TextCnt && EnglishCnt && LemmaCnt &&
           StatusCnt && ReleaseAll;
  }

  void* Symbol(const char* name) const { return library_.Symbol(name); }

  void* (*MapText)(const char*) = nullptr;
  void* (*MapEnglish)(const char*) = nullptr;
  void* (*MapLemma)(const char*) = nullptr;
  void* (*MapStatus)(const char*) = nullptr;
  int (*TextCnt)() = nullptr;
  int (*EnglishCnt)() = nullptr;
  int (*LemmaCnt)() = nullptr;
  int (*StatusCnt)() = nullptr;
  int (*ReleaseAll)() = nullptr;

 private:
  platform::SharedLibrary library_;
};

// An edition folder with a text of the given number of records and a lemma
// file to match; the bytes are arbitrary but distinct per folder.
void WriteEdition(const TempFolder& folder, int records, char mark) {
  ASSERT_TRUE(WriteFileBytes(folder.File(TextFileName), std::string(records * 4, mark)));
  ASSERT_TRUE(WriteFileBytes(folder.File(LemmaFileName), std::string(records * 8, mark)));
  ASSERT_TRUE(WriteFileBytes(folder.File(EnglishFileName), std::string(37, mark)));
}

std::string ViewBytes(void* base, std::size_t size) {
  return std::string(static_cast<const char*>(base), size);
}

class Library : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(core.Bound()); }

  TempFolder home;
  FreshCore core{home};
};

TEST_F(Library, ExportsTheNineFunctionsAndTheClasses) {
  EXPECT_NE(core.Symbol("_ZTVN3ixo12EnglishClassE"), nullptr);  // vtable of EnglishClass
  EXPECT_NE(core.Symbol("_ZTIN3ixo9WordClassE"), nullptr);      // type of WordClass
  EXPECT_EQ(core.Symbol("_ZN8platform20CurrentDialogServiceEv"), nullptr);  // kept inside
}

TEST_F(Library, MapsTheThreeTextFilesAndCountsThem) {
  TempFolder edition;
  WriteEdition(edition, 4, 'a');
  EXPECT_EQ(core.TextCnt(), 0);  // never opened
  void* text = core.MapText(edition.Path().c_str());
  void* lemma = core.MapLemma(edition.Path().c_str());
  void* english = core.MapEnglish(edition.Path().c_str());
  ASSERT_NE(text, nullptr);
  ASSERT_NE(lemma, nullptr);
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(ViewBytes(text, 16), std::string(16, 'a'));
  EXPECT_EQ(core.TextCnt(), 4);
  EXPECT_EQ(core.LemmaCnt(), 4);
  EXPECT_EQ(core.EnglishCnt(), 37);  // bytes
  EXPECT_EQ(core.StatusCnt(), 0);
}

TEST_F(Library, TheFirstPrefixWins) {
  TempFolder first, second;
  WriteEdition(first, 4, 'a');
  WriteEdition(second, 6, 'b');
  void* base = core.MapText(first.Path().c_str());
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(core.MapText(second.Path().c_str()), base);
  EXPECT_EQ(core.TextCnt(), 4);
  EXPECT_EQ(ViewBytes(base, 16), std::string(16, 'a'));
}

TEST_F(Library, ANullPrefixOnlyAnswersTheCurrentView) {
  TempFolder edition;
  WriteEdition(edition, 4, 'a');
  EXPECT_EQ(core.MapText(nullptr), nullptr);
  EXPECT_EQ(core.MapEnglish(nullptr), nullptr);
  EXPECT_EQ(core.MapLemma(nullptr), nullptr);
  EXPECT_EQ(core.MapStatus(nullptr), nullptr);
  void* base = core.MapText(edition.Path().c_str());
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(core.MapText(nullptr), base);
}

TEST_F(Library, AMissingFileFixesThePathAndIsTriedAgain) {
  TempFolder empty, other;
  WriteEdition(other, 6, 'b');
  EXPECT_EQ(core.MapText(empty.Path().c_str()), nullptr);
  EXPECT_EQ(core.TextCnt(), 0);
  ASSERT_TRUE(WriteFileBytes(empty.File(TextFileName), std::string(8, 'c')));
  void* base = core.MapText(other.Path().c_str());  // the first folder still holds
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(ViewBytes(base, 8), std::string(8, 'c'));
  EXPECT_EQ(core.TextCnt(), 2);
}

TEST_F(Library, AnEmptyTextCannotBeMapped) {
  TempFolder edition;
  ASSERT_TRUE(WriteFileBytes(edition.File(TextFileName), ""));
  EXPECT_EQ(core.MapText(edition.Path().c_str()), nullptr);
  EXPECT_EQ(core.TextCnt(), 0);
}

// A folder in the file's place opens but cannot be mapped: nothing of the
// attempt is counted, and the status file is not sized from it.
TEST_F(Library, AFailedOpenCountsNothingAndSizesNoStatusFile) {
  TempFolder edition, html;
  for (const char* name : {TextFileName, LemmaFileName, EnglishFileName})
    ASSERT_TRUE(std::filesystem::create_directory(edition.File(name)));
  EXPECT_EQ(core.MapText(edition.Path().c_str()), nullptr);
  EXPECT_EQ(core.MapLemma(edition.Path().c_str()), nullptr);
  EXPECT_EQ(core.MapEnglish(edition.Path().c_str()), nullptr);
  EXPECT_EQ(core.TextCnt(), 0);
  EXPECT_EQ(core.LemmaCnt(), 0);
  EXPECT_EQ(core.EnglishCnt(), 0);

  EXPECT_EQ(core.MapStatus(html.Path().c_str()), nullptr);
  EXPECT_FALSE(std::filesystem::exists(html.File(StatusFileName)));
  EXPECT_EQ(core.StatusCnt(), 0);
}

TEST_F(Library, APathThatWouldNotFitTheBufferIsRefusedNotCut) {
  TempFolder edition;
  WriteEdition(edition, 4, 'a');
  // The buffer holds 1,023 characters and a terminator.
  const std::string name = TextFileName;
  const std::string tooLong = "/no/such/" + std::string(1024 - name.size() - 9, 'x');
  ASSERT_EQ(tooLong.size() + name.size(), 1024u);
  EXPECT_EQ(core.MapText(tooLong.c_str()), nullptr);
  EXPECT_NE(core.MapText(edition.Path().c_str()), nullptr);  // nothing was fixed by it

  FreshCore other(home);
  const std::string fits = tooLong.substr(1);  // 1,023 characters: fixed, though missing
  EXPECT_EQ(other.MapText(fits.c_str()), nullptr);
  EXPECT_EQ(other.MapText(edition.Path().c_str()), nullptr);

  TempFolder html;
  const std::string longStatus = html.Path() + std::string(1024, 'y') + "/";
  EXPECT_EQ(core.MapStatus(longStatus.c_str()), nullptr);
  EXPECT_NE(core.MapStatus(html.Path().c_str()), nullptr);
  EXPECT_EQ(core.StatusCnt(), 4);
}

TEST_F(Library, TheStatusFileIsReplacedZeroFilledAndShared) {
  TempFolder edition, html;
  WriteEdition(edition, 4, 'a');
  const std::string status = html.File(StatusFileName);
  ASSERT_TRUE(WriteFileBytes(status, std::string(40, '\xFF')));  // an older, longer one
  ASSERT_NE(core.MapText(edition.Path().c_str()), nullptr);
  auto* base = static_cast<unsigned char*>(core.MapStatus(html.Path().c_str()));
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(ReadFileBytes(status), std::string(16, '\0'));
  EXPECT_EQ(core.StatusCnt(), 4);
  EXPECT_EQ(core.MapStatus(nullptr), base);

  base[5] = 0x42;  // written through the view, seen in the file
  EXPECT_EQ(ReadFileBytes(status)[5], '\x42');
}

TEST_F(Library, TheStatusFileIsCreatedWhenMissing) {
  TempFolder edition, html;
  WriteEdition(edition, 3, 'a');
  ASSERT_NE(core.MapText(edition.Path().c_str()), nullptr);
  ASSERT_NE(core.MapStatus(html.Path().c_str()), nullptr);
  EXPECT_EQ(ReadFileBytes(html.File(StatusFileName)), std::string(12, '\0'));
}

TEST_F(Library, ReleaseAllClosesTheViewsAndKeepsPathsAndCounts) {
  TempFolder edition, other, html, otherHtml;
  WriteEdition(edition, 4, 'a');
  WriteEdition(other, 6, 'b');
  ASSERT_NE(core.MapText(edition.Path().c_str()), nullptr);
  ASSERT_NE(core.MapLemma(edition.Path().c_str()), nullptr);
  ASSERT_NE(core.MapEnglish(edition.Path().c_str()), nullptr);
  ASSERT_NE(core.MapStatus(html.Path().c_str()), nullptr);

  core.ReleaseAll();
  EXPECT_EQ(core.MapText(nullptr), nullptr);
  EXPECT_EQ(core.MapStatus(nullptr), nullptr);
  EXPECT_EQ(core.TextCnt(), 4);
  EXPECT_EQ(core.LemmaCnt(), 4);
  EXPECT_EQ(core.EnglishCnt(), 37);
  EXPECT_EQ(core.StatusCnt(), 4);

  const std::string status = html.File(StatusFileName);
  ASSERT_TRUE(WriteFileBytes(status, std::string(16, '\x11')));
  void* text = core.MapText(other.Path().c_str());  // reopens the first path
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(ViewBytes(text, 16), std::string(16, 'a'));
  ASSERT_NE(core.MapStatus(otherHtml.Path().c_str()), nullptr);
  EXPECT_EQ(ReadFileBytes(status), std::string(16, '\0'));  // filled again
  EXPECT_FALSE(std::filesystem::exists(otherHtml.File(StatusFileName)));
}

TEST_F(Library, AStatusMappedBeforeTheTextIsNeverFilled) {
  TempFolder edition, html;
  WriteEdition(edition, 4, 'a');
  const std::string status = html.File(StatusFileName);
  EXPECT_EQ(core.MapStatus(html.Path().c_str()), nullptr);  // count 0: not created
  EXPECT_FALSE(std::filesystem::exists(status));

  ASSERT_TRUE(WriteFileBytes(status, std::string(8, '\x33')));
  ASSERT_NE(core.MapText(edition.Path().c_str()), nullptr);
  void* base = core.MapStatus(html.Path().c_str());  // mapped as it is
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(ViewBytes(base, 8), std::string(8, '\x33'));
  EXPECT_EQ(core.StatusCnt(), 2);
}

// A status file that another process holds mapped cannot be replaced: it is
// opened as it is and only its first records are set to zero.
TEST_F(Library, AStatusFileInUseIsZeroedOverTheTextOnly) {
  TempFolder edition, html;
  WriteEdition(edition, 4, 'a');
  const std::string status = html.File(StatusFileName);
  ASSERT_TRUE(WriteFileBytes(status, std::string(40, '\xAB')));

  const int holder = open(status.c_str(), O_RDONLY | O_CLOEXEC);  // as a mapping process does
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_SH), 0);
  ASSERT_NE(core.MapText(edition.Path().c_str()), nullptr);
  void* base = core.MapStatus(html.Path().c_str());
  close(holder);

  ASSERT_NE(base, nullptr);
  EXPECT_EQ(core.StatusCnt(), 10);
  EXPECT_EQ(ReadFileBytes(status), std::string(16, '\0') + std::string(24, '\xAB'));
}

TEST_F(Library, TwoProgramsShareOneStatusFile) {
  TempFolder longEdition, shortEdition, html;
  WriteEdition(longEdition, 10, 'a');
  WriteEdition(shortEdition, 4, 'b');
  ASSERT_NE(core.MapText(longEdition.Path().c_str()), nullptr);
  auto* first = static_cast<unsigned char*>(core.MapStatus(html.Path().c_str()));
  ASSERT_NE(first, nullptr);
  std::memset(first, 0x5A, 40);

  FreshCore second(home);
  ASSERT_NE(second.MapText(shortEdition.Path().c_str()), nullptr);
  auto* other = static_cast<unsigned char*>(second.MapStatus(html.Path().c_str()));
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(second.StatusCnt(), 10);
  EXPECT_EQ(ViewBytes(first, 40), std::string(16, '\0') + std::string(24, '\x5A'));
}

}  // namespace
}  // namespace ixo
