#include "lexcore/drawing/colour_utils.h"

#include <algorithm>
#include <cstddef>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

struct TWebColour {
  const char16_t* name;
  TColor colour;
};

// Alphabetical; values are 0x00BBGGRR.
constexpr TWebColour kWebColours[] = {
    {u"AliceBlue", 0x00FFF8F0},
    {u"AntiqueWhite", 0x00D7EBFA},
    {u"Aqua", 0x00FFFF00},
    {u"Aquamarine", 0x00D4FF7F},
    {u"Azure", 0x00FFFFF0},
    {u"Beige", 0x00DCF5F5},
    {u"Bisque", 0x00C4E4FF},
    {u"Black", 0x00000000},
    {u"BlanchedAlmond", 0x00CDEBFF},
    {u"Blue", 0x00FF0000},
    {u"BlueViolet", 0x00E22B8A},
    {u"Brown", 0x002A2AA5},
    {u"BurlyWood", 0x0087B8DE},
    {u"CadetBlue", 0x00A09E5F},
    {u"Chartreuse", 0x0000FF7F},
    {u"Chocolate", 0x001E69D2},
    {u"Coral", 0x00507FFF},
    {u"CornflowerBlue", 0x00ED9564},
    {u"Cornsilk", 0x00DCF8FF},
    {u"Crimson", 0x003C14DC},
    {u"Cyan", 0x00FFFF00},
    {u"DarkBlue", 0x008B0000},
    {u"DarkCyan", 0x008B8B00},
    {u"DarkGoldenRod", 0x000B86B8},
    {u"DarkGray", 0x00A9A9A9},
    {u"DarkGreen", 0x00006400},
    {u"DarkKhaki", 0x006BB7BD},
    {u"DarkMagenta", 0x008B008B},
    {u"DarkOliveGreen", 0x002F6B55},
    {u"DarkOrange", 0x00008CFF},
    {u"DarkOrchid", 0x00CC3299},
    {u"DarkRed", 0x0000008B},
    {u"DarkSalmon", 0x007A96E9},
    {u"DarkSeaGreen", 0x008FBC8F},
    {u"DarkSlateBlue", 0x008B3D48},
    {u"DarkSlateGray", 0x004F4F2F},
    {u"DarkTurquoise", 0x00D1CE00},
    {u"DarkViolet", 0x00D30094},
    {u"DeepPink", 0x009314FF},
    {u"DeepSkyBlue", 0x00FFBF00},
    {u"DimGray", 0x00696969},
    {u"DodgerBlue", 0x00FF901E},
    {u"FireBrick", 0x002222B2},
    {u"FloralWhite", 0x00F0FAFF},
    {u"ForestGreen", 0x00228B22},
    {u"Fuchsia", 0x00FF00FF},
    {u"Gainsboro", 0x00DCDCDC},
    {u"GhostWhite", 0x00FFF8F8},
    {u"Gold", 0x0000D7FF},
    {u"GoldenRod", 0x0020A5DA},
    {u"Gray", 0x00808080},
    {u"Green", 0x00008000},
    {u"GreenYellow", 0x002FFFAD},
    {u"HoneyDew", 0x00F0FFF0},
    {u"HotPink", 0x00B469FF},
    {u"IndianRed", 0x005C5CCD},
    {u"Indigo", 0x0082004B},
    {u"Ivory", 0x00F0FFFF},
    {u"Khaki", 0x008CE6F0},
    {u"Lavender", 0x00FAE6E6},
    {u"LavenderBlush", 0x00F5F0FF},
    {u"LawnGreen", 0x0000FC7C},
    {u"LemonChiffon", 0x00CDFAFF},
    {u"LightBlue", 0x00E6D8AD},
    {u"LightCoral", 0x008080F0},
    {u"LightCyan", 0x00FFFFE0},
    {u"LightGoldenRodYellow", 0x00D2FAFA},
    {u"LightGray", 0x00D3D3D3},
    {u"LightGreen", 0x0090EE90},
    {u"LightPink", 0x00C1B6FF},
    {u"LightSalmon", 0x007AA0FF},
    {u"LightSeaGreen", 0x00AAB220},
    {u"LightSkyBlue", 0x00FACE87},
    {u"LightSlateGray", 0x00998877},
    {u"LightSteelBlue", 0x00DEC4B0},
    {u"LightYellow", 0x00E0FFFF},
    {u"Lime", 0x0000FF00},
    {u"LimeGreen", 0x0032CD32},
    {u"Linen", 0x00E6F0FA},
    {u"Magenta", 0x00FF00FF},
    {u"Maroon", 0x00000080},
    {u"MediumAquaMarine", 0x00AACD66},
    {u"MediumBlue", 0x00CD0000},
    {u"MediumOrchid", 0x00D355BA},
    {u"MediumPurple", 0x00DB7093},
    {u"MediumSeaGreen", 0x0071B33C},
    {u"MediumSlateBlue", 0x00EE687B},
    {u"MediumSpringGreen", 0x009AFA00},
    {u"MediumTurquoise", 0x00CCD148},
    {u"MediumVioletRed", 0x008515C7},
    {u"MidnightBlue", 0x00701919},
    {u"MintCream", 0x00FAFFF5},
    {u"MistyRose", 0x00E1E4FF},
    {u"Moccasin", 0x00B5E4FF},
    {u"NavajoWhite", 0x00ADDEFF},
    {u"Navy", 0x00800000},
    {u"OldLace", 0x00E6F5FD},
    {u"Olive", 0x00008080},
    {u"OliveDrab", 0x00238E6B},
    {u"Orange", 0x0000A5FF},
    {u"OrangeRed", 0x000045FF},
    {u"Orchid", 0x00D670DA},
    {u"PaleGoldenRod", 0x00AAE8EE},
    {u"PaleGreen", 0x0098FB98},
    {u"PaleTurquoise", 0x00EEEEAF},
    {u"PaleVioletRed", 0x009370DB},
    {u"PapayaWhip", 0x00D5EFFF},
    {u"PeachPuff", 0x00B9DAFF},
    {u"Peru", 0x003F85CD},
    {u"Pink", 0x00CBC0FF},
    {u"Plum", 0x00DDA0DD},
    {u"PowderBlue", 0x00E6E0B0},
    {u"Purple", 0x00800080},
    {u"Red", 0x000000FF},
    {u"RosyBrown", 0x008F8FBC},
    {u"RoyalBlue", 0x00E16941},
    {u"SaddleBrown", 0x0013458B},
    {u"Salmon", 0x007280FA},
    {u"SandyBrown", 0x0060A4F4},
    {u"SeaGreen", 0x00578B2E},
    {u"SeaShell", 0x00EEF5FF},
    {u"Sienna", 0x002D52A0},
    {u"Silver", 0x00C0C0C0},
    {u"SkyBlue", 0x00EBCE87},
    {u"SlateBlue", 0x00CD5A6A},
    {u"SlateGray", 0x00908070},
    {u"Snow", 0x00FAFAFF},
    {u"SpringGreen", 0x007FFF00},
    {u"SteelBlue", 0x00B48246},
    {u"Tan", 0x008CB4D2},
    {u"Teal", 0x00808000},
    {u"Thistle", 0x00D8BFD8},
    {u"Tomato", 0x004763FF},
    {u"Turquoise", 0x00D0E040},
    {u"Violet", 0x00EE82EE},
    {u"Wheat", 0x00B3DEF5},
    {u"White", 0x00FFFFFF},
    {u"WhiteSmoke", 0x00F5F5F5},
    {u"Yellow", 0x0000FFFF},
    {u"YellowGreen", 0x0032CD9A},
};

constexpr int kWebColourCount = static_cast<int>(sizeof(kWebColours) / sizeof(kWebColours[0]));

}  // namespace

TColor GetContrastingTextColour(TColor colour) {
  constexpr TColor kWhite = 0xFFFFFF;
  if (colour < 1) return kWhite;
  if ((colour & 0xFFFFFF) == kWhite) return 0;
  const double brightness =
      (0.299 * ColourRed(colour) + 0.587 * ColourGreen(colour) + 0.114 * ColourBlue(colour)) / 255.0;
  return 1.0 - brightness >= 0.5 ? kWhite : 0;
}

TColor MixColors(TColor a, TColor b, int weight) {
  weight = std::clamp(weight, 0, 255);
  // Dividing by 255 (not 256) keeps the ends exact, so a colour mixed with itself does not darken.
  auto mix = [weight](int x, int y) { return (y * (255 - weight) + x * weight) / 255; };
  return RGBColour(mix(ColourRed(a), ColourRed(b)), mix(ColourGreen(a), ColourGreen(b)),
                   mix(ColourBlue(a), ColourBlue(b)));
}

UnicodeString WebColourToName(TColor colour) {
  for (const TWebColour& w : kWebColours)
    if (w.colour == colour) return w.name;
  return u"Black";
}

TColor NameToWebColour(const UnicodeString& name) {
  std::u16string_view n = name;
  if (StartsText(u"clWeb", n)) n.remove_prefix(5);
  for (const TWebColour& w : kWebColours)
    if (SameText(w.name, n)) return w.colour;
  return kNoColour;
}

int WebColourCount() {
  return kWebColourCount;
}

UnicodeString WebColourNameAt(int i) {
  return i >= 0 && i < kWebColourCount ? UnicodeString(kWebColours[i].name) : UnicodeString();
}

TColor WebColourAt(int i) {
  return i >= 0 && i < kWebColourCount ? kWebColours[i].colour : kNoColour;
}

UnicodeString NameOfAMyColourArrayColour(const TMyColourArray& colours, TColor colour) {
  for (const TMyNamedColour& c : colours)
    if (c.colour == colour) return c.name;
  return {};
}

TColor ColourOfAMyColourArrayName(const TMyColourArray& colours, const UnicodeString& name) {
  for (const TMyNamedColour& c : colours)
    if (SameText(c.name, name)) return c.colour;
  return kNoColour;
}

int NearestColourIndex(const TMyColourArray& colours, TColor colour) {
  int best = -1;
  int64_t bestDistance = 0;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const TColor c = colours[i].colour;
    const int64_t dr = ColourRed(c) - ColourRed(colour);
    const int64_t dg = ColourGreen(c) - ColourGreen(colour);
    const int64_t db = ColourBlue(c) - ColourBlue(colour);
    const int64_t d = dr * dr + dg * dg + db * db;
    if (best < 0 || d < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace lx
