// Loading: the library by path, its nine functions by name, the data files.

#include <gtest/gtest.h>

#include <filesystem>

#include "EngineFixture.h"
#include "engine/ixoutils.h"
#include "platform/SharedLibrary.h"

namespace engine {
namespace {

using engine_testing::EngineFixture;
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

TEST(Load, BadWordListIsReportedAndTheTextStillIndexed) {
  EngineFixture fixture(Text);
  engine_testing::WriteU16(fixture.EditionFile(ixo::EnglishFileName), 0, 17);
  TixoEngine& engine = fixture.Load();
  EXPECT_TRUE(engine.Loaded);
  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].text, "Bad English data file.");
  EXPECT_EQ(fixture.Dialogs().Shown()[0].caption, "Error");
  EXPECT_EQ(EnglishWordToKey("god"), 0);
  EXPECT_EQ(KeyToEnglishWord(engine.BookText[1]->key), "");
  EXPECT_EQ(engine.BookInfo[1].WordCount, 4u);
}

TEST(Load, LemmaFileCutShortLeavesTheBooksItDoesNotCoverWithoutNumbers) {
  EngineFixture fixture(Text);
  std::filesystem::resize_file(fixture.EditionFile(ixo::LemmaFileName), 8 * 10);
  TixoEngine& engine = fixture.Load();
  EXPECT_NE(engine.BookLemma[1], nullptr);
  EXPECT_EQ(engine.BookLemma[66], nullptr);
  TWordCursor cursor;
  ASSERT_TRUE(engine.BookCursor(66, cursor));
  EXPECT_EQ(cursor.Lemma, nullptr);
  EXPECT_EQ(LemmaTagsForWord("amen").Items(), std::vector<std::string>{"amen_E"});
  EXPECT_EQ(LemmaTagsForWord("god").Items(), std::vector<std::string>{"god_H430"});
  engine.MarkWord(1, 281, 'G');
  EXPECT_EQ(engine.Marks.BookMarks[66], 0);
}

}  // namespace
}  // namespace engine
