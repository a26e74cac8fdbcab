#include "lexcore/containers/Pointer_UTILS.h"

#include <algorithm>
#include <cstring>

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

}  // namespace lx
