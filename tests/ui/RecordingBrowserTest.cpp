#include <gtest/gtest.h>

#include "ui/RecordingBrowser.h"

namespace ui {
namespace {

TEST(RecordingBrowser, KeepsEveryAddressInOrderAndShowsTheLast) {
  QWidget panel;
  std::unique_ptr<Browser> browser = RecordingBrowser::Factory()(&panel);
  EXPECT_EQ(browser->parentWidget(), &panel);
  EXPECT_TRUE(browser->Address().isEmpty());

  browser->Navigate("/opt/ixo/ixodesk/Help/gospel.html");
  browser->Navigate("file:///home/reader/.local/share/Ixo/Html/Bible/45/3.html#v16");
  auto& recorder = static_cast<RecordingBrowser&>(*browser);
  EXPECT_EQ(recorder.Addresses(),
            QStringList({"/opt/ixo/ixodesk/Help/gospel.html",
                         "file:///home/reader/.local/share/Ixo/Html/Bible/45/3.html#v16"}));
  EXPECT_EQ(browser->Address(), "file:///home/reader/.local/share/Ixo/Html/Bible/45/3.html#v16");
  recorder.Clear();
  EXPECT_TRUE(recorder.Addresses().isEmpty());
}

}  // namespace
}  // namespace ui
