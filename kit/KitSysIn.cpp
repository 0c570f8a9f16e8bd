#include "KitSysIn.h"

#include <QGuiApplication>
#include <QScreen>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace kit {

namespace {

// The first three numbers of the kernel release; zeros when unknown.
std::array<std::uint32_t, 3> ReleaseNumbers() {
  std::array<std::uint32_t, 3> numbers{};
  utsname name{};
  if (uname(&name) != 0) return numbers;
  const char* p = name.release;
  for (auto& number : numbers) {
    char* end = nullptr;
    number = static_cast<std::uint32_t>(std::strtoul(p, &end, 10));
    if (end == p || *end != '.') break;
    p = end + 1;
  }
  return numbers;
}

}  // namespace

std::uint8_t ColorDepth() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return 0;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? 0 : static_cast<std::uint8_t>(screen->depth());
}

std::uint32_t OsMajorVersion() { return ReleaseNumbers()[0]; }

std::uint32_t OsMinorVersion() { return ReleaseNumbers()[1]; }

std::uint32_t OsVersionField(int index) {
  const auto numbers = ReleaseNumbers();
  switch (index) {
    case 0:
    case 1:
      return numbers[static_cast<std::size_t>(index)];
    case 2:
      return 2;
    case 3:
      return numbers[2];
    case 7:
      return 1;
    default:
      return 0;
  }
}

std::string CurrentUserName() {
  constexpr std::size_t kLongest = 63;
  passwd entry{};
  passwd* found = nullptr;
  std::vector<char> buffer(16384);
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_name != nullptr) {
    std::string name = found->pw_name;
    if (!name.empty() && name.size() <= kLongest) return name;
  }
  return "(Unknown)";
}

}  // namespace kit
