#include "lexcore/rtl/lx_exceptions.h"

#include "lexcore/rtl/lx_strings.h"

namespace lx {

Exception::Exception(const UnicodeString& message) : Message(message), utf8_(UTF16ToUTF8(message)) {}
Exception::Exception(const std::string& utf8Message)
    : Message(UTF8ToUTF16(utf8Message)), utf8_(utf8Message) {}
Exception::Exception(const char* utf8Message) : Exception(std::string(utf8Message ? utf8Message : "")) {}

void AssertionFailed(const UnicodeString& message, const char* file, int line) {
  const char* base = file;
  for (const char* p = file; *p; ++p)
    if (*p == '/' || *p == '\\') base = p + 1;
  throw EAssertionFailed(message + u" (" + UTF8ToUTF16(base) + u", line " + IntToStr(line) + u")");
}

void AssertionFailed(const char* utf8Message, const char* file, int line) {
  AssertionFailed(UTF8ToUTF16(utf8Message ? utf8Message : ""), file, line);
}

void Abort() {
  throw EAbort(u"Operation aborted");
}

}  // namespace lx
