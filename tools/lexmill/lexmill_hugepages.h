// Memory in huge pages. Fresh memory costs a page fault every 4 KB: a word list of a 50 MB corpus took six
// thousand of them, a tenth of its time, and a text of hundreds of megabytes half a million. The kernel
// here backs memory with 2 MB pages only where asked to, so the command asks for its heaps and for its
// biggest buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace lx {

// The heap of the thread that calls it: the main heap from main(), before anything big is allocated, and
// then a worker's own heap from the worker's first steps. Only a wish: where the system or the allocator will
// not have it (a sanitizer's allocator, say), memory is as good without.
void PreferHugePagesForHeap();
void PreferHugePagesForThisThread();

// Buffers of a text's size, which may outgrow any heap: from 1 MB on, mapped in whole huge pages.
constexpr std::size_t kHugePageFrom = std::size_t{1} << 20;

// bytes >= kHugePageFrom: a mapping aligned to and rounded up to 2 MB; throws std::bad_alloc when the system
// has none to give.
void* MapHugePages(std::size_t bytes);
void UnmapHugePages(void* p, std::size_t bytes);

template <class T>
struct THugePageAllocator {
  using value_type = T;
  THugePageAllocator() noexcept = default;
  template <class U>
  THugePageAllocator(const THugePageAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > SIZE_MAX / sizeof(T)) throw std::bad_array_new_length();
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kHugePageFrom) return std::allocator<T>().allocate(n);
    return static_cast<T*>(MapHugePages(bytes));
  }
  void deallocate(T* p, std::size_t n) noexcept {
    if (n * sizeof(T) < kHugePageFrom) return std::allocator<T>().deallocate(p, n);
    UnmapHugePages(p, n * sizeof(T));
  }
  template <class U>
  bool operator==(const THugePageAllocator<U>&) const noexcept {
    return true;
  }
};

template <class T>
using THugeVector = std::vector<T, THugePageAllocator<T>>;
// A text's UTF-16 units.
using TTextUnits = THugeVector<char16_t>;

}  // namespace lx
