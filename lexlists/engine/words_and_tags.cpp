#include "lexlists/engine/words_and_tags.h"

#include <algorithm>

namespace lx {

TWordOrTagFormat TWordsAndTagsDisplayFormatList::GetAWordOrTagFormat(int32_t index) const {
  if (!IndexAssignedOK(index)) return {};
  return static_cast<TWordOrTagFormatHolder*>(fList[static_cast<std::size_t>(index)])->fdata;
}

TWordsAndTagsDisplayer::TWordsAndTagsDisplayer(const TWordsAndTagsRec& rec) : data(rec) {
  if (!data.wordchunks) data.wordchunks = new TStringList();
  if (!data.extras) data.extras = new TWordsAndTagsDisplayFormatList();
}

TWordsAndTagsDisplayer::~TWordsAndTagsDisplayer() {
  delete data.wordchunks;
  delete data.extras;
}

void TWordsAndTagsDisplayer::AddAChunk(const UnicodeString& text, bool isATag) {
  data.wordchunks->Add(text);
  data.extras->AddOne(TWordOrTagFormat{isATag, 0});
}

void TWordsAndTagsDisplayer::Clear() {
  data.wordchunks->Clear();
  data.extras->Clear();
}

TSortAndTagMergedHolder* TSortAndTagMergedList::Holder(int32_t index) const {
  return IndexAssignedOK(index)
             ? static_cast<TSortAndTagMergedHolder*>(fList[static_cast<std::size_t>(index)])
             : nullptr;
}

TSortAndTagMergedRec TSortAndTagMergedList::GetADataRec(int32_t index) const {
  auto* h = Holder(index);
  return h ? h->fdata : TSortAndTagMergedRec{};
}

void TSortAndTagMergedList::SetADataRec(int32_t index, const TSortAndTagMergedRec& rec) {
  if (auto* h = Holder(index)) h->fdata = rec;
}

void TSortAndTagMergedList::SetAStringPosition(int32_t index, int32_t position) {
  if (auto* h = Holder(index)) h->fdata.string_position = position;
}

void TSortAndTagMergedList::SetAWordsLength(int32_t index, int32_t length) {
  if (auto* h = Holder(index)) h->fdata.words_length = length;
}

void TSortAndTagMergedList::SortStringPosition() {
  Pack();
  std::stable_sort(fList.begin(), fList.end(), [](TUsefulBaseListObject* a, TUsefulBaseListObject* b) {
    return static_cast<TSortAndTagMergedHolder*>(a)->fdata.string_position <
           static_cast<TSortAndTagMergedHolder*>(b)->fdata.string_position;
  });
}

void TSortAndTagMergedList::HandleAnyOverlaps() {
  // From the back, so that a run of records at one position folds step by step into its first record.
  for (int32_t i = Count() - 1; i >= 1; --i) {
    auto* later = Holder(i);
    auto* earlier = Holder(i - 1);
    if (!later || !earlier || later->fdata.string_position != earlier->fdata.string_position) continue;
    auto& e = earlier->fdata;
    const auto& l = later->fdata;
    e.tag_length = std::max(e.tag_length, l.tag_length);
    e.Tag_number_1Based = std::max(e.Tag_number_1Based, l.Tag_number_1Based);
    if (l.word_precedes_tag) e.word_precedes_tag = true;
    e.colour_rec.applies_to = std::max(e.colour_rec.applies_to, l.colour_rec.applies_to);
    e.span_lugar = std::max(e.span_lugar, l.span_lugar);
    e.IsATag = e.tag_length > 0 && e.colour_rec.applies_to == efc_tag;
    e.barrier = std::max(e.barrier, l.barrier);
    FreeAndNilOne(i);
  }
  Pack();
}

int32_t TSortAndTagMergedList::IndexOfNonTagCentreSpan() const {
  for (int32_t i = 0; i < Count(); ++i)
    if (auto* h = Holder(i); h && h->fdata.span_lugar == span_Centre && !h->fdata.IsATag) return i;
  return -1;
}

}  // namespace lx
