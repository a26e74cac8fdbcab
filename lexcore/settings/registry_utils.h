// The signed-in user's name and initials, which settings and lists record.
#pragma once

#include "lexcore/rtl/lx_types.h"

namespace lx {

// The name of the account this process runs as; raises EInOutError when the system cannot tell.
UnicodeString Registry_Current_User();
// The first two capital letters of the user's full name from the account entry (the account name when
// the entry gives none); fewer when it has fewer.
UnicodeString Registry_Current_User_Initials();
// The same rule on a given name.
UnicodeString InitialsOf(const UnicodeString& name);

}  // namespace lx
