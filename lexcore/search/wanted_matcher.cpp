#include "lexcore/search/wanted_matcher.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lx {

namespace {

inline bool IsHidden(uint16_t k) {
  return (k & CharClassHiddenOrMarker) == CharClassHidden;
}
// A marker is a segment boundary, so it separates words like white space does.
inline bool IsWhite(uint16_t k) {
  return (k & CharClassSegmentMarker) || (k & CharClassWhite);
}
inline bool IsSeparator(uint16_t k) {
  return (k & CharClassSegmentMarker) || (k & CharClassSeparator);
}
inline bool IsWordChar(uint16_t k) {
  return !(k & CharClassHiddenOrMarker) && (k & CharClassWordChar);
}
inline bool IsDigitChar(uint16_t k) {
  return !(k & CharClassHiddenOrMarker) && (k & kClassDigit) && k != 0x880F;
}

template <typename Ch>
class Matcher {
 public:
  Matcher(const TWantedBuffer& b, const TWantedPattern& p, TWantedMatchMemo& memo)
      : T_(static_cast<const Ch*>(b.start)),
        C_(b.classes),
        end_(b.length),
        P_(static_cast<const Ch*>(p.lower)),
        PU_(static_cast<const Ch*>(p.upper)),
        PT_(static_cast<const Ch*>(p.title)),
        n_(p.length),
        cs_(p.caseSensitive || !p.upper || !p.title),
        leftBoundary_(p.leftBoundary),
        rightBoundary_(p.rightBoundary),
        spaceRun_(p.punctuationAsSpace ? CharClassSeparator : CharClassWhite),
        tagDelimiters_(p.tagDelimiters),
        continuesWord_(b.continuesWord),
        memo_(memo) {
    // A leading tag code is the pattern's first character: it must meet a tag's opening delimiter.
    first_ = 0;
    startsInTag_ = n_ > 0 && P_[0] == sw_tag_open_code;
    endsWithTag_ = n_ > 0 && P_[n_ - 1] == sw_tag_close_code;
    firstIsLiteral_ = first_ < n_ && !IsSpecial(P_[first_]);
    // The block filter also looks at the second character when it is a plain one.
    secondIsLiteral_ = firstIsLiteral_ && first_ + 1 < n_ && !IsSpecial(P_[first_ + 1]);
  }

  TWantedHit Scan(int64_t from, TSearchStatsRec& stats, bool& inHeading, const TSegmentTagsFound& tags) {
    TWantedHit hit;
    // Words are counted once, in `words`; the per-segment positions follow from it when a segment ends and
    // when the scan stops, so the loop does one addition per word.
    int32_t number[5], position[5];
    for (int i = 0; i < 5; ++i) {
      number[i] = stats.number[i];
      position[i] = stats.position[i];
    }
    bool heading = inHeading;
    const int32_t words0 = number[0];
    int32_t words = words0;
    int32_t mark[5];  // word count at which each position was last brought up to date
    for (int i = 0; i < 5; ++i) mark[i] = words0;
    auto settle = [&](int32_t w) {
      for (int i : {1, 2, 4}) position[i] += w - mark[i], mark[i] = w;
      if (heading) position[3] += w - mark[3];
      mark[3] = w;
    };
    uint32_t boundary = AfterBoundary(from) ? 1u : 0u;
    if (n_ > 0) {
      const Ch f0 = firstIsLiteral_ ? P_[first_] : Ch(0);
      const Ch f1 = firstIsLiteral_ && !cs_ ? PU_[first_] : f0;
      const Ch f2 = firstIsLiteral_ && !cs_ ? PT_[first_] : f0;
      int64_t i = from;
      int64_t slowUntil = from;  // characters before this go one at a time
      while (i < end_) {
        // Most of a text is plain: a block without mark-up or markers is counted in one go, and only the
        // places where the pattern's first characters stand are tried.
        if (firstIsLiteral_ && i >= slowUntil && i + kBlock < end_) {
          uint32_t candidates = 0, white = 0;
          if (PlainBlock(i, f0, f1, f2, candidates, white)) {
            // Word starts are the characters that are not white after white: bit j of starts stands for i +
            // j.
            const uint32_t starts = ~white & ((white << 1) | boundary);
            uint32_t counted = 0;  // bits below this are counted
            while (candidates) {
              const int j = std::countr_zero(candidates);
              candidates &= candidates - 1;
              const uint32_t upTo = j == 31 ? ~0u : (2u << j) - 1;  // bits 0..j
              words += std::popcount(starts & upTo & ~counted);
              counted = upTo;
              if (TryCandidate(i + j, hit)) break;
            }
            if (hit.start >= 0) break;
            words += std::popcount(starts & ~counted);
            boundary = white >> 31;
            i += kBlock;
            continue;
          }
          slowUntil = i + kBlock;
        }
        const uint16_t k = C_[i];
        if (k & CharClassSegmentMarker) [[unlikely]] {
          settle(words);
          ApplySegmentCode(k & kSegmentCodeMask, number, position, heading, tags);
        }
        // A word begins at a visible character that is not white after white space, a marker or the start;
        // hidden characters leave the state as it was.
        const uint32_t hidden = (k & CharClassHiddenOrMarker) == CharClassHidden;
        const uint32_t white = (k & (CharClassSegmentMarker | CharClassWhite)) != 0;
        words += static_cast<int32_t>(boundary & ~white & ~hidden & 1u);
        boundary = hidden ? boundary : white;
        const int64_t here = i++;
        if (firstIsLiteral_) {
          const Ch ch = T_[here];
          if (ch != f0 && ch != f1 && ch != f2) [[likely]]
            continue;
        }
        if (hidden && !startsInTag_) continue;
        if (TryCandidate(here, hit)) break;
      }
    }
    settle(words);
    number[0] = words;
    for (int i = 0; i < 5; ++i) {
      stats.number[i] = number[i];
      stats.position[i] = position[i];
    }
    for (int i = 1; i < 5; ++i) stats.out_of[i] = stats.position[i];
    inHeading = heading;
    return hit;
  }

 private:
  static constexpr int64_t kBlock = 32;

  // A block of kBlock characters without hidden characters or markers (the character after it included, since
  // a hidden run there could part the pattern's first two characters). candidates gets bit j for each place i
  // + j where the pattern's first character (and its second, when that is a plain character too) stands,
  // white gets bit j for each white character.
  bool PlainBlock(int64_t i, Ch f0, Ch f1, Ch f2, uint32_t& candidates, uint32_t& white) const {
#if defined(__SSE2__)
    if constexpr (sizeof(Ch) == 2) return PlainBlockSse2(i, f0, f1, f2, candidates, white);
#endif
    const uint16_t* k = C_ + i;
    const Ch* t = T_ + i;
    uint32_t flags = k[kBlock], bits = 0, w = 0;
    const bool pairs = secondIsLiteral_;
    const Ch s0 = pairs ? P_[first_ + 1] : Ch(0);
    const Ch s1 = pairs && !cs_ ? PU_[first_ + 1] : s0, s2 = pairs && !cs_ ? PT_[first_ + 1] : s0;
    for (int j = 0; j < kBlock; ++j) {
      flags |= k[j];
      uint32_t a = static_cast<uint32_t>(t[j] == f0) | static_cast<uint32_t>(t[j] == f1) |
                   static_cast<uint32_t>(t[j] == f2);
      if (pairs)
        a &= static_cast<uint32_t>(t[j + 1] == s0) | static_cast<uint32_t>(t[j + 1] == s1) |
             static_cast<uint32_t>(t[j + 1] == s2);
      bits |= a << j;
      w |= static_cast<uint32_t>((k[j] & CharClassWhite) != 0) << j;
    }
    candidates = bits;
    white = w;
    return !(flags & CharClassHiddenOrMarker);
  }

#if defined(__SSE2__)
  // The same, eight characters at a time.
  bool PlainBlockSse2(int64_t i, Ch f0, Ch f1, Ch f2, uint32_t& candidates, uint32_t& white) const {
    const auto* k = reinterpret_cast<const __m128i*>(C_ + i);
    const auto* t = reinterpret_cast<const __m128i*>(T_ + i);
    const __m128i vf0 = _mm_set1_epi16(static_cast<short>(f0)), vf1 = _mm_set1_epi16(static_cast<short>(f1)),
                  vf2 = _mm_set1_epi16(static_cast<short>(f2));
    const __m128i hiddenOrMarker = _mm_set1_epi16(static_cast<short>(CharClassHiddenOrMarker));
    const __m128i whiteBits = _mm_set1_epi16(CharClassWhite);
    const __m128i zero = _mm_setzero_si128();
    __m128i flags = _mm_setzero_si128();
    uint32_t bits = 0, w = 0;
    const bool pairs = secondIsLiteral_;
    const __m128i vs0 = _mm_set1_epi16(static_cast<short>(pairs ? P_[first_ + 1] : 0));
    const __m128i vs1 =
        _mm_set1_epi16(static_cast<short>(pairs && !cs_ ? PU_[first_ + 1] : (pairs ? P_[first_ + 1] : 0)));
    const __m128i vs2 =
        _mm_set1_epi16(static_cast<short>(pairs && !cs_ ? PT_[first_ + 1] : (pairs ? P_[first_ + 1] : 0)));
    for (int q = 0; q < kBlock / 8; ++q) {
      const __m128i kc = _mm_loadu_si128(k + q);
      const __m128i tc = _mm_loadu_si128(t + q);
      flags = _mm_or_si128(flags, _mm_and_si128(kc, hiddenOrMarker));
      __m128i a = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(tc, vf0), _mm_cmpeq_epi16(tc, vf1)),
                               _mm_cmpeq_epi16(tc, vf2));
      if (pairs) {
        const __m128i tn = _mm_loadu_si128(reinterpret_cast<const __m128i*>(T_ + i + 1 + 8 * q));
        a = _mm_and_si128(a, _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(tn, vs0), _mm_cmpeq_epi16(tn, vs1)),
                                          _mm_cmpeq_epi16(tn, vs2)));
      }
      const __m128i notWhite = _mm_cmpeq_epi16(_mm_and_si128(kc, whiteBits), zero);
      // One bit per character from the byte mask of the 16-bit lanes.
      bits |= CompressLanes(_mm_movemask_epi8(a)) << (8 * q);
      w |= (~CompressLanes(_mm_movemask_epi8(notWhite)) & 0xFFu) << (8 * q);
    }
    candidates = bits;
    white = w;
    const bool plain = _mm_movemask_epi8(_mm_cmpeq_epi16(flags, zero)) == 0xFFFF;
    return plain && !(C_[i + kBlock] & CharClassHiddenOrMarker);
  }

  // One bit per 16-bit lane from a byte mask (each lane sets two equal bits): bits 0, 2 ... 14 to bits 0
  // ... 7.
  static uint32_t CompressLanes(int mask) {
    uint32_t m = static_cast<uint32_t>(mask) & 0x5555u;
    m = (m | (m >> 1)) & 0x3333u;
    m = (m | (m >> 2)) & 0x0F0Fu;
    m = (m | (m >> 4)) & 0x00FFu;
    return m;
  }
#endif

  // The boundaries and the match at candidate c; fills hit when it holds.
  bool TryCandidate(int64_t c, TWantedHit& hit) {
    if (leftBoundary_ && !startsInTag_ && c > 0) {
      const uint16_t before = C_[c - 1];
      if (!(before & CharClassHiddenOrMarker) && (before & CharClassWordChar)) return false;
    }
    const int64_t matched = Match(c);
    if (matched < 0) return false;
    int64_t hitEnd = matched;
    if (endsWithTag_) {
      // A tag closing the pattern is a boundary of its own.
    } else if (rightBoundary_) {
      if (matched < end_) {
        const uint16_t after = C_[matched];
        if (!(after & CharClassSegmentMarker) && (after & CharClassWordChar)) return false;
      }
    } else {
      hitEnd = RestOfWord(matched);
    }
    hit.start = c;
    hit.wordStart = c;
    if (!leftBoundary_ && !startsInTag_) hit.wordStart = WordStartBefore(c);
    hit.patternLength = static_cast<int32_t>(matched - c);
    hit.hitLength = static_cast<int32_t>(hitEnd - c);
    return true;
  }

  static bool InWord(uint16_t k) {
    return IsWordChar(k) || k == CharClassDefinedOnly;
  }

  // Where the word that c stands in begins: c itself, or the first of the word characters just before it.
  int64_t WordStartBefore(int64_t c) {
    int64_t ws;
    if (memo_.wordKnownUpTo >= 0 && memo_.wordKnownUpTo <= c) {
      ws = memo_.wordStart;
      for (int64_t i = memo_.wordKnownUpTo; i < c; ++i)
        if (!InWord(C_[i])) ws = i + 1;
    } else {
      ws = c;
      while (ws > 0 && InWord(C_[ws - 1])) --ws;
    }
    memo_.wordKnownUpTo = c;
    memo_.wordStart = ws;
    return ws;
  }

  static bool IsSpecial(Ch c) {
    return c == u' ' || (c >= sw_tag_close_code && c <= sw_any_letter_code);
  }
  uint16_t Cls(int64_t i) const {
    return i < end_ ? C_[i] : CharClassWhite;
  }
  bool Eq(Ch c, int32_t j) const {
    return c == P_[j] || (!cs_ && (c == PU_[j] || c == PT_[j]));
  }
  bool IsBacktrackingStar(int32_t j) const {
    return P_[j] == sw_any_run_code && !(j + 1 < n_ && P_[j + 1] == u' ');
  }

  // Whether a word starting at `from` would begin after white space, a marker or the start of the buffer
  // (hidden characters in between do not count).
  bool AfterBoundary(int64_t from) const {
    for (int64_t i = from - 1; i >= 0; --i) {
      const uint16_t k = C_[i];
      if (!IsHidden(k)) return IsWhite(k);
    }
    return !continuesWord_;
  }

  bool IsTagDelimiter(Ch c, bool opening) const {
    if (!tagDelimiters_)
      return opening ? (c == u'<' || c == u'[' || c == u'{') : (c == u'>' || c == u']' || c == u'}');
    for (int k = opening ? 0 : 6, e = k + 6; k < e; ++k)
      if (tagDelimiters_[k] != 0 && c == tagDelimiters_[k]) return true;
    return false;
  }

  // Rest of a word after a match that needs no right boundary: letters, digits and defined-only characters
  // (zero-width joiners).
  int64_t RestOfWord(int64_t t) {
    TWantedMatchMemo::Entry* e = memo_.Tail();
    if (e && t >= e->from && t <= e->to) return e->to;
    int64_t u = t;
    while (u < end_) {
      const uint16_t k = C_[u];
      if (!(IsWordChar(k) || k == CharClassDefinedOnly)) break;
      ++u;
    }
    TWantedMatchMemo::Entry& s = memo_.SetTail();
    s.from = t;
    s.to = u;
    return u;
  }

  // First index at or after s where stop(index) holds (or the end), remembered per pattern element.
  template <typename Stop>
  int64_t Extent(int32_t j, int64_t s, Stop stop) {
    TWantedMatchMemo::Entry* e = memo_.Get(j);
    if (e && s >= e->from && s <= e->to) return e->to;
    int64_t u = s;
    while (u < end_ && !stop(u)) ++u;
    if (j < TWantedMatchMemo::kElements) {
      TWantedMatchMemo::Entry& m = memo_.Set(j);
      m.from = s;
      m.to = u;
    }
    return u;
  }

  // Matches the elements from j up to the next backtracking star (or the pattern's end) at t. Returns where
  // the text stands afterwards, or -1; jOut receives the star's index (or n_).
  int64_t MatchSegment(int32_t j, int64_t t, bool& tag, bool firstElement, int32_t& jOut) {
    while (j < n_) {
      const Ch e = P_[j];
      if (e == sw_tag_close_code) {
        // A tag in the pattern matches a tag in the text, delimiters included.
        if (t >= end_ || !IsTagDelimiter(T_[t], false)) return -1;
        tag = false;
        ++t;
        ++j;
        firstElement = false;
        continue;
      }
      if (e == sw_tag_open_code) {
        // A hidden run here is the tag itself, so it is not skipped.
        if (t >= end_ || !IsTagDelimiter(T_[t], true)) return -1;
        tag = true;
        ++t;
        ++j;
        firstElement = false;
        continue;
      }
      if (!firstElement && !tag)
        while (t < end_ && IsHidden(C_[t])) ++t;
      firstElement = false;
      if (IsBacktrackingStar(j)) {
        jOut = j;
        return t;
      }
      if (t >= end_) {
        // The buffer ended: only what consumes nothing may remain.
        if (e == sw_any_word_code) {
          ++j;
          continue;
        }
        return -1;
      }
      const uint16_t k = C_[t];
      const bool beforeSpace = j + 1 < n_ && P_[j + 1] == u' ';
      switch (e) {
        case u' ':
          if (tag) {
            if (T_[t] != u' ') return -1;
            ++t;
            break;
          }
          if (!IsSeparator(k)) return -1;
          // A phrase matches across a run of spaces and line ends; the run's last character stands for the
          // space.
          while (t + 1 < end_ && ((C_[t] & CharClassSegmentMarker) || (C_[t] & spaceRun_)) &&
                 ((C_[t + 1] & CharClassSegmentMarker) || (C_[t + 1] & spaceRun_)))
            ++t;
          ++t;
          // Spaces typed twice stand for one, as runs of them in the text do.
          while (j + 1 < n_ && P_[j + 1] == u' ') ++j;
          break;
        case sw_any_char_code:
          if (beforeSpace && IsSeparator(k)) break;
          // One character of a word: never the white space between words or a segment's end.
          if (!tag && IsWhite(k)) return -1;
          ++t;
          break;
        case sw_any_letter_code:
          if (beforeSpace && IsSeparator(k)) break;
          if ((k & CharClassSegmentMarker) || !(k & kClassAlpha)) return -1;
          ++t;
          break;
        case sw_number_code:
          if (!IsDigitChar(k)) return -1;
          t = Extent(j, t + 1, [this](int64_t u) { return !IsDigitChar(C_[u]); });
          break;
        case sw_any_run_code:  // followed by a space: the rest of the word, or nothing at a separator
          if (IsSeparator(k)) break;
          t = Extent(j, t + 1, [this](int64_t u) { return IsSeparator(C_[u]); });
          break;
        case sw_any_word_code:
          if (IsWhite(k)) return -1;  // a word must stand here
          t = Extent(j, t + 1, [this](int64_t u) {
            const uint16_t c = C_[u];
            return !IsHidden(c) && IsWhite(c);
          });
          break;
        default:
          if (!Eq(T_[t], j)) return -1;
          ++t;
          break;
      }
      ++j;
    }
    jOut = n_;
    return t;
  }

  // A star inside a word takes its first character, then characters above the space until one equals the next
  // pattern character. When what follows fails, the star takes one more character and tries again; only the
  // most recent star is retried. For a start s (after the star's first character) this finds the first stop
  // at which the rest of the star's segment matches; the answer holds for every start up to that stop, so it
  // is remembered.
  bool ResolveStar(int32_t j, int64_t s, bool tagAfter, int64_t& tNext, bool& tagNext, int32_t& jNext) {
    TWantedMatchMemo::Entry* e = memo_.Get(j);
    const bool nextIsPattern = j + 1 < n_;
    if (e && s >= e->from && s <= e->to) {
      if (!e->found) return false;
      tNext = e->next;
      tagNext = e->tagNext;
      jNext = e->jNext;
      return true;
    }
    int64_t u = s;
    bool found = false;
    while (true) {
      while (u < end_ && T_[u] > u' ' && !(nextIsPattern && Eq(T_[u], j + 1))) ++u;
      bool tag = tagAfter;
      int32_t jj = n_;
      const int64_t r = MatchSegment(j + 1, u, tag, false, jj);
      if (r >= 0) {
        tNext = r;
        tagNext = tag;
        jNext = jj;
        found = true;
        break;
      }
      if (u >= end_ || T_[u] <= u' ') break;
      ++u;  // the star takes this character too
    }
    if (j < TWantedMatchMemo::kElements) {
      TWantedMatchMemo::Entry& m = memo_.Set(j);
      m.from = s;
      m.to = u;
      m.next = found ? tNext : 0;
      m.jNext = found ? jNext : n_;
      m.tagNext = found ? tagNext : tagAfter;
      m.found = found;
    }
    return found;
  }

  // Matches the whole pattern at candidate c; returns the index after the match or -1.
  int64_t Match(int64_t c) {
    bool tag = false;
    int32_t j = 0;
    int64_t t = MatchSegment(0, c, tag, true, j);
    while (t >= 0 && j < n_) {
      // j is a backtracking star; the hidden run before it was skipped by the segment.
      if (t >= end_ || T_[t] <= u' ') return -1;
      int32_t jNext = n_;
      bool tagNext = tag;
      int64_t tNext = -1;
      if (!ResolveStar(j, t + 1, tag, tNext, tagNext, jNext)) return -1;
      t = tNext;
      tag = tagNext;
      j = jNext;
    }
    return t;
  }

  const Ch* T_;
  const uint16_t* C_;
  int64_t end_;
  const Ch* P_;
  const Ch* PU_;
  const Ch* PT_;
  int32_t n_;
  bool cs_;
  bool leftBoundary_;
  bool rightBoundary_;
  uint16_t spaceRun_;
  const char16_t* tagDelimiters_;
  bool continuesWord_;
  TWantedMatchMemo& memo_;
  int32_t first_ = 0;
  bool startsInTag_ = false;  // a tag opening the pattern is a left boundary of its own
  bool endsWithTag_ = false;
  bool firstIsLiteral_ = false;
  bool secondIsLiteral_ = false;
};

}  // namespace

TWantedHit FindWanted(const TWantedBuffer& buffer, int64_t from, const TWantedPattern& pattern,
                      TSearchStatsRec& stats, bool& inHeading, const TSegmentTagsFound& tagsFound,
                      TWantedMatchMemo& memo) {
  if (!buffer.start || !buffer.classes || !pattern.lower || pattern.length <= 0 || from < 0) {
    for (int i = 1; i < 5; ++i) stats.out_of[i] = stats.position[i];
    return {};
  }
  if (buffer.isUnicode)
    return Matcher<char16_t>(buffer, pattern, memo).Scan(from, stats, inHeading, tagsFound);
  return Matcher<unsigned char>(buffer, pattern, memo).Scan(from, stats, inHeading, tagsFound);
}

const void* NewFindWantedInBuffer(const void* position, int32_t charactersLeft,
                                  const uint16_t* classAtPosition, const uint16_t* classArrayStart,
                                  const uint16_t* classArrayLastSlot, const void* upperForm,
                                  const void* lowerForm, const void* titleForm, int32_t patternLength,
                                  bool caseSensitive, bool leftBoundary, bool rightBoundary, bool isUnicode,
                                  bool punctuationAsSpace, bool /*concordancing*/, int32_t& hitLength,
                                  int32_t& patternLengthOut, TSearchStatsRec& stats, bool& inHeading,
                                  bool sentenceTagsFound, bool paragraphTagsFound, bool headingTagsFound,
                                  bool sectionTagsFound) {
  hitLength = 0;
  patternLengthOut = 0;
  if (!position || !classAtPosition || !classArrayStart || classAtPosition < classArrayStart ||
      charactersLeft < 0)
    return nullptr;
  const int64_t offset = classAtPosition - classArrayStart;
  const int charSize = isUnicode ? 2 : 1;
  TWantedBuffer buffer;
  buffer.start = static_cast<const char*>(position) - offset * charSize;
  buffer.classes = classArrayStart;
  buffer.isUnicode = isUnicode;
  buffer.length = offset + charactersLeft;
  // The class array has two spare slots after the last character; never read past what it holds.
  if (classArrayLastSlot && classArrayLastSlot - classArrayStart - 1 < buffer.length)
    buffer.length = classArrayLastSlot - classArrayStart - 1;
  if (buffer.length <= offset) return nullptr;
  TWantedPattern pattern;
  pattern.lower = lowerForm;
  pattern.upper = upperForm;
  pattern.title = titleForm;
  pattern.length = patternLength;
  pattern.caseSensitive = caseSensitive;
  pattern.leftBoundary = leftBoundary;
  pattern.rightBoundary = rightBoundary;
  pattern.punctuationAsSpace = punctuationAsSpace;
  TWantedMatchMemo memo;
  const TSegmentTagsFound tags{sentenceTagsFound, paragraphTagsFound, headingTagsFound, sectionTagsFound};
  const TWantedHit hit = FindWanted(buffer, offset, pattern, stats, inHeading, tags, memo);
  if (hit.start < 0) return nullptr;
  hitLength = hit.hitLength;
  patternLengthOut = hit.patternLength;
  return static_cast<const char*>(buffer.start) + hit.start * charSize;
}

}  // namespace lx
