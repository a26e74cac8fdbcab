#include "lexstats/headings/headings_info_unit.h"

namespace lx {

void TVisibleHeaderInfoList::AddOne(const UnicodeString& caption, const THeaderInfoRec& info) {
  AddObject(caption, new THeaderInfoHolder(info));
}

THeaderInfoRec TVisibleHeaderInfoList::GetAHeaderInfo(int32_t i) const {
  if (i < 0 || i >= Count()) return {};
  auto* holder = dynamic_cast<THeaderInfoHolder*>(Objects(i));
  return holder ? holder->fdata : THeaderInfoRec{};
}

}  // namespace lx
