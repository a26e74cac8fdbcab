// A word list of a million entries saved as a list file and read back, against the same words, frequencies
// and texts written as TSV with std::ofstream and read back with std::ifstream into plain records. The list
// file goes through the durable save (temporary file, fsync, rename). Prints the CPU time of each, the ratios
// and the file sizes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/list_files.h"
#include "lexlists/engine/word_list_entries.h"

using namespace lx;

namespace {

constexpr int32_t kEntries = 1000000;

// Letters only, as words are: base 26 of the entry number, at least five letters.
std::string WordOf(int32_t n) {
  std::string w;
  do {
    w += static_cast<char>('a' + n % 26);
    n /= 26;
  } while (n > 0 || w.size() < 5);
  return w;
}

struct TRecord {
  std::string word;
  int32_t freq = 0, texts = 0;
};

struct TFixture {
  std::string dir;
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TWordList> list = Create<TWordList>(&holder);
  std::vector<TRecord> records;
  TFixture() {
    char tmpl[] = "/tmp/lxlistbenchXXXXXX";
    dir = ::mkdtemp(tmpl);
    records.reserve(kEntries);
    for (int32_t i = 0; i < kEntries; ++i) {
      TRecord r{WordOf(i), static_cast<int32_t>(1 + (int64_t{i} * 7919) % 100000), 1 + i % 50};
      list->AddWord(UTF8ToUTF16(r.word), r.freq, r.texts);
      records.push_back(std::move(r));
    }
  }
  ~TFixture() { std::filesystem::remove_all(dir); }
  std::string Lst() const { return dir + "/words.lst"; }
  std::string Tsv() const { return dir + "/words.tsv"; }
};

TFixture& Fixture() {
  static TFixture f;
  return f;
}

void BM_SaveListFile(benchmark::State& state) {
  TFixture& f = Fixture();
  for (auto _ : state) SaveListFile(*f.list, tt_wordlist, UTF8ToUTF16(f.Lst()));
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(f.Lst()));
}

void BM_ReadListFile(benchmark::State& state) {
  TFixture& f = Fixture();
  SaveListFile(*f.list, tt_wordlist, UTF8ToUTF16(f.Lst()));
  for (auto _ : state) {
    auto back = Create<TWordList>(&f.holder);
    ReadListFile(*back, tt_wordlist, UTF8ToUTF16(f.Lst()));
    if (back->Count() != kEntries) state.SkipWithError("entries lost");
  }
}

void BM_WriteTsv(benchmark::State& state) {
  TFixture& f = Fixture();
  for (auto _ : state) {
    std::ofstream out(f.Tsv(), std::ios::binary);
    for (const TRecord& r : f.records) out << r.word << '\t' << r.freq << '\t' << r.texts << '\n';
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(f.Tsv()));
}

void BM_ReadTsv(benchmark::State& state) {
  TFixture& f = Fixture();
  for (auto _ : state) {
    std::ifstream in(f.Tsv(), std::ios::binary);
    std::vector<TRecord> back;
    back.reserve(kEntries);
    TRecord r;
    while (std::getline(in, r.word, '\t') && in >> r.freq >> r.texts) {
      in.ignore(1);
      back.push_back(r);
    }
    if (back.size() != static_cast<std::size_t>(kEntries)) state.SkipWithError("records lost");
  }
}

BENCHMARK(BM_SaveListFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteTsv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadListFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadTsv)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each run's CPU time and counters for the ratios.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      cpu[r.benchmark_name()] = r.GetAdjustedCPUTime();
      auto b = r.counters.find("bytes");
      if (b != r.counters.end()) bytes[r.benchmark_name()] = b->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> cpu, bytes;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto ratio = [&](const char* a, const char* b) {
    const double x = reporter.cpu[std::string(a) + "/iterations:3"],
                 y = reporter.cpu[std::string(b) + "/iterations:3"];
    return y > 0 ? x / y : 0.0;
  };
  std::printf("\n%d entries: list file %.1f MB, TSV %.1f MB\n", kEntries,
              reporter.bytes["BM_SaveListFile/iterations:3"] / 1e6,
              reporter.bytes["BM_WriteTsv/iterations:3"] / 1e6);
  std::printf("save / TSV write: %.2fx   reopen / TSV read: %.2fx   (CPU time)\n",
              ratio("BM_SaveListFile", "BM_WriteTsv"), ratio("BM_ReadListFile", "BM_ReadTsv"));
  benchmark::Shutdown();
  return 0;
}
