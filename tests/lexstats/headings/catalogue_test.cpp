// The caption catalogue: hints sit 32768 above their captions, and only the standard columns are in it.
#include <gtest/gtest.h>

#include <set>

#include "lexstats/headings/Base_headingsu.h"
#include "lexstats/headings/base_heading_consts.h"

namespace {

using namespace lx;

TEST(HeadingCatalogue, CaptionsHintsAndUnknownNumbers) {
  EXPECT_EQ(WideHStringFromN(102), u"Freq.");
  EXPECT_EQ(WideHStringFromN(102 + 32768), u"frequency");
  EXPECT_EQ(WideHStringFromN(100 + 32768), u"");  // column N has no hint
  EXPECT_EQ(WideHStringFromN(2077), u"50-letter words");
  EXPECT_EQ(WideHStringFromN(3508 + 32768), u"user-defined class");
  for (int32_t n : {0, 99, 109, 1700, 2078, 32768, -1, 99999}) EXPECT_EQ(WideHStringFromN(n), u"") << n;
}

TEST(HeadingCatalogue, HoldsExactlyTheStandardColumns) {
  std::set<int32_t> numbers;
  for (int kind = 0; kind < kListKindCount; ++kind) {
    const auto base = BaseHeadingsOfKind(static_cast<TLexmillList>(kind));
    if (!base.empty()) {
      EXPECT_EQ(static_cast<int32_t>(base.size()), OfficialStandardNOfHeaders[kind]) << kind;
    }
    for (const auto& h : base) numbers.insert(h.localization_number);
  }
  EXPECT_EQ(numbers.size(), 255u);
  int32_t found = 0;
  for (int32_t n = 0; n < 4000; ++n) {
    if (WideHStringFromN(n).empty()) continue;
    ++found;
    EXPECT_TRUE(numbers.count(n)) << n;
  }
  EXPECT_EQ(found, 255);
}

}  // namespace
