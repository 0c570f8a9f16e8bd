#pragma once
// The engine's book-name table as the book-name matcher reads it.

#include <span>
#include <string_view>

#include "publish/FindBookByName.h"

namespace publish {

// Books 1 to 66 in canonical order (the first entry is book 1).
std::span<const BookNameKey> EngineBookNames();

// FindBookByName over the engine's table.
int FindBookByName(std::string_view name);

}  // namespace publish
