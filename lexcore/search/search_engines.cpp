#include "lexcore/search/search_engines.h"

#include <algorithm>
#include <limits>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_log.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/search/user_input_wildcard_parsing.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "lexcore/text/my_string_functions.h"

namespace lx {

LX_RESOURCESTRING(_LXEtc, u"etc.")

std::function<TSearchAndDoEngine*(LCID lcid, bool wide)> Global_CreateSearchAndDoEngine;
std::function<void(TSearchAndDoEngine*)> Global_FreeSearchAndDoEngine;

UnicodeString CleanToTagOnOff(std::u16string_view text) {
  UnicodeString out(text);
  for (std::size_t open = 0; (open = out.find(u'<', open)) != UnicodeString::npos;) {
    const std::size_t close = out.find(u'>', open + 1);
    if (close == UnicodeString::npos) break;
    out[open] = sw_tag_open_code;
    out[close] = sw_tag_close_code;
    open = close + 1;
  }
  return out;
}

// ---- TSWList

int32_t TSWList::Add(std::unique_ptr<TSWHolder> holder) {
  items_.push_back(std::move(holder));
  return Count() - 1;
}

void TSWList::Delete(int32_t i) {
  if (InRange(i)) items_.erase(items_.begin() + i);
}

void TSWList::Move(int32_t from, int32_t to) {
  if (!InRange(from) || !InRange(to) || from == to) return;
  auto holder = std::move(items_[static_cast<std::size_t>(from)]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(holder));
}

int32_t TSWList::IndexOfHolder(const TSWHolder* holder) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (items_[static_cast<std::size_t>(i)].get() == holder) return i;
  return -1;
}

// ---- TBaseSearchItems

TBaseSearchItems::TBaseSearchItems() : fPlainSearchList(std::make_unique<TSimpleSearchlist>()) {}

TBaseSearchItems::TBaseSearchItems(const TTagDelimiters& tagDelimiters, LCID lcid, bool splitAlternatives)
    : fPlainSearchList(std::make_unique<TSimpleSearchlist>()),
      fLCID(lcid),
      fSplitAlternatives(splitAlternatives),
      fTagDelimiters(tagDelimiters) {}

TBaseSearchItems::~TBaseSearchItems() = default;

std::vector<int32_t> TBaseSearchItems::fAddedSearchWordsIndices(const UnicodeString& typed) {
  std::vector<int32_t> result;
  const std::unique_ptr<TStringList> parts = TypeInParts(typed);
  const TBulkLookup lookup(*this);
  for (int32_t k = parts->Count() - 1; k >= 0; --k) {
    const UnicodeString alternative = parts->Get(k);
    const TSearch_word_format_rec rec = fTakeWordsUnparsed ? UnParsed_SearchWord(alternative)
                                                           : Parsed_SearchWord(fTagDelimiters, alternative);
    if (global_keeping_log)
      AddToLogFile(u"search word \"" + rec.typed_in_text + u"\" parsed as \"" +
                   LXFormattedWorkStringToReadableString(rec.search_text) + u"\"");
    if (rec.search_text.empty()) continue;
    const int32_t existing = TypeInIndexOf(rec.typed_in_text);
    result.push_back(existing >= 0 ? existing : AddHolder(rec));
  }
  return result;
}

template <typename Apply>
std::vector<int32_t> TBaseSearchItems::AddedAndSet(const UnicodeString& typed, Apply apply) {
  std::vector<int32_t> indices = fAddedSearchWordsIndices(typed);
  for (int32_t i : indices)
    if (TSearch_word_format_rec* r = ItemRec(i)) apply(*r);
  return indices;
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const UnicodeString& typed) {
  return fAddedSearchWordsIndices(typed);
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const UnicodeString& typed, int16_t languageNumber) {
  return AddedAndSet(typed, [languageNumber](TSearch_word_format_rec& r) { r.Langnum = languageNumber; });
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const UnicodeString& typed, bool autoLemma) {
  return AddedAndSet(typed, [autoLemma](TSearch_word_format_rec& r) { r.auto_lemma_added = autoLemma; });
}

std::vector<int32_t> TBaseSearchItems::AddedSearchWords(const UnicodeString& typed, int32_t numberToFind) {
  return AddedAndSet(typed, [numberToFind](TSearch_word_format_rec& r) { r.n_to_find = numberToFind; });
}

std::vector<int32_t> TBaseSearchItems::InsertSearchWordsAtTop(const UnicodeString& typed, bool autoLemma) {
  std::vector<int32_t> result = AddedSearchWords(typed, autoLemma);
  const int32_t n = static_cast<int32_t>(result.size());
  // Track the words themselves, since every move shifts the items between its two ends, and place them
  // from the top down so that a later move cannot push an earlier one out of its place.
  std::vector<const TSWHolder*> holders;
  for (int32_t i : result) holders.push_back(fItems.Get(i));
  for (int32_t k = 0; k < n; ++k) {
    const int32_t now = fItems.IndexOfHolder(holders[static_cast<std::size_t>(k)]);
    if (now >= n) fItems.Move(now, k);
  }
  DropTypedIndex();
  for (int32_t k = 0; k < n; ++k) result[static_cast<std::size_t>(k)] = fItems.IndexOfHolder(holders[k]);
  return result;
}

int32_t TBaseSearchItems::AddOneSW(const TSearch_word_format_rec& rec) {
  return AddHolder(rec);
}

int32_t TBaseSearchItems::AddHolder(const TSearch_word_format_rec& rec) {
  const int32_t i = fItems.Add(std::make_unique<TSWHolder>(rec));
  if (fTypedIndexBuilt)
    fTypedIndex.emplace(rec.typed_in_text, i);  // an earlier item with the text stays first
  return i;
}

int32_t TBaseSearchItems::EnsureContains(const TSearch_word_format_rec& rec) {
  const int32_t i = IndexOf(rec);
  return i >= 0 ? i : AddOneSW(rec);
}

void TBaseSearchItems::AddSWs(const TBaseSearchItems& other) {
  if (&other == this) {
    const int32_t n = Count();
    for (int32_t i = 0; i < n; ++i) AddOneSW(GetSWR(i));
    return;
  }
  for (int32_t i = 0; i < other.Count(); ++i) AddOneSW(other.GetSWR(i));
}

int32_t TBaseSearchItems::TypeInIndexOf(std::u16string_view text) const {
  if (fBulkDepth == 0) {
    for (int32_t i = 0; i < Count(); ++i)
      if (fItems.Get(i)->rec.typed_in_text == text) return i;
    return -1;
  }
  if (!fTypedIndexBuilt) {
    fTypedIndex.clear();
    fTypedIndex.reserve(static_cast<std::size_t>(Count()));
    for (int32_t i = 0; i < Count(); ++i) fTypedIndex.emplace(fItems.Get(i)->rec.typed_in_text, i);
    fTypedIndexBuilt = true;
  }
  const auto it = fTypedIndex.find(UnicodeString(text));
  return it == fTypedIndex.end() ? -1 : it->second;
}

void TBaseSearchItems::DropTypedIndex() const {
  fTypedIndex.clear();
  fTypedIndexBuilt = false;
}

int32_t TBaseSearchItems::IndexOf(const TSearch_word_format_rec& rec) const {
  const int32_t i = TypeInIndexOf(rec.typed_in_text);
  return i >= 0 && fItems.Get(i)->rec.Langnum == rec.Langnum ? i : -1;
}

TSearch_word_format_rec TBaseSearchItems::GetSWR(int32_t i) const {
  const TSearch_word_format_rec* r = ItemRec(i);
  return r ? *r : TSearch_word_format_rec{};
}

void TBaseSearchItems::PutSWR(int32_t i, const TSearch_word_format_rec& rec) {
  if (TSearch_word_format_rec* r = GetPtr(i)) *r = rec;
}

TSearch_word_format_rec* TBaseSearchItems::GetPtr(int32_t i) const {
  DropTypedIndex();  // within a bulk addition, rebuilt by the next lookup
  return ItemRec(i);
}

TSearch_word_format_rec* TBaseSearchItems::ItemRec(int32_t i) const {
  TSWHolder* h = fItems.Get(i);
  return h ? &h->rec : nullptr;
}

#define LX_ITEM_ACCESSORS(Getter, Setter, Type, field)             \
  Type TBaseSearchItems::Getter(int32_t i) const {                 \
    const TSearch_word_format_rec* r = ItemRec(i);                 \
    return r ? r->field : Type{};                                  \
  }                                                                \
  void TBaseSearchItems::Setter(int32_t i, Type value) {           \
    if (TSearch_word_format_rec* r = ItemRec(i)) r->field = value; \
  }

LX_ITEM_ACCESSORS(GetAFlag, SetAFlag, TMySearchFlags, flags)
LX_ITEM_ACCESSORS(GetAutoLemmaAdded, SetAutoLemmaAdded, bool, auto_lemma_added)
LX_ITEM_ACCESSORS(GetHitsFound, SetHitsFound, int32_t, hits_found)
LX_ITEM_ACCESSORS(GetLanguage, SetLanguage, int16_t, Langnum)
LX_ITEM_ACCESSORS(GetNToFind, SetNToFind, int32_t, n_to_find)
LX_ITEM_ACCESSORS(GetSearchFound, SetSearchFound, bool, achou_suficiente)
#undef LX_ITEM_ACCESSORS

int32_t TBaseSearchItems::GetSpacesInSW(int32_t i) const {
  const TSearch_word_format_rec* r = ItemRec(i);
  return r ? r->spaces_in_sw : 0;
}

const void* TBaseSearchItems::TypedInWord(int32_t i, bool wide) const {
  static AnsiString shared8Bit;
  const TSearch_word_format_rec* r = ItemRec(i);
  if (!r) return nullptr;
  if (wide) return r->typed_in_text.c_str();
  shared8Bit = fLCID != 0 ? ConvertedFromString(fLCID, r->typed_in_text.c_str())
                          : ConvertedFromString(r->typed_in_text.c_str());
  return shared8Bit.c_str();
}

std::unique_ptr<TStringList> TBaseSearchItems::TypedInWordsAsStringlist() const {
  auto list = std::make_unique<TStringList>();
  for (int32_t i = 0; i < Count(); ++i) list->Add(fItems.Get(i)->rec.typed_in_text);
  return list;
}

UnicodeString TBaseSearchItems::AllTypedSearchWordsAsOne(bool limit) const {
  constexpr int32_t kShown = 10;
  const int32_t n = limit ? std::min(Count(), kShown) : Count();
  UnicodeString r;
  for (int32_t i = 0; i < n; ++i) {
    if (i > 0) r.push_back(u'/');
    r.append(fItems.Get(i)->rec.typed_in_text);
  }
  if (limit && Count() > kShown) r += u" " + _LXEtc.Text();
  return r;
}

std::unique_ptr<TStringList> TBaseSearchItems::TypeInParts(const UnicodeString& text) const {
  return SplitSWList(StrippedDoubleSpaces(text), fSplitAlternatives);
}

int32_t TBaseSearchItems::SearchesPlannedCount() const {
  return TypeInParts(AllTypedSearchWordsAsOne(false))->Count();
}

void TBaseSearchItems::IncrementHits(int32_t i) {
  if (TSearch_word_format_rec* r = ItemRec(i)) ++r->hits_found;
}

void TBaseSearchItems::ClearHits() {
  for (int32_t i = 0; i < Count(); ++i) fItems.Get(i)->rec.hits_found = 0;
}

void TBaseSearchItems::SetHits(const std::vector<int32_t>& hits) {
  const int32_t n =
      std::min<int32_t>(Count(), static_cast<int32_t>(std::min<std::size_t>(hits.size(), INT32_MAX)));
  for (int32_t k = 0; k < n; ++k) fItems.Get(k)->rec.hits_found = hits[static_cast<std::size_t>(k)];
}

int64_t TBaseSearchItems::TotalHits() const {
  int64_t total = 0;
  for (int32_t i = 0; i < Count(); ++i) total += fItems.Get(i)->rec.hits_found;
  return total;
}

void TBaseSearchItems::ClearOne(int32_t i) {
  fItems.Delete(i);
  DropTypedIndex();
}

void TBaseSearchItems::Clear() {
  fPlainSearchList->Clear();
  fItems.Clear();
  DropTypedIndex();
  fLoaded = false;
}

void TBaseSearchItems::MoveToTop(int32_t i) {
  if (i > 0 && i < Count()) fItems.Move(i, 0);
  DropTypedIndex();
}

TSimpleSearchlist& TBaseSearchItems::ComputePlainSearchWords() {
  fPlainSearchList->Clear();
  for (int32_t i = 0; i < Count(); ++i) {
    TSearchContextRec rec;
    rec.mainwd.word = fItems.Get(i)->rec.typed_in_text;
    rec.mainwd.flags = FlagsFromSW(rec.mainwd.word);
    rec.n_wanted = 1;
    fPlainSearchList->AddOne(rec);
  }
  return *fPlainSearchList;
}

bool TBaseSearchItems::LoadFromFile(const UnicodeString& fileName, int32_t numberToFind) {
  Clear();
  TStringList lines;
  lines.LoadFromFile(fileName);
  const TBulkLookup lookup(*this);
  bool added = false;
  for (int32_t i = 0; i < lines.Count(); ++i) {
    const UnicodeString& line = lines.GetRef(i);
    if (!line.empty() && !AddedSearchWords(line, numberToFind).empty()) added = true;
  }
  fLoaded = added;
  return fLoaded;
}

void TBaseSearchItems::SaveToFile(const UnicodeString& fileName) const {
  TStringList lines;
  lines.LineBreak = u"\r\n";
  lines.TrailingLineBreak = true;
  lines.WriteBOM = true;
  for (int32_t i = 0; i < Count(); ++i) lines.Add(fItems.Get(i)->rec.typed_in_text);
  lines.SaveToFile(fileName, TEncoding::Unicode);
}

bool TBaseSearchItems::SaveToStream(TStream& stream) const {
  // Every line is checked before anything is written, so a refused save leaves no half-written list.
  std::vector<UnicodeString> lines;
  lines.reserve(static_cast<std::size_t>(Count()));
  for (int32_t i = 0; i < Count(); ++i) {
    const TSearch_word_format_rec& r = fItems.Get(i)->rec;
    lines.push_back(r.typed_in_text + u"\t" + IntToStr(r.hits_found) + u"\t" + IntToStr(r.Langnum));
    if (lines.back().size() > static_cast<std::size_t>(std::max(global_string_safety_limit, 0))) return false;
  }
  try {
    WriteLE(stream, Count());
    for (const UnicodeString& line : lines)
      if (!WriteAString(stream, line)) return false;
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TBaseSearchItems::ReadFromStream(TStream& stream) {
  const TBulkLookup lookup(*this);
  try {
    int32_t count = 0;
    // Every line costs at least its 4-byte length.
    if (!ReadLE(stream, count) || count < 0 || count > stream.Remaining() / 4) return false;
    for (int32_t k = 0; k < count; ++k) {
      const UnicodeString line = ReadAString(stream);
      // The two numbers are the last two fields, so a typed text that holds a TAB comes back whole.
      const std::size_t langTab = line.rfind(u'\t');
      const std::size_t hitsTab = langTab == 0 || langTab == UnicodeString::npos
                                      ? UnicodeString::npos
                                      : line.rfind(u'\t', langTab - 1);
      UnicodeString typed = line.substr(0, line.find(u'\t'));
      int32_t hits = -1;
      int32_t language = -1;
      if (hitsTab != UnicodeString::npos) {
        typed = line.substr(0, hitsTab);
        const std::u16string_view view(line);
        hits = StrToIntDef(view.substr(hitsTab + 1, langTab - hitsTab - 1), -1);
        language = StrToIntDef(view.substr(langTab + 1), -1);
      }
      for (int32_t i : fAddedSearchWordsIndices(typed)) {
        if (hits >= 0) SetHitsFound(i, hits);
        if (language >= 0 && language <= std::numeric_limits<int16_t>::max())
          SetLanguage(i, static_cast<int16_t>(language));
      }
    }
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// ---- TSearchWordItems

std::vector<int32_t> TSearchWordItems::fAddedSearchWordsIndices(const UnicodeString& typed) {
  if (TypeInIndexOf(typed) >= 0) return {};
  std::vector<int32_t> result = TBaseSearchItems::fAddedSearchWordsIndices(typed);
  if (!result.empty() && GetHasContextWord(0) && !fContextItems && !fContextEngine) {
    fContextItems = std::make_unique<TContextWordItems>(fTagDelimiters, fLCID, true);
    if (Global_CreateSearchAndDoEngine) {
      // A creation hook that came without its freeing partner made a plain engine.
      std::function<void(TSearchAndDoEngine*)> free = Global_FreeSearchAndDoEngine;
      if (!free) free = [](TSearchAndDoEngine* e) { delete e; };
      fContextEngine = TOwnedSearchAndDoEngine(Global_CreateSearchAndDoEngine(fLCID, false), std::move(free));
    }
  }
  return result;
}

bool TSearchWordItems::GetHasContextWord(int32_t i) {
  const TSearch_word_format_rec* r = ItemRec(i);
  if (!r || !r->has_file_based_context_word) return false;
  fHasContextWord = true;
  return true;
}

// ---- The search-and-do engine

namespace {

constexpr uint16_t kSpareSlotClass = 0x0248;  // a defined space: no phantom word, and a right boundary holds

int64_t BufferLengthOf(const void* buffer, bool isUnicode) {
  if (!buffer) return 0;
  return isUnicode ? static_cast<int64_t>(StrLen(static_cast<const WideChar*>(buffer)))
                   : static_cast<int64_t>(StrLen(static_cast<const char*>(buffer)));
}

// One code unit per byte, as the engine keeps converted copies of a word.
UnicodeString BytesAsUnits(const std::string& bytes) {
  UnicodeString r(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) r[i] = static_cast<unsigned char>(bytes[i]);
  return r;
}
std::string UnitsAsBytes(const UnicodeString& units) {
  std::string r(units.size(), '\0');
  for (std::size_t i = 0; i < units.size(); ++i) r[i] = static_cast<char>(units[i] & 0xFF);
  return r;
}

}  // namespace

TSearchAndDoEngine::TSearchAndDoEngine(bool isUnicode, bool constructorSwitch, LCID lcid,
                                       uint16_t* classArray)
    : ClassArray(classArray),
      ClassArraySupplied(classArray != nullptr),
      ConstructorSwitch(constructorSwitch),
      Unicode(isUnicode),
      Lcid(lcid),
      CodePage(CodePageFromLocale(lcid)),
      constructorClassArray_(classArray) {
  memo_.Reset();
}

void TSearchAndDoEngine::SetLCID(LCID lcid) {
  if (lcid == Lcid) return;
  Lcid = lcid;
  CodePage = CodePageFromLocale(lcid);
}

void TSearchAndDoEngine::ReleaseOwnClassArray() {
  if (ClassArraySupplied) return;
  ownClassArray_.clear();
  ownClassArray_.shrink_to_fit();
  ClassArray = nullptr;
  ClassArrayLastSlot = nullptr;
}

void TSearchAndDoEngine::FillOwnClassArray() {
  ownClassArray_.assign(static_cast<std::size_t>(BufferLength) + 2, kSpareSlotClass);
  if (BufferLength > 0)
    GetStringTypeExNT2000(Unicode, Lcid, CT_CTYPE1, ownClassArray_.data(), BufferLength, Buffer);
  ownClassArray_[BufferLength] = ownClassArray_[BufferLength + 1] = kSpareSlotClass;
  ClassArray = ownClassArray_.data();
  ClassArrayLastSlot = ClassArray + BufferLength + 1;
}

void TSearchAndDoEngine::StartNewBuffer() {
  memo_.Reset();
  bufferContinuesWord_ = lastBufferEndedInWord_;
}

void TSearchAndDoEngine::SetABuffer(const void* buffer) {
  Buffer = buffer;
  ReleaseOwnClassArray();
  StartNewBuffer();
  const int64_t length = BufferLengthOf(buffer, Unicode);
  if (length > INT32_MAX - 2) throw EListError(u"Buffer too long to search (" + IntToStr(length) + u")");
  BufferLength = static_cast<int32_t>(length);
  if (buffer && !ClassArraySupplied) FillOwnClassArray();
}

void TSearchAndDoEngine::PrepareFirst(const void* buffer, int32_t totalLength, int32_t bufferOffset,
                                      TOnSearchFound onFound, TOnSearchFinished onFinished) {
  OnFound = std::move(onFound);
  OnFinished = std::move(onFinished);
  BufferOffset = bufferOffset;
  if (ClassArraySupplied && ClassArray != constructorClassArray_) {
    // The array given for the last concordance buffer was lent for that buffer only.
    ClassArray = constructorClassArray_;
    ClassArrayLastSlot = nullptr;
    ClassArraySupplied = constructorClassArray_ != nullptr;
  }
  SetABuffer(buffer);
  TotalTextLength = totalLength;
  Ready = static_cast<bool>(OnFound);
}

void TSearchAndDoEngine::PrepareForConcordancing(const UnicodeString& textName, const void* buffer,
                                                 uint16_t* classArray, uint16_t* classArrayLastSlot,
                                                 int32_t totalLength, int32_t bufferLength,
                                                 int32_t bufferOffset, bool punctuationAsSpace,
                                                 TOnSearchFound onFound, TOnSearchFinished onFinished) {
  ReleaseOwnClassArray();
  TextName = textName;
  Buffer = buffer;
  ClassArray = classArray;
  ClassArrayLastSlot = classArrayLastSlot;
  TotalTextLength = totalLength;
  BufferLength = bufferLength < 0 ? 0 : bufferLength;
  BufferOffset = bufferOffset;
  PunctuationAsSpace = punctuationAsSpace;
  OnFound = std::move(onFound);
  OnFinished = std::move(onFinished);
  Concordancing = true;
  ClassArraySupplied = true;
  StartNewBuffer();
  Ready = static_cast<bool>(OnFound);
}

void TSearchAndDoEngine::HandleAllowables(const UnicodeString& middleChars, bool mayEndWord,
                                          bool mayStartWord) {
  if (!Buffer || !ClassArray || middleChars.empty()) return;
  HandleMiddleChars(Buffer, ClassArray, middleChars.data(), static_cast<int>(middleChars.size()),
                    BufferLength, Unicode, mayEndWord, mayStartWord);
  memo_.Reset();
}

bool TSearchAndDoEngine::SearchAndDo(TSearch_word_format_rec& rec, int32_t tagValue) {
  TagValue = tagValue;
  return SearchAndDo(rec);
}

bool TSearchAndDoEngine::SearchAndDo(TSearch_word_format_rec& rec) {
  if (!Ready || !Buffer || !ClassArray || rec.search_text.empty()) {
    if (global_keeping_log)
      AddToLogFile(u"search not run for \"" + rec.typed_in_text + u"\" in " + TextName +
                   u": no buffer, no callback or an empty search word");
    return false;
  }
  try {
    return RunSearch(rec);
  } catch (const EAbort&) {
    throw;
  } catch (const Exception& e) {
    throw Exception(u"problem searching " + TextName + u" for \"" + rec.typed_in_text + u"\": " + e.Message);
  } catch (const std::exception& e) {
    throw Exception(u"problem searching " + TextName + u" for \"" + rec.typed_in_text + u"\": " +
                    UTF8ToUTF16(e.what()));
  }
}

bool TSearchAndDoEngine::RunSearch(TSearch_word_format_rec& rec) {
  Cancelled = false;
  FoundEnoughFlag = false;
  const int32_t maximum = rec.n_to_find > 0 ? rec.n_to_find : INT32_MAX;
  const bool caseSensitive = rec.flags.Contains(sw_flag_case_sensitive);
  // The pattern's three forms, in the buffer's character width and all of one length, so the matcher never
  // reads past one of them.
  std::string narrow[3];
  const UnicodeString* wide[3] = {&rec.copies[2], &rec.copies[1], &rec.copies[3]};  // lower, upper, title
  if (!Unicode) {
    if (!rec.copies_converted) {
      for (auto& copy : rec.copies) copy = BytesAsUnits(UnicodeToCodePage(CodePage, copy));
      rec.copies_converted = true;
    }
  }
  if (caseSensitive) wide[0] = wide[1] = wide[2] = &rec.copies[0];
  const std::size_t length = wide[0]->size();
  for (int i = 1; i < 3; ++i)
    if (wide[i]->size() != length) wide[i] = wide[0];  // a form of another length cannot be compared in step
  if (!Unicode)
    for (int i = 0; i < 3; ++i) narrow[i] = UnitsAsBytes(*wide[i]);
  if (length == 0 || length > INT32_MAX) return true;
  TWantedPattern pattern;
  pattern.lower = Unicode ? static_cast<const void*>(wide[0]->data()) : narrow[0].data();
  pattern.upper = Unicode ? static_cast<const void*>(wide[1]->data()) : narrow[1].data();
  pattern.title = Unicode ? static_cast<const void*>(wide[2]->data()) : narrow[2].data();
  pattern.length = static_cast<int32_t>(length);
  pattern.caseSensitive = caseSensitive;
  pattern.leftBoundary = rec.flags.Contains(sw_flag_left_boundary);
  pattern.rightBoundary = rec.flags.Contains(sw_flag_right_boundary);
  pattern.punctuationAsSpace = PunctuationAsSpace;
  if (std::any_of(TagDelimiters.begin(), TagDelimiters.end(), [](WideChar c) { return c != 0; }))
    pattern.tagDelimiters = TagDelimiters.data();

  const int charSize = Unicode ? 2 : 1;
  TWantedBuffer buffer{Buffer, BufferLength, ClassArray, Unicode, bufferContinuesWord_};
  if (ClassArrayLastSlot && ClassArrayLastSlot - ClassArray - 1 < buffer.length)
    buffer.length = std::max<int64_t>(0, ClassArrayLastSlot - ClassArray - 1);
  // The jump is in bytes; it never lands past the buffer or inside a character.
  const int64_t jump =
      Global_LowestJumpTo > 0 ? std::min<int64_t>(Global_LowestJumpTo / charSize, buffer.length) : 0;
  const TSegmentTagsFound tags = TSegmentTagsFound::From(TagsFound);
  memo_.Reset();
  int64_t position = jump;
  RestartRequested = false;
  int32_t found = 0;
  while (true) {
    MyYieldProcess();
    if (position >= buffer.length) break;
    const TWantedHit hit = FindWanted(buffer, position, pattern, TextStats, Global_in_heading, tags, memo_);
    if (hit.start < 0) break;
    // A pattern that need not start a word (*ing) hits the whole word it stands in.
    const int64_t start = hit.wordStart;
    TSearchFound_Rec r;
    r.buffer_start = r.buffer_start_again = Buffer;
    r.hit_address = static_cast<const char*>(Buffer) + start * charSize;
    const double place = static_cast<double>(start) * charSize + BufferOffset;
    r.place_per_cent = TotalTextLength > 0 ? static_cast<float>(place * 100.0 / TotalTextLength) : 0.0f;
    r.hit_offset = r.hit_offset_again = static_cast<int32_t>(start);
    r.buffer_offset = BufferOffset;
    r.pattern_length = hit.patternLength;
    r.hit_length = static_cast<int32_t>(hit.hitLength + (hit.start - start));
    r.tag_value = TagValue;
    r.stats = TextStats;
    if (!Global_in_heading) r.stats.number[3] = r.stats.position[3] = -1;
    ++Hits;
    ++found;
    if (global_keeping_log && !Additional)
      AddToLogFile(rec.typed_in_text + u" at " + IntToStr(r.hit_offset) + u" (chunk offset " +
                   IntToStr(BufferOffset) + u", " + FloatToStrF(r.place_per_cent, ffFixed, 7, 2) + u"%)");
    if (OnFound && !OnFound(*this, r)) --found;
    if (RestartRequested) {
      RestartRequested = false;
      position = jump;
    } else {
      position = hit.start + 1;
    }
    if (found >= maximum || FoundEnoughFlag || Cancelled) break;
  }
  lastBufferEndedInWord_ = false;
  for (int64_t i = buffer.length - 1; i >= 0; --i) {
    const uint16_t k = ClassArray[i];
    if ((k & CharClassHiddenOrMarker) == CharClassHidden) continue;
    lastBufferEndedInWord_ = !(k & CharClassSegmentMarker) && !(k & CharClassWhite);
    break;
  }
  if (OnFinished) OnFinished(*this, TextStats);
  return true;
}

TAdditionalSearchAndDoEngine::TAdditionalSearchAndDoEngine(bool isUnicode, bool constructorSwitch, LCID lcid,
                                                           uint16_t* classArray)
    : TSearchAndDoEngine(isUnicode, constructorSwitch, lcid, classArray) {
  Additional = true;
}

void TWLSearchAndDo::SetSearchWord(const UnicodeString& text, TMySearchFlags flags) {
  LowerForm = InvariantLowerCase(text);
  UpperForm = InvariantUpperCase(text);
  TitleForm = UpperForm.empty() ? UnicodeString() : UpperForm.substr(0, 1) + LowerForm.substr(1);
  WordFlags = flags;
}

bool TWLSearchAndDo::QuickSearchFoundIgnoringTags() {
  if (!Buffer || LowerForm.empty()) return false;
  // A trailing star asks for nothing more than the rest of the word, which the open right end gives.
  const bool trailingStar = !UpperForm.empty() && UpperForm.back() == sw_any_run_code;
  const std::size_t needed = UpperForm.size() - (trailingStar ? 1 : 0);
  if (needed == 0 || static_cast<std::size_t>(BufferLength) < needed) return false;
  std::string narrow[3];
  const UnicodeString* forms[3] = {&LowerForm, &UpperForm, &TitleForm};
  if (!Unicode)
    for (int i = 0; i < 3; ++i) narrow[i] = UnicodeToCodePage(CodePage, *forms[i]);
  const bool sameLengths =
      Unicode ? (UpperForm.size() == LowerForm.size() && TitleForm.size() == LowerForm.size())
              : (narrow[1].size() == narrow[0].size() && narrow[2].size() == narrow[0].size());
  quickClassArray_.assign(static_cast<std::size_t>(BufferLength) + 2, kSpareSlotClass);
  GetStringTypeExNT2000(Unicode, Lcid, CT_CTYPE1, quickClassArray_.data(), BufferLength, Buffer);
  quickClassArray_[BufferLength] = quickClassArray_[BufferLength + 1] = kSpareSlotClass;
  TWantedPattern pattern;
  pattern.lower = Unicode ? static_cast<const void*>(LowerForm.data()) : narrow[0].data();
  pattern.upper =
      sameLengths ? (Unicode ? static_cast<const void*>(UpperForm.data()) : narrow[1].data()) : nullptr;
  pattern.title =
      sameLengths ? (Unicode ? static_cast<const void*>(TitleForm.data()) : narrow[2].data()) : nullptr;
  pattern.length =
      static_cast<int32_t>((Unicode ? LowerForm.size() : narrow[0].size()) - (trailingStar ? 1 : 0));
  pattern.caseSensitive = WordFlags.Contains(sw_flag_case_sensitive);
  pattern.leftBoundary = WordFlags.Contains(sw_flag_left_boundary);
  pattern.rightBoundary = WordFlags.Contains(sw_flag_right_boundary);
  TWantedBuffer buffer{Buffer, BufferLength, quickClassArray_.data(), Unicode};
  TSearchStatsRec stats{};
  bool inHeading = false;
  TWantedMatchMemo memo;
  memo.Reset();
  const bool found = FindWanted(buffer, 0, pattern, stats, inHeading, {}, memo).start >= 0;
  quickClassArray_.clear();
  quickClassArray_.shrink_to_fit();
  return found;
}

int TSearchFoundList::CompareOffsets(TUsefulBaseListObject* item, TUsefulBaseListObject* pivot) {
  const int64_t a = static_cast<TSearchFoundHolder*>(item)->rec.ByteOffset();
  const int64_t b = static_cast<TSearchFoundHolder*>(pivot)->rec.ByteOffset();
  return a == b ? 0 : (a > b ? -1 : 1);
}

int TSearchFoundList::ComparedValues(int32_t i, int32_t j) {
  return CompareOffsets(Items(i), Items(j));
}

void TSearchFoundList::SortOnOffsets() {
  Sort(&TSearchFoundList::CompareOffsets);
}

namespace {
// The engine that search-word items make for their context words, installed when this unit loads.
struct InstallEngineFactory {
  InstallEngineFactory() {
    if (!Global_CreateSearchAndDoEngine)
      Global_CreateSearchAndDoEngine = [](LCID lcid, bool wide) -> TSearchAndDoEngine* {
        return new TAdditionalSearchAndDoEngine(wide, false, lcid);
      };
    if (!Global_FreeSearchAndDoEngine) Global_FreeSearchAndDoEngine = [](TSearchAndDoEngine* e) { delete e; };
  }
} installEngineFactory;
}  // namespace

}  // namespace lx
