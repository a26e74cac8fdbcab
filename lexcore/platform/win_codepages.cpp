#include "lexcore/platform/win_codepages.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/utf16.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "lexcore/platform/win_buffers.h"
#include "lexcore/platform/win_compose.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

struct CodePageName {
  uint32_t cp;
  const char* icuName;
  bool singleByte;  // decoded and encoded through our own 256-entry tables
};

constexpr CodePageName kCodePageNames[] = {
    {437, "ibm-437", true},
    {720, "ibm-720", true},
    {737, "ibm-737", true},
    {775, "ibm-775", true},
    {850, "ibm-850", true},
    {852, "ibm-852", true},
    {855, "ibm-855", true},
    {857, "ibm-857", true},
    {858, "ibm-858", true},
    {860, "ibm-860", true},
    {861, "ibm-861", true},
    {862, "ibm-862", true},
    {863, "ibm-863", true},
    {864, "ibm-864", true},
    {865, "ibm-865", true},
    {866, "ibm-866", true},
    {869, "ibm-869", true},
    {874, "windows-874-2000", true},
    {932, "ibm-943_P15A-2003", false},
    {936, "windows-936-2000", false},
    {949, "windows-949-2000", false},
    {950, "windows-950-2000", false},
    {1200, "UTF-16LE", false},
    {1201, "UTF-16BE", false},
    {1250, "ibm-5346_P100-1998", true},
    {1251, "ibm-5347_P100-1998", true},
    {1252, "ibm-5348_P100-1997", true},
    {1253, "ibm-5349_P100-1998", true},
    {1254, "ibm-5350_P100-1998", true},
    {1255, "ibm-9447_P100-2002", true},
    {1256, "ibm-9448_X100-2005", true},
    {1257, "ibm-9449_P100-2002", true},
    {1258, "ibm-5354_P100-1998", true},
    {10000, "macos-0_2-10.2", true},
    {12000, "UTF-32LE", false},
    {12001, "UTF-32BE", false},
    {20127, "US-ASCII", true},
    {20866, "ibm-878_P100-1996", true},
    {21866, "ibm-1168_P100-2002", true},
    {28591, "ISO-8859-1", true},
    {28592, "ibm-912_P100-1995", true},
    {28593, "ibm-913_P100-2000", true},
    {28594, "ibm-914_P100-1995", true},
    {28595, "ibm-915_P100-1995", true},
    {28596, "ibm-1089_P100-1995", true},
    {28597, "ibm-9005_X110-2007", true},
    {28598, "ibm-5012_P100-1999", true},
    {28599, "ibm-920_P100-1995", true},
    {28603, "ibm-921_P100-1995", true},
    {28605, "ibm-923_P100-1998", true},
    {50220, "ISO_2022,locale=ja,version=0", false},
    {51932, "EUC-JP", false},
    {51949, "EUC-KR", false},
    {52936, "HZ", false},
    {54936, "GB18030", false},
    {65000, "UTF-7", false},
    {65001, "UTF-8", false},
};

const CodePageName* FindName(uint32_t cp) {
  for (const auto& n : kCodePageNames)
    if (n.cp == cp) return &n;
  return nullptr;
}

// A single-byte code page as two tables. Pages with a recorded table decode exactly as recorded, private-use
// characters included; for the others, bytes ICU leaves undefined decode to the code point of the same value.
// Every character a byte decodes to encodes back to that byte, so any byte sequence survives a round trip.
struct SingleByteCodec {
  std::array<char16_t, 256> toUnicode{};
  std::array<uint64_t, 4> invalid{};  // bytes MB_ERR_INVALID_CHARS rejects
  std::vector<uint8_t> fromUnicode;   // 65536 entries; 0 means unmapped except for U+0000

  bool IsInvalid(uint8_t b) const { return (invalid[b >> 6] >> (b & 63)) & 1; }
};

struct SingleByteTable {
  uint32_t cp;
  char16_t toUnicode[256];
  uint64_t invalid[4];
};

#include "lexcore/platform/win_codepage_tables.inc"

bool ReadIcuSingleByteTable(const char* icuName, SingleByteCodec& codec) {
  UErrorCode err = U_ZERO_ERROR;
  UConverter* cnv = ucnv_open(icuName, &err);
  if (U_FAILURE(err)) return false;
  ucnv_setToUCallBack(cnv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  for (int b = 0; b < 256; ++b) {
    char16_t u = static_cast<char16_t>(b);
    // The DOS tables of ICU rotate 1A/1C/7F; the ASCII half is identity in every code page we read.
    if (b >= 0x80) {
      const char byte = static_cast<char>(b);
      UChar out[4];
      UErrorCode e = U_ZERO_ERROR;
      ucnv_reset(cnv);
      const int32_t n = ucnv_toUChars(cnv, out, 4, &byte, 1, &e);
      if (U_SUCCESS(e) && n == 1) u = out[0];
    }
    codec.toUnicode[b] = u;
  }
  ucnv_close(cnv);
  return true;
}

bool BuildSingleByteCodec(uint32_t cp, const char* icuName, SingleByteCodec& codec) {
  const auto table = std::find_if(std::begin(kSingleByteTables), std::end(kSingleByteTables),
                                  [cp](const SingleByteTable& t) { return t.cp == cp; });
  if (table != std::end(kSingleByteTables)) {
    std::copy(std::begin(table->toUnicode), std::end(table->toUnicode), codec.toUnicode.begin());
    std::copy(std::begin(table->invalid), std::end(table->invalid), codec.invalid.begin());
  } else if (!ReadIcuSingleByteTable(icuName, codec)) {
    return false;
  }
  codec.fromUnicode.assign(65536, 0);
  // Lower bytes win when two bytes decode to the same character (20127's high half repeats the low one).
  for (int b = 255; b >= 0; --b) codec.fromUnicode[codec.toUnicode[b]] = static_cast<uint8_t>(b);
  return true;
}

// Single bytes of a double-byte page that decode differently from ICU's table. ICU finds no character for
// them, so they pass through the conversion callbacks, which write these instead.
struct ByteOverride {
  uint8_t byte;
  char16_t unit;
  bool valid;  // accepted under MB_ERR_INVALID_CHARS
};

constexpr ByteOverride k932Overrides[] = {
    {0x80, 0x0080, true},  {0xA0, 0xF8F0, false}, {0xFD, 0xF8F1, false},
    {0xFE, 0xF8F2, false}, {0xFF, 0xF8F3, false},
};

struct Codec {
  uint32_t cp = 0;
  const char* icuName = nullptr;
  bool singleByte = false;
  SingleByteCodec sb;
  // What a malformed or unassigned double-byte sequence decodes to: the page's own default character.
  char16_t replacement = 0xFFFD;
  const ByteOverride* overrides = nullptr;
  std::size_t overrideCount = 0;
  // A byte that decodes to a private-use character ICU accepts, but that MB_ERR_INVALID_CHARS refuses.
  int rejectedByte = -1;

  const ByteOverride* OverrideOf(uint8_t b) const {
    for (std::size_t i = 0; i < overrideCount; ++i)
      if (overrides[i].byte == b) return &overrides[i];
    return nullptr;
  }
  const ByteOverride* OverrideFor(UChar32 c) const {
    for (std::size_t i = 0; i < overrideCount; ++i)
      if (overrides[i].unit == c) return &overrides[i];
    return nullptr;
  }
};

void SetDoubleBytePatches(Codec& codec) {
  switch (codec.cp) {
    case 932:
      codec.replacement = 0x30FB;
      codec.overrides = k932Overrides;
      codec.overrideCount = std::size(k932Overrides);
      break;
    case 936:
    case 949:
    case 950:
      codec.replacement = u'?';
      codec.rejectedByte = 0xFF;
      break;
    default:
      break;
  }
}

// ICU's table for 932 rotates three controls (byte 1A is U+001C, 1C is U+007F, 7F is U+001A); the page maps
// them to themselves. No other character decodes to these controls, so the output can be swapped back.
char16_t Unrotate932(char16_t u) {
  switch (u) {
    case 0x001C:
      return 0x001A;
    case 0x007F:
      return 0x001C;
    case 0x001A:
      return 0x007F;
    default:
      return u;
  }
}

char16_t Rotate932(char16_t u) {
  switch (u) {
    case 0x001A:
      return 0x001C;
    case 0x001C:
      return 0x007F;
    case 0x007F:
      return 0x001A;
    default:
      return u;
  }
}

std::mutex gCodecMutex;
std::map<uint32_t, std::unique_ptr<Codec>> gCodecs;  // never shrinks: codecs are used without the lock

const Codec* FindCodec(uint32_t cp) {
  std::lock_guard<std::mutex> lock(gCodecMutex);
  auto it = gCodecs.find(cp);
  if (it != gCodecs.end()) return it->second.get();
  const CodePageName* name = FindName(cp);
  if (!name) return nullptr;
  auto codec = std::make_unique<Codec>();
  codec->cp = cp;
  codec->icuName = name->icuName;
  codec->singleByte = name->singleByte;
  if (codec->singleByte) {
    if (!BuildSingleByteCodec(cp, name->icuName, codec->sb)) return nullptr;
  } else {
    UErrorCode err = U_ZERO_ERROR;
    UConverter* probe = ucnv_open(name->icuName, &err);
    if (U_FAILURE(err)) return nullptr;
    ucnv_close(probe);
    SetDoubleBytePatches(*codec);
  }
  const Codec* result = codec.get();
  gCodecs.emplace(cp, std::move(codec));
  return result;
}

[[noreturn]] void RaiseUnsupported(uint32_t cp) {
  throw EConvertError("Code page " + std::to_string(cp) + " is not supported");
}

const Codec& CodecOf(uint32_t cp) {
  const Codec* codec = FindCodec(ResolveCodePage(cp));
  if (!codec) RaiseUnsupported(ResolveCodePage(cp));
  return *codec;
}

// ICU converters keep conversion state, so each thread opens its own, once per code page.
struct ThreadConverters {
  std::unordered_map<uint32_t, UConverter*> map;
  ~ThreadConverters() {
    for (auto& [cp, cnv] : map) ucnv_close(cnv);
  }
  UConverter* Get(const Codec& codec) {
    auto it = map.find(codec.cp);
    if (it != map.end()) {
      ucnv_reset(it->second);
      return it->second;
    }
    UErrorCode err = U_ZERO_ERROR;
    UConverter* cnv = ucnv_open(codec.icuName, &err);
    if (U_FAILURE(err)) RaiseUnsupported(codec.cp);
    map.emplace(codec.cp, cnv);
    return cnv;
  }
};

UConverter* ThreadConverter(const Codec& codec) {
  thread_local ThreadConverters converters;
  return converters.Get(codec);
}

struct ToUContext {
  const Codec* codec = nullptr;
  bool stopOnInvalid = false;
  bool invalid = false;
};

void ToUReplace(const void* context, UConverterToUnicodeArgs* args, const char* codeUnits, int32_t length,
                UConverterCallbackReason reason, UErrorCode* err) {
  if (reason > UCNV_IRREGULAR) return;
  auto* ctx = static_cast<ToUContext*>(const_cast<void*>(context));
  const ByteOverride* override =
      length == 1 ? ctx->codec->OverrideOf(static_cast<uint8_t>(codeUnits[0])) : nullptr;
  if (override && override->valid) {
    *err = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, &override->unit, 1, 0, err);
    return;
  }
  ctx->invalid = true;
  if (ctx->stopOnInvalid) return;  // the error stands and the conversion stops
  *err = U_ZERO_ERROR;
  const UChar replacement = override ? override->unit : ctx->codec->replacement;
  ucnv_cbToUWriteUChars(args, &replacement, 1, 0, err);
}

struct FromUContext {
  const Codec* codec = nullptr;
  const char* defaultChar = nullptr;  // null: '?' (or U+FFFD in the Unicode encodings)
  bool unicodeTarget = false;
  bool used = false;
};

void FromUReplace(const void* context, UConverterFromUnicodeArgs* args, const UChar*, int32_t, UChar32 c,
                  UConverterCallbackReason reason, UErrorCode* err) {
  if (reason > UCNV_IRREGULAR) return;
  auto* ctx = static_cast<FromUContext*>(const_cast<void*>(context));
  *err = U_ZERO_ERROR;
  if (const ByteOverride* override = ctx->codec->OverrideFor(c)) {
    const char byte = static_cast<char>(override->byte);
    ucnv_cbFromUWriteBytes(args, &byte, 1, 0, err);
    return;
  }
  if (ctx->unicodeTarget) {
    static const UChar replacement = 0xFFFD;
    const UChar* from = &replacement;
    ucnv_cbFromUWriteUChars(args, &from, from + 1, 0, err);
    return;
  }
  ctx->used = true;
  const char byte = ctx->defaultChar ? ctx->defaultChar[0] : '?';
  ucnv_cbFromUWriteBytes(args, &byte, 1, 0, err);
}

bool IsUnicodeCodePage(uint32_t cp) {
  return cp == CP_UTF8 || cp == 65000 || cp == CP_UTF16LE || cp == CP_UTF16BE || cp == 12000 || cp == 12001;
}

// Decodes through ICU; offsets (when given) receive, per output unit, the index of the byte its character
// starts at. Returns false when stopOnInvalid is set and the input holds an invalid sequence.
bool DecodeIcu(const Codec& codec, const char* src, std::size_t n, UnicodeString& out,
               std::vector<int32_t>* offsets, bool stopOnInvalid) {
  UConverter* cnv = ThreadConverter(codec);
  if (stopOnInvalid && codec.rejectedByte >= 0 && std::memchr(src, codec.rejectedByte, n)) return false;
  ToUContext ctx;
  ctx.codec = &codec;
  ctx.stopOnInvalid = stopOnInvalid;
  UErrorCode err = U_ZERO_ERROR;
  ucnv_setToUCallBack(cnv, ToUReplace, &ctx, nullptr, nullptr, &err);
  out.clear();
  if (offsets) offsets->clear();
  std::size_t capacity = n + 16;
  const char* source = src;
  const char* sourceLimit = src + n;
  std::size_t written = 0;
  for (;;) {
    out.resize(capacity);
    if (offsets) offsets->resize(capacity);
    UChar* target = reinterpret_cast<UChar*>(out.data()) + written;
    UChar* const targetStart = target;
    const UChar* targetLimit = reinterpret_cast<UChar*>(out.data()) + capacity;
    const char* before = source;
    err = U_ZERO_ERROR;
    ucnv_toUnicode(cnv, &target, targetLimit, &source, sourceLimit,
                   offsets ? offsets->data() + written : nullptr, true, &err);
    const std::size_t produced = static_cast<std::size_t>(target - targetStart);
    if (offsets) {
      // ICU counts offsets from the start of this call's input.
      const auto base = static_cast<int32_t>(before - src);
      for (std::size_t i = written; i < written + produced; ++i)
        if ((*offsets)[i] >= 0) (*offsets)[i] += base;
    }
    written += produced;
    if (err == U_BUFFER_OVERFLOW_ERROR) {
      capacity = capacity * 2;
      continue;
    }
    break;
  }
  out.resize(written);
  if (codec.cp == 932)
    for (auto& u : out) u = Unrotate932(u);
  if (offsets) {
    offsets->resize(written);
    // Units written by the replacement callback may carry -1; keep the offsets rising and inside the input.
    int32_t last = 0;
    for (auto& o : *offsets) {
      o = std::min(std::max(o, last), static_cast<int32_t>(n));
      last = o;
    }
  }
  return U_SUCCESS(err) && !(stopOnInvalid && ctx.invalid);
}

void EncodeIcu(const Codec& codec, const char16_t* src, std::size_t n, std::string& out,
               const char* defaultChar, bool& usedDefault) {
  UConverter* cnv = ThreadConverter(codec);
  UnicodeString rotated;
  if (codec.cp == 932 && std::any_of(src, src + n, [](char16_t u) { return Rotate932(u) != u; })) {
    rotated.assign(src, src + n);
    for (auto& u : rotated) u = Rotate932(u);
    src = rotated.data();
  }
  FromUContext ctx;
  ctx.codec = &codec;
  ctx.defaultChar = defaultChar;
  ctx.unicodeTarget = IsUnicodeCodePage(codec.cp);
  UErrorCode err = U_ZERO_ERROR;
  ucnv_setFromUCallBack(cnv, FromUReplace, &ctx, nullptr, nullptr, &err);
  out.clear();
  std::size_t capacity = n * 2 + 16;
  const UChar* source = reinterpret_cast<const UChar*>(src);
  const UChar* sourceLimit = source + n;
  std::size_t written = 0;
  for (;;) {
    out.resize(capacity);
    char* target = out.data() + written;
    char* const targetStart = target;
    err = U_ZERO_ERROR;
    ucnv_fromUnicode(cnv, &target, out.data() + capacity, &source, sourceLimit, nullptr, true, &err);
    written += static_cast<std::size_t>(target - targetStart);
    if (err == U_BUFFER_OVERFLOW_ERROR) {
      capacity *= 2;
      continue;
    }
    break;
  }
  out.resize(written);
  // ICU's HZ encoder opens with a shift to ASCII, the state every reader starts in anyway.
  if (codec.cp == 52936 && out.compare(0, 2, "~}") == 0) out.erase(0, 2);
  usedDefault = ctx.used;
}

void EncodeSingleByte(const SingleByteCodec& sb, const char16_t* src, std::size_t n, std::string& out,
                      const char* defaultChar, bool& usedDefault) {
  const char fallback = defaultChar ? defaultChar[0] : '?';
  out.resize(n);
  std::size_t j = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t c = src[i];
    const uint8_t b = sb.fromUnicode[c];
    if (b != 0 || c == 0) {
      out[j++] = static_cast<char>(b);
      continue;
    }
    // A surrogate pair is one character and takes one replacement byte.
    if (U16_IS_LEAD(c) && i + 1 < n && U16_IS_TRAIL(src[i + 1])) ++i;
    usedDefault = true;
    out[j++] = fallback;
  }
  out.resize(j);
}

}  // namespace

uint32_t ResolveCodePage(uint32_t codePage) {
  if (codePage == CP_ACP) return GetACP();
  if (codePage == CP_OEMCP) return GetOEMCP();
  return codePage;
}

bool IsSupportedCodePage(uint32_t codePage) {
  return FindCodec(ResolveCodePage(codePage)) != nullptr;
}

void DecodeCodePage(uint32_t codePage, std::string_view bytes, UnicodeString& out,
                    std::vector<int32_t>* offsets) {
  const Codec& codec = CodecOf(codePage);
  if (codec.singleByte) {
    out.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
      out[i] = codec.sb.toUnicode[static_cast<uint8_t>(bytes[i])];
    if (offsets) {
      offsets->resize(bytes.size());
      for (std::size_t i = 0; i < bytes.size(); ++i) (*offsets)[i] = static_cast<int32_t>(i);
    }
    return;
  }
  DecodeIcu(codec, bytes.data(), bytes.size(), out, offsets, false);
}

bool EncodeCodePage(uint32_t codePage, std::u16string_view s, std::string& out, const char* defaultChar) {
  const Codec& codec = CodecOf(codePage);
  bool used = false;
  if (codec.singleByte)
    EncodeSingleByte(codec.sb, s.data(), s.size(), out, defaultChar, used);
  else
    EncodeIcu(codec, s.data(), s.size(), out, defaultChar, used);
  return used;
}

std::size_t DecodeWellFormedUTF8(const char* src, std::size_t n, WideChar* dst, std::size_t& units) {
  const auto* s = reinterpret_cast<const uint8_t*>(src);
  std::size_t b = 0, u = 0;
  auto cont = [&](std::size_t i) { return i < n && (s[i] & 0xC0) == 0x80; };
  while (b < n) {
#if defined(__SSE2__)
    // Sixteen ASCII bytes at a time, widened in registers: most text is mostly ASCII.
    for (; b + 16 <= n; b += 16, u += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + b));
      if (_mm_movemask_epi8(v)) break;
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + u), _mm_unpacklo_epi8(v, _mm_setzero_si128()));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + u + 8), _mm_unpackhi_epi8(v, _mm_setzero_si128()));
    }
#endif
    for (uint64_t v; b + 8 <= n; b += 8, u += 8) {
      std::memcpy(&v, s + b, 8);
      if (v & 0x8080808080808080ull) break;
      for (std::size_t j = 0; j < 8; ++j) dst[u + j] = s[b + j];
    }
    if (b == n) break;
    const uint8_t c = s[b];
    if (c < 0x80) {
      dst[u++] = c;
      ++b;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF && cont(b + 1)) {
      dst[u++] = static_cast<WideChar>(((c & 0x1F) << 6) | (s[b + 1] & 0x3F));
      b += 2;
      continue;
    }
    // No overlong forms (E0 80..9F, F0 80..8F), no surrogates (ED A0..BF), nothing beyond U+10FFFF.
    if (c >= 0xE0 && c <= 0xEF && cont(b + 1) && cont(b + 2) && !(c == 0xE0 && s[b + 1] < 0xA0) &&
        !(c == 0xED && s[b + 1] > 0x9F)) {
      dst[u++] = static_cast<WideChar>(((c & 0x0F) << 12) | ((s[b + 1] & 0x3F) << 6) | (s[b + 2] & 0x3F));
      b += 3;
      continue;
    }
    if (c >= 0xF0 && c <= 0xF4 && cont(b + 1) && cont(b + 2) && cont(b + 3) &&
        !(c == 0xF0 && s[b + 1] < 0x90) && !(c == 0xF4 && s[b + 1] > 0x8F)) {
      const char32_t cp = (static_cast<char32_t>(c & 0x07) << 18) | ((s[b + 1] & 0x3Fu) << 12) |
                          ((s[b + 2] & 0x3Fu) << 6) | (s[b + 3] & 0x3Fu);
      dst[u++] = static_cast<WideChar>(0xD7C0 + (cp >> 10));
      dst[u++] = static_cast<WideChar>(0xDC00 | (cp & 0x3FF));
      b += 4;
      continue;
    }
    break;
  }
  units = u;
  return b;
}

namespace {

// Well-formed UTF-8 decoded straight into dst (room for n units at least, which UTF-8 never exceeds); from
// the first ill-formed sequence on, the converter decodes the rest, so that what it puts in place of the bad
// bytes stays as it was.
int DecodeUTF8Into(const Codec& codec, const char* src, std::size_t n, WideChar* dst, int dstLen) {
  std::size_t u = 0;
  const std::size_t b = DecodeWellFormedUTF8(src, n, dst, u);
  if (b == n) return static_cast<int>(u);
  UnicodeString rest;
  DecodeIcu(codec, src + b, n - b, rest, nullptr, false);
  if (rest.size() > static_cast<std::size_t>(dstLen) - u) return FailWith(ERROR_INSUFFICIENT_BUFFER);
  std::copy(rest.begin(), rest.end(), dst + u);
  return static_cast<int>(u + rest.size());
}

}  // namespace

int MultiByteToWideChar(uint32_t codePage, uint32_t flags, const char* src, int srcLen, WideChar* dst,
                        int dstLen) {
  if (!CheckBufferArguments(src, srcLen, dst, dstLen)) return 0;
  if ((flags & ~(MB_PRECOMPOSED | MB_ERR_INVALID_CHARS)) != 0) return FailWith(ERROR_INVALID_FLAGS);
  const std::size_t n = SourceUnits(src, srcLen);
  const Codec& codec = CodecOf(codePage);
  // Corpus texts are mostly ASCII: with room enough, decode straight into the caller's buffer, and hand only
  // what follows the last plain character before the first other byte to the general path.
  if (dst && dstLen > 0 && static_cast<std::size_t>(dstLen) >= n && !(flags & MB_ERR_INVALID_CHARS) &&
      (codec.singleByte || ResolveCodePage(codePage) == CP_UTF8)) {
    if (codec.singleByte && !(flags & MB_PRECOMPOSED)) {
      for (std::size_t i = 0; i < n; ++i) dst[i] = codec.sb.toUnicode[static_cast<uint8_t>(src[i])];
      return static_cast<int>(n);
    }
    if (!codec.singleByte && !(flags & MB_PRECOMPOSED)) return DecodeUTF8Into(codec, src, n, dst, dstLen);
    std::size_t plain = 0;
    while (plain < n && static_cast<uint8_t>(src[plain]) < 0x80) {
      dst[plain] = static_cast<WideChar>(src[plain]);
      ++plain;
    }
    if (plain == n) return static_cast<int>(n);
    // A combining mark may attach to the plain character before it, so that one goes with the rest.
    if (plain > 0) --plain;
    UnicodeString rest;
    if (codec.singleByte) {
      rest.resize(n - plain);
      for (std::size_t i = plain; i < n; ++i)
        rest[i - plain] = codec.sb.toUnicode[static_cast<uint8_t>(src[i])];
    } else {
      DecodeIcu(codec, src + plain, n - plain, rest, nullptr, false);
    }
    if (flags & MB_PRECOMPOSED) ComposeCombiningSequences(rest);
    if (rest.size() > static_cast<std::size_t>(dstLen) - plain) return FailWith(ERROR_INSUFFICIENT_BUFFER);
    std::copy(rest.begin(), rest.end(), dst + plain);
    return static_cast<int>(plain + rest.size());
  }
  UnicodeString out;
  if (codec.singleByte) {
    out.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      const auto b = static_cast<uint8_t>(src[i]);
      if ((flags & MB_ERR_INVALID_CHARS) && codec.sb.IsInvalid(b))
        return FailWith(ERROR_NO_UNICODE_TRANSLATION);
      out[i] = codec.sb.toUnicode[b];
    }
  } else if (!DecodeIcu(codec, src, n, out, nullptr, (flags & MB_ERR_INVALID_CHARS) != 0)) {
    return FailWith(ERROR_NO_UNICODE_TRANSLATION);
  }
  if (flags & MB_PRECOMPOSED) ComposeCombiningSequences(out);
  return DeliverUnits(out.data(), out.size(), dst, dstLen);
}

int WideCharToMultiByte(uint32_t codePage, uint32_t flags, const WideChar* src, int srcLen, char* dst,
                        int dstLen, const char* defaultChar, bool* usedDefaultChar) {
  if (usedDefaultChar) *usedDefaultChar = false;
  if (!CheckBufferArguments(src, srcLen, dst, dstLen)) return 0;
  if ((flags & ~WC_NO_BEST_FIT_CHARS) != 0) return FailWith(ERROR_INVALID_FLAGS);
  std::string out;
  const bool used =
      EncodeCodePage(codePage, std::u16string_view(src, SourceUnits(src, srcLen)), out, defaultChar);
  const int written = DeliverUnits(out.data(), out.size(), dst, dstLen);
  if (written > 0 && usedDefaultChar) *usedDefaultChar = used;
  return written;
}

UnicodeString CodePageToUnicode(uint32_t cp, std::string_view bytes) {
  UnicodeString out;
  DecodeCodePage(cp, bytes, out, nullptr);
  return out;
}

std::string UnicodeToCodePage(uint32_t cp, std::u16string_view s) {
  std::string out;
  EncodeCodePage(cp, s, out, nullptr);
  return out;
}

void InstallCodePageAnsiHooks() {
  Global_AnsiDecodeProc = [](std::string_view bytes) { return CodePageToUnicode(GetACP(), bytes); };
  Global_AnsiEncodeProc = [](std::u16string_view text) { return UnicodeToCodePage(GetACP(), text); };
}

namespace {

// The runtime's ANSI conversions follow the process code page from the moment the library loads.
struct TAnsiHooksInstaller {
  TAnsiHooksInstaller() { InstallCodePageAnsiHooks(); }
};
const TAnsiHooksInstaller gAnsiHooksInstaller;

}  // namespace

}  // namespace lx
