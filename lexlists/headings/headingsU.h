// The ordered column headings of a list.
#pragma once

#include <cstdint>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_list.h"

namespace lx {

// Owns one heading; a blank one is visible.
class TGridHeaderHolder : public TObject {
 public:
  TGridHeaderHolder() { fdata.heading_visible = 1; }
  explicit TGridHeaderHolder(const TGrid_head32& head) : fdata(head) {}
  TGrid_head32 fdata;
};

// Owns its holders, one per grid column in display order.
class TGridHeaderList : public TList {
 public:
  explicit TGridHeaderList(TLexmillList kind) : flist_type(kind) {}
  ~TGridHeaderList() override;

  void Clear() override;
  void Delete(int32_t index);
  void AddOne(const TGrid_head32& head);
  TGrid_head32 GetDatum(int32_t index) const;
  void SetDatum(int32_t index, const TGrid_head32& head);
  void CopyFrom(const TGridHeaderList& other);
  void SetListType(TLexmillList kind);

  // Tolerant accessors: a default out of range, sets ignored.
  bool GetVisible(int32_t index) const;
  void SetVisible(int32_t index, bool visible);
  bool GetANumerical(int32_t index) const;
  UnicodeString GetColumnName(int32_t index) const;
  // Checked accessors: "header index %d (Count = %d)" out of range.
  UnicodeString GetAHeading(int32_t index) const;
  uint8_t GetDecimals(int32_t index) const;
  editable_type GetEditable(int32_t index) const;
  TOutput_results_case GetOutputCase(int32_t index) const;

  int32_t OriginalColumnNumber(int32_t index) const;
  int32_t CurrentColumnNumber(int32_t original) const;

  int32_t fLXVersion = 1;
  TLexmillList flist_type;
  bool custom_list_read = false;

 private:
  TGridHeaderHolder* Holder(int32_t index) const;
  const TGrid_head32& Checked(int32_t index) const;
};

}  // namespace lx
