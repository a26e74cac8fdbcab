#include "lexcore/definitions/extra_font_list.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "lexcore/rtl/lx_byteimage.h"

namespace lx {

namespace {

constexpr auto kExtraFontLayout = [](auto& io, auto& r) {
  io.Field(r.switch_on_at_char);
  io.Field(r.switch_off_at_char);
  io.Field(r.colour_rec.colours);
  io.Field(r.spare_typefaces.Image());
  io.Pad(3);
  if (io.AtEnd()) return;  // the version-0 span stops here
  io.Field(r.spare_Colour_word_ends_only);
  io.Field(r.default_colours);
  io.Field(r.applies_to);
  io.Field(r.default_typeface.Image());
  io.Field(r.highlight_typeface.Image());
  io.Field(r.spare_determined);
  io.Pad(2);
  io.Field(r.spareInts);
};
static_assert(ByteImageSizeIs<TExtraFontRec>(kExtraFontLayout, TExtraFontRec::kStoredSize));

}  // namespace

TExtraFontRecImage ExtraFontRecToImage(const TExtraFontRec& r) {
  return WriteByteImage<TExtraFontRec::kStoredSize>(r, kExtraFontLayout);
}

TExtraFontRec ExtraFontRecFromImage(const uint8_t* image, std::size_t size) {
  TExtraFontRec r;
  if (size >= TExtraFontRec::kStoredSize) {
    ReadByteImage(image, TExtraFontRec::kStoredSize, r, kExtraFontLayout);
    return r;
  }
  // Anything short of the full span is read as the version-0 form; what a cut image lacks reads as zero
  // rather than as the bytes after it.
  std::array<uint8_t, TExtraFontRec::kOldStoredSize> old{};
  if (image) std::memcpy(old.data(), image, std::min(size, old.size()));
  ReadByteImage(old.data(), old.size(), r, kExtraFontLayout);
  return r;
}

TExtraFontRec ExtraFontRecFromOld(const TExtraFontRecOld& old) {
  TExtraFontRec r;
  r.switch_on_at_char = old.switch_on_at_char;
  r.switch_off_at_char = old.switch_off_at_char;
  r.colour_rec = old.colour_rec;
  r.spare_typefaces = old.spare_typefaces;
  r.default_typeface = old.spare_typefaces;
  r.highlight_typeface = old.spare_typefaces;
  return r;
}

TExtraFontList::TExtraFontList() : T3SortYieldingList(ItemClassOf<TExtraFontHolder>()) {}

TExtraFontHolder* TExtraFontList::Holder(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return static_cast<TExtraFontHolder*>(fList[static_cast<std::size_t>(index)]);
}

void TExtraFontList::NoteTypefaces(const TExtraFontRec& rec) {
  if (!rec.default_typeface.Empty() || !rec.highlight_typeface.Empty()) insert_space_between_words = true;
}

void TExtraFontList::Clear() {
  T3SortYieldingList::Clear();
  fSortedOnStarts = false;
}

void TExtraFontList::AddOne(const TExtraFontRec& rec) {
  Add(new TExtraFontHolder(rec));
  NoteTypefaces(rec);
  // An appended span may break the order that IndexOfStart relies on.
  fSortedOnStarts = false;
}

void TExtraFontList::Delete(int32_t index) {
  if (index >= 0 && index < Count()) T3SortYieldingList::Delete(index);
}

TExtraFontRec TExtraFontList::GetAFontFrec(int32_t index) const {
  const TExtraFontHolder* h = Holder(index);
  return h ? h->fdata : TExtraFontRec{};
}

void TExtraFontList::SetAFontFrec(int32_t index, const TExtraFontRec& rec) {
  TExtraFontHolder* h = Holder(index);
  if (!h) return;
  if (h->fdata.switch_on_at_char != rec.switch_on_at_char) fSortedOnStarts = false;
  h->fdata = rec;
  NoteTypefaces(rec);
}

int32_t TExtraFontList::IndexOfStart(int32_t pos) const {
  for (int32_t i = 0; i < Count(); ++i) {
    const TExtraFontHolder* h = Holder(i);
    if (!h) continue;
    if (h->fdata.switch_on_at_char == pos) return i;
    if (fSortedOnStarts && h->fdata.switch_on_at_char > pos) break;
  }
  return -1;
}

int32_t TExtraFontList::IndexOfStartAndEnd(int32_t a, int32_t b) const {
  for (int32_t i = 0; i < Count(); ++i) {
    const TExtraFontHolder* h = Holder(i);
    if (!h) continue;
    const int32_t on = h->fdata.switch_on_at_char, off = h->fdata.switch_off_at_char;
    if (on >= a && on <= b && (off < 0 || (off >= a && off <= b))) return i;
  }
  return -1;
}

void TExtraFontList::SetBase(TUsefulBaseListObject* item, int32_t variable) {
  const auto& r = static_cast<TExtraFontHolder*>(item)->fdata;
  fBaseVariable = variable;
  base_int = variable == 0 ? r.switch_on_at_char : static_cast<int32_t>(r.applies_to);
}

int TExtraFontList::Compare(TUsefulBaseListObject* item) {
  const auto& r = static_cast<TExtraFontHolder*>(item)->fdata;
  const int32_t v = fBaseVariable == 0 ? r.switch_on_at_char : static_cast<int32_t>(r.applies_to);
  return AscendingSwapped(CompareLongints(base_int, v));
}

void TExtraFontList::SortOnStartpoints() {
  // Asked while another sort of this list runs, the sort is refused and the order stays unknown.
  if (Busy()) return;
  Ascending = {true, true, true};
  DoADoubleSort(0, 1, 0, Count() - 1);
  fSortedOnStarts = true;
}

void TExtraFontList::DoASingleSort(int32_t variable, int32_t lo, int32_t hi, T3SortCompare compare) {
  fSortedOnStarts = false;
  T3SortYieldingList::DoASingleSort(variable, lo, hi, compare);
}

void TExtraFontList::DoADoubleSort(int32_t variable1, int32_t variable2, int32_t lo, int32_t hi,
                                   T3SortCompare compare) {
  fSortedOnStarts = false;
  T3SortYieldingList::DoADoubleSort(variable1, variable2, lo, hi, compare);
}

void TExtraFontList::DoATrebleSort(int32_t variable1, int32_t variable2, int32_t variable3, int32_t lo,
                                   int32_t hi, T3SortCompare compare) {
  fSortedOnStarts = false;
  T3SortYieldingList::DoATrebleSort(variable1, variable2, variable3, lo, hi, compare);
}

bool TExtraFontList::XSaveToStream(TStream& stream, int32_t version) {
  // Lists stored before version 20 hold only the count and 28-byte spans, which is all their reader takes.
  const bool oldForm = version < kExtraFontVersionWordSince;
  if (!oldForm) fEFVersion = std::max<int32_t>(3, fEFVersion);
  try {
    int32_t n = 0;
    for (int32_t i = 0; i < Count(); ++i) n += Holder(i) != nullptr;
    WriteLE(stream, n);
    if (!oldForm) WriteLE(stream, fEFVersion);
    for (int32_t i = 0; i < Count(); ++i) {
      const TExtraFontHolder* h = Holder(i);
      if (!h) continue;
      TExtraFontRec rec = h->fdata;
      if (oldForm)
        rec.spare_typefaces = rec.default_typeface.Empty() ? rec.highlight_typeface : rec.default_typeface;
      const TExtraFontRecImage image = ExtraFontRecToImage(rec);
      stream.WriteBuffer(image.data(), oldForm ? TExtraFontRec::kOldStoredSize : image.size());
    }
  } catch (const Exception&) {
    return false;
  }
  return true;
}

bool TExtraFontList::XReadFromStream(TStream& stream, int32_t stored_version) {
  try {
    int32_t stored = 0;
    if (!ReadLE(stream, stored)) return false;
    int64_t n = stored;
    if (stored_version >= kExtraFontVersionWordSince) {
      n = std::abs(n);
      if (!ReadLE(stream, fEFVersion)) return false;
    } else {
      fEFVersion = 0;
    }
    insert_space_between_words = false;
    if (n < 0) return false;
    const std::size_t each = fEFVersion == 0 ? TExtraFontRec::kOldStoredSize : TExtraFontRec::kStoredSize;
    if (n * static_cast<int64_t>(each) > stream.Remaining()) return false;
    TExtraFontRecImage image{};
    for (int64_t i = 0; i < n; ++i) {
      if (stream.Read(image.data(), each) != static_cast<int64_t>(each)) return false;
      TExtraFontRec rec = ExtraFontRecFromImage(image.data(), each);
      if (fEFVersion < 3) {
        rec.default_typeface = rec.spare_typefaces;
        rec.highlight_typeface = rec.spare_typefaces;
      }
      AddOne(rec);
    }
  } catch (const Exception&) {
    return false;
  }
  return true;
}

}  // namespace lx
