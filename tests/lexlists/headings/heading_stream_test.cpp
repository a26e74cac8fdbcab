// The heading-list stream: byte images of every version read, round trips, and short or hostile input.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lexcore/definitions/old_record_conversion.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexlists/headings/headingsU.h"
#include "lexstats/headings/Base_headingsu.h"

namespace {

using namespace lx;

// Little-endian bytes built by hand.
struct Bytes {
  std::string b;
  Bytes& I32(int32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    return *this;
  }
  Bytes& U8(uint8_t v) {
    b += static_cast<char>(v);
    return *this;
  }
  Bytes& Raw(const std::string& s) {
    b += s;
    return *this;
  }
  Bytes& Str(std::u16string_view s) {
    I32(static_cast<int32_t>(s.size()));
    for (char16_t c : s) b += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return *this;
  }
  Bytes& Ansi(const std::string& s) {
    U8(static_cast<uint8_t>(s.size()));
    b += s;
    return *this;
  }
};

void Poke16(std::string& image, std::size_t at, int16_t v) {
  std::memcpy(image.data() + at, &v, 2);
}
void Poke32(std::string& image, std::size_t at, int32_t v) {
  std::memcpy(image.data() + at, &v, 4);
}

TMemoryStream StreamOf(const std::string& bytes) {
  TMemoryStream s;
  s.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(0);
  return s;
}

std::string Contents(TMemoryStream& s) {
  std::string out(static_cast<std::size_t>(s.GetSize()), '\0');
  s.SetPosition(0);
  s.Read(out.data(), static_cast<int64_t>(out.size()));
  return out;
}

// A 196-byte current heading with a few recognisable fields.
std::string CurrentFixed(int32_t number, int16_t width, uint8_t numerical, uint8_t version) {
  std::string image(196, '\0');
  image[0] = right_aligned;
  image[22] = static_cast<char>(numerical);
  image[23] = 1;  // visible
  Poke16(image, 26, width);
  image[35] = static_cast<char>(version);
  Poke32(image, 40, number);
  image[116] = 7;  // span
  return image;
}

// The old heading: alignment, typefaces, editable, decimals, minimum, colour, four flags, original column,
// width, output case, three flags, help topic, catalogue number, five more bytes, 3 spare, then (long form)
// five column statistics.
std::string OldFixed(bool longForm, int32_t number, int16_t column, int16_t width, uint8_t numerical) {
  std::string image(longForm ? 60 : 40, '\0');
  image[0] = right_aligned;
  image[2] = tanto_faz;
  image[3] = 2;  // decimals
  Poke32(image, 8, 0x00112233);
  image[14] = static_cast<char>(numerical);
  image[15] = 1;
  Poke16(image, 16, column);
  Poke16(image, 18, width);
  image[20] = lower_case_output;
  Poke32(image, 28, number);
  if (longForm) {
    const float total = 42.5f;
    std::memcpy(image.data() + 40, &total, 4);
  }
  return image;
}

TEST(HeadingStream, SavedImageAndRoundTrip) {
  TGridHeaderList list(lt_filename_list);
  list.LoadStandardSet(lt_filename_list);
  list.SetColumnName(1, u"Datei");
  TMemoryStream s;
  ASSERT_TRUE(list.SaveToStream(s));
  EXPECT_EQ(list.fLXVersion, 6);

  const TGridHead32Array std = StandardGridHeaderArray(lt_filename_list);
  Bytes want;
  want.I32(2).U8(lt_filename_list).I32(-6).I32(2);
  for (int i = 0; i < 2; ++i) {
    TGrid_head32 h = std[i];
    h.version = 6;
    const auto image = GridHeadFixedToImage(h);
    want.Raw(std::string(image.begin(), image.end())).Str(h.hint).Str(i == 1 ? u"Datei" : h.heading);
  }
  EXPECT_EQ(Contents(s), want.b);
  EXPECT_EQ(static_cast<uint8_t>(want.b[13 + 35]), 6);  // the version byte of the first record

  s.SetPosition(0);
  TGridHeaderList back(lt_word_list);
  ASSERT_TRUE(back.ReadFromStream(s));
  EXPECT_EQ(back.flist_type, lt_filename_list);
  EXPECT_EQ(back.fLXVersion, 6);
  ASSERT_EQ(back.Count(), 2);
  for (int i = 0; i < 2; ++i) {
    TGrid_head32 saved = list.GetDatum(i);
    saved.version = 6;  // stamped on the way out
    EXPECT_EQ(GridHeadFixedToImage(back.GetDatum(i)), GridHeadFixedToImage(saved));
    EXPECT_EQ(back.GetDatum(i).hint, list.GetDatum(i).hint);
  }
  EXPECT_EQ(back.GetAHeading(1), u"Datei");
}

TEST(HeadingStream, NewListWritesMinusSix) {
  TGridHeaderList list(lt_link_list);
  TMemoryStream s;
  ASSERT_TRUE(list.SaveToStream(s));
  EXPECT_EQ(Contents(s), Bytes().I32(0).U8(lt_link_list).I32(-6).I32(0).b);
}

TEST(HeadingStream, ReadsVersionFourAndFive) {
  for (int version : {4, 5}) {
    Bytes b;
    b.I32(2).U8(lt_filename_list).I32(-version).I32(2);
    b.Raw(CurrentFixed(1800, 40, 1, static_cast<uint8_t>(version))).Str(u"").Str(u"N");
    b.Raw(CurrentFixed(1801, 300, 0, static_cast<uint8_t>(version))).Str(u"a hint").Str(u"Name");
    TMemoryStream s = StreamOf(b.b);
    TGridHeaderList list(lt_word_list);
    ASSERT_TRUE(list.ReadFromStream(s)) << version;
    EXPECT_EQ(list.fLXVersion, version);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetPixelSize(1), 300);
    EXPECT_EQ(list.GetDatum(1).span, 7);
    EXPECT_EQ(list.GetDatum(1).hint, u"a hint");
    EXPECT_EQ(list.GetAHeading(1), u"Name");
  }
}

TEST(HeadingStream, ReadsOldLongFormWithStrings) {
  Bytes b;
  b.I32(2).U8(lt_filename_list).I32(-3).I32(2);
  b.Raw(OldFixed(true, 1800, 0, 48, 1)).Str(u"").Str(u"N");
  b.Raw(OldFixed(true, 0, 1, 250, 1)).Str(u"share").Str(u"%");
  TMemoryStream s = StreamOf(b.b);
  TGridHeaderList list(lt_word_list);
  ASSERT_TRUE(list.ReadFromStream(s));
  EXPECT_EQ(list.fLXVersion, 3);
  ASSERT_EQ(list.Count(), 2);
  const TGrid_head32 h = list.GetDatum(1);
  EXPECT_EQ(h.pixel_width96, 250);
  EXPECT_EQ(h.original_column, 1);
  EXPECT_EQ(h.editable, tanto_faz);
  EXPECT_EQ(h.decimals, 2);
  EXPECT_EQ(h.output_case, lower_case_output);
  EXPECT_EQ(h.user_specified_background, 0x00112233);
  EXPECT_EQ(h.span, span_R51);
  EXPECT_FLOAT_EQ(h.column_data.descriptives[gc_total], 42.5f);
  EXPECT_EQ(h.heading, u"%");
  EXPECT_TRUE(h.percent_data);  // a numerical "%" column holds percentages
}

TEST(HeadingStream, ReadsPreVersionTwoCaptionsFromCatalogueOrAnsi) {
  // Version 0 has no negative marker: the count follows the kind directly.
  Bytes b;
  b.I32(2).U8(lt_filename_list).I32(2);
  b.Raw(OldFixed(false, 1800, 0, 48, 1));
  b.Raw(OldFixed(false, 0, 1, 120, 0)).Ansi("hint \xE9").Ansi("Caf\xE9");
  TMemoryStream s = StreamOf(b.b);
  TGridHeaderList list(lt_word_list);
  ASSERT_TRUE(list.ReadFromStream(s));
  EXPECT_EQ(list.fLXVersion, 0);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetAHeading(0), u"N");
  EXPECT_EQ(list.GetDatum(1).hint, u"hint \u00e9");
  EXPECT_EQ(list.GetAHeading(1), u"Caf\u00e9");
  EXPECT_EQ(list.GetDatum(1).user_specified_background, static_cast<TColor>(0x1FFFFFFF));
}

TEST(HeadingStream, VersionOneRebuildsOldConsistencyAndHorizonColumns) {
  Tdouble_smallint_type horizons;
  horizons.to_left = 2;
  horizons.to_right = 2;
  SetupCollocHorizons(horizons);
  // Collocates need 19 headings: eight catalogued, three old horizon columns, eight without a number.
  Bytes b;
  b.I32(19).U8(lt_collocate_list).I32(-1).I32(19);
  for (int i = 0; i < 8; ++i) b.Raw(OldFixed(false, 600 + i, static_cast<int16_t>(i), 64, 1));
  for (int i = 0; i < 3; ++i) b.Raw(OldFixed(false, 606, static_cast<int16_t>(8 + i), 64, 1));
  for (int i = 0; i < 8; ++i) b.Raw(OldFixed(false, 0, 0, 10, 0)).Ansi("").Ansi("");
  TMemoryStream s = StreamOf(b.b);
  TGridHeaderList list(lt_word_list);
  ASSERT_TRUE(list.ReadFromStream(s));
  ASSERT_EQ(list.Count(), 19);
  EXPECT_EQ(list.GetAHeading(6), u"Z");  // 606 before eight headings is the plain catalogue caption
  EXPECT_EQ(list.GetAHeading(8), u"L2");
  EXPECT_EQ(list.GetAHeading(9), u"L1");
  EXPECT_EQ(list.GetAHeading(10), u"Centre");
  EXPECT_EQ(list.GetDatum(10).span, span_Centre);
  SetupCollocHorizons(Tdouble_smallint_type{5, 5});

  Bytes c;
  c.I32(7).U8(lt_detailed_consistency_list).I32(-1).I32(7);
  for (int i = 0; i < 7; ++i) c.Raw(OldFixed(false, i < 5 ? 500 + i : 505, static_cast<int16_t>(i), 64, 1));
  TMemoryStream cs = StreamOf(c.b);
  ASSERT_TRUE(list.ReadFromStream(cs));
  ASSERT_EQ(list.Count(), 7);
  EXPECT_EQ(list.GetAHeading(5), u"Set");  // too few before it to be a file column
  EXPECT_EQ(list.GetAHeading(6), u"5");
  EXPECT_EQ(list.GetDatum(6).hint, u"click to sort");
}

TEST(HeadingStream, FewerThanStandardGivesTheStandardSet) {
  Bytes b;
  b.I32(1).U8(lt_word_list).I32(-6).I32(1).Raw(CurrentFixed(100, 10, 1, 6)).Str(u"").Str(u"only");
  TMemoryStream s = StreamOf(b.b);
  TGridHeaderList list(lt_word_list);
  ASSERT_TRUE(list.ReadFromStream(s));
  ASSERT_EQ(list.Count(), 9);
  EXPECT_EQ(list.GetAHeading(1), u"Word");
}

TEST(HeadingStream, ShortOrHostileInputAnswersFalse) {
  TGridHeaderList good(lt_concordance_list);
  good.LoadStandardSet(lt_concordance_list);
  TMemoryStream s;
  ASSERT_TRUE(good.SaveToStream(s));
  const std::string image = Contents(s);
  // Every truncation fails cleanly.
  for (std::size_t n = 0; n < image.size(); n += 7) {
    TMemoryStream cut = StreamOf(image.substr(0, n));
    TGridHeaderList list(lt_word_list);
    EXPECT_FALSE(list.ReadFromStream(cut)) << n;
  }
  // A count far beyond the bytes present is refused before anything is allocated.
  for (int32_t count : {0x7FFFFFFF, -5}) {
    TMemoryStream huge = StreamOf(Bytes().I32(count).U8(lt_word_list).I32(-6).I32(count).b);
    TGridHeaderList list(lt_word_list);
    EXPECT_FALSE(list.ReadFromStream(huge));
  }
  TMemoryStream badKind = StreamOf(Bytes().I32(0).U8(200).I32(-6).I32(0).b);
  TGridHeaderList list(lt_word_list);
  EXPECT_FALSE(list.ReadFromStream(badKind));
  TMemoryStream minVersion = StreamOf(Bytes().I32(0).U8(0).I32(INT32_MIN).I32(0).b);
  EXPECT_FALSE(list.ReadFromStream(minVersion));
  // A caption longer than any stored text stops the read.
  std::string longText = image;
  Poke32(longText, 13 + 196, 1000000);
  TMemoryStream longStream = StreamOf(longText);
  EXPECT_FALSE(list.ReadFromStream(longStream));
}

}  // namespace
