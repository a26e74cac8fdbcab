// The file tools timed as a tool uses them; prints seconds and the peak resident memory.
//
//   filetools_job chunk FILE FOLDER CHUNKSIZE   cut FILE into FOLDER/chunks, then restore into FOLDER/back
//   filetools_job compare FILE1 FILE2           the share of matching content
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexfiletools/tools/file_chunker.h"
#include "lexfiletools/tools/file_comparer.h"

using namespace lx;
using Clock = std::chrono::steady_clock;

namespace {

double Since(Clock::time_point t) {
  return std::chrono::duration<double>(Clock::now() - t).count();
}

long PeakKB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

int Chunk(const std::string& file, const std::string& folder, int32_t chunkSize) {
  std::filesystem::create_directories(folder + "/chunks");
  std::filesystem::create_directories(folder + "/back");
  TFileChunker chunker;
  chunker.SetSourcename(UTF8ToUTF16(file));
  chunker.SetDirCreating(UTF8ToUTF16(folder + "/chunks"));
  chunker.SetChunkSize(chunkSize);
  auto t = Clock::now();
  const int32_t n = chunker.MakeChunkFiles();
  const double made = Since(t);
  chunker.SetSourcename(TFileChunker::ChunkName(UTF8ToUTF16(folder + "/chunks"), 0, n));
  chunker.SetDirRestoring(UTF8ToUTF16(folder + "/back"));
  t = Clock::now();
  if (!chunker.RestoreAllChunks()) {
    std::fprintf(stderr, "restore failed: %s\n", UTF16ToUTF8(chunker.LastProblem()).c_str());
    return 1;
  }
  const double restored = Since(t);
  std::printf("chunks %d\tmake %.3f s\trestore %.3f s\ttotal %.3f s\tpeak %ld KB\n", n, made, restored,
              made + restored, PeakKB());
  return 0;
}

int Compare(const std::string& a, const std::string& b) {
  TFileComparer cmp;
  cmp.SetFile1(UTF8ToUTF16(a));
  cmp.SetFile2(UTF8ToUTF16(b));
  cmp.SetSilentComparison(true);
  const auto t = Clock::now();
  const float pc = cmp.PercentMatching(true);
  std::printf("matching %.4f%%\ttime %.3f s\tpeak %ld KB\n", pc, Since(t), PeakKB());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 5 && std::string(argv[1]) == "chunk") return Chunk(argv[2], argv[3], std::atoi(argv[4]));
    if (argc == 4 && std::string(argv[1]) == "compare") return Compare(argv[2], argv[3]);
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", UTF16ToUTF8(e.Message).c_str());
    return 1;
  }
  std::fprintf(stderr, "usage: filetools_job chunk FILE FOLDER CHUNKSIZE | compare FILE1 FILE2\n");
  return 2;
}
