// The ordered column headings of a list: standard sets, the user's customised set, the stream saved with a
// list, and the per-column accessors the grid, the sorter and the formula parser read.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_list.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexstats/headings/headings_info_unit.h"

namespace lx {

// Owns one heading; a blank one is visible.
class TGridHeaderHolder : public TObject {
 public:
  TGridHeaderHolder() { fdata.heading_visible = 1; }
  explicit TGridHeaderHolder(const TGrid_head32& head) : fdata(head) {}
  TGrid_head32 fdata;
};

// The version a heading list is written with (and at least what it claims after a save).
constexpr int32_t kGridHeaderListVersion = 6;

// The collocate horizons every collocate list shares, as span positions (50 is the centre word).
extern TConcordance_span_type Global_colloc_left_horizon;
extern TConcordance_span_type Global_colloc_right_horizon;
// Words to the left and right become span positions; out-of-range counts are limited to what a span holds.
void SetupCollocHorizons(const Tdouble_smallint_type& horizons);

using TGridHead32Array = std::vector<TGrid_head32>;

class TGridHeaderList;

TGridHead32Array StandardGridHeaderArray(TLexmillList kind);
std::vector<UnicodeString> AllDefaultHeadingsFor(TLexmillList kind);
int32_t HeadingLinesForList(TLexmillList kind);
// The caller owns the result.
TGridHeaderList* CopyOfBaseHeadings(TLexmillList kind);
TGridHeaderList* CopyOfBaseHeadings(TLexmillList kind, TTimeLinePlotbase timeline_basis, bool rounded);
void CopyGridHeaderListDataToArray(const TGridHeaderList& list, TGridHead32Array& array, int32_t min_width);
// Visible captions of columns 1 onwards, each with its column index as the attached value; index is where
// column `selected` landed, or -1.
void FillStringsWithVisibleHeadings(TStrings& strings, const TGridHeaderList& list, int32_t selected,
                                    int32_t& index);
void FillStringsWithVisibleHeadings(TStrings& strings, const TGridHead32Array& heads, int32_t selected,
                                    int32_t& index);
// The column index attached to a string by FillStringsWithVisibleHeadings.
int32_t ColumnIndexOfObject(TObject* object);

// The file that holds the user's customised headings for a kind.
UnicodeString CustomisedHeadingsFileName(TLexmillList kind);

// Owns its holders, one per grid column in display order.
class TGridHeaderList : public TList {
 public:
  explicit TGridHeaderList(TLexmillList kind) : flist_type(kind) {}
  ~TGridHeaderList() override;

  void Clear() override;
  void Delete(int32_t index);
  void AddOne(const TGrid_head32& head);
  void InsertOne(int32_t index, const TGrid_head32& head);
  TGrid_head32 GetDatum(int32_t index) const;
  void SetDatum(int32_t index, const TGrid_head32& head);
  void CopyFrom(const TGridHeaderList& other);
  void SetListType(TLexmillList kind);

  // Tolerant accessors: a default out of range, sets ignored.
  TLXAlignment GetAlignment(int32_t index) const;
  void SetAlignment(int32_t index, TLXAlignment alignment);
  bool GetANumerical(int32_t index) const;
  void SetANumerical(int32_t index, bool numerical);
  int32_t GetPixelSize(int32_t index) const;
  void SetPixelSize(int32_t index, int32_t width);
  bool GetVisible(int32_t index) const;
  void SetVisible(int32_t index, bool visible);
  bool GetDatumWordWrap(int32_t index) const;
  void SetDatumWordWrap(int32_t index, bool wrap);
  TColor GetDatumShowAsPercentColour(int32_t index) const;
  void SetDatumShowAsPercentColour(int32_t index, TColor colour);
  UnicodeString GetColumnName(int32_t index) const;
  void SetColumnName(int32_t index, const UnicodeString& caption);
  // Checked accessors: "header index %d (Count = %d)" out of range.
  UnicodeString GetAHeading(int32_t index) const;
  void SetAHeading(int32_t index, const UnicodeString& caption);
  uint8_t GetDecimals(int32_t index) const;
  void SetDecimals(int32_t index, uint8_t decimals);
  uint8_t GetPreviousDecimals(int32_t index) const;
  void SetPreviousDecimals(int32_t index, uint8_t decimals);
  editable_type GetEditable(int32_t index) const;
  void SetEditable(int32_t index, editable_type editable);
  TOutput_results_case GetOutputCase(int32_t index) const;
  void SetOutputCase(int32_t index, TOutput_results_case outputCase);
  bool GetHasSortedThisRun(int32_t index) const;
  void SetHasSortedThisRun(int32_t index, bool sorted);
  TGridColumnDataRec32 GetColumnData(int32_t index) const;
  void SetColumnData(int32_t index, const TGridColumnDataRec32& data);

  int32_t OriginalColumnNumber(int32_t index) const;
  int32_t CurrentColumnNumber(int32_t original) const;
  int32_t VisibleColumnCount() const;
  int32_t LastVisibleColumn() const;
  int32_t StandardNumberOfColumns() const;
  void ForceSequentialOriginalColumns();
  void SetMainSortColumn(int32_t col, bool ascending);
  void SetDateHeadingsBasis(TTimeLinePlotbase basis, bool rounded);
  void EnsureMIHeadingsIncludeAllStats();
  void EnsureMIHeadingsIncludeWith();

  bool LoadStandardSet(TLexmillList kind);
  bool ReadCustomised(TLexmillList kind);
  bool SaveAsCustomised(TLexmillList kind);
  bool ReadFromStream(TStream& stream);
  bool SaveToStream(TStream& stream);

  UnicodeString ColumnTotalData(int32_t col) const;
  // The caller owns the result.
  TVisibleHeaderInfoList* CurrentHeadersList() const;
  void Warn(const UnicodeString& text) const;

  int32_t fLXVersion = 1;
  TLexmillList flist_type;
  bool custom_list_read = false;

 private:
  TGridHeaderHolder* Holder(int32_t index) const;
  TGrid_head32& Checked(int32_t index) const;
  int32_t IndexOfCaption(const UnicodeString& caption) const;
  void AddStandardSet(TLexmillList kind);
  bool ReadHeadings(TStream& stream);
  // Set while a customised file is read, so that a short one falls back to the built-in set.
  bool reading_customised_ = false;
};

LX_DECLARE_RESOURCESTRING(_LXClickToSort)
LX_DECLARE_RESOURCESTRING(_LXHorizonLeft)
LX_DECLARE_RESOURCESTRING(_LXHorizonRight)
LX_DECLARE_RESOURCESTRING(_LXHorizonCentre)
LX_DECLARE_RESOURCESTRING(_LXWarning)
LX_DECLARE_RESOURCESTRING(_LXNonNumerical)
LX_DECLARE_RESOURCESTRING(_LXCustomisedHeadingsSuffix)

}  // namespace lx
