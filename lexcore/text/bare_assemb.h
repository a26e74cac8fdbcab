// Fast routines over raw character buffers: byte-order marks, searching, replacing in place, comparing and
// checksums. Lengths are counted in characters of the buffer's width; a length below 1 does nothing. Searches
// return a 0-based index, -1 when absent.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Byte-order marks: the buffer when its first unit is FEFF or FFFE (signed) / is FFFE (byte-reversed), else
// null. Null gives null.
const WideChar* UnicodeSigned(const WideChar* buffer);
const WideChar* UnicodeByteReversed(const WideChar* buffer);
// Swaps the bytes of every unit of a zero-terminated buffer in place.
void StrSwapByteOrder(WideChar* buffer);

// First exact occurrence of the zero-terminated sub among the first len characters of text.
int FastStrPos(const char* text, const char* sub, int len);
int FastStrPosW(const WideChar* text, const WideChar* sub, int len);
// The same, each character of text matching either the upper or the lower form at that position of sub;
// subUpper and subLower must be equally long.
int FastStrIPos(const char* text, const char* subUpper, const char* subLower, int len);
int FastStrIPosW(const WideChar* text, const WideChar* subUpper, const WideChar* subLower, int len);
int FastStrScan(const char* buf, char c, int len);
int FastStrScanW(const WideChar* buf, WideChar c, int len);

// Overwrites every occurrence of oldText (oldLen characters) by newText of the same length; the scan resumes
// after each replacement. Returns the number of replacements.
int SearchAndReplaceFastW(WideChar* buf, const WideChar* oldText, const WideChar* newText, int len,
                          int oldLen);

void ReplaceChar1ByChar2(char* buf, char c1, char c2, int len);
void ReplaceChar1ByChar2W(WideChar* buf, WideChar c1, WideChar c2, int len);
void ReplaceCharacterBySpace(char* buf, char c, int len);
void ReplaceCharacterBySpaceW(WideChar* buf, WideChar c, int len);
// Every character below 32 becomes a space.
void ReplaceControlCharsBySpaceA(char* buf, int len);
void ReplaceControlCharsBySpaceW(WideChar* buf, int len);
// Every 13, and a 10 directly after it, becomes a space.
void ReplaceCarriageReturnsBySpaceA(char* buf, int len);
void ReplaceCarriageReturnsBySpaceW(WideChar* buf, int len);
void ReplaceTabsBySpace(char* buf, int len);
void ReplaceTabsBySpace(WideChar* buf, int len);

// Fill n characters with spaces or zeros.
void BlankOutSomeBytesA(char* buf, int n);
void BlankOutSomeBytesW(WideChar* buf, int n);
void ZeroSomeBytesW(WideChar* buf, int n);

// True when the first n characters agree (true for n below 1).
bool EqualContentsA(const char* a, const char* b, int n);
bool EqualContentsW(const WideChar* a, const WideChar* b, int n);
// Characters still unexamined at the first difference (n minus its 1-based index); 0 when all n agree.
int HowFarEqualContentsA(const char* a, const char* b, int n);
int HowFarEqualContentsW(const WideChar* a, const WideChar* b, int n);

// Occurrences of 13 (or of c) among the first n characters.
int Chr13sInPAnsichar(const char* buf, int n);
int Chr13sInPChar(const WideChar* buf, int n);
int WideChrsInPChar(const WideChar* buf, int n, WideChar c);

// Sum of n 16-bit units modulo 2^16.
uint16_t My2Checksum(const WideChar* buf, int n);
// Sum of nBytes/4 little-endian 32-bit units modulo 2^32; 0 below 4 bytes. The buffer need not be aligned.
uint32_t My4Checksum(const void* buf, int nBytes);
uint32_t CheckSumOfABufferful(const void* buf, int nBytes);

}  // namespace lx
