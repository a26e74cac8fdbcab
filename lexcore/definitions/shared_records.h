// Records that cross package boundaries: a grid cell as the list engine describes it, number display,
// timelines, colours, column headings, text statistics and relationship thresholds, with their small
// conversions. Stored records have an explicit little-endian byte image; booleans and enumerations in them
// are held as one byte so that any stored byte reads back unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "lexcore/definitions/file_status.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

class TExtraFontList;

constexpr TColor kNoColour = 0x1FFFFFFF;

// ---- Small enumerations ----

enum TMy_typeface : uint8_t { tf_bold, tf_italics, tf_underline, tf_strikeout };
using Ttypeface_Set = Set<TMy_typeface, 1>;

enum TMyCanvasColourTypes : uint8_t { tct_text, tct_selected_text, tct_background, tct_selected_background };

enum TCaseSensitivity : uint8_t { cs_anyhow, cs_sensitive };
enum TtriBool : uint8_t { quem_sabe, falso, verdadeiro };
enum editable_type : uint8_t { nao_pode, maiusc, minusc, tanto_faz };
enum TOutput_results_case : uint8_t {
  upper_case_output,
  title_case_output,
  lower_case_output,
  as_it_comes_output
};
enum TLXAlignment : uint8_t {
  centre_aligned,
  default_aligned,
  right_aligned,
  decimal_aligned,
  plotting_aligned,
  spare_aligned,
  conc_aligned,
  spare2_aligned
};
enum TLXColumnType : uint8_t { tnc_parsed_float, tnc_extra_set, tnc_relative_entropy, tnc_other };

enum drawgrid_data_types : uint8_t { ddt_string, ddt_number, ddt_plot, ddt_julian_date, ddt_dateplot };
enum TDrawGridStringOrder : uint8_t { dgso_prefix, dgso_main, dgso_suffix };
enum TNumberDisplay : uint8_t {
  gdd_as_integer,
  gdd_only_as_float,
  gdd_per_cent,
  gdd_per_thousand,
  gdd_per_million
};
enum TStatsDataType : uint8_t { tsdt_float, tsdt_string };
enum TLXoutput : uint8_t { pra_screen, pra_screen_test, pra_clipboard, pra_printer, pra_print_preview };

enum TTimeLinePlotbase : uint8_t {
  tlpb_unknown,
  tlpb_millennia,
  tlpb_centuries,
  tlpb_decades,
  tlpb_years,
  tlpb_months,
  tlpb_weeks,
  tlpb_days,
  tlpb_hours,
  tlpb_datafield,
  tlpb_custom,
  tlpb_spare
};
constexpr int kTimeLinePlotbaseCount = 12;

// Column statistics of one grid column.
enum TBaseDescriptivesSet : uint8_t {
  gc_total,
  gc_max,
  gc_min,
  gc_mean,
  gc_sd,
  gc_1,
  gc_2,
  gc_3,
  gc_4,
  gc_5,
  gc_6,
  gc_7,
  gc_8,
  gc_9,
  gc_10,
  gc_11,
  gc_12
};
constexpr int kDescriptivesCount = 17;

// Word positions of a collocate horizon: 50 words left of the centre, the centre, 51 words right.
enum TConcordance_span_type : uint8_t {
  span_L50,
  span_L49,
  span_L48,
  span_L47,
  span_L46,
  span_L45,
  span_L44,
  span_L43,
  span_L42,
  span_L41,
  span_L40,
  span_L39,
  span_L38,
  span_L37,
  span_L36,
  span_L35,
  span_L34,
  span_L33,
  span_L32,
  span_L31,
  span_L30,
  span_L29,
  span_L28,
  span_L27,
  span_L26,
  span_L25,
  span_L24,
  span_L23,
  span_L22,
  span_L21,
  span_L20,
  span_L19,
  span_L18,
  span_L17,
  span_L16,
  span_L15,
  span_L14,
  span_L13,
  span_L12,
  span_L11,
  span_L10,
  span_L09,
  span_L08,
  span_L07,
  span_L06,
  span_L05,
  span_L04,
  span_L03,
  span_L02,
  span_L01,
  span_Centre,
  span_R01,
  span_R02,
  span_R03,
  span_R04,
  span_R05,
  span_R06,
  span_R07,
  span_R08,
  span_R09,
  span_R10,
  span_R11,
  span_R12,
  span_R13,
  span_R14,
  span_R15,
  span_R16,
  span_R17,
  span_R18,
  span_R19,
  span_R20,
  span_R21,
  span_R22,
  span_R23,
  span_R24,
  span_R25,
  span_R26,
  span_R27,
  span_R28,
  span_R29,
  span_R30,
  span_R31,
  span_R32,
  span_R33,
  span_R34,
  span_R35,
  span_R36,
  span_R37,
  span_R38,
  span_R39,
  span_R40,
  span_R41,
  span_R42,
  span_R43,
  span_R44,
  span_R45,
  span_R46,
  span_R47,
  span_R48,
  span_R49,
  span_R50,
  span_R51
};

enum TRelationshipStats : uint8_t {
  RelatStat_Dice,
  RelatStat_MI,
  RelatStat_MI3,
  RelatStat_Z,
  RelatStat_log_likelihood,
  RelatStat_T_Score,
  RelatStat_Log_Ratio,
  RelatStat_ConditionalProbA,
  RelatStat_ConditionalProbB,
  RelatStat_DeltaPA,
  RelatStat_DeltaPB
};
constexpr int kRelationshipStatsCount = 11;

enum TRulerPlotWordCloudColourTypes : uint8_t {
  rpc_plotmarks,
  rpc_plot_overspill,
  rpc_rulermarks,
  rpc_margins,
  rpc_wordcloud_shapes,
  rpl_wordcloud_window,
  rpc_matched,
  rpc_joined,
  rpc_marked_head,
  rpc_marked_member
};

// ---- Fixed-length wide texts (zero-terminated inside the array) ----

using tenwidechar = std::array<char16_t, 11>;
using fiftywidechar = std::array<char16_t, 51>;
using eightywidechar = std::array<char16_t, 81>;
using hundredwidechar = std::array<char16_t, 101>;

// The text up to the first zero (or the whole array).
template <std::size_t N>
UnicodeString WideCharArrayToString(const std::array<char16_t, N>& a) {
  std::size_t n = 0;
  while (n < N && a[n]) ++n;
  return UnicodeString(a.data(), n);
}
// Copies at most N-1 units so that the array stays zero-terminated; the rest is zeroed.
template <std::size_t N>
void StringToWideCharArray(std::u16string_view s, std::array<char16_t, N>& a) {
  a.fill(0);
  const std::size_t n = s.size() < N - 1 ? s.size() : N - 1;
  for (std::size_t i = 0; i < n; ++i) a[i] = s[i];
}

// ---- Colour records ----

struct TMyCanvasColourRec {
  static constexpr std::size_t kStoredSize = 16;
  std::array<TColor, 4> colours{};  // indexed by TMyCanvasColourTypes
  bool operator==(const TMyCanvasColourRec&) const = default;
};

struct TMyCanvasColourRecAndTypeface {
  TMyCanvasColourRec colourset;
  Ttypeface_Set default_typeface;
  Ttypeface_Set highlight_typeface;
  bool operator==(const TMyCanvasColourRecAndTypeface&) const = default;
};

struct TRulerPlotWordCloudColoursRec {
  std::array<TColor, 10> colours{};  // indexed by TRulerPlotWordCloudColourTypes
  int32_t plot_divisions = 0;
};

struct TLXClipboardSettings {
  bool include_text = false;
  bool include_picture = false;
  bool include_heading_row = false;
  bool include_number_column = false;
  std::array<uint8_t, 20> spare{};
};

// ---- Column heading ----

struct TGridColumnDataRec32 {
  std::array<float, kDescriptivesCount> descriptives{};  // indexed by TBaseDescriptivesSet
};

// A column heading: a fixed part stored byte for byte, then hint and caption.
struct TGrid_head32 {
  static constexpr std::size_t kFixedSize = 196;
  TLXAlignment alignment = centre_aligned;
  Ttypeface_Set typefaces;
  editable_type editable = nao_pode;
  float minimum = 0;
  uint8_t decimals = 0;
  int32_t vestigial_TextColour = 0;
  TColor user_specified_background = 0;
  uint8_t allow_case_change = 0;
  uint8_t extra_computed = 0;
  uint8_t numerical = 0;
  uint8_t heading_visible = 0;
  int16_t original_column = 0;
  int16_t pixel_width96 = 0;
  TOutput_results_case output_case = upper_case_output;
  uint8_t ShowAsApproximate = 0;
  uint8_t may_have_old_data_unsafe = 0;
  uint8_t previous_decimals = 0;
  uint8_t wordwrap = 0;
  uint8_t has_custom_heading = 0;
  uint8_t percent_data = 0;
  uint8_t version = 0;
  int32_t HelpContext = 0;
  int32_t localization_number = 0;
  TGridColumnDataRec32 column_data;
  TTimeLinePlotbase timeline_basis = tlpb_unknown;
  uint8_t timelinerounded = 0;
  TtriBool SortStateAscending = quem_sabe;
  uint8_t has_custom_colours = 0;
  TConcordance_span_type span = span_L50;
  std::array<uint8_t, 3> spare_span{};
  TLXColumnType extra_column_type = tnc_parsed_float;
  std::array<uint8_t, 3> spare_extra_col{};
  uint8_t has_layout_changed_background = 0;
  uint8_t has_layout_changed_foreground = 0;
  uint8_t show_special_text_colour = 0;
  uint8_t user_has_sorted_this_run = 0;
  std::array<uint8_t, 4> spareBools{};
  TColor show_as_percent_colour = 0;
  TColor special_text_colour = 0;
  std::array<uint8_t, 56> spare{};
  UnicodeString hint;
  UnicodeString heading;
};

using TGridHead32FixedImage = std::array<uint8_t, TGrid_head32::kFixedSize>;
TGridHead32FixedImage GridHeadFixedToImage(const TGrid_head32& head);
// Fills the fixed fields; hint and heading are left as they are.
void GridHeadFixedFromImage(const TGridHead32FixedImage& image, TGrid_head32& head);

// ---- Grid cell ----

using TPalavraStr = std::array<UnicodeString, 3>;  // indexed by TDrawGridStringOrder

struct TV2GeneralPlotDataRec {
  uint32_t position = 0;
  UnicodeString context_string;
};

struct TGeneralPlotArray {
  std::vector<TV2GeneralPlotDataRec> positions;
  int32_t words_in_file = 0;
  int32_t words_in_biggest_file = 0;
};

struct THitAndWordCountRec {
  uint32_t hits = 0;
  uint32_t wordcount = 0;
};

struct TTimeLineDataRec {
  TTimeLinePlotbase plotbasis = tlpb_unknown;
  double start_date = 0;
  double finish_date = 0;
  uint32_t wordcount_total = 0;
  uint32_t hits_total = 0;
  uint32_t periods = 0;
  uint32_t max_hits = 0;
  uint32_t max_wordcount = 0;
  float hitsper1000 = 0;
  float dispersion_value = 0;
  bool IsOverallOrLine1Data = false;
  std::vector<THitAndWordCountRec> hitsandWCounts;
  UnicodeString searchword;
};

// Display names of the plot bases.
UnicodeString TimeLinePlotbaseStr(TTimeLinePlotbase basis);

constexpr float kComputedValueBlank = -999998.0f;
constexpr float kComputedValueNotApplicable = -999999.0f;

struct TNumberDisplayAndSinglesRec {
  TNumberDisplay mostra = gdd_as_integer;
  float source_value = 0;
  float computed_value = 0;
  int32_t basis = 0;
  UnicodeString basis_str;
};

struct TGrid_data_rec {
  TGrid_head32 GridHeading;
  drawgrid_data_types data_type = ddt_string;
  int32_t TrueColumn = 0;
  int32_t TrueRow = 0;
  int32_t concordance_hit_len = 0;
  int32_t concordance_midpoint = 0;
  int32_t sentence_start_pos = 0;
  void* wordsAndTagDisplayer = nullptr;      // the list's words-and-tags displayer, not owned
  TExtraFontList* colourfontList = nullptr;  // the entry's spans, not owned
  bool deleted = false;
  bool joined_elsewhere = false;
  bool hasjoined = false;
  bool matched = false;
  uint8_t marcacao = 0;
  TGeneralPlotArray plot_data;
  int32_t total_words_in_all_files = 0;
  TTimeLineDataRec timeline_data;
  TPalavraStr word_details;
  UnicodeString concord_full_length_text;
  UnicodeString plot_mainword;
  TNumberDisplayAndSinglesRec n_and_disp;
  bool BiggestInTheRow = false;
  bool DataOK = false;
  bool IsEdgeData = false;
  bool IsMainWordColumn = false;
  bool ShowAsRaw = false;
  bool ShowAsHeading = false;
  bool SpecialColourOrFontWanted = false;
  bool MoreDataNeeded = false;
  bool negative_result = false;
  bool NonApplicable = false;
  bool Show_prefix = false;
  bool show_suffix = false;
  bool show_word = false;
  float raw_single = 0;
  float raw_out_of = 0;
  TGridColumnDataRec32 grid_column_data;
  TStatsDataType data_form = tsdt_float;
  double textual_date = 0;
  TLXFilestatus FileStatus = fs_unknown;
  int32_t tag_number1Based = 0;
  int32_t spares = 0;
};

// ---- Text statistics ----

struct TText_stats_rec {
  int32_t n = 0;
  float mean = 0;
  float std_dev = 0;
};

// Where a search starts in its buffer, in bytes, when positive (set by the tools; the search engine reads
// it).
extern int32_t Global_LowestJumpTo;

// ---- Relationship thresholds ----

struct TBoolAndSingleSettings {
  bool do_it = false;
  float threshold = 0;
};
using TBoolAndSingleSettingsArray = std::array<TBoolAndSingleSettings, kRelationshipStatsCount>;

struct TConcgramMutualChecks {
  bool search_needed = false;
  bool test_all_procedures = false;
  bool test_all_words = false;
  TBoolAndSingleSettingsArray proc_settings{};
  eightywidechar search_string{};
};

// Collocation horizons: words to the left and right of the node.
struct Tdouble_smallint_type {
  int16_t to_left = 0;
  int16_t to_right = 0;
};

// ---- Conversions ----

// False for "no colour" (0x1FFFFFFF), and for 0 when zeroNotOK.
bool IsOKColour(TColor colour, bool zeroNotOK);

TPalavraStr CopiedWordDetails(const TGrid_data_rec& cell);
// Shown parts joined prefix, main, suffix; "n/a" when nothing is shown.
UnicodeString RelevantAffixesOfStringData(const TGrid_data_rec& cell);
UnicodeString ThreeAffixesOfPalavra(const TPalavraStr& parts);
void SetDataRecStringNonApplicable(TGrid_data_rec& cell);

TCaseSensitivity BooleanToCaseSensitivity(bool sensitive);
bool CaseSensitivityToBoolean(TCaseSensitivity cs);
UnicodeString CaseSensitivityToStr(TCaseSensitivity cs);

LCID PrimaryLanguage(LCID lcid);
bool SamePrimaryLanguage(LCID a, LCID b);
bool BiDiModeFromLCID(LCID lcid);
bool BiDiModeFromCharset(uint8_t charset);

bool UnassignedColours(const TMyCanvasColourRec& set);
void EnsureColoursOK(TMyCanvasColourRec& set);
TMyCanvasColourRec BogStandardColours();
TMyCanvasColourRec StyleSearchColours();
TMyCanvasColourRecAndTypeface BogStandardColoursAndTypeface();
TMyCanvasColourRecAndTypeface StyleSearchColoursAndTypeface();

// values: one result per measure, in TRelationshipStats order.
bool PassesRelationshipThresholdTests(const TConcgramMutualChecks& checks,
                                      const std::array<float, kRelationshipStatsCount>& values);

// First and last word positions that the horizons cover, clamped to the span positions.
std::pair<TConcordance_span_type, TConcordance_span_type> CollocSpan(const Tdouble_smallint_type& horizons);

// Resource texts used by these conversions.
LX_DECLARE_RESOURCESTRING(_LXNotApplicable)
LX_DECLARE_RESOURCESTRING(_LXCaseSensitive)
LX_DECLARE_RESOURCESTRING(_LXNotPattern)

}  // namespace lx
