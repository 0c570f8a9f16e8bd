// Path prefixes, system information and rectangle fitting.

#include <gtest/gtest.h>

#include "kit/KitGeometry.h"
#include "kit/KitPaths.h"
#include "kit/KitSysIn.h"
#include "platform/ShellFolders.h"
#include "support/ScopedEnvironment.h"

namespace {

using kit::TKitPathPrefix;

TEST(PathPrefix, FixedIsEmptyAndTheOthersFollowSlash) {
  EXPECT_EQ(kit::MakePathPrefix(TKitPathPrefix::ppFixed, true), "");
  EXPECT_EQ(kit::MakePathPrefix(TKitPathPrefix::ppFixed, false), "");

  EXPECT_EQ(kit::MakePathPrefix(TKitPathPrefix::ppProgram, true), platform::ProgramFolder() + "/");
  EXPECT_EQ(kit::MakePathPrefix(TKitPathPrefix::ppProgram, false), platform::ProgramFolder());
  EXPECT_EQ(kit::ProgramFolder(), platform::ProgramFolder() + "/");
  EXPECT_EQ(kit::MakePathPrefix(TKitPathPrefix::ppSystem, true), "/usr/lib/");

  testing_support::ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/kit-config/");
  EXPECT_EQ(kit::MakePathPrefix(TKitPathPrefix::ppWindows, false), "/tmp/kit-config");
  EXPECT_EQ(kit::MakePathPrefix(TKitPathPrefix::ppWindows, true), "/tmp/kit-config/");
}

TEST(SystemInformation, AnswersForThisSystem) {
  EXPECT_FALSE(kit::CurrentUserName().empty());
  EXPECT_EQ(kit::OsVersionField(0), kit::OsMajorVersion());
  EXPECT_EQ(kit::OsVersionField(1), kit::OsMinorVersion());
  EXPECT_GE(kit::OsMajorVersion(), 1u);
  EXPECT_EQ(kit::OsVersionField(2), 2u);
  EXPECT_EQ(kit::OsVersionField(6), 0u);
  EXPECT_EQ(kit::OsVersionField(7), 1u);
  EXPECT_EQ(kit::OsVersionField(8), 0u);
  EXPECT_EQ(kit::OsVersionField(-1), 0u);
}

TEST(Geometry, FitKeepsTheAspectAtTheTopLeftCorner) {
  const struct {
    QSize source;
    QRect target, fitted;
  } cases[] = {
      {{16, 8}, {10, 20, 32, 32}, {10, 20, 32, 16}},
      {{8, 16}, {0, 0, 32, 32}, {0, 0, 16, 32}},
      {{3, 3}, {0, 0, 10, 20}, {0, 0, 10, 10}},
      {{30, 20}, {5, 5, 10, 10}, {5, 5, 10, 7}},  // 6.67 rounds to 7
      {{0, 5}, {1, 2, 10, 10}, {1, 2, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(kit::FitRect(c.source, c.target), c.fitted);

  const double values[] = {3.5, -1.25, 2};
  EXPECT_EQ(kit::MinValue(values), -1.25);
  EXPECT_EQ(kit::MinValue({}), 0);
}

}  // namespace
