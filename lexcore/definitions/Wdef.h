// Kinds of list and tool, grid layouts, the signature block at the head of a list file, the functions that
// recognise list files, and the text forms in which settings travel. Ordinals of the three enumerations are
// stored in files: never reorder them. As the subsystem's chief header it also brings in the shared records,
// the language record, search requirements, extra-font spans, section starts and the streamable string list.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "lexcore/definitions/extra_font_list.h"
#include "lexcore/definitions/lang_details.h"
#include "lexcore/definitions/search_requirements.h"
#include "lexcore/definitions/section_starts.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/definitions/streamable_stringlist.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

enum TLexmillList : uint8_t {
  lt_word_list,                            // 0
  lt_keyword_list,                         // 1
  lt_KW_database_list,                     // 2
  lt_detailed_consistency_relations_list,  // 3
  lt_detailed_consistency_list,            // 4
  lt_collocate_list,                       // 5
  lt_KWs_as_word_list,                     // 6
  lt_KWDB_as_word_list,                    // 7
  lt_associates_as_word_list,              // 8
  lt_clumps_as_word_list,                  // 9
  lt_concordance_list,                     // 10
  lt_KW_plot_list,                         // 11
  lt_concordance_plot_list,                // 12
  lt_concordance_cluster_list,             // 13
  lt_concordance_pattern_list,             // 14
  lt_associate_list,                       // 15
  lt_clump_list,                           // 16
  lt_filename_list,                        // 17
  lt_link_list,                            // 18
  lt_statistics_list,                      // 19
  lt_timeline_list,                        // 20
  lt_aligner_list,                         // 21
  lt_aligner_plaintext_list,               // 22
  lt_wordlist_index_list,                  // 23
  lt_kw_cluster_list,                      // 24
  lt_none_in_use,                          // 25
  lt_notes,                                // 26
  lt_source_text,                          // 27
  lt_index_relationship_list,              // 28
  lt_viewer_list,                          // 29
  lt_concgram_list,                        // 30
  lt_markup_list,                          // 31
  lt_sections_list,                        // 32
  lt_chargram_list,                        // 33
  lT_chargram_pattern_list,                // 34
  lt_boll,                                 // 35: spare kinds 35-41 keep stored ordinals stable
  lt_boll2,                                // 36
  lt_boll3,                                // 37
  ly_boll4,                                // 38
  lt_boll5,                                // 39
  lt_bol6,                                 // 40
  lt_bol7,                                 // 41
  lt_sorting                               // 42
};
constexpr int kListKindCount = 43;
using TLexmillList_set = Set<TLexmillList, 6>;

enum tool_type : uint8_t {
  tt_wordlist,            // 0
  tt_concord,             // 1
  tt_keywords,            // 2
  tt_Chargrams,           // 3
  tt_LXconcgram,          // 4
  tt_viewer_aligner,      // 5
  tt_reserved_6,          // 6: a suite tool built elsewhere; the slot keeps the later ordinals
  tt_minimal_pairs,       // 7
  tt_file_utilities,      // 8
  tt_character_profiler,  // 9
  tt_language_chooser,    // 10
  tt_API_tool,            // 11
  tt_file_viewer,         // 12
  tt_corpus_checker,      // 13
  tt_version_checker,     // 14
  tt_text_converter,      // 15
  tt_shell,               // 16
  tt_no_tool_at_all       // 17
};
constexpr int kToolCount = 18;
// Tools 0..16 have a signature number; tt_no_tool_at_all has none.
constexpr int kSignedToolCount = 17;
using TTool_Type_Set = Set<tool_type, 3>;

enum grid_alternatives : uint8_t {
  grid_concordance,                 // 0
  grid_clusters,                    // 1
  grid_conc_plot,                   // 2
  grid_patterns,                    // 3
  grid_collocates,                  // 4
  grid_detailed_consist,            // 5
  grid_alph_order,                  // 6
  grid_freq_order,                  // 7
  grid_statistics,                  // 8
  grid_filenames,                   // 9
  grid_timeline,                    // 10
  grid_keywords,                    // 11
  grid_KWDbase,                     // 12
  grid_kwdb_associates,             // 13
  grid_kw_Clusters,                 // 14
  grid_kw_Clumps,                   // 15
  grid_kw_plot,                     // 16
  grid_kw_plot_links,               // 17
  grid_viewer_text,                 // 18
  grid_viewer_aligned,              // 19
  grid_concgram,                    // 20
  grid_relations,                   // 21
  grid_detailed_consist_relations,  // 22
  grid_breakdowns,                  // 23
  grid_chargrams,                   // 24
  grid_chargram_patterns,           // 25
  spare_7,                          // 26
  spare_8,                          // 27
  spare_9,                          // 28
  grid_none                         // 29
};
constexpr int kGridLayoutCount = 30;

enum TSave_as_format : uint8_t { as_txt, as_xml, as_Excel_spreadsheet, as_RTF, as_default_for_list };
enum Tfile_Load_data_type : uint8_t { lexmill_only_data, graphic_data, text_data };
enum TWriteOrRead : uint8_t { writing, reading };
enum TShellOrTool : uint8_t { t_controller, t_Tool };

// ---- Tables indexed by list kind ----

// Display names (translatable). Reads like the table: list_type_as_string[lt_word_list].
struct TListTypeNames {
  UnicodeString operator[](TLexmillList kind) const;
};
extern const TListTypeNames list_type_as_string;

// The user's own folder for settings and customised column headings; empty until the host sets it.
extern UnicodeString Global_user_ReadWrite_folder;
// The tool's help viewer behind every message's Help button, the help context of the message being shown, and
// whether the last message closed itself on its time-out.
extern TNotifyEvent Global_HelpProc;
extern int32_t Global_MessageHelpCtx;
extern bool Global_TimedOut;
// How many text files the current detailed-consistency list compares (one column each).
extern int32_t Global_detailed_consistency_files;

// Signature texts written into file headers (8-bit).
extern const std::array<std::string_view, kListKindCount> list_signature32;
// Names of the pre-signature format; empty where the kind had none.
extern const std::array<std::string_view, kListKindCount> old_format_list_names;
// Item counts above which the controlling program shows progress for a kind.
extern const std::array<int32_t, kListKindCount> progress_show_in_Shell_thresholds;

extern const TLexmillList_set LemmatisableListTypes;
extern const TLexmillList_set SaveableListTypes;

// The files of a word-list index and of a concgram base, run together.
extern const UnicodeString wordlist_index_file_extensions;
extern const UnicodeString concgram_file_extensions;

// ---- Tools ----

// Signature number each tool currently writes (tools 0..16). Process-wide and writable.
extern std::array<int32_t, kSignedToolCount> CurrentSignature;
// The tool the running process is.
extern tool_type current_tool_var;

// Tool display names (they form the program file names); empty for tools without a program here.
UnicodeString ToolDisplayName(tool_type tool);
// Display name with blanks made "_", then "7" and ".exe" (".dll" for the API tool); empty for an unnamed
// tool.
UnicodeString ToolProgramFileName(tool_type tool);
// The first tool whose program file name equals name ignoring case, with or without its ".exe"/".dll"
// ending (Linux programs carry none); tt_no_tool_at_all when none does.
tool_type ToolFromProgramFileName(const UnicodeString& name);
// Sets current_tool_var from the running program's file name.
void SetCurrentTool();
void SetCurrentTool(tool_type tool);

// ---- The signature block ----

// A length-prefixed 8-bit text of at most 40 characters; bytes past the length are not significant.
struct TCurrent_WT_data_list {
  static constexpr std::size_t kMaxLength = 40;
  uint8_t length = 0;
  std::array<char, kMaxLength> chars{};

  // The significant characters (a stored length above 40 counts as 40).
  AnsiString Text() const;
  // Cuts the text to 40 characters.
  void Assign(std::string_view text);
};

struct TCheckSignature {
  static constexpr std::size_t kStoredSize = 57;
  int32_t signature = 0;
  int32_t screen_res = 0;
  int32_t save_height = 0;
  int32_t save_width = 0;
  TCurrent_WT_data_list type_of_data;
};

using TCheckSignatureImage = std::array<uint8_t, TCheckSignature::kStoredSize>;
TCheckSignatureImage SignatureToImage(const TCheckSignature& header);
TCheckSignature SignatureFromImage(const TCheckSignatureImage& image);

// ---- File identity records ----

struct TLXStored_File_rec {
  UnicodeString filename;
  bool OldModified = false;
  int32_t Number_within_Zipfile = 0;
  TLexmillList ListType = lt_none_in_use;
};

struct TLXTestFileReadRec {
  UnicodeString filename;
  TLexmillList ListType = lt_none_in_use;
};

// ---- Functions ----

bool IsLikeWordList(TLexmillList kind);
bool IsOrIsLikeWordList(TLexmillList kind);

UnicodeString DefaultExtFromListType(TLexmillList kind);
UnicodeString DotlessDefaultExtFromListType(TLexmillList kind);
UnicodeString WithoutDotDefaultExt(const UnicodeString& ext);
UnicodeString DefaultExtFromToolType(tool_type tool);
// The tool's name as its program and its saved data are known by; empty for a slot with no tool.
UnicodeString ToolNameFromToolType(tool_type tool);
UnicodeString DefaultExtFromSaveASFormat(TSave_as_format format, TLexmillList kind);

TLexmillList ListTypeFromFileExt(const UnicodeString& ext);
tool_type ToolTypeFromFileExt(const UnicodeString& ext);
tool_type ToolTypeFromListType(TLexmillList kind);
Tfile_Load_data_type ListTypeToFileDataType(TLexmillList kind);

TLexmillList ListTypeFromGridAlternatives(grid_alternatives layout);
int MinimumColumn1Width(grid_alternatives layout, int width);

// The signature text without its final "32".
UnicodeString ListSignature(TLexmillList kind);
// Extensions that open lists, separated by ";".
UnicodeString LXFileExtensions();

TLexmillList DiskFileType(const TCheckSignature& header);
// Writes or checks the block at the stream's current position. A tool without a signature number
// (tt_no_tool_at_all) never matches and writes nothing.
bool DiskSignatureISOKForToolAndList(TCheckSignature& header, tool_type tool, TLexmillList kind,
                                     TStream& stream, TWriteOrRead mode);

// File recognisers. They never raise; a missing, short or unreadable file answers false.
bool IsAnOldLexmillFile(TLXStored_File_rec& rec);
bool IsALexmill32BitFileForTool(TLXStored_File_rec& rec, tool_type tool);
bool IsALexmill32BitFile(TLXStored_File_rec& rec);
bool WasALexmill32BitFile(TLXStored_File_rec& rec);
tool_type WhichToolsLexmill32BitFile(TLXStored_File_rec& rec);
bool IsABatchZipFileForListType(TLXStored_File_rec& rec);

// Backs up or deletes the companion files of a word-list index or concgram base. Failures are ignored.
void TryToBackupIndexFiles(const UnicodeString& name);
void TryToDeleteIndexFiles(const UnicodeString& name);

// ---- Settings text forms: typed search texts with line breaks and tabs, tag pairs to ignore, quoted
// values, typed folder names, fixed character arrays of stored records ----

enum tag_on_off_type : uint8_t { tag_on, tag_off };
// Six tag-start characters and the six matching tag-end characters; a zero character marks an unused pair.
using TIgnore_tag_type = std::array<std::array<WideChar, 6>, 2>;
static_assert(sizeof(TIgnore_tag_type) == 24);

// Zero-terminated fixed arrays of stored records.
using thirtywidechar = std::array<WideChar, 31>;

// Internal wildcard codes of a typed search text.
constexpr WideChar kEncodedStar = 29;
constexpr WideChar kEncodedQuery = 28;
constexpr WideChar kEncodedHash = 27;

LX_DECLARE_RESOURCESTRING(_LXEnterSymbol)  // "<Enter>"
LX_DECLARE_RESOURCESTRING(_LXTabSymbol)    // "<Tab>"

// Wildcards inside the text (not first, not last, not next to a double quote) become their codes; the
// symbols for Enter and Tab become CR LF and a tab.
UnicodeString EncodedCRLFTAB(std::u16string_view text);
UnicodeString EncodedCRLFTABToReadableStr(std::u16string_view text);

UnicodeString IgnoreTag_TypeToString(const TIgnore_tag_type& tags);
TIgnore_tag_type StringToIgnoreTag_Type(std::u16string_view text);

UnicodeString CutOutsideQuotes(std::u16string_view text);
// "C:" -> "C:\", "C:data" -> "C:\data"; trimmed.
UnicodeString CorrectedPathname(std::u16string_view path);
UnicodeString ChrClearedFromString(WideChar c, std::u16string_view text);
// An empty sub leaves the text unchanged.
UnicodeString SubStrClearedFromString(std::u16string_view sub, std::u16string_view text);

tenwidechar StringToTenWidechar(std::u16string_view text);
thirtywidechar StringToThirtyWideChar(std::u16string_view text);
UnicodeString TenWideCharTostring(const tenwidechar& chars);

uint32_t MaxCardinal(uint32_t a, uint32_t b);
uint32_t MinCardinal(uint32_t a, uint32_t b);

}  // namespace lx
