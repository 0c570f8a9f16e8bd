#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "platform/Dialogs.h"
#include "wordaddin/WordAPI.h"
#include "wordaddin/Wrdbasic.h"

namespace wordaddin {
namespace {

using testing::FakeHost;
using testing::SentCommand;

// A slot as "type field value": integers in decimal, strings quoted, with
// their length when it is set.
std::string Describe(const testing::SentArg& arg) {
  char type[8];
  std::snprintf(type, sizeof type, "0x%02X", arg.type);
  std::string text = std::string(type) + " " + std::to_string(arg.fieldId) + " ";
  if (arg.text) {
    text += "\"" + *arg.text + "\"";
    if (arg.length != 0) text += " len " + std::to_string(arg.length);
  } else {
    text += std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(arg.value)));
  }
  return text;
}

std::vector<std::string> Describe(const SentCommand& command) {
  std::vector<std::string> args;
  for (const auto& arg : command.args) args.push_back(Describe(arg));
  return args;
}

class WordApi : public ::testing::Test {
 protected:
  FakeHost host;
  std::shared_ptr<platform::RecordingDialogService> boxes = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService guard{boxes};

  const SentCommand& OnlyCommand() {
    EXPECT_EQ(host.sent.size(), 1u);
    return host.sent.at(0);
  }
};

struct BufferCase {
  const char* name;
  std::function<void()> send;
  std::int32_t id;
  std::int32_t dlgOptions;
  std::vector<std::string> args;
};

TEST_F(WordApi, CommandsReachTheHostSlotBySlot) {
  const BufferCase cases[] = {
      {"command with description", [] { AddWordCommand(7, "ixoInsert", "Inserts Bible text into a document."); },
       -32394, 0, {"0x01 0 7", "0x04 0 \"ixoInsert\"", "0x04 0 \"Inserts Bible text into a document.\""}},
      {"command without description", [] { AddWordCommand(7, "ixoAboutBox", ""); },
       -32394, 0, {"0x01 0 7", "0x04 0 \"ixoAboutBox\""}},
      {"menu", [] { AddWordMenu(7, "Bible", 2, 0); },
       615, 2, {"0x24 8 \"Bible\" len 5", "0x21 43 2", "0x21 152 1", "0x21 684 0", "0x21 3 7"}},
      {"menu item", [] { AddWordMenuItem(7, "Help", "ixoAboutBox", "About the Ixo Bible Add-in", -1, 0); },
       433, 2, {"0x21 3 7", "0x24 7 \"Help\" len 4", "0x24 1 \"ixoAboutBox\" len 11",
                "0x24 8 \"About the Ixo Bible Add-in\" len 26", "0x21 43 -1", "0x21 684 0", "0x21 328 1",
                "0x21 152 1"}},
      {"insert text", [] { InsertWordText("In the beginning"); }, -32750, 0, {"0x04 0 \"In the beginning\""}},
      {"integer command", [] { RunWordCommand(-32697, 2); }, -32697, 0, {"0x01 0 2"}},
      {"dialog with both flag bits", [] {
         TWordCommand cmd;
         cmd.InitDialog(99, 0, nullptr, 0, 5, 3);
         cmd.AddFieldInt(43, 9);
         cmd.AddFieldString(8, "x", 1);
         cmd.Execute();
       }, 99, 5, {"0x61 43 9", "0x64 8 \"x\" len 1"}},
  };
  for (const BufferCase& c : cases) {
    SCOPED_TRACE(c.name);
    host.sent.clear();
    c.send();
    const SentCommand& sent = OnlyCommand();
    EXPECT_EQ(sent.id, c.id);
    EXPECT_EQ(sent.dlgOptions, c.dlgOptions);
    EXPECT_EQ(Describe(sent), c.args);
  }
  EXPECT_TRUE(boxes->Shown().empty());
}

TEST_F(WordApi, IntegerKeepsTheHighHalfOfItsValueZero) {
  RunWordCommand(-32697, -1);
  EXPECT_EQ(OnlyCommand().args.at(0).value, 0xFFFFFFFFu);
}

TEST_F(WordApi, ResultSlotFollowsTheResultType) {
  AddWordMenu(7, "Bible", 2, 0);  // asks for an integer it does not keep
  AddWordCommand(7, "ixoInsert", "x");
  RunWordCommand(-32696, 1);
  ASSERT_EQ(host.sent.size(), 3u);
  EXPECT_TRUE(host.sent[0].resultWanted);
  EXPECT_EQ(host.sent[0].resultType, kArgInteger);
  EXPECT_FALSE(host.sent[1].resultWanted);
  EXPECT_FALSE(host.sent[2].resultWanted);
}

TEST_F(WordApi, StringResultIsWrittenByTheHostAndNotCopiedAgain) {
  host.answer = [](const SentCommand&, TWordArg* result) {
    EXPECT_EQ(result->Length, 16);
    std::strcpy(reinterpret_cast<char*>(static_cast<std::uintptr_t>(result->Value)), "Genesis");
    return 0;
  };
  std::array<char, 16> buffer{};
  TWordCommand cmd;
  cmd.Init(1, kArgString, buffer.data(), buffer.size());
  EXPECT_EQ(cmd.Execute(), 0);
  EXPECT_STREQ(buffer.data(), "Genesis");
}

TEST_F(WordApi, IntegerResultIsCopiedNoFurtherThanItsValue) {
  host.answer = [](const SentCommand&, TWordArg* result) {
    result->Value = 0x0807060504030201u;
    result->Length = 0xFFFF;  // must not reach the caller's buffer
    return 0;
  };
  std::array<unsigned char, 32> buffer;
  buffer.fill(0xAA);
  TWordCommand cmd;
  cmd.Init(1, kArgInteger, buffer.data(), buffer.size());
  EXPECT_EQ(cmd.Execute(), 0);
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(buffer[i], i + 1) << i;
  for (std::size_t i = 8; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], 0xAA) << i;
}

TEST_F(WordApi, IntegerResultIsDroppedWithoutBufferAndNotCopiedOnFailure) {
  host.answer = [](const SentCommand& sent, TWordArg* result) {
    result->Value = 1234;
    return sent.id == 2 ? 5001 : 0;
  };
  TWordCommand dropped;
  dropped.Init(1, kArgInteger, nullptr, 4);
  EXPECT_EQ(dropped.Execute(), 0);

  std::int32_t value = 7;
  TWordCommand failing;
  failing.Init(2, kArgInteger, &value, sizeof value);
  EXPECT_EQ(failing.Execute(), 5001);
  EXPECT_EQ(value, 7);
}

TEST_F(WordApi, ArgumentPastTheLastSlotIsRefusedAndNothingIsSent) {
  TWordCommand cmd;
  cmd.InitDialog(433, 0, nullptr, 0, 2, 2);
  for (std::size_t i = 0; i < kMaxWordArgs; ++i) ASSERT_TRUE(cmd.AddFieldInt(3, 1)) << i;
  EXPECT_FALSE(cmd.AddInt(1));
  EXPECT_FALSE(cmd.AddString("x"));
  EXPECT_FALSE(cmd.AddFieldInt(3, 1));
  EXPECT_FALSE(cmd.AddFieldString(8, "x", 1));
  EXPECT_FALSE(cmd.SetFieldType(8, kArgString));
  EXPECT_EQ(cmd.ArgCount, 34);

  EXPECT_EQ(cmd.Execute(), 5015);
  EXPECT_TRUE(host.sent.empty());
  ASSERT_EQ(boxes->Shown().size(), 1u);
  EXPECT_EQ(boxes->Shown()[0].caption, "debug");
  EXPECT_EQ(boxes->Shown()[0].text, "WrdApi too many parameters passed to function");
}

TEST_F(WordApi, InitStartsAFreshBufferAfterARefusal) {
  TWordCommand cmd;
  cmd.Init(1, 0, nullptr, 0);
  for (std::size_t i = 0; i <= kMaxWordArgs; ++i) cmd.AddInt(1);
  cmd.Init(-32696, 0, nullptr, 0);
  cmd.AddInt(1);
  EXPECT_TRUE(cmd.Run());
  EXPECT_EQ(Describe(OnlyCommand()), std::vector<std::string>{"0x01 0 1"});
}

TEST_F(WordApi, NamesAreCutToTheirBuffers) {
  const std::string longName(60, 'n');
  const std::string longText(70, 't');
  const std::string fifty(50, 'n');
  AddWordCommand(1, longName, longText);
  AddWordMenu(1, longName, 2, 0);
  AddWordMenuItem(1, longName, longName, longText, 1, 0);
  ASSERT_EQ(host.sent.size(), 3u);
  EXPECT_EQ(*host.sent[0].args[1].text, fifty);
  EXPECT_EQ(*host.sent[0].args[2].text, std::string(50, 't'));
  EXPECT_EQ(*host.sent[1].args[0].text, fifty);
  EXPECT_EQ(host.sent[1].args[0].length, 50);
  for (int slot : {1, 2}) EXPECT_EQ(*host.sent[2].args[slot].text, fifty);
  EXPECT_EQ(*host.sent[2].args[3].text, std::string(50, 't'));
}

struct FailureCase {
  const char* name;
  std::function<bool()> send;  // true when the command reported success
  std::vector<std::string> captions;
};

TEST_F(WordApi, FailedCommandShowsItsErrorName) {
  host.answer = [](const SentCommand&, TWordArg*) { return 549; };
  const FailureCase cases[] = {
      {"run", [] { return RunWordCommand(-32529, 1); }, {"debug", "-32529"}},
      {"insert", [] { return InsertWordText("x"); }, {"debug", "-32750"}},
      {"menu", [] { return AddWordMenu(1, "Bible", 2, 0) == 0; }, {"debug"}},
      {"item", [] { return AddWordMenuItem(1, "Bible", "ixoInsert", "Insert", 1, 0) == 0; }, {"debug"}},
      {"register", [] { return AddWordCommand(1, "ixoInsert", "") == 0; }, {"debug"}},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    boxes->Clear();
    EXPECT_FALSE(c.send());
    std::vector<std::string> captions;
    for (const auto& box : boxes->Shown()) {
      captions.push_back(box.caption);
      EXPECT_EQ(box.kind, platform::DialogRequest::Kind::MessageBox);
      EXPECT_EQ(box.text, "MenuDoesntExist      ");
    }
    EXPECT_EQ(captions, c.captions);
  }
}

}  // namespace
}  // namespace wordaddin
