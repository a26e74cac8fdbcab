#include "lexcore/definitions/shared_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "lexcore/definitions/lang_details.h"
#include "lexcore/definitions/search_requirements.h"
#include "lexcore/rtl/lx_streams.h"

using namespace lx;

namespace {

// An expected byte image built from the documented offsets, independently of the writers.
struct Golden {
  std::vector<uint8_t> bytes;
  explicit Golden(std::size_t n) : bytes(n, 0) {}
  template <typename T>
  void At(std::size_t offset, const T& v) {
    ASSERT_LE(offset + sizeof(T), bytes.size());
    std::memcpy(bytes.data() + offset, &v, sizeof(T));
  }
  template <std::size_t N>
  bool Equals(const std::array<uint8_t, N>& image) const {
    return std::vector<uint8_t>(image.begin(), image.end()) == bytes;
  }
};

}  // namespace

TEST(SharedRecords, GridHeadingFixedPartGoldenImage) {
  TGrid_head32 h;
  h.alignment = decimal_aligned;
  h.typefaces = {tf_bold, tf_strikeout};
  h.editable = tanto_faz;
  h.minimum = 0.01f;
  h.decimals = 2;
  h.vestigial_TextColour = 0x11223344;
  h.user_specified_background = kNoColour;
  h.extra_computed = 1;
  h.heading_visible = 1;
  h.original_column = -3;
  h.pixel_width96 = 144;
  h.output_case = as_it_comes_output;
  h.previous_decimals = 5;
  h.version = 9;
  h.HelpContext = 1234;
  h.localization_number = 1103;
  h.column_data.descriptives[gc_total] = 1.5f;
  h.column_data.descriptives[gc_12] = -2.0f;
  h.timeline_basis = tlpb_hours;
  h.SortStateAscending = verdadeiro;
  h.span = span_R51;
  h.extra_column_type = tnc_other;
  h.user_has_sorted_this_run = 1;
  h.show_as_percent_colour = 0x00FF00;
  h.special_text_colour = 0x0000FF;
  h.spare[55] = 0xEE;
  h.hint = u"not in the fixed part";

  Golden g(196);
  g.At<uint8_t>(0, 3);
  g.At<uint8_t>(1, 0x09);
  g.At<uint8_t>(2, 3);
  g.At(4, 0.01f);
  g.At<uint8_t>(8, 2);
  g.At<int32_t>(12, 0x11223344);
  g.At<int32_t>(16, 0x1FFFFFFF);
  g.At<uint8_t>(21, 1);
  g.At<uint8_t>(23, 1);
  g.At<int16_t>(24, -3);
  g.At<int16_t>(26, 144);
  g.At<uint8_t>(28, 3);
  g.At<uint8_t>(31, 5);
  g.At<uint8_t>(35, 9);
  g.At<int32_t>(36, 1234);
  g.At<int32_t>(40, 1103);
  g.At(44, 1.5f);
  g.At(44 + 16 * 4, -2.0f);
  g.At<uint8_t>(112, 8);
  g.At<uint8_t>(114, 2);
  g.At<uint8_t>(116, 101);
  g.At<uint8_t>(120, 3);
  g.At<uint8_t>(127, 1);
  g.At<int32_t>(132, 0x00FF00);
  g.At<int32_t>(136, 0x0000FF);
  g.At<uint8_t>(195, 0xEE);

  const TGridHead32FixedImage image = GridHeadFixedToImage(h);
  EXPECT_TRUE(g.Equals(image));
  TGrid_head32 back;
  back.heading = u"kept";
  GridHeadFixedFromImage(image, back);
  EXPECT_EQ(GridHeadFixedToImage(back), image);
  EXPECT_EQ(back.heading, u"kept");
  EXPECT_EQ(back.original_column, -3);
}

TEST(SharedRecords, LanguageRecordGoldenImageAndStream) {
  Tfixed_lang_details32 l;
  l.allow_middles_at_left = 1;
  l.is_32_version = 1;
  l.lcid = 0x0409;
  l.old_win_font.charset_old = 177;
  l.old_win_font.fontname_old[0] = 5;
  l.old_win_font.fontname_old[32] = 'z';
  l.preference = lang_a_preferida;
  l.hyphen_breaks_word = 1;
  l.win_codepage = 1252;
  l.dos_codepage = 850;
  StringToWideCharArray(u"'-", l.allowable_middle_letters);
  l.spare_ANSI_uppers[128] = 0x77;
  l.new_win_font.charset = 1;
  l.new_win_font.fontsize = 12;
  StringToWideCharArray(u"Arial", l.new_win_font.fontname);
  l.spare_custom_sort_string_number = -7;
  l.cores = BogStandardColours();
  l.language_number = 42;
  l.spare_hits = 3;
  StringToWideCharArray(u"English", l.nome);

  Golden g(1040);
  g.At<uint8_t>(1, 1);
  g.At<uint8_t>(2, 1);
  g.At<uint32_t>(4, 0x0409);
  g.At<uint8_t>(8, 177);
  g.At<uint8_t>(10, 5);
  g.At<uint8_t>(42, 'z');
  g.At<uint8_t>(43, 3);
  g.At<uint8_t>(45, 1);
  g.At<uint16_t>(46, 1252);
  g.At<uint16_t>(48, 850);
  g.At<char16_t>(50, u'\'');
  g.At<char16_t>(52, u'-');
  g.At<uint8_t>(329, 0x77);
  g.At<uint8_t>(330, 1);
  g.At<uint8_t>(331, 12);
  const std::u16string arial = u"Arial";
  for (std::size_t i = 0; i < arial.size(); ++i) g.At<char16_t>(332 + 2 * i, arial[i]);
  g.At<int32_t>(536, -7);
  g.At<int32_t>(544, 0x000000);
  g.At<int32_t>(548, 0xFFFFFF);
  g.At<int32_t>(552, 0xFFFFFF);
  g.At<int32_t>(556, 0x660000);
  g.At<int32_t>(560, 42);
  g.At<int32_t>(564, 3);
  const std::u16string english = u"English";
  for (std::size_t i = 0; i < english.size(); ++i) g.At<char16_t>(936 + 2 * i, english[i]);
  EXPECT_TRUE(g.Equals(LangDetailsToImage(l)));

  TMemoryStream m;
  ASSERT_TRUE(WriteLangDetails(m, l));
  EXPECT_EQ(m.GetSize(), 1040);
  m.SetPosition(0);
  Tfixed_lang_details32 back;
  ASSERT_TRUE(ReadLangDetails(m, back));
  EXPECT_EQ(LangDetailsToImage(back), LangDetailsToImage(l));
  EXPECT_EQ(WideCharArrayToString(back.nome), u"English");

  // A short stream leaves the record as it was.
  TMemoryStream shortStream;
  shortStream.Write(g.bytes.data(), 1039);
  shortStream.SetPosition(0);
  Tfixed_lang_details32 untouched;
  EXPECT_FALSE(ReadLangDetails(shortStream, untouched));
  EXPECT_EQ(untouched.lcid, 0u);
}

TEST(SharedRecords, SearchRequirementGoldenImage) {
  TSearchRequirementRec q, other;
  q.original_data_column = 4;
  q.colour = 0x0000FF;
  q.found = 17;
  q.word_span = 5;
  q.n_seek_low = 2.5f;
  q.n_seek_high = 10.0f;
  q.n_actual = 3.0f;
  q.found_percent = 12.5f;
  q.how = ccp_FoundWithinNWordsToLeftOf;
  q.linked = &other;
  q.seek_low_flags = {0, 5};
  q.seek_high_flags = {1};
  q.opposite = 1;
  q.activated = 1;
  q.spare_link_type = ccl_but_not;
  q.other_data_column = 7;
  q.n_other_data_column_actual = -1.0f;
  q.is_joined_head = 1;
  q.is_deleted = 1;
  q.spares[27] = 0xAB;
  q.s_seek_base = u"un";

  Golden g(116);
  g.At<int32_t>(0, 4);
  g.At<int32_t>(4, 0x0000FF);
  g.At<int32_t>(8, 17);
  g.At<int32_t>(12, 5);
  g.At(16, 2.5f);
  g.At(20, 10.0f);
  g.At(24, 3.0f);
  g.At(28, 12.5f);
  g.At<uint8_t>(32, 12);
  g.At<uint8_t>(40, 0x21);
  g.At<uint8_t>(42, 0x02);
  g.At<uint8_t>(43, 1);
  g.At<uint8_t>(47, 1);
  g.At<uint8_t>(49, 2);
  g.At<int32_t>(52, 7);
  g.At(56, -1.0f);
  g.At<uint8_t>(60, 1);
  g.At<uint8_t>(64, 1);
  g.At<uint8_t>(99, 0xAB);
  const TSearchRequirementImage image = SearchRequirementToImage(q);
  EXPECT_TRUE(g.Equals(image));  // pointer slots stay zero

  TSearchRequirementRec back;
  back.linked = &other;
  back.s_seek_base = u"kept";
  SearchRequirementFromImage(image, back);
  EXPECT_EQ(back.linked, nullptr);
  EXPECT_EQ(back.s_seek_base, u"kept");
  EXPECT_EQ(SearchRequirementToImage(back), image);
}

TEST(SharedRecords, CellTexts) {
  TGrid_data_rec cell;
  cell.word_details = {u"un", u"do", u"ing"};
  EXPECT_EQ(RelevantAffixesOfStringData(cell), u"n/a");  // all show flags off
  EXPECT_EQ(CopiedWordDetails(cell), (TPalavraStr{u"", u"", u""}));
  cell.show_word = true;
  cell.show_suffix = true;
  EXPECT_EQ(RelevantAffixesOfStringData(cell), u"doing");
  EXPECT_EQ(ThreeAffixesOfPalavra(cell.word_details), u"undoing");

  cell.Show_prefix = true;
  SetDataRecStringNonApplicable(cell);
  SetDataRecStringNonApplicable(cell);
  EXPECT_EQ(cell.n_and_disp.computed_value, -999999.0f);
  EXPECT_EQ(cell.word_details[dgso_main], u"n/a");
  EXPECT_TRUE(cell.NonApplicable && cell.show_word && !cell.Show_prefix && !cell.show_suffix);
  EXPECT_EQ(cell.data_type, ddt_string);

  TGrid_data_rec blank;
  blank.word_details[dgso_main] = u"x";
  blank.n_and_disp.computed_value = -999998.0f;
  SetDataRecStringNonApplicable(blank);
  EXPECT_EQ(blank.word_details[dgso_main], u"");
  EXPECT_EQ(blank.n_and_disp.computed_value, -999998.0f);

  EXPECT_EQ(CaseSensitivityToStr(cs_sensitive), u"case sensitive");
  EXPECT_EQ(CaseSensitivityToStr(cs_anyhow), u"NOT (case sensitive)");
  EXPECT_EQ(BooleanToCaseSensitivity(true), cs_sensitive);
  EXPECT_FALSE(CaseSensitivityToBoolean(cs_anyhow));
  EXPECT_EQ(TimeLinePlotbaseStr(tlpb_datafield), u"data field");
  EXPECT_EQ(TimeLinePlotbaseStr(TTimeLinePlotbase(12)), u"");
}

TEST(SharedRecords, ColoursLanguagesAndFonts) {
  EXPECT_FALSE(IsOKColour(0, true));
  EXPECT_TRUE(IsOKColour(0, false));
  EXPECT_FALSE(IsOKColour(0x1FFFFFFF, false));
  EXPECT_TRUE(IsOKColour(0x660000, true));

  TMyCanvasColourRec c{{5, 6, 5, 7}};
  EXPECT_TRUE(UnassignedColours(c));
  EnsureColoursOK(c);
  EXPECT_EQ(c, BogStandardColours());
  TMyCanvasColourRec s = StyleSearchColours();
  EnsureColoursOK(s);
  EXPECT_EQ(s.colours[tct_selected_text], 0x000080);
  EXPECT_TRUE(StyleSearchColoursAndTypeface().highlight_typeface.Empty());

  EXPECT_EQ(PrimaryLanguage(0x0809), 0x0009u);
  EXPECT_TRUE(SamePrimaryLanguage(0x0409, 0x0809));  // English, two sub-languages
  EXPECT_FALSE(SamePrimaryLanguage(0x0409, 0x040C));
  EXPECT_TRUE(BiDiModeFromLCID(0x0401));
  EXPECT_TRUE(BiDiModeFromLCID(0x040D));
  EXPECT_TRUE(BiDiModeFromLCID(0x0429));
  EXPECT_TRUE(BiDiModeFromLCID(0x0463));
  EXPECT_FALSE(BiDiModeFromLCID(0x0409));
  EXPECT_TRUE(BiDiModeFromCharset(177));
  EXPECT_FALSE(BiDiModeFromCharset(0));

  Tfixed_lang_details32 l;
  EnsureLanguageColoursAndFontOK(l);
  EXPECT_EQ(WideCharArrayToString(l.new_win_font.fontname), u"Tahoma");
  EXPECT_EQ(l.new_win_font.fontsize, 10);
  EXPECT_EQ(l.cores, BogStandardColours());
  Tfixed_character_format_rec32 nine;
  nine.fontsize = 9;
  EnsureALangFontOK(nine);
  EXPECT_EQ(WideCharArrayToString(nine.fontname), u"");

  hundredwidechar tooLong;
  StringToWideCharArray(UnicodeString(150, u'a'), tooLong);
  EXPECT_EQ(WideCharArrayToString(tooLong).size(), 100u);

  TFixedLangDetailsList list;
  l.lcid = 0x0416;
  list.Add(l);
  EXPECT_EQ(list.GetALang(0).lcid, 0x0416u);
  EXPECT_EQ(list.GetALang(1).lcid, 0u);
  EXPECT_EQ(list.GetALang(-1).lcid, 0u);
  l.lcid = 1;
  list.SetALang(3, l);
  list.SetALang(0, l);
  EXPECT_EQ(list.GetALang(0).lcid, 1u);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(SharedRecords, RelationshipThresholds) {
  std::array<float, kRelationshipStatsCount> v{};
  v[RelatStat_MI] = 3.0f;
  v[RelatStat_T_Score] = 1.0f;
  TConcgramMutualChecks c;
  EXPECT_TRUE(PassesRelationshipThresholdTests(c, v));  // nothing tested
  c.test_all_procedures = true;
  EXPECT_TRUE(PassesRelationshipThresholdTests(c, v));

  c.proc_settings[RelatStat_MI] = {true, 3.0f};       // passes (at least the threshold)
  c.proc_settings[RelatStat_T_Score] = {true, 2.0f};  // fails
  EXPECT_FALSE(PassesRelationshipThresholdTests(c, v));
  c.proc_settings[RelatStat_T_Score].threshold = 1.0f;
  EXPECT_TRUE(PassesRelationshipThresholdTests(c, v));

  // Any-measure mode: only the first tested measure decides unless test_all_words is set.
  c.test_all_procedures = false;
  c.proc_settings[RelatStat_MI].threshold = 5.0f;
  EXPECT_FALSE(PassesRelationshipThresholdTests(c, v));
  c.test_all_words = true;
  EXPECT_TRUE(PassesRelationshipThresholdTests(c, v));
  c.proc_settings[RelatStat_T_Score].threshold = 9.0f;
  EXPECT_FALSE(PassesRelationshipThresholdTests(c, v));
}

TEST(SharedRecords, CollocSpanStaysOnTheScale) {
  auto [first, last] = CollocSpan({5, 5});
  EXPECT_EQ(first, span_L05);
  EXPECT_EQ(last, span_R05);
  std::tie(first, last) = CollocSpan({0, 51});
  EXPECT_EQ(first, span_Centre);
  EXPECT_EQ(last, span_R51);
  std::tie(first, last) = CollocSpan({300, 300});
  EXPECT_EQ(first, span_L50);
  EXPECT_EQ(last, span_R51);
  std::tie(first, last) = CollocSpan({-300, -300});
  EXPECT_EQ(first, span_R51);
  EXPECT_EQ(last, span_L50);
}

TEST(SharedRecords, ConditionTexts) {
  EXPECT_EQ(ConditionDropdownOption(ccp_Ignore, true, true), u"ignore");
  EXPECT_EQ(ConditionDropdownOption(ccp_Equals, false, false), u"!C = !X");
  EXPECT_EQ(ConditionDropdownOption(ccp_Equals, true, false), u"");
  EXPECT_EQ(ConditionDropdownOption(ccp_StartsWith, false, true), u"");
  EXPECT_EQ(ConditionDropdownOption(ccp_Between, false, true), u"!C is between !X and !Y");
  EXPECT_EQ(ConditionDropdownOption(ccp_GreaterThan, true, true), u"!C is above !X");
  EXPECT_EQ(ConditionDropdownOption(ccp_GreaterThan, false, false), u"!C follows !X alphabetically");
  EXPECT_EQ(ConditionDropdownOption(ccp_LessThan, true, false), u"");
  EXPECT_EQ(ConditionDropdownOption(ccp_FoundAnywhereIn, true, false), u"!X found anywhere in !C");
  EXPECT_EQ(ConditionDropdownOption(ccp_FoundWithinNWordsToLeftOfSearchword, true, false),
            u"!X found in !C within 99999 words left of search-word");
  EXPECT_EQ(ConditionDropdownOption(ccp_FoundWithinNWordsOfSearchword, false, false), u"");
  EXPECT_EQ(ConditionDropdownOption(ccp_FoundWithinNWordsToRightOf, false, false),
            u"!X found in !C within 99999 words right of !W");
  EXPECT_EQ(ConditionDropdownOption(ccp_WordLengthGreaterThan, false, false), u"length of !C is above !X");
  EXPECT_EQ(ConditionDropdownOption(ccp_is_Joined_member, true, true), u"item is a member of a joined group");
  EXPECT_EQ(ConditionDropdownOption(ccp_spare4, false, false), u"");
  EXPECT_EQ(ConditionDropdownOption(TSearchRequirementSeeks(200), false, false), u"");

  TSearchRequirementRec q;
  q.how = ccp_StartsWith;
  q.s_seek_base = u"un";
  EXPECT_EQ(SearchRequirementToText(q, u"Word"), u"Word column text starts with un");
  q.opposite = 1;
  EXPECT_EQ(SearchRequirementToText(q, u"Word"), u"NOT (Word column text starts with un)");
  q.opposite = 0;
  q.how = ccp_Between;
  q.data_numerical = 1;
  q.n_seek_low = 5;
  q.n_seek_high = 10.5f;
  EXPECT_EQ(SearchRequirementToText(q, u"Freq."), u"Freq. column value is between 5 and 10.5");
  q.how = ccp_GreaterThan;
  q.Compare_with_OtherDataColumn = 1;
  q.other_data_numerical = 1;
  q.other_data_column = 3;
  EXPECT_EQ(SearchRequirementToText(q, u"Freq.", u"Texts"),
            u"Freq. column value is above col 3 (Texts) value");
  q = TSearchRequirementRec{};
  q.how = ccp_FoundWithinNWordsOf;
  q.s_seek_base = u"not";
  q.word_span = 3;
  q.neighbour_word = u"%s";  // an argument is never read as a pattern
  EXPECT_EQ(SearchRequirementToText(q, u"Concordance"),
            u"not found in Concordance column text within 3 words of %s");
}
