#include "lexcore/definitions/old_record_conversion.h"

#include <algorithm>
#include <cstring>

#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_byteimage.h"

namespace lx {

namespace {

constexpr auto kOldLangLayout = [](auto& io, auto& l) {
  io.Field(l.allow_middles_at_right);
  io.Field(l.allow_middles_at_left);
  io.Field(l.is_32_version);
  io.Field(l.spare);
  io.Field(l.spare2);
  io.Field(l.lcid);
  io.Field(l.old_win_font.charset_old);
  io.Field(l.old_win_font.fontsize_old);
  io.Field(l.old_win_font.fontname_old);
  io.Field(l.preference);
  io.Field(l.custom_language);
  io.Field(l.hyphen_breaks_word);
  io.Field(l.win_codepage);
  io.Field(l.dos_codepage);
  io.Field(l.spare_currency);
  io.Field(l.old_allowable_middle_letters);
  io.Field(l.allowable_middle_letters);
  io.Field(l.spare_st);
  io.Field(l.ANSI_lowers);
  io.Field(l.ANSI_uppers);
  io.Field(l.nome);
};
static_assert(ByteImageSize<Tfixed_lang_details_rec_old>(kOldLangLayout) ==
              Tfixed_lang_details_rec_old::kStoredSize);

constexpr auto kExtraStatsLayout = [](auto& io, auto& r) {
  io.Field(r.total_bytes);
  io.Field(r.zips_added);
  io.Field(r.version);
  io.Field(r.spare);
};
static_assert(ByteImageSize<TFileInfoExtraStatsRec>(kExtraStatsLayout) ==
              TFileInfoExtraStatsRec::kStoredSize);

// The old heading: fixed fields packed without the later reserved areas, then (long form) the first five
// column statistics.
struct TOldGridHead {
  uint8_t alignment = 0;
  uint8_t typefaces = 0;
  uint8_t editable = 0;
  uint8_t decimals = 0;
  float minimum = 0;
  int32_t colour = 0;
  uint8_t allow_case_change = 0;
  uint8_t extra_computed = 0;
  uint8_t numerical = 0;
  uint8_t heading_visible = 0;
  int16_t original_column = 0;
  int16_t pixel_width96 = 0;
  uint8_t output_case = 0;
  uint8_t ShowAsApproximate = 0;
  uint8_t wordwrap = 0;
  uint8_t percent_data = 0;
  int32_t HelpContext = 0;
  int32_t localization_number = 0;
  uint8_t previous_decimals = 0;
  uint8_t has_custom_heading = 0;
  uint8_t timeline_basis = 0;
  uint8_t timelinerounded = 0;
  uint8_t SortStateAscending = 0;
  std::array<float, 5> descriptives{};
};

constexpr auto kOldGridHeadLayout = [](auto& io, auto& h) {
  io.Field(h.alignment);
  io.Field(h.typefaces);
  io.Field(h.editable);
  io.Field(h.decimals);
  io.Field(h.minimum);
  io.Field(h.colour);
  io.Field(h.allow_case_change);
  io.Field(h.extra_computed);
  io.Field(h.numerical);
  io.Field(h.heading_visible);
  io.Field(h.original_column);
  io.Field(h.pixel_width96);
  io.Field(h.output_case);
  io.Field(h.ShowAsApproximate);
  io.Field(h.wordwrap);
  io.Field(h.percent_data);
  io.Field(h.HelpContext);
  io.Field(h.localization_number);
  io.Field(h.previous_decimals);
  io.Field(h.has_custom_heading);
  io.Field(h.timeline_basis);
  io.Field(h.timelinerounded);
  io.Field(h.SortStateAscending);
  io.Pad(3);
  io.Field(h.descriptives);
};
static_assert(ByteImageSize<TOldGridHead>(kOldGridHeadLayout) == kOldGridHeadLongSize);

// Reads up to n bytes; a stream error counts as nothing read.
int64_t ReadUpTo(TStream& stream, void* buffer, int64_t n) {
  try {
    return stream.Read(buffer, n);
  } catch (const Exception&) {
    return 0;
  }
}

bool StepBack(TStream& stream, int64_t position) {
  try {
    stream.SetPosition(position);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// A length-prefixed 8-bit text held in a fixed array, the length capped to what the array holds.
std::string_view ShortStringBytes(const uint8_t* a, std::size_t arraySize) {
  const std::size_t n = std::min<std::size_t>(a[0], arraySize - 1);
  return std::string_view(reinterpret_cast<const char*>(a + 1), n);
}

void RepairTextColour(Tfixed_lang_details32& language) {
  auto& c = language.cores.colours;
  if (c[tct_text] != c[tct_background]) return;
  const TMyCanvasColourRec standard = BogStandardColours();
  c[tct_text] = standard.colours[tct_text];
  // Old records carry no colours at all: black on black would hide the text.
  if (c[tct_text] == c[tct_background]) c[tct_background] = standard.colours[tct_background];
}

}  // namespace

TOldLangDetailsImage OldLangDetailsToImage(const Tfixed_lang_details_rec_old& old) {
  return WriteByteImage<Tfixed_lang_details_rec_old::kStoredSize>(old, kOldLangLayout);
}

Tfixed_lang_details_rec_old OldLangDetailsFromImage(const TOldLangDetailsImage& image) {
  Tfixed_lang_details_rec_old old;
  ReadByteImage(image.data(), image.size(), old, kOldLangLayout);
  return old;
}

Tfixed_character_format_rec32 New_WinFontFromOldWin_Font(const Told_fixed_character_format_rec& old) {
  Tfixed_character_format_rec32 font;
  font.charset = old.charset_old;
  font.fontsize = old.fontsize_old;
  const std::string_view name = ShortStringBytes(old.fontname_old.data(), old.fontname_old.size());
  // One character per code unit: font names of the old form were plain ASCII.
  for (std::size_t i = 0; i < name.size() && i + 1 < font.fontname.size(); ++i)
    font.fontname[i] = static_cast<uint8_t>(name[i]);
  return font;
}

Tfixed_lang_details32 LangDetNewFromOld(const Tfixed_lang_details_rec_old& old) {
  Tfixed_lang_details32 l;
  l.allow_middles_at_right = old.allow_middles_at_right;
  l.allow_middles_at_left = old.allow_middles_at_left;
  l.lcid = old.lcid;
  l.old_win_font = old.old_win_font;
  l.new_win_font = New_WinFontFromOldWin_Font(old.old_win_font);
  l.preference = old.preference;
  l.custom_language = old.custom_language;
  l.hyphen_breaks_word = old.hyphen_breaks_word;
  l.win_codepage = old.win_codepage;
  l.dos_codepage = old.dos_codepage;
  UnicodeString middles;
  for (uint8_t b : old.old_allowable_middle_letters) {
    if (b <= 32) continue;
    const char c = static_cast<char>(b);
    middles += AnsiBytesToUnicode(std::string_view(&c, 1));
  }
  StringToWideCharArray(middles, l.allowable_middle_letters);
  StringToWideCharArray(AnsiBytesToUnicode(ShortStringBytes(old.nome.data(), old.nome.size())), l.nome);
  return l;
}

bool Readfixed_lang_details_rec(TStream& stream, Tfixed_lang_details32& language, int32_t version) {
  language = Tfixed_lang_details32{};
  bool ok = false;
  bool current = version == 5 || version == 6 || version == 7 || version == 18;
  if (!current) {
    uint8_t head[3] = {};
    int64_t start = 0;
    try {
      start = stream.GetPosition();
    } catch (const Exception&) {
      return false;
    }
    if (ReadUpTo(stream, head, 3) != 3 || !StepBack(stream, start)) return false;
    if (head[2] == 0) {
      TOldLangDetailsImage image{};
      ok = ReadUpTo(stream, image.data(), image.size()) == static_cast<int64_t>(image.size());
      language = LangDetNewFromOld(OldLangDetailsFromImage(image));
    } else {
      current = true;
    }
  }
  // Version 5 held the current layout already; nothing in it needs moving.
  if (current) {
    TLangDetailsImage image{};
    ok = ReadUpTo(stream, image.data(), image.size()) == static_cast<int64_t>(image.size());
    language = LangDetailsFromImage(image);
  }
  RepairTextColour(language);
  return ok;
}

TExtraStatsImage ExtraStatsToImage(const TFileInfoExtraStatsRec& rec) {
  return WriteByteImage<TFileInfoExtraStatsRec::kStoredSize>(rec, kExtraStatsLayout);
}

bool ExtraStatsRecFromStream(TStream& stream, TFileInfoExtraStatsRec& rec) {
  rec = TFileInfoExtraStatsRec{};
  int64_t start = 0;
  try {
    start = stream.GetPosition();
  } catch (const Exception&) {
    return false;
  }
  std::array<uint8_t, TFileInfoExtraStatsRec::kOldStoredSize> old{};
  const bool oldOk = ReadUpTo(stream, old.data(), old.size()) == static_cast<int64_t>(old.size());
  int32_t words[4];
  std::memcpy(words, old.data(), sizeof(words));
  if (oldOk && words[3] >= 2) {
    TExtraStatsImage image{};
    if (!StepBack(stream, start)) return false;
    const bool ok = ReadUpTo(stream, image.data(), image.size()) == static_cast<int64_t>(image.size());
    ReadByteImage(image.data(), image.size(), rec, kExtraStatsLayout);
    return ok;
  }
  rec.total_bytes = words[0];
  rec.zips_added = words[1];
  rec.version = words[2];
  return oldOk;
}

TGrid_head32 ReadOldGridHeadings(TStream& stream, bool longForm, bool& ok) {
  std::array<uint8_t, kOldGridHeadLongSize> image{};
  const int64_t want = longForm ? kOldGridHeadLongSize : kOldGridHeadShortSize;
  const int64_t got = ReadUpTo(stream, image.data(), want);
  ok = got == want;
  TGrid_head32 h;
  if (got <= 0) return h;
  TOldGridHead old;
  ReadByteImage(image.data(), image.size(), old, kOldGridHeadLayout);
  h.alignment = static_cast<TLXAlignment>(old.alignment);
  h.typefaces.Image()[0] = old.typefaces;
  h.editable = static_cast<editable_type>(old.editable);
  h.minimum = old.minimum;
  h.decimals = old.decimals;
  h.user_specified_background = old.colour;
  h.allow_case_change = old.allow_case_change;
  h.extra_computed = old.extra_computed;
  h.numerical = old.numerical;
  h.heading_visible = old.heading_visible;
  h.original_column = old.original_column;
  h.pixel_width96 = old.pixel_width96;
  h.output_case = static_cast<TOutput_results_case>(old.output_case);
  h.ShowAsApproximate = old.ShowAsApproximate;
  h.wordwrap = old.wordwrap;
  h.percent_data = old.percent_data;
  h.HelpContext = old.HelpContext;
  h.localization_number = old.localization_number;
  h.previous_decimals = old.previous_decimals;
  h.has_custom_heading = old.has_custom_heading;
  h.timeline_basis = static_cast<TTimeLinePlotbase>(old.timeline_basis);
  h.timelinerounded = old.timelinerounded;
  h.SortStateAscending = static_cast<TtriBool>(old.SortStateAscending);
  for (std::size_t i = 0; i < old.descriptives.size(); ++i)
    h.column_data.descriptives[i] = old.descriptives[i];
  h.span = span_R51;
  return h;
}

std::array<uint8_t, kOldGridHeadLongSize> OldGridHeadToImage(const TGrid_head32& h) {
  TOldGridHead old;
  old.alignment = h.alignment;
  old.typefaces = h.typefaces.Image()[0];
  old.editable = h.editable;
  old.decimals = h.decimals;
  old.minimum = h.minimum;
  old.colour = h.user_specified_background;
  old.allow_case_change = h.allow_case_change;
  old.extra_computed = h.extra_computed;
  old.numerical = h.numerical;
  old.heading_visible = h.heading_visible;
  old.original_column = h.original_column;
  old.pixel_width96 = h.pixel_width96;
  old.output_case = h.output_case;
  old.ShowAsApproximate = h.ShowAsApproximate;
  old.wordwrap = h.wordwrap;
  old.percent_data = h.percent_data;
  old.HelpContext = h.HelpContext;
  old.localization_number = h.localization_number;
  old.previous_decimals = h.previous_decimals;
  old.has_custom_heading = h.has_custom_heading;
  old.timeline_basis = h.timeline_basis;
  old.timelinerounded = h.timelinerounded;
  old.SortStateAscending = h.SortStateAscending;
  for (std::size_t i = 0; i < old.descriptives.size(); ++i)
    old.descriptives[i] = h.column_data.descriptives[i];
  return WriteByteImage<kOldGridHeadLongSize>(old, kOldGridHeadLayout);
}

}  // namespace lx
