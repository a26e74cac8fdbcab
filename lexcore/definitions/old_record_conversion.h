// Records written by earlier versions: read whichever form a stream holds and hand back the current one, or
// convert an old record already in memory. Readers never raise; they answer false on a short read, leaving
// the record filled as far as the bytes went (always starting from zero).
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/definitions/lang_details.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_streams.h"

namespace lx {

// ---- Language record of the old form (632 bytes) ----

struct Tfixed_lang_details_rec_old {
  static constexpr std::size_t kStoredSize = 632;
  uint8_t allow_middles_at_right = 0;
  uint8_t allow_middles_at_left = 0;
  uint8_t is_32_version = 0;
  uint8_t spare = 0;
  int32_t spare2 = 0;
  uint32_t lcid = 0;
  Told_fixed_character_format_rec old_win_font;
  Tlang_preference preference = lang_nao_instalada;
  uint8_t custom_language = 0;
  uint8_t hyphen_breaks_word = 0;
  uint16_t win_codepage = 0;
  uint16_t dos_codepage = 0;
  std::array<uint8_t, 21> spare_currency{};
  std::array<uint8_t, 11> old_allowable_middle_letters{};
  tenwidechar allowable_middle_letters{};
  std::array<uint8_t, 234> spare_st{};
  std::array<uint8_t, 129> ANSI_lowers{};
  std::array<uint8_t, 129> ANSI_uppers{};
  std::array<uint8_t, 32> nome{};  // length byte, then 8-bit characters
};

using TOldLangDetailsImage = std::array<uint8_t, Tfixed_lang_details_rec_old::kStoredSize>;
TOldLangDetailsImage OldLangDetailsToImage(const Tfixed_lang_details_rec_old& old);
Tfixed_lang_details_rec_old OldLangDetailsFromImage(const TOldLangDetailsImage& image);

Tfixed_lang_details32 LangDetNewFromOld(const Tfixed_lang_details_rec_old& old);
Tfixed_character_format_rec32 New_WinFontFromOldWin_Font(const Told_fixed_character_format_rec& old);

// The language record in the form that a file of this version holds.
bool Readfixed_lang_details_rec(TStream& stream, Tfixed_lang_details32& language, int32_t version);

// ---- Extra statistics of a text file (40 bytes; 16 in the old form) ----

struct TFileInfoExtraStatsRec {
  static constexpr std::size_t kStoredSize = 40;
  static constexpr std::size_t kOldStoredSize = 16;
  int64_t total_bytes = 0;
  int32_t zips_added = 0;
  int32_t version = 0;
  std::array<uint8_t, 24> spare{};
};

using TExtraStatsImage = std::array<uint8_t, TFileInfoExtraStatsRec::kStoredSize>;
TExtraStatsImage ExtraStatsToImage(const TFileInfoExtraStatsRec& rec);
bool ExtraStatsRecFromStream(TStream& stream, TFileInfoExtraStatsRec& rec);

// ---- Column headings of the heading-list versions before 4 ----

// Stored sizes of the old heading: the long form (versions 2 and 3) ends with five column statistics.
constexpr std::size_t kOldGridHeadLongSize = 60;
constexpr std::size_t kOldGridHeadShortSize = 40;

// Reads one old heading's fixed part; ok is false when the stream came up short.
TGrid_head32 ReadOldGridHeadings(TStream& stream, bool longForm, bool& ok);
// The form that ReadOldGridHeadings reads (hint and caption are not part of it).
std::array<uint8_t, kOldGridHeadLongSize> OldGridHeadToImage(const TGrid_head32& head);

// ---- Text settings (3028 bytes; 2500 in the old form) ----
// These layouts are this system's own: the language part first, then how mark-up is treated, the option
// bytes, the ignored tags and the markers that bound the part of a text to be read.

struct TTextsett_rec32 {
  static constexpr std::size_t kStoredSize = 3028;
  static constexpr std::size_t kRestSize = kStoredSize - Tfixed_lang_details32::kStoredSize;  // 1988
  Tfixed_lang_details32 language;
  uint8_t tag_treatment = 0;
  std::array<uint8_t, 15> option_flags{};  // one byte per option, as the tools define them
  int32_t max_tag_length = 0;
  tenwidechar tag_open{};
  tenwidechar tag_close{};
  std::array<char16_t, 505> ignored_tags{};  // comma-separated tag patterns, zero-terminated
  eightywidechar text_start_marker{};
  eightywidechar text_end_marker{};
  std::array<uint8_t, 590> spare{};
};

struct TTextsett_rec_old {
  static constexpr std::size_t kStoredSize = 2500;
  Tfixed_lang_details_rec_old language;
  uint8_t tag_treatment = 0;
  uint8_t ansi_texts = 0;  // texts were 8-bit in the Windows code page
  uint8_t dos_texts = 0;   // texts were 8-bit in the DOS code page
  std::array<uint8_t, 13> option_flags{};
  int32_t max_tag_length = 0;
  std::array<uint8_t, 11> tag_open{};  // length byte, then 8-bit characters
  std::array<uint8_t, 11> tag_close{};
  std::array<uint8_t, 256> ignored_tags{};
  std::array<uint8_t, 81> text_start_marker{};
  std::array<uint8_t, 81> text_end_marker{};
  std::array<uint8_t, 1408> spare{};
};

using TTextSettingsImage = std::array<uint8_t, TTextsett_rec32::kStoredSize>;
using TOldTextSettingsImage = std::array<uint8_t, TTextsett_rec_old::kStoredSize>;
TTextSettingsImage TextSettingsToImage(const TTextsett_rec32& settings);
TTextsett_rec32 TextSettingsFromImage(const TTextSettingsImage& image);
TOldTextSettingsImage OldTextSettingsToImage(const TTextsett_rec_old& old);
TTextsett_rec_old OldTextSettingsFromImage(const TOldTextSettingsImage& image);

TTextsett_rec32 TextSettingsNewFromOld(const TTextsett_rec_old& old);
bool ReadInTextSettings(TStream& stream, TTextsett_rec32& settings, int32_t version);

// ---- Concordance settings (2580 bytes; 1368 in the old form) ----
// Both forms begin with their own version byte; the old form's is below kConcSettingsVersion.

constexpr uint8_t kConcSettingsVersion = 3;

struct TConcSettingsRec32 {
  static constexpr std::size_t kStoredSize = 2580;
  uint8_t version = kConcSettingsVersion;
  uint8_t case_sensitive = 0;
  uint8_t punctuation_as_space = 0;
  uint8_t collocates_wanted = 0;
  int32_t n_to_find = 0;  // 0 or less: no limit
  int32_t context_characters = 0;
  int32_t context_seek_span = 0;
  int32_t otherSWs_required = 0;
  Tdouble_smallint_type horizons;
  int32_t min_collocate_frequency = 0;
  std::array<uint8_t, 3> sort_levels{};
  uint8_t spare1 = 0;
  std::array<char16_t, 251> search_word{};
  std::array<eightywidechar, 2> context_words{};
  std::array<uint8_t, 1722> spare{};
};

struct TConcSettingsRecOld {
  static constexpr std::size_t kStoredSize = 1368;
  uint8_t version = 0;
  uint8_t case_sensitive = 0;
  uint8_t punctuation_as_space = 0;
  uint8_t collocates_wanted = 0;
  int32_t n_to_find = 0;
  int32_t context_characters = 0;
  int32_t context_seek_span = 0;
  int32_t otherSWs_required = 0;
  Tdouble_smallint_type horizons;
  int32_t min_collocate_frequency = 0;
  std::array<uint8_t, 3> sort_levels{};
  uint8_t spare1 = 0;
  std::array<uint8_t, 256> search_word{};  // length byte, then 8-bit characters
  std::array<std::array<uint8_t, 81>, 2> context_words{};
  std::array<uint8_t, 918> spare{};
};

using TConcSettingsImage = std::array<uint8_t, TConcSettingsRec32::kStoredSize>;
using TOldConcSettingsImage = std::array<uint8_t, TConcSettingsRecOld::kStoredSize>;
TConcSettingsImage ConcSettingsToImage(const TConcSettingsRec32& settings);
TConcSettingsRec32 ConcSettingsFromImage(const TConcSettingsImage& image);
TOldConcSettingsImage OldConcSettingsToImage(const TConcSettingsRecOld& old);
TConcSettingsRecOld OldConcSettingsFromImage(const TOldConcSettingsImage& image);

TConcSettingsRec32 ConcSettingsNewFromOld(const TConcSettingsRecOld& old);
bool ReadInConcSettRec(TStream& stream, TConcSettingsRec32& settings, int32_t version);

// ---- Relationship settings (180 bytes; 32 in the old form) ----
// Both forms begin with a version byte: below 6 is the old form.

constexpr uint8_t kRelationSettingsVersion = 6;
constexpr float kThresholdNotSet = -999999.0f;

struct TRelation_settings32 {
  static constexpr std::size_t kStoredSize = 180;
  uint8_t version = kRelationSettingsVersion;
  uint8_t compute_collocation = 0;  // within horizons; otherwise co-occurrence in the same text
  uint8_t case_sensitive = 0;
  uint8_t omit_numbers = 0;
  uint8_t omit_stoplist_words = 0;
  uint8_t within_sentence = 0;
  uint8_t show_reverse_pairs = 0;
  uint8_t compute_all_measures = 0;
  int32_t min_word_frequency = 0;
  int32_t min_joint_frequency = 0;
  int32_t max_entries = 0;
  Tdouble_smallint_type horizons;
  std::array<float, kRelationshipStatsCount> thresholds{};  // kThresholdNotSet: no threshold
  uint8_t main_measure = 0;                                 // TRelationshipStats
  std::array<uint8_t, kRelationshipStatsCount> measure_wanted{};
  std::array<uint8_t, 100> spare{};
};

struct TMutual_info_settings_old {
  static constexpr std::size_t kStoredSize = 32;
  uint8_t version = 0;
  uint8_t compute_collocation = 0;
  uint8_t case_sensitive = 0;
  uint8_t omit_numbers = 0;
  uint8_t omit_stoplist_words = 0;
  uint8_t within_sentence = 0;
  uint8_t show_reverse_pairs = 0;
  uint8_t spare1 = 0;
  int32_t min_word_frequency = 0;
  int32_t min_joint_frequency = 0;
  int32_t max_entries = 0;
  std::array<uint8_t, 12> spare{};
};

using TRelationSettingsImage = std::array<uint8_t, TRelation_settings32::kStoredSize>;
using TOldRelationSettingsImage = std::array<uint8_t, TMutual_info_settings_old::kStoredSize>;
TRelationSettingsImage RelationSettingsToImage(const TRelation_settings32& settings);
TRelation_settings32 RelationSettingsFromImage(const TRelationSettingsImage& image);
TOldRelationSettingsImage OldRelationSettingsToImage(const TMutual_info_settings_old& old);
TMutual_info_settings_old OldRelationSettingsFromImage(const TOldRelationSettingsImage& image);

bool TMutual_info_settings32FromStream(TStream& stream, TRelation_settings32& settings);
TMutual_info_settings_old TMutual_info_settingsOldFrom32(const TRelation_settings32& settings);

// ---- One relationship between two words (100 bytes; 72 in the old form) ----

struct TMutualInfo_recOld {
  static constexpr std::size_t kStoredSize = 72;
  int32_t word_A = 0;  // number of the node word in its list
  int32_t word_B = 0;  // number of the related word
  int32_t freq_A = 0;
  int32_t freq_B = 0;
  int32_t joint_freq = 0;
  int32_t total_words = 0;
  Tdouble_smallint_type horizons;
  std::array<float, kRelationshipStatsCount> measures{};  // in TRelationshipStats order
};

struct TMutualInfo_recFeb2016 {
  static constexpr std::size_t kStoredSize = 100;
  int32_t word_A = 0;
  int32_t word_B = 0;
  int32_t freq_A = 0;
  int32_t freq_B = 0;
  int32_t joint_freq = 0;
  int32_t total_words = 0;
  Tdouble_smallint_type horizons;
  std::array<float, kRelationshipStatsCount> measures{};
  int32_t texts_count = 0;  // texts in which both words occur
  float mean_distance = 0;
  uint8_t deleted = 0;
  std::array<uint8_t, 19> spare{};
};

std::array<uint8_t, TMutualInfo_recOld::kStoredSize> MutualInfoOldToImage(const TMutualInfo_recOld& old);
TMutualInfo_recOld MutualInfoOldFromImage(const std::array<uint8_t, TMutualInfo_recOld::kStoredSize>& image);
std::array<uint8_t, TMutualInfo_recFeb2016::kStoredSize> MutualInfoToImage(const TMutualInfo_recFeb2016& rec);
TMutualInfo_recFeb2016 MutualInfoFromImage(
    const std::array<uint8_t, TMutualInfo_recFeb2016::kStoredSize>& image);
TMutualInfo_recFeb2016 TMutual_info_Rec32FromOld(const TMutualInfo_recOld& old);

// ---- Statistics of one text (328 bytes; the old form has 4 more) ----

struct Tone_text_stats_rec_old_base {
  static constexpr std::size_t kStoredSize = 328;
  static constexpr int kLetterCounts = 50;
  int32_t text_bytes = 0;
  int32_t tokens = 0;
  int32_t types = 0;
  float type_token_ratio = 0;
  float standardised_ttr = 0;
  float standardised_ttr_std_dev = 0;
  int32_t standardised_ttr_basis = 0;
  TText_stats_rec word_length;  // n, mean and standard deviation of words' lengths in letters
  TText_stats_rec sentences;
  TText_stats_rec paragraphs;
  TText_stats_rec headings;
  TText_stats_rec sections;
  int32_t numbers_removed = 0;
  int32_t stoplist_tokens = 0;
  int32_t stoplist_types = 0;
  std::array<int32_t, kLetterCounts> letter_words{};  // [i]: words of i + 1 letters
  int32_t longer_words = 0;                           // words of more letters than that
  std::array<uint8_t, 24> spare{};
};

struct Tone_text_stats_rec_old {
  static constexpr std::size_t kStoredSize = 332;
  Tone_text_stats_rec_old_base base;
  int32_t text_number = 0;  // the text's number in the list that held it
};

std::array<uint8_t, Tone_text_stats_rec_old_base::kStoredSize> OneTextStatsToImage(
    const Tone_text_stats_rec_old_base& rec);
Tone_text_stats_rec_old_base OneTextStatsFromImage(
    const std::array<uint8_t, Tone_text_stats_rec_old_base::kStoredSize>& image);
std::array<uint8_t, Tone_text_stats_rec_old::kStoredSize> OldOneTextStatsToImage(
    const Tone_text_stats_rec_old& old);
Tone_text_stats_rec_old OldOneTextStatsFromImage(
    const std::array<uint8_t, Tone_text_stats_rec_old::kStoredSize>& image);
Tone_text_stats_rec_old_base OneTextStatsRecFromOld(const Tone_text_stats_rec_old& old);

}  // namespace lx
