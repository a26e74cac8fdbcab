#include "lexcore/platform/win_compose.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

namespace lx {

namespace {

const icu::Normalizer2& Nfc() {
  UErrorCode err = U_ZERO_ERROR;
  static const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(err);
  return *n;
}

UnicodeString Normalized(const icu::Normalizer2* n, std::u16string_view s) {
  if (!n || s.empty()) return UnicodeString(s);
  UErrorCode err = U_ZERO_ERROR;
  const icu::UnicodeString src(false, reinterpret_cast<const UChar*>(s.data()),
                               static_cast<int32_t>(s.size()));
  const icu::UnicodeString out = n->normalize(src, err);
  if (U_FAILURE(err)) return UnicodeString(s);
  return UnicodeString(reinterpret_cast<const char16_t*>(out.getBuffer()),
                       static_cast<std::size_t>(out.length()));
}

}  // namespace

void ComposeCombiningSequences(UnicodeString& s) {
  // Text below U+0300 is already composed.
  std::size_t first = 0;
  while (first < s.size() && s[first] < 0x300) ++first;
  if (first == s.size()) return;
  const icu::Normalizer2& nfc = Nfc();
  // Start on the lead of a pair; a trail with no lead before it (even at the very start) stands alone.
  if (first > 0 && U16_IS_TRAIL(s[first]) && U16_IS_LEAD(s[first - 1])) --first;
  // Back up to the start of the segment that holds the first candidate.
  const auto n = static_cast<int32_t>(s.size());
  const auto codePointAt = [&](std::size_t at) {
    UChar32 c;
    U16_GET(s.data(), 0, static_cast<int32_t>(at), n, c);
    return c;
  };
  while (first > 0 && !nfc.hasBoundaryBefore(codePointAt(first))) {
    --first;
    if (first > 0 && U16_IS_TRAIL(s[first]) && U16_IS_LEAD(s[first - 1])) --first;
  }
  UnicodeString out(s, 0, first);
  out.reserve(s.size());
  int32_t i = static_cast<int32_t>(first);
  while (i < n) {
    // A segment runs from a character with a boundary before it up to the next such character.
    const int32_t start = i;
    UChar32 c;
    U16_NEXT(s.data(), i, n, c);
    int32_t count = 1;
    while (i < n) {
      int32_t j = i;
      U16_NEXT(s.data(), j, n, c);
      if (nfc.hasBoundaryBefore(c)) break;
      i = j;
      ++count;
    }
    const std::u16string_view segment(s.data() + start, static_cast<std::size_t>(i - start));
    if (count > 1)
      out += Normalized(&nfc, segment);
    else
      out += segment;
  }
  s.swap(out);
}

UnicodeString DecomposeCanonical(std::u16string_view s) {
  UErrorCode err = U_ZERO_ERROR;
  return Normalized(icu::Normalizer2::getNFDInstance(err), s);
}

UnicodeString ComposeCompatibility(std::u16string_view s) {
  UErrorCode err = U_ZERO_ERROR;
  return Normalized(icu::Normalizer2::getNFKCInstance(err), s);
}

UnicodeString DecomposeCompatibility(std::u16string_view s) {
  UErrorCode err = U_ZERO_ERROR;
  return Normalized(icu::Normalizer2::getNFKDInstance(err), s);
}

}  // namespace lx
