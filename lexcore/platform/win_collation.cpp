#include "lexcore/platform/win_collation.h"

#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>

#include "lexcore/platform/collation_rules.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_compose.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

uint32_t Global_CompareStringFlags = 0;

namespace {

constexpr uint32_t kKnownFlags = NORM_IGNORECASE | NORM_IGNORENONSPACE | NORM_IGNORESYMBOLS |
                                 SORT_DIGITSASNUMBERS | LINGUISTIC_IGNORECASE | SORT_STRINGSORT;
// The flags that change the collator. Case and accents are not left to the collator's strength, which would
// also erase width, kana and compatibility differences: the texts lose their case or marks before a
// comparison at full strength instead.
constexpr uint32_t kCollatorFlags = NORM_IGNORESYMBOLS | SORT_DIGITSASNUMBERS;
constexpr uint32_t kIgnoreCase = NORM_IGNORECASE | LINGUISTIC_IGNORECASE;

std::string CollationLocale(uint32_t lcid) {
  lcid = ResolveLCID(lcid);
  if (lcid == LOCALE_INVARIANT) return "root";
  char buf[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode err = U_ZERO_ERROR;
  uloc_getLocaleForLCID(lcid, buf, sizeof buf, &err);
  if (U_FAILURE(err) || !buf[0]) return "root";
  return buf;
}

UCollator* OpenTailored(const std::string& locale, UErrorCode& err) {
  UCollator* base = ucol_open(locale.c_str(), &err);
  if (U_FAILURE(err)) return nullptr;
  std::u16string rules;
  if (!CollationRules(locale, base, rules)) return base;
  // Most locales share one set of rules, whose collator was built with the library: building it from the
  // rules takes longer than most word lists take to sort.
  UCollator* coll = OpenPrebuiltCollator(rules);
  if (!coll) coll = CollatorFromRules(rules);
  if (!coll) return base;  // the locale's order without the additions
  ucol_close(base);
  return coll;
}

UCollator* OpenCollator(const std::string& locale, uint32_t flags) {
  UErrorCode err = U_ZERO_ERROR;
  UCollator* coll = OpenTailored(locale, err);
  if (U_FAILURE(err) || !coll) {
    err = U_ZERO_ERROR;
    coll = OpenTailored("", err);
    if (U_FAILURE(err) || !coll) return nullptr;
  }
  // The fourth level tells katakana from hiragana where a tailoring (Japanese) puts the difference there; it
  // holds nothing else unless symbols are shifted, and then it would bring the ignored symbols back.
  ucol_setStrength(coll, (flags & NORM_IGNORESYMBOLS) ? UCOL_TERTIARY : UCOL_QUATERNARY);
  // Marks in a different order, or composed and decomposed forms, are the same text.
  ucol_setAttribute(coll, UCOL_NORMALIZATION_MODE, UCOL_ON, &err);
  if (flags & NORM_IGNORESYMBOLS) {
    ucol_setAttribute(coll, UCOL_ALTERNATE_HANDLING, UCOL_SHIFTED, &err);
    ucol_setMaxVariable(coll, UCOL_REORDER_CODE_SYMBOL, &err);
  }
  if (flags & SORT_DIGITSASNUMBERS) ucol_setAttribute(coll, UCOL_NUMERIC_COLLATION, UCOL_ON, &err);
  return coll;
}

// Collators are built once per (locale, settings) and each thread works on its own clone.
struct CollatorCloser {
  void operator()(UCollator* c) const { ucol_close(c); }
};

std::mutex gCollatorMutex;
std::map<std::pair<std::string, uint32_t>, std::unique_ptr<UCollator, CollatorCloser>> gCollators;

UCollator* SharedCollator(const std::string& locale, uint32_t flags) {
  std::lock_guard<std::mutex> lock(gCollatorMutex);
  auto key = std::make_pair(locale, flags);
  auto it = gCollators.find(key);
  if (it != gCollators.end()) return it->second.get();
  UCollator* coll = OpenCollator(locale, flags);
  gCollators.emplace(std::move(key), std::unique_ptr<UCollator, CollatorCloser>(coll));
  return coll;
}

// What a thread's comparisons work with: its own clones of the collators, the one used last at hand (a sort
// asks for the same one millions of times), and buffers that keep their size from call to call. One
// thread-local object, so a comparison looks up its thread's storage once.
struct ThreadCollation {
  std::map<std::pair<uint32_t, uint32_t>, UCollator*> map;
  std::pair<uint32_t, uint32_t> lastKey{UINT32_MAX, UINT32_MAX};
  UCollator* last = nullptr;
  std::u16string neutralA, neutralB, bufferA, bufferB;
  ~ThreadCollation() {
    for (auto& [key, coll] : map) ucol_close(coll);
  }
  UCollator* Get(uint32_t lcid, uint32_t flags) {
    const auto key = std::make_pair(lcid, flags);
    if (key == lastKey) return last;
    auto it = map.find(key);
    if (it == map.end()) {
      UCollator* shared = SharedCollator(CollationLocale(lcid), flags);
      UCollator* clone = nullptr;
      if (shared) {
        UErrorCode err = U_ZERO_ERROR;
        clone = ucol_clone(shared, &err);
        if (U_FAILURE(err)) clone = nullptr;
      }
      it = map.emplace(key, clone).first;
    }
    lastKey = key;
    last = it->second;
    return last;
  }
};

ThreadCollation& ThisThread() {
  thread_local ThreadCollation collation;
  return collation;
}

// Hyphens, dashes and the straight apostrophe; the right single quote is punctuation like any other.
// Letters and digits are above the hyphen and below the dashes: two comparisons tell them.
bool IsWordSortSpecial(char16_t c) {
  if (c <= u'-') return c == u'-' || c == u'\'';
  return c >= 0x2010 && (c <= 0x2011 || c == 0x2013 || c == 0x2014 || c == 0xFF07 || c == 0xFF0D);
}

// The text without its hyphens and apostrophes, in a buffer reused by the thread.
std::u16string_view WithoutSpecials(std::u16string_view s, std::u16string& buffer) {
  if (std::none_of(s.begin(), s.end(), IsWordSortSpecial)) return s;
  buffer.clear();
  for (char16_t c : s)
    if (!IsWordSortSpecial(c)) buffer.push_back(c);
  return buffer;
}

// After everything else agrees: the text with fewer hyphens and apostrophes, or with them further right,
// comes first.
int CompareSpecials(std::u16string_view a, std::u16string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  for (;;) {
    while (i < a.size() && !IsWordSortSpecial(a[i])) ++i;
    while (j < b.size() && !IsWordSortSpecial(b[j])) ++j;
    const bool endA = i == a.size();
    const bool endB = j == b.size();
    if (endA || endB) return endA == endB ? 0 : (endA ? -1 : 1);
    if (i != j) return i > j ? -1 : 1;
    if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
    ++i;
    ++j;
  }
}

bool TurkicLocale(uint32_t lcid) {
  const uint32_t primary = PRIMARYLANGID(lcid);
  return primary == LANG_TURKISH || primary == LANG_AZERI;
}

// The text as NORM_IGNORECASE and NORM_IGNORENONSPACE see it: simply case-folded (dotless i stays apart in
// Turkish and Azeri), and without its nonspacing marks. Written to a buffer reused by the thread.
std::u16string_view Neutralised(std::u16string_view s, uint32_t flags, bool turkic, std::u16string& buffer) {
  const bool ignoreCase = flags & kIgnoreCase;
  const bool ignoreMarks = flags & NORM_IGNORENONSPACE;
  if (!ignoreCase && !ignoreMarks) return s;
  const UnicodeString decomposed = ignoreMarks ? DecomposeCanonical(s) : UnicodeString();
  const std::u16string_view source = ignoreMarks ? std::u16string_view(decomposed) : s;
  const uint32_t foldOptions = turkic ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT;
  buffer.clear();
  for (std::size_t i = 0; i < source.size();) {
    UChar32 c;
    U16_NEXT(source.data(), i, source.size(), c);
    if (ignoreMarks && u_charType(c) == U_NON_SPACING_MARK) continue;
    if (ignoreCase) c = u_foldCase(c, foldOptions);
    if (U16_LENGTH(c) == 1) {
      buffer.push_back(static_cast<char16_t>(c));
    } else {
      buffer.push_back(U16_LEAD(c));
      buffer.push_back(U16_TRAIL(c));
    }
  }
  return buffer;
}

int ToCstr(int c) {
  return c < 0 ? CSTR_LESS_THAN : (c > 0 ? CSTR_GREATER_THAN : CSTR_EQUAL);
}

int CompareTexts(uint32_t lcid, uint32_t flags, std::u16string_view a, std::u16string_view b) {
  lcid = ResolveLCID(lcid);
  ThreadCollation& t = ThisThread();
  UCollator* coll = t.Get(lcid, flags & kCollatorFlags);
  const bool turkic = TurkicLocale(lcid);
  a = Neutralised(a, flags, turkic, t.neutralA);
  b = Neutralised(b, flags, turkic, t.neutralB);
  if (!coll) {
    const int c = a.compare(b);
    return ToCstr(c);
  }
  if (flags & SORT_STRINGSORT) {
    const UCollationResult r =
        ucol_strcoll(coll, reinterpret_cast<const UChar*>(a.data()), static_cast<int32_t>(a.size()),
                     reinterpret_cast<const UChar*>(b.data()), static_cast<int32_t>(b.size()));
    return ToCstr(static_cast<int>(r));
  }
  const std::u16string_view fa = WithoutSpecials(a, t.bufferA);
  const std::u16string_view fb = WithoutSpecials(b, t.bufferB);
  const UCollationResult r =
      ucol_strcoll(coll, reinterpret_cast<const UChar*>(fa.data()), static_cast<int32_t>(fa.size()),
                   reinterpret_cast<const UChar*>(fb.data()), static_cast<int32_t>(fb.size()));
  // Ignoring symbols ignores the hyphens and apostrophes altogether.
  if (r != UCOL_EQUAL || (flags & NORM_IGNORESYMBOLS)) return ToCstr(static_cast<int>(r));
  return ToCstr(CompareSpecials(a, b));
}

void AppendBigEndian(std::string& key, uint32_t value, int bytes) {
  for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
    key.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// The collator's key, zero-terminated and free of other zero bytes, so that a shorter key never compares as
// a prefix of a longer one and anything appended only decides between equal keys.
void AppendCollationKey(std::string& key, UCollator* coll, std::u16string_view s) {
  const auto* units = reinterpret_cast<const UChar*>(s.data());
  const auto n = static_cast<int32_t>(s.size());
  const std::size_t start = key.size();
  key.resize(start + 64);
  int32_t need = ucol_getSortKey(coll, units, n, reinterpret_cast<uint8_t*>(key.data() + start), 64);
  if (need > 64) {
    key.resize(start + static_cast<std::size_t>(need));
    need = ucol_getSortKey(coll, units, n, reinterpret_cast<uint8_t*>(key.data() + start), need);
  }
  key.resize(start + static_cast<std::size_t>(need));
}

// CompareSpecials as bytes: per hyphen or apostrophe a marker above the end marker, its position inverted
// (further right sorts first) and the unit itself; fewer of them sorts first.
void AppendSpecialsKey(std::string& key, std::u16string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!IsWordSortSpecial(s[i])) continue;
    key.push_back('\x02');
    AppendBigEndian(key, 0xFFFFFFFFu - static_cast<uint32_t>(i), 4);
    AppendBigEndian(key, s[i], 2);
  }
  key.push_back('\x01');
}

bool CheckArguments(uint32_t flags, const void* a, int aLen, const void* b, int bLen) {
  if (!a || !b || aLen < -1 || bLen < -1) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if ((flags & ~kKnownFlags) != 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return false;
  }
  return true;
}

}  // namespace

int CompareStringW(uint32_t lcid, uint32_t flags, const WideChar* a, int aLen, const WideChar* b, int bLen) {
  if (!CheckArguments(flags, a, aLen, b, bLen)) return 0;
  const std::u16string_view sa = aLen == -1 ? std::u16string_view(a) : std::u16string_view(a, aLen);
  const std::u16string_view sb = bLen == -1 ? std::u16string_view(b) : std::u16string_view(b, bLen);
  if (sa.size() > INT32_MAX || sb.size() > INT32_MAX) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return CompareTexts(lcid, flags, sa, sb);
}

void AppendCompareStringKey(std::string& key, uint32_t lcid, uint32_t flags, std::u16string_view text) {
  if ((flags & ~kKnownFlags) != 0 || text.size() > INT32_MAX) return;
  lcid = ResolveLCID(lcid);
  ThreadCollation& t = ThisThread();
  UCollator* coll = t.Get(lcid, flags & kCollatorFlags);
  const std::u16string_view s = Neutralised(text, flags, TurkicLocale(lcid), t.neutralA);
  if (!coll) {
    for (char16_t c : s) AppendBigEndian(key, c, 2);
    return;
  }
  if (flags & SORT_STRINGSORT) {
    AppendCollationKey(key, coll, s);
    return;
  }
  AppendCollationKey(key, coll, WithoutSpecials(s, t.bufferA));
  if (!(flags & NORM_IGNORESYMBOLS)) AppendSpecialsKey(key, s);
}

std::string CompareStringKey(uint32_t lcid, uint32_t flags, std::u16string_view text) {
  std::string key;
  AppendCompareStringKey(key, lcid, flags, text);
  return key;
}

int CompareStringA(uint32_t lcid, uint32_t flags, const char* a, int aLen, const char* b, int bLen) {
  if (!CheckArguments(flags, a, aLen, b, bLen)) return 0;
  const std::string_view sa = aLen == -1 ? std::string_view(a) : std::string_view(a, aLen);
  const std::string_view sb = bLen == -1 ? std::string_view(b) : std::string_view(b, bLen);
  uint32_t cp = LocaleAnsiCodePage(lcid);
  if (cp == 0) cp = GetACP();
  UnicodeString wa;
  UnicodeString wb;
  try {
    DecodeCodePage(cp, sa, wa, nullptr);
    DecodeCodePage(cp, sb, wb, nullptr);
  } catch (const EConvertError&) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (wa.size() > INT32_MAX || wb.size() > INT32_MAX) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return CompareTexts(lcid, flags, wa, wb);
}

}  // namespace lx
