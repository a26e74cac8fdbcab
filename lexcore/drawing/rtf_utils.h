// What the source-text viewer and the text grid do to a rich-edit control: colour a stretch, colour every
// occurrence of a set of key words and record where they are, scroll a place into view, centre a line, insert
// a coloured line at the top, set margins and the selection's background.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/ui/lx_richedit.h"

namespace lx {

struct TRichEditPosition_rec {
  int32_t char_pos = 0;  // 0-based, counted without carriage returns
  int32_t word1_len = 0;
  int32_t KW_word_number = 0;
  int32_t word2_where = -1;  // the context word found with it, -1 when none
  int32_t word2_len = 0;
  bool operator==(const TRichEditPosition_rec&) const = default;
};

class TRicheditPositions {
 public:
  int32_t AddOne(const TRichEditPosition_rec& rec);
  TRichEditPosition_rec GetAPositionRec(int32_t i) const;
  void SetAPositionRec(int32_t i, const TRichEditPosition_rec& rec);
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  void Clear() { items_.clear(); }

 private:
  std::vector<TRichEditPosition_rec> items_;
};

void RichEdit_ColourASection(TRichEdit& edit, TColor text_colour, TColor background, int32_t length,
                             int32_t start, TFontStyles style);
void RichEdit_SetSelBackgroundColour(TRichEdit& edit, TColor colour);
// Position of the first hit coloured, or -1. progress gets a percentage; clearing busy stops after the
// current key word.
int32_t RichEdit_ColourAllTheseWordsFirstHitPos(
    TRichEdit* edit, const UnicodeString& header_end, TColor kw_colour, bool& busy,
    const std::function<void(int32_t percent)>& progress, TRicheditPositions* positions,
    const TSimpleSearchlist* key_words, TFontStyles negative_style, TFontStyles kw_style,
    TColor negative_background, TColor negative_colour, TColor kw_background);
void RichEdit_ScrollToPOsition(TRichEdit& edit, int32_t position);
void CentreLineVerticallyInEdit(TRichEdit& edit, int32_t line);
void RichEdit_InsertColouredLineAtTop(TRichEdit& edit, const UnicodeString& text, TColor colour,
                                      TFontStyles style);
void SetRicheditMargins(TRichEdit& edit, int32_t left, int32_t right);

}  // namespace lx
