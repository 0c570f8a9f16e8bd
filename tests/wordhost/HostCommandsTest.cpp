#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wordhost/HostCommands.h"
#include "wordhost/HostDocument.h"
#include "wordhost/HostLog.h"
#include "wordhost/HostMenus.h"

namespace wordhost {
namespace {

namespace command = wordaddin::command;
constexpr std::int32_t kDocRef = 1;

TWordArg Int(std::int32_t value, std::uint16_t fieldId = 0) {
  return TWordArg{static_cast<std::uint32_t>(value), 0, std::uint16_t(fieldId ? 0x21 : 1), fieldId, 0};
}

TWordArg Str(const char* text, std::uint16_t fieldId = 0) {
  return TWordArg{reinterpret_cast<std::uintptr_t>(text), 0, std::uint16_t(fieldId ? 0x24 : 4), fieldId, 0};
}

class Host : public ::testing::Test {
 protected:
  HostDocument document;
  HostMenus menus;
  HostLog log;
  HostCommands commands{document, menus, log, kDocRef};

  Host() {
    commands.SetAddinExports([](std::string_view name) { return name == "ixoInsert"; });
  }

  std::int32_t Send(std::int32_t id, std::vector<TWordArg> args, TWordArg* result = nullptr) {
    return commands.Dispatch(id, 0, static_cast<std::int32_t>(args.size()), args.data(), result);
  }
};

TEST_F(Host, ChecksEveryCommandsArguments) {
  const std::string longest(255, 'a');
  const std::string tooLong(256, 'a');
  TWordArg highHalfSet = Int(1);
  highHalfSet.Value |= 0x100000000u;
  const struct {
    const char* name;
    std::int32_t id;
    std::vector<TWordArg> args;
    std::int32_t status;
  } cases[] = {
      {"unknown command", 12345, {Int(1)}, 5001},
      {"no argument", command::Bold, {}, 5004},
      {"one too many", command::Bold, {Int(1), Int(1)}, 5015},
      {"string for a number", command::Bold, {Str("1")}, 5020},
      {"number for a string", command::InsertText, {Int(1)}, 5021},
      {"unknown type", command::Bold, {TWordArg{1, 0, 2, 0, 0}}, 5008},
      {"integer with its high half set", command::Bold, {highHalfSet}, 5008},
      {"null string", command::InsertText, {Str(nullptr)}, 5034},
      {"string of 256", command::InsertText, {Str(tooLong.c_str())}, 5009},
      {"string of 255", command::InsertText, {Str(longest.c_str())}, 0},
      {"switch out of range", command::Italic, {Int(2)}, 5022},
      {"colour past the palette", command::Color, {Int(17)}, 5022},
      {"last colour", command::Color, {Int(16)}, 0},
      {"field for a plain command", command::Bold, {Int(1, 43)}, 5013},
      {"plain argument for a dialog", command::AddMenu, {Int(kDocRef)}, 5016},
      {"field not in the dialog", command::AddMenu, {Str("Bible", 8), Int(kDocRef, 3), Int(1, 99)}, 5016},
      {"string for a numeric field", command::AddMenu, {Str("Bible", 8), Str("2", 43), Int(kDocRef, 3)}, 5023},
      {"number for a string field", command::AddMenu, {Int(5, 8), Int(kDocRef, 3)}, 5024},
      {"menu without its name", command::AddMenu, {Int(2, 43), Int(kDocRef, 3)}, 5004},
      {"menu of another document", command::AddMenu, {Str("Bible", 8), Int(9, 3)}, 5032},
      {"command of another document", command::RegisterMacro, {Int(9), Str("ixoInsert")}, 5032},
      {"not a macro name", command::RegisterMacro, {Int(kDocRef), Str("ixo Insert")}, 536},
      {"macro the add-in lacks", command::RegisterMacro, {Int(kDocRef), Str("ixoMissing")}, 511},
      {"item of an unregistered macro", command::AddMenuItem,
       {Int(kDocRef, 3), Str("Edit", 7), Str("ixoInsert", 1), Str("Insert", 8)}, 511},
  };
  for (const auto& c : cases) {
    std::vector<TWordArg> args = c.args;
    EXPECT_EQ(Send(c.id, args), c.status) << c.name;
  }
}

TEST_F(Host, ChecksTheBlockAndTheResultSlot) {
  EXPECT_EQ(commands.Dispatch(command::Bold, 0, -1, nullptr, nullptr), 5004);
  EXPECT_EQ(commands.Dispatch(command::Bold, 0, 1, nullptr, nullptr), 5030);
  TWordArg wantsInteger{0, 0, 1, 0, 0};
  EXPECT_EQ(Send(command::InsertText, {Str("x")}, &wantsInteger), 5007);
  TWordArg wantsString{0, 0, 4, 0, 0};
  EXPECT_EQ(Send(command::AddMenu, {Str("Bible", 8), Int(kDocRef, 3)}, &wantsString), 5008);
  wantsInteger.Value = 99;
  EXPECT_EQ(Send(command::AddMenu, {Str("Bible", 8), Int(kDocRef, 3)}, &wantsInteger), 0);
  EXPECT_EQ(wantsInteger.Value, 0u);
}

TEST_F(Host, MenusAndItemsGoWhereTheySay) {
  ASSERT_EQ(Send(command::RegisterMacro, {Int(kDocRef), Str("ixoInsert"), Str("Inserts.")}), 0);
  ASSERT_EQ(Send(command::AddMenu, {Str("Bible", 8), Int(2, 43), Int(kDocRef, 3)}), 0);
  ASSERT_EQ(Send(command::AddMenu, {Str("bible", 8), Int(5, 43), Int(kDocRef, 3)}), 0);  // there already
  EXPECT_EQ(Send(command::AddMenuItem, {Int(kDocRef, 3), Str("Nowhere", 7), Str("ixoInsert", 1), Str("x", 8)}), 549);
  for (const int position : {1, 1, -1}) {  // the same item twice is kept once
    const char* text = position == 1 ? "First" : "Last";
    ASSERT_EQ(Send(command::AddMenuItem,
                   {Int(kDocRef, 3), Str("Bible", 7), Str("ixoInsert", 1), Str(text, 8), Int(position, 43)}),
              0);
  }
  ASSERT_EQ(Send(command::AddMenuItem,
                 {Int(kDocRef, 3), Str("Bible", 7), Str("ixoInsert", 1), Str("Second", 8), Int(2, 43)}),
            0);

  std::vector<std::string> bar;
  for (const Menu& menu : menus.Menus()) bar.push_back(menu.name);
  EXPECT_EQ(bar, (std::vector<std::string>{"File", "Bible", "Edit", "View", "Insert", "Format", "Tools", "Help"}));
  std::vector<std::string> items;
  for (const MenuItem& item : menus.Menus()[1].items) items.push_back(item.text + ":" + item.command);
  EXPECT_EQ(items, (std::vector<std::string>{"First:ixoInsert", "Second:ixoInsert", "Last:ixoInsert"}));
  ASSERT_EQ(commands.Registered().size(), 1u);
  EXPECT_EQ(commands.Registered()[0].description, "Inserts.");
}

TEST_F(Host, StyleCommandsSwitchTheInsertionPointsFormat) {
  Send(command::Bold, {Int(1)});
  Send(command::Superscript, {Int(1)});
  Send(command::Color, {Int(2)});
  Send(command::InsertText, {Str("3")});
  Send(command::Color, {Int(0)});
  Send(command::Superscript, {Int(0)});
  Send(command::Bold, {Int(0)});
  Send(command::Italic, {Int(1)});
  Send(command::InsertText, {Str("word")});
  const auto& runs = document.Paragraphs().at(0).runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, "3");
  EXPECT_EQ(runs[0].format, (CharacterFormat{true, false, true, 2}));
  EXPECT_EQ(runs[1].format, (CharacterFormat{false, true, false, 0}));
}

TEST_F(Host, FormModeAndScreenRefreshFollowTheAddin) {
  Send(command::FormMode, {Int(1)});
  Send(command::ScreenRefresh, {Int(0)});
  EXPECT_TRUE(commands.FormMode());
  EXPECT_FALSE(commands.ScreenRefresh());
  Send(command::FormMode, {Int(0)});
  Send(command::ScreenRefresh, {Int(1)});
  EXPECT_FALSE(commands.FormMode());
  EXPECT_TRUE(commands.ScreenRefresh());
}

TEST_F(Host, LogsEachCommandWithItsArgumentsAndAnswer) {
  std::vector<std::int32_t> changed;
  commands.SetChangeHandler([&changed](std::int32_t id) { changed.push_back(id); });
  commands.FailCommand(command::Italic, 5031);
  Send(command::InsertText, {Str("a \"b\"\n")});
  commands.Dispatch(command::AddMenu, 2, 2, std::vector<TWordArg>{Str("Bible", 8), Int(kDocRef, 3)}.data(),
                    nullptr);
  Send(command::Italic, {Int(1)});
  Send(777, {Int(1), Str(nullptr)});
  EXPECT_EQ(log.Text(),
            "command -32750 InsertText \"a \\\"b\\\"\\n\" -> 0\n"
            "command 615 AddMenu options=2 8=\"Bible\" 3=1 -> 0\n"
            "command -32695 Italic 1 -> 5031\n"
            "command 777 ? 1 null -> 5001\n");
  EXPECT_FALSE(document.Format().italic);  // a failed command does nothing
  EXPECT_EQ(changed, (std::vector<std::int32_t>{command::InsertText, command::AddMenu}));
}

}  // namespace
}  // namespace wordhost
