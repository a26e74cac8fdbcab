// A stable merge sort that stays inside its buffers whatever the comparison answers, for the lists that sort
// with caller-supplied comparisons (an inconsistent one gives some order, never a stray access).
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace lx {

template <typename T, typename Less>
void StableMergeSort(std::vector<T>& v, Less less) {
  const std::size_t n = v.size();
  if (n < 2) return;
  constexpr std::size_t kRun = 16;
  for (std::size_t lo = 0; lo < n; lo += kRun) {
    const std::size_t hi = std::min(lo + kRun, n);
    for (std::size_t i = lo + 1; i < hi; ++i) {
      T x = std::move(v[i]);
      std::size_t j = i;
      while (j > lo && less(x, v[j - 1])) {
        v[j] = std::move(v[j - 1]);
        --j;
      }
      v[j] = std::move(x);
    }
  }
  if (n <= kRun) return;
  std::vector<T> buf(n);
  for (std::size_t width = kRun; width < n; width *= 2) {
    for (std::size_t lo = 0; lo < n; lo += 2 * width) {
      const std::size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
      std::size_t i = lo, j = mid, k = lo;
      while (i < mid && j < hi) buf[k++] = less(v[j], v[i]) ? std::move(v[j++]) : std::move(v[i++]);
      while (i < mid) buf[k++] = std::move(v[i++]);
      while (j < hi) buf[k++] = std::move(v[j++]);
    }
    v.swap(buf);
  }
}

}  // namespace lx
