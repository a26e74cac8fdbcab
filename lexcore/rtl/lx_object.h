// The root of the runtime's class family: holders attached to string lists and list items derive from it, so
// a list that owns its objects can free any of them through the virtual destructor.
#pragma once

#include <cstdint>
#include <functional>

namespace lx {

class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// The runtime lists' growth step: small lists grow by 4, middling ones by 16, large ones by a quarter.
inline int32_t ListGrowDelta(int32_t capacity) {
  if (capacity > 64) return capacity / 4;
  if (capacity > 8) return 16;
  return 4;
}

}  // namespace lx
