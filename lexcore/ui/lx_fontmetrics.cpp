#include "lexcore/ui/lx_fontmetrics.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

// Advance widths of the printable ASCII characters, space to tilde, in thousandths of an em.
constexpr std::array<uint16_t, 95> kAsciiUnits = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to _
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` to o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // p to ~

constexpr uint16_t kWideFlag = 0x8000;
constexpr uint16_t kUnitsMask = 0x7FFF;
constexpr uint16_t kFullEm = 1000;

uint16_t AsciiUnits(char32_t c) {
  return (c >= 0x20 && c < 0x7F) ? kAsciiUnits[c - 0x20] : 0;
}

uint16_t UnitsOf(char32_t c, const icu::Normalizer2* nfd) {
  if (c < 0x80) return AsciiUnits(c);
  const auto category = static_cast<UCharCategory>(u_charType(static_cast<UChar32>(c)));
  if (category == U_CONTROL_CHAR || category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK ||
      category == U_FORMAT_CHAR ||
      u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
    return 0;
  const auto eaw = u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_EAST_ASIAN_WIDTH);
  if (eaw == U_EA_WIDE || eaw == U_EA_FULLWIDTH) return kFullEm | kWideFlag;
  if (nfd) {
    icu::UnicodeString decomposed;
    if (nfd->getDecomposition(static_cast<UChar32>(c), decomposed) && decomposed.length() > 0) {
      const UChar32 base = decomposed.char32At(0);
      if (base >= 0x20 && base < 0x7F) return AsciiUnits(static_cast<char32_t>(base));
    }
  }
  if (category == U_SPACE_SEPARATOR) return AsciiUnits(U' ');
  if (category == U_UPPERCASE_LETTER || category == U_TITLECASE_LETTER) return 667;
  return 556;
}

const icu::Normalizer2* Nfd() {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  return U_SUCCESS(status) ? nfd : nullptr;
}

// Units of every BMP character, built once.
const std::vector<uint16_t>& BmpUnits() {
  static const std::vector<uint16_t> table = [] {
    std::vector<uint16_t> t(0x10000);
    const icu::Normalizer2* nfd = Nfd();
    for (char32_t c = 0; c < 0x10000; ++c) t[c] = U_IS_SURROGATE(c) ? 0 : UnitsOf(c, nfd);
    return t;
  }();
  return table;
}

uint16_t GlyphUnits(char32_t c) {
  if (c < 0x10000) return BmpUnits()[c];
  if (c > 0x10FFFF) return UnitsOf(0xFFFD, Nfd());
  return UnitsOf(c, Nfd());
}

bool IsFixedPitchFace(const TFont& font) {
  if (font.Pitch != fpDefault) return font.Pitch == fpFixed;
  const UnicodeString name = LowerCase(font.Name);
  for (std::u16string_view mark : {u"courier", u"mono", u"consol", u"fixed", u"terminal"})
    if (name.find(mark) != UnicodeString::npos) return true;
  return false;
}

int32_t CeilThousandths(int32_t em, int32_t units) {
  return (em * units + 999) / 1000;
}

// One code point from text at i (a lone surrogate reads as U+FFFD); i moves past it.
char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
  UChar32 c;
  U16_NEXT(text.data(), i, text.size(), c);
  return U_IS_SURROGATE(c) ? 0xFFFD : static_cast<char32_t>(c);
}

}  // namespace

int32_t TFont::EmPixels() const {
  constexpr int64_t kMaxEm = 2000;  // a thumbnail of a poster; anything larger is a corrupt setting
  const int64_t ppi = std::clamp<int64_t>(PixelsPerInch, 1, 4800);
  const int64_t em = (static_cast<int64_t>(Size) * ppi + 36) / 72;
  return static_cast<int32_t>(std::clamp<int64_t>(em, 1, kMaxEm));
}

TFontMeasure::TFontMeasure(const TFont& font)
    : em_(font.EmPixels()),
      bold_extra_(font.Style.Contains(fsBold) ? std::max(1, em_ / 16) : 0),
      fixed_(IsFixedPitchFace(font)),
      cell_(std::max(1, (em_ * 600 + 500) / 1000)) {
  for (char32_t c = 0; c < 128; ++c) ascii_[c] = AdvanceFromUnits(AsciiUnits(c));
  metrics_.tmAscent = CeilThousandths(em_, 905);
  metrics_.tmDescent = CeilThousandths(em_, 212);
  metrics_.tmHeight = metrics_.tmAscent + metrics_.tmDescent;
  metrics_.tmInternalLeading = std::max(0, metrics_.tmHeight - em_);
  metrics_.tmAveCharWidth = ascii_['x'];
  metrics_.tmMaxCharWidth = fixed_ ? AdvanceFromUnits(kFullEm | kWideFlag) : AdvanceFromUnits(1015);
  metrics_.fixed_pitch = fixed_;
}

int32_t TFontMeasure::AdvanceFromUnits(uint16_t units) const {
  if ((units & kUnitsMask) == 0) return 0;
  if (fixed_) return ((units & kWideFlag) ? 2 * cell_ : cell_) + bold_extra_;
  return ((units & kUnitsMask) * em_ + 500) / 1000 + bold_extra_;
}

int32_t TFontMeasure::Advance(char32_t c) const {
  return c < 128 ? ascii_[c] : AdvanceFromUnits(GlyphUnits(c));
}

int32_t TFontMeasure::NextTabStop(int32_t x) const {
  const int32_t stop = kTabStopChars * std::max(1, metrics_.tmAveCharWidth);
  return (x / stop + 1) * stop;
}

int32_t TFontMeasure::LineWidth(std::u16string_view text) const {
  int32_t width = 0;
  const std::vector<uint16_t>& bmp = BmpUnits();
  for (std::size_t i = 0; i < text.size();) {
    const char16_t u = text[i];
    if (u < 128) {
      width = u == u'\t' ? NextTabStop(width) : width + ascii_[u];
      ++i;
    } else if (!U16_IS_SURROGATE(u)) {
      width += AdvanceFromUnits(bmp[u]);
      ++i;
    } else {
      width += Advance(NextCodePoint(text, i));
    }
  }
  return width;
}

int32_t TFontMeasure::FitUnits(std::u16string_view text, int32_t maxExtent, std::span<int32_t> partial,
                               int32_t& width) const {
  const bool wantPartial = partial.size() >= text.size();
  int32_t fit = 0;
  bool fitting = true;
  width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t c = NextCodePoint(text, i);
    width = c == U'\t' ? NextTabStop(width) : width + Advance(c);
    fitting = fitting && width <= maxExtent;
    if (fitting) fit += static_cast<int32_t>(i - start);
    if (wantPartial)
      for (std::size_t k = start; k < i; ++k) partial[k] = width;
  }
  return fit;
}

}  // namespace lx
