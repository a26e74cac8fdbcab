#include "lexcore/text/bare_assemb3.h"

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/text/bare_assemb.h"

namespace lx {

int PositionInIntegerArray(const int32_t* arr, int count, int32_t value) {
  if (!arr) return -1;
  for (int i = 0; i < count; ++i)
    if (arr[i] == value) return i;
  return -1;
}

int PositionInArrayOfInteger(const int32_t* arr, int count, int32_t value) {
  if (!arr) return -1;
  for (int i = count - 1; i >= 0; --i)
    if (arr[i] == value) return i;
  return -1;
}

int PositionInAscendingArrayOfInteger(const int32_t* arr, int count, int32_t value, bool& Found) {
  Found = false;
  if (!arr || count < 1) return -1;
  int lo = 0;
  int hi = count;  // first index whose element is >= value lies in [lo, hi]
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (arr[mid] < value)
      lo = mid + 1;
    else
      hi = mid;
  }
  if (lo == count) return -1;
  Found = arr[lo] == value;
  return lo;
}

int ScanForInt(const int32_t* arr, int count, int32_t value) {
  return PositionInIntegerArray(arr, count, value);
}

int ScanForIntBigger(const int32_t* arr, int count, int32_t value) {
  if (!arr) return -1;
  for (int i = 0; i < count; ++i)
    if (arr[i] > value) return i;
  return -1;
}

namespace {

inline WideChar CharAt(const void* buffer, bool isWide, int i) {
  return isWide ? static_cast<const WideChar*>(buffer)[i]
                : static_cast<WideChar>(static_cast<const uint8_t*>(buffer)[i]);
}

// The first visible neighbour in direction step, or -1 at a buffer edge or a segment marker.
inline int VisibleNeighbour(const uint16_t* cls, int i, int step, int length) {
  for (int j = i + step; j >= 0 && j < length; j += step) {
    if (cls[j] & CharClassSegmentMarker) return -1;
    if (!(cls[j] & CharClassHidden)) return j;
  }
  return -1;
}

}  // namespace

void HandleMiddleChars(const void* buffer, uint16_t* classArray, const WideChar* middleChars, int middleCount,
                       int length, bool isWide, bool mayEndWord, bool mayStartWord) {
  if (!buffer || !classArray || !middleChars) return;
  for (int m = 0; m < middleCount; ++m) {
    const WideChar mc = middleChars[m];
    if (!isWide && mc > 0xFF) continue;
    for (int i = 0; i < length; ++i) {
      // Jump to the next occurrence: most texts hold few of these characters.
      const int next =
          isWide ? FastStrScanW(static_cast<const WideChar*>(buffer) + i, mc, length - i)
                 : FastStrScan(static_cast<const char*>(buffer) + i, static_cast<char>(mc), length - i);
      if (next < 0) break;
      i += next;
      // Markers are left alone too: overwriting one would lose its segment code.
      if (classArray[i] & CharClassHiddenOrMarker) continue;
      uint16_t candidate = CharClassAsLetter;
      bool ok = true;
      for (int side = 0; side < 2 && ok; ++side) {
        const bool free = side == 0 ? mayStartWord : mayEndWord;
        if (free) continue;
        const int j = VisibleNeighbour(classArray, i, side == 0 ? -1 : 1, length);
        if (j < 0 || !(classArray[j] & CharClassWordChar))
          ok = false;
        else if (classArray[j] & C1_DIGIT)
          candidate = CharClassAsDigit;
      }
      if (ok) classArray[i] = candidate;
    }
  }
}

void HandleMiddleCharsInNumbers(bool isWide, bool spaceInNumbers, const void* buffer, uint16_t* classArray,
                                int length) {
  if (!buffer || !classArray) return;
  // A segment marker's low bits are a code, not character flags: it is never a digit.
  auto digit = [&](int k) { return (classArray[k] & (C1_DIGIT | CharClassSegmentMarker)) == C1_DIGIT; };
  for (int i = 0; i + 2 < length; ++i) {
    if (!digit(i) || digit(i + 1) || !digit(i + 2)) continue;
    const WideChar c = CharAt(buffer, isWide, i + 1);
    if (c == u'.' || c == u',' || c == 0x00B7 || (spaceInNumbers && c == u' '))
      classArray[i + 1] = CharClassAsDigit;
  }
}

}  // namespace lx
