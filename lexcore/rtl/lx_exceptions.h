// The exception family of the runtime, and the always-on assertion.
#pragma once

#include <exception>
#include <string>

#include "lexcore/rtl/lx_types.h"

namespace lx {

class Exception : public std::exception {
 public:
  explicit Exception(const UnicodeString& message);
  explicit Exception(const std::string& utf8Message);
  explicit Exception(const char* utf8Message);
  ~Exception() override = default;

  const char* what() const noexcept override { return utf8_.c_str(); }

  UnicodeString Message;

 private:
  std::string utf8_;
};

#define LX_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {             \
   public:                               \
    using Base::Base;                    \
  };

LX_DECLARE_EXCEPTION(EConvertError, Exception)
LX_DECLARE_EXCEPTION(EStreamError, Exception)
LX_DECLARE_EXCEPTION(EReadError, EStreamError)
LX_DECLARE_EXCEPTION(EWriteError, EStreamError)
LX_DECLARE_EXCEPTION(EFOpenError, EStreamError)
LX_DECLARE_EXCEPTION(EFCreateError, EStreamError)
LX_DECLARE_EXCEPTION(EListError, Exception)
LX_DECLARE_EXCEPTION(EStringListError, EListError)
LX_DECLARE_EXCEPTION(EAssertionFailed, Exception)
LX_DECLARE_EXCEPTION(EInOutError, Exception)
LX_DECLARE_EXCEPTION(EArgumentException, Exception)
LX_DECLARE_EXCEPTION(EMathError, Exception)
LX_DECLARE_EXCEPTION(EZeroDivide, EMathError)
LX_DECLARE_EXCEPTION(EInvalidOp, EMathError)
LX_DECLARE_EXCEPTION(EOverflow, EMathError)
LX_DECLARE_EXCEPTION(EAbort, Exception)

// Raises EAssertionFailed with "<message> (<file>, line <n>)". Never compiled out.
[[noreturn]] void AssertionFailed(const UnicodeString& message, const char* file, int line);
[[noreturn]] void AssertionFailed(const char* utf8Message, const char* file, int line);

#define LX_ASSERT(condition, message)                                       \
  do {                                                                      \
    if (!(condition)) ::lx::AssertionFailed((message), __FILE__, __LINE__); \
  } while (0)

// Abort: the silent exception that ends an operation without a message.
[[noreturn]] void Abort();

}  // namespace lx
