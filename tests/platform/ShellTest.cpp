#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>
#include <string>

#include "platform/Paths.h"
#include "platform/Shell.h"
#include "ScopedEnvironment.h"
#include "TempFolder.h"

namespace platform {
namespace {

using testing_support::ReadFileBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

// Stands in xdg-open and lp with scripts that write their arguments, one per
// line, into "<program>.args" and end with $SHELL_TEST_STATUS.
class SystemShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"xdg-open", "lp"}) {
      const std::string script = programs_.File(program);
      ASSERT_TRUE(WriteFileBytes(script, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$SHELL_TEST_OUT/" +
                                             std::string(program) +
                                             ".args\"\nexit \"${SHELL_TEST_STATUS:-0}\"\n"));
      ASSERT_EQ(chmod(script.c_str(), 0755), 0);
    }
  }
  std::string ArgumentsOf(const char* program) const { return ReadFileBytes(out_.File(std::string(program) + ".args")); }

  TempFolder programs_;
  TempFolder out_;
  ScopedEnvironment path_{"PATH", programs_.Path().c_str()};
  ScopedEnvironment outFolder_{"SHELL_TEST_OUT", out_.Path().c_str()};
  SystemShellService shell_;
};

TEST_F(SystemShellTest, VerbsRunTheirProgramsWithTheFileAsOneArgument) {
  const std::string awkward = out_.File("a b;touch pwned $(touch pwned2) 'q\".pdf");
  const ShellResult opened = shell_.Execute("OPEN", awkward);
  EXPECT_TRUE(opened.ok) << opened.error;
  EXPECT_TRUE(opened.error.empty());
  EXPECT_EQ(ArgumentsOf("xdg-open"), awkward + "\n");
  EXPECT_FALSE(FileExists(out_.File("pwned")));
  EXPECT_FALSE(FileExists("pwned2"));

  EXPECT_TRUE(shell_.Execute("Print", "/tmp/Genesis.rtf").ok);
  EXPECT_EQ(ArgumentsOf("lp"), "/tmp/Genesis.rtf\n");

  EXPECT_TRUE(shell_.Execute("print", "-o landscape.rtf").ok);
  EXPECT_EQ(ArgumentsOf("lp"), "./-o landscape.rtf\n");
}

TEST_F(SystemShellTest, FailuresComeBackWithAReason) {
  {
    ScopedEnvironment status("SHELL_TEST_STATUS", "3");
    const ShellResult failed = shell_.Execute("print", "/tmp/x.wpd");
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.error.find("\"lp\""), std::string::npos) << failed.error;
    EXPECT_NE(failed.error.find("exit status 3"), std::string::npos) << failed.error;
  }
  {
    TempFolder empty;
    ScopedEnvironment nowhere("PATH", empty.Path().c_str());
    const ShellResult missing = shell_.Execute("open", "/tmp/Ixo-2007.pdf");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("cannot run \"xdg-open\""), std::string::npos) << missing.error;
  }
  const ShellResult unknown = shell_.Execute("edit", "/tmp/x.txt");
  EXPECT_FALSE(unknown.ok);
  EXPECT_FALSE(unknown.error.empty());
  EXPECT_FALSE(shell_.Execute("open", "").ok);
  EXPECT_EQ(ArgumentsOf("xdg-open"), "");
}

TEST(ShellService, RecorderStandsInForTheSystemThroughShellExecute) {
  auto recorder = std::make_shared<RecordingShellService>();
  ScopedShellService guard(recorder);
  EXPECT_TRUE(ShellExecute("print", "/tmp/Ruth.doc").ok);
  recorder->FailWith("no printer");
  const ShellResult failed = ShellExecute("OPEN", "/opt/ixo/Ixo-2007.pdf");
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.error, "no printer");
  ASSERT_EQ(recorder->Calls().size(), 2u);
  EXPECT_EQ(recorder->Calls()[0].verb, "print");
  EXPECT_EQ(recorder->Calls()[0].file, "/tmp/Ruth.doc");
  EXPECT_EQ(recorder->Calls()[1].verb, "OPEN");
}

}  // namespace
}  // namespace platform
