#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "platform/Dialogs.h"
#include "wordaddin/AddinMenu.h"

namespace wordaddin {
namespace {

using testing::FakeHost;
using testing::SentCommand;

const std::vector<std::string> kEveryStep = {
    "615 Bible",
    "-32394 ixoInsert Inserts Bible text into a document.",
    "-32394 ixoSearch Searches the the Ixo Bible.",
    "-32394 ixoAboutBox About the Ixo Bible.",
    "433 Bible ixoInsert Insert Bible Verses 1",
    "433 Bible ixoSearch Search for Bible Verses 2",
    "433 Edit ixoInsert Insert Bible Verses 3",
    "433 Edit ixoSearch Search for Bible Verses 4",
    "433 Insert ixoInsert Insert Bible Verses 8",
    "433 Help ixoAboutBox About the Ixo Bible Add-in -1",
};

struct ChainCase {
  const char* name;
  std::vector<std::string> failing;  // keys the host fails
  std::vector<std::string> expected;
};

std::vector<std::string> Without(std::vector<std::string> keys, const std::vector<std::string>& dropped) {
  std::erase_if(keys, [&](const std::string& key) {
    return std::find(dropped.begin(), dropped.end(), key) != dropped.end();
  });
  return keys;
}

TEST(AddinMenu, EachCommandsChainStopsAtItsFirstFailure) {
  const std::string& bibleMenu = kEveryStep[0];
  const std::string& registerSearch = kEveryStep[2];
  const std::string& registerAbout = kEveryStep[3];
  const std::string& bibleInsert = kEveryStep[4];
  const std::string& bibleSearch = kEveryStep[5];
  const std::string& editInsert = kEveryStep[6];
  const std::string& editSearch = kEveryStep[7];
  const std::string& insertInsert = kEveryStep[8];
  const std::string& help = kEveryStep[9];
  const ChainCase cases[] = {
      {"every step succeeds", {}, kEveryStep},
      {"search not registered", {registerSearch}, Without(kEveryStep, {bibleSearch, editSearch})},
      {"no Bible menu", {bibleMenu}, Without(kEveryStep, {bibleInsert, bibleSearch})},
      {"insert and search both fail", {insertInsert, editSearch}, Without(kEveryStep, {help})},
      {"insert fails early, search goes on", {bibleInsert}, Without(kEveryStep, {editInsert, insertInsert})},
      {"about not registered", {registerAbout}, Without(kEveryStep, {help})},
  };
  for (const ChainCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    auto boxes = std::make_shared<platform::RecordingDialogService>();
    platform::ScopedDialogService guard(boxes);
    host.answer = [&c](const SentCommand& sent, TWordArg*) {
      return std::find(c.failing.begin(), c.failing.end(), sent.Key()) != c.failing.end() ? 5031 : 0;
    };
    RegisterAddinMenu(7);
    EXPECT_EQ(host.Keys(), c.expected);
    EXPECT_EQ(boxes->Shown().size(), c.failing.size());  // one "debug" box each
  }
}

TEST(AddinMenu, EveryStepCarriesTheHostsReference) {
  FakeHost host;
  RegisterAddinMenu(4242);
  for (const SentCommand& sent : host.sent) {
    const bool carried = std::any_of(sent.args.begin(), sent.args.end(), [](const testing::SentArg& arg) {
      return !arg.text && arg.value == 4242 && (arg.fieldId == 0 || arg.fieldId == field::DocRef);
    });
    EXPECT_TRUE(carried) << sent.Key();
  }
}

}  // namespace
}  // namespace wordaddin
