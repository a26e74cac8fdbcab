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

TColor GetABaseTMSBackgroundColour(TLXStyleOrdinal style) {
  return FromTable(kBackgroundColour, style);
}

TColor GetABaseTMSHighlightBackgroundColour(TLXStyleOrdinal style) {
  return FromTable(kHighlightBackgroundColour, style);
}

TColor GetABaseTMSHighlightedTextColour(TLXStyleOrdinal style) {
  return FromTable(kHighlightedTextColour, style);
}

TColor GetABaseTMSGradientBackgroundLightColour(TLXStyleOrdinal style) {
  return FromTable(kGradientBackgroundLightColour, style);
}

TColor GetABaseTMSGradientBackgroundDarkColour(TLXStyleOrdinal style) {
  return FromTable(kGradientBackgroundDarkColour, style);
}

TColor GetABaseTMSButtonColour(TLXStyleOrdinal style) {
  return FromTable(kButtonColour, style);
}

TColor GetABaseTMSScrollLightBackgroundColour(TLXStyleOrdinal style) {
  return FromTable(kScrollLightBackgroundColour, style);
}

TColor GetABaseTMSScrollDarkBackgroundColour(TLXStyleOrdinal style) {
  return FromTable(kScrollDarkBackgroundColour, style);
}

TColor GetABaseTMSScrollTextColour(TLXStyleOrdinal style) {
  return FromTable(kScrollTextColour, style);
}

TColor GetABaseTMSUnusedBackgroundColour(TLXStyleOrdinal style) {
  return FromTable(kUnusedBackgroundColour, style);
}

TColor GetABaseTMSContrastBackgroundColour(TLXStyleOrdinal style) {
  return FromTable(kContrastBackgroundColour, style);
}

TColor GetABaseTMSTextColour(TLXStyleOrdinal) {
  return kTextColour;
}

TColor GetABaseTMSTextColour_TAGS(TLXStyleOrdinal) {
  return 0x808080;
}

TColor GetABaseTMSBackgroundColour_TAGS(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_SEARCHWORD(TLXStyleOrdinal) {
  return 0xFF0000;
}

TColor GetABaseTMSBackgroundColour_SEARCHWORD(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_MAINSORT(TLXStyleOrdinal) {
  return 0x000080;
}

TColor GetABaseTMSBackgroundColour_MAINSORT(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_SECONDSORT(TLXStyleOrdinal) {
  return 0x006400;
}

TColor GetABaseTMSBackgroundColour_SECONDSORT(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_THIRDSORT(TLXStyleOrdinal) {
  return 0xD30094;
}

TColor GetABaseTMSBackgroundColour_THIRDSORT(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_CONTEXTWORD(TLXStyleOrdinal) {
  return 0x8B3D48;
}

TColor GetABaseTMSBackgroundColour_CONTEXTWORD(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_DELETED(TLXStyleOrdinal) {
  return 0x696969;
}

TColor GetABaseTMSBackgroundColour_DELETED(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_MOSTFREQUENT(TLXStyleOrdinal) {
  return 0x0000FF;
}

TColor GetABaseTMSBackgroundColour_MOSTFREQUENT(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_VIEWTEXT(TLXStyleOrdinal style) {
  return GetABaseTMSTextColour(style);
}

TColor GetABaseTMSBackgroundColour_VIEWTEXT(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSTextColour_VIEWTEXT_KWS(TLXStyleOrdinal) {
  return 0x000080;
}

TColor GetABaseTMSBackgroundColour_VIEWTEXT_KWS(TLXStyleOrdinal) {
  return 0xCDFAFF;
}

TColor GetABaseTMSColour_PLOTLINE(TLXStyleOrdinal) {
  return 0xA9A9A9;
}

TColor GetABaseTMSColour_RULER(TLXStyleOrdinal) {
  return 0xC0C0C0;
}

TColor GetABaseTMSColour_TIMELINE_HITS_LINE(TLXStyleOrdinal) {
  return 0x008000;
}

TColor GetABaseTMSColour_TIMELINE_HITS_BLOB(TLXStyleOrdinal) {
  return 0x000000;
}

TColor GetABaseTMSColour_TIMELINE_QUANTITY_LINE(TLXStyleOrdinal) {
  return 0x0000FF;
}

TColor GetABaseTMSColour_TIMELINE_QUANTITY_BLOB(TLXStyleOrdinal) {
  return 0x000000;
}

TColor GetABaseTMSColour_TIMELINE_QUANTITY_FILL(TLXStyleOrdinal) {
  return 0x808080;
}

TColor GetABaseTMSColour_TIMELINE_YEAR_DIVIDER(TLXStyleOrdinal) {
  return 0x000080;
}

TColor GetABaseTMSColour_TIMELINE_HORIZ_DIVIDER(TLXStyleOrdinal) {
  return 0xC0C0C0;
}

TColor GetABaseTMSColour_SORT_TRIANGLE(TLXStyleOrdinal) {
  return 0x0000FF;
}

TColor GetABaseTMSColour_WONT_FIT(TLXStyleOrdinal) {
  return 0x800080;
}

TColor GetABaseTMSColour_CLOUD_WORD(TLXStyleOrdinal style) {
  return GetABaseTMSTextColour(style);
}

TColor GetABaseTMSColour_CLOUD_WORD_BACKGROUND(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSColour_CLOUD_SHAPE(TLXStyleOrdinal style) {
  return GetABaseTMSTextColour_MOSTFREQUENT(style);
}

TColor GetABaseTMSColour_CLOUD_BACKGROUND(TLXStyleOrdinal style) {
  return GetABaseTMSBackgroundColour(style);
}

TColor GetABaseTMSUNwantedTextColour(TLXStyleOrdinal) {
  return 0x00D7FF;
}

TColor GetABaseTMSUNWantedBackgroundColour(TLXStyleOrdinal) {
  return 0x006400;
}
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

// Plain typefaces: the raw value 8 once stored here would read as strike-out.
TMyCanvasColourRecAndTypeface StyleStandardColoursAndTypeface(TLXStyleOrdinal style) {
  return {StyleStandardColours(style), {}, {}};
}

TMyCanvasColourRecAndTypeface StyleStandardColoursAndTypefaceViewtext(TLXStyleOrdinal style) {
  return {StyleStandardColoursViewtext(style), {}, {}};
}

}  // namespace lx
