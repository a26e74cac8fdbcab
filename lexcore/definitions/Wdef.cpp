#include "lexcore/definitions/Wdef.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "lexcore/platform/lx_zip.h"
#include "lexcore/rtl/lx_byteimage.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_log.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

LX_RESOURCESTRING(_LXlt_word_list, u"Word list")
LX_RESOURCESTRING(_LXlt_keyword_list, u"Key word list")
LX_RESOURCESTRING(_LXlt_KW_database_list, u"Keywords Database")
LX_RESOURCESTRING(_LXlt_detailed_consistency_relations_list, u"Detailed Consistency Relations List")
LX_RESOURCESTRING(_LXlt_detailed_consistency_list, u"Detailed Consistency List")
LX_RESOURCESTRING(_LXlt_collocate_list, u"Collocate List")
LX_RESOURCESTRING(_LXlt_KWs_as_word_list, u"KeyWords as WordList")
LX_RESOURCESTRING(_LXlt_KWDB_as_word_list, u"KWDBase as WordList")
LX_RESOURCESTRING(_LXlt_associates_as_word_list, u"Associates as WordList")
LX_RESOURCESTRING(_LXlt_clumps_as_word_list, u"Clumps as WordList")
LX_RESOURCESTRING(_LXlt_concordance_list, u"Concordance list")
LX_RESOURCESTRING(_LXlt_KW_plot_list, u"KeyWords Plot list")
LX_RESOURCESTRING(_LXlt_concordance_plot_list, u"Concordance Plot list")
LX_RESOURCESTRING(_LXlt_concordance_cluster_list, u"Concordance Cluster List")
LX_RESOURCESTRING(_LXlt_concordance_pattern_list, u"Concordance Pattern List")
LX_RESOURCESTRING(_LXlt_associate_list, u"Associate List")
LX_RESOURCESTRING(_LXlt_clump_list, u"Clump List")
LX_RESOURCESTRING(_LXlt_filename_list, u"Filename List")
LX_RESOURCESTRING(_LXlt_link_list, u"Link List")
LX_RESOURCESTRING(_LXlt_statistics_list, u"Statistics List")
LX_RESOURCESTRING(_LXlt_timeline_list, u"Timeline List")
LX_RESOURCESTRING(_LXlt_aligner_list, u"Aligner List")
LX_RESOURCESTRING(_LXlt_aligner_plaintext_list, u"Text List")
LX_RESOURCESTRING(_LXlt_wordlist_index_list, u"Wordlist Index List")
LX_RESOURCESTRING(_LXlt_kw_cluster_list, u"KeyWords Cluster list")
LX_RESOURCESTRING(_LXlt_notes, u"Notes")
LX_RESOURCESTRING(_LXlt_source_text, u"source text")
LX_RESOURCESTRING(_LXlt_index_relationship_list, u"Relationships List")
LX_RESOURCESTRING(_LXlt_viewer_list, u"Viewer List")
LX_RESOURCESTRING(_LXlt_concgram_list, u"LXConcgram List")
LX_RESOURCESTRING(_LXlt_markup_list, u"Markup List")
LX_RESOURCESTRING(_LXlt_sections_list, u"Section List")
LX_RESOURCESTRING(_LXlt_chargram_list, u"Chargram List")
LX_RESOURCESTRING(_LXlT_chargram_pattern_list, u"Chargram Pattern List")
LX_RESOURCESTRING(_LXlt_sorting, u"Sort")

namespace {

// Kinds without a display name have no resource string.
const std::array<const TResourceString*, kListKindCount> kListTypeNames = {
    &_LXlt_word_list,
    &_LXlt_keyword_list,
    &_LXlt_KW_database_list,
    &_LXlt_detailed_consistency_relations_list,
    &_LXlt_detailed_consistency_list,
    &_LXlt_collocate_list,
    &_LXlt_KWs_as_word_list,
    &_LXlt_KWDB_as_word_list,
    &_LXlt_associates_as_word_list,
    &_LXlt_clumps_as_word_list,
    &_LXlt_concordance_list,
    &_LXlt_KW_plot_list,
    &_LXlt_concordance_plot_list,
    &_LXlt_concordance_cluster_list,
    &_LXlt_concordance_pattern_list,
    &_LXlt_associate_list,
    &_LXlt_clump_list,
    &_LXlt_filename_list,
    &_LXlt_link_list,
    &_LXlt_statistics_list,
    &_LXlt_timeline_list,
    &_LXlt_aligner_list,
    &_LXlt_aligner_plaintext_list,
    &_LXlt_wordlist_index_list,
    &_LXlt_kw_cluster_list,
    nullptr,  // lt_none_in_use
    &_LXlt_notes,
    &_LXlt_source_text,
    &_LXlt_index_relationship_list,
    &_LXlt_viewer_list,
    &_LXlt_concgram_list,
    &_LXlt_markup_list,
    &_LXlt_sections_list,
    &_LXlt_chargram_list,
    &_LXlT_chargram_pattern_list,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    &_LXlt_sorting,
};

constexpr int32_t kMaxThreshold = 2147483647;

// Second table of the kinds. A tool of tt_no_tool_at_all here stands for "the current tool".
struct TKindDetails {
  const char16_t* ext;
  tool_type tool;
  Tfile_Load_data_type data;
  int32_t threshold;
};

constexpr tool_type kCurrentTool = tt_no_tool_at_all;

const std::array<TKindDetails, kListKindCount> kKindDetails = {{
    {u".lst", tt_wordlist, lexmill_only_data, 80000},          // 0
    {u".kws", tt_keywords, lexmill_only_data, 10000},          // 1
    {u".kdb", tt_keywords, lexmill_only_data, 2000},           // 2
    {u".lst", tt_wordlist, lexmill_only_data, 10000},          // 3
    {u".lst", tt_wordlist, lexmill_only_data, 10000},          // 4
    {u".col", tt_concord, lexmill_only_data, 10000},           // 5
    {u".lst", tt_wordlist, lexmill_only_data, 80000},          // 6
    {u".lst", tt_wordlist, lexmill_only_data, 80000},          // 7
    {u".lst", tt_wordlist, lexmill_only_data, 80000},          // 8
    {u".lst", tt_wordlist, lexmill_only_data, 1000},           // 9
    {u".cnc", tt_concord, lexmill_only_data, 2000},            // 10
    {u".kpl", tt_keywords, graphic_data, 8000},                // 11
    {u".cpl", tt_concord, graphic_data, 8000},                 // 12
    {u".ccl", tt_concord, lexmill_only_data, 8000},            // 13
    {u".cpt", tt_concord, lexmill_only_data, 8000},            // 14
    {u".ass", tt_keywords, lexmill_only_data, 8000},           // 15
    {u".clp", tt_keywords, lexmill_only_data, 8000},           // 16
    {u".fil", tt_shell, text_data, 8000},                      // 17
    {u".klk", tt_keywords, lexmill_only_data, 8000},           // 18
    {u".lst", tt_wordlist, lexmill_only_data, 8000},           // 19
    {u".tml", tt_concord, lexmill_only_data, 2000},            // 20
    {u".ali", tt_viewer_aligner, lexmill_only_data, 2000},     // 21
    {u".txt", tt_viewer_aligner, text_data, 2000},             // 22
    {u".tokens", tt_wordlist, lexmill_only_data, 80000},       // 23
    {u"", tt_keywords, lexmill_only_data, 2000},               // 24
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 25
    {u"", kCurrentTool, text_data, kMaxThreshold},             // 26
    {u"", tt_shell, text_data, kMaxThreshold},                 // 27
    {u".mut", tt_wordlist, lexmill_only_data, 1000},           // 28
    {u".vwr", tt_viewer_aligner, lexmill_only_data, 2000},     // 29
    {u".base_pairs", tt_LXconcgram, lexmill_only_data, 2000},  // 30
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 31
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 32
    {u".cgr", tt_Chargrams, lexmill_only_data, 80000},         // 33
    {u"", tt_Chargrams, lexmill_only_data, kMaxThreshold},     // 34
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 35
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 36
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 37
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 38
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 39
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 40
    {u"", kCurrentTool, lexmill_only_data, kMaxThreshold},     // 41
    {u"", tt_shell, lexmill_only_data, kMaxThreshold},         // 42
}};

struct TGridLayoutDetails {
  TLexmillList kind;
  int cap;
};

const std::array<TGridLayoutDetails, kGridLayoutCount> kGridLayouts = {{
    {lt_concordance_list, 576},          // grid_concordance
    {lt_concordance_cluster_list, 192},  // grid_clusters
    {lt_concordance_plot_list, 192},     // grid_conc_plot
    {lt_concordance_pattern_list, 144},  // grid_patterns
    {lt_collocate_list, 144},            // grid_collocates
    {lt_word_list, 144},                 // grid_detailed_consist
    {lt_word_list, 144},                 // grid_alph_order
    {lt_word_list, 144},                 // grid_freq_order
    {lt_statistics_list, 96},            // grid_statistics
    {lt_filename_list, 576},             // grid_filenames
    {lt_timeline_list, 144},             // grid_timeline
    {lt_keyword_list, 144},              // grid_keywords
    {lt_KW_database_list, 144},          // grid_KWDbase
    {lt_associate_list, 144},            // grid_kwdb_associates
    {lt_none_in_use, 192},               // grid_kw_Clusters
    {lt_clump_list, 192},                // grid_kw_Clumps
    {lt_KW_plot_list, 192},              // grid_kw_plot
    {lt_link_list, 144},                 // grid_kw_plot_links
    {lt_viewer_list, 576},               // grid_viewer_text
    {lt_aligner_list, 576},              // grid_viewer_aligned
    {lt_none_in_use, 96},                // grid_concgram
    {lt_index_relationship_list, 144},   // grid_relations
    {lt_word_list, 144},                 // grid_detailed_consist_relations
    {lt_none_in_use, 96},                // grid_breakdowns
    {lt_chargram_list, 144},             // grid_chargrams
    {lT_chargram_pattern_list, 144},     // grid_chargram_patterns
    {lt_none_in_use, 96},                // spare_7
    {lt_none_in_use, 96},                // spare_8
    {lt_none_in_use, 96},                // spare_9
    {lt_none_in_use, 96},                // grid_none
}};

// Tool names are ours to choose; they decide the program file names that SetCurrentTool looks for.
const std::array<const char16_t*, kToolCount> kToolNames = {
    u"Word Lister",
    u"Concordancer",
    u"Key Word Finder",
    u"Chargrams",
    u"Concgrams",
    u"Viewer and Aligner",
    u"",
    u"Minimal Pairs",
    u"File Utilities",
    u"Character Profiler",
    u"Language Chooser",
    u"Lexmill API",
    u"File Viewer",
    u"Corpus Checker",
    u"Version Checker",
    u"Text Converter",
    u"Lexmill",
    u"",
};

const std::array<const char16_t*, kToolCount> kToolExts = {
    u".lst", u".cnc", u".kws", u".cgr", u".base_pairs", u".vwr", u".dat", u".txt", u".txt",
    u".dat", u".dat", u".dat", u".dat", u".dat",        u".dat", u".dat", u".dat", u".dat",
};

constexpr std::u16string_view kBatchPrefix = u"Lexmill Batch file ";

bool ValidKind(TLexmillList kind) {
  return kind < kListKindCount;
}

UnicodeString AnsiToUnicode(std::string_view s) {
  // Signature texts are plain ASCII, so a byte maps to the same code unit.
  return UnicodeString(s.begin(), s.end());
}

int32_t SignatureOfTool(tool_type tool, bool& known) {
  known = tool < kSignedToolCount;
  return known ? CurrentSignature[tool] : 0;
}

// Opens a file read-only without locking others out; null when it cannot be opened.
std::unique_ptr<TFileStream> OpenShared(const UnicodeString& name) {
  try {
    return std::make_unique<TFileStream>(name, fmOpenRead | fmShareDenyNone);
  } catch (const std::exception&) {
    return nullptr;
  }
}

// Reads the signature block from the start of a file at least 58 bytes long.
bool ReadSignatureBlock(const UnicodeString& name, TCheckSignature& header) {
  auto f = OpenShared(name);
  if (!f) return false;
  try {
    if (f->GetSize() < static_cast<int64_t>(TCheckSignature::kStoredSize) + 1) return false;
    TCheckSignatureImage image;
    if (f->Read(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
    header = SignatureFromImage(image);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool ContainsExt(const UnicodeString& ext, const UnicodeString& group) {
  return !ext.empty() && Pos(ext, group) > 0;
}

}  // namespace

UnicodeString TListTypeNames::operator[](TLexmillList kind) const {
  if (!ValidKind(kind) || !kListTypeNames[kind]) return {};
  return kListTypeNames[kind]->Text();
}
const TListTypeNames list_type_as_string{};

UnicodeString Global_user_ReadWrite_folder;
TNotifyEvent Global_HelpProc;
int32_t Global_MessageHelpCtx = 0;
bool Global_TimedOut = false;
int32_t Global_detailed_consistency_files = 0;

const std::array<std::string_view, kListKindCount> list_signature32 = {
    "Word List32",
    "Key Word List32",
    "KeyWords Database32",
    "Detailed Consistency Relations List32",
    "Detailed Consistency List32",
    "Collocate List32",
    "KeyWords as WordList32",
    "KWDBase as WordList32",
    "Associates as WordList32",
    "Clumps as WordList32",
    "Concordance32",
    "KeyWords Plot32",
    "Concordance Plot32",
    "Concordance Cluster List32",
    "Concordance Pattern List32",
    "Associate List32",
    "Clump List32",
    "Filename List32",
    "Link List32",
    "Statistics List32",
    "Timeline List32",
    "Aligner List32",
    " Text List32",
    "Wordlist Index List32",
    "KeyWords ClusterList32",
    "",
    "Notes",
    "source text",
    "Mutual Information List32",
    "Viewer List32",
    "LXConcGram List32",
    "Markup List32",
    "Section List32",
    "CharGram List32",
    "CharGram Pattern List32",
    "lt_boll",
    "lt_boll2",
    "lt_boll3",
    "ly_boll4",
    "lt_boll5",
    "lt_bol6",
    "lt_bol7",
    "lt_bol8",
};

const std::array<std::string_view, kListKindCount> old_format_list_names = {
    "Word Lister",
    "Key Word List",
    "KeyWords Database (v. 2)",
    "Simple Consistency List",
    "Detailed Consistency List",
    "Collocate List",
    "KeyWords as WordList",
    "KWDBase as WordList",
    "Associates as WordList",
    "Clumps as WordList",
    "Concordancer",
    "KeyWords Plot",
    "Concordance Plot",
    "Concordance Cluster List",
    "Concordance Pattern List",
    "Associate List",
    "Clump List",
    "Filename List",
    "Link List",
    "Statistics List",
    "Ratio Stats List",
    "Aligner List",
    " Text List",
    "Wordlist Index List",
    // kinds 24-42 have no old-format name
};

const std::array<int32_t, kListKindCount> progress_show_in_Shell_thresholds = [] {
  std::array<int32_t, kListKindCount> t{};
  for (int k = 0; k < kListKindCount; ++k) t[k] = kKindDetails[k].threshold;
  return t;
}();

const TLexmillList_set LemmatisableListTypes = {
    lt_word_list,
    lt_keyword_list,
    lt_detailed_consistency_list,
    lt_collocate_list,
    lt_KW_plot_list,
    lt_concordance_plot_list,
    lt_concordance_cluster_list,
    lt_associate_list,
    lt_clump_list,
    lt_wordlist_index_list,
    lt_kw_cluster_list,
    lt_chargram_list,
    lT_chargram_pattern_list,
};

const TLexmillList_set SaveableListTypes = {
    lt_word_list,           lt_keyword_list,
    lt_KW_database_list,    lt_detailed_consistency_list,
    lt_concordance_list,    lt_statistics_list,
    lt_aligner_list,        lt_aligner_plaintext_list,
    lt_wordlist_index_list, lt_index_relationship_list,
    lt_viewer_list,         lt_concgram_list,
    lt_chargram_list,       lT_chargram_pattern_list,
};

const UnicodeString wordlist_index_file_extensions = u".types.tokens.stats.markup";
const UnicodeString concgram_file_extensions = u".base_pairs.base_index.base_index_cg";

std::array<int32_t, kSignedToolCount> CurrentSignature = {37, 36, 37, 36, 37, 38, 36, 37, 36,
                                                          36, 36, 36, 36, 36, 36, 37, 37};
tool_type current_tool_var = tt_no_tool_at_all;

// ---- Tools ----

UnicodeString ToolDisplayName(tool_type tool) {
  return tool < kToolCount ? UnicodeString(kToolNames[tool]) : UnicodeString();
}

UnicodeString ToolProgramFileName(tool_type tool) {
  UnicodeString name = ToolDisplayName(tool);
  if (name.empty()) return name;
  std::replace(name.begin(), name.end(), u' ', u'_');
  name += u"7";
  name += tool == tt_API_tool ? u".dll" : u".exe";
  return name;
}

tool_type ToolFromProgramFileName(const UnicodeString& name) {
  if (name.empty()) return tt_no_tool_at_all;
  for (int t = 0; t < kToolCount; ++t) {
    const UnicodeString full = ToolProgramFileName(static_cast<tool_type>(t));
    if (full.empty()) continue;
    const UnicodeString bare = full.substr(0, full.size() - 4);
    if (SameText(name, full) || SameText(name, bare)) return static_cast<tool_type>(t);
  }
  return tt_no_tool_at_all;
}

void SetCurrentTool() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  current_tool_var = ec ? tt_no_tool_at_all : ToolFromProgramFileName(UTF8ToUTF16(exe.filename().string()));
}

void SetCurrentTool(tool_type tool) {
  current_tool_var = tool;
}

namespace {
// The running program decides the current tool when the library loads.
const bool kCurrentToolSet = [] {
  SetCurrentTool();
  return true;
}();
}  // namespace

// ---- Signature block ----

AnsiString TCurrent_WT_data_list::Text() const {
  return AnsiString(chars.data(), std::min<std::size_t>(length, kMaxLength));
}

void TCurrent_WT_data_list::Assign(std::string_view text) {
  chars.fill(0);
  length = static_cast<uint8_t>(std::min(text.size(), kMaxLength));
  std::copy_n(text.begin(), length, chars.begin());
}

namespace {

constexpr auto kSignatureLayout = [](auto& io, auto& h) {
  io.Field(h.signature);
  io.Field(h.screen_res);
  io.Field(h.save_height);
  io.Field(h.save_width);
  io.Field(h.type_of_data.length);
  io.Field(h.type_of_data.chars);
};
static_assert(ByteImageSizeIs<TCheckSignature>(kSignatureLayout, TCheckSignature::kStoredSize));

}  // namespace

TCheckSignatureImage SignatureToImage(const TCheckSignature& header) {
  return WriteByteImage<TCheckSignature::kStoredSize>(header, kSignatureLayout);
}

TCheckSignature SignatureFromImage(const TCheckSignatureImage& image) {
  TCheckSignature header;
  ReadByteImage(image.data(), image.size(), header, kSignatureLayout);
  return header;
}

// ---- Functions ----

bool IsLikeWordList(TLexmillList kind) {
  switch (kind) {
    case lt_KWs_as_word_list:
    case lt_KWDB_as_word_list:
    case lt_associates_as_word_list:
    case lt_clumps_as_word_list:
    case lt_wordlist_index_list:
      return true;
    default:
      return false;
  }
}

bool IsOrIsLikeWordList(TLexmillList kind) {
  return kind == lt_word_list || IsLikeWordList(kind);
}

UnicodeString DefaultExtFromListType(TLexmillList kind) {
  return ValidKind(kind) ? UnicodeString(kKindDetails[kind].ext) : UnicodeString();
}

UnicodeString DotlessDefaultExtFromListType(TLexmillList kind) {
  return WithoutDotDefaultExt(DefaultExtFromListType(kind));
}

UnicodeString WithoutDotDefaultExt(const UnicodeString& ext) {
  if (ext.size() > 1 && ext[0] == u'.') return ext.substr(1);
  return ext;
}

UnicodeString DefaultExtFromToolType(tool_type tool) {
  return tool < kToolCount ? UnicodeString(kToolExts[tool]) : UnicodeString(u".dat");
}

UnicodeString ToolNameFromToolType(tool_type tool) {
  return tool < kToolCount ? UnicodeString(kToolNames[tool]) : UnicodeString();
}

UnicodeString DefaultExtFromSaveASFormat(TSave_as_format format, TLexmillList kind) {
  switch (format) {
    case as_xml:
      return u".xml";
    case as_Excel_spreadsheet:
      return u".xlsx";
    case as_RTF:
      return u".rtf";
    case as_default_for_list:
      return DefaultExtFromListType(kind);
    default:
      return u".txt";
  }
}

TLexmillList ListTypeFromFileExt(const UnicodeString& ext) {
  const UnicodeString e = LowerCase(ext);
  if (e == u".dcl") return lt_detailed_consistency_list;
  if (e == u".srt") return lt_aligner_plaintext_list;
  if (e == u".mut") return lt_index_relationship_list;
  if (e == u".lst") return lt_word_list;
  if (ContainsExt(e, wordlist_index_file_extensions)) return lt_wordlist_index_list;
  if (ContainsExt(e, concgram_file_extensions)) return lt_concgram_list;
  if (e == u".cnc") return lt_concordance_list;
  if (e == u".cgr") return lt_chargram_list;
  if (e == u".kws") return lt_keyword_list;
  if (e == u".kdb") return lt_KW_database_list;
  if (e == u".vwr") return lt_viewer_list;
  if (e == u".txt") return lt_aligner_plaintext_list;
  if (e == u".ali") return lt_aligner_list;
  return lt_bol7;
}

tool_type ToolTypeFromFileExt(const UnicodeString& ext) {
  const UnicodeString e = LowerCase(ext);
  if (e == u".cnc") return tt_concord;
  if (e == u".base_pairs" || e == u".base_index_cg") return tt_LXconcgram;
  if (e == u".kws" || e == u".kdb") return tt_keywords;
  if (e == u".lst" || e == u".tokens" || e == u".types" || e == u".dcl" || e == u".mut") return tt_wordlist;
  if (e == u".ali" || e == u".txt" || e == u".vwr") return tt_viewer_aligner;
  if (e == u".cgr") return tt_Chargrams;
  return tt_no_tool_at_all;
}

tool_type ToolTypeFromListType(TLexmillList kind) {
  if (!ValidKind(kind)) return tt_no_tool_at_all;
  const tool_type t = kKindDetails[kind].tool;
  return t == kCurrentTool ? current_tool_var : t;
}

Tfile_Load_data_type ListTypeToFileDataType(TLexmillList kind) {
  return ValidKind(kind) ? kKindDetails[kind].data : lexmill_only_data;
}

TLexmillList ListTypeFromGridAlternatives(grid_alternatives layout) {
  return layout < kGridLayoutCount ? kGridLayouts[layout].kind : lt_none_in_use;
}

int MinimumColumn1Width(grid_alternatives layout, int width) {
  const int cap = layout < kGridLayoutCount ? kGridLayouts[layout].cap : kGridLayouts[grid_none].cap;
  return std::min(width, cap);
}

UnicodeString ListSignature(TLexmillList kind) {
  if (!ValidKind(kind)) return {};
  std::string_view s = list_signature32[kind];
  if (s.ends_with("32")) s.remove_suffix(2);
  return AnsiToUnicode(s);
}

UnicodeString LXFileExtensions() {
  UnicodeString result;
  for (int k = 0; k < kListKindCount; ++k) {
    if (k == 5 || (k >= 11 && k <= 18) || k == 20 || k == 22 || k == 24) continue;
    const UnicodeString ext = DefaultExtFromListType(static_cast<TLexmillList>(k));
    if (ext.size() < 2 || Pos(ext, result) > 0) continue;
    result += ext;
    result += u";";
  }
  result += u".types;.base_index_cg";
  return result;
}

TLexmillList DiskFileType(const TCheckSignature& header) {
  const AnsiString text = header.type_of_data.Text();
  for (int k = 0; k <= lt_bol7; ++k)
    if (text == list_signature32[k]) return static_cast<TLexmillList>(k);
  if (text == "KeyWords Database (v. 2)32") return lt_KW_database_list;
  return lt_none_in_use;
}

bool DiskSignatureISOKForToolAndList(TCheckSignature& header, tool_type tool, TLexmillList kind,
                                     TStream& stream, TWriteOrRead mode) {
  bool known = false;
  const int32_t signature = SignatureOfTool(tool, known);
  const std::string_view text = ValidKind(kind) ? list_signature32[kind] : std::string_view();
  try {
    if (mode == writing) {
      if (!known) return false;
      header.signature = signature;
      header.type_of_data.Assign(text);
      const TCheckSignatureImage image = SignatureToImage(header);
      return stream.Write(image.data(), image.size()) == static_cast<int64_t>(image.size());
    }
    TCheckSignatureImage image;
    if (stream.Read(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
    header = SignatureFromImage(image);
    return known && ValidKind(kind) && header.signature == signature &&
           header.type_of_data.Text() == text.substr(0, TCurrent_WT_data_list::kMaxLength);
  } catch (const std::exception&) {
    return false;
  }
}

bool IsAnOldLexmillFile(TLXStored_File_rec& rec) {
  rec.ListType = lt_none_in_use;
  constexpr int64_t kHeadSize = 41;
  auto f = OpenShared(rec.filename);
  if (!f) return false;
  std::array<uint8_t, kHeadSize> head{};
  try {
    if (f->GetSize() <= kHeadSize) return false;
    if (f->Read(head.data(), kHeadSize) != kHeadSize) return false;
  } catch (const std::exception&) {
    return false;
  }
  const std::size_t n = head[0];
  const std::size_t start = head[1] == 0 ? 2 : 1;
  if (start + n > head.size()) return false;
  const std::string_view name(reinterpret_cast<const char*>(head.data()) + start, n);
  if (name.find('\0') != std::string_view::npos) return false;
  for (int k = 0; k <= lt_wordlist_index_list; ++k) {
    if (!old_format_list_names[k].empty() && name == old_format_list_names[k]) {
      rec.ListType = static_cast<TLexmillList>(k);
      return true;
    }
  }
  return false;
}

bool IsALexmill32BitFileForTool(TLXStored_File_rec& rec, tool_type tool) {
  rec.ListType = lt_none_in_use;
  TCheckSignature header;
  bool known = false;
  const int32_t signature = SignatureOfTool(tool, known);
  if (!known || !ReadSignatureBlock(rec.filename, header)) return false;
  if (header.signature != signature) return false;
  rec.ListType = DiskFileType(header);
  return true;
}

bool IsALexmill32BitFile(TLXStored_File_rec& rec) {
  return IsALexmill32BitFileForTool(rec, current_tool_var);
}

bool WasALexmill32BitFile(TLXStored_File_rec& rec) {
  rec.ListType = lt_none_in_use;
  TCheckSignature header;
  bool known = false;
  const int32_t current = SignatureOfTool(current_tool_var, known);
  if (!known || !ReadSignatureBlock(rec.filename, header)) return false;
  if (header.signature >= 35 && header.signature < current) {
    rec.ListType = DiskFileType(header);
    return true;
  }
  if (header.signature == current) rec.ListType = DiskFileType(header);
  return false;
}

tool_type WhichToolsLexmill32BitFile(TLXStored_File_rec& rec) {
  rec.ListType = lt_none_in_use;
  TCheckSignature header;
  if (!ReadSignatureBlock(rec.filename, header)) return tt_no_tool_at_all;
  for (int t = 0; t < kSignedToolCount; ++t) {
    if (CurrentSignature[t] == header.signature) {
      rec.ListType = DiskFileType(header);
      return static_cast<tool_type>(t);
    }
  }
  return tt_no_tool_at_all;
}

bool IsABatchZipFileForListType(TLXStored_File_rec& rec) {
  rec.Number_within_Zipfile = 0;
  rec.ListType = lt_none_in_use;
  try {
    const TZipReader zip(rec.filename);
    const int count = zip.Count();
    const UnicodeString comment = zip.Comment();
    if (count < 1 || comment.size() <= kBatchPrefix.size() || !comment.starts_with(kBatchPrefix))
      return false;
    const UnicodeString rest = comment.substr(kBatchPrefix.size());
    for (int k = 0; k < kListKindCount; ++k) {
      if (rest == DefaultExtFromListType(static_cast<TLexmillList>(k))) {
        rec.ListType = static_cast<TLexmillList>(k);
        rec.Number_within_Zipfile = count;
        break;
      }
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// ---- Index files ----

namespace {

constexpr std::array<const char16_t*, 7> kIndexFileExts = {
    u".markup", u".types", u".tokens", u".base_pairs", u".base_index", u".base_index_cg", u".stats"};

// The log is a diagnostic aid: a failure to write it must not stop the housekeeping.
void LogLine(const UnicodeString& text) {
  if (!global_keeping_log) return;
  try {
    AddToLogFile(text);
  } catch (const std::exception&) {
  }
}

}  // namespace

void TryToBackupIndexFiles(const UnicodeString& name) {
  LogLine(Format(u"Trying to backup index files for %s", {name}));
  for (const char16_t* ext : kIndexFileExts) {
    const UnicodeString source = ChangeFileExt(name, ext);
    if (!FileExists(source)) continue;
    const UnicodeString target = source + u"_bak";
    LogLine(Format(u"Trying to copy %s to %s", {source, target}));
    std::error_code ec;
    std::filesystem::copy_file(FileNameToNative(source), FileNameToNative(target),
                               std::filesystem::copy_options::overwrite_existing, ec);
  }
}

void TryToDeleteIndexFiles(const UnicodeString& name) {
  for (const char16_t* ext : kIndexFileExts) {
    const UnicodeString file = ChangeFileExt(name, ext);
    if (!FileExists(file)) continue;
    LogLine(Format(u"Trying to delete %s", {file}));
    DeleteFile(file);
  }
}

}  // namespace lx

// ---- Settings text forms ----

namespace lx {

LX_RESOURCESTRING(_LXEnterSymbol, u"<Enter>")
LX_RESOURCESTRING(_LXTabSymbol, u"<Tab>")

namespace {

void ReplaceAll(UnicodeString& s, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return;
  UnicodeString out;
  std::size_t at = 0;
  for (std::size_t hit; (hit = s.find(from, at)) != UnicodeString::npos; at = hit + from.size()) {
    out.append(s, at, hit - at);
    out.append(to);
  }
  if (at == 0) return;
  out.append(s, at, UnicodeString::npos);
  s.swap(out);
}

}  // namespace

UnicodeString EncodedCRLFTAB(std::u16string_view text) {
  UnicodeString s(text);
  const std::size_t n = s.size();
  for (const auto& [typed, code] :
       {std::pair{u'*', kEncodedStar}, {u'?', kEncodedQuery}, {u'#', kEncodedHash}})
    for (std::size_t p = 1; p + 1 < n; ++p)
      if (s[p] == typed && s[p - 1] != u'"' && s[p + 1] != u'"') s[p] = code;
  ReplaceAll(s, _LXEnterSymbol.Text(), u"\r\n");
  ReplaceAll(s, _LXTabSymbol.Text(), u"\t");
  return s;
}

UnicodeString EncodedCRLFTABToReadableStr(std::u16string_view text) {
  UnicodeString s(text);
  for (WideChar& c : s) {
    if (c == kEncodedStar)
      c = u'*';
    else if (c == kEncodedQuery)
      c = u'?';
    else if (c == kEncodedHash)
      c = u'#';
  }
  ReplaceAll(s, u"\r\n", _LXEnterSymbol.Text());
  ReplaceAll(s, u"\t", _LXTabSymbol.Text());
  return s;
}

UnicodeString IgnoreTag_TypeToString(const TIgnore_tag_type& tags) {
  UnicodeString out;
  for (std::size_t i = 0; i < 6; ++i) {
    const WideChar on = tags[tag_on][i], off = tags[tag_off][i];
    if (on == 0 || off == 0) continue;
    if (!out.empty()) out += u',';
    out += on;
    out += u'*';
    out += off;
  }
  return out;
}

TIgnore_tag_type StringToIgnoreTag_Type(std::u16string_view text) {
  TIgnore_tag_type tags{};
  UnicodeString s;
  for (WideChar c : text)
    if (c != u'*' && c > 32) s += c;
  std::size_t pair = 0;
  for (std::size_t start = 0; start < s.size();) {
    // The pair's first character is taken as it is, even a comma.
    std::size_t end = s.find(u',', start + 1);
    if (end == UnicodeString::npos) end = s.size();
    const std::size_t slot = std::min<std::size_t>(pair, 5);
    tags[tag_on][slot] = s[start];
    tags[tag_off][slot] = s[end - 1];
    ++pair;
    start = end + 1;
  }
  return tags;
}

UnicodeString CutOutsideQuotes(std::u16string_view text) {
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
    return UnicodeString(text.substr(1, text.size() - 2));
  return UnicodeString(text);
}

UnicodeString CorrectedPathname(std::u16string_view path) {
  UnicodeString s = Trim(path);
  const bool drive =
      s.size() >= 2 && s[1] == u':' && ((s[0] >= u'A' && s[0] <= u'Z') || (s[0] >= u'a' && s[0] <= u'z'));
  if (!drive) return s;
  if (s.size() == 2)
    s += u'\\';
  else if (s[2] != u'\\' && s[2] != u'/')
    s.insert(2, 1, u'\\');
  return s;
}

UnicodeString ChrClearedFromString(WideChar c, std::u16string_view text) {
  UnicodeString s(text);
  std::erase(s, c);
  return s;
}

UnicodeString SubStrClearedFromString(std::u16string_view sub, std::u16string_view text) {
  UnicodeString s(text);
  if (sub.empty()) return s;
  // Each pass shortens the text, so this ends; removals can join pieces into a new occurrence.
  while (s.find(sub) != UnicodeString::npos) ReplaceAll(s, sub, u"");
  return s;
}

tenwidechar StringToTenWidechar(std::u16string_view text) {
  tenwidechar a{};
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 10), a.begin());
  return a;
}

thirtywidechar StringToThirtyWideChar(std::u16string_view text) {
  thirtywidechar a{};
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 30), a.begin());
  return a;
}

UnicodeString TenWideCharTostring(const tenwidechar& chars) {
  const auto end = std::find(chars.begin(), chars.end(), u'\0');
  return UnicodeString(chars.begin(), end);
}

uint32_t MaxCardinal(uint32_t a, uint32_t b) {
  return std::max(a, b);
}
uint32_t MinCardinal(uint32_t a, uint32_t b) {
  return std::min(a, b);
}

}  // namespace lx
