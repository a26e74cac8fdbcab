// Throughput of the class-array fill, the UTF-8 check and text measuring, each against a plain per-character
// ICU loop doing the same job, with the ratios printed after the run.
#include <benchmark/benchmark.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/ui/lx_fontmetrics.h"

namespace {

std::string ReadCorpus(const char* relative) {
  std::ifstream in(std::string(LX_CORPUS_DIR) + "/" + relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::vector<std::string>& EnglishTexts() {
  static const std::vector<std::string> texts = {ReadCorpus("en/austen-pride-and-prejudice.txt"),
                                                 ReadCorpus("en/doyle-sherlock-holmes.bom-crlf.txt"),
                                                 ReadCorpus("en/newton-opticks.txt")};
  return texts;
}

const std::u16string& EnglishWide() {
  static const std::u16string wide = [] {
    std::u16string all;
    for (const auto& t : EnglishTexts()) all += lx::UTF8ToUTF16(t);
    return all;
  }();
  return wide;
}

void BM_ClassArrayFill(benchmark::State& state) {
  const std::u16string& text = EnglishWide();
  std::vector<uint16_t> cls(text.size() + 2);
  for (auto _ : state) {
    lx::GetStringTypeExNT2000(true, 0x0409, lx::CT_CTYPE1, cls.data(), static_cast<int>(text.size()),
                              text.data());
    benchmark::DoNotOptimize(cls.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// The same flags asked of ICU one character at a time.
uint16_t IcuCharType(UChar32 c) {
  uint16_t f = 0;
  if (u_isupper(c)) f |= lx::C1_UPPER;
  if (u_islower(c)) f |= lx::C1_LOWER;
  if (u_isdigit(c)) f |= lx::C1_DIGIT;
  if (u_isspace(c)) f |= lx::C1_SPACE;
  if (u_ispunct(c)) f |= lx::C1_PUNCT;
  if (u_iscntrl(c)) f |= lx::C1_CNTRL;
  if (u_isblank(c)) f |= lx::C1_BLANK;
  if (u_isxdigit(c)) f |= lx::C1_XDIGIT;
  if (u_isalpha(c)) f |= lx::C1_ALPHA;
  if (u_isdefined(c)) f |= lx::C1_DEFINED;
  return f;
}

void BM_ClassArrayIcuPerChar(benchmark::State& state) {
  const std::u16string& text = EnglishWide();
  std::vector<uint16_t> cls(text.size() + 2);
  for (auto _ : state) {
    for (std::size_t i = 0; i < text.size(); ++i) cls[i] = IcuCharType(text[i]);
    benchmark::DoNotOptimize(cls.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// An all-ASCII novel: both checks must walk every byte.
const std::string& AsciiText() {
  return EnglishTexts()[0];
}

void BM_CheckedUTF(benchmark::State& state) {
  const std::string& text = AsciiText();
  for (auto _ : state) {
    bool plain;
    benchmark::DoNotOptimize(lx::CheckedUTF(text, plain));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_CheckedUTFIcuU8Next(benchmark::State& state) {
  const std::string& text = AsciiText();
  const auto* s = reinterpret_cast<const uint8_t*>(text.data());
  const int32_t n = static_cast<int32_t>(text.size());
  for (auto _ : state) {
    bool ok = true;
    for (int32_t i = 0; i < n;) {
      UChar32 c;
      U8_NEXT(s, i, n, c);
      if (c < 0) {
        ok = false;
        break;
      }
    }
    benchmark::DoNotOptimize(ok);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_TextWidth(benchmark::State& state) {
  const std::u16string& text = EnglishWide();
  const lx::TFontMeasure measure{lx::TFont{}};
  for (auto _ : state) benchmark::DoNotOptimize(measure.LineWidth(text));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// The width classes asked of ICU one character at a time, as a measurer without its table would.
void BM_TextWidthIcuPerChar(benchmark::State& state) {
  const std::u16string& text = EnglishWide();
  for (auto _ : state) {
    int64_t width = 0;
    for (char16_t u : text) {
      const int8_t category = u_charType(u);
      if (category == U_CONTROL_CHAR || category == U_NON_SPACING_MARK || category == U_FORMAT_CHAR) continue;
      const int32_t eaw = u_getIntPropertyValue(u, UCHAR_EAST_ASIAN_WIDTH);
      width += (eaw == U_EA_WIDE || eaw == U_EA_FULLWIDTH) ? 13 : 7;
    }
    benchmark::DoNotOptimize(width);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

BENCHMARK(BM_ClassArrayFill);
BENCHMARK(BM_ClassArrayIcuPerChar);
BENCHMARK(BM_CheckedUTF);
BENCHMARK(BM_CheckedUTFIcuU8Next);
BENCHMARK(BM_TextWidth);
BENCHMARK(BM_TextWidthIcuPerChar);

// Keeps each benchmark's characters per second for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& r : runs) {
      auto it = r.counters.find("items_per_second");
      if (it != r.counters.end()) rates[r.benchmark_name()] = it->second.value;
    }
  }
  std::map<std::string, double> rates;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (EnglishWide().empty()) {
    std::fprintf(stderr, "corpus not found under %s\n", LX_CORPUS_DIR);
    return 1;
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto ratio = [&](const char* ours, const char* theirs) {
    const auto a = reporter.rates.find(ours), b = reporter.rates.find(theirs);
    if (a == reporter.rates.end() || b == reporter.rates.end() || b->second <= 0) return;
    std::printf("%-24s %8.1f Mchar/s  vs %-26s %8.1f Mchar/s  ratio %.2f\n", ours, a->second / 1e6, theirs,
                b->second / 1e6, a->second / b->second);
  };
  ratio("BM_ClassArrayFill", "BM_ClassArrayIcuPerChar");
  ratio("BM_CheckedUTF", "BM_CheckedUTFIcuU8Next");
  ratio("BM_TextWidth", "BM_TextWidthIcuPerChar");
  benchmark::Shutdown();
  return 0;
}
