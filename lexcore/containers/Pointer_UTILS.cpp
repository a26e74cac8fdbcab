#include "lexcore/containers/Pointer_UTILS.h"

#include <algorithm>
#include <cstring>

#include "lexcore/platform/win_collation.h"

namespace lx {

namespace {
WideChar empty_text[1] = {0};
}  // namespace

WideChar* const nowt = empty_text;
uint32_t my_default_sort = 0;

WideChar* MyNewPChar(std::u16string_view s) {
  auto* p = new WideChar[s.size() + 1];
  std::copy(s.begin(), s.end(), p);
  p[s.size()] = 0;
  return p;
}

char* MyNewPAnsichar(std::string_view s) {
  auto* p = new char[s.size() + 1];
  std::copy(s.begin(), s.end(), p);
  p[s.size()] = 0;
  return p;
}

void DeletePChar(WideChar*& p) {
  if (p && p != nowt) delete[] p;
  p = nullptr;
}

void DeletePAnsichar(char*& p) {
  delete[] p;
  p = nullptr;
}

int32_t StrLenW(const WideChar* p) {
  if (!p) return 0;
  int32_t n = 0;
  while (p[n]) ++n;
  return n;
}

WideChar* CheckedNewLenPchar(int32_t len) {
  if (len < 0 || len > kMaxPCharLength) return nullptr;
  return new WideChar[static_cast<std::size_t>(len) + 1]();
}

char* CheckedNewLenPAnsichar(int32_t len) {
  if (len < 0 || len > kMaxPCharLength) return nullptr;
  return new char[static_cast<std::size_t>(len) + 1]();
}

namespace {
template <typename C>
int CompareZ(const C* a, const C* b) {
  static const C empty[1] = {0};
  if (!a) a = empty;
  if (!b) b = empty;
  using U = std::make_unsigned_t<C>;
  while (*a && *a == *b) ++a, ++b;
  const U x = static_cast<U>(*a), y = static_cast<U>(*b);
  return x < y ? -1 : (x > y ? 1 : 0);
}
}  // namespace

int ComparePchar(const WideChar* a, const WideChar* b) {
  return CompareZ(a, b);
}
int ComparePAnsichar(const char* a, const char* b) {
  return CompareZ(a, b);
}

int CompareWordAndAffixesPchar(const WideChar* word1, const WideChar* suffix1, const WideChar* prefix1,
                               const WideChar* word2, const WideChar* suffix2, const WideChar* prefix2) {
  if (const int c = ComparePchar(word1, word2); c != 0) return c;
  if (const int c = ComparePchar(suffix1, suffix2); c != 0) return c;
  return ComparePchar(prefix1, prefix2);
}

int CompareLocaleTexts(std::u16string_view a, std::u16string_view b, LCID lcid) {
  // An empty view may carry no buffer at all; the platform wants one.
  const WideChar* pa = a.empty() ? u"" : a.data();
  const WideChar* pb = b.empty() ? u"" : b.data();
  const int c =
      CompareStringW(lcid, my_default_sort, pa, static_cast<int>(a.size()), pb, static_cast<int>(b.size()));
  if (c == 0) {
    const int o = a.compare(b);
    return o < 0 ? -1 : (o > 0 ? 1 : 0);
  }
  return c - CSTR_EQUAL;
}

namespace {
std::u16string_view View(const WideChar* p) {
  return p ? std::u16string_view(p) : std::u16string_view();
}
}  // namespace

int ComparePcharLCID(const WideChar* a, const WideChar* b, LCID lcid) {
  return CompareLocaleTexts(View(a), View(b), lcid);
}

int CompareWordAndAffixesPcharLCID(const WideChar* word1, const WideChar* suffix1, const WideChar* prefix1,
                                   const WideChar* word2, const WideChar* suffix2, const WideChar* prefix2,
                                   LCID lcid) {
  if (const int c = ComparePcharLCID(word1, word2, lcid); c != 0) return c;
  if (const int c = ComparePcharLCID(suffix1, suffix2, lcid); c != 0) return c;
  return ComparePcharLCID(prefix1, prefix2, lcid);
}

}  // namespace lx
