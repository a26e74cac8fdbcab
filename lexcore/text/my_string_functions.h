// The string routines the tools share. The text layer: code-page conversions, short static copies, digit and
// wildcard character tests, tab expansion, whole-file and document text, and mark-up removal. The small
// routines: tab-separated fields and the sorts over them, whole-word tests and position searches, trimming,
// quoting, numbers as text, case tests, string lists, character replacing, file names and odds and ends.
//
// Positions are 1-based. Position searches named ...Pos... answer 0 when nothing is found, as the runtime's
// Pos does; PosWordFoundIn answers -1.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"
#include "lexcore/search/search_types.h"
#include "lexcore/ui/lx_graphics.h"

namespace lx {

// 8-bit text to UTF-16 (precomposed) through a code page, the code page of a locale, or the process code
// page. A code page is a 16-bit value and an LCID a 32-bit one, which is what tells the overloads apart. A
// null buffer, or a length below 1, gives an empty string.
UnicodeString ConvertedToString(uint16_t codePage, const char* buffer, int length);
UnicodeString ConvertedToString(uint16_t codePage, const char* buffer);
UnicodeString ConvertedToString(LCID lcid, const char* buffer, int length);
UnicodeString ConvertedToString(LCID lcid, const char* buffer);
UnicodeString ConvertedToString(const char* buffer, int length);
UnicodeString ConvertedToString(const char* buffer);
// UTF-16 to 8-bit text. Characters the code page lacks become '?'.
AnsiString ConvertedFromString(uint16_t codePage, const WideChar* buffer);
AnsiString ConvertedFromString(LCID lcid, const WideChar* buffer);
AnsiString ConvertedFromString(const WideChar* buffer);

// Converted copies of at most 255 characters in one of two static zero-filled buffers (one 16-bit, one
// 8-bit); each call overwrites what the previous call of the same width left there.
const WideChar* GetCopyOfAnsiEncodedAsUnicode(const AnsiString& ansi, LCID lcid);
const char* GetCopyOfAnsiEncodedAsAnsi(const AnsiString& ansi, LCID lcid);
const WideChar* GetCopyOfSTringEncodedASUnicode(const UnicodeString& s, LCID lcid);
const char* GetCopyOfSTringEncodedAsAnsi(const UnicodeString& s, LCID lcid);

// Locale-independent case mapping.
UnicodeString Lowercase(const UnicodeString& s);
UnicodeString Uppercase(const UnicodeString& s);

// Any Unicode decimal digit.
bool IsADigitChar(WideChar c);
// "0".."9" only.
bool IsOrdinaryNumberChar(WideChar c);
// The internal code of the number wildcard.
bool IsHashSymbol(WideChar c);
bool IsHashOrBrace(WideChar c);
bool ContainsADigitA(const char* buffer);
bool ContainsADigitW(const WideChar* buffer);

// Every tab becomes n spaces.
UnicodeString ExpandTabbedWideString(const UnicodeString& s, int n);
// 1-based index of the first c at or after from; 0 when none or when from lies beyond the end.
int StrScanIndex(const UnicodeString& s, WideChar c, int from);

// A search word in its fixed 81-character form.
using Search_word_type32 = std::array<WideChar, 81>;
// Copies at most 80 characters; the rest of the buffer is zero.
void StringToSearch_word_type32(const UnicodeString& s, Search_word_type32& fixed);
// Reads up to the first zero (or all 81 characters when there is none).
UnicodeString Search_word_type32ToString(const Search_word_type32& fixed);

// The whole text of a file, its encoding taken from its byte-order mark, each line followed by CRLF; empty
// when the file does not exist.
UnicodeString GetTextFromFile(const UnicodeString& fileName);
// Removes every span from an opening to a closing delimiter that lies at most maxTagLength characters later;
// an opening delimiter with no closing one within reach is kept as text, unless the text ends within reach,
// in which case the rest is dropped. maxTagLength below 1 returns the text unchanged.
UnicodeString WithoutMarkup(const UnicodeString& text, int maxTagLength);
UnicodeString WithoutMarkup(const UnicodeString& text, WideChar openChar, WideChar closeChar,
                            int maxTagLength);
UnicodeString MarkupFreeTextFromAFile(const UnicodeString& fileName, int maxTagLength);

// ---- Mark-up. A tag is the span from an opening delimiter to the next closing one, delimiters included;
// nothing here parses nesting or attributes. Positions are 1-based.

// The report of an opening tag that is never closed: the tag, the text before it, its position.
struct T2StringsAndIntegerRec {
  UnicodeString s1;
  UnicodeString s2;
  int32_t i = 0;
};

// Begins with "</".
bool IsAnOffTag(std::u16string_view tag);
// "/" after the "<" (attributes stay): <p class=x> gives </p class=x>; "/" in front of anything else.
UnicodeString SameTagButSwitchedOff(std::u16string_view tag);
// <s> with 5 gives <s "5">; a string not ending in ">" is returned as it is.
UnicodeString TagOnNumbered(std::u16string_view tag, int32_t n);
bool IsAngleBracketed(std::u16string_view s);
UnicodeString Angle_Bracketed(std::u16string_view s);
// Takes off one enclosing pair only when it is at both ends.
UnicodeString UNAngle_Bracketed(std::u16string_view s);
// A "<" with a ">" somewhere after it.
bool AngleBracketedSubstringInString(std::u16string_view s);
// Only the tags, concatenated; a tag without its closing delimiter ends the search.
UnicodeString MarkupWithoutText(std::u16string_view text);
UnicodeString MarkupWithoutText(std::u16string_view text, WideChar openChar, WideChar closeChar);
// The text between <name> and the first </name> after it; found says whether both were there.
UnicodeString SimpleTagValue(std::u16string_view tagName, std::u16string_view text, bool& found);
UnicodeString TrimmedSimpleTagValue(std::u16string_view tagName, std::u16string_view text, bool& found);
// Between the first startMarker and the next endMarker after it; empty when either is missing.
UnicodeString ExtractMarkupDataFromText(std::u16string_view text, std::u16string_view startMarker,
                                        std::u16string_view endMarker);
// Counting stops once the count exceeds limit.
int32_t NumberOfTagsWithinChunk(std::u16string_view text, int32_t limit = 2147483647);
// Each span from open to the end of the next close is offered (TStringAndIntegerRec: the span and the running
// count); a true answer stops the search.
using TStudyStringFunction = bool (*)(const TStringAndIntegerRec& found, const UnicodeString& parameter);
using TStudyStringMethod = std::function<bool(const TStringAndIntegerRec& found)>;
int32_t FindAndStudyStringInText(std::u16string_view text, std::u16string_view open,
                                 std::u16string_view close, TStudyStringFunction predicate,
                                 const UnicodeString& parameter);
int32_t FindAndStudyStringInText(std::u16string_view text, std::u16string_view open,
                                 std::u16string_view close, const TStudyStringMethod& method);
// The first opening tag whose switched-off form occurs nowhere in the text, or empty. Off tags are passed
// over, so are tags holding a lower-case letter when upperCaseOnly and tags holding "%" when skipPercentTags.
// With a callback each candidate is reported and returned only when the callback answers true.
using TUnclosedTagCallback = std::function<bool(const T2StringsAndIntegerRec& report)>;
UnicodeString OpenWithoutCloseTagInText(std::u16string_view text, int32_t contextLength, bool upperCaseOnly,
                                        bool skipPercentTags, const TUnclosedTagCallback& callback = {});
// At most n characters before pos; empty when n < 1.
UnicodeString PrecedingContext(std::u16string_view text, int32_t n, int32_t pos);
bool ContainsAPercent(std::u16string_view s);

// The paragraphs of a word-processor document (the zip entry named Document.xml), each followed by CRLF;
// entities are left as they stand. Empty when the file does not exist or has no such entry; archive errors
// are raised.
UnicodeString DOCXFileText(const UnicodeString& fileName);
// The same paragraphs as a reader of the document sees them: character references decoded (&amp; is "&"),
// and tabs and line breaks (<w:tab/>, <w:br/>, <w:cr/>) as a tab or a line end, so that the words either
// side of them stay apart.
UnicodeString DOCXReadableText(const UnicodeString& fileName);

LX_DECLARE_RESOURCESTRING(_LXYesWord)
LX_DECLARE_RESOURCESTRING(_LXNoWord)

// ---- Tab-separated fields. Field 0 is the text before the first tab; field n the text after the n-th tab.

UnicodeString PreTabPart(std::u16string_view line);
// The file name (without folders, either separator) of field 0.
UnicodeString PreTabFilenameOf(std::u16string_view line);
// Field 0 as a path, with any '\\' separators turned into '/'.
UnicodeString PreTabPathAndFilenameOf(std::u16string_view line);
// Empty when the line has fewer than n tabs (or n < 0).
UnicodeString AfterTabPart(std::u16string_view line, int n = 1);
// Field n with every character but 0-9 dropped, as an integer; -1 when that does not read.
int32_t AfterTabIntegerOf(std::u16string_view line, int n = 1);
// -1.0 when the field does not read as a number.
double AfterTabFloatOf(std::u16string_view line, int n);

// Field n as a date and time: the format settings' short date, a time h:mm[:ss[.zzz]] with AM or PM, or the
// date, a space and the time; the current date and time when it does not read.
TDateTime AfterTabDateOf(std::u16string_view line, int n = 1);

// The index of the first line whose field-0 file name is name (case counts, as file identity does); -1.
int32_t IndexOfPreTabFnameOnly(const TStrings& list, std::u16string_view name);

// ---- Sorting string lists by a field. Each comparison suits TStringList::CustomSort; while
// global_descending_sort is set it compares the second line with the first.

extern bool global_descending_sort;

int StringListCompareStringsStrAfter1Tab(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsStrAfter2Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsStrAfter3Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsStrAfter4Tabs(TStringList& list, int32_t index1, int32_t index2);
// Later dates first, as the date comparison orders them.
int StringListCompareStringsDateAfter1Tab(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsDateAfter2Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsDateAfter3Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsDateAfter4Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsIntegerAfter1Tab(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsIntegerAfter2Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsIntegerAfter3Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsIntegerAfter4Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsFloatAfter1Tab(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsFloatAfter2Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsFloatAfter3Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsFloatAfter4Tabs(TStringList& list, int32_t index1, int32_t index2);
int StringListCompareStringsFilenamePreTab(TStringList& list, int32_t index1, int32_t index2);
// Sets global_descending_sort and sorts list with compare.
void SetSortDescendingAndSort(bool descending, TStringList& list, const TStringListSortCompare& compare);

// The same comparisons with the direction as a parameter: they leave global_descending_sort alone, so sorts
// on several threads at once do not disturb each other. n is the field (ignored for file names, which are
// field 0).
enum TFieldSortKind : uint8_t { fsk_text, fsk_date, fsk_integer, fsk_float, fsk_file_name };
int CompareLinesOnField(TStringList& list, int32_t index1, int32_t index2, TFieldSortKind kind, int n,
                        bool descending);
void SortStringListOnField(TStringList& list, TFieldSortKind kind, int n, bool descending);

// ---- Word characters and whole-word tests (letters and decimal digits make words).

bool IsWordCharacter(char32_t c);
bool BoundedAtLeft(std::u16string_view text, int start, int end);
bool BoundedAtRight(std::u16string_view text, int start, int end);
bool BoundedWholeWord(std::u16string_view text, int start, int end);
bool IsBoundedOnLeft(std::u16string_view text, int start);
bool IsBoundedOnRight(std::u16string_view text, int end);
bool IsWholeWord(std::u16string_view text, int start, int end);

// ---- Position searches. Each search below reads the text once: O(length of the text + length of the word),
// whatever the two hold (no rescanning after a near miss), and ReplaceWholeWord costs the same plus its
// output.

// The first position at or after from where word occurs (case-sensitive), bounded at the left when flags
// hold element 4 and at the right when they hold element 5; -1 when either text is empty or none qualifies.
int PosWordFoundIn(std::u16string_view word, std::u16string_view text, TMySearchFlags flags, int from = 1);
// Every such position, in order.
std::vector<int32_t> CharacterPositionsWordFoundIn(std::u16string_view word, std::u16string_view text,
                                                   TMySearchFlags flags, int from = 1);
// The first whole-word occurrence of x, upper-cased here, in a text that the caller upper-cased already.
int WholeWordPositionOfXinUpcaseText(std::u16string_view x, std::u16string_view upcasedText, int from = 1);
// Every whole-word occurrence of oldWord replaced by newWord.
UnicodeString ReplaceWholeWord(std::u16string_view text, std::u16string_view oldWord,
                               std::u16string_view newWord, bool caseSensitive = true);
// Ignoring case (invariant case mapping, which keeps positions).
int CaseInsensitivePos(std::u16string_view sub, std::u16string_view s);
int CaseInsensitivePosEx(std::u16string_view sub, std::u16string_view s, int offset);
// The same where the caller already upper-cased sub.
int CaseInsensitiveUpperedPos(std::u16string_view upperedSub, std::u16string_view s);
int CaseInsensitiveUpperedPosEx(std::u16string_view upperedSub, std::u16string_view s, int offset);
// The nearer of two positions: the smaller one that is above 0, or 0 when neither is.
int NearerOfTwo(int p1, int p2);
// The nearer of the occurrences of sub1 and sub2 at or after offset.
int PosExNearer(std::u16string_view sub1, std::u16string_view sub2, std::u16string_view s, int offset = 1);
// Zero-terminated forms: the address of the nearer occurrence, or null.
const char* StrPosNearerA(const char* s, const char* sub1, const char* sub2);
const WideChar* StrPosNearerW(const WideChar* s, const WideChar* sub1, const WideChar* sub2);

// ---- Trimming and stripping.

UnicodeString WideTrimSpaceOnly(std::u16string_view s);     // only U+0020 at both ends
UnicodeString StrippedDoubleSpaces(std::u16string_view s);  // runs of spaces become one
UnicodeString StrippedOfChar(std::u16string_view s, WideChar c);
UnicodeString StrippedOfChars(std::u16string_view s, std::u16string_view chars);
UnicodeString StrippedOfCommas(std::u16string_view s);
// Menu-style accelerators: a single '&' goes, "&&" stays as one '&'.
UnicodeString StrippedOfSingleAmpersands(std::u16string_view s);
UnicodeString StrippedSpacesAtLineStarts(std::u16string_view s);  // spaces and tabs after each line break
// Spaces before closing punctuation (. , ; : ! ? ) ] } and closing quotes) go.
UnicodeString StrippedSpacesBeforePunctuation(std::u16string_view s);
// Every run of CR and LF characters becomes one CRLF.
UnicodeString StrippedMultipleLineEnds(std::u16string_view s);
// Line breaks and runs of white space become one space; the ends are trimmed.
UnicodeString StripWhiteSpaceAndCRLFW(std::u16string_view s);
// Lines that are empty or white only go; the rest are joined with CRLF.
UnicodeString RemovedEmptyLinesOf(std::u16string_view s);
UnicodeString RemovedInitialChar(std::u16string_view s, WideChar c);

// ---- Quoting and brackets.

UnicodeString BracketedWith(std::u16string_view s, WideChar open, WideChar close);
// Takes off the pair when s starts with open and ends with close; otherwise s unchanged.
UnicodeString UNBracketedWith(std::u16string_view s, WideChar open, WideChar close);
UnicodeString DoubleQuotesAdded(std::u16string_view s);
UnicodeString DoubleQuotesRemoved(std::u16string_view s);
UnicodeString AnyAngleBracketsToHTML(std::u16string_view s);  // < and > as &lt; and &gt;
UnicodeString UnderscoredStr(std::u16string_view s);          // spaces as underscores

// ---- Numbers as text.

bool IsANumber(std::u16string_view s);  // reads as a float once trimmed
UnicodeString DigitsOnlyOf(std::u16string_view s);
// Fixed decimals with the process decimal separator and thousands separators.
UnicodeString FormattedWithDecimals(double value, int decimals);
// 950, 12.3K, 4.5M, 2.1B (one decimal, ".0" dropped).
UnicodeString EasiestNRepresentationOfLargeNumber(int64_t n);
// A probability for display: "< 0.0001" below that, else four decimals.
UnicodeString PValueStr(double p);
UnicodeString OrdinalFormatOf(int64_t n);     // 1st, 2nd, 3rd, 4th, 11th, 22nd
UnicodeString ValueToByteStr(int64_t bytes);  // 512 bytes, 1.5 KB, 3 MB, 1.2 GB, 2 TB
UnicodeString WithLeftZeros(int64_t n, int width);
UnicodeString ToHexNumStr(uint64_t n, int digits = 0);  // upper-case digits, no prefix
// Hex with an optional "$", "0x", "x" or "#x" prefix or "h" suffix; def when it does not read.
int64_t FromHexNumStr(std::u16string_view s, int64_t def = -1);
// Decimal, or hexadecimal with a leading "X", "$" or "0x" or a trailing "H"; def when it does not read.
int64_t FromNumStr(std::u16string_view s, int64_t def = -1);
// The integer between the first '[' and the ']' after it; -1 when there is none.
int32_t IntegerInsideSquareBrackets(std::u16string_view s);
// Position of the first decimal digit, 0 when there is none.
int PositionOfNumberInString(std::u16string_view s);
// The first run of digits as an integer, -1 when there is none.
int64_t ANumberInHumanString(std::u16string_view s);
// Sorted, without duplicates, runs of three or more written as ranges: "1-3, 5, 7, 8".
UnicodeString HumanAbbreviatedNumberListString(std::vector<int32_t> numbers);
// The reverse: "1-3, 5" gives 1, 2, 3, 5 (ascending, unique). Commas, semicolons or spaces separate; pieces
// that do not read are skipped; at most maxCount numbers come back.
std::vector<int32_t> HumanAbbreviatedNumberListStringAsIntegers(std::u16string_view s,
                                                                int32_t maxCount = 100000);
UnicodeString HumanAbbreviatedNumberListStringExpanded(std::u16string_view s);  // "1, 2, 3, 5"
// Numbers 1..12 as the short month names of the format settings: "Jan-Mar, May".
UnicodeString HumanAbbreviatedNumberListStringToMonths(std::u16string_view s);
// count booleans, true at each listed number from 1 to count.
std::vector<bool> ConvertStringToRangeOfBoolean(std::u16string_view s, int32_t count);

// ---- Case (letters as the Unicode tables class them).

bool IsAllUppercase(std::u16string_view s);  // no lower-case letter (so true for "" and "123")
bool FirstLetterIsCapitalised(std::u16string_view s);
bool NextWordCapitalised(std::u16string_view s, int from);  // the first letter at or after from
bool FirstCharIsLowerCase(std::u16string_view s);
UnicodeString TitleCasedString(std::u16string_view s);  // each word's first letter up, the rest down

// ---- Strings and string lists. Routines that return a new list hand it to the caller.

// Split at separator; pieces are trimmed and empty ones dropped.
std::unique_ptr<TStringList> StringListFromString(std::u16string_view s, WideChar separator = u',');
std::vector<UnicodeString> StringArrayFromString(std::u16string_view s, WideChar separator = u',');
// Clears list and fills it as StringListFromString does.
void StringToStringList(std::u16string_view s, TStrings& list, WideChar separator = u',');
// The same, but a separator between double quotes does not split, and the quotes go.
void StringToStringListAllowDoubleQuotes(std::u16string_view s, TStrings& list, WideChar separator = u',');
UnicodeString StringListToString(const TStrings& list, std::u16string_view separator = u", ");
// Word-wraps s into lines of at most width characters (a longer word gets a line of its own).
void StringToStringlistWithLineWidth(std::u16string_view s, TStrings& list, int width);
// Trims every line and drops the empty ones.
void TrimAStringlist(TStrings& list);
void ReverseAStringList(TStrings& list);
// Keeps n lines chosen at random, in their order. seed 0: a fresh random seed.
void RandomReduceStringlist(TStrings& list, int32_t n, uint32_t seed = 0);
// Clears b and copies into it n random lines of a (all when n >= a's count), in a's order.
void CopyRandomSampleFromStringlistAtoB(const TStrings& a, TStrings& b, int32_t n, uint32_t seed = 0);
// Both return the number of lines removed.
int32_t StringListRemoveLinesMeetingCondition(TStrings& list,
                                              const std::function<bool(const UnicodeString&)>& condition);
// Removes every line that unwanted holds (matched the way unwanted matches its own lines).
int32_t StringListRemovingAnyLines(TStrings& list, const TStrings& unwanted);
// Adds each of items that list does not hold yet.
void ForceItemsToInclude(TStrings& list, const TStrings& items);
std::unique_ptr<TStringList> TArrayOfIntegersToStringlist(const std::vector<int32_t>& values);
std::vector<std::unique_ptr<TStringList>> ArrayOfStringlists(int32_t n);
// Custom alphabetical orders: order lists the alphabet (case ignored). In the sort key its characters come
// first, in that order; any other character follows them by its code.
UnicodeString NormalisedLineForCustomSort(std::u16string_view line, std::u16string_view order);
void CustomSortPreparedStringlist(TStringList& list, std::u16string_view order);
std::unique_ptr<TStringList> CustomLinesSorted(const TStrings& list, std::u16string_view order);
// Lists whose strings carry single-precision holders (as the string list with a single does): a new list of
// "text TAB value" lines, and one text of "text (value)" items joined by separator. A string without a
// holder shows 0.
std::unique_ptr<TStringList> FormatStringListWithPOintersAsSingles(const TStrings& list, int decimals);
UnicodeString StringListAsStringWithPointersFormattedAs(const TStrings& list, int decimals,
                                                        std::u16string_view separator = u", ");
UnicodeString FolderNamesAsText(const TStrings& folders);  // "; " between them
UnicodeString CommaSeparatedStrings(const TStrings& list);
UnicodeString StrSeparatedWithChar(const TStrings& list, WideChar c);
// s, then separator and item (only the item when s is empty).
UnicodeString AddToListWithSeparatorIfNeeded(std::u16string_view s, std::u16string_view item,
                                             std::u16string_view separator = u", ");

// ---- Replacing characters.

UnicodeString Replace1With2In(std::u16string_view s, WideChar c, std::u16string_view two);
UnicodeString ReplacedCharWithChar(std::u16string_view s, WideChar from, WideChar to);
UnicodeString Replace2With4In(std::u16string_view s, std::u16string_view two, std::u16string_view four);
UnicodeString ReplaceAnyOfTheseWithChar(std::u16string_view s, std::u16string_view these, WideChar c);
// these[i] becomes withThese[i]; characters of these beyond withThese's length are left.
UnicodeString ReplaceEachOfTheseWithEachOfChar(std::u16string_view s, std::u16string_view these,
                                               std::u16string_view withThese);
AnsiString AnsiStringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern);

// ---- File names and text files.

// ext with or without its dot; added only when the name has no extension.
UnicodeString EnsureFileHasExtension(std::u16string_view name, std::u16string_view ext);
// "folder/name.txt" with "_2" gives "folder/name_2.txt".
UnicodeString FilenameWithInsertion(std::u16string_view name, std::u16string_view insertion);
// Characters not allowed in file names (controls and \ / : * ? " < > |) become '_'.
UnicodeString AcceptableFilename(std::u16string_view s);
UnicodeString BothSlashesExtractFilename(std::u16string_view path);
// Clears dst and copies src's lines with every oldPattern replaced by newPattern.
void CopyStringsReplacing(const TStrings& src, TStrings& dst, std::u16string_view oldPattern,
                          std::u16string_view newPattern);

// A list of file names: matched case-sensitively, as file identity is.
class TFilenamesStringlist : public TStringList {
 public:
  TFilenamesStringlist() { SetCaseSensitive(true); }
};

// Append line and CRLF; false when the file cannot be written. The Unicode form writes UTF-16 LE and starts a
// new file with a byte-order mark.
bool AnsiAppendToTextFile(const UnicodeString& fileName, std::string_view line);
bool UnicodeAppendToTextFile(const UnicodeString& fileName, std::u16string_view line);

// ---- Miscellaneous.

UnicodeString YesorNo(bool b);
UnicodeString AddWithTab(std::u16string_view s, std::u16string_view item);  // s, TAB, item
UnicodeString InterspersedWithSpaces(std::u16string_view s);                // "abc" -> "a b c"
UnicodeString BackwardsStr(std::u16string_view s);  // reversed by characters (pairs kept)
UnicodeString StringInNCharacterChunks(std::u16string_view s, int n, WideChar separator = u' ');
UnicodeString StringWithACheckMarkAtEnd(std::u16string_view s);
UnicodeString FirstXCharactersOfString(std::u16string_view s, int x);  // never splits a surrogate pair
// U+FFFD for values that do not fit one unit.
WideChar WideCharFromCardinal(uint32_t c);
// One or two units; empty for a value that is no character (0, a surrogate, above U+10FFFF).
UnicodeString WideStringFromCardinal(uint32_t c);
// The room text takes when drawn in a font: lines end at CR, LF or CRLF (a final line end adds no line);
// the width is that of the widest line, the height one line height per line (one line for empty text).
TSize TextSizeOfString(std::u16string_view s, const TFont& font);
int32_t TextWidthOfString(std::u16string_view s, const TFont& font);

// ---- Word and n-gram lists of a text. A word is a run of letters (Lu, Ll, Lt, Lm, Lo) and decimal digits.
// The lists are sorted and ignore case (a word keeps the form first met); each entry's object slot holds its
// frequency (FrequencyInSlot reads it).

struct TSimpleWordListRec {
  std::unique_ptr<TStringList> list;
  int32_t tokens = 0;
};
int32_t FrequencyInSlot(const TStrings& list, int32_t index);
// Words of at least minLength characters; sortByFreq re-orders the list most frequent first (ties stay in
// alphabetical order).
TSimpleWordListRec SimpleWordListOfTxt(std::u16string_view text, int32_t minLength, bool sortByFreq);
TSimpleWordListRec SimpleWordListOfTxt(std::u16string_view text,
                                       const std::function<bool(const UnicodeString& word)>& accept,
                                       bool sortByFreq);
// n words joined by single spaces. Tags from "<" to ">" are skipped (a "<" with no ">" in reach ends at the
// first white character once maxTagLength is reached). Hyphens, connectors and commas let n-grams run on;
// other punctuation met with a full window ends them, but met before the window is full it does not.
std::unique_ptr<TStringList> SimpleNGramListOfTxt(std::u16string_view text, int32_t n, int32_t maxTagLength,
                                                  bool sortByFreq,
                                                  const std::function<void(int32_t percent)>& progress = {});
int32_t BasicWordCount(std::u16string_view text);
// Spaces plus one.
int32_t WordsInCluster(std::u16string_view cluster);

// The first word (in frequency order of the longer list) whose frequencies in the two texts differ by more
// than maxDifference; an empty word when there is none, and then the two counts are 0.
struct TBagOfWordsSimilarRec {
  int32_t freqA = 0;
  int32_t freqB = 0;
  UnicodeString word;
};
TBagOfWordsSimilarRec BagOfWordsSimilar(std::u16string_view textA, std::u16string_view textB,
                                        int32_t maxDifference, int32_t minLength, int32_t minFrequency);
struct TTypeAndTokenDifferencesRec {
  bool similar = false;
  int32_t type_differences = 0;
  int32_t token_differences = 0;
  float type_difference_percent = 0;
  float token_difference_percent = 0;
};
// Lists made by SimpleWordListOfTxt. Only threshold is compared with the two percentages.
TTypeAndTokenDifferencesRec TypeAndTokenDifferences2SimpleWordLists(const TStringList& a,
                                                                    const TStringList& b,
                                                                    float firstThreshold, float threshold,
                                                                    UnicodeString& lastDifferingWord);

// ---- Repeated sentences across texts. Texts are loaded one by one (mark-up removed), cut into paragraphs at
// CRLF and into sentences, and every sentence met is counted in its whole text; sentences that occur often
// enough are gathered with the texts they occur in.

// (file number, frequency in that file) pairs, in the order the files were met.
class TListOfOccurrences : public TObject {
 public:
  struct TOccurrence {
    int32_t file_number = 0;
    int32_t frequency = 0;
  };
  int32_t Count() const { return static_cast<int32_t>(items.size()); }
  const TOccurrence& Get(int32_t index) const { return items.at(static_cast<std::size_t>(index)); }
  // Adds frequency to the file's pair, appending the pair when the file is new.
  void AddOrInc(int32_t fileNumber, int32_t frequency);
  int64_t TotalFrequency() const;
  void Clear() { items.clear(); }

 private:
  std::vector<TOccurrence> items;
};

// Sentences (unsorted; look-up ignores case) with their occurrence lists, which the list owns.
class TStringlistWithListOfOccurrences : public TStringList {
 public:
  TStringlistWithListOfOccurrences();
  // The sentence's index after adding (fileNumber, frequency) to its occurrences.
  int32_t AddOrIncOneByFreq(const UnicodeString& sentence, int32_t fileNumber, int32_t frequency);
  TListOfOccurrences* GetAListOfOccurrences(int32_t index) const;  // null out of range
  // Sentences found in more than one file.
  int32_t Repeateds() const;
  int32_t IndexOf(std::u16string_view s) const override;
  void Delete(int32_t index) override;
  void Clear() override;

 protected:
  void Changed() override;

 private:
  // Upper-cased sentence -> index, rebuilt after the list is reordered or shortened.
  mutable std::unordered_map<UnicodeString, int32_t> index_;
  mutable bool indexValid_ = true;
};

class TRepeatedChunks {
 public:
  using TProgressEvent = std::function<bool(int32_t)>;
  using TFinishedEvent = std::function<void(int32_t)>;

  TRepeatedChunks();
  void Clear();
  void SetSettings(bool includeLast, int32_t maxTagLength, int32_t minOccurrences, int32_t minLetters,
                   TProgressEvent onProgress, TProgressEvent onStart, TFinishedEvent onFinished);
  // The file's number, or -1 when it does not exist; its text, without mark-up, becomes the current text.
  int32_t LoadATextFile(const UnicodeString& fileName);
  void AddToRepeatedSentencesInTxt(int32_t fileNumber);
  // Raises EAssertionFailed when there is no sentence list. Each distinct sentence is counted once per text,
  // by a case-sensitive search of the whole text (overlapping finds count): each costs a pass over the text.
  void AddedToRepeatedSentencesInTxt(int32_t fileNumber, std::u16string_view text);
  void Stop() { running = false; }
  UnicodeString GetAFilename(int32_t fileNumber) const;
  // Most frequent over all files first; ties in reverse ordinal order of the sentences.
  void SortDescendingFreq();
  // By the file number of the first occurrence, lowest first; ties as above.
  void SortAScendingFilenumbers();

  bool running = false;
  bool include_last_sentence = true;
  int32_t min_letters = 0;
  int32_t min_occurrences = 1;
  int32_t max_tag_length = 0;
  TProgressEvent
      OnProgress;  // given the position in the text, for texts of more than 100,000 characters; false stops
  TProgressEvent OnStart;     // given the file number
  TFinishedEvent OnFinished;  // given the number of sentences gathered
  UnicodeString current_text;
  std::vector<int32_t> integer_list;
  std::unique_ptr<TFolderEfficientFileStringlist> file_list;
  std::unique_ptr<TStringlistWithListOfOccurrences> sentence_list;
};

// ---- Sentences. Positions are 1-based.

// The 1-based position of the next sentence end at or after from, or -1. A terminator ends a sentence only
// after a letter or digit and when no letter or digit follows it, so "3.5" and "e.g" run on.
int32_t EndOfSentence(int32_t from, std::u16string_view text);
// The first position at or after pos holding a letter or decimal digit; the text length when none does.
int32_t FirstLetterOrDigitPosAfterSentenceEnd(std::u16string_view text, int32_t pos);
// False when pos lies before the last character and that character is lower case.
bool FirstCharAfterSentenceEndUpperCase(std::u16string_view text, int32_t pos);
// The first letter or digit at or after pos that is not lower case, moving on from sentence end to sentence
// end past lower-case starts; -1 when there is none.
int32_t FirstValidStartOfSentence(std::u16string_view text, int32_t pos);
// Sentences by Unicode category: a sentence starts at a capital letter or a number and ends at a terminator
// met after at least minLetters word characters. With includeLast the unfinished rest is a sentence too.
std::unique_ptr<TStringList> SentencesExtractedFromParagraph(bool includeLast, int32_t minLetters,
                                                             std::u16string_view paragraph);
// The paragraph cut at every separator when one is given, otherwise at the sentence ends the character
// classes of the language show (mark-up of at most maxTagLength characters between "<" and ">" is skipped).
std::unique_ptr<TStringList> SentencesFromParagraph(std::u16string_view paragraph,
                                                    std::u16string_view separator, LCID lcid,
                                                    int32_t maxTagLength);

}  // namespace lx
