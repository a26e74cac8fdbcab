#include <gtest/gtest.h>

#include "lexcore/drawing/TMS_utils.h"
#include "lexcore/drawing/colour_utils.h"

using namespace lx;

TEST(StyleColours, TablesFollowTheStyleOrdinal) {
  // Style 8: silver background, dark heading gradient end, white scroll text.
  EXPECT_EQ(GetABaseTMSBackgroundColour(8), 0xC0C0C0);
  EXPECT_EQ(GetABaseTMSGradientBackgroundDarkColour(8), 0x919191);
  EXPECT_EQ(GetABaseTMSScrollTextColour(8), 0xFFFFFF);
  // Spot checks across the rows and columns.
  EXPECT_EQ(GetABaseTMSBackgroundColour(0), 0xFDEADA);
  EXPECT_EQ(GetABaseTMSHighlightBackgroundColour(4), 0xFFF8F8);
  EXPECT_EQ(GetABaseTMSHighlightedTextColour(5), 0x800000);
  EXPECT_EQ(GetABaseTMSHighlightedTextColour(11), 0xFFFFFF);
  EXPECT_EQ(GetABaseTMSGradientBackgroundLightColour(3), 0xFFFFF0);
  EXPECT_EQ(GetABaseTMSGradientBackgroundDarkColour(12), 0x908070);
  EXPECT_EQ(GetABaseTMSButtonColour(2), 0x447A63);
  EXPECT_EQ(GetABaseTMSScrollLightBackgroundColour(1), 0xC1B6FF);
  EXPECT_EQ(GetABaseTMSScrollDarkBackgroundColour(4), 0xED9564);
  EXPECT_EQ(GetABaseTMSScrollTextColour(6), 0x73391F);
  EXPECT_EQ(GetABaseTMSUnusedBackgroundColour(11), 0xC0DCC0);
  EXPECT_EQ(GetABaseTMSContrastBackgroundColour(1), 0x008000);
  EXPECT_EQ(GetABaseTMSContrastBackgroundColour(7), 0x800080);
  for (int s = -1; s <= 14; ++s) EXPECT_EQ(GetABaseTMSTextColour(s), 0);
}

TEST(StyleColours, OrdinalsOutsideTheStylesFallBack) {
  const TColor saved = Global_ButtonFaceColour;
  for (int s : {13, 40, -1}) {
    EXPECT_EQ(GetABaseTMSBackgroundColour(s), 0xFDEADA);
    EXPECT_EQ(GetABaseTMSHighlightBackgroundColour(s), 0xE0A57D);
    EXPECT_EQ(GetABaseTMSGradientBackgroundLightColour(s), Global_ButtonFaceColour);
    EXPECT_EQ(GetABaseTMSGradientBackgroundDarkColour(s), Global_ButtonFaceColour);
    EXPECT_EQ(GetABaseTMSButtonColour(s), Global_ButtonFaceColour);
    EXPECT_EQ(GetABaseTMSContrastBackgroundColour(s), 0x0000FF);
  }
  // The button face is read when asked, so a host's theme colour shows through.
  Global_ButtonFaceColour = 0x123456;
  EXPECT_EQ(GetABaseTMSButtonColour(13), 0x123456);
  EXPECT_EQ(GetABaseTMSButtonColour(12), 0x363636);
  Global_ButtonFaceColour = saved;
}

TEST(StyleColours, FixedRolesAndTheirBackgrounds) {
  EXPECT_EQ(GetABaseTMSTextColour_SEARCHWORD(3), 0xFF0000);
  EXPECT_EQ(GetABaseTMSTextColour_THIRDSORT(0), 0xD30094);
  EXPECT_EQ(GetABaseTMSTextColour_CONTEXTWORD(0), 0x8B3D48);
  EXPECT_EQ(GetABaseTMSBackgroundColour_TAGS(8), 0xC0C0C0);
  EXPECT_EQ(GetABaseTMSBackgroundColour_VIEWTEXT(1), 0xCBC0FF);
  EXPECT_EQ(GetABaseTMSTextColour_VIEWTEXT_KWS(1), 0x000080);
  EXPECT_EQ(GetABaseTMSBackgroundColour_VIEWTEXT_KWS(1), 0xCDFAFF);
  EXPECT_EQ(GetABaseTMSColour_TIMELINE_HITS_LINE(0), 0x008000);
  EXPECT_EQ(GetABaseTMSColour_WONT_FIT(0), 0x800080);
  EXPECT_EQ(GetABaseTMSColour_CLOUD_SHAPE(5), GetABaseTMSTextColour_MOSTFREQUENT(5));
  EXPECT_EQ(GetABaseTMSColour_CLOUD_BACKGROUND(5), 0xF5F5F5);
  EXPECT_EQ(GetABaseTMSUNwantedTextColour(0), 0x00D7FF);
  EXPECT_EQ(GetABaseTMSUNWantedBackgroundColour(0), 0x006400);
}

TEST(ColourUtils, ContrastingTextColour) {
  EXPECT_EQ(GetContrastingTextColour(0x00FFFF), 0);         // yellow
  EXPECT_EQ(GetContrastingTextColour(0x800000), 0xFFFFFF);  // navy
  EXPECT_EQ(GetContrastingTextColour(0), 0xFFFFFF);
  EXPECT_EQ(GetContrastingTextColour(-5), 0xFFFFFF);
  EXPECT_EQ(GetContrastingTextColour(0xFFFFFF), 0);
  // Mid grey sits right at the threshold: 1 - 128/255 < 0.5 reads as light.
  EXPECT_EQ(GetContrastingTextColour(0x808080), 0);
  EXPECT_EQ(GetContrastingTextColour(0x7F7F7F), 0xFFFFFF);
}

TEST(ColourUtils, MixingKeepsEndsAndEqualColours) {
  EXPECT_EQ(MixColors(0xFFFFFF, 0xFFFFFF, 128), 0xFFFFFF);
  EXPECT_EQ(MixColors(0x123456, 0x123456, 77), 0x123456);
  EXPECT_EQ(MixColors(0x0000FF, 0xFF0000, 255), 0x0000FF);
  EXPECT_EQ(MixColors(0x0000FF, 0xFF0000, 0), 0xFF0000);
  // Channels mix independently: red 255*128/255, blue 255*127/255.
  EXPECT_EQ(MixColors(0x0000FF, 0xFF0000, 128), RGBColour(128, 0, 127));
  EXPECT_EQ(MixColors(0x0000FF, 0xFF0000, 999), 0x0000FF);  // weight clamped
}

TEST(ColourUtils, WebColourNames) {
  EXPECT_EQ(WebColourToName(0x00FFF8F0), u"AliceBlue");  // F0F8FF as 0x00BBGGRR
  EXPECT_EQ(WebColourToName(0x0000FF), u"Red");
  EXPECT_EQ(WebColourToName(0xFFFF00), u"Aqua");  // shares its value with Cyan
  EXPECT_EQ(WebColourToName(0x010203), u"Black");
  EXPECT_EQ(NameToWebColour(u"cornflowerblue"), 0xED9564);
  EXPECT_EQ(NameToWebColour(u"clWebNavy"), 0x800000);
  EXPECT_EQ(NameToWebColour(u"NoSuchColour"), kNoColour);
  for (int i = 0; i < WebColourCount(); ++i) EXPECT_EQ(NameToWebColour(WebColourNameAt(i)), WebColourAt(i));
  EXPECT_EQ(WebColourCount(), 140);
}

TEST(ColourUtils, NamedTablesAndNearestColour) {
  const TMyColourArray table = {{u"Ink", 0x000000}, {u"Paper", 0xFFFFFF}, {u"Brick", 0x2040C0}, {u"Ink2", 0}};
  EXPECT_EQ(NameOfAMyColourArrayColour(table, 0), u"Ink");
  EXPECT_EQ(NameOfAMyColourArrayColour(table, 0x111111), u"");
  EXPECT_EQ(ColourOfAMyColourArrayName(table, u"brick"), 0x2040C0);
  EXPECT_EQ(ColourOfAMyColourArrayName(table, u"Sky"), kNoColour);
  EXPECT_EQ(NearestColourIndex(table, 0x101010), 0);  // first of two equal distances
  EXPECT_EQ(NearestColourIndex(table, 0xF0F0F0), 1);
  EXPECT_EQ(NearestColourIndex(table, 0x2848B0), 2);
  EXPECT_EQ(NearestColourIndex({}, 0x2848B0), -1);
}

TEST(StyleColours, StandardAndSearchSets) {
  const TMyCanvasColourRec standard = StyleStandardColours(0);
  EXPECT_EQ(standard, (TMyCanvasColourRec{{0x000000, 0x800000, 0xFDEADA, 0xFADAC4}}));
  const TMyCanvasColourRecAndTypeface search = SearchStandardColoursAndTypeface(0);
  EXPECT_EQ(search.colourset, (TMyCanvasColourRec{{0x800000, 0x000000, 0xFADAC4, 0xFDEADA}}));
  EXPECT_EQ(search.default_typeface, Ttypeface_Set{tf_bold});
  EXPECT_EQ(search.highlight_typeface, Ttypeface_Set{tf_bold});
  EXPECT_EQ(StyleStandardColoursViewtext(8).colours[tct_background], 0xC0C0C0);
  EXPECT_EQ(SearchStandardColoursAndTypefaceViewText(11).colourset.colours[tct_text], 0xFFFFFF);
  const TMyCanvasColourRecAndTypeface plain = StyleStandardColoursAndTypeface(3);
  EXPECT_EQ(plain.colourset, StyleStandardColours(3));
  EXPECT_TRUE(plain.default_typeface.Empty());
  EXPECT_TRUE(plain.highlight_typeface.Empty());
}
