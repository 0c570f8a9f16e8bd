#pragma once
// What the library knows of the views it handed out, for its own classes.

#include <cstddef>
#include <optional>

namespace ixo {

// The size in bytes of the library's word-list view when data is its start;
// nothing for any other address (a copy of the caller's own).
std::optional<std::size_t> EnglishViewSize(const void* data);

}  // namespace ixo
