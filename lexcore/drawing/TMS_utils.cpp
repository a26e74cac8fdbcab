#include "lexcore/drawing/TMS_utils.h"

namespace lx {

TColor Global_ButtonFaceColour = 0xF0F0F0;

namespace {

// Columns: styles 0..12, then the fallback for any other ordinal.
constexpr int kStyleSlots = 14;
// Stands for Global_ButtonFaceColour, read when asked so a host may change it.
constexpr TColor kButtonFace = -1;
constexpr TColor kTextColour = 0x000000;

constexpr TColor kBackgroundColour[kStyleSlots] = {0xFDEADA, 0xCBC0FF, 0xCFF0EA, 0xFFF8F0, 0xFDEADA,
                                                   0xF5F5F5, 0xFFF8F0, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF,
                                                   0xFFFFFF, 0xFFFFFF, 0xD3D3D3, 0xFDEADA};
constexpr TColor kHighlightBackgroundColour[kStyleSlots] = {0xFADAC4, 0xCBC0FF, 0x8CC0B1, 0xFFF8F0, 0xFFF8F8,
                                                            0xFADAC4, 0x7BEEFF, 0x7BEEFF, 0x7BEEFF, 0x7BEEFF,
                                                            0x7BEEFF, 0xA9A9A9, 0xA9A9A9, 0xE0A57D};
constexpr TColor kHighlightedTextColour[kStyleSlots] = {0x800000, 0x000000, 0x000000, 0x000000, 0x000000,
                                                        0x800000, 0x000000, 0x000000, 0x000000, 0x000000,
                                                        0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
constexpr TColor kGradientBackgroundLightColour[kStyleSlots] = {
    0xFDEADA, 0xE1E4FF, 0xE4F0F2, 0xFFFFF0, 0xFDEADA, 0xFFFFFF, 0xFDEADA,
    0xFFFFFF, 0xC0C0C0, 0xF5F5F5, 0xF5F5F5, 0xF5F5F5, 0xC0C0C0, kButtonFace};
constexpr TColor kGradientBackgroundDarkColour[kStyleSlots] = {
    0xFADAC4, 0xB469FF, 0x8CC0B1, 0xFDF0D7, 0xFADAC4, 0xC0C0C0, 0xFADAC4,
    0xFAE6E6, 0x919191, 0xDCDCDC, 0xDCDCDC, 0xDCDCDC, 0x908070, kButtonFace};
constexpr TColor kButtonColour[kStyleSlots] = {0xE3B28D, 0xCBC0FF, 0x447A63, 0xFFF8F0,   0xFDEADA,
                                               0xFFF8F0, 0xFADAC4, 0xFAE6E6, 0x919191,   0xDCDCDC,
                                               0xF5F5F5, 0xA9A9A9, 0x363636, kButtonFace};
constexpr TColor kScrollLightBackgroundColour[kStyleSlots] = {
    0xFADAC4, 0xC1B6FF, 0xCFF0EA, 0xFFFFFF, 0xFFF8F0, 0xF3F3F3, 0xFFF8F0,
    0xFFFFFF, 0xC0C0C0, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, kButtonFace};
constexpr TColor kScrollDarkBackgroundColour[kStyleSlots] = {
    0xDEC4B0, 0xCBC0FF, 0x008080, 0xFDF0D7, 0xED9564, 0xC0C0C0, 0xFDEADA,
    0xEEEAE6, 0x4B4B4B, 0xD3D3D3, 0xD3D3D3, 0xD3D3D3, 0xD3D3D3, kButtonFace};
constexpr TColor kScrollTextColour[kStyleSlots] = {0x000000, 0x000000, 0x000000, 0x000000, 0x000000,
                                                   0x000000, 0x73391F, 0x000000, 0xFFFFFF, 0x000000,
                                                   0x000000, 0x000000, 0x000000, 0x000000};
constexpr TColor kUnusedBackgroundColour[kStyleSlots] = {0xFFF8F0, 0xE1E4FF, 0xE4F0F2, 0xFFFFFF,   0xFFF8F0,
                                                         0xFFF8F0, 0xF0FFFF, 0xF3F3F3, 0x808080,   0xF3F3F3,
                                                         0xF3F3F3, 0xC0DCC0, 0x808080, kButtonFace};
constexpr TColor kContrastBackgroundColour[kStyleSlots] = {0x0000FF, 0x008000, 0x0000FF, 0x0000FF, 0x0000FF,
                                                           0x0000FF, 0x0000FF, 0x800080, 0x000000, 0x000000,
                                                           0x000000, 0x000000, 0x000000, 0x0000FF};

TColor FromTable(const TColor (&table)[kStyleSlots], TLXStyleOrdinal style) {
  const TColor c = table[style >= 0 && style < kStyleSlots - 1 ? style : kStyleSlots - 1];
  return c == kButtonFace ? Global_ButtonFaceColour : c;
}

}  // namespace

#define LX_STYLE_COLOUR(name, table)   \
  TColor name(TLXStyleOrdinal style) { \
    return FromTable(table, style);    \
  }
#define LX_FIXED_COLOUR(name, value) \
  TColor name(TLXStyleOrdinal) {     \
    return value;                    \
  }
#define LX_SAME_COLOUR(name, as)       \
  TColor name(TLXStyleOrdinal style) { \
    return as(style);                  \
  }

LX_STYLE_COLOUR(GetABaseTMSBackgroundColour, kBackgroundColour)
LX_STYLE_COLOUR(GetABaseTMSHighlightBackgroundColour, kHighlightBackgroundColour)
LX_STYLE_COLOUR(GetABaseTMSHighlightedTextColour, kHighlightedTextColour)
LX_STYLE_COLOUR(GetABaseTMSGradientBackgroundLightColour, kGradientBackgroundLightColour)
LX_STYLE_COLOUR(GetABaseTMSGradientBackgroundDarkColour, kGradientBackgroundDarkColour)
LX_STYLE_COLOUR(GetABaseTMSButtonColour, kButtonColour)
LX_STYLE_COLOUR(GetABaseTMSScrollLightBackgroundColour, kScrollLightBackgroundColour)
LX_STYLE_COLOUR(GetABaseTMSScrollDarkBackgroundColour, kScrollDarkBackgroundColour)
LX_STYLE_COLOUR(GetABaseTMSScrollTextColour, kScrollTextColour)
LX_STYLE_COLOUR(GetABaseTMSUnusedBackgroundColour, kUnusedBackgroundColour)
LX_STYLE_COLOUR(GetABaseTMSContrastBackgroundColour, kContrastBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour, kTextColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_TAGS, 0x808080)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_TAGS, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_SEARCHWORD, 0xFF0000)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_SEARCHWORD, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_MAINSORT, 0x000080)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_MAINSORT, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_SECONDSORT, 0x006400)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_SECONDSORT, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_THIRDSORT, 0xD30094)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_THIRDSORT, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_CONTEXTWORD, 0x8B3D48)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_CONTEXTWORD, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_DELETED, 0x696969)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_DELETED, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_MOSTFREQUENT, 0x0000FF)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_MOSTFREQUENT, GetABaseTMSBackgroundColour)
LX_SAME_COLOUR(GetABaseTMSTextColour_VIEWTEXT, GetABaseTMSTextColour)
LX_SAME_COLOUR(GetABaseTMSBackgroundColour_VIEWTEXT, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSTextColour_VIEWTEXT_KWS, 0x000080)
LX_FIXED_COLOUR(GetABaseTMSBackgroundColour_VIEWTEXT_KWS, 0xCDFAFF)
LX_FIXED_COLOUR(GetABaseTMSColour_PLOTLINE, 0xA9A9A9)
LX_FIXED_COLOUR(GetABaseTMSColour_RULER, 0xC0C0C0)
LX_FIXED_COLOUR(GetABaseTMSColour_TIMELINE_HITS_LINE, 0x008000)
LX_FIXED_COLOUR(GetABaseTMSColour_TIMELINE_HITS_BLOB, 0x000000)
LX_FIXED_COLOUR(GetABaseTMSColour_TIMELINE_QUANTITY_LINE, 0x0000FF)
LX_FIXED_COLOUR(GetABaseTMSColour_TIMELINE_QUANTITY_BLOB, 0x000000)
LX_FIXED_COLOUR(GetABaseTMSColour_TIMELINE_QUANTITY_FILL, 0x808080)
LX_FIXED_COLOUR(GetABaseTMSColour_TIMELINE_YEAR_DIVIDER, 0x000080)
LX_FIXED_COLOUR(GetABaseTMSColour_TIMELINE_HORIZ_DIVIDER, 0xC0C0C0)
LX_FIXED_COLOUR(GetABaseTMSColour_SORT_TRIANGLE, 0x0000FF)
LX_FIXED_COLOUR(GetABaseTMSColour_WONT_FIT, 0x800080)
LX_SAME_COLOUR(GetABaseTMSColour_CLOUD_WORD, GetABaseTMSTextColour)
LX_SAME_COLOUR(GetABaseTMSColour_CLOUD_WORD_BACKGROUND, GetABaseTMSBackgroundColour)
LX_SAME_COLOUR(GetABaseTMSColour_CLOUD_SHAPE, GetABaseTMSTextColour_MOSTFREQUENT)
LX_SAME_COLOUR(GetABaseTMSColour_CLOUD_BACKGROUND, GetABaseTMSBackgroundColour)
LX_FIXED_COLOUR(GetABaseTMSUNwantedTextColour, 0x00D7FF)
LX_FIXED_COLOUR(GetABaseTMSUNWantedBackgroundColour, 0x006400)

#undef LX_STYLE_COLOUR
#undef LX_FIXED_COLOUR
#undef LX_SAME_COLOUR

namespace {

TMyCanvasColourRecAndTypeface Exchanged(const TMyCanvasColourRec& standard) {
  const auto& c = standard.colours;
  const Ttypeface_Set bold{tf_bold};
  return {
      TMyCanvasColourRec{{c[tct_selected_text], c[tct_text], c[tct_selected_background], c[tct_background]}},
      bold, bold};
}

}  // namespace

TMyCanvasColourRec StyleStandardColours(TLXStyleOrdinal style) {
  return TMyCanvasColourRec{{GetABaseTMSTextColour(style), GetABaseTMSHighlightedTextColour(style),
                             GetABaseTMSBackgroundColour(style),
                             GetABaseTMSHighlightBackgroundColour(style)}};
}

TMyCanvasColourRec StyleStandardColoursViewtext(TLXStyleOrdinal style) {
  return TMyCanvasColourRec{{GetABaseTMSTextColour_VIEWTEXT(style), GetABaseTMSHighlightedTextColour(style),
                             GetABaseTMSBackgroundColour_VIEWTEXT(style),
                             GetABaseTMSHighlightBackgroundColour(style)}};
}

TMyCanvasColourRecAndTypeface SearchStandardColoursAndTypeface(TLXStyleOrdinal style) {
  return Exchanged(StyleStandardColours(style));
}

TMyCanvasColourRecAndTypeface SearchStandardColoursAndTypefaceViewText(TLXStyleOrdinal style) {
  return Exchanged(StyleStandardColoursViewtext(style));
}

// Plain typefaces in both states: a bit pattern of 8 would mean strike-out, which no standard text wants.
TMyCanvasColourRecAndTypeface StyleStandardColoursAndTypeface(TLXStyleOrdinal style) {
  return {StyleStandardColours(style), {}, {}};
}

TMyCanvasColourRecAndTypeface StyleStandardColoursAndTypefaceViewtext(TLXStyleOrdinal style) {
  return {StyleStandardColoursViewtext(style), {}, {}};
}

}  // namespace lx
