#include "tools/lexmill/lexmill_case.h"

#include <unicode/uchar.h>

#include <algorithm>

#include "lexcore/text/WinGenOk.h"

namespace lx {

namespace {

constexpr WideChar kSigma = 0x03C3, kFinalSigma = 0x03C2;

bool IsLetter(WideChar c) {
  return u_isalpha(c) != 0;
}

}  // namespace

void EndWordsWithFinalSigma(WideChar* text, std::size_t n) {
  for (WideChar* p = std::find(text, text + n, kSigma); p != text + n;
       p = std::find(p + 1, text + n, kSigma)) {
    const std::size_t i = static_cast<std::size_t>(p - text);
    if (i > 0 && IsLetter(text[i - 1]) && (i + 1 == n || !IsLetter(text[i + 1]))) *p = kFinalSigma;
  }
}

UnicodeString WordLowercase(LCID lcid, const UnicodeString& word) {
  UnicodeString lower = Lowercase(lcid, word);
  EndWordsWithFinalSigma(lower.data(), lower.size());
  return lower;
}

}  // namespace lx
