// Formula columns of a list.
#pragma once

#include "lexcore/rtl/lx_object.h"

namespace lx {

// Computes a list's formula columns; a list owns one.
class TParseFormulaHandler : public TObject {
 public:
  TParseFormulaHandler() = default;
  bool HasError() const { return fError; }

 private:
  bool fError = false;
};

}  // namespace lx
