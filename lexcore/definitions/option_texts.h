// Names of the word-list tag options and their reverse mapping, the screen measurement units, and the
// process-wide stopwatch behind the "time to go" of long operations. The texts are resource strings, so the
// reverse mappings compare with the current language's texts.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_types.h"
#include "lexcore/ui/lx_graphics.h"  // kScreenPixelsPerInch

namespace lx {

enum TWordListTagTreatment : uint8_t {
  wltt_exclude_tags,
  wltt_include_tags,
  wltt_exclude_words,
  wltt_only_tagged_words
};
enum TWordListTagDisplay : uint8_t { wltd_no_tags, wltd_tags_as_prefix, wltd_tags_as_suffix, wltd_only_tags };
enum TScreenMeasurementUnits : uint8_t { sm_inches, sm_centimetres };

constexpr double inch_to_cm = 2.54;
constexpr double inch_to_mm = 25.4;

LX_DECLARE_RESOURCESTRING(_LXWordsNoTags)
LX_DECLARE_RESOURCESTRING(_LXTagsIncluded)
LX_DECLARE_RESOURCESTRING(_LXTagsOnlyNoWords)
LX_DECLARE_RESOURCESTRING(_LXOnlyTaggedWords)
LX_DECLARE_RESOURCESTRING(_LXTagsAsXToWords)
LX_DECLARE_RESOURCESTRING(_LXPrefix)
LX_DECLARE_RESOURCESTRING(_LXSuffix)
LX_DECLARE_RESOURCESTRING(_LXInches)
LX_DECLARE_RESOURCESTRING(_LXCentimetres)
LX_DECLARE_RESOURCESTRING(_LXSecondsToGo)
LX_DECLARE_RESOURCESTRING(_LXMinutesToGo)
LX_DECLARE_RESOURCESTRING(_LXHoursMinutesToGo)

UnicodeString WordListTagTreatmentToString(TWordListTagTreatment value);
UnicodeString WordListTagDisplayToString(TWordListTagDisplay value);
TWordListTagTreatment StringToWordListTagTreatment(const UnicodeString& text);
TWordListTagDisplay StringToWordListTagDisplay(const UnicodeString& text);

UnicodeString ScreenMeasurementUnitsToStr(TScreenMeasurementUnits units);
double Inches_To_ScreenMeasurementUnits(TScreenMeasurementUnits units, double inches);
double Cm_To_ScreenMeasurementUnits(TScreenMeasurementUnits units, double cm);
double MM_To_ScreenMeasurementUnits(TScreenMeasurementUnits units, double mm);
double DefaultMarginForUnits(TScreenMeasurementUnits units);
double ScreenMeasurementUnitsToInches(TScreenMeasurementUnits units);
int32_t PixelWidth(TScreenMeasurementUnits units, double value);
int32_t FloatToPixels(double value, int32_t pixelsPerInch, TScreenMeasurementUnits units);
double PixelsToFloat(int32_t pixels, int32_t pixelsPerInch, TScreenMeasurementUnits units);

extern TDateTime Global_StartTime;
void StartTiming();
TDateTime ElapsedTime(bool restart);
int32_t SecondsSinceGlobalStartTime();
// 0 when nothing is done yet: no estimate can be made.
TDateTime EstimateOfTimeRemaining(int64_t done, int64_t total);
UnicodeString MessageOfEstimatedTimeRemaining(int64_t done, int64_t total);

}  // namespace lx
