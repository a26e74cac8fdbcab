// Named sections of a text file by their starting byte positions, saved as a list file of its own.
#pragma once

#include <cstdint>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TSectionTagRec {
  int32_t start_byte_position = 0;
  UnicodeString w;  // the section's name or tag
};

struct TSectionStartInfo {
  UnicodeString section;
  int32_t section_number = 0;
};

// Stored as the position (int32) and the name as a counted string.
class TSectionStartHolder : public TUsefulBaseListObject {
 public:
  TSectionStartHolder() = default;
  explicit TSectionStartHolder(const TSectionTagRec& rec) : fdata(rec) {}
  bool ReadFromStream(TStream& Stream) override;
  bool SaveToStream(TStream& Stream) override;
  int32_t MinimalStreamSize() const override { return 8; }

  TSectionTagRec fdata;
};

// -1, 0, 1 by start_byte_position.
int SortSectionTags(const TSectionStartHolder* a, const TSectionStartHolder* b);

// Owns its holders. The stream form is the count, then each holder; reading appends.
class TSectionStartsList : public TUsefulBaseList {
 public:
  TSectionStartsList();

  int32_t AddSection(int32_t start_byte_position, const UnicodeString& w);
  // A copy, or position -1 and empty text outside the list.
  TSectionTagRec GetASection(int32_t index) const;
  void SortOnPositions();

  // The signature block of the current tool and lt_sections_list, then the stream form. The file is
  // replaced only when everything was written.
  bool SaveToFile(const UnicodeString& name);
  // Refuses a file of another tool, format version or list kind.
  bool ReadFromFile(const UnicodeString& name);

  // The section (from index from onwards) in which byte position pos lies: the last one starting at or
  // before pos, the starts being in increasing order. Empty text and 0 when pos lies before them all.
  TSectionStartInfo SectionFromBytePosition(int32_t from, int32_t pos) const;
};

}  // namespace lx
