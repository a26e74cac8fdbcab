// The runtime's list of untyped pointers, base of the system's plain pointer lists.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_resources.h"

namespace lx {

LX_DECLARE_RESOURCESTRING(SListIndexError)
LX_DECLARE_RESOURCESTRING(SListCapacityError)
LX_DECLARE_RESOURCESTRING(SListCountError)

// The ceiling on list lengths, which keeps a corrupt count or capacity from asking for gigabytes.
constexpr int32_t MaxListSize = std::numeric_limits<int32_t>::max() / 16;

// The runtime lists' growth step: small lists grow by 4, middling ones by 16, large ones by a quarter.
inline int32_t ListGrowDelta(int32_t capacity) {
  if (capacity > 64) return capacity / 4;
  if (capacity > 8) return 16;
  return 4;
}

enum TListNotification : uint8_t { lnAdded, lnExtracted, lnDeleted };

// Negative, zero or positive as item1 sorts before, with or after item2.
using TListSortCompare = std::function<int(void* item1, void* item2)>;

// Holds pointers it does not own. Descendants that own their items free them in Notify or Clear; as C++
// destructors do not dispatch virtually, such a descendant calls Clear in its own destructor.
class TList : public TObject {
 public:
  TList() = default;
  ~TList() override;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  // Growing fills with null; shrinking deletes from the end.
  void SetCount(int32_t newCount);
  int32_t Capacity() const { return capacity_; }
  void SetCapacity(int32_t newCapacity);

  void* Get(int32_t index) const;
  void* Items(int32_t index) const { return Get(index); }
  void* operator[](int32_t index) const { return Get(index); }
  void Put(int32_t index, void* item);
  void** List() { return items_.data(); }

  int32_t Add(void* item);
  void Insert(int32_t index, void* item);
  void Delete(int32_t index);
  // Deletes the first occurrence; returns its former index or -1.
  int32_t Remove(void* item);
  // Takes out the first occurrence without a deletion notice; returns it, or null when absent.
  void* Extract(void* item);
  int32_t IndexOf(const void* item) const;
  void Exchange(int32_t index1, int32_t index2);
  void Move(int32_t curIndex, int32_t newIndex);
  // Drops the null slots.
  void Pack();
  // Stable; the comparison may be inconsistent without harm.
  void Sort(const TListSortCompare& compare);
  virtual void Clear();
  void* First() const { return Get(0); }
  void* Last() const { return Get(Count() - 1); }
  TList* Expand();

 protected:
  virtual void Notify(void* /*item*/, TListNotification /*action*/) {}
  virtual void Grow();
  [[noreturn]] static void Error(const TResourceString& message, int32_t data);

 private:
  void CheckIndex(int32_t index) const;

  std::vector<void*> items_;
  int32_t capacity_ = 0;
};

}  // namespace lx
