// Work shared out among threads. A range in consecutive parts: part 0 on the caller's thread, each other part
// on a thread of its own, or on the caller's when no thread can be had; the first failure of any part is
// raised again once every part has ended.
#pragma once

#include <algorithm>
#include <cstdint>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace lx {

// How many parts `count` items make on up to `threads` threads, each part of at least `perPart` items
// (one part at least, 64 at most).
inline int32_t PartsFor(int64_t count, unsigned threads, int64_t perPart) {
  return static_cast<int32_t>(std::clamp<int64_t>(std::min<int64_t>(threads, count / perPart), 1, 64));
}

// Calls work(part, first, end) for each of `parts` consecutive parts of 0..count-1.
template <class Work>
void RunParts(int32_t parts, int64_t count, Work work) {
  std::exception_ptr failure;
  std::mutex failed;
  auto run = [&](int32_t part) {
    try {
      work(part, count * part / parts, count * (part + 1) / parts);
    } catch (...) {
      std::lock_guard lock(failed);
      if (!failure) failure = std::current_exception();
    }
  };
  std::vector<std::thread> running;
  for (int32_t part = 1; part < parts; ++part) {
    try {
      running.emplace_back(run, part);
    } catch (const std::system_error&) {
      run(part);
    }
  }
  run(0);
  for (std::thread& t : running) t.join();
  if (failure) std::rethrow_exception(failure);
}

// A thread running `work`, joined when it goes, or none (and `work` not done) when no thread can be had:
// for work that only saves time later.
template <class Work>
std::jthread StartThread(Work work) {
  try {
    return std::jthread(std::move(work));
  } catch (const std::system_error&) {
    return {};
  }
}

}  // namespace lx
