// Display lists of a line of text: the words-and-tags displayer, which splits a display text into word and
// tag chunks, and the sort-and-tag merged list of one line's highlighted spans.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/definitions/extra_font_list.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_stringlist.h"

namespace lx {

struct TWordOrTagFormat {
  bool IsATag = false;
  int32_t ExtraFont = 0;  // index of an extra-font span, 0 for none
};

class TWordOrTagFormatHolder : public TUsefulBaseListObject {
 public:
  explicit TWordOrTagFormatHolder(const TWordOrTagFormat& f) : fdata(f) {}
  TWordOrTagFormat fdata;
};

// Owns its holders.
class TWordsAndTagsDisplayFormatList : public TUsefulBaseList {
 public:
  void AddOne(const TWordOrTagFormat& f) { Add(new TWordOrTagFormatHolder(f)); }
  // All zero past the end.
  TWordOrTagFormat GetAWordOrTagFormat(int32_t index) const;
};

// The record hands its lists to whoever takes it; the displayer owns them.
struct TWordsAndTagsRec {
  TStringList* wordchunks = nullptr;
  TWordsAndTagsDisplayFormatList* extras = nullptr;
  std::array<uint8_t, 84> spare{};
};

class TWordsAndTagsDisplayer : public TObject {
 public:
  explicit TWordsAndTagsDisplayer(const TWordsAndTagsRec& rec);
  ~TWordsAndTagsDisplayer() override;
  TWordsAndTagsDisplayer(const TWordsAndTagsDisplayer&) = delete;
  TWordsAndTagsDisplayer& operator=(const TWordsAndTagsDisplayer&) = delete;

  void AddAChunk(const UnicodeString& text, bool isATag);
  void Clear();
  int32_t ChunkCount() const { return data.wordchunks->Count(); }

  TWordsAndTagsRec data;
};

// Where a collocate count stops at this span.
enum Tcollocates_stop_at : uint8_t {
  stop_at_nothing,
  stop_at_sentence,
  stop_at_paragraph,
  stop_at_heading,
  stop_at_section
};

struct TSortAndTagMergedRec {
  TExtraFontRec colour_rec;
  int16_t Tag_number_1Based = 0;
  TConcordance_span_type span_lugar = span_L50;
  bool word_precedes_tag = false;
  bool is_pre_SW_EMPTY = false;
  bool IsATag = false;
  bool hide_the_tag = false;
  int32_t words_length = 0;
  int32_t tag_length = 0;
  int32_t string_position = 0;
  int32_t list_number = 0;
  Tcollocates_stop_at barrier = stop_at_nothing;
};

class TSortAndTagMergedHolder : public TUsefulBaseListObject {
 public:
  explicit TSortAndTagMergedHolder(const TSortAndTagMergedRec& rec) : fdata(rec) {}
  TSortAndTagMergedRec fdata;
};

// Owns its holders.
class TSortAndTagMergedList : public TUsefulBaseList {
 public:
  int32_t AddOne(const TSortAndTagMergedRec& rec) { return Add(new TSortAndTagMergedHolder(rec)); }
  TSortAndTagMergedRec GetADataRec(int32_t index) const;
  void SetADataRec(int32_t index, const TSortAndTagMergedRec& rec);
  void SetAStringPosition(int32_t index, int32_t position);
  void SetAWordsLength(int32_t index, int32_t length);
  // Stable, by string_position ascending.
  void SortStringPosition();
  // Merges records at the same position into the first of them; expects the list sorted by position.
  void HandleAnyOverlaps();
  int32_t IndexOfNonTagCentreSpan() const;

 private:
  TSortAndTagMergedHolder* Holder(int32_t index) const;
};

}  // namespace lx
