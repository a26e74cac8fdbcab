#include "lexcore/definitions/Wdef.h"

#include <algorithm>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

LX_RESOURCESTRING(_LXEnterSymbol, u"<Enter>")
LX_RESOURCESTRING(_LXTabSymbol, u"<Tab>")

namespace {

void ReplaceAll(UnicodeString& s, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return;
  UnicodeString out;
  std::size_t at = 0;
  for (std::size_t hit; (hit = s.find(from, at)) != UnicodeString::npos; at = hit + from.size()) {
    out.append(s, at, hit - at);
    out.append(to);
  }
  if (at == 0) return;
  out.append(s, at, UnicodeString::npos);
  s.swap(out);
}

}  // namespace

UnicodeString EncodedCRLFTAB(std::u16string_view text) {
  UnicodeString s(text);
  const std::size_t n = s.size();
  for (const auto& [typed, code] :
       {std::pair{u'*', kEncodedStar}, {u'?', kEncodedQuery}, {u'#', kEncodedHash}})
    for (std::size_t p = 1; p + 1 < n; ++p)
      if (s[p] == typed && s[p - 1] != u'"' && s[p + 1] != u'"') s[p] = code;
  ReplaceAll(s, _LXEnterSymbol.Text(), u"\r\n");
  ReplaceAll(s, _LXTabSymbol.Text(), u"\t");
  return s;
}

UnicodeString EncodedCRLFTABToReadableStr(std::u16string_view text) {
  UnicodeString s(text);
  for (WideChar& c : s) {
    if (c == kEncodedStar)
      c = u'*';
    else if (c == kEncodedQuery)
      c = u'?';
    else if (c == kEncodedHash)
      c = u'#';
  }
  ReplaceAll(s, u"\r\n", _LXEnterSymbol.Text());
  ReplaceAll(s, u"\t", _LXTabSymbol.Text());
  return s;
}

UnicodeString IgnoreTag_TypeToString(const TIgnore_tag_type& tags) {
  UnicodeString out;
  for (std::size_t i = 0; i < 6; ++i) {
    const WideChar on = tags[tag_on][i], off = tags[tag_off][i];
    if (on == 0 || off == 0) continue;
    if (!out.empty()) out += u',';
    out += on;
    out += u'*';
    out += off;
  }
  return out;
}

TIgnore_tag_type StringToIgnoreTag_Type(std::u16string_view text) {
  TIgnore_tag_type tags{};
  UnicodeString s;
  for (WideChar c : text)
    if (c != u'*' && c > 32) s += c;
  std::size_t pair = 0;
  for (std::size_t start = 0; start < s.size();) {
    // The pair's first character is taken as it is, even a comma.
    std::size_t end = s.find(u',', start + 1);
    if (end == UnicodeString::npos) end = s.size();
    const std::size_t slot = std::min<std::size_t>(pair, 5);
    tags[tag_on][slot] = s[start];
    tags[tag_off][slot] = s[end - 1];
    ++pair;
    start = end + 1;
  }
  return tags;
}

UnicodeString CutOutsideQuotes(std::u16string_view text) {
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
    return UnicodeString(text.substr(1, text.size() - 2));
  return UnicodeString(text);
}

UnicodeString CorrectedPathname(std::u16string_view path) {
  UnicodeString s = Trim(path);
  const bool drive =
      s.size() >= 2 && s[1] == u':' && ((s[0] >= u'A' && s[0] <= u'Z') || (s[0] >= u'a' && s[0] <= u'z'));
  if (!drive) return s;
  if (s.size() == 2)
    s += u'\\';
  else if (s[2] != u'\\' && s[2] != u'/')
    s.insert(2, 1, u'\\');
  return s;
}

UnicodeString ChrClearedFromString(WideChar c, std::u16string_view text) {
  UnicodeString s(text);
  std::erase(s, c);
  return s;
}

UnicodeString SubStrClearedFromString(std::u16string_view sub, std::u16string_view text) {
  UnicodeString s(text);
  if (sub.empty()) return s;
  // Each pass shortens the text, so this ends; removals can join pieces into a new occurrence.
  while (s.find(sub) != UnicodeString::npos) ReplaceAll(s, sub, u"");
  return s;
}

tenwidechar StringToTenWidechar(std::u16string_view text) {
  tenwidechar a{};
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 10), a.begin());
  return a;
}

thirtywidechar StringToThirtyWideChar(std::u16string_view text) {
  thirtywidechar a{};
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 30), a.begin());
  return a;
}

UnicodeString TenWideCharTostring(const tenwidechar& chars) {
  const auto end = std::find(chars.begin(), chars.end(), u'\0');
  return UnicodeString(chars.begin(), end);
}

uint32_t MaxCardinal(uint32_t a, uint32_t b) {
  return std::max(a, b);
}
uint32_t MinCardinal(uint32_t a, uint32_t b) {
  return std::min(a, b);
}

}  // namespace lx
