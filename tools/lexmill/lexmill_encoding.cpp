#include "tools/lexmill/lexmill_encoding.h"

#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>
#include <vector>

#include "lexcore/platform/win_codepages.h"
#include "tools/lexmill/lexmill_output.h"

namespace lx {

namespace {

constexpr std::size_t kSniffBytes = 64 * 1024;

// A number after a prefix, as in cp1252 or windows-1252; 0 when the name is not of that form.
uint32_t CodePageNumber(const std::string& name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  std::string digits;
  if (lower.rfind("cp", 0) == 0)
    digits = lower.substr(2);
  else if (lower.rfind("windows-", 0) == 0)
    digits = lower.substr(8);
  if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  return static_cast<uint32_t>(std::stoul(digits));
}

// Zero bytes counted by their position modulo 4 over the first 64 KB, as a share of that position's bytes.
struct TZeroPattern {
  double at[4] = {0, 0, 0, 0};
  explicit TZeroPattern(std::string_view bytes) {
    const std::size_t n = std::min(bytes.size(), kSniffBytes);
    std::size_t zeros[4] = {0, 0, 0, 0}, counts[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < n; ++i) {
      ++counts[i & 3];
      zeros[i & 3] += bytes[i] == 0;
    }
    for (int k = 0; k < 4; ++k) at[k] = counts[k] ? static_cast<double>(zeros[k]) / counts[k] : 0;
    evenZeros = zeros[0] + zeros[2];
    oddZeros = zeros[1] + zeros[3];
  }
  double Even() const { return (at[0] + at[2]) / 2; }
  double Odd() const { return (at[1] + at[3]) / 2; }
  std::size_t evenZeros = 0, oddZeros = 0;
};

// UTF-16 in the given byte order; a lone surrogate becomes U+FFFD, and so does an odd last byte (the
// first half of a unit whose file was cut short), so that the loss shows.
std::size_t DecodeUTF16(std::string_view bytes, bool little, char16_t* out) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size() / 2;
  auto unit = [&](std::size_t i) -> char16_t {
    const unsigned lo = b[2 * i + (little ? 0 : 1)], hi = b[2 * i + (little ? 1 : 0)];
    return static_cast<char16_t>(lo | (hi << 8));
  };
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < n) {
      const char16_t d = unit(i + 1);
      if (d >= 0xDC00 && d < 0xE000) {
        out[i] = c;
        out[++i] = d;
        continue;
      }
    }
    out[i] = c >= 0xD800 && c < 0xE000 ? u'\uFFFD' : c;
  }
  if (bytes.size() % 2 == 0) return n;
  out[n] = u'\uFFFD';
  return n + 1;
}

// UTF-32 in the given byte order; values that are no character become U+FFFD, and so does a short last unit.
std::size_t DecodeUTF32(std::string_view bytes, bool little, char16_t* out) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t k = 0;
  for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
    const uint32_t c = little
                           ? (b[i] | b[i + 1] << 8 | b[i + 2] << 16 | static_cast<uint32_t>(b[i + 3]) << 24)
                           : (b[i + 3] | b[i + 2] << 8 | b[i + 1] << 16 | static_cast<uint32_t>(b[i]) << 24);
    if (c >= 0x10000 && c <= 0x10FFFF) {
      out[k++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out[k++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out[k++] = c > 0x10FFFF || (c >= 0xD800 && c < 0xE000) ? u'\uFFFD' : static_cast<char16_t>(c);
    }
  }
  if (bytes.size() % 4 != 0) out[k++] = u'\uFFFD';
  return k;
}

// Whether the first 64 KB read as UTF-16 are text: hardly any control characters but tab and line ends,
// no lone surrogates, no non-characters.
bool LooksLikeUTF16(std::string_view bytes, bool little) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = std::min(bytes.size(), kSniffBytes) / 2;
  std::size_t odd = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned c = little ? (b[2 * i] | b[2 * i + 1] << 8) : (b[2 * i] << 8 | b[2 * i + 1]);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < n) {
      const unsigned d = little ? (b[2 * i + 2] | b[2 * i + 3] << 8) : (b[2 * i + 2] << 8 | b[2 * i + 3]);
      if (d >= 0xDC00 && d < 0xE000) {
        ++i;
        continue;
      }
    }
    odd += (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || (c >= 0xD800 && c < 0xE000) ||
           c == 0xFFFE || c == 0xFFFF;
  }
  return n > 0 && odd * 200 <= n;
}

// The same for UTF-32, where a table of offsets would also give code points beyond the Basic Multilingual
// Plane, which text has few of.
bool LooksLikeUTF32(std::string_view bytes, bool little) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = std::min(bytes.size(), kSniffBytes) / 4;
  std::size_t odd = 0, astral = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char* u = b + 4 * i;
    const uint32_t c = little ? (u[0] | u[1] << 8 | u[2] << 16 | static_cast<uint32_t>(u[3]) << 24)
                              : (u[3] | u[2] << 8 | u[1] << 16 | static_cast<uint32_t>(u[0]) << 24);
    odd += (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || (c >= 0xD800 && c < 0xE000) ||
           c > 0x10FFFF;
    astral += c >= 0x10000;
  }
  return n > 0 && odd * 200 <= n && astral * 10 <= n;
}

const char* EncodingName(TTextEncoding e) {
  switch (e) {
    case TTextEncoding::utf8:
      return "UTF-8";
    case TTextEncoding::utf16le:
      return "UTF-16LE";
    case TTextEncoding::utf16be:
      return "UTF-16BE";
    case TTextEncoding::utf32le:
      return "UTF-32LE";
    case TTextEncoding::utf32be:
      return "UTF-32BE";
    default:
      return "";
  }
}

}  // namespace

namespace {

// What a byte-order mark or the zero bytes show, or nothing when the bytes are UTF-8 if they are well-formed
// and in the locale's code page otherwise.
std::optional<TDetectedEncoding> DetectMarkedEncoding(std::string_view bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  // UTF-32 LE before UTF-16 LE: FF FE 00 00 starts both.
  if (n >= 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0)
    return TDetectedEncoding{TTextEncoding::utf32le, 4};
  if (n >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF)
    return TDetectedEncoding{TTextEncoding::utf32be, 4};
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
    return TDetectedEncoding{TTextEncoding::utf8, 3};
  if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) return TDetectedEncoding{TTextEncoding::utf16le, 2};
  if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) return TDetectedEncoding{TTextEncoding::utf16be, 2};
  const bool hasNul = n != 0 && std::memchr(bytes.data(), 0, n) != nullptr;  // an empty view may have no data
  if (hasNul) {
    // Text in the Basic Latin and Latin-1 range has a zero in the high bytes of almost every unit; the low
    // bytes are almost never zero. Other scripts lack the pattern and are left to the later tests.
    const TZeroPattern z(bytes);
    constexpr double kMostlyZero = 1.0 / 3, kRarelyZero = 0.1;
    // Tables of numbers make the same patterns, so the units must read as text as well.
    if (n >= 4 && z.at[3] > 0.9 && z.at[2] > kMostlyZero && z.at[0] < kRarelyZero &&
        LooksLikeUTF32(bytes, true))
      return TDetectedEncoding{TTextEncoding::utf32le, 0};
    if (n >= 4 && z.at[0] > 0.9 && z.at[1] > kMostlyZero && z.at[3] < kRarelyZero &&
        LooksLikeUTF32(bytes, false))
      return TDetectedEncoding{TTextEncoding::utf32be, 0};
    if (z.Odd() > kMostlyZero && z.Even() < kRarelyZero && LooksLikeUTF16(bytes, true))
      return TDetectedEncoding{TTextEncoding::utf16le, 0};
    if (z.Even() > kMostlyZero && z.Odd() < kRarelyZero && LooksLikeUTF16(bytes, false))
      return TDetectedEncoding{TTextEncoding::utf16be, 0};
    // Chinese or Japanese in UTF-16 has few zero bytes: the high halves of spaces, line ends and digits, and
    // the low halves of a few ideographs. They lean heavily to one side, and the units read as text; a stray
    // zero or two in a short file (a list with a NUL in it) is no such pattern.
    constexpr std::size_t kFewestZeros = 4;
    if (z.oddZeros >= kFewestZeros && z.Odd() > 0.02 && z.Odd() > 3 * z.Even() && LooksLikeUTF16(bytes, true))
      return TDetectedEncoding{TTextEncoding::utf16le, 0};
    if (z.evenZeros >= kFewestZeros && z.Even() > 0.02 && z.Even() > 3 * z.Odd() &&
        LooksLikeUTF16(bytes, false))
      return TDetectedEncoding{TTextEncoding::utf16be, 0};
    return TDetectedEncoding{TTextEncoding::binary, 0};
  }
  return std::nullopt;
}

}  // namespace

TDetectedEncoding DetectEncoding(std::string_view bytes) {
  if (const std::optional<TDetectedEncoding> marked = DetectMarkedEncoding(bytes)) return *marked;
  return {ValidUTF8Prefix(bytes) == bytes.size() ? TTextEncoding::utf8 : TTextEncoding::codepage, 0};
}

std::string EncodingFault(const std::string& name) {
  if (name == "auto") return {};
  const uint32_t cp = CodePageNumber(name);
  if (cp && IsSupportedCodePage(cp)) return {};
  UErrorCode err = U_ZERO_ERROR;
  UConverter* cnv = ucnv_open(name.c_str(), &err);
  if (cnv) ucnv_close(cnv);
  if (name.empty() || U_FAILURE(err))
    return "--encoding: '" + name +
           "' is not an encoding known here (auto, or a name such as utf-8, utf-16le, windows-1252, cp932, "
           "gbk, "
           "koi8-r or shift_jis)";
  return {};
}

TLexmillDecoder::TLexmillDecoder(const std::string& encoding, uint32_t cp)
    : automatic(encoding == "auto"), codePage(cp), name(encoding) {
  if (automatic) return;
  namedCodePage = CodePageNumber(encoding);
  if (namedCodePage && IsSupportedCodePage(namedCodePage)) {
    namedMultiByteUnit = namedCodePage == CP_UTF16LE || namedCodePage == CP_UTF16BE ||
                         namedCodePage == 12000 || namedCodePage == 12001;
    return;
  }
  namedCodePage = 0;
  UErrorCode err = U_ZERO_ERROR;
  converter = ucnv_open(encoding.c_str(), &err);
  if (U_FAILURE(err)) converter = nullptr;  // refused earlier by EncodingFault
  if (converter) {
    namedMultiByteUnit = ucnv_getMinCharSize(converter) > 1;
    // Bytes the encoding does not define become U+FFFD instead of stopping the conversion.
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &err);
  }
}

TLexmillDecoder::~TLexmillDecoder() {
  if (converter) ucnv_close(converter);
}

bool TLexmillDecoder::Decode(std::string_view bytes, TTextUnits& out, std::size_t& length) {
  length = 0;
  usedCodePage = false;
  usedName.clear();
  // UTF-8, UTF-16 and UTF-32 and every code page here give at most one UTF-16 unit a byte; an ICU
  // converter is asked again with the size it needs.
  if (out.size() < bytes.size() + 1) out.resize(bytes.size() + 1);
  auto codePageDecode = [&](uint32_t cp, std::string_view body) {
    if (body.empty()) return std::size_t{0};
    const int n = MultiByteToWideChar(cp, 0, body.data(), static_cast<int>(body.size()), out.data(),
                                      static_cast<int>(out.size()));
    return n > 0 ? static_cast<std::size_t>(n) : std::size_t{0};
  };
  if (!automatic) {
    usedName = name;
    if (!namedMultiByteUnit && !bytes.empty() && std::memchr(bytes.data(), 0, bytes.size())) return false;
    usedCodePage =
        !namedMultiByteUnit && name.find("utf") == std::string::npos && name.find("UTF") == std::string::npos;
    if (namedCodePage == CP_UTF16LE || namedCodePage == CP_UTF16BE) {
      length = DecodeUTF16(bytes, namedCodePage == CP_UTF16LE, out.data());
    } else if (namedCodePage == 12000 || namedCodePage == 12001) {
      length = DecodeUTF32(bytes, namedCodePage == 12000, out.data());
    } else if (namedCodePage) {
      length = codePageDecode(namedCodePage, bytes);
    } else {
      UErrorCode err = U_ZERO_ERROR;
      ucnv_resetToUnicode(converter);
      int32_t n = ucnv_toUChars(converter, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                                static_cast<int32_t>(bytes.size()), &err);
      if (err == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(static_cast<std::size_t>(n) + 1);
        err = U_ZERO_ERROR;
        ucnv_resetToUnicode(converter);
        n = ucnv_toUChars(converter, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                          static_cast<int32_t>(bytes.size()), &err);
      }
      length = U_SUCCESS(err) || err == U_STRING_NOT_TERMINATED_WARNING ? static_cast<std::size_t>(n) : 0;
    }
  } else {
    // Bytes without a mark are decoded as UTF-8 on the way to finding out whether they are UTF-8: most are.
    const std::optional<TDetectedEncoding> marked = DetectMarkedEncoding(bytes);
    bool decoded = false;
    if (!marked)
      decoded = DecodeWellFormedUTF8(bytes.data(), bytes.size(), out.data(), length) == bytes.size();
    const TDetectedEncoding d =
        marked ? *marked : TDetectedEncoding{decoded ? TTextEncoding::utf8 : TTextEncoding::codepage, 0};
    const std::string_view body = bytes.substr(d.bomLength);
    switch (d.encoding) {
      case TTextEncoding::binary:
        return false;
      case TTextEncoding::utf16le:
      case TTextEncoding::utf16be:
        length = DecodeUTF16(body, d.encoding == TTextEncoding::utf16le, out.data());
        break;
      case TTextEncoding::utf32le:
      case TTextEncoding::utf32be:
        length = DecodeUTF32(body, d.encoding == TTextEncoding::utf32le, out.data());
        break;
      case TTextEncoding::utf8:
        if (!decoded) length = codePageDecode(CP_UTF8, body);
        break;
      case TTextEncoding::codepage:
        usedCodePage = true;
        length = codePageDecode(codePage, body);
        break;
    }
    usedName = usedCodePage ? "code page " + std::to_string(codePage) : EncodingName(d.encoding);
  }
  if (length > 0 && out[0] == u'\uFEFF') {
    std::memmove(out.data(), out.data() + 1, (length - 1) * sizeof(char16_t));
    --length;
  }
  out[length] = 0;
  return true;
}

void TUTF8Pieces::Start(TTextUnits& text, std::size_t expectedUnits) {
  out = &text;
  if (out->size() < expectedUnits + 1) out->resize(expectedUnits + 1);
  carried = 0;
  units = 0;
  first = true;
}

bool TUTF8Pieces::Take(std::size_t n) {
  const char* p = buffer.data();
  std::size_t size = carried + n;
  if (std::memchr(p + carried, 0, n)) return false;
  // The mark is looked for in the text's first three bytes, however they arrive.
  if (first && size >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) {
    p += 3;
    size -= 3;
    first = false;
  }
  // UTF-8 gives at most one unit a byte.
  if (out->size() < units + size + 1) out->resize(std::max(out->size() * 2, units + size + 1));
  std::size_t decoded = 0;
  const std::size_t used = DecodeWellFormedUTF8(p, size, out->data() + units, decoded);
  units += decoded;
  first = first && used == 0;
  // What is left may only be the start of a sequence that the next piece completes.
  carried = size - used;
  if (carried > 3) return false;
  std::memmove(buffer.data(), p + used, carried);
  return true;
}

bool TUTF8Pieces::End(std::size_t& length) {
  if (carried != 0) return false;
  TTextUnits& text = *out;
  if (units > 0 && text[0] == u'\uFEFF') {
    std::memmove(text.data(), text.data() + 1, (units - 1) * sizeof(char16_t));
    --units;
  }
  text[units] = 0;
  length = units;
  return true;
}

double SuspectCharacterShare(const WideChar* text, std::size_t n) {
  if (n == 0) return 0;
  std::size_t suspect = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t c = text[i];
    suspect += (c >= 0x80 && c < 0xA0) || (c >= 0xE000 && c < 0xF900);
  }
  return static_cast<double>(suspect) / static_cast<double>(n);
}

void NormalizeNFC(TTextUnits& text, std::size_t& length) {
  if (length == 0) return;
  UErrorCode err = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&err);
  if (U_FAILURE(err)) return;
  const int32_t n = static_cast<int32_t>(length);
  // Almost every text is in NFC already; the quick check spares it the copy. Characters that are in NFC
  // whatever surrounds them (below U+0300, and units ICU calls inert) are skipped; the quick check starts at
  // the first other one, since nothing before it can combine with what follows. ICU is asked about a unit
  // the first time any thread meets it: a text uses a few hundred units, and asking about all 65,536 up
  // front cost every run a millisecond.
  enum : uint8_t { kUnasked, kInert, kNotInert };
  static std::atomic<uint8_t> known[0x10000];
  const auto inert = [nfc](char16_t u) {
    uint8_t k = known[u].load(std::memory_order_relaxed);
    if (k == kUnasked) {
      k = !U_IS_SURROGATE(u) && unorm2_isInert(nfc, u) ? kInert : kNotInert;
      known[u].store(k, std::memory_order_relaxed);
    }
    return k == kInert;
  };
  const char16_t* p = text.data();
  std::size_t start = 0;
  bool other = false;
  while (!other && start < length) {
#if defined(__SSE2__)
    const __m128i below = _mm_set1_epi16(0x2FF);
    for (; start + 8 <= length; start += 8) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + start));
      if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(v, below), _mm_setzero_si128())) != 0xFFFF) break;
    }
#endif
    for (const std::size_t stop = std::min(length, start + 8); start < stop; ++start)
      if (p[start] >= 0x300 && !inert(p[start])) {
        other = true;
        break;
      }
  }
  if (!other) return;
  const int32_t yes = static_cast<int32_t>(start) +
                      unorm2_spanQuickCheckYes(nfc, p + start, n - static_cast<int32_t>(start), &err);
  if (U_FAILURE(err) || yes == n) return;
  TTextUnits composed(length + length / 2 + 16, u'\0');
  err = U_ZERO_ERROR;
  int32_t m =
      unorm2_normalize(nfc, text.data(), n, composed.data(), static_cast<int32_t>(composed.size()), &err);
  if (err == U_BUFFER_OVERFLOW_ERROR) {
    composed.resize(static_cast<std::size_t>(m) + 1);
    err = U_ZERO_ERROR;
    m = unorm2_normalize(nfc, text.data(), n, composed.data(), static_cast<int32_t>(composed.size()), &err);
  }
  if (U_FAILURE(err) && err != U_STRING_NOT_TERMINATED_WARNING) return;
  length = static_cast<std::size_t>(m);
  if (text.size() < length + 1) text.resize(length + 1);
  std::copy(composed.begin(), composed.begin() + m, text.begin());
  text[length] = 0;
}

}  // namespace lx
