// The locale and character services in one include.
#pragma once

#include "lexcore/platform/win_casemap.h"
#include "lexcore/platform/win_chartypes.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_collation.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/platform/win_masks.h"
