// Column totals, relative entropies, cumulative values and the grid's cell records of the list data class.
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/my_string_functions.h"
#include "lexlists/engine/work_LX_base.h"
#include "lexlists/headings/headingsU.h"
#include "lexstats/statistics/maths_routines.h"

namespace lx {

LX_RESOURCESTRING(_LXColumnTotal, u"Total")
LX_RESOURCESTRING(_LXColumnMax, u"Max")
LX_RESOURCESTRING(_LXColumnMin, u"Min")
LX_RESOURCESTRING(_LXColumnMean, u"Mean")
LX_RESOURCESTRING(_LXColumnSd, u"Sd.")
LX_RESOURCESTRING(_LXColumnSlice, u"%d/%d")
LX_RESOURCESTRING(_LXCornerN, u"N")
LX_RESOURCESTRING(_LXPerThousandWords, u"per 1000 words")
LX_RESOURCESTRING(_LXPerMillion, u"per million")
LX_RESOURCESTRING(_LXStatsUserLine, u"*** %s: (%s) ***")
LX_RESOURCESTRING(_LXStatsLines, u"line %0.n to %0.n")
LX_RESOURCESTRING(_LXStatsRow, u"Row %0.n")

namespace {

constexpr extended kSmallestSingle = 1.5e-45L;
constexpr extended kLargestSingle = 3.4e38L;
constexpr int32_t kMaxSlices = 12;
constexpr int32_t kBlockSlots = 111;  // slot 111 holds the key
constexpr extended kCumulativeConstant = 555555.436L;

float InSingleRange(extended v) {
  return v > kSmallestSingle && v < kLargestSingle ? static_cast<float>(v) : 0.0f;
}

UnicodeString LoggedInUserName() {
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
    return UnicodeString(pw->pw_name, pw->pw_name + std::strlen(pw->pw_name));
  if (const char* u = std::getenv("USER")) return UnicodeString(u, u + std::strlen(u));
  return {};
}

}  // namespace

UnicodeString ColumnTotalLabel(int32_t k, int32_t slices) {
  switch (k) {
    case gc_total:
      return _LXColumnTotal;
    case gc_max:
      return _LXColumnMax;
    case gc_min:
      return _LXColumnMin;
    case gc_mean:
      return _LXColumnMean;
    case gc_sd:
      return _LXColumnSd;
    default:
      // The "%d/%d" slice label shows as two ordinals: slice 1 of 5 is "1st 5th".
      return OrdinalFormatOf(k - gc_sd) + u" " + OrdinalFormatOf(slices);
  }
}

// ---- column statistics

void TLXBaseDataClass::ComputeColumnTotals(int32_t slices) {
  fColumnTotalsComputed = slices > 0;
  if (slices <= 0) {
    ColumnTotalRowsToShow = 0;
    return;
  }
  slices = std::min(slices, kMaxSlices);
  ColumnTotalRowsToShow = slices + 5;
  const int32_t columns = fGridHeadings ? fGridHeadings->Count() : 0;
  struct TRunning {
    extended total = 0, max = kSmallestSingle, min = kLargestSingle, mean = 0, squares = 0;
    std::array<extended, kMaxSlices> slice{};
  };
  std::vector<TRunning> running(std::max(columns, 0));
  for (int32_t c = 0; c < columns; ++c) {
    TGrid_head32 head = fGridHeadings->GetDatum(c);
    head.column_data = TGridColumnDataRec32{};
    fGridHeadings->SetDatum(c, head);
  }
  std::vector<bool> numerical(std::max(columns, 0));
  for (int32_t c = 1; c < columns; ++c) numerical[c] = fGridHeadings->GetANumerical(c);
  const extended width = static_cast<extended>(fCount) / slices;
  for (int32_t i = 0; i < fCount; ++i) {
    const int32_t s = std::min<int32_t>(static_cast<int32_t>(i / width), slices - 1);
    const extended n = i + 1;
    for (int32_t c = 1; c < columns; ++c) {
      if (!numerical[c]) continue;
      TRunning& r = running[c];
      const extended v = NumericalData(c, i).computed_value;
      r.max = std::max(r.max, v);
      r.min = std::min(r.min, v);
      r.slice[s] += v;
      r.total += v;
      const extended d = v - r.mean;
      r.squares += d * d * i / n;
      r.mean = (i * r.mean + v) / n;
    }
    MyYieldProcess();
  }
  for (int32_t c = 1; c < columns; ++c) {
    if (!numerical[c]) continue;
    const TRunning& r = running[c];
    const extended sd = fCount > 1 ? std::sqrt(r.squares / (fCount - 1)) : 0;
    TGrid_head32 head = fGridHeadings->GetDatum(c);
    auto& d = head.column_data.descriptives;
    d[gc_total] = InSingleRange(r.total);
    d[gc_max] = InSingleRange(r.max);
    d[gc_min] = InSingleRange(r.min);
    d[gc_mean] = InSingleRange(r.mean);
    d[gc_sd] = InSingleRange(sd);
    for (int32_t s = 0; s < slices; ++s)
      d[gc_1 + s] = static_cast<float>(r.total > 0 ? r.slice[s] * 100 / r.total : r.slice[s]);
    fGridHeadings->SetDatum(c, head);
  }
}

void TLXBaseDataClass::GetColumnTotalDataForGrid(int32_t column, int32_t row, TGrid_data_rec& cell) {
  cell = TGrid_data_rec{};
  cell.show_word = true;
  const int32_t r = row < 0 ? -row : row;
  if (r < 1 || r > ColumnTotalRowsToShow || !fGridHeadings) return;
  cell.GridHeading = fGridHeadings->GetDatum(column);
  const int32_t k = r - 1;
  const int32_t slices = ColumnTotalRowsToShow - 5;
  if (column == 0) {
    cell.data_type = ddt_string;
    cell.word_details[dgso_main] = ColumnTotalLabel(k, slices);
    return;
  }
  if (!cell.GridHeading.numerical || k >= kDescriptivesCount) return;
  const float value = cell.GridHeading.column_data.descriptives[k];
  cell.data_type = ddt_number;
  cell.n_and_disp.computed_value = value;
  cell.n_and_disp.mostra = gdd_only_as_float;
  cell.GridHeading.minimum = -99999;
  cell.GridHeading.decimals = std::max<uint8_t>(cell.GridHeading.decimals, 1);
  if (k > gc_sd) {
    cell.data_type = ddt_string;
    cell.word_details[dgso_main] = FormatFloat(u"0.00", static_cast<double>(value));
  }
}

// ---- relative entropies

float TLXBaseDataClass::ComputeRelativeEntropyOfValues(int32_t max) {
  std::vector<int32_t> values;
  values.reserve(fCount);
  for (int32_t i = 0; i < fCount; ++i) {
    TLXBaseListObject* e = Get(i);
    values.push_back(e ? e->MainWordFrequency() : 0);
  }
  if (max >= 0 && static_cast<int32_t>(values.size()) > max) {
    std::sort(values.begin(), values.end(), std::greater<>());
    values.resize(max);
  }
  return RelativeEntropy(values);
}

float TLXBaseDataClass::LemmasRelativeEntropy(int32_t index, int32_t max) {
  TLXBaseListObject* e = Get(index);
  if (!e || !e->HasJoined()) return 0;
  return RelativeEntropy(e->OwnJoinlist()->AsArrayOfIntegers(e->MainWordFrequency(), max));
}

// ---- cumulative values

void TLXBaseDataClass::InitialiseIntermediateValues() {
  if (!intermediate_values) intermediate_values = std::make_unique<extended_array>(kBlockSlots + 1, 0.0L);
  (*intermediate_values)[kBlockSlots] = 0;
}

void TLXBaseDataClass::CheckIntermediateValues(extended key) {
  if (!intermediate_values) InitialiseIntermediateValues();
  auto& slots = *intermediate_values;
  if (slots[kBlockSlots] != key) std::fill(slots.begin(), slots.end(), key);
}

int32_t TLXBaseDataClass::IntermediateBlockSize() const {
  // fCount div 100 alone lets a few hundred entries run past the last slot.
  const int32_t fitting = (fCount + kBlockSlots - 1) / kBlockSlots;
  return std::max({fCount / 100, 2, fitting});
}

extended TLXBaseDataClass::ValueElsewhere(int32_t column, int32_t row, bool cumulative) {
  auto value = [&](int32_t r) -> extended {
    const TNumberDisplayAndSinglesRec rec =
        fOnNumericalData ? fOnNumericalData(this, column, r) : NumericalData(column, r);
    return rec.computed_value;
  };
  if (!cumulative) return value(row);
  const extended key = static_cast<extended>(Cumulative_distinguisher()) * column * kCumulativeConstant;
  CheckIntermediateValues(key);
  auto& slots = *intermediate_values;
  const int32_t b = IntermediateBlockSize();
  // Sums made with another block size (the list grew or shrank) are not these.
  if (b != intermediate_block_size) {
    std::fill(slots.begin(), slots.end(), key);
    intermediate_block_size = b;
  }
  if (row < 0 || fCount == 0) return 0;
  const int32_t last = std::min(row, fCount - 1);
  const int32_t L = last / b;
  extended running = 0;
  for (int32_t j = 0; j <= L; ++j) {
    if (slots[j] == key) {
      for (int32_t r = std::max(0, (j - 1) * b + 1); r <= j * b && r < fCount; ++r) running += value(r);
      slots[j] = running;
    } else {
      running = slots[j];
    }
  }
  extended result = slots[L];
  for (int32_t r = L * b + 1; r <= last; ++r) result += value(r);
  return result;
}

// ---- cells

void TLXBaseDataClass::DrawgridDataRec(int32_t column, int32_t& row, TGrid_data_rec& cell,
                                       grid_alternatives layout) {
  cell = TGrid_data_rec{};
  cell.TrueRow = row - 1;
  cell.show_word = true;
  if (fGridHeadings) cell.GridHeading = fGridHeadings->GetDatum(column);
  if (cell.GridHeading.numerical) cell.data_type = ddt_number;
  cell.TrueColumn = cell.GridHeading.original_column;
  if (row == 0 && cell.TrueColumn == 0) {
    cell.DataOK = cell.IsEdgeData = true;
    cell.GridHeading.alignment = right_aligned;
    cell.data_type = ddt_string;
    cell.word_details[dgso_main] = _LXCornerN;
  } else if (row == 0) {
    TopRowDataRec(cell.TrueColumn, cell);
  } else if (cell.TrueColumn == 0 || row < 0) {
    cell.n_and_disp.computed_value = static_cast<float>(row);
  }
  cell.IsMainWordColumn = MainWordColumn() == cell.TrueColumn;
  --row;
  cell.DataOK = row >= 0 && row < OverallCount() + fCount;
  if (cell.DataOK && row < fCount)
    AddSpecialFeaturesToDrawGridDataRec(ConvertedForFrequency(row, layout), cell);
}

void TLXBaseDataClass::TopRowDataRec(int32_t column, TGrid_data_rec& cell) {
  cell.DataOK = cell.IsEdgeData = cell.show_word = true;
  cell.data_type = ddt_string;
  cell.word_details[dgso_main] =
      cell.GridHeading.numerical ? CheckedPPMFormatHeading(column, cell) : cell.GridHeading.heading;
}

UnicodeString TLXBaseDataClass::CheckedPPMFormatHeading(int32_t /*column*/, const TGrid_data_rec& cell) {
  return cell.GridHeading.heading;
}

void TLXBaseDataClass::AddSpecialFeaturesToDrawGridDataRec(int32_t row, TGrid_data_rec& cell) {
  LX_ASSERT(CurrentList && row >= 0 && row < fCount,
            Format(u"trying to get Special Features index %d (Count = %d)", {row, fCount}));
  const TSpecialFeaturesSet features = GetSpecialFeatures(row);
  TLXBaseListObject* e = Get(row);
  if (features.Contains(sf_has_tag_info)) cell.tag_number1Based = GetTagNumber1Based(row);
  if (features.Contains(sf_category_coloured) && IsASetColumnColumn(cell.TrueColumn) && e) {
    const TColor colour = e->GetCategory(cell.TrueColumn).background_colour;
    cell.GridHeading.user_specified_background = colour;
    cell.GridHeading.has_custom_colours = IsOKColour(colour, true);
  }
  cell.deleted = features.Contains(sf_deleted);
  cell.matched = features.Contains(sf_matched);
  cell.hasjoined = features.Contains(has_joined);
  cell.joined_elsewhere = features.Contains(sf_joinedElsewhere);
  if (features.Contains(sf_first_marked))
    cell.marcacao = 1;
  else if (features.Contains(sf_marked))
    cell.marcacao = 2;
  if (features.Contains(has_extraFontInfo) && e && e->privateobj)
    cell.colourfontList = e->privateobj->ExtraFontList.get();
}

void TLXBaseDataClass::FormatDrawGridDataRecPrefixEtcForTagTreatment(TGrid_data_rec& cell, int32_t row,
                                                                     TWordListTagDisplay display) {
  cell.word_details[dgso_main] = GetSomeWordAsString(row, cell.TrueColumn);
  TLXBaseListObject* e = Get(row);
  const UnicodeString tag = e ? e->MainWordPrefix() : UnicodeString();
  const bool looksLikeTag = tag.find(u'<') != UnicodeString::npos;
  cell.word_details[dgso_prefix].clear();
  cell.word_details[dgso_suffix].clear();
  cell.Show_prefix = cell.show_suffix = false;
  switch (display) {
    case wltd_no_tags:
      break;
    case wltd_tags_as_prefix:
      cell.word_details[dgso_prefix] = tag;
      cell.Show_prefix = looksLikeTag;
      break;
    case wltd_tags_as_suffix:
      cell.word_details[dgso_suffix] = tag;
      cell.show_suffix = looksLikeTag;
      break;
    case wltd_only_tags:
      cell.word_details[dgso_prefix] = tag;
      cell.Show_prefix = !tag.empty();
      cell.word_details[dgso_main].clear();
      cell.show_word = false;
      break;
  }
}

void TLXBaseDataClass::LeftmostColumnDataRec(int32_t row, TGrid_data_rec& cell) {
  cell.IsEdgeData = true;
  cell.data_type = ddt_number;
  cell.n_and_disp.mostra = gdd_as_integer;
  cell.GridHeading.typefaces = Ttypeface_Set{};
  cell.GridHeading.alignment = right_aligned;
  cell.GridHeading.decimals = 0;
  cell.n_and_disp.computed_value = static_cast<float>(row);
}

void CheckForDontShowConstAndDecimals(TGrid_data_rec& cell) {
  if (cell.data_type != ddt_number) return;
  const float v = cell.n_and_disp.computed_value;
  if (v == kComputedValueNotApplicable || v == kComputedValueBlank) {
    SetDataRecStringNonApplicable(cell);
  } else if (cell.n_and_disp.mostra == gdd_as_integer) {
    cell.GridHeading.decimals = 0;
  } else if (cell.GridHeading.decimals == 0) {
    cell.GridHeading.decimals = 1;
  }
}

int32_t NFilesCorrected(int32_t n, bool flag) {
  if (n != 0) return n;
  return flag ? 1 : static_cast<int32_t>(kComputedValueNotApplicable);
}

bool CategoryMeansClearCategory(WideChar c) {
  return c == u'0';
}

UnicodeString HeadingFromNumberType(TNumberDisplay mostra) {
  switch (mostra) {
    case gdd_per_cent:
      return u"%";
    case gdd_per_thousand:
      return _LXPerThousandWords;
    case gdd_per_million:
      return _LXPerMillion;
    default:
      return {};
  }
}

// ---- categories

TStringTrueColumnAndColourRec TLXBaseDataClass::GetACategoryAndColour(int32_t index, int32_t column) {
  return Get(index)->GetCategory(column);
}

int32_t TLXBaseDataClass::GetACategoryColour(int32_t index, int32_t column) {
  return GetACategoryAndColour(index, column).background_colour;
}

UnicodeString TLXBaseDataClass::GetACategoryString(int32_t index, int32_t column) {
  return GetACategoryAndColour(index, column).s;
}

void TLXBaseDataClass::SetACategoryAndColour(int32_t index, const TStringTrueColumnAndColourRec& rec) {
  TLXBaseListObject* e = Get(index);
  ListModified.Include(mod_computation);
  e->SetCategory(rec);
}

void TLXBaseDataClass::SetACategoryAndColourAndTagnumber(int32_t index, int32_t tag,
                                                         const TStringTrueColumnAndColourRec& rec) {
  SetACategoryAndColour(index, rec);
  TLXBaseListObject* e = Get(index);
  e->EnsurePrivateObjExists();
  e->privateobj->fdetails.tag_number_1Based = tag - 1;
}

void TLXBaseDataClass::SetACategoryString(int32_t index, int32_t column, const UnicodeString& text) {
  TLXBaseListObject* e = Get(index);
  ListModified.Include(mod_edited);
  e->SetCategoryString(text, column);
}

void TLXBaseDataClass::ClearACategory(int32_t index, int32_t column) {
  TLXBaseListObject* e = Get(index);
  if (!e->PrivateObjExists()) return;
  e->SetCategory(TStringTrueColumnAndColourRec{column, 0, UnicodeString()});
}

void TLXBaseDataClass::ClearCategories(int32_t column) {
  for (int32_t i = 0; i < fCount; ++i) {
    ClearACategory(i, column);
    MyYieldProcess();
  }
}

void TLXBaseDataClass::ClearColourCategoryColours() {
  for (int32_t i = 0; i < fCount; ++i) {
    MyYieldProcess();
    if (TLXBaseListObject* e = Get(i)) e->ClearCategoryColour(-1);
  }
}

// ---- entry details

TLXEntryDetailsRec TLXBaseDataClass::AnEntryDetails(int32_t row) {
  TLXEntryDetailsRec r;
  TLXBaseListObject* e = Get(ConvertedForFrequency(row, BaseGridKind));
  if (!e) return r;
  r.main_word = e->MainWordPlusPrefixAndSuffix();
  r.main_freq = e->MainWordFrequency();
  r.main_n_texts = e->MainNTexts();
  const TPrivateDetailsRec3 d = e->PrivateDetails();
  r.main_details.joined_elsewhere = d.joined_elsewhere;
  r.main_details.matched = d.matched;
  r.main_details.deleted = d.deleted;
  r.main_details.marcacao = d.marcacao;
  return r;
}

namespace {
bool ShownColumn(const TGrid_head32& head) {
  return head.heading_visible && head.pixel_width96 >= 3;
}
}  // namespace

UnicodeString TLXBaseDataClass::EntryDetailsAsString(int32_t row) {
  UnicodeString result;
  bool first = true;
  const int32_t columns = fGridHeadings ? fGridHeadings->Count() : 0;
  for (int32_t c = 0; c < columns; ++c) {
    const TGrid_head32 head = fGridHeadings->GetDatum(c);
    if (!ShownColumn(head)) continue;
    TGrid_data_rec cell;
    int32_t r = row;
    DrawgridDataRec(c, r, cell, BaseGridKind);
    if (!first) result += u'\t';
    first = false;
    result += head.heading + u": ";
    switch (cell.data_type) {
      case ddt_string:
        result += RelevantAffixesOfStringData(cell);
        break;
      case ddt_number:
        result += FormatFloat(u"###0,." + UnicodeString(cell.GridHeading.decimals, u'0'),
                              static_cast<double>(cell.n_and_disp.computed_value));
        break;
      case ddt_julian_date:
        // Dates show in the user's date format until the timeline units are available here.
        result += cell.textual_date == 0 ? UnicodeString(u"??") : DateToStr(cell.textual_date);
        break;
      default:
        break;
    }
  }
  return result;
}

std::vector<TGrid_data_rec> TLXBaseDataClass::EntryDetailsAsGridDataRecs(int32_t row) {
  const int32_t columns = fGridHeadings ? fGridHeadings->Count() : 0;
  std::vector<TGrid_data_rec> result(columns);
  for (int32_t c = 0; c < columns; ++c) {
    const TGrid_head32 head = fGridHeadings->GetDatum(c);
    if (!ShownColumn(head)) continue;
    int32_t r = row;
    DrawgridDataRec(c, r, result[c], BaseGridKind);
    const TNumberDisplay mostra = result[c].n_and_disp.mostra;
    if (mostra == gdd_per_thousand || mostra == gdd_per_million)
      result[c].GridHeading.heading = HeadingFromNumberType(mostra);
    if (!result[c].IsEdgeData && !result[c].DataOK) return {};
  }
  return result;
}

TStringList* TLXBaseDataClass::SelectedStatsFilenames(int32_t index, bool& hasData) {
  hasData = false;
  auto* list = new TStringList();
  list->Add(list_type_as_string[fList_type]);
  list->Add(Format(_LXStatsUserLine, {DateTimeToStr(Now()), LoggedInUserName()}));
  if (index < 0)
    list->Add(Format(_LXStatsLines, {1, fCount}));
  else
    list->Add(Format(_LXStatsRow, {index + 1}) + u": " + GetMainWordAsString(index));
  list->Add(UnicodeString());
  return list;
}

std::vector<UnicodeString> TLXBaseDataClass::TimeLineDataDateHeaders(const TTimeLineDataRec& /*data*/) {
  return {UnicodeString()};
}

}  // namespace lx
