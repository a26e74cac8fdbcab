// Categorising list entries by double conditions: whether an entry meets a category, the mixed colour of all
// the categories it meets, and a category's stream form.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "lexcore/definitions/search_requirements.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TDoubleSearchCategoryRec {
  std::array<TSearchRequirementRec, 2> requirement;
  std::array<UnicodeString, 2> text_version;
  TSearchRequirementLinkType link_type = ccl_and;
};

struct TConditionsMetRec {
  TColor colour = 0;
};
using TConditionsMetRecArray = std::vector<TConditionsMetRec>;

// Whether one requirement holds for the entry values filled into it (opposite not applied).
bool SearchRequirementMet(const TSearchRequirementRec& req);
// Requirements are taken in order, those to ignore skipped; the first one's outcome is inverted when its
// opposite is set. Never met when both are to be ignored.
bool CategConditionsMet(const TDoubleSearchCategoryRec& category);
// The colours of the categories met, in category order; each met category's first requirement counts one
// more found. True when any was met.
bool AnyCategConditionsMet(std::vector<TDoubleSearchCategoryRec>& categories, TConditionsMetRecArray& met);
// White for none; otherwise each colour after the first is mixed half and half into the running result.
TColor MeanColourOf(const TConditionsMetRecArray& met);
// The fixed fields (original_data_column to spares) byte for byte, and the texts sought, equal.
bool IdenticalSearchRequirements(const TSearchRequirementRec& a, const TSearchRequirementRec& b);

// The words of context around the word at 1-based position pos: span words on both sides for the
// within-N-words-of kinds, only those on the left or right for the ...ToLeftOf and ...ToRightOf kinds, the
// whole context for any other kind.
UnicodeString NManyWordsContext(TSearchRequirementSeeks how, std::u16string_view context, int32_t pos,
                                int32_t span);
// The context of the occurrence of word (under flags) nearest the midpoint position, the first of equally
// near ones; empty when word does not occur.
UnicodeString NearestContextToMidpoint(TSearchRequirementSeeks how, std::u16string_view word,
                                       std::u16string_view context, int32_t midpoint, int32_t span,
                                       TMySearchFlags flags);

// Holds one category. Its stream: the count 2, then for each requirement its 100 fixed bytes, 4 bytes of no
// meaning and s_seek_base as a counted string; the other texts and the link type are not stored.
class TRequirementsArrayHolder : public TObject {
 public:
  TRequirementsArrayHolder() = default;
  explicit TRequirementsArrayHolder(const TDoubleSearchCategoryRec& category) : category(category) {}
  // False as soon as a read comes back short or a count does not fit the bytes left.
  bool LoadFromStream(TStream& stream);
  bool SaveToStream(TStream& stream) const;

  TDoubleSearchCategoryRec category;
};

}  // namespace lx
