// The sub-commands of lexmill. Each returns the process exit code.
#pragma once

#include <string>
#include <vector>

#include "tools/lexmill/lexmill_texts.h"

namespace lx {

int RunWordlist(const TLexmillOptions& options, const std::vector<std::string>& paths);
int RunConcord(const TLexmillOptions& options, const UnicodeString& searchWord,
               const std::vector<std::string>& paths);
// Clusters of consecutive words within sentences, most frequent first.
int RunClusters(const TLexmillOptions& options, const std::vector<std::string>& paths);
// Sentences occurring more than once within or across the texts, most frequent first.
int RunRepeats(const TLexmillOptions& options, const std::vector<std::string>& paths);

// A saved word list shown as the word list shows it, or with --info what its file says about it.
int RunShow(const TLexmillOptions& options, const std::string& path, bool lcidGiven);
// Saved word lists merged into one, saved as output.
int RunMerge(const TLexmillOptions& options, const std::vector<std::string>& inputs,
             const std::string& output, bool lcidGiven);

// Why a --sort value of concord cannot be used, or empty when it can.
std::string ConcordSortFault(const std::string& keys);

// Exit codes: results written; a path or a text could not be read (the rest was processed); bad usage.
constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUsage = 2;

}  // namespace lx
