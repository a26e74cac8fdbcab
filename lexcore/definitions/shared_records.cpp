#include "lexcore/definitions/shared_records.h"

#include <algorithm>

#include "lexcore/rtl/lx_byteimage.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

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

TGridHead32FixedImage GridHeadFixedToImage(const TGrid_head32& h) {
  TGridHead32FixedImage image;
  TByteImageWriter w(image.data(), image.size());
  w.Put(h.alignment);
  w.Put(h.typefaces.Image());
  w.Put(h.editable);
  w.Zeros(1);
  w.Put(h.minimum);
  w.Put(h.decimals);
  w.Zeros(3);
  w.Put(h.vestigial_TextColour);
  w.Put(h.user_specified_background);
  w.Put(h.allow_case_change);
  w.Put(h.extra_computed);
  w.Put(h.numerical);
  w.Put(h.heading_visible);
  w.Put(h.original_column);
  w.Put(h.pixel_width96);
  w.Put(h.output_case);
  w.Put(h.ShowAsApproximate);
  w.Put(h.may_have_old_data_unsafe);
  w.Put(h.previous_decimals);
  w.Put(h.wordwrap);
  w.Put(h.has_custom_heading);
  w.Put(h.percent_data);
  w.Put(h.version);
  w.Put(h.HelpContext);
  w.Put(h.localization_number);
  w.Put(h.column_data.descriptives);
  w.Put(h.timeline_basis);
  w.Put(h.timelinerounded);
  w.Put(h.SortStateAscending);
  w.Put(h.has_custom_colours);
  w.Put(h.span);
  w.Put(h.spare_span);
  w.Put(h.extra_column_type);
  w.Put(h.spare_extra_col);
  w.Put(h.has_layout_changed_background);
  w.Put(h.has_layout_changed_foreground);
  w.Put(h.show_special_text_colour);
  w.Put(h.user_has_sorted_this_run);
  w.Put(h.spareBools);
  w.Put(h.show_as_percent_colour);
  w.Put(h.special_text_colour);
  w.Put(h.spare);
  LX_ASSERT(w.Position() == TGrid_head32::kFixedSize, "heading image size");
  return image;
}

void GridHeadFixedFromImage(const TGridHead32FixedImage& image, TGrid_head32& h) {
  TByteImageReader r(image.data(), image.size());
  r.Get(h.alignment);
  r.Get(h.typefaces.Image());
  r.Get(h.editable);
  r.Skip(1);
  r.Get(h.minimum);
  r.Get(h.decimals);
  r.Skip(3);
  r.Get(h.vestigial_TextColour);
  r.Get(h.user_specified_background);
  r.Get(h.allow_case_change);
  r.Get(h.extra_computed);
  r.Get(h.numerical);
  r.Get(h.heading_visible);
  r.Get(h.original_column);
  r.Get(h.pixel_width96);
  r.Get(h.output_case);
  r.Get(h.ShowAsApproximate);
  r.Get(h.may_have_old_data_unsafe);
  r.Get(h.previous_decimals);
  r.Get(h.wordwrap);
  r.Get(h.has_custom_heading);
  r.Get(h.percent_data);
  r.Get(h.version);
  r.Get(h.HelpContext);
  r.Get(h.localization_number);
  r.Get(h.column_data.descriptives);
  r.Get(h.timeline_basis);
  r.Get(h.timelinerounded);
  r.Get(h.SortStateAscending);
  r.Get(h.has_custom_colours);
  r.Get(h.span);
  r.Get(h.spare_span);
  r.Get(h.extra_column_type);
  r.Get(h.spare_extra_col);
  r.Get(h.has_layout_changed_background);
  r.Get(h.has_layout_changed_foreground);
  r.Get(h.show_special_text_colour);
  r.Get(h.user_has_sorted_this_run);
  r.Get(h.spareBools);
  r.Get(h.show_as_percent_colour);
  r.Get(h.special_text_colour);
  r.Get(h.spare);
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
  return StringReplace(_LXNotPattern.Text(), u"%s", sensitive, 0);
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
