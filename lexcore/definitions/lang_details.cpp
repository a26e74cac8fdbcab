#include "lexcore/definitions/lang_details.h"

#include "lexcore/rtl/lx_byteimage.h"

namespace lx {

namespace {

constexpr auto kLangDetailsLayout = [](auto& io, auto& l) {
  io.Field(l.allow_middles_at_right);
  io.Field(l.allow_middles_at_left);
  io.Field(l.is_32_version);
  io.Pad(1);
  io.Field(l.lcid);
  io.Field(l.old_win_font.charset_old);
  io.Field(l.old_win_font.fontsize_old);
  io.Field(l.old_win_font.fontname_old);
  io.Field(l.preference);
  io.Field(l.custom_language);
  io.Field(l.hyphen_breaks_word);
  io.Field(l.win_codepage);
  io.Field(l.dos_codepage);
  io.Field(l.allowable_middle_letters);
  io.Field(l.spare_ANSI_lowers);
  io.Field(l.spare_ANSI_uppers);
  io.Field(l.new_win_font.charset);
  io.Field(l.new_win_font.fontsize);
  io.Field(l.new_win_font.fontname);
  io.Pad(2);
  io.Field(l.spare_custom_sort_string_number);
  io.Field(l.spare_Bools);
  io.Field(l.cores.colours);
  io.Field(l.language_number);
  io.Field(l.spare_hits);
  io.Field(l.spare_ints);
  io.Field(l.nome);
  io.Pad(2);
};
static_assert(ByteImageSizeIs<Tfixed_lang_details32>(kLangDetailsLayout, Tfixed_lang_details32::kStoredSize));

}  // namespace

TLangDetailsImage LangDetailsToImage(const Tfixed_lang_details32& l) {
  return WriteByteImage<Tfixed_lang_details32::kStoredSize>(l, kLangDetailsLayout);
}

Tfixed_lang_details32 LangDetailsFromImage(const TLangDetailsImage& image) {
  Tfixed_lang_details32 l;
  ReadByteImage(image.data(), image.size(), l, kLangDetailsLayout);
  return l;
}

bool WriteLangDetails(TStream& stream, const Tfixed_lang_details32& lang) {
  const TLangDetailsImage image = LangDetailsToImage(lang);
  try {
    return stream.Write(image.data(), image.size()) == static_cast<int64_t>(image.size());
  } catch (const Exception&) {
    return false;
  }
}

bool ReadLangDetails(TStream& stream, Tfixed_lang_details32& lang) {
  TLangDetailsImage image;
  try {
    if (stream.Read(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
  } catch (const Exception&) {
    return false;
  }
  lang = LangDetailsFromImage(image);
  return true;
}

void EnsureALangFontOK(Tfixed_character_format_rec32& font) {
  if (font.fontsize != 0) return;
  StringToWideCharArray(u"Tahoma", font.fontname);
  font.fontsize = 10;
}

void EnsureLanguageColoursAndFontOK(Tfixed_lang_details32& language) {
  EnsureColoursOK(language.cores);
  EnsureALangFontOK(language.new_win_font);
}

int32_t TFixedLangDetailsList::Add(const Tfixed_lang_details32& record) {
  fList.push_back(std::make_unique<TFixedLangDetailsHolder>(record));
  return Count() - 1;
}

void TFixedLangDetailsList::Delete(int32_t i) {
  if (i >= 0 && i < Count()) fList.erase(fList.begin() + i);
}

Tfixed_lang_details32 TFixedLangDetailsList::GetALang(int32_t i) const {
  if (i >= 0 && i < Count()) return fList[i]->fdata;
  return Tfixed_lang_details32{};
}

void TFixedLangDetailsList::SetALang(int32_t i, const Tfixed_lang_details32& record) {
  if (i >= 0 && i < Count()) fList[i]->fdata = record;
}

}  // namespace lx
