// What a caller needs to know about each visible column: a caption with a small record attached.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_stringlist.h"

namespace lx {

struct THeaderInfoRec {
  bool is_numerical = false;
  bool is_concordance = false;
  int32_t original_Col_num = 0;
};

class THeaderInfoHolder : public TObject {
 public:
  explicit THeaderInfoHolder(const THeaderInfoRec& rec) : fdata(rec) {}
  THeaderInfoRec fdata;
};

// Captions with owned holders attached.
class TVisibleHeaderInfoList : public TStringList {
 public:
  TVisibleHeaderInfoList() : TStringList(true) {}
  void AddOne(const UnicodeString& caption, const THeaderInfoRec& info);
  // All zero for a row out of range.
  THeaderInfoRec GetAHeaderInfo(int32_t i) const;
};

}  // namespace lx
