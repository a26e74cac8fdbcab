// Character spans of a text (tags, context words, highlighted collocates, the centre word, sort words) that
// are drawn with colours or typefaces of their own.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/containers/SortableLists.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_streams.h"

namespace lx {

enum TExtraFontCategory : uint8_t {
  efc_tag,
  efc_context_word,
  efc_colloc_highlight,
  efc_centre_word,
  efc_sort1,
  efc_sort2,
  efc_sort3,
  efc_unknown
};

struct TExtraFontRec {
  static constexpr std::size_t kStoredSize = 72;
  // The span form of format version 0 is the first 28 bytes.
  static constexpr std::size_t kOldStoredSize = 28;
  int32_t switch_on_at_char = 0;
  int32_t switch_off_at_char = 0;  // negative: open-ended
  TMyCanvasColourRec colour_rec;
  Ttypeface_Set spare_typefaces;  // the typefaces before format version 3
  uint8_t spare_Colour_word_ends_only = 0;
  uint8_t default_colours = 0;
  TExtraFontCategory applies_to = efc_tag;
  Ttypeface_Set default_typeface;
  Ttypeface_Set highlight_typeface;
  uint8_t spare_determined = 0;
  std::array<uint8_t, 36> spareInts{};
};

// The span of format version 0, which the 72-byte span extends.
struct TExtraFontRecOld {
  static constexpr std::size_t kStoredSize = TExtraFontRec::kOldStoredSize;
  int32_t switch_on_at_char = 0;
  int32_t switch_off_at_char = 0;
  TMyCanvasColourRec colour_rec;
  Ttypeface_Set spare_typefaces;
};
// The current span of an old one: its typefaces serve as default and highlight typefaces alike.
TExtraFontRec ExtraFontRecFromOld(const TExtraFontRecOld& old);

using TExtraFontRecImage = std::array<uint8_t, TExtraFontRec::kStoredSize>;
TExtraFontRecImage ExtraFontRecToImage(const TExtraFontRec& rec);
// Reads the 72-byte form, or the 28-byte form when size is smaller (the rest stays zero); of an image
// shorter than that, only its size bytes are read and the missing ones count as zero.
TExtraFontRec ExtraFontRecFromImage(const uint8_t* image, std::size_t size);

// Lists of this stored version and later write the spans' format version after their count.
constexpr int32_t kExtraFontVersionWordSince = 20;

class TExtraFontHolder : public TUsefulBaseListObject {
 public:
  TExtraFontHolder() = default;
  explicit TExtraFontHolder(const TExtraFontRec& rec) : fdata(rec) {}
  TExtraFontRec fdata;
};

// Owns its span holders.
class TExtraFontList : public T3SortYieldingList {
 public:
  TExtraFontList();

  void Clear() override;
  void AddOne(const TExtraFontRec& rec);
  void Delete(int32_t index) override;
  TExtraFontRec GetAFontFrec(int32_t index) const;
  void SetAFontFrec(int32_t index, const TExtraFontRec& rec);
  int32_t GetEFVersion() const { return fEFVersion; }
  void SetEFVersion(int32_t version) { fEFVersion = version; }

  // First span starting at pos; -1 when none.
  int32_t IndexOfStart(int32_t pos) const;
  // First span starting in [a, b] that is open-ended or also ends in [a, b]; -1 when none.
  int32_t IndexOfStartAndEnd(int32_t a, int32_t b) const;

  // Variable 0 compares starts, any other the span categories.
  void SetBase(TUsefulBaseListObject* item, int32_t variable) override;
  int Compare(TUsefulBaseListObject* item) override;
  // By start, then by category; refused while another sort of the list runs.
  void SortOnStartpoints();
  // Any other sort leaves the spans in an order IndexOfStart cannot rely on.
  void DoASingleSort(int32_t variable, int32_t lo, int32_t hi, T3SortCompare compare = nullptr) override;
  void DoADoubleSort(int32_t variable1, int32_t variable2, int32_t lo, int32_t hi,
                     T3SortCompare compare = nullptr) override;
  void DoATrebleSort(int32_t variable1, int32_t variable2, int32_t variable3, int32_t lo, int32_t hi,
                     T3SortCompare compare = nullptr) override;
  bool IsSortedOnStartpoints() const { return fSortedOnStarts; }

  // Count, format version (at least 3 from now on), then each span's 72 bytes. For a list of stored
  // version below 20 the form that version's reader expects: count and 28-byte spans, the typefaces in
  // spare_typefaces. False when the stream refused a write.
  bool XSaveToStream(TStream& stream, int32_t version);
  // Appends the spans stored in a list of the given stored version (the list's, not the spans'). False on a
  // short or corrupt stream; the spans read before the fault stay.
  bool XReadFromStream(TStream& stream, int32_t stored_version);

  int32_t base_int = 0;
  bool insert_space_between_words = false;

 private:
  TExtraFontHolder* Holder(int32_t index) const;
  void NoteTypefaces(const TExtraFontRec& rec);

  int32_t fEFVersion = 0;
  int32_t fBaseVariable = 0;
  bool fSortedOnStarts = false;
};

}  // namespace lx
