#include "HugePages.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace platform {
namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;
// From this size on an array is worth huge pages of its own.
constexpr std::size_t LargeArray = HugePage / 2;

}  // namespace

void* AllocateHugePages(std::size_t bytes) {
  void* memory = nullptr;
  if (bytes >= LargeArray) {
    const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    memory = std::aligned_alloc(HugePage, rounded);
    // Only advice: without huge pages the memory is ordinary.
    if (memory) ::madvise(memory, rounded, MADV_HUGEPAGE);
  } else {
    memory = std::malloc(bytes == 0 ? 1 : bytes);
  }
  if (!memory) throw std::bad_alloc();
  return memory;
}

void FreeHugePages(void* memory) noexcept { std::free(memory); }

}  // namespace platform
