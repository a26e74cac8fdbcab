#include "lexlists/headings/headingsU.h"

#include "lexcore/rtl/lx_format.h"

namespace lx {

TGridHeaderList::~TGridHeaderList() {
  Clear();
}

TGridHeaderHolder* TGridHeaderList::Holder(int32_t index) const {
  return index >= 0 && index < Count() ? static_cast<TGridHeaderHolder*>(Get(index)) : nullptr;
}

const TGrid_head32& TGridHeaderList::Checked(int32_t index) const {
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
  Add(new TGridHeaderHolder(head));
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

bool TGridHeaderList::GetVisible(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.heading_visible != 0 : true;
}

void TGridHeaderList::SetVisible(int32_t index, bool visible) {
  if (auto* h = Holder(index)) h->fdata.heading_visible = visible;
}

bool TGridHeaderList::GetANumerical(int32_t index) const {
  auto* h = Holder(index);
  return h && h->fdata.numerical != 0;
}

UnicodeString TGridHeaderList::GetColumnName(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata.heading : UnicodeString();
}

UnicodeString TGridHeaderList::GetAHeading(int32_t index) const {
  return Checked(index).heading;
}
uint8_t TGridHeaderList::GetDecimals(int32_t index) const {
  return Checked(index).decimals;
}
editable_type TGridHeaderList::GetEditable(int32_t index) const {
  return Checked(index).editable;
}
TOutput_results_case TGridHeaderList::GetOutputCase(int32_t index) const {
  return Checked(index).output_case;
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

}  // namespace lx
