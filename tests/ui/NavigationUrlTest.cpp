// The URLs the browsers open for the program's addresses: a local file by
// its path as it stands, whatever its folder names hold.

#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "ui/Browser.h"

namespace ui {
namespace {

// Folder names that a URL would otherwise read as a fragment, a query, an
// escape or a blank.
constexpr const char* kFolders[] = {"/home/u/Ixo#1/Html/", "/home/u/x%20y/Html/", "/home/u/why?/Html/",
                                    "/home/u/two words/Html/", "/home/u/v#v12/", "/home/u/plain/"};

TEST(NavigationUrl, AFileAddressOpensItsPathWithTheVerseAnchor) {
  for (const char* folder : kFolders) {
    const std::string page = std::string(folder) + "Bible/45/3.html";
    SCOPED_TRACE(page);
    const QUrl url = NavigationUrl(QString::fromStdString(platform::FileAddress(page, "#v16")));
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile().toStdString(), page);
    EXPECT_EQ(url.fragment(), "v16");

    const QUrl whole = NavigationUrl(QString::fromStdString(platform::FileAddress(page)));
    EXPECT_EQ(whole.toLocalFile().toStdString(), page);
    EXPECT_FALSE(whole.hasFragment());
  }
}

TEST(NavigationUrl, APlainPathIsAFileWithoutAFragment) {
  for (const char* folder : kFolders) {
    const std::string page = std::string(folder) + "temp/Page#v2.html";
    const QUrl url = NavigationUrl(QString::fromStdString(page));
    EXPECT_EQ(url.toLocalFile().toStdString(), page);
    EXPECT_FALSE(url.hasFragment()) << page;
  }
  // The anchor is split off a file address only, and only "#v" with digits.
  EXPECT_EQ(NavigationUrl("/a/3.html#v16").toLocalFile(), "/a/3.html#v16");
  EXPECT_EQ(NavigationUrl("file:///a/3.html#top").toLocalFile(), "/a/3.html#top");
  EXPECT_EQ(NavigationUrl("file:///a/3.html#v").toLocalFile(), "/a/3.html#v");
  EXPECT_EQ(NavigationUrl("file:///a/3.html#v1x").toLocalFile(), "/a/3.html#v1x");
}

TEST(NavigationUrl, OtherAddressesStandAsTheyAre) {
  EXPECT_EQ(NavigationUrl("http://127.0.0.1:1611/x.html#top"), QUrl("http://127.0.0.1:1611/x.html#top"));
  EXPECT_EQ(NavigationUrl("about:blank"), QUrl("about:blank"));
  EXPECT_EQ(NavigationUrl("file:relative.html"), QUrl("file:relative.html"));
  EXPECT_TRUE(NavigationUrl("").isEmpty());
}

TEST(NavigationUrl, TheAddressOfTheUrlIsTheAddressNavigated) {
  for (const char* folder : kFolders) {
    for (const char* anchor : {"", "#v7"}) {
      const QString address = QString::fromStdString(platform::FileAddress(std::string(folder) + "1.html", anchor));
      EXPECT_EQ(AddressOfUrl(NavigationUrl(address)), address);
    }
  }
  EXPECT_EQ(AddressOfUrl(QUrl("http://127.0.0.1:1611/x.html")), "http://127.0.0.1:1611/x.html");
}

}  // namespace
}  // namespace ui
