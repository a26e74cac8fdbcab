#include "lexcore/files/chosen_file_rec.h"

#include <algorithm>

#include "lexcore/rtl/lx_byteimage.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/settings/JulianDateRoutines.h"

namespace lx {

namespace {

// Reads up to n bytes; a stream error counts as nothing read.
int64_t ReadUpTo(TStream& stream, void* buffer, int64_t n) {
  try {
    return stream.Read(buffer, n);
  } catch (const Exception&) {
    return 0;
  }
}

bool PositionOf(TStream& stream, int64_t& position) {
  try {
    position = stream.GetPosition();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool StepBack(TStream& stream, int64_t position) {
  try {
    stream.SetPosition(position);
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// The fixed part of a chosen file as stored; the pointer slots are written as 0 and skipped on reading.
constexpr auto kChosenFileLayout = [](auto& io, auto& r) {
  io.Field(r.FolderData);
  io.Field(r.Zip_Num);
  io.Field(r.encrypted);
  io.Field(r.Wanted);
  io.Field(r.FileDate);
  io.Field(r.Size);
  io.Field(r.Words);
  io.Field(r.KindOfFile);
  io.Field(r.version);
  io.Pad(2);
  io.Field(r.TextualDateAndTime);
  io.Field(r.hits);
  io.Pad(4);   // jump list
  io.Pad(4);   // short name
  io.Pad(12);  // reserved
};
static_assert(ByteImageSizeIs<TChosenFile_BaseRec>(kChosenFileLayout, TChosenFile_BaseRec::kStoredSize));

struct TOldChosenFile {
  int32_t FolderData = 0;
  int16_t Zip_Num = 0;
  TDateTime FileDate = 0;
  int32_t Size = 0;
  int32_t Words = 0;
  uint8_t encrypted = 0;
  uint8_t Wanted = 0;
  uint8_t KindOfFile = 0;
};

constexpr auto kOldChosenFileLayout = [](auto& io, auto& r) {
  io.Field(r.FolderData);
  io.Field(r.Zip_Num);
  io.Field(r.FileDate);
  io.Field(r.Size);
  io.Field(r.Words);
  io.Field(r.encrypted);
  io.Field(r.Wanted);
  io.Field(r.KindOfFile);
  io.Pad(24);  // reserved
};
static_assert(ByteImageSize<TOldChosenFile>(kOldChosenFileLayout) == TChosenFile_BaseRec::kOldStoredSize);

}  // namespace

TChosenFileImage ChosenFileToImage(const TChosenFile_BaseRec& rec) {
  // A negative folder number would be stored as a non-negative one and read back as the old form.
  LX_ASSERT(rec.FolderData >= 0, "chosen file without a folder number");
  TChosenFile_BaseRec stored = rec;
  stored.FolderData = -rec.FolderData - 1;
  return WriteByteImage<TChosenFile_BaseRec::kStoredSize>(stored, kChosenFileLayout);
}

TChosenFile_BaseRec ChosenFileFromImage(const TChosenFileImage& image) {
  TChosenFile_BaseRec rec;
  ReadByteImage(image.data(), image.size(), rec, kChosenFileLayout);
  // |FolderData| - 1 in 64 bits: the most negative int32 gives the largest folder number, not an overflow.
  const int64_t stored = rec.FolderData;
  rec.FolderData = static_cast<int32_t>((stored < 0 ? -stored : stored) - 1);
  return rec;
}

TOldChosenFileImage OldChosenFileToImage(const TChosenFile_BaseRec& rec) {
  TOldChosenFile old;
  old.FolderData = rec.FolderData;
  old.Zip_Num = rec.Zip_Num;
  old.FileDate = rec.FileDate;
  old.Size = static_cast<int32_t>(rec.Size);
  old.Words = rec.Words;
  old.encrypted = rec.encrypted;
  old.Wanted = rec.Wanted;
  old.KindOfFile = rec.KindOfFile;
  return WriteByteImage<TChosenFile_BaseRec::kOldStoredSize>(old, kOldChosenFileLayout);
}

bool TChosenFileRecFromStream(TStream& stream, TChosenFile_BaseRec& rec) {
  rec = TChosenFile_BaseRec{};
  int64_t start = 0;
  if (!PositionOf(stream, start)) return false;
  TOldChosenFileImage oldImage;
  const int64_t got = ReadUpTo(stream, oldImage.data(), static_cast<int64_t>(oldImage.size()));
  if (got < 4) return false;
  bool ok = got == static_cast<int64_t>(oldImage.size());
  if (static_cast<int8_t>(oldImage[3]) < 0) {
    if (!StepBack(stream, start)) return false;
    TChosenFileImage image;
    image.fill(0);
    ok = ReadUpTo(stream, image.data(), static_cast<int64_t>(image.size())) ==
         static_cast<int64_t>(image.size());
    rec = ChosenFileFromImage(image);
  } else {
    if (!ok) std::fill(oldImage.begin() + got, oldImage.end(), 0);
    TOldChosenFile old;
    ReadByteImage(oldImage.data(), oldImage.size(), old, kOldChosenFileLayout);
    rec.FolderData = old.FolderData;
    rec.Zip_Num = old.Zip_Num;
    rec.FileDate = old.FileDate;
    rec.Size = old.Size;
    rec.Words = old.Words;
    rec.encrypted = old.encrypted;
    rec.Wanted = old.Wanted;
    rec.KindOfFile = old.KindOfFile;
  }
  if (rec.TextualDateAndTime == 0) rec.TextualDateAndTime = DateTimeToJulianAddingConst(rec.FileDate);
  return ok;
}

}  // namespace lx
