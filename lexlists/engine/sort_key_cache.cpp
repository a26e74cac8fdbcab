#include "lexlists/engine/sort_key_cache.h"

#include <algorithm>
#include <limits>

#include "lexcore/platform/win_collation.h"

namespace lx {

namespace {

uint64_t HeadOf(std::string_view key) {
  uint64_t head = 0;
  for (std::size_t i = 0; i < 8; ++i)
    head = (head << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return head;
}

}  // namespace

void TSortKeyCache::Build(const TLXBaseDataClass& list, int32_t first, int32_t last) {
  Clear();
  first = std::max(first, 0);
  last = std::min(last, list.fCount - 1);
  const TLXBaseHolder* holder = list.Patroa;
  if (!holder || !holder->OperatingInUnicode() || last - first + 1 < kMinimumRange) return;
  fFirst = first;
  fSlots.reserve(static_cast<std::size_t>(last - first + 1));
  for (int32_t i = first; i <= last; ++i) {
    TLXBaseListObject* e = list.Get(i);
    const auto* word = e ? static_cast<const char16_t*>(e->MainWordAsPointer()) : nullptr;
    const std::string key = CompareStringKey(holder->GetLCID(), Global_CompareStringFlags,
                                             word ? std::u16string_view(word) : std::u16string_view());
    if (fBlock.size() + key.size() > std::numeric_limits<uint32_t>::max()) {
      Clear();  // past what the offsets can address: the sort compares directly
      return;
    }
    fSlots.push_back(
        {HeadOf(key), e, static_cast<uint32_t>(fBlock.size()), static_cast<uint32_t>(key.size())});
    fBlock += key;
  }
}

void TSortKeyCache::Clear() {
  fSlots.clear();
  fSlots.shrink_to_fit();
  fBlock.clear();
  fBlock.shrink_to_fit();
}

bool TSortKeyCache::Find(int32_t position, const TLXBaseListObject* entry, TKeyRef& key) const {
  const int64_t k = int64_t{position} - fFirst;
  if (!entry || k < 0 || k >= static_cast<int64_t>(fSlots.size())) return false;
  const TSlot& slot = fSlots[static_cast<std::size_t>(k)];
  if (slot.owner != entry) return false;
  key.head = slot.head;
  key.bytes = std::string_view(fBlock.data() + slot.offset, slot.length);
  return true;
}

void TSortKeyCache::Exchange(int32_t i, int32_t j) {
  const int64_t a = int64_t{i} - fFirst;
  const int64_t b = int64_t{j} - fFirst;
  const auto n = static_cast<int64_t>(fSlots.size());
  if (a < 0 || b < 0 || a >= n || b >= n) return;
  std::swap(fSlots[static_cast<std::size_t>(a)], fSlots[static_cast<std::size_t>(b)]);
}

}  // namespace lx
