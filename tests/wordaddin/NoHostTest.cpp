// This test program exports no command dispatcher: it is a host the add-in
// cannot reach.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Dialogs.h"
#include "wordaddin/WordAPI.h"
#include "wordaddin/Wrdbasic.h"

namespace wordaddin {
namespace {

TEST(NoHost, CommandShowsTwoBoxesAndFails) {
  auto boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard(boxes);
  EXPECT_FALSE(RunWordCommand(-32529, 1));
  ASSERT_EQ(boxes->Shown().size(), 2u);
  EXPECT_EQ(boxes->Shown()[0].caption, "debug");
  EXPECT_EQ(boxes->Shown()[1].caption, "-32529");
  for (const auto& box : boxes->Shown()) EXPECT_EQ(box.text, "Unable to access word link");
}

TEST(NoHost, RegistrationReturnsTheStatus) {
  auto boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard(boxes);
  EXPECT_EQ(AddWordCommand(1, "ixoInsert", ""), kStatusNoWordLink);
  EXPECT_EQ(boxes->Shown().size(), 1u);
}

}  // namespace
}  // namespace wordaddin
