#include "lexcore/definitions/lang_details.h"

#include "lexcore/rtl/lx_byteimage.h"

namespace lx {

TLangDetailsImage LangDetailsToImage(const Tfixed_lang_details32& l) {
  TLangDetailsImage image;
  TByteImageWriter w(image.data(), image.size());
  w.Put(l.allow_middles_at_right);
  w.Put(l.allow_middles_at_left);
  w.Put(l.is_32_version);
  w.Zeros(1);
  w.Put(l.lcid);
  w.Put(l.old_win_font.charset_old);
  w.Put(l.old_win_font.fontsize_old);
  w.Put(l.old_win_font.fontname_old);
  w.Put(l.preference);
  w.Put(l.custom_language);
  w.Put(l.hyphen_breaks_word);
  w.Put(l.win_codepage);
  w.Put(l.dos_codepage);
  w.Put(l.allowable_middle_letters);
  w.Put(l.spare_ANSI_lowers);
  w.Put(l.spare_ANSI_uppers);
  w.Put(l.new_win_font.charset);
  w.Put(l.new_win_font.fontsize);
  w.Put(l.new_win_font.fontname);
  w.Zeros(2);
  w.Put(l.spare_custom_sort_string_number);
  w.Put(l.spare_Bools);
  w.Put(l.cores.colours);
  w.Put(l.language_number);
  w.Put(l.spare_hits);
  w.Put(l.spare_ints);
  w.Put(l.nome);
  w.Zeros(2);
  LX_ASSERT(w.Position() == Tfixed_lang_details32::kStoredSize, "language record image size");
  return image;
}

Tfixed_lang_details32 LangDetailsFromImage(const TLangDetailsImage& image) {
  Tfixed_lang_details32 l;
  TByteImageReader r(image.data(), image.size());
  r.Get(l.allow_middles_at_right);
  r.Get(l.allow_middles_at_left);
  r.Get(l.is_32_version);
  r.Skip(1);
  r.Get(l.lcid);
  r.Get(l.old_win_font.charset_old);
  r.Get(l.old_win_font.fontsize_old);
  r.Get(l.old_win_font.fontname_old);
  r.Get(l.preference);
  r.Get(l.custom_language);
  r.Get(l.hyphen_breaks_word);
  r.Get(l.win_codepage);
  r.Get(l.dos_codepage);
  r.Get(l.allowable_middle_letters);
  r.Get(l.spare_ANSI_lowers);
  r.Get(l.spare_ANSI_uppers);
  r.Get(l.new_win_font.charset);
  r.Get(l.new_win_font.fontsize);
  r.Get(l.new_win_font.fontname);
  r.Skip(2);
  r.Get(l.spare_custom_sort_string_number);
  r.Get(l.spare_Bools);
  r.Get(l.cores.colours);
  r.Get(l.language_number);
  r.Get(l.spare_hits);
  r.Get(l.spare_ints);
  r.Get(l.nome);
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
