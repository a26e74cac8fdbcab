#include <gtest/gtest.h>

#include <string>

#include "lexcore/platform/win_platform.h"

using namespace lx;

namespace {
// Decodes once into an ample buffer (the direct route) and once through a size query (the general route).
std::u16string BothWays(uint32_t cp, uint32_t flags, const std::string& bytes, std::u16string& general) {
  const int needed = MultiByteToWideChar(cp, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  general.assign(static_cast<std::size_t>(needed), u'\0');
  MultiByteToWideChar(cp, flags, bytes.data(), static_cast<int>(bytes.size()), general.data(), needed);
  std::u16string direct(bytes.size() + 4, u'\0');
  const int n = MultiByteToWideChar(cp, flags, bytes.data(), static_cast<int>(bytes.size()), direct.data(),
                                    static_cast<int>(direct.size()));
  direct.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return direct;
}
}  // namespace

TEST(DecodeIntoBuffer, DirectRouteAgreesWithTheGeneralOne) {
  const std::string samples[] = {
      "plain ASCII only",
      "cafe\xCC\x81 after plain text",      // e + combining acute: composes across the plain run's end
      "abc\x80\xC3 broken \xE2\x82 UTF-8",  // malformed sequences after a plain run
      "\xEF\xBB\xBF"
      "signed",
      "",
  };
  for (const auto& bytes : samples) {
    for (uint32_t flags : {0u, MB_PRECOMPOSED}) {
      std::u16string general;
      EXPECT_EQ(BothWays(CP_UTF8, flags, bytes, general), general) << bytes;
      EXPECT_EQ(BothWays(1252, flags, bytes, general), general) << bytes;
    }
  }
  std::u16string general;
  EXPECT_EQ(BothWays(CP_UTF8, MB_PRECOMPOSED, "cafe\xCC\x81", general), u"caf\u00E9");
}
