#include "WritersFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/ixoObject.h"

namespace writers_test {
namespace {

constexpr char Description[] =
    "book 1\n"
    "1:1 In the beginning<7225> God<430> created<1254,853> the heaven<8064>.\n"
    "1:2 And the earth<776> [was] without form<8414>, (the LORD's<3068>) deep.\n"
    "2:1 Call his name Maher-shalal-hash-baz<4122> now.\n"
    "2:2 Amen<543>.\n"
    "book 9\n"
    "1:1 Now there was a man<376>.\n";

}  // namespace

WritersText::WritersText() : WritersText(Description) {}

WritersText::WritersText(std::string_view description)
    : text_(description),
      shell_(std::make_shared<platform::RecordingShellService>()),
      shellGuard_(shell_) {
  EXPECT_TRUE(text_.Load().Loaded) << "the fixture text does not load";
}

std::string WritersText::Read(const std::string& name) const {
  return testing_support::ReadFileBytes(OutputFile(name));
}

bool WritersText::Exists(const std::string& name) const { return std::filesystem::exists(OutputFile(name)); }

const engine::TBookInfoRec& WritersText::Book(int number) const { return engine::Engine().BookInfo[number]; }

}  // namespace writers_test
