// The stored-list information written in a list file's header: format version, entry counts, the files a
// list derives from and a block of extra facts.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TOverspillExtraSavedData {
  static constexpr std::size_t kStoredSize = 212;
  int32_t NodeSearchWordsCount = 0;
  std::array<uint8_t, 164> spare{};
  uint8_t n_texts_checked = 0;
  uint8_t lemmatised = 0;
  uint8_t SomeDataMissing = 0;
  uint8_t has_words = 0;
  uint8_t has_dispersion_data = 0;
  uint8_t based_on_clusters = 0;
  std::array<uint8_t, 38> spareBs{};
};

struct TStoredListInfo {
  static constexpr std::size_t kFixedSize = 20;
  int32_t stored_version_number = 0;
  int32_t not_for_saving_entries = 0;
  uint8_t can_save_deleted = 0;
  uint8_t has_affixes = 0;
  uint8_t has_overspill_data = 0;
  uint8_t spareB3 = 0;
  int32_t entries = 0;
  int32_t lifetimezaps = 0;
  UnicodeString info_derives_from_filename;
  UnicodeString matchlist_filename;
  UnicodeString stoplist_filename;
  TOverspillExtraSavedData OverSpillData;
};

using TStoredListInfoFixedImage = std::array<uint8_t, TStoredListInfo::kFixedSize>;
using TOverspillImage = std::array<uint8_t, TOverspillExtraSavedData::kStoredSize>;
TStoredListInfoFixedImage StoredListInfoFixedToImage(const TStoredListInfo& info);
void StoredListInfoFixedFromImage(const TStoredListInfoFixedImage& image, TStoredListInfo& info);
TOverspillImage OverspillToImage(const TOverspillExtraSavedData& data);
TOverspillExtraSavedData OverspillFromImage(const TOverspillImage& image);

class TStoredListInfoHolder : public TObject {
 public:
  TStoredListInfoHolder() = default;
  explicit TStoredListInfoHolder(const TStoredListInfo& info) : fdata(info) {}

  void Clear() { fdata = TStoredListInfo{}; }

  bool GetBasedOnClusters() const { return fdata.OverSpillData.based_on_clusters != 0; }
  void SetBasedOnClusters(bool v) { fdata.OverSpillData.based_on_clusters = v; }
  bool GetHasDispersionData() const { return fdata.OverSpillData.has_dispersion_data != 0; }
  void SetHasDispersionData(bool v) { fdata.OverSpillData.has_dispersion_data = v; }
  bool GetHasWords() const { return fdata.OverSpillData.has_words != 0; }
  void SetHasWords(bool v) { fdata.OverSpillData.has_words = v; }
  bool GetIsLemmatised() const { return fdata.OverSpillData.lemmatised != 0; }
  void SetIsLemmatised(bool v) { fdata.OverSpillData.lemmatised = v; }
  int32_t GetNodeSWCount() const { return fdata.OverSpillData.NodeSearchWordsCount; }
  void SetNodeSWCount(int32_t v) { fdata.OverSpillData.NodeSearchWordsCount = v; }
  bool GetNTextsChecked() const { return fdata.OverSpillData.n_texts_checked != 0; }
  void SetNTextsChecked(bool v) { fdata.OverSpillData.n_texts_checked = v; }
  bool GetSomeDataFieldsMissing() const { return fdata.OverSpillData.SomeDataMissing != 0; }
  void SetSomeDataFieldsMissing(bool v) { fdata.OverSpillData.SomeDataMissing = v; }
  bool NotLemmatisedOrNTextsChecked() const { return !GetIsLemmatised() || GetNTextsChecked(); }

  // Remembers the position, then writes the fixed bytes, the three names as short 8-bit strings in the
  // process code page, and the overspill block. A name too long for its short form is refused (false).
  bool SaveToStream(TStream& stream);
  bool ReadFromStream(TStream& stream);
  // Rewrites the fixed bytes where SaveToStream put them and comes back.
  bool ResaveEntries(TStream& stream);

  TStoredListInfo fdata;
  int64_t SavedPosition = 0;
};

}  // namespace lx
