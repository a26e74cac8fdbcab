#include "lexlists/engine/word_list_entries.h"

#include <cstring>
#include <memory>

namespace lx {

namespace {

// Three empty texts, three numbers and the smallest private record: what a joined entry takes at least.
constexpr int64_t kLeastEntryBytes = 3 * 4 + 3 * 4 + 4;

const TStoredListInfo& InfoOf(TLXBaseDataClass* list) {
  if (list && list->StoredListInfo) return list->StoredListInfo->fdata;
  static const TStoredListInfo standalone = [] {
    TStoredListInfo info;
    info.can_save_deleted = 1;
    info.stored_version_number = 21;
    return info;
  }();
  return standalone;
}

bool WriteText(TStream& stream, const UnicodeString& text) {
  if (text.size() > static_cast<std::size_t>(INT32_MAX)) return false;
  WriteLE<int32_t>(stream, static_cast<int32_t>(text.size()));
  if (!text.empty()) stream.WriteBuffer(text.data(), static_cast<int64_t>(2 * text.size()));
  return true;
}

bool ReadText(TStream& stream, UnicodeString& text) {
  int32_t n = 0;
  if (!ReadLE(stream, n) || n < 0 || 2 * static_cast<int64_t>(n) > stream.Remaining()) return false;
  text.assign(static_cast<std::size_t>(n), u'\0');
  return n == 0 || stream.Read(text.data(), 2 * static_cast<int64_t>(n)) == 2 * static_cast<int64_t>(n);
}

}  // namespace

bool TWordListEntry::SaveToStream(TStream& stream) {
  return SaveOneToStream(stream, true);
}

bool TWordListEntry::ReadFromStream(TStream& stream) {
  return ReadOneFromStream(stream, true);
}

bool TWordListEntry::SaveOneToStream(TStream& stream, bool withJoins) {
  if (!WriteText(stream, MainWordOnly()) || !WriteText(stream, MainWordPrefix()) ||
      !WriteText(stream, MainWordSuffix()))
    return false;
  WriteLE(stream, data.f);
  WriteLE(stream, data.n_files);
  WriteLE(stream, data.dispersion);
  if (!SavePrivateToStream(Parent, stream, InfoOf(Parent))) return false;
  const int32_t joins = withJoins ? JoinCount() : 0;
  WriteLE(stream, joins);
  for (int32_t i = 0; i < joins; ++i) {
    auto* joined = dynamic_cast<TWordListEntry*>(OwnJoinlist()->Entry(i));
    if (!joined || !joined->SaveOneToStream(stream, false)) return false;
  }
  return true;
}

bool TWordListEntry::ReadOneFromStream(TStream& stream, bool withJoins) {
  ZeroTheDataRec();
  UnicodeString word, prefix, suffix;
  if (!ReadText(stream, word) || !ReadText(stream, prefix) || !ReadText(stream, suffix)) return false;
  SetWord(word);
  SetPrefix(prefix);
  SetSuffix(suffix);
  // The three numbers in one read: a list is read an entry at a time, a million times over.
  uint8_t numbers[12];
  if (stream.Read(numbers, sizeof numbers) != static_cast<int64_t>(sizeof numbers)) return false;
  std::memcpy(&data.f, numbers, 4);
  std::memcpy(&data.n_files, numbers + 4, 4);
  std::memcpy(&data.dispersion, numbers + 8, 4);
  if (!ReadPrivateFromStream(Parent, stream, InfoOf(Parent))) return false;
  int32_t joins = 0;
  if (!ReadLE(stream, joins)) return false;
  if (joins < 0 || (!withJoins && joins != 0) || joins > stream.Remaining() / kLeastEntryBytes) return false;
  if (joins == 0) return true;
  EnsurePrivateObjExists();
  // The stored flag is kept as it was, so a reopened list saves the same bytes.
  const uint8_t stored_in_load = privateobj->fdetails.join_created_in_load;
  for (int32_t i = 0; i < joins; ++i) {
    auto joined = std::make_unique<TWordListEntry>(Parent, Granny);
    if (!joined->ReadOneFromStream(stream, false)) return false;
    AddPrivateJoinInstance(joined.release());
  }
  privateobj->fdetails.join_created_in_load = stored_in_load;
  return true;
}

}  // namespace lx
