#include <gtest/gtest.h>

#include "ui/WebEngineSetup.h"

namespace ui {
namespace {

TEST(WebEngineSetup, RootRunsTheEngineWithoutItsSandboxOnce) {
  struct Case {
    QByteArray flags;
    bool root;
    QByteArray expected;
  };
  for (const Case& c :
       {Case{"", true, "--no-sandbox"}, Case{"--disable-gpu", true, "--disable-gpu --no-sandbox"},
        Case{"--no-sandbox --disable-gpu", true, "--no-sandbox --disable-gpu"},
        Case{"--no-sandboxing", true, "--no-sandboxing --no-sandbox"}, Case{"", false, ""},
        Case{"--disable-gpu", false, "--disable-gpu"}}) {
    SCOPED_TRACE(c.flags.toStdString());
    EXPECT_EQ(WebEngineFlags(c.flags, c.root), c.expected);
  }
}

}  // namespace
}  // namespace ui
