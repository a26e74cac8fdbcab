#include "tools/lexmill/lexmill_texts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/utf16.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "lexcore/platform/win_masks.h"
#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_stats.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "lexcore/text/my_Unicodenew.h"
#include "tools/lexmill/lexmill_commands.h"

namespace lx {

namespace fs = std::filesystem;

void TLexmillProblems::Report(const std::string& message) {
  ++count;
  std::fprintf(stderr, "lexmill: %s\n", message.c_str());
}

std::string ToUTF8(const UnicodeString& s) {
  return UTF16ToUTF8(s);
}

std::vector<std::string> CollectTexts(const std::vector<std::string>& paths, const UnicodeString& mask,
                                      TLexmillProblems& problems) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) {
      problems.Report("no such file or folder: " + path);
      continue;
    }
    if (!fs::is_directory(st)) {
      files.push_back(path);
      continue;
    }
    std::vector<std::string> found;
    fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
      std::error_code fileEc;
      if (!it->is_regular_file(fileEc)) continue;
      const UnicodeString name = UTF8ToUTF16(it->path().filename().string());
      if (PathMatchSpecW(name.c_str(), mask.c_str())) found.push_back(it->path().string());
    }
    if (ec) problems.Report("cannot read the folder " + path + ": " + ec.message());
    if (found.empty())
      std::fprintf(stderr, "lexmill: no files matching %s in %s\n", ToUTF8(mask).c_str(), path.c_str());
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
  }
  return files;
}

uint64_t TotalSize(const std::vector<std::string>& files) {
  uint64_t total = 0;
  for (const auto& f : files) {
    struct stat st {};
    if (::stat(f.c_str(), &st) == 0) total += static_cast<uint64_t>(st.st_size);
  }
  return total;
}

int ExitCode(const TLexmillProblems& problems, const std::vector<std::string>& files) {
  if (problems.count) {
    std::fprintf(stderr, "lexmill: %d problem%s; the other texts were processed\n", problems.count,
                 problems.count == 1 ? "" : "s");
    return kExitProblems;
  }
  if (files.empty()) {
    std::fprintf(stderr, "lexmill: no texts to read\n");
    return kExitProblems;
  }
  return kExitOk;
}

std::size_t DecodeText(std::string_view bytes, uint32_t codepage, std::u16string& out) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t size = bytes.size();
  // Every encoding here gives at most one UTF-16 unit per byte.
  if (out.size() < size + 1) out.resize(size + 1);
  if (size >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) {
    const bool little = b[0] == 0xFF;
    const std::size_t n = (size - 2) / 2;  // an odd last byte is dropped
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned char lo = b[2 + 2 * i + (little ? 0 : 1)], hi = b[2 + 2 * i + (little ? 1 : 0)];
      out[i] = static_cast<char16_t>(lo | (hi << 8));
    }
    return n;
  }
  std::string_view body = bytes;
  if (size >= 3 && IsUTF8Signature(b[0], b[1], b[2])) body.remove_prefix(3);
  if (body.empty()) return 0;
  bool plain = true;
  const uint32_t cp = CheckedUTF(body, plain) ? CP_UTF8 : codepage;
  const int n = MultiByteToWideChar(cp, 0, body.data(), static_cast<int>(body.size()), out.data(),
                                    static_cast<int>(out.size()));
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

TLexmillTextReader::TLexmillTextReader(const TLexmillOptions& o)
    : options(o), codepage(CodePageFromLocale(o.lcid)) {}

bool TLexmillTextReader::Read(const std::string& path, TLexmillProblems& problems) {
  length = 0;
  byteCount = 0;
  // Non-blocking, so a named pipe or device given as a path is refused instead of waiting for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    problems.Report("cannot read " + path + ": " + std::strerror(errno));
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    problems.Report("cannot read " + path + ": not a regular file");
    return false;
  }
  // The engine counts in 32 bits and the class array takes two bytes a character: a text is refused before
  // its buffers are allocated when it could not be searched anyway.
  if (st.st_size > INT32_MAX / 2) {
    ::close(fd);
    problems.Report("cannot read " + path + ": a text of more than 1 GB");
    return false;
  }
  bool ok = true;
  // Read to the end rather than trusting the size: a file may grow or shrink while it is read.
  std::size_t done = 0;
  // The buffer only grows, so it is not cleared again for every text.
  if (bytes.size() < static_cast<std::size_t>(st.st_size) + 1)
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
  while (ok) {
    if (done == bytes.size()) bytes.resize(bytes.size() * 2 + 4096);
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  const int err = errno;
  ::close(fd);
  if (!ok) {
    problems.Report("cannot read " + path + ": " + std::strerror(err));
    return false;
  }
  byteCount = done;
  if (done > static_cast<std::size_t>(INT32_MAX / 2)) {
    problems.Report("cannot read " + path + ": a text of more than 1 GB");
    return false;
  }
  length = DecodeText(std::string_view(bytes.data(), done), codepage, chars);
  chars[length] = 0;
  return true;
}

namespace {

bool IsSpaceChar(WideChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x00A0 || c == 0x2028 || c == 0x2029 ||
         c == 0x3000 || c == u'\f' || c == u'\v';
}

// Sentence ends: ".", "!" or "?" followed by white space. Paragraph ends: the line end that begins a blank
// line (only spaces or tabs up to the next line end).
void PlaceSegmentMarkers(const WideChar* text, uint16_t* classes, std::size_t n) {
  std::size_t resume = 0;  // blank lines after a paragraph end belong to it
  auto at = [&](std::size_t i) {
    if (i < resume) return;
    const WideChar c = text[i];
    if (c != u'\n') {
      if (i + 1 < n && IsSpaceChar(text[i + 1]) && (classes[i] & CharClassSegmentMarker) == 0)
        classes[i] = CharClassSegmentMarker | seg_sentence_end_by_rule;
      return;
    }
    std::size_t j = i + 1;
    while (j < n && (text[j] == u' ' || text[j] == u'\t' || text[j] == u'\r')) ++j;
    if (j < n && text[j] == u'\n') {
      classes[i] = CharClassSegmentMarker | seg_paragraph_end_by_rule;
      while (j < n && IsSpaceChar(text[j])) ++j;
      resume = j;
    }
  };
  std::size_t i = 0;
#if defined(__SSE2__)
  // Eight characters at a time: most blocks hold none of the four characters looked for.
  const __m128i dot = _mm_set1_epi16(u'.'), bang = _mm_set1_epi16(u'!'), query = _mm_set1_epi16(u'?'),
                lf = _mm_set1_epi16(u'\n');
  for (; i + 8 <= n; i += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, dot), _mm_cmpeq_epi16(v, bang)),
                                     _mm_or_si128(_mm_cmpeq_epi16(v, query), _mm_cmpeq_epi16(v, lf)));
    for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit)); mask;
         mask &= mask - 1, mask &= mask - 1)
      at(i + static_cast<std::size_t>(__builtin_ctz(mask)) / 2);
  }
#endif
  for (; i < n; ++i) {
    const WideChar c = text[i];
    if (c == u'.' || c == u'!' || c == u'?' || c == u'\n') at(i);
  }
}

}  // namespace

void TLexmillTextReader::Classify(bool markers) {
  if (classes.size() < length + 2) classes.resize(length + 2);
  const int n = static_cast<int>(length);
  if (n > 0) {
    GetStringTypeExNT2000(true, options.lcid, CT_CTYPE1, classes.data(), n, chars.data());
    // Most texts have no zero-width (non-)joiner: one branch-free pass spares two passes over the classes.
    unsigned joiners = 0;
    const WideChar* c = chars.data();
    for (int i = 0; i < n; ++i) joiners |= static_cast<uint16_t>(c[i] - 0x200C) < 2u;
    if (joiners) {
      SetZeroWidthJoinersToDefined(chars.data(), classes.data(), n);
      SetZeroWidthNonJoinersToDefinedAlpha(chars.data(), classes.data(), n);
    }
    if (!options.middle.empty())
      HandleMiddleChars(chars.data(), classes.data(), options.middle.data(),
                        static_cast<int>(options.middle.size()), n, true, false, false);
    HandleMiddleCharsInNumbers(true, false, chars.data(), classes.data(), n);
    if (markers) PlaceSegmentMarkers(chars.data(), classes.data(), length);
  }
  classes[length] = classes[length + 1] = 0x0248;  // the spare slots read as a space
}

TLexmillProgress::TLexmillProgress(uint64_t totalBytes)
    : shown(::isatty(2) && totalBytes > 20'000'000), total(totalBytes) {}

TLexmillProgress::~TLexmillProgress() {
  if (shown && lastPercent >= 0) std::fprintf(stderr, "\r%60s\r", "");
}

void TLexmillProgress::Advance(uint64_t bytes) {
  if (!shown || total == 0) return;
  done += bytes;
  const int percent = static_cast<int>(std::min<uint64_t>(100, done * 100 / total));
  if (percent == lastPercent) return;
  lastPercent = percent;
  char bar[41];
  const int filled = percent * 40 / 100;
  for (int i = 0; i < 40; ++i) bar[i] = i < filled ? '#' : '.';
  bar[40] = 0;
  std::fprintf(stderr, "\r[%s] %3d%%", bar, percent);
  std::fflush(stderr);
}

void AppendOneLineUTF8(std::string& out, const WideChar* p, std::size_t n) {
  for (std::size_t i = 0; i < n;) {
    UChar32 c;
    U16_NEXT(p, i, n, c);
    if (c < 0x80) {
      out += c < 0x20 ? ' ' : static_cast<char>(c);
      continue;
    }
    if (c == 0x2028 || c == 0x2029) {
      out += ' ';
      continue;
    }
    if (U_IS_SURROGATE(c)) c = 0xFFFD;  // a lone surrogate, or half a pair cut by the context's edge
    if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string ToOneLineUTF8(const WideChar* p, std::size_t n) {
  std::string s;
  AppendOneLineUTF8(s, p, n);
  return s;
}

std::size_t DisplayWidth(const std::string& utf8) {
  std::size_t w = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++w;
  return w;
}

}  // namespace lx
