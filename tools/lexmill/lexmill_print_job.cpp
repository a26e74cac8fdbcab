#include "tools/lexmill/lexmill_print_job.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

extern char** environ;

namespace lx {

std::string FindPrintCommand() {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "";
  while (!dirs.empty()) {
    const std::size_t colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    if (dir.empty()) continue;  // an empty entry would mean the working folder: not trusted for printing
    const std::string candidate = dir + "/lp";
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec) && access(candidate.c_str(), X_OK) == 0)
      return candidate;
  }
  return {};
}

std::string PrintCommandFault() {
  return FindPrintCommand().empty() ? "--print needs the lp command, which is not on PATH: install a print "
                                      "client, or use --pdf FILE "
                                      "and print that"
                                    : std::string();
}

bool SendToPrinter(const std::string& pdf, std::string& fault) {
  const std::string lp = FindPrintCommand();
  if (lp.empty()) {
    fault = PrintCommandFault();
    return false;
  }
  // An absolute name never looks like an option to lp.
  std::error_code ec;
  const std::string file = std::filesystem::absolute(pdf, ec).string();
  std::vector<char*> argv = {const_cast<char*>("lp"), const_cast<char*>(file.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);  // standard output is for results
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, lp.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    fault = "cannot run " + lp;
    return false;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) {
      fault = "lost track of " + lp;
      return false;
    }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    fault =
        lp + " could not queue " + file +
        (WIFEXITED(status) ? " (exit status " + std::to_string(WEXITSTATUS(status)) + ")" : std::string());
    return false;
  }
  return true;
}

std::string TemporaryPdfName() {
  std::error_code ec;
  std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
  if (ec) dir = "/tmp";
  std::string name = (dir / "lexmill-print-XXXXXX.pdf").string();
  const int fd = mkstemps(name.data(), 4);
  if (fd < 0) return {};
  close(fd);
  return name;
}

}  // namespace lx
