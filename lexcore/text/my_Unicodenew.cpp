#include "lexcore/text/my_Unicodenew.h"

#include "lexcore/platform/win_casemap.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

int SetClassOf(const WideChar* text, uint16_t* classArray, int length, WideChar c, uint16_t cls) {
  if (text && classArray)
    for (int i = 0; i < length; ++i)
      if (text[i] == c) classArray[i] = cls;
  return c;
}

}  // namespace

void RaiseOSError(uint32_t code) {
  const char16_t* text = code == ERROR_INVALID_PARAMETER ? u"The parameter is incorrect."
                         : code == ERROR_INSUFFICIENT_BUFFER
                             ? u"The data area passed to a system call is too small."
                         : code == ERROR_INVALID_FLAGS ? u"Invalid flags."
                                                       : u"";
  throw EOSError(code, u"System Error.  Code: " + UIntToStr(code) + u".\r\n" + text);
}

int SetZeroWidthJoinersToDefined(const WideChar* text, uint16_t* classArray, int length) {
  return SetClassOf(text, classArray, length, 0x200D, 0x0200);
}

int SetZeroWidthNonJoinersToDefinedAlpha(const WideChar* text, uint16_t* classArray, int length) {
  return SetClassOf(text, classArray, length, 0x200C, 0x0300);
}

UnicodeString EnsurePrecomposed(const UnicodeString& s) {
  if (s.empty()) return s;
  const int srcLen = static_cast<int>(s.size());
  auto fail = [] {
    const uint32_t code = GetLastError();
    if (code == ERROR_INVALID_PARAMETER || code == ERROR_INSUFFICIENT_BUFFER || code == ERROR_INVALID_FLAGS)
      RaiseOSError(code);
  };
  // Composition can lengthen a text (composition exclusions decompose), so ask for the size first.
  const int needed = FoldStringW(MAP_PRECOMPOSED, s.data(), srcLen, nullptr, 0);
  if (needed <= 0) {
    fail();
    return UnicodeString();
  }
  UnicodeString out(needed, u'\0');
  const int n = FoldStringW(MAP_PRECOMPOSED, s.data(), srcLen, out.data(), needed);
  if (n <= 0) {
    fail();
    return UnicodeString();
  }
  out.resize(n);
  return out;
}

}  // namespace lx
