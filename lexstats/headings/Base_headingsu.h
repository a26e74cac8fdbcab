// The standard column headings of every list kind: fixed parts only, captions and hints come from the
// catalogue by each record's localization_number.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/definitions/shared_records.h"

namespace lx {

extern const std::array<TGrid_head32, 9> LXBH_WORD_LIST;
extern const std::array<TGrid_head32, 13> LXBH_KEY_WORD_LIST;
extern const std::array<TGrid_head32, 8> LXBH_KEYWORDS_DATABASE;
extern const std::array<TGrid_head32, 8> LXBH_DETAILED_CONSISTENCY_RELATIONS_LIST;
extern const std::array<TGrid_head32, 6> LXBH_DETAILED_CONSISTENCY_LIST;
extern const std::array<TGrid_head32, 19> LXBH_COLLOCATE_LIST;
extern const std::array<TGrid_head32, 16> LXBH_CONCORDANCE_LIST;
extern const std::array<TGrid_head32, 7> LXBH_KEYWORDS_PLOT_LIST;
extern const std::array<TGrid_head32, 7> LXBH_CONCORDANCE_PLOT_LIST;
extern const std::array<TGrid_head32, 6> LXBH_CONCORDANCE_CLUSTER_LIST;
extern const std::array<TGrid_head32, 12> LXBH_CONCORDANCE_PATTERN_LIST;
extern const std::array<TGrid_head32, 6> LXBH_ASSOCIATE_LIST;
extern const std::array<TGrid_head32, 2> LXBH_FILENAME_LIST;
extern const std::array<TGrid_head32, 5> LXBH_LINK_LIST;
extern const std::array<TGrid_head32, 78> LXBH_STATISTICS_LIST;
extern const std::array<TGrid_head32, 7> LXBH_TIMELINE_LIST;
extern const std::array<TGrid_head32, 3> LXBH_ALIGNER_LIST;
extern const std::array<TGrid_head32, 2> LXBH_TEXT_LIST;
extern const std::array<TGrid_head32, 3> LXBH_KEYWORDS_CLUSTER_LIST;
extern const std::array<TGrid_head32, 20> LXBH_RELATIONSHIPS_LIST;
extern const std::array<TGrid_head32, 9> LXBH_CHARGRAM_LIST;
extern const std::array<TGrid_head32, 9> LXBH_CHARGRAM_PATTERN_LIST;
// The length of each kind's standard set.
extern const std::array<int32_t, kListKindCount> OfficialStandardNOfHeaders;

// The constant set tabled for the kind itself (word-list-like kinds have none of their own); empty when the
// kind has no table.
std::span<const TGrid_head32> BaseHeadingsOfKind(TLexmillList kind);

}  // namespace lx
