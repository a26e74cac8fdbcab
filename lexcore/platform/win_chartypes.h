// Character classes (the CT_CTYPE1 flag words) of UTF-16 and code-page text.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr uint32_t CT_CTYPE1 = 1;
constexpr uint32_t CT_CTYPE2 = 2;
constexpr uint32_t CT_CTYPE3 = 4;

constexpr uint16_t C1_UPPER = 0x0001;
constexpr uint16_t C1_LOWER = 0x0002;
constexpr uint16_t C1_DIGIT = 0x0004;
constexpr uint16_t C1_SPACE = 0x0008;
constexpr uint16_t C1_PUNCT = 0x0010;
constexpr uint16_t C1_CNTRL = 0x0020;
constexpr uint16_t C1_BLANK = 0x0040;
constexpr uint16_t C1_XDIGIT = 0x0080;
constexpr uint16_t C1_ALPHA = 0x0100;
constexpr uint16_t C1_DEFINED = 0x0200;

// Fills charType[0..count-1] with one flag word per UTF-16 unit (count -1: src is zero-terminated, the zero
// not classified). Only CT_CTYPE1 is supported; other types and null pointers return false (last error 1004
// or 87). The class does not depend on the LCID.
bool GetStringTypeExW(uint32_t lcid, uint32_t infoType, const WideChar* src, int count, uint16_t* charType);
// The same for 8-bit text, decoded through the LCID's ANSI code page (the process code page for Unicode-only
// locales); one flag word per byte, a double-byte character giving its class to both bytes.
bool GetStringTypeExA(uint32_t lcid, uint32_t infoType, const char* src, int count, uint16_t* charType);

// The classes the text code fills its class arrays with: those of GetStringTypeExW / GetStringTypeExA, except
// that combining marks also count as letters (C1_ALPHA), so a word with a decomposed accent stays one word.
bool GetWordClassesW(const WideChar* src, int count, uint16_t* charType);
bool GetWordClassesA(uint32_t lcid, const char* src, int count, uint16_t* charType);
// GetWordClassesW's class of each of the 65,536 units taken alone; a surrogate pair's units take the class of
// the character they make instead, which the table cannot give.
const uint16_t* WordClassesOfUnits();

// The CT_CTYPE1 class of one code point.
uint16_t CharType1(char32_t c);
// The CT_CTYPE1 class (words: GetWordClassesW's class) of one code point worked out from its properties
// alone, as it is for code points beyond the Basic Multilingual Plane; the tables behind CharType1 and
// WordClassesOfUnits hold the same for the plane, made another way.
uint16_t ComputedCharClass(char32_t c, bool words);

}  // namespace lx
