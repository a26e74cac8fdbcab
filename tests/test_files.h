// A temporary folder for one test, removed afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "lexcore/rtl/lx_strings.h"

namespace lxtest {

struct TempDir {
  std::filesystem::path path;
  TempDir() {
    char tmpl[] = "/tmp/lxtestXXXXXX";
    path = mkdtemp(tmpl);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
  lx::UnicodeString File(const std::string& name) const { return lx::UTF8ToUTF16((path / name).string()); }
  std::string Native(const std::string& name) const { return (path / name).string(); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

// Path of a file under the tests' data folder.
inline std::string DataFile(const std::string& relative) {
  return std::string(LX_TEST_DATA_DIR) + "/" + relative;
}

}  // namespace lxtest
