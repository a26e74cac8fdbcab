#include "lexcore/search/user_input_wildcard_parsing.h"

#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/my_string_functions.h"

namespace lx {

UnicodeString any_word_symbol_char = u" * ";
UnicodeString any_string_symbol_str = u"}}}";
UnicodeString crlf_symbol_string = u"/\\";

const std::array<const char16_t*, sw_protected_count> sw_protected_literals = {
    u"\"^\"", u"\"/\"", u"\"*\"", u"\"==\"",  u"\"?\"",  u"\":\\\"",
    u"\"<\"", u"\">\"", u"\"#\"", u"\"}}}\"", u"\"/\\\""};

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

bool IsDecimal(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Digits in the given base; false when empty, not all digits, or too long to be a character.
bool ReadDigits(std::u16string_view s, int base, uint32_t& value) {
  if (s.empty() || s.size() > 8) return false;
  uint64_t v = 0;
  for (char16_t c : s) {
    const int d = base == 16 ? HexDigit(c) : (IsDecimal(c) ? c - u'0' : -1);
    if (d < 0) return false;
    v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
  }
  if (v > 0xFFFFFFFFu) return false;
  value = static_cast<uint32_t>(v);
  return true;
}

// The number inside "{CHR(...)}": decimal, or hex with a leading X or a trailing H.
bool ReadReferenceNumber(std::u16string_view n, uint32_t& value) {
  if (!n.empty() && (n[0] == u'x' || n[0] == u'X')) return ReadDigits(n.substr(1), 16, value);
  if (!n.empty() && (n.back() == u'h' || n.back() == u'H'))
    return ReadDigits(n.substr(0, n.size() - 1), 16, value);
  return ReadDigits(n, 10, value);
}

bool StartsWithTextAt(std::u16string_view s, std::size_t i, std::u16string_view what) {
  if (i + what.size() > s.size()) return false;
  for (std::size_t k = 0; k < what.size(); ++k)
    if (InvariantUpCase(s[i + k]) != InvariantUpCase(what[k])) return false;
  return true;
}

}  // namespace

bool Parse_Translate(UnicodeString& text, std::u16string_view symbol, WideChar code) {
  if (symbol.empty()) return false;
  bool any = false;
  for (std::size_t p = 0; (p = text.find(symbol, p)) != UnicodeString::npos; p += symbol.size()) {
    text[p] = code;
    any = true;
  }
  return any;
}

bool Parse_RetainOne(UnicodeString& text, int i, WideChar baseCode) {
  if (i < 0 || i >= sw_protected_count) return false;
  const std::u16string_view literal = sw_protected_literals[static_cast<std::size_t>(i)];
  bool any = false;
  for (std::size_t p = 0; (p = text.find(literal, p)) != UnicodeString::npos; ++p) {
    text.replace(p, literal.size(), 1, static_cast<WideChar>(baseCode + i));
    any = true;
  }
  return any;
}

void Parse_Retain(UnicodeString& text, WideChar baseCode) {
  for (int i = 0; i < sw_protected_count; ++i) Parse_RetainOne(text, i, baseCode);
}

bool Parse_RestoreOne(UnicodeString& text, int i, WideChar baseCode) {
  if (i < 0 || i >= sw_protected_count) return false;
  const UnicodeString symbol = DoubleQuotesRemoved(Trim(sw_protected_literals[static_cast<std::size_t>(i)]));
  const WideChar code = static_cast<WideChar>(baseCode + i);
  bool any = false;
  for (std::size_t p = 0; (p = text.find(code, p)) != UnicodeString::npos; p += symbol.size()) {
    text.replace(p, 1, symbol);
    any = true;
  }
  return any;
}

void Parse_Restore(UnicodeString& text, WideChar baseCode) {
  for (int i = 0; i < sw_protected_count; ++i) Parse_RestoreOne(text, i, baseCode);
}

bool DoMainParse_Translates(UnicodeString& text) {
  Parse_Translate(text, u"^", sw_any_letter_code);
  Parse_Translate(text, u"#", sw_number_code);
  Parse_Translate(text, u"*", sw_any_run_code);
  Parse_Translate(text, u"?", sw_any_char_code);
  return Parse_Translate(text, any_string_symbol_str, sw_any_string_code);
}

UnicodeString LXFormattedReadableStringToWorkString(std::u16string_view text) {
  constexpr std::u16string_view kOpen = u"{CHR(";
  constexpr std::u16string_view kClose = u")}";
  UnicodeString pass;
  pass.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (StartsWithTextAt(text, i, kOpen)) {
      const std::size_t close = text.find(kClose, i + kOpen.size());
      uint32_t v = 0;
      if (close != std::u16string_view::npos &&
          ReadReferenceNumber(text.substr(i + kOpen.size(), close - i - kOpen.size()), v)) {
        const UnicodeString c = WideStringFromCardinal(v);
        if (!c.empty()) {
          pass += c;
          i = close + kClose.size();
          continue;
        }
      }
    }
    pass.push_back(text[i++]);
  }

  UnicodeString out;
  out.reserve(pass.size());
  for (std::size_t i = 0; i < pass.size();) {
    if (pass[i] == u'#' && i + 1 < pass.size()) {
      std::size_t j = i + 1;
      int base = 10;
      if (std::u16string_view(u"Xx$Hh").find(pass[j]) != std::u16string_view::npos) {
        while (j < pass.size() && std::u16string_view(u"Xx$Hh").find(pass[j]) != std::u16string_view::npos)
          ++j;
        base = 16;
      }
      std::size_t e = j;
      while (e < pass.size() && (base == 16 ? HexDigit(pass[e]) >= 0 : IsDecimal(pass[e]))) ++e;
      uint32_t v = 0;
      if (e > j && ReadDigits(std::u16string_view(pass).substr(j, e - j), base, v)) {
        const UnicodeString c = WideStringFromCardinal(v);
        if (!c.empty()) {
          out += c;
          i = e < pass.size() && pass[e] == u';' ? e + 1 : e;
          continue;
        }
      }
    }
    out.push_back(pass[i++]);
  }
  return out;
}

UnicodeString LXFormattedWorkStringToReadableString(std::u16string_view text, uint32_t limit) {
  UnicodeString out;
  for (char16_t c : text) {
    if (c < limit)
      out += u"{CHR(" + IntToStr(c) + u")}";
    else
      out.push_back(c);
  }
  return out;
}

}  // namespace lx
