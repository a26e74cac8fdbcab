// The locale sort keys of a list's words, made once before a long alphabetical sort so that its millions of
// comparisons compare bytes instead of collating each pair again. The keys order exactly as the holder's
// locale comparison does, so a sort with them gives the same order in the same number of steps.
//
// Keys are found by list position: the sort reports every exchange of two entries and the positions follow.
// Each position holds the key's first eight bytes, so the sort's scans, which walk positions in order,
// mostly decide without touching the rest. A key is handed out only to the entry it was made for, so a
// position that has drifted (an exchange not reported) costs a direct comparison, never a wrong one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexlists/engine/work_LX_base.h"

namespace lx {

class TSortKeyCache {
 public:
  // Ranges shorter than this are sorted by direct comparison: the keys would cost more than they save.
  static constexpr int32_t kMinimumRange = 64;

  struct TKeyRef {
    uint64_t head = 0;  // the first eight bytes, big-endian, zero-padded
    std::string_view bytes;
  };
  // A key as Compare takes it.
  static TKeyRef RefOf(std::string_view key) {
    uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
      head = (head << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return {head, key};
  }
  // Negative, 0 or positive, as the locale comparison of the two words.
  static int32_t Compare(const TKeyRef& a, const TKeyRef& b) {
    if (a.head != b.head) return a.head < b.head ? -1 : 1;
    const int c = a.bytes.compare(b.bytes);
    return (c > 0) - (c < 0);
  }

  // Ranges are shared among threads only in parts at least this long.
  static constexpr int32_t kKeysPerThread = 4096;

  // Keys of the main words of entries first..last under the holder's locale and the comparison flags now in
  // force, made on up to `threads` threads. Builds nothing for 8-bit storage or a short range.
  void Build(const TLXBaseDataClass& list, int32_t first, int32_t last, unsigned threads = 1);
  void Clear();
  bool Empty() const { return fSlots.empty(); }
  // The key of `entry` when it stands at `position` and has one; false otherwise.
  bool Find(int32_t position, const TLXBaseListObject* entry, TKeyRef& key) const;
  void Exchange(int32_t i, int32_t j);

 private:
  // The keys of first..last after those held; false when the offsets could not address them.
  bool MakeKeys(const TLXBaseDataClass& list, int32_t first, int32_t last);
  bool Append(const TSortKeyCache& next);

  struct TSlot {
    uint64_t head;
    const TLXBaseListObject* owner;
    uint32_t offset;  // of the whole key in fBlock
    uint32_t length;
  };
  int32_t fFirst = 0;
  std::vector<TSlot> fSlots;  // the entry at fFirst + k
  std::string fBlock;
};

}  // namespace lx
