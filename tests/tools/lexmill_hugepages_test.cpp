// The command's memory in huge pages: buffers keep their contents as they grow across the size where they
// move to mappings of their own, and the heaps and big buffers carry the kernel's huge-page advice.
#include "tools/lexmill/lexmill_hugepages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <thread>

namespace {

using lx::THugeVector;

// Whether the mapping that holds p is advised to use huge pages ("hg" among its VmFlags).
bool AdvisedHuge(const void* p) {
  FILE* smaps = std::fopen("/proc/self/smaps", "re");
  if (smaps == nullptr) return false;
  const auto a = reinterpret_cast<std::uintptr_t>(p);
  char line[4096 + 128];
  bool inside = false, advised = false;
  while (std::fgets(line, sizeof line, smaps) != nullptr) {
    unsigned long lo, hi;
    char dash;
    if (std::sscanf(line, "%lx%c%lx ", &lo, &dash, &hi) == 3 && dash == '-') {
      if (inside) break;
      inside = a >= lo && a < hi;
    } else if (inside && std::strncmp(line, "VmFlags:", 8) == 0) {
      advised = std::strstr(line, " hg") != nullptr;
    }
  }
  std::fclose(smaps);
  return advised;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kOwnAllocator = false;  // the sanitizer's allocator has no heap of the usual kind
#else
constexpr bool kOwnAllocator = true;
#endif

TEST(LexmillHugePages, BuffersKeepTheirContentsAcrossEveryMove) {
  // From the heap to a mapping of its own, then to a bigger mapping, then back below the size.
  THugeVector<uint32_t> v;
  for (const std::size_t n : {std::size_t{1000}, lx::kHugePageFrom / 4 + 1, std::size_t{3} << 20}) {
    const std::size_t had = v.size();
    v.resize(n);
    for (std::size_t i = had; i < n; ++i) EXPECT_EQ(v[i], 0u) << "grown to " << n;
    std::iota(v.begin() + static_cast<std::ptrdiff_t>(had), v.end(), static_cast<uint32_t>(had));
    for (std::size_t i = 0; i < n; i += 4099) ASSERT_EQ(v[i], i) << "grown to " << n;
  }
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(v.data()) % (std::size_t{2} << 20), 0u);
  EXPECT_TRUE(AdvisedHuge(v.data()));
  v.resize(10);
  v.shrink_to_fit();
  EXPECT_EQ(v[9], 9u);
  THugeVector<uint32_t> copy(v);
  EXPECT_EQ(copy, v);
}

TEST(LexmillHugePages, AnImpossibleSizeIsRefusedNotWrapped) {
  EXPECT_THROW(lx::MapHugePages(SIZE_MAX - 4096), std::bad_alloc);
  EXPECT_THROW(lx::MapHugePages(std::size_t{1} << 62), std::bad_alloc);
  THugeVector<uint64_t> v;
  EXPECT_THROW(v.resize(std::size_t{1} << 61), std::length_error);
}

TEST(LexmillHugePages, HeapsAreAdvisedAndStillServeEverySize) {
  lx::PreferHugePagesForHeap();
  void* block = std::malloc(std::size_t{4} << 20);
  ASSERT_NE(block, nullptr);
  std::memset(block, 1, std::size_t{4} << 20);
  if (kOwnAllocator) {
    EXPECT_TRUE(AdvisedHuge(static_cast<char*>(block) + (std::size_t{3} << 20)));  // past the first 2 MB
  }
  std::free(block);

  bool advised = false, served = true;
  std::thread worker([&] {
    lx::PreferHugePagesForThisThread();
    for (std::size_t size = 16; size <= (std::size_t{8} << 20); size *= 4) {
      char* p = static_cast<char*>(std::malloc(size));
      if (p == nullptr) {
        served = false;
        continue;
      }
      std::memset(p, 2, size);
      served = served && p[size - 1] == 2;
      if (size == 1024) advised = AdvisedHuge(p);
      std::free(p);
    }
  });
  worker.join();
  EXPECT_TRUE(served);
  if (kOwnAllocator) {
    EXPECT_TRUE(advised);
  }
}

}  // namespace
