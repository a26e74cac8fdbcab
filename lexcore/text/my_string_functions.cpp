#include "lexcore/text/my_string_functions.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>
#include <string_view>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/platform/lx_zip.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_formatsettings.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/markup_stripper.h"
#include "lexcore/ui/lx_fontmetrics.h"

namespace lx {

namespace {

UnicodeString ToUnicode(uint32_t codePage, const char* buffer, int length) {
  if (!buffer || length < 1) return UnicodeString();
  const int needed = MultiByteToWideChar(codePage, MB_PRECOMPOSED, buffer, length, nullptr, 0);
  if (needed <= 0) return UnicodeString();
  UnicodeString out(needed, u'\0');
  const int n = MultiByteToWideChar(codePage, MB_PRECOMPOSED, buffer, length, out.data(), needed);
  out.resize(n > 0 ? n : 0);
  return out;
}

AnsiString FromUnicode(uint32_t codePage, const WideChar* buffer) {
  if (!buffer) return AnsiString();
  const int length = static_cast<int>(StrLen(buffer));
  if (length == 0) return AnsiString();
  // Sized by the platform, not by the character count: a multi-byte code page needs more bytes than
  // characters.
  const int needed = WideCharToMultiByte(codePage, 0, buffer, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return AnsiString();
  AnsiString out(needed, '\0');
  const int n = WideCharToMultiByte(codePage, 0, buffer, length, out.data(), needed, nullptr, nullptr);
  out.resize(n > 0 ? n : 0);
  return out;
}

int Length(const char* buffer) {
  return buffer ? static_cast<int>(std::strlen(buffer)) : 0;
}

constexpr int kStaticCopyChars = 255;
WideChar gStaticWide[kStaticCopyChars + 1];  // 512 bytes
char gStaticAnsi[kStaticCopyChars + 1];

const WideChar* CopiedWide(std::u16string_view s) {
  std::fill(std::begin(gStaticWide), std::end(gStaticWide), u'\0');
  std::copy_n(s.data(), std::min<std::size_t>(s.size(), kStaticCopyChars), gStaticWide);
  return gStaticWide;
}

const char* CopiedAnsi(std::string_view s) {
  std::fill(std::begin(gStaticAnsi), std::end(gStaticAnsi), '\0');
  std::copy_n(s.data(), std::min<std::size_t>(s.size(), kStaticCopyChars), gStaticAnsi);
  return gStaticAnsi;
}

}  // namespace

UnicodeString ConvertedToString(uint16_t codePage, const char* buffer, int length) {
  return ToUnicode(codePage, buffer, length);
}
UnicodeString ConvertedToString(uint16_t codePage, const char* buffer) {
  return ToUnicode(codePage, buffer, Length(buffer));
}
UnicodeString ConvertedToString(LCID lcid, const char* buffer, int length) {
  if (!buffer) return UnicodeString();
  return ToUnicode(CodePageFromLocale(lcid), buffer, length);
}
UnicodeString ConvertedToString(LCID lcid, const char* buffer) {
  return ConvertedToString(lcid, buffer, Length(buffer));
}
UnicodeString ConvertedToString(const char* buffer, int length) {
  return ToUnicode(CP_ACP, buffer, length);
}
UnicodeString ConvertedToString(const char* buffer) {
  return ToUnicode(CP_ACP, buffer, Length(buffer));
}

AnsiString ConvertedFromString(uint16_t codePage, const WideChar* buffer) {
  return FromUnicode(codePage, buffer);
}
AnsiString ConvertedFromString(LCID lcid, const WideChar* buffer) {
  if (!buffer) return AnsiString();
  return FromUnicode(CodePageFromLocale(lcid), buffer);
}
AnsiString ConvertedFromString(const WideChar* buffer) {
  return FromUnicode(CP_ACP, buffer);
}

const WideChar* GetCopyOfAnsiEncodedAsUnicode(const AnsiString& ansi, LCID lcid) {
  return CopiedWide(ConvertedToString(lcid, ansi.data(), static_cast<int>(ansi.size())));
}
const char* GetCopyOfAnsiEncodedAsAnsi(const AnsiString& ansi, LCID) {
  return CopiedAnsi(ansi);
}
const WideChar* GetCopyOfSTringEncodedASUnicode(const UnicodeString& s, LCID) {
  return CopiedWide(s);
}
const char* GetCopyOfSTringEncodedAsAnsi(const UnicodeString& s, LCID lcid) {
  return CopiedAnsi(ConvertedFromString(lcid, s.c_str()));
}

UnicodeString Lowercase(const UnicodeString& s) {
  return InvariantLowerCase(s);
}
UnicodeString Uppercase(const UnicodeString& s) {
  return InvariantUpperCase(s);
}

bool IsADigitChar(WideChar c) {
  return u_isdigit(c);
}
bool IsOrdinaryNumberChar(WideChar c) {
  return c >= u'0' && c <= u'9';
}
bool IsHashSymbol(WideChar c) {
  return c == 27;
}
bool IsHashOrBrace(WideChar c) {
  return c == u'#' || c == u'{';
}
bool ContainsADigitA(const char* buffer) {
  if (buffer)
    for (; *buffer; ++buffer)
      if (*buffer >= '0' && *buffer <= '9') return true;
  return false;
}
bool ContainsADigitW(const WideChar* buffer) {
  if (buffer)
    for (; *buffer; ++buffer)
      if (IsOrdinaryNumberChar(*buffer)) return true;
  return false;
}

UnicodeString ExpandTabbedWideString(const UnicodeString& s, int n) {
  const std::size_t tabs = std::count(s.begin(), s.end(), u'\t');
  if (tabs == 0) return s;
  const std::size_t width = n > 0 ? static_cast<std::size_t>(n) : 0;
  UnicodeString out;
  out.reserve(s.size() - tabs + tabs * width);
  for (WideChar c : s)
    if (c == u'\t')
      out.append(width, u' ');
    else
      out.push_back(c);
  return out;
}

int StrScanIndex(const UnicodeString& s, WideChar c, int from) {
  if (from < 1) from = 1;
  if (static_cast<std::size_t>(from) > s.size()) return 0;
  const std::size_t p = s.find(c, from - 1);
  return p == UnicodeString::npos ? 0 : static_cast<int>(p) + 1;
}

void StringToSearch_word_type32(const UnicodeString& s, Search_word_type32& fixed) {
  fixed.fill(u'\0');
  std::copy_n(s.data(), std::min<std::size_t>(s.size(), fixed.size() - 1), fixed.data());
}

UnicodeString Search_word_type32ToString(const Search_word_type32& fixed) {
  const auto end = std::find(fixed.begin(), fixed.end(), u'\0');
  return UnicodeString(fixed.begin(), end);
}

UnicodeString GetTextFromFile(const UnicodeString& fileName) {
  std::error_code ec;
  if (fileName.empty() || !std::filesystem::is_regular_file(UTF16ToUTF8(fileName), ec))
    return UnicodeString();
  TStringList lines;
  lines.LoadFromFile(fileName);
  return lines.Text();
}

UnicodeString WithoutMarkup(const UnicodeString& text, int maxTagLength) {
  return WithoutMarkup(text, u'<', u'>', maxTagLength);
}

UnicodeString WithoutMarkup(const UnicodeString& text, WideChar openChar, WideChar closeChar,
                            int maxTagLength) {
  if (maxTagLength < 1) return text;
  const std::size_t len = text.size();
  const std::size_t reach = static_cast<std::size_t>(maxTagLength);
  UnicodeString out;
  out.reserve(len);
  std::size_t i = 0;
  while (i < len) {
    if (text[i] != openChar) {
      out.push_back(text[i++]);
      continue;
    }
    // Only the next maxTagLength characters matter: a closing delimiter further on is too far anyway.
    const std::size_t last = std::min(len - 1, i + reach);
    std::size_t close = i + 1;
    while (close <= last && text[close] != closeChar) ++close;
    if (close <= last) {
      i = close + 1;
    } else if (len - 1 - i <= reach) {
      break;  // unclosed, and the text ends within reach
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

UnicodeString MarkupFreeTextFromAFile(const UnicodeString& fileName, int maxTagLength) {
  return WithoutMarkup(GetTextFromFile(fileName), maxTagLength);
}

namespace {

constexpr int64_t kMaxDocumentBytes = int64_t(256) << 20;

// Keeps, of every alternate-content block, only its fallback part.
UnicodeString WithFallbacksOnly(const UnicodeString& xml) {
  static constexpr std::u16string_view kOpen = u"<mc:AlternateContent>";
  static constexpr std::u16string_view kClose = u"</mc:AlternateContent>";
  static constexpr std::u16string_view kFallback = u"<mc:Fallback>";
  static constexpr std::u16string_view kFallbackEnd = u"</mc:Fallback>";
  const std::u16string_view s(xml);
  UnicodeString out;
  out.reserve(s.size());
  std::size_t from = 0;
  for (;;) {
    const std::size_t open = s.find(kOpen, from);
    const std::size_t close = open == s.npos ? s.npos : s.find(kClose, open + kOpen.size());
    if (close == s.npos) break;
    out.append(s.substr(from, open - from));
    const std::u16string_view block = s.substr(open, close - open);
    const std::size_t fb = block.find(kFallback);
    const std::size_t fbEnd = fb == s.npos ? s.npos : block.find(kFallbackEnd, fb);
    if (fbEnd != s.npos) out.append(block.substr(fb, fbEnd - fb));
    from = close + kClose.size();
  }
  out.append(s.substr(from));
  return out;
}

// Position of the next "<name" followed by a space or ">", npos when none.
std::size_t FindElement(std::u16string_view s, std::u16string_view name, std::size_t from) {
  for (std::size_t p = s.find(name, from); p != s.npos; p = s.find(name, p + 1)) {
    const std::size_t after = p + name.size();
    if (after < s.size() && (s[after] == u' ' || s[after] == u'>')) return p;
  }
  return s.npos;
}

// Whether the element `name` opens at content[at]: the name followed by a space, ">" or "/".
bool OpensElement(std::u16string_view content, std::size_t at, std::u16string_view name) {
  const std::size_t after = at + name.size();
  return content.compare(at, name.size(), name) == 0 && after < content.size() &&
         (content[after] == u' ' || content[after] == u'>' || content[after] == u'/');
}

// A paragraph's text as its reader sees it: the runs' text with its character references decoded, and tabs
// and line breaks as white space. Tab stops (<w:tabs> in the paragraph's properties) are no tabs.
void AppendReadableRuns(std::u16string_view content, UnicodeString& out) {
  for (std::size_t lt = content.find(u'<'); lt != content.npos; lt = content.find(u'<', lt + 1)) {
    if (OpensElement(content, lt, u"<w:t")) {
      const std::size_t textStart = content.find(u'>', lt);
      if (textStart == content.npos) return;
      if (content[textStart - 1] == u'/') continue;
      const std::size_t textEnd = content.find(u"</w:t>", textStart);
      if (textEnd == content.npos) return;
      out.append(DecodedCharacterReferences(content.substr(textStart + 1, textEnd - textStart - 1)));
      lt = textEnd;
    } else if (OpensElement(content, lt, u"<w:tabs")) {
      const std::size_t end = content.find(u"</w:tabs>", lt);
      if (end == content.npos) return;
      lt = end;
    } else if (OpensElement(content, lt, u"<w:tab")) {
      out.push_back(u'\t');
    } else if (OpensElement(content, lt, u"<w:br") || OpensElement(content, lt, u"<w:cr")) {
      out.push_back(u'\n');
    }
  }
}

UnicodeString ParagraphsOf(std::u16string_view s, bool readable) {
  UnicodeString out;
  std::size_t from = 0;
  for (;;) {
    MyYieldProcess();
    const std::size_t p = FindElement(s, u"<w:p", from);
    if (p == s.npos) break;
    const std::size_t tagEnd = s.find(u'>', p);
    if (tagEnd == s.npos) break;
    if (s[tagEnd - 1] == u'/') {  // an empty paragraph written as one tag
      from = tagEnd + 1;
      continue;
    }
    const std::size_t pEnd = s.find(u"</w:p>", tagEnd);
    if (pEnd == s.npos) break;
    const std::u16string_view content = s.substr(tagEnd + 1, pEnd - tagEnd - 1);
    if (readable) {
      AppendReadableRuns(content, out);
      out.append(u"\r\n");
      from = pEnd + 6;
      continue;
    }
    for (std::size_t t = FindElement(content, u"<w:t", 0); t != s.npos;
         t = FindElement(content, u"<w:t", t + 1)) {
      const std::size_t textStart = content.find(u'>', t);
      if (textStart == s.npos) break;
      if (content[textStart - 1] == u'/') continue;  // <w:t .../> holds no text
      const std::size_t textEnd = content.find(u"</w:t>", textStart);
      if (textEnd == s.npos) break;
      out.append(content.substr(textStart + 1, textEnd - textStart - 1));
      t = textEnd;
    }
    out.append(u"\r\n");
    from = pEnd + 6;
  }
  return out;
}

UnicodeString DocumentText(const UnicodeString& fileName, bool readable) {
  std::error_code ec;
  if (fileName.empty() || !std::filesystem::is_regular_file(UTF16ToUTF8(fileName), ec))
    return UnicodeString();
  TZipReader zip(fileName);
  for (int i = 0; i < zip.Count(); ++i) {
    const UnicodeString name = zip.Name(i);
    const std::size_t slash = name.find_last_of(u"/\\");
    const std::u16string_view base = slash == UnicodeString::npos
                                         ? std::u16string_view(name)
                                         : std::u16string_view(name).substr(slash + 1);
    if (!SameText(base, u"Document.xml")) continue;
    const std::vector<uint8_t> bytes = zip.Extract(i, kMaxDocumentBytes);
    if (bytes.empty()) return UnicodeString();
    const UnicodeString xml = WithFallbacksOnly(
        UTF8ToUTF16(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
    return ParagraphsOf(xml, readable);
  }
  return UnicodeString();
}

}  // namespace

UnicodeString DOCXFileText(const UnicodeString& fileName) {
  return DocumentText(fileName, false);
}

UnicodeString DOCXReadableText(const UnicodeString& fileName) {
  return DocumentText(fileName, true);
}

LX_RESOURCESTRING(_LXYesWord, u"yes")
LX_RESOURCESTRING(_LXNoWord, u"no")

namespace {

bool IsHigh(char16_t c) {
  return U16_IS_LEAD(c);
}
bool IsLow(char16_t c) {
  return U16_IS_TRAIL(c);
}

// The character that ends at 0-based index i (a whole pair when i is its second half).
char32_t CharEndingAt(std::u16string_view s, std::size_t i) {
  if (IsLow(s[i]) && i > 0 && IsHigh(s[i - 1])) return U16_GET_SUPPLEMENTARY(s[i - 1], s[i]);
  return s[i];
}
// The character that starts at 0-based index i.
char32_t CharStartingAt(std::u16string_view s, std::size_t i) {
  if (IsHigh(s[i]) && i + 1 < s.size() && IsLow(s[i + 1])) return U16_GET_SUPPLEMENTARY(s[i], s[i + 1]);
  return s[i];
}

int Len(std::u16string_view s) {
  return static_cast<int>(std::min<std::size_t>(s.size(), INT32_MAX));
}

// Finds a non-empty sub in a text fed to it one unit at a time (Knuth-Morris-Pratt): each unit is looked at
// a bounded number of times, so a whole search costs O(text + sub) whatever the two hold.
class TUnitMatcher {
 public:
  explicit TUnitMatcher(std::u16string_view sub) : sub_(sub), fallback_(sub.size(), 0) {
    for (std::size_t i = 1, k = 0; i < sub.size(); ++i) {
      while (k > 0 && sub[i] != sub[k]) k = fallback_[k - 1];
      if (sub[i] == sub[k]) ++k;
      fallback_[i] = k;
    }
  }
  // True when the unit just fed ends an occurrence of sub.
  bool Feed(char16_t c) {
    while (matched_ > 0 && c != sub_[matched_]) matched_ = fallback_[matched_ - 1];
    if (c == sub_[matched_]) ++matched_;
    if (matched_ < sub_.size()) return false;
    matched_ = fallback_[matched_ - 1];
    return true;
  }
  // Occurrences that overlap what came before are no longer wanted.
  void Restart() { matched_ = 0; }

 private:
  std::u16string_view sub_;
  std::vector<std::size_t> fallback_;
  std::size_t matched_ = 0;
};

// Calls found(0-based start) for every occurrence of sub in s from 0-based index from on, in order, until it
// returns false. s is read through upperCase when asked, one code point at a time (the invariant mapping
// keeps the number of units, so positions stay those of s).
template <typename Found>
void EachOccurrence(std::u16string_view sub, std::u16string_view s, std::size_t from, bool upperCase,
                    TUnitMatcher& matcher, Found found) {
  if (sub.empty() || sub.size() > s.size()) return;
  const std::size_t m = sub.size();
  for (std::size_t i = from; i < s.size();) {
    const std::size_t start = i;
    UChar32 c;
    U16_NEXT(s.data(), i, s.size(), c);
    if (upperCase && !U_IS_SURROGATE(c)) {
      const UChar32 u = u_toupper(c);
      if (U16_LENGTH(u) == static_cast<int32_t>(i - start)) c = u;
    }
    char16_t units[2];
    std::size_t n = 0;
    U16_APPEND_UNSAFE(units, n, c);
    for (std::size_t k = 0; k < n; ++k)
      if (matcher.Feed(units[k]) && !found(start + k + 1 - m)) return;
  }
}

bool IsLineBreak(char16_t c) {
  return c == u'\r' || c == u'\n';
}

UnicodeString Utf16Ascii(const char* s) {
  UnicodeString r;
  while (*s) r.push_back(static_cast<char16_t>(static_cast<unsigned char>(*s++)));
  return r;
}

template <typename Char>
const Char* FindZ(const Char* s, const Char* sub) {
  if (!s || !sub || !*sub) return nullptr;
  for (; *s; ++s) {
    const Char* a = s;
    const Char* b = sub;
    while (*a && *b && *a == *b) ++a, ++b;
    if (!*b) return s;
  }
  return nullptr;
}

template <typename Char>
const Char* NearerZ(const Char* s, const Char* sub1, const Char* sub2) {
  const Char* a = FindZ(s, sub1);
  const Char* b = FindZ(s, sub2);
  if (!a) return b;
  if (!b) return a;
  return a < b ? a : b;
}

bool IsClosingPunctuation(char16_t c) {
  return std::u16string_view(u".,;:!?)]}\u2026\u00BB\u201D\u2019").find(c) != std::u16string_view::npos;
}

UnicodeString FixedDecimals(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 18);
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  UnicodeString r = Utf16Ascii(buf);
  for (auto& c : r)
    if (c == u'.') c = FormatSettings.DecimalSeparator;
  return r;
}

}  // namespace

// ---- Tab-separated fields

UnicodeString PreTabPart(std::u16string_view line) {
  const auto p = line.find(u'\t');
  return p == std::u16string_view::npos ? UnicodeString() : UnicodeString(line.substr(0, p));
}

UnicodeString PreTabFilenameOf(std::u16string_view line) {
  return BothSlashesExtractFilename(PreTabPart(line));
}

UnicodeString PreTabPathAndFilenameOf(std::u16string_view line) {
  return ReplacedCharWithChar(PreTabPart(line), u'\\', u'/');
}

UnicodeString AfterTabPart(std::u16string_view line, int n) {
  if (n < 0) return {};
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) {
    const auto p = line.find(u'\t', start);
    if (p == std::u16string_view::npos) return {};
    start = p + 1;
  }
  const auto end = line.find(u'\t', start);
  return UnicodeString(line.substr(start, end == std::u16string_view::npos ? line.npos : end - start));
}

int32_t AfterTabIntegerOf(std::u16string_view line, int n) {
  return StrToIntDef(DigitsOnlyOf(AfterTabPart(line, n)), -1);
}

double AfterTabFloatOf(std::u16string_view line, int n) {
  double v = 0;
  return TryStrToFloat(AfterTabPart(line, n), v) ? v : -1.0;
}

namespace {

// "h:mm[:ss]" with an optional AM/PM marker; false when it does not read.
bool ReadTimeOfDay(std::u16string_view s, TDateTime& time) {
  UnicodeString t = Trim(s);
  int addHours = 0;
  if (EndsText(FormatSettings.TimePMString, t) && !FormatSettings.TimePMString.empty()) {
    t = Trim(std::u16string_view(t).substr(0, t.size() - FormatSettings.TimePMString.size()));
    addHours = 12;
  } else if (EndsText(FormatSettings.TimeAMString, t) && !FormatSettings.TimeAMString.empty()) {
    t = Trim(std::u16string_view(t).substr(0, t.size() - FormatSettings.TimeAMString.size()));
    addHours = -1;  // 12 AM is midnight
  }
  int parts[3] = {0, 0, 0};
  int count = 0;
  int milliseconds = 0;
  std::size_t i = 0;
  while (count < 3) {
    std::size_t e = i;
    while (e < t.size() && t[e] >= u'0' && t[e] <= u'9') ++e;
    if (e == i || e - i > 2) return false;
    parts[count++] = StrToInt(std::u16string_view(t).substr(i, e - i));
    if (e == t.size()) break;
    if (count == 3 && (t[e] == u'.' || t[e] == FormatSettings.DecimalSeparator)) {
      // Seconds may carry up to three decimals: "10:30:15.250".
      const std::u16string_view fraction = std::u16string_view(t).substr(e + 1);
      if (fraction.empty() || fraction.size() > 3 ||
          !std::all_of(fraction.begin(), fraction.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; }))
        return false;
      milliseconds = StrToInt(fraction);
      for (std::size_t k = fraction.size(); k < 3; ++k) milliseconds *= 10;
      break;
    }
    if (t[e] != FormatSettings.TimeSeparator) return false;
    i = e + 1;
  }
  if (count < 2 || i > t.size()) return false;
  int hour = parts[0];
  if (addHours != 0) {
    if (hour < 1 || hour > 12) return false;
    hour = addHours == 12 ? (hour % 12) + 12 : hour % 12;
  }
  if (hour > 23 || parts[1] > 59 || parts[2] > 59) return false;
  time = EncodeTime(hour, parts[1], parts[2], milliseconds);
  return true;
}

int ThreeWay(double a, double b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

// Orders two lines by what key gives for each; descending takes the second line first.
template <typename Key, typename Compare>
int CompareLinesBy(TStringList& list, int32_t index1, int32_t index2, bool descending, Key key,
                   Compare compare) {
  if (descending) std::swap(index1, index2);
  return compare(key(list.GetRef(index1)), key(list.GetRef(index2)));
}

}  // namespace

namespace {
bool TryReadDateAndTime(std::u16string_view text, TDateTime& value) {
  const UnicodeString field = Trim(text);
  const std::u16string_view view(field);
  TDateTime date = 0;
  TDateTime time = 0;
  if (TryStrToDate(view, date)) {
    value = date;
    return true;
  }
  if (ReadTimeOfDay(view, time)) {  // a time alone is that time on day 0
    value = time;
    return true;
  }
  // Date, space, time: try each space, since the date itself may hold one.
  for (std::size_t space = field.find(u' '); space != UnicodeString::npos;
       space = field.find(u' ', space + 1)) {
    if (TryStrToDate(view.substr(0, space), date) && ReadTimeOfDay(view.substr(space + 1), time)) {
      value = date < 0 ? date - time : date + time;
      return true;
    }
  }
  return false;
}
}  // namespace

TDateTime AfterTabDateOf(std::u16string_view line, int n) {
  TDateTime value = 0;
  return TryReadDateAndTime(AfterTabPart(line, n), value) ? value : Now();
}

bool global_descending_sort = false;

#define LX_FIELD_SORTS(Kind, kind)                                                                    \
  int StringListCompareStrings##Kind##After1Tab(TStringList& list, int32_t index1, int32_t index2) {  \
    return CompareLinesOnField(list, index1, index2, kind, 1, global_descending_sort);                \
  }                                                                                                   \
  int StringListCompareStrings##Kind##After2Tabs(TStringList& list, int32_t index1, int32_t index2) { \
    return CompareLinesOnField(list, index1, index2, kind, 2, global_descending_sort);                \
  }                                                                                                   \
  int StringListCompareStrings##Kind##After3Tabs(TStringList& list, int32_t index1, int32_t index2) { \
    return CompareLinesOnField(list, index1, index2, kind, 3, global_descending_sort);                \
  }                                                                                                   \
  int StringListCompareStrings##Kind##After4Tabs(TStringList& list, int32_t index1, int32_t index2) { \
    return CompareLinesOnField(list, index1, index2, kind, 4, global_descending_sort);                \
  }

namespace {
int CompareFieldStrings(const UnicodeString& a, const UnicodeString& b) {
  return Compare2Strings(a, b);
}
int CompareFieldNumbers(double a, double b) {
  return ThreeWay(a, b);
}
double IntegerField(const UnicodeString& line, int n) {
  return AfterTabIntegerOf(line, n);
}
// A field that does not read counts as not a number would: -1, never NaN (which no order can hold).
double FloatField(const UnicodeString& line, int n) {
  const double v = AfterTabFloatOf(line, n);
  return std::isnan(v) ? -1.0 : v;
}
// An unreadable date sorts as the newest, once and for all (the current time would move during the sort).
TDateTime DateField(const UnicodeString& line, int n) {
  TDateTime value = 0;
  return TryReadDateAndTime(AfterTabPart(line, n), value) ? value : std::numeric_limits<double>::max();
}
}  // namespace

int CompareLinesOnField(TStringList& list, int32_t index1, int32_t index2, TFieldSortKind kind, int n,
                        bool descending) {
  const auto field = [n](const UnicodeString& l) { return AfterTabPart(l, n); };
  switch (kind) {
    case fsk_text:
      return CompareLinesBy(list, index1, index2, descending, field, CompareFieldStrings);
    case fsk_date:
      return CompareLinesBy(
          list, index1, index2, descending, [n](const UnicodeString& l) { return DateField(l, n); },
          CompareDates);
    case fsk_integer:
      return CompareLinesBy(
          list, index1, index2, descending, [n](const UnicodeString& l) { return IntegerField(l, n); },
          CompareFieldNumbers);
    case fsk_float:
      return CompareLinesBy(
          list, index1, index2, descending, [n](const UnicodeString& l) { return FloatField(l, n); },
          CompareFieldNumbers);
    case fsk_file_name:
      return CompareLinesBy(list, index1, index2, descending, PreTabFilenameOf, CompareFieldStrings);
  }
  return 0;
}

void SortStringListOnField(TStringList& list, TFieldSortKind kind, int n, bool descending) {
  list.CustomSort([kind, n, descending](TStringList& l, int32_t a, int32_t b) {
    return CompareLinesOnField(l, a, b, kind, n, descending);
  });
}

LX_FIELD_SORTS(Str, fsk_text)
LX_FIELD_SORTS(Date, fsk_date)
LX_FIELD_SORTS(Integer, fsk_integer)
LX_FIELD_SORTS(Float, fsk_float)
#undef LX_FIELD_SORTS

int StringListCompareStringsFilenamePreTab(TStringList& list, int32_t index1, int32_t index2) {
  return CompareLinesOnField(list, index1, index2, fsk_file_name, 0, global_descending_sort);
}

void SetSortDescendingAndSort(bool descending, TStringList& list, const TStringListSortCompare& compare) {
  global_descending_sort = descending;
  list.CustomSort(compare);
}

int32_t IndexOfPreTabFnameOnly(const TStrings& list, std::u16string_view name) {
  for (int32_t i = 0; i < list.Count(); ++i)
    if (PreTabFilenameOf(list.Get(i)) == name) return i;
  return -1;
}

// ---- Whole words

bool IsWordCharacter(char32_t c) {
  return u_isalpha(static_cast<UChar32>(c)) || u_isdigit(static_cast<UChar32>(c));
}

bool IsBoundedOnLeft(std::u16string_view text, int start) {
  if (start <= 1) return true;
  if (start - 1 > Len(text)) return false;
  return !IsWordCharacter(CharEndingAt(text, static_cast<std::size_t>(start - 2)));
}

bool IsBoundedOnRight(std::u16string_view text, int end) {
  const int len = Len(text);
  if (end < 0 || end > len) return false;
  if (end == len) return true;
  return !IsWordCharacter(CharStartingAt(text, static_cast<std::size_t>(end)));
}

bool BoundedAtLeft(std::u16string_view text, int start, int /*end*/) {
  return start >= 1 && IsBoundedOnLeft(text, start);
}

bool BoundedAtRight(std::u16string_view text, int /*start*/, int end) {
  return IsBoundedOnRight(text, end);
}

bool BoundedWholeWord(std::u16string_view text, int start, int end) {
  return BoundedAtLeft(text, start, end) && BoundedAtRight(text, start, end);
}

bool IsWholeWord(std::u16string_view text, int start, int end) {
  return IsBoundedOnLeft(text, start) && IsBoundedOnRight(text, end);
}

// ---- Position searches

namespace {
// Every 1-based position at or after from where word occurs with the boundaries flags ask for, in one pass.
template <typename Found>
void EachBoundedWord(std::u16string_view word, std::u16string_view text, TMySearchFlags flags, int from,
                     Found found) {
  const bool left = flags.Contains(sw_flag_left_boundary);
  const bool right = flags.Contains(sw_flag_right_boundary);
  TUnitMatcher matcher(word);
  EachOccurrence(word, text, static_cast<std::size_t>(std::max(from, 1) - 1), false, matcher,
                 [&](std::size_t start) {
                   const int p = static_cast<int>(start + 1);
                   const int end = p + Len(word) - 1;
                   if ((left && !IsBoundedOnLeft(text, p)) || (right && !IsBoundedOnRight(text, end)))
                     return true;
                   return found(p);
                 });
}
}  // namespace

int PosWordFoundIn(std::u16string_view word, std::u16string_view text, TMySearchFlags flags, int from) {
  if (word.empty() || text.empty()) return -1;
  int result = -1;
  EachBoundedWord(word, text, flags, from, [&result](int p) {
    result = p;
    return false;
  });
  return result;
}

std::vector<int32_t> CharacterPositionsWordFoundIn(std::u16string_view word, std::u16string_view text,
                                                   TMySearchFlags flags, int from) {
  std::vector<int32_t> found;
  EachBoundedWord(word, text, flags, from, [&found](int p) {
    found.push_back(p);
    return true;
  });
  return found;
}

int WholeWordPositionOfXinUpcaseText(std::u16string_view x, std::u16string_view upcasedText, int from) {
  const int p = PosWordFoundIn(InvariantUpperCase(x), upcasedText,
                               TMySearchFlags{sw_flag_left_boundary, sw_flag_right_boundary}, from);
  return p > 0 ? p : 0;
}

UnicodeString ReplaceWholeWord(std::u16string_view text, std::u16string_view oldWord,
                               std::u16string_view newWord, bool caseSensitive) {
  if (oldWord.empty()) return UnicodeString(text);
  const UnicodeString sought = caseSensitive ? UnicodeString(oldWord) : InvariantUpperCase(oldWord);
  UnicodeString out;
  std::size_t copied = 0;  // text before this index is in out
  TUnitMatcher matcher(sought);
  EachOccurrence(sought, text, 0, !caseSensitive, matcher, [&](std::size_t start) {
    const std::size_t end = start + sought.size();
    if (IsWholeWord(text, static_cast<int>(start + 1), static_cast<int>(end))) {
      out.append(text.substr(copied, start - copied));
      out.append(newWord);
      copied = end;
      matcher.Restart();  // replacements do not overlap
    }
    return true;
  });
  out.append(text.substr(copied));
  return out;
}

int CaseInsensitiveUpperedPosEx(std::u16string_view upperedSub, std::u16string_view s, int offset) {
  int result = 0;
  TUnitMatcher matcher(upperedSub);
  EachOccurrence(upperedSub, s, static_cast<std::size_t>(std::max(offset, 1) - 1), true, matcher,
                 [&result](std::size_t start) {
                   result = static_cast<int>(start + 1);
                   return false;
                 });
  return result;
}

int CaseInsensitiveUpperedPos(std::u16string_view upperedSub, std::u16string_view s) {
  return CaseInsensitiveUpperedPosEx(upperedSub, s, 1);
}

int CaseInsensitivePosEx(std::u16string_view sub, std::u16string_view s, int offset) {
  return CaseInsensitiveUpperedPosEx(InvariantUpperCase(sub), s, offset);
}

int CaseInsensitivePos(std::u16string_view sub, std::u16string_view s) {
  return CaseInsensitivePosEx(sub, s, 1);
}

int NearerOfTwo(int p1, int p2) {
  if (p1 <= 0) return std::max(p2, 0);
  if (p2 <= 0) return p1;
  return std::min(p1, p2);
}

int PosExNearer(std::u16string_view sub1, std::u16string_view sub2, std::u16string_view s, int offset) {
  offset = std::max(offset, 1);
  const int a = sub1.empty() ? 0 : static_cast<int>(PosEx(sub1, s, offset));
  const int b = sub2.empty() ? 0 : static_cast<int>(PosEx(sub2, s, offset));
  return NearerOfTwo(a, b);
}

const char* StrPosNearerA(const char* s, const char* sub1, const char* sub2) {
  return NearerZ(s, sub1, sub2);
}

const WideChar* StrPosNearerW(const WideChar* s, const WideChar* sub1, const WideChar* sub2) {
  return NearerZ(s, sub1, sub2);
}

// ---- Trimming and stripping

UnicodeString WideTrimSpaceOnly(std::u16string_view s) {
  const auto b = s.find_first_not_of(u' ');
  if (b == std::u16string_view::npos) return {};
  return UnicodeString(s.substr(b, s.find_last_not_of(u' ') - b + 1));
}

UnicodeString StrippedDoubleSpaces(std::u16string_view s) {
  UnicodeString r;
  r.reserve(s.size());
  for (char16_t c : s)
    if (!(c == u' ' && !r.empty() && r.back() == u' ')) r.push_back(c);
  return r;
}

UnicodeString StrippedOfChar(std::u16string_view s, WideChar c) {
  UnicodeString r;
  for (char16_t x : s)
    if (x != c) r.push_back(x);
  return r;
}

UnicodeString StrippedOfChars(std::u16string_view s, std::u16string_view chars) {
  UnicodeString r;
  for (char16_t x : s)
    if (chars.find(x) == std::u16string_view::npos) r.push_back(x);
  return r;
}

UnicodeString StrippedOfCommas(std::u16string_view s) {
  return StrippedOfChar(s, u',');
}

UnicodeString StrippedOfSingleAmpersands(std::u16string_view s) {
  UnicodeString r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'&') {
      r.push_back(s[i]);
    } else if (i + 1 < s.size() && s[i + 1] == u'&') {
      r.push_back(u'&');
      ++i;
    }
  }
  return r;
}

UnicodeString StrippedSpacesAtLineStarts(std::u16string_view s) {
  UnicodeString r;
  bool atStart = true;
  for (char16_t c : s) {
    if (atStart && (c == u' ' || c == u'\t')) continue;
    atStart = IsLineBreak(c);
    r.push_back(c);
  }
  return r;
}

UnicodeString StrippedSpacesBeforePunctuation(std::u16string_view s) {
  UnicodeString r;
  for (char16_t c : s) {
    if (IsClosingPunctuation(c))
      while (!r.empty() && r.back() == u' ') r.pop_back();
    r.push_back(c);
  }
  return r;
}

UnicodeString StrippedMultipleLineEnds(std::u16string_view s) {
  UnicodeString r;
  for (std::size_t i = 0; i < s.size();) {
    if (IsLineBreak(s[i])) {
      while (i < s.size() && IsLineBreak(s[i])) ++i;
      r.append(u"\r\n");
    } else {
      r.push_back(s[i++]);
    }
  }
  return r;
}

UnicodeString StripWhiteSpaceAndCRLFW(std::u16string_view s) {
  UnicodeString r;
  for (char16_t c : s) {
    const bool white = c <= u' ' || c == 0x00A0;
    if (!white)
      r.push_back(c);
    else if (!r.empty() && r.back() != u' ')
      r.push_back(u' ');
  }
  if (!r.empty() && r.back() == u' ') r.pop_back();
  return r;
}

UnicodeString RemovedEmptyLinesOf(std::u16string_view s) {
  UnicodeString r;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t e = i;
    while (e < s.size() && !IsLineBreak(s[e])) ++e;
    const std::u16string_view line = s.substr(i, e - i);
    if (!Trim(line).empty()) {
      if (!r.empty()) r.append(u"\r\n");
      r.append(line);
    }
    if (e < s.size() && s[e] == u'\r' && e + 1 < s.size() && s[e + 1] == u'\n') ++e;
    i = e + 1;
  }
  return r;
}

UnicodeString RemovedInitialChar(std::u16string_view s, WideChar c) {
  return !s.empty() && s[0] == c ? UnicodeString(s.substr(1)) : UnicodeString(s);
}

// ---- Quoting and brackets

UnicodeString BracketedWith(std::u16string_view s, WideChar open, WideChar close) {
  UnicodeString r(1, open);
  r.append(s);
  r.push_back(close);
  return r;
}

UnicodeString UNBracketedWith(std::u16string_view s, WideChar open, WideChar close) {
  if (s.size() >= 2 && s.front() == open && s.back() == close)
    return UnicodeString(s.substr(1, s.size() - 2));
  return UnicodeString(s);
}

UnicodeString DoubleQuotesAdded(std::u16string_view s) {
  return BracketedWith(s, u'"', u'"');
}

UnicodeString DoubleQuotesRemoved(std::u16string_view s) {
  return UNBracketedWith(s, u'"', u'"');
}

UnicodeString AnyAngleBracketsToHTML(std::u16string_view s) {
  UnicodeString r;
  for (char16_t c : s) {
    if (c == u'<')
      r.append(u"&lt;");
    else if (c == u'>')
      r.append(u"&gt;");
    else
      r.push_back(c);
  }
  return r;
}

UnicodeString UnderscoredStr(std::u16string_view s) {
  return ReplacedCharWithChar(s, u' ', u'_');
}

// ---- Numbers as text

bool IsANumber(std::u16string_view s) {
  const UnicodeString t = Trim(s);
  double v = 0;
  return !t.empty() && TryStrToFloat(t, v);
}

UnicodeString DigitsOnlyOf(std::u16string_view s) {
  UnicodeString r;
  for (char16_t c : s)
    if (c >= u'0' && c <= u'9') r.push_back(c);
  return r;
}

UnicodeString FormattedWithDecimals(double value, int decimals) {
  if (!std::isfinite(value)) return Utf16Ascii(std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF"));
  UnicodeString plain = FixedDecimals(value, decimals);
  // Group the integer digits in threes.
  const std::size_t first = plain[0] == u'-' ? 1 : 0;
  std::size_t intEnd = plain.find(FormatSettings.DecimalSeparator);
  if (intEnd == UnicodeString::npos) intEnd = plain.size();
  for (std::ptrdiff_t p = static_cast<std::ptrdiff_t>(intEnd) - 3; p > static_cast<std::ptrdiff_t>(first);
       p -= 3)
    plain.insert(static_cast<std::size_t>(p), 1, FormatSettings.ThousandSeparator);
  return plain;
}

UnicodeString EasiestNRepresentationOfLargeNumber(int64_t n) {
  const double a = std::fabs(static_cast<double>(n));
  static const struct {
    double size;
    const char16_t* suffix;
  } kSteps[] = {{1e3, u"K"}, {1e6, u"M"}, {1e9, u"B"}, {1e12, u"T"}};
  int step = -1;
  while (step < 3 && a >= kSteps[step + 1].size) ++step;
  if (step < 0) return IntToStr(n);
  UnicodeString r = FixedDecimals(static_cast<double>(n) / kSteps[step].size, 1);
  // A number that rounds up to a thousand of its unit is shown in the next one: 999950 is "1M".
  const std::size_t digits = r.find(FormatSettings.DecimalSeparator) - (r[0] == u'-' ? 1 : 0);
  if (digits > 3 && step < 3) r = FixedDecimals(static_cast<double>(n) / kSteps[++step].size, 1);
  if (r.size() > 2 && r[r.size() - 1] == u'0') r.resize(r.size() - 2);
  return r + kSteps[step].suffix;
}

UnicodeString PValueStr(double p) {
  if (std::isnan(p)) return FormattedWithDecimals(p, 4);
  if (p < 0.0001) return u"< " + FixedDecimals(0.0001, 4);
  return FixedDecimals(p, 4);
}

UnicodeString OrdinalFormatOf(int64_t n) {
  const uint64_t a = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  const char16_t* suffix = u"th";
  if (a % 100 < 11 || a % 100 > 13) {
    if (a % 10 == 1)
      suffix = u"st";
    else if (a % 10 == 2)
      suffix = u"nd";
    else if (a % 10 == 3)
      suffix = u"rd";
  }
  return IntToStr(n) + suffix;
}

UnicodeString ValueToByteStr(int64_t bytes) {
  if (bytes < 1024 && bytes > -1024) return IntToStr(bytes) + u" bytes";
  static const char16_t* kUnits[] = {u" KB", u" MB", u" GB", u" TB", u" PB"};
  double v = static_cast<double>(bytes);
  int u = -1;
  // Move up a unit also when the value would round up to 1024 of this one.
  while (u < 4 && (std::fabs(v) >= 1024 || (u >= 0 && std::round(std::fabs(v) * 10) >= 10240)))
    v /= 1024, ++u;
  UnicodeString r = FixedDecimals(v, 1);
  if (r.size() > 2 && r.back() == u'0') r.resize(r.size() - 2);
  return r + kUnits[u];
}

UnicodeString WithLeftZeros(int64_t n, int width) {
  UnicodeString digits = UIntToStr(n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n));
  const int want = std::clamp(width, 0, 64) - (n < 0 ? 1 : 0);
  if (Len(digits) < want) digits.insert(0, static_cast<std::size_t>(want - Len(digits)), u'0');
  return n < 0 ? u"-" + digits : digits;
}

UnicodeString ToHexNumStr(uint64_t n, int digits) {
  return IntToHex(n, std::clamp(digits, 1, 16));
}

int64_t FromHexNumStr(std::u16string_view s, int64_t def) {
  UnicodeString t = Trim(s);
  std::u16string_view v = t;
  if (StartsText(u"#x", v))
    v.remove_prefix(2);
  else if (StartsText(u"0x", v))
    v.remove_prefix(2);
  else if (!v.empty() && (v[0] == u'$' || v[0] == u'x' || v[0] == u'X'))
    v.remove_prefix(1);
  else if (!v.empty() && (v.back() == u'h' || v.back() == u'H'))
    v.remove_suffix(1);
  if (v.empty() || v.size() > 16) return def;
  uint64_t r = 0;
  for (char16_t c : v) {
    int d;
    if (c >= u'0' && c <= u'9')
      d = c - u'0';
    else if (c >= u'a' && c <= u'f')
      d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
      d = c - u'A' + 10;
    else
      return def;
    r = r * 16 + static_cast<uint64_t>(d);
  }
  return static_cast<int64_t>(r);
}

int64_t FromNumStr(std::u16string_view s, int64_t def) {
  const UnicodeString t = Trim(s);
  if (t.empty()) return def;
  const char16_t f = t[0];
  const char16_t b = t.back();
  // A trailing "H" marks hexadecimal only after a leading digit ("0FFh"), so words such as "each" stay words.
  const bool trailingH = (b == u'h' || b == u'H') && f >= u'0' && f <= u'9';
  if (f == u'x' || f == u'X' || f == u'$' || StartsText(u"0x", t) || trailingH) return FromHexNumStr(t, def);
  int64_t v = 0;
  return TryStrToInt64(t, v) ? v : def;
}

int32_t IntegerInsideSquareBrackets(std::u16string_view s) {
  const auto open = s.find(u'[');
  if (open == std::u16string_view::npos) return -1;
  const auto close = s.find(u']', open + 1);
  if (close == std::u16string_view::npos) return -1;
  return StrToIntDef(Trim(s.substr(open + 1, close - open - 1)), -1);
}

int PositionOfNumberInString(std::u16string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i)
    if (s[i] >= u'0' && s[i] <= u'9') return static_cast<int>(i + 1);
  return 0;
}

int64_t ANumberInHumanString(std::u16string_view s) {
  const int p = PositionOfNumberInString(s);
  if (p == 0) return -1;
  std::size_t e = static_cast<std::size_t>(p - 1);
  while (e < s.size() && s[e] >= u'0' && s[e] <= u'9') ++e;
  return StrToInt64Def(s.substr(static_cast<std::size_t>(p - 1), e - static_cast<std::size_t>(p - 1)), -1);
}

UnicodeString HumanAbbreviatedNumberListString(std::vector<int32_t> numbers) {
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  UnicodeString r;
  for (std::size_t i = 0; i < numbers.size();) {
    std::size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    if (!r.empty()) r.append(u", ");
    if (j >= i + 2) {
      r += IntToStr(numbers[i]) + u"-" + IntToStr(numbers[j]);
      i = j + 1;
    } else {
      r += IntToStr(numbers[i]);
      ++i;
    }
  }
  return r;
}

namespace {

using NumberRange = std::pair<int32_t, int32_t>;

// The ranges a human number list names ("1-3, 5"), each cut to lowest..highest, merged and in order: numbers
// outside the bounds and repeated numbers never crowd out the ones wanted.
std::vector<NumberRange> HumanListRanges(std::u16string_view s, int32_t lowest, int32_t highest) {
  std::vector<NumberRange> ranges;
  std::size_t i = 0;
  auto isSep = [](char16_t c) { return c == u',' || c == u';' || c <= u' '; };
  while (i < s.size()) {
    while (i < s.size() && isSep(s[i])) ++i;
    std::size_t e = i;
    while (e < s.size() && !isSep(s[e])) ++e;
    // "a - b" written with spaces round the dash joins into one piece.
    std::size_t next = e;
    while (next < s.size() && s[next] == u' ') ++next;
    if (next < s.size() && s[next] == u'-' && e > i) {
      ++next;
      while (next < s.size() && s[next] == u' ') ++next;
      e = next;
      while (e < s.size() && !isSep(s[e])) ++e;
    }
    const UnicodeString piece = StrippedOfChar(s.substr(i, e - i), u' ');
    i = e;
    if (piece.empty()) continue;
    const auto dash = piece.find(u'-', 1);
    int32_t lo = 0, hi = 0;
    if (dash == UnicodeString::npos) {
      if (!TryStrToInt(piece, lo)) continue;
      hi = lo;
    } else if (!TryStrToInt(std::u16string_view(piece).substr(0, dash), lo) ||
               !TryStrToInt(std::u16string_view(piece).substr(dash + 1), hi)) {
      continue;
    }
    if (lo > hi) std::swap(lo, hi);
    lo = std::max(lo, lowest);
    hi = std::min(hi, highest);
    if (lo <= hi) ranges.emplace_back(lo, hi);
  }
  std::sort(ranges.begin(), ranges.end());
  std::vector<NumberRange> merged;
  for (const NumberRange& r : ranges) {
    if (!merged.empty() && static_cast<int64_t>(r.first) <= static_cast<int64_t>(merged.back().second) + 1)
      merged.back().second = std::max(merged.back().second, r.second);
    else
      merged.push_back(r);
  }
  return merged;
}

}  // namespace

std::vector<int32_t> HumanAbbreviatedNumberListStringAsIntegers(std::u16string_view s, int32_t maxCount) {
  std::vector<int32_t> out;
  for (const NumberRange& r : HumanListRanges(s, INT32_MIN, INT32_MAX))
    for (int64_t v = r.first; v <= r.second && static_cast<int64_t>(out.size()) < maxCount; ++v)
      out.push_back(static_cast<int32_t>(v));
  return out;
}

UnicodeString HumanAbbreviatedNumberListStringExpanded(std::u16string_view s) {
  UnicodeString r;
  for (int32_t v : HumanAbbreviatedNumberListStringAsIntegers(s)) {
    if (!r.empty()) r.append(u", ");
    r += IntToStr(v);
  }
  return r;
}

UnicodeString HumanAbbreviatedNumberListStringToMonths(std::u16string_view s) {
  std::vector<int32_t> months;
  for (const NumberRange& r : HumanListRanges(s, 1, 12))
    for (int32_t v = r.first; v <= r.second; ++v) months.push_back(v);
  UnicodeString r = HumanAbbreviatedNumberListString(months);
  // Replace each number by its month name, longest numbers first so "12" is not read as "1", "2".
  UnicodeString out;
  for (std::size_t i = 0; i < r.size();) {
    if (r[i] >= u'0' && r[i] <= u'9') {
      std::size_t e = i;
      while (e < r.size() && r[e] >= u'0' && r[e] <= u'9') ++e;
      out += FormatSettings.ShortMonthNames[static_cast<std::size_t>(StrToInt(r.substr(i, e - i)) - 1)];
      i = e;
    } else {
      out.push_back(r[i++]);
    }
  }
  return out;
}

std::vector<bool> ConvertStringToRangeOfBoolean(std::u16string_view s, int32_t count) {
  std::vector<bool> r(static_cast<std::size_t>(std::max(count, 0)), false);
  for (const NumberRange& range : HumanListRanges(s, 1, std::max(count, 1)))
    for (int32_t v = range.first; v <= range.second && v <= count; ++v)
      r[static_cast<std::size_t>(v - 1)] = true;
  return r;
}

// ---- Case

bool IsAllUppercase(std::u16string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char32_t c = CharStartingAt(s, i);
    if (c > 0xFFFF) ++i;
    if (u_islower(static_cast<UChar32>(c))) return false;
  }
  return true;
}

bool NextWordCapitalised(std::u16string_view s, int from) {
  for (std::size_t i = static_cast<std::size_t>(std::max(from, 1) - 1); i < s.size(); ++i) {
    const char32_t c = CharStartingAt(s, i);
    if (u_isalpha(static_cast<UChar32>(c))) return u_isupper(static_cast<UChar32>(c)) || u_istitle(c);
    if (c > 0xFFFF) ++i;
  }
  return false;
}

bool FirstLetterIsCapitalised(std::u16string_view s) {
  return NextWordCapitalised(s, 1);
}

bool FirstCharIsLowerCase(std::u16string_view s) {
  return !s.empty() && u_islower(static_cast<UChar32>(CharStartingAt(s, 0)));
}

UnicodeString TitleCasedString(std::u16string_view s) {
  UnicodeString r(s);
  bool inWord = false;
  for (std::size_t i = 0; i < r.size(); ++i) {
    const char16_t c = r[i];
    const bool word = IsWordCharacter(CharStartingAt(r, i)) || IsLow(c);
    if (word && !IsLow(c)) r[i] = inWord ? InvariantLowCase(c) : InvariantUpCase(c);
    inWord = word;
  }
  return r;
}

// ---- Strings and string lists

std::vector<UnicodeString> StringArrayFromString(std::u16string_view s, WideChar separator) {
  std::vector<UnicodeString> out;
  std::size_t i = 0;
  while (i <= s.size()) {
    auto e = s.find(separator, i);
    if (e == std::u16string_view::npos) e = s.size();
    UnicodeString piece = Trim(s.substr(i, e - i));
    if (!piece.empty()) out.push_back(std::move(piece));
    i = e + 1;
  }
  return out;
}

void StringToStringList(std::u16string_view s, TStrings& list, WideChar separator) {
  list.Clear();
  for (const UnicodeString& piece : StringArrayFromString(s, separator)) list.Add(piece);
}

std::unique_ptr<TStringList> StringListFromString(std::u16string_view s, WideChar separator) {
  auto list = std::make_unique<TStringList>();
  StringToStringList(s, *list, separator);
  return list;
}

void StringToStringListAllowDoubleQuotes(std::u16string_view s, TStrings& list, WideChar separator) {
  list.Clear();
  UnicodeString piece;
  bool quoted = false;
  auto flush = [&] {
    UnicodeString t = Trim(piece);
    if (!t.empty()) list.Add(t);
    piece.clear();
  };
  for (char16_t c : s) {
    if (c == u'"')
      quoted = !quoted;
    else if (c == separator && !quoted)
      flush();
    else
      piece.push_back(c);
  }
  flush();
}

UnicodeString StringListToString(const TStrings& list, std::u16string_view separator) {
  UnicodeString r;
  for (int32_t i = 0; i < list.Count(); ++i) {
    if (i > 0) r.append(separator);
    r.append(list.Get(i));
  }
  return r;
}

void StringToStringlistWithLineWidth(std::u16string_view s, TStrings& list, int width) {
  list.Clear();
  UnicodeString line;
  for (const UnicodeString& word : StringArrayFromString(StripWhiteSpaceAndCRLFW(s), u' ')) {
    if (!line.empty() && Len(line) + 1 + Len(word) > width) {
      list.Add(line);
      line.clear();
    }
    if (!line.empty()) line.push_back(u' ');
    line.append(word);
  }
  if (!line.empty()) list.Add(line);
}

void TrimAStringlist(TStrings& list) {
  for (int32_t i = list.Count() - 1; i >= 0; --i) {
    const UnicodeString t = Trim(list.Get(i));
    if (t.empty())
      list.Delete(i);
    else
      list.Put(i, t);
  }
}

void ReverseAStringList(TStrings& list) {
  for (int32_t i = 0, j = list.Count() - 1; i < j; ++i, --j) list.Exchange(i, j);
}

namespace {
// Indexes 0..count-1, n of them chosen at random, ascending.
std::vector<int32_t> RandomIndexes(int32_t count, int32_t n, uint32_t seed) {
  std::vector<int32_t> idx(static_cast<std::size_t>(std::max(count, 0)));
  for (int32_t i = 0; i < count; ++i) idx[static_cast<std::size_t>(i)] = i;
  if (n >= count) return idx;
  std::mt19937 gen(seed ? seed : std::random_device{}());
  std::shuffle(idx.begin(), idx.end(), gen);
  idx.resize(static_cast<std::size_t>(std::max(n, 0)));
  std::sort(idx.begin(), idx.end());
  return idx;
}
}  // namespace

void RandomReduceStringlist(TStrings& list, int32_t n, uint32_t seed) {
  const std::vector<int32_t> keep = RandomIndexes(list.Count(), n, seed);
  std::vector<bool> kept(static_cast<std::size_t>(list.Count()), false);
  for (int32_t k : keep) kept[static_cast<std::size_t>(k)] = true;
  for (int32_t i = list.Count() - 1; i >= 0; --i)
    if (!kept[static_cast<std::size_t>(i)]) list.Delete(i);
}

void CopyRandomSampleFromStringlistAtoB(const TStrings& a, TStrings& b, int32_t n, uint32_t seed) {
  // Taken before b is cleared, so that a list may be sampled into itself.
  std::vector<std::pair<UnicodeString, TObject*>> sample;
  for (int32_t k : RandomIndexes(a.Count(), n, seed)) sample.emplace_back(a.Get(k), a.GetObject(k));
  b.Clear();
  for (auto& [text, object] : sample) b.AddObject(text, object);
}

int32_t StringListRemoveLinesMeetingCondition(TStrings& list,
                                              const std::function<bool(const UnicodeString&)>& condition) {
  int32_t removed = 0;
  for (int32_t i = list.Count() - 1; i >= 0; --i) {
    if (condition(list.Get(i))) {
      list.Delete(i);
      ++removed;
    }
  }
  return removed;
}

int32_t StringListRemovingAnyLines(TStrings& list, const TStrings& unwanted) {
  return StringListRemoveLinesMeetingCondition(
      list, [&unwanted](const UnicodeString& s) { return unwanted.IndexOf(s) >= 0; });
}

void ForceItemsToInclude(TStrings& list, const TStrings& items) {
  for (int32_t i = 0; i < items.Count(); ++i)
    if (list.IndexOf(items.Get(i)) < 0) list.Add(items.Get(i));
}

std::unique_ptr<TStringList> TArrayOfIntegersToStringlist(const std::vector<int32_t>& values) {
  auto list = std::make_unique<TStringList>();
  for (int32_t v : values) list->Add(IntToStr(v));
  return list;
}

std::vector<std::unique_ptr<TStringList>> ArrayOfStringlists(int32_t n) {
  std::vector<std::unique_ptr<TStringList>> lists;
  for (int32_t i = 0; i < n; ++i) lists.push_back(std::make_unique<TStringList>());
  return lists;
}

UnicodeString NormalisedLineForCustomSort(std::u16string_view line, std::u16string_view order) {
  const UnicodeString upperOrder = InvariantUpperCase(order);
  UnicodeString key;
  key.reserve(line.size() * 2);
  for (char16_t c : line) {
    const auto k = upperOrder.find(InvariantUpCase(c));
    // Two units per character: a class (alphabet first), then the rank or the code.
    if (k != UnicodeString::npos) {
      key.push_back(1);
      key.push_back(static_cast<char16_t>(k));
    } else {
      key.push_back(2);
      key.push_back(c);
    }
  }
  return key;
}

void CustomSortPreparedStringlist(TStringList& list, std::u16string_view order) {
  if (list.Sorted()) return;  // a sorted list keeps its own order, as its sorts do
  std::vector<UnicodeString> keys;
  for (int32_t i = 0; i < list.Count(); ++i) keys.push_back(NormalisedLineForCustomSort(list.Get(i), order));
  // Attach each line's key index so the sort moves keys with their lines.
  std::vector<int32_t> perm(keys.size());
  for (std::size_t i = 0; i < perm.size(); ++i) perm[i] = static_cast<int32_t>(i);
  std::stable_sort(perm.begin(), perm.end(), [&keys](int32_t a, int32_t b) {
    return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
  });
  std::vector<std::pair<UnicodeString, TObject*>> items;
  for (int32_t i : perm) items.emplace_back(list.Get(i), list.GetObject(i));
  const bool owns = list.OwnsObjects;
  list.OwnsObjects = false;  // the objects move, they are not freed
  list.BeginUpdate();
  list.Clear();
  for (auto& [s, o] : items) list.AddObject(s, o);
  list.EndUpdate();
  list.OwnsObjects = owns;
}

std::unique_ptr<TStringList> CustomLinesSorted(const TStrings& list, std::u16string_view order) {
  auto sorted = std::make_unique<TStringList>();
  for (int32_t i = 0; i < list.Count(); ++i) sorted->Add(list.Get(i));
  CustomSortPreparedStringlist(*sorted, order);
  return sorted;
}

namespace {
single HeldSingle(const TStrings& list, int32_t i) {
  const auto* h = dynamic_cast<const TSingleHolder*>(list.GetObject(i));
  return h ? h->fdata : 0.0f;
}
}  // namespace

std::unique_ptr<TStringList> FormatStringListWithPOintersAsSingles(const TStrings& list, int decimals) {
  auto out = std::make_unique<TStringList>();
  for (int32_t i = 0; i < list.Count(); ++i)
    out->Add(AddWithTab(list.Get(i), FixedDecimals(HeldSingle(list, i), decimals)));
  return out;
}

UnicodeString StringListAsStringWithPointersFormattedAs(const TStrings& list, int decimals,
                                                        std::u16string_view separator) {
  UnicodeString r;
  for (int32_t i = 0; i < list.Count(); ++i) {
    if (i > 0) r.append(separator);
    r += list.Get(i) + u" (" + FixedDecimals(HeldSingle(list, i), decimals) + u")";
  }
  return r;
}

UnicodeString FolderNamesAsText(const TStrings& folders) {
  return StringListToString(folders, u"; ");
}

UnicodeString CommaSeparatedStrings(const TStrings& list) {
  return StringListToString(list, u", ");
}

UnicodeString StrSeparatedWithChar(const TStrings& list, WideChar c) {
  return StringListToString(list, std::u16string_view(&c, 1));
}

UnicodeString AddToListWithSeparatorIfNeeded(std::u16string_view s, std::u16string_view item,
                                             std::u16string_view separator) {
  UnicodeString r(s);
  if (!r.empty()) r.append(separator);
  return r.append(item);
}

// ---- Replacing characters

UnicodeString Replace1With2In(std::u16string_view s, WideChar c, std::u16string_view two) {
  UnicodeString r;
  for (char16_t x : s) {
    if (x == c)
      r.append(two);
    else
      r.push_back(x);
  }
  return r;
}

UnicodeString ReplacedCharWithChar(std::u16string_view s, WideChar from, WideChar to) {
  UnicodeString r(s);
  std::replace(r.begin(), r.end(), from, to);
  return r;
}

UnicodeString Replace2With4In(std::u16string_view s, std::u16string_view two, std::u16string_view four) {
  return StringReplace(s, two, four, rfReplaceAll);
}

UnicodeString ReplaceAnyOfTheseWithChar(std::u16string_view s, std::u16string_view these, WideChar c) {
  UnicodeString r(s);
  for (auto& x : r)
    if (these.find(x) != std::u16string_view::npos) x = c;
  return r;
}

UnicodeString ReplaceEachOfTheseWithEachOfChar(std::u16string_view s, std::u16string_view these,
                                               std::u16string_view withThese) {
  UnicodeString r(s);
  for (auto& x : r) {
    const auto k = these.find(x);
    if (k != std::u16string_view::npos && k < withThese.size()) x = withThese[k];
  }
  return r;
}

AnsiString AnsiStringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern) {
  if (oldPattern.empty()) return AnsiString(s);
  AnsiString r;
  std::size_t i = 0;
  for (std::size_t p; (p = s.find(oldPattern, i)) != std::string_view::npos; i = p + oldPattern.size()) {
    r.append(s.substr(i, p - i));
    r.append(newPattern);
  }
  r.append(s.substr(i));
  return r;
}

// ---- File names and text files

UnicodeString BothSlashesExtractFilename(std::u16string_view path) {
  return ExtractFileName(path);  // splits at both separators
}

namespace {
// 0-based index of the extension's dot in the file-name part, or npos.
std::size_t ExtensionDot(std::u16string_view name) {
  const auto slash = name.find_last_of(u"/\\");
  const auto dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos || (slash != std::u16string_view::npos && dot < slash))
    return name.npos;
  if (dot == (slash == std::u16string_view::npos ? 0 : slash + 1)) return name.npos;  // ".profile"
  return dot;
}
}  // namespace

UnicodeString EnsureFileHasExtension(std::u16string_view name, std::u16string_view ext) {
  if (ExtensionDot(name) != std::u16string_view::npos || ext.empty()) return UnicodeString(name);
  UnicodeString r(name);
  if (ext[0] != u'.') r.push_back(u'.');
  return r.append(ext);
}

UnicodeString FilenameWithInsertion(std::u16string_view name, std::u16string_view insertion) {
  UnicodeString r(name);
  const auto dot = ExtensionDot(name);
  r.insert(dot == std::u16string_view::npos ? r.size() : dot, insertion);
  return r;
}

UnicodeString AcceptableFilename(std::u16string_view s) {
  UnicodeString r(s);
  for (auto& c : r)
    if (c < u' ' || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) c = u'_';
  return r;
}

void CopyStringsReplacing(const TStrings& src, TStrings& dst, std::u16string_view oldPattern,
                          std::u16string_view newPattern) {
  // Built before dst is cleared, so that a list may be rewritten in place.
  std::vector<UnicodeString> lines;
  lines.reserve(static_cast<std::size_t>(src.Count()));
  for (int32_t i = 0; i < src.Count(); ++i)
    lines.push_back(oldPattern.empty() ? src.Get(i)
                                       : StringReplace(src.Get(i), oldPattern, newPattern, rfReplaceAll));
  dst.Clear();
  for (const UnicodeString& line : lines) dst.Add(line);
}

namespace {
bool AppendBytes(const UnicodeString& fileName, const std::string& bytes, const std::string& ifNew) {
  try {
    const bool exists = FileExists(fileName);
    TFileStream f(fileName, exists ? fmOpenReadWrite : fmCreate);
    if (exists)
      f.Seek(0, soEnd);
    else if (!ifNew.empty())
      f.WriteBuffer(ifNew.data(), static_cast<int64_t>(ifNew.size()));
    f.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return true;
  } catch (const Exception&) {
    return false;
  }
}
}  // namespace

bool AnsiAppendToTextFile(const UnicodeString& fileName, std::string_view line) {
  return AppendBytes(fileName, std::string(line) + "\r\n", {});
}

bool UnicodeAppendToTextFile(const UnicodeString& fileName, std::u16string_view line) {
  std::string bytes;
  auto put = [&bytes](char16_t c) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  };
  for (char16_t c : line) put(c);
  put(u'\r');
  put(u'\n');
  return AppendBytes(fileName, bytes, std::string("\xFF\xFE", 2));
}

// ---- Miscellaneous

UnicodeString YesorNo(bool b) {
  return b ? _LXYesWord.Text() : _LXNoWord.Text();
}

UnicodeString AddWithTab(std::u16string_view s, std::u16string_view item) {
  UnicodeString r(s);
  r.push_back(u'\t');
  return r.append(item);
}

UnicodeString InterspersedWithSpaces(std::u16string_view s) {
  UnicodeString r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!r.empty() && !IsLow(s[i])) r.push_back(u' ');
    r.push_back(s[i]);
  }
  return r;
}

UnicodeString BackwardsStr(std::u16string_view s) {
  UnicodeString r(s.rbegin(), s.rend());
  for (std::size_t i = 0; i + 1 < r.size(); ++i)
    if (IsLow(r[i]) && IsHigh(r[i + 1])) std::swap(r[i], r[i + 1]), ++i;
  return r;
}

UnicodeString StringInNCharacterChunks(std::u16string_view s, int n, WideChar separator) {
  if (n <= 0) return UnicodeString(s);
  UnicodeString r;
  int inChunk = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (IsLow(s[i]) && i > 0 && IsHigh(s[i - 1])) {
      r.push_back(s[i]);
      continue;
    }
    if (inChunk == n) {
      r.push_back(separator);
      inChunk = 0;
    }
    r.push_back(s[i]);
    ++inChunk;
  }
  return r;
}

UnicodeString StringWithACheckMarkAtEnd(std::u16string_view s) {
  return UnicodeString(s) + u" \u2713";
}

UnicodeString FirstXCharactersOfString(std::u16string_view s, int x) {
  if (x <= 0) return {};
  std::size_t n = std::min<std::size_t>(s.size(), static_cast<std::size_t>(x));
  if (n > 0 && n < s.size() && IsHigh(s[n - 1]) && IsLow(s[n])) --n;
  return UnicodeString(s.substr(0, n));
}

WideChar WideCharFromCardinal(uint32_t c) {
  return c <= 0xFFFF ? static_cast<WideChar>(c) : static_cast<WideChar>(0xFFFD);
}

UnicodeString WideStringFromCardinal(uint32_t c) {
  if (c == 0 || c > 0x10FFFF || U_IS_SURROGATE(c)) return {};
  if (U16_LENGTH(c) == 1) return UnicodeString(1, static_cast<char16_t>(c));
  return {static_cast<char16_t>(U16_LEAD(c)), static_cast<char16_t>(U16_TRAIL(c))};
}

TSize TextSizeOfString(std::u16string_view s, const TFont& font) {
  const TFontMeasure measure(font);
  TSize size;
  int32_t lines = 0;
  std::size_t start = 0;
  while (start < s.size() || lines == 0) {
    std::size_t end = s.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = s.size();
    size.cx = std::max(size.cx, measure.LineWidth(s.substr(start, end - start)));
    ++lines;
    if (end < s.size() && s[end] == u'\r' && end + 1 < s.size() && s[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  size.cy = static_cast<int32_t>(std::min<int64_t>(int64_t{lines} * measure.Metrics().tmHeight, INT32_MAX));
  return size;
}

int32_t TextWidthOfString(std::u16string_view s, const TFont& font) {
  return TextSizeOfString(s, font).cx;
}

}  // namespace lx
