// The rules each locale's collator is built from: the locale's own tailoring with the platform's orders laid
// over it. Most locales share one set of rules; its collator is made when the library is built and kept in
// it as ICU's binary image, since building a collator from rules takes about ten milliseconds.
#pragma once

#include <string>
#include <string_view>

struct UCollator;

namespace lx {

// The rules for `locale`, whose own collator is `base`; false when the locale's tailoring is too large to
// build again (the ideographic ones) and `base` is used as it stands.
bool CollationRules(const std::string& locale, UCollator* base, std::u16string& rules);
// A collator built from rules, as every collator here is; null when ICU refuses them.
UCollator* CollatorFromRules(const std::u16string& rules);
// The rules the image kept in the library was built from, and a collator opened from that image, or null
// when `rules` are other rules (or the image cannot be read by the ICU in use).
std::u16string_view PrebuiltCollationRules();
UCollator* OpenPrebuiltCollator(std::u16string_view rules);

}  // namespace lx
