// Records of earlier versions: golden bytes of the old forms and the current records they must give.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "lexcore/definitions/old_record_conversion.h"
#include "lexcore/rtl/lx_streams.h"

namespace {

using namespace lx;

TMemoryStream StreamOf(const std::string& bytes) {
  TMemoryStream s;
  s.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(0);
  return s;
}

void Poke(std::string& image, std::size_t at, const void* v, std::size_t n) {
  std::memcpy(image.data() + at, v, n);
}

// The 632-byte old language record, built from its field offsets.
std::string OldLanguageImage() {
  std::string b(632, '\0');
  b[0] = 1;  // middles at right
  b[1] = 0;
  b[2] = 0;  // not the 32-bit form
  const uint32_t lcid = 0x0816;
  Poke(b, 8, &lcid, 4);
  b[12] = 0;   // charset
  b[13] = 12;  // font size
  b[14] = 5;   // name length
  Poke(b, 15, "Arial", 5);
  b[47] = lang_a_preferida;
  b[48] = 1;  // custom
  b[49] = 1;  // hyphen breaks word
  const uint16_t win = 1252, dos = 850;
  Poke(b, 50, &win, 2);
  Poke(b, 52, &dos, 2);
  Poke(b, 75, "'\x01- \x1f\xe7", 6);  // blanks and control characters among the letters
  b[600] = 10;
  Poke(b, 601, "Portugu\xeas", 9);
  b[610] = '!';  // one past the 9 characters above, inside the stated length
  return b;
}

TEST(OldRecords, LanguageOfTheOldForm) {
  Tfixed_lang_details32 lang;
  TMemoryStream s = StreamOf(OldLanguageImage());
  ASSERT_TRUE(Readfixed_lang_details_rec(s, lang, 3));
  EXPECT_EQ(s.GetPosition(), 632);
  EXPECT_TRUE(lang.allow_middles_at_right);
  EXPECT_EQ(lang.lcid, 0x0816u);
  EXPECT_EQ(lang.new_win_font.fontsize, 12);
  EXPECT_EQ(WideCharArrayToString(lang.new_win_font.fontname), u"Arial");
  EXPECT_EQ(lang.old_win_font.fontsize_old, 12);
  EXPECT_EQ(lang.preference, lang_a_preferida);
  EXPECT_EQ(lang.win_codepage, 1252);
  EXPECT_EQ(lang.dos_codepage, 850);
  EXPECT_EQ(WideCharArrayToString(lang.allowable_middle_letters), u"'-\u00e7");
  EXPECT_EQ(WideCharArrayToString(lang.nome), u"Portugu\u00eas!");
  // The old form has no colours: black on black becomes the standard colours.
  EXPECT_EQ(lang.cores.colours[tct_text], BogStandardColours().colours[tct_text]);
  EXPECT_EQ(lang.cores.colours[tct_background], BogStandardColours().colours[tct_background]);
}

TEST(OldRecords, LanguageOfTheCurrentFormWhateverTheVersion) {
  Tfixed_lang_details32 original;
  original.is_32_version = 1;
  original.lcid = 0x0409;
  original.cores = BogStandardColours();
  StringToWideCharArray(u"English", original.nome);
  const auto image = LangDetailsToImage(original);
  const std::string bytes(image.begin(), image.end());
  for (int version : {0, 5, 6, 7, 18}) {
    Tfixed_lang_details32 lang;
    TMemoryStream s = StreamOf(bytes);
    ASSERT_TRUE(Readfixed_lang_details_rec(s, lang, version)) << version;
    EXPECT_EQ(LangDetailsToImage(lang), image) << version;
  }
  Tfixed_lang_details32 lang;
  TMemoryStream shortStream = StreamOf(bytes.substr(0, 500));
  EXPECT_FALSE(Readfixed_lang_details_rec(shortStream, lang, 6));
  TMemoryStream tiny = StreamOf("ab");
  EXPECT_FALSE(Readfixed_lang_details_rec(tiny, lang, 2));
}

TEST(OldRecords, ExtraStatistics) {
  // Old form: total bytes (32-bit, sign-extended), zips added, version, spare.
  std::string old(16, '\0');
  const int32_t total = -7, zips = 3, version = 1;
  Poke(old, 0, &total, 4);
  Poke(old, 4, &zips, 4);
  Poke(old, 8, &version, 4);
  TFileInfoExtraStatsRec rec;
  TMemoryStream s = StreamOf(old);
  ASSERT_TRUE(ExtraStatsRecFromStream(s, rec));
  EXPECT_EQ(rec.total_bytes, -7);
  EXPECT_EQ(rec.zips_added, 3);
  EXPECT_EQ(rec.version, 1);
  EXPECT_EQ(s.GetPosition(), 16);

  std::string current(40, '\0');
  const int64_t big = 5'000'000'000;
  const int32_t v2 = 2;
  Poke(current, 0, &big, 8);
  Poke(current, 8, &zips, 4);
  Poke(current, 12, &v2, 4);
  current[39] = 9;
  TMemoryStream c = StreamOf(current);
  ASSERT_TRUE(ExtraStatsRecFromStream(c, rec));
  EXPECT_EQ(rec.total_bytes, big);
  EXPECT_EQ(rec.version, 2);
  EXPECT_EQ(rec.spare[23], 9);
  EXPECT_EQ(ExtraStatsToImage(rec), ([&] {
              TExtraStatsImage i;
              std::memcpy(i.data(), current.data(), 40);
              return i;
            }()));
  TMemoryStream cut = StreamOf(current.substr(0, 30));
  EXPECT_FALSE(ExtraStatsRecFromStream(cut, rec));
}

TEST(OldRecords, OldHeadingForms) {
  TGrid_head32 h;
  h.alignment = conc_aligned;
  h.editable = tanto_faz;
  h.decimals = 3;
  h.minimum = 0.5f;
  h.numerical = 1;
  h.heading_visible = 1;
  h.original_column = 4;
  h.pixel_width96 = 200;
  h.localization_number = 1104;
  h.column_data.descriptives[gc_sd] = 2.5f;
  const auto image = OldGridHeadToImage(h);
  // Golden offsets of the old form.
  EXPECT_EQ(image[0], conc_aligned);
  EXPECT_EQ(image[3], 3);
  EXPECT_EQ(image[18], 200);
  EXPECT_EQ(image[28], 1104 & 0xFF);
  float sd;
  std::memcpy(&sd, image.data() + 56, 4);
  EXPECT_EQ(sd, 2.5f);

  const std::string bytes(image.begin(), image.end());
  bool ok = false;
  TMemoryStream longForm = StreamOf(bytes);
  TGrid_head32 back = ReadOldGridHeadings(longForm, true, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(back.span, span_R51);
  back.span = span_L50;
  EXPECT_EQ(GridHeadFixedToImage(back), GridHeadFixedToImage(h));

  TMemoryStream shortForm = StreamOf(bytes);
  back = ReadOldGridHeadings(shortForm, false, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(shortForm.GetPosition(), 40);
  EXPECT_EQ(back.column_data.descriptives[gc_sd], 0);
  EXPECT_EQ(back.pixel_width96, 200);

  TMemoryStream cut = StreamOf(bytes.substr(0, 20));
  back = ReadOldGridHeadings(cut, true, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(back.original_column, 4);  // filled as far as the bytes went
  EXPECT_EQ(back.localization_number, 0);
}

}  // namespace
