// The Names page: the letters, the names and entries read from "names.tree"
// on expansion, the search of a name under its "Review Study" node, what a
// selection shows, and the rename that is not offered.

#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <fstream>

#include "DesktopFixture.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "core/IxoFormat.h"
#include "desktop/BookTree.h"
#include "desktop/ChapterPagesMarker.h"
#include "desktop/InterfaceFormLink.h"
#include "desktop/ixoMain.h"
#include "engine/ixoutils.h"
#include "platform/Paths.h"
#include "search/ixoSearch.h"
#include "ui/NodeKind.h"
#include "ui/PageControl.h"
#include "ui/TreeView.h"

namespace desktop_testing {
namespace {

using desktop::TIxoBibleMainForm;
namespace node = ui::node;
namespace fs = std::filesystem;

// Abraham in Genesis 1:1 (twice), 2:1 and John 1:1; no Adam.
constexpr char kText[] =
    "book 1\n"
    "1:1 Abraham<85> begat Isaac<3327>, and Abraham<85> blessed him.\n"
    "1:2 And the word was spoken.\n"
    "2:1 Then Abraham<85> went.\n"
    "2:2 And the word was spoken.\n"
    "book 43\n"
    "1:1 Before Abraham<11> was, I am.\n"
    "1:2 And the word was spoken.\n";

constexpr char kNamesTree[] =
    "[A]\n"
    "1=Abraham\n"
    "2=Aaron the priest\n"  // a blank splits a letter's line: no name
    "3=Aaron=Moses\n"       // three parts: no name
    "a line without a key\n"
    "4=Adam\n"
    "[W]\n"
    "1=Wanda\n"
    "[Abraham]\n"
    "1=H85: father of a multitude\n"  // blanks stay in a name's line
    "a line without a key\n"
    "2=Occurs 4 times in 3 verses\n"
    "3=two = parts\n"  // three parts: no entry
    "4=First: Genesis 1:1\n"
    "[Aaron the priest]\n"
    "1=never listed\n";

QStringList Captions(const ui::TreeNode* parent) {
  QStringList captions;
  for (int i = 0; parent && i < parent->Count(); ++i) captions << parent->Child(i)->Text();
  return captions;
}

ui::TreeNode* ChildNamed(const ui::TreeNode* parent, const QString& caption) {
  for (int i = 0; parent && i < parent->Count(); ++i)
    if (parent->Child(i)->Text() == caption) return parent->Child(i);
  return nullptr;
}

void WriteFile(const std::string& path, std::string_view text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class NamesPageTest : public ::testing::Test {
 protected:
  NamesPageTest() : fixture(kText) {}

  // Starts the program with the fixture's names, or without "names.tree". The
  // Bible page stays active (the Names page, once shown, would select and so
  // expand its first letter).
  void Start(DesktopFixture::SearchForm searchForm, bool withNames = true) {
    if (withNames) WriteFile(fixture.InstallDir() + "ixodesk/names.tree", kNamesTree);
    fixture.Run(searchForm);
  }

  TIxoBibleMainForm& Form() { return fixture.Form(); }
  ui::TreeView& Tree() { return *Form().TreeNames; }
  ui::TreeNode* Letter(char letter) { return Tree().FindByCaption(QString(QChar(letter)), Qt::CaseSensitive); }
  // Expands the letter, then the name under it.
  ui::TreeNode* ExpandName(const QString& name) {
    ui::TreeNode* letter = Letter(name.front().toLatin1());
    Tree().Expand(letter);
    ui::TreeNode* found = ChildNamed(letter, name);
    if (found) Tree().Expand(found);
    return found;
  }

  DesktopFixture fixture;
};

TEST_F(NamesPageTest, LettersWithPlaceholdersButWXY) {
  Start(DesktopFixture::SearchForm::Recorder);
  ASSERT_EQ(Tree().FirstNode()->Text(), "A");
  int letters = 0;
  for (const ui::TreeNode* letter = Tree().FirstNode(); letter; letter = letter->NextSibling(), ++letters) {
    const bool expandable = !QString("WXY").contains(letter->Text());
    EXPECT_EQ(letter->ImageIndex(), node::kFolder);
    EXPECT_EQ(Captions(letter), expandable ? QStringList{"@"} : QStringList{}) << letter->Text().toStdString();
  }
  EXPECT_EQ(letters, 26);
  // W has a section in the file, but no placeholder: it never expands.
  EXPECT_FALSE(Tree().Expand(Letter('W')));
  EXPECT_FALSE(Letter('W')->HasChildren());
}

TEST_F(NamesPageTest, LetterListsOneNamePerWholeValueEachWithItsPlaceholder) {
  Start(DesktopFixture::SearchForm::Recorder);
  ui::TreeNode* a = Letter('A');
  EXPECT_TRUE(Tree().Expand(a));
  EXPECT_EQ(Captions(a), (QStringList{"Abraham", "Adam"}));
  for (const ui::TreeNode* name : {a->Child(0), a->Child(1)}) {
    EXPECT_EQ(name->ImageIndex(), node::kName);
    EXPECT_EQ(name->SelectedIndex(), node::kName);
    EXPECT_EQ(Captions(name), QStringList{"="});
  }

  // A letter without a section loses its placeholder and stays empty.
  ui::TreeNode* b = Letter('B');
  EXPECT_FALSE(Tree().Expand(b));
  EXPECT_FALSE(b->HasChildren());
}

TEST_F(NamesPageTest, NameListsItsEntriesThenReviewStudy) {
  Start(DesktopFixture::SearchForm::Recorder);
  ui::TreeNode* abraham = ExpandName("Abraham");
  ASSERT_NE(abraham, nullptr);
  EXPECT_EQ(Captions(abraham), (QStringList{"H85: father of a multitude", "Occurs 4 times in 3 verses",
                                            "First: Genesis 1:1", "Review Study"}));
  EXPECT_EQ(abraham->Child(0)->ImageIndex(), node::kNameEntry);
  const ui::TreeNode* study = abraham->LastChild();
  EXPECT_EQ(study->ImageIndex(), node::kWordList);
  EXPECT_EQ(study->SelectedIndex(), node::kWordList);
  EXPECT_EQ(Captions(study), QStringList{"?"});

  // A name without a section has its "Review Study" all the same.
  EXPECT_EQ(Captions(ExpandName("Adam")), QStringList{"Review Study"});
}

TEST_F(NamesPageTest, EveryLevelIsFilledOnceAndTheHandlerIsBackAfterEachExpansion) {
  Start(DesktopFixture::SearchForm::Recorder);
  ui::TreeNode* a = Letter('A');
  ui::TreeNode* abraham = ExpandName("Abraham");
  ASSERT_TRUE(Tree().OnExpanding);
  for (ui::TreeNode* expanded : {abraham, a}) Tree().Collapse(expanded);
  for (ui::TreeNode* expanded : {a, abraham}) EXPECT_TRUE(Tree().Expand(expanded));
  EXPECT_EQ(Captions(a), (QStringList{"Abraham", "Adam"}));
  EXPECT_EQ(Captions(abraham).size(), 4);
  EXPECT_TRUE(Tree().OnExpanding);
}

// A name or an entry of one character looks like a placeholder by its
// caption; expanding its letter or name again must not fill it once more
// (which would drop the entries and search the letter).
TEST_F(NamesPageTest, NamesAndEntriesOfOneCharacterAreNoPlaceholders) {
  WriteFile(fixture.InstallDir() + "ixodesk/names.tree", "[B]\n1=?\n2=Bo\n[Bo]\n1=?\n2=@\n");
  Start(DesktopFixture::SearchForm::Recorder, false);
  ui::TreeNode* b = Letter('B');
  ASSERT_TRUE(Tree().Expand(b));
  ASSERT_EQ(Captions(b), (QStringList{"?", "Bo"}));
  ui::TreeNode* bo = b->Child(1);
  ASSERT_TRUE(Tree().Expand(bo));
  ASSERT_EQ(Captions(bo), (QStringList{"?", "@", "Review Study"}));

  fixture.Search().ClearLog();
  for (ui::TreeNode* expanded : {bo, b}) Tree().Collapse(expanded);
  for (ui::TreeNode* expanded : {b, bo}) EXPECT_TRUE(Tree().Expand(expanded));
  EXPECT_EQ(Captions(b), (QStringList{"?", "Bo"}));
  EXPECT_EQ(Captions(bo), (QStringList{"?", "@", "Review Study"}));
  EXPECT_TRUE(fixture.Search().Log().isEmpty());
}

TEST_F(NamesPageTest, WithoutNamesTreeTheLettersExpandToNothing) {
  Start(DesktopFixture::SearchForm::Recorder, false);
  EXPECT_FALSE(Tree().Expand(Letter('A')));
  EXPECT_FALSE(Letter('A')->HasChildren());
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(NamesPageTest, ReviewStudySearchesTheNameAloneOnceUnderItself) {
  Start(DesktopFixture::SearchForm::Recorder);
  RecordingSearchForm& search = fixture.Search();
  search.SetResultTree(Form().TreeSearch);
  search.OnBuildResultTree = [](ui::TreeView& tree, ui::TreeNode* parent) { tree.Add(parent, "Genesis", node::kBook); };
  ui::TreeNode* study = ExpandName("Abraham")->LastChild();
  search.ClearLog();

  EXPECT_TRUE(Tree().Expand(study));
  EXPECT_EQ(search.Log(), (QStringList{"ResetFromCode", "ShowConditionPage 1", "AddSearchWord Abraham 1",
                                       "BuildResultTree Review Study mask 1 span 1"}));
  EXPECT_EQ(search.ResultTree(), nullptr);  // the Search page no longer mirrors
  EXPECT_EQ(Captions(study), QStringList{"Genesis"});
  EXPECT_EQ(study->SelectedIndex(), node::kResultRoot);
  EXPECT_EQ(study->ImageIndex(), node::kWordList);

  Tree().Collapse(study);
  search.ClearLog();
  EXPECT_TRUE(Tree().Expand(study));
  EXPECT_TRUE(search.Log().isEmpty());
  EXPECT_EQ(Captions(study), QStringList{"Genesis"});
}

TEST_F(NamesPageTest, ReviewStudyListsTheBooksChaptersAndVersesOfTheNameAndMarksItInThePages) {
  Start(DesktopFixture::SearchForm::Program);
  search::TInterfaceForm& searchForm = static_cast<desktop::InterfaceFormLink*>(fixture.Program().InterfaceForm())->Form();
  ui::TreeNode* searchPageNode = Form().TreeSearch->Add(nullptr, "References", node::kResultRoot);
  ui::TreeNode* study = ExpandName("Abraham")->LastChild();

  ASSERT_TRUE(Tree().Expand(study));
  ASSERT_EQ(Captions(study), (QStringList{"Genesis", "John"}));
  const ui::TreeNode* genesis = study->Child(0);
  EXPECT_EQ(genesis->ImageIndex(), node::kBook);
  EXPECT_EQ(Captions(genesis), (QStringList{"Chapter 1", "Chapter 2"}));
  EXPECT_EQ(genesis->Child(0)->ImageIndex(), node::kChapter);
  EXPECT_EQ(Captions(genesis->Child(0)), QStringList{"1"});  // once, though twice in the verse
  EXPECT_EQ(genesis->Child(0)->Child(0)->ImageIndex(), node::kVerse);
  EXPECT_EQ(Captions(study->Child(1)->Child(0)), QStringList{"1"});

  // The search form holds the name in condition 1 and shows its page.
  EXPECT_EQ(searchForm.TabStudies->ActivePageIndex(), 1);
  EXPECT_EQ(searchForm.Conditions[1].WordList.Items(), std::vector<std::string>{"abraham"});
  // The Search page is not touched.
  EXPECT_EQ(Form().TreeSearch->FirstNode(), searchPageNode);
  EXPECT_EQ(Form().TreeSearch->NodeCount(), 1);

  const std::string sheet = testing_support::ReadFileBytes(fixture.HtmlDir() + "style/ixo.css");
  const platform::TStringList tags = engine::LemmaTagsForWord("Abraham");
  ASSERT_EQ(tags.Count(), 2u);  // Hebrew 85 and Greek 11
  for (const std::string& tag : tags)
    EXPECT_NE(sheet.find("." + tag + "\r\n{\nfont-weight:bold;\ncolor:blue\n}\n"), std::string::npos) << tag;
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

TEST_F(NamesPageTest, NameTheTextDoesNotHoldIsReportedAndFindsNothing) {
  Start(DesktopFixture::SearchForm::Program);
  ui::TreeNode* study = ExpandName("Adam")->LastChild();
  EXPECT_FALSE(Tree().Expand(study));
  EXPECT_FALSE(study->HasChildren());
  ASSERT_EQ(fixture.Dialogs().Shown().size(), 1u);
  EXPECT_EQ(fixture.Dialogs().Shown()[0].text, "Word not found in Bible text.");
  EXPECT_EQ(fixture.Dialogs().Shown()[0].type, platform::DialogType::Information);
}

TEST_F(NamesPageTest, SelectionShowsResultsOnlyAndSelectingReviewStudySearches) {
  Start(DesktopFixture::SearchForm::Program);
  Form().NamesMenu->trigger();
  ui::RecordingBrowser& names = fixture.BrowserOfPage(4);
  ui::TreeNode* abraham = ExpandName("Abraham");
  const qsizetype shown = names.Addresses().size();
  for (ui::TreeNode* quiet : {Letter('A'), abraham, abraham->Child(0)}) {
    Tree().Select(quiet);
    EXPECT_EQ(names.Addresses().size(), shown) << quiet->Text().toStdString();
  }

  // Selecting "Review Study" expands it, which searches; the browser stays.
  ui::TreeNode* study = abraham->LastChild();
  Tree().Select(study);
  EXPECT_EQ(names.Addresses().size(), shown);
  EXPECT_EQ(Form().windowTitle(), " Ixo Bible - Proper Names");
  ASSERT_EQ(Captions(study), (QStringList{"Genesis", "John"}));

  Tree().Select(study->Child(0)->Child(1)->Child(0));  // Genesis 2:1
  EXPECT_EQ(names.Address().toStdString(), desktop::ChapterPageAddress(fixture.HtmlDir(), 1, 2, 1));
  Tree().Select(study->Child(1));  // John
  EXPECT_EQ(names.Address().toStdString(), desktop::ChapterPageAddress(fixture.HtmlDir(), 43, 1, 1));
}

TEST_F(NamesPageTest, RenamingIsNotOffered) {
  Start(DesktopFixture::SearchForm::Recorder);
  EXPECT_EQ(Tree().editTriggers(), QAbstractItemView::NoEditTriggers);
  ui::TreeNode* abraham = ExpandName("Abraham");
  bool allowEdit = true;
  Form().TreeNamesEditing(&Tree(), abraham, allowEdit);
  EXPECT_TRUE(allowEdit);
  // The captions would name "A/Abraham" from the root of the drive; nothing
  // is moved and the caption comes back.
  QString caption = "../../etc/passwd";
  Form().TreeNamesEdited(&Tree(), abraham, caption);
  EXPECT_EQ(caption, "Abraham");
  EXPECT_EQ(abraham->Text(), "Abraham");
}

// The index the build wrote, on the built text: a name's search finds it
// first where the index says.
TEST(KjvNamesPage, AbrahamIsFirstFoundWhereTheIndexSays) {
  if (!platform::FileExists(std::string(IXO_BUILT_EDITION) + ixo::TextFileName) ||
      !platform::FileExists(IXO_BUILT_NAMES_TREE))
    GTEST_SKIP() << "no built edition or names index";
  DesktopFixture fixture(DesktopFixture::BuiltEdition{IXO_BUILT_EDITION});
  fs::create_directories(fixture.InstallDir() + "ixodesk");
  fs::copy_file(IXO_BUILT_NAMES_TREE, fixture.InstallDir() + "ixodesk/names.tree");
  // The search needs no chapter pages: the first start is told they are there.
  fs::create_directories(fixture.HtmlDir() + "Bible");
  ASSERT_TRUE(desktop::MarkChapterPagesWritten(fixture.HtmlDir()));
  fixture.Run(DesktopFixture::SearchForm::Program);

  ui::TreeView& tree = *fixture.Form().TreeNames;
  ui::TreeNode* a = tree.FindByCaption("A", Qt::CaseSensitive);
  ASSERT_TRUE(tree.Expand(a));
  ui::TreeNode* abraham = ChildNamed(a, "Abraham");
  ASSERT_NE(abraham, nullptr);
  ASSERT_TRUE(tree.Expand(abraham));
  EXPECT_TRUE(Captions(abraham).contains("First: Genesis 17:5"));
  ui::TreeNode* study = abraham->LastChild();
  ASSERT_TRUE(tree.Expand(study));
  const ui::TreeNode* book = study->FirstChild();
  ASSERT_NE(book, nullptr);
  EXPECT_EQ(book->Text(), "Genesis");
  EXPECT_EQ(book->FirstChild()->Text(), "Chapter 17");
  EXPECT_EQ(book->FirstChild()->FirstChild()->Text(), "5");
  EXPECT_TRUE(fixture.Dialogs().Shown().empty());
}

}  // namespace
}  // namespace desktop_testing
