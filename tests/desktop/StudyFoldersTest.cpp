// The names of the study and history folders: month folders, history
// captions and where a scan of a tree caption looks.

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "desktop/StudyFolders.h"

namespace desktop {
namespace {

TEST(MonthFolders, OnlyTheDatedPatternIsAMonth) {
  struct Case {
    const char* name;
    const char* digits;  // none: not a month
    const char* caption;
  };
  const Case cases[] = {
      {"01 (January)", "01", "January"},
      {"12 (December)", "12", "December"},
      {"19 (  Spaced )", "19", "Spaced "},  // leading blanks go, trailing ones stay
      {"00 ()", "00", ""},
      {"13x(June)", nullptr, nullptr},
      {"01_(January)", nullptr, nullptr},
      {"21 (March)", nullptr, nullptr},
      {"0a (March)", nullptr, nullptr},
      {"01 (March", nullptr, nullptr},
      {"01 March)", nullptr, nullptr},
      {"01 (", nullptr, nullptr},
      {"", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<MonthFolder> month = ParseMonthFolder(c.name);
    ASSERT_EQ(month.has_value(), c.digits != nullptr);
    if (!month) continue;
    EXPECT_EQ(month->Digits, c.digits);
    EXPECT_EQ(month->Caption, c.caption);
  }
}

TEST(MonthFolders, DigitsSurviveTheNodeDataAndOtherDataIsNoMonth) {
  for (const char* digits : {"00", "01", "09", "12", "19"}) {
    EXPECT_NE(MonthData(digits), 0) << digits;
    EXPECT_EQ(MonthDigits(MonthData(digits)), digits);
  }
  for (const std::intptr_t other : std::initializer_list<std::intptr_t>{0, 7, -1, 0x10000 + '0' + ('1' << 8)})
    EXPECT_FALSE(MonthDigits(other).has_value()) << other;
}

TEST(HistoryCaptions, DatedNamesReadAsTimesAndBack) {
  EXPECT_EQ(HistoryCaption("05@@(12.34.56)"), "05  [12:34:56]");
  EXPECT_EQ(HistoryFileNameOf("05  [12:34:56]"), "05@@(12.34.56)");
  for (const char* name : {"current", "05@@(12.34.5)", "05@@(12.34.567)", "05@@[12.34.56)", "05@@(12:34.56)"}) {
    EXPECT_EQ(HistoryCaption(name), name);
    EXPECT_EQ(HistoryFileNameOf(name), name);
  }
  // A caption only turns back when it has every mark of one.
  EXPECT_EQ(HistoryFileNameOf("05  [12.34:56]"), "05  [12.34:56]");
}

TEST(ScanFolders, StudiesFallsBackToStudyAndOtherNamesStay) {
  testing_support::TempFolder temp;
  const std::string base = temp.Path();
  EXPECT_EQ(ScanFolderPath(base, "Ixo Studies"), base + "Study");
  std::filesystem::create_directories(base + "Studies");
  EXPECT_EQ(ScanFolderPath(base, "Ixo Studies"), base + "Studies");
  EXPECT_EQ(ScanFolderPath(base, "History"), base + "History");
  EXPECT_EQ(ScanFolderPath(base, "Ixo"), base + "Ixo");  // the prefix needs its blank
  EXPECT_EQ(ScanFolderPath(base, "Families"), base + "Family");
}

}  // namespace
}  // namespace desktop
