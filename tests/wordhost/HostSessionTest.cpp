// The add-in's command wrappers against the host, through the dispatcher this
// test program exports as the host program does.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Dialogs.h"
#include "support/TempFolder.h"
#include "wordaddin/AddinMenu.h"
#include "wordaddin/WordAPI.h"
#include "wordaddin/Wrdbasic.h"
#include "wordhost/DocumentListing.h"
#include "wordhost/HostSession.h"

namespace wordhost {
namespace {

namespace command = wordaddin::command;

class AddinToHost : public ::testing::Test {
 protected:
  std::shared_ptr<platform::RecordingDialogService> boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard{boxes};
  HostSession session;
};

TEST_F(AddinToHost, TheAddinsMenuArrivesWhole) {
  wordaddin::RegisterAddinMenu(HostSession::kAddinDocRef);
  EXPECT_TRUE(boxes->Shown().empty());
  std::vector<std::string> menus;
  for (const Menu& menu : session.Menus().Menus()) {
    std::string line = menu.name + ":";
    for (const MenuItem& item : menu.items) line += " " + item.text + "=" + item.command;
    menus.push_back(line);
  }
  EXPECT_EQ(menus, (std::vector<std::string>{
                       "File: Save As...=FileSaveAs Exit=FileExit",
                       "Bible: Insert Bible Verses=ixoInsert Search for Bible Verses=ixoSearch",
                       "Edit: Insert Bible Verses=ixoInsert Search for Bible Verses=ixoSearch",
                       "View:",
                       "Insert: Insert Bible Verses=ixoInsert",
                       "Format:",
                       "Tools:",
                       "Help: About the Ixo Bible Add-in=ixoAboutBox",
                   }));
  EXPECT_EQ(session.Commands().Registered().size(), 3u);
}

TEST_F(AddinToHost, StyledTextArrivesAsRuns) {
  wordaddin::RunWordCommand(command::Bold, 1);
  wordaddin::InsertWordText("Jude 5\n");
  wordaddin::RunWordCommand(command::Bold, 0);
  wordaddin::InsertWordText("I will therefore put you in remembrance");
  wordaddin::InsertWordText("\n");
  EXPECT_EQ(ListDocument(session.Document()),
            "paragraph 1\n"
            "  \"Jude 5\" bold\n"
            "paragraph 2\n"
            "  \"I will therefore put you in remembrance\"\n"
            "paragraph 3\n");
  EXPECT_TRUE(boxes->Shown().empty());
}

TEST_F(AddinToHost, AHostFailureShowsItsNameInADebugBox) {
  EXPECT_FALSE(wordaddin::RunWordCommand(command::Color, 99));
  ASSERT_EQ(boxes->Shown().size(), 2u);
  EXPECT_EQ(boxes->Shown()[0].caption, "debug");
  EXPECT_EQ(boxes->Shown()[0].text, "WrdApi parameter value was out of acceptable range");
  EXPECT_EQ(boxes->Shown()[1].caption, "-32697");
}

TEST_F(AddinToHost, NoCommandRunsWithoutAnAddin) {
  EXPECT_FALSE(session.RunCommand("ixoInsert"));
  std::string error;
  EXPECT_FALSE(session.OpenAddin("/nonexistent/ixoResource.wll", error));
  EXPECT_NE(error.find("/nonexistent/ixoResource.wll"), std::string::npos);
}

TEST_F(AddinToHost, SavesTheDocumentAsRtf) {
  testing_support::TempFolder folder;
  wordaddin::InsertWordText("x");
  ASSERT_TRUE(session.SaveRtf(folder.File("out.rtf")));
  EXPECT_NE(testing_support::ReadFileBytes(folder.File("out.rtf")).find("\\fs24 x\n}"), std::string::npos);
  EXPECT_FALSE(session.SaveRtf(folder.File("missing/out.rtf")));
}

TEST(Dispatcher, AnswersNotAvailableWithoutAHost) {
  auto boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard(boxes);
  EXPECT_FALSE(wordaddin::InsertWordText("x"));
  ASSERT_FALSE(boxes->Shown().empty());
  EXPECT_EQ(boxes->Shown()[0].text, "WrdApi command is not available ");
}

}  // namespace
}  // namespace wordhost
