#include "lexcore/search/search_stats.h"

namespace lx {

THandleTextSectionProc HandleSentenceEndProc;
THandleTextSectionProc HandleParagraphEndProc;
THandleTextSectionProc HandleHeadingEndProc;
THandleTextSectionProc HandleSectionEndProc;
bool Global_in_heading = false;

namespace {
void EndSegment(int index, const THandleTextSectionProc& proc, int32_t number[5], int32_t position[5]) {
  if (proc) proc(number[index], position[index]);
  ++number[index];
  // The next word is the segment's first, so the count starts from nothing.
  position[index] = 0;
}
}  // namespace

void ApplySegmentCode(uint16_t code, int32_t number[5], int32_t position[5], bool& inHeading,
                      const TSegmentTagsFound& tags) {
  switch (code) {
    case seg_sentence_end_by_rule:
      if (tags.sentences) break;
      [[fallthrough]];
    case seg_sentence_end_tagged:
      EndSegment(1, HandleSentenceEndProc, number, position);
      break;
    case seg_paragraph_end_by_rule:
      if (tags.paragraphs) break;
      [[fallthrough]];
    case seg_paragraph_end_tagged:
      EndSegment(2, HandleParagraphEndProc, number, position);
      break;
    case seg_heading_start:
      // Without heading-end mark-up the only sign that a heading is over is the next one starting.
      if (!tags.headings && inHeading) EndSegment(3, HandleHeadingEndProc, number, position);
      inHeading = true;
      break;
    case seg_heading_end:
      EndSegment(3, HandleHeadingEndProc, number, position);
      inHeading = false;
      break;
    case seg_section_end_by_rule:
      if (tags.sections) break;
      [[fallthrough]];
    case seg_section_end_tagged:
      EndSegment(4, HandleSectionEndProc, number, position);
      break;
    default:
      break;
  }
}

}  // namespace lx
