#include "tools/lexmill/lexmill_hugepages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace lx {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// The allocator keeps blocks up to its largest threshold in the heap; bigger ones get mappings of their own.
constexpr std::size_t kHeapBlocksUpTo = std::size_t{32} << 20;
// The stretch of the main heap made ready at the start: the heap can only be asked for huge pages where it
// is already mapped, and address space costs nothing until it is used.
constexpr std::size_t kMainHeapReserve = std::size_t{256} << 20;

std::uintptr_t AlignUp(std::uintptr_t v) {
  return (v + kHugePage - 1) & ~(kHugePage - 1);
}

void Advise(std::uintptr_t from, std::uintptr_t to) {
  from = AlignUp(from);
  if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

// The anonymous mapping that holds address a, with the anonymous mapping right after it (the reserve a
// thread's heap grows into): [from, to). False when a lies in a named mapping ("[heap]" included) or nowhere.
bool AnonymousMappingAround(std::uintptr_t a, std::uintptr_t& from, std::uintptr_t& to) {
  FILE* maps = std::fopen("/proc/self/maps", "re");
  if (maps == nullptr) return false;
  char line[4096 + 128];
  bool found = false;
  while (std::fgets(line, sizeof line, maps) != nullptr) {
    unsigned long lo, hi, offset, inode;
    char perms[8], device[16];
    int name = 0;
    if (std::sscanf(line, "%lx-%lx %7s %lx %15s %lu %n", &lo, &hi, perms, &offset, device, &inode, &name) < 6)
      continue;
    const bool anonymous = inode == 0 && (line[name] == '\0' || line[name] == '\n');
    if (!found) {
      if (a < lo || a >= hi) continue;
      if (!anonymous) break;
      from = lo;
      to = hi;
      found = true;
      continue;
    }
    if (lo == to && anonymous) to = hi;
    break;
  }
  std::fclose(maps);
  return found;
}

}  // namespace

void PreferHugePagesForHeap() {
  // Blocks up to the largest threshold stay in the heap, and what is freed is not handed back below the
  // reserve, so the heap keeps the stretch asked for here. Growing the heap once by the reserve maps it.
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(kHeapBlocksUpTo));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kMainHeapReserve));
  mallopt(M_TOP_PAD, static_cast<int>(kMainHeapReserve - kHeapBlocksUpTo));
  const std::size_t size = kHeapBlocksUpTo - 4096;
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void* block = std::malloc(size);
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  // Only a heap that grew for the block holds it (from the free space at its old top on); an allocator
  // without such a heap leaves the break alone.
  const auto at = reinterpret_cast<std::uintptr_t>(block);
  if (block != nullptr && at + size > before && at + size <= after) Advise(at, after);
  std::free(block);
  mallopt(M_TOP_PAD, 128 << 10);
}

void PreferHugePagesForThisThread() {
  // A thread's heap is a mapping of its own that the allocator opens up page by page as it grows, and a
  // huge page needs its whole 2 MB open: a block of the largest size the heap keeps (as set for the main
  // heap) opens it up at once, and what is freed is not closed again below the trim threshold.
  const std::size_t size = kHeapBlocksUpTo - 4096;
  void* block = std::malloc(size);
  std::uintptr_t from = 0, to = 0;
  if (block != nullptr && AnonymousMappingAround(reinterpret_cast<std::uintptr_t>(block), from, to))
    Advise(from, to);
  std::free(block);
}

void* MapHugePages(std::size_t bytes) {
  const std::size_t size = AlignUp(bytes);
  if (size < bytes || size > SIZE_MAX - kHugePage) throw std::bad_alloc();
  // Map a page more than needed and give back what lies outside the aligned part: the kernel backs only
  // aligned 2 MB stretches with huge pages.
  void* mapped = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = AlignUp(start);
  if (aligned > start) munmap(mapped, aligned - start);
  const std::size_t tail = start + size + kHugePage - (aligned + size);
  if (tail > 0) munmap(reinterpret_cast<void*>(aligned + size), tail);
  void* p = reinterpret_cast<void*>(aligned);
  Advise(aligned, aligned + size);
  return p;
}

void UnmapHugePages(void* p, std::size_t bytes) {
  munmap(p, AlignUp(bytes));
}

}  // namespace lx
