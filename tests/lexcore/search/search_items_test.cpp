#include <gtest/gtest.h>

#include <cstring>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/search/user_input_wildcard_parsing.h"
#include "test_files.h"

using namespace lx;

namespace {

std::vector<UnicodeString> Typed(const TBaseSearchItems& items) {
  std::vector<UnicodeString> r;
  for (int32_t i = 0; i < items.Count(); ++i) r.push_back(items.GetSWR(i).typed_in_text);
  return r;
}

std::string Bytes(TMemoryStream& m) {
  return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.GetSize()));
}

void PutBytes(TMemoryStream& m, const std::string& bytes) {
  m.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  m.SetPosition(0);
}

}  // namespace

// A 16-bit language number must not slip into the number-to-find form by promotion.
template <typename T>
concept AddsWithSetting = requires(TBaseSearchItems& items, T value) {
  items.AddedSearchWords(u"", value);
};
static_assert(AddsWithSetting<int16_t> && AddsWithSetting<int32_t> && AddsWithSetting<bool>);
static_assert(!AddsWithSetting<uint16_t> && !AddsWithSetting<int64_t>);

TEST(SearchItems, AddingAlternativesAndDuplicates) {
  TBaseSearchItems items({}, 0, true);
  EXPECT_EQ(items.AddedSearchWords(u"cat/dog/cat"), (std::vector<int32_t>{0, 1, 0}));
  EXPECT_EQ(Typed(items), (std::vector<UnicodeString>{u"cat", u"dog"}));
  EXPECT_EQ(items.AddedSearchWords(u"*"), std::vector<int32_t>{});
  EXPECT_EQ(items.AddedSearchWords(u"big   cat", int16_t{7}), std::vector<int32_t>{2});
  EXPECT_EQ(items.GetSWR(2).typed_in_text, u"big cat");  // runs of spaces reduced
  EXPECT_EQ(items.GetLanguage(2), 7);
  EXPECT_EQ(items.AddedSearchWords(u"dog", 25), std::vector<int32_t>{1});
  EXPECT_EQ(items.GetNToFind(1), 25);
  items.AddedSearchWords(u"cow", true);
  EXPECT_TRUE(items.GetAutoLemmaAdded(3));

  TBaseSearchItems whole({}, 0, false);
  whole.AddedSearchWords(u"cat/dog");
  ASSERT_EQ(whole.Count(), 1);
  EXPECT_EQ(whole.GetSWR(0).search_text, u"cat/dog");

  TBaseSearchItems raw;
  raw.SetTakeWordsUnparsed(true);
  raw.AddedSearchWords(u"co?r*");
  EXPECT_EQ(raw.GetSWR(0).search_text, u"co?r");
}

TEST(SearchItems, LookupsAndAccessorsOutOfRange) {
  TBaseSearchItems items({}, 0, true);
  items.AddedSearchWords(u"a/b", int16_t{3});
  TSearch_word_format_rec probe = items.GetSWR(0);
  EXPECT_EQ(items.IndexOf(probe), 0);
  probe.Langnum = 4;
  EXPECT_EQ(items.IndexOf(probe), -1);
  EXPECT_EQ(items.EnsureContains(probe), 2);  // same text, other language: a new item
  EXPECT_EQ(items.TypeInIndexOf(u"B"), -1);
  EXPECT_EQ(items.GetSWR(99), TSearch_word_format_rec{});
  EXPECT_EQ(items.GetPtr(-1), nullptr);
  items.SetHitsFound(99, 5);
  items.SetNToFind(-1, 5);
  items.IncrementHits(99);
  EXPECT_EQ(items.GetHitsFound(99), 0);
  EXPECT_EQ(items.TypedInWord(9, true), nullptr);
  EXPECT_EQ(std::u16string(static_cast<const char16_t*>(items.TypedInWord(0, true))), u"b");
  EXPECT_STREQ(static_cast<const char*>(items.TypedInWord(1, false)), "a");

  items.SetHits({4, 5, 6, 7});
  EXPECT_EQ(items.TotalHits(), 15);
  items.IncrementHits(0);
  EXPECT_EQ(items.GetHitsFound(0), 5);
  items.ClearHits();
  EXPECT_EQ(items.TotalHits(), 0);
}

TEST(SearchItems, TypedTextLookupFollowsEveryChange) {
  TBaseSearchItems items({}, 0, true);
  items.AddedSearchWords(u"a/b/c");  // added last typed first: c, b, a
  ASSERT_EQ(items.AllTypedSearchWordsAsOne(false), u"c/b/a");
  EXPECT_EQ(items.TypeInIndexOf(u"b"), 1);
  items.GetPtr(1)->typed_in_text = u"z";  // changed behind the list's back
  EXPECT_EQ(items.TypeInIndexOf(u"b"), -1);
  EXPECT_EQ(items.TypeInIndexOf(u"z"), 1);
  TSearch_word_format_rec rec = items.GetSWR(2);
  rec.typed_in_text = u"c";
  items.PutSWR(2, rec);
  EXPECT_EQ(items.TypeInIndexOf(u"c"), 0);  // the first of two
  EXPECT_EQ(items.TypeInIndexOf(u"a"), -1);
  items.AddOneSW(rec);
  EXPECT_EQ(items.TypeInIndexOf(u"c"), 0);
  items.ClearOne(0);
  EXPECT_EQ(items.TypeInIndexOf(u"c"), 1);
  EXPECT_EQ(items.TypeInIndexOf(u"z"), 0);
  items.MoveToTop(2);
  EXPECT_EQ(items.TypeInIndexOf(u"c"), 0);
  EXPECT_EQ(items.AddedSearchWords(u"z"), std::vector<int32_t>{1});
  items.Clear();
  EXPECT_EQ(items.TypeInIndexOf(u"c"), -1);
  EXPECT_EQ(items.AddedSearchWords(u"c"), std::vector<int32_t>{0});
}

TEST(SearchItems, TypedTextChangedThroughAPointerKeptAfterALookup) {
  TBaseSearchItems items({}, 0, true);
  items.AddedSearchWords(u"cat/bird");  // bird, cat
  TSearch_word_format_rec* cat = items.GetPtr(1);
  EXPECT_EQ(items.TypeInIndexOf(u"cat"), 1);
  cat->typed_in_text = u"dog";
  EXPECT_EQ(items.TypeInIndexOf(u"dog"), 1);
  EXPECT_EQ(items.TypeInIndexOf(u"cat"), -1);
  EXPECT_EQ(items.AddedSearchWords(u"dog"), std::vector<int32_t>{1});
  EXPECT_EQ(items.Count(), 2);
  // A bulk addition after the change sees it too, and finds its own duplicates.
  EXPECT_EQ(items.AddedSearchWords(u"dog/cat/dog"), (std::vector<int32_t>{1, 2, 1}));
}

TEST(SearchItems, MovingAndInsertingAtTheTop) {
  TBaseSearchItems items({}, 0, true);
  items.AddedSearchWords(u"x/y/z");  // stored z, y, x
  EXPECT_EQ(Typed(items), (std::vector<UnicodeString>{u"z", u"y", u"x"}));
  items.MoveToTop(2);
  EXPECT_EQ(Typed(items), (std::vector<UnicodeString>{u"x", u"z", u"y"}));
  // Two new words: both must reach the top, each index naming its own word.
  const std::vector<int32_t> at = items.InsertSearchWordsAtTop(u"a/b", true);
  EXPECT_EQ(Typed(items), (std::vector<UnicodeString>{u"b", u"a", u"x", u"z", u"y"}));
  EXPECT_EQ(at, (std::vector<int32_t>{0, 1}));
  EXPECT_TRUE(items.GetAutoLemmaAdded(0));
  items.ClearOne(1);
  EXPECT_EQ(Typed(items), (std::vector<UnicodeString>{u"b", u"x", u"z", u"y"}));
}

TEST(SearchItems, TypedTextsTogether) {
  TBaseSearchItems items({}, 0, true);
  for (int i = 12; i >= 1; --i) items.AddedSearchWords(u"w" + IntToStr(i));
  EXPECT_EQ(items.AllTypedSearchWordsAsOne(true), u"w12/w11/w10/w9/w8/w7/w6/w5/w4/w3 etc.");
  EXPECT_EQ(items.AllTypedSearchWordsAsOne(false).size(), 3u * 3 + 9 * 2 + 11);
  EXPECT_EQ(items.SearchesPlannedCount(), 12);
  EXPECT_EQ(items.TypedInWordsAsStringlist()->Count(), 12);

  TSimpleSearchlist& plain = items.ComputePlainSearchWords();
  EXPECT_EQ(plain.Count(), 12);
  items.Clear();
  items.AddedSearchWords(u"*ness/==US==");
  items.ComputePlainSearchWords();
  EXPECT_EQ(plain.Count(), 2);
  EXPECT_EQ(plain.GetASearchRec(0).mainwd.word, u"US");
  EXPECT_EQ(plain.GetASearchRec(0).mainwd.flags, (TMySearchFlags{2, 4, 5}));
  EXPECT_EQ(plain.GetASearchRec(1).mainwd.flags, TMySearchFlags{5});
  EXPECT_EQ(plain.GetASearchRec(1).n_wanted, 1);
}

TEST(SearchItems, SearchWordsMakeTheirContextItemsOnDemand) {
  int made = 0;
  int freed = 0;
  Global_CreateSearchAndDoEngine = [&made](LCID, bool) {
    ++made;
    return reinterpret_cast<TSearchAndDoEngine*>(&made);
  };
  Global_FreeSearchAndDoEngine = [&freed](TSearchAndDoEngine*) { ++freed; };
  {
    TTagDelimiters tags{};
    tags[0] = u'<';
    tags[6] = u'>';
    TSearchWordItems words(tags, 2057, false);
    words.AddedSearchWords(u"sun");
    EXPECT_EQ(words.ContextItems(), nullptr);
    EXPECT_EQ(words.AddedSearchWords(u"sun"), std::vector<int32_t>{});  // typed already
    words.AddedSearchWords(u"moon context:=night");
    EXPECT_EQ(words.ContextItems(), nullptr);  // only item 0's context counts
    words.MoveToTop(1);
    words.AddedSearchWords(u"star");
    ASSERT_NE(words.ContextItems(), nullptr);
    EXPECT_TRUE(words.ContextItems()->GetSplitAlternatives());
    EXPECT_EQ(words.ContextItems()->GetLCID(), 2057u);
    EXPECT_EQ(words.ContextItems()->GetTagDelimiters()[0], u'<');
    EXPECT_NE(words.ContextEngine(), nullptr);
    EXPECT_TRUE(words.HasContextWord());
    EXPECT_FALSE(words.GetHasContextWord(1));
    // The engine goes back to the routine that was current when it was made, even once the hook is cleared.
    Global_FreeSearchAndDoEngine = nullptr;
  }
  EXPECT_EQ(made, 1);
  EXPECT_EQ(freed, 1);
  Global_CreateSearchAndDoEngine = nullptr;
  Global_FreeSearchAndDoEngine = nullptr;
}

TEST(SearchItems, StreamFormGoldenBytes) {
  TBaseSearchItems items({}, 0, true);
  items.AddedSearchWords(u"cat", int16_t{2});
  items.SetHitsFound(0, 3);
  items.AddedSearchWords(u"\u00E9t\u00E9");
  TMemoryStream m;
  ASSERT_TRUE(items.SaveToStream(m));
  const std::string golden = std::string("\x02\x00\x00\x00", 4) + std::string("\x07\x00\x00\x00", 4) +
                             std::string("c\0a\0t\0\t\0003\0\t\0002\0", 14) +
                             std::string("\x07\x00\x00\x00", 4) +
                             std::string("\xE9\0t\0\xE9\0\t\0000\0\t\0000\0", 14);
  EXPECT_EQ(Bytes(m), golden);

  m.SetPosition(0);
  TBaseSearchItems back({}, 0, true);
  ASSERT_TRUE(back.ReadFromStream(m));
  EXPECT_EQ(Typed(back), Typed(items));
  EXPECT_EQ(back.GetHitsFound(0), 3);
  EXPECT_EQ(back.GetLanguage(0), 2);
}

TEST(SearchItems, StreamLinesWithoutTabsAndHostileCounts) {
  // One line without tabs: the word comes back with the parser's zero counts.
  TMemoryStream m;
  PutBytes(m, std::string("\x01\x00\x00\x00\x03\x00\x00\x00"
                          "d\0o\0g\0",
                          14));
  TBaseSearchItems items({}, 0, true);
  ASSERT_TRUE(items.ReadFromStream(m));
  EXPECT_EQ(items.GetHitsFound(0), 0);
  EXPECT_EQ(items.GetLanguage(0), 0);

  const std::string hostile[] = {
      std::string("\xFF\xFF\xFF\xFF", 4),                  // negative count
      std::string("\xFF\xFF\xFF\x7F\x00\x00\x00\x00", 8),  // count far beyond the bytes
      std::string("\x01\x00\x00\x00\xFF\xFF\xFF\x7F", 8),  // huge length
      std::string("\x01\x00\x00\x00\xF0\xFF\xFF\xFF", 8),  // negative length
      std::string("\x01\x00\x00\x00\x05\x00\x00\x00"
                  "a\0",
                  10),             // line cut short
      std::string("\x02\x00", 2),  // count cut short
  };
  for (const std::string& bytes : hostile) {
    TMemoryStream h;
    PutBytes(h, bytes);
    TBaseSearchItems victim({}, 0, true);
    EXPECT_FALSE(victim.ReadFromStream(h));
    EXPECT_EQ(victim.Count(), 0);
  }
  // A word longer than the counted-string limit is refused, not cut, and nothing is written: a stream
  // holding the count and only some lines would not read back.
  TBaseSearchItems longWord({}, 0, false);
  longWord.AddedSearchWords(u"ok");
  longWord.AddOneSW(Parsed_SearchWord({}, UnicodeString(6000, u'x')));
  TMemoryStream out;
  EXPECT_FALSE(longWord.SaveToStream(out));
  EXPECT_EQ(out.GetSize(), 0);
}

TEST(SearchItems, StreamKeepsTabsInsideTypedWords) {
  TBaseSearchItems items({}, 0, false);
  items.AddOneSW(UnParsed_SearchWord(u"a\tb"));
  items.SetHitsFound(0, 7);
  items.SetLanguage(0, 3);
  TMemoryStream m;
  ASSERT_TRUE(items.SaveToStream(m));
  m.SetPosition(0);
  TBaseSearchItems back({}, 0, false);
  back.SetTakeWordsUnparsed(true);
  ASSERT_TRUE(back.ReadFromStream(m));
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(back.GetSWR(0).typed_in_text, u"a\tb");
  EXPECT_EQ(back.GetHitsFound(0), 7);
  EXPECT_EQ(back.GetLanguage(0), 3);

  // A line with a single TAB keeps the text before it and the parser's zero counts.
  TMemoryStream one;
  PutBytes(one, std::string("\x01\x00\x00\x00\x03\x00\x00\x00"
                            "d\0\t\0"
                            "9\0",
                            14));
  TBaseSearchItems single({}, 0, true);
  ASSERT_TRUE(single.ReadFromStream(one));
  EXPECT_EQ(single.GetSWR(0).typed_in_text, u"d");
  EXPECT_EQ(single.GetHitsFound(0), 0);
}

TEST(SearchItems, SearchWordFilesRoundTrip) {
  lxtest::TempDir dir;
  TBaseSearchItems items({}, 0, true);
  items.AddedSearchWords(u"caf\u00E9*/==US==/the * of");
  items.SaveToFile(dir.File("words.txt"));
  const std::u16string expected = u"\uFEFFthe * of\r\n==US==\r\ncaf\u00E9*\r\n";
  EXPECT_EQ(dir.Read("words.txt"),
            std::string(reinterpret_cast<const char*>(expected.data()), expected.size() * 2));

  TBaseSearchItems back({}, 0, true);
  EXPECT_TRUE(back.LoadFromFile(dir.File("words.txt"), 5));
  EXPECT_TRUE(back.GetLoaded());
  EXPECT_EQ(Typed(back), Typed(items));
  EXPECT_EQ(back.GetNToFind(2), 5);

  // A UTF-8 file with alternatives on a line and empty lines.
  dir.Write("utf8.txt",
            "\xEF\xBB\xBF"
            "a/b\n\n*\r\nc\n");
  EXPECT_TRUE(back.LoadFromFile(dir.File("utf8.txt"), 0));
  EXPECT_EQ(Typed(back), (std::vector<UnicodeString>{u"b", u"a", u"c"}));
  dir.Write("none.txt", "*\r\n\r\n");
  EXPECT_FALSE(back.LoadFromFile(dir.File("none.txt"), 0));
  EXPECT_EQ(back.Count(), 0);
}

TEST(SearchItems, TagDelimitersBecomeCodes) {
  EXPECT_EQ(CleanToTagOnOff(u"<b>x</b> <i"),
            u"\x19"
            u"b\x18x\x19/b\x18 <i");
  TTagDelimiters tags{};
  tags[0] = u'<';
  tags[6] = u'>';
  TBaseSearchItems items(tags, 0, true);
  items.AddedSearchWords(u"<head>");
  EXPECT_TRUE(items.GetSWR(0).contains_a_tag);
}

TEST(SearchItems, EightBitCopiesAndFileErrors) {
  TBaseSearchItems items({}, 0x0419, false);  // Russian: code page 1251
  items.AddedSearchWords(u"\u0434\u0430");
  EXPECT_STREQ(static_cast<const char*>(items.TypedInWord(0, false)), "\xE4\xE0");
  lxtest::TempDir dir;
  EXPECT_THROW(items.LoadFromFile(dir.File("missing.txt"), 0), Exception);
  EXPECT_THROW(items.SaveToFile(dir.File("no/such/folder/w.txt")), Exception);
}
