// Work shared out in parts among threads: every item done once, in consecutive parts, failures raised.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "lexcore/rtl/lx_parallel.h"

namespace {

using namespace lx;

TEST(Parts, EveryItemOnceInConsecutivePartsWithinTheLimits) {
  EXPECT_EQ(PartsFor(0, 8, 100), 1);
  EXPECT_EQ(PartsFor(99, 8, 100), 1);
  EXPECT_EQ(PartsFor(450, 8, 100), 4);
  EXPECT_EQ(PartsFor(1'000'000, 1, 100), 1);
  EXPECT_EQ(PartsFor(1'000'000, 500, 1), 64);
  for (int32_t parts : {1, 3, 7}) {
    const int64_t count = 1001;
    std::vector<std::atomic<int>> done(count);
    std::vector<std::pair<int64_t, int64_t>> ranges(static_cast<std::size_t>(parts));
    RunParts(parts, count, [&](int32_t part, int64_t first, int64_t end) {
      ranges[static_cast<std::size_t>(part)] = {first, end};
      for (int64_t i = first; i < end; ++i) ++done[static_cast<std::size_t>(i)];
    });
    for (const auto& d : done) ASSERT_EQ(d.load(), 1);
    EXPECT_EQ(ranges.front().first, 0);
    EXPECT_EQ(ranges.back().second, count);
    for (std::size_t p = 1; p < ranges.size(); ++p) EXPECT_EQ(ranges[p].first, ranges[p - 1].second);
  }
}

TEST(Parts, AFailingPartIsRaisedOnceTheOthersHaveEnded) {
  std::atomic<int> ended{0};
  EXPECT_THROW(RunParts(4, 400,
                        [&](int32_t part, int64_t, int64_t) {
                          if (part == 2) throw std::runtime_error("part 2");
                          ++ended;
                        }),
               std::runtime_error);
  EXPECT_EQ(ended.load(), 3);
}

TEST(Parts, AStartedThreadIsJoinedWhenItGoes) {
  std::atomic<bool> ran{false};
  {
    std::jthread t = StartThread([&] { ran = true; });
  }
  EXPECT_TRUE(ran.load());
}

}  // namespace
