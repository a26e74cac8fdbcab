// Code-page decoding and encoding through the platform calls, with and without precomposition and the
// invalid-input check, on single-byte, double-byte and Unicode pages.
#include <vector>

#include "fuzz_support.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_compose.h"
#include "lexcore/rtl/lx_exceptions.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static constexpr uint32_t kPages[] = {CP_ACP,  437,        850,        1250,  1251,  1252, 1253,
                                        1255,    1256,       874,        932,   936,   949,  950,
                                        CP_UTF8, CP_UTF16LE, CP_UTF16BE, 20127, 28591, 65000};
  fuzz::ByteReader in(data, size);
  const uint32_t page = kPages[in.Byte() % std::size(kPages)];
  const uint8_t options = in.Byte();
  uint32_t flags = 0;
  if (options & 1) flags |= MB_PRECOMPOSED;
  if (options & 2) flags |= MB_ERR_INVALID_CHARS;
  const std::string_view bytes = in.Rest();
  try {
    if (!IsSupportedCodePage(page)) return 0;
    const int len = static_cast<int>(bytes.size());
    // The two-call pattern: ask for the size, then convert into exactly that much.
    const int need = MultiByteToWideChar(page, flags, bytes.data(), len, nullptr, 0);
    if (need > 0) {
      std::vector<WideChar> wide(static_cast<std::size_t>(need));
      const int got = MultiByteToWideChar(page, flags, bytes.data(), len, wide.data(), need);
      if (got != need) __builtin_trap();
      // Too small a buffer must fail cleanly, not write past it.
      if (need > 1) MultiByteToWideChar(page, flags, bytes.data(), len, wide.data(), need - 1);
    }
    if (!bytes.empty() && bytes.back() == '\0')
      MultiByteToWideChar(page, flags, bytes.data(), -1, nullptr, 0);

    // The same bytes as UTF-16 text to encode, lone surrogates included.
    UnicodeString text = fuzz::AsUTF16(bytes);
    bool usedDefault = false;
    const int wlen = static_cast<int>(text.size());
    const int outNeed = WideCharToMultiByte(page, 0, text.data(), wlen, nullptr, 0, nullptr, &usedDefault);
    if (outNeed > 0) {
      std::string out(static_cast<std::size_t>(outNeed), '\0');
      WideCharToMultiByte(page, 0, text.data(), wlen, out.data(), outNeed, "#", &usedDefault);
    }

    UnicodeString decoded;
    std::vector<int32_t> offsets;
    DecodeCodePage(page, bytes, decoded, &offsets);
    if (offsets.size() != decoded.size()) __builtin_trap();
    std::string encoded;
    EncodeCodePage(page, decoded, encoded, nullptr);
    ComposeCombiningSequences(text);
  } catch (const Exception&) {
  }
  return 0;
}
