// Records of earlier versions: golden bytes of the old forms and the current records they must give.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "lexcore/definitions/old_record_conversion.h"
#include "lexcore/files/chosen_file_rec.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/settings/JulianDateRoutines.h"

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

namespace {

// Every proper prefix of a record's bytes is refused, whatever it happens to look like.
template <typename Reader>
void ExpectEveryPrefixRefused(const std::string& bytes, Reader read) {
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    TMemoryStream s = StreamOf(bytes.substr(0, n));
    EXPECT_FALSE(read(s)) << "prefix of " << n << " bytes";
  }
}

template <std::size_t N>
std::string Bytes(const std::array<uint8_t, N>& image) {
  return std::string(image.begin(), image.end());
}

void PokeShortString(std::string& image, std::size_t at, const std::string& text) {
  image[at] = static_cast<char>(text.size());
  Poke(image, at + 1, text.data(), text.size());
}

// Old text settings: the old language part, then the settings' own fields at their offsets.
std::string OldTextSettingsImage() {
  std::string b = OldLanguageImage() + std::string(2500 - 632, '\0');
  b[632] = 2;  // tag treatment
  b[635] = 1;  // first option
  b[647] = 7;  // thirteenth option
  const int32_t maxTag = 100;
  Poke(b, 648, &maxTag, 4);
  PokeShortString(b, 652, "<");
  PokeShortString(b, 663, ">");
  PokeShortString(b, 674, "<p*>,<h\xe9>");
  PokeShortString(b, 930, "<body>");
  PokeShortString(b, 1011, "</body>");
  return b;
}

TTextsett_rec32 SomeCurrentTextSettings() {
  TTextsett_rec32 t;
  t.language.is_32_version = 1;
  t.language.lcid = 0x0407;
  t.language.cores = BogStandardColours();
  StringToWideCharArray(u"Deutsch", t.language.nome);
  t.tag_treatment = 1;
  t.option_flags[14] = 3;
  t.max_tag_length = 2000;
  StringToWideCharArray(u"[", t.tag_open);
  StringToWideCharArray(u"]", t.tag_close);
  StringToWideCharArray(u"[x*]", t.ignored_tags);
  StringToWideCharArray(u"[start]", t.text_start_marker);
  StringToWideCharArray(u"[end]", t.text_end_marker);
  t.spare[589] = 0x5A;
  return t;
}

TEST(OldRecords, TextSettingsOfTheOldForm) {
  TTextsett_rec32 t;
  TMemoryStream s = StreamOf(OldTextSettingsImage());
  ASSERT_TRUE(ReadInTextSettings(s, t, 3));
  EXPECT_EQ(s.GetPosition(), 2500);
  EXPECT_EQ(t.language.lcid, 0x0816u);
  EXPECT_EQ(WideCharArrayToString(t.language.nome), u"Portugu\u00eas!");
  EXPECT_EQ(t.tag_treatment, 2);
  EXPECT_EQ(t.option_flags[0], 1);
  EXPECT_EQ(t.option_flags[12], 7);
  EXPECT_EQ(t.option_flags[13], 0);  // the old form had 13 options
  EXPECT_EQ(t.max_tag_length, 100);
  EXPECT_EQ(WideCharArrayToString(t.tag_open), u"<");
  EXPECT_EQ(WideCharArrayToString(t.tag_close), u">");
  EXPECT_EQ(WideCharArrayToString(t.ignored_tags), u"<p*>,<h\u00e9>");
  EXPECT_EQ(WideCharArrayToString(t.text_start_marker), u"<body>");
  EXPECT_EQ(WideCharArrayToString(t.text_end_marker), u"</body>");
  EXPECT_NE(t.language.cores.colours[tct_text], t.language.cores.colours[tct_background]);

  // A language flagged as 32-bit is still the old kind when the texts were 8-bit.
  std::string ansi = OldTextSettingsImage();
  ansi[2] = 1;
  ansi[633] = 1;
  TMemoryStream a = StreamOf(ansi);
  ASSERT_TRUE(ReadInTextSettings(a, t, 2));
  EXPECT_EQ(a.GetPosition(), 2500);
  EXPECT_EQ(t.language.lcid, 0x0816u);
  EXPECT_EQ(t.max_tag_length, 100);

  ExpectEveryPrefixRefused(OldTextSettingsImage(), [](TStream& st) {
    TTextsett_rec32 r;
    return ReadInTextSettings(st, r, 3);
  });
}

TEST(OldRecords, TextSettingsOfTheCurrentFormWhateverTheVersion) {
  const TTextsett_rec32 original = SomeCurrentTextSettings();
  const TTextSettingsImage image = TextSettingsToImage(original);
  // Golden offsets: the language part first, then the settings' own fields.
  EXPECT_EQ(image[4], 0x07);
  EXPECT_EQ(image[1040], 1);
  EXPECT_EQ(image[1055], 3);
  EXPECT_EQ(image[1056], 2000 & 0xFF);
  EXPECT_EQ(image[1060], '[');
  EXPECT_EQ(image[1082], ']');
  EXPECT_EQ(image[1104], '[');
  EXPECT_EQ(image[2114], '[');
  EXPECT_EQ(image[2276], '[');
  EXPECT_EQ(image[3027], 0x5A);
  // The 8-bit text flags of the old form fall in reserved bytes of the current language part.
  EXPECT_EQ(image[633], 0);
  EXPECT_EQ(image[634], 0);
  for (int version : {0, 3, 5, 6, 7, 18}) {
    TTextsett_rec32 t;
    TMemoryStream s = StreamOf(Bytes(image));
    ASSERT_TRUE(ReadInTextSettings(s, t, version)) << version;
    EXPECT_EQ(s.GetPosition(), 3028) << version;
    EXPECT_EQ(TextSettingsToImage(t), image) << version;
  }
  for (int version : {3, 6}) {
    ExpectEveryPrefixRefused(Bytes(image), [version](TStream& st) {
      TTextsett_rec32 r;
      return ReadInTextSettings(st, r, version);
    });
  }
}

TEST(OldRecords, TextSettingsGetALocaleAndReadableColours) {
  TTextsett_rec32 original = SomeCurrentTextSettings();
  original.language.lcid = 0;
  original.language.cores.colours[tct_text] = original.language.cores.colours[tct_background];
  TTextsett_rec32 t;
  TMemoryStream s = StreamOf(Bytes(TextSettingsToImage(original)));
  ASSERT_TRUE(ReadInTextSettings(s, t, 6));
  EXPECT_EQ(t.language.lcid, GetUserDefaultLCID());
  EXPECT_NE(t.language.lcid, 0u);
  EXPECT_EQ(t.language.cores.colours[tct_text], BogStandardColours().colours[tct_text]);

  std::string old = OldTextSettingsImage();
  std::memset(old.data() + 8, 0, 4);
  TMemoryStream o = StreamOf(old);
  ASSERT_TRUE(ReadInTextSettings(o, t, 1));
  EXPECT_EQ(t.language.lcid, GetUserDefaultLCID());
}

std::string OldConcSettingsImage(uint8_t version) {
  std::string b(1368, '\0');
  b[0] = static_cast<char>(version);
  b[1] = 1;  // case-sensitive
  b[3] = 1;  // collocates wanted
  const int32_t nToFind = 500, chars = 120, seek = 5, others = 2, minColl = 3;
  const int16_t left = 4, right = 6;
  Poke(b, 4, &nToFind, 4);
  Poke(b, 8, &chars, 4);
  Poke(b, 12, &seek, 4);
  Poke(b, 16, &others, 4);
  Poke(b, 20, &left, 2);
  Poke(b, 22, &right, 2);
  Poke(b, 24, &minColl, 4);
  b[28] = 1;
  b[30] = 2;
  PokeShortString(b, 32, "caf\xe9*");
  PokeShortString(b, 288, "black");
  PokeShortString(b, 369, "white");
  return b;
}

TEST(OldRecords, ConcordanceSettings) {
  TConcSettingsRec32 c;
  TMemoryStream s = StreamOf(OldConcSettingsImage(2));
  ASSERT_TRUE(ReadInConcSettRec(s, c, 4));
  EXPECT_EQ(s.GetPosition(), 1368);
  EXPECT_EQ(c.version, kConcSettingsVersion);
  EXPECT_EQ(c.case_sensitive, 1);
  EXPECT_EQ(c.punctuation_as_space, 0);
  EXPECT_EQ(c.collocates_wanted, 1);
  EXPECT_EQ(c.n_to_find, 500);
  EXPECT_EQ(c.context_characters, 120);
  EXPECT_EQ(c.context_seek_span, 5);
  EXPECT_EQ(c.otherSWs_required, 2);
  EXPECT_EQ(c.horizons.to_left, 4);
  EXPECT_EQ(c.horizons.to_right, 6);
  EXPECT_EQ(c.min_collocate_frequency, 3);
  EXPECT_EQ(c.sort_levels, (std::array<uint8_t, 3>{1, 0, 2}));
  EXPECT_EQ(WideCharArrayToString(c.search_word), u"caf\u00e9*");
  EXPECT_EQ(WideCharArrayToString(c.context_words[0]), u"black");
  EXPECT_EQ(WideCharArrayToString(c.context_words[1]), u"white");

  // The current form: its own version byte says so even when the file's version does not.
  TConcSettingsRec32 current = ConcSettingsNewFromOld(OldConcSettingsFromImage([] {
    TOldConcSettingsImage i;
    const std::string b = OldConcSettingsImage(0);
    std::memcpy(i.data(), b.data(), i.size());
    return i;
  }()));
  StringToWideCharArray(u"a longer search word than any old one could hold, well, almost",
                        current.search_word);
  current.spare[1721] = 9;
  const TConcSettingsImage image = ConcSettingsToImage(current);
  EXPECT_EQ(image[0], kConcSettingsVersion);
  EXPECT_EQ(image[32], 'a');
  EXPECT_EQ(image[534], 'b');
  EXPECT_EQ(image[696], 'w');
  for (int version : {0, 4, 5, 7, 18, 19}) {
    TMemoryStream cs = StreamOf(Bytes(image));
    ASSERT_TRUE(ReadInConcSettRec(cs, c, version)) << version;
    EXPECT_EQ(cs.GetPosition(), 2580) << version;
    EXPECT_EQ(ConcSettingsToImage(c), image) << version;
  }
  ExpectEveryPrefixRefused(OldConcSettingsImage(1), [](TStream& st) {
    TConcSettingsRec32 r;
    return ReadInConcSettRec(st, r, 4);
  });
  for (int version : {4, 6}) {
    ExpectEveryPrefixRefused(Bytes(image), [version](TStream& st) {
      TConcSettingsRec32 r;
      return ReadInConcSettRec(st, r, version);
    });
  }
}

TEST(OldRecords, ChosenFileOfTheCurrentForm) {
  std::string b(64, '\0');
  const int32_t folder = -5, words = 1234, hits = 17;
  const int16_t zip = 3;
  const double fileDate = 45000.5, textual = 2'400'000.0;
  const int64_t size = 6'000'000'000;
  Poke(b, 0, &folder, 4);
  Poke(b, 4, &zip, 2);
  b[6] = 1;  // encrypted
  b[7] = 1;  // wanted
  Poke(b, 8, &fileDate, 8);
  Poke(b, 16, &size, 8);
  Poke(b, 24, &words, 4);
  b[28] = 2;  // kind of file
  b[29] = 4;  // version
  Poke(b, 32, &textual, 8);
  Poke(b, 40, &hits, 4);
  b[44] = 0x11;  // pointer slots: ignored
  b[48] = 0x22;
  TChosenFile_BaseRec rec;
  TMemoryStream s = StreamOf(b);
  ASSERT_TRUE(TChosenFileRecFromStream(s, rec));
  EXPECT_EQ(s.GetPosition(), 64);
  EXPECT_EQ(rec.FolderData, 4);
  EXPECT_EQ(rec.Zip_Num, 3);
  EXPECT_EQ(rec.encrypted, 1);
  EXPECT_EQ(rec.Wanted, 1);
  EXPECT_EQ(rec.FileDate, fileDate);
  EXPECT_EQ(rec.Size, size);
  EXPECT_EQ(rec.Words, 1234);
  EXPECT_EQ(rec.KindOfFile, 2);
  EXPECT_EQ(rec.version, 4);
  EXPECT_EQ(rec.TextualDateAndTime, textual);
  EXPECT_EQ(rec.hits, 17);
  EXPECT_EQ(rec.jump_list, nullptr);
  b[44] = b[48] = 0;
  EXPECT_EQ(Bytes(ChosenFileToImage(rec)), b);

  // No textual date stored: it comes from the file's date.
  std::memset(b.data() + 32, 0, 8);
  TMemoryStream n = StreamOf(b);
  ASSERT_TRUE(TChosenFileRecFromStream(n, rec));
  EXPECT_EQ(rec.TextualDateAndTime, DateTimeToJulianAddingConst(fileDate));
  EXPECT_NE(rec.TextualDateAndTime, 0);

  // The most negative stored value is the largest folder number, not an overflow.
  const int32_t lowest = INT32_MIN;
  Poke(b, 0, &lowest, 4);
  TMemoryStream m = StreamOf(b);
  ASSERT_TRUE(TChosenFileRecFromStream(m, rec));
  EXPECT_EQ(rec.FolderData, INT32_MAX);
  EXPECT_EQ(Bytes(ChosenFileToImage(rec)).substr(0, 4), b.substr(0, 4));
  rec.FolderData = -1;  // would be stored as 0 and read back as the old form
  EXPECT_THROW(ChosenFileToImage(rec), EAssertionFailed);

  ExpectEveryPrefixRefused(b, [](TStream& st) {
    TChosenFile_BaseRec r;
    return TChosenFileRecFromStream(st, r);
  });
}

TEST(OldRecords, ChosenFileOfTheOldForm) {
  std::string b(49, '\0');
  const int32_t folder = 7, size = -2, words = 99;
  const int16_t zip = -1;
  const double fileDate = 36526.25;  // 1 January 2000
  Poke(b, 0, &folder, 4);
  Poke(b, 4, &zip, 2);
  Poke(b, 6, &fileDate, 8);
  Poke(b, 14, &size, 4);
  Poke(b, 18, &words, 4);
  b[22] = 1;    // encrypted
  b[23] = 0;    // not wanted
  b[24] = 3;    // kind of file
  b[25] = 'x';  // reserved
  TChosenFile_BaseRec rec;
  TMemoryStream s = StreamOf(b + "next");
  ASSERT_TRUE(TChosenFileRecFromStream(s, rec));
  EXPECT_EQ(s.GetPosition(), 49);
  EXPECT_EQ(rec.FolderData, 7);
  EXPECT_EQ(rec.Zip_Num, -1);
  EXPECT_EQ(rec.FileDate, fileDate);
  EXPECT_EQ(rec.Size, -2);  // sign-extended
  EXPECT_EQ(rec.Words, 99);
  EXPECT_EQ(rec.encrypted, 1);
  EXPECT_EQ(rec.Wanted, 0);
  EXPECT_EQ(rec.KindOfFile, 3);
  EXPECT_EQ(rec.version, 0);
  EXPECT_EQ(rec.hits, 0);
  EXPECT_EQ(rec.TextualDateAndTime, YearMonthDayToJulianAddingConst({2000, 1, 1}));
  b[25] = 0;
  EXPECT_EQ(Bytes(OldChosenFileToImage(rec)), b);

  ExpectEveryPrefixRefused(b, [](TStream& st) {
    TChosenFile_BaseRec r;
    return TChosenFileRecFromStream(st, r);
  });
}

std::string OldRelationSettingsImage() {
  std::string b(32, '\0');
  b[0] = 5;
  for (int i = 1; i <= 6; ++i) b[i] = static_cast<char>(i % 2);
  const int32_t minWord = 5, minJoint = 3, maxEntries = 10000;
  Poke(b, 8, &minWord, 4);
  Poke(b, 12, &minJoint, 4);
  Poke(b, 16, &maxEntries, 4);
  return b;
}

TEST(OldRecords, RelationshipSettings) {
  TRelation_settings32 r;
  TMemoryStream s = StreamOf(OldRelationSettingsImage());
  ASSERT_TRUE(TMutual_info_settings32FromStream(s, r));
  EXPECT_EQ(s.GetPosition(), 32);
  EXPECT_EQ(r.compute_collocation, 1);
  EXPECT_EQ(r.case_sensitive, 0);
  EXPECT_EQ(r.omit_numbers, 1);
  EXPECT_EQ(r.omit_stoplist_words, 0);
  EXPECT_EQ(r.within_sentence, 1);
  EXPECT_EQ(r.show_reverse_pairs, 0);
  EXPECT_EQ(r.min_word_frequency, 5);
  EXPECT_EQ(r.min_joint_frequency, 3);
  EXPECT_EQ(r.max_entries, 10000);
  EXPECT_EQ(r.compute_all_measures, 1);
  for (float t : r.thresholds) EXPECT_EQ(t, kThresholdNotSet);
  // Back to the old form: the same 32 bytes.
  EXPECT_EQ(Bytes(OldRelationSettingsToImage(TMutual_info_settingsOldFrom32(r))), OldRelationSettingsImage());

  // The current form, whole.
  r.version = kRelationSettingsVersion;
  r.horizons = {-5, 5};
  r.thresholds[RelatStat_MI] = 3.0f;
  r.main_measure = RelatStat_log_likelihood;
  r.measure_wanted[RelatStat_DeltaPB] = 1;
  r.spare[99] = 8;
  const TRelationSettingsImage image = RelationSettingsToImage(r);
  EXPECT_EQ(image[0], 6);
  EXPECT_EQ(image[7], 1);
  EXPECT_EQ(image[20], 0xFB);  // -5
  float mi;
  std::memcpy(&mi, image.data() + 24 + 4 * RelatStat_MI, 4);
  EXPECT_EQ(mi, 3.0f);
  EXPECT_EQ(image[68], RelatStat_log_likelihood);
  EXPECT_EQ(image[69 + RelatStat_DeltaPB], 1);
  EXPECT_EQ(image[179], 8);
  TMemoryStream c = StreamOf(Bytes(image));
  TRelation_settings32 back;
  ASSERT_TRUE(TMutual_info_settings32FromStream(c, back));
  EXPECT_EQ(c.GetPosition(), 180);
  EXPECT_EQ(RelationSettingsToImage(back), image);
  // A current record written back in the old form says it is old.
  EXPECT_EQ(TMutual_info_settingsOldFrom32(back).version, kRelationSettingsVersion - 1);

  ExpectEveryPrefixRefused(OldRelationSettingsImage(), [](TStream& st) {
    TRelation_settings32 x;
    return TMutual_info_settings32FromStream(st, x);
  });
  ExpectEveryPrefixRefused(Bytes(image), [](TStream& st) {
    TRelation_settings32 x;
    return TMutual_info_settings32FromStream(st, x);
  });
}

TEST(OldRecords, RelationshipEntriesAndOneTextStatistics) {
  std::array<uint8_t, TMutualInfo_recOld::kStoredSize> old{};
  const int32_t ints[6] = {1, 2, 300, 40, 12, 100000};
  std::memcpy(old.data(), ints, sizeof(ints));
  const int16_t horizons[2] = {-4, 4};
  std::memcpy(old.data() + 24, horizons, 4);
  const float dice = 0.25f, deltaPB = -0.5f;
  std::memcpy(old.data() + 28, &dice, 4);
  std::memcpy(old.data() + 68, &deltaPB, 4);
  const TMutualInfo_recFeb2016 rec = TMutual_info_Rec32FromOld(MutualInfoOldFromImage(old));
  EXPECT_EQ(rec.freq_A, 300);
  EXPECT_EQ(rec.total_words, 100000);
  EXPECT_EQ(rec.horizons.to_left, -4);
  EXPECT_EQ(rec.measures[RelatStat_Dice], 0.25f);
  EXPECT_EQ(rec.measures[RelatStat_DeltaPB], -0.5f);
  const auto image = MutualInfoToImage(rec);
  EXPECT_TRUE(std::equal(old.begin(), old.end(), image.begin()));
  EXPECT_TRUE(std::all_of(image.begin() + 72, image.end(), [](uint8_t b) { return b == 0; }));

  std::array<uint8_t, Tone_text_stats_rec_old::kStoredSize> stats{};
  for (std::size_t i = 0; i < stats.size(); ++i) stats[i] = static_cast<uint8_t>(i * 7 + 1);
  const Tone_text_stats_rec_old oldStats = OldOneTextStatsFromImage(stats);
  int32_t tokens, oneLetter, number;
  std::memcpy(&tokens, stats.data() + 4, 4);
  std::memcpy(&oneLetter, stats.data() + 100, 4);
  std::memcpy(&number, stats.data() + 328, 4);
  EXPECT_EQ(oldStats.base.tokens, tokens);
  EXPECT_EQ(oldStats.base.letter_words[0], oneLetter);
  EXPECT_EQ(oldStats.text_number, number);
  const auto base = OneTextStatsToImage(OneTextStatsRecFromOld(oldStats));
  EXPECT_TRUE(std::equal(base.begin(), base.end(), stats.begin()));
  EXPECT_EQ(OldOneTextStatsToImage(oldStats), stats);
}

}  // namespace
