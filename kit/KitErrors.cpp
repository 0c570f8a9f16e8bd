#include "KitErrors.h"

namespace kit {

std::string ListIndexMessage(long long index) {
  return "List index out of bounds (" + std::to_string(index) + ")";
}

std::string CannotOpenFileMessage(std::string_view fileName) {
  return "Cannot open file " + std::string(fileName);
}

}  // namespace kit
