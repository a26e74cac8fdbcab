#include "lexlists/engine/stored_list_info.h"

#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_byteimage.h"

namespace lx {

namespace {

constexpr auto kFixedLayout = [](auto& io, auto& r) {
  io.Field(r.stored_version_number);
  io.Field(r.not_for_saving_entries);
  io.Field(r.can_save_deleted);
  io.Field(r.has_affixes);
  io.Field(r.has_overspill_data);
  io.Field(r.spareB3);
  io.Field(r.entries);
  io.Field(r.lifetimezaps);
};
static_assert(ByteImageSizeIs<TStoredListInfo>(kFixedLayout, TStoredListInfo::kFixedSize));

constexpr auto kOverspillLayout = [](auto& io, auto& d) {
  io.Field(d.NodeSearchWordsCount);
  io.Field(d.spare);
  io.Field(d.n_texts_checked);
  io.Field(d.lemmatised);
  io.Field(d.SomeDataMissing);
  io.Field(d.has_words);
  io.Field(d.has_dispersion_data);
  io.Field(d.based_on_clusters);
  io.Field(d.spareBs);
};
static_assert(ByteImageSizeIs<TOverspillExtraSavedData>(kOverspillLayout,
                                                        TOverspillExtraSavedData::kStoredSize));

}  // namespace

TStoredListInfoFixedImage StoredListInfoFixedToImage(const TStoredListInfo& info) {
  return WriteByteImage<TStoredListInfo::kFixedSize>(info, kFixedLayout);
}

void StoredListInfoFixedFromImage(const TStoredListInfoFixedImage& image, TStoredListInfo& info) {
  ReadByteImage(image.data(), image.size(), info, kFixedLayout);
}

TOverspillImage OverspillToImage(const TOverspillExtraSavedData& data) {
  return WriteByteImage<TOverspillExtraSavedData::kStoredSize>(data, kOverspillLayout);
}

TOverspillExtraSavedData OverspillFromImage(const TOverspillImage& image) {
  TOverspillExtraSavedData d;
  ReadByteImage(image.data(), image.size(), d, kOverspillLayout);
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
