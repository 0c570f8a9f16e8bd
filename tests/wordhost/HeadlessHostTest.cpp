// The host program run headless on the add-in library, as a user of the
// command line would run it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
  // with settings in an empty registry of its own.
  HostRun Host(const std::vector<std::string>& arguments) {
    std::string line = "IXO_REGISTRY=" + ShellQuoted(folder.Path()) + " " + ShellQuoted(BuildBin() + "wordhost") +
                       " --headless";
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

TEST_F(HeadlessHost, InsertWithoutItsTextShowsOneErrorBox) {
  const HostRun run = Host({"--run", "ixoInsert", "--save", folder.File("out.rtf")});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, kSplash + kMenuAndCommands + kItems +
                            "box \"Error\" \"Could not initialize bible text.  Please re-install the program.\" "
                            "-> OK\n" +
                            kEmptyDocument);
  EXPECT_TRUE(testing_support::ReadFileBytes(folder.File("out.rtf")).starts_with("{\\rtf1"));
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
