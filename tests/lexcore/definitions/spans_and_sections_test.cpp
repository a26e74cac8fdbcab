#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/definitions/extra_font_list.h"
#include "lexcore/definitions/section_starts.h"
#include "lexcore/definitions/streamable_stringlist.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_yield.h"
#include "tests/test_files.h"

using namespace lx;

namespace {

std::string Bytes(const TMemoryStream& m) {
  return std::string(m.Bytes().begin(), m.Bytes().end());
}

template <typename T>
std::string LE(T v) {
  std::string s(sizeof(T), '\0');
  std::memcpy(s.data(), &v, sizeof(T));
  return s;
}

TMemoryStream StreamOf(const std::string& bytes) {
  TMemoryStream m;
  m.Write(bytes.data(), bytes.size());
  m.SetPosition(0);
  return m;
}

TExtraFontRec Span(int32_t on, int32_t off, TExtraFontCategory cat = efc_tag) {
  TExtraFontRec r;
  r.switch_on_at_char = on;
  r.switch_off_at_char = off;
  r.applies_to = cat;
  return r;
}

}  // namespace

TEST(ExtraFonts, SpanGoldenImage) {
  TExtraFontRec r = Span(10, -1, efc_sort2);
  r.colour_rec = BogStandardColours();
  r.spare_typefaces = {tf_italics};
  r.default_colours = 1;
  r.default_typeface = {tf_bold};
  r.highlight_typeface = {tf_bold, tf_underline};
  r.spare_determined = 1;
  r.spareInts[35] = 0x5A;
  const std::string expected = LE<int32_t>(10) + LE<int32_t>(-1) + LE<int32_t>(0) + LE<int32_t>(0xFFFFFF) +
                               LE<int32_t>(0xFFFFFF) + LE<int32_t>(0x660000) + std::string("\x02\0\0\0", 4) +
                               std::string("\0\x01\x05\x01\x05\x01\0\0", 8) + std::string(35, '\0') + "\x5A";
  ASSERT_EQ(expected.size(), 72u);
  const TExtraFontRecImage image = ExtraFontRecToImage(r);
  EXPECT_EQ(std::string(image.begin(), image.end()), expected);
  EXPECT_EQ(ExtraFontRecToImage(ExtraFontRecFromImage(image.data(), image.size())), image);
  // The 28-byte form carries only span, colours and the old typefaces.
  const TExtraFontRec old = ExtraFontRecFromImage(image.data(), 28);
  EXPECT_EQ(old.spare_typefaces, Ttypeface_Set{tf_italics});
  EXPECT_TRUE(old.default_typeface.Empty());
  EXPECT_EQ(old.applies_to, efc_tag);
  const TExtraFontRec fromOld = ExtraFontRecFromOld({3, 8, StyleSearchColours(), {tf_underline}});
  EXPECT_EQ(fromOld.switch_off_at_char, 8);
  EXPECT_EQ(fromOld.colour_rec, StyleSearchColours());
  EXPECT_EQ(fromOld.highlight_typeface, Ttypeface_Set{tf_underline});
  EXPECT_EQ(fromOld.default_typeface, Ttypeface_Set{tf_underline});
}

TEST(ExtraFonts, ListOperations) {
  TExtraFontList list;
  list.AddOne(Span(30, 35, efc_sort1));
  list.AddOne(Span(5, 9, efc_context_word));
  list.AddOne(Span(30, 33, efc_tag));
  list.AddOne(Span(12, -1));
  EXPECT_FALSE(list.insert_space_between_words);
  EXPECT_EQ(list.IndexOfStart(12), 3);  // unsorted: the whole list is searched
  EXPECT_EQ(list.IndexOfStartAndEnd(10, 40), 0);
  EXPECT_EQ(list.IndexOfStartAndEnd(10, 34), 2);
  EXPECT_EQ(list.IndexOfStartAndEnd(11, 20), 3);  // open-ended span
  EXPECT_EQ(list.IndexOfStartAndEnd(6, 8), -1);

  list.SortOnStartpoints();
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.GetAFontFrec(0).switch_on_at_char, 5);
  EXPECT_EQ(list.GetAFontFrec(1).switch_on_at_char, 12);
  EXPECT_EQ(list.GetAFontFrec(2).applies_to, efc_tag);  // ties on the start go by category
  EXPECT_EQ(list.GetAFontFrec(3).applies_to, efc_sort1);
  EXPECT_EQ(list.IndexOfStart(30), 2);
  EXPECT_EQ(list.IndexOfStart(7), -1);

  // An added span out of order must still be found.
  list.AddOne(Span(1, 2));
  EXPECT_EQ(list.IndexOfStart(1), 4);

  TExtraFontRec bold = Span(1, 2);
  bold.highlight_typeface = {tf_bold};
  list.SetAFontFrec(9, bold);
  EXPECT_FALSE(list.insert_space_between_words);
  list.SetAFontFrec(4, bold);
  EXPECT_TRUE(list.insert_space_between_words);
  EXPECT_EQ(list.GetAFontFrec(-1).switch_on_at_char, 0);
  EXPECT_EQ(list.GetAFontFrec(99).switch_off_at_char, 0);
  list.Delete(0);
  list.Delete(99);
  EXPECT_EQ(list.Count(), 4);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(ExtraFonts, StreamFormsAcrossVersions) {
  TExtraFontList list;
  TExtraFontRec a = Span(1, 4);
  a.default_typeface = {tf_italics};
  list.AddOne(a);
  list.AddOne(Span(7, -1, efc_centre_word));
  EXPECT_EQ(list.GetEFVersion(), 0);
  TMemoryStream m;
  ASSERT_TRUE(list.XSaveToStream(m, 20));
  EXPECT_EQ(list.GetEFVersion(), 3);  // written with version 3 at least
  const TExtraFontRecImage ia = ExtraFontRecToImage(list.GetAFontFrec(0));
  const TExtraFontRecImage ib = ExtraFontRecToImage(list.GetAFontFrec(1));
  EXPECT_EQ(Bytes(m), LE<int32_t>(2) + LE<int32_t>(3) + std::string(ia.begin(), ia.end()) +
                          std::string(ib.begin(), ib.end()));

  m.SetPosition(0);
  TExtraFontList back;
  ASSERT_TRUE(back.XReadFromStream(m, 20));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_TRUE(back.insert_space_between_words);
  EXPECT_EQ(ExtraFontRecToImage(back.GetAFontFrec(1)), ib);

  // A negative count in a stream of version 20 or more counts by its size.
  TMemoryStream neg = StreamOf(LE<int32_t>(-1) + LE<int32_t>(5) + std::string(ia.begin(), ia.end()));
  TExtraFontList n;
  ASSERT_TRUE(n.XReadFromStream(neg, 25));
  EXPECT_EQ(n.Count(), 1);
  EXPECT_EQ(n.GetEFVersion(), 5);

  // Before version 20: no version field, 28-byte spans, typefaces from the old field.
  std::string old = LE<int32_t>(1) + LE<int32_t>(8) + LE<int32_t>(9) + std::string(16, '\0') + "\x01" +
                    std::string(3, '\0');
  TMemoryStream oldStream = StreamOf(old);
  TExtraFontList o;
  ASSERT_TRUE(o.XReadFromStream(oldStream, 19));
  EXPECT_EQ(o.GetEFVersion(), 0);
  ASSERT_EQ(o.Count(), 1);
  EXPECT_EQ(o.GetAFontFrec(0).switch_off_at_char, 9);
  EXPECT_EQ(o.GetAFontFrec(0).default_typeface, Ttypeface_Set{tf_bold});
  EXPECT_EQ(o.GetAFontFrec(0).highlight_typeface, Ttypeface_Set{tf_bold});
  EXPECT_TRUE(o.insert_space_between_words);
}

TEST(ExtraFonts, HostileStreams) {
  TExtraFontList l;
  TMemoryStream empty;
  EXPECT_FALSE(l.XReadFromStream(empty, 20));
  TMemoryStream huge = StreamOf(LE<int32_t>(0x7FFFFFFF) + LE<int32_t>(3) + std::string(72, '\0'));
  EXPECT_FALSE(l.XReadFromStream(huge, 20));
  EXPECT_EQ(l.Count(), 0);
  TMemoryStream minCount = StreamOf(LE<int32_t>(INT32_MIN) + LE<int32_t>(3));
  EXPECT_FALSE(l.XReadFromStream(minCount, 20));
  TMemoryStream negOld = StreamOf(LE<int32_t>(-2) + std::string(56, '\0'));
  EXPECT_FALSE(l.XReadFromStream(negOld, 10));
  TMemoryStream shortSpan = StreamOf(LE<int32_t>(2) + LE<int32_t>(3) + std::string(100, '\0'));
  EXPECT_FALSE(l.XReadFromStream(shortSpan, 20));
}

TEST(SectionStarts, StreamGoldenImageAndLookups) {
  TSectionStartsList list;
  list.AddSection(0, u"Intro");
  list.AddSection(120, u"Body");
  list.AddSection(900, u"");
  TMemoryStream m;
  ASSERT_TRUE(list.SaveToStream(m));
  EXPECT_EQ(Bytes(m), LE<int32_t>(3) + LE<int32_t>(0) + LE<int32_t>(5) + std::string("I\0n\0t\0r\0o\0", 10) +
                          LE<int32_t>(120) + LE<int32_t>(4) + std::string("B\0o\0d\0y\0", 8) +
                          LE<int32_t>(900) + LE<int32_t>(0));
  m.SetPosition(0);
  TSectionStartsList back;
  ASSERT_TRUE(back.ReadFromStream(m));
  ASSERT_EQ(back.Count(), 3);
  EXPECT_EQ(back.GetASection(1).w, u"Body");
  EXPECT_EQ(back.GetASection(-1).start_byte_position, -1);
  EXPECT_EQ(back.GetASection(-1).w, u"");
  EXPECT_EQ(back.GetASection(3).start_byte_position, -1);

  auto at = [&](int32_t from, int32_t pos) { return list.SectionFromBytePosition(from, pos); };
  EXPECT_EQ(at(0, 50).section, u"Intro");
  EXPECT_EQ(at(0, 120).section, u"Body");  // a section's first byte is in it
  EXPECT_EQ(at(0, 899).section_number, 1);
  EXPECT_EQ(at(0, 5000).section_number, 2);
  EXPECT_EQ(at(1, 50).section, u"");
  EXPECT_EQ(at(1, 50).section_number, 0);
  EXPECT_EQ(at(-4, 50).section, u"Intro");

  TSectionStartsList unsorted;
  unsorted.AddSection(500, u"b");
  unsorted.AddSection(10, u"a");
  unsorted.SortOnPositions();
  EXPECT_EQ(unsorted.SectionFromBytePosition(0, 600).section, u"b");
  EXPECT_EQ(unsorted.GetASection(0).w, u"a");
}

TEST(SectionStarts, HostileStreams) {
  TSectionStartsList l;
  TMemoryStream huge = StreamOf(LE<int32_t>(1000000) + LE<int32_t>(0) + LE<int32_t>(0));
  EXPECT_FALSE(l.ReadFromStream(huge));
  EXPECT_EQ(l.Count(), 0);
  TMemoryStream negative = StreamOf(LE<int32_t>(-1) + std::string(16, '\0'));
  EXPECT_FALSE(l.ReadFromStream(negative));
  // The second section's text claims more units than remain; the first stays.
  TMemoryStream truncated =
      StreamOf(LE<int32_t>(2) + LE<int32_t>(1) + LE<int32_t>(0) + LE<int32_t>(2) + LE<int32_t>(400) + "ab");
  EXPECT_FALSE(l.ReadFromStream(truncated));
  EXPECT_EQ(l.Count(), 1);
}

TEST(SectionStarts, SectionFilesCarryTheSignature) {
  const tool_type saved = current_tool_var;
  lxtest::TempDir dir;
  TSectionStartsList list;
  list.AddSection(42, u"Chapter 1");

  current_tool_var = tt_no_tool_at_all;  // no signature to write
  EXPECT_FALSE(list.SaveToFile(dir.File("none.sec")));

  current_tool_var = tt_concord;
  ASSERT_TRUE(list.SaveToFile(dir.File("s.sec")));
  const std::string bytes = dir.Read("s.sec");
  ASSERT_GT(bytes.size(), 57u);
  EXPECT_EQ(bytes.substr(0, 4), LE<int32_t>(36));
  EXPECT_EQ(bytes.substr(16, 15), "\x0eSection List32");
  TSectionStartsList back;
  ASSERT_TRUE(back.ReadFromFile(dir.File("s.sec")));
  EXPECT_EQ(back.GetASection(0).w, u"Chapter 1");

  current_tool_var = tt_viewer_aligner;  // another tool's signature number
  TSectionStartsList other;
  EXPECT_FALSE(other.ReadFromFile(dir.File("s.sec")));

  // Another list kind under the right signature number.
  current_tool_var = tt_concord;
  TMemoryStream m;
  TCheckSignature h;
  DiskSignatureISOKForToolAndList(h, tt_concord, lt_concordance_list, m, writing);
  list.SaveToStream(m);
  dir.Write("conc.sec", Bytes(m));
  EXPECT_FALSE(other.ReadFromFile(dir.File("conc.sec")));
  EXPECT_FALSE(other.ReadFromFile(dir.File("missing.sec")));
  current_tool_var = saved;
}

TEST(StreamableStringlist, CurrentAndOlderForms) {
  TMyStreamableStringlist empty;
  TMemoryStream m0;
  ASSERT_TRUE(empty.SaveToStream(m0));
  EXPECT_EQ(Bytes(m0), LE<int32_t>(0));
  m0.SetPosition(0);
  TMyStreamableStringlist e;
  e.Add(u"stale");
  ASSERT_TRUE(e.ReadFromStream(m0));
  EXPECT_EQ(e.Count(), 0);

  TMyStreamableStringlist l;
  l.Add(u"go");
  l.Add(u"went");
  TMemoryStream m;
  ASSERT_TRUE(l.SaveToStream(m));
  EXPECT_EQ(Bytes(m), LE<int32_t>(-2) + LE<int32_t>(2) + std::string("g\0o\0", 4) + LE<int32_t>(4) +
                          std::string("w\0e\0n\0t\0", 8));
  m.SetPosition(0);
  TMyStreamableStringlist back;
  ASSERT_TRUE(back.ReadFromStream(m));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back[1], u"went");

  // Older form: a non-negative count of short 8-bit strings in the process code page.
  TMemoryStream old = StreamOf(LE<int32_t>(2) + "\x04" + "caf\xe9" + std::string(1, '\0'));
  ASSERT_TRUE(back.ReadFromStream(old));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back[0], u"caf\u00e9");
  EXPECT_EQ(back[1], u"");
}

TEST(StreamableStringlist, HostileStreams) {
  TMyStreamableStringlist l;
  TMemoryStream none;
  EXPECT_FALSE(l.ReadFromStream(none));
  TMemoryStream huge = StreamOf(LE<int32_t>(INT32_MIN));
  EXPECT_FALSE(l.ReadFromStream(huge));
  TMemoryStream manyOld = StreamOf(LE<int32_t>(50) + "\x01" + "a");
  EXPECT_FALSE(l.ReadFromStream(manyOld));
  TMemoryStream shortOld = StreamOf(LE<int32_t>(1) + "\x09" + "abc");
  EXPECT_FALSE(l.ReadFromStream(shortOld));
  TMemoryStream badCount = StreamOf(LE<int32_t>(-1) + LE<int32_t>(1000) + "x");
  EXPECT_FALSE(l.ReadFromStream(badCount));
  EXPECT_EQ(l.Count(), 0);
}

TEST(ExtraFonts, ASortRefusedWhileAnotherRunsLeavesTheOrderUnknown) {
  TExtraFontList list;
  // Starts descending, categories ascending: a category sort leaves the starts out of order.
  for (int i = 0; i < 40; ++i) list.AddOne(Span(100 - i, -1, static_cast<TExtraFontCategory>(i / 6)));
  list.SortOnStartpoints();
  ASSERT_TRUE(list.IsSortedOnStartpoints());
  int refused = 0;
  auto saved = Global_YieldProcessProc;
  Global_YieldProcessProc = [&] {
    if (list.Busy()) {
      list.SortOnStartpoints();
      ++refused;
    }
  };
  list.Ascending = {true, true, true};
  list.DoASingleSort(1, 0, list.Count() - 1);
  Global_YieldProcessProc = saved;
  ASSERT_GT(refused, 0);
  EXPECT_FALSE(list.IsSortedOnStartpoints());
  // With the order unknown every span is still found.
  for (int i = 0; i < 40; ++i) EXPECT_GE(list.IndexOfStart(100 - i), 0) << i;
}
