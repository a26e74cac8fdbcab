// Integer-array searches and the word-internal character rules applied to a character-class array.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Flag words of the character-class array beyond the platform's own (C1_* of CT_CTYPE1).
constexpr uint16_t CharClassHidden = 0x0800;         // inside mark-up: skipped when words are matched
constexpr uint16_t CharClassSegmentMarker = 0x8000;  // low 11 bits hold a segment code
constexpr uint16_t CharClassHiddenOrMarker = 0x8800;
constexpr uint16_t CharClassWordChar = 0x0104;   // letter or digit
constexpr uint16_t CharClassWhite = 0x0068;      // space, control or blank
constexpr uint16_t CharClassSeparator = 0x0078;  // white or punctuation
// Classes written by the reclassification rules.
constexpr uint16_t CharClassAsLetter = 0x0302;
constexpr uint16_t CharClassAsDigit = 0x0204;
constexpr uint16_t CharClassDefinedOnly = 0x0200;

// A marker word's low bits are a segment code, so it is never hidden.
constexpr bool IsHiddenClass(uint16_t c) {
  return (c & CharClassHiddenOrMarker) == CharClassHidden;
}

// Index of value among count integers, -1 when absent.
int PositionInIntegerArray(const int32_t* arr, int count, int32_t value);
// The same, searching from the last element backwards.
int PositionInArrayOfInteger(const int32_t* arr, int count, int32_t value);
// Binary search of an ascending array: the index of value (Found true) or of the first bigger element (Found
// false); -1 when every element is smaller.
int PositionInAscendingArrayOfInteger(const int32_t* arr, int count, int32_t value, bool& Found);
int ScanForInt(const int32_t* arr, int count, int32_t value);
// Index of the first element bigger than value, -1 when none.
int ScanForIntBigger(const int32_t* arr, int count, int32_t value);

// Lets the middleCount characters of middleChars stand inside words: each occurrence that is not hidden
// becomes a letter (0x0302), or a digit (0x0204) when the word character it joins is a digit. Unless
// mayStartWord, the first visible character to its left must be a letter or digit; unless mayEndWord, so must
// the first visible one to its right. buffer holds 8-bit (isWide false) or 16-bit characters; an 8-bit buffer
// is compared by byte value.
void HandleMiddleChars(const void* buffer, uint16_t* classArray, const WideChar* middleChars, int middleCount,
                       int length, bool isWide, bool mayEndWord, bool mayStartWord);
// A ".", ",", U+00B7 (or a space, with spaceInNumbers) between two digits becomes a digit.
void HandleMiddleCharsInNumbers(bool isWide, bool spaceInNumbers, const void* buffer, uint16_t* classArray,
                                int length);

}  // namespace lx
