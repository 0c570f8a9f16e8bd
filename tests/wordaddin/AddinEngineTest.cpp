// The add-in's engine: its settings, and its loading, cursors and marks over
// the add-in's data and engine library built from the KJV.
#include "wordaddin/ixoObject.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/Dialogs.h"
#include "platform/ShellFolders.h"
#include "support/AddinInstallation.h"
#include "support/ScopedEnvironment.h"
#include "support/TestRegistry.h"

namespace wordaddin {
namespace {

using platform::RootKey;
using testing_support::AddinInstallation;

// ---- settings -----------------------------------------------------------------------

class AddinSettings : public ::testing::Test {
 protected:
  void Machine(const char* name, const char* value) {
    ASSERT_TRUE(registry.WriteString(RootKey::LocalMachine, AddinKey, name, value));
  }
  void User(const char* name, const char* value) {
    ASSERT_TRUE(registry.WriteString(RootKey::CurrentUser, AddinKey, name, value));
  }
  void User(const char* name, std::int32_t value) {
    ASSERT_TRUE(registry.WriteInteger(RootKey::CurrentUser, AddinKey, name, value));
  }

  testing_support::TestRegistry registry;
  testing_support::ScopedEnvironment documents{"XDG_DOCUMENTS_DIR", "/home/Me/Documents"};
  TixoEngine engine;
};

TEST_F(AddinSettings, DefaultsFollowTheInstallationFolder) {
  Machine("Installation", "/opt/ixo");
  EXPECT_TRUE(engine.ReadSettings());
  EXPECT_EQ(engine.InstallDir, "/opt/ixo/");
  EXPECT_EQ(engine.VersionDir, "/opt/ixo/Ixo-2005/Lib/");
  EXPECT_EQ(engine.LibraryPath, "/opt/ixo/Ixo-2005/Lib/Ixo2005.kjv");
  EXPECT_EQ(engine.Folder2005, "/opt/ixo/Ixo-2005/");
  EXPECT_EQ(engine.Folder2007, "/opt/ixo/Ixo-2007/");
  EXPECT_EQ(engine.HttpServer, "http://127.0.0.1:1611/");
  EXPECT_EQ(engine.DocumentDir, "/opt/ixo/Document/");
  EXPECT_EQ(engine.Settings, 0x800E);
  EXPECT_EQ(engine.Sensitivity, 7);
  EXPECT_FALSE(engine.LargePrint);
  EXPECT_EQ(engine.Colors.Count(), 0u);
}

TEST_F(AddinSettings, WithoutValuesTheInstallationIsTheHostProgramsFolder) {
  engine.ReadSettings();
  EXPECT_EQ(engine.InstallDir, platform::ProgramFolder() + "/");
  EXPECT_EQ(engine.LibraryPath, platform::ProgramFolder() + "/Ixo-2005/Lib/Ixo2005.kjv");
}

TEST_F(AddinSettings, ReadsEveryValueAndEndsFoldersWithASeparator) {
  Machine("Installation", "/a");
  Machine("Version", "/a/lib");
  Machine("2005", "/b");
  Machine("2007", "/c");
  User("HTTP Server", "http://example.test:80");
  User("Document", "/d");
  User("Colors", "Red=1,Blue=2");
  User("Sensitivity", 12);
  User("Large Print", 1);
  engine.ReadSettings();
  EXPECT_EQ(engine.VersionDir, "/a/lib/");
  EXPECT_EQ(engine.Folder2005, "/b/");
  EXPECT_EQ(engine.Folder2007, "/c/");
  EXPECT_EQ(engine.HttpServer, "http://example.test:80/");
  EXPECT_EQ(engine.DocumentDir, "/d/");
  EXPECT_EQ(engine.Colors.Count(), 2u);
  EXPECT_EQ(engine.Sensitivity, 12);
  EXPECT_TRUE(engine.LargePrint);
}

TEST_F(AddinSettings, ABareLibraryNameLiesInTheVersionFolder) {
  const struct {
    const char* interface;
    const char* path;
  } cases[] = {{"x.kjv", "/a/x.kjv"}, {"/d/y.kjv", "/d/y.kjv"}};
  for (const auto& c : cases) {
    Machine("Version", "/a/");
    Machine("Interface", c.interface);
    engine.ReadSettings();
    EXPECT_EQ(engine.LibraryPath, c.path) << c.interface;
  }
}

TEST_F(AddinSettings, StoredSettingsAndSensitivity) {
  const struct {
    std::optional<std::int32_t> settings, sensitivity;
    const char* document;
    int expectedSettings, expectedSensitivity;
  } cases[] = {
      {6, 0, "/elsewhere/", 0x800E, 7},  // bit 0x8000 clear: not valid
      {0x8006, std::nullopt, "/elsewhere/", 0x8006, 7},
      {0x8002, 3, "/elsewhere/", 0x8002, 3},
      // A document folder below the personal folder, whatever the case of its letters.
      {0x8002, 3, "/home/me/documents/bible/", 0x800A, 3},
  };
  for (const auto& c : cases) {
    testing_support::TestRegistry fresh;
    if (c.settings) User("Settings", *c.settings);
    if (c.sensitivity) User("Sensitivity", *c.sensitivity);
    User("Document", c.document);
    engine.ReadSettings();
    EXPECT_EQ(engine.Settings, c.expectedSettings) << c.document;
    EXPECT_EQ(engine.Sensitivity, c.expectedSensitivity) << c.document;
  }
}

// ---- the Strong's number of a word -------------------------------------------------

TEST(StrongsOfWord, TakesTheNumberTheReferenceByteSelectsWithinItsList) {
  const std::uint16_t list[] = {2, 7225, 430};
  const struct {
    std::uint16_t key;
    const std::uint16_t* list;
    std::optional<std::uint8_t> refByte;
    std::uint16_t strongs;
  } cases[] = {
      {5, list, 1, 7225}, {5, list, 2, 430},
      {5, list, 0, 0},        // none
      {5, list, 3, 0},        // beyond a list of two
      {5, nullptr, 1, 0},     // the key has no list
      {5, list, std::nullopt, 0},  // no reference file
      {0, list, 1, 0},        // no word
  };
  for (const auto& c : cases) {
    const std::uint8_t byte = c.refByte.value_or(0);
    EXPECT_EQ(StrongsOfWord(c.key, c.list, c.refByte ? &byte : nullptr), c.strongs);
  }
}

TEST(StrongsOfWord, AKeyBeyondTheTableHasNoNumber) {
  const std::uint16_t list[] = {1, 7225};
  const TStrongsEntry table[] = {{list, nullptr}};  // key 1 only
  const ixo::IxoWritten words[] = {{1, 0, 1}, {2, 0, 1}, {0x8000, 0, 1}};
  const engine::TBookInfoRec info{};
  const std::uint8_t references[] = {1, 1, 1};
  TWordCursor cursor;
  cursor.Text = engine::TWordCursor{words, words + 1, nullptr, nullptr, &info, words, words + 3};
  cursor.RefByte = references;
  cursor.StrongsTable = table;
  UpdateStrongs(cursor);
  EXPECT_EQ(cursor.Strongs, 7225);
  ASSERT_TRUE(NextWord(cursor));
  EXPECT_EQ(cursor.Strongs, 0);  // key 2: past the table's end
  ASSERT_TRUE(NextWord(cursor));
  EXPECT_EQ(cursor.Strongs, 0);  // key number 0 with case bits
}

// ---- loading the built data ----------------------------------------------------------------

class AddinEngineOnKjv : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!AddinInstallation::BuiltDataExists()) GTEST_SKIP() << "the add-in's data is not built";
    installation = std::make_unique<AddinInstallation>();
  }

  std::unique_ptr<AddinInstallation> installation;
  std::shared_ptr<platform::RecordingDialogService> dialogs = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogService{dialogs};
  TixoEngine engine;
};

TEST_F(AddinEngineOnKjv, LoadsTheBooksTheirNamesAndTheirWords) {
  ASSERT_TRUE(engine.Load());
  EXPECT_TRUE(dialogs->Shown().empty());
  EXPECT_EQ(engine.BookNames[1], "Genesis");
  EXPECT_EQ(engine.BookNames[66], "Revelation");
  EXPECT_EQ(engine.BookInfo[1].ChapterCount, 50);
  EXPECT_EQ(engine.BookInfo[19].ChapterCount, 150);
  EXPECT_EQ(engine.BookInfo[65].ChapterCount, 1);
  EXPECT_EQ(engine.BookInfo[2].WordBase, engine.BookInfo[1].WordCount);
  EXPECT_EQ(engine.FindBookByName("2Ki 3:4"), 12);
  EXPECT_EQ(engine.FindBookByName("phile 4"), 57);
  EXPECT_EQ(engine.FindBookByName("Rv"), 66);
  EXPECT_EQ(engine.FindBookByName("Nowhere"), 0);

  const std::uint16_t key = engine.WordKey("Beginning");
  ASSERT_NE(key, 0);
  EXPECT_EQ(engine.WordText(key), "beginning");
  EXPECT_EQ(engine.WordKey("nosuchword"), 0);
}

TEST_F(AddinEngineOnKjv, CursorsWalkTheWordsWithTheirStrongsNumbers) {
  ASSERT_TRUE(engine.Load());
  TWordCursor cursor;
  ASSERT_TRUE(engine.SeekVerse(1, 1, 1, cursor));  // In the beginning God created
  std::string words;
  for (int i = 0; i < 4; ++i, NextWord(cursor)) words += engine.DisplayText(*cursor.Text.Cur) + " ";
  EXPECT_EQ(words, "In the beginning God ");
  PrevWord(cursor);
  EXPECT_EQ(cursor.Strongs, 430);  // God
  PrevWord(cursor);
  EXPECT_EQ(cursor.Strongs, 7225);  // beginning

  ASSERT_TRUE(engine.SeekVerse(43, 1, 1, cursor));  // In the beginning was the Word
  while (engine.DisplayText(*cursor.Text.Cur) != "Word") ASSERT_TRUE(NextWord(cursor));
  EXPECT_EQ(cursor.Strongs, 3056);

  // A cursor placed deep in a book has the reference byte of its word.
  ASSERT_TRUE(engine.SeekVerse(1, 50, 26, cursor));  // So Joseph died
  ASSERT_TRUE(NextWord(cursor));
  EXPECT_EQ(engine.DisplayText(*cursor.Text.Cur), "Joseph");
  EXPECT_EQ(cursor.Strongs, 3130);
  EXPECT_EQ(cursor.RefByte - engine.BookReference[1], cursor.Text.Cur - engine.BookText[1]);
}

TEST_F(AddinEngineOnKjv, SeekVerseClampsChaptersAndVerses) {
  ASSERT_TRUE(engine.Load());
  TWordCursor cursor;
  ASSERT_TRUE(engine.SeekVerse(1, 99, 1, cursor));  // the last chapter's first word
  EXPECT_EQ(cursor.Text.Cur->verse, 1);
  EXPECT_GT(cursor.Text.Prev->verse, 1);
  EXPECT_EQ(engine.ChapterVerseCount(cursor.Text.Cur), 26);

  ASSERT_TRUE(engine.SeekVerse(1, 1, 999, cursor));  // the first word of Genesis 1:31
  EXPECT_EQ(cursor.Text.Cur->verse, 31);
  EXPECT_NE(cursor.Text.Prev->verse, 31);

  ASSERT_TRUE(engine.SeekVerse(66, 22, 1, cursor));
  EXPECT_EQ(engine.ChapterVerseCount(cursor.Text.Cur), 21);  // the book's last chapter
  EXPECT_FALSE(engine.SeekVerse(67, 1, 1, cursor));
}

TEST_F(AddinEngineOnKjv, MarksEnglishWordsAndStrongsNumbersOfTheirTestament) {
  ASSERT_TRUE(engine.Load());
  const std::uint32_t beginning = 3;  // the third word of the text
  engine.MarkWord(1, engine.WordKey("beginning"), 'E');
  engine.MarkWord(2, 7225, 'H');
  engine.MarkWord(3, 7225, 'G');  // a Hebrew number asked for in the Greek books
  engine.MarkWord(15, engine.WordKey("beginning"), 'E');
  EXPECT_EQ(engine.Marks.WordMarks[beginning], 0x0001 | 0x0002);
  EXPECT_EQ(engine.Marks.BookMarks[1], 0x0001 | 0x0002);
  EXPECT_EQ(engine.Marks.BookMarks[43], 0x0001);  // "In the beginning was the Word"

  engine.Marks.ClearCondition(1);
  EXPECT_EQ(engine.Marks.WordMarks[beginning], 0x0002);
  engine.Marks.ClearAllMarks();
  EXPECT_EQ(engine.Marks.WordMarks[beginning], 0);
  EXPECT_EQ(engine.Marks.BookMarks[1], 0);
}

// One damage done to a fresh installation.
struct Damage {
  const char* name;
  std::function<bool(AddinInstallation&)> apply;
};

// Runs check on a fresh engine over each damaged installation in turn.
void ForEachDamaged(std::span<const Damage> damages, const std::function<void(TixoEngine&)>& check) {
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.name);
    AddinInstallation damaged;
    ASSERT_TRUE(damage.apply(damaged));
    TixoEngine engine;
    check(engine);
  }
}

TEST_F(AddinEngineOnKjv, AMissingLibraryEntryOrFileLeavesTheEngineUnloaded) {
  const std::size_t bibleSize = testing_support::ReadFileBytes(AddinInstallation::BuiltDataFolder() +
                                                               "IxoBible.2005").size();
  const std::size_t referenceSize = testing_support::ReadFileBytes(AddinInstallation::BuiltDataFolder() +
                                                                   "IxoReference.2005").size();
  const Damage damages[] = {
      {"no engine library", [](AddinInstallation& i) { return i.RemoveFile("Ixo2005.kjv"); }},
      {"an entry point missing", [](AddinInstallation& i) { return i.UseLibrary(INCOMPLETE_ENGINE_LIBRARY); }},
      {"no text file", [](AddinInstallation& i) { return i.RemoveFile("IxoBible.2005"); }},
      {"an empty text file", [](AddinInstallation& i) { return i.CutFile("IxoBible.2005", 0); }},
      {"a text file cut in its first book", [](AddinInstallation& i) { return i.CutFile("IxoBible.2005", 1000); }},
      {"a text file without its last end record",
       [&](AddinInstallation& i) { return i.CutFile("IxoBible.2005", bibleSize - 4); }},
      {"a reference file one byte short",
       [&](AddinInstallation& i) { return i.CutFile("IxoReference.2005", referenceSize - 1); }},
  };
  ForEachDamaged(damages, [](TixoEngine& unloaded) {
    EXPECT_FALSE(unloaded.Load());
    EXPECT_FALSE(unloaded.Loaded);
    EXPECT_FALSE(unloaded.EngineLibrary.IsLoaded());
    EXPECT_EQ(unloaded.WordKey("God"), 0);
    EXPECT_EQ(unloaded.FindBookByName("Genesis"), 0);
  });
  // Nothing of the incomplete library was called.
  const platform::SharedLibrary incomplete = platform::SharedLibrary::Load(INCOMPLETE_ENGINE_LIBRARY);
  ASSERT_TRUE(incomplete.IsLoaded());
  EXPECT_EQ(incomplete.Bind<int()>("StubCalls")(), 0);
}

TEST_F(AddinEngineOnKjv, WithoutAReferenceFileTheTextLoadsAndNoWordHasAStrongsNumber) {
  const Damage damages[] = {
      {"no reference file", [](AddinInstallation& i) { return i.RemoveFile("IxoReference.2005"); }},
      {"an empty reference file", [](AddinInstallation& i) { return i.CutFile("IxoReference.2005", 0); }},
  };
  ForEachDamaged(damages, [](TixoEngine& loaded) {
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.FindBookByName("Genesis"), 1);

    TWordCursor cursor;
    ASSERT_TRUE(loaded.SeekVerse(1, 1, 1, cursor));  // In the beginning God created
    EXPECT_EQ(cursor.RefByte, nullptr);
    std::string words;
    for (int i = 0; i < 4; ++i, NextWord(cursor)) {
      words += loaded.DisplayText(*cursor.Text.Cur) + " ";
      EXPECT_EQ(cursor.Strongs, 0);
    }
    EXPECT_EQ(words, "In the beginning God ");
    ASSERT_TRUE(loaded.SeekVerse(66, 22, 21, cursor));
    EXPECT_EQ(cursor.Strongs, 0);

    // English words are still found; Strong's numbers find nothing.
    loaded.MarkWord(1, loaded.WordKey("beginning"), 'E');
    loaded.MarkWord(2, 7225, 'H');
    EXPECT_EQ(loaded.Marks.WordMarks[3], 0x0001);
    EXPECT_EQ(loaded.Marks.BookMarks[1], 0x0001);
  });
}

TEST_F(AddinEngineOnKjv, AWordCountMismatchIsReportedAndTheBookEndsAtItsLastWord) {
  // The fourth word of Genesis becomes a key-0 record: the book's walk ends before it.
  std::string bible = testing_support::ReadFileBytes(AddinInstallation::BuiltDataFolder() + "IxoBible.2005");
  bible[4 * 4] = bible[4 * 4 + 1] = '\0';
  ASSERT_TRUE(installation->RemoveFile("IxoBible.2005"));
  ASSERT_TRUE(testing_support::WriteFileBytes(installation->VersionDir() + "IxoBible.2005", bible));

  EXPECT_TRUE(engine.Load());
  ASSERT_EQ(dialogs->Shown().size(), 1u);
  EXPECT_TRUE(dialogs->Shown()[0].text.starts_with("WordCnt Error: (3 <> ")) << dialogs->Shown()[0].text;
  EXPECT_EQ(dialogs->Shown()[0].caption, "Ixo Bible Critial Error");
  TWordCursor cursor;
  ASSERT_TRUE(engine.BookCursor(1, cursor));
  EXPECT_TRUE(NextWord(cursor));
  EXPECT_TRUE(NextWord(cursor));
  EXPECT_FALSE(NextWord(cursor));
  EXPECT_TRUE(engine.BookCursor(2, cursor));  // the next book is where its header says
  EXPECT_EQ(engine.DisplayText(*cursor.Text.Cur), "Now");
}

}  // namespace
}  // namespace wordaddin
