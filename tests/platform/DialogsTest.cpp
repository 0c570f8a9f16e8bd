#include <gtest/gtest.h>

#include "platform/Dialogs.h"

namespace platform {
namespace {

TEST(Dialogs, RecorderKeepsRequestsAndAnswersFromItsScript) {
  auto recorder = std::make_shared<RecordingDialogService>();
  ScopedDialogService guard(recorder);
  recorder->Answer(ModalResult::No);
  EXPECT_EQ(MessageDlg("Delete?", DialogType::Confirmation, DialogButtons::YesNo), ModalResult::No);
  EXPECT_EQ(MessageBox("Bad English data file.", "Error"), ModalResult::OK);
  ASSERT_EQ(recorder->Shown().size(), 2u);
  EXPECT_EQ(recorder->Shown()[0].kind, DialogRequest::Kind::MessageDialog);
  EXPECT_EQ(recorder->Shown()[0].text, "Delete?");
  EXPECT_EQ(recorder->Shown()[1].kind, DialogRequest::Kind::MessageBox);
  EXPECT_EQ(recorder->Shown()[1].caption, "Error");
}

TEST(Dialogs, DefaultAnswers) {
  EXPECT_EQ(DefaultAnswer(DialogButtons::OK), ModalResult::OK);
  EXPECT_EQ(DefaultAnswer(DialogButtons::OKCancel), ModalResult::OK);
  EXPECT_EQ(DefaultAnswer(DialogButtons::YesNo), ModalResult::Yes);
}

TEST(Dialogs, GuardRestoresThePreviousService) {
  auto outer = std::make_shared<RecordingDialogService>();
  ScopedDialogService outerGuard(outer);
  {
    auto inner = std::make_shared<RecordingDialogService>();
    ScopedDialogService innerGuard(inner);
    MessageDlg("inner", DialogType::Information);
    EXPECT_EQ(inner->Shown().size(), 1u);
  }
  MessageDlg("outer", DialogType::Information);
  ASSERT_EQ(outer->Shown().size(), 1u);
  EXPECT_EQ(outer->Shown()[0].text, "outer");
}

}  // namespace
}  // namespace platform
