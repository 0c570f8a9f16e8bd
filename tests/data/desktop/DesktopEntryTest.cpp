#include "data/desktop/DesktopEntry.h"

#include <gtest/gtest.h>

#include "DesktopValidation.h"
#include "TempFolder.h"

namespace data {
namespace {

TEST(DesktopEntry, NamesTheProgramItsIconAndItsCategory) {
  const std::optional<std::string> entry = DesktopEntry("/home/reader/.local/lib/ixo/ixodesk.bin");
  ASSERT_TRUE(entry);
  EXPECT_TRUE(entry->starts_with("[Desktop Entry]\n"));
  for (const char* line : {"\nType=Application\n", "\nName=Ixo Bible\n", "\nIcon=ixo-bible\n",
                           "\nExec=/home/reader/.local/lib/ixo/ixodesk.bin\n", "\nCategories=Education;\n",
                           "\nTerminal=false\n"})
    EXPECT_NE(entry->find(line), std::string::npos) << line << " in\n" << *entry;
}

// A path with characters the Exec key reserves is quoted and escaped, and the
// entry still passes the validator.
TEST(DesktopEntry, ProgramPathsWithReservedCharactersAreQuoted) {
  const struct {
    const char* program;
    const char* exec;
  } cases[] = {
      {"ixodesk", "Exec=ixodesk\n"},
      {"/opt/Ixo Bible/ixodesk.bin", "Exec=\"/opt/Ixo Bible/ixodesk.bin\"\n"},
      {"/home/a$b/ixodesk.bin", "Exec=\"/home/a\\\\$b/ixodesk.bin\"\n"},
      {"/home/100%/ixodesk.bin", "Exec=/home/100%%/ixodesk.bin\n"},
      {"/home/q\"uote/ixodesk.bin", "Exec=\"/home/q\\\\\"uote/ixodesk.bin\"\n"},
      {"/home/back\\slash/ixodesk.bin", "Exec=\"/home/back\\\\\\\\slash/ixodesk.bin\"\n"},
  };
  testing_support::TempFolder folder;
  for (const auto& path : cases) {
    SCOPED_TRACE(path.program);
    const std::optional<std::string> entry = DesktopEntry(path.program);
    ASSERT_TRUE(entry);
    EXPECT_NE(entry->find(path.exec), std::string::npos) << *entry;
    const std::string file = folder.File("ixo-bible.desktop");
    ASSERT_TRUE(testing_support::WriteFileBytes(file, *entry));
    EXPECT_TRUE(DesktopFileValid(file));
  }
  EXPECT_FALSE(DesktopEntry("/home/two\nlines/ixodesk.bin"));
  EXPECT_FALSE(DesktopEntry(""));
}

}  // namespace
}  // namespace data
