#include "lexcore/rtl/lx_list.h"

#include <algorithm>

#include "lexcore/rtl/lx_stablesort.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

LX_RESOURCESTRING(SListIndexError, u"List index out of bounds (%d)")
LX_RESOURCESTRING(SListCapacityError, u"List capacity out of bounds (%d)")
LX_RESOURCESTRING(SListCountError, u"List count out of bounds (%d)")

TList::~TList() {
  TList::Clear();
}

void TList::Error(const TResourceString& message, int32_t data) {
  throw EListError(StringReplace(message.Text(), u"%d", IntToStr(data), 0));
}

void TList::CheckIndex(int32_t index) const {
  if (index < 0 || index >= Count()) Error(SListIndexError, index);
}

void TList::SetCapacity(int32_t newCapacity) {
  if (newCapacity < Count() || newCapacity > MaxListSize) Error(SListCapacityError, newCapacity);
  if (static_cast<std::size_t>(newCapacity) < items_.capacity()) {
    std::vector<void*> smaller;
    smaller.reserve(static_cast<std::size_t>(newCapacity));
    smaller.assign(items_.begin(), items_.end());
    items_.swap(smaller);
  } else {
    items_.reserve(static_cast<std::size_t>(newCapacity));
  }
  capacity_ = newCapacity;
}

void TList::SetCount(int32_t newCount) {
  if (newCount < 0 || newCount > MaxListSize) Error(SListCountError, newCount);
  if (newCount > capacity_) SetCapacity(newCount);
  if (newCount > Count()) {
    items_.resize(static_cast<std::size_t>(newCount), nullptr);
  } else {
    for (int32_t i = Count() - 1; i >= newCount; --i) Delete(i);
  }
}

void TList::Grow() {
  SetCapacity(capacity_ + ListGrowDelta(capacity_));
}

TList* TList::Expand() {
  if (Count() == capacity_) Grow();
  return this;
}

void* TList::Get(int32_t index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)];
}

void TList::Put(int32_t index, void* item) {
  CheckIndex(index);
  void* old = items_[static_cast<std::size_t>(index)];
  if (old == item) return;
  items_[static_cast<std::size_t>(index)] = item;
  if (old) Notify(old, lnDeleted);
  if (item) Notify(item, lnAdded);
}

int32_t TList::Add(void* item) {
  const int32_t index = Count();
  Insert(index, item);
  return index;
}

void TList::Insert(int32_t index, void* item) {
  if (index < 0 || index > Count()) Error(SListIndexError, index);
  if (Count() == capacity_) Grow();
  items_.insert(items_.begin() + index, item);
  if (item) Notify(item, lnAdded);
}

void TList::Delete(int32_t index) {
  CheckIndex(index);
  void* old = items_[static_cast<std::size_t>(index)];
  items_.erase(items_.begin() + index);
  if (old) Notify(old, lnDeleted);
}

int32_t TList::Remove(void* item) {
  const int32_t index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  const int32_t index = IndexOf(item);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  Notify(item, lnExtracted);
  return item;
}

int32_t TList::IndexOf(const void* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int32_t>(it - items_.begin());
}

void TList::Exchange(int32_t index1, int32_t index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
}

void TList::Move(int32_t curIndex, int32_t newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(newIndex);
  CheckIndex(curIndex);
  const auto first = items_.begin();
  if (curIndex < newIndex) {
    std::rotate(first + curIndex, first + curIndex + 1, first + newIndex + 1);
  } else {
    std::rotate(first + newIndex, first + curIndex, first + curIndex + 1);
  }
}

void TList::Pack() {
  items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
}

void TList::Sort(const TListSortCompare& compare) {
  if (Count() < 2) return;
  std::vector<void*> sorted(items_);
  // Sorted aside, so a comparison that raises leaves the list as it was.
  StableMergeSort(sorted, [&](void* a, void* b) { return compare(a, b) < 0; });
  items_.swap(sorted);
  items_.reserve(static_cast<std::size_t>(capacity_));
}

void TList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

}  // namespace lx
