// A concordance job as a tool runs it, one text at a time: read the file, decode it to UTF-16, build its
// character-class array and find every hit of the search word. Buffers are reused from text to text, so
// memory follows the largest text, not the corpus. For each search word it prints the hits, the time of each
// phase and the whole job's time.
//
//   concordance_job FILE...
//   concordance_job --one-line FILE   (the text joined into one line of a million characters, star patterns)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/WinGenOk.h"

using namespace lx;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

bool ReadWholeFile(const char* path, std::string& bytes) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0;
  if (ok) {
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
      ok = n > 0;
      if (ok) done += static_cast<std::size_t>(n);
    }
  }
  ::close(fd);
  return ok;
}

// A byte-order mark decides UTF-16 or UTF-8; otherwise valid UTF-8 is UTF-8, and anything else is code page
// 1252.
std::size_t Decode(const std::string& bytes, std::u16string& out) {
  if (out.size() < bytes.size()) out.resize(bytes.size());
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    const std::size_t n = (bytes.size() - 2) / 2;
    std::copy_n(reinterpret_cast<const char16_t*>(bytes.data() + 2), n, out.data());
    return n;
  }
  std::string_view body(bytes);
  if (IsUTF8SignatureA(bytes.c_str())) body.remove_prefix(3);
  bool plain = true;
  const uint32_t cp = CheckedUTF(body, plain) ? CP_UTF8 : 1252;
  const int n = MultiByteToWideChar(cp, 0, body.data(), static_cast<int>(body.size()), out.data(),
                                    static_cast<int>(out.size()));
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

}  // namespace

// A million characters without a line break or a space (Chinese prose joined up): star patterns must not turn
// quadratic on such a run.
int OneLongLine(const char* path) {
  std::string bytes;
  std::u16string chars;
  if (!ReadWholeFile(path, bytes)) return 1;
  chars.resize(Decode(bytes, chars));
  std::u16string line;
  while (line.size() < 1000000)
    for (char16_t c : chars)
      if (c > u' ' && c != 0x3000) line += c;
  line.resize(1000000);
  std::vector<uint16_t> classes(line.size() + 2, 0x0248);
  GetStringTypeExNT2000(true, 0x0804, CT_CTYPE1, classes.data(), static_cast<int>(line.size()), line.data());
  // The two commonest ideographs give the most candidates.
  std::vector<int> freq(0x10000);
  for (char16_t c : line) ++freq[c];
  char16_t a = 0x4E00, b = 0x4E00;
  for (int c = 0x4E00; c < 0xA000; ++c)
    if (freq[c] > freq[a])
      b = a, a = static_cast<char16_t>(c);
    else if (freq[c] > freq[b] && c != a)
      b = static_cast<char16_t>(c);
  const std::u16string x(1, a), y(1, b);
  // Leading and trailing stars drop the word boundaries, so every occurrence is a candidate.
  const std::u16string patterns[] = {u"*" + x + u"*" + y + u"*", u"*" + x + u"*" + y, u"*" + x + u"*",
                                     u"*" + x + u"*" + y + u"*" + x + u"*"};
  for (const auto& typed : patterns) {
    TSearch_word_format_rec rec = Parsed_SearchWord(TTagDelimiters{}, typed);
    TSearchAndDoEngine engine(true, false, 0x0804);
    long hits = 0;
    const auto s0 = Clock::now();
    engine.PrepareForConcordancing(
        u"line", line.data(), classes.data(), classes.data() + line.size() + 1,
        static_cast<int32_t>(line.size() * 2), static_cast<int32_t>(line.size()), 0, false,
        [&hits](TSearchAndDoEngine&, const TSearchFound_Rec&) { return ++hits > 0; }, nullptr);
    engine.SearchAndDo(rec);
    const double t = Seconds(Clock::now() - s0);
    std::printf("one line of %zu characters, %-8s hits %7ld  %.3f s (%.0f Mchar/s)\n", line.size(),
                UTF16ToUTF8(typed).c_str(), hits, t, line.size() / t / 1e6);
  }
  return 0;
}

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--one-line") return OneLongLine(argv[2]);
  if (argc < 2) {
    std::fprintf(stderr, "usage: concordance_job FILE... | --one-line FILE\n");
    return 2;
  }
  // The search words as a user types them, parsed by the search-word language.
  const std::vector<const char16_t*> typed = {u"the", u"inexplicable", u"the*", u"*ing", u"big * of"};
  const TTagDelimiters noTags{};
  std::string bytes;
  std::u16string chars;
  std::vector<uint16_t> classes;
  for (const char16_t* word : typed) {
    TSearch_word_format_rec rec = Parsed_SearchWord(noTags, word);
    TSearchAndDoEngine engine(true, false, 0x0409);
    long hits = 0;
    auto onFound = [&hits](TSearchAndDoEngine&, const TSearchFound_Rec&) {
      ++hits;
      return true;
    };
    Clock::duration read{}, decode{}, classify{}, scan{};
    std::size_t totalChars = 0, totalBytes = 0;
    const auto start = Clock::now();
    for (int f = 1; f < argc; ++f) {
      auto t0 = Clock::now();
      if (!ReadWholeFile(argv[f], bytes)) {
        std::fprintf(stderr, "cannot read %s\n", argv[f]);
        return 1;
      }
      auto t1 = Clock::now();
      const std::size_t n = Decode(bytes, chars);
      auto t2 = Clock::now();
      if (classes.size() < n + 2) classes.resize(n + 2);
      GetStringTypeExNT2000(true, 0x0409, CT_CTYPE1, classes.data(), static_cast<int>(n), chars.data());
      classes[n] = classes[n + 1] = 0x0248;  // the spare slots read as a space
      auto t3 = Clock::now();
      engine.PrepareForConcordancing(UTF8ToUTF16(argv[f]), chars.data(), classes.data(),
                                     classes.data() + n + 1, static_cast<int32_t>(n * 2),
                                     static_cast<int32_t>(n), 0, false, onFound, nullptr);
      engine.SearchAndDo(rec);
      auto t4 = Clock::now();
      read += t1 - t0;
      decode += t2 - t1;
      classify += t3 - t2;
      scan += t4 - t3;
      totalChars += n;
      totalBytes += bytes.size();
    }
    const double job = Seconds(Clock::now() - start);
    std::printf(
        "search %-14s hits %9ld  job %7.3f s  read %.3f  decode %.3f  classes %.3f  scan %.3f s (%.0f "
        "Mchar/s)  "
        "%.1f MB\n",
        UTF16ToUTF8(word).c_str(), hits, job, Seconds(read), Seconds(decode), Seconds(classify),
        Seconds(scan), totalChars / Seconds(scan) / 1e6, totalBytes / 1e6);
  }
  return 0;
}
