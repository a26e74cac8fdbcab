// Colours of grids and text views under the user's chosen style, and the fixed colours of tags, search words,
// sort words, plots and timelines.
#pragma once

#include "lexcore/definitions/shared_records.h"
#include "lexcore/drawing/My_TMSStyleBase.h"
#include "lexcore/drawing/colour_utils.h"

namespace lx {

// What the styles' "button face" entries give. There is no system palette here, so it is a setting with the
// usual light grey as its default.
extern TColor Global_ButtonFaceColour;

// Colours that follow the chosen style.
TColor GetABaseTMSBackgroundColour(TLXStyleOrdinal style);
TColor GetABaseTMSHighlightBackgroundColour(TLXStyleOrdinal style);
TColor GetABaseTMSHighlightedTextColour(TLXStyleOrdinal style);
TColor GetABaseTMSGradientBackgroundLightColour(TLXStyleOrdinal style);
TColor GetABaseTMSGradientBackgroundDarkColour(TLXStyleOrdinal style);
TColor GetABaseTMSButtonColour(TLXStyleOrdinal style);
TColor GetABaseTMSScrollLightBackgroundColour(TLXStyleOrdinal style);
TColor GetABaseTMSScrollDarkBackgroundColour(TLXStyleOrdinal style);
TColor GetABaseTMSScrollTextColour(TLXStyleOrdinal style);
TColor GetABaseTMSUnusedBackgroundColour(TLXStyleOrdinal style);
TColor GetABaseTMSContrastBackgroundColour(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour(TLXStyleOrdinal style);

// Fixed roles; their backgrounds are the style's background except where stated.
TColor GetABaseTMSTextColour_TAGS(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_TAGS(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_SEARCHWORD(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_SEARCHWORD(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_MAINSORT(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_MAINSORT(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_SECONDSORT(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_SECONDSORT(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_THIRDSORT(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_THIRDSORT(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_CONTEXTWORD(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_CONTEXTWORD(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_DELETED(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_DELETED(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_MOSTFREQUENT(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_MOSTFREQUENT(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_VIEWTEXT(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_VIEWTEXT(TLXStyleOrdinal style);
TColor GetABaseTMSTextColour_VIEWTEXT_KWS(TLXStyleOrdinal style);
TColor GetABaseTMSBackgroundColour_VIEWTEXT_KWS(TLXStyleOrdinal style);

TColor GetABaseTMSColour_PLOTLINE(TLXStyleOrdinal style);
TColor GetABaseTMSColour_RULER(TLXStyleOrdinal style);
TColor GetABaseTMSColour_TIMELINE_HITS_LINE(TLXStyleOrdinal style);
TColor GetABaseTMSColour_TIMELINE_HITS_BLOB(TLXStyleOrdinal style);
TColor GetABaseTMSColour_TIMELINE_QUANTITY_LINE(TLXStyleOrdinal style);
TColor GetABaseTMSColour_TIMELINE_QUANTITY_BLOB(TLXStyleOrdinal style);
TColor GetABaseTMSColour_TIMELINE_QUANTITY_FILL(TLXStyleOrdinal style);
TColor GetABaseTMSColour_TIMELINE_YEAR_DIVIDER(TLXStyleOrdinal style);
TColor GetABaseTMSColour_TIMELINE_HORIZ_DIVIDER(TLXStyleOrdinal style);
TColor GetABaseTMSColour_SORT_TRIANGLE(TLXStyleOrdinal style);
TColor GetABaseTMSColour_WONT_FIT(TLXStyleOrdinal style);
TColor GetABaseTMSColour_CLOUD_WORD(TLXStyleOrdinal style);
TColor GetABaseTMSColour_CLOUD_WORD_BACKGROUND(TLXStyleOrdinal style);
TColor GetABaseTMSColour_CLOUD_SHAPE(TLXStyleOrdinal style);
TColor GetABaseTMSColour_CLOUD_BACKGROUND(TLXStyleOrdinal style);
TColor GetABaseTMSUNwantedTextColour(TLXStyleOrdinal style);
TColor GetABaseTMSUNWantedBackgroundColour(TLXStyleOrdinal style);

// Colour sets in the drawer's numbering (text, selected text, background, selected background).
TMyCanvasColourRec StyleStandardColours(TLXStyleOrdinal style);
TMyCanvasColourRec StyleStandardColoursViewtext(TLXStyleOrdinal style);
// Search hits: the standard set with text and background exchanged against their highlight partners, bold.
TMyCanvasColourRecAndTypeface SearchStandardColoursAndTypeface(TLXStyleOrdinal style);
TMyCanvasColourRecAndTypeface SearchStandardColoursAndTypefaceViewText(TLXStyleOrdinal style);
// The standard sets with plain typefaces.
TMyCanvasColourRecAndTypeface StyleStandardColoursAndTypeface(TLXStyleOrdinal style);
TMyCanvasColourRecAndTypeface StyleStandardColoursAndTypefaceViewtext(TLXStyleOrdinal style);

}  // namespace lx
