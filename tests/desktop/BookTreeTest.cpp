#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "desktop/BookTree.h"

namespace desktop {
namespace {

TEST(BookTree, NumberedBooksGetTheirDigitAndTwoBlanks) {
  struct Case {
    const char* name;
    const char* caption;
  };
  for (const Case& c : {Case{"1 Kings", "1  Kings"}, Case{"2 Chronicles", "2  Chronicles"},
                        Case{"3 John", "3  John"}, Case{"Genesis", "Genesis"},
                        Case{"Song of Solomon", "Song of Solomon"}, Case{"", ""}}) {
    EXPECT_EQ(BookCaption(c.name), c.caption) << c.name;
  }
}

TEST(BookTree, LabelSpellsTheBookNumberInNumerals) {
  struct Case {
    const char* shortName;
    const char* label;
  };
  for (const Case& c : {Case{"2  Kings 3", "II  Kings 3"}, Case{"1  John 3:16", "I  John 3:16"},
                        Case{"3  John 1", "III  John 1"}, Case{"1 Samuel 2", "I Samuel 2"},
                        Case{"Genesis 3", "Genesis 3"}, Case{"Ixo Bible 2011", "Ixo Bible 2011"},
                        Case{"Ixo Bible Help", "Ixo Bible Help"}, Case{"1", "I "}, Case{"", ""}}) {
    EXPECT_EQ(BookLabel(c.shortName), c.label) << c.shortName;
  }
}

TEST(BookTree, ChapterPageAddressIsAFileAddressWithTheVerseAnchor) {
  EXPECT_EQ(ChapterPageAddress("/home/u/html/", 45, 3, 16), "file:///home/u/html/Bible/45/3.html#v16");
  EXPECT_EQ(ChapterPageAddress("/h/", 1, 1, 1), "file:///h/Bible/1/1.html#v1");
}

TEST(BookTree, OnlyNumbersCountAsChaptersAndVerses) {
  struct Case {
    const char* caption;
    int chapter;
    int verse;
  };
  for (const Case& c : {Case{"Chapter 1", 1, 0}, Case{"Chapter 150", 150, 0}, Case{"16", 0, 16},
                        Case{"Chapter ", 0, 0}, Case{"Chapter x", 0, 0}, Case{"Chapter -2", 0, 0},
                        Case{"Chapter 3/../4", 0, 0}, Case{"chapter 3", 0, 0}, Case{"0", 0, 0},
                        Case{"1.5", 0, 0}, Case{"", 0, 0}, Case{"99999999999", 0, 0}}) {
    EXPECT_EQ(ChapterNumberOf(c.caption), c.chapter) << c.caption;
    EXPECT_EQ(VerseNumberOf(c.caption), c.verse) << c.caption;
  }
}

}  // namespace
}  // namespace desktop
