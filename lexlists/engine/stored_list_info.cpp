#include "lexlists/engine/stored_list_info.h"

#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_byteimage.h"

namespace lx {

TStoredListInfoFixedImage StoredListInfoFixedToImage(const TStoredListInfo& info) {
  TStoredListInfoFixedImage image;
  TByteImageWriter w(image.data(), image.size());
  w.Put(info.stored_version_number);
  w.Put(info.not_for_saving_entries);
  w.Put(info.can_save_deleted);
  w.Put(info.has_affixes);
  w.Put(info.has_overspill_data);
  w.Put(info.spareB3);
  w.Put(info.entries);
  w.Put(info.lifetimezaps);
  return image;
}

void StoredListInfoFixedFromImage(const TStoredListInfoFixedImage& image, TStoredListInfo& info) {
  TByteImageReader r(image.data(), image.size());
  r.Get(info.stored_version_number);
  r.Get(info.not_for_saving_entries);
  r.Get(info.can_save_deleted);
  r.Get(info.has_affixes);
  r.Get(info.has_overspill_data);
  r.Get(info.spareB3);
  r.Get(info.entries);
  r.Get(info.lifetimezaps);
}

TOverspillImage OverspillToImage(const TOverspillExtraSavedData& d) {
  TOverspillImage image;
  TByteImageWriter w(image.data(), image.size());
  w.Put(d.NodeSearchWordsCount);
  w.Put(d.spare);
  w.Put(d.n_texts_checked);
  w.Put(d.lemmatised);
  w.Put(d.SomeDataMissing);
  w.Put(d.has_words);
  w.Put(d.has_dispersion_data);
  w.Put(d.based_on_clusters);
  w.Put(d.spareBs);
  return image;
}

TOverspillExtraSavedData OverspillFromImage(const TOverspillImage& image) {
  TOverspillExtraSavedData d;
  TByteImageReader r(image.data(), image.size());
  r.Get(d.NodeSearchWordsCount);
  r.Get(d.spare);
  r.Get(d.n_texts_checked);
  r.Get(d.lemmatised);
  r.Get(d.SomeDataMissing);
  r.Get(d.has_words);
  r.Get(d.has_dispersion_data);
  r.Get(d.based_on_clusters);
  r.Get(d.spareBs);
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
