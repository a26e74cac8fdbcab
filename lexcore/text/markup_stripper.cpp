#include "lexcore/text/markup_stripper.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace lx {

namespace {

struct TEntity {
  const char* name;
  char32_t first, second;
};

constexpr TEntity kEntities[] = {
#include "lexcore/text/html_entities.inc"
};
constexpr std::size_t kLongestEntityName = 32;

void AppendCodePoint(UnicodeString& out, char32_t c) {
  if (c == 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x10000) {
    out.push_back(static_cast<WideChar>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<WideChar>(0xD800 + (c >> 10)));
    out.push_back(static_cast<WideChar>(0xDC00 + (c & 0x3FF)));
  }
}

bool IsAsciiAlnum(WideChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsWhite(WideChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v' || c == 0x00A0 ||
         c == 0x2028 || c == 0x2029 || c == 0x3000;
}

WideChar AsciiLower(WideChar c) {
  return c >= u'A' && c <= u'Z' ? static_cast<WideChar>(c + 32) : c;
}

// Elements whose tags sit inside words and lines without breaking them.
bool IsInlineElement(std::u16string_view name) {
  static const std::unordered_set<std::u16string_view> kInline = {
      u"a",   u"abbr", u"b",  u"bdi", u"bdo", u"cite", u"code", u"data", u"dfn",   u"em",   u"font",   u"i",
      u"kbd", u"mark", u"q",  u"rp",  u"rt",  u"ruby", u"s",    u"samp", u"small", u"span", u"strong", u"sub",
      u"sup", u"time", u"tt", u"u",   u"var", u"wbr",  u"ins",  u"del",  u"nobr",  u"big",  u"strike"};
  return kInline.count(name) != 0;
}

// Elements that never have a closing tag.
bool IsVoidElement(std::u16string_view name) {
  static const std::unordered_set<std::u16string_view> kVoid = {
      u"area", u"base", u"br",    u"col",    u"embed", u"hr",  u"img",    u"input",
      u"link", u"meta", u"param", u"source", u"track", u"wbr", u"keygen", u"command"};
  return kVoid.count(name) != 0;
}

// A case-insensitive search for "</" name from `from`; npos when absent.
std::size_t FindClosingOf(const WideChar* text, std::size_t n, std::size_t from, std::u16string_view name) {
  for (std::size_t i = from; i + 2 + name.size() <= n; ++i) {
    if (text[i] != u'<' || text[i + 1] != u'/') continue;
    std::size_t k = 0;
    while (k < name.size() && AsciiLower(text[i + 2 + k]) == name[k]) ++k;
    if (k == name.size()) return i;
  }
  return std::u16string_view::npos;
}

}  // namespace

std::size_t DecodeCharacterReference(const WideChar* p, std::size_t n, UnicodeString& out) {
  if (n < 3 || p[0] != u'&') return 0;
  if (p[1] == u'#') {
    const bool hex = p[2] == u'x' || p[2] == u'X';
    std::size_t i = hex ? 3 : 2;
    const std::size_t digitsStart = i;
    char32_t value = 0;
    bool tooBig = false;
    // Eight digits say more than any character needs; a longer run is no reference.
    for (; i < n && i - digitsStart < 8; ++i) {
      const WideChar c = p[i];
      unsigned d;
      if (c >= u'0' && c <= u'9')
        d = c - u'0';
      else if (hex && c >= u'a' && c <= u'f')
        d = c - u'a' + 10;
      else if (hex && c >= u'A' && c <= u'F')
        d = c - u'A' + 10;
      else
        break;
      value = value * (hex ? 16 : 10) + d;
      tooBig = tooBig || value > 0x10FFFF;
    }
    if (i == digitsStart || i >= n || p[i] != u';') return 0;
    AppendCodePoint(out, tooBig ? 0xFFFD : value);
    return i + 1;
  }
  char name[kLongestEntityName + 1];
  std::size_t i = 1;
  for (; i < n && i - 1 < kLongestEntityName && IsAsciiAlnum(p[i]); ++i)
    name[i - 1] = static_cast<char>(p[i]);
  if (i == 1 || i >= n || p[i] != u';') return 0;
  name[i - 1] = 0;
  const TEntity* end = kEntities + std::size(kEntities);
  const TEntity* e = std::lower_bound(
      kEntities, end, name, [](const TEntity& a, const char* b) { return std::strcmp(a.name, b) < 0; });
  if (e == end || std::strcmp(e->name, name) != 0) return 0;
  AppendCodePoint(out, e->first);
  if (e->second) AppendCodePoint(out, e->second);
  return i + 1;
}

UnicodeString DecodedCharacterReferences(std::u16string_view s) {
  UnicodeString out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] == u'&') {
      const std::size_t used = DecodeCharacterReference(s.data() + i, s.size() - i, out);
      if (used) {
        i += used;
        continue;
      }
    }
    out.push_back(s[i++]);
  }
  return out;
}

void StripMarkup(const WideChar* text, std::size_t n, WideChar openChar, WideChar closeChar,
                 bool decodeReferences, UnicodeString& out, TMarkupStripReport& report, bool htmlInline) {
  constexpr std::size_t npos = std::u16string_view::npos;
  out.clear();
  out.reserve(n);
  report = TMarkupStripReport{};
  const bool angled = openChar == u'<' && closeChar == u'>';
  // Searches that failed once fail for every later start too: remembering that keeps the pass linear.
  std::size_t nextClose = 0;  // a closing delimiter at or after the last search's start, or npos
  bool searchedClose = false;
  bool commentEndMissing = false, cdataEndMissing = false;
  std::unordered_set<std::u16string> rawEndMissing;
  std::unordered_map<std::u16string, std::size_t> opened;  // name -> first position
  std::unordered_set<std::u16string> closedNames;
  bool pendingSpace = false;

  auto emit = [&](WideChar c) {
    if (pendingSpace && !out.empty() && !IsWhite(out.back()) && !IsWhite(c)) out.push_back(u' ');
    pendingSpace = false;
    out.push_back(c);
  };

  std::size_t i = 0;
  while (i < n) {
    const WideChar c = text[i];
    if (c == u'&' && decodeReferences) {
      UnicodeString decoded;
      const std::size_t used = DecodeCharacterReference(text + i, n - i, decoded);
      if (used) {
        for (WideChar d : decoded) emit(d);
        i += used;
        continue;
      }
    }
    if (c != openChar || i + 1 >= n || IsWhite(text[i + 1])) {
      emit(c);
      ++i;
      continue;
    }
    if (!searchedClose || (nextClose != npos && nextClose <= i)) {
      nextClose = npos;
      for (std::size_t j = i + 1; j < n; ++j)
        if (text[j] == closeChar) {
          nextClose = j;
          break;
        }
      searchedClose = true;
    }
    if (nextClose == npos) {
      if (report.unclosedDelimiter == npos) report.unclosedDelimiter = i;
      emit(c);
      ++i;
      continue;
    }
    std::size_t end = nextClose;  // the tag's closing delimiter
    // A CDATA section of XML is text, taken as it stands: no tags, no references.
    if (angled && n - i >= 9 && std::u16string_view(text + i, 9) == u"<![CDATA[" && !cdataEndMissing) {
      const std::u16string_view rest(text + i + 9, n - i - 9);
      const std::size_t close = rest.find(u"]]>");
      if (close != std::u16string_view::npos) {
        for (std::size_t k = 0; k < close; ++k) emit(rest[k]);
        i += 9 + close + 3;
        continue;
      }
      cdataEndMissing = true;
    }
    ++report.tags;
    if (angled && n - i >= 4 && text[i + 1] == u'!' && text[i + 2] == u'-' && text[i + 3] == u'-' &&
        !commentEndMissing) {
      std::size_t k = i + 4;
      for (; k + 2 < n; ++k)
        if (text[k] == u'-' && text[k + 1] == u'-' && text[k + 2] == u'>') break;
      if (k + 2 < n)
        end = k + 2;
      else
        commentEndMissing = true;
      pendingSpace = true;
      i = end + 1;
      continue;
    }
    // The element's name, lower-cased: what follows an optional "/" up to white space, "/" or the end.
    const bool off = text[i + 1] == u'/';
    std::size_t k = i + 1 + (off ? 1 : 0);
    std::u16string name;
    while (k < end && !IsWhite(text[k]) && text[k] != u'/' && name.size() < 64)
      name.push_back(AsciiLower(text[k++]));
    const bool declaration = !name.empty() && (name[0] == u'!' || name[0] == u'?');
    const bool selfClosed = end > i + 1 && text[end - 1] == u'/';
    if (!name.empty() && !declaration) {
      if (off)
        closedNames.insert(name);
      else if (!selfClosed && !IsVoidElement(name))
        opened.try_emplace(name, i);
    }
    if (!htmlInline || !IsInlineElement(name)) pendingSpace = true;
    i = end + 1;
    // The contents of script and style are code, not text.
    if (angled && !off && !selfClosed && (name == u"script" || name == u"style") &&
        !rawEndMissing.count(name)) {
      const std::size_t rawEnd = FindClosingOf(text, n, i, name);
      if (rawEnd == npos)
        rawEndMissing.insert(name);
      else
        i = rawEnd;  // the closing tag is read as a tag
    }
  }
  for (const auto& [name, pos] : opened) {
    if (closedNames.count(name)) continue;
    if (report.unclosedTag.empty() || pos < report.unclosedTagPosition) {
      report.unclosedTag = name;
      report.unclosedTagPosition = pos;
    }
  }
}

}  // namespace lx
