#include "lexcore/drawing/My_TMSStyleBase.h"

namespace lx {

TLXStyleOrdinal Global_CurrentStyle = 0;

}  // namespace lx
