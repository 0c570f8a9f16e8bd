#include "publish/ixoText.h"

#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "WritersFixture.h"

namespace {

using publish::PublishOptions;
using publish::TprintText;
using LineStyle = PublishOptions::LineStyle;
using writers_test::FirstSamuel;
using writers_test::Genesis;
using writers_test::WritersText;

PublishOptions TextOptions(const WritersText& text, LineStyle style) {
  PublishOptions options = text.OptionsIntoOutput();
  options.lineStyle = style;
  return options;
}

TprintText TextWriter(const WritersText& text, LineStyle style) { return TprintText(TextOptions(text, style)); }

struct StyleCase {
  const char* name;
  LineStyle style;
  std::string chapter1;
  std::string chapter2;
};

TEST(BookText, EveryChapterInItsFileInEachLineStyle) {
  const StyleCase cases[] = {
      {"numeric", LineStyle::Numeric,
       "01001001In the beginning God created the heaven.\n"
       "01001002And the earth [was] without form, (the LORD's) deep.\n",
       "01002001Call his name Maher-shalal-hash-baz now.\n"
       "01002002Amen.\n"},
      {"alpha", LineStyle::Alpha,
       "Genesis 001:1 In the beginning God created the heaven.\n"
       "Genesis 001:2 And the earth [was] without form, (the LORD's) deep.\n",
       "Genesis 002:1 Call his name Maher-shalal-hash-baz now.\n"
       "Genesis 002:2 Amen.\n"},
      {"verses only", LineStyle::VerseOnly,
       "Genesis 001\r\n"
       "001 In the beginning God created the heaven.\n"
       "002 And the earth [was] without form, (the LORD's) deep.\n",
       "Genesis 002\r\n"
       "001 Call his name Maher-shalal-hash-baz now.\n"
       "002 Amen.\n"},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.name);
    WritersText text;
    EXPECT_TRUE(TextWriter(text, c.style).WriteBookText(text.Book(Genesis)));
    EXPECT_EQ(text.Read("01~001.txt"), c.chapter1);
    EXPECT_EQ(text.Read("01~002.txt"), c.chapter2);
    EXPECT_FALSE(text.Exists("01~003.txt"));
    EXPECT_TRUE(text.Dialogs().Shown().empty());
  }
}

TEST(BookText, OptionsForItalicsAndStrongsNumbers) {
  WritersText text;
  PublishOptions options = TextOptions(text, LineStyle::Numeric);
  options.showItalicizedWords = false;
  options.printStrongsInfo = true;
  const TprintText writer(options);
  EXPECT_TRUE(writer.WriteChapterText(text.Book(Genesis), 1));
  EXPECT_EQ(text.Read("01~001.txt"),
            "01001001In the beginning<H7225> God<H430> created<H1254><H853> the heaven<H8064>.\n"
            "01001002And the earth<H776> was without form<H8414>, (the LORD<H3068>'s) deep.\n");
}

TEST(BookText, BookNumberOfTwoDigitsAndItsFullName) {
  WritersText text;
  EXPECT_TRUE(TextWriter(text, LineStyle::VerseOnly).WriteBookText(text.Book(FirstSamuel)));
  EXPECT_EQ(text.Read("09~001.txt"), "1 Samuel 001\r\n001 Now there was a man.\n");
}

TEST(BookText, BookPastTheLastIsReportedAndWritesNothing) {
  WritersText text;
  engine::TBookInfoRec past = text.Book(66);
  past.Ordinal = 66;
  EXPECT_FALSE(TextWriter(text, LineStyle::VerseOnly).WriteBookText(past));
  ASSERT_EQ(text.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(text.Dialogs().Shown()[0].text, "Book #67 is not contained in the bible");
  EXPECT_EQ(text.Dialogs().Shown()[0].type, platform::DialogType::Warning);
}

TEST(BookText, ChapterBeyondTheBookHoldsOnlyItsHeading) {
  WritersText text;
  EXPECT_TRUE(TextWriter(text, LineStyle::VerseOnly).WriteChapterText(text.Book(Genesis), 3));
  EXPECT_EQ(text.Read("01~003.txt"), "Genesis 003\r\n");
  ASSERT_EQ(text.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(text.Dialogs().Shown()[0].text, "The specified chapter is not contained in the book");
}

TEST(BookText, FileThatCannotBeWrittenIsReportedAndEndsTheBook) {
  WritersText text;
  publish_test::ShortWriteFiles files("01~001.txt");
  PublishOptions options = TextOptions(text, LineStyle::VerseOnly);
  options.sink = &files;
  const TprintText writer(options);
  EXPECT_FALSE(writer.WriteBookText(text.Book(Genesis)));
  EXPECT_EQ(files.created, 1);
  EXPECT_FALSE(text.Exists("01~001.txt"));
  EXPECT_FALSE(text.Exists("01~002.txt"));
  ASSERT_EQ(text.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(text.Dialogs().Shown()[0].text, "Could not open or write to: '" + text.OutputFile("01~001.txt") + "'");
  EXPECT_EQ(text.Dialogs().Shown()[0].type, platform::DialogType::Error);
}

}  // namespace
