#include "lexlists/engine/base_holder.h"

#include <cstring>
#include <string_view>

#include "lexcore/platform/win_platform.h"
#include "lexcore/text/WinGenOk.h"

namespace lx {

namespace {

template <typename C>
int32_t Len(const void* p) {
  if (!p) return 0;
  return static_cast<int32_t>(std::char_traits<C>::length(static_cast<const C*>(p)));
}

template <typename C>
void* Alloc(int32_t n) {
  if (n < 0) n = 0;
  return new C[static_cast<std::size_t>(n) + 1]();
}

template <typename C>
void* CheckedCopy(const void* p, int32_t len) {
  if (!p) return nullptr;
  int32_t have = Len<C>(p);
  if (len < 0) len = 0;
  if (len > have) len = have;
  C* q = static_cast<C*>(Alloc<C>(len));
  std::memcpy(q, p, static_cast<std::size_t>(len) * sizeof(C));
  return q;
}

template <typename C>
void* NewCopy(const void* p) {
  return p ? CheckedCopy<C>(p, Len<C>(p)) : nullptr;
}

template <typename C>
void Delete(void* p) {
  delete[] static_cast<C*>(p);
}

template <typename C>
std::basic_string_view<C> View(const void* p) {
  return p ? std::basic_string_view<C>(static_cast<const C*>(p)) : std::basic_string_view<C>();
}

template <typename C>
int32_t PosCompare(const void* word, const void* search, bool any_digit, bool at_end, bool at_start) {
  if (!word || !search) return 1;
  auto w = View<C>(word);
  if (any_digit) {
    for (C c : w)
      if (c >= C('0') && c <= C('9')) return 0;
    return 1;
  }
  auto s = View<C>(search);
  if (at_start) return w.substr(0, s.size()) == s ? 0 : 1;
  if (at_end) return w.size() >= s.size() && w.substr(w.size() - s.size()) == s ? 0 : 1;
  return w.find(s) != std::basic_string_view<C>::npos ? 0 : 1;
}

template <typename C>
int32_t PlainCompare(const void* a, const void* b) {
  int c = View<C>(a).compare(View<C>(b));
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int32_t FromCSTR(int r, int32_t fallback) {
  return r == 0 ? fallback : r - CSTR_EQUAL;
}

int32_t LocaleCompareA(LCID lcid, const void* a, const void* b) {
  static const char empty[1] = {0};
  int r = CompareStringA(lcid, Global_CompareStringFlags, a ? static_cast<const char*>(a) : empty, -1,
                         b ? static_cast<const char*>(b) : empty, -1);
  return FromCSTR(r, PlainCompare<char>(a, b));
}

int32_t LocaleCompareW(LCID lcid, const void* a, const void* b) {
  static const WideChar empty[1] = {0};
  int r = CompareStringW(lcid, Global_CompareStringFlags, a ? static_cast<const WideChar*>(a) : empty, -1,
                         b ? static_cast<const WideChar*>(b) : empty, -1);
  return FromCSTR(r, PlainCompare<WideChar>(a, b));
}

template <int32_t (*Cmp)(LCID, const void*, const void*)>
int32_t LocaleCompare3(LCID lcid, const void* a, const void* ap, const void* as, const void* b,
                       const void* bp, const void* bs) {
  int32_t c = Cmp(lcid, a, b);
  if (c == 0 && as && bs) c = Cmp(lcid, as, bs);
  if (c == 0 && ap && bp) c = Cmp(lcid, ap, bp);
  return c;
}

template <typename C>
int32_t PlainCompare3(const void* a, const void* ap, const void* as, const void* b, const void* bp,
                      const void* bs) {
  int32_t c = PlainCompare<C>(a, b);
  if (c == 0 && as && bs) c = PlainCompare<C>(as, bs);
  if (c == 0 && ap && bp) c = PlainCompare<C>(ap, bp);
  return c;
}

template <typename C>
void* ReadBuf(TStream& s, bool& ok) {
  ok = false;
  int32_t n = 0;
  try {
    if (!ReadLE(s, n) || n < 0 || n > s.Remaining() / static_cast<int64_t>(sizeof(C))) return nullptr;
    C* p = static_cast<C*>(Alloc<C>(n));
    const int64_t bytes = static_cast<int64_t>(n) * static_cast<int64_t>(sizeof(C));
    if (s.Read(p, bytes) != bytes) {
      Delete<C>(p);
      return nullptr;
    }
    ok = true;
    return p;
  } catch (const EStreamError&) {
    return nullptr;
  }
}

template <typename C>
bool WriteBuf(TStream& s, const void* p) {
  int32_t n = Len<C>(p);
  try {
    WriteLE(s, n);
    if (n > 0) s.WriteBuffer(p, static_cast<int64_t>(n) * sizeof(C));
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

template <typename C>
constexpr TLXTextFunctions MakeTable(TLXLocaleCompareFunct locale) {
  return TLXTextFunctions{&Alloc<C>,         &Len<C>,          &NewCopy<C>, &CheckedCopy<C>,
                          &Delete<C>,        &PosCompare<C>,   locale,      nullptr,
                          &PlainCompare3<C>, &PlainCompare<C>, &ReadBuf<C>, &WriteBuf<C>};
}

TLXTextFunctions MakeAnsi() {
  auto t = MakeTable<char>(&LocaleCompareA);
  t.LocaleCompareWordSuffixPrefix = &LocaleCompare3<&LocaleCompareA>;
  return t;
}

TLXTextFunctions MakeWide() {
  auto t = MakeTable<WideChar>(&LocaleCompareW);
  t.LocaleCompareWordSuffixPrefix = &LocaleCompare3<&LocaleCompareW>;
  return t;
}

const TLXTextFunctions kAnsiFunctions = MakeAnsi();
const TLXTextFunctions kWideFunctions = MakeWide();

}  // namespace

const TLXTextFunctions& LXTextFunctions(bool isUnicode) {
  return isUnicode ? kWideFunctions : kAnsiFunctions;
}

TLXBaseHolder::TLXBaseHolder(LCID lcid, bool unicode) : fOperatingInUnicode(unicode) {
  SetLCID(lcid);
}

void TLXBaseHolder::SetLCID(LCID lcid) {
  fLCID = lcid;
  fcodepage = CodePageFromLocale(lcid);
}

void TLXBaseHolder::SetUnicode(bool unicode) {
  if (unicode && !fOperatingInUnicode) fSwitchedToUnicode = true;
  fOperatingInUnicode = unicode;
}

int32_t TLXBaseHolder::FindWordPosition(bool, TLXBaseListObject*, bool, bool, bool) {
  return -1;
}

}  // namespace lx
