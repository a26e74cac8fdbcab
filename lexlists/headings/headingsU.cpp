#include "lexlists/headings/headingsU.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/definitions/old_record_conversion.h"
#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_messages.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexstats/headings/Base_headingsu.h"
#include "lexstats/headings/base_heading_consts.h"

namespace lx {

LX_RESOURCESTRING(_LXClickToSort, u"click to sort")
LX_RESOURCESTRING(_LXHorizonLeft, u"L")
LX_RESOURCESTRING(_LXHorizonRight, u"R")
LX_RESOURCESTRING(_LXHorizonCentre, u"Centre")
LX_RESOURCESTRING(_LXWarning, u"Warning")
LX_RESOURCESTRING(_LXNonNumerical, u"non-numerical")
LX_RESOURCESTRING(_LXCustomisedHeadingsSuffix, u" customised.dat")
LX_RESOURCESTRING(_LXColumnTotalLabel, u"Total")
LX_RESOURCESTRING(_LXColumnMaxLabel, u"Max")
LX_RESOURCESTRING(_LXColumnMinLabel, u"Min")
LX_RESOURCESTRING(_LXColumnMeanLabel, u"Mean")
LX_RESOURCESTRING(_LXColumnSdLabel, u"Sd.")
LX_RESOURCESTRING(_LXColumnSliceLabel, u"%d/%d")

TConcordance_span_type Global_colloc_left_horizon = span_L05;
TConcordance_span_type Global_colloc_right_horizon = span_R05;

namespace {

// Catalogue numbers of the captions that the upgrade routines look for.
constexpr int32_t kWithCaption = 602;
constexpr int32_t kDiceCaption = 603;
constexpr int32_t kRelationCaption = 406;
// Columns 3 to 13 of the collocate set: the association measures.
constexpr int32_t kFirstCollocateMeasure = 3;
constexpr int32_t kLastCollocateMeasure = 13;
// Catalogue numbers that headings written before version 2 rebuild.
constexpr int32_t kOldConsistencyFileColumn = 505;
constexpr int32_t kOldCollocateHorizonColumn = 606;

bool IsPercentCaption(const TGrid_head32& h) {
  return h.numerical && h.heading == u"%";
}

bool ValidKind(int32_t kind) {
  return kind >= 0 && kind < kListKindCount;
}

bool IsWordListLike(TLexmillList kind) {
  return kind == lt_KWs_as_word_list || kind == lt_KWDB_as_word_list || kind == lt_associates_as_word_list ||
         kind == lt_clumps_as_word_list || kind == lt_wordlist_index_list;
}

// "L5", "Centre", "R3": the caption of a collocate-horizon column.
UnicodeString HorizonCaption(int32_t span) {
  if (span < span_Centre) return _LXHorizonLeft.Text() + IntToStr(span_Centre - span);
  if (span == span_Centre) return _LXHorizonCentre.Text();
  return _LXHorizonRight.Text() + IntToStr(span - span_Centre);
}

UnicodeString DescriptiveLabel(int32_t i) {
  switch (i) {
    case gc_total:
      return _LXColumnTotalLabel;
    case gc_max:
      return _LXColumnMaxLabel;
    case gc_min:
      return _LXColumnMinLabel;
    case gc_mean:
      return _LXColumnMeanLabel;
    case gc_sd:
      return _LXColumnSdLabel;
    default:
      return Format(_LXColumnSliceLabel, {i - gc_1 + 1, kDescriptivesCount - gc_1});
  }
}

// The fewest bytes one heading of this version can take, hint and caption included.
int64_t MinimumHeadingBytes(int32_t version) {
  if (version >= 4) return TGrid_head32::kFixedSize + 8;
  if (version >= 2) return kOldGridHeadLongSize + 8;
  return kOldGridHeadShortSize;
}

UnicodeString ReadShortAnsiString(TStream& stream) {
  uint8_t n = 0;
  stream.ReadBuffer(&n, 1);
  std::string bytes(n, '\0');
  stream.ReadBuffer(bytes.data(), n);
  return AnsiBytesToUnicode(bytes);
}

template <typename Heads, typename Get>
void FillVisible(TStrings& strings, const Heads& heads, int32_t count, Get get, int32_t selected,
                 int32_t& index) {
  strings.Clear();
  index = -1;
  for (int32_t i = 1; i < count; ++i) {
    const TGrid_head32& h = get(heads, i);
    if (!h.heading_visible) continue;
    const int32_t at = strings.AddObject(h.heading, reinterpret_cast<TObject*>(static_cast<intptr_t>(i)));
    if (i == selected) index = at;
  }
}

}  // namespace

void SetupCollocHorizons(const Tdouble_smallint_type& horizons) {
  const int32_t left = std::clamp<int32_t>(horizons.to_left, 0, span_Centre);
  const int32_t right = std::clamp<int32_t>(horizons.to_right, 0, span_R51 - span_Centre);
  Global_colloc_left_horizon = static_cast<TConcordance_span_type>(span_Centre - left);
  Global_colloc_right_horizon = static_cast<TConcordance_span_type>(span_Centre + right);
}

TGridHead32Array StandardGridHeaderArray(TLexmillList kind) {
  if (!ValidKind(kind)) return {};
  TGridHead32Array result(OfficialStandardNOfHeaders[kind]);
  const auto base = BaseHeadingsOfKind(IsWordListLike(kind) ? lt_word_list : kind);
  for (std::size_t i = 0; i < base.size() && i < result.size(); ++i) {
    TGrid_head32& h = result[i];
    h = base[i];
    h.hint = WideHStringFromN(h.localization_number + kHintOffset);
    h.heading = WideHStringFromN(h.localization_number);
    if (IsPercentCaption(h)) h.percent_data = 1;
  }
  return result;
}

std::vector<UnicodeString> AllDefaultHeadingsFor(TLexmillList kind) {
  std::vector<UnicodeString> captions;
  for (const auto& h : StandardGridHeaderArray(kind)) captions.push_back(h.heading);
  return captions;
}

int32_t HeadingLinesForList(TLexmillList kind) {
  return kind == lt_statistics_list ? 4 : 2;
}

TGridHeaderList* CopyOfBaseHeadings(TLexmillList kind) {
  return CopyOfBaseHeadings(kind, tlpb_unknown, false);
}

TGridHeaderList* CopyOfBaseHeadings(TLexmillList kind, TTimeLinePlotbase timeline_basis, bool rounded) {
  auto list = std::make_unique<TGridHeaderList>(kind);
  list->LoadStandardSet(kind);
  const int32_t lastStandard = ValidKind(kind) ? OfficialStandardNOfHeaders[kind] - 1 : -1;
  if (lastStandard >= 0 && lastStandard < list->Count() &&
      (kind == lt_detailed_consistency_list || kind == lt_collocate_list)) {
    TGrid_head32 model = list->GetDatum(lastStandard);
    if (kind == lt_detailed_consistency_list) {
      model.HelpContext = 2760;
      model.numerical = 1;
      model.heading_visible = 1;
      model.pixel_width96 = 72;
      for (int32_t i = 1; i <= Global_detailed_consistency_files; ++i) {
        model.heading = IntToStr(i);
        list->AddOne(model);
      }
    } else {
      model.HelpContext = 2150;
      model.hint = _LXClickToSort;
      model.allow_case_change = 1;
      const int32_t insertAt = lastStandard + 1;
      for (int32_t span = span_L01; span >= Global_colloc_left_horizon; --span) {
        model.heading = HorizonCaption(span);
        model.span = static_cast<TConcordance_span_type>(span);
        list->InsertOne(insertAt, model);
      }
      model.heading = HorizonCaption(span_Centre);
      model.span = span_Centre;
      list->AddOne(model);
      for (int32_t span = span_R01; span <= Global_colloc_right_horizon; ++span) {
        model.heading = HorizonCaption(span);
        model.span = static_cast<TConcordance_span_type>(span);
        list->AddOne(model);
      }
    }
    for (int32_t i = lastStandard; i < list->Count(); ++i) {
      TGrid_head32 h = list->GetDatum(i);
      h.original_column = static_cast<int16_t>(i);
      list->SetDatum(i, h);
    }
  }
  list->SetDateHeadingsBasis(timeline_basis, rounded);
  return list.release();
}

void CopyGridHeaderListDataToArray(const TGridHeaderList& list, TGridHead32Array& array, int32_t min_width) {
  array.clear();
  for (int32_t i = 0; i < list.Count(); ++i) {
    TGrid_head32 h = list.GetDatum(i);
    if (min_width > 0 && h.original_column == 1)
      h.pixel_width96 = static_cast<int16_t>(std::max<int32_t>(min_width, h.pixel_width96));
    array.push_back(std::move(h));
  }
}

void FillStringsWithVisibleHeadings(TStrings& strings, const TGridHeaderList& list, int32_t selected,
                                    int32_t& index) {
  TGridHead32Array heads;
  CopyGridHeaderListDataToArray(list, heads, 0);
  FillStringsWithVisibleHeadings(strings, heads, selected, index);
}

void FillStringsWithVisibleHeadings(TStrings& strings, const TGridHead32Array& heads, int32_t selected,
                                    int32_t& index) {
  FillVisible(
      strings, heads, static_cast<int32_t>(heads.size()),
      [](const TGridHead32Array& a, int32_t i) -> const TGrid_head32& { return a[i]; }, selected, index);
}

int32_t ColumnIndexOfObject(TObject* object) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(object));
}

UnicodeString CustomisedHeadingsFileName(TLexmillList kind) {
  if (Global_user_ReadWrite_folder.empty()) return {};
  return IncludeTrailingPathDelimiter(Global_user_ReadWrite_folder) + list_type_as_string[kind] +
         _LXCustomisedHeadingsSuffix.Text();
}

// ---- TGridHeaderList ----

TGridHeaderList::~TGridHeaderList() {
  Clear();
}

TGridHeaderHolder* TGridHeaderList::Holder(int32_t index) const {
  return index >= 0 && index < Count() ? static_cast<TGridHeaderHolder*>(Get(index)) : nullptr;
}

TGrid_head32& TGridHeaderList::Checked(int32_t index) const {
  LX_ASSERT(index >= 0 && index < Count(), Format(u"header index %d (Count = %d)", {index, Count()}));
  return Holder(index)->fdata;
}

void TGridHeaderList::Clear() {
  for (int32_t i = 0; i < Count(); ++i) delete static_cast<TGridHeaderHolder*>(Get(i));
  TList::Clear();
}

void TGridHeaderList::Delete(int32_t index) {
  delete Holder(index);
  TList::Delete(index);
}

void TGridHeaderList::AddOne(const TGrid_head32& head) {
  auto holder = std::make_unique<TGridHeaderHolder>(head);
  Add(holder.get());
  holder.release();
}

void TGridHeaderList::InsertOne(int32_t index, const TGrid_head32& head) {
  auto holder = std::make_unique<TGridHeaderHolder>(head);
  Insert(index, holder.get());
  holder.release();
}

TGrid_head32 TGridHeaderList::GetDatum(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata : TGrid_head32{};
}

void TGridHeaderList::SetDatum(int32_t index, const TGrid_head32& head) {
  if (auto* h = Holder(index)) h->fdata = head;
}

void TGridHeaderList::CopyFrom(const TGridHeaderList& other) {
  if (&other == this) return;
  Clear();
  for (int32_t i = 0; i < other.Count(); ++i) AddOne(other.GetDatum(i));
  flist_type = other.flist_type;
}

void TGridHeaderList::SetListType(TLexmillList kind) {
  if (kind == flist_type) return;
  flist_type = kind;
  Clear();
}

TLXAlignment TGridHeaderList::GetAlignment(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.alignment : right_aligned;
}
void TGridHeaderList::SetAlignment(int32_t index, TLXAlignment alignment) {
  if (auto* h = Holder(index)) h->fdata.alignment = alignment;
}

bool TGridHeaderList::GetANumerical(int32_t index) const {
  auto* h = Holder(index);
  return h && h->fdata.numerical != 0;
}
void TGridHeaderList::SetANumerical(int32_t index, bool numerical) {
  if (auto* h = Holder(index)) h->fdata.numerical = numerical;
}

int32_t TGridHeaderList::GetPixelSize(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.pixel_width96 : 96;
}
void TGridHeaderList::SetPixelSize(int32_t index, int32_t width) {
  if (auto* h = Holder(index))
    h->fdata.pixel_width96 = static_cast<int16_t>(std::clamp<int32_t>(width, 0, INT16_MAX));
}

bool TGridHeaderList::GetVisible(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.heading_visible != 0 : true;
}
void TGridHeaderList::SetVisible(int32_t index, bool visible) {
  if (auto* h = Holder(index)) h->fdata.heading_visible = visible;
}

bool TGridHeaderList::GetDatumWordWrap(int32_t index) const {
  auto* h = Holder(index);
  return h && h->fdata.wordwrap != 0;
}
void TGridHeaderList::SetDatumWordWrap(int32_t index, bool wrap) {
  if (auto* h = Holder(index)) h->fdata.wordwrap = wrap;
}

TColor TGridHeaderList::GetDatumShowAsPercentColour(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.show_as_percent_colour : 0;
}
void TGridHeaderList::SetDatumShowAsPercentColour(int32_t index, TColor colour) {
  if (auto* h = Holder(index)) h->fdata.show_as_percent_colour = colour;
}

UnicodeString TGridHeaderList::GetColumnName(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.heading : UnicodeString();
}
void TGridHeaderList::SetColumnName(int32_t index, const UnicodeString& caption) {
  if (auto* h = Holder(index)) h->fdata.heading = caption;
}

UnicodeString TGridHeaderList::GetAHeading(int32_t index) const {
  return Checked(index).heading;
}
void TGridHeaderList::SetAHeading(int32_t index, const UnicodeString& caption) {
  Checked(index).heading = caption;
}
uint8_t TGridHeaderList::GetDecimals(int32_t index) const {
  return Checked(index).decimals;
}
void TGridHeaderList::SetDecimals(int32_t index, uint8_t decimals) {
  Checked(index).decimals = decimals;
}
uint8_t TGridHeaderList::GetPreviousDecimals(int32_t index) const {
  return Checked(index).previous_decimals;
}
void TGridHeaderList::SetPreviousDecimals(int32_t index, uint8_t decimals) {
  Checked(index).previous_decimals = decimals;
}
editable_type TGridHeaderList::GetEditable(int32_t index) const {
  return Checked(index).editable;
}
void TGridHeaderList::SetEditable(int32_t index, editable_type editable) {
  Checked(index).editable = editable;
}
TOutput_results_case TGridHeaderList::GetOutputCase(int32_t index) const {
  return Checked(index).output_case;
}
void TGridHeaderList::SetOutputCase(int32_t index, TOutput_results_case outputCase) {
  Checked(index).output_case = outputCase;
}
bool TGridHeaderList::GetHasSortedThisRun(int32_t index) const {
  return Checked(index).user_has_sorted_this_run != 0;
}
void TGridHeaderList::SetHasSortedThisRun(int32_t index, bool sorted) {
  Checked(index).user_has_sorted_this_run = sorted;
}
TGridColumnDataRec32 TGridHeaderList::GetColumnData(int32_t index) const {
  return Checked(index).column_data;
}
void TGridHeaderList::SetColumnData(int32_t index, const TGridColumnDataRec32& data) {
  Checked(index).column_data = data;
}

int32_t TGridHeaderList::OriginalColumnNumber(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.original_column : -1;
}

int32_t TGridHeaderList::CurrentColumnNumber(int32_t original) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (Holder(i)->fdata.original_column == original) return i;
  return -1;
}

int32_t TGridHeaderList::VisibleColumnCount() const {
  int32_t n = 0;
  for (int32_t i = 0; i < Count(); ++i)
    if (Holder(i)->fdata.heading_visible) ++n;
  return n;
}

int32_t TGridHeaderList::LastVisibleColumn() const {
  for (int32_t i = Count() - 1; i >= 0; --i)
    if (Holder(i)->fdata.heading_visible) return i;
  return 0;
}

int32_t TGridHeaderList::StandardNumberOfColumns() const {
  if (!ValidKind(flist_type)) return 0;
  int32_t n = OfficialStandardNOfHeaders[flist_type];
  if (flist_type == lt_detailed_consistency_list)
    n += std::max<int32_t>(Global_detailed_consistency_files, 0);
  if (flist_type == lt_collocate_list) {
    if (Global_colloc_left_horizon < span_Centre) n += span_Centre - Global_colloc_left_horizon;
    if (Global_colloc_right_horizon > span_Centre) n += Global_colloc_right_horizon - span_Centre;
  }
  return n;
}

void TGridHeaderList::ForceSequentialOriginalColumns() {
  for (int32_t i = 0; i < Count(); ++i) Holder(i)->fdata.original_column = static_cast<int16_t>(i);
}

void TGridHeaderList::SetMainSortColumn(int32_t col, bool ascending) {
  for (int32_t i = 0; i < Count(); ++i)
    Holder(i)->fdata.SortStateAscending = i != col ? quem_sabe : ascending ? verdadeiro : falso;
}

void TGridHeaderList::SetDateHeadingsBasis(TTimeLinePlotbase basis, bool rounded) {
  for (int32_t i = 0; i < Count(); ++i) {
    Holder(i)->fdata.timeline_basis = basis;
    Holder(i)->fdata.timelinerounded = rounded;
  }
}

int32_t TGridHeaderList::IndexOfCaption(const UnicodeString& caption) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (Holder(i)->fdata.heading == caption) return i;
  return -1;
}

void TGridHeaderList::EnsureMIHeadingsIncludeAllStats() {
  if (IndexOfCaption(WideHStringFromN(kDiceCaption)) >= 0) return;
  const int32_t relation = IndexOfCaption(WideHStringFromN(kRelationCaption));
  if (relation >= 0) Delete(relation);
  const TGridHead32Array base = StandardGridHeaderArray(lt_collocate_list);
  const int32_t at = std::min<int32_t>(2, Count());
  for (int32_t i = kLastCollocateMeasure; i >= kFirstCollocateMeasure; --i) InsertOne(at, base[i]);
  ForceSequentialOriginalColumns();
}

void TGridHeaderList::EnsureMIHeadingsIncludeWith() {
  if (IndexOfCaption(WideHStringFromN(kWithCaption)) >= 0) return;
  if (Count() <= 3) return;
  const int32_t dice = IndexOfCaption(WideHStringFromN(kDiceCaption));
  if (dice < 0) return;
  TGrid_head32 with = GetDatum(dice);
  with.heading = WideHStringFromN(kWithCaption);
  with.hint = WideHStringFromN(kWithCaption + kHintOffset);
  with.minimum = 0;
  with.decimals = 0;
  with.numerical = 0;
  InsertOne(2, with);
  ForceSequentialOriginalColumns();
}

void TGridHeaderList::AddStandardSet(TLexmillList kind) {
  for (const auto& h : StandardGridHeaderArray(kind)) AddOne(h);
}

bool TGridHeaderList::LoadStandardSet(TLexmillList kind) {
  Clear();
  flist_type = kind;
  custom_list_read = false;
  const UnicodeString fileName = CustomisedHeadingsFileName(kind);
  if (!fileName.empty() && FileExists(fileName) && ReadCustomised(kind)) return true;
  Clear();
  flist_type = kind;
  AddStandardSet(kind);
  return true;
}

bool TGridHeaderList::ReadCustomised(TLexmillList kind) {
  const UnicodeString fileName = CustomisedHeadingsFileName(kind);
  bool ok = false;
  if (!fileName.empty()) {
    try {
      TFileStream stream(fileName, fmOpenRead | fmShareDenyNone);
      reading_customised_ = true;
      ok = ReadFromStream(stream) && flist_type == kind;
    } catch (const Exception&) {
      ok = false;
    }
    reading_customised_ = false;
  }
  // A file for another kind, or one that could not be read whole, is not applied at all.
  if (ok) {
    custom_list_read = true;
  } else {
    Clear();
    flist_type = kind;
  }
  return ok;
}

bool TGridHeaderList::SaveAsCustomised(TLexmillList kind) {
  const UnicodeString fileName = CustomisedHeadingsFileName(kind);
  if (fileName.empty()) return false;
  TMemoryStream image;
  if (!SaveToStream(image)) return false;
  try {
    SaveFileDurably(fileName, image.Memory(), static_cast<std::size_t>(image.GetSize()));
  } catch (const Exception&) {
    return false;
  }
  return true;
}

bool TGridHeaderList::SaveToStream(TStream& stream) {
  const int32_t version = std::max(fLXVersion, kGridHeaderListVersion);
  fLXVersion = version;
  try {
    WriteLE(stream, static_cast<int32_t>(Count()));
    WriteLE(stream, static_cast<uint8_t>(flist_type));
    WriteLE(stream, static_cast<int32_t>(-version));
    WriteLE(stream, static_cast<int32_t>(Count()));
    for (int32_t i = 0; i < Count(); ++i) {
      TGrid_head32 h = Holder(i)->fdata;
      h.version = static_cast<uint8_t>(std::min(version, 255));
      const TGridHead32FixedImage image = GridHeadFixedToImage(h);
      if (stream.Write(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
      if (!WriteAString(stream, h.hint) || !WriteAString(stream, h.heading)) return false;
    }
  } catch (const Exception&) {
    return false;
  }
  return true;
}

bool TGridHeaderList::ReadFromStream(TStream& stream) {
  Clear();
  bool ok = false;
  try {
    ok = ReadHeadings(stream);
  } catch (const Exception&) {
    ok = false;
  }
  if (!ok) return false;
  if (Count() < OfficialStandardNOfHeaders[flist_type]) {
    // A short customised file would lead straight back here: the built-in set is used instead.
    if (reading_customised_) return false;
    LoadStandardSet(flist_type);
  }
  return true;
}

bool TGridHeaderList::ReadHeadings(TStream& stream) {
  int32_t firstCount = 0;
  uint8_t kind = 0;
  int32_t v = 0;
  if (!ReadLE(stream, firstCount) || !ReadLE(stream, kind) || !ReadLE(stream, v)) return false;
  if (!ValidKind(kind)) return false;
  flist_type = static_cast<TLexmillList>(kind);
  int32_t version = 0;
  int32_t count = v;
  if (v < 0) {
    if (v == INT32_MIN) return false;
    version = -v;
    if (!ReadLE(stream, count)) return false;
  }
  if (count < 0 || count > stream.Remaining() / MinimumHeadingBytes(version)) return false;
  fLXVersion = version;
  for (int32_t i = 0; i < count; ++i) {
    TGridHeaderHolder blank;
    TGrid_head32 h = blank.fdata;
    if (version >= 4) {
      TGridHead32FixedImage image;
      if (stream.Read(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
      GridHeadFixedFromImage(image, h);
    } else {
      bool readOk = false;
      h = ReadOldGridHeadings(stream, version >= 2, readOk);
      if (!readOk) return false;
    }
    if (version >= 2) {
      h.hint = ReadAString(stream);
      h.heading = ReadAString(stream);
    } else if (h.localization_number >= 1) {
      h.heading = WideHStringFromN(h.localization_number);
      // A damaged file may hold any number: one beyond the catalogue's range has no hint (and must not wrap).
      if (h.localization_number <= INT32_MAX - kHintOffset)
        h.hint = WideHStringFromN(h.localization_number + kHintOffset);
      if (h.localization_number == kOldConsistencyFileColumn) {
        h.hint = _LXClickToSort;
        if (Count() >= 6) h.heading = IntToStr(Count() - 1);
      } else if (h.localization_number == kOldCollocateHorizonColumn && Count() >= 8) {
        const int32_t span = std::min<int32_t>(Global_colloc_left_horizon + (Count() - 8), span_R51);
        h.span = static_cast<TConcordance_span_type>(span);
        h.heading = HorizonCaption(span);
        h.hint = _LXClickToSort;
      }
    } else {
      h.user_specified_background = kNoColour;
      h.hint = ReadShortAnsiString(stream);
      h.heading = ReadShortAnsiString(stream);
    }
    if (IsPercentCaption(h)) h.percent_data = 1;
    AddOne(h);
  }
  return true;
}

UnicodeString TGridHeaderList::ColumnTotalData(int32_t col) const {
  LX_ASSERT(col >= 0 && col < Count(), Format(u"aCol index %d (Count = %d)", {col, Count()}));
  const TGrid_head32& h = Holder(col)->fdata;
  if (!h.numerical) return _LXNonNumerical;
  UnicodeString s;
  for (int32_t i = 0; i < kDescriptivesCount; ++i) {
    if (i > 0) s += u"; ";
    s += DescriptiveLabel(i) + u" = " + FloatToStrF(h.column_data.descriptives[i], ffFixed, 7, 2);
  }
  return s;
}

TVisibleHeaderInfoList* TGridHeaderList::CurrentHeadersList() const {
  auto result = std::make_unique<TVisibleHeaderInfoList>();
  for (int32_t i = 1; i < Count(); ++i) {
    const TGrid_head32& h = Holder(i)->fdata;
    if (!h.heading_visible) continue;
    result->AddOne(h.heading,
                   THeaderInfoRec{h.numerical != 0, h.alignment == conc_aligned, h.original_column});
  }
  return result.release();
}

void TGridHeaderList::Warn(const UnicodeString& text) const {
  // The box's title is the text and its body the word "Warning"; one line carries both.
  ShowMessage(_LXWarning.Text() + u": " + text);
}

}  // namespace lx
