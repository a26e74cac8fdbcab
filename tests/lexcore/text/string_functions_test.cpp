#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/text/my_string_functions.h"
#include "test_files.h"

using namespace lx;

TEST(TabFields, FieldsCountFromTheFirstTab) {
  const std::u16string line = u"a\tb\tc";
  EXPECT_EQ(PreTabPart(line), u"a");
  EXPECT_EQ(AfterTabPart(line), u"b");
  EXPECT_EQ(AfterTabPart(line, 2), u"c");
  EXPECT_EQ(AfterTabPart(line, 3), u"");
  EXPECT_EQ(AfterTabPart(line, 0), u"a");
  EXPECT_EQ(PreTabPart(u"no tabs"), u"");
  EXPECT_EQ(AfterTabPart(u"no tabs"), u"");
  EXPECT_EQ(AfterTabPart(u"x\t\t", 2), u"");
  EXPECT_EQ(PreTabFilenameOf(u"C:\\texts\\a.txt\t3"), u"a.txt");
  EXPECT_EQ(PreTabFilenameOf(u"/home/t/b.txt\t3"), u"b.txt");
  EXPECT_EQ(PreTabPathAndFilenameOf(u"C:\\texts\\a.txt\t3"), u"C:/texts/a.txt");
}

TEST(TabFields, NumbersInFields) {
  EXPECT_EQ(AfterTabIntegerOf(u"w\t12 words"), 12);
  EXPECT_EQ(AfterTabIntegerOf(u"w\tnone"), -1);
  EXPECT_EQ(AfterTabIntegerOf(u"w\t1,234\t9", 1), 1234);
  EXPECT_EQ(AfterTabIntegerOf(u"w\t99999999999"), -1);  // does not fit
  EXPECT_EQ(AfterTabFloatOf(u"w\t2.5", 1), 2.5);
  EXPECT_EQ(AfterTabFloatOf(u"w\tabc", 1), -1.0);
  EXPECT_EQ(AfterTabFloatOf(u"w", 1), -1.0);
}

TEST(WholeWords, BoundsAtTextEdges) {
  EXPECT_TRUE(BoundedAtLeft(u"cat", 1, 3));
  EXPECT_FALSE(BoundedAtLeft(u"scat", 2, 4));
  EXPECT_FALSE(BoundedAtLeft(u"cat", 0, 3));
  EXPECT_TRUE(BoundedAtLeft(u"a cat", 3, 5));
  EXPECT_FALSE(BoundedAtLeft(u"cat", 9, 9));  // beyond the text
  EXPECT_TRUE(BoundedAtRight(u"cat", 1, 3));
  EXPECT_FALSE(BoundedAtRight(u"cats", 1, 3));
  EXPECT_TRUE(BoundedAtRight(u"cat.", 1, 3));
  EXPECT_FALSE(BoundedAtRight(u"cat", 1, 4));
  EXPECT_TRUE(BoundedWholeWord(u"(cat)", 2, 4));
  EXPECT_FALSE(BoundedWholeWord(u"cat9", 1, 3));  // digits are word characters
  EXPECT_TRUE(IsBoundedOnLeft(u"cat", 0));
  EXPECT_TRUE(IsWholeWord(u"x cat", 3, 5));
  // Letters outside the basic plane and accented letters count as word characters.
  EXPECT_FALSE(IsBoundedOnLeft(u"\U0001D41Acat", 3));
  EXPECT_FALSE(IsBoundedOnRight(u"cat\u00E9", 3));
}

TEST(WholeWords, PositionSearches) {
  EXPECT_EQ(PosWordFoundIn(u"cat", u"scat cat", {4, 5}), 6);
  EXPECT_EQ(PosWordFoundIn(u"cat", u"scat cat", {}), 2);
  EXPECT_EQ(PosWordFoundIn(u"cat", u"scat cats", {4}), 6);
  EXPECT_EQ(PosWordFoundIn(u"cat", u"scat cats", {4, 5}), -1);
  EXPECT_EQ(PosWordFoundIn(u"", u"cat", {}), -1);
  EXPECT_EQ(PosWordFoundIn(u"Cat", u"cat", {}), -1);  // case counts
  EXPECT_EQ(PosWordFoundIn(u"cat", u"cat cat", {4, 5}, 2), 5);
  EXPECT_EQ(CharacterPositionsWordFoundIn(u"cat", u"cat scat cat", {4, 5}), (std::vector<int32_t>{1, 10}));
  EXPECT_EQ(WholeWordPositionOfXinUpcaseText(u"cat", u"SCAT CAT"), 6);
  EXPECT_EQ(WholeWordPositionOfXinUpcaseText(u"dog", u"SCAT CAT"), 0);
  EXPECT_EQ(ReplaceWholeWord(u"cat scat Cat cat", u"cat", u"dog"), u"dog scat Cat dog");
  EXPECT_EQ(ReplaceWholeWord(u"cat scat Cat", u"CAT", u"dog", false), u"dog scat dog");
  EXPECT_EQ(CaseInsensitivePos(u"\u00E9T\u00C9", u"l'\u00C9t\u00E9"), 3);
  EXPECT_EQ(CaseInsensitivePosEx(u"a", u"AbA", 2), 3);
  EXPECT_EQ(CaseInsensitiveUpperedPos(u"BC", u"abc"), 2);
  // Letters beyond the BMP (Deseret) change case as pairs of units.
  EXPECT_EQ(CaseInsensitivePos(u"\U00010428", u"\U00010428"), 1);
  EXPECT_EQ(CaseInsensitivePos(u"\U00010428", u"x\U00010400"), 2);
  EXPECT_EQ(CaseInsensitivePosEx(u"b", u"b\U00010428b", 2), 4);
  EXPECT_EQ(ReplaceWholeWord(u"\U00010428 x", u"\U00010400", u"Y", false), u"Y x");
  EXPECT_EQ(PosExNearer(u"x", u"b", u"abcx"), 2);
  EXPECT_EQ(PosExNearer(u"q", u"z", u"abcx"), 0);
  EXPECT_EQ(NearerOfTwo(0, 4), 4);
  EXPECT_EQ(NearerOfTwo(5, 4), 4);
  const char* s = "one two three";
  EXPECT_EQ(StrPosNearerA(s, "three", "two"), s + 4);
  EXPECT_EQ(StrPosNearerW(u"abc", u"q", nullptr), nullptr);
}

TEST(StringFunctions, TrimmingAndQuoting) {
  EXPECT_EQ(WideTrimSpaceOnly(u"  \ta b\t "), u"\ta b\t");
  EXPECT_EQ(StrippedDoubleSpaces(u"a   b  c"), u"a b c");
  EXPECT_EQ(StrippedOfSingleAmpersands(u"&File && &Edit"), u"File & Edit");
  EXPECT_EQ(StrippedSpacesAtLineStarts(u"  a\r\n\t b"), u"a\r\nb");
  EXPECT_EQ(StrippedSpacesBeforePunctuation(u"Yes , it is ( so ) !"), u"Yes, it is ( so)!");
  EXPECT_EQ(StrippedMultipleLineEnds(u"a\r\n\r\n\nb\rc"), u"a\r\nb\r\nc");
  EXPECT_EQ(StripWhiteSpaceAndCRLFW(u" a\r\n\t b "), u"a b");
  EXPECT_EQ(RemovedEmptyLinesOf(u"a\r\n  \r\n\nb\n"), u"a\r\nb");
  EXPECT_EQ(UNBracketedWith(u"(x)", u'(', u')'), u"x");
  EXPECT_EQ(UNBracketedWith(u"(", u'(', u'('), u"(");
  EXPECT_EQ(DoubleQuotesRemoved(DoubleQuotesAdded(u"q")), u"q");
  EXPECT_EQ(AnyAngleBracketsToHTML(u"<b>"), u"&lt;b&gt;");
}

TEST(StringFunctions, NumbersAsText) {
  EXPECT_TRUE(IsANumber(u" 3.5 "));
  EXPECT_FALSE(IsANumber(u""));
  EXPECT_EQ(FormattedWithDecimals(1234567.891, 2), u"1,234,567.89");
  EXPECT_EQ(FormattedWithDecimals(-999.5, 0), u"-1,000");
  EXPECT_EQ(EasiestNRepresentationOfLargeNumber(950), u"950");
  EXPECT_EQ(EasiestNRepresentationOfLargeNumber(12345), u"12.3K");
  EXPECT_EQ(EasiestNRepresentationOfLargeNumber(2000000), u"2M");
  // Rounding never shows a thousand of one unit.
  EXPECT_EQ(EasiestNRepresentationOfLargeNumber(999), u"999");
  EXPECT_EQ(EasiestNRepresentationOfLargeNumber(999950), u"1M");
  EXPECT_EQ(EasiestNRepresentationOfLargeNumber(-999999), u"-1M");
  EXPECT_EQ(EasiestNRepresentationOfLargeNumber(999949), u"999.9K");
  EXPECT_EQ(PValueStr(0.00001), u"< 0.0001");
  EXPECT_EQ(PValueStr(std::nan("")), u"NAN");
  EXPECT_EQ(OrdinalFormatOf(INT64_MIN), u"-9223372036854775808th");
  EXPECT_EQ(OrdinalFormatOf(1), u"1st");
  EXPECT_EQ(OrdinalFormatOf(12), u"12th");
  EXPECT_EQ(OrdinalFormatOf(112), u"112th");
  EXPECT_EQ(OrdinalFormatOf(23), u"23rd");
  EXPECT_EQ(ValueToByteStr(512), u"512 bytes");
  EXPECT_EQ(ValueToByteStr(1536), u"1.5 KB");
  EXPECT_EQ(ValueToByteStr(1023), u"1023 bytes");
  EXPECT_EQ(ValueToByteStr(1048575), u"1 MB");
  EXPECT_EQ(ValueToByteStr(1048576 - 52429), u"972.8 KB");
  EXPECT_EQ(WithLeftZeros(-7, 4), u"-007");
  EXPECT_EQ(FromHexNumStr(u"#x41"), 0x41);
  EXPECT_EQ(FromHexNumStr(u"zz"), -1);
  EXPECT_EQ(FromNumStr(u"65"), 65);
  EXPECT_EQ(FromNumStr(u"x41"), 0x41);
  EXPECT_EQ(FromNumStr(u"41h"), 0x41);
  EXPECT_EQ(FromNumStr(u"4x1"), -1);
  EXPECT_EQ(FromNumStr(u"0FFh"), 255);
  EXPECT_EQ(FromNumStr(u"each"), -1);  // a word, not hexadecimal
  EXPECT_EQ(IntegerInsideSquareBrackets(u"file [12].txt"), 12);
  EXPECT_EQ(IntegerInsideSquareBrackets(u"file [12"), -1);
  EXPECT_EQ(ANumberInHumanString(u"about 250 texts"), 250);
}

TEST(StringFunctions, NumberRanges) {
  EXPECT_EQ(HumanAbbreviatedNumberListString({5, 1, 2, 3, 8, 7, 3}), u"1-3, 5, 7, 8");
  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"7, 1 - 3;5 x"),
            (std::vector<int32_t>{1, 2, 3, 5, 7}));
  EXPECT_EQ(HumanAbbreviatedNumberListStringExpanded(u"3-1"), u"1, 2, 3");
  EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(u"1-3,5,12"), u"Jan-Mar, May, Dec");
  // A hostile range stops at the limit instead of filling memory.
  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"1-2000000000", 10).size(), 10u);
  EXPECT_EQ(ConvertStringToRangeOfBoolean(u"2-3, 9", 4), (std::vector<bool>{false, true, true, false}));
  // Numbers out of range or repeated never crowd out the ones wanted.
  EXPECT_EQ(ConvertStringToRangeOfBoolean(u"5, 1", 1), (std::vector<bool>{true}));
  EXPECT_EQ(ConvertStringToRangeOfBoolean(u"3,4,1", 2), (std::vector<bool>{true, false}));
  EXPECT_EQ(ConvertStringToRangeOfBoolean(u"10-2000000000, 1", 3), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(ConvertStringToRangeOfBoolean(u"1", 0).empty());
  EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(u"-20000-0, 3"), u"Mar");
  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"1,1,1,2", 2), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"-2147483648--2147483647, 2147483647"),
            (std::vector<int32_t>{INT32_MIN, INT32_MIN + 1, INT32_MAX}));
}

TEST(StringFunctions, CaseAndCharacters) {
  EXPECT_TRUE(IsAllUppercase(u"NATO-2"));
  EXPECT_TRUE(IsAllUppercase(u"123"));  // no lower-case letter, as mark-up checks want
  EXPECT_TRUE(IsAllUppercase(u""));
  EXPECT_FALSE(IsAllUppercase(u"NATo"));
  EXPECT_TRUE(FirstLetterIsCapitalised(u"'Twas"));
  EXPECT_TRUE(NextWordCapitalised(u"end. The", 5));
  EXPECT_FALSE(FirstCharIsLowerCase(u"Abc"));
  EXPECT_EQ(TitleCasedString(u"the ÉCOLE of x2y"), u"The École Of X2y");
  EXPECT_EQ(BackwardsStr(u"a\U0001F600b"), u"b\U0001F600a");
  EXPECT_EQ(FirstXCharactersOfString(u"a\U0001F600", 2), u"a");
  EXPECT_EQ(StringInNCharacterChunks(u"abcdefg", 3), u"abc def g");
  EXPECT_EQ(WideStringFromCardinal(0x1F600), u"\U0001F600");
  EXPECT_EQ(WideStringFromCardinal(0xD800), u"");
  EXPECT_EQ(ReplaceEachOfTheseWithEachOfChar(u"abc", u"ac", u"x"), u"xbc");
  EXPECT_EQ(AnsiStringReplace("a--b--", "--", "-"), "a-b-");
}

TEST(StringFunctions, FileNames) {
  EXPECT_EQ(EnsureFileHasExtension(u"dir.d/list", u"lst"), u"dir.d/list.lst");
  EXPECT_EQ(EnsureFileHasExtension(u"list.txt", u".lst"), u"list.txt");
  EXPECT_EQ(FilenameWithInsertion(u"a.b/name.txt", u"_2"), u"a.b/name_2.txt");
  EXPECT_EQ(FilenameWithInsertion(u"a/.hidden", u"_2"), u"a/.hidden_2");
  EXPECT_EQ(AcceptableFilename(u"a:b?c"), u"a_b_c");
  lxtest::TempDir dir;
  ASSERT_TRUE(UnicodeAppendToTextFile(dir.File("u.txt"), u"\u00E9"));
  ASSERT_TRUE(UnicodeAppendToTextFile(dir.File("u.txt"), u"x"));
  EXPECT_EQ(dir.Read("u.txt"), std::string("\xFF\xFE\xE9\x00\r\x00\n\x00x\x00\r\x00\n\x00", 14));
  ASSERT_TRUE(AnsiAppendToTextFile(dir.File("a.txt"), "one"));
  EXPECT_EQ(dir.Read("a.txt"), "one\r\n");
  EXPECT_FALSE(AnsiAppendToTextFile(dir.File("no/such/dir.txt"), "one"));
}

TEST(StringLists, SplittingAndJoining) {
  TStringList list;
  StringToStringList(u" a, b ,,c ", list);
  EXPECT_EQ(StringListToString(list, u"|"), u"a|b|c");
  StringToStringListAllowDoubleQuotes(u"\"x, y\", z", list);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[0], u"x, y");
  EXPECT_EQ(StringArrayFromString(u"1;2", u';'), (std::vector<UnicodeString>{u"1", u"2"}));
  StringToStringlistWithLineWidth(u"the cat sat on the extraordinarily long mat", list, 10);
  EXPECT_EQ(StringListToString(list, u"|"), u"the cat|sat on the|extraordinarily|long mat");
  EXPECT_EQ(AddToListWithSeparatorIfNeeded(u"", u"a"), u"a");
  EXPECT_EQ(AddToListWithSeparatorIfNeeded(u"a", u"b"), u"a, b");
}

TEST(StringLists, ReshapingLists) {
  TStringList list;
  list.SetText(u" b \r\n\r\na\r\nc\r\n");
  TrimAStringlist(list);
  EXPECT_EQ(CommaSeparatedStrings(list), u"b, a, c");
  ReverseAStringList(list);
  EXPECT_EQ(StrSeparatedWithChar(list, u'/'), u"c/a/b");
  TStringList unwanted;
  unwanted.Add(u"A");  // string lists match ignoring case by default
  EXPECT_EQ(StringListRemovingAnyLines(list, unwanted), 1);
  ForceItemsToInclude(list, unwanted);
  EXPECT_EQ(CommaSeparatedStrings(list), u"c, b, A");
  auto numbers = TArrayOfIntegersToStringlist({3, -1});
  EXPECT_EQ(CommaSeparatedStrings(*numbers), u"3, -1");

  TStringList many;
  for (int i = 0; i < 50; ++i) many.Add(WithLeftZeros(i, 2));
  TStringList sample;
  CopyRandomSampleFromStringlistAtoB(many, sample, 10, 7);
  ASSERT_EQ(sample.Count(), 10);
  for (int i = 1; i < sample.Count(); ++i) EXPECT_LT(sample[i - 1], sample[i]);  // original order kept
  CopyRandomSampleFromStringlistAtoB(sample, sample, 4, 7);                      // a list sampled into itself
  EXPECT_EQ(sample.Count(), 4);
  CopyStringsReplacing(sample, sample, u"0", u"o");
  EXPECT_EQ(sample.Count(), 4);
  EXPECT_EQ(sample[0].find(u'0'), UnicodeString::npos);
  RandomReduceStringlist(many, 5, 7);
  EXPECT_EQ(many.Count(), 5);
  RandomReduceStringlist(many, 99);
  EXPECT_EQ(many.Count(), 5);
}

TEST(StringLists, CustomAlphabetOrder) {
  TStringList list;
  list.SetText(u"cha\r\ncz\r\nda\r\nbz\r\n1\r\n");
  // An order where "d" comes before "c"; characters outside the alphabet follow it.
  auto sorted = CustomLinesSorted(list, u"abdc");
  EXPECT_EQ(CommaSeparatedStrings(*sorted), u"bz, da, cha, cz, 1");
  EXPECT_LT(NormalisedLineForCustomSort(u"D", u"abdc"), NormalisedLineForCustomSort(u"c", u"abdc"));
  TStringList sortedList;
  sortedList.SetSorted(true);
  sortedList.Add(u"c");
  sortedList.Add(u"d");
  CustomSortPreparedStringlist(sortedList, u"dc");
  EXPECT_EQ(sortedList[0], u"c");
}

TEST(StringLists, FileNameLines) {
  TStringList list;
  list.Add(u"/t/A.txt\t3");
  list.Add(u"C:\\t\\a.txt\t4");
  EXPECT_EQ(IndexOfPreTabFnameOnly(list, u"a.txt"), 1);
  EXPECT_EQ(IndexOfPreTabFnameOnly(list, u"b.txt"), -1);
  TFilenamesStringlist names;
  names.Add(u"A.txt");
  EXPECT_EQ(names.IndexOf(u"a.txt"), -1);
  TStringList copy;
  CopyStringsReplacing(list, copy, u"\t", u" ");
  EXPECT_EQ(copy[0], u"/t/A.txt 3");
}

namespace {
// The first fields of the lines, in list order.
UnicodeString Order(const TStringList& list) {
  UnicodeString r;
  for (int32_t i = 0; i < list.Count(); ++i) r += list[i].substr(0, list[i].find(u'\t'));
  return r;
}
}  // namespace

TEST(FieldSorts, EachKindWithTheDescendingSwitch) {
  TStringList list;
  list.Add(u"a\tpear\t10\t2.5\t1/2/2001");
  list.Add(u"b\tApple\t9\t-1\t12/31/2000 11:30 PM");
  list.Add(u"c\tfig\t100\t10\t12/31/2000 9:15 AM");
  list.Add(u"d\tfig\tx\tnone\tnot a date");
  const struct {
    TStringListSortCompare compare;
    const char16_t* ascending;
    const char16_t* descending;
  } cases[] = {
      {StringListCompareStringsStrAfter1Tab, u"bcda", u"acdb"},       // ordinal, capitals first; ties stay
      {StringListCompareStringsIntegerAfter2Tabs, u"dbac", u"cabd"},  // "x" reads as -1
      {StringListCompareStringsFloatAfter3Tabs, u"bdac",
       u"cabd"},  // "none" reads as -1 too; ties keep their order
      {StringListCompareStringsDateAfter4Tabs, u"dabc", u"cbad"},  // later first; unreadable newest
  };
  for (const auto& c : cases) {
    SetSortDescendingAndSort(false, list, c.compare);
    EXPECT_EQ(Order(list), c.ascending);
    SetSortDescendingAndSort(true, list, c.compare);
    EXPECT_EQ(Order(list), c.descending);
  }
  global_descending_sort = false;

  TStringList files;
  files.Add(u"/z/b.txt\t1");
  files.Add(u"C:\\y\\a.txt\t2");
  files.Add(u"/x/c.txt\t3");
  SetSortDescendingAndSort(false, files, StringListCompareStringsFilenamePreTab);
  EXPECT_EQ(AfterTabPart(files[0]) + AfterTabPart(files[1]) + AfterTabPart(files[2]), u"213");
}

TEST(FieldSorts, TheDirectionAsAParameterLeavesTheSwitchAlone) {
  TStringList list;
  list.Add(u"a\t10");
  list.Add(u"b\t9");
  list.Add(u"c\t100");
  global_descending_sort = true;
  SortStringListOnField(list, fsk_integer, 1, false);
  EXPECT_EQ(Order(list), u"bac");
  EXPECT_TRUE(global_descending_sort);
  global_descending_sort = false;
  SortStringListOnField(list, fsk_text, 1, true);  // "9" > "100" > "10" as text
  EXPECT_EQ(Order(list), u"bca");
  EXPECT_FALSE(global_descending_sort);
  EXPECT_EQ(CompareLinesOnField(list, 0, 1, fsk_integer, 1, false),
            -CompareLinesOnField(list, 0, 1, fsk_integer, 1, true));
}

TEST(FieldSorts, DatesInFields) {
  const TDateTime d = AfterTabDateOf(u"x\t12/31/2000 11:30 PM");
  EXPECT_NEAR(d, 36891.0 + 23.5 / 24, 1e-9);  // 2000-12-31 is day 36891
  EXPECT_EQ(AfterTabDateOf(u"x\t1/2/2001", 1), 36893.0);
  EXPECT_EQ(AfterTabDateOf(u"x\t12/31/2000 12:00 AM"), 36891.0);
  const TDateTime before = Now();
  const TDateTime fallback = AfterTabDateOf(u"x\tsoon");
  EXPECT_GE(fallback, before);
  EXPECT_LE(fallback, Now());
  EXPECT_GE(AfterTabDateOf(u"x\t1/2/2001 25:00"), before);  // a bad time is no date either
  // A time alone, and seconds with decimals.
  EXPECT_NEAR(AfterTabDateOf(u"x\t10:30"), 10.5 / 24, 1e-9);
  EXPECT_NEAR(AfterTabDateOf(u"x\t1/2/2001 10:30:15.25"), 36893.0 + (37815.25 / 86400), 1e-9);
  EXPECT_GE(AfterTabDateOf(u"x\t1/2/2001 10:30:15.2500"), before);
  EXPECT_GE(AfterTabDateOf(u"x\t1/2/2001 10:30.5"), before);  // decimals only on seconds
  // A short date format with a space in it still takes a time after it.
  TFormatSettings saved = FormatSettings;
  FormatSettings.ShortDateFormat = u"d. M. yyyy";
  FormatSettings.DateSeparator = u'.';
  EXPECT_NEAR(AfterTabDateOf(u"x\t2. 1. 2001 6:00"), 36893.25, 1e-9);
  FormatSettings = saved;
}

TEST(StringLists, ValuesHeldAsSingles) {
  TStringListWithASingle list;
  list.AddOne(u"a", 1.5f);
  list.Add(u"b");  // no holder
  auto lines = FormatStringListWithPOintersAsSingles(list, 2);
  EXPECT_EQ(CommaSeparatedStrings(*lines), u"a\t1.50, b\t0.00");
  EXPECT_EQ(StringListAsStringWithPointersFormattedAs(list, 1), u"a (1.5), b (0.0)");
}

TEST(PositionSearches, AgreeWithPlainScansAndStayLinear) {
  // Plain scans, as the rules read: every start tried, boundaries checked there.
  auto naivePositions = [](const std::u16string& w, const std::u16string& t, bool left, bool right) {
    std::vector<int32_t> r;
    for (std::size_t i = 0; i + w.size() <= t.size(); ++i) {
      if (t.compare(i, w.size(), w) != 0) continue;
      const int p = static_cast<int>(i + 1), e = p + static_cast<int>(w.size()) - 1;
      if ((!left || IsBoundedOnLeft(t, p)) && (!right || IsBoundedOnRight(t, e))) r.push_back(p);
    }
    return r;
  };
  std::mt19937 rng(7);
  const std::u16string alphabet = u"aab A.";
  for (int round = 0; round < 3000; ++round) {
    std::u16string t, w;
    for (int i = 0, n = 1 + static_cast<int>(rng() % 20); i < n; ++i) t += alphabet[rng() % alphabet.size()];
    for (int i = 0, n = 1 + static_cast<int>(rng() % 3); i < n; ++i) w += alphabet[rng() % 3];
    const bool left = rng() % 2, right = rng() % 2;
    TMySearchFlags flags;
    if (left) flags.Include(4);
    if (right) flags.Include(5);
    const auto expected = naivePositions(w, t, left, right);
    ASSERT_EQ(CharacterPositionsWordFoundIn(w, t, flags), expected);
    ASSERT_EQ(PosWordFoundIn(w, t, flags), expected.empty() ? -1 : expected[0]);
    const std::u16string upperT = InvariantUpperCase(t), upperW = InvariantUpperCase(w);
    const std::size_t at = upperT.find(upperW, 2);
    ASSERT_EQ(CaseInsensitivePosEx(w, t, 3), at == std::u16string::npos ? 0 : static_cast<int>(at + 1));
  }
  // A long run that holds the word everywhere but never as a whole word: a search that started again at
  // each near miss, or upper-cased the text per try, would not finish here.
  const std::u16string run(200000, u'a'), word(1000, u'a');
  EXPECT_EQ(ReplaceWholeWord(run, word, u"x", false), run);
  EXPECT_EQ(ReplaceWholeWord(run + u" " + word, word, u"x", false), run + u" x");
  EXPECT_TRUE(CharacterPositionsWordFoundIn(word, run, {4, 5}).empty());
  EXPECT_EQ(CaseInsensitivePosEx(word + u"b", run + u"B", 1), static_cast<int>(run.size() - word.size() + 1));
}
