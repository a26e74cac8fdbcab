// Walking a large tree the way a tool finds its texts: every folder reported, then each folder's *.txt files
// listed. Makes the tree on first use (1,000 folders of 100 files, ten at the top each holding 99 more), then
// times the walk and `find DIR -name '*.txt'` in the same run, best of three each.
//
//   peruse_job [DIR]   (default: build/bench-tree)
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "lexcore/files/PeruseDir.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

// Names by printf: g++ 12 warns falsely about "d" + std::to_string(n) when optimising.
std::string Named(const char* format, int n) {
  char name[32];
  std::snprintf(name, sizeof name, format, n);
  return name;
}

void MakeTree(const fs::path& root) {
  if (fs::exists(root / "done")) return;
  for (int top = 0; top < 10; ++top)
    for (int sub = 0; sub < 100; ++sub) {
      const fs::path dir = sub == 0 ? root / Named("d%d", top) : root / Named("d%d", top) / Named("s%d", sub);
      fs::create_directories(dir);
      for (int f = 0; f < 100; ++f) std::ofstream(dir / Named("f%d.txt", f)) << "x";
    }
  std::ofstream(root / "done");
}

double Best(const std::function<long()>& job, long& count) {
  double best = 1e9;
  for (int r = 0; r < 3; ++r) {
    const auto s = Clock::now();
    count = job();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - s).count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path root = argc > 1 ? fs::path(argv[1]) : fs::path("build/bench-tree");
  MakeTree(root);
  long ours = 0, theirs = 0, named = 0;
  bool details = true;
  const auto job = [&] {
    TPeruseDir walker(u"*.txt", u"*", u"*.txt", u"", u"", true, true, false, false, false, false);
    walker.SetNeedSizeAndDate(details);
    std::vector<UnicodeString> folders{UTF8ToUTF16(root.string())};
    walker.OnFoundDir = [&](const UnicodeString& d) { folders.push_back(d); };
    walker.ProcessAllSubDirectories(folders.front());
    long n = 0;
    for (const auto& d : folders) {
      TMySearchRecList list;
      walker.HandleAllFilesIn(d, &list);
      n += list.Count();
    }
    return n;
  };
  const double walk = Best(job, ours);
  details = false;
  const double names = Best(job, named);
  const std::string cmd = "find '" + root.string() + "' -name '*.txt' | wc -l";
  const double find = Best(
      [&] {
        FILE* p = ::popen(cmd.c_str(), "r");
        long n = 0;
        if (p && std::fscanf(p, "%ld", &n) != 1) n = -1;
        if (p) ::pclose(p);
        return n;
      },
      theirs);
  std::printf("walk with sizes and dates: %ld files in %.3f s (%.0f files/s), ratio to find %.2f\n", ours,
              walk, ours / walk, walk / find);
  std::printf("walk for names only: %ld files in %.3f s (%.0f files/s), ratio to find %.2f\n", named, names,
              named / names, names / find);
  std::printf("find: %ld files in %.3f s\n", theirs, find);
  return ours == theirs && named == theirs ? 0 : 1;
}
