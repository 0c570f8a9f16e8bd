// The tool bar's criteria as condition texts, and the check of their number.

#include <gtest/gtest.h>

#include "platform/Dialogs.h"
#include "search/ToolbarCriteria.h"

namespace search {
namespace {

using Texts = std::vector<std::string>;

class ToolbarCriteriaTest : public ::testing::Test {
 protected:
  std::shared_ptr<platform::RecordingDialogService> dialogs_ =
      std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard_{dialogs_};
};

TEST_F(ToolbarCriteriaTest, AllWordsGivesOneConditionPerWord) {
  struct Case {
    const char* criteria;
    Texts texts;
  } cases[] = {
      {"love world", {"love", "world"}},
      {"love, world,,G26", {"love", "world", "G26"}},
      {"  \"love God\" world ", {"love God", "world"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ToolbarConditionTexts(c.criteria, true), c.texts) << c.criteria;
  EXPECT_TRUE(dialogs_->Shown().empty());
}

TEST_F(ToolbarCriteriaTest, AnyWordGivesTheWholeTextToConditionOne) {
  EXPECT_EQ(ToolbarConditionTexts("love, world G26", false), (Texts{"love, world G26"}));
}

TEST_F(ToolbarCriteriaTest, MoreThanFourteenWordsWarnAndGiveNothing) {
  const std::string fourteen = "a b c d e f g h i j k l m n";
  EXPECT_EQ(ToolbarConditionTexts(fourteen, true)->size(), 14u);
  EXPECT_FALSE(ToolbarConditionTexts(fourteen + " o", true).has_value());
  ASSERT_EQ(dialogs_->Shown().size(), 1u);
  EXPECT_EQ(dialogs_->Shown()[0].type, platform::DialogType::Warning);
  EXPECT_EQ(dialogs_->Shown()[0].text, TooManyWordsMessage);
  // Any Word takes them all as one condition.
  EXPECT_TRUE(ToolbarConditionTexts(fourteen + " o", false).has_value());
}

}  // namespace
}  // namespace search
