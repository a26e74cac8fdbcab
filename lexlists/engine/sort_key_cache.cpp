#include "lexlists/engine/sort_key_cache.h"

#include <algorithm>
#include <limits>

#include "lexcore/platform/win_collation.h"
#include "lexcore/rtl/lx_parallel.h"

namespace lx {

void TSortKeyCache::Build(const TLXBaseDataClass& list, int32_t first, int32_t last, unsigned threads) {
  Clear();
  first = std::max(first, 0);
  last = std::min(last, list.fCount - 1);
  const TLXBaseHolder* holder = list.Patroa;
  if (!holder || !holder->OperatingInUnicode() || last - first + 1 < kMinimumRange) return;
  fFirst = first;
  // Each part of the range makes its keys on a thread of its own (the collators are per thread); the parts
  // are joined in order.
  const int64_t count = int64_t{last} - first + 1;
  const int32_t parts = PartsFor(count, threads, kKeysPerThread);
  if (parts == 1) {
    if (!MakeKeys(list, first, last))
      Clear();  // past what the offsets can address: the sort compares directly
    return;
  }
  // The first part is made here, the others beside it and appended.
  std::vector<TSortKeyCache> made(static_cast<std::size_t>(parts - 1));
  std::vector<char> madeAll(static_cast<std::size_t>(parts), 0);
  RunParts(parts, count, [&](int32_t part, int64_t from, int64_t to) {
    try {
      TSortKeyCache& into = part == 0 ? *this : made[static_cast<std::size_t>(part - 1)];
      madeAll[part] =
          into.MakeKeys(list, static_cast<int32_t>(first + from), static_cast<int32_t>(first + to - 1));
    } catch (...) {
      madeAll[part] = 0;  // out of memory: the sort compares directly
    }
  });
  bool complete = madeAll[0] != 0;
  for (int32_t part = 1; part < parts && complete; ++part)
    complete = madeAll[part] && Append(made[static_cast<std::size_t>(part - 1)]);
  if (!complete) Clear();
}

bool TSortKeyCache::MakeKeys(const TLXBaseDataClass& list, int32_t first, int32_t last) {
  const TLXBaseHolder* holder = list.Patroa;
  fSlots.reserve(static_cast<std::size_t>(last - first + 1));
  for (int32_t i = first; i <= last; ++i) {
    TLXBaseListObject* e = list.Get(i);
    const auto* word = e ? static_cast<const char16_t*>(e->MainWordAsPointer()) : nullptr;
    const std::size_t start = fBlock.size();
    AppendCompareStringKey(fBlock, holder->GetLCID(), Global_CompareStringFlags,
                           word ? std::u16string_view(word) : std::u16string_view());
    if (fBlock.size() > std::numeric_limits<uint32_t>::max()) return false;
    const std::string_view key(fBlock.data() + start, fBlock.size() - start);
    fSlots.push_back({RefOf(key).head, e, static_cast<uint32_t>(start), static_cast<uint32_t>(key.size())});
  }
  return true;
}

bool TSortKeyCache::Append(const TSortKeyCache& next) {
  if (fBlock.size() + next.fBlock.size() > std::numeric_limits<uint32_t>::max()) return false;
  const auto shift = static_cast<uint32_t>(fBlock.size());
  fSlots.reserve(fSlots.size() + next.fSlots.size());
  for (TSlot slot : next.fSlots) {
    slot.offset += shift;
    fSlots.push_back(slot);
  }
  fBlock += next.fBlock;
  return true;
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
