#include "lexcore/definitions/old_record_conversion.h"

#include <algorithm>
#include <cstring>

#include "lexcore/platform/win_locale.h"
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

// ---- Text settings, concordance settings, chosen files, relationships, text statistics ----

namespace {

bool PositionOf(TStream& stream, int64_t& position) {
  try {
    position = stream.GetPosition();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

template <std::size_t N>
bool ReadImage(TStream& stream, std::array<uint8_t, N>& image) {
  image.fill(0);
  return ReadUpTo(stream, image.data(), N) == static_cast<int64_t>(N);
}

// A length-prefixed 8-bit text widened into a zero-terminated UTF-16 array.
template <std::size_t M, std::size_t N>
void WidenShortString(const std::array<uint8_t, M>& from, std::array<char16_t, N>& to) {
  StringToWideCharArray(AnsiBytesToUnicode(ShortStringBytes(from.data(), M)), to);
}

constexpr auto kTextStatsLayout = [](auto& io, auto& t) {
  io.Field(t.n);
  io.Field(t.mean);
  io.Field(t.std_dev);
};

constexpr auto kHorizonsLayout = [](auto& io, auto& h) {
  io.Field(h.to_left);
  io.Field(h.to_right);
};

// The fields that follow the language part; the same for the current text settings whatever the language.
constexpr auto kTextSettingsRestLayout = [](auto& io, auto& t) {
  io.Field(t.tag_treatment);
  io.Field(t.option_flags);
  io.Field(t.max_tag_length);
  io.Field(t.tag_open);
  io.Field(t.tag_close);
  io.Field(t.ignored_tags);
  io.Field(t.text_start_marker);
  io.Field(t.text_end_marker);
  io.Field(t.spare);
};
static_assert(ByteImageSize<TTextsett_rec32>(kTextSettingsRestLayout) == TTextsett_rec32::kRestSize);

constexpr std::size_t kOldLanguageSize = Tfixed_lang_details_rec_old::kStoredSize;

constexpr auto kOldTextSettingsRestLayout = [](auto& io, auto& t) {
  io.Field(t.tag_treatment);
  io.Field(t.ansi_texts);
  io.Field(t.dos_texts);
  io.Field(t.option_flags);
  io.Field(t.max_tag_length);
  io.Field(t.tag_open);
  io.Field(t.tag_close);
  io.Field(t.ignored_tags);
  io.Field(t.text_start_marker);
  io.Field(t.text_end_marker);
  io.Field(t.spare);
};
static_assert(ByteImageSize<TTextsett_rec_old>(kOldTextSettingsRestLayout) ==
              TTextsett_rec_old::kStoredSize - kOldLanguageSize);

constexpr auto kConcSettingsLayout = [](auto& io, auto& c) {
  io.Field(c.version);
  io.Field(c.case_sensitive);
  io.Field(c.punctuation_as_space);
  io.Field(c.collocates_wanted);
  io.Field(c.n_to_find);
  io.Field(c.context_characters);
  io.Field(c.context_seek_span);
  io.Field(c.otherSWs_required);
  kHorizonsLayout(io, c.horizons);
  io.Field(c.min_collocate_frequency);
  io.Field(c.sort_levels);
  io.Field(c.spare1);
  io.Field(c.search_word);
  io.Field(c.context_words);
  io.Field(c.spare);
};
static_assert(ByteImageSize<TConcSettingsRec32>(kConcSettingsLayout) == TConcSettingsRec32::kStoredSize);
static_assert(ByteImageSize<TConcSettingsRecOld>(kConcSettingsLayout) == TConcSettingsRecOld::kStoredSize);

constexpr auto kRelationSettingsLayout = [](auto& io, auto& r) {
  io.Field(r.version);
  io.Field(r.compute_collocation);
  io.Field(r.case_sensitive);
  io.Field(r.omit_numbers);
  io.Field(r.omit_stoplist_words);
  io.Field(r.within_sentence);
  io.Field(r.show_reverse_pairs);
  io.Field(r.compute_all_measures);
  io.Field(r.min_word_frequency);
  io.Field(r.min_joint_frequency);
  io.Field(r.max_entries);
  kHorizonsLayout(io, r.horizons);
  io.Field(r.thresholds);
  io.Field(r.main_measure);
  io.Field(r.measure_wanted);
  io.Field(r.spare);
};
static_assert(ByteImageSize<TRelation_settings32>(kRelationSettingsLayout) ==
              TRelation_settings32::kStoredSize);

constexpr auto kOldRelationSettingsLayout = [](auto& io, auto& r) {
  io.Field(r.version);
  io.Field(r.compute_collocation);
  io.Field(r.case_sensitive);
  io.Field(r.omit_numbers);
  io.Field(r.omit_stoplist_words);
  io.Field(r.within_sentence);
  io.Field(r.show_reverse_pairs);
  io.Field(r.spare1);
  io.Field(r.min_word_frequency);
  io.Field(r.min_joint_frequency);
  io.Field(r.max_entries);
  io.Field(r.spare);
};
static_assert(ByteImageSize<TMutual_info_settings_old>(kOldRelationSettingsLayout) ==
              TMutual_info_settings_old::kStoredSize);

constexpr auto kMutualInfoOldLayout = [](auto& io, auto& r) {
  io.Field(r.word_A);
  io.Field(r.word_B);
  io.Field(r.freq_A);
  io.Field(r.freq_B);
  io.Field(r.joint_freq);
  io.Field(r.total_words);
  kHorizonsLayout(io, r.horizons);
  io.Field(r.measures);
};
static_assert(ByteImageSize<TMutualInfo_recOld>(kMutualInfoOldLayout) == TMutualInfo_recOld::kStoredSize);

constexpr auto kMutualInfoLayout = [](auto& io, auto& r) {
  kMutualInfoOldLayout(io, r);
  io.Field(r.texts_count);
  io.Field(r.mean_distance);
  io.Field(r.deleted);
  io.Field(r.spare);
};
static_assert(ByteImageSize<TMutualInfo_recFeb2016>(kMutualInfoLayout) ==
              TMutualInfo_recFeb2016::kStoredSize);

constexpr auto kOneTextStatsLayout = [](auto& io, auto& r) {
  io.Field(r.text_bytes);
  io.Field(r.tokens);
  io.Field(r.types);
  io.Field(r.type_token_ratio);
  io.Field(r.standardised_ttr);
  io.Field(r.standardised_ttr_std_dev);
  io.Field(r.standardised_ttr_basis);
  kTextStatsLayout(io, r.word_length);
  kTextStatsLayout(io, r.sentences);
  kTextStatsLayout(io, r.paragraphs);
  kTextStatsLayout(io, r.headings);
  kTextStatsLayout(io, r.sections);
  io.Field(r.numbers_removed);
  io.Field(r.stoplist_tokens);
  io.Field(r.stoplist_types);
  io.Field(r.letter_words);
  io.Field(r.longer_words);
  io.Field(r.spare);
};
static_assert(ByteImageSize<Tone_text_stats_rec_old_base>(kOneTextStatsLayout) ==
              Tone_text_stats_rec_old_base::kStoredSize);

constexpr auto kOldOneTextStatsLayout = [](auto& io, auto& r) {
  kOneTextStatsLayout(io, r.base);
  io.Field(r.text_number);
};
static_assert(ByteImageSize<Tone_text_stats_rec_old>(kOldOneTextStatsLayout) ==
              Tone_text_stats_rec_old::kStoredSize);

// Language and settings that come out of any reader: a locale and readable colours.
void FinishTextSettings(TTextsett_rec32& settings) {
  if (settings.language.lcid == 0) settings.language.lcid = GetUserDefaultLCID();
  RepairTextColour(settings.language);
}

}  // namespace

TTextSettingsImage TextSettingsToImage(const TTextsett_rec32& settings) {
  TTextSettingsImage image{};
  const TLangDetailsImage language = LangDetailsToImage(settings.language);
  std::copy(language.begin(), language.end(), image.begin());
  const auto rest = WriteByteImage<TTextsett_rec32::kRestSize>(settings, kTextSettingsRestLayout);
  std::copy(rest.begin(), rest.end(), image.begin() + language.size());
  return image;
}

TTextsett_rec32 TextSettingsFromImage(const TTextSettingsImage& image) {
  TTextsett_rec32 settings;
  TLangDetailsImage language;
  std::copy_n(image.begin(), language.size(), language.begin());
  settings.language = LangDetailsFromImage(language);
  ReadByteImage(image.data() + language.size(), TTextsett_rec32::kRestSize, settings,
                kTextSettingsRestLayout);
  return settings;
}

TOldTextSettingsImage OldTextSettingsToImage(const TTextsett_rec_old& old) {
  TOldTextSettingsImage image{};
  const TOldLangDetailsImage language = OldLangDetailsToImage(old.language);
  std::copy(language.begin(), language.end(), image.begin());
  const auto rest =
      WriteByteImage<TTextsett_rec_old::kStoredSize - kOldLanguageSize>(old, kOldTextSettingsRestLayout);
  std::copy(rest.begin(), rest.end(), image.begin() + kOldLanguageSize);
  return image;
}

TTextsett_rec_old OldTextSettingsFromImage(const TOldTextSettingsImage& image) {
  TTextsett_rec_old old;
  TOldLangDetailsImage language;
  std::copy_n(image.begin(), language.size(), language.begin());
  old.language = OldLangDetailsFromImage(language);
  ReadByteImage(image.data() + kOldLanguageSize, image.size() - kOldLanguageSize, old,
                kOldTextSettingsRestLayout);
  return old;
}

TTextsett_rec32 TextSettingsNewFromOld(const TTextsett_rec_old& old) {
  TTextsett_rec32 s;
  s.language = LangDetNewFromOld(old.language);
  s.tag_treatment = old.tag_treatment;
  std::copy(old.option_flags.begin(), old.option_flags.end(), s.option_flags.begin());
  s.max_tag_length = old.max_tag_length;
  WidenShortString(old.tag_open, s.tag_open);
  WidenShortString(old.tag_close, s.tag_close);
  WidenShortString(old.ignored_tags, s.ignored_tags);
  WidenShortString(old.text_start_marker, s.text_start_marker);
  WidenShortString(old.text_end_marker, s.text_end_marker);
  return s;
}

bool ReadInTextSettings(TStream& stream, TTextsett_rec32& settings, int32_t version) {
  settings = TTextsett_rec32{};
  bool ok = false;
  bool current = version == 5 || version == 6 || version == 7 || version == 18;
  if (!current) {
    int64_t start = 0;
    if (!PositionOf(stream, start)) return false;
    TOldTextSettingsImage image;
    ok = ReadImage(stream, image);
    const TTextsett_rec_old old = OldTextSettingsFromImage(image);
    // The 8-bit text flags sit in reserved bytes of a current language part, so they only mark old records.
    if (!old.language.is_32_version || old.ansi_texts || old.dos_texts) {
      settings = TextSettingsNewFromOld(old);
    } else {
      if (!StepBack(stream, start)) return false;
      current = true;
    }
  }
  // Version 5 kept the current layout: its language part needs no moving, nor does the rest.
  if (current) {
    TTextSettingsImage image;
    ok = ReadImage(stream, image);
    settings = TextSettingsFromImage(image);
  }
  FinishTextSettings(settings);
  return ok;
}

TConcSettingsImage ConcSettingsToImage(const TConcSettingsRec32& settings) {
  return WriteByteImage<TConcSettingsRec32::kStoredSize>(settings, kConcSettingsLayout);
}

TConcSettingsRec32 ConcSettingsFromImage(const TConcSettingsImage& image) {
  TConcSettingsRec32 settings;
  ReadByteImage(image.data(), image.size(), settings, kConcSettingsLayout);
  return settings;
}

TOldConcSettingsImage OldConcSettingsToImage(const TConcSettingsRecOld& old) {
  return WriteByteImage<TConcSettingsRecOld::kStoredSize>(old, kConcSettingsLayout);
}

TConcSettingsRecOld OldConcSettingsFromImage(const TOldConcSettingsImage& image) {
  TConcSettingsRecOld old;
  ReadByteImage(image.data(), image.size(), old, kConcSettingsLayout);
  return old;
}

TConcSettingsRec32 ConcSettingsNewFromOld(const TConcSettingsRecOld& old) {
  TConcSettingsRec32 c;
  c.case_sensitive = old.case_sensitive;
  c.punctuation_as_space = old.punctuation_as_space;
  c.collocates_wanted = old.collocates_wanted;
  c.n_to_find = old.n_to_find;
  c.context_characters = old.context_characters;
  c.context_seek_span = old.context_seek_span;
  c.otherSWs_required = old.otherSWs_required;
  c.horizons = old.horizons;
  c.min_collocate_frequency = old.min_collocate_frequency;
  c.sort_levels = old.sort_levels;
  WidenShortString(old.search_word, c.search_word);
  for (std::size_t i = 0; i < c.context_words.size(); ++i)
    WidenShortString(old.context_words[i], c.context_words[i]);
  return c;
}

bool ReadInConcSettRec(TStream& stream, TConcSettingsRec32& settings, int32_t version) {
  settings = TConcSettingsRec32{};
  bool current = (version >= 5 && version <= 7) || version == 18 || version == 19;
  if (!current) {
    int64_t start = 0;
    if (!PositionOf(stream, start)) return false;
    TOldConcSettingsImage image;
    const bool ok = ReadImage(stream, image);
    const TConcSettingsRecOld old = OldConcSettingsFromImage(image);
    if (old.version < kConcSettingsVersion) {
      settings = ConcSettingsNewFromOld(old);
      return ok;
    }
    if (!StepBack(stream, start)) return false;
  }
  TConcSettingsImage image;
  const bool ok = ReadImage(stream, image);
  settings = ConcSettingsFromImage(image);
  return ok;
}

TRelationSettingsImage RelationSettingsToImage(const TRelation_settings32& settings) {
  return WriteByteImage<TRelation_settings32::kStoredSize>(settings, kRelationSettingsLayout);
}

TRelation_settings32 RelationSettingsFromImage(const TRelationSettingsImage& image) {
  TRelation_settings32 settings;
  ReadByteImage(image.data(), image.size(), settings, kRelationSettingsLayout);
  return settings;
}

TOldRelationSettingsImage OldRelationSettingsToImage(const TMutual_info_settings_old& old) {
  return WriteByteImage<TMutual_info_settings_old::kStoredSize>(old, kOldRelationSettingsLayout);
}

TMutual_info_settings_old OldRelationSettingsFromImage(const TOldRelationSettingsImage& image) {
  TMutual_info_settings_old old;
  ReadByteImage(image.data(), image.size(), old, kOldRelationSettingsLayout);
  return old;
}

bool TMutual_info_settings32FromStream(TStream& stream, TRelation_settings32& settings) {
  settings = RelationSettingsFromImage(TRelationSettingsImage{});
  int64_t start = 0;
  if (!PositionOf(stream, start)) return false;
  TOldRelationSettingsImage oldImage;
  const bool oldOk = ReadImage(stream, oldImage);
  if (oldOk && oldImage[0] >= kRelationSettingsVersion) {
    if (!StepBack(stream, start)) return false;
    TRelationSettingsImage image;
    const bool ok = ReadImage(stream, image);
    settings = RelationSettingsFromImage(image);
    return ok;
  }
  const TMutual_info_settings_old old = OldRelationSettingsFromImage(oldImage);
  settings.version = old.version;
  settings.compute_collocation = old.compute_collocation;
  settings.case_sensitive = old.case_sensitive;
  settings.omit_numbers = old.omit_numbers;
  settings.omit_stoplist_words = old.omit_stoplist_words;
  settings.within_sentence = old.within_sentence;
  settings.show_reverse_pairs = old.show_reverse_pairs;
  settings.min_word_frequency = old.min_word_frequency;
  settings.min_joint_frequency = old.min_joint_frequency;
  settings.max_entries = old.max_entries;
  // Old settings computed every measure and had no thresholds.
  settings.compute_all_measures = 1;
  settings.thresholds.fill(kThresholdNotSet);
  return oldOk;
}

TMutual_info_settings_old TMutual_info_settingsOldFrom32(const TRelation_settings32& settings) {
  TMutual_info_settings_old old;
  old.version = static_cast<uint8_t>(std::min<int>(settings.version, kRelationSettingsVersion - 1));
  old.compute_collocation = settings.compute_collocation;
  old.case_sensitive = settings.case_sensitive;
  old.omit_numbers = settings.omit_numbers;
  old.omit_stoplist_words = settings.omit_stoplist_words;
  old.within_sentence = settings.within_sentence;
  old.show_reverse_pairs = settings.show_reverse_pairs;
  old.min_word_frequency = settings.min_word_frequency;
  old.min_joint_frequency = settings.min_joint_frequency;
  old.max_entries = settings.max_entries;
  return old;
}

std::array<uint8_t, TMutualInfo_recOld::kStoredSize> MutualInfoOldToImage(const TMutualInfo_recOld& old) {
  return WriteByteImage<TMutualInfo_recOld::kStoredSize>(old, kMutualInfoOldLayout);
}

TMutualInfo_recOld MutualInfoOldFromImage(const std::array<uint8_t, TMutualInfo_recOld::kStoredSize>& image) {
  TMutualInfo_recOld old;
  ReadByteImage(image.data(), image.size(), old, kMutualInfoOldLayout);
  return old;
}

std::array<uint8_t, TMutualInfo_recFeb2016::kStoredSize> MutualInfoToImage(
    const TMutualInfo_recFeb2016& rec) {
  return WriteByteImage<TMutualInfo_recFeb2016::kStoredSize>(rec, kMutualInfoLayout);
}

TMutualInfo_recFeb2016 MutualInfoFromImage(
    const std::array<uint8_t, TMutualInfo_recFeb2016::kStoredSize>& image) {
  TMutualInfo_recFeb2016 rec;
  ReadByteImage(image.data(), image.size(), rec, kMutualInfoLayout);
  return rec;
}

TMutualInfo_recFeb2016 TMutual_info_Rec32FromOld(const TMutualInfo_recOld& old) {
  TMutualInfo_recFeb2016 rec;
  rec.word_A = old.word_A;
  rec.word_B = old.word_B;
  rec.freq_A = old.freq_A;
  rec.freq_B = old.freq_B;
  rec.joint_freq = old.joint_freq;
  rec.total_words = old.total_words;
  rec.horizons = old.horizons;
  rec.measures = old.measures;
  return rec;
}

std::array<uint8_t, Tone_text_stats_rec_old_base::kStoredSize> OneTextStatsToImage(
    const Tone_text_stats_rec_old_base& rec) {
  return WriteByteImage<Tone_text_stats_rec_old_base::kStoredSize>(rec, kOneTextStatsLayout);
}

Tone_text_stats_rec_old_base OneTextStatsFromImage(
    const std::array<uint8_t, Tone_text_stats_rec_old_base::kStoredSize>& image) {
  Tone_text_stats_rec_old_base rec;
  ReadByteImage(image.data(), image.size(), rec, kOneTextStatsLayout);
  return rec;
}

std::array<uint8_t, Tone_text_stats_rec_old::kStoredSize> OldOneTextStatsToImage(
    const Tone_text_stats_rec_old& old) {
  return WriteByteImage<Tone_text_stats_rec_old::kStoredSize>(old, kOldOneTextStatsLayout);
}

Tone_text_stats_rec_old OldOneTextStatsFromImage(
    const std::array<uint8_t, Tone_text_stats_rec_old::kStoredSize>& image) {
  Tone_text_stats_rec_old old;
  ReadByteImage(image.data(), image.size(), old, kOldOneTextStatsLayout);
  return old;
}

Tone_text_stats_rec_old_base OneTextStatsRecFromOld(const Tone_text_stats_rec_old& old) {
  return old.base;
}

}  // namespace lx
