#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "lexcore/definitions/shared_records.h"
#include "lexcore/platform/win_platform.h"
#include "lexcore/search/language_utils.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/text/WinGenOk.h"
#include "test_files.h"

using namespace lx;

namespace {

const TTagDelimiters kNoTags{};

TSearch_word_format_rec Word(const char16_t* typed) {
  return Parsed_SearchWord(kNoTags, typed);
}

struct Collector {
  std::vector<TSearchFound_Rec> hits;
  TOnSearchFound OnFound(bool accept = true) {
    return [this, accept](TSearchAndDoEngine&, const TSearchFound_Rec& r) {
      hits.push_back(r);
      return accept;
    };
  }
};

std::u16string ReadAsWide(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  return std::u16string(bytes.begin(), bytes.end());  // ASCII text
}

}  // namespace

TEST(SearchAndDo, HitRecordsOnAUtf16Buffer) {
  const std::u16string text = u"The cat saw the other cat. Then the end.";
  TSearchAndDoEngine engine(true, false, 0x0409);
  Collector c;
  TSearchStatsRec finished{};
  engine.PrepareFirst(text.c_str(), static_cast<int32_t>(text.size() * 2), 0, c.OnFound(),
                      [&](TSearchAndDoEngine&, const TSearchStatsRec& s) { finished = s; });
  auto rec = Word(u"the");
  ASSERT_TRUE(engine.SearchAndDo(rec, 77));
  ASSERT_EQ(c.hits.size(), 3u);
  const TSearchFound_Rec& second = c.hits[1];
  EXPECT_EQ(second.hit_offset, 12);
  EXPECT_EQ(second.hit_offset_again, 12);
  EXPECT_EQ(second.ByteOffset(), 24);
  EXPECT_EQ(second.hit_address, text.c_str() + 12);
  EXPECT_EQ(second.buffer_start, text.c_str());
  EXPECT_EQ(second.tag_value, 77);
  EXPECT_EQ(second.hit_length, 3);
  EXPECT_FLOAT_EQ(second.place_per_cent, 24.0f * 100 / (text.size() * 2));
  EXPECT_EQ(second.stats.number[0], 4);   // "the" is the fourth word
  EXPECT_EQ(second.stats.number[3], -1);  // not in a heading
  EXPECT_EQ(engine.Hits, 3);
  EXPECT_EQ(finished.number[0], 9);  // the scan went on to the end
  // "the*": the rest of the word belongs to the hit, the pattern length stays 3.
  c.hits.clear();
  auto open = Word(u"the*");
  engine.ClearChunkTextStats();
  engine.SearchAndDo(open);
  ASSERT_EQ(c.hits.size(), 4u);
  EXPECT_EQ(c.hits[2].hit_length, 4);  // "Then"
  EXPECT_EQ(c.hits[2].pattern_length, 3);
}

TEST(SearchAndDo, LimitsFoundEnoughAndRefusedHits) {
  const std::u16string text = u"a b a b a b a b";
  TSearchAndDoEngine engine(true, false, 0x0409);
  Collector c;
  int calls = 0;
  // Refused hits do not count towards the number wanted.
  engine.PrepareFirst(
      text.c_str(), 0, 0, [&](TSearchAndDoEngine&, const TSearchFound_Rec&) { return ++calls % 2 == 0; },
      nullptr);
  auto rec = Word(u"a");
  rec.n_to_find = 2;
  engine.SearchAndDo(rec);
  EXPECT_EQ(calls, 4);
  // A total length of 0 gives 0 per cent, not a division by zero.
  engine.PrepareFirst(text.c_str(), 0, 0, c.OnFound(), nullptr);
  rec.n_to_find = 0;
  engine.SearchAndDo(rec);
  EXPECT_EQ(c.hits.size(), 4u);
  EXPECT_EQ(c.hits[2].place_per_cent, 0.0f);
  // Found-enough and cancel from inside the callback stop after the current hit.
  int seen = 0;
  engine.PrepareFirst(
      text.c_str(), 100, 0,
      [&](TSearchAndDoEngine& e, const TSearchFound_Rec&) {
        if (++seen == 2) e.FoundEnough();
        return true;
      },
      nullptr);
  engine.SearchAndDo(rec);
  EXPECT_EQ(seen, 2);
  seen = 0;
  engine.PrepareFirst(
      text.c_str(), 100, 0,
      [&](TSearchAndDoEngine& e, const TSearchFound_Rec&) {
        ++seen;
        e.Cancel();
        return true;
      },
      nullptr);
  engine.SearchAndDo(rec);
  EXPECT_EQ(seen, 1);
}

TEST(SearchAndDo, RefusesToRunWithoutBufferCallbackOrWord) {
  TSearchAndDoEngine engine(true, false, 0x0409);
  auto rec = Word(u"a");
  EXPECT_FALSE(engine.SearchAndDo(rec));  // no buffer
  const std::u16string text = u"a";
  engine.PrepareFirst(text.c_str(), 2, 0, nullptr, nullptr);
  EXPECT_FALSE(engine.SearchAndDo(rec));  // not ready: no callback
  Collector c;
  engine.PrepareFirst(text.c_str(), 2, 0, c.OnFound(), nullptr);
  auto empty = Word(u"");
  EXPECT_FALSE(engine.SearchAndDo(empty));
}

TEST(SearchAndDo, ErrorsInsideNameTheTextAndTheWord) {
  const std::u16string text = u"one two";
  std::vector<uint16_t> cls(text.size() + 2, 0x0248);
  GetStringTypeExNT2000(true, 0x0409, CT_CTYPE1, cls.data(), static_cast<int>(text.size()), text.c_str());
  TSearchAndDoEngine engine(true, false, 0x0409);
  engine.PrepareForConcordancing(
      u"novel.txt", text.c_str(), cls.data(), cls.data() + text.size() + 1, 14,
      static_cast<int32_t>(text.size()), 0, false,
      [](TSearchAndDoEngine&, const TSearchFound_Rec&) -> bool { throw EConvertError(u"bad"); }, nullptr);
  auto rec = Word(u"two");
  try {
    engine.SearchAndDo(rec);
    FAIL();
  } catch (const Exception& e) {
    // The cause stays in the message; an abort is no error and passes as it is.
    EXPECT_EQ(e.Message, u"problem searching novel.txt for \"two\": bad");
  }
  engine.OnFound = [](TSearchAndDoEngine&, const TSearchFound_Rec&) -> bool { Abort(); };
  EXPECT_THROW(engine.SearchAndDo(rec), EAbort);
}

TEST(SearchAndDo, EightBitBuffersAndCaseSensitiveWords) {
  const std::string text = "Caf\xE9 caf\xE9 CAF\xC9";  // code page 1252
  TSearchAndDoEngine engine(false, false, 0x0409);
  Collector c;
  engine.PrepareFirst(text.c_str(), static_cast<int32_t>(text.size()), 0, c.OnFound(), nullptr);
  auto rec = Word(u"caf\u00E9");
  engine.SearchAndDo(rec);
  EXPECT_TRUE(rec.copies_converted);
  ASSERT_EQ(c.hits.size(), 3u);
  EXPECT_EQ(c.hits[2].hit_offset, 10);
  c.hits.clear();
  auto exact = Word(u"==caf\u00E9==");
  engine.SearchAndDo(exact);
  ASSERT_EQ(c.hits.size(), 1u);
  EXPECT_EQ(c.hits[0].hit_offset, 5);
  // A start jump is clamped to whole characters and to the buffer.
  Global_LowestJumpTo = 1000;
  c.hits.clear();
  engine.SearchAndDo(rec);
  EXPECT_TRUE(c.hits.empty());
  Global_LowestJumpTo = 0;
}

TEST(SearchAndDo, WordAndSentenceNumbersOnARealText) {
  const std::u16string text = ReadAsWide(lxtest::DataFile("en/austen-opening.txt"));
  ASSERT_GT(text.size(), 50000u);
  std::vector<uint16_t> cls(text.size() + 2, 0x0248);
  GetStringTypeExNT2000(true, 0x0409, CT_CTYPE1, cls.data(), static_cast<int>(text.size()), text.c_str());
  // Sentence ends: '.', '!' or '?' followed by white space carry a marker.
  auto isSpace = [](char16_t c) { return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t'; };
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if ((text[i] == u'.' || text[i] == u'!' || text[i] == u'?') && isSpace(text[i + 1]))
      cls[i] = CharClassSegmentMarker | seg_sentence_end_by_rule;
  TSearchAndDoEngine engine(true, false, 0x0409);
  Collector c;
  TSearchStatsRec finished{};
  engine.PrepareForConcordancing(u"austen", text.c_str(), cls.data(), cls.data() + text.size() + 1,
                                 static_cast<int32_t>(text.size() * 2), static_cast<int32_t>(text.size()), 0,
                                 false, c.OnFound(),
                                 [&](TSearchAndDoEngine&, const TSearchStatsRec& s) { finished = s; });
  auto rec = Word(u"Elizabeth");
  engine.SearchAndDo(rec);
  ASSERT_GT(c.hits.size(), 20u);
  // Independent counts: white-space separated tokens, and sentence-ending points, before each hit.
  auto tokensUpTo = [&](std::size_t end) {
    long n = 0;
    for (std::size_t i = 0; i <= end && i < text.size(); ++i)
      if (!isSpace(text[i]) && (i == 0 || isSpace(text[i - 1]))) ++n;
    return n;
  };
  auto sentencesBefore = [&](std::size_t end) {
    long n = 0;
    for (std::size_t i = 0; i + 1 < end; ++i)
      if ((text[i] == u'.' || text[i] == u'!' || text[i] == u'?') && isSpace(text[i + 1])) ++n;
    return n;
  };
  for (const auto& h : c.hits) {
    ASSERT_EQ(h.stats.number[0], tokensUpTo(h.hit_offset)) << "at " << h.hit_offset;
    ASSERT_EQ(h.stats.number[1], sentencesBefore(h.hit_offset)) << "at " << h.hit_offset;
  }
  // Every occurrence as a whole word, case ignored.
  long expected = 0;
  for (std::size_t p = text.find(u"Elizabeth"); p != std::u16string::npos;
       p = text.find(u"Elizabeth", p + 1)) {
    const bool leftOk = p == 0 || !isalnum(static_cast<int>(text[p - 1]));
    const bool rightOk = p + 9 >= text.size() || !isalnum(static_cast<int>(text[p + 9]));
    if (leftOk && rightOk) ++expected;
  }
  EXPECT_EQ(static_cast<long>(c.hits.size()), expected);
  EXPECT_EQ(finished.number[0], tokensUpTo(text.size()));
}

TEST(SearchAndDo, QuickSearchIgnoresTagsAndHitListsSortOnOffsets) {
  const std::u16string text = u"<p>a quick test</p>";
  TWLSearchAndDo quick(true, false, 0x0409);
  quick.SetABuffer(text.c_str());
  quick.SetSearchWord(u"QUICK", TMySearchFlags{4, 5});
  EXPECT_TRUE(quick.QuickSearchFoundIgnoringTags());
  quick.SetSearchWord(u"quicker", TMySearchFlags{4, 5});
  EXPECT_FALSE(quick.QuickSearchFoundIgnoringTags());

  TSearchFoundList list;
  for (int offset : {4, 10, 2}) {
    TSearchFound_Rec r;
    r.buffer_start = text.c_str();
    r.hit_address = text.c_str() + offset;
    list.AddOne(r);
  }
  list.SortOnOffsets();
  EXPECT_EQ(list.GetOne(0).ByteOffset(), 20);  // greatest first
  EXPECT_EQ(list.GetOne(2).ByteOffset(), 4);
}

TEST(SearchAndDo, HitColoursCycleForAnyNumber) {
  EXPECT_EQ(SearchFoundColoursFromNumber(1).colours[1], 0x8B0000);
  EXPECT_EQ(SearchFoundColoursFromNumber(-4).colours, SearchFoundColoursFromNumber(1).colours);
  EXPECT_EQ(TextColourFromNumber(7), 0x006400);
  EXPECT_EQ(TextColourFromNumber(-1), 0xD30094);
  EXPECT_TRUE(SearchFoundColoursAndFontStyleFromNumber(3).highlight_typeface.Contains(tf_bold));
}

TEST(SearchAndDo, QuickSearchDropsATrailingStar) {
  const std::u16string text = u"a book here";
  TWLSearchAndDo quick(true, false, 0x0409);
  quick.SetABuffer(text.c_str());
  quick.SetSearchWord(u"book\x1D", TMySearchFlags{sw_flag_left_boundary});
  EXPECT_TRUE(quick.QuickSearchFoundIgnoringTags());
  quick.SetSearchWord(u"\x1D", TMySearchFlags{});
  EXPECT_FALSE(quick.QuickSearchFoundIgnoringTags());
}

TEST(SearchAndDo, AClassArrayLentForConcordancingIsNotKeptForTheNextBuffer) {
  const std::u16string first = u"cat";
  // What the caller's array holds after the concordance: all hidden, so nothing could be found through it.
  std::vector<uint16_t> lent(first.size() + 2, CharClassHidden);
  TSearchAndDoEngine engine(true, false, 0x0409);
  Collector c;
  engine.PrepareForConcordancing(u"a", first.c_str(), lent.data(), lent.data() + first.size() + 1, 6, 3, 0,
                                 false, c.OnFound(), nullptr);
  auto rec = Word(u"cat");
  engine.SearchAndDo(rec);
  EXPECT_TRUE(c.hits.empty());
  const std::u16string second = u"the cat sat on the mat";
  engine.PrepareFirst(second.c_str(), static_cast<int32_t>(second.size() * 2), 0, c.OnFound(), nullptr);
  EXPECT_FALSE(engine.ClassArraySupplied);
  EXPECT_NE(engine.ClassArray, lent.data());
  ASSERT_TRUE(engine.SearchAndDo(rec));
  ASSERT_EQ(c.hits.size(), 1u);
  EXPECT_EQ(c.hits[0].hit_offset, 4);
}

TEST(SearchAndDo, WordNumbersRunOnAcrossBuffersAndStarWordsHitWholeWords) {
  // The same text whole and cut inside "two": the word numbers of the hits agree.
  const std::u16string whole = u"one two three four";
  auto numbers = [](const std::vector<std::u16string>& chunks) {
    TSearchAndDoEngine engine(true, false, 0x0409);
    Collector c;
    auto rec = Word(u"four");
    for (const auto& chunk : chunks) {
      engine.PrepareFirst(chunk.c_str(), 36, 0, c.OnFound(), nullptr);
      engine.SearchAndDo(rec);
    }
    return c.hits.empty() ? -1 : c.hits[0].stats.number[0];
  };
  EXPECT_EQ(numbers({whole}), 4);
  EXPECT_EQ(numbers({u"one tw", u"o three four"}), 4);
  EXPECT_EQ(numbers({u"one two", u" three four"}), 4);

  // *ing hits the whole word, once.
  const std::u16string text = u"thing sing ring";
  TSearchAndDoEngine engine(true, false, 0x0409);
  Collector c;
  engine.PrepareFirst(text.c_str(), static_cast<int32_t>(text.size() * 2), 0, c.OnFound(), nullptr);
  auto rec = Word(u"*ing");
  ASSERT_TRUE(engine.SearchAndDo(rec));
  ASSERT_EQ(c.hits.size(), 3u);
  EXPECT_EQ(c.hits[0].hit_offset, 0);
  EXPECT_EQ(c.hits[0].hit_length, 5);
  EXPECT_EQ(c.hits[0].pattern_length, 3);
  EXPECT_EQ(c.hits[1].hit_offset, 6);
  EXPECT_EQ(c.hits[1].hit_length, 4);
}
