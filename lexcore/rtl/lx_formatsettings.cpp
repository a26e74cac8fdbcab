#include "lexcore/rtl/lx_formatsettings.h"

namespace lx {

TFormatSettings FormatSettings;

}  // namespace lx
