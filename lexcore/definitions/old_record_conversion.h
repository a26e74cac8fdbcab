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

}  // namespace lx
