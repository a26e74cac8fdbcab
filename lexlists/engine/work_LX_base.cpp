#include "lexlists/engine/work_LX_base.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_byteimage.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/my_string_functions.h"
#include "lexlists/engine/undo_list.h"
#include "lexlists/formula/Parser.h"
#include "lexlists/headings/headingsU.h"

namespace lx {

// ---- the private record's byte image ----------------------------------------------------------------------

namespace {

constexpr auto kDetails2Layout = [](auto& io, auto& r) {
  io.Field(r.version);
  io.Field(r.joined_elsewhere);
  io.Field(r.matched);
  io.Field(r.deleted);
  io.Field(r.marcacao);
};
static_assert(ByteImageSizeIs<TPrivateDetailsRec3>(kDetails2Layout, TPrivateDetailsRec2::kStoredSize));
static_assert(ByteImageSizeIs<TPrivateDetailsRec2>(kDetails2Layout, TPrivateDetailsRec2::kStoredSize));

// The 28-byte record begins with the 8-byte one.
constexpr auto kDetailsLayout = [](auto& io, auto& r) {
  kDetails2Layout(io, r);
  io.Field(r.to_v3_category_colour);
  io.Field(r.join_created_in_load);
  io.Field(r.not_for_saving);
  io.Field(r.spareB);
  io.Field(r.tag_number_1Based);
  io.Field(r.spare);
};
static_assert(ByteImageSizeIs<TPrivateDetailsRec3>(kDetailsLayout, TPrivateDetailsRec3::kStoredSize));

}  // namespace

TPrivateDetailsRec3Image PrivateDetailsToImage(const TPrivateDetailsRec3& rec) {
  return WriteByteImage<TPrivateDetailsRec3::kStoredSize>(rec, kDetailsLayout);
}

TPrivateDetailsRec3 PrivateDetailsFromImage(const TPrivateDetailsRec3Image& image) {
  TPrivateDetailsRec3 rec;
  ReadByteImage(image.data(), image.size(), rec, kDetailsLayout);
  return rec;
}

void PrivateDetails2FromImage(const uint8_t* image, TPrivateDetailsRec3& rec) {
  ReadByteImage(image, TPrivateDetailsRec2::kStoredSize, rec, kDetails2Layout);
}

// ---- join list ----------------------------------------------------------------------------------------

std::vector<int32_t> TJoinlist::AsArrayOfIntegers(int32_t head_value, int32_t max_count) const {
  std::vector<int32_t> values;
  values.reserve(static_cast<std::size_t>(Count()) + 1);
  if (head_value != 0) values.push_back(head_value);
  for (int32_t i = 0; i < Count(); ++i) values.push_back(Entry(i) ? Entry(i)->MainWordFrequency() : 0);
  if (max_count > 0 && static_cast<int32_t>(values.size()) > max_count) {
    std::stable_sort(values.begin(), values.end(), std::greater<int32_t>());
    values.resize(static_cast<std::size_t>(max_count));
  }
  if (max_count > 0 && static_cast<int32_t>(values.size()) < max_count)
    values.resize(static_cast<std::size_t>(max_count), 0);
  return values;
}

// ---- private object ---------------------------------------------------------------------------------

TPrivateObj::TPrivateObj()
    : annotations(std::make_unique<TPrivateSetCols>()),
      ExtraFontList(std::make_unique<TExtraFontList>()),
      joinlist(std::make_unique<TJoinlist>()) {}

TPrivateObj::~TPrivateObj() = default;

void TPrivateObj::ClearJoinList() {
  fLoadedJoins.clear();
  joinlist->Clear();
  fdetails.join_created_in_load = 0;
}

void TPrivateObj::AddLoadedJoin(TLXBaseListObject* other) {
  std::unique_ptr<TLXBaseListObject> owned(other);
  fLoadedJoins.reserve(fLoadedJoins.size() + 1);
  joinlist->Add(other);
  fLoadedJoins.push_back(std::move(owned));
  fdetails.join_created_in_load = 1;
}

std::vector<std::unique_ptr<TLXBaseListObject>> TPrivateObj::TakeLoadedJoins() {
  std::vector<std::unique_ptr<TLXBaseListObject>> taken;
  taken.swap(fLoadedJoins);
  return taken;
}

void TPrivateObj::AdoptLoadedJoins(std::vector<std::unique_ptr<TLXBaseListObject>> entries) {
  if (entries.empty()) return;
  fLoadedJoins.reserve(fLoadedJoins.size() + entries.size());
  for (auto& e : entries) fLoadedJoins.push_back(std::move(e));
  fdetails.join_created_in_load = 1;
}

bool TPrivateObj::OwnsLoadedJoin(const TLXBaseListObject* entry) const {
  return std::any_of(fLoadedJoins.begin(), fLoadedJoins.end(),
                     [&](const auto& e) { return e.get() == entry; });
}

bool TPrivateObj::IsEmpty() const {
  // Span lists are written in format 3 at least, so a stored 3 (or less) saves as a fresh list does.
  constexpr int32_t kLeastSpanVersionWritten = 3;
  TPrivateDetailsRec3 plain;
  plain.version = kPrivateRecordVersion;
  return PrivateDetailsToImage(fdetails) == PrivateDetailsToImage(plain) && annotations->Count() == 0 &&
         ExtraFontList->Count() == 0 && ExtraFontList->GetEFVersion() <= kLeastSpanVersionWritten &&
         joinlist->Count() == 0 && fLoadedJoins.empty();
}

bool TPrivateObj::SaveToStream(TLXBaseDataClass* /*list*/, TStream& stream, const TStoredListInfo& info) {
  try {
    if (!ExtraFontList->XSaveToStream(stream, info.stored_version_number)) return false;
    if (info.can_save_deleted) WriteLE(stream, fdetails.deleted);
    WriteLE(stream, kPrivateRecordMarker);
    fdetails.version = std::max(fdetails.version, kPrivateRecordVersion);
    WriteLE(stream, fdetails.version);
    auto image = PrivateDetailsToImage(fdetails);
    if (stream.Write(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
    return annotations->SaveToStream(stream);
  } catch (const EStreamError&) {
    return false;
  }
}

namespace {

template <typename T>
void ReadOrThrow(TStream& s, T& v) {
  if (!ReadLE(s, v)) throw EReadError(u"short private record");
}

}  // namespace

bool TPrivateObj::ReadFromStream(TLXBaseDataClass* list, TStream& stream, const TStoredListInfo& info) {
  // Reading over a record replaces it: its mark leaves the list's count, its spans and categories go.
  if (fdetails.marcacao != 0 && list) --list->MarcacoesExistentes;
  fdetails = TPrivateDetailsRec3{};
  ExtraFontList->Clear();
  annotations->Clear();
  try {
    if (!ExtraFontList->XReadFromStream(stream, info.stored_version_number)) return false;
    uint8_t deleted = 0;
    if (info.can_save_deleted) ReadOrThrow(stream, deleted);
    uint16_t marker = 0;
    ReadOrThrow(stream, marker);
    if (marker == kPrivateRecordMarker) {
      int32_t version = 0;
      ReadOrThrow(stream, version);
      if (version >= 2) {
        if (version == 2) {
          std::array<uint8_t, TPrivateDetailsRec2::kStoredSize> image;
          if (stream.Read(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
          PrivateDetails2FromImage(image.data(), fdetails);
        } else {
          TPrivateDetailsRec3Image image;
          if (stream.Read(image.data(), image.size()) != static_cast<int64_t>(image.size())) return false;
          fdetails = PrivateDetailsFromImage(image);
        }
        if (fdetails.marcacao != 0 && list) ++list->MarcacoesExistentes;
      } else {
        ReadOrThrow(stream, fdetails.joined_elsewhere);
      }
      fdetails.version = version;
    } else {
      fdetails.version = 0;
    }
    fdetails.deleted = deleted;
    const int32_t setColumn = list ? list->PredefinedSetColumnNumber() : 0;
    if (marker < kPrivateRecordMarker) {
      // An old single-character category; 0 stood for none.
      if (marker != 0)
        annotations->AddOne(UnicodeString(1, static_cast<WideChar>(marker)), setColumn,
                            fdetails.to_v3_category_colour);
    } else if (fdetails.version < 4) {
      int32_t n = 0;
      ReadOrThrow(stream, n);
      if (n < 0 || n > stream.Remaining() / 2) return false;
      UnicodeString s(static_cast<std::size_t>(n), u'\0');
      if (n && stream.Read(s.data(), 2 * static_cast<int64_t>(n)) != 2 * static_cast<int64_t>(n))
        return false;
      if (!s.empty()) annotations->AddOne(s, setColumn, fdetails.to_v3_category_colour);
    } else if (!annotations->ReadFromStream(stream)) {
      return false;
    }
    if (marker < kPrivateRecordMarker || fdetails.version < 2) ReadOrThrow(stream, fdetails.matched);
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

// ---- entry ---------------------------------------------------------------------------------------------

TLXBaseListObject::~TLXBaseListObject() = default;

TNumberDisplayAndSinglesRec TLXBaseListObject::GetAValueAsSingle(int32_t, int32_t) {
  return {};
}

TWord_entry_String_rec TLXBaseListObject::JoinedWordDatum() {
  TWord_entry_String_rec r;
  r.n_files = MainNTexts();
  r.freq = MainWordFrequency();
  r.dispersion = GetDispersion();
  r.word_details[dgso_prefix] = MainWordPrefix();
  r.word_details[dgso_main] = MainWordOnly();
  r.word_details[dgso_suffix] = MainWordSuffix();
  return r;
}

UnicodeString TLXBaseListObject::GetAWordAsString(int32_t row, int32_t column) {
  if (!Parent) return {};
  auto v = Parent->NumericalData(column, row);
  int decimals = Parent->GridHeadings() ? Parent->GridHeadings()->GetDatum(column).decimals : 0;
  return FloatToStrF(static_cast<double>(v.computed_value), ffFixed, 15, decimals);
}

void TLXBaseListObject::EnsurePrivateObjExists() {
  if (!privateobj) privateobj = std::make_unique<TPrivateObj>();
}

TPrivateDetailsRec3 TLXBaseListObject::PrivateDetails() const {
  return privateobj ? privateobj->fdetails : TPrivateDetailsRec3{};
}

void TLXBaseListObject::SetNotForSaving(bool flag) {
  EnsurePrivateObjExists();
  privateobj->fdetails.not_for_saving = flag;
}

UnicodeString TLXBaseListObject::MainWordPlusPrefixAndSuffix() {
  return MainWordPrefix() + MainWordOnly() + MainWordSuffix();
}

void TLXBaseListObject::JoinFrom(TLXBaseListObject* other) {
  if (!other || other == this) return;
  EnsurePrivateObjExists();
  privateobj->joinlist->Add(other);
  if (other->privateobj) {
    TJoinlist& theirs = *other->privateobj->joinlist;
    // Re-joining a former head under one of its own joined entries must not list that entry under itself.
    for (int32_t i = 0; i < theirs.Count(); ++i)
      if (theirs.Get(i) != this) privateobj->joinlist->Add(theirs.Get(i));
    theirs.Clear();
    // Loaded joins change owner with the rest and keep their places in the list. An entry never owns
    // itself: when this entry was one of other's loaded joins, other keeps it.
    auto taken = other->privateobj->TakeLoadedJoins();
    std::vector<std::unique_ptr<TLXBaseListObject>> kept;
    for (auto& e : taken)
      if (e.get() == this) kept.push_back(std::move(e));
    std::erase(taken, nullptr);
    privateobj->AdoptLoadedJoins(std::move(taken));
    other->privateobj->AdoptLoadedJoins(std::move(kept));
    other->privateobj->fdetails.join_created_in_load = 0;
  }
  other->EnsurePrivateObjExists();
  other->privateobj->fdetails.joined_elsewhere = 1;
}

void TLXBaseListObject::AddPrivateJoinInstance(TLXBaseListObject* other) {
  LX_ASSERT(privateobj != nullptr, "AddPrivateJoinInstance needs the private object");
  privateobj->AddLoadedJoin(other);
}

void TLXBaseListObject::SetCategory(const TStringTrueColumnAndColourRec& rec) {
  EnsurePrivateObjExists();
  privateobj->annotations->AddOne(rec);
}

void TLXBaseListObject::SetCategoryColour(int32_t colour, int32_t column) {
  EnsurePrivateObjExists();
  auto& a = *privateobj->annotations;
  int32_t i = a.IndexOfTrueColumn(column);
  if (i < 0)
    a.AddOne(UnicodeString(), column, colour);
  else
    a.SetABackgroundColour(i, colour);
}

void TLXBaseListObject::SetCategoryString(const UnicodeString& s, int32_t column) {
  if (s.empty()) return;
  EnsurePrivateObjExists();
  auto& a = *privateobj->annotations;
  int32_t i = a.IndexOfTrueColumn(column);
  if (i < 0)
    a.AddOne(s, column, 0);
  else
    a.SetAString(i, s);
}

void TLXBaseListObject::ClearCategoryColour(int32_t column) {
  if (!privateobj) return;
  auto& a = *privateobj->annotations;
  if (column < 0) {
    for (int32_t i = 0; i < a.Count(); ++i) a.SetABackgroundColour(i, 0);
  } else if (int32_t i = a.IndexOfTrueColumn(column); i >= 0) {
    a.SetABackgroundColour(i, 0);
  }
}

TStringTrueColumnAndColourRec TLXBaseListObject::GetCategory(int32_t column) const {
  if (privateobj) {
    auto& a = *privateobj->annotations;
    if (int32_t i = a.IndexOfTrueColumn(column); i >= 0) {
      auto rec = a.GetOne(i);
      if (rec.background_colour == 0) rec.background_colour = kStyleBaseBackgroundColour;
      return rec;
    }
  }
  return TStringTrueColumnAndColourRec{0, kStandardBackgroundColour, UnicodeString()};
}

UnicodeString TLXBaseListObject::DataPointerToString(const void* p, uint32_t codepage, bool isUnicode) {
  if (!p) return {};
  if (isUnicode) return UnicodeString(static_cast<const WideChar*>(p));
  return ConvertedToString(static_cast<uint16_t>(codepage), static_cast<const char*>(p));
}

WideChar* TLXBaseListObject::BaseConvertedToUnicode(uint32_t codepage, void* ansi) {
  const auto& narrow = LXTextFunctions(false);
  const auto& wide = LXTextFunctions(true);
  int32_t len = narrow.Length(ansi);
  auto* out = static_cast<WideChar*>(wide.Alloc(len + 1));
  if (len > 0)
    MultiByteToWideChar(codepage, MB_PRECOMPOSED, static_cast<const char*>(ansi), len, out, len + 1);
  if (ansi) narrow.Delete(ansi);
  return out;
}

bool TLXBaseListObject::SavePrivateToStream(TLXBaseDataClass* list, TStream& stream,
                                            const TStoredListInfo& info) {
  if (privateobj) return privateobj->SaveToStream(list, stream, info);
  // An untouched entry writes an empty record without keeping a private object; the record's bytes depend
  // only on the two facts of the stored information, so they are made once for a list of a million.
  struct TEmptyRecord {
    int32_t version = -1;
    uint8_t canSaveDeleted = 2;
    bool ok = false;
    TMemoryStream bytes;
  };
  static thread_local TEmptyRecord empty;
  if (empty.version != info.stored_version_number || empty.canSaveDeleted != info.can_save_deleted) {
    empty.bytes.Clear();
    empty.ok = TPrivateObj().SaveToStream(list, empty.bytes, info);
    empty.version = info.stored_version_number;
    empty.canSaveDeleted = info.can_save_deleted;
  }
  if (!empty.ok) return false;
  try {
    empty.bytes.SaveToStream(stream);
  } catch (const EStreamError&) {
    return false;
  }
  return true;
}

bool TLXBaseListObject::ReadPrivateFromStream(TLXBaseDataClass* list, TStream& stream,
                                              const TStoredListInfo& info) {
  if (privateobj) return privateobj->ReadFromStream(list, stream, info);
  // Most entries of a saved list have nothing private: read into a spare object, kept only when it holds
  // something, so a big list costs no allocations for them.
  static thread_local std::unique_ptr<TPrivateObj> spare;
  if (!spare) spare = std::make_unique<TPrivateObj>();
  const bool ok = spare->ReadFromStream(list, stream, info);
  if (!ok || !spare->IsEmpty()) {
    privateobj = std::move(spare);
  } else {
    // Left as a fresh object would be, for the next entry.
    spare->fdetails = TPrivateDetailsRec3{};
  }
  return ok;
}

// ---- list -------------------------------------------------------------------------------------------

UnicodeString ChangedFileNameForSaveASFormat(const UnicodeString& name, TSave_as_format format,
                                             TLexmillList list) {
  UnicodeString ext;
  switch (format) {
    case as_txt:
      ext = u".txt";
      break;
    case as_xml:
      ext = u".xml";
      break;
    case as_Excel_spreadsheet:
      ext = u".xlsx";
      break;
    case as_RTF:
      ext = u".rtf";
      break;
    case as_default_for_list:
      ext = DefaultExtFromSaveASFormat(format, list);
      break;
  }
  return ChangeFileExt(name, ext);
}

TLXBaseDataClass::TLXBaseDataClass(TLXBaseHolder* holder, TLXBaseListObjectClass entryClass,
                                   grid_alternatives gridKind, TLexmillList listKind, int32_t signature)
    : fList_type(listKind), Patroa(holder), BaseGridKind(gridKind) {
  AffixIgnores = TAffixIgnores{};
  fEntries_converted_to_Unicode = false;
  CompareWordsFunct = [this](TLXBaseListObject* e) { return DummyCompareWords(e); };
  DataIsForStatusbar = ExportingReducedTextChars = include_custom_strings_saving = false;
  allow_freq_conversion = true;
  ListModified = TListModifications_Set{};
  StoredListInfo = std::make_unique<TStoredListInfoHolder>();
  fParseFormulaHandler = std::make_unique<TParseFormulaHandler>();
  fSignature = signature;
  DoingClipboardOperation = false;
  fListBusy = no_action;
  MarcacoesExistentes = 0;
  fColumnSetnums = std::make_unique<TLXActiveLongintList>();
  fMainExtraFontList = std::make_unique<TExtraFontList>();
  fWordsAndTagsDisplayer = std::make_unique<TWordsAndTagsDisplayer>(TWordsAndTagsRec{});
  fGridHeadings = std::make_unique<TGridHeaderList>(lt_none_in_use);
  cloudData = TCloudDataRec{};
  cloudData.word_column = 1;
  cloudData.lowest_frequency = 2147483647;
  decimal_places_string = u"00";
  fEntriesClass = std::move(entryClass);
  UndoList = std::make_unique<TUndoList>(fEntriesClass);
}

void TLXBaseDataClass::AfterConstruction() {
  if (DefaultActiveSetColumn() >= 0) fColumnSetnums->AddOneAndSetCountCurrent(DefaultActiveSetColumn());
  SetSortSettingsToDefault(true);
  EnsureAlphabeticalAscendingSort();
  LastLXSortSettings = LXSortSettings;
}

TLXBaseDataClass::~TLXBaseDataClass() {
  if (freverse_word && Patroa) Patroa->Funcs().Delete(freverse_word);
  std::free(CurrentList);
}

void TLXBaseDataClass::SetSortSettingsToDefault(bool flag) {
  if (flag) LXSortSettings = TSortSettings{};
}

// -- the array

void TLXBaseDataClass::SetCapacity(int32_t n) {
  if (n < fCount || n >= kMaxListEntries) throw EListError(Format(u"NewCapacity %d", {n}));
  if (n == FCapacity) return;
  if (n == 0) {
    std::free(CurrentList);
    CurrentList = nullptr;
  } else {
    void* p = std::realloc(CurrentList, static_cast<std::size_t>(n) * sizeof(TLXBaseListObject*));
    if (!p) throw std::bad_alloc();
    CurrentList = static_cast<TLXBaseListObject**>(p);
  }
  FCapacity = n;
}

void TLXBaseDataClass::Grow() {
  int32_t delta = FCapacity > 64 ? FCapacity / 4 : (FCapacity > 8 ? 16 : 4);
  SetCapacity(FCapacity + delta);
}

int32_t TLXBaseDataClass::Add(TLXBaseListObject* entry) {
  int32_t result = fCount;
  if (fCount == FCapacity) Grow();
  CurrentList[fCount] = entry;
  ++fCount;
  return result;
}

int32_t TLXBaseDataClass::Insert(int32_t index, TLXBaseListObject* entry) {
  if (index < 0 || index > fCount)
    throw EListError(Format(u"Inserting entry %d (Count=%d)", {index, fCount}));
  int32_t result = Add(entry);
  if (index < result) {
    std::memmove(CurrentList + index + 1, CurrentList + index,
                 static_cast<std::size_t>(result - index) * sizeof(TLXBaseListObject*));
    CurrentList[index] = entry;
  }
  return result;
}

void TLXBaseDataClass::Remove(int32_t index) {
  if (index < 0 || index >= fCount)
    throw EListError(Format(u"Removing entry %d (Count=%d)", {index, fCount}));
  --fCount;
  if (index < fCount)
    std::memmove(CurrentList + index, CurrentList + index + 1,
                 static_cast<std::size_t>(fCount - index) * sizeof(TLXBaseListObject*));
}

int32_t TLXBaseDataClass::fGetAssertedIndex(int32_t index, const char16_t* message) const {
  LX_ASSERT(CurrentList && index >= 0 && index < fCount, Format(message, {index, fCount}));
  return index;
}

TLXBaseListObject* TLXBaseDataClass::Get(int32_t index) const {
  return CurrentList[fGetAssertedIndex(index, u"trying to get data index %d (Count = %d)")];
}

void TLXBaseDataClass::Put(int32_t index, TLXBaseListObject* entry) {
  fGetAssertedIndex(index, u"Putting entry %d (Count = %d)");
  if (CurrentList[index] != entry) CurrentList[index] = entry;
}

int32_t TLXBaseDataClass::IndexOf(const TLXBaseListObject* entry) const {
  for (int32_t i = 0; i < fCount; ++i)
    if (CurrentList[i] == entry) return i;
  return -1;
}

TLXBaseListObject* TLXBaseDataClass::Find_an_Entry(const TLXBaseListObject* entry) const {
  int32_t i = entry ? IndexOf(entry) : -1;
  return i >= 0 ? CurrentList[i] : nullptr;
}

void TLXBaseDataClass::Pack() {
  for (int32_t i = fCount - 1; i >= 0; --i) {
    if (CurrentList[i] == nullptr) {
      Remove(i);
      MyYieldProcess();
    }
  }
}

void TLXBaseDataClass::ClearButNotGridHeadings() {
  cloudData.lowest_frequency = 2147483647;
  cloudData.highest_frequency = 0;
  while (fCount > 0) {
    Remove(fCount - 1);
    MyYieldProcess();
  }
  SetCapacity(0);
}

void TLXBaseDataClass::Clear() {
  ClearButNotGridHeadings();
  ClearGridHeadings();
}

// ---- the list header ----------------------------------------------------------------------------------

namespace {

UnicodeString AtOffset(int64_t offset, const UnicodeString& expected) {
  return u"at offset " + IntToStr(offset) + u": expected " + expected;
}

}  // namespace

bool TLXBaseDataClass::SaveToStream(TStream& stream) {
  fParseFormulaHandler->SaveToStream(stream);
  if (!fGridHeadings->SaveToStream(stream)) throw EWriteError(u"the column headings could not be written");
  TStoredListInfo& info = StoredListInfo->fdata;
  info.can_save_deleted = 1;
  info.entries = fCount;
  info.stored_version_number = std::max(info.stored_version_number, 21);
  if (!StoredListInfo->SaveToStream(stream))
    throw EWriteError(u"the stored list information could not be written (a file name too long?)");
  WriteLE<int32_t>(stream, sentinel_const);
  return true;
}

bool TLXBaseDataClass::ReadFromStream(TStream& stream) {
  LastStreamError.clear();
  Clear();
  UndoList = std::make_unique<TUndoList>(fEntriesClass);
  fJoinedButTakenOut.clear();
  int64_t at = stream.GetPosition();
  if (!fParseFormulaHandler->ReadFromStream(stream)) {
    LastStreamError = AtOffset(at, u"the formula columns");
    return false;
  }
  at = stream.GetPosition();
  if (!fGridHeadings->ReadFromStream(stream)) {
    LastStreamError = AtOffset(at, u"the column headings");
    return false;
  }
  RecomputeColumnSetnums();
  StoredListInfo = std::make_unique<TStoredListInfoHolder>();
  at = stream.GetPosition();
  if (!StoredListInfo->ReadFromStream(stream)) {
    LastStreamError = AtOffset(at, u"the stored list information");
    return false;
  }
  if (StoredListInfo->fdata.stored_version_number >= 10) {
    at = stream.GetPosition();
    int32_t sentinel = 0;
    if (!ReadLE(stream, sentinel) || sentinel != sentinel_const) {
      LastStreamError = AtOffset(at, u"the list header's closing value " + IntToStr(sentinel_const));
      return false;
    }
  }
  return true;
}

bool TLXBaseDataClass::SaveEntriesToStream(TStream& stream, int32_t& written, int32_t& left_out) {
  written = left_out = 0;
  for (int32_t i = 0; i < fCount; ++i) {
    TLXBaseListObject* entry = CurrentList[i];
    if (!entry) continue;
    if (entry->PrivateDetails().not_for_saving) {
      ++left_out;
      continue;
    }
    if (!entry->SaveToStream(stream)) throw EWriteError(u"entry " + IntToStr(i) + u" could not be written");
    ++written;
    MyYieldProcess();
  }
  return true;
}

bool TLXBaseDataClass::ReadEntriesFromStream(TStream& stream, int32_t count) {
  // Every stored entry takes at least a byte, so a count beyond the bytes left is damage, not a big list.
  if (count < 0 || count > kMaxListEntries || count > stream.Remaining()) {
    LastStreamError = AtOffset(stream.GetPosition(), IntToStr(count) + u" entries, but only " +
                                                         IntToStr(stream.Remaining()) + u" bytes are left");
    return false;
  }
  SetCapacity(fCount + count);
  for (int32_t i = 0; i < count; ++i) {
    const int64_t at = stream.GetPosition();
    TLXBaseListObject* entry = fEntriesClass(this, Patroa);
    entry->ZeroTheDataRec();
    bool ok = false;
    try {
      ok = entry->ReadFromStream(stream);
    } catch (const EStreamError&) {
      ok = false;
    }
    if (!ok || stream.GetPosition() == at) {
      delete entry;
      LastStreamError = AtOffset(at, u"entry " + IntToStr(i + 1) + u" of " + IntToStr(count));
      return false;
    }
    Add(entry);
    MyYieldProcess();
  }
  return true;
}

// ---- joining -----------------------------------------------------------------------------------------

void TLXBaseDataClass::fMarkLemmatised() {
  StoredListInfo->SetIsLemmatised(true);
  StoredListInfo->SetNTextsChecked(BasedOnOneTextFile());
  ListModified.Include(mod_lemmatising);
}

bool TLXBaseDataClass::Join(int32_t head, TLXBaseListObject* entry) {
  if (head < 0 || head >= fCount || !entry || !CurrentList[head]) return false;
  fMarkLemmatised();
  CurrentList[head]->JoinFrom(entry);
  return true;
}

bool TLXBaseDataClass::Join(int32_t head, int32_t other, TUndoable undoable) {
  if (head < 0 || head >= fCount || other < 0 || other >= fCount || head == other) return false;
  if (!CurrentList[other] || CurrentList[other]->JoinedElsewhere()) return false;
  fMarkLemmatised();
  if (undoable == undoable_yes) {
    T1LongintList pair;
    pair.AddOne(head);
    pair.AddOne(other);
    return JoinARange(pair, undoable_yes, true);
  }
  return Join(head, CurrentList[other]);
}

bool TLXBaseDataClass::PrivateJoinARange(const T1LongintList& indices) {
  if (indices.Count() < 2) return false;
  const int32_t head = indices.GetAValue(0);
  for (int32_t i = 1; i < indices.Count(); ++i) {
    MyYieldProcess();
    if (!Join(head, indices.GetAValue(i), undoable_no)) return false;
  }
  return true;
}

bool TLXBaseDataClass::UnJoin(int32_t index) {
  if (!Get(index)->HasJoined()) return false;
  ListModified.Include(mod_lemmatising);
  UnjoinEntriesJoinedTo(index);
  return true;
}

void TLXBaseDataClass::UnjoinEntriesJoinedTo(int32_t index) {
  ListModified.Include(mod_lemmatising);
  TLXBaseListObject* head = Get(index);
  if (!head || !head->privateobj) return;
  TPrivateObj& p = *head->privateobj;
  for (int32_t i = 0; i < p.joinlist->Count(); ++i) {
    MyYieldProcess();
    TLXBaseListObject* joined = p.joinlist->Entry(i);
    if (!joined) continue;
    // A copy read with the head stands for the list's entry of the same words; decided per entry, since a
    // head may hold loaded copies and entries joined since.
    TLXBaseListObject* inList = nullptr;
    if (p.OwnsLoadedJoin(joined)) {
      const int32_t found =
          Find_WordStr(joined->MainWordOnly(), joined->MainWordPrefix(), joined->MainWordSuffix(), cs_anyhow);
      if (found >= 0) inList = CurrentList[found];
    } else {
      inList = Find_an_Entry(joined);
    }
    if (inList && inList->privateobj && inList->privateobj->fdetails.joined_elsewhere)
      inList->privateobj->fdetails.joined_elsewhere = 0;
  }
  p.ClearJoinList();
}

void TLXBaseDataClass::UnJoinAll() {
  for (int32_t i = 0; i < fCount; ++i) {
    TLXBaseListObject* e = CurrentList[i];
    if (e && e->privateobj) {
      e->privateobj->fdetails.joined_elsewhere = 0;
      e->privateobj->ClearJoinList();
    }
    MyYieldProcess();
  }
}

int32_t TLXBaseDataClass::GetTotalJoinedFreq(int32_t index) {
  TJoinlist* joins = Get(index)->OwnJoinlist();
  int32_t total = 0;
  for (int32_t i = 0; joins && i < joins->Count(); ++i)
    if (joins->Entry(i)) total += joins->Entry(i)->MainWordFrequency();
  return total;
}

int32_t TLXBaseDataClass::AddABlankEntryWithMainWord(const UnicodeString& word) {
  TLXBaseListObject* entry = fEntriesClass(this, Patroa);
  entry->ZeroTheDataRec();
  int32_t index = Add(entry);
  AdjustEntryCount();
  int32_t column = entry->ThisListsMainWordColumn();
  entry->SetAWordAsString(index, column, word);
  entry->SetAPrefixAsString(index, column, UnicodeString());
  entry->SetASuffixAsString(index, column, UnicodeString());
  return index;
}

void TLXBaseDataClass::ConvertEntriesToUnicode() {
  // Other lists may share the holder and run during the yields: it switches only once every entry here is
  // converted, so they never read their 8-bit words as UTF-16.
  if (!fEntries_converted_to_Unicode) {
    for (int32_t i = 0; i < fCount; ++i) {
      if (CurrentList[i]) CurrentList[i]->ConvertEntryToUnicode(Patroa->GetCodepage());
      MyYieldProcess();
    }
    fEntries_converted_to_Unicode = true;
  }
  Patroa->SetUnicode(true);
}

// -- word clouds

bool TLXBaseDataClass::GetOneCloudDatum(int32_t index, TWordCloudDatum& datum) {
  if (index < 0 || index >= fCount || !CurrentList[index]) return false;
  TLXBaseListObject* e = CurrentList[index];
  datum.index = index;
  datum.word =
      cloudData.word_column >= 0 ? e->GetAWordAsString(index, cloudData.word_column) : UnicodeString();
  // Without a frequency column the entry's own frequency serves.
  datum.frequency =
      cloudData.frequency_column > 0
          ? static_cast<int32_t>(NumericalData(cloudData.frequency_column, index).computed_value)
          : e->MainWordFrequency();
  cloudData.lowest_frequency = std::min(cloudData.lowest_frequency, datum.frequency);
  cloudData.highest_frequency = std::max(cloudData.highest_frequency, datum.frequency);
  return true;
}

bool TLXBaseDataClass::GetNextCloudDatum(TWordCloudDatum& datum) {
  while (cloudData.nextWordCloudNum >= 0 && cloudData.nextWordCloudNum < fCount) {
    const int32_t i = cloudData.nextWordCloudNum++;
    TLXBaseListObject* e = CurrentList[i];
    if (!e || e->IsDeleted() || e->JoinedElsewhere()) continue;
    return GetOneCloudDatum(i, datum);
  }
  return false;
}

// -- word search

int32_t TLXBaseDataClass::Find_Word(const void* word) {
  AffixIgnores = TAffixIgnores{dgso_prefix, dgso_suffix};
  return Find_Word(word, nullptr, nullptr, fCount);
}

int32_t TLXBaseDataClass::Find_Word(const void* word, const void* prefix, const void* suffix) {
  AffixIgnores = TAffixIgnores{};
  return Find_Word(word, prefix, suffix, fCount);
}

int32_t TLXBaseDataClass::Find_Word(const void* word, const void* prefix, const void* suffix, int32_t count) {
  base_compare_pointer = word;
  base_compare_prefix_Pointer = prefix;
  base_compare_suffix_Pointer = suffix;
  linguistic_match_found = false;
  if (count < 1) return -1;
  if (count > fCount) count = fCount;
  if (LXSortSettings.sort_is_alph_ascending) {
    int32_t lo = 0, hi = count, mid = 0, c = 0, step = 0;
    do {
      mid = (lo + hi) / 2;
      // Empty slots (a zap not yet packed) are never compared: the nearest entry in the window stands in.
      int32_t probe = mid;
      while (probe < hi && !CurrentList[probe]) ++probe;
      if (probe >= hi) {
        probe = mid;
        while (probe > lo && !CurrentList[probe]) --probe;
      }
      if (!CurrentList[probe]) {
        c = 1;
        break;
      }
      mid = probe;
      c = CompareWordsFunct(CurrentList[mid]);
      step = (hi - lo) / 2;
      if (c >= 0) hi -= step;
      if (c < 0) lo += step;
    } while (c != 0 && step >= 1);
    fnearest_word_num = mid;
    if (c != 0) return -1;
    linguistic_match_found = true;
    return mid;
  }
  for (int32_t i = 0; i < fCount; ++i) {
    if (CurrentList[i] && CompareWordsFunct(CurrentList[i]) == 0) {
      linguistic_match_found = true;
      return i;
    }
  }
  return -1;
}

namespace {

// Restores the process-wide comparison flag however the search ends.
class TCompareFlagsScope {
 public:
  explicit TCompareFlagsScope(TCaseSensitivity cs) : saved_(Global_CompareStringFlags) {
    Global_CompareStringFlags = cs == cs_sensitive ? 0u : NORM_IGNORECASE;
  }
  ~TCompareFlagsScope() { Global_CompareStringFlags = saved_; }
  TCompareFlagsScope(const TCompareFlagsScope&) = delete;
  TCompareFlagsScope& operator=(const TCompareFlagsScope&) = delete;

 private:
  uint32_t saved_;
};

}  // namespace

// Keeps the texts in the list while the search runs: the comparisons read them through the stored pointers.
template <typename S>
int32_t FindStoredTexts(TLXBaseDataClass& list, S& w, S& p, S& s, const S& word, const S& prefix,
                        const S& suffix, TCaseSensitivity cs) {
  w = word;
  p = prefix;
  s = suffix;
  if (w.empty()) return -1;
  TCompareFlagsScope scope(cs);
  return list.Find_Word(w.c_str(), p.c_str(), s.c_str());
}

// The search texts reach the comparisons as raw buffers, so they are handed over in the holder's storage
// form whichever form the caller used; 8-bit texts are in the holder's code page.
int32_t TLXBaseDataClass::Find_WordStr(const UnicodeString& word, const UnicodeString& prefix,
                                       const UnicodeString& suffix, TCaseSensitivity cs) {
  if (Patroa->OperatingInUnicode())
    return FindStoredTexts(*this, base_compare_string, base_compare_prefix_string, base_compare_suffix_string,
                           word, prefix, suffix, cs);
  base_compare_string = word;
  base_compare_prefix_string = prefix;
  base_compare_suffix_string = suffix;
  const auto cp = static_cast<uint16_t>(Patroa->GetCodepage());
  return FindStoredTexts(*this, fAnsiWord, fAnsiPrefix, fAnsiSuffix, UnicodeToCodePage(cp, word),
                         UnicodeToCodePage(cp, prefix), UnicodeToCodePage(cp, suffix), cs);
}

int32_t TLXBaseDataClass::Find_WordStr(const AnsiString& word, const AnsiString& prefix,
                                       const AnsiString& suffix, TCaseSensitivity cs) {
  if (!Patroa->OperatingInUnicode())
    return FindStoredTexts(*this, fAnsiWord, fAnsiPrefix, fAnsiSuffix, word, prefix, suffix, cs);
  const auto cp = static_cast<uint16_t>(Patroa->GetCodepage());
  return FindStoredTexts(*this, base_compare_string, base_compare_prefix_string, base_compare_suffix_string,
                         CodePageToUnicode(cp, word), CodePageToUnicode(cp, prefix),
                         CodePageToUnicode(cp, suffix), cs);
}

int32_t TLXBaseDataClass::Find_WordStr(const TPalavraStr& words, TCaseSensitivity cs) {
  return Find_WordStr(words[dgso_main], words[dgso_prefix], words[dgso_suffix], cs);
}

int32_t TLXBaseDataClass::Find_WordStr(const UnicodeString& word, TCaseSensitivity cs) {
  base_compare_string = word;
  if (word.empty()) return -1;
  TCompareFlagsScope scope(cs);
  if (Patroa->OperatingInUnicode()) return Find_Word(base_compare_string.c_str());
  fAnsiWord = UnicodeToCodePage(static_cast<uint16_t>(Patroa->GetCodepage()), base_compare_string);
  return Find_Word(fAnsiWord.c_str());
}

int32_t TLXBaseDataClass::Find_PosWord(const void* word, TCaseSensitivity cs, bool any_digit, bool at_end,
                                       bool at_start, int32_t start) {
  base_compare_pointer = word;
  comparing_case_sensitivity = cs;
  const bool wide = Patroa->OperatingInUnicode();
  for (int32_t i = std::max(0, start); i < fCount; ++i) {
    MyYieldProcess();
    if (CurrentList[i] && Patroa->FindWordPosition(wide, CurrentList[i], any_digit, at_end, at_start) == 0)
      return i;
  }
  return -1;
}

int32_t TLXBaseDataClass::DoAComparePosOfWord(const void* word, bool any_digit, bool at_end, bool at_start) {
  const auto& f = Patroa->Funcs();
  if (!word || comparing_case_sensitivity == cs_sensitive)
    return f.PosCompare(word, base_compare_pointer, any_digit, at_end, at_start);
  // Upper-case a copy: the word is the entry's own buffer.
  const std::size_t unit = Patroa->OperatingInUnicode() ? sizeof(WideChar) : 1;
  const std::size_t bytes = (static_cast<std::size_t>(f.Length(word)) + 1) * unit;
  fPosScratch.resize(bytes);
  std::memcpy(fPosScratch.data(), word, bytes);
  WinUpperCased(Patroa->GetLCID(), fPosScratch.data(), Patroa->OperatingInUnicode());
  return f.PosCompare(fPosScratch.data(), base_compare_pointer, any_digit, at_end, at_start);
}

bool TLXBaseDataClass::FirstLetterIsCaps(const void* word) const {
  const auto& f = Patroa->Funcs();
  if (f.Length(word) < 1) return false;
  uint16_t type = 0;
  if (Patroa->OperatingInUnicode()) {
    GetStringTypeExW(Patroa->GetLCID(), CT_CTYPE1, static_cast<const WideChar*>(word), 1, &type);
  } else {
    GetStringTypeExA(Patroa->GetLCID(), CT_CTYPE1, static_cast<const char*>(word), 1, &type);
  }
  return (type & C1_UPPER) != 0 && (type & C1_ALPHA) != 0;
}

// -- words by index

UnicodeString TLXBaseDataClass::GetMainWordAsString(int32_t index) {
  TLXBaseListObject* e = CurrentList[fGetAssertedIndex(index, u"trying to get data index %d (Count = %d)")];
  if (!e) return {};
  int32_t column = e->ThisListsMainWordColumn();
  return column < 0 ? UnicodeString() : e->GetAWordAsString(index, column);
}

UnicodeString TLXBaseDataClass::GetSomeWordAsString(int32_t row, int32_t column) {
  TLXBaseListObject* e = CurrentList[fGetAssertedIndex(row, u"trying to get row index %d (Count = %d)")];
  return e ? e->GetAWordAsString(row, column) : UnicodeString();
}

void TLXBaseDataClass::SetSomeWordAsString(int32_t row, int32_t column, const UnicodeString& s) {
  if (auto* e = Get(row)) e->SetAWordAsString(row, column, s);
}

UnicodeString TLXBaseDataClass::GetPrefixAsWString(int32_t row, int32_t column) {
  auto* e = Get(row);
  return e ? e->GetAPrefixAsString(column) : UnicodeString();
}

UnicodeString TLXBaseDataClass::GetSuffixAsWString(int32_t row, int32_t column) {
  auto* e = Get(row);
  return e ? e->GetASuffixAsString(column) : UnicodeString();
}

void TLXBaseDataClass::SetPrefixAsWString(int32_t row, int32_t column, const UnicodeString& s) {
  if (auto* e = Get(row)) e->SetAPrefixAsString(row, column, s);
}

void TLXBaseDataClass::SetSuffixAsWString(int32_t row, int32_t column, const UnicodeString& s) {
  if (auto* e = Get(row)) e->SetASuffixAsString(row, column, s);
}

void TLXBaseDataClass::SetMainWordAsString(int32_t index, const UnicodeString& s) {
  if (auto* e = Get(index)) e->SetAWordAsString(index, e->ThisListsMainWordColumn(), s);
}

UnicodeString TLXBaseDataClass::PointerToString(const void* p) const {
  return TLXBaseListObject::DataPointerToString(p, Patroa->GetCodepage(), Patroa->OperatingInUnicode());
}

int32_t TLXBaseDataClass::DataMainColumn() {
  if (fCount == 0) return -1;
  auto* e = Get(0);
  return e ? e->ThisListsMainWordColumn() : -1;
}

TNumberDisplayAndSinglesRec TLXBaseDataClass::NumericalData(int32_t, int32_t) {
  TNumberDisplayAndSinglesRec r;
  r.computed_value = 1.0f;
  return r;
}

bool TLXBaseDataClass::CanEdit(int32_t column) {
  bool ok = column >= 0 && column < fGridHeadings->Count() && fGridHeadings->GetEditable(column) != nao_pode;
  fColumnBeingEdited = ok ? column : -1;
  return ok;
}

// -- flags by index

namespace {

const TPrivateObj* PrivateOf(const TLXBaseListObject* e) {
  return e ? e->privateobj.get() : nullptr;
}

}  // namespace

bool TLXBaseDataClass::GetDeleted(int32_t index) const {
  return Get(index) && Get(index)->IsDeleted();
}
bool TLXBaseDataClass::GetMatched(int32_t index) const {
  return Get(index) && Get(index)->IsMatched();
}
bool TLXBaseDataClass::GetJoinedElsewhere(int32_t index) const {
  return Get(index) && Get(index)->JoinedElsewhere();
}
bool TLXBaseDataClass::GetHasJoined(int32_t index) const {
  return Get(index) && Get(index)->HasJoined();
}
int32_t TLXBaseDataClass::GetJoinCount(int32_t index) const {
  return Get(index) ? Get(index)->JoinCount() : 0;
}
bool TLXBaseDataClass::GetNotForSaving(int32_t index) const {
  auto* p = PrivateOf(Get(index));
  return p && p->fdetails.not_for_saving;
}

uint8_t TLXBaseDataClass::GetMarcacao(int32_t index) const {
  auto* p = PrivateOf(CurrentList[fGetAssertedIndex(index, u"trying to get marcacao index %d (Count = %d)")]);
  return p ? p->fdetails.marcacao : 0;
}

int32_t TLXBaseDataClass::GetTagNumber1Based(int32_t index) const {
  auto* p = PrivateOf(Get(index));
  return p ? p->fdetails.tag_number_1Based : 0;
}

void TLXBaseDataClass::SetMatched(int32_t index, bool flag) {
  if (auto* e = Get(index)) {
    e->EnsurePrivateObjExists();
    e->privateobj->fdetails.matched = flag;
  }
}

void TLXBaseDataClass::SetNotForSaving(int32_t index, bool flag) {
  if (auto* e = Get(index)) e->SetNotForSaving(flag);
}

void TLXBaseDataClass::SetMarcacao(int32_t index, uint8_t value) {
  if (index < 0 || index >= fCount || !CurrentList[index]) return;
  ListModified.Include(mod_edited);
  TLXBaseListObject* e = CurrentList[index];
  // The count follows marked entries, so re-marking or unmarking an unmarked entry leaves it alone.
  if (value != 0) {
    e->EnsurePrivateObjExists();
    if (e->privateobj->fdetails.marcacao == 0) ++MarcacoesExistentes;
    e->privateobj->fdetails.marcacao = value;
  } else if (e->privateobj && e->privateobj->fdetails.marcacao != 0) {
    e->privateobj->fdetails.marcacao = 0;
    --MarcacoesExistentes;
  }
}

void TLXBaseDataClass::ClearMarcacao() {
  for (int32_t i = 0; i < fCount; ++i) {
    if (CurrentList[i] && CurrentList[i]->privateobj) CurrentList[i]->privateobj->fdetails.marcacao = 0;
    MyYieldProcess();
  }
  MarcacoesExistentes = 0;
}

TSpecialFeaturesSet TLXBaseDataClass::GetSpecialFeatures(int32_t index) const {
  TSpecialFeaturesSet s;
  auto* p = PrivateOf(Get(index));
  if (!p) return s;
  const auto& d = p->fdetails;
  for (int32_t i = 0; i < p->annotations->Count(); ++i)
    if (p->annotations->GetABackgroundColour(i) != 0) {
      s.Include(sf_category_coloured);
      break;
    }
  if (d.tag_number_1Based > 0) s.Include(sf_has_tag_info);
  if (d.not_for_saving) s.Include(sf_not_for_saving);
  if (d.joined_elsewhere) s.Include(sf_joinedElsewhere);
  if (p->ExtraFontList->Count() > 0) s.Include(has_extraFontInfo);
  if (p->joinlist->Count() > 0) s.Include(has_joined);
  if (d.matched) s.Include(sf_matched);
  if (d.marcacao == 1)
    s.Include(sf_first_marked);
  else if (d.marcacao != 0)
    s.Include(sf_marked);
  if (d.deleted) s.Include(sf_deleted);
  return s;
}

// -- columns

TGrid_head32 TLXBaseDataClass::OneGridHeading(int32_t column) const {
  return fGridHeadings->GetDatum(column);
}

std::vector<UnicodeString> TLXBaseDataClass::AllCurrentHeadings() const {
  std::vector<UnicodeString> result;
  for (int32_t i = 0; i < fGridHeadings->Count(); ++i) result.push_back(fGridHeadings->GetColumnName(i));
  return result;
}

int32_t TLXBaseDataClass::Original_Column(int32_t column) const {
  return fGridHeadings->OriginalColumnNumber(column);
}

void TLXBaseDataClass::SetGridHeadings(const TGridHeaderList& list) {
  fGridHeadings->CopyFrom(list);
}

void TLXBaseDataClass::SetHeaderColumnVisible(int32_t column, bool flag) {
  if (column > 0 && column < fGridHeadings->Count()) fGridHeadings->SetVisible(column, flag);
}

bool TLXBaseDataClass::GetAllowCaseChange() const {
  int32_t c = cloudData.word_column;
  return c >= 0 && c < fGridHeadings->Count() && fGridHeadings->GetDatum(c).allow_case_change;
}

TOutput_results_case TLXBaseDataClass::GetOutputCase() const {
  int32_t c = cloudData.word_column;
  return c >= 0 && c < fGridHeadings->Count() ? fGridHeadings->GetDatum(c).output_case
                                              : static_cast<TOutput_results_case>(0);
}

TLXColumnType TLXBaseDataClass::ExtraColumnType(int32_t column) const {
  if (column < 0 || column >= fGridHeadings->Count()) return tnc_other;
  auto h = fGridHeadings->GetDatum(column);
  return h.extra_computed ? h.extra_column_type : tnc_other;
}

bool TLXBaseDataClass::IsASetColumnColumn(int32_t column) const {
  for (int32_t i = 0; i < fColumnSetnums->Count(); ++i)
    if (fColumnSetnums->GetOne(i) == column) return true;
  return false;
}

void TLXBaseDataClass::RecomputeColumnSetnums() {
  fColumnSetnums->Clear();
  const int32_t predefined = PredefinedSetColumnNumber();
  for (int32_t i = 0; i < fGridHeadings->Count(); ++i) {
    auto h = fGridHeadings->GetDatum(i);
    if (h.original_column == predefined || (h.extra_computed && h.extra_column_type == tnc_extra_set))
      fColumnSetnums->AddOne(h.original_column);
  }
}

void TLXBaseDataClass::ClearGridHeadings() {
  if (fGridHeadings) fGridHeadings->Clear();
}

bool TLXBaseDataClass::GetColumnBeingEditedIsNumerical() const {
  if (fColumnBeingEdited < 0 || fColumnBeingEdited >= fGridHeadings->Count()) return false;
  return fGridHeadings->GetANumerical(fColumnBeingEdited);
}

void TLXBaseDataClass::GetCurrentSetColumnInfo(UnicodeString& caption, int32_t& column) const {
  caption.clear();
  column = 0;
  if (fColumnSetnums->GetCurrentItem() < 0) return;
  column = fGridHeadings->CurrentColumnNumber(fColumnSetnums->CurrentItemValue());
  caption = fGridHeadings->GetColumnName(column);
}

// -- selections

T1LongintList* TLXBaseDataClass::CopyOfTheSelectedRows(int32_t top, int32_t bottom,
                                                       grid_alternatives layout) {
  auto* list = new T1LongintList();
  for (int32_t row = top; row <= bottom; ++row) list->AddOne(ConvertedForFrequency(row - 1, layout));
  return list;
}

T1LongintList* TLXBaseDataClass::CopyOfTheSelectedRows(const std::vector<int32_t>& rows, int32_t top,
                                                       int32_t bottom, grid_alternatives layout) {
  if (rows.empty()) return CopyOfTheSelectedRows(top, bottom, layout);
  auto* list = new T1LongintList();
  for (int32_t row : rows) list->AddOne(ConvertedForFrequency(row - 1, layout));
  return list;
}

T1LongintList* TLXBaseDataClass::CopyOfTheSelectedRows(int32_t top, int32_t bottom, const T1LongintList& rows,
                                                       grid_alternatives layout) {
  if (rows.Count() == 0) return CopyOfTheSelectedRows(top, bottom, layout);
  auto* list = new T1LongintList();
  for (int32_t i = 0; i < rows.Count(); ++i)
    list->AddOne(ConvertedForFrequency(rows.GetAValue(i) - 1, layout));
  return list;
}

// -- stored information

int32_t TLXBaseDataClass::GetVersionNumber() const {
  return StoredListInfo->fdata.stored_version_number;
}
void TLXBaseDataClass::SetVersionNumber(int32_t n) {
  StoredListInfo->fdata.stored_version_number = n;
}
bool TLXBaseDataClass::GetISaMWUList() const {
  return StoredListInfo->GetBasedOnClusters();
}
void TLXBaseDataClass::SetIsAMWUlist(bool flag) {
  StoredListInfo->SetBasedOnClusters(flag);
}

}  // namespace lx
