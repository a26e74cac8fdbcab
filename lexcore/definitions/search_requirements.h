// One condition on one column of a list entry, as the categorising of entries evaluates it, and the texts
// that offer and describe conditions.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"
#include "lexcore/search/search_types.h"

namespace lx {

enum TSearchRequirementLinkType : uint8_t { ccl_and, ccl_or, ccl_but_not, ccl_spare };

enum TSearchRequirementSeeks : uint8_t {
  ccp_Ignore,
  ccp_Equals,
  ccp_StartsWith,
  ccp_EndsWith,
  ccp_Between,
  ccp_GreaterThan,
  ccp_LessThan,
  ccp_FoundAnywhereIn,
  ccp_FoundWithinNWordsOfSearchword,
  ccp_FoundWithinNWordsToLeftOfSearchword,
  ccp_FoundWithinNWordsToRightOfSearchword,
  ccp_FoundWithinNWordsOf,
  ccp_FoundWithinNWordsToLeftOf,
  ccp_FoundWithinNWordsToRightOf,
  ccp_WordLengthEquals,
  ccp_WordLengthGreaterThan,
  ccp_WordLengthLessThan,
  ccp_is_deleted,
  ccp_is_joined_head,
  ccp_is_Joined_member,
  ccp_is_marked,
  ccp_is_matched,
  ccp_spare4
};
constexpr int kSearchRequirementSeeksCount = 23;

struct TSearchRequirementRec {
  static constexpr std::size_t kStoredSize = 116;
  int32_t original_data_column = 0;
  int32_t colour = 0;
  int32_t found = 0;
  int32_t word_span = 0;
  float n_seek_low = 0;
  float n_seek_high = 0;
  float n_actual = 0;
  float found_percent = 0;
  TSearchRequirementSeeks how = ccp_Ignore;
  TSearchRequirementRec* linked = nullptr;  // the other requirement of a pair; not owned, never stored
  TMySearchFlags seek_low_flags;
  TMySearchFlags neighbour_flags;
  TMySearchFlags seek_high_flags;
  uint8_t opposite = 0;
  uint8_t data_numerical = 0;
  uint8_t other_data_numerical = 0;
  uint8_t Compare_with_OtherDataColumn = 0;
  uint8_t activated = 0;
  uint8_t spareB6 = 0;
  TSearchRequirementLinkType spare_link_type = ccl_and;
  int32_t other_data_column = 0;
  float n_other_data_column_actual = 0;
  uint8_t is_joined_head = 0;
  uint8_t is_joined_member = 0;
  uint8_t is_marked = 0;
  uint8_t is_matched = 0;
  uint8_t is_deleted = 0;
  std::array<uint8_t, 7> bools{};
  std::array<uint8_t, 28> spares{};
  // Texts are held by reference in the record: their slots are stored as zero and the texts travel apart.
  UnicodeString s_seek_base;
  UnicodeString s_seek_high;
  UnicodeString neighbour_word;
  UnicodeString s_actual;
};

using TSearchRequirementImage = std::array<uint8_t, TSearchRequirementRec::kStoredSize>;
TSearchRequirementImage SearchRequirementToImage(const TSearchRequirementRec& req);
// Fills every fixed field; linked becomes null and the texts are left as they are.
void SearchRequirementFromImage(const TSearchRequirementImage& image, TSearchRequirementRec& req);

// The option a condition drop-down offers for how; empty when not offered for this kind of column.
UnicodeString ConditionDropdownOption(TSearchRequirementSeeks how, bool context_column,
                                      bool numerical_column);
// The condition in words, with the requirement's values in place of the placeholders. column_caption names
// the tested column, other_caption the column compared with (when comparing with another column).
UnicodeString SearchRequirementToText(const TSearchRequirementRec& req, const UnicodeString& column_caption,
                                      const UnicodeString& other_caption = UnicodeString());

}  // namespace lx
