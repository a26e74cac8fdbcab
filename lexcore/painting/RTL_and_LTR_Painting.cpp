#include "lexcore/painting/RTL_and_LTR_Painting.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>

#include <algorithm>

#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/search/search_parsing.h"

namespace lx {

namespace {

constexpr TColor kNoColour = 0x1FFFFFFF;

char32_t CodePointAt(std::u16string_view s, std::size_t i, std::size_t& units) {
  const char16_t u = s[i];
  units = 1;
  if (u >= 0xD800 && u <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
    units = 2;
    return 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(s[i + 1]) - 0xDC00);
  }
  return u;
}

// What a character does to the cutting of a line.
enum TChunkKind : uint8_t { ck_ltr, ck_rtl, ck_number, ck_white, ck_neutral, ck_glue };

TChunkKind KindOf(char32_t c) {
  // Joiners and no-break glue never split a chunk; a non-joiner is an ordinary neutral.
  if (c == 0x200D || c == 0x202F || c == 0x2060) return ck_glue;
  if (c == 0x200C) return ck_neutral;
  switch (u_charDirection(static_cast<UChar32>(c))) {
    case U_LEFT_TO_RIGHT:
    case U_LEFT_TO_RIGHT_EMBEDDING:
    case U_LEFT_TO_RIGHT_OVERRIDE:
      return ck_ltr;
    case U_RIGHT_TO_LEFT:
    case U_RIGHT_TO_LEFT_ARABIC:
    case U_RIGHT_TO_LEFT_EMBEDDING:
    case U_RIGHT_TO_LEFT_OVERRIDE:
      return ck_rtl;
    case U_EUROPEAN_NUMBER:
    case U_ARABIC_NUMBER:
    case U_EUROPEAN_NUMBER_SEPARATOR:
    case U_EUROPEAN_NUMBER_TERMINATOR:
      return ck_number;
    case U_WHITE_SPACE_NEUTRAL:
    case U_BLOCK_SEPARATOR:
    case U_SEGMENT_SEPARATOR:
      return ck_white;
    case U_DIR_NON_SPACING_MARK:
    case U_BOUNDARY_NEUTRAL:
      return ck_glue;
    default:
      return ck_neutral;
  }
}

bool IsCommonSeparator(char32_t c) {
  return u_charDirection(static_cast<UChar32>(c)) == U_COMMON_NUMBER_SEPARATOR;
}

// Does a character of kind `next` start a new chunk after a chunk of kind `cur`?
bool StartsNewChunk(TChunkKind cur, TChunkKind next, char32_t c) {
  if (cur == ck_white || next == ck_white) return cur != next;
  if (cur == ck_number && (next == ck_number || IsCommonSeparator(c))) return false;
  if (next == ck_number) return cur != ck_number && cur != ck_ltr;
  if ((cur == ck_ltr && next == ck_rtl) || (cur == ck_rtl && next == ck_ltr)) return true;
  if (cur == ck_number) return next == ck_rtl || next == ck_neutral;
  return (cur == ck_neutral) != (next == ck_neutral);
}

bool IsLetterAt(std::u16string_view s, std::size_t i) {
  std::size_t units;
  return u_isalpha(static_cast<UChar32>(CodePointAt(s, i, units))) != 0;
}

// Upper case unit by unit, so positions stay those of the text.
UnicodeString UpperUnits(std::u16string_view s) {
  UnicodeString out(s);
  for (char16_t& u : out)
    if (u < 0xD800 || u > 0xDFFF) u = static_cast<char16_t>(u_toupper(u) <= 0xFFFF ? u_toupper(u) : u);
  return out;
}

TExtraFontRec RecFromDefaults(const TMyCanvasColourRecAndTypeface& d) {
  TExtraFontRec r;
  r.switch_on_at_char = 0;
  r.switch_off_at_char = -1;
  r.colour_rec = d.colourset;
  r.default_colours = 1;
  r.applies_to = efc_unknown;
  r.default_typeface = d.default_typeface;
  r.highlight_typeface = d.highlight_typeface;
  return r;
}

bool Hidden(const TExtraFontRec& r) {
  return !r.default_colours && r.colour_rec.colours[tct_text] == kNoColour;
}

}  // namespace

// ---- Chunk lists ----

TWordChunkList::TWordChunkList(const TMyCanvasColourRecAndTypeface& defaults, WideChar padding, bool conc)
    : fdefault(defaults), searchword_padding_character(padding), concordancing(conc) {}

void TWordChunkList::LoadFrom(std::u16string_view text, int32_t count, TMyBiDiMode direction, LCID /*lcid*/,
                              TCanvas& canvas, const TExtraFontList* extraFonts) {
  items_.clear();
  BaseDirection = direction;
  has_odd_directions = false;
  std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(std::max(0, count)));
  if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;  // never half a pair
  text = text.substr(0, n);
  if (text.empty()) return;

  // Cut into (start, length) pieces.
  struct TPiece {
    std::size_t start, len;
  };
  std::vector<TPiece> pieces;
  bool open = false, inTag = false;
  TChunkKind cur = ck_neutral;
  const std::size_t lastClose = text.rfind(u'>');
  for (std::size_t i = 0; i < text.size();) {
    std::size_t units;
    const char32_t c = CodePointAt(text, i, units);
    if (inTag) {
      pieces.back().len += units;
      if (c == u'>') {
        inTag = false;
        open = false;
      }
    } else if (c == u'<' && lastClose != std::u16string_view::npos && lastClose > i) {
      // A tag, from "<" to ">", is a chunk of its own.
      pieces.push_back({i, units});
      inTag = true;
      open = true;
    } else {
      TChunkKind k = KindOf(c);
      if (open && k == ck_glue) {
        pieces.back().len += units;
      } else if (!open || StartsNewChunk(cur, k == ck_glue ? ck_neutral : k, c)) {
        pieces.push_back({i, units});
        cur = k == ck_glue ? ck_neutral : k;
        open = true;
      } else {
        pieces.back().len += units;
        if (!(cur == ck_number && IsCommonSeparator(c))) cur = k;
      }
    }
    i += units;
  }

  // Directions come from the bidirectional algorithm: a chunk runs against the base when its resolved level
  // has the other parity (so digits inside a right-to-left line are an odd left-to-right run).
  std::vector<UBiDiLevel> levels(text.size(), direction == bdRightToLeft ? 1 : 0);
  UErrorCode status = U_ZERO_ERROR;
  UBiDi* bidi = ubidi_openSized(static_cast<int32_t>(text.size()), 0, &status);
  if (U_SUCCESS(status)) {
    ubidi_setPara(bidi, reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
                  direction == bdRightToLeft ? 1 : 0, nullptr, &status);
    if (U_SUCCESS(status)) {
      const UBiDiLevel* l = ubidi_getLevels(bidi, &status);
      if (U_SUCCESS(status) && l) std::copy(l, l + text.size(), levels.begin());
    }
  }
  if (bidi) ubidi_close(bidi);

  const TFontStyles savedStyle = canvas.Font.Style;
  const TExtraFontRec fallback = RecFromDefaults(fdefault);
  for (const TPiece& p : pieces) {
    TWordChunk chunk;
    chunk.w = UnicodeString(text.substr(p.start, p.len));
    chunk.first_char = static_cast<int32_t>(p.start) + 1;
    // The level of the first character that has a direction of its own, else of the first.
    UBiDiLevel level = levels[p.start];
    for (std::size_t j = p.start; j < p.start + p.len; ++j) {
      const TChunkKind k = KindOf(text[j]);
      if (k == ck_ltr || k == ck_rtl || k == ck_number) {
        level = levels[j];
        break;
      }
    }
    chunk.odd_direction = (level & 1) != (direction == bdRightToLeft ? 1 : 0);
    has_odd_directions = has_odd_directions || chunk.odd_direction;
    chunk.colourAndFont = fallback;
    if (extraFonts) {
      for (int32_t k = 0; k < extraFonts->Count(); ++k) {
        const TExtraFontRec r = extraFonts->GetAFontFrec(k);
        if (r.switch_on_at_char <= chunk.first_char &&
            (r.switch_off_at_char < 0 || chunk.first_char < r.switch_off_at_char)) {
          chunk.colourAndFont = r;
          break;
        }
      }
    }
    if (Hidden(chunk.colourAndFont)) {
      chunk.pixel_width = 0;
    } else {
      canvas.Font.Style = LargerTypeFaceToFontStyles(chunk.colourAndFont.default_typeface,
                                                     chunk.colourAndFont.highlight_typeface);
      chunk.pixel_width = canvas.TextWidth(chunk.w);
    }
    items_.push_back(std::make_unique<TWordChunkHolder>(std::move(chunk)));
  }
  canvas.Font.Style = savedStyle;
}

std::pair<int32_t, int32_t> TWordChunkList::WhichWordsFit(int32_t first, int32_t width,
                                                          bool skipSpace) const {
  int32_t i = std::max(0, first), total = 0;
  if (skipSpace && i < Count() && Chunk(i).w == u" ") ++i;
  int32_t counted = total;
  for (; i < Count(); ++i) {
    const TWordChunk& c = Chunk(i);
    if (total + c.pixel_width > width) break;
    total += c.pixel_width;
    // A trailing space does not count in the line's width.
    if (!(c.w.size() == 1 && KindOf(c.w[0]) == ck_white)) counted = total;
  }
  return {i, counted};
}

int32_t TWordChunkList::ChunkAtChar(int32_t pos) const {
  for (int32_t i = 0; i < Count(); ++i) {
    const TWordChunk& c = Chunk(i);
    if (pos >= c.first_char && pos < c.first_char + static_cast<int32_t>(c.w.size())) return i;
  }
  return -1;
}

void ReorderAnyLTRSinRTLSequences(const TWordChunkList& list, std::vector<int32_t>& order) {
  for (std::size_t i = 0; i < order.size();) {
    if (!list.Chunk(order[i]).odd_direction) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < order.size() && list.Chunk(order[j]).odd_direction) ++j;
    std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i),
                 order.begin() + static_cast<std::ptrdiff_t>(j));
    i = j;
  }
}

// ---- The drawer ----

TMyTextDrawer::TMyTextDrawer()
    : search_colours_and_style(StyleSearchColoursAndTypeface()),
      main_colours_and_typefaces(BogStandardColoursAndTypeface()),
      defaultExtraFontList(std::make_unique<TExtraFontList>()),
      fSearchlist(std::make_unique<TBaseSearchItems>()) {
  fSearchlist->SetSplitAlternatives(true);
}

TMyTextDrawer::~TMyTextDrawer() = default;

int32_t TMyTextDrawer::AddASearch(const TSearch_word_format_rec& rec) {
  return fSearchlist->AddOneSW(rec);
}

void TMyTextDrawer::AddASearchRequest(const UnicodeString& text) {
  fSearchlist->AddedSearchWords(text);
}

void TMyTextDrawer::AddSearches(const TBaseSearchItems& items) {
  for (int32_t i = 0; i < items.Count(); ++i) {
    const TSearch_word_format_rec rec = items.GetSWR(i);
    if (fSearchlist->IndexOf(rec) < 0) fSearchlist->AddOneSW(rec);
  }
}

void TMyTextDrawer::AssignOtherSWList(TBaseSearchItems* items) {
  otherswlist = items;
  using_otherSWList = items != nullptr;
}

void TMyTextDrawer::ClearAllSearches() {
  fSearchlist->Clear();
}

void TMyTextDrawer::ClearOneSearch(const TSearch_word_format_rec& rec) {
  const int32_t i = fSearchlist->IndexOf(rec);
  if (i >= 0) fSearchlist->ClearOne(i);
}

int32_t TMyTextDrawer::IndexOfASearch(const TSearch_word_format_rec& rec) const {
  return fSearchlist->IndexOf(rec);
}

void TMyTextDrawer::SetASearch(int32_t i, const TSearch_word_format_rec& rec) {
  fSearchlist->PutSWR(i, rec);
}

TBaseSearchItems& TMyTextDrawer::Searchlist() const {
  return using_otherSWList && otherswlist ? *otherswlist : *fSearchlist;
}

std::vector<std::pair<int32_t, int32_t>> TMyTextDrawer::GetSearchHits(std::u16string_view text) const {
  return FindBoundedSWPositionsInString(Searchlist(), text);
}

bool TMyTextDrawer::LineContainsAnySearchWords(std::u16string_view text) const {
  return !GetSearchHits(text).empty();
}

void TMyTextDrawer::SetMainColoursTo(TMyCanvasColourRec colours) {
  EnsureColoursOK(colours);
  main_colours_and_typefaces.colourset = colours;
}

void TMyTextDrawer::SetColoursToMonochrome() {
  main_colours_and_typefaces.colourset = BogStandardColours();
}

void TMyTextDrawer::SetMainFontFaceDeleted(bool on) {
  DeletedEntry = on;
}

void TMyTextDrawer::SetBaseTypefaces(Ttypeface_Set normal, Ttypeface_Set highlighted) {
  main_colours_and_typefaces.default_typeface = normal;
  main_colours_and_typefaces.highlight_typeface = highlighted;
}

std::pair<Ttypeface_Set, Ttypeface_Set> TMyTextDrawer::GetBaseTypefaces() const {
  return {main_colours_and_typefaces.default_typeface, main_colours_and_typefaces.highlight_typeface};
}

void TMyTextDrawer::IncludeOrExcludeInDefaultTypeface(TMy_typeface face, bool on) {
  if (on)
    main_colours_and_typefaces.default_typeface.Include(face);
  else
    main_colours_and_typefaces.default_typeface.Exclude(face);
}

TExtraFontList* TMyTextDrawer::GetAdditionalFontList() const {
  return concExtraFontList ? concExtraFontList : defaultExtraFontList.get();
}

TExtraFontRec TMyTextDrawer::DefaultExtraFontRec() const {
  return RecFromDefaults(main_colours_and_typefaces);
}

int32_t TMyTextDrawer::GetPlaceXForLineWidth(const TRect& rect, int32_t width, TLXAlignment alignment) const {
  if (BaseDirection == bdRightToLeft) {
    if (alignment == centre_aligned) return rect.Right - (rect.Width() - width) / 2;
    if (alignment == default_aligned) return rect.Left + edge_margin - width;
    return rect.Right - edge_margin;
  }
  if (alignment == centre_aligned) return rect.Left + (rect.Width() - width) / 2;
  if (alignment == right_aligned) return rect.Right - edge_margin - width;
  return rect.Left + edge_margin;
}

int32_t TMyTextDrawer::GetPlaceXNearMargin(const TRect& rect) const {
  return BaseDirection == bdRightToLeft ? rect.Right - edge_margin : rect.Left + edge_margin;
}

TPoint TMyTextDrawer::DefaultRectPlace(const TRect& rect, TMyBiDiMode direction) const {
  return {direction == bdRightToLeft ? rect.Right - edge_margin : rect.Left + edge_margin, rect.Top};
}

void TMyTextDrawer::ClearTheRect(TCanvas& canvas, const TRect& rect) const {
  if (!rect.IsEmpty()) canvas.FillRect(rect);
}

void TMyTextDrawer::SetColoursAndTypeForWord(const TWordChunk& chunk, TCanvas& canvas) const {
  const TExtraFontRec& r = chunk.colourAndFont;
  TMyCanvasColourRec colours = r.default_colours ? main_colours_and_typefaces.colourset : r.colour_rec;
  const bool transparent = r.default_colours ? Transparent_Background : false;
  if (MonoChrome) colours = BogStandardColours();
  const Ttypeface_Set faces = r.default_colours ? (Selecionado ? main_colours_and_typefaces.highlight_typeface
                                                               : main_colours_and_typefaces.default_typeface)
                                                : (Selecionado ? r.highlight_typeface : r.default_typeface);
  canvas.Font.Color = colours.colours[Selecionado ? tct_selected_text : tct_text];
  canvas.Brush.Color = colours.colours[Selecionado ? tct_selected_background : tct_background];
  canvas.Brush.Style = transparent ? bsClear : bsSolid;
  canvas.BackgroundMode = transparent ? bkTransparent : bkOpaque;
  TFontStyles styles = TypeFaceToFontStyles(faces);
  if (DeletedEntry) styles.Include(fsStrikeOut);
  canvas.Font.Style = styles;
}

void TMyTextDrawer::PutChunk(const TWordChunk& chunk, TCanvas& canvas, int32_t x, int32_t y,
                             const TRect& rect, bool clip) const {
  if (fjust_measuring || Hidden(chunk.colourAndFont) || chunk.w.empty()) return;
  SetColoursAndTypeForWord(chunk, canvas);
  uint32_t options = GetMyTextFlags(BaseDirection);
  if (!clip) options &= ~ETO_CLIPPED;
  if (canvas.BackgroundMode == bkOpaque) options |= ETO_OPAQUE;
  // The chunk's own box is its opaque background; the rectangle clips it.
  TRect box = Rect(x, y, x + chunk.pixel_width, y + line_height);
  if (clip) {
    box.Left = std::max(box.Left, rect.Left);
    box.Top = std::max(box.Top, rect.Top);
    box.Right = std::min(box.Right, rect.Right);
    box.Bottom = std::min(box.Bottom, rect.Bottom);
    if (box.IsEmpty()) return;
    options |= ETO_CLIPPED;
  }
  const int32_t at = (canvas.TextAlign & TA_RIGHT) && (canvas.TextAlign & TA_CENTER) != TA_CENTER
                         ? x + chunk.pixel_width
                         : x;
  canvas.ExtTextOut(at, y, options, &box, chunk.w);
}

std::pair<int32_t, int32_t> TMyTextDrawer::ComputedFitSpan(const TWordChunkList& list, int32_t first,
                                                           int32_t width) const {
  if (!list.has_odd_directions && Alignamento == default_aligned && !Word_wrapped) {
    int32_t total = 0;
    for (int32_t i = first; i < list.Count(); ++i) total += list.Chunk(i).pixel_width;
    return {list.Count(), total};
  }
  return list.WhichWordsFit(first, width, Alignamento != default_aligned);
}

TMyTextDrawer::TLineStatus TMyTextDrawer::PaintOneLine(const TWordChunkList& list, int32_t first,
                                                       int32_t line_no, const TRect& rect, TCanvas& canvas) {
  TLineStatus result;
  const bool rtl = list.BaseDirection == bdRightToLeft;
  canvas.TextAlign = rtl ? (TA_RIGHT | TA_RTLREADING) : TA_LEFT;
  auto [end, spanWidth] = ComputedFitSpan(list, first, rect.Width() - 2 * edge_margin);
  // A chunk wider than the whole line still takes a line of its own (cut at the edge), so wrapping always
  // moves on.
  if (end <= first) {
    end = first + 1;
    spanWidth = list.Chunk(first).pixel_width;
  }
  std::vector<int32_t> order;
  for (int32_t i = first; i < end; ++i) order.push_back(i);
  if (list.has_odd_directions) ReorderAnyLTRSinRTLSequences(list, order);

  int32_t x;  // the near end of the next chunk: its left edge, or its right edge right-to-left
  if (Alignamento == centre_aligned)
    x = rtl ? rect.Right - (rect.Width() - spanWidth) / 2 : rect.Left + (rect.Width() - spanWidth) / 2;
  else if (Alignamento == right_aligned || Alignamento == decimal_aligned)
    x = rtl ? rect.Left + spanWidth + 1 : rect.Right - spanWidth - 1;
  else
    x = GetPlaceXNearMargin(rect);
  const int32_t y = rect.Top + (line_height + interline_spacing) * line_no;
  for (int32_t idx : order) {
    const TWordChunk& c = list.Chunk(idx);
    result.last = std::max(result.last, idx);
    if (line_no > 0 && idx == first && c.w == u" ") continue;
    const int32_t left = rtl ? x - c.pixel_width : x;
    // Chunks wholly past the edge cannot be seen: stop rather than output them.
    if (rtl ? x <= rect.Left : left >= rect.Right) {
      result.last = end - 1;
      break;
    }
    PutChunk(c, canvas, left, y, rect, true);
    x = rtl ? x - c.pixel_width : x + c.pixel_width;
  }
  result.last = std::max(result.last, end - 1);
  result.status = end >= list.Count() ? 4 : 2;
  return result;
}

int32_t TMyTextDrawer::DrawAChunkofText(std::u16string_view text, TCanvas& canvas, const TRect& rect,
                                        bool transparent, bool word_wrapped, bool vcentred, bool selected,
                                        TLXAlignment alignment, LCID lcid, TRect& rect_used) {
  Transparent_Background = transparent;
  Word_wrapped = word_wrapped;
  VCentred = vcentred;
  Selecionado = selected;
  Alignamento = alignment;
  return DrawAChunkofText(text, canvas, rect, lcid, rect_used);
}

int32_t TMyTextDrawer::DrawAChunkofText(std::u16string_view text, TCanvas& canvas, const TRect& rect,
                                        LCID lcid, TRect& rect_used) {
  rect_used = Rect(rect.Left, rect.Top, rect.Left, rect.Top);
  if (text.empty() || rect.IsEmpty()) return 0;
  BaseDirection = BiDiModeFromLCID(lcid) ? bdRightToLeft : bdLeftToRight;
  canvas.TextAlign = BaseDirection == bdRightToLeft ? (TA_RIGHT | TA_RTLREADING) : TA_LEFT;
  concExtraFontList = nullptr;

  TWordChunkList list(main_colours_and_typefaces, u' ', false);
  defaultExtraFontList->Clear();
  for (const auto& [start, end] : GetSearchHits(text)) {
    TExtraFontRec r;
    r.switch_on_at_char = start;
    r.switch_off_at_char = end;
    r.default_colours = 0;
    r.colour_rec = search_colours_and_style.colourset;
    r.default_typeface = search_colours_and_style.default_typeface;
    r.highlight_typeface = search_colours_and_style.highlight_typeface;
    defaultExtraFontList->AddOne(r);
  }

  line_height = canvas.TextHeight(u"yTTG");
  const int32_t step = line_height + interline_spacing;
  const int32_t maxLines = Word_wrapped ? std::max(1, (rect.Height() + step - 1) / std::max(1, step)) : 1;
  // Nothing past what the rectangle could show is cut or measured: a character is at least a pixel wide
  // (bar marks and format characters, which the allowance covers).
  const int64_t budget =
      std::min<int64_t>(int64_t{maxLines} * (rect.Width() + 64), kMaxCharsPerLine * int64_t{maxLines});
  list.LoadFrom(text, static_cast<int32_t>(std::min<int64_t>(budget, INT32_MAX)), BaseDirection, lcid, canvas,
                defaultExtraFontList.get());
  if (list.Count() == 0) return 0;

  canvas.Brush.Color =
      main_colours_and_typefaces.colourset.colours[Selecionado ? tct_selected_background : tct_background];
  canvas.Brush.Style = bsSolid;
  if (!Transparent_Background && !fjust_measuring) canvas.FillRect(rect);
  canvas.BackgroundMode = Transparent_Background ? bkTransparent : bkOpaque;

  edge_margin = GetMyDisplayMargins(canvas.TextWidth(u"M"), Word_wrapped && Alignamento != right_aligned);
  TRect area = rect;
  if (VCentred && !Word_wrapped && rect.Height() > line_height) area.Top += (rect.Height() - line_height) / 2;

  int32_t lines = 0, first = 0;
  while (first < list.Count()) {
    const TLineStatus s = PaintOneLine(list, first, lines, area, canvas);
    ++lines;
    if (!Word_wrapped || s.status == 4 || s.last + 1 >= list.Count()) break;
    first = s.last + 1;
    if (step * lines >= rect.Height()) break;
  }
  const int32_t used = step * lines;
  rect_used = Rect(rect.Left, rect.Top, rect.Right, rect.Top + used);
  return used;
}

void TMyTextDrawer::DrawConcText(std::u16string_view text, int32_t midpoint, int32_t hit_length,
                                 TCanvas& canvas, LCID lcid, TExtraFontList* extra_fonts, TRect& rect,
                                 bool selected, WideChar padding, TLXoutput /*output_mode*/) {
  BaseDirection = BiDiModeFromLCID(lcid) ? bdRightToLeft : bdLeftToRight;
  Alignamento = centre_aligned;
  Selecionado = selected;
  text_fits_within_Rect = true;
  concExtraFontList = extra_fonts;
  if (text.empty() || rect.IsEmpty()) return;
  const bool rtl = BaseDirection == bdRightToLeft;
  canvas.TextAlign = rtl ? (TA_RIGHT | TA_RTLREADING) : TA_LEFT;

  line_height = canvas.TextHeight(u"yTTG");
  const int32_t step = line_height + interline_spacing;
  const TPoint centre = [&] {
    TPoint p = ComputedRectDeadCentre(rect, ComputedTextHeight(canvas));
    p.x += ComputedTextDisplacement(canvas, HorizontalConcDisplacement);
    return p;
  }();

  // Only the part of a long line that could be seen around the hit is cut into chunks.
  const int32_t reach = 8 * (rect.Width() + 64);
  // A hit placed beyond the text (a stale or damaged position) leaves nothing to cut, rather than a cut past
  // the end.
  const auto size = static_cast<int64_t>(text.size());
  const auto from = static_cast<int32_t>(std::clamp<int64_t>(int64_t{midpoint} - 1 - reach, 0, size));
  const auto to =
      static_cast<int32_t>(std::clamp<int64_t>(int64_t{midpoint} + hit_length + reach, int64_t{from}, size));
  TExtraFontList shifted;
  const TExtraFontList* fonts = extra_fonts;
  if (from > 0 && extra_fonts) {
    for (int32_t k = 0; k < extra_fonts->Count(); ++k) {
      TExtraFontRec r = extra_fonts->GetAFontFrec(k);
      r.switch_on_at_char -= from;
      if (r.switch_off_at_char >= 0) r.switch_off_at_char -= from;
      shifted.AddOne(r);
    }
    fonts = &shifted;
  }
  TWordChunkList list(main_colours_and_typefaces, padding, true);
  list.LoadFrom(text.substr(static_cast<std::size_t>(from)), to - from, BaseDirection, lcid, canvas, fonts);
  if (list.Count() == 0) return;
  int32_t hit = list.ChunkAtChar(std::max(1, midpoint - from));
  if (hit < 0) hit = midpoint - from > 0 ? list.Count() - 1 : 0;

  struct TPlaced {
    int32_t idx, left, y, line;
  };
  std::vector<TPlaced> placed;
  const int32_t nearEdge = rect.Left + edge_margin, farEdge = rect.Right - edge_margin;
  int32_t extraLines = 0;
  // The text that follows the hit runs forward (rightwards, or leftwards right-to-left); what precedes it
  // runs backward from the centre. Each side wraps onto further lines, below and above.
  auto layout = [&](int32_t begin, int32_t stop, int32_t dir, bool forward) {
    int32_t x = centre.x, y = centre.y, line = 0;
    bool lineEmpty = true;
    for (int32_t i = begin; i != stop; i += dir) {
      const int32_t w = list.Chunk(i).pixel_width;
      const bool goesRight = forward != rtl;
      const bool over = goesRight ? x + w > farEdge : x - w < nearEdge;
      if (over && !lineEmpty) {
        line += 1;
        y += forward ? step : -step;
        x = goesRight ? nearEdge : farEdge;
        lineEmpty = true;
        const bool outside = forward ? y + line_height > rect.Bottom : y < rect.Top;
        if (outside) {
          text_fits_within_Rect = false;
          if (!fjust_measuring || extraLines >= 8) return;
          ++extraLines;
          if (forward)
            rect.Bottom += step;
          else
            rect.Top -= step;
        }
      }
      placed.push_back({i, goesRight ? x : x - w, y, forward ? line : -line - 1});
      x += goesRight ? w : -w;
      lineEmpty = false;
    }
  };
  layout(hit, list.Count(), 1, true);
  layout(hit - 1, -1, -1, false);

  // Odd-direction runs of each line read in their own direction: mirror them within the room they took.
  if (list.has_odd_directions) {
    std::sort(placed.begin(), placed.end(), [](const TPlaced& a, const TPlaced& b) {
      return a.line != b.line ? a.line < b.line : a.idx < b.idx;
    });
    for (std::size_t i = 0; i < placed.size();) {
      if (!list.Chunk(placed[i].idx).odd_direction) {
        ++i;
        continue;
      }
      std::size_t j = i + 1;
      while (j < placed.size() && placed[j].line == placed[i].line &&
             placed[j].idx == placed[j - 1].idx + 1 && list.Chunk(placed[j].idx).odd_direction)
        ++j;
      int32_t lo = INT32_MAX, hi = INT32_MIN;
      for (std::size_t k = i; k < j; ++k) {
        lo = std::min(lo, placed[k].left);
        hi = std::max(hi, placed[k].left + list.Chunk(placed[k].idx).pixel_width);
      }
      for (std::size_t k = i; k < j; ++k)
        placed[k].left = lo + (hi - (placed[k].left + list.Chunk(placed[k].idx).pixel_width));
      i = j;
    }
  }
  if (fjust_measuring) return;
  for (const TPlaced& p : placed) PutChunk(list.Chunk(p.idx), canvas, p.left, p.y, rect, true);
}

// ---- Plain output helpers ----

void TransparentPutAString(TMyBiDiMode direction, const TRect& rect, TCanvas& canvas, bool as_filename,
                           TPoint& point, std::u16string_view text) {
  if (text.empty()) return;
  if (as_filename) {
    PutStringAsFilename(rect, canvas, text);
    return;
  }
  canvas.Brush.Style = bsClear;
  const int32_t w = canvas.TextWidth(text);
  if (direction == bdRightToLeft) {
    canvas.ExtTextOut(point.x - w, point.y, ETO_CLIPPED, &rect, text);
    point.x -= w;
  } else {
    canvas.ExtTextOut(point.x, point.y, ETO_CLIPPED, &rect, text);
    point.x += w;
  }
}

void PutStringAsFilename(const TRect& rect, TCanvas& canvas, std::u16string_view text) {
  UnicodeString s(text);
  EllipsisOutputALine(canvas, s, rect, rect.Width());
}

void EllipsisOutputALine(TCanvas& canvas, UnicodeString& text, const TRect& rect, int32_t width) {
  if (width <= 0 || rect.Height() <= 0) return;
  TRect r = rect;
  r.Right = rect.Left + width;
  if (canvas.TextWidth(text) > width) {
    const bool path = text.find(u":\\") != UnicodeString::npos || text.find(u"\\\\") != UnicodeString::npos ||
                      text.find(u'/') != UnicodeString::npos;
    const UnicodeString dots = u"...";
    UnicodeString shown;
    if (path) {
      // Keep the name; shorten the folders from the front.
      const std::size_t sep = text.find_last_of(u"/\\");
      const UnicodeString tail = text.substr(sep);
      std::size_t keep = sep;
      while (keep > 0 && canvas.TextWidth(text.substr(0, keep) + dots + tail) > width) keep = keep * 3 / 4;
      shown = text.substr(0, keep) + dots + tail;
    }
    if (!path || canvas.TextWidth(shown) > width) {
      const UnicodeString& base = path ? shown : text;
      std::vector<int32_t> partial(base.size());
      TSize size;
      int32_t fit =
          canvas.GetTextExtentExPoint(base, std::max(0, width - canvas.TextWidth(dots)), partial, size);
      shown = base.substr(0, static_cast<std::size_t>(fit)) + dots;
    }
    text = shown;
  }
  canvas.ExtTextOut(r.Left, r.Top, ETO_CLIPPED, &r, text);
}

void CentreOutputAWord(TCanvas& canvas, std::u16string_view text, int32_t width, const TRect& rect) {
  const int32_t w = canvas.TextWidth(text);
  TRect r = rect;
  r.Right = rect.Left + width;
  canvas.ExtTextOut(rect.Left + (width - w) / 2, rect.Top, 0, &r, text);
}

TSize CanvasPixelWidthAndHeight(std::u16string_view text, const TCanvas& canvas) {
  return canvas.TextExtent(text);
}

int32_t ComputedTextHeight(const TCanvas& canvas) {
  return canvas.TextHeight(u"Yy");
}

int32_t ComputedTextDisplacement(const TCanvas& canvas, int32_t n) {
  return n == 0 ? 0 : n * canvas.TextWidth(u"n");
}

TPoint ComputedRectDeadCentre(const TRect& rect, int32_t text_height) {
  TPoint p;
  p.x = rect.Left + rect.Width() / 2;
  p.y = rect.Height() >= 2 * text_height ? rect.Top + (rect.Height() - text_height) / 2 : rect.Top;
  return p;
}

uint32_t GetMyTextFlags(TMyBiDiMode direction) {
  return ETO_CLIPPED | (direction == bdRightToLeft ? ETO_RTLREADING : 0);
}

int32_t GetMyDisplayMargins(int32_t width, bool wanted) {
  return wanted ? width : 0;
}

TFontStyles TypeFaceToFontStyles(Ttypeface_Set faces) {
  TFontStyles s;
  if (faces.Contains(tf_bold)) s.Include(fsBold);
  if (faces.Contains(tf_italics)) s.Include(fsItalic);
  if (faces.Contains(tf_underline)) s.Include(fsUnderline);
  if (faces.Contains(tf_strikeout)) s.Include(fsStrikeOut);
  return s;
}

Ttypeface_Set LargerOfTwoTypeFaces(Ttypeface_Set a, Ttypeface_Set b) {
  // Bold is what takes room; the other faces ride along.
  if (b.Contains(tf_bold) && !a.Contains(tf_bold)) return b;
  return a;
}

TFontStyles LargerTypeFaceToFontStyles(Ttypeface_Set a, Ttypeface_Set b) {
  return TypeFaceToFontStyles(LargerOfTwoTypeFaces(a, b));
}

bool ColourOrTypeFacesDifferent(const TMyCanvasColourRecAndTypeface& a,
                                const TMyCanvasColourRecAndTypeface& b) {
  return !(a == b);
}

std::vector<std::pair<int32_t, int32_t>> FindBoundedSWPositionsInString(const TBaseSearchItems& items,
                                                                        std::u16string_view text) {
  std::vector<std::pair<int32_t, int32_t>> hits;
  if (text.empty()) return hits;
  UnicodeString upper;
  for (int32_t i = 0; i < items.Count(); ++i) {
    const TSearch_word_format_rec* rec = items.GetPtr(i);
    if (!rec || rec->search_text.empty()) continue;
    const bool exact = rec->flags.Contains(sw_flag_case_sensitive);
    if (!exact && upper.empty()) upper = UpperUnits(text);
    const std::u16string_view hay = exact ? text : std::u16string_view(upper);
    const UnicodeString needle = exact ? rec->search_text : UpperUnits(rec->search_text);
    const bool left = rec->flags.Contains(sw_flag_left_boundary),
               right = rec->flags.Contains(sw_flag_right_boundary);
    std::size_t from = 0;
    while (from < hay.size()) {
      const std::size_t p = hay.find(needle, from);
      if (p == std::u16string_view::npos) break;
      const std::size_t e = p + needle.size();
      if (left && p > 0 && IsLetterAt(text, p - 1)) {
        from = p + 1;
        continue;
      }
      if (right && e < text.size() && IsLetterAt(text, e)) {
        from = e;
        continue;
      }
      hits.push_back({static_cast<int32_t>(p) + 1, static_cast<int32_t>(e) + 1});
      from = e;
    }
  }
  std::stable_sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return hits;
}

}  // namespace lx
