// A rich-edit control without a window: a text with a format per character (colour, background, typeface and
// face), a selection, a caret that can be scrolled into view, margins and a redraw lock. It does what the
// viewers ask of the platform's control, saves itself as RTF and HTML, and paints through a canvas.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_types.h"
#include "lexcore/ui/lx_canvas.h"

namespace lx {

constexpr TColor clNoColour = 0x1FFFFFFF;

struct TRichCharFormat {
  TColor Color = 0;
  TColor BackColor = clNoColour;  // the control's own background
  TFontStyles Style;
  uint8_t Face = 0;  // index into the control's faces; 0 is its font's
  bool operator==(const TRichCharFormat&) const = default;
};

enum TSearchType : uint8_t { stWholeWord, stMatchCase };
using TSearchTypes = Set<TSearchType, 1>;

class TRichEdit {
 public:
  TRichEdit();

  TFont Font;
  TColor Color = 0xFFFFFF;  // background
  bool HandleAllocated = true;
  int32_t ClientHeight = 400;
  int32_t ClientWidth = 600;
  int32_t LeftMargin = 0, RightMargin = 0;

  // Line ends become one character each (CR LF, CR and LF alike), so positions count no carriage returns.
  void SetText(std::u16string_view text);
  const UnicodeString& PlainText() const { return text_; }
  // The text as the control gives it, with CR LF line ends.
  UnicodeString Text() const;
  int32_t TextLength() const { return static_cast<int32_t>(text_.size()); }

  int32_t SelStart = 0;
  int32_t SelLength = 0;
  // Applies to the selection, or sets the insertion format when nothing is selected.
  void SetSelColour(TColor colour);
  void SetSelBackColour(TColor colour);
  void SetSelStyle(TFontStyles style);
  void SetSelFace(const UnicodeString& face);
  // Replaces the selection with text in the insertion format; the caret ends after it.
  void SetSelText(std::u16string_view text);
  TRichCharFormat FormatAt(int32_t pos) const;
  const std::vector<UnicodeString>& Faces() const { return faces_; }

  // First position of text in [start, start + length) or -1; never matches across the range's end.
  int32_t FindText(std::u16string_view text, int32_t start, int32_t length, TSearchTypes options) const;

  int32_t LineCount() const;
  int32_t LineFromChar(int32_t pos) const;
  int32_t LineStart(int32_t line) const;
  int32_t FirstVisibleLine() const { return first_visible_; }
  int32_t LineHeight() const;
  int32_t VisibleLines() const;
  // Scrolls by lines (negative upwards), kept within the text.
  void LineScroll(int32_t lines);
  // Scrolls the caret's line into view when it is outside.
  void ScrollCaret();

  void BeginUpdate() { ++update_count_; }
  void EndUpdate() { update_count_ = update_count_ > 0 ? update_count_ - 1 : 0; }
  bool Updating() const { return update_count_ > 0; }

  // RTF that word processors read (colour and face tables, \cf, \highlight, \b, \i, \ul, \strike, \u).
  std::string RTFText() const;
  // A standalone UTF-8 HTML page with one span per run.
  std::string HTMLText() const;
  void SaveToRTF(const UnicodeString& fileName) const;
  void SaveToHTML(const UnicodeString& fileName) const;
  // The visible lines from the first visible one, inside the margins, clipped to rect.
  void PaintTo(TCanvas& canvas, const TRect& rect) const;

 private:
  // Runs of equal format: (start, end) pairs covering [from, to).
  template <typename F>
  void ForEachRun(int32_t from, int32_t to, F f) const;
  void ApplyToSelection(const std::function<void(TRichCharFormat&)>& change);

  UnicodeString text_;
  std::vector<TRichCharFormat> formats_;
  std::vector<UnicodeString> faces_;
  TRichCharFormat insertion_;
  int32_t first_visible_ = 0;
  int32_t update_count_ = 0;
};

}  // namespace lx
