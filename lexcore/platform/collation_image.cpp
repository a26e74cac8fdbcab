// The collator most locales share, kept in the library as the binary image ICU makes of a collator.
#include <unicode/ucol.h>

#include <cstdint>

#include "lexcore/platform/collation_rules.h"

namespace lx {

namespace {

// kImageRules (the rules, with their length kImageRulesLength) and kImage, made when the library is built.
#include "collation_image.inc"

}  // namespace

std::u16string_view PrebuiltCollationRules() {
  return {kImageRules, kImageRulesLength};
}

UCollator* OpenPrebuiltCollator(std::u16string_view rules) {
  if (rules != PrebuiltCollationRules()) return nullptr;
  // An image is opened over the root collator, which ICU keeps for as long as any collator uses it.
  UErrorCode err = U_ZERO_ERROR;
  UCollator* root = ucol_open("", &err);
  if (U_FAILURE(err)) return nullptr;
  UCollator* coll = ucol_openBinary(kImage, static_cast<int32_t>(sizeof kImage), root, &err);
  ucol_close(root);
  if (U_FAILURE(err)) {
    if (coll) ucol_close(coll);
    return nullptr;
  }
  return coll;
}

}  // namespace lx
