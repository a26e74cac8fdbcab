// A concordance job as a tool runs it: read each file, decode it to UTF-16, build its character-class array,
// and find every hit of each search word. Prints the time of each phase, the hit counts and characters per
// second.
//
//   concordance_job FILE...
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/wanted_matcher.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/WinGenOk.h"

using namespace lx;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

struct Text {
  std::u16string chars;
  std::vector<uint16_t> classes;
};

// A byte-order mark decides UTF-16 or UTF-8; otherwise valid UTF-8 is UTF-8, and anything else is code page
// 1252.
std::u16string Decode(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE)
    return std::u16string(reinterpret_cast<const char16_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  std::string_view body(bytes);
  if (IsUTF8SignatureA(bytes.c_str())) body.remove_prefix(3);
  bool plain = true;
  const uint32_t cp = CheckedUTF(body, plain) ? CP_UTF8 : 1252;
  std::u16string out(body.size(), u'\0');
  const int n = MultiByteToWideChar(cp, 0, body.data(), static_cast<int>(body.size()), out.data(),
                                    static_cast<int>(out.size()));
  out.resize(n > 0 ? n : 0);
  return out;
}

struct Pattern {
  const char* label;
  std::u16string lower;
  bool left, right;
};

Pattern Make(const char* label, std::u16string lower, bool left, bool right) {
  return {label, lower, left, right};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: concordance_job FILE...\n");
    return 2;
  }
  std::vector<std::string> raw;
  const auto t0 = Clock::now();
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    raw.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const auto t1 = Clock::now();
  std::vector<Text> texts(raw.size());
  std::size_t totalChars = 0, totalBytes = 0;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    texts[i].chars = Decode(raw[i]);
    totalChars += texts[i].chars.size();
    totalBytes += raw[i].size();
  }
  const auto t2 = Clock::now();
  for (auto& t : texts) {
    t.classes.assign(t.chars.size() + 2, 0x0248);  // spare slots read as a space
    GetStringTypeExNT2000(true, 0x0409, CT_CTYPE1, t.classes.data(), static_cast<int>(t.chars.size()),
                          t.chars.data());
  }
  const auto t3 = Clock::now();
  const double readS = Seconds(t0, t1), decodeS = Seconds(t1, t2), classS = Seconds(t2, t3);
  std::printf("files %zu, %.1f MB, %zu characters\n", texts.size(), totalBytes / 1e6, totalChars);
  std::printf("read      %8.3f s\ndecode    %8.3f s  %7.1f Mchar/s\nclasses   %8.3f s  %7.1f Mchar/s\n",
              readS, decodeS, totalChars / decodeS / 1e6, classS, totalChars / classS / 1e6);

  const std::vector<Pattern> patterns = {Make("the", u"the", true, true),
                                         Make("inexplicable", u"inexplicable", true, true),
                                         Make("the*", u"the", true, false), Make("*ing", u"ing", false, true),
                                         Make("big * of", u"big \x1A of", true, true)};
  for (const auto& p : patterns) {
    std::u16string upper = p.lower, title = p.lower;
    for (auto& c : upper) c = InvariantUpCase(c);
    if (!title.empty()) title[0] = upper[0];
    TWantedPattern wp{p.lower.data(), upper.data(), title.data(), static_cast<int32_t>(p.lower.size()),
                      false,          p.left,       p.right,      false};
    long hits = 0;
    const auto s0 = Clock::now();
    for (const auto& t : texts) {
      TWantedBuffer b{t.chars.data(), static_cast<int64_t>(t.chars.size()), t.classes.data(), true};
      TWantedMatchMemo memo;
      memo.Reset();
      TSearchStatsRec stats{};
      bool inHeading = false;
      for (int64_t from = 0;;) {
        const TWantedHit h = FindWanted(b, from, wp, stats, inHeading, {}, memo);
        if (h.start < 0) break;
        ++hits;
        from = h.start + 1;
      }
    }
    const double scanS = Seconds(s0, Clock::now());
    std::printf("search %-14s hits %9ld  scan %7.3f s %7.1f Mchar/s  job %7.3f s\n", p.label, hits, scanS,
                totalChars / scanS / 1e6, readS + decodeS + classS + scanS);
  }
  return 0;
}
