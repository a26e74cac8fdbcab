// Walking a large tree the way a tool finds its texts: every folder reported, then each folder's *.txt files
// listed. Makes the tree on first use (1,000 folders of 100 files, ten at the top each holding 99 more), then
// times the walk and `find DIR -name '*.txt'` in the same run, best of three each.
//
//   peruse_job [DIR]   (default: build/bench-tree)
#include <sys/resource.h>
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

// CPU seconds (user + system) of this process and of its reaped children: on a busy machine they say more
// than the wall clock.
double CpuSeconds(int who) {
  rusage u{};
  ::getrusage(who, &u);
  const auto secs = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return secs(u.ru_utime) + secs(u.ru_stime);
}

struct Timing {
  double wall = 1e9, cpu = 1e9;
};

// Best of three, wall and CPU each; who says whose CPU time counts.
Timing Best(const std::function<long()>& job, long& count, int who) {
  Timing best;
  for (int r = 0; r < 3; ++r) {
    const double c = CpuSeconds(who);
    const auto s = Clock::now();
    count = job();
    best.wall = std::min(best.wall, std::chrono::duration<double>(Clock::now() - s).count());
    best.cpu = std::min(best.cpu, CpuSeconds(who) - c);
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
  const Timing walk = Best(job, ours, RUSAGE_SELF);
  details = false;
  const Timing names = Best(job, named, RUSAGE_SELF);
  const std::string cmd = "find '" + root.string() + "' -name '*.txt' | wc -l";
  const Timing find = Best(
      [&] {
        FILE* p = ::popen(cmd.c_str(), "r");
        long n = 0;
        if (p && std::fscanf(p, "%ld", &n) != 1) n = -1;
        if (p) ::pclose(p);
        return n;
      },
      theirs, RUSAGE_CHILDREN);
  const auto report = [&](const char* what, long n, const Timing& t) {
    std::printf(
        "%s: %ld files in %.3f s wall, %.3f s cpu (%.0f files/s); ratio to find: wall %.2f, cpu %.2f\n", what,
        n, t.wall, t.cpu, n / t.wall, t.wall / find.wall, t.cpu / find.cpu);
  };
  report("walk with sizes and dates", ours, walk);
  report("walk for names only", named, names);
  std::printf("find: %ld files in %.3f s wall, %.3f s cpu\n", theirs, find.wall, find.cpu);
  return ours == theirs && named == theirs ? 0 : 1;
}
