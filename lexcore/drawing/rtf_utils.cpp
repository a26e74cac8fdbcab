#include "lexcore/drawing/rtf_utils.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <cmath>

#include "lexcore/rtl/lx_yield.h"

namespace lx {

namespace {

constexpr TMySearchFlag kNegative = sw_flag_tilde;  // bit 8 of the stored flags

UnicodeString WithoutCR(const UnicodeString& s) {
  UnicodeString out;
  for (char16_t c : s)
    if (c != u'\r') out += c;
  return out;
}

bool LetterAt(const UnicodeString& text, int64_t i) {
  return i >= 0 && i < static_cast<int64_t>(text.size()) && u_isalpha(text[static_cast<std::size_t>(i)]);
}

// The bound test of a hit found without the whole-word option.
bool PassesBounds(const UnicodeString& text, int32_t hit, int32_t len, TMySearchFlags flags) {
  if (flags.Contains(sw_flag_right_boundary) && hit + len < static_cast<int32_t>(text.size()) - 1 &&
      LetterAt(text, hit + len))
    return false;
  if (flags.Contains(sw_flag_left_boundary) && hit >= 1 && LetterAt(text, hit - 1)) return false;
  return true;
}

TSearchTypes OptionFor(TMySearchFlags flags) {
  return flags.Contains(sw_flag_left_boundary) && flags.Contains(sw_flag_right_boundary)
             ? TSearchTypes{stWholeWord}
             : TSearchTypes{};
}

}  // namespace

int32_t TRicheditPositions::AddOne(const TRichEditPosition_rec& rec) {
  items_.push_back(rec);
  return Count() - 1;
}

TRichEditPosition_rec TRicheditPositions::GetAPositionRec(int32_t i) const {
  return i >= 0 && i < Count() ? items_[static_cast<std::size_t>(i)] : TRichEditPosition_rec{};
}

void TRicheditPositions::SetAPositionRec(int32_t i, const TRichEditPosition_rec& rec) {
  if (i >= 0 && i < Count()) items_[static_cast<std::size_t>(i)] = rec;
}

void RichEdit_ColourASection(TRichEdit& edit, TColor text_colour, TColor background, int32_t length,
                             int32_t start, TFontStyles style) {
  edit.SelStart = start;
  edit.SelLength = length;
  edit.SetSelStyle(style);
  edit.SetSelColour(text_colour);
  RichEdit_SetSelBackgroundColour(edit, background);
}

void RichEdit_SetSelBackgroundColour(TRichEdit& edit, TColor colour) {
  edit.SetSelBackColour(colour);
}

int32_t RichEdit_ColourAllTheseWordsFirstHitPos(
    TRichEdit* edit, const UnicodeString& header_end, TColor kw_colour, bool& busy,
    const std::function<void(int32_t)>& progress, TRicheditPositions* positions,
    const TSimpleSearchlist* key_words, TFontStyles negative_style, TFontStyles kw_style,
    TColor negative_background, TColor negative_colour, TColor kw_background) {
  busy = true;
  if (!key_words || !positions || !edit) return -1;
  positions->Clear();
  edit->BeginUpdate();
  const UnicodeString text = edit->PlainText();
  const int32_t n = static_cast<int32_t>(text.size());
  int32_t h = -1;
  if (!header_end.empty()) h = edit->FindText(WithoutCR(header_end), 0, n, TSearchTypes{stWholeWord});
  const int32_t from = std::max(0, h + 1);
  int32_t earliest = n;
  const int32_t count = key_words->Count();
  for (int32_t i = 0; i < count && busy; ++i) {
    if (progress) progress(static_cast<int32_t>(int64_t{i} * 100 / count));
    MyYieldProcess();
    const TSearchContextRec item = key_words->GetASearchRec(i);
    const TMySearchFlags flags = item.mainwd.flags;
    const UnicodeString word = WithoutCR(item.mainwd.word);
    const UnicodeString context = WithoutCR(item.context_words[0].word);
    const TMySearchFlags cflags = item.context_words[0].flags;
    if (word.empty()) continue;
    const TSearchTypes option = OptionFor(flags);
    const int32_t len = static_cast<int32_t>(word.size());
    int32_t start = from;
    while (start < n) {
      const int32_t hit = edit->FindText(word, start, n - start, option);
      if (hit < 0) break;
      // A key-word hit that fails its bound test counts as not found: the search for this word ends.
      if (option.Empty() && !flags.Empty() && !PassesBounds(text, hit, len, flags)) break;
      int32_t where = -1, clen = 0;
      if (!context.empty()) {
        const int32_t cfrom = std::max(1, hit - item.context_seek_span);
        const TSearchTypes copt = OptionFor(cflags);
        int32_t c = edit->FindText(context, cfrom, n - cfrom, copt);
        if (c >= 0 && copt.Empty() && !cflags.Empty() &&
            !PassesBounds(text, c, static_cast<int32_t>(context.size()), cflags))
          c = -1;
        if (c < 0 || c > hit) {
          start = hit + 1 + len;
          continue;
        }
        where = c;
        clen = static_cast<int32_t>(context.size());
      }
      positions->AddOne({hit, len, i, where, clen});
      const bool negative = flags.Contains(kNegative);
      const TColor fg = negative ? negative_colour : kw_colour,
                   bg = negative ? negative_background : kw_background;
      const TFontStyles st = negative ? negative_style : kw_style;
      RichEdit_ColourASection(*edit, fg, bg, len, hit, st);
      if (where >= 0) RichEdit_ColourASection(*edit, fg, bg, clen, where, st);
      earliest = std::min(earliest, hit);
      start = hit + len;
    }
  }
  int32_t result = -1;
  for (int32_t k = 0; k < positions->Count(); ++k)
    if (positions->GetAPositionRec(k).char_pos == earliest) {
      result = earliest;
      break;
    }
  busy = false;
  edit->EndUpdate();
  MyYieldProcess();
  if (result >= 0) RichEdit_ScrollToPOsition(*edit, result);
  return result;
}

void RichEdit_ScrollToPOsition(TRichEdit& edit, int32_t position) {
  if (position < 0 || !edit.HandleAllocated) return;
  edit.SelStart = position;
  edit.SelLength = 0;
  edit.ScrollCaret();
}

void CentreLineVerticallyInEdit(TRichEdit& edit, int32_t line) {
  const int32_t f = edit.FirstVisibleLine();
  const int32_t h = std::max(1, std::abs(edit.LineHeight()));
  const int32_t n = static_cast<int32_t>(std::lround(static_cast<double>(edit.ClientHeight) / h));
  const int32_t target = n > 1 ? std::max(0, line - static_cast<int32_t>(std::lround(n / 2.0)) + 1) : line;
  if (target != f) edit.LineScroll(target - f);
}

void RichEdit_InsertColouredLineAtTop(TRichEdit& edit, const UnicodeString& text, TColor colour,
                                      TFontStyles style) {
  edit.SelStart = 0;
  edit.SelLength = 0;
  edit.SetSelColour(colour);
  edit.SetSelStyle(style);
  edit.SetSelText(text + u"\r\n");
}

void SetRicheditMargins(TRichEdit& edit, int32_t left, int32_t right) {
  edit.LeftMargin = std::max(0, left);
  edit.RightMargin = std::max(0, right);
}

}  // namespace lx
