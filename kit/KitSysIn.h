#pragma once
// What the kit asks about the system: the display's colour depth, the version
// of the operating system (the kernel release here: "6.1.0-..." is 6.1) and
// the user's name.

#include <cstdint>
#include <string>

namespace kit {

// Bits per pixel of the primary screen, as one byte; 0 without a screen.
std::uint8_t ColorDepth();

std::uint32_t OsMajorVersion();
std::uint32_t OsMinorVersion();

// A field of the version record by index: 0 major, 1 minor, 2 platform (2,
// the platform family of this system), 3 build (the third number of the
// release), 4 and 5 service pack (0), 6 suite mask (0), 7 product type (1, a
// workstation); 0 for another index or when the system does not answer.
std::uint32_t OsVersionField(int index);

// The user's login name; "(Unknown)" when the system cannot give one that
// fits in 63 characters.
std::string CurrentUserName();

}  // namespace kit
