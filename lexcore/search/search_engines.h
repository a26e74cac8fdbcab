// The search-and-do engine and the collections of parsed search words it is given. Collections: the search
// words of a concordance, its context words, exclusion words and tag contexts, with their hit counts, their
// text-file form and their stream form.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/search/search_parsing.h"
#include "lexcore/search/search_stats.h"
#include "lexcore/search/wanted_matcher.h"

namespace lx {

LX_DECLARE_RESOURCESTRING(_LXEtc)

class TSimpleSearchlist;
class TSearchAndDoEngine;

// Each "<"..">" pair's delimiters as the tag codes; a "<" with no ">" after it stays.
UnicodeString CleanToTagOnOff(std::u16string_view text);

// Owns one parsed search word.
class TSWHolder : public TObject {
 public:
  TSWHolder() = default;
  explicit TSWHolder(const TSearch_word_format_rec& r) : rec(r) {}
  TSearch_word_format_rec rec;
};

// Owns its holders.
class TSWList {
 public:
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  bool InRange(int32_t i) const { return i >= 0 && i < Count(); }
  TSWHolder* Get(int32_t i) const { return InRange(i) ? items_[static_cast<std::size_t>(i)].get() : nullptr; }
  int32_t Add(std::unique_ptr<TSWHolder> holder);
  void Delete(int32_t i);
  void Move(int32_t from, int32_t to);
  int32_t IndexOfHolder(const TSWHolder* holder) const;
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<TSWHolder>> items_;
};

// Owns its plain search list and its items.
class TBaseSearchItems : public TObject {
 public:
  TBaseSearchItems();
  TBaseSearchItems(const TTagDelimiters& tagDelimiters, LCID lcid, bool splitAlternatives);
  virtual ~TBaseSearchItems();
  TBaseSearchItems(const TBaseSearchItems&) = delete;
  TBaseSearchItems& operator=(const TBaseSearchItems&) = delete;

  // Parses typed text into items; the indexes of its alternatives, last typed first.
  virtual std::vector<int32_t> fAddedSearchWordsIndices(const UnicodeString& typed);

  std::vector<int32_t> AddedSearchWords(const UnicodeString& typed);
  std::vector<int32_t> AddedSearchWords(const UnicodeString& typed, int16_t languageNumber);
  std::vector<int32_t> AddedSearchWords(const UnicodeString& typed, bool autoLemma);
  std::vector<int32_t> AddedSearchWords(const UnicodeString& typed, int32_t numberToFind);
  // Any other integer type would silently promote to the number-to-find form: say which one is meant.
  template <typename T>
  std::vector<int32_t> AddedSearchWords(const UnicodeString& typed, T value) = delete;
  // Adds like AddedSearchWords and brings the words to the top; the indexes where they now stand.
  std::vector<int32_t> InsertSearchWordsAtTop(const UnicodeString& typed, bool autoLemma);
  int32_t AddOneSW(const TSearch_word_format_rec& rec);
  int32_t EnsureContains(const TSearch_word_format_rec& rec);
  void AddSWs(const TBaseSearchItems& other);

  int32_t Count() const { return fItems.Count(); }
  int32_t TypeInIndexOf(std::u16string_view text) const;
  int32_t IndexOf(const TSearch_word_format_rec& rec) const;
  TSearch_word_format_rec GetSWR(int32_t i) const;
  void PutSWR(int32_t i, const TSearch_word_format_rec& rec);
  // The caller may change any field through the pointer, the typed text included, for as long as the item
  // lives; lookups stay true whatever is changed.
  TSearch_word_format_rec* GetPtr(int32_t i) const;

  // Out-of-range indexes read as 0/false/empty and are ignored by the setters.
  TMySearchFlags GetAFlag(int32_t i) const;
  void SetAFlag(int32_t i, TMySearchFlags flags);
  bool GetAutoLemmaAdded(int32_t i) const;
  void SetAutoLemmaAdded(int32_t i, bool value);
  int32_t GetHitsFound(int32_t i) const;
  void SetHitsFound(int32_t i, int32_t value);
  int16_t GetLanguage(int32_t i) const;
  void SetLanguage(int32_t i, int16_t value);
  int32_t GetNToFind(int32_t i) const;
  void SetNToFind(int32_t i, int32_t value);
  bool GetSearchFound(int32_t i) const;
  void SetSearchFound(int32_t i, bool value);
  int32_t GetSpacesInSW(int32_t i) const;

  // Item i's typed text, zero-terminated: the item's own UTF-16 text when wide (valid while the item is
  // unchanged), else an 8-bit copy in the code page of the items' language (the process code page for
  // LCID 0) held in one shared buffer (valid until the next 8-bit call). Null when i is out of range.
  const void* TypedInWord(int32_t i, bool wide) const;
  std::unique_ptr<TStringList> TypedInWordsAsStringlist() const;
  // Joined with "/"; with limit, at most the first 10, then " etc." when there are more.
  UnicodeString AllTypedSearchWordsAsOne(bool limit) const;
  std::unique_ptr<TStringList> TypeInParts(const UnicodeString& text) const;
  int32_t SearchesPlannedCount() const;

  void IncrementHits(int32_t i);
  void ClearHits();
  void SetHits(const std::vector<int32_t>& hits);
  int64_t TotalHits() const;

  void ClearOne(int32_t i);
  void Clear();
  void MoveToTop(int32_t i);
  TSimpleSearchlist& ComputePlainSearchWords();

  // Every non-empty line of the file added with numberToFind; true when any word was added.
  bool LoadFromFile(const UnicodeString& fileName, int32_t numberToFind);
  // UTF-16 LE with a byte-order mark, one typed text and CRLF per item. Raises the file's error.
  void SaveToFile(const UnicodeString& fileName) const;
  // False on a stream error, or when a text is too long for the counted-string form.
  bool SaveToStream(TStream& stream) const;
  // False on a short or corrupt stream; the words read before the fault stay.
  bool ReadFromStream(TStream& stream);

  LCID GetLCID() const { return fLCID; }
  void SetLCID(LCID lcid) { fLCID = lcid; }
  bool GetSplitAlternatives() const { return fSplitAlternatives; }
  void SetSplitAlternatives(bool value) { fSplitAlternatives = value; }
  bool GetTakeWordsUnparsed() const { return fTakeWordsUnparsed; }
  void SetTakeWordsUnparsed(bool value) { fTakeWordsUnparsed = value; }
  bool GetLoaded() const { return fLoaded; }
  const TTagDelimiters& GetTagDelimiters() const { return fTagDelimiters; }
  int32_t spare_value = -1;

 protected:
  std::unique_ptr<TSimpleSearchlist> fPlainSearchList;
  TSWList fItems;  // change it through the operations above, which keep the typed-text index true
  // Item i for reading, or for changes that leave its typed text alone.
  TSearch_word_format_rec* ItemRec(int32_t i) const;
  LCID fLCID = 0;
  bool fSplitAlternatives = false;
  bool fTakeWordsUnparsed = false;
  bool fLoaded = false;
  TTagDelimiters fTagDelimiters{};

 private:
  template <typename Apply>
  std::vector<int32_t> AddedAndSet(const UnicodeString& typed, Apply apply);
  int32_t AddHolder(const TSearch_word_format_rec& rec);
  void DropTypedIndex() const;

  // While one bulk addition runs, a typed text -> first item index makes each lookup constant, so reading a
  // long list stays linear. Outside such a scope lookups read the items themselves: a caller may change a
  // typed text through GetPtr at any time, and no index could know.
  class TBulkLookup {
   public:
    explicit TBulkLookup(const TBaseSearchItems& items) : items_(items) { ++items_.fBulkDepth; }
    ~TBulkLookup() {
      if (--items_.fBulkDepth == 0) items_.DropTypedIndex();
    }
    TBulkLookup(const TBulkLookup&) = delete;
    TBulkLookup& operator=(const TBulkLookup&) = delete;

   private:
    const TBaseSearchItems& items_;
  };

  mutable std::unordered_map<UnicodeString, int32_t> fTypedIndex;
  mutable int32_t fBulkDepth = 0;
  mutable bool fTypedIndexBuilt = false;
};

class TContextWordItems : public TBaseSearchItems {
 public:
  using TBaseSearchItems::TBaseSearchItems;
};
class TExclusionWordItems : public TBaseSearchItems {
 public:
  using TBaseSearchItems::TBaseSearchItems;
};
class TTagContextWordItems : public TBaseSearchItems {
 public:
  using TBaseSearchItems::TBaseSearchItems;
};

// The engine comes from the search-and-do unit, which installs these when it loads; until then a word list
// gets its context items but no context engine.
extern std::function<TSearchAndDoEngine*(LCID lcid, bool wide)> Global_CreateSearchAndDoEngine;
extern std::function<void(TSearchAndDoEngine*)> Global_FreeSearchAndDoEngine;

// An engine together with the routine that frees it (the one that was current when it was made).
using TOwnedSearchAndDoEngine = std::unique_ptr<TSearchAndDoEngine, std::function<void(TSearchAndDoEngine*)>>;

// The search words proper. Owns its context items and context engine, both made when the first word with
// a context requirement arrives.
class TSearchWordItems : public TBaseSearchItems {
 public:
  using TBaseSearchItems::TBaseSearchItems;

  std::vector<int32_t> fAddedSearchWordsIndices(const UnicodeString& typed) override;
  bool GetHasContextWord(int32_t i);
  bool HasContextWord() const { return fHasContextWord; }
  TContextWordItems* ContextItems() const { return fContextItems.get(); }
  TSearchAndDoEngine* ContextEngine() const { return fContextEngine.get(); }

 private:
  std::unique_ptr<TContextWordItems> fContextItems;
  TOwnedSearchAndDoEngine fContextEngine;
  bool fHasContextWord = false;
};

// ---- The search-and-do engine: finds every hit of one parsed search word in a buffer and hands each to a
// callback.

// One hit. Address fields are pointer-sized; everything else keeps its 32-bit form.
struct TSearchFound_Rec {
  const void* buffer_start = nullptr;        // 0
  const void* buffer_start_again = nullptr;  // 1
  const void* hit_address = nullptr;         // 2: the hit's first character
  float place_per_cent = 0;                  // 3: (hit byte offset + buffer offset) * 100 / total length
  int32_t hit_offset = 0;                    // 4: characters from the buffer start
  int32_t buffer_offset = 0;                 // 5: where the buffer starts in the whole text
  int32_t pattern_length = 0;                // 6: characters the pattern matched
  int32_t hit_length = 0;                 // 7: with the rest of the word when no right boundary is required
  int32_t tag_value = 0;                  // 8: the caller's value given to SearchAndDo
  int32_t hit_offset_again = 0;           // 9
  int32_t reserved[5] = {0, 0, 0, 0, 0};  // 10..14
  TSearchStatsRec stats{};                // 15..29; outside a heading its number and position are -1

  // Byte offset of the hit from the buffer start (the sort key of hit lists).
  int64_t ByteOffset() const {
    return static_cast<const char*>(hit_address) - static_cast<const char*>(buffer_start);
  }
};

class TSearchAndDoEngine;
using TOnSearchFound = std::function<bool(TSearchAndDoEngine& engine, const TSearchFound_Rec& hit)>;
using TOnSearchFinished = std::function<void(TSearchAndDoEngine& engine, const TSearchStatsRec& stats)>;

// The class array is the engine's own (filled per buffer) unless the caller supplies one, which the engine
// never resizes or frees.
class TSearchAndDoEngine : public TObject {
 public:
  TSearchAndDoEngine(bool isUnicode, bool constructorSwitch, LCID lcid, uint16_t* classArray = nullptr);
  ~TSearchAndDoEngine() override = default;
  TSearchAndDoEngine(const TSearchAndDoEngine&) = delete;
  TSearchAndDoEngine& operator=(const TSearchAndDoEngine&) = delete;

  void SetLCID(LCID lcid);
  // Sets the zero-terminated buffer; an own class array of its length + 2 slots is filled for the LCID.
  void SetABuffer(const void* buffer);
  void PrepareFirst(const void* buffer, int32_t totalLength, int32_t bufferOffset, TOnSearchFound onFound,
                    TOnSearchFinished onFinished);
  // For a buffer whose class array the caller prepared (hidden characters, segment markers).
  void PrepareForConcordancing(const UnicodeString& textName, const void* buffer, uint16_t* classArray,
                               uint16_t* classArrayLastSlot, int32_t totalLength, int32_t bufferLength,
                               int32_t bufferOffset, bool punctuationAsSpace, TOnSearchFound onFound,
                               TOnSearchFinished onFinished);
  void SetArrayOfTagsFound(const TTagsFoundArray& counts) { TagsFound = counts; }
  // Lets the word-internal characters stand inside words in the current buffer.
  void HandleAllowables(const UnicodeString& middleChars, bool mayEndWord, bool mayStartWord);
  void ClearChunkTextStats() {
    TextStats = {};
    lastBufferEndedInWord_ = bufferContinuesWord_ = false;
  }
  void ClearCancel() { Cancelled = false; }
  void Cancel() { Cancelled = true; }
  void FoundEnough() { FoundEnoughFlag = true; }
  void RequestRestart() { RestartRequested = true; }

  // Finds every hit of the word (up to its n_to_find) and calls OnFound for each. True when the search ran;
  // false when the engine is not ready, has no buffer or the word is empty. An error inside the search is
  // raised again as "problem searching <text> for "<word>": <its message>"; an abort passes unchanged.
  bool SearchAndDo(TSearch_word_format_rec& rec);
  bool SearchAndDo(TSearch_word_format_rec& rec, int32_t tagValue);

  TOnSearchFinished OnFinished;
  TOnSearchFound OnFound;
  uint16_t* ClassArray = nullptr;
  uint16_t* ClassArrayLastSlot = nullptr;
  const void* Buffer = nullptr;
  int32_t Hits = 0;
  int32_t TotalTextLength = 0;
  int32_t BufferLength = 0;
  bool FoundEnoughFlag = false;
  bool PunctuationAsSpace = false;
  bool Concordancing = false;
  bool Cancelled = false;
  bool ClassArraySupplied = false;
  bool Ready = false;
  bool RestartRequested = false;
  bool ConstructorSwitch = false;
  bool Unicode = true;
  LCID Lcid = 0;
  UnicodeString TextName;
  TSearchStatsRec TextStats{};
  uint32_t CodePage = 0;
  int32_t TagValue = 0;
  bool Additional = false;
  TTagsFoundArray TagsFound{};
  int32_t BufferOffset = 0;
  // The mark-up delimiters a tag in a search word stands for; all zero: any opening or closing bracket.
  TTagDelimiters TagDelimiters{};

 private:
  void ReleaseOwnClassArray();
  void StartNewBuffer();
  void FillOwnClassArray();
  bool RunSearch(TSearch_word_format_rec& rec);

  std::vector<uint16_t> ownClassArray_;
  uint16_t* constructorClassArray_ = nullptr;  // the caller's, given at construction
  TWantedMatchMemo memo_;
  // Whether the last buffer searched ended inside a word, and whether the current one starts inside that
  // word; a word cut by a buffer boundary is counted once.
  bool lastBufferEndedInWord_ = false;
  bool bufferContinuesWord_ = false;
};

// An engine for context words: marks itself additional (no per-hit log lines) and carries the gap the tools
// need.
class TAdditionalSearchAndDoEngine : public TSearchAndDoEngine {
 public:
  TAdditionalSearchAndDoEngine(bool isUnicode, bool constructorSwitch, LCID lcid,
                               uint16_t* classArray = nullptr);
  void SetContext_exact_gap_required(int32_t gap) { Context_exact_gap_required = gap; }
  int32_t Context_exact_gap_required = 0;
};

// A quick yes/no test of one word against a whole buffer, ignoring mark-up.
class TWLSearchAndDo : public TSearchAndDoEngine {
 public:
  using TSearchAndDoEngine::TSearchAndDoEngine;
  void SetSearchWord(const UnicodeString& text, TMySearchFlags flags);
  bool QuickSearchFoundIgnoringTags();

  UnicodeString LowerForm, TitleForm, UpperForm;
  TMySearchFlags WordFlags;

 private:
  std::vector<uint16_t> quickClassArray_;
};

// Holds a copy of one hit.
class TSearchFoundHolder : public TUsefulBaseListObject {
 public:
  TSearchFoundHolder() = default;
  explicit TSearchFoundHolder(const TSearchFound_Rec& r) : rec(r) {}
  TSearchFound_Rec rec;
};

// Owns its hit holders. Sorted on the hits' byte offsets from their buffer start, greatest first.
class TSearchFoundList : public TUsefulBaseListSorts {
 public:
  TSearchFoundList() : TUsefulBaseListSorts(ItemClassOf<TSearchFoundHolder>()) {}
  int32_t AddOne(const TSearchFound_Rec& rec) { return Add(new TSearchFoundHolder(rec)); }
  const TSearchFound_Rec& GetOne(int32_t i) const { return static_cast<TSearchFoundHolder*>(Items(i))->rec; }
  int ComparedValues(int32_t i, int32_t j) override;
  void SortOnOffsets();
  // 0 for equal offsets, -1 when the item's offset is greater than the pivot's, 1 when smaller.
  static int CompareOffsets(TUsefulBaseListObject* item, TUsefulBaseListObject* pivot);
};

}  // namespace lx
