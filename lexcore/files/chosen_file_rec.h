// A text file chosen for a tool: where it is, its date, size and counts. The fixed part is stored in 64
// bytes; files of earlier versions hold a 49-byte form, which the reader recognises and converts.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// The current form stores FolderData as -(FolderData + 1), so that its first int32 is always negative and
// tells it from the old form, whose folder number is never negative.

struct TChosenFile_BaseRec {
  static constexpr std::size_t kStoredSize = 64;
  static constexpr std::size_t kOldStoredSize = 49;
  int32_t FolderData = 0;
  int16_t Zip_Num = 0;  // 0 for a plain file, else the 1-based entry number
  uint8_t encrypted = 0;
  uint8_t Wanted = 0;
  TDateTime FileDate = 0;
  int64_t Size = 0;
  int32_t Words = 0;
  uint8_t KindOfFile = 0;
  uint8_t version = 0;
  double TextualDateAndTime = 0;  // shifted Julian date; 0 until known
  int32_t hits = 0;
  void* jump_list = nullptr;  // not owned and never stored; the pointer slot is written as 0
  UnicodeString ShortName;    // kept by the owner's list, not by the fixed image
};

using TChosenFileImage = std::array<uint8_t, TChosenFile_BaseRec::kStoredSize>;
using TOldChosenFileImage = std::array<uint8_t, TChosenFile_BaseRec::kOldStoredSize>;
TChosenFileImage ChosenFileToImage(const TChosenFile_BaseRec& rec);
TChosenFile_BaseRec ChosenFileFromImage(const TChosenFileImage& image);
// The old form of a record (the fields it had).
TOldChosenFileImage OldChosenFileToImage(const TChosenFile_BaseRec& rec);
bool TChosenFileRecFromStream(TStream& stream, TChosenFile_BaseRec& rec);

}  // namespace lx
