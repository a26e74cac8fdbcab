#include <gtest/gtest.h>

#include "lexcore/platform/win_platform.h"
#include "lexlists/engine/stored_list_info.h"
#include "lexlists/engine/words_and_tags.h"
#include "lexlists/engine/work_LX_base.h"

using namespace lx;

namespace {

using Bytes = std::vector<uint8_t>;

template <typename C>
void RoundTrips(bool wide, const std::basic_string<C>& text) {
  const auto& f = LXTextFunctions(wide);
  void* p = f.Alloc(static_cast<int32_t>(text.size()));
  std::copy(text.begin(), text.end(), static_cast<C*>(p));
  EXPECT_EQ(f.Length(p), static_cast<int32_t>(text.size()));
  void* copy = f.NewCopy(p);
  EXPECT_EQ(f.PlainCompare(p, copy), 0);
  void* cut = f.CheckedCopy(p, 2);
  EXPECT_EQ(f.Length(cut), 2);
  EXPECT_LT(f.PlainCompare(cut, p), 0);
  void* longer = f.CheckedCopy(p, 1000);  // never reads past the source
  EXPECT_EQ(f.Length(longer), f.Length(p));
  TMemoryStream s;
  EXPECT_TRUE(f.WriteToStream(s, p));
  EXPECT_EQ(s.GetSize(), 4 + static_cast<int64_t>(text.size() * sizeof(C)));
  s.SetPosition(0);
  bool ok = false;
  void* back = f.ReadFromStream(s, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(f.PlainCompare(back, p), 0);
  // A count beyond the stream is refused without allocating it.
  s.SetPosition(0);
  int32_t huge = 0x7FFFFFF0;
  s.WriteBuffer(&huge, 4);
  s.SetPosition(0);
  EXPECT_EQ(f.ReadFromStream(s, ok), nullptr);
  EXPECT_FALSE(ok);
  for (void* q : {p, copy, cut, longer, back}) f.Delete(q);
  EXPECT_EQ(f.Length(nullptr), 0);
  EXPECT_EQ(f.NewCopy(nullptr), nullptr);
}

}  // namespace

TEST(LanguageHolder, BothFunctionTablesHandleTheirBuffers) {
  RoundTrips<char>(false, std::string("abcdef"));
  RoundTrips<char16_t>(true, std::u16string(u"\u00e9t\u00e9s"));
}

TEST(LanguageHolder, LocaleComparisonHonoursTheProcessFlag) {
  TLXBaseHolder h(0x0409, true);
  EXPECT_EQ(h.GetLCID(), 0x0409u);
  EXPECT_EQ(h.GetCodepage(), 1252u);
  const auto& w = h.Funcs();
  const auto& a = h.Funcs(false);
  uint32_t saved = Global_CompareStringFlags;
  Global_CompareStringFlags = 0;
  EXPECT_NE(w.LocaleCompare(h.GetLCID(), u"Apple", u"apple"), 0);
  EXPECT_NE(a.LocaleCompare(h.GetLCID(), "Apple", "apple"), 0);
  EXPECT_LT(w.LocaleCompare(h.GetLCID(), u"apple", u"Banana"), 0);  // not by code units
  Global_CompareStringFlags = NORM_IGNORECASE;
  EXPECT_EQ(w.LocaleCompare(h.GetLCID(), u"Apple", u"apple"), 0);
  EXPECT_EQ(a.LocaleCompare(h.GetLCID(), "Apple", "apple"), 0);
  Global_CompareStringFlags = saved;
  // Word first, then suffix, then prefix; a missing affix is skipped.
  EXPECT_EQ(w.LocaleCompareWordSuffixPrefix(h.GetLCID(), u"run", u"re", u"s", u"run", nullptr, u"s"), 0);
  EXPECT_LT(w.LocaleCompareWordSuffixPrefix(h.GetLCID(), u"run", u"z", u"a", u"run", u"a", u"b"), 0);
  EXPECT_GT(w.PlainCompareWordSuffixPrefix(u"run", u"b", u"s", u"run", u"a", u"s"), 0);
  EXPECT_LT(w.PlainCompare(u"B", u"a"), 0);  // by code units
  // The switch to UTF-16 is recorded.
  TLXBaseHolder n(0x0409, false);
  n.SetUnicode(true);
  EXPECT_TRUE(n.SwitchedToUnicode());
  EXPECT_EQ(n.FindWordPosition(true, nullptr, false, false, false), -1);
}

TEST(StoredListInfo, GoldenImageRoundTripAndPatch) {
  TStoredListInfoHolder h;
  h.fdata.stored_version_number = 21;
  h.fdata.not_for_saving_entries = 2;
  h.fdata.has_affixes = 1;
  h.fdata.entries = 300;
  h.fdata.lifetimezaps = 5;
  h.fdata.info_derives_from_filename = u"a.txt";
  h.SetIsLemmatised(true);
  h.SetNodeSWCount(9);
  h.SetBasedOnClusters(true);
  TMemoryStream s;
  uint8_t lead = 0xAB;
  s.WriteBuffer(&lead, 1);
  ASSERT_TRUE(h.SaveToStream(s));
  EXPECT_EQ(h.SavedPosition, 1);
  Bytes expected = {0xAB, 21, 0, 0, 0, 2, 0, 0,   0,   1,   1,   1,   0, 0x2C, 1,
                    0,    0,  5, 0, 0, 0, 5, 'a', '.', 't', 'x', 't', 0, 0};
  Bytes over(212, 0);
  over[0] = 9;
  over[169] = 1;
  over[173] = 1;
  expected.insert(expected.end(), over.begin(), over.end());
  EXPECT_EQ(s.Bytes(), expected);

  h.fdata.entries = 298;
  ASSERT_TRUE(h.ResaveEntries(s));
  EXPECT_EQ(s.GetPosition(), static_cast<int64_t>(expected.size()));
  EXPECT_EQ(s.Bytes()[13], 0x2A);

  s.SetPosition(1);
  TStoredListInfoHolder r;
  ASSERT_TRUE(r.ReadFromStream(s));
  EXPECT_EQ(r.fdata.entries, 298);
  EXPECT_EQ(r.fdata.info_derives_from_filename, u"a.txt");
  EXPECT_TRUE(r.GetIsLemmatised() && r.GetBasedOnClusters() && !r.GetHasWords());
  EXPECT_FALSE(r.NotLemmatisedOrNTextsChecked());
  EXPECT_EQ(r.GetNodeSWCount(), 9);
  // Short streams fail.
  for (std::size_t n : {std::size_t{5}, std::size_t{23}, expected.size() - 2}) {
    TMemoryStream cut;
    cut.WriteBuffer(expected.data() + 1, static_cast<int64_t>(n));
    cut.SetPosition(0);
    EXPECT_FALSE(TStoredListInfoHolder().ReadFromStream(cut)) << n;
  }
  // A name too long for its short form is refused rather than cut.
  h.fdata.stoplist_filename = UnicodeString(300, u'x');
  TMemoryStream t;
  EXPECT_FALSE(h.SaveToStream(t));
}

TEST(WordsAndTags, DisplayerChunks) {
  TWordsAndTagsDisplayer d(TWordsAndTagsRec{});
  d.AddAChunk(u"the", false);
  d.AddAChunk(u"<b>", true);
  ASSERT_EQ(d.ChunkCount(), 2);
  EXPECT_EQ(d.data.wordchunks->Strings(1), u"<b>");
  EXPECT_TRUE(d.data.extras->GetAWordOrTagFormat(1).IsATag);
  auto past = d.data.extras->GetAWordOrTagFormat(2);
  EXPECT_FALSE(past.IsATag);
  EXPECT_EQ(past.ExtraFont, 0);
  d.Clear();
  EXPECT_EQ(d.ChunkCount(), 0);
  EXPECT_EQ(d.data.extras->Count(), 0);
}

TEST(WordsAndTags, MergedSpansFoldIntoTheFirstAtAPosition) {
  TSortAndTagMergedList l;
  auto rec = [](int32_t pos, int32_t tagLen, int16_t tag, TExtraFontCategory cat,
                TConcordance_span_type lugar) {
    TSortAndTagMergedRec r;
    r.string_position = pos;
    r.tag_length = tagLen;
    r.Tag_number_1Based = tag;
    r.colour_rec.applies_to = cat;
    r.span_lugar = lugar;
    return r;
  };
  l.AddOne(rec(9, 0, 0, efc_sort1, span_R01));
  l.AddOne(rec(4, 3, 1, efc_tag, span_L01));
  l.AddOne(rec(4, 7, -2, efc_tag, span_L01));
  auto third = rec(4, 5, 4, efc_tag, span_Centre);
  third.word_precedes_tag = true;
  third.barrier = stop_at_paragraph;
  l.AddOne(third);
  l.SortStringPosition();
  EXPECT_EQ(l.GetADataRec(0).string_position, 4);
  EXPECT_EQ(l.GetADataRec(0).tag_length, 3);  // stable order among equals
  l.HandleAnyOverlaps();
  ASSERT_EQ(l.Count(), 2);
  auto m = l.GetADataRec(0);
  EXPECT_EQ(m.tag_length, 7);
  EXPECT_EQ(m.Tag_number_1Based, 4);
  EXPECT_TRUE(m.word_precedes_tag);
  EXPECT_EQ(m.span_lugar, span_Centre);
  EXPECT_TRUE(m.IsATag);
  EXPECT_EQ(m.barrier, stop_at_paragraph);
  EXPECT_EQ(l.GetADataRec(1).string_position, 9);
  EXPECT_EQ(l.IndexOfNonTagCentreSpan(), -1);
  l.SetAStringPosition(1, 11);
  l.SetAWordsLength(1, 6);
  l.SetAWordsLength(5, 6);  // past the end: ignored
  auto r = l.GetADataRec(1);
  EXPECT_EQ(r.string_position, 11);
  EXPECT_EQ(r.words_length, 6);
  r.span_lugar = span_Centre;
  l.SetADataRec(1, r);
  EXPECT_EQ(l.IndexOfNonTagCentreSpan(), 1);
  EXPECT_EQ(l.GetADataRec(7).string_position, 0);

  TSortAndTagMergedList one;
  one.AddOne(rec(2, 1, 1, efc_tag, span_L01));
  one.HandleAnyOverlaps();
  EXPECT_EQ(one.Count(), 1);
  EXPECT_EQ(one.GetADataRec(0).tag_length, 1);
}
