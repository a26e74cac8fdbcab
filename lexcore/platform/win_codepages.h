// Conversion between code pages and UTF-16.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr uint32_t CP_ACP = 0;
constexpr uint32_t CP_OEMCP = 1;
constexpr uint32_t CP_UTF16LE = 1200;
constexpr uint32_t CP_UTF16BE = 1201;
constexpr uint32_t CP_UTF8 = 65001;

constexpr uint32_t MB_PRECOMPOSED = 0x01;
constexpr uint32_t MB_ERR_INVALID_CHARS = 0x08;
constexpr uint32_t WC_NO_BEST_FIT_CHARS = 0x400;  // accepted; no best-fit mapping is ever made

// Resolves CP_ACP and CP_OEMCP to the process settings.
uint32_t ResolveCodePage(uint32_t codePage);
// True when conversions through the code page are available.
bool IsSupportedCodePage(uint32_t codePage);

// srcLen -1: src is zero-terminated and the zero is converted and counted. dstLen 0: returns the size needed.
// Returns the number of units written, or 0 with the last error set (87 bad arguments, 122 buffer too small,
// 1113 invalid input under MB_ERR_INVALID_CHARS). Raises EConvertError "Code page %u is not supported".
// Undefined bytes of single-byte code pages decode to the control character of the same value; other
// malformed input decodes to U+FFFD. MB_PRECOMPOSED composes the result (NFC).
int MultiByteToWideChar(uint32_t codePage, uint32_t flags, const char* src, int srcLen, WideChar* dst,
                        int dstLen);
// Unmappable characters become defaultChar (its first byte; '?' when null) and set *usedDefaultChar.
int WideCharToMultiByte(uint32_t codePage, uint32_t flags, const WideChar* src, int srcLen, char* dst,
                        int dstLen, const char* defaultChar, bool* usedDefaultChar);

// Decodes the well-formed UTF-8 at the start of src (n bytes) into dst, which has room for n units, up to the
// first byte that does not begin a well-formed sequence (no overlong forms, surrogates or code points beyond
// U+10FFFF). Returns the bytes decoded; units receives the units written.
std::size_t DecodeWellFormedUTF8(const char* src, std::size_t n, WideChar* dst, std::size_t& units);

// Decoding for the services that classify, map or compare code-page text: offsets (when given) receive, per
// UTF-16 unit, the index of the byte its character starts at. Raises EConvertError for an unknown code page.
void DecodeCodePage(uint32_t codePage, std::string_view bytes, UnicodeString& out,
                    std::vector<int32_t>* offsets);
// Encodes; unmappable characters become defaultChar[0] ('?' when null). Returns whether any did.
bool EncodeCodePage(uint32_t codePage, std::u16string_view s, std::string& out, const char* defaultChar);

// Whole-string forms of the two conversions (no flags).
UnicodeString CodePageToUnicode(uint32_t cp, std::string_view bytes);
std::string UnicodeToCodePage(uint32_t cp, std::u16string_view s);

// Routes the runtime's process-code-page text conversions (the ANSI hooks) through these converters with
// GetACP(), so SetACP changes them. Done when the library loads.
void InstallCodePageAnsiHooks();

}  // namespace lx
