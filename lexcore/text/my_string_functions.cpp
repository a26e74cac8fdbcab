#include "lexcore/text/my_string_functions.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "lexcore/platform/lx_zip.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/WinGenOk.h"

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

UnicodeString ParagraphsOf(std::u16string_view s) {
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

}  // namespace

UnicodeString DOCXFileText(const UnicodeString& fileName) {
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
    return ParagraphsOf(xml);
  }
  return UnicodeString();
}

}  // namespace lx
