#include "lexcore/text/WideMasks.h"

#include "lexcore/platform/win_masks.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

void BuildAMask(std::vector<UnicodeString>& masks, const UnicodeString& maskText) {
  masks.clear();
  const UnicodeString text = StringReplace(Trim(maskText), u"\r\n", u";", rfReplaceAll);
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t semi = text.find(u';', from);
    if (semi == UnicodeString::npos) semi = text.size();
    if (semi > from) masks.push_back(text.substr(from, semi - from));
    from = semi + 1;
  }
}

bool MatchesMask(const UnicodeString& name, const UnicodeString& mask) {
  if (name.empty()) return false;
  return PathMatchSpecW(name.c_str(), mask.c_str());
}

int WhereInAMask(const UnicodeString& name, const std::vector<UnicodeString>& masks) {
  for (std::size_t i = 0; i < masks.size(); ++i)
    if (MatchesMask(name, masks[i])) return static_cast<int>(i);
  return -1;
}

}  // namespace lx
