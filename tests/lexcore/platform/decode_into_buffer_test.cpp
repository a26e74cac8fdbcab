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
      // Two-, three- and four-byte characters among runs of ASCII longer and shorter than eight bytes.
      "na\xC3\xAFve caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \xF0\x9F\x98\x80 \xF0\x90\x90\x80x "
      "\xF4\x8F\xBF\xBF \xEF\xBF\xBD \xC2\x80 more plain text after them",
      // Ill-formed: overlong forms, a surrogate, beyond U+10FFFF, a lone continuation, a cut sequence at the
      // end, each after well-formed characters, and well-formed ones after them.
      "\xC3\xA9 \xC0\xAF \xE0\x80\xAF \xF0\x80\x80\xAF \xC3\xA9",
      "\xE2\x80\x99 \xED\xA0\x80 \xF4\x90\x80\x80 \xBF \xC3\xA9 \xF0\x9F\x98",
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
  // A character after every length of plain run up to two blocks of sixteen, and a bad byte.
  for (std::size_t run = 0; run <= 34; ++run) {
    const std::string plain(run, 'a');
    EXPECT_EQ(BothWays(CP_UTF8, 0, plain + "\xC3\xA9" + plain, general), general) << run;
    EXPECT_EQ(general, std::u16string(run, u'a') + u"\u00E9" + std::u16string(run, u'a'));
    EXPECT_EQ(BothWays(CP_UTF8, 0, plain + "\xFF" + plain, general), general) << run;
  }
}

// The well-formed start of the bytes, and where it ends: the first byte that begins no well-formed sequence,
// after plain runs of every length around the sixteen-byte blocks.
TEST(DecodeIntoBuffer, WellFormedUtf8StopsAtTheFirstBadSequence) {
  const std::string good = "a\xC3\xA9\xE2\x80\x9C\xF0\x9F\x98\x80z";  // 1 + 2 + 3 + 4 + 1 bytes, 6 units
  const std::u16string goodUnits = u"a\u00E9\u201C\U0001F600z";
  for (const std::string bad :
       {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xBF", "\xF0\x9F\x98"}) {
    for (std::size_t run : {0u, 7u, 15u, 16u, 17u, 33u}) {
      const std::string bytes = std::string(run, 'p') + good + bad + "tail";
      std::u16string out(bytes.size(), u'\0');
      std::size_t units = 99;
      EXPECT_EQ(DecodeWellFormedUTF8(bytes.data(), bytes.size(), out.data(), units), run + good.size())
          << run;
      ASSERT_EQ(units, run + goodUnits.size());
      EXPECT_EQ(out.substr(0, units), std::u16string(run, u'p') + goodUnits);
    }
  }
  std::u16string out(40, u'\0');
  std::size_t units = 99;
  const std::string whole = std::string(20, 'x') + good;
  EXPECT_EQ(DecodeWellFormedUTF8(whole.data(), whole.size(), out.data(), units), whole.size());
  EXPECT_EQ(units, 20 + goodUnits.size());
  EXPECT_EQ(DecodeWellFormedUTF8("", 0, out.data(), units), 0u);
  EXPECT_EQ(units, 0u);
}
