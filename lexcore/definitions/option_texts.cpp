#include "lexcore/definitions/option_texts.h"

#include <cmath>
#include <limits>

#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_format.h"

namespace lx {

LX_RESOURCESTRING(_LXWordsNoTags, u"words, no tags")
LX_RESOURCESTRING(_LXTagsIncluded, u"tags included")
LX_RESOURCESTRING(_LXTagsOnlyNoWords, u"tags only, no words")
LX_RESOURCESTRING(_LXOnlyTaggedWords, u"only tagged words")
LX_RESOURCESTRING(_LXTagsAsXToWords, u"tags as %s to words")
LX_RESOURCESTRING(_LXPrefix, u"prefix")
LX_RESOURCESTRING(_LXSuffix, u"suffix")
LX_RESOURCESTRING(_LXInches, u"inches")
LX_RESOURCESTRING(_LXCentimetres, u"centimetres")
LX_RESOURCESTRING(_LXSecondsToGo, u"~ %ds to go")
LX_RESOURCESTRING(_LXMinutesToGo, u"~ %dm to go")
LX_RESOURCESTRING(_LXHoursMinutesToGo, u"~ %dh %dm to go")

TDateTime Global_StartTime = 0;

// ---- tag options

UnicodeString WordListTagTreatmentToString(TWordListTagTreatment value) {
  switch (value) {
    case wltt_exclude_tags:
      return _LXWordsNoTags;
    case wltt_include_tags:
      return _LXTagsIncluded;
    case wltt_exclude_words:
      return _LXTagsOnlyNoWords;
    case wltt_only_tagged_words:
      return _LXOnlyTaggedWords;
  }
  return {};
}

UnicodeString WordListTagDisplayToString(TWordListTagDisplay value) {
  switch (value) {
    case wltd_no_tags:
      return _LXWordsNoTags;
    case wltd_tags_as_prefix:
      return Format(_LXTagsAsXToWords, {_LXPrefix.Text()});
    case wltd_tags_as_suffix:
      return Format(_LXTagsAsXToWords, {_LXSuffix.Text()});
    case wltd_only_tags:
      return _LXTagsOnlyNoWords;
  }
  return {};
}

TWordListTagTreatment StringToWordListTagTreatment(const UnicodeString& text) {
  for (TWordListTagTreatment v : {wltt_exclude_tags, wltt_exclude_words, wltt_only_tagged_words})
    if (WordListTagTreatmentToString(v) == text) return v;
  return wltt_include_tags;
}

TWordListTagDisplay StringToWordListTagDisplay(const UnicodeString& text) {
  for (TWordListTagDisplay v : {wltd_tags_as_prefix, wltd_tags_as_suffix, wltd_only_tags})
    if (WordListTagDisplayToString(v) == text) return v;
  return wltd_no_tags;
}

// ---- screen units

UnicodeString ScreenMeasurementUnitsToStr(TScreenMeasurementUnits units) {
  return units == sm_centimetres ? _LXCentimetres.Text() : _LXInches.Text();
}

double Inches_To_ScreenMeasurementUnits(TScreenMeasurementUnits units, double inches) {
  return units == sm_centimetres ? inches * inch_to_cm : inches;
}

double Cm_To_ScreenMeasurementUnits(TScreenMeasurementUnits units, double cm) {
  return units == sm_centimetres ? cm : cm / inch_to_cm;
}

double MM_To_ScreenMeasurementUnits(TScreenMeasurementUnits units, double mm) {
  return units == sm_centimetres ? mm / 10 : mm / inch_to_mm;
}

double DefaultMarginForUnits(TScreenMeasurementUnits units) {
  return ScreenMeasurementUnitsToInches(units);
}

double ScreenMeasurementUnitsToInches(TScreenMeasurementUnits units) {
  return units == sm_centimetres ? inch_to_cm : 1.0;
}

namespace {

// Nearest, halves to the even neighbour, clamped to the 32-bit range.
int32_t RoundToPixels(double v) {
  if (std::isnan(v)) return 0;
  v = std::nearbyint(v);
  if (v >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

}  // namespace

int32_t PixelWidth(TScreenMeasurementUnits units, double value) {
  if (units == sm_centimetres) value /= inch_to_cm;
  return RoundToPixels(value * kScreenPixelsPerInch);
}

int32_t FloatToPixels(double value, int32_t pixelsPerInch, TScreenMeasurementUnits units) {
  double v = value * pixelsPerInch;
  if (units == sm_centimetres) v /= inch_to_cm;
  return RoundToPixels(v);
}

double PixelsToFloat(int32_t pixels, int32_t pixelsPerInch, TScreenMeasurementUnits units) {
  if (pixelsPerInch == 0) return 0;
  const double v = static_cast<double>(pixels) / pixelsPerInch;
  return units == sm_centimetres ? v * inch_to_cm : v;
}

// ---- the stopwatch

void StartTiming() {
  Global_StartTime = Now();
}

TDateTime ElapsedTime(bool restart) {
  const TDateTime now = Now();
  const TDateTime e = now - Global_StartTime;
  if (restart) Global_StartTime = now;
  return e;
}

int32_t SecondsSinceGlobalStartTime() {
  return static_cast<int32_t>(std::floor((Now() - Global_StartTime) * SecsPerDay + 1e-6));
}

TDateTime EstimateOfTimeRemaining(int64_t done, int64_t total) {
  if (done <= 0) return 0;
  const TDateTime e = ElapsedTime(false);
  return static_cast<double>(total) * e / static_cast<double>(done) - e;
}

UnicodeString MessageOfEstimatedTimeRemaining(int64_t done, int64_t total) {
  const TDateTime estimate = EstimateOfTimeRemaining(done, total);
  if (!(estimate > 0)) return {};
  // Whole seconds, so that 89.9999 s from floating error still reads as a minute and a half.
  const int64_t seconds = std::llround(estimate * SecsPerDay);
  const int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  if (h == 0 && m == 0) return Format(_LXSecondsToGo, {static_cast<int32_t>(s)});
  if (h == 0) return Format(_LXMinutesToGo, {static_cast<int32_t>(m)});
  return Format(_LXHoursMinutesToGo, {static_cast<int32_t>(h), static_cast<int32_t>(m)});
}

}  // namespace lx
