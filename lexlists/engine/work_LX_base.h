// The list spine: the entry base class with its private flags, joins and categories, and the list data class
// that holds entries in a growable pointer array. Tools derive their entry and list classes from these.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/definitions/Wdef.h"
#include "lexcore/definitions/extra_font_list.h"
#include "lexcore/definitions/option_texts.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_list.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexlists/engine/base_holder.h"
#include "lexlists/engine/stored_list_info.h"
#include "lexlists/engine/words_and_tags.h"

namespace lx {

class TLXBaseDataClass;
class TLXBaseListObject;
class TGridHeaderList;
class TParseFormulaHandler;
class TUndoList;
class TZapHolderList;
class TUnOrReDoActionHolder;

// ---- private record
// -----------------------------------------------------------------------------------------

struct TPrivateDetailsRec3 {
  static constexpr std::size_t kStoredSize = 28;
  int32_t version = 0;
  uint8_t joined_elsewhere = 0;
  uint8_t matched = 0;
  uint8_t deleted = 0;
  uint8_t marcacao = 0;
  int32_t to_v3_category_colour = 0;
  uint8_t join_created_in_load = 0;
  uint8_t not_for_saving = 0;
  uint16_t spareB = 0;
  int32_t tag_number_1Based = 0;
  std::array<uint8_t, 8> spare{};
};

// The older form: version and the four flags.
struct TPrivateDetailsRec2 {
  static constexpr std::size_t kStoredSize = 8;
  int32_t version = 0;
  uint8_t joined_elsewhere = 0;
  uint8_t matched = 0;
  uint8_t deleted = 0;
  uint8_t marcacao = 0;
};

using TPrivateDetailsRec3Image = std::array<uint8_t, TPrivateDetailsRec3::kStoredSize>;
TPrivateDetailsRec3Image PrivateDetailsToImage(const TPrivateDetailsRec3& rec);
TPrivateDetailsRec3 PrivateDetailsFromImage(const TPrivateDetailsRec3Image& image);
// The 8-byte form laid over the start of rec; the rest of rec is kept.
void PrivateDetails2FromImage(const uint8_t* image, TPrivateDetailsRec3& rec);

// The private record's marker, version written, and the extra-font format version written.
constexpr uint16_t kPrivateRecordMarker = 254;
constexpr int32_t kPrivateRecordVersion = 4;

using TPrivateSetCols = TStringColumnAndColourList;

// The entries joined under a head entry, in joining order; not owned.
class TJoinlist : public TList {
 public:
  TLXBaseListObject* Entry(int32_t index) const { return static_cast<TLXBaseListObject*>(Get(index)); }
  // The joined entries' frequencies (after head_value when it is not 0), at least max_count of them with
  // trailing zeros; more than max_count (> 0) values are sorted descending and cut to max_count.
  std::vector<int32_t> AsArrayOfIntegers(int32_t head_value, int32_t max_count) const;
};

// Flags, joins, categories and spans of one entry; created only when one of them is first set.
class TPrivateObj : public TObject {
 public:
  TPrivateObj();
  ~TPrivateObj() override;
  TPrivateObj(const TPrivateObj&) = delete;
  TPrivateObj& operator=(const TPrivateObj&) = delete;

  // Empties joinlist, freeing the entries that were created for it while loading.
  void ClearJoinList();
  // Appends an entry created while loading; the private object owns it from then on.
  void AddLoadedJoin(TLXBaseListObject* other);
  // Hands over the loaded entries this object owns (JoinFrom moves them to the new head).
  std::vector<std::unique_ptr<TLXBaseListObject>> TakeLoadedJoins();
  // Takes ownership of entries that are already in joinlist.
  void AdoptLoadedJoins(std::vector<std::unique_ptr<TLXBaseListObject>> entries);
  bool OwnsLoadedJoin(const TLXBaseListObject* entry) const;
  // Nothing set: an entry without a private object saves the same bytes.
  bool IsEmpty() const;

  bool SaveToStream(TLXBaseDataClass* list, TStream& stream, const TStoredListInfo& info);
  bool ReadFromStream(TLXBaseDataClass* list, TStream& stream, const TStoredListInfo& info);

  TPrivateDetailsRec3 fdetails;
  std::unique_ptr<TPrivateSetCols> annotations;
  std::unique_ptr<TExtraFontList> ExtraFontList;
  std::unique_ptr<TJoinlist> joinlist;

 private:
  std::vector<std::unique_ptr<TLXBaseListObject>> fLoadedJoins;
};

struct TLXEntryDetailsRec {
  UnicodeString main_word;
  int32_t main_freq = 0;
  int32_t main_n_texts = 0;
  TPrivateDetailsRec3 main_details;
};

struct TJoinlistAndDetails {
  TJoinlist* aJoinlist = nullptr;
  TPrivateDetailsRec3 adetails;
};

// ---- word-list entry data -------------------------------------------------------------------------------

struct TWordlist_entry_rec {
  int32_t n_files = 0;
  int32_t f = 0;
  float dispersion = 0;
  void* w = nullptr;  // buffers allocated and freed through the holder's functions
  void* prefix_or_tag = nullptr;
  void* suffix = nullptr;
};

struct TWord_entry_String_rec {
  int32_t n_files = 0;
  int32_t freq = 0;
  float dispersion = 0;
  TPalavraStr word_details;
};
using TWord_Entry_Rec_Array = std::vector<TWord_entry_String_rec>;
using TPalavraPtr = std::array<void*, 3>;  // indexed by TDrawGridStringOrder

// ---- the entry
// ----------------------------------------------------------------------------------------------

// Creates an entry of a tool's entry class for a list and holder.
using TLXBaseListObjectClass =
    std::function<TLXBaseListObject*(TLXBaseDataClass* parent, TLXBaseHolder* holder)>;
template <typename T>
TLXBaseListObjectClass EntryClassOf() {
  return [](TLXBaseDataClass* parent, TLXBaseHolder* holder) -> TLXBaseListObject* {
    return new T(parent, holder);
  };
}

// Owns its private object; Granny and Parent are not owned.
class TLXBaseListObject : public TObject {
 public:
  TLXBaseListObject(TLXBaseDataClass* parent, TLXBaseHolder* holder) : Granny(holder), Parent(parent) {}
  ~TLXBaseListObject() override;
  TLXBaseListObject(const TLXBaseListObject&) = delete;
  TLXBaseListObject& operator=(const TLXBaseListObject&) = delete;

  virtual void ZeroTheDataRec() {}
  virtual void ConvertEntryToUnicode(uint32_t /*codepage*/) {}
  virtual bool IsDuplicateOf(TLXBaseListObject* /*other*/) { return false; }
  virtual int32_t FrequencyNum() { return 0; }
  virtual TNumberDisplayAndSinglesRec GetAValueAsSingle(int32_t column, int32_t row);
  virtual float GetDispersion() { return 0.0f; }
  virtual TWord_entry_String_rec JoinedWordDatum();
  virtual UnicodeString MainWordOnly() { return {}; }
  virtual UnicodeString MainWordPrefix() { return {}; }
  virtual UnicodeString MainWordSuffix() { return {}; }
  virtual UnicodeString GetAWordAsString(int32_t row, int32_t column);
  virtual UnicodeString GetAWordPlusAffixesAsString(int32_t row, int32_t column) {
    return GetAWordAsString(row, column);
  }
  virtual void SetAWordAsString(int32_t /*row*/, int32_t /*column*/, const UnicodeString& /*s*/) {}
  virtual UnicodeString GetAPrefixAsString(int32_t /*column*/) { return {}; }
  virtual void SetAPrefixAsString(int32_t /*row*/, int32_t /*column*/, const UnicodeString& /*s*/) {}
  virtual UnicodeString GetASuffixAsString(int32_t /*column*/) { return {}; }
  virtual void SetASuffixAsString(int32_t /*row*/, int32_t /*column*/, const UnicodeString& /*s*/) {}
  virtual bool ReadFromStream(TStream& /*stream*/) { return true; }
  virtual bool SaveToStream(TStream& /*stream*/) { return true; }
  virtual int32_t ThisListsConcordanceMidpoint() { return 0; }
  virtual void* MainWordAsPointer() { return nullptr; }
  virtual int32_t ThisListsMainWordColumn() { return 1; }
  virtual int32_t MainNTexts() { return 0; }
  virtual int32_t MainWordFrequency() { return 0; }
  virtual int32_t MainWordLength() { return 0; }

  void SetParentAs(TLXBaseDataClass* list) { Parent = list; }
  bool PrivateObjExists() const { return privateobj != nullptr; }
  void EnsurePrivateObjExists();
  TPrivateDetailsRec3 PrivateDetails() const;

  bool IsDeleted() const { return privateobj && privateobj->fdetails.deleted; }
  bool IsMatched() const { return privateobj && privateobj->fdetails.matched; }
  bool IsMarked() const { return privateobj && privateobj->fdetails.marcacao != 0; }
  bool JoinedElsewhere() const { return privateobj && privateobj->fdetails.joined_elsewhere; }
  int32_t JoinCount() const { return privateobj ? privateobj->joinlist->Count() : 0; }
  bool HasJoined() const { return JoinCount() > 0; }
  TJoinlist* OwnJoinlist() const { return privateobj ? privateobj->joinlist.get() : nullptr; }
  void SetNotForSaving(bool flag);

  UnicodeString MainWordPlusPrefixAndSuffix();

  // Flat joins: this entry lists other and everything other had joined under it.
  void JoinFrom(TLXBaseListObject* other);
  // Used while loading: other exists only in this entry's join list, which owns it. The private object must
  // exist.
  void AddPrivateJoinInstance(TLXBaseListObject* other);

  void SetCategory(const TStringTrueColumnAndColourRec& rec);
  void SetCategoryColour(int32_t colour, int32_t column);
  void SetCategoryString(const UnicodeString& s, int32_t column);
  void ClearCategoryColour(int32_t column);
  TStringTrueColumnAndColourRec GetCategory(int32_t column) const;

  static UnicodeString DataPointerToString(const void* p, uint32_t codepage, bool isUnicode);
  // Converts an 8-bit buffer to a new UTF-16 one and frees the 8-bit buffer through the holder.
  WideChar* BaseConvertedToUnicode(uint32_t codepage, void* ansi);

  bool SavePrivateToStream(TLXBaseDataClass* list, TStream& stream, const TStoredListInfo& info);
  bool ReadPrivateFromStream(TLXBaseDataClass* list, TStream& stream, const TStoredListInfo& info);

  TLXBaseHolder* Granny;
  TLXBaseDataClass* Parent;
  std::unique_ptr<TPrivateObj> privateobj;
};

// Background colours GetCategory falls back on.
constexpr int32_t kStyleBaseBackgroundColour = 0x00FFFFFF;
constexpr int32_t kStandardBackgroundColour = 0x00FFFFFF;

// ---- list enumerations and records ------------------------------------------------------------------------

enum TLXAction : uint8_t {
  no_action,
  program_start,
  change_tab,
  do_sort,
  set_menu,
  make_conc,
  make_wordlist,
  make_clusters,
  new_column,
  make_chargrams,
  make_index,
  make_detConsist,
  make_KWlist,
  make_KWDB,
  open_file,
  do_editing,
  do_Computing
};

enum TListModifications : uint8_t {
  mod_sorting,
  mod_deleting,
  mod_lemmatising,
  mod_computation,
  mod_edited,
  mod_display,
  mod_language,
  mod_column_numbers_changed,
  mod_other
};
using TListModifications_Set = Set<TListModifications, 2>;

enum TSpecialFeatures : uint8_t {
  has_joined,
  sf_joinedElsewhere,
  sf_deleted,
  sf_matched,
  has_extraFontInfo,
  sf_marked,
  sf_first_marked,
  sf_category_coloured,
  sf_not_for_saving,
  sf_has_tag_info
};
using TSpecialFeaturesSet = Set<TSpecialFeatures, 2>;

using TAffixIgnores = Set<TDrawGridStringOrder, 1>;

enum TSortLevel : uint8_t { main_sort, second_sort, third_sort };
using TSortLevelNumbers = std::array<int32_t, 3>;
enum Talphabetical_sort : uint8_t {
  sort_alphabetically,
  sort_reverse_word,
  sort_word_length,
  sort_case_sensitively,
  sort_on_prefix,
  sort_on_suffix
};

// Compares an entry with the current base or search word: negative when the entry sorts before it.
using TLXBaseListSortCompare = std::function<int32_t(TLXBaseListObject* entry)>;

struct TSortFurtherDetailsRec {
  bool wanted = false;
  bool case_sensitive = false;
  bool alloW_case_sensitive_choice = false;
  bool spare2 = false;
  int32_t spare = 0;
};

struct TSortSettings {
  TSortLevelNumbers sort_ints{};
  int32_t Version_Num = 0;
  uint8_t sparebytes = 0;
  bool knows_whether_alph_ascending = false;
  bool main_sort_is_alphabetical = false;
  bool sort_is_alph_ascending = false;
  std::array<TLXBaseListSortCompare, 3> mainsorts;
  std::array<TSortFurtherDetailsRec, 3> FurtherDetails{};
  std::array<TLXBaseListSortCompare, 3> privatesorts;
  std::array<bool, 3> ascending_orders{};
  TSortLevel SortLevelsAvailable = main_sort;
  std::array<bool, 3> SortIsPrivate{};
};

// One word of a word cloud: the entry's text in cloudData.word_column and its frequency.
struct TWordCloudDatum {
  int32_t index = -1;
  UnicodeString word;
  int32_t frequency = 0;
};

struct TCloudDataRec {
  int32_t word_column = 0;
  int32_t frequency_column = 0;
  int32_t nextWordCloudNum = 0;
  int32_t lowest_frequency = 0;
  int32_t highest_frequency = 0;
  bool is_patterns_data = false;
};

enum TPrivateOptions : uint8_t {
  joined_elsewhere_sort,
  matched_sort,
  deleted_sort,
  original_entry_number_sort,
  joinlist_sort
};

// The private comparison that keeps the original order: a level using it is left as it is, so it is told
// apart from the others by its type.
struct TOriginalOrderCompare {
  int32_t operator()(TLXBaseListObject* /*entry*/) const { return 0; }
};

// The bases of the three levels' private sorts; not owned.
struct TPrivateSortDataRec {
  std::array<TLXBaseListObject*, 3> base{};
};

using extended_array = std::vector<extended>;
using TOnNumericalDataEvent =
    std::function<TNumberDisplayAndSinglesRec(TObject* sender, int32_t column, int32_t row)>;
using TOnGetCentreOfMainFormEvent = std::function<void(TObject* sender, int32_t& x, int32_t& y)>;
using TOnReportUnOrRedoActionEvent = std::function<void(const UnicodeString& text, bool undo, int32_t n)>;

enum TTextFormat : uint8_t { tf_ansi, tf_unicode };

// A string list whose attached objects it owns.
class TStringlistWithIntegerList : public TStringList {
 public:
  TStringlistWithIntegerList() : TStringList(true) {}
};

constexpr int32_t kMaxListEntries = 134217728;  // 0x8000000

enum TUndoable : uint8_t { undoable_no, undoable_yes };
enum TUnorRedoing : uint8_t { undoing, redoing };
enum TUnOrReDoActions : uint8_t { a_zapping, a_joining, a_matching, a_deleting, a_editing };
enum TMarkedF5Item : uint8_t { marcado_clear, marcado_boss, marcado_subordinate };

// Closes the list header of a saved list.
constexpr int32_t sentinel_const = 6789;

UnicodeString ChangedFileNameForSaveASFormat(const UnicodeString& name, TSave_as_format format,
                                             TLexmillList list);

// ---- the list -------------------------------------------------------------------------------------------

// Owns its entry array (not the entries: the tools' list classes free them), headings, undo list, stored
// information, formula handler, displayer and spans; the holder Patroa is the tool's.
class TLXBaseDataClass : public TObject {
 public:
  TLXBaseDataClass(TLXBaseHolder* holder, TLXBaseListObjectClass entryClass, grid_alternatives gridKind,
                   TLexmillList listKind, int32_t signature);
  ~TLXBaseDataClass() override;
  TLXBaseDataClass(const TLXBaseDataClass&) = delete;
  TLXBaseDataClass& operator=(const TLXBaseDataClass&) = delete;

  // The part of construction that calls overridable operations; Create<T> runs it.
  virtual void AfterConstruction();

  // ---- virtual operations
  virtual void Grow();
  virtual int32_t AddABlankEntryWithMainWord(const UnicodeString& word);
  virtual void AdjustEntryCount() { ++lemma_entries_added; }
  virtual void AdjustStopListWordLengths(TLXBaseListObject* /*entry*/) {}
  virtual bool CanDeleteRandomly(int32_t /*index*/) { return true; }
  virtual void DoAnyFreqSorting() {}
  virtual void SetAFileStatus(int32_t /*index*/, bool /*flag*/, TLXFilestatus /*status*/) {}
  virtual int32_t OverallCount() { return 0; }
  virtual bool ReportProgressPercent(int32_t /*percent*/) { return false; }
  virtual void ReportProgressShortMessage(const UnicodeString& /*text*/) {}
  virtual int32_t Add(TLXBaseListObject* entry);
  virtual void AddJoinedWordDataToStringlist(int32_t /*index*/, TStrings* /*strings*/) {}
  virtual UnicodeString ALineAsTextOnly(const UnicodeString& text) { return text; }
  virtual bool BasedOnOneTextFile() { return false; }
  virtual bool CanEdit(int32_t column);
  virtual void ChangeListType(TLexmillList kind) { fList_type = kind; }
  virtual bool CloudDataNeedsSorting() { return false; }
  virtual bool ColumnCanSelectForStatusbar(int32_t /*column*/) { return false; }
  virtual void ConvertEntriesToUnicode();
  virtual int32_t Cumulative_distinguisher() { return 1; }
  virtual bool DataHasAssociatedIndexData() { return false; }
  virtual void DoPostJoinOrUnjoiningOperation() {}
  virtual void EnsureAlphabeticalAscendingSort() {}
  virtual bool DoAFilenameSearchAndReplace(const UnicodeString& /*old*/, const UnicodeString& /*new_name*/,
                                           bool /*flag*/) {
    return false;
  }
  virtual int32_t Find_PosWord(const void* word, TCaseSensitivity cs, bool any_digit, bool at_end,
                               bool at_start, int32_t start);
  virtual int32_t Find_Word(const void* word);
  virtual int32_t Find_Word(const void* word, const void* prefix, const void* suffix);
  virtual int32_t Find_Word(const void* word, const void* prefix, const void* suffix, int32_t count);
  // The cloud datum of entry index (false for an empty slot or an index outside the list); widens
  // cloudData's lowest and highest frequency to take it in.
  virtual bool GetOneCloudDatum(int32_t index, TWordCloudDatum& datum);
  // The datum of the next entry from cloudData.nextWordCloudNum that belongs in a cloud (not deleted, not
  // joined under another); false when none is left.
  virtual bool GetNextCloudDatum(TWordCloudDatum& datum);
  virtual bool SortAndTagList() { return false; }
  virtual int32_t HeaderColumnToSortNeeded(TSortLevel /*level*/, int32_t /*column*/) { return -1; }
  virtual bool IsEmptyDataColumn(int32_t /*column*/) { return false; }
  virtual bool ImportDataFromStringList(TStrings* /*strings*/, int32_t /*code*/) { return false; }
  virtual TNumberDisplayAndSinglesRec NumericalData(int32_t column, int32_t row);
  virtual int32_t PredefinedSetColumnNumber() { return 0; }
  virtual void RecomputeTokens() {}
  virtual int32_t LemmaWordColumn() { return -1; }
  virtual int32_t MainWordColumn() { return 1; }
  virtual void Remove(int32_t index);
  virtual void SetBase(TLXBaseListObject* /*entry*/, TSortLevel /*level*/) {}
  // Told after the sort exchanges the entries at two positions, for lists that keep data by position.
  virtual void SortExchanged(int32_t /*i*/, int32_t /*j*/) {}
  // Told before a level's range is put in order, when it is not in order already: lists that make
  // comparison data for a sort make it here, so a list found in order costs none.
  virtual void SortReordering() {}
  virtual void SetSortSettingsToDefault(bool flag);
  virtual void TellLemmasNoLongerJoined(int32_t /*index*/) {}
  // Readies this list to take the other's entries: room for both, one text form, and both in alphabetical
  // order unless they are already sorted alike.
  virtual bool DonePreMergeChecks(TLXBaseDataClass& other);

  // ---- the list header of a saved list: formulas, headings, stored information, sentinel
  virtual bool SaveToStream(TStream& stream);
  // Empties the list first (a list that owns its entries frees them before calling this). On false,
  // LastStreamError says where and what was expected; what was read stays.
  virtual bool ReadFromStream(TStream& stream);
  // The entries after the header: every entry not flagged not for saving, in its class's own form. Counts
  // what went and what was left out.
  virtual bool SaveEntriesToStream(TStream& stream, int32_t& written, int32_t& left_out);
  // Reads count entries of the list's entry class and adds them. The count is checked against the bytes
  // left before anything is allocated.
  virtual bool ReadEntriesFromStream(TStream& stream, int32_t count);
  UnicodeString LastStreamError;

  // ---- joining (lemmatisation): a head entry collects the entries joined to it, flat
  // False for an index outside the list or no entry; otherwise the entry (and whatever it had joined) goes
  // under the head.
  bool Join(int32_t head, TLXBaseListObject* entry);
  // False for an index outside the list, equal indices, or other already joined elsewhere; with undo the
  // pair is recorded as a range join.
  bool Join(int32_t head, int32_t other, TUndoable undoable);
  // The first index is the head; the others are joined to it in order, stopping at the first that cannot be
  // (outside the list, the head itself, or already joined elsewhere).
  bool PrivateJoinARange(const T1LongintList& indices);
  // False when the entry has nothing joined to it.
  bool UnJoin(int32_t index);
  void UnjoinEntriesJoinedTo(int32_t index);
  void UnJoinAll();
  // The joined entries' frequencies, the head's own not included.
  int32_t GetTotalJoinedFreq(int32_t index);
  TJoinlistAndDetails GetJoinListAndDetails(int32_t index);
  void SetJoinListAndDetails(int32_t index, const TJoinlistAndDetails& rec);
  std::vector<TWord_entry_String_rec> JoinedWordData(int32_t index);
  // With includeHead, the head's word with its affixes goes into strings with its frequency; then callback
  // (when given) adds what it wants of the entry, typically its joined forms.
  using TLemmaInfoCallback = std::function<void(int32_t index, TStringListWithALongint& strings)>;
  void PopulateAStringlistWithLemmaInfo(TStringListWithALongint& strings, int32_t index, bool includeHead,
                                        const TLemmaInfoCallback& callback = nullptr);

  // ---- joins with undo, matching, marking, deleting, zapping, reducing (work_LX_undo.cpp)
  // The first index is the head. With undo, a range that joined is recorded as one action.
  bool JoinARange(const T1LongintList& indices, TUndoable undoable, bool flag);
  bool MatchARange(const T1LongintList& indices, TUndoable undoable, bool flag);
  bool PrivateMatchARange(const T1LongintList& indices, bool flag);
  // Clears the matches, then sorts the list again.
  bool UnMatch(const T1LongintList& indices);
  void UnmatchAll();
  void UnmarkAll();
  // Bosses first (in list order), then subordinates.
  std::unique_ptr<T1LongintList> ComputedListOfMarkedRows();
  bool DeleteOne(int32_t index, bool flag);
  void SetDeleted(int32_t index, bool flag) { DeleteOne(index, flag); }
  bool DeleteARange(const T1LongintList& indices, TUndoable undoable, bool flag);
  bool PrivateDeleteARange(const T1LongintList& indices, bool flag);
  // Takes out every entry flagged deleted or joined elsewhere; false when there was none. An entry a head's
  // join list refers to is kept alive by the list as long as the list lives.
  bool Zap(TUndoable undoable);
  // Puts a zap's entries back (flags as they were); the zap list remembers them for a redo.
  bool UnZap(TZapHolderList& zaps);
  // Takes out again those of the zap list's entries still in the list.
  bool PrivateZap(TZapHolderList& zaps);
  // Cuts the list to n entries: the last ones, or random ones that CanDeleteRandomly allows; a random
  // reduction stops when no remaining entry may go.
  void ReduceTo(bool random, int32_t n);

  // ---- undo and redo
  bool GetCanUnDo() const;
  bool GetCanReDo() const;
  void AddItemsToUndoList(TUnOrReDoActions action, const T1LongintList& indices);
  bool Undo();
  bool Redo();
  void ReportUnOrRedoAction(const UnicodeString& name, bool isRedo, int32_t count);

  // ---- the array
  TLXBaseListObject* Get(int32_t index) const;
  TLXBaseListObject* operator[](int32_t index) const { return Get(index); }
  void Put(int32_t index, TLXBaseListObject* entry);
  int32_t Insert(int32_t index, TLXBaseListObject* entry);
  int32_t IndexOf(const TLXBaseListObject* entry) const;
  void Pack();
  void Clear();
  void ClearButNotGridHeadings();
  void SetCapacity(int32_t n);
  int32_t Count() const { return fCount; }
  int32_t Capacity() const { return FCapacity; }
  // The entry itself when it is in the list, else null.
  TLXBaseListObject* Find_an_Entry(const TLXBaseListObject* entry) const;

  // ---- text forms of the word search
  int32_t Find_WordStr(const UnicodeString& word, const UnicodeString& prefix, const UnicodeString& suffix,
                       TCaseSensitivity cs);
  int32_t Find_WordStr(const AnsiString& word, const AnsiString& prefix, const AnsiString& suffix,
                       TCaseSensitivity cs);
  int32_t Find_WordStr(const TPalavraStr& words, TCaseSensitivity cs);
  int32_t Find_WordStr(const UnicodeString& word, TCaseSensitivity cs);

  // ---- words by index
  UnicodeString GetMainWordAsString(int32_t index);
  UnicodeString GetSomeWordAsString(int32_t row, int32_t column);
  void SetSomeWordAsString(int32_t row, int32_t column, const UnicodeString& s);
  UnicodeString GetPrefixAsWString(int32_t row, int32_t column);
  UnicodeString GetSuffixAsWString(int32_t row, int32_t column);
  void SetPrefixAsWString(int32_t row, int32_t column, const UnicodeString& s);
  void SetSuffixAsWString(int32_t row, int32_t column, const UnicodeString& s);
  void SetMainWordAsString(int32_t index, const UnicodeString& s);
  UnicodeString PointerToString(const void* p) const;

  int32_t DataMainColumn();
  int32_t DefaultActiveSetColumn() { return PredefinedSetColumnNumber(); }
  int32_t CheckedTrueColumnNumber(int32_t column) {
    return column == 0 ? PredefinedSetColumnNumber() : column;
  }

  // ---- flags by index
  bool GetDeleted(int32_t index) const;
  bool GetMatched(int32_t index) const;
  bool GetJoinedElsewhere(int32_t index) const;
  bool GetHasJoined(int32_t index) const;
  int32_t GetJoinCount(int32_t index) const;
  bool GetNotForSaving(int32_t index) const;
  uint8_t GetMarcacao(int32_t index) const;
  int32_t GetTagNumber1Based(int32_t index) const;
  void SetMatched(int32_t index, bool flag);
  void SetNotForSaving(int32_t index, bool flag);
  void SetMarcacao(int32_t index, uint8_t value);
  void ClearMarcacao();
  TSpecialFeaturesSet GetSpecialFeatures(int32_t index) const;

  // ---- columns
  TGrid_head32 OneGridHeading(int32_t column) const;
  std::vector<UnicodeString> AllCurrentHeadings() const;
  int32_t Original_Column(int32_t column) const;
  void SetGridHeadings(const TGridHeaderList& list);
  void SetHeaderColumnVisible(int32_t column, bool flag);
  bool GetAllowCaseChange() const;
  TOutput_results_case GetOutputCase() const;
  TLXColumnType ExtraColumnType(int32_t column) const;
  bool IsASetColumnColumn(int32_t column) const;
  void RecomputeColumnSetnums();
  void ClearGridHeadings();
  bool GetColumnBeingEditedIsNumerical() const;
  void GetCurrentSetColumnInfo(UnicodeString& caption, int32_t& column) const;
  TGridHeaderList* GridHeadings() const { return fGridHeadings.get(); }

  int32_t TotalRowCount() { return OverallCount() + fCount + ColumnTotalRowsToShow; }
  int32_t ConvertedForOverallCount(int32_t row) {
    return row - OverallCount() > 0 ? row - OverallCount() : 0;
  }

  int32_t DoAComparePosOfWord(const void* word, bool any_digit, bool at_end, bool at_start);
  bool FirstLetterIsCaps(const void* word) const;

  // Rows of a grid selection as entry indices; the caller owns the list. layout is passed to
  // convertedForFrequency, which maps a grid row to an entry index.
  T1LongintList* CopyOfTheSelectedRows(int32_t top, int32_t bottom, grid_alternatives layout);
  T1LongintList* CopyOfTheSelectedRows(const std::vector<int32_t>& rows, int32_t top, int32_t bottom,
                                       grid_alternatives layout);
  T1LongintList* CopyOfTheSelectedRows(int32_t top, int32_t bottom, const T1LongintList& rows,
                                       grid_alternatives layout);
  // Grid row to entry index: the row itself in the base. Lists that show rows above their entries map them.
  virtual int32_t ConvertedForFrequency(int32_t row, grid_alternatives /*layout*/) { return row; }

  void SetListBusy(TLXAction action) { fListBusy = action; }
  TLXAction GetListBusy() const { return fListBusy; }
  void SetTextFormat(bool unicode) { fTextFormat = unicode ? tf_unicode : tf_ansi; }
  int32_t GetVersionNumber() const;
  void SetVersionNumber(int32_t n);
  bool GetISaMWUList() const;
  void SetIsAMWUlist(bool flag);
  void SetAffixIgnores(TAffixIgnores set) { AffixIgnores = set; }
  bool CanCompareAffix(TDrawGridStringOrder part) const { return !AffixIgnores.Contains(part); }
  int32_t DummyCompareWords(TLXBaseListObject* /*entry*/) { return -1; }

  // ---- sorting: settings
  virtual void Set1Sort(TSortLevel level, int32_t column);
  virtual void Set3Sorts(const TSortLevelNumbers& columns);
  virtual void SetSecondSortAsWordSort() {}
  virtual void SortAlphabeticallyAscending() { SetSortAlphabetical(main_sort, true); }
  void SetSortAlphabetical(TSortLevel level, bool flag);
  bool GetSortAscending(TSortLevel level) const { return LXSortSettings.ascending_orders[level]; }
  void SetSortAscending(TSortLevel level, bool flag) { LXSortSettings.ascending_orders[level] = flag; }
  void ToggleASortAscends(TSortLevel level) { SetSortAscending(level, !GetSortAscending(level)); }
  void ToggleMainSortAscends() { ToggleASortAscends(main_sort); }
  void ToggleMainSortAscendsUntilAscending() {
    if (!GetSortAscending(main_sort)) ToggleMainSortAscends();
  }
  TSortLevel GetSortLevelsAvailable() const { return LXSortSettings.SortLevelsAvailable; }
  void SetSortLevelsAvailable(TSortLevel level) { LXSortSettings.SortLevelsAvailable = level; }
  TtriBool GetColumnSortStateAscending(int32_t column) const;
  void UsePrivateSort(TSortSettings& settings, TSortLevel level, int32_t option);
  void SetPrivateBase(TLXBaseListObject* entry, TSortLevel level) { fPrivateSortData.base[level] = entry; }

  // ---- sorting: running
  virtual void DoASort(int32_t column, int32_t first, int32_t last);
  void DoAlphabeticalAscendingSort();
  virtual void SortOnCategory(bool flag, int32_t column);
  int32_t TopIdenticallySorted(TSortLevel level);
  void SortThem(int32_t first, int32_t last);
  // Never recurses deeper than log2 of the range: the smaller part recurses, the larger loops.
  void UserObjectQuickSort(int32_t lo, int32_t hi, const TLXBaseListSortCompare& compare);

  // ---- sorting: comparison primitives, each against the base operand: -1, 0 or 1
  int32_t IntegerComparison(int32_t value) const;
  static int32_t IntegerComparisonSwapped(int32_t c) { return -c; }
  int32_t FloatComparison(float value) const;
  int32_t BaseStringComparison(const UnicodeString& text) const;
  int32_t CategoriesStringComparison(const UnicodeString& text) const;
  int32_t CompareCategories(TLXBaseListObject* entry);
  int32_t CompareLemmas(TLXBaseListObject* entry);
  int32_t CompareDispersions(TLXBaseListObject* entry);
  int32_t CompareWordsByLength(TLXBaseListObject* entry);
  // Reads compare_ID_with: the entropy belongs to the entry's place in the list, not to the object.
  int32_t CompareRelativeEntropies(TLXBaseListObject* entry);
  int32_t CompareWordsReverse(const void* word);
  void ComputeReversedBaseWord(const void* word);
  // Reverses a zero-terminated buffer in the holder's storage form; surrogate pairs stay in order.
  void ReverseAWord(void* buffer) const;
  static void ReverseAWord(void* buffer, bool isUnicode);

  int32_t PrivateSortDeletedUp(TLXBaseListObject* entry);
  int32_t PrivateSortJoinElsewhereUp(TLXBaseListObject* entry);
  int32_t PrivateSortMatchedUp(TLXBaseListObject* entry);
  int32_t PrivateSortJoinListUp(TLXBaseListObject* entry);

  // ---- column totals, derived values and grid cells (work_LX_totals.cpp)
  // Statistics rows under the entries: total, max, min, mean, sd and the share of each of slices (1..12;
  // 0 or less switches them off) equal parts of the list, stored in the numerical headings' column_data.
  virtual void ComputeColumnTotals(int32_t slices);
  void GetColumnTotalDataForGrid(int32_t column, int32_t row, TGrid_data_rec& cell);
  float ComputeRelativeEntropyOfValues(int32_t max);
  float LemmasRelativeEntropy(int32_t index, int32_t max);
  void InitialiseIntermediateValues();
  void CheckIntermediateValues(extended key);
  // The value of a column at a row, or the column's sum from row 0 to it: what a formula's value node asks
  // the list for. Cumulative sums are cached per block of rows.
  extended ValueElsewhere(int32_t column, int32_t row, bool cumulative);
  // The rows per cached block for the current count: every block of the list fits the cache.
  int32_t IntermediateBlockSize() const;

  virtual void DrawgridDataRec(int32_t column, int32_t& row, TGrid_data_rec& cell, grid_alternatives layout);
  virtual void TopRowDataRec(int32_t column, TGrid_data_rec& cell);
  void AddSpecialFeaturesToDrawGridDataRec(int32_t row, TGrid_data_rec& cell);
  void LeftmostColumnDataRec(int32_t row, TGrid_data_rec& cell);
  // The word cell of a tagged list: the entry's prefix holds its tag, shown before or after the word, alone,
  // or not at all; a prefix with no "<" in it is not a tag and is not shown.
  void FormatDrawGridDataRecPrefixEtcForTagTreatment(TGrid_data_rec& cell, int32_t row,
                                                     TWordListTagDisplay display);
  UnicodeString CheckedPPMFormatHeading(int32_t column, const TGrid_data_rec& cell);
  virtual bool GetAFileStatus(int32_t /*index*/, bool /*flag*/) { return false; }

  TStringTrueColumnAndColourRec GetACategoryAndColour(int32_t index, int32_t column);
  int32_t GetACategoryColour(int32_t index, int32_t column);
  UnicodeString GetACategoryString(int32_t index, int32_t column);
  void SetACategoryAndColour(int32_t index, const TStringTrueColumnAndColourRec& rec);
  void SetACategoryAndColourAndTagnumber(int32_t index, int32_t tag,
                                         const TStringTrueColumnAndColourRec& rec);
  void SetACategoryString(int32_t index, int32_t column, const UnicodeString& text);
  void ClearACategory(int32_t index, int32_t column);
  void ClearCategories(int32_t column);
  void ClearColourCategoryColours();

  TLXEntryDetailsRec AnEntryDetails(int32_t row);
  virtual UnicodeString EntryDetailsAsString(int32_t row);
  std::vector<TGrid_data_rec> EntryDetailsAsGridDataRecs(int32_t row);
  // The caller owns the list; hasData is false in the base.
  virtual TStringList* SelectedStatsFilenames(int32_t index, bool& hasData);
  virtual std::vector<UnicodeString> TimeLineDataDateHeaders(const TTimeLineDataRec& data);

  // ---- fields, in the system's order
  int32_t FCapacity = 0;
  TSortLevel FSortStage = main_sort;
  bool fEntries_converted_to_Unicode = false;
  int32_t fSignature = 0;
  int32_t fColumnBeingEdited = -1;
  int32_t fSort_start = 0;
  int32_t fSort_Finish = 0;
  int32_t fnearest_word_num = 0;
  std::unique_ptr<extended_array> intermediate_values;
  TLXBaseListObject** CurrentList = nullptr;
  TAffixIgnores AffixIgnores;
  TLXAction fListBusy = no_action;
  std::unique_ptr<TLXActiveLongintList> fColumnSetnums;
  std::unique_ptr<TGridHeaderList> fGridHeadings;
  std::unique_ptr<TWordsAndTagsDisplayer> fWordsAndTagsDisplayer;
  std::unique_ptr<TExtraFontList> fMainExtraFontList;
  TPrivateSortDataRec fPrivateSortData;
  TLXBaseListObjectClass fEntriesClass;
  void* freverse_word = nullptr;
  TOnNumericalDataEvent fOnNumericalData;
  TOnGetCentreOfMainFormEvent fOnGetCentreOfMainForm;
  TOnReportUnOrRedoActionEvent fOnReportUnOrRedoAction;
  std::unique_ptr<TParseFormulaHandler> fParseFormulaHandler;
  std::unique_ptr<TUndoList> UndoList;
  TTextFormat fTextFormat = tf_unicode;
  TLexmillList fList_type;
  bool fColumnTotalsComputed = false;
  int32_t fCount = 0;
  TLXBaseListSortCompare CompareWordsFunct;
  TLXBaseHolder* Patroa;
  TListModifications_Set ListModified;
  TSortSettings LXSortSettings;
  TSortSettings LastLXSortSettings;
  TCloudDataRec cloudData;
  int32_t true_current_sort_column = 0;
  int32_t lemma_entries_added = 0;
  int32_t compare_ID_with = 0;
  int32_t compare_ID_base = 0;
  int32_t base_compare_int = 0;
  int32_t base_compare_wordlength = 0;
  int32_t MarcacoesExistentes = 0;
  int32_t ColumnTotalRowsToShow = 0;
  int32_t intermediate_block_size = 0;  // the block size the cached sums were made with
  int32_t FindFromRow = 0;
  Talphabetical_sort AlphabeticalSubSort = sort_alphabetically;
  grid_alternatives BaseGridKind;
  bool include_custom_strings_saving = false;
  bool allow_freq_conversion = true;
  bool DataIsForStatusbar = false;
  bool ExportingReducedTextChars = false;
  bool ShowNormalisedNumbers = false;
  bool linguistic_match_found = false;
  bool DoingClipboardOperation = false;
  TCaseSensitivity comparing_case_sensitivity = cs_anyhow;
  std::vector<TLXAlignment> Alignments;
  UnicodeString statusbar_extra_str;
  UnicodeString decimal_places_string;
  float base_compare_float = 0;
  const void* base_compare_prefix_Pointer = nullptr;
  const void* base_compare_suffix_Pointer = nullptr;
  const void* base_compare_pointer = nullptr;
  UnicodeString base_compare_prefix_string;
  UnicodeString base_compare_suffix_string;
  UnicodeString base_compare_string;
  std::unique_ptr<TStoredListInfoHolder> StoredListInfo;

 private:
  int32_t fGetAssertedIndex(int32_t index, const char16_t* message) const;
  void fReportUndoState();
  void fReportRedoState();
  // Where a recorded entry is now: its recorded index when it is still there, else a search; -1 when gone.
  int32_t fCurrentIndexOf(int32_t recorded, const TLXBaseListObject* entry) const;
  // An index list of where a holder's recorded entries are now.
  std::unique_ptr<T1LongintList> fCurrentIndices(const TUnOrReDoActionHolder& holder) const;
  // Empties the entry's slot: the entry goes to the zap list (when given), and is kept alive by the list when
  // it is joined elsewhere, or else freed.
  void fTakeOut(int32_t index, TZapHolderList* zaps);
  // Entries taken out of the list while a head's join list still refers to them.
  std::vector<std::unique_ptr<TLXBaseListObject>> fJoinedButTakenOut;
  void fMarkLemmatised();
  // The comparison that ordered a level (its private one when private, null when none), with its base set
  // from entry.
  const TLXBaseListSortCompare* fLevelCompare(TSortLevel level) const;
  void fSetLevelBase(TSortLevel level, TLXBaseListObject* entry);
  bool fLevelSort(int32_t first, int32_t last, TSortLevel level);
  // Whether first..last already stands in the level's order: no entry before one it compares below.
  bool fInLevelOrder(int32_t first, int32_t last, TSortLevel level, const TLXBaseListSortCompare& compare);
  bool fRunSort(int32_t first, int32_t last, TSortLevel level);
  void fRecordSortInHeadings(int32_t column, bool ascending);
  // Scratch copy for case-blind positional compares, so the entry's own word is never changed.
  std::vector<char> fPosScratch;
  AnsiString fAnsiWord, fAnsiPrefix, fAnsiSuffix;
};

// ---- cells and column statistics (work_LX_totals.cpp)
// Turns the not-applicable and blank markers into the not-applicable text; else fits the decimals to the
// display.
void CheckForDontShowConstAndDecimals(TGrid_data_rec& cell);
int32_t NFilesCorrected(int32_t n, bool flag);
bool CategoryMeansClearCategory(WideChar c);
// "%" for per cent, "per 1000 words" and "per million"; empty otherwise.
UnicodeString HeadingFromNumberType(TNumberDisplay mostra);
// The label of statistics row k (0-based): Total, Max, Min, Mean, Sd., then 1st 5th, 2nd 5th and so on.
UnicodeString ColumnTotalLabel(int32_t k, int32_t slices);

LX_DECLARE_RESOURCESTRING(_LXColumnTotal)
LX_DECLARE_RESOURCESTRING(_LXColumnMax)
LX_DECLARE_RESOURCESTRING(_LXColumnMin)
LX_DECLARE_RESOURCESTRING(_LXColumnMean)
LX_DECLARE_RESOURCESTRING(_LXColumnSd)
LX_DECLARE_RESOURCESTRING(_LXColumnSlice)
LX_DECLARE_RESOURCESTRING(_LXCornerN)
LX_DECLARE_RESOURCESTRING(_LXPerThousandWords)
LX_DECLARE_RESOURCESTRING(_LXPerMillion)
LX_DECLARE_RESOURCESTRING(_LXStatsUserLine)
LX_DECLARE_RESOURCESTRING(_LXStatsLines)
LX_DECLARE_RESOURCESTRING(_LXStatsRow)

// Two-phase construction: the constructor, then AfterConstruction, so a derived list's overrides run.
template <typename T, typename... Args>
std::unique_ptr<T> Create(Args&&... args) {
  auto p = std::make_unique<T>(std::forward<Args>(args)...);
  p->AfterConstruction();
  return p;
}

}  // namespace lx
