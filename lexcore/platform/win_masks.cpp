#include "lexcore/platform/win_masks.h"

#include <unicode/uchar.h>

#include <string_view>

namespace lx {

namespace {

bool IsMaskBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

char16_t Folded(char16_t c) {
  return static_cast<char16_t>(u_foldCase(c, U_FOLD_CASE_DEFAULT));
}

// Greedy wildcard match with one backtrack point: linear in practice, never exponential.
bool MatchOne(std::u16string_view name, std::u16string_view mask) {
  // "*.*" (and any mask of stars and one dot after a star) matches names without a dot too.
  if (mask == u"*.*") return true;
  std::size_t n = 0;
  std::size_t m = 0;
  std::size_t starMask = std::u16string_view::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == u'?' || Folded(mask[m]) == Folded(name[n]))) {
      ++m;
      ++n;
    } else if (starMask != std::u16string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*') ++m;
  // A trailing ".*" also matches a name that has no extension at all.
  if (m + 2 == mask.size() && mask[m] == u'.' && mask[m + 1] == u'*' && name.find(u'.') == name.npos)
    return true;
  return m == mask.size();
}

}  // namespace

bool PathMatchSpecW(const WideChar* file, const WideChar* spec) {
  if (!file || !spec) return false;
  const std::u16string_view name(file);
  const std::u16string_view specs(spec);
  std::size_t pos = 0;
  while (pos <= specs.size()) {
    std::size_t end = specs.find(u';', pos);
    if (end == specs.npos) end = specs.size();
    std::size_t b = pos;
    std::size_t e = end;
    while (b < e && IsMaskBlank(specs[b])) ++b;
    while (e > b && IsMaskBlank(specs[e - 1])) --e;
    if (e > b && MatchOne(name, specs.substr(b, e - b))) return true;
    pos = end + 1;
  }
  return false;
}

}  // namespace lx
