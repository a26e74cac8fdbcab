// A window that dialogs centre on. Display hosts give each of their windows one; command-line hosts have
// none.
#pragma once

#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_types.h"
#include "lexcore/ui/lx_graphics.h"

namespace lx {

class TForm : public TObject {
 public:
  UnicodeString Name;
  UnicodeString Caption;
  TRect BoundsRect;
};

}  // namespace lx
