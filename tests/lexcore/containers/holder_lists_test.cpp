#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "test_files.h"

using namespace lx;

namespace {

std::vector<uint8_t> BytesOf(TMemoryStream& m) {
  return m.Bytes();
}

TMemoryStream StreamOf(const std::vector<uint8_t>& bytes) {
  TMemoryStream m;
  if (!bytes.empty()) m.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  m.SetPosition(0);
  return m;
}

std::vector<int32_t> Values(const T1LongintList& l) {
  return l.ToArrayOfInteger(0);
}

}  // namespace

TEST(CountedStrings, GoldenBytesAndRoundTrip) {
  TMemoryStream m;
  ASSERT_TRUE(WriteAString(m, u"h\u00e9"));
  ASSERT_TRUE(WriteAString(m, u""));
  const std::vector<uint8_t> golden = {2, 0, 0, 0, 'h', 0, 0xE9, 0, 0, 0, 0, 0};
  EXPECT_EQ(BytesOf(m), golden);
  m.SetPosition(0);
  EXPECT_EQ(ReadAString(m), u"h\u00e9");
  EXPECT_EQ(ReadAString(m), u"");
}

TEST(CountedStrings, HostileCountsRaiseTheReadError) {
  auto expectRefused = [](const std::vector<uint8_t>& bytes, int32_t max) {
    TMemoryStream m = StreamOf(bytes);
    try {
      ReadAString(m, max);
      ADD_FAILURE() << "accepted";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message, u"file read error : ReadAString");
    }
  };
  expectRefused({0xFF, 0xFF, 0xFF, 0xFF}, 5000);                    // negative
  expectRefused({0x89, 0x13, 0, 0}, 5000);                          // 5001, above the limit
  expectRefused({3, 0, 0, 0, 'a', 0}, 5000);                        // more units than bytes left
  expectRefused({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}, 0x7FFFFFFF);  // huge, never allocated
  TMemoryStream shortCount = StreamOf({1, 0});
  EXPECT_THROW(ReadAString(shortCount), EReadError);
}

TEST(CountedStrings, WriterRefusesWhatTheReaderWouldRefuse) {
  TMemoryStream m;
  const UnicodeString atLimit(static_cast<std::size_t>(global_string_safety_limit), u'x');
  EXPECT_TRUE(WriteAString(m, atLimit));
  const int64_t size = m.GetSize();
  EXPECT_FALSE(WriteAString(m, atLimit + u"x"));
  EXPECT_EQ(m.GetSize(), size);  // nothing written
  EXPECT_TRUE(WriteAString(m, atLimit + u"x", 6000));
  m.SetPosition(0);
  EXPECT_EQ(ReadAString(m), atLimit);
  EXPECT_EQ(ReadAString(m, 6000).size(), atLimit.size() + 1);
}

TEST(Comparisons, OrdersAndDates) {
  EXPECT_EQ(CompareLongints(-5, 3), -1);
  EXPECT_EQ(CompareCardinals(0xFFFFFFFFu, 1), 1);
  EXPECT_EQ(CompareInt64s(7, 7), 0);
  // Later dates sort first: 2001-01-01 (36892) against 2000-01-01 (36526).
  EXPECT_EQ(CompareDates(36892.0, 36526.0), -1);
  EXPECT_EQ(CompareDates(36526.0, 36892.0), 1);
  EXPECT_EQ(Compare2Strings(u"B", u"a"), -1);
  EXPECT_EQ(Compare2StringsCaseInsensitively(u"abc", u"ABC"), 0);
  EXPECT_EQ(Compare2StringsCaseInsensitively(u"abc", u"ABD"), -1);
  EXPECT_EQ(Compare2LongintRecs({1, 5}, {1, 4}), 1);
  EXPECT_EQ(CrudeStringComparison(u"ab", nullptr), 1);
}

TEST(T1LongintList, SortedInsertionKeepsOrderAndPutsEqualsTogether) {
  T1LongintList l;
  l.SetSorted(true);
  l.AddOne(5);
  l.AddOne(1);
  l.AddOne(3);
  EXPECT_EQ(Values(l), (std::vector<int32_t>{1, 3, 5}));
  EXPECT_EQ(l.AddOne(3), 1);
  EXPECT_EQ(Values(l), (std::vector<int32_t>{1, 3, 3, 5}));
  for (int v : {0, 6, 4, 2, 5, -1}) l.AddOne(v);
  EXPECT_EQ(Values(l), (std::vector<int32_t>{-1, 0, 1, 2, 3, 3, 4, 5, 5, 6}));
  EXPECT_GE(l.Find(4), 0);
  EXPECT_EQ(l.Find(7), -1);
  EXPECT_TRUE(l.FindAndFree(3));
  EXPECT_FALSE(l.FindAndFree(42));
  EXPECT_EQ(l.Count(), 9);

  T1LongintList unsorted;
  unsorted.AddOne(5);
  unsorted.AddOne(1);
  EXPECT_EQ(Values(unsorted), (std::vector<int32_t>{5, 1}));
}

TEST(T1LongintList, UnassignedIndexesAndEditsThatBreakTheOrder) {
  T1LongintList l;
  for (int v : {10, 20, 30}) l.AddOne(v);
  EXPECT_EQ(l.GetAValue(7), -999999);
  EXPECT_EQ(l.GetAValue(-1), -999999);
  l.AddToValue(7, 5);  // ignored
  l.AddToValue(0, 5);
  EXPECT_EQ(l.GetAValue(0), 15);
  l.FreeAndNilOne(1);
  EXPECT_FALSE(l.IndexAssignedOK(1));
  EXPECT_EQ(l.GetAValue(1), -999999);
  l.ReduceTo(0);
  EXPECT_EQ(l.Count(), 0);

  T1LongintList s;
  s.SetSorted(true);
  for (int v : {1, 2, 3}) s.AddOne(v);
  s.SetAValue(0, 9);  // out of order: the list no longer claims to be sorted
  EXPECT_FALSE(s.Sorted());
  std::unique_ptr<T1LongintList> copy(s.GetACopyOfSelf());
  EXPECT_EQ(Values(*copy), (std::vector<int32_t>{9, 2, 3}));
}

TEST(HolderLists, RemoveDuplicatesUsesTheListsComparison) {
  T1LongintList l;
  for (int v : {1, 1, 2, 2, 2, 3}) l.AddOne(v);
  l.RemoveDuplicates();
  EXPECT_EQ(Values(l), (std::vector<int32_t>{1, 2, 3}));

  // The base comparison (always -1) removes nothing.
  TUsefulBaseListSorts base(ItemClassOf<TLongIntHolder>());
  for (int v : {1, 1, 1}) base.Add(new TLongIntHolder(v));
  base.RemoveDuplicates();
  EXPECT_EQ(base.Count(), 3);
}

TEST(HolderLists, SortedListStreamGoldenBytesAndRoundTrip) {
  T2LongintList l;
  l.AddOne({1, -1});
  l.AddOne({2, 0x01020304});
  l.SingleSort(0);
  TMemoryStream m;
  ASSERT_TRUE(l.SaveToStream(m));
  const std::vector<uint8_t> golden = {2, 0, 0, 0, 1,                       // count, sorted flag
                                       1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF,  // item 0
                                       2, 0, 0, 0, 4,    3,    2,    1};    // item 1
  EXPECT_EQ(BytesOf(m), golden);
  m.SetPosition(0);
  T2LongintList back;
  ASSERT_TRUE(back.ReadFromStream(m));
  EXPECT_TRUE(back.Sorted());
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.GetAValue(1, 1), 0x01020304);
  EXPECT_EQ(back.GetAValue(0, 1), -1);
}

TEST(HolderLists, TruncatedAndHostileStreamsLoadWhatTheyCanAndReturnFalse) {
  T1LongintList l;
  for (int v : {7, 8, 9}) l.AddOne(v);
  TMemoryStream m;
  ASSERT_TRUE(l.SaveToStream(m));
  std::vector<uint8_t> bytes = BytesOf(m);

  // The count claims more items than there are bytes: refused before any item is made.
  TMemoryStream cut = StreamOf({bytes.begin(), bytes.end() - 2});
  T1LongintList a;
  EXPECT_FALSE(a.ReadFromStream(cut));
  EXPECT_EQ(a.Count(), 0);

  // Negative and enormous counts.
  for (std::vector<uint8_t> head :
       {std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0}, std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 0}}) {
    TMemoryStream h = StreamOf(head);
    T1LongintList b;
    EXPECT_FALSE(b.ReadFromStream(h));
    EXPECT_EQ(b.Count(), 0);
  }

  // Items whose own reads fail part-way: the good ones stay, the first bad one ends the load.
  TStringColumnAndColourList cats;
  cats.AddOne(u"first", 1, 0xFF);
  cats.AddOne(u"second", 2, 0);
  TMemoryStream c;
  ASSERT_TRUE(cats.SaveToStream(c));
  std::vector<uint8_t> cb = BytesOf(c);
  cb.resize(cb.size() - 3);  // the second text is cut short
  TMemoryStream cc = StreamOf(cb);
  TStringColumnAndColourList back;
  EXPECT_FALSE(back.ReadFromStream(cc));
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(back.GetAString(0), u"first");
}

TEST(HolderLists, FilesRoundTripAndAMissingFileFails) {
  lxtest::TempDir dir;
  T3LongintList l;
  l.AddOne({1, 2, 3});
  l.AddOne({4, 5, 6});
  int yields = 0;
  Global_YieldProcessProc = [&] { ++yields; };
  ASSERT_TRUE(l.SaveToFile(dir.File("t3.bin")));
  T3LongintList back;
  ASSERT_TRUE(back.LoadFromFile(dir.File("t3.bin")));
  Global_YieldProcessProc = nullptr;
  EXPECT_EQ(yields, 4);  // one per item saved and loaded
  EXPECT_EQ(back.GetAValue(1, 2), 6);
  EXPECT_EQ(back.TotalOf(0), 5);
  EXPECT_FALSE(back.LoadFromFile(dir.File("missing.bin")));
}

TEST(MultiLongintList, ColumnSortsAndSearches) {
  T3LongintList l;
  l.AddOne({2, 1, 9});
  l.AddOne({1, 5, 0});
  l.AddOne({2, 0, 7});
  l.AddOne({1, 5, -1});
  l.TripleSort(0, 1, 2);
  EXPECT_EQ(l.ToArrayOfInteger(2), (std::vector<int32_t>{-1, 0, 7, 9}));
  l.DoubleSort(1, 0, false);
  EXPECT_EQ(l.ToArrayOfInteger(1), (std::vector<int32_t>{5, 5, 1, 0}));
  EXPECT_FALSE(l.Sorted());
  const int32_t wanted[3] = {2, 0, 7};
  EXPECT_EQ(l.LongIndexOf(wanted), 3);
  l.IncOne(3, 2);
  l.AddToOneFreq(3, 2, 10);
  EXPECT_EQ(l.GetAValue(3, 2), 18);
  EXPECT_EQ(l.GetAValue(3, 3), -999999);  // outside the width
}

// Adding hands the item to the list even when the add fails, so nothing leaks (the leak checker of the
// sanitizer build watches this).
TEST(HolderOwnership, AListOwnsWhatItIsGivenEvenWhenTheAddFails) {
  struct TCounted : TUsefulBaseListObject {
    explicit TCounted(int& live) : live_(live) { ++live_; }
    ~TCounted() override { --live_; }
    int& live_;
  };
  int live = 0;
  {
    TUsefulBaseList list;
    list.Add(new TCounted(live));
    list.Add(std::make_unique<TCounted>(live));
    EXPECT_THROW(list.Insert(5, new TCounted(live)), EListError);
    EXPECT_EQ(live, 2);
    list.Insert(0, new TCounted(live));
    EXPECT_EQ(list.Count(), 3);
  }
  EXPECT_EQ(live, 0);
}
