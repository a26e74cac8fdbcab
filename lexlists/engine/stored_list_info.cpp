#include "lexlists/engine/stored_list_info.h"

#include "lexcore/rtl/lx_ansi.h"
#include "lexlists/engine/record_images.h"

namespace lx {

namespace {

template <typename IO, typename R>
void FixedFields(IO& io, R& r) {
  io(r.stored_version_number), io(r.not_for_saving_entries), io(r.can_save_deleted), io(r.has_affixes);
  io(r.has_overspill_data), io(r.spareB3), io(r.entries), io(r.lifetimezaps);
}

template <typename IO, typename R>
void OverspillFields(IO& io, R& d) {
  io(d.NodeSearchWordsCount), io(d.spare), io(d.n_texts_checked), io(d.lemmatised), io(d.SomeDataMissing);
  io(d.has_words), io(d.has_dispersion_data), io(d.based_on_clusters), io(d.spareBs);
}

}  // namespace

TStoredListInfoFixedImage StoredListInfoFixedToImage(const TStoredListInfo& info) {
  return RecordToImage<TStoredListInfoFixedImage>(info, [](auto& io, auto& r) { FixedFields(io, r); });
}

void StoredListInfoFixedFromImage(const TStoredListInfoFixedImage& image, TStoredListInfo& info) {
  RecordFromImage(image, info, [](auto& io, auto& r) { FixedFields(io, r); });
}

TOverspillImage OverspillToImage(const TOverspillExtraSavedData& data) {
  return RecordToImage<TOverspillImage>(data, [](auto& io, auto& r) { OverspillFields(io, r); });
}

TOverspillExtraSavedData OverspillFromImage(const TOverspillImage& image) {
  TOverspillExtraSavedData d;
  RecordFromImage(image, d, [](auto& io, auto& r) { OverspillFields(io, r); });
  return d;
}

namespace {

bool WriteShortName(TStream& s, const UnicodeString& name) {
  AnsiString bytes = UnicodeToAnsiBytes(name);
  if (bytes.size() > 255) return false;
  uint8_t n = static_cast<uint8_t>(bytes.size());
  WriteLE(s, n);
  if (n) s.WriteBuffer(bytes.data(), n);
  return true;
}

bool ReadShortName(TStream& s, UnicodeString& name) {
  uint8_t n = 0;
  if (!ReadLE(s, n)) return false;
  AnsiString bytes(n, '\0');
  if (n && s.Read(bytes.data(), n) != n) return false;
  name = AnsiBytesToUnicode(bytes);
  return true;
}

}  // namespace

bool TStoredListInfoHolder::SaveToStream(TStream& stream) {
  try {
    SavedPosition = stream.GetPosition();
    fdata.can_save_deleted = 1;
    fdata.has_overspill_data = 1;
    auto fixed = StoredListInfoFixedToImage(fdata);
    stream.WriteBuffer(fixed.data(), fixed.size());
    if (!WriteShortName(stream, fdata.info_derives_from_filename) ||
        !WriteShortName(stream, fdata.matchlist_filename) || !WriteShortName(stream, fdata.stoplist_filename))
      return false;
    auto over = OverspillToImage(fdata.OverSpillData);
    return stream.Write(over.data(), over.size()) == static_cast<int64_t>(over.size());
  } catch (const EStreamError&) {
    return false;
  }
}

bool TStoredListInfoHolder::ReadFromStream(TStream& stream) {
  Clear();
  try {
    TStoredListInfoFixedImage fixed;
    if (stream.Read(fixed.data(), fixed.size()) != static_cast<int64_t>(fixed.size())) return false;
    StoredListInfoFixedFromImage(fixed, fdata);
    if (!ReadShortName(stream, fdata.info_derives_from_filename) ||
        !ReadShortName(stream, fdata.matchlist_filename) || !ReadShortName(stream, fdata.stoplist_filename))
      return false;
    if (fdata.has_overspill_data) {
      TOverspillImage over;
      if (stream.Read(over.data(), over.size()) != static_cast<int64_t>(over.size())) return false;
      fdata.OverSpillData = OverspillFromImage(over);
    }
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

bool TStoredListInfoHolder::ResaveEntries(TStream& stream) {
  int64_t here = stream.GetPosition();
  stream.SetPosition(SavedPosition);
  fdata.has_overspill_data = 1;
  auto fixed = StoredListInfoFixedToImage(fdata);
  stream.WriteBuffer(fixed.data(), fixed.size());
  stream.SetPosition(here);
  return true;
}

}  // namespace lx
