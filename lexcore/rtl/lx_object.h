// The root of the runtime's class family: holders attached to string lists and list items derive from it, so
// a list that owns its objects can free any of them through the virtual destructor.
#pragma once

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

}  // namespace lx
