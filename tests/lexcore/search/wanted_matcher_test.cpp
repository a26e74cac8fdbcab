#include "lexcore/search/wanted_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace lx;

namespace {

// Classes for the characters these tests use, with the platform's flags; text between '<' and '>' is hidden.
std::vector<uint16_t> ClassesOf(const std::u16string& text) {
  std::vector<uint16_t> cls(text.size() + 2, 0x0248);  // spare slots: a space
  bool inTag = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    uint16_t k;
    if (c >= u'a' && c <= u'z')
      k = 0x0302;
    else if (c >= u'A' && c <= u'Z')
      k = 0x0301;
    else if (c >= u'0' && c <= u'9')
      k = 0x0284;
    else if (c == u' ')
      k = 0x0248;
    else if (c == u'\n' || c == u'\r')
      k = 0x0228;
    else if (c >= 0x4E00)
      k = 0x0300;  // ideographs: letters without case
    else
      k = 0x0210;
    if (c == u'<') inTag = true;
    if (inTag) k |= CharClassHidden;
    if (c == u'>') inTag = false;
    cls[i] = k;
  }
  return cls;
}

char16_t Up(char16_t c) {
  return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}
char16_t Low(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

struct Forms {
  std::u16string lower, upper, title;
  explicit Forms(const std::u16string& p) {
    for (char16_t c : p) {
      lower += Low(c);
      upper += Up(c);
    }
    title = upper.substr(0, 1) + lower.substr(std::min<std::size_t>(1, lower.size()));
  }
};

struct Hit {
  int64_t start, hitLength, patternLength, word;
  bool operator==(const Hit&) const = default;
};

std::vector<Hit> AllHits(const std::u16string& text, const std::vector<uint16_t>& cls,
                         const std::u16string& pattern, bool caseSensitive, bool left, bool right,
                         bool punct = false) {
  const Forms f(pattern);
  TWantedBuffer b{text.data(), static_cast<int64_t>(text.size()), cls.data(), true};
  TWantedPattern p{f.lower.data(), f.upper.data(), f.title.data(), static_cast<int32_t>(f.lower.size()),
                   caseSensitive,  left,           right,          punct};
  TWantedMatchMemo memo;
  memo.Reset();
  TSearchStatsRec stats{};
  bool inHeading = false;
  std::vector<Hit> hits;
  for (int64_t from = 0;;) {
    const TWantedHit h = FindWanted(b, from, p, stats, inHeading, {}, memo);
    if (h.start < 0) break;
    hits.push_back({h.start, h.hitLength, h.patternLength, stats.number[0]});
    from = h.start + 1;
  }
  return hits;
}

std::vector<Hit> Find(const std::u16string& text, const std::u16string& pattern, bool left = true,
                      bool right = true, bool caseSensitive = false) {
  return AllHits(text, ClassesOf(text), pattern, caseSensitive, left, right);
}

std::vector<int64_t> Starts(const std::vector<Hit>& hits) {
  std::vector<int64_t> r;
  for (const auto& h : hits) r.push_back(h.start);
  return r;
}

// An independent reading of the matching rules: one pass per candidate, retrying only the most recent star,
// no memory between candidates. A tag code in the pattern stands for a tag delimiter in the text ('<' opens,
// '>' closes); '?' is one character of a word; spaces typed twice count once; a lone word wildcard needs a
// word.
class ReferenceMatcher {
 public:
  ReferenceMatcher(const std::u16string& text, const std::vector<uint16_t>& cls,
                   const std::u16string& pattern, bool cs, bool left, bool right)
      : T(text), C(cls), F(pattern), cs(cs), left(left), right(right), n(static_cast<int>(pattern.size())) {}

  std::vector<Hit> AllHits() const {
    std::vector<Hit> hits;
    const int64_t end = static_cast<int64_t>(T.size());
    for (int64_t c = 0; c < end; ++c) {
      // A tag at either end of the pattern is a boundary of its own.
      const bool startsInTag = n > 0 && F.lower[0] == sw_tag_open_code;
      const bool endsWithTag = n > 0 && F.lower[n - 1] == sw_tag_close_code;
      if (Hidden(C[c]) && !startsInTag) continue;
      if (left && !startsInTag && c > 0 && !(C[c - 1] & 0x8800) && (C[c - 1] & 0x0104)) continue;
      const int64_t t = MatchAt(c);
      if (t < 0) continue;
      int64_t hitEnd = t;
      if (endsWithTag) {
      } else if (right) {
        if (t < end && !(C[t] & 0x8000) && (C[t] & 0x0104)) continue;
      } else {
        while (hitEnd < end && ((!(C[hitEnd] & 0x8800) && (C[hitEnd] & 0x0104)) || C[hitEnd] == 0x0200))
          ++hitEnd;
      }
      hits.push_back({c, hitEnd - c, t - c, WordNumberAt(c)});
    }
    return hits;
  }

 private:
  static bool Hidden(uint16_t k) { return (k & 0x8800) == 0x0800; }
  static bool White(uint16_t k) { return (k & 0x8000) || (k & 0x68); }
  static bool Sep(uint16_t k) { return (k & 0x8000) || (k & 0x78); }
  bool Eq(char16_t c, int j) const {
    return c == F.lower[j] || (!cs && (c == F.upper[j] || c == F.title[j]));
  }

  // Words begin at a visible non-white character after white space, a marker or the start.
  int64_t WordNumberAt(int64_t c) const {
    int64_t words = 0;
    bool boundary = true;
    for (int64_t i = 0; i <= c; ++i) {
      if (Hidden(C[i])) continue;
      if (White(C[i])) {
        boundary = true;
      } else if (boundary) {
        ++words;
        boundary = false;
      }
    }
    return words;
  }

  int64_t MatchAt(int64_t c) const {
    const int64_t end = static_cast<int64_t>(T.size());
    int j = 0;
    int64_t t = c;
    bool tag = false, first = true;
    int btJ = -1;
    int64_t btU = 0;
    bool btTag = false;
    auto starStop = [&](int64_t u, int sj) {
      while (u < end && T[u] > u' ' && !(sj + 1 < n && Eq(T[u], sj + 1))) ++u;
      return u;
    };
    while (j < n) {
      const char16_t e = F.lower[j];
      const bool tagCode = e == sw_tag_open_code || e == sw_tag_close_code;
      if (!first && !tag && !tagCode)  // a tag's hidden run is what a tag code must meet
        while (t < end && Hidden(C[t])) ++t;
      first = false;
      const bool beforeSpace = j + 1 < n && F.lower[j + 1] == u' ';
      bool ok = true;
      if (e == sw_tag_open_code || e == sw_tag_close_code) {
        ok = t < end && T[t] == (e == sw_tag_open_code ? u'<' : u'>');
        if (ok) {
          tag = e == sw_tag_open_code;
          ++t;
        }
      } else if (t >= end) {
        if (e == sw_any_word_code) {
          ++j;
          continue;
        }
        ok = false;
      } else if (e == sw_any_run_code && !beforeSpace) {
        if (T[t] <= u' ') {
          ok = false;
        } else {
          t = starStop(t + 1, j);
          btJ = j;
          btU = t;
          btTag = tag;
          ++j;
          continue;
        }
      } else {
        const uint16_t k = C[t];
        switch (e) {
          case u' ':
            if (tag) {
              ok = T[t] == u' ';
              if (ok) ++t;
            } else if (!Sep(k)) {
              ok = false;
            } else {
              while (t + 1 < end && White(C[t]) && White(C[t + 1])) ++t;
              ++t;
              while (j + 1 < n && F.lower[j + 1] == u' ') ++j;
            }
            break;
          case sw_any_char_code:
            if (beforeSpace && Sep(k)) break;
            ok = tag || !White(k);
            if (ok) ++t;
            break;
          case sw_any_letter_code:
            if (beforeSpace && Sep(k)) break;
            ok = !(k & 0x8000) && (k & 0x100);
            if (ok) ++t;
            break;
          case sw_number_code:
            ok = !(k & 0x8800) && (k & 4);
            while (ok && t < end && !(C[t] & 0x8800) && (C[t] & 4)) ++t;
            break;
          case sw_any_run_code:
            if (!Sep(k))
              while (t < end && !Sep(C[t])) ++t;
            break;
          case sw_any_word_code:
            if (White(k)) {
              ok = false;
              break;
            }
            ++t;
            while (t < end && (Hidden(C[t]) || !White(C[t]))) ++t;
            break;
          default:
            ok = Eq(T[t], j);
            if (ok) ++t;
        }
      }
      if (ok) {
        ++j;
        continue;
      }
      if (btJ < 0 || btU >= end || T[btU] <= u' ') return -1;
      btU = starStop(btU + 1, btJ);
      t = btU;
      j = btJ + 1;
      tag = btTag;
    }
    return t;
  }

  const std::u16string& T;
  const std::vector<uint16_t>& C;
  Forms F;
  bool cs, left, right;
  int n;
};

}  // namespace

TEST(WantedMatcher, BoundariesAndTheRestOfTheWord) {
  const std::u16string text = u"the other theatre, the";
  EXPECT_EQ(Starts(Find(text, u"the")), (std::vector<int64_t>{0, 19}));
  // "the" with no right boundary: theatre is a hit of 7 characters for a pattern of 3; "other" fails on the
  // left.
  const auto open = Find(text, u"the", true, false);
  ASSERT_EQ(open.size(), 3u);
  EXPECT_EQ(open[1].start, 10);
  EXPECT_EQ(open[1].hitLength, 7);
  EXPECT_EQ(open[1].patternLength, 3);
  // Each character may match any of the three forms at its place, so mixed case matches too.
  EXPECT_EQ(Starts(Find(u"The THE tHe", u"the")), (std::vector<int64_t>{0, 4, 8}));
  EXPECT_TRUE(Find(u"The THE", u"the", true, true, true).empty());  // case-sensitive
}

TEST(WantedMatcher, WildcardsFromTheSearchWordLanguage) {
  const std::u16string star = u"th\x1Dn";
  EXPECT_EQ(Starts(Find(u"thin then thn", star)),
            (std::vector<int64_t>{0, 5}));  // the star takes one at least
  EXPECT_EQ(Starts(Find(u"colour colr", u"colo\x1Cr")), (std::vector<int64_t>{0}));
  EXPECT_EQ(Starts(Find(u"colour colo1r", u"colo\x1Er")), (std::vector<int64_t>{0}));
  EXPECT_EQ(Starts(Find(u"25 years, x years", u"\x1B years")), (std::vector<int64_t>{0}));
  // A phrase crosses runs of spaces and line ends; any one word between two words.
  EXPECT_EQ(Starts(Find(u"big  dog big\r\ndog bigdog", u"big dog")), (std::vector<int64_t>{0, 9}));
  EXPECT_EQ(Starts(Find(u"the end of the story of", u"the \x1A of")), (std::vector<int64_t>{0, 11}));
  // The star retries when what follows fails: a*bc in axbxbc.
  EXPECT_EQ(Starts(Find(u"axbxbc",
                        u"a\x1D"
                        u"bc")),
            (std::vector<int64_t>{0}));
  // Hidden mark-up inside a word is skipped over.
  EXPECT_EQ(Starts(Find(u"wo<b>rd", u"word")), (std::vector<int64_t>{0}));
  EXPECT_EQ(Find(u"wo<b>rd", u"word")[0].patternLength, 7);
  // A pattern longer than the rest of the buffer is not found at its tail.
  EXPECT_TRUE(Find(u"xx the", u"there").empty());
}

TEST(WantedMatcher, AgreesWithAReferenceOnRandomTextsAndPatterns) {
  std::mt19937 rng(12345);
  const std::u16string textAlphabet = u"aabbAB  1.,\n<><>";
  const std::u16string plainAlphabet = u"ccddeeccddeeffgg  a";
  const std::vector<std::u16string> pieces = {u"a",
                                              u"b",
                                              u"A",
                                              u" ",
                                              u"\x1C",
                                              u"\x1D",
                                              u"\x1B",
                                              u"\x1E",
                                              u" \x1A ",
                                              u"\x19",
                                              u"\x18",
                                              u"\x19"
                                              u"b\x18"};
  int compared = 0;
  for (int round = 0; round < 4000; ++round) {
    // Short texts with every kind of character, and long mostly plain ones that the scan takes in blocks.
    std::u16string text;
    const bool longText = round % 2 == 0;
    const int len = longText ? 100 + static_cast<int>(rng() % 300) : 1 + static_cast<int>(rng() % 24);
    const std::u16string& alphabet = longText && rng() % 4 != 0 ? plainAlphabet : textAlphabet;
    for (int i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
    std::u16string pattern;
    const int plen = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < plen; ++i) pattern += pieces[rng() % pieces.size()];
    while (!pattern.empty() && pattern.front() == u' ') pattern.erase(0, 1);
    while (!pattern.empty() && pattern.back() == u' ') pattern.pop_back();
    if (pattern.empty()) continue;
    const bool cs = rng() % 4 == 0, left = rng() % 3 != 0, right = rng() % 3 != 0;
    const auto cls = ClassesOf(text);
    const auto expected = ReferenceMatcher(text, cls, Forms(pattern).lower, cs, left, right).AllHits();
    ASSERT_EQ(AllHits(text, cls, pattern, cs, left, right), expected)
        << "round " << round << " text [" << std::string(text.begin(), text.end()) << "] pattern length "
        << pattern.size();
    ++compared;
  }
  EXPECT_GT(compared, 3000);
}

TEST(WantedMatcher, SegmentsAreCountedFromMarkers) {
  // "aa bb. cc dd. ee" with a sentence end by rule on each point.
  std::u16string text = u"aa bb. cc dd. ee";
  auto cls = ClassesOf(text);
  cls[5] = CharClassSegmentMarker | seg_sentence_end_by_rule;
  cls[12] = CharClassSegmentMarker | seg_sentence_end_by_rule;
  std::vector<std::pair<int32_t, int32_t>> ended;
  HandleSentenceEndProc = [&](int32_t n, int32_t w) { ended.emplace_back(n, w); };
  const Forms f(u"ee");
  TWantedBuffer b{text.data(), static_cast<int64_t>(text.size()), cls.data(), true};
  TWantedPattern p{f.lower.data(), f.upper.data(), f.title.data(), 2, false, true, true, false};
  TWantedMatchMemo memo;
  memo.Reset();
  TSearchStatsRec stats{};
  bool inHeading = false;
  TWantedHit h = FindWanted(b, 0, p, stats, inHeading, {}, memo);
  EXPECT_EQ(h.start, 14);
  EXPECT_EQ(stats.number[0], 5);    // fifth word
  EXPECT_EQ(stats.number[1], 2);    // two sentence ends passed
  EXPECT_EQ(stats.position[1], 1);  // first word of its sentence
  EXPECT_EQ(ended, (std::vector<std::pair<int32_t, int32_t>>{{0, 2}, {1, 2}}));
  // With sentence ends from mark-up present, rule-found ends are ignored.
  stats = {};
  ended.clear();
  TTagsFoundArray tags{};
  tags[15 - 14] = 1;
  memo.Reset();
  FindWanted(b, 0, p, stats, inHeading, TSegmentTagsFound::From(tags), memo);
  EXPECT_EQ(stats.number[1], 0);
  EXPECT_TRUE(ended.empty());
  HandleSentenceEndProc = nullptr;
  // Headings: positions count only inside one, and a heading end reports its words.
  std::u16string h2 = u"T1 x y. body";
  auto hc = ClassesOf(h2);
  hc[2] = CharClassSegmentMarker | seg_heading_start;
  hc[6] = CharClassSegmentMarker | seg_heading_end;
  const Forms g(u"body");
  TWantedBuffer hb{h2.data(), static_cast<int64_t>(h2.size()), hc.data(), true};
  TWantedPattern hp{g.lower.data(), g.upper.data(), g.title.data(), 4, false, true, true, false};
  stats = {};
  memo.Reset();
  std::vector<std::pair<int32_t, int32_t>> headings;
  HandleHeadingEndProc = [&](int32_t n, int32_t w) { headings.emplace_back(n, w); };
  FindWanted(hb, 0, hp, stats, inHeading, {}, memo);
  HandleHeadingEndProc = nullptr;
  EXPECT_FALSE(inHeading);
  EXPECT_EQ(headings, (std::vector<std::pair<int32_t, int32_t>>{{0, 2}}));  // "x" and "y"
  EXPECT_EQ(stats.number[3], 1);
}

TEST(WantedMatcher, ClassicEntryPointOnEightBitBuffers) {
  const std::string text = "Caf\xE9 the theatre";  // 1252 bytes
  std::u16string wide(text.begin(), text.end());
  for (auto& c : wide) c = static_cast<unsigned char>(c);
  auto cls = ClassesOf(wide);
  cls[3] = 0x0302;  // é is a letter
  const std::string lower = "the", upper = "THE", title = "The";
  TSearchStatsRec stats{};
  bool inHeading = false;
  int32_t hitLen = 0, patLen = 0;
  const char* at = text.c_str() + 5;
  const void* hit = NewFindWantedInBuffer(
      at, static_cast<int32_t>(text.size() - 5), cls.data() + 5, cls.data(), cls.data() + text.size() + 1,
      upper.c_str(), lower.c_str(), title.c_str(), 3, false, true, false, false, false, false, hitLen, patLen,
      stats, inHeading, false, false, false, false);
  ASSERT_EQ(hit, text.c_str() + 5);
  EXPECT_EQ(hitLen, 3);
  // The last-slot pointer bounds the buffer even when the caller's count says more.
  hit = NewFindWantedInBuffer(text.c_str(), 1000, cls.data(), cls.data(), cls.data() + 4, upper.c_str(),
                              lower.c_str(), title.c_str(), 3, false, true, true, false, false, false, hitLen,
                              patLen, stats, inHeading, false, false, false, false);
  EXPECT_EQ(hit, nullptr);
}

TEST(WantedMatcher, LongRunsWithoutSeparatorsStayLinear) {
  // 200,000 ideographs in one line: every candidate of a star pattern shares the same run. A quadratic
  // matcher would not finish here.
  std::u16string line;
  for (int i = 0; i < 200000; ++i) line += static_cast<char16_t>(0x4E00 + (i % 7));
  line += u'\x4E5D';
  const auto cls = ClassesOf(line);
  const auto hits = AllHits(line, cls, u"\x4E00\x1D\x4E5D", false, false, true);
  EXPECT_EQ(hits.size(), 200000u / 7 + 1);
  const auto words =
      AllHits(line, cls, u"\x4E01", false, false, false);  // no right boundary: rest of the word
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(words.back().hitLength, static_cast<int64_t>(line.size()) - words.back().start);
}

TEST(WantedMatcher, TagSearchWordsMatchOnlyTags) {
  // <b> and <p> typed as tag search words: bare letters, letters inside other tags and "p." are no hits.
  const std::u16string text = u"plan b <b>bold</b> p. <p>";
  const std::u16string b =
      u"\x19"
      u"b\x18";
  EXPECT_EQ(Starts(Find(text, b)), (std::vector<int64_t>{7}));
  EXPECT_EQ(Starts(Find(text,
                        u"\x19"
                        u"p\x18")),
            (std::vector<int64_t>{22}));
  // A tag followed by a word: the word after the hidden tag.
  EXPECT_EQ(Starts(Find(text,
                        u"\x19"
                        u"b\x18"
                        u"bold")),
            (std::vector<int64_t>{7}));
  // Delimiters given by the caller are the only ones a tag code meets.
  const std::u16string square = u"b [b] <b>";
  const auto cls = ClassesOf(square);
  const Forms f(b);
  const char16_t delimiters[12] = {u'[', 0, 0, 0, 0, 0, u']', 0, 0, 0, 0, 0};
  TWantedBuffer buf{square.data(), static_cast<int64_t>(square.size()), cls.data(), true};
  TWantedPattern p{f.lower.data(), f.upper.data(), f.title.data(), 3, false, true, true, false, delimiters};
  TWantedMatchMemo memo;
  memo.Reset();
  TSearchStatsRec stats{};
  bool inHeading = false;
  EXPECT_EQ(FindWanted(buf, 0, p, stats, inHeading, {}, memo).start, 2);
  memo.Reset();
  EXPECT_EQ(FindWanted(buf, 3, p, stats, inHeading, {}, memo).start, -1);
}

TEST(WantedMatcher, QuestionMarkSpacesAndLoneWordsStayInsideWords) {
  // '?' is one character of a word: never the space after a sentence's end, nor a space alone.
  EXPECT_EQ(Starts(Find(u"Go. He ran. she ran.", u"\x1Che")), (std::vector<int64_t>{12}));
  EXPECT_EQ(Starts(Find(u"a bc d", u"\x1C")), (std::vector<int64_t>{0, 5}));
  // Two spaces typed between words match what one does.
  EXPECT_EQ(Starts(Find(u"tom sawyer tom  sawyer", u"tom  sawyer")), (std::vector<int64_t>{0, 11}));
  // Any one word needs a word: not the space of "the  end" again, nor nothing before a separator.
  EXPECT_EQ(Starts(Find(u"they theme the end the. x", u"the \x1A")), (std::vector<int64_t>{11}));
  EXPECT_EQ(Starts(Find(u"roof of the", u"\x1A of")), (std::vector<int64_t>{0}));
}

TEST(WantedMatcher, WholeWordOfAnOpenStartAndWordsAcrossBuffers) {
  const std::u16string text = u"thing sing";
  const auto cls = ClassesOf(text);
  const Forms f(u"ing");
  TWantedBuffer b{text.data(), static_cast<int64_t>(text.size()), cls.data(), true};
  TWantedPattern p{f.lower.data(), f.upper.data(), f.title.data(), 3, false, false, true, false};
  TWantedMatchMemo memo;
  memo.Reset();
  TSearchStatsRec stats{};
  bool inHeading = false;
  const TWantedHit h = FindWanted(b, 0, p, stats, inHeading, {}, memo);
  EXPECT_EQ(h.start, 2);
  EXPECT_EQ(h.wordStart, 0);
  // The second half of a word cut by a buffer boundary is not a new word.
  const std::u16string tail = u"lo world";
  const auto tcls = ClassesOf(tail);
  const Forms w(u"world");
  TWantedPattern wp{w.lower.data(), w.upper.data(), w.title.data(), 5, false, true, true, false};
  for (bool continues : {false, true}) {
    TWantedBuffer tb{tail.data(), static_cast<int64_t>(tail.size()), tcls.data(), true, continues};
    stats = {};
    memo.Reset();
    EXPECT_EQ(FindWanted(tb, 0, wp, stats, inHeading, {}, memo).start, 3);
    EXPECT_EQ(stats.number[0], continues ? 1 : 2);
  }
}

TEST(WantedMatcher, AHeadingStartClosesTheOpenHeadingWithoutEndTags) {
  // Two headings marked only by their starts, then body text: the second heading and the body each know
  // that the heading before them has ended.
  const std::u16string text = u"# x. # y. body";
  auto cls = ClassesOf(text);
  cls[0] = CharClassSegmentMarker | seg_heading_start;
  cls[5] = CharClassSegmentMarker | seg_heading_start;
  std::vector<std::pair<int32_t, int32_t>> ended;
  HandleHeadingEndProc = [&](int32_t n, int32_t w) { ended.emplace_back(n, w); };
  const Forms f(u"y");
  TWantedBuffer b{text.data(), static_cast<int64_t>(text.size()), cls.data(), true};
  TWantedPattern p{f.lower.data(), f.upper.data(), f.title.data(), 1, false, true, true, false};
  TWantedMatchMemo memo;
  memo.Reset();
  TSearchStatsRec stats{};
  bool inHeading = false;
  EXPECT_EQ(FindWanted(b, 0, p, stats, inHeading, {}, memo).start, 7);
  HandleHeadingEndProc = nullptr;
  EXPECT_TRUE(inHeading);
  EXPECT_EQ(stats.number[3], 1);
  EXPECT_EQ(ended, (std::vector<std::pair<int32_t, int32_t>>{{0, 1}}));  // "x"
  // With heading-end mark-up in the text, a start closes nothing.
  TSegmentTagsFound tags;
  tags.headings = true;
  stats = {};
  memo.Reset();
  inHeading = false;
  FindWanted(b, 0, p, stats, inHeading, tags, memo);
  EXPECT_EQ(stats.number[3], 0);
}
