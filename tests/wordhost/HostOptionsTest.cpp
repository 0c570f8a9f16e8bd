#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "wordhost/HostOptions.h"

namespace wordhost {
namespace {

TEST(HostOptions, ReadsEveryOption) {
  testing_support::TempFolder folder;
  const std::string answers = folder.File("answers.txt");
  ASSERT_TRUE(testing_support::WriteFileBytes(answers, "Yes\r\n\nspec=Genesis 1:3-5\nButtonOK"));
  std::string error;
  const auto options = ParseHostOptions({"--headless", "--run", "ixoInsert", "--answer", "No", "--answers", answers,
                                         "--save", "out.rtf", "--fail", "433=549", "--fail", "-32529=5031",
                                         "--open-menu", "Bible", "my.wll"},
                                        error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(options->headless);
  EXPECT_EQ(options->command, "ixoInsert");
  EXPECT_EQ(options->answers, (std::deque<std::string>{"No", "Yes", "spec=Genesis 1:3-5", "ButtonOK"}));
  EXPECT_EQ(options->savePath, "out.rtf");
  EXPECT_EQ(options->failures, (std::vector<std::pair<std::int32_t, std::int32_t>>{{433, 549}, {-32529, 5031}}));
  EXPECT_EQ(options->openMenu, "Bible");
  EXPECT_EQ(options->addinPath, "my.wll");
}

TEST(HostOptions, RefusesWhatItCannotRead) {
  const std::vector<std::vector<std::string>> cases = {
      {"--run"},
      {"--fail", "433"},
      {"--fail", "433=x"},
      {"--answers", "/nonexistent/answers.txt"},
      {"--bogus"},
      {"one.wll", "two.wll"},
  };
  for (const auto& arguments : cases) {
    std::string error;
    EXPECT_FALSE(ParseHostOptions(arguments, error)) << arguments[0];
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace wordhost
