#include "lexcore/definitions/shared_records.h"

#include <algorithm>

#include "lexcore/rtl/lx_byteimage.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

int32_t Global_LowestJumpTo = 0;

LX_RESOURCESTRING(_LXNotApplicable, u"n/a")
LX_RESOURCESTRING(_LXCaseSensitive, u"case sensitive")
LX_RESOURCESTRING(_LXNotPattern, u"NOT (%s)")

LX_RESOURCESTRING(_LXtlpb_unknown, u"unknown")
LX_RESOURCESTRING(_LXtlpb_millennia, u"millennia")
LX_RESOURCESTRING(_LXtlpb_centuries, u"centuries")
LX_RESOURCESTRING(_LXtlpb_decades, u"decades")
LX_RESOURCESTRING(_LXtlpb_years, u"years")
LX_RESOURCESTRING(_LXtlpb_months, u"months")
LX_RESOURCESTRING(_LXtlpb_weeks, u"weeks")
LX_RESOURCESTRING(_LXtlpb_days, u"days")
LX_RESOURCESTRING(_LXtlpb_hours, u"hours")
LX_RESOURCESTRING(_LXtlpb_datafield, u"data field")
LX_RESOURCESTRING(_LXtlpb_custom, u"custom")
LX_RESOURCESTRING(_LXtlpb_spare, u"spare")

UnicodeString TimeLinePlotbaseStr(TTimeLinePlotbase basis) {
  static const std::array<const TResourceString*, kTimeLinePlotbaseCount> names = {
      &_LXtlpb_unknown, &_LXtlpb_millennia, &_LXtlpb_centuries, &_LXtlpb_decades,
      &_LXtlpb_years,   &_LXtlpb_months,    &_LXtlpb_weeks,     &_LXtlpb_days,
      &_LXtlpb_hours,   &_LXtlpb_datafield, &_LXtlpb_custom,    &_LXtlpb_spare};
  return basis < kTimeLinePlotbaseCount ? names[basis]->Text() : UnicodeString();
}

// ---- Column heading fixed part ----

namespace {

constexpr auto kGridHeadLayout = [](auto& io, auto& h) {
  io.Field(h.alignment);
  io.Field(h.typefaces.Image());
  io.Field(h.editable);
  io.Pad(1);
  io.Field(h.minimum);
  io.Field(h.decimals);
  io.Pad(3);
  io.Field(h.vestigial_TextColour);
  io.Field(h.user_specified_background);
  io.Field(h.allow_case_change);
  io.Field(h.extra_computed);
  io.Field(h.numerical);
  io.Field(h.heading_visible);
  io.Field(h.original_column);
  io.Field(h.pixel_width96);
  io.Field(h.output_case);
  io.Field(h.ShowAsApproximate);
  io.Field(h.may_have_old_data_unsafe);
  io.Field(h.previous_decimals);
  io.Field(h.wordwrap);
  io.Field(h.has_custom_heading);
  io.Field(h.percent_data);
  io.Field(h.version);
  io.Field(h.HelpContext);
  io.Field(h.localization_number);
  io.Field(h.column_data.descriptives);
  io.Field(h.timeline_basis);
  io.Field(h.timelinerounded);
  io.Field(h.SortStateAscending);
  io.Field(h.has_custom_colours);
  io.Field(h.span);
  io.Field(h.spare_span);
  io.Field(h.extra_column_type);
  io.Field(h.spare_extra_col);
  io.Field(h.has_layout_changed_background);
  io.Field(h.has_layout_changed_foreground);
  io.Field(h.show_special_text_colour);
  io.Field(h.user_has_sorted_this_run);
  io.Field(h.spareBools);
  io.Field(h.show_as_percent_colour);
  io.Field(h.special_text_colour);
  io.Field(h.spare);
};
static_assert(ByteImageSizeIs<TGrid_head32>(kGridHeadLayout, TGrid_head32::kFixedSize));

}  // namespace

TGridHead32FixedImage GridHeadFixedToImage(const TGrid_head32& h) {
  return WriteByteImage<TGrid_head32::kFixedSize>(h, kGridHeadLayout);
}

void GridHeadFixedFromImage(const TGridHead32FixedImage& image, TGrid_head32& h) {
  ReadByteImage(image.data(), image.size(), h, kGridHeadLayout);
}

// ---- Conversions ----

bool IsOKColour(TColor colour, bool zeroNotOK) {
  if (colour == kNoColour) return false;
  return !(zeroNotOK && colour == 0);
}

TPalavraStr CopiedWordDetails(const TGrid_data_rec& cell) {
  TPalavraStr r;
  if (cell.Show_prefix) r[dgso_prefix] = cell.word_details[dgso_prefix];
  if (cell.show_word) r[dgso_main] = cell.word_details[dgso_main];
  if (cell.show_suffix) r[dgso_suffix] = cell.word_details[dgso_suffix];
  return r;
}

UnicodeString RelevantAffixesOfStringData(const TGrid_data_rec& cell) {
  UnicodeString s = ThreeAffixesOfPalavra(CopiedWordDetails(cell));
  if (s.empty()) s = _LXNotApplicable;
  return s;
}

UnicodeString ThreeAffixesOfPalavra(const TPalavraStr& parts) {
  return parts[dgso_prefix] + parts[dgso_main] + parts[dgso_suffix];
}

void SetDataRecStringNonApplicable(TGrid_data_rec& cell) {
  if (cell.n_and_disp.computed_value != kComputedValueBlank) {
    cell.word_details[dgso_main] = _LXNotApplicable;
    cell.n_and_disp.computed_value = kComputedValueNotApplicable;
  } else {
    cell.word_details[dgso_main].clear();
  }
  cell.data_type = ddt_string;
  cell.NonApplicable = true;
  cell.show_word = true;
  cell.Show_prefix = false;
  cell.show_suffix = false;
}

TCaseSensitivity BooleanToCaseSensitivity(bool sensitive) {
  return sensitive ? cs_sensitive : cs_anyhow;
}

bool CaseSensitivityToBoolean(TCaseSensitivity cs) {
  return cs == cs_sensitive;
}

UnicodeString CaseSensitivityToStr(TCaseSensitivity cs) {
  const UnicodeString sensitive = _LXCaseSensitive;
  if (cs == cs_sensitive) return sensitive;
  return Format(_LXNotPattern, {sensitive});
}

LCID PrimaryLanguage(LCID lcid) {
  return lcid & ~LCID(0xFC00);
}

bool SamePrimaryLanguage(LCID a, LCID b) {
  return (PrimaryLanguage(a) & 0xFFFF) == (PrimaryLanguage(b) & 0xFFFF);
}

bool BiDiModeFromLCID(LCID lcid) {
  switch (lcid & 0x3FF) {
    case 1:   // Arabic
    case 13:  // Hebrew
    case 41:  // Persian
    case 99:  // Pashto
      return true;
    default:
      return false;
  }
}

bool BiDiModeFromCharset(uint8_t charset) {
  return charset == 177 || charset == 178;
}

bool UnassignedColours(const TMyCanvasColourRec& set) {
  const auto& c = set.colours;
  return c[tct_text] == c[tct_background] || c[tct_selected_text] == c[tct_selected_background];
}

void EnsureColoursOK(TMyCanvasColourRec& set) {
  if (UnassignedColours(set)) set = BogStandardColours();
}

TMyCanvasColourRec BogStandardColours() {
  return TMyCanvasColourRec{{0x000000, 0xFFFFFF, 0xFFFFFF, 0x660000}};
}

TMyCanvasColourRec StyleSearchColours() {
  return TMyCanvasColourRec{{0xFFFFFF, 0x000080, 0x000080, 0xFFFFFF}};
}

TMyCanvasColourRecAndTypeface BogStandardColoursAndTypeface() {
  return TMyCanvasColourRecAndTypeface{BogStandardColours(), {}, {}};
}

TMyCanvasColourRecAndTypeface StyleSearchColoursAndTypeface() {
  return TMyCanvasColourRecAndTypeface{StyleSearchColours(), {}, {}};
}

bool PassesRelationshipThresholdTests(const TConcgramMutualChecks& checks,
                                      const std::array<float, kRelationshipStatsCount>& values) {
  bool anyTested = false;
  for (int i = 0; i < kRelationshipStatsCount; ++i) {
    const TBoolAndSingleSettings& s = checks.proc_settings[i];
    if (!s.do_it) continue;
    anyTested = true;
    const bool passes = values[i] >= s.threshold;
    if (checks.test_all_procedures) {
      if (!passes) return false;
    } else {
      if (passes) return true;
      if (!checks.test_all_words) return false;
    }
  }
  // Every tested measure passed (all-procedures mode), or none was tested.
  return checks.test_all_procedures || !anyTested;
}

std::pair<TConcordance_span_type, TConcordance_span_type> CollocSpan(const Tdouble_smallint_type& horizons) {
  // Horizons beyond the 50 + 51 positions would wrap in one byte; keep them on the scale instead.
  const int first = std::clamp(50 - int(horizons.to_left), 0, int(span_R51));
  const int last = std::clamp(50 + int(horizons.to_right), 0, int(span_R51));
  return {static_cast<TConcordance_span_type>(first), static_cast<TConcordance_span_type>(last)};
}

}  // namespace lx
