// Character classes and 8-bit decoding: the table-driven services against the per-character ICU calls and
// iconv(3) that would otherwise do the same work.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <unicode/uchar.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_strings.h"

namespace {

std::string ReadCorpus(const std::string& relative) {
  std::ifstream in(std::string(LX_CORPUS_DIR) + "/" + relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const lx::UnicodeString& EnglishText() {
  static const lx::UnicodeString text = lx::UTF8ToUTF16(ReadCorpus("en/austen-pride-and-prejudice.txt") +
                                                        ReadCorpus("en/doyle-sherlock-holmes.bom-crlf.txt") +
                                                        ReadCorpus("en/newton-opticks.txt"));
  return text;
}

// About a megabyte of 1252 text with accented letters.
const std::string& Latin1Text() {
  static const std::string text = [] {
    const std::string one = ReadCorpus("enc/xtext/candide-windows-1252.txt");
    std::string s;
    while (!one.empty() && s.size() < (1u << 20)) s += one;
    return s;
  }();
  return text;
}

void BM_GetStringTypeExW(benchmark::State& state) {
  const lx::UnicodeString& text = EnglishText();
  std::vector<uint16_t> types(text.size());
  for (auto _ : state) {
    lx::GetStringTypeExW(0x0409, lx::CT_CTYPE1, text.data(), static_cast<int>(text.size()), types.data());
    benchmark::DoNotOptimize(types.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// The same ten flags from ICU property calls made for every character.
void BM_IcuPerCharacter(benchmark::State& state) {
  const lx::UnicodeString& text = EnglishText();
  std::vector<uint16_t> types(text.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const UChar32 c = text[i];
      const int8_t cat = u_charType(c);
      uint16_t t = cat == U_UNASSIGNED ? 0 : lx::C1_DEFINED;
      if (u_isupper(c)) t |= lx::C1_UPPER;
      if (u_islower(c)) t |= lx::C1_LOWER;
      if (u_isdigit(c)) t |= lx::C1_DIGIT;
      if (u_isUWhiteSpace(c)) t |= lx::C1_SPACE;
      if (u_ispunct(c)) t |= lx::C1_PUNCT;
      if (u_iscntrl(c)) t |= lx::C1_CNTRL;
      if (u_isblank(c)) t |= lx::C1_BLANK;
      if (u_isxdigit(c)) t |= lx::C1_XDIGIT;
      if (u_isUAlphabetic(c)) t |= lx::C1_ALPHA;
      types[i] = t;
    }
    benchmark::DoNotOptimize(types.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_MultiByteToWideChar1252(benchmark::State& state) {
  const std::string& bytes = Latin1Text();
  std::vector<lx::WideChar> out(bytes.size());
  for (auto _ : state) {
    const int n = lx::MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(),
                                          static_cast<int>(out.size()));
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_Iconv1252(benchmark::State& state) {
  const std::string& bytes = Latin1Text();
  std::vector<char16_t> out(bytes.size());
  iconv_t cd = iconv_open("UTF-16LE", "CP1252");
  for (auto _ : state) {
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* o = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * 2;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv(cd, &in, &inLeft, &o, &outLeft);
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

BENCHMARK(BM_GetStringTypeExW);
BENCHMARK(BM_IcuPerCharacter);
BENCHMARK(BM_MultiByteToWideChar1252);
BENCHMARK(BM_Iconv1252);

// Keeps items per second of every run, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> rates;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      // With repetitions the median stands for the benchmark.
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      auto it = r.counters.find("items_per_second");
      if (it != r.counters.end()) rates[r.run_name.str()] = it->second;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto ratio = [&](const char* ours, const char* theirs, const char* what) {
    const auto a = reporter.rates.find(ours);
    const auto b = reporter.rates.find(theirs);
    if (a == reporter.rates.end() || b == reporter.rates.end() || b->second <= 0) return;
    std::printf("%s: %.1f M chars/s against %.1f M chars/s, ratio %.2f\n", what, a->second / 1e6,
                b->second / 1e6, a->second / b->second);
  };
  ratio("BM_GetStringTypeExW", "BM_IcuPerCharacter", "character classes, table vs ICU per character");
  ratio("BM_MultiByteToWideChar1252", "BM_Iconv1252", "1252 -> UTF-16, MultiByteToWideChar vs iconv");
  benchmark::Shutdown();
  return 0;
}
