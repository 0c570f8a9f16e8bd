// The host program run headless on the add-in library, as a user of the
// command line would run it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/AddinInstallation.h"
#include "support/TempFolder.h"

namespace {

struct HostRun {
  int status = -1;
  std::string output;
  std::string errors;
};

std::string BuildBin() {
  const char* bin = std::getenv("IXO_BUILD_BIN");
  return bin ? std::string(bin) + "/" : std::string();
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class HeadlessHost : public ::testing::Test {
 protected:
  testing_support::TempFolder folder;

  // Runs wordhost --headless with the arguments, on the add-in built beside it,
  // with settings in the registry folder (by default an empty one, and then the
  // add-in finds the data built beside the host).
  HostRun Host(const std::vector<std::string>& arguments, const std::string& registry = {}) {
    return HostIn({}, arguments, registry);
  }

  // The same, run from the working folder (empty: the test's own).
  HostRun HostIn(const std::string& workingFolder, const std::vector<std::string>& arguments,
                 const std::string& registry = {}) {
    std::string line = workingFolder.empty() ? "" : "cd " + ShellQuoted(workingFolder) + " && ";
    line += "IXO_REGISTRY=" + ShellQuoted(registry.empty() ? folder.Path() : registry) + " " +
            ShellQuoted(BuildBin() + "wordhost") + " --headless";
    for (const std::string& argument : arguments) line += " " + ShellQuoted(argument);
    line += " 2>" + ShellQuoted(folder.File("errors.txt"));
    HostRun run;
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.errors = testing_support::ReadFileBytes(folder.File("errors.txt"));
    return run;
  }
};

const std::string kSplash =
    "command -32529 FormMode 1 -> 0\n"
    "form TFormAbout \"\"\n"
    "  closed\n"
    "command -32529 FormMode 0 -> 0\n"
    "command -32495 ScreenRefresh 1 -> 0\n";

const std::string kMenuAndCommands =
    "command 615 AddMenu options=2 8=\"Bible\" 43=2 152=1 684=0 3=1 -> 0\n"
    "command -32394 RegisterCommand 1 \"ixoInsert\" \"Inserts Bible text into a document.\" -> 0\n"
    "command -32394 RegisterCommand 1 \"ixoSearch\" \"Searches the the Ixo Bible.\" -> 0\n"
    "command -32394 RegisterCommand 1 \"ixoAboutBox\" \"About the Ixo Bible.\" -> 0\n";

std::string Item(const std::string& menu, const std::string& macro, const std::string& text,
                 const std::string& position, const std::string& status = "0") {
  return "command 433 AddMenuItem options=2 3=1 7=\"" + menu + "\" 1=\"" + macro + "\" 8=\"" + text + "\" 43=" +
         position + " 684=0 328=1 152=1 -> " + status + "\n";
}

const std::string kItems = Item("Bible", "ixoInsert", "Insert Bible Verses", "1") +
                           Item("Bible", "ixoSearch", "Search for Bible Verses", "2") +
                           Item("Edit", "ixoInsert", "Insert Bible Verses", "3") +
                           Item("Edit", "ixoSearch", "Search for Bible Verses", "4") +
                           Item("Insert", "ixoInsert", "Insert Bible Verses", "8") +
                           Item("Help", "ixoAboutBox", "About the Ixo Bible Add-in", "-1");

const std::string kEmptyDocument = "document\nparagraph 1\n";

TEST_F(HeadlessHost, AutoOpenShowsTheSplashThenAddsTheMenuAndCommands) {
  const HostRun run = Host({});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kEmptyDocument);
}

TEST_F(HeadlessHost, LoadsAnAddinNamedByItsFileNameFromTheWorkingFolder) {
  // A bare file name is a file of the working folder, not a library to look
  // for on the system's library path.
  if (BuildBin().empty()) GTEST_SKIP() << "IXO_BUILD_BIN is not set";
  const HostRun run = HostIn(BuildBin(), {"ixoResource.wll"});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kEmptyDocument);
}

TEST_F(HeadlessHost, FailedCommandShowsItsNameInADebugBox) {
  const HostRun run = Host({"--fail", "615=5031"});
  EXPECT_EQ(run.status, 0) << run.errors;
  const std::string failedMenu =
      "command 615 AddMenu options=2 8=\"Bible\" 43=2 152=1 684=0 3=1 -> 5031\n"
      "box \"debug\" \"WrdApi WrdApi command failed \" -> OK\n";
  // Without the "Bible" menu its items are skipped, the others still added.
  const std::string items = Item("Edit", "ixoInsert", "Insert Bible Verses", "3") +
                            Item("Edit", "ixoSearch", "Search for Bible Verses", "4") +
                            Item("Insert", "ixoInsert", "Insert Bible Verses", "8") +
                            Item("Help", "ixoAboutBox", "About the Ixo Bible Add-in", "-1");
  EXPECT_EQ(run.output, kSplash + failedMenu + kMenuAndCommands.substr(kMenuAndCommands.find('\n') + 1) + items +
                            kEmptyDocument);
}

TEST_F(HeadlessHost, AboutBoxCommandShowsTheAboutForm) {
  const HostRun run = Host({"--run", "ixoAboutBox"});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kSplash + kEmptyDocument);
}

const std::string kTextNotLoaded =
    "box \"Error\" \"Could not initialize bible text.  Please re-install the program.\" -> OK\n";

TEST_F(HeadlessHost, InsertWithoutItsTextShowsOneErrorBox) {
  // The add-in's data is looked for in an empty folder.
  testing_support::TestRegistry registry;
  ASSERT_TRUE(registry.WriteString(platform::RootKey::LocalMachine, "SOFTWARE\\Halvert\\Ixo", "Version",
                                   folder.File("nothing/")));
  const HostRun run = Host({"--run", "ixoInsert", "--save", folder.File("out.rtf")}, registry.Folder());
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kTextNotLoaded + kEmptyDocument);
  EXPECT_TRUE(testing_support::ReadFileBytes(folder.File("out.rtf")).starts_with("{\\rtf1"));
}

// ---- inserting verses from an installation of the add-in's data -----------------------

// The commands that write one word, after a blank unless it is the first of
// its verse: "*word" is italic, and a closing ",", ".", ":" or ";" goes on its own.
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string WordCommands(std::string word, bool first) {
  auto text = [](const std::string& t) { return "command -32750 InsertText " + Quoted(t) + " -> 0\n"; };
  std::string commands = first ? "" : text(" ");
  std::string punctuation;
  if (std::string(",.:;").find(word.back()) != std::string::npos) {
    punctuation = word.substr(word.size() - 1);
    word.pop_back();
  }
  if (word.front() == '*') {
    commands += "command -32695 Italic 1 -> 0\n" + text(word.substr(1)) + "command -32695 Italic 0 -> 0\n";
  } else {
    commands += text(word);
  }
  return commands + (punctuation.empty() ? "" : text(punctuation));
}

std::string VerseCommands(const std::string& verse) {
  std::string commands;
  std::size_t start = 0;
  for (std::size_t end = 0; end != std::string::npos; start = end + 1) {
    end = verse.find(' ', start);
    commands += WordCommands(verse.substr(start, end - start), start == 0);
  }
  return commands;
}

std::string VerseNumberCommands(const std::string& number) {
  return "command -32697 Color 2 -> 0\n"
         "command -32696 Bold 1 -> 0\n"
         "command -32687 Superscript 1 -> 0\n"
         "command -32750 InsertText \"" + number + "\" -> 0\n"
         "command -32687 Superscript 0 -> 0\n"
         "command -32696 Bold 0 -> 0\n"
         "command -32697 Color 0 -> 0\n";
}

// The insert dialog answered with the reference, and the insertion begun.
std::string InsertDialogAnswered(const std::string& reference) {
  return "command -32529 FormMode 1 -> 0\n"
         "form TFormInsert \"Ixo - Insert Bible Text\"\n"
         "  set spec \"" + reference + "\"\n"
         "  click ButtonOK\n"
         "command -32495 ScreenRefresh 0 -> 0\n"
         "command -32529 FormMode 1 -> 0\n";
}

// The insert dialog answered with the reference, then the heading (by default the reference).
std::string InsertionStart(const std::string& reference, const std::string& heading = {}) {
  return InsertDialogAnswered(reference) +
         "command -32696 Bold 1 -> 0\n"
         "command -32750 InsertText \"" + (heading.empty() ? reference : heading) + "\\n\" -> 0\n"
         "command -32696 Bold 0 -> 0\n";
}

const std::string kInsertionEnd =
    "command -32750 InsertText \"\\n\" -> 0\n"
    "command -32529 FormMode 0 -> 0\n"
    "command -32495 ScreenRefresh 1 -> 0\n";

const std::string kFormClosed =
    "command -32529 FormMode 0 -> 0\n"
    "command -32495 ScreenRefresh 1 -> 0\n";

class HeadlessHostWithText : public HeadlessHost {
 protected:
  void SetUp() override {
    if (!testing_support::AddinInstallation::BuiltDataExists()) GTEST_SKIP() << "the add-in's data is not built";
    installation = std::make_unique<testing_support::AddinInstallation>();
  }

  HostRun Insert(const std::string& reference) {
    return Host({"--run", "ixoInsert", "--answer", "spec=" + reference, "--answer", "ButtonOK"},
                installation->Registry().Folder());
  }

  std::unique_ptr<testing_support::AddinInstallation> installation;
};

TEST_F(HeadlessHostWithText, InsertsAPassageWithItsHeadingAndNumberedVerses) {
  const HostRun run = Insert("Genesis 1:3-5");
  EXPECT_EQ(run.status, 0) << run.errors;
  const std::string insertion =
      InsertionStart("Genesis 1:3-5") +
      VerseNumberCommands("3") + VerseCommands("And God said, Let there be light: and there was light.") +
      "command -32750 InsertText \"  \" -> 0\n" +
      VerseNumberCommands("4") +
      VerseCommands("And God saw the light, that *it *was good: and God divided the light from the darkness.") +
      "command -32750 InsertText \"  \" -> 0\n" +
      VerseNumberCommands("5") +
      VerseCommands("And God called the light Day, and the darkness he called Night. "
                    "And the evening and the morning were the first day.") +
      kInsertionEnd;
  const std::string document =
      "document\n"
      "paragraph 1\n"
      "  \"Genesis 1:3-5\" bold\n"
      "paragraph 2\n"
      "  \"3\" bold superscript color 2\n"
      "  \"And God said, Let there be light: and there was light.  \"\n"
      "  \"4\" bold superscript color 2\n"
      "  \"And God saw the light, that \"\n"
      "  \"it\" italic\n"
      "  \" \"\n"
      "  \"was\" italic\n"
      "  \" good: and God divided the light from the darkness.  \"\n"
      "  \"5\" bold superscript color 2\n"
      "  \"And God called the light Day, and the darkness he called Night. And the evening and the morning "
      "were the first day.\"\n"
      "paragraph 3\n";
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + insertion + document);
}

// The whole output of a run that inserts one verse without italics under its heading.
std::string OneVerseRun(const std::string& reference, const std::string& heading, const std::string& verse) {
  return kSplash + kMenuAndCommands + kItems + InsertionStart(reference, heading) + VerseCommands(verse) +
         kInsertionEnd +
         "document\n"
         "paragraph 1\n"
         "  " + Quoted(heading) + " bold\n"
         "paragraph 2\n"
         "  " + Quoted(verse) + "\n"
         "paragraph 3\n";
}

const std::string kJude5 =
    "I will therefore put you in remembrance, though ye once knew this, how that the Lord, having saved the "
    "people out of the land of Egypt, afterward destroyed them that believed not.";

TEST_F(HeadlessHostWithText, InsertsAVerseOfABookOfOneChapterWithoutChapterOrNumber) {
  const HostRun run = Insert("Jude 5");
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, OneVerseRun("Jude 5", "Jude 5", kJude5));
}

TEST_F(HeadlessHostWithText, BooksOfOneChapterAndRomanNumeralsFindTheVerseTyped) {
  const struct {
    const char* reference;
    const char* heading;
    const char* verse;
  } cases[] = {
      {"Jude5", "Jude 5", kJude5.c_str()},
      {"2 John4", "2 John 4",
       "I rejoiced greatly that I found of thy children walking in truth, as we have received a commandment from "
       "the Father."},
      {"I Samuel 3:10", "1 Samuel 3:10",
       "And the LORD came, and stood, and called as at other times, Samuel, Samuel. Then Samuel answered, Speak; "
       "for thy servant heareth."},
      {"III John 4", "3 John 4", "I have no greater joy than to hear that my children walk in truth."},
  };
  for (const auto& c : cases) {
    const HostRun run = Insert(c.reference);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, OneVerseRun(c.reference, c.heading, c.verse)) << c.reference;
  }
}

TEST_F(HeadlessHostWithText, ARangeAcrossChaptersIsInsertedAsTyped) {
  const HostRun run = Insert("Genesis 1:31-2:3");
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output.find("box "), std::string::npos) << run.output;
  const std::string document =
      "document\n"
      "paragraph 1\n"
      "  \"Genesis 1:31\" bold\n"
      "paragraph 2\n"
      "  \"And God saw every thing that he had made, and, behold, \"\n"
      "  \"it\" italic\n"
      "  \" \"\n"
      "  \"was\" italic\n"
      "  \" very good. And the evening and the morning were the sixth day.\"\n"
      "paragraph 3\n"
      "paragraph 4\n"
      "  \"Genesis 2:1-3\" bold\n"
      "paragraph 5\n"
      "  \"1\" bold superscript color 2\n"
      "  \"Thus the heavens and the earth were finished, and all the host of them.  \"\n"
      "  \"2\" bold superscript color 2\n"
      "  \"And on the seventh day God ended his work which he had made; and he rested on the seventh day from all "
      "his work which he had made.  \"\n"
      "  \"3\" bold superscript color 2\n"
      "  \"And God blessed the seventh day, and sanctified it: because that in it he had rested from all his work "
      "which God created and made.\"\n"
      "paragraph 6\n";
  EXPECT_TRUE(run.output.ends_with("\n" + document)) << run.output;
}

TEST_F(HeadlessHostWithText, AReferenceThatCannotBeReadWholeIsRefusedWithAWarning) {
  const struct {
    const char* reference;
    const char* unread;
  } cases[] = {{"Genesis 1:3 foo", "foo"}, {"Genesis 1:3, 5", ", 5"}, {"Genesis 3x", "x"}};
  for (const auto& c : cases) {
    const HostRun run = Host({"--run", "ixoInsert", "--answer", std::string("spec=") + c.reference, "--answer",
                              "ButtonOK", "--answer", "OK"},
                             installation->Registry().Folder());
    EXPECT_EQ(run.status, 0) << run.errors;
    // The dialog stays open for the reference to be put right; unanswered, it is closed.
    EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + InsertDialogAnswered(c.reference) +
                              "box \"Warning\" \"Could not read \\\"" + c.unread + "\\\" in \\\"" + c.reference +
                              "\\\"\" -> OK\n"
                              "  closed\n" +
                              kFormClosed + kEmptyDocument)
        << c.reference;
  }
}

TEST_F(HeadlessHostWithText, WithoutAReferenceFileTheTextIsStillInserted) {
  const struct {
    const char* name;
    std::function<bool(testing_support::AddinInstallation&)> damage;
  } cases[] = {
      {"no reference file", [](testing_support::AddinInstallation& i) { return i.RemoveFile("IxoReference.2005"); }},
      {"an empty reference file",
       [](testing_support::AddinInstallation& i) { return i.CutFile("IxoReference.2005", 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::AddinInstallation damaged;
    ASSERT_TRUE(c.damage(damaged));
    const HostRun run = Host({"--run", "ixoInsert", "--answer", "spec=Jude 5", "--answer", "ButtonOK"},
                             damaged.Registry().Folder());
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, OneVerseRun("Jude 5", "Jude 5", kJude5));
  }
}

// ---- searching and inserting the results ----------------------------------------------

struct FoundVerse {
  std::string reference;  // the heading line
  std::string text;       // "*word" is italic
};

// "love" and "world" within the span of seven words.
const std::vector<FoundVerse> kLoveWorld = {
    {"John 14:31",
     "But that the world may know that I love the Father; and as the Father gave me commandment, even so I do. "
     "Arise, let us go hence."},
    {"John 15:17", "These things I command you, that ye love one another."},
    {"John 15:19",
     "If ye were of the world, the world would love his own: but because ye are not of the world, but I have "
     "chosen you out of the world, therefore the world hateth you."},
    {"1 John 2:15",
     "Love not the world, neither the things *that *are in the world. If any man love the world, the love of the "
     "Father is not in him."},
    {"1 John 4:17",
     "Herein is our love made perfect, that we may have boldness in the day of judgment: because as he is, so are "
     "we in this world."},
};

const std::string kSearchForm = "command -32529 FormMode 1 -> 0\n"
                                "form TInterfaceForm \"Ixo Bible - Search Form\"\n";

// The search form's answers as the log notes them.
std::string Answered(const std::vector<std::string>& answers) {
  std::string log;
  for (const std::string& answer : answers) {
    const std::size_t equals = answer.find('=');
    log += equals == std::string::npos
               ? "  click " + answer + "\n"
               : "  set " + answer.substr(0, equals) + " " + Quoted(answer.substr(equals + 1)) + "\n";
  }
  return log;
}

// Each verse under its own bold heading line, then a line end.
std::string InsertedVerses(const std::vector<FoundVerse>& verses) {
  std::string commands;
  for (const FoundVerse& verse : verses) {
    commands += "command -32696 Bold 1 -> 0\n"
                "command -32750 InsertText \"" + verse.reference + "\\n\" -> 0\n"
                "command -32696 Bold 0 -> 0\n" +
                VerseCommands(verse.text) + "command -32750 InsertText \"\\n\" -> 0\n";
  }
  return commands;
}

// The document: a bold heading paragraph and a text paragraph per verse, its
// italic words as runs of their own.
std::string DocumentOf(const std::vector<FoundVerse>& verses) {
  std::string document = "document\n";
  int paragraph = 0;
  for (const FoundVerse& verse : verses) {
    document += "paragraph " + std::to_string(++paragraph) + "\n  " + Quoted(verse.reference) + " bold\n";
    document += "paragraph " + std::to_string(++paragraph) + "\n";
    std::string run;
    std::size_t start = 0;
    for (std::size_t end = 0; end != std::string::npos; start = end + 1) {
      end = verse.text.find(' ', start);
      const std::string word = verse.text.substr(start, end - start);
      if (start > 0) run += ' ';
      if (word.front() == '*') {
        document += "  " + Quoted(run) + "\n";
        document += "  " + Quoted(word.substr(1)) + " italic\n";
        run.clear();
      } else {
        run += word;
      }
    }
    document += "  " + Quoted(run) + "\n";
  }
  return document + "paragraph " + std::to_string(++paragraph) + "\n";
}

const std::vector<std::string> kSearchLoveWorld = {"And1=love", "ButtonNext", "And2=world", "ButtonPreview"};

// The study of conditions 1 "love" and 2 "world", both active, span 7.
constexpr char kLoveWorldStudy[] =
    "[Options]\r\nspan=7\r\n[1]\r\nlove=1\r\n[2]\r\nworld=1\r\n[Active]\r\n1=1\r\n2=1\r\n";

class HeadlessSearch : public HeadlessHostWithText {
 protected:
  HostRun Search(const std::vector<std::string>& answers) {
    std::vector<std::string> arguments = {"--run", "ixoSearch"};
    for (const std::string& answer : answers) {
      arguments.push_back("--answer");
      arguments.push_back(answer);
    }
    return Host(arguments, installation->Registry().Folder());
  }
  std::vector<std::string> Then(std::vector<std::string> answers, const std::vector<std::string>& more) {
    answers.insert(answers.end(), more.begin(), more.end());
    return answers;
  }
};

TEST_F(HeadlessSearch, FinishInsertsEveryVerseOfTheResultUnderItsOwnHeading) {
  const std::vector<std::string> answers = Then(kSearchLoveWorld, {"ButtonFinish"});
  const HostRun run = Search(answers);
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kSearchForm + Answered(answers) +
                            InsertedVerses(kLoveWorld) + kFormClosed + DocumentOf(kLoveWorld));
  // The study went into the installation's history.
  EXPECT_EQ(testing_support::ReadFileBytes(installation->InstallDir() + "history/current.ixolc"), kLoveWorldStudy);
}

TEST_F(HeadlessSearch, SelectInsertsTheVerseTheStepsReach) {
  // From the result: its first book, chapter and verse.
  const std::vector<std::string> answers =
      Then(kSearchLoveWorld, {"VerseNext", "VerseNext", "VerseNext", "ButtonSelect"});
  const HostRun run = Search(answers);
  EXPECT_EQ(run.status, 0) << run.errors;
  const std::vector<FoundVerse> first = {kLoveWorld.front()};
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kSearchForm + Answered(answers) +
                            InsertedVerses(first) + kFormClosed + DocumentOf(first));
}

TEST_F(HeadlessSearch, TheNextSearchStartsWithTheLastStudy) {
  ASSERT_EQ(Search(Then(kSearchLoveWorld, {"ButtonFinish"})).status, 0);
  const HostRun run = Search({"ButtonFinish"});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kSearchForm + Answered({"ButtonFinish"}) +
                            InsertedVerses(kLoveWorld) + kFormClosed + DocumentOf(kLoveWorld));
}

TEST_F(HeadlessSearch, CancelInsertsNothing) {
  const std::vector<std::string> answers = Then(kSearchLoveWorld, {"ButtonCancel"});
  const HostRun run = Search(answers);
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output,
            kSplash + kMenuAndCommands + kItems + kSearchForm + Answered(answers) + kFormClosed + kEmptyDocument);
}

TEST_F(HeadlessHostWithText, ADamagedEngineLibraryOrFileGivesOneErrorBoxPerCommand) {
  const struct {
    const char* name;
    std::function<bool(testing_support::AddinInstallation&)> damage;
  } cases[] = {
      {"an entry point missing",
       [](testing_support::AddinInstallation& i) { return i.UseLibrary(INCOMPLETE_ENGINE_LIBRARY); }},
      {"a short text file", [](testing_support::AddinInstallation& i) { return i.CutFile("IxoBible.2005", 4000); }},
      {"a short reference file",
       [](testing_support::AddinInstallation& i) { return i.CutFile("IxoReference.2005", 4000); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::AddinInstallation damaged;
    ASSERT_TRUE(c.damage(damaged));
    for (const char* command : {"ixoInsert", "ixoSearch"}) {
      const HostRun run = Host({"--run", command}, damaged.Registry().Folder());
      EXPECT_EQ(run.status, 0) << run.errors;
      EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems + kTextNotLoaded + kEmptyDocument) << command;
    }
  }
}

TEST_F(HeadlessHost, UnusedAnswersAreListed) {
  const HostRun run = Host({"--answer", "spec=Genesis 1:3-5"});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.output.find("unused answer \"spec=Genesis 1:3-5\"\ndocument\n"), std::string::npos) << run.output;
}

TEST_F(HeadlessHost, RefusesWhatItCannotRun) {
  const struct {
    const char* name;
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {"unregistered command", {"--run", "ixoNothing"}, "registered no command ixoNothing"},
      {"missing add-in", {"/nonexistent/ixoResource.wll"}, "cannot load the add-in"},
      {"bad option", {"--fail", "615"}, "--fail wants ID=STATUS"},
  };
  for (const auto& c : cases) {
    const HostRun run = Host(c.arguments);
    EXPECT_EQ(run.status, 2) << c.name;
    EXPECT_NE(run.errors.find(c.error), std::string::npos) << c.name << ": " << run.errors;
  }
}

}  // namespace
