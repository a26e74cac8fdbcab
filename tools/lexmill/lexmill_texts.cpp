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

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_stats.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "lexcore/text/my_Unicodenew.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_one_line.h"
#include "tools/lexmill/lexmill_sources.h"

namespace lx {

void TLexmillProblems::Report(const std::string& message) {
  ++count;
  if (deferred)
    messages.push_back("lexmill: " + message);
  else
    std::fprintf(stderr, "lexmill: %s\n", message.c_str());
}

void TLexmillProblems::Warn(const std::string& message) {
  if (deferred)
    messages.push_back("lexmill: warning: " + message);
  else
    std::fprintf(stderr, "lexmill: warning: %s\n", message.c_str());
}

void TLexmillProblems::Take(TLexmillProblems& other) {
  count += other.count;
  for (const std::string& m : other.messages) {
    if (deferred)
      messages.push_back(m);
    else
      std::fprintf(stderr, "%s\n", m.c_str());
  }
  other.count = 0;
  other.messages.clear();
}

std::string ToUTF8(const UnicodeString& s) {
  return UTF16ToUTF8(s);
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

TLexmillTextReader::TLexmillTextReader(const TLexmillOptions& o)
    : options(o), decoder(o.encoding, CodePageFromLocale(o.lcid)) {}

namespace {

// The engine counts in 32 bits and the class array takes two bytes a character: a text is refused before
// its buffers are allocated when it could not be searched anyway.
constexpr std::size_t kLimit = INT32_MAX / 2;

void ReportTooLarge(const std::string& path, TLexmillProblems& problems) {
  problems.Report("cannot read " + path + ": a text of 1 GB or more");
}

// Closes a file however its reading ends.
struct TFileCloser {
  int fd;
  ~TFileCloser() { ::close(fd); }
};

// read() into p, again when interrupted; -1 with errno set on failure.
ssize_t ReadSome(int fd, char* p, std::size_t n) {
  for (;;) {
    const ssize_t got = ::read(fd, p, n);
    if (got >= 0 || errno != EINTR) return got;
  }
}

}  // namespace

bool TLexmillTextReader::CheckFile(int fd, const std::string& path, TLexmillProblems& problems,
                                   std::size_t& expected) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || (!S_ISREG(st.st_mode) && path != "-")) {
    problems.Report("cannot read " + path + ": not a regular file");
    return false;
  }
  if (S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) > kLimit) {
    ReportTooLarge(path, problems);
    return false;
  }
  expected = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
  return true;
}

bool TLexmillTextReader::ReadBytes(int fd, const std::string& path, TLexmillProblems& problems) {
  std::size_t expected = 0;
  if (!CheckFile(fd, path, problems, expected)) return false;
  // Read to the end rather than trusting the size: a file may grow or shrink while it is read, and standard
  // input has no size. The buffer only grows, so it is not cleared again for every text.
  if (bytes.size() < expected + 1) bytes.resize(expected + 1);
  std::size_t done = 0;
  for (;;) {
    if (done == bytes.size()) {
      if (done > kLimit) {
        ReportTooLarge(path, problems);
        return false;
      }
      bytes.resize(bytes.size() * 2 + 4096);
    }
    const ssize_t n = ReadSome(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      problems.Report("cannot read " + path + ": " + std::strerror(errno));
      return false;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  byteCount = done;
  if (done > kLimit) {
    ReportTooLarge(path, problems);
    return false;
  }
  return true;
}

TLexmillTextReader::TPieces TLexmillTextReader::ReadUTF8Pieces(int fd, const std::string& path,
                                                               TLexmillProblems& problems) {
  std::size_t expected = 0;
  if (!CheckFile(fd, path, problems, expected)) return TPieces::failed;
  pieces.Start(chars, expected);
  std::size_t done = 0;
  for (;;) {
    const ssize_t n = ReadSome(fd, pieces.Space(), TUTF8Pieces::kPiece);
    if (n < 0) {
      problems.Report("cannot read " + path + ": " + std::strerror(errno));
      return TPieces::failed;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
    if (done > kLimit) {
      ReportTooLarge(path, problems);
      return TPieces::failed;
    }
    if (!pieces.Take(static_cast<std::size_t>(n))) return TPieces::other;
  }
  if (!pieces.End(length)) return TPieces::other;
  byteCount = done;
  return TPieces::decoded;
}

bool TLexmillTextReader::Read(const std::string& path, TLexmillProblems& problems) {
  try {
    if (!ReadText(path, problems)) return false;
    // The class array is made now, while a lack of room for it is still this text's problem alone.
    if (classes.size() < length + kSpareClasses) classes.resize(length + kSpareClasses);
    return true;
  } catch (const std::bad_alloc&) {
    // A text the memory this run may use cannot hold: a problem of its own, and the other texts are read.
    struct stat st {};
    const uint64_t size = path != "-" && ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size)
                                                                        : uint64_t{byteCount};
    THugeVector<char>().swap(bytes);
    TTextUnits().swap(chars);
    THugeVector<uint16_t>().swap(classes);
    std::u16string().swap(stripped);
    length = byteCount = 0;
    problems.Report("cannot read " + path + ": not enough memory for a text of " +
                    std::to_string(size >> 20) + " MB");
    return false;
  }
}

bool TLexmillTextReader::ReadText(const std::string& path, TLexmillProblems& problems) {
  length = 0;
  byteCount = 0;
  bool ok;
  bool decoded = false;
  if (path == "-") {
    ok = ReadBytes(0, path, problems);
  } else if (IsArchiveMemberOrDocument(path)) {
    if (IsDocumentPath(path)) return ReadDocument(path, problems);
    ok = ReadMemberBytes(path, problems);
  } else {
    // Non-blocking, so a named pipe or device given as a path is refused instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
      problems.Report("cannot read " + path + ": " + std::strerror(errno));
      return false;
    }
    const TFileCloser closer{fd};
    // Most files are UTF-8, decoded as they are read; a file found to be in another encoding is read
    // again whole.
    TPieces p = decoder.Automatic() ? ReadUTF8Pieces(fd, path, problems) : TPieces::other;
    if (p == TPieces::other && ::lseek(fd, 0, SEEK_SET) != 0) {
      problems.Report("cannot read " + path + ": " + std::strerror(errno));
      p = TPieces::failed;
    }
    decoded = p == TPieces::decoded;
    ok = p == TPieces::decoded || (p == TPieces::other && ReadBytes(fd, path, problems));
  }
  if (!ok) return false;
  if (!decoded) {
    if (!decoder.Decode(std::string_view(bytes.data(), byteCount), chars, length)) {
      problems.Report(path + ": a binary file (it holds NUL bytes and is not UTF-16 or UTF-32), skipped");
      return false;
    }
    if (decoder.UsedCodePage()) {
      const double share = SuspectCharacterShare(chars.data(), length);
      if (share > 0.01) {
        char percent[32];
        std::snprintf(percent, sizeof percent, "%.1f%%", share * 100);
        problems.Warn(path + ": " + percent + " of its characters are control or private-use characters in " +
                      decoder.UsedName() + "; it is probably in another encoding (see --encoding)");
      }
    }
  }
  StripTags(path, problems);
  if (options.normalize) NormalizeNFC(chars, length);
  return true;
}

namespace {

bool IsSpaceChar(WideChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x00A0 || c == 0x2028 || c == 0x2029 ||
         c == 0x3000 || c == u'\f' || c == u'\v';
}

// A line ends at LF, at CR not followed by LF (old Mac texts), and at U+2028 LINE SEPARATOR or U+2029
// PARAGRAPH SEPARATOR (a paragraph still needs a blank line: the marker of the sentence it ends goes on the
// blank line's own line end).
bool IsLineEnd(const WideChar* text, std::size_t n, std::size_t i) {
  const WideChar c = text[i];
  return c == u'\n' || (c | 1) == 0x2029 || (c == u'\r' && (i + 1 >= n || text[i + 1] != u'\n'));
}

// Paragraph ends: the line end that begins a blank line (only spaces or tabs up to the next line end).
// Sentence ends by the simple rule: ".", "!" or "?" followed by white space; otherwise they are left to
// PlaceSentenceEnds.
void PlaceSegmentMarkers(const WideChar* text, uint16_t* classes, std::size_t n, bool simpleSentences,
                         std::vector<uint32_t>& paragraphEnds) {
  paragraphEnds.clear();
  std::size_t resume = 0;  // blank lines after a paragraph end belong to it
  auto at = [&](std::size_t i) {
    if (i < resume) return;
    const WideChar c = text[i];
    if (c == u'.' || c == u'!' || c == u'?') {
      if (!simpleSentences) return;
      if (i + 1 < n && IsSpaceChar(text[i + 1]) && (classes[i] & CharClassSegmentMarker) == 0)
        classes[i] = CharClassSegmentMarker | seg_sentence_end_by_rule;
      return;
    }
    if (!IsLineEnd(text, n, i)) return;  // the CR of a CR LF
    std::size_t j = i + 1;
    // The CR of a CR LF is part of the line end that follows it.
    while (j < n && (text[j] == u' ' || text[j] == u'\t' || (text[j] == u'\r' && !IsLineEnd(text, n, j))))
      ++j;
    if (j < n && IsLineEnd(text, n, j)) {
      classes[i] = CharClassSegmentMarker | seg_paragraph_end_by_rule;
      paragraphEnds.push_back(static_cast<uint32_t>(i));
      while (j < n && IsSpaceChar(text[j])) ++j;
      resume = j;
    }
  };
  std::size_t i = 0;
#if defined(__SSE2__)
  // Eight characters at a time: most blocks hold none of the characters looked for, which without the
  // simple sentence rule are line ends alone.
  const __m128i lf = _mm_set1_epi16(u'\n'), dot = _mm_set1_epi16(u'.'), bang = _mm_set1_epi16(u'!'),
                query = _mm_set1_epi16(u'?'), cr = _mm_set1_epi16(u'\r');
  // U+2028 and U+2029 are the two units 0x2028 | 1.
  const __m128i separators = _mm_set1_epi16(0x2028), notLast = _mm_set1_epi16(static_cast<int16_t>(0xFFFE));
  const auto lineEnds = [&](__m128i v) {
    return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, lf), _mm_cmpeq_epi16(v, cr)),
                        _mm_cmpeq_epi16(_mm_and_si128(v, notLast), separators));
  };
  const auto scan = [&](auto looked) {
    for (; i + 8 <= n; i += 8) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
      for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(looked(v))); mask;
           mask &= mask - 1, mask &= mask - 1)
        at(i + static_cast<std::size_t>(__builtin_ctz(mask)) / 2);
    }
  };
  if (simpleSentences)
    scan([&](__m128i v) {
      return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, dot), _mm_cmpeq_epi16(v, bang)),
                          _mm_or_si128(_mm_cmpeq_epi16(v, query), lineEnds(v)));
    });
  else
    scan(lineEnds);
#endif
  for (; i < n; ++i) {
    const WideChar c = text[i];
    if (c == u'.' || c == u'!' || c == u'?' || c == u'\n' || c == u'\r' || (c | 1) == 0x2029) at(i);
  }
}

// Sentence ends as the class splitter finds them (abbreviations before lower-case words run on, closing
// quotes stay with their sentence, every script's terminators count). A paragraph end also ends a sentence
// left open: its marker goes on the blank line's own line end, which the paragraph marker leaves free.
// paragraphEnds holds the paragraph markers' places in text order; places is working room.
void PlaceSentenceEnds(const WideChar* text, uint16_t* classes, std::size_t n,
                       std::vector<TSentenceEnd>& ends, const std::vector<uint32_t>& paragraphEnds,
                       std::vector<uint32_t>& places) {
  ends.clear();
  FindSentenceEnds(text, classes, n, ends);
  // The marker goes on the white character closing the end when there is one, so that a closing quote is not
  // counted as a token of its own; when there is none, or a paragraph end has taken it, on the end's last
  // character that is not white (the closing quote or bracket, else the terminator), for the same reason.
  places.resize(paragraphEnds.size() + ends.size());
  uint32_t* sentencePlaces = places.data() + paragraphEnds.size();
  for (std::size_t e = 0; e < ends.size(); ++e) {
    std::size_t at = ends[e].end - 1;
    const bool white = !(classes[at] & CharClassHiddenOrMarker) && (classes[at] & CharClassWhite);
    if (!white)
      while (at > ends[e].terminator && (classes[at] & (CharClassSegmentMarker | CharClassWhite))) --at;
    classes[at] = CharClassSegmentMarker | seg_sentence_end_by_rule;
    sentencePlaces[e] = static_cast<uint32_t>(at);
  }
  std::copy(paragraphEnds.begin(), paragraphEnds.end(), places.begin());
  std::inplace_merge(places.begin(), places.begin() + static_cast<std::ptrdiff_t>(paragraphEnds.size()),
                     places.end());
  // The markers are visited in text order (a sentence end may have taken a paragraph end's place, and its
  // class tells which it is now): whether words came since the last sentence end is asked at a paragraph
  // end, looking back no further than the place the previous question started from.
  std::size_t from = 0;          // no words between an end before here and here
  std::size_t ahead = SIZE_MAX;  // a sentence end placed below, not yet passed
  const auto at = [&](std::size_t i) {
    const uint16_t code = classes[i] & kSegmentCodeMask;
    if (code == seg_sentence_end_by_rule) {
      from = i + 1;
    } else if (code == seg_paragraph_end_by_rule) {
      bool open = false;
      for (std::size_t j = i; j > from && !open;) {
        const uint16_t w = classes[--j];
        open = !(w & CharClassHiddenOrMarker) && (w & CharClassWordChar);
      }
      from = i + 1;
      if (!open) return;
      std::size_t j = i + 1;
      while (j < n && !IsLineEnd(text, n, j)) ++j;
      if (j < n && !(classes[j] & CharClassSegmentMarker)) {
        classes[j] = CharClassSegmentMarker | seg_sentence_end_by_rule;
        ahead = j;
      }
    }
  };
  std::size_t last = SIZE_MAX;
  for (const uint32_t p : places) {
    if (p == last) continue;  // a sentence end on a paragraph end's place
    last = p;
    if (ahead < p) {
      from = ahead + 1;
      ahead = SIZE_MAX;
    }
    at(p);
  }
}

}  // namespace

namespace {

// Whether the class table gives any unit the hidden class, asked once a run.
bool TableHides() {
  static const bool hides = [] {
    const uint16_t* table = WordClassesOfUnits();
    uint16_t all = 0;
    for (std::size_t u = 0; u < 0x10000; ++u) all |= table[u];
    return (all & CharClassHidden) != 0;
  }();
  return hides;
}

// What the one-pass class fill looks out for, unit by unit.
enum : uint8_t { kUnitMiddle = 1, kUnitSeparator = 2, kUnitOther = 4 };

bool IsDigitClass(uint16_t k) {
  return (k & (C1_DIGIT | CharClassSegmentMarker)) == C1_DIGIT;
}

}  // namespace

bool TLexmillTextReader::PrepareOnePass() {
  const uint16_t* table = WordClassesOfUnits();
  unitKinds.assign(0x10000, 0);
  for (std::size_t u = 0xD800; u < 0xE000; ++u) unitKinds[u] = kUnitOther;
  unitKinds[0x200C] = unitKinds[0x200D] = kUnitOther;  // zero-width (non-)joiners
  for (const WideChar c : {u'.', u',', u'\u00B7'}) unitKinds[c] = kUnitSeparator;
  // Word-internal characters that are letters or digits already, or number separators too, would make one
  // rule's result depend on the other's: such texts take the passes one after the other.
  for (const WideChar c : options.middle) {
    if (unitKinds[c] != 0 || (table[c] & (CharClassWordChar | C1_DIGIT))) return false;
    unitKinds[c] = kUnitMiddle;
  }
  for (const WideChar c : {u'.', u',', u'\u00B7'})
    if (table[c] & (CharClassWordChar | C1_DIGIT)) return false;
  asciiKinds.clear();
  for (WideChar c = 0; c < 0x80; ++c)
    if (unitKinds[c]) asciiKinds.push_back(c);
  return true;
}

// The class fill with the word-internal characters and the number separators in one pass: a unit of either
// kind is noted while the classes are filled, and settled once the class after it is known. Neither rule
// can change a class the other reads, since both change only a character between two word characters and
// neither kind is a word character itself. False, with the classes unfinished, for a text holding a
// surrogate or a zero-width (non-)joiner.
bool TLexmillTextReader::ClassifyOnePass() {
  const uint16_t* table = WordClassesOfUnits();
  const uint8_t* kinds = unitKinds.data();
  const WideChar* text = chars.data();
  uint16_t* k = classes.data();
  const std::size_t n = length;
  constexpr std::size_t kChunk = 1 << 14;
  noted.resize(kChunk + 1);
  uint32_t* at = noted.data();
  std::size_t carried = 0;  // a noted unit at the end of the last chunk, waiting for the class after it
  uint8_t seen = 0;
  for (std::size_t start = 0; start < n; start += kChunk) {
    const std::size_t end = std::min(n, start + kChunk);
    std::size_t count = carried;
    std::size_t i = start;
    // One unit's class, and a note of it when a rule may apply to it.
    auto fill = [&](std::size_t j) {
      const WideChar u = text[j];
      k[j] = table[u];
      const uint8_t kind = kinds[u];
      seen |= kind;
      at[count] = static_cast<uint32_t>(j);
      count += kind != 0;
    };
#if defined(__SSE2__)
    // Blocks of eight ASCII units take the table alone, and only the units a rule looks at are noted: none
    // of those is of the kind that ends the one-pass fill.
    if (!asciiKinds.empty() && asciiKinds.size() <= kMostAsciiKinds) {
      __m128i look[kMostAsciiKinds];
      for (std::size_t a = 0; a < kMostAsciiKinds; ++a)
        look[a] = _mm_set1_epi16(static_cast<int16_t>(asciiKinds[std::min(a, asciiKinds.size() - 1)]));
      const __m128i ascii = _mm_set1_epi16(0x7F);
      for (; i + 8 <= end; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const __m128i beyond = _mm_subs_epu16(v, ascii);  // not zero beyond ASCII
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(beyond, _mm_setzero_si128())) != 0xFFFF) {
          for (std::size_t j = i; j < i + 8; ++j) fill(j);
          continue;
        }
        __m128i looked = _mm_cmpeq_epi16(v, look[0]);
        for (std::size_t a = 1; a < kMostAsciiKinds; ++a)
          looked = _mm_or_si128(looked, _mm_cmpeq_epi16(v, look[a]));
        for (std::size_t j = i; j < i + 8; ++j) k[j] = table[text[j]];
        for (unsigned m = static_cast<unsigned>(_mm_movemask_epi8(looked)) & 0x5555u; m; m &= m - 1)
          at[count++] = static_cast<uint32_t>(i + static_cast<std::size_t>(__builtin_ctz(m)) / 2);
      }
    }
#endif
    for (; i < end; ++i) fill(i);
    if (seen & kUnitOther) return false;
    carried = 0;
    for (std::size_t m = 0; m < count; ++m) {
      const std::size_t i = at[m];
      if (i == 0 || i + 1 >= n) continue;  // no character on one side
      if (i + 1 == end) {
        at[0] = static_cast<uint32_t>(i);
        carried = 1;
        break;
      }
      const uint16_t before = k[i - 1], after = k[i + 1];
      if (kinds[text[i]] == kUnitMiddle) {
        if ((before & CharClassWordChar) && (after & CharClassWordChar))
          k[i] = ((before | after) & C1_DIGIT) ? CharClassAsDigit : CharClassAsLetter;
      } else if (IsDigitClass(before) && IsDigitClass(after)) {
        k[i] = CharClassAsDigit;
      }
    }
  }
  return true;
}

bool TLexmillTextReader::AnyHidden() {
  if (hidden == THidden::unknown) {
    // Without an early exit the loop runs many classes at a time. The marker bit shifted onto the hidden
    // bit clears it: markers are not hidden characters.
    uint16_t any = 0;
    for (std::size_t i = 0; i < length; ++i)
      any |= static_cast<uint16_t>(classes[i] & ~(classes[i] >> 4) & CharClassHidden);
    hidden = any ? THidden::some : THidden::none;
  }
  return hidden == THidden::some;
}

void TLexmillTextReader::Classify(bool markers) {
  hidden = THidden::none;
  if (classes.size() < length + kSpareClasses) classes.resize(length + kSpareClasses);
  if (chars.size() < length + kSpareClasses) chars.resize(length + kSpareClasses);
  const int n = static_cast<int>(length);
  if (n > 0) {
    if (onePass < 0) onePass = PrepareOnePass() ? 1 : 0;
    const bool filled = onePass && ClassifyOnePass();
    if (!filled) {
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
    }
    // Only a class the table gives can be hidden (the rules give none), so most texts need no look.
    hidden = filled && !TableHides() ? THidden::none : THidden::unknown;
    if (markers) {
      PlaceSegmentMarkers(chars.data(), classes.data(), length, options.simpleSentenceEnds, paragraphEnds);
      if (!options.simpleSentenceEnds)
        PlaceSentenceEnds(chars.data(), classes.data(), length, sentenceEnds, paragraphEnds, markerPlaces);
    }
  }
  std::fill_n(classes.data() + length, kSpareClasses, uint16_t{0x0248});  // the spare slots read as a space
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

namespace {

// Writes at o, which has room for three bytes a unit (a pair gives four for its two units); returns the end.
char* PutOneLineUTF8(char* o, const WideChar* p, std::size_t n) {
  for (std::size_t i = 0; i < n;) {
    if (p[i] < 0x80) {
      *o++ = p[i] < 0x20 ? ' ' : static_cast<char>(p[i]);
      ++i;
      continue;
    }
    o = PutOneLineNonASCII(o, p, i, n);
  }
  return o;
}

}  // namespace

void AppendOneLineUTF8(std::string& out, const WideChar* p, std::size_t n) {
  // Through a small buffer on the stack rather than by growing the string first, which would clear what is
  // about to be written. A pair is never split between two pieces.
  constexpr std::size_t kPiece = 256;
  char piece[3 * kPiece];
  out.reserve(out.size() + n);
  while (n > 0) {
    std::size_t m = std::min(n, kPiece);
    if (m < n && U16_IS_LEAD(p[m - 1]) && U16_IS_TRAIL(p[m])) --m;
    out.append(piece, static_cast<std::size_t>(PutOneLineUTF8(piece, p, m) - piece));
    p += m;
    n -= m;
  }
}

std::string ToOneLineUTF8(const WideChar* p, std::size_t n) {
  std::string s;
  AppendOneLineUTF8(s, p, n);
  return s;
}

}  // namespace lx
