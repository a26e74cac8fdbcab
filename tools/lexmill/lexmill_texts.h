// What both sub-commands of lexmill share: the options, choosing texts, reading and decoding a text, building
// its character-class array, and reporting problems.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "lexcore/rtl/lx_types.h"
#include "lexcore/text/sentence_terminators.h"
#include "tools/lexmill/lexmill_encoding.h"
#include "tools/lexmill/lexmill_hugepages.h"
#include "tools/lexmill/lexmill_output.h"

namespace lx {

struct TLexmillOptions {
  LCID lcid = 0x0409;
  UnicodeString middle = u"'\u2019-";
  bool keepCase = false;
  TLexmillFormat format = TLexmillFormat::tsv;  // table when standard output is a terminal, unless --format
  bool summaryInOutput = false;                 // --summary
  UnicodeString mask = u"*.txt";
  bool readZips = true;  // --no-zip: archives are plain files
  bool sortAlpha = false;
  std::string sort = "freq";  // wordlist keys, checked by ParseWordlistSort
  int64_t minFreq = 1;
  int64_t top = -1;  // -1: all
  int context = 40;
  int64_t max = -1;               // -1: all
  std::string encoding = "auto";  // --encoding: auto, or one encoding for every text
  bool normalize = true;          // words compared in NFC unless --no-normalize
  int jobs = 1;                   // texts read and analysed at once
  std::string concordSort;        // concord --sort keys, empty for text order
  std::string concordPdf,
      concordPng;             // concord --pdf / --png: the printed pages, the first page as a picture
  std::string paper = "a4";   // --paper
  bool concordPrint = false;  // --print: the printed pages go to lp

  // --sentence-ends simple: any ".", "!" or "?" before white space ends a sentence
  bool simpleSentenceEnds = false;
  // clusters --size: the fewest and most words of a cluster
  uint32_t clusterMin = 3, clusterMax = 3;

  // saved lists: wordlist --save, --lemmas, --stoplist; show --info, --show-forms; merge -o
  std::string saveFile, lemmaFile, stopFile, outFile;
  bool showForms = false, showInfo = false;
  // clusters --memory: bytes of counts held before sorted runs are spilled to disk
  uint64_t clusterMemory = uint64_t(2) << 30;
  // repeats --min-words: the fewest words of a sentence looked at
  int64_t minWords = 6;

  // --tags: strip mark-up (and decode character references), keep it as text, or strip it from files named
  // .htm, .html, .xml or .sgml and from texts that start with the opening delimiter
  enum class TTags : uint8_t { tags_auto, tags_strip, tags_keep } tags = TTags::tags_auto;
  WideChar tagOpen = u'<', tagClose = u'>';  // --tag-delimiters
};

// Problems met while choosing and reading texts: each is told on standard error and counted, so the exit
// code can say that something went wrong while the rest was still processed. Warnings are told, not counted.
// A deferred list keeps its messages until Take hands them on, so texts read in parallel report in the
// order they are listed.
struct TLexmillProblems {
  int count = 0;
  bool deferred = false;
  std::vector<std::string> messages;
  void Report(const std::string& message);
  void Warn(const std::string& message);
  void Take(TLexmillProblems& other);
};

// The bytes of the files together, for the progress bar.
uint64_t TotalSize(const std::vector<std::string>& files);
// Says on standard error what went wrong, if anything, and gives the exit code of a run over the files.
int ExitCode(const TLexmillProblems& problems, const std::vector<std::string>& files);

// One text at a time through buffers reused from text to text.
class TLexmillTextReader {
 public:
  explicit TLexmillTextReader(const TLexmillOptions& options);
  // Reads and decodes a file ("-" for standard input) and composes it to NFC unless told not to; false (and
  // a report) when it cannot be read, is binary, or needs more memory than the run can have.
  bool Read(const std::string& path, TLexmillProblems& problems);
  // Classes of the decoded text with the word-internal, number and zero-width rules applied; with markers,
  // sentence and paragraph ends become segment markers.
  void Classify(bool markers);

  // After Classify, the class array has this many slots after the text, each reading as a space, and the
  // text as many units that can be read (the first of them a zero): a scan may read a block of eight
  // classes or units from any place up to the text's end.
  static constexpr std::size_t kSpareClasses = 16;

  const WideChar* Chars() const { return chars.data(); }
  uint16_t* Classes() { return classes.data(); }
  std::size_t Length() const { return length; }
  // After Classify: whether any character of the text is hidden (the search skips it).
  bool AnyHidden();
  std::size_t BytesRead() const { return byteCount; }

 private:
  // Read without the guard against running out of memory.
  bool ReadText(const std::string& path, TLexmillProblems& problems);
  // Checks that fd is a regular file (or standard input) of at most 1 GB; gives its size when known.
  bool CheckFile(int fd, const std::string& path, TLexmillProblems& problems, std::size_t& expected);
  bool ReadBytes(int fd, const std::string& path, TLexmillProblems& problems);
  // Reads and decodes fd as UTF-8 piece by piece: decoded, failed (reported), or other when the bytes are
  // not well-formed UTF-8 free of NUL bytes and must be read again and decoded whole.
  enum class TPieces : uint8_t { decoded, failed, other };
  TPieces ReadUTF8Pieces(int fd, const std::string& path, TLexmillProblems& problems);
  // A zip member's bytes, and a .docx document's text (lexmill_sources.cpp).
  bool ReadMemberBytes(const std::string& path, TLexmillProblems& problems);
  bool ReadDocument(const std::string& path, TLexmillProblems& problems);
  // Takes the mark-up out of the decoded text when --tags asks for it (lexmill_markup.cpp).
  void StripTags(const std::string& path, TLexmillProblems& problems);
  // The class fill with the word-internal and number rules in one pass, when the options allow it.
  bool PrepareOnePass();
  bool ClassifyOnePass();

  const TLexmillOptions& options;
  TLexmillDecoder decoder;
  TUTF8Pieces pieces;
  THugeVector<char> bytes;  // the file's bytes are its first byteCount
  std::size_t byteCount = 0;
  TTextUnits chars;
  std::u16string stripped;  // the text without its mark-up, before it takes the place of chars
  THugeVector<uint16_t> classes;
  std::vector<TSentenceEnd> sentenceEnds;
  std::vector<uint32_t> paragraphEnds, markerPlaces;  // where the markers went, in text order
  int onePass = -1;  // whether the options allow the one-pass class fill; -1: not asked yet
  enum class THidden : uint8_t { none, some, unknown } hidden = THidden::none;  // AnyHidden, once known
  std::vector<uint8_t> unitKinds;  // for the one-pass fill: which rule a unit may fall under
  std::vector<uint32_t> noted;     // for the one-pass fill: the units of a chunk waiting for their rule
  static constexpr std::size_t kMostAsciiKinds = 6;
  std::vector<WideChar> asciiKinds;  // the ASCII units of unitKinds, looked for eight at a time when few
  std::size_t length = 0;
};

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

// Runs work(reader, index, problems) for each text on up to options.jobs threads, each thread with its own
// reader, and hands every result to consume(result, index) on the calling thread in the order of files;
// consume returns false to stop early. At most four results per thread wait to be consumed, so memory stays
// bounded however many texts there are, while a thread that finishes a short text need not wait for a long
// one before it. Problems are reported in the order of files too.
template <class R, class Work, class Consume>
void ForEachText(const TLexmillOptions& options, const std::vector<std::string>& files,
                 TLexmillProblems& problems, Work work, Consume consume) {
  const std::size_t n = files.size();
  const std::size_t jobs = std::max<std::size_t>(1, std::min<std::size_t>(options.jobs, n));
  // Sizes are asked for only when a bar can be shown.
  TLexmillProgress progress(::isatty(2) ? TotalSize(files) : 0);
  if (jobs == 1) {
    TLexmillTextReader reader(options);
    for (std::size_t i = 0; i < n; ++i) {
      R result = work(reader, i, std::size_t{0}, problems);
      progress.Advance(reader.BytesRead());
      if (!consume(result, i)) break;
    }
    return;
  }
  struct TSlot {
    std::optional<R> result;
    TLexmillProblems problems;
    uint64_t bytes = 0;
  };
  const std::size_t window = 4 * jobs;
  std::vector<TSlot> slots(window);  // text i waits in slot i % window
  std::mutex m;
  std::condition_variable changed;
  std::size_t next = 0, consumed = 0;
  bool stop = false;
  std::exception_ptr failure;
  auto worker = [&](std::size_t id) {
    PreferHugePagesForThisThread();
    TLexmillTextReader reader(options);
    for (;;) {
      std::size_t i;
      {
        std::unique_lock lock(m);
        changed.wait(lock, [&] { return stop || next >= n || next < consumed + window; });
        if (stop || next >= n) return;
        i = next++;
      }
      TLexmillProblems local;
      local.deferred = true;
      std::optional<R> result;
      std::exception_ptr error;
      try {
        result.emplace(work(reader, i, id, local));
      } catch (...) {
        error = std::current_exception();
      }
      std::lock_guard lock(m);
      if (error) {
        if (!failure) failure = error;
        stop = true;
      } else {
        slots[i % window].result = std::move(result);
        slots[i % window].problems = std::move(local);
        slots[i % window].bytes = reader.BytesRead();
      }
      changed.notify_all();
    }
  };
  std::vector<std::thread> threads;
  auto finish = [&] {
    {
      std::lock_guard lock(m);
      stop = true;
    }
    changed.notify_all();
    for (auto& t : threads) t.join();
    threads.clear();
  };
  for (std::size_t id = 0; id < jobs; ++id) threads.emplace_back(worker, id);
  try {
    for (std::size_t i = 0; i < n; ++i) {
      std::optional<R> result;
      uint64_t bytes = 0;
      {
        std::unique_lock lock(m);
        changed.wait(lock, [&] { return slots[i % window].result.has_value() || failure != nullptr; });
        if (failure) break;
        result = std::move(slots[i % window].result);
        slots[i % window].result.reset();
        problems.Take(slots[i % window].problems);
        bytes = slots[i % window].bytes;
        consumed = i + 1;
      }
      changed.notify_all();
      progress.Advance(bytes);
      if (!consume(*result, i)) break;
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
  if (failure) std::rethrow_exception(failure);
}

std::string ToUTF8(const UnicodeString& s);
// Control characters and line ends as spaces, so a context stays on one line and one TSV field.
std::string ToOneLineUTF8(const WideChar* p, std::size_t n);
void AppendOneLineUTF8(std::string& out, const WideChar* p, std::size_t n);

}  // namespace lx
