// The language record (locale, fonts, colours, word-internal letters) that lists and grids carry, and the
// owning list of such records.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

enum Tlang_preference : uint8_t { lang_nao_instalada, lang_instalada, lang_rank_2, lang_a_preferida };

// Font of the older format: the name is a length byte and up to 32 8-bit characters.
struct Told_fixed_character_format_rec {
  uint8_t charset_old = 0;
  uint8_t fontsize_old = 0;
  std::array<uint8_t, 33> fontname_old{};
};

struct Tfixed_character_format_rec32 {
  uint8_t charset = 0;
  uint8_t fontsize = 0;
  hundredwidechar fontname{};
};

struct Tfixed_lang_details32 {
  static constexpr std::size_t kStoredSize = 1040;
  uint8_t allow_middles_at_right = 0;
  uint8_t allow_middles_at_left = 0;
  uint8_t is_32_version = 0;
  uint32_t lcid = 0;
  Told_fixed_character_format_rec old_win_font;
  Tlang_preference preference = lang_nao_instalada;
  uint8_t custom_language = 0;
  uint8_t hyphen_breaks_word = 0;
  uint16_t win_codepage = 0;
  uint16_t dos_codepage = 0;
  tenwidechar allowable_middle_letters{};
  std::array<uint8_t, 129> spare_ANSI_lowers{};
  std::array<uint8_t, 129> spare_ANSI_uppers{};
  Tfixed_character_format_rec32 new_win_font;
  int32_t spare_custom_sort_string_number = 0;
  std::array<uint8_t, 4> spare_Bools{};
  TMyCanvasColourRec cores;
  int32_t language_number = 0;
  int32_t spare_hits = 0;
  std::array<uint8_t, 368> spare_ints{};  // spare_ints and spare, reserved
  fiftywidechar nome{};
};

using TLangDetailsImage = std::array<uint8_t, Tfixed_lang_details32::kStoredSize>;
TLangDetailsImage LangDetailsToImage(const Tfixed_lang_details32& lang);
Tfixed_lang_details32 LangDetailsFromImage(const TLangDetailsImage& image);
// The whole record as stored; false (record unchanged) on a short read or stream error.
bool WriteLangDetails(TStream& stream, const Tfixed_lang_details32& lang);
bool ReadLangDetails(TStream& stream, Tfixed_lang_details32& lang);

// A font size of 0 means no font was ever chosen: "Tahoma" at 10.
void EnsureALangFontOK(Tfixed_character_format_rec32& font);
void EnsureLanguageColoursAndFontOK(Tfixed_lang_details32& language);

class TFixedLangDetailsHolder {
 public:
  explicit TFixedLangDetailsHolder(const Tfixed_lang_details32& record) : fdata(record) {}
  Tfixed_lang_details32 fdata;
};

// Owns its holders.
class TFixedLangDetailsList {
 public:
  int32_t Count() const { return static_cast<int32_t>(fList.size()); }
  int32_t Add(const Tfixed_lang_details32& record);
  void Delete(int32_t i);
  void Clear() { fList.clear(); }
  // A copy of item i, or an all-zero record outside the list.
  Tfixed_lang_details32 GetALang(int32_t i) const;
  // Ignored outside the list.
  void SetALang(int32_t i, const Tfixed_lang_details32& record);

 private:
  std::vector<std::unique_ptr<TFixedLangDetailsHolder>> fList;
};

}  // namespace lx
