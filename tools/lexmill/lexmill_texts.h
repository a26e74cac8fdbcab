// What both sub-commands of lexmill share: the options, choosing texts, reading and decoding a text, building
// its character-class array, and reporting problems.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TLexmillOptions {
  LCID lcid = 0x0409;
  UnicodeString middle = u"'\u2019-";
  bool keepCase = false;
  bool tsv = false;  // chosen by isatty(stdout) unless --format says
  UnicodeString mask = u"*.txt";
  bool sortAlpha = false;
  std::string sort = "freq";  // wordlist keys, checked by ParseWordlistSort
  int64_t minFreq = 1;
  int64_t top = -1;  // -1: all
  int context = 40;
  int64_t max = -1;  // -1: all
};

// Problems met while choosing and reading texts: each is told on standard error at once and counted, so the
// exit code can say that something went wrong while the rest was still processed.
struct TLexmillProblems {
  int count = 0;
  void Report(const std::string& message);
};

// The files of the given paths: a file is taken as named, a folder is walked recursively for names matching
// the mask, in name order.
std::vector<std::string> CollectTexts(const std::vector<std::string>& paths, const UnicodeString& mask,
                                      TLexmillProblems& problems);

// The bytes of the files together, for the progress bar.
uint64_t TotalSize(const std::vector<std::string>& files);
// Says on standard error what went wrong, if anything, and gives the exit code of a run over the files.
int ExitCode(const TLexmillProblems& problems, const std::vector<std::string>& files);

// One text at a time through buffers reused from text to text.
class TLexmillTextReader {
 public:
  explicit TLexmillTextReader(const TLexmillOptions& options);
  // Reads and decodes a file; false (and a report) when it cannot be read.
  bool Read(const std::string& path, TLexmillProblems& problems);
  // Classes of the decoded text with the word-internal, number and zero-width rules applied; with markers,
  // sentence and paragraph ends become segment markers.
  void Classify(bool markers);

  const WideChar* Chars() const { return chars.data(); }
  uint16_t* Classes() { return classes.data(); }
  std::size_t Length() const { return length; }
  std::size_t BytesRead() const { return byteCount; }

 private:
  const TLexmillOptions& options;
  uint32_t codepage;
  std::string bytes;  // the file's bytes are its first byteCount
  std::size_t byteCount = 0;
  std::u16string chars;
  std::vector<uint16_t> classes;
  std::size_t length = 0;
};

// Decodes a file's bytes: a byte-order mark decides UTF-16 LE/BE or UTF-8; otherwise valid UTF-8 is UTF-8;
// otherwise the code page. out is grown as needed and never shrunk; returns the characters written.
std::size_t DecodeText(std::string_view bytes, uint32_t codepage, std::u16string& out);

// A progress bar on standard error, shown only when it is a terminal and the job is long.
class TLexmillProgress {
 public:
  explicit TLexmillProgress(uint64_t totalBytes);
  ~TLexmillProgress();
  void Advance(uint64_t bytes);

 private:
  bool shown;
  uint64_t total, done = 0;
  int lastPercent = -1;
};

std::string ToUTF8(const UnicodeString& s);
// Control characters and line ends as spaces, so a context stays on one line and one TSV field.
std::string ToOneLineUTF8(const WideChar* p, std::size_t n);
void AppendOneLineUTF8(std::string& out, const WideChar* p, std::size_t n);
// Columns on a terminal: the number of code points a UTF-8 text shows as.
std::size_t DisplayWidth(const std::string& utf8);

}  // namespace lx
