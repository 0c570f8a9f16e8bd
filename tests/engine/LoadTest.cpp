// Loading: the library by path, its nine functions by name, the data files.

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>

#include "EngineFixture.h"
#include "engine/ixoutils.h"
#include "platform/Registry.h"
#include "platform/SharedLibrary.h"

namespace engine {
namespace {

using engine_testing::EngineFixture;
using testing::HasSubstr;
using platform::RootKey;
using testing_support::SdkKey;

constexpr char Text[] = "book 1\n1:1 In the beginning<7225> God<430>.\nbook 66\n1:1 Amen<281>.\n";

TEST(Load, MapsTheDataFilesThroughTheLibrary) {
  EngineFixture fixture(Text);
  TixoEngine& engine = fixture.Load();
  ASSERT_TRUE(engine.Loaded);
  EXPECT_TRUE(engine.DataLibrary.IsLoaded());
  EXPECT_EQ(engine.LibraryPath, fixture.InstallDir() + "2011.ixocore");
  EXPECT_NE(engine.ReleaseAllProc, nullptr);

  const auto size = [&](const char* name) {
    return static_cast<int>(std::filesystem::file_size(fixture.EditionFile(name)));
  };
  ASSERT_NE(engine.TextData, nullptr);
  ASSERT_NE(engine.LemmaData, nullptr);
  ASSERT_NE(engine.EnglishData, nullptr);
  EXPECT_NE(engine.StatusData, nullptr);
  EXPECT_EQ(engine.TextCount, size(ixo::TextFileName) / 4);
  EXPECT_EQ(engine.LemmaCount, size(ixo::LemmaFileName) / 8);
  EXPECT_EQ(engine.EnglishCount, size(ixo::EnglishFileName));
  EXPECT_EQ(engine.StatusCount, engine.TextCount);
  EXPECT_TRUE(std::filesystem::exists(fixture.HtmlDir() + ixo::StatusFileName));

  EXPECT_EQ(engine.BookNames[1], "Genesis");
  EXPECT_EQ(engine.BookNames[9], "1 Samuel");
  EXPECT_EQ(engine.BookNames[66], "Revelation");
  EXPECT_EQ(engine.BookInfo[66].WordCount, 1u);
  EXPECT_EQ(KeyToEnglishWord(engine.BookText[66]->key), "amen");
  EXPECT_EQ(engine.Colors.Count(), 0u);
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST(Load, WithoutTheLibraryNothingIsLoaded) {
  EngineFixture fixture(Text);
  ASSERT_TRUE(fixture.Registry().WriteString(RootKey::LocalMachine, SdkKey, "Library",
                                             fixture.InstallDir() + "none.ixocore"));
  TixoEngine& engine = fixture.Load();
  EXPECT_FALSE(engine.Loaded);
  EXPECT_FALSE(engine.DataLibrary.IsLoaded());
  EXPECT_EQ(engine.TextData, nullptr);
  EXPECT_EQ(engine.BookNames[1], "");
  TWordCursor cursor;
  EXPECT_FALSE(engine.BookCursor(1, cursor));
  EXPECT_EQ(EnglishWordToKey("god"), 0);
}

TEST(Load, WithoutTheMachineKeysNothingIsLoaded) {
  EngineFixture fixture(Text);
  testing_support::TestRegistry empty;
  TixoEngine& engine = fixture.Load();
  EXPECT_FALSE(engine.Loaded);
  EXPECT_EQ(engine.LibraryPath, "");
  EXPECT_EQ(engine.TextData, nullptr);
}

TEST(Load, LibraryLackingOneFunctionIsNotUsed) {
  EngineFixture fixture(Text);
  // Held open here too, so that its call count can be read after the engine let go of it.
  const platform::SharedLibrary stub = platform::SharedLibrary::Load(INCOMPLETE_CORE_LIBRARY);
  const auto calls = stub.Bind<int()>("StubCalls");
  ASSERT_NE(calls, nullptr);
  ASSERT_TRUE(fixture.Registry().WriteString(RootKey::LocalMachine, SdkKey, "Library", INCOMPLETE_CORE_LIBRARY));

  TixoEngine& engine = fixture.Load();
  EXPECT_FALSE(engine.Loaded);
  EXPECT_FALSE(engine.DataLibrary.IsLoaded());
  EXPECT_EQ(calls(), 0);
  EXPECT_EQ(engine.TextData, nullptr);
  EXPECT_EQ(engine.ReleaseAllProc, nullptr);
}

// A damaged file of the edition, made in the fixture's edition folder.
struct Damage {
  const char* name;
  const char* file;
  std::function<void(const std::string& path)> spoil;
  const char* message;  // a part of the one message shown
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

void CutBytes(const std::string& path, std::uintmax_t bytes) {
  std::filesystem::resize_file(path, std::filesystem::file_size(path) - bytes);
}

void AppendBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
}

void MakeFolder(const std::string& path) {
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
}

class DamagedEdition : public testing::TestWithParam<Damage> {};

// Nothing is loaded from a damaged edition: the damage is told once, the
// status file is not made from it, and no word or book can be reached.
TEST_P(DamagedEdition, IsReportedAndNothingIsLoaded) {
  EngineFixture fixture(Text);
  const Damage& damage = GetParam();
  const std::string path = fixture.EditionFile(damage.file);
  damage.spoil(path);
  TixoEngine& engine = fixture.Load();

  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_THAT(fixture.Dialogs().Shown()[0].text, HasSubstr(damage.message));
  if (std::string_view(damage.file) != ixo::EnglishFileName) {
    EXPECT_THAT(fixture.Dialogs().Shown()[0].text, HasSubstr(path));
  }
  EXPECT_EQ(fixture.Dialogs().Shown()[0].caption, "Error");
  EXPECT_FALSE(engine.Loaded);
  EXPECT_EQ(engine.TextData, nullptr);
  EXPECT_EQ(engine.LemmaData, nullptr);
  EXPECT_EQ(engine.StatusData, nullptr);
  EXPECT_FALSE(std::filesystem::exists(fixture.HtmlDir() + ixo::StatusFileName));
  EXPECT_EQ(engine.BookNames[1], "");
  TWordCursor cursor;
  EXPECT_FALSE(engine.BookCursor(1, cursor));
  EXPECT_EQ(EnglishWordToKey("god"), 0);
}

// The fixture's word list: the groups of lengths 1 to 18, the first ("a") at
// byte 2; its words are 1 to 18 letters long, so the last group ends the file.
INSTANTIATE_TEST_SUITE_P(
    Files, DamagedEdition,
    testing::Values(
        Damage{"WordListLengthNot18", ixo::EnglishFileName,
               [](const std::string& path) { engine_testing::WriteU16(path, 0, 17); }, "Bad English data file."},
        Damage{"WordListCutShort", ixo::EnglishFileName, [](const std::string& path) { CutBytes(path, 3); },
               "Bad English data file."},
        Damage{"WordListGroupOfAnotherLength", ixo::EnglishFileName,
               [](const std::string& path) { engine_testing::WriteU16(path, 2, 2); }, "Bad English data file."},
        Damage{"WordListMissing", ixo::EnglishFileName,
               [](const std::string& path) { std::filesystem::remove(path); }, "Bad English data file."},
        Damage{"LemmaFileShorterThanTheText", ixo::LemmaFileName,
               [](const std::string& path) { CutBytes(path, 8); }, "records for"},
        Damage{"TextMissing", ixo::TextFileName, [](const std::string& path) { std::filesystem::remove(path); },
               "missing"},
        Damage{"TextEmpty", ixo::TextFileName,
               [](const std::string& path) { std::filesystem::resize_file(path, 0); }, "empty"},
        Damage{"TextOfPartRecords", ixo::TextFileName, [](const std::string& path) { AppendBytes(path, "xy"); },
               "not a whole number of records"},
        Damage{"TextAFolder", ixo::TextFileName, MakeFolder, "not a file"}),
    [](const testing::TestParamInfo<Damage>& info) { return info.param.name; });

// The program's own folder holds the library: with neither "Installation"
// nor "Library" set the bare name is found there.
TEST(Load, WithoutInstallationTheLibraryIsFoundBesideTheProgram) {
  EngineFixture fixture(Text);
  platform::TRegistry machine(RootKey::LocalMachine);
  ASSERT_TRUE(machine.OpenKey(testing_support::ProductKey, false));
  ASSERT_TRUE(machine.DeleteValue("Installation"));
  TixoEngine& engine = fixture.Load();
  EXPECT_EQ(engine.LibraryPath, "2011.ixocore");
  EXPECT_TRUE(engine.Loaded);
  EXPECT_NE(engine.TextData, nullptr);
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

}  // namespace
}  // namespace engine
