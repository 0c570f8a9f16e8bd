// The temporary pages and the word summary page: the exact page of the words
// of a search condition or of a study, where it is written and shown, and
// names and text that must not reach a path or the markup as they are.

#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "DesktopFixture.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "desktop/WordSummaryPage.h"
#include "desktop/ixoMain.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
namespace fs = std::filesystem;
namespace node = ui::node;

// love is Hebrew 160 in Genesis and Greek 26 in John, where 26 is also charity.
constexpr char kStrongsText[] =
    "book 1\n"
    "1:1 And Jacob loved<157> Rachel.\n"
    "1:2 For love<160> is strong.\n"
    "book 43\n"
    "1:1 God<2316> so loved<25> the world<2889>.\n"
    "1:2 Love<26> is kind; love<26> is charity<26>.\n";

// The pieces of the page, as the page is made of them.
const std::string kTableHead = "<table border=\"0\" color=\"black\">";
const std::string kFirstRowStart = "<tr><td><b>";
const std::string kLaterRowStart = "<tr><td><b><br>";
const std::string kWordEnd = "</b></td><td><b><sp>";
const std::string kRuleRow = "<tr><td><hr></td><td><sp></td></tr>";
const std::string kRowEnd = "</b></td></tr>";
const std::string kGreekRow = "<tr><td><em>Greek:</em></td><td><b>";
const std::string kHebrewRow = "<tr><td><em>Hebrew:</em></td><td><b>";
const std::string kEnglishRow = "<tr><td><em>English:</em></td><td><b>";
const std::string kTableEnd = "</table>";

class SummaryPagesTest : public ::testing::Test {
 protected:
  SummaryPagesTest() : fixture(kStrongsText) {}
  void SetUp() override { fixture.Run(); }

  TIxoBibleMainForm& Form() { return fixture.Form(); }
  std::string TempPage(const std::string& name) const { return fixture.HtmlDir() + "Temp/" + name + ".html"; }
  std::string Picture() const {
    return "<img src=\"file://" + fixture.InstallDir() + "ixodesk/image/Search.gif\" border=\"0\" alt=\"Ixo Bible\">";
  }
  // The first row of a word: its picture, the word and a rule.
  std::string WordRow(bool first, const std::string& word) const {
    return (first ? kFirstRowStart : kLaterRowStart) + Picture() + "<sp>" + word + kWordEnd + kRuleRow;
  }
  // The rows of love: Greek 26, then Hebrew 160.
  std::string LoveRows() const {
    return kRowEnd + kGreekRow + "26" + kRowEnd + kRuleRow + kHebrewRow + "160";
  }
  // The rows of G26: its English words.
  std::string G26Rows() const { return kRowEnd + kEnglishRow + "charity, love"; }

  DesktopFixture fixture;
};

TEST(WordSummaryPicture, APageFindsThePictureOfAHomeFolderOfAnyName) {
  for (const char* home : {"/opt/Ixo #1/ixodesk/", "/opt/x%20y/ixodesk/", "/opt/why?/ixodesk/", "/opt/two words/"}) {
    const std::string page = desktop::WordSummaryPage({"love"}, home, desktop::WordSummaryVariant::Review);
    const std::size_t from = page.find("<img src=\"") + 10;
    ASSERT_NE(from, std::string::npos + 10) << page;
    const QUrl picture(QString::fromStdString(page.substr(from, page.find('"', from) - from)));
    EXPECT_EQ(picture.toLocalFile().toStdString(), std::string(home) + "image/Search.gif");
    EXPECT_FALSE(picture.hasFragment()) << home;
    EXPECT_FALSE(picture.hasQuery()) << home;
  }
}

TEST_F(SummaryPagesTest, ConditionNodeOfTheSearchPageShowsItsWordsRowsClosedOnceAtTheEnd) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  ui::TreeNode* condition = form.TreeSearch->Add(nullptr, "love,G26", node::kWordList);
  form.TreeSearch->Select(condition);

  const std::string expected = kTableHead + WordRow(true, "love") + LoveRows() + WordRow(false, "G26") + G26Rows() +
                               kRowEnd + kRuleRow + kTableEnd;
  EXPECT_EQ(testing_support::ReadFileBytes(TempPage("love,G26")), expected);
  EXPECT_EQ(fixture.BrowserOfPage(2).Address().toStdString(), TempPage("love,G26"));
}

TEST_F(SummaryPagesTest, StudyWordOfTheReviewPageClosesItsRowsAfterTheWord) {
  TIxoBibleMainForm& form = Form();
  form.ReviewMenu->trigger();
  ui::TreeNode* study = form.TreeHistory->Add(form.TreeHistory->FirstNode(), "a study", node::kStudy);
  struct Case {
    const char* word;
    const char* page;
    std::string expected;
  };
  const Case cases[] = {
      {"love", "love", kTableHead + WordRow(true, "love") + LoveRows() + kRowEnd + kRuleRow + kTableEnd},
      {"G26", "G26", kTableHead + WordRow(true, "G26") + G26Rows() + kRowEnd + kRuleRow + kTableEnd},
      // No equivalents: the word's rows close at once.
      {"Rachel", "Rachel", kTableHead + WordRow(true, "Rachel") + kRowEnd + kRuleRow + kTableEnd},
      // No words at all: an empty table, under a name that is still a name.
      {"", "_", kTableHead + kTableEnd},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    form.TreeHistory->Select(form.TreeHistory->Add(study, c.word, node::kWordList));
    EXPECT_EQ(testing_support::ReadFileBytes(TempPage(c.page)), c.expected);
    EXPECT_EQ(fixture.BrowserOfPage(3).Address().toStdString(), TempPage(c.page));
  }
}

TEST_F(SummaryPagesTest, NamesPageAddsTheSpanOfTheWordsParent) {
  TIxoBibleMainForm& form = Form();
  form.NamesMenu->trigger();
  ui::TreeNode* holder = form.TreeNames->Add(nullptr, "span", node::kSpan, 7);
  form.TreeNames->Select(form.TreeNames->Add(holder, "Rachel", node::kWordList));
  EXPECT_EQ(testing_support::ReadFileBytes(TempPage("Rachel")),
            kTableHead + WordRow(true, "Rachel") + kRowEnd + kRuleRow + kTableEnd +
                "<br><br>Search Sensitivity is 7");
  EXPECT_EQ(fixture.BrowserOfPage(4).Address().toStdString(), TempPage("Rachel"));
}

TEST_F(SummaryPagesTest, WordsReachTheMarkupEscapedAndTheFileNameAsOneSafeName) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  form.TreeSearch->Select(form.TreeSearch->Add(nullptr, "\"../<b>&x\"", node::kWordList));
  const std::string page = testing_support::ReadFileBytes(TempPage("____b__x"));
  EXPECT_NE(page.find("<sp>../&lt;b&gt;&amp;x</b>"), std::string::npos) << page;
  EXPECT_EQ(fixture.BrowserOfPage(2).Address().toStdString(), TempPage("____b__x"));
  EXPECT_FALSE(fs::exists(fixture.HtmlDir() + "b__x.html"));
}

// A condition of many words (a synonym list, or "Any Word" typed long) still
// gets its page, though the words would make too long a file name.
TEST_F(SummaryPagesTest, ConditionOfManyWordsIsShownUnderAShortenedName) {
  TIxoBibleMainForm& form = Form();
  form.Mode->SetActivePage(form.pageSearch);
  QStringList words;
  for (int i = 0; i < 40; ++i) words << QString("word%1abcdefgh").arg(i, 2, 10, QChar('0'));
  form.TreeSearch->Select(form.TreeSearch->Add(nullptr, words.join(','), node::kWordList));

  const std::string shown = fixture.BrowserOfPage(2).Address().toStdString();
  ASSERT_TRUE(shown.starts_with(fixture.HtmlDir() + "Temp/")) << shown;
  const std::string name = fs::path(shown).filename().string();
  EXPECT_LE(name.size(), 200u);
  EXPECT_TRUE(name.starts_with("word00abcdefgh,word01abcdefgh,")) << name;
  const std::string page = testing_support::ReadFileBytes(shown);
  EXPECT_NE(page.find("<sp>word39abcdefgh</b>"), std::string::npos);
  EXPECT_TRUE(page.ends_with(kTableEnd));
}

TEST_F(SummaryPagesTest, PageThatCannotBeWrittenLeavesTheBrowserAndTellsNothing) {
  TIxoBibleMainForm& form = Form();
  ui::Browser* browser = form.HtmlFound;
  fixture.BrowserOfPage(2).Clear();

  // Names that would leave the folder, or name no file, are refused.
  for (const char* name : {"", ".", "..", "../escaped", "a/b"})
    EXPECT_FALSE(form.WriteTempHtmlPage(name, browser, "x")) << name;
  EXPECT_FALSE(fs::exists(fixture.HtmlDir() + "escaped.html"));

  // A file where the folder should be: nothing can be written.
  fs::remove_all(fixture.HtmlDir() + "Temp");
  ASSERT_TRUE(testing_support::WriteFileBytes(fixture.HtmlDir() + "Temp", "in the way"));
  EXPECT_FALSE(form.WriteTempHtmlPage("page", browser, "x"));

  EXPECT_TRUE(fixture.BrowserOfPage(2).Addresses().isEmpty());
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());

  // Written again over an old page, whole.
  fs::remove(fixture.HtmlDir() + "Temp");
  ASSERT_TRUE(form.WriteTempHtmlPage("page", browser, "old and longer"));
  ASSERT_TRUE(form.WriteTempHtmlPage("page", browser, "new"));
  EXPECT_EQ(testing_support::ReadFileBytes(TempPage("page")), "new");
  EXPECT_EQ(fixture.BrowserOfPage(2).Addresses().size(), 2);
}

}  // namespace
}  // namespace desktop_testing
