// Runs the built lexmill command as a user would, from the shell, and keeps what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_files.h"

namespace lxtest {

struct TRun {
  int rc = -1;
  std::string out, err;
};

inline std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Standard input comes from `input`, standard output goes to `output` (a file of the folder when empty, so
// the command writes TSV unless told otherwise).
inline TRun Mill(const std::vector<std::string>& args, const TempDir& dir,
                 const std::string& input = "/dev/null", const std::string& output = "") {
  std::string cmd = Quoted(LEXMILL_PROGRAM);
  for (const auto& a : args) cmd += " " + Quoted(a);
  cmd += " >" + Quoted(output.empty() ? dir.Native("stdout") : output) + " 2>" +
         Quoted(dir.Native("stderr")) + " <" + Quoted(input);
  TRun r;
  const int status = std::system(cmd.c_str());
  r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = output.empty() ? dir.Read("stdout") : "";
  r.err = dir.Read("stderr");
  return r;
}

// word -> frequency from wordlist's TSV (the header and summary lines aside).
inline std::map<std::string, long> WordCounts(const std::string& tsv) {
  std::map<std::string, long> words;
  std::istringstream in(tsv);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto tab = line.find('\t');
    words[line.substr(0, tab)] = std::stol(line.substr(tab + 1));
  }
  return words;
}

}  // namespace lxtest
