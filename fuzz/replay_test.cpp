// Replays every stored input of every fuzz target through its entry point: the seeds written by the writers
// and the minimised inputs of faults found so far. A fault shows up as a sanitizer report, a crash or an
// escaping exception, exactly as it would under the fuzzer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_targets.inc"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const std::string& name) {
  std::vector<fs::path> files;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path dir = fs::path(LX_FUZZ_DIR) / kind / name;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) continue;
    for (const auto& e : fs::directory_iterator(dir))
      if (e.is_regular_file()) files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<uint8_t> Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ReplayTest : public testing::Test {
 public:
  explicit ReplayTest(const FuzzTargetEntry& target) : target_(target) {}
  void TestBody() override {
    const std::vector<fs::path> files = InputsOf(target_.name);
    // Every target ships seeds; an empty folder means the seed script was not run or the name is wrong.
    ASSERT_FALSE(files.empty()) << "no seed or regression inputs for " << target_.name;
    for (const fs::path& file : files) {
      SCOPED_TRACE(file.string());
      const std::vector<uint8_t> data = Bytes(file);
      EXPECT_EQ(0, target_.run(data.data(), data.size()));
    }
    // The empty input is the first thing a fuzzer tries.
    EXPECT_EQ(0, target_.run(nullptr, 0));
  }

 private:
  const FuzzTargetEntry& target_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (const FuzzTargetEntry& target : kFuzzTargets)
    testing::RegisterTest("FuzzReplay", target.name, nullptr, nullptr, __FILE__, __LINE__,
                          [&target]() -> testing::Test* { return new ReplayTest(target); });
  return RUN_ALL_TESTS();
}
