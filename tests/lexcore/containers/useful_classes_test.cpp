#include "lexcore/containers/Useful_classes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "lexcore/containers/Pointer_UTILS.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;

namespace {

std::vector<uint8_t> Saved(TUsefulBaseListObject& h) {
  TMemoryStream m;
  EXPECT_TRUE(h.SaveToStream(m));
  return m.Bytes();
}

template <typename H>
H Loaded(const std::vector<uint8_t>& bytes, bool expectOk = true) {
  TMemoryStream m;
  if (!bytes.empty()) m.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  m.SetPosition(0);
  H h;
  EXPECT_EQ(h.ReadFromStream(m), expectOk);
  return h;
}

TSearchContextRec Rec(TSimpleSearchlist& l, int i) {
  return l.GetASearchRec(i);
}

}  // namespace

TEST(Holders, GoldenBytesOfTheStoredForms) {
  TMySimpleSearchRecHolder simple({1.5, 7, 2, u"a.txt"});
  EXPECT_EQ(Saved(simple), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0,   0xF8, 0x3F, 7, 0,   0, 0,   2, 0,   0,
                                                 0, 5, 0, 0, 0, 'a', 0,    '.',  0, 't', 0, 'x', 0, 't', 0}));

  TMySearchRecHolder found({2.0, 0x100, 0x10, -2, u"z"});
  EXPECT_EQ(Saved(found), (std::vector<uint8_t>{0, 0, 0, 0,    0,    0, 0, 0x40, 0, 1, 0, 0,   0x10,
                                                0, 0, 0, 0xFE, 0xFF, 0, 0, 1,    0, 0, 0, 'z', 0}));

  TSearchContextRec ctx;
  ctx.mainwd = {u"GO", TMySearchFlags{4, 5}};
  ctx.n_wanted = 3;
  ctx.context_words[1] = {u"x", TMySearchFlags{2}};
  ctx.context_seek_span = 5;
  ctx.otherSWs_required = -1;
  TSearchContextHolder sc(ctx);
  EXPECT_EQ(Saved(sc),
            (std::vector<uint8_t>{2, 0, 0, 0, 'G', 0,   'O', 0,    0x30, 3, 0, 0, 0,    0,    0,    0,   0,
                                  0, 1, 0, 0, 0,   'x', 0,   0x04, 5,    0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));

  TDoublePointerHolder pointers({&ctx, &sc});
  EXPECT_EQ(Saved(pointers), std::vector<uint8_t>(8, 0));  // addresses never reach a stream
  EXPECT_EQ(Loaded<TDoublePointerHolder>(Saved(pointers)).fdata.p1, nullptr);

  TIntegerAndSingleHolder is({-1, 1.0f});
  EXPECT_EQ(Saved(is), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0x80, 0x3F}));
}

TEST(Holders, RoundTripsOfTheTextHolders) {
  const auto sc = Loaded<TSearchContextHolder>(
      Saved(*std::make_unique<TSearchContextHolder>(TSearchContextRec{{u"A", {4}}, 2, {}, 7, 8})));
  EXPECT_EQ(sc.fdata.mainwd.word, u"A");
  EXPECT_TRUE(sc.fdata.mainwd.flags.Contains(4));
  EXPECT_EQ(sc.fdata.otherSWs_required, 8);

  T2StringsAnd2IntegersHolder two({u"one", u"", 1, -2});
  const auto back = Loaded<T2StringsAnd2IntegersHolder>(Saved(two));
  EXPECT_EQ(back.fdata.s1, u"one");
  EXPECT_EQ(back.fdata.i2, -2);

  TStringAndMeanAndSD_recHolder msd({u"m", 2.5, 0.25});
  EXPECT_EQ(Loaded<TStringAndMeanAndSD_recHolder>(Saved(msd)).fdata.sd, 0.25);
  TWordFreqAndSourceNumHolder wf({u"w", 9, 4});
  EXPECT_EQ(Loaded<TWordFreqAndSourceNumHolder>(Saved(wf)).fdata.source_num, 4);

  // A text beyond the reading limit is refused whole, never truncated, and the refusal says why.
  TStringAndIntegerHolder tooLong({UnicodeString(kListTextLimit + 1, u'q'), 1});
  TMemoryStream m;
  EXPECT_FALSE(tooLong.SaveToStream(m));
  EXPECT_EQ(m.GetSize(), 0);
  EXPECT_EQ(tooLong.SaveRefusal(), TextTooLongMessage(kListTextLimit + 1, kListTextLimit));
  // Texts longer than the counted-string default (a long concordance line, a pasted paragraph) are kept.
  TStringAndIntegerHolder longLine({UnicodeString(20000, u'l'), 3});
  EXPECT_EQ(Loaded<TStringAndIntegerHolder>(Saved(longLine)).fdata.s.size(), 20000u);
  EXPECT_TRUE(longLine.SaveRefusal().empty());
  // A truncated record reads as false and leaves the holder as it was.
  auto bytes = Saved(wf);
  bytes.pop_back();
  EXPECT_EQ(Loaded<TWordFreqAndSourceNumHolder>(bytes, false).fdata.word, u"");
}

TEST(Holders, ListsSaveLongTextsAndSayWhatTheyRefuse) {
  TStringColumnAndColourList l;
  l.AddOne(UnicodeString(6000, u'c'), 1, 0);
  TMemoryStream m;
  ASSERT_TRUE(l.SaveToStream(m));
  EXPECT_TRUE(l.LastSaveError().empty());
  m.SetPosition(0);
  TStringColumnAndColourList back;
  ASSERT_TRUE(back.ReadFromStream(m));
  EXPECT_EQ(back.GetOne(0).s.size(), 6000u);
  l.AddOne(UnicodeString(kListTextLimit + 1, u'c'), 2, 0);
  TMemoryStream refused;
  EXPECT_FALSE(l.SaveToStream(refused));
  EXPECT_EQ(l.LastSaveError(), u"item 1: " + TextTooLongMessage(kListTextLimit + 1, kListTextLimit));
}

TEST(Holders, CategoryListGoldenBytesAndOneItemPerColumn) {
  TStringColumnAndColourList l;
  EXPECT_EQ(l.AddOne(u"n", 3, 0x0000FF), 0);
  EXPECT_EQ(l.AddOne(u"v", 1, 0), 1);
  EXPECT_EQ(l.AddOne(u"adj", 3, 0x00FF00), 0);  // replaces column 3's item
  EXPECT_EQ(l.IndexOfTrueColumn(1), 1);
  EXPECT_EQ(l.IndexOfTrueColumn(9), -1);
  TMemoryStream m;
  ASSERT_TRUE(l.SaveToStream(m));
  EXPECT_EQ(m.Bytes(), (std::vector<uint8_t>{2,   0, 0,   0, 3, 0, 0, 0, 0, 0xFF, 0, 0, 3, 0, 0, 0, 'a', 0,
                                             'd', 0, 'j', 0, 1, 0, 0, 0, 0, 0,    0, 0, 1, 0, 0, 0, 'v', 0}));
  m.SetPosition(0);
  TStringColumnAndColourList back;
  ASSERT_TRUE(back.ReadFromStream(m));
  EXPECT_EQ(back.GetABackgroundColour(0), 0x00FF00);
  EXPECT_EQ(back.GetAString(1), u"v");
}

TEST(TypedLists, FindsSortsAndCurrentItems) {
  TCardinalAndFreqList cf;
  cf.AddOneOrIncFreq(7);
  cf.AddOneOrIncFreq(3, 5);
  cf.AddOneOrIncFreq(7, 2);
  EXPECT_EQ(cf.Count(), 2);
  EXPECT_EQ(cf.GetACardAndFreq(0).freq, 3);
  cf.SortOnCardinals();
  EXPECT_EQ(cf.Find(7), 1);
  cf.SortOnFrequencies();
  EXPECT_EQ(cf.GetACardAndFreq(0).card, 3u);
  EXPECT_EQ(cf.Find(7), 1);  // falls back to a linear search once not sorted on cards
  // Totals from hostile lists stop at the int32 bounds instead of wrapping.
  cf.AddOneOrIncFreq(9, INT32_MAX);
  cf.AddOneOrIncFreq(9, INT32_MAX);
  EXPECT_EQ(cf.GetACardAndFreq(cf.IndexOf(9)).freq, INT32_MAX);
  cf.AddOneOrIncFreq(9, -5);
  EXPECT_EQ(cf.GetACardAndFreq(cf.IndexOf(9)).freq, INT32_MAX - 5);
  cf.AddOneOrIncFreq(11, INT32_MIN);
  cf.AddOneOrIncFreq(11, -1);
  EXPECT_EQ(cf.GetACardAndFreq(cf.IndexOf(11)).freq, INT32_MIN);

  TLXInt64List big;
  for (int64_t v : {int64_t{1} << 40, int64_t{-3}, int64_t{12}}) big.AddOne(v);
  big.SortAscendingDefault();
  EXPECT_EQ(big.FindInSorted(int64_t{1} << 40), 2);
  EXPECT_EQ(big.FindInSorted(5), -1);

  TLXActiveLongintList active;
  active.AddOneAndSetCountCurrent(4);
  active.AddOneAndSetCountCurrent(8);
  EXPECT_EQ(active.CurrentItemValue(), 8);
  EXPECT_EQ(active.GetCurrentItem(), 1);
  EXPECT_TRUE(active.FindAndFree(8));
  EXPECT_EQ(active.CurrentItemValue(), -999999);  // the current item went with it
  EXPECT_EQ(active.GetCurrentItem(), -1);

  TWordFreqAndSourceNumList wf;
  wf.AddOne(u"a", 2, 0);
  wf.AddOne(u"b", 9, 1);
  EXPECT_EQ(wf.HighestFrequency(), 9);
  wf.SortOnFreqs();
  TWordFreqAndSourceNumRec r;
  ASSERT_TRUE(wf.GetNext(r));
  EXPECT_EQ(r.word, u"b");
  ASSERT_TRUE(wf.GetNext(r));
  EXPECT_FALSE(wf.GetNext(r));

  T3LongintAndSingleList t3;
  t3.AddOne(2, 1, 1, 0.5f);
  t3.AddOne(1, 9, 9, 0.25f);
  t3.SortAscendingDefault();
  EXPECT_EQ(t3.Find(2, 1, 1), 1);
  EXPECT_EQ(t3.IndexOfInteger2(9), 0);
  EXPECT_EQ(t3.IndexOfSingle(0.5f), 1);
}

TEST(StringListsWithHolders, SortOnFreqIsHighestFirstAndHoldersAreOwned) {
  TStringListWithALongint l;
  l.AddOne(u"the", 10);
  l.AddOne(u"a", 30);
  l.AddOne(u"of", 20);
  l.Add(u"bare");  // no holder: counts as 0
  l.SortOnFreq();
  EXPECT_EQ(l.Get(0), u"a");
  EXPECT_EQ(l.Get(2), u"the");
  EXPECT_EQ(l.Get(3), u"bare");
  l.SetOne(3, 5);
  EXPECT_EQ(l.GetOne(3), 5);
  l.FreeAndNilOne(0);
  EXPECT_EQ(l.GetOne(0), 0);

  // A sorted list that ignores a duplicate frees the holder it was given.
  TStringListWithDate dates;
  dates.SetSorted(true);
  dates.AddOne(u"x", 1.0);
  dates.AddOne(u"x", 2.0);
  EXPECT_EQ(dates.Count(), 1);

  TStringListWithLongintList lists;
  lists.AddOne(u"one", {1});
  lists.AddOne(u"three", {});
  lists.GetOne(1)->AddOne(4);
  lists.GetOne(1)->AddOne(5);
  lists.SortOnCounts();
  EXPECT_EQ(lists.Get(0), u"three");
}

TEST(SearchWordFlags, MarksAreReadAndRestored) {
  UnicodeString s = u"*ness";
  TMySearchFlags f = FlagsFromSW(s);
  EXPECT_EQ(s, u"ness");
  EXPECT_EQ(f, (TMySearchFlags{5}));
  EXPECT_EQ(SWFromWordAndFlags(s, f), u"*ness");

  s = u"==US==";
  f = FlagsFromSW(s);
  EXPECT_EQ(s, u"US");
  EXPECT_EQ(f, (TMySearchFlags{2, 4, 5}));
  EXPECT_EQ(SWFromWordAndFlags(s, f), u"==US==");

  s = u"book*";
  EXPECT_EQ(FlagsFromSW(s), (TMySearchFlags{4}));
  EXPECT_EQ(SWFromWordAndFlags(s, TMySearchFlags{4}), u"book*");

  s = u"~go";
  EXPECT_EQ(FlagsFromSW(s), (TMySearchFlags{3, 4, 5}));
  EXPECT_EQ(s, u"go");

  for (const char16_t* odd : {u"", u"*", u"==", u"===", u"**"}) {
    UnicodeString t = odd;
    FlagsFromSW(t);  // no underflow on short texts
  }
  s = u"==";
  FlagsFromSW(s);
  EXPECT_EQ(s, u"==");

  TWordAndSearchFlags w;
  SetWordAndSearchFlags(w, u"colour*");
  EXPECT_EQ(w.word, u"COLOUR");
  SetWordAndSearchFlags(w, u"==Mr==");
  EXPECT_EQ(w.word, u"Mr");
}

TEST(SimpleSearchlist, LoadingFromStrings) {
  TSimpleSearchlist l;
  EXPECT_EQ(l.Settings.default_contextword_span, 60);
  EXPECT_EQ(l.Settings.markup_search_span, 200);
  EXPECT_TRUE(l.LoadFromAString(u"house = 5", false));
  EXPECT_EQ(Rec(l, 0).mainwd.word, u"HOUSE");
  EXPECT_EQ(Rec(l, 0).n_wanted, 5);
  EXPECT_TRUE(l.LoadFromAString(u"cat", false));
  EXPECT_EQ(Rec(l, 1).n_wanted, 1);
  EXPECT_FALSE(l.LoadFromAString(u"\tdog", false));
  EXPECT_TRUE(l.LoadFromAString(u"go*\tnot\t==Up==\t4.6\tx\t2\textra", false));
  const auto r = Rec(l, 2);
  EXPECT_EQ(r.mainwd.word, u"GO");
  EXPECT_EQ(r.context_words[0].word, u"NOT");
  EXPECT_EQ(r.context_words[1].word, u"Up");
  EXPECT_EQ(r.context_seek_span, 5);
  EXPECT_EQ(r.otherSWs_required, 0);  // not a number
  EXPECT_EQ(r.n_wanted, 2);
  EXPECT_TRUE(l.LoadFromAString(u"w\t\t\t1e30", false));  // out of range: ignored
  EXPECT_EQ(Rec(l, 3).context_seek_span, 0);
  // With the sign required, the "=" form still adds its word.
  EXPECT_TRUE(l.LoadFromAString(u"tree=2", true));
  EXPECT_EQ(Rec(l, 4).mainwd.word, u"TREE");
  EXPECT_EQ(l.IndexOfSimpleSearchRecSeek(u"TREE"), 4);
  // Case-sensitive marks keep their word in both forms; fields with the sign required carry the count.
  EXPECT_TRUE(l.LoadFromAString(u"==US==", false));
  EXPECT_EQ(Rec(l, 5).mainwd.word, u"US");
  EXPECT_TRUE(l.LoadFromAString(u"==US== = 4", false));
  EXPECT_EQ(Rec(l, 6).n_wanted, 4);
  EXPECT_TRUE(l.LoadFromAString(u"oak=7\tleaf", true));
  EXPECT_EQ(Rec(l, 7).mainwd.word, u"OAK");
  EXPECT_EQ(Rec(l, 7).n_wanted, 7);
  EXPECT_EQ(Rec(l, 7).context_words[0].word, u"LEAF");
  EXPECT_TRUE(l.LoadFromAString(u"elm = many", false));
  EXPECT_EQ(Rec(l, 8).mainwd.word, u"ELM");
  EXPECT_EQ(Rec(l, 8).n_wanted, 1);
  EXPECT_EQ(l.GetATypedInSW(2), u"GO*");
  EXPECT_EQ(l.AsText(u"|"), u"HOUSE|CAT|GO|W|TREE|US|US|OAK|ELM");

  TSimpleSearchlist other;
  other.Settings.markup_search_span = 7;
  other.AddAll(l);
  EXPECT_EQ(other.Count(), 9);
  EXPECT_EQ(other.Settings.markup_search_span, 200);
  EXPECT_EQ(other.GetASearchRec(99).mainwd.word, u"");
}

TEST(SimpleSearchlist, LinesSplitAtArrowsAndCommas) {
  TSimpleSearchlist l;
  TStringList lines;
  lines.Add(u"  ; comment, ignored");
  lines.Add(u"// also ignored");
  lines.Add(u"");
  lines.Add(u"red -> green, blue");
  lines.Add(u"a, b -> c");
  l.LoadFromAStringlist(lines, false);
  ASSERT_EQ(l.Count(), 5);
  EXPECT_EQ(l.AsText(u"|"), u"RED|GREEN|BLUE|A, B|C");  // a comma before the arrow stays inside the item
  EXPECT_EQ(l.IndexOfSimpleSearchRecSeek(u"A, B"), 3);
}

TEST(SimpleSearchlist, LoadsFilesThroughTheHooks) {
  lxtest::TempDir dir;
  dir.Write("words.txt",
            "\xEF\xBB\xBF"
            "alpha=3\r\n;skip\r\nbeta, gamma\r\n");
  struct THooked : TSimpleSearchlist {
    UnicodeString PreParseAString(const UnicodeString& s) override { return s + u"x"; }
    void PreParseTheList(TStrings& list) override { list.Add(u"delta"); }
  } l;
  l.AddOne(TSearchContextRec{{u"OLD", {}}, 1, {}, 0, 0});
  ASSERT_TRUE(l.LoadFromFile(dir.File("words.txt"), false));
  EXPECT_EQ(l.AsText(u","), u"ALPHA,BETA,GAMMAX,DELTAX");
  EXPECT_EQ(l.GetASearchRec(0).n_wanted, 1);  // "3x" is not a number
  EXPECT_FALSE(l.LoadFromFile(dir.File("absent.txt"), false));
  EXPECT_EQ(l.Count(), 0);

  // The list streams as holders.
  TSimpleSearchlist src;
  src.LoadFromAString(u"one=2", false);
  TMemoryStream m;
  ASSERT_TRUE(src.SaveToStream(m));
  m.SetPosition(0);
  TSimpleSearchlist back;
  ASSERT_TRUE(back.ReadFromStream(m));
  EXPECT_EQ(back.GetASearchRec(0).n_wanted, 2);
}

TEST(FolderEfficientFileStringlist, StoresEachFolderOnce) {
  TFolderEfficientFileStringlist l;
  l.AddOne(u"C:\\a\\x.txt");
  l.AddOne(u"C:\\b\\y.txt");
  EXPECT_EQ(l.AddOne(u"C:\\a\\z.txt"), 2);
  EXPECT_EQ(l.folders->Count(), 2);
  EXPECT_EQ(l.GetASimpleSearchRec(2).folder_number, 0);
  EXPECT_EQ(l.GetFullFilename(2), u"C:\\a\\z.txt");
  EXPECT_EQ(l.files->Get(2), u"z.txt");
  EXPECT_EQ(l.GetFullFilename(9), u"");
  EXPECT_EQ(l.IndexOfShortName(u"Y.TXT"), 1);
  EXPECT_EQ(l.IndexOfFullName(u"C:\\b\\y.txt"), 1);
  EXPECT_EQ(l.IndexOfFullName(u"C:\\a\\y.txt"), -1);  // the folder must match too
  EXPECT_EQ(l.IndexOfFullName(u"C:\\c\\x.txt"), -1);

  // Folders given without a trailing delimiter still come back as full names; '/' folders too.
  TMySimpleSearchRec rec{1.0, 10, 99, u"n.txt"};
  const int32_t i = l.AddOne(u"/data/texts", rec);
  EXPECT_EQ(l.GetASimpleSearchRec(i).folder_number, 2);
  EXPECT_EQ(l.GetFullFilename(i), u"/data/texts/n.txt");
  l.AddOne(1, TMySimpleSearchRec{0, 0, 7, u"lost.txt"});  // the record's own number stands
  EXPECT_EQ(l.GetFullFilename(l.Count() - 1), u"lost.txt");

  l.SetFullFilename(0, u"/new/place.txt");
  EXPECT_EQ(l.GetFullFilename(0), u"/new/place.txt");
  EXPECT_EQ(l.IndexOfFullName(u"/new/place.txt"), 0);

  std::unique_ptr<TStringList> all(l.GetAsStringlist());
  EXPECT_EQ(all->Count(), l.Count());
  EXPECT_EQ(all->Get(1), u"C:\\b\\y.txt");
  l.Delete(0);
  EXPECT_EQ(l.Count(), 4);
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(l.folders->Count(), 0);
}

TEST(FolderEfficientFileStringlist, Sorts) {
  TFolderEfficientFileStringlist l;
  l.AddOne(u"/b/", TMySimpleSearchRec{3.0, 30, 0, u"b2"});
  l.AddOne(u"/a/", TMySimpleSearchRec{1.0, 10, 0, u"a2"});
  l.AddOne(u"/b/", TMySimpleSearchRec{2.0, 20, 0, u"B1"});
  l.AddOne(u"/a/", TMySimpleSearchRec{5.0, 20, 0, u"a1"});
  auto names = [&] {
    UnicodeString s;
    for (int32_t i = 0; i < l.Count(); ++i) s += l.files->Get(i) + u" ";
    return s;
  };
  l.DoASort(ss_folder, ss_shortname, true);
  EXPECT_EQ(names(), u"B1 b2 a1 a2 ");  // folders in the order first added; names ordinal
  EXPECT_EQ(l.sort_1, ss_folder);
  l.DoASort(ss_folder, ss_shortname, false);
  EXPECT_EQ(names(), u"a2 a1 b2 B1 ");
  l.case_insensitive = true;
  l.DoASort(ss_folder, ss_shortname, true);
  EXPECT_EQ(names(), u"B1 b2 a1 a2 ");
  l.DoASort(ss_date, ss_none, true);
  EXPECT_EQ(names(), u"a1 b2 B1 a2 ");  // latest first
  l.DoASort(ss_size, ss_size, true);
  EXPECT_EQ(l.GetASimpleSearchRec(0).Size, 10);
  EXPECT_EQ(l.GetASimpleSearchRec(3).Size, 30);
  l.DoASort(ss_size, ss_shortname, true);
  EXPECT_EQ(names(), u"a2 B1 a1 b2 ");  // sizes 10, 20, 20, 30; the 20s by name
  l.DoASort(ss_shortname, ss_none, true);
  EXPECT_EQ(names(), u"a1 a2 B1 b2 ");  // case_insensitive set: the name key ignores case
  l.DoASort(ss_none, ss_date, true);
  EXPECT_EQ(names(), u"a1 a2 B1 b2 ");  // nothing happens
  EXPECT_EQ(l.sort_2, ss_date);
}

TEST(SaveStringLists, CountedStringsAndTheWriterLimit) {
  TMySaveStringList l;
  l.Add(u"ab");
  l.Add(u"");
  TMemoryStream m;
  l.SaveToStream(m);
  EXPECT_EQ(m.Bytes(), (std::vector<uint8_t>{2, 0, 0, 0, 2, 0, 0, 0, 'a', 0, 'b', 0, 0, 0, 0, 0}));
  m.SetPosition(0);
  TMySaveStringList back;
  back.LoadFromStream(m);
  EXPECT_EQ(back.Count(), 2);
  l.Add(UnicodeString(5001, u'x'));
  TMemoryStream longer;
  l.SaveToStream(longer);
  longer.SetPosition(0);
  back.LoadFromStream(longer);
  EXPECT_EQ(back.Get(2).size(), 5001u);
  l.Add(UnicodeString(kListTextLimit + 1, u'x'));
  TMemoryStream refused;
  try {
    l.SaveToStream(refused);
    ADD_FAILURE() << "saved";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message, u"line 3: " + TextTooLongMessage(kListTextLimit + 1, kListTextLimit));
  }
  EXPECT_EQ(refused.GetSize(), 0);
  TMemoryStream hostile;
  WriteLE<int32_t>(hostile, 1000000);
  hostile.SetPosition(0);
  EXPECT_THROW(back.LoadFromStream(hostile), EReadError);

  TIndexCheckStringlist ic;
  for (auto s : {u"1", u"2", u"3"}) ic.Add(s);
  ic.ReverseTheSort();
  EXPECT_EQ(ic.Get(0), u"3");
  ic.ReduceTo(1);
  EXPECT_EQ(ic.Count(), 1);
  EXPECT_FALSE(ic.IndexAssignedOK(1));

  struct TNoBlanks : TBaseAcceptableCheckStringlist {
    bool AcceptableString(const UnicodeString& s) override { return !Trim(s).empty(); }
  } nb;
  nb.SetTextStr(u"a\r\n  \r\nb\r\n");
  EXPECT_EQ(nb.Count(), 2);
}

TEST(PointerUtils, BuffersAndComparisons) {
  WideChar* p = MyNewPChar(u"abc");
  EXPECT_EQ(StrLenW(p), 3);
  EXPECT_EQ(ComparePchar(p, u"abd"), -1);
  DeletePChar(p);
  EXPECT_EQ(p, nullptr);
  WideChar* shared = nowt;
  DeletePChar(shared);  // the shared empty text is never freed
  EXPECT_EQ(StrLenW(nowt), 0);
  EXPECT_EQ(CheckedNewLenPchar(-1), nullptr);
  EXPECT_EQ(CheckedNewLenPAnsichar(kMaxPCharLength + 1), nullptr);
  char* a = CheckedNewLenPAnsichar(4);
  EXPECT_EQ(a[4], 0);
  DeletePAnsichar(a);
  EXPECT_EQ(ComparePAnsichar("\xE9", "z"), 1);  // bytes compare unsigned
  EXPECT_EQ(CompareWordAndAffixesPchar(u"w", u"s", u"a", u"w", u"s", u"b"), -1);
  EXPECT_EQ(CompareWordAndAffixesPchar(u"w", u"t", u"a", u"w", u"s", u"b"), 1);
}

TEST(PointerUtils, LocaleComparisons) {
  const LCID english = 0x0409;
  EXPECT_EQ(LCIDStringComparison(u"apple", u"Banana", english), -1);  // ordinal would put B first
  EXPECT_EQ(Compare2Strings(u"apple", u"Banana"), 1);
  EXPECT_EQ(LCIDStringComparison(u"", u"a", english), -1);
  EXPECT_EQ(LCIDStringComparison(u"same", u"same", english), 0);
  EXPECT_EQ(ComparePcharLCID(nullptr, u"", english), 0);
  EXPECT_EQ(CompareWordAndAffixesPcharLCID(u"w", u"s", u"apple", u"w", u"s", u"Banana", english), -1);
  const uint32_t saved = my_default_sort;
  my_default_sort = 1;  // ignore case
  EXPECT_EQ(LCIDStringComparison(u"ABC", u"abc", english), 0);
  my_default_sort = saved;
}
