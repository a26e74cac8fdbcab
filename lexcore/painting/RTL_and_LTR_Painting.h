// The text drawer: one piece of text into one rectangle of a canvas, word by word ("chunks"), so that
// left-to-right and right-to-left scripts come out in reading order, search words are highlighted, tags and
// sort words carry colours of their own, and a concordance line can be centred on its hit. Layout measures on
// whatever canvas it is given and never knows which one it is.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "lexcore/definitions/extra_font_list.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/ui/lx_canvas.h"

namespace lx {

class TBaseSearchItems;
struct TSearch_word_format_rec;

enum TMyBiDiMode : uint8_t { bdLeftToRight, bdRightToLeft };

struct TWordChunk {
  UnicodeString w;
  int32_t pixel_width = 0;
  bool odd_direction = false;
  TExtraFontRec colourAndFont;
  int32_t first_char = 1;  // 1-based position of the chunk's first character in the drawn text
};

class TWordChunkHolder : public TObject {
 public:
  explicit TWordChunkHolder(TWordChunk c) : chunk(std::move(c)) {}
  TWordChunk chunk;
};

class TWordChunkList {
 public:
  TWordChunkList(const TMyCanvasColourRecAndTypeface& defaults, WideChar padding, bool concordancing);

  // Cuts at most count characters of text into chunks, measures each on the canvas in its own typeface and
  // gives it the colours of the extra-font span that covers it (else the defaults).
  void LoadFrom(std::u16string_view text, int32_t count, TMyBiDiMode direction, LCID lcid, TCanvas& canvas,
                const TExtraFontList* extraFonts);

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  const TWordChunk& Chunk(int32_t i) const { return items_[static_cast<std::size_t>(i)]->chunk; }
  // Chunks from first on whose widths add up to at most width; a leading single space is skipped when
  // skipSpace, a trailing space is not counted. Returns the index after the last one taken and the span's
  // width.
  std::pair<int32_t, int32_t> WhichWordsFit(int32_t first, int32_t width, bool skipSpace) const;
  // Index of the chunk holding 1-based character position pos, or -1.
  int32_t ChunkAtChar(int32_t pos) const;

  TMyCanvasColourRecAndTypeface fdefault;
  WideChar searchword_padding_character;
  bool concordancing;
  TMyBiDiMode BaseDirection = bdLeftToRight;
  bool has_odd_directions = false;

 private:
  std::vector<std::unique_ptr<TWordChunkHolder>> items_;
};

// Reverses every run of consecutive odd-direction chunks of order[from, to) in place.
void ReorderAnyLTRSinRTLSequences(const TWordChunkList& list, std::vector<int32_t>& order);

class TMyTextDrawer : public TObject {
 public:
  TMyTextDrawer();
  ~TMyTextDrawer() override;

  // Height used; 0 for an empty text or an empty rectangle.
  int32_t DrawAChunkofText(std::u16string_view text, TCanvas& canvas, const TRect& rect, bool transparent,
                           bool word_wrapped, bool vcentred, bool selected, TLXAlignment alignment, LCID lcid,
                           TRect& rect_used);
  int32_t DrawAChunkofText(std::u16string_view text, TCanvas& canvas, const TRect& rect, LCID lcid,
                           TRect& rect_used);
  // A concordance line centred on its hit: midpoint is the 1-based position of the hit's first character.
  // rect may grow (only when measuring) by up to 8 lines to show how much room the line wants.
  void DrawConcText(std::u16string_view text, int32_t midpoint, int32_t hit_length, TCanvas& canvas,
                    LCID lcid, TExtraFontList* extra_fonts, TRect& rect, bool selected, WideChar padding,
                    TLXoutput output_mode);

  // Search words whose hits are highlighted.
  int32_t AddASearch(const TSearch_word_format_rec& rec);
  void AddASearchRequest(const UnicodeString& text);
  void AddSearches(const TBaseSearchItems& items);
  void AssignOtherSWList(TBaseSearchItems* items);
  void ClearAllSearches();
  void ClearOneSearch(const TSearch_word_format_rec& rec);
  int32_t IndexOfASearch(const TSearch_word_format_rec& rec) const;
  void SetASearch(int32_t i, const TSearch_word_format_rec& rec);
  TBaseSearchItems& Searchlist() const;
  // (start, end) 1-based, end exclusive, of every search hit in text.
  std::vector<std::pair<int32_t, int32_t>> GetSearchHits(std::u16string_view text) const;
  bool LineContainsAnySearchWords(std::u16string_view text) const;

  void SetMainColoursTo(TMyCanvasColourRec colours);
  void SetColoursToMonochrome();
  void SetMainFontFaceDeleted(bool on);
  void SetBaseTypefaces(Ttypeface_Set normal, Ttypeface_Set highlighted);
  std::pair<Ttypeface_Set, Ttypeface_Set> GetBaseTypefaces() const;
  void IncludeOrExcludeInDefaultTypeface(TMy_typeface face, bool on);
  void SetConcExtraFontList(TExtraFontList* list) { concExtraFontList = list; }
  TExtraFontList* GetAdditionalFontList() const;
  TExtraFontRec DefaultExtraFontRec() const;

  int32_t GetPlaceXForLineWidth(const TRect& rect, int32_t width, TLXAlignment alignment) const;
  int32_t GetPlaceXNearMargin(const TRect& rect) const;
  TPoint DefaultRectPlace(const TRect& rect, TMyBiDiMode direction) const;
  void ClearTheRect(TCanvas& canvas, const TRect& rect) const;

  WideChar searchword_padding_character = u' ';
  bool fjust_measuring = false;
  int32_t line_height = 0;
  int32_t interline_spacing = 2;
  TMyCanvasColourRecAndTypeface search_colours_and_style;
  TMyCanvasColourRecAndTypeface main_colours_and_typefaces;
  TBaseSearchItems* otherswlist = nullptr;  // not owned
  bool using_otherSWList = false;
  std::unique_ptr<TExtraFontList> defaultExtraFontList;
  TExtraFontList* concExtraFontList = nullptr;  // not owned
  TMyBiDiMode BaseDirection = bdLeftToRight;
  bool DeletedEntry = false;
  bool text_fits_within_Rect = true;
  bool MonoChrome = false;
  int32_t HorizontalConcDisplacement = 0;
  int32_t edge_margin = 0;
  TLXAlignment Alignamento = default_aligned;
  bool Selecionado = false;
  bool VCentred = false;
  bool Word_wrapped = false;
  bool Transparent_Background = false;

  // The most characters one call lays out: a cell never shows more, and a huge text must not be shaped whole.
  static constexpr int32_t kMaxCharsPerLine = 4000;

 private:
  struct TLineStatus {
    int32_t status = 0;  // 4: the line ended with its span; 2: the next chunk did not fit
    int32_t last = -1;   // last chunk painted (or laid out)
  };
  TLineStatus PaintOneLine(const TWordChunkList& list, int32_t first, int32_t line_no, const TRect& rect,
                           TCanvas& canvas);
  std::pair<int32_t, int32_t> ComputedFitSpan(const TWordChunkList& list, int32_t first, int32_t width) const;
  void SetColoursAndTypeForWord(const TWordChunk& chunk, TCanvas& canvas) const;
  void PutChunk(const TWordChunk& chunk, TCanvas& canvas, int32_t x, int32_t y, const TRect& rect,
                bool clip) const;

  std::unique_ptr<TBaseSearchItems> fSearchlist;
};

// Plain output helpers.
void TransparentPutAString(TMyBiDiMode direction, const TRect& rect, TCanvas& canvas, bool as_filename,
                           TPoint& point, std::u16string_view text);
void PutStringAsFilename(const TRect& rect, TCanvas& canvas, std::u16string_view text);
// Draws text cut to width with "..." (in the middle of a path, else at the end); text receives what was
// shown.
void EllipsisOutputALine(TCanvas& canvas, UnicodeString& text, const TRect& rect, int32_t width);
void CentreOutputAWord(TCanvas& canvas, std::u16string_view text, int32_t width, const TRect& rect);
TSize CanvasPixelWidthAndHeight(std::u16string_view text, const TCanvas& canvas);
int32_t ComputedTextHeight(const TCanvas& canvas);
int32_t ComputedTextDisplacement(const TCanvas& canvas, int32_t n);
TPoint ComputedRectDeadCentre(const TRect& rect, int32_t text_height);
uint32_t GetMyTextFlags(TMyBiDiMode direction);
int32_t GetMyDisplayMargins(int32_t width, bool wanted);
TFontStyles TypeFaceToFontStyles(Ttypeface_Set faces);
Ttypeface_Set LargerOfTwoTypeFaces(Ttypeface_Set a, Ttypeface_Set b);
TFontStyles LargerTypeFaceToFontStyles(Ttypeface_Set a, Ttypeface_Set b);
bool ColourOrTypeFacesDifferent(const TMyCanvasColourRecAndTypeface& a,
                                const TMyCanvasColourRecAndTypeface& b);
std::vector<std::pair<int32_t, int32_t>> FindBoundedSWPositionsInString(const TBaseSearchItems& items,
                                                                        std::u16string_view text);

}  // namespace lx
