// Running text statistics of a search, and the segment codes that a caller places in a class array.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "lexcore/text/bare_assemb3.h"

namespace lx {

// Class-word flags a search reads beyond the shared ones of the class array.
constexpr uint16_t kClassDigit = 0x0004;
constexpr uint16_t kClassAlpha = 0x0100;
constexpr uint16_t kSegmentCodeMask = 0x07FF;

// Segment codes (low bits of a class word that has the marker bit).
enum TSegmentCode : uint16_t {
  seg_sentence_end_by_rule = 14,
  seg_sentence_end_tagged = 15,
  seg_paragraph_end_by_rule = 16,
  seg_paragraph_end_tagged = 17,
  seg_heading_start = 18,
  seg_heading_end = 19,
  seg_section_end_by_rule = 20,
  seg_section_end_tagged = 21,
};

// number: word, sentence, paragraph, heading, section numbers at the scan position;
// position[1..4]: words so far in the current sentence, paragraph, heading, section;
// out_of[1..4]: position[1..4] as they stood when the last scan call ended.
struct TSearchStatsRec {
  int32_t number[5];
  int32_t position[5];
  int32_t out_of[5];
};
static_assert(sizeof(TSearchStatsRec) == 60, "stored size of the text statistics");

// How many explicit mark-up boundaries of each kind (segment codes 14..21) the caller found in the text.
using TTagsFoundArray = std::array<int32_t, 8>;

// Called with a segment's number and the words in it when the scan passes its end.
using THandleTextSectionProc = std::function<void(int32_t number, int32_t wordsInIt)>;
extern THandleTextSectionProc HandleSentenceEndProc;
extern THandleTextSectionProc HandleParagraphEndProc;
extern THandleTextSectionProc HandleHeadingEndProc;
extern THandleTextSectionProc HandleSectionEndProc;

// Whether the scan is inside a heading; persists between scans.
extern bool Global_in_heading;

// Which rule-found boundaries to ignore because mark-up gives them explicitly.
struct TSegmentTagsFound {
  bool sentences = false;   // tags-found[15] > 0
  bool paragraphs = false;  // tags-found[17] > 0
  bool headings = false;    // tags-found[19] > 0
  bool sections = false;    // tags-found[21] > 0

  static TSegmentTagsFound From(const TTagsFoundArray& counts) {
    return {counts[15 - 14] > 0, counts[17 - 14] > 0, counts[19 - 14] > 0, counts[21 - 14] > 0};
  }
};

// Applies one segment code to running counters: reports the segment that ends, advances its number and starts
// its word count afresh. Codes outside 14..21 change nothing.
void ApplySegmentCode(uint16_t code, int32_t number[5], int32_t position[5], bool& inHeading,
                      const TSegmentTagsFound& tags);

}  // namespace lx
