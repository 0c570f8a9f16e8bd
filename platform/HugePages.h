#pragma once
// Memory for large arrays that are filled once and then read, such as the
// index of the text: where the system offers huge pages, an array of
// megabytes is backed by them, so that filling it takes a few page faults
// instead of one per 4 KB page. Small arrays come from the ordinary heap.

#include <cstddef>
#include <new>
#include <utility>

namespace platform {

// At least bytes of memory, released by FreeHugePages; throws std::bad_alloc
// when there is none.
void* AllocateHugePages(std::size_t bytes);
void FreeHugePages(void* memory) noexcept;

// The allocator of such arrays, for the standard containers. An element
// made without a value is left uninitialised (as a plain array's is), so that
// an array sized to be filled is not first cleared.
template <typename T>
struct HugePageAllocator {
  using value_type = T;

  HugePageAllocator() = default;
  template <typename U>
  explicit HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) { return static_cast<T*>(AllocateHugePages(n * sizeof(T))); }
  void deallocate(T* memory, std::size_t) noexcept { FreeHugePages(memory); }
  template <typename U, typename... Args>
  void construct(U* at, Args&&... args) {
    if constexpr (sizeof...(Args) == 0)
      ::new (static_cast<void*>(at)) U;
    else
      ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }
  bool operator==(const HugePageAllocator&) const = default;
};

}  // namespace platform
