#include "lexcore/rtl/lx_ansi.h"

#include <unicode/utf16.h>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

constinit TAnsiDecodeProc Global_AnsiDecodeProc = nullptr;
constinit TAnsiEncodeProc Global_AnsiEncodeProc = nullptr;

namespace {

// 0x80..0x9F of Windows-1252; the undefined bytes keep their own value.
constexpr char16_t kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char EncodeChar1252(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHigh1252[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

inline bool IsLeadSurrogate(char16_t c) {
  return U16_IS_LEAD(c);
}
inline bool IsTrailSurrogate(char16_t c) {
  return U16_IS_TRAIL(c);
}

}  // namespace

UnicodeString Windows1252ToUnicode(std::string_view bytes) {
  UnicodeString out(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    out[i] = (b >= 0x80 && b < 0xA0) ? kHigh1252[b - 0x80] : char16_t(b);
  }
  return out;
}

AnsiString UnicodeToWindows1252(std::u16string_view text) {
  AnsiString out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsLeadSurrogate(c) && i + 1 < text.size() && IsTrailSurrogate(text[i + 1])) {
      out += '?';
      ++i;
      continue;
    }
    out += EncodeChar1252(c);
  }
  return out;
}

UnicodeString AnsiBytesToUnicode(std::string_view bytes) {
  if (Global_AnsiDecodeProc) return Global_AnsiDecodeProc(bytes);
  return Windows1252ToUnicode(bytes);
}

AnsiString UnicodeToAnsiBytes(std::u16string_view text) {
  if (Global_AnsiEncodeProc) return Global_AnsiEncodeProc(text);
  return UnicodeToWindows1252(text);
}

std::string_view EncodingPreamble(TEncoding encoding) {
  switch (encoding) {
    case TEncoding::UTF8:
      return std::string_view("\xEF\xBB\xBF", 3);
    case TEncoding::Unicode:
      return std::string_view("\xFF\xFE", 2);
    case TEncoding::BigEndianUnicode:
      return std::string_view("\xFE\xFF", 2);
    case TEncoding::ANSI:
      break;
  }
  return {};
}

std::size_t DetectBufferEncoding(std::string_view bytes, TEncoding& encoding) {
  for (TEncoding e : {TEncoding::UTF8, TEncoding::Unicode, TEncoding::BigEndianUnicode}) {
    const std::string_view mark = EncodingPreamble(e);
    if (bytes.starts_with(mark)) {
      encoding = e;
      return mark.size();
    }
  }
  encoding = TEncoding::ANSI;
  return 0;
}

UnicodeString EncodingGetString(TEncoding encoding, std::string_view bytes) {
  switch (encoding) {
    case TEncoding::UTF8:
      return UTF8ToUTF16(bytes);
    case TEncoding::Unicode:
    case TEncoding::BigEndianUnicode: {
      const bool big = encoding == TEncoding::BigEndianUnicode;
      UnicodeString out(bytes.size() / 2, u'\0');
      for (std::size_t i = 0; i < out.size(); ++i) {
        const auto b0 = static_cast<uint8_t>(bytes[2 * i]), b1 = static_cast<uint8_t>(bytes[2 * i + 1]);
        out[i] = big ? char16_t(b0 << 8 | b1) : char16_t(b1 << 8 | b0);
      }
      return out;
    }
    case TEncoding::ANSI:
      break;
  }
  return AnsiBytesToUnicode(bytes);
}

std::string EncodingGetBytes(TEncoding encoding, std::u16string_view text) {
  switch (encoding) {
    case TEncoding::UTF8:
      return UTF16ToUTF8(text);
    case TEncoding::Unicode:
    case TEncoding::BigEndianUnicode: {
      const bool big = encoding == TEncoding::BigEndianUnicode;
      std::string out(text.size() * 2, '\0');
      for (std::size_t i = 0; i < text.size(); ++i) {
        const char hi = static_cast<char>(text[i] >> 8), lo = static_cast<char>(text[i] & 0xFF);
        out[2 * i] = big ? hi : lo;
        out[2 * i + 1] = big ? lo : hi;
      }
      return out;
    }
    case TEncoding::ANSI:
      break;
  }
  return UnicodeToAnsiBytes(text);
}

}  // namespace lx
