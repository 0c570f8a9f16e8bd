#include "publish/ixoPublish.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "PublishFixture.h"
#include "TestFiles.h"
#include "core/IxoFormat.h"
#include "platform/Dialogs.h"
#include "publish/OutputFile.h"

namespace {

using Calls = std::vector<std::string>;

// Records every writer call; WriteText and WriteVerseNumber also count their
// bytes and write them to the output, as a publisher does.
class RecordingWriter final : public publish::TPublishWriter {
 public:
  using TPublishWriter::TPublishWriter;

  Calls calls;

  void WriteVerseNumber(std::string_view text) override {
    Record("WriteVerseNumber(" + std::string(text) + ")");
    WriteBytes(text);
  }
  void WriteDocumentHeader() override { Record("WriteDocumentHeader"); }
  void WriteChapterHeading(int chapter, int count) override { Record("WriteChapterHeading", chapter, count); }
  void EndChapter(int chapter, int count) override { Record("EndChapter", chapter, count); }
  void BeginBook(std::string_view name, int book, int count) override {
    Record("BeginBook(" + std::string(name) + "," + std::to_string(book) + "," + std::to_string(count) + ")");
  }
  void EndBook() override { Record("EndBook"); }
  void SetKeepTogether(bool on) override { Record("SetKeepTogether", on); }
  void SetFontSize(bool on, int code) override { Record("SetFontSize", on, code); }
  void SetJustification(int mode) override { Record("SetJustification", mode); }
  void SetItalic(bool on) override {
    Record("SetItalic", on);
    FItalicState = on;
  }
  void SetBold(bool on) override { Record("SetBold", on); }
  void SetColor(int index) override { Record("SetColor", index); }
  void SetSuperscript(bool on) override { Record("SetSuperscript", on); }
  void WriteText(std::string_view text, int spaceKind, bool italic) override {
    Record("WriteText(\"" + std::string(text) + "\"," + std::to_string(spaceKind) + "," +
           std::to_string(italic) + ")");
    WriteBytes(text);
  }
  int WriteHeaderFooter(publish::OutputFile*, std::string_view, int) override { return 0; }

  bool ItalicState() const { return FItalicState; }

 private:
  void Record(const std::string& call) { calls.push_back(call); }
  void Record(const char* name, int a) { calls.push_back(std::string(name) + "(" + std::to_string(a) + ")"); }
  void Record(const char* name, int a, int b) {
    calls.push_back(std::string(name) + "(" + std::to_string(a) + "," + std::to_string(b) + ")");
  }
};

struct Word {
  const char* text;  // with its trailing blank inside a verse
  bool italic = false;
};

// The calls of one verse: its number, its words (SpaceKind 1 for a word with
// a trailing blank, 0 for the last), the keep-together off after it.
Calls Verse(int number, std::initializer_list<Word> words) {
  Calls calls{"WriteVerseNumber(" + std::to_string(number) + ")"};
  for (const Word& word : words) {
    const std::string text = word.text;
    const int spaceKind = text.ends_with(' ') ? 1 : 0;
    calls.push_back("WriteText(\"" + text + "\"," + std::to_string(spaceKind) + "," +
                    std::to_string(word.italic) + ")");
  }
  calls.push_back("SetKeepTogether(0)");
  return calls;
}

const std::string BetweenVerses = "WriteText(\"  \",1,0)";

Calls Join(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class PublishChapterTest : public testing::Test {
 protected:
  publish_test::LoadedText text;
  std::shared_ptr<platform::RecordingDialogService> dialogs =
      std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogGuard{dialogs};
  RecordingWriter writer;
};

TEST_F(PublishChapterTest, FirstChapterOpensTheDocumentAndEndsTheChapter) {
  writer.PublishChapter(nullptr, 1, 1);
  const Calls expected = Join({
      {"BeginBook(Genesis,1,3)", "WriteDocumentHeader", "SetItalic(0)", "SetKeepTogether(1)",
       "WriteChapterHeading(1,3)"},
      Verse(1, {{"In "}, {"the "}, {"beginning "}, {"God "}, {"created "}, {"the "}, {"heaven "}, {"and "},
                {"the "}, {"earth."}}),
      {BetweenVerses},
      Verse(2, {{"And "}, {"the "}, {"earth "}, {"was ", true}, {"without "}, {"form, "}, {"and "}, {"void; "},
                {"and "}, {"darkness "}, {"was ", true}, {"upon "}, {"the "}, {"deep:"}}),
      {BetweenVerses},
      Verse(3, {{"And "}, {"God "}, {"saw "}, {"the "}, {"light, "}, {"that "}, {"it ", true}, {"was ", true},
                {"good!"}}),
      {BetweenVerses},
      Verse(4, {{"Who "}, {"is "}, {"the "}, {"LORD--; "}, {"(for "}, {"his "}, {"servant's.) "}, {"Moses' "},
                {"God?"}}),
      {BetweenVerses},
      Verse(5, {{"Call "}, {"his "}, {"name "}, {"Maher-shalal-hash-baz."}}),
      {BetweenVerses},
      Verse(6, {{"Amen."}}),
      {"EndChapter(1,3)"},
  });
  EXPECT_EQ(writer.calls, expected);
  EXPECT_TRUE(dialogs->Shown().empty());
}

TEST_F(PublishChapterTest, MiddleChapterHasNoDocumentHeader) {
  writer.PublishChapter(nullptr, 1, 2);
  EXPECT_EQ(writer.calls, Join({
      {"BeginBook(Genesis,1,3)", "SetItalic(0)", "SetKeepTogether(1)", "WriteChapterHeading(2,3)"},
      Verse(1, {{"Thus "}, {"the "}, {"heavens."}}),
      {BetweenVerses},
      Verse(2, {{"And "}, {"God "}, {"ended."}}),
      {"EndChapter(2,3)"},
  }));
}

TEST_F(PublishChapterTest, LastChapterEndsTheBookAtItsLastWord) {
  // The separator after the book's last word reads like a word of the same
  // verse inside a parenthesis; it neither continues the verse nor the run.
  writer.PublishChapter(nullptr, 1, 3);
  EXPECT_EQ(writer.calls, Join({
      {"BeginBook(Genesis,1,3)", "SetItalic(0)", "SetKeepTogether(1)", "WriteChapterHeading(3,3)"},
      Verse(1, {{"(Amen.)"}}),
      {"EndBook"},
  }));
}

TEST_F(PublishChapterTest, OptionFlagsChangeHeaderAndKeepTogether) {
  publish::PublishOptions options;
  options.headerEachChapter = true;
  options.wordCompatible = true;
  RecordingWriter flagged(options);
  flagged.PublishChapter(nullptr, 1, 2);
  EXPECT_EQ(Calls(flagged.calls.begin(), flagged.calls.begin() + 4),
            (Calls{"BeginBook(Genesis,1,3)", "WriteDocumentHeader", "SetItalic(0)", "WriteChapterHeading(2,3)"}));
  for (const std::string& call : flagged.calls) EXPECT_FALSE(call.starts_with("SetKeepTogether")) << call;
}

// A chapter written as a document of its own needs the header of a document.
TEST_F(PublishChapterTest, EveryChapterOfOneDocumentPerChapterGetsTheHeader) {
  publish::PublishOptions options;
  options.allInOne = false;
  RecordingWriter perChapter(options);
  perChapter.PublishChapter(nullptr, 1, 2);
  EXPECT_EQ(Calls(perChapter.calls.begin(), perChapter.calls.begin() + 5),
            (Calls{"BeginBook(Genesis,1,3)", "WriteDocumentHeader", "SetItalic(0)", "SetKeepTogether(1)",
                   "WriteChapterHeading(2,3)"}));
}

TEST_F(PublishChapterTest, WhatIsNotInTheTextIsWarnedAbout) {
  struct Case {
    int book, chapter;
    Calls calls;
    const char* warning;
  };
  const Case cases[] = {
      {0, 1, {}, "\"0\" is not contained in the bible"},
      {67, 1, {}, "\"67\" is not contained in the bible"},
      {1, 4, {"BeginBook(Genesis,1,3)"}, "The specified chapter is not contained in the book"},
      {1, 0, {"BeginBook(Genesis,1,3)"}, "The specified chapter is not contained in the book"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.book) + ":" + std::to_string(c.chapter));
    writer.calls.clear();
    dialogs->Clear();
    EXPECT_EQ(writer.PublishChapter(nullptr, c.book, c.chapter), 0);
    EXPECT_EQ(writer.calls, c.calls);
    ASSERT_EQ(dialogs->Shown().size(), 1u);
    EXPECT_EQ(dialogs->Shown()[0].text, c.warning);
    EXPECT_EQ(dialogs->Shown()[0].type, platform::DialogType::Warning);
  }
}

TEST_F(PublishChapterTest, WritesToTheOutputAndResetsTheStateAfterwards) {
  publish_test::MemoryFile output;
  writer.SetItalic(true);
  const int bytes = writer.PublishChapter(&output, 1, 2);
  EXPECT_EQ(output.bytes, "1Thus the heavens.  2And God ended.");
  EXPECT_EQ(bytes, static_cast<int>(output.bytes.size()));
  EXPECT_FALSE(writer.ItalicState());
}

TEST_F(PublishChapterTest, AFailedWriteEndsTheChapter) {
  publish_test::MemoryFile output(10);  // the first verse does not fit
  writer.PublishChapter(&output, 1, 2);
  EXPECT_TRUE(output.Failed());
  EXPECT_EQ(writer.calls.back(), "SetKeepTogether(0)");  // after verse 1: no verse 2, no EndChapter
  EXPECT_EQ(std::count(writer.calls.begin(), writer.calls.end(), "WriteVerseNumber(2)"), 0);
}

TEST(PublishChapterOfAnIllegalKey, AWordWithoutDisplayTextKeepsItsPunctuation) {
  // "Moses'" of verse 4 with a key that names no word: nothing to end in s.
  const publish_test::LoadedText text(
      [](const std::string& edition) { publish_test::GiveWordAnIllegalKey(edition, ixo::FlagPossessive); });
  RecordingWriter writer;
  writer.PublishChapter(nullptr, 1, 1);
  const auto servant = std::find(writer.calls.begin(), writer.calls.end(), "WriteText(\"servant's.) \",1,0)");
  ASSERT_NE(servant, writer.calls.end());
  EXPECT_EQ(*(servant + 1), "WriteText(\"'s \",1,0)");
  EXPECT_EQ(*(servant + 2), "WriteText(\"God?\",0,0)");
}

}  // namespace
