#include "lexcore/text/bare_assemb2.h"

#include <unicode/uchar.h>

#include <algorithm>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

// Terminates a buffer that has become shorter; an unchanged one keeps its own terminator untouched.
template <typename C>
int Shortened(C* buf, int newLen, int len) {
  if (newLen < len) buf[newLen] = 0;
  return newLen;
}

template <typename C>
int RemoveAll(C* buf, C c, int len) {
  if (!buf || len < 1) return 0;
  int w = 0;
  for (int i = 0; i < len; ++i)
    if (buf[i] != c) buf[w++] = buf[i];
  return Shortened(buf, w, len);
}

template <typename C>
int BetweenChars(C* buf, C openChar, C closeChar, int len, int maxSpan, bool del) {
  if (!buf || len < 1) return 0;
  int w = 0;
  int i = 0;
  while (i < len) {
    int close = -1;
    if (buf[i] == openChar && maxSpan > 0) {
      const int limit = std::min(len - 1, i + maxSpan);
      for (int j = i + 1; j <= limit; ++j)
        if (buf[j] == closeChar) {
          close = j;
          break;
        }
    }
    if (close < 0) {
      buf[w++] = buf[i++];
      continue;
    }
    if (!del)
      for (int j = i; j <= close; ++j) buf[w++] = ' ';
    i = close + 1;
  }
  return Shortened(buf, w, len);
}

}  // namespace

int CutDoubleCRLFsW(WideChar* buf, int len) {
  if (!buf || len < 1) return 0;
  int w = 0;
  int i = 0;
  while (i < len) {
    if (buf[i] == 13 && i + 1 < len && buf[i + 1] == 10) {
      buf[w++] = 13;
      buf[w++] = 10;
      i += 2;
      while (i + 1 < len && buf[i] == 13 && buf[i + 1] == 10) i += 2;
    } else {
      buf[w++] = buf[i++];
    }
  }
  return Shortened(buf, w, len);
}

int RemoveRedundantSpaceW(WideChar* buf, int len) {
  if (!buf || len < 1) return 0;
  int w = 0;
  for (int i = 0; i < len; ++i)
    if (buf[i] != u' ' || w == 0 || buf[w - 1] != u' ') buf[w++] = buf[i];
  return Shortened(buf, w, len);
}

int LengthConvertedToUnix(char* buf, int len) {
  return RemoveAll(buf, '\n', len);
}
int LengthConvertedToUnix(WideChar* buf, int len) {
  return RemoveAll(buf, u'\n', len);
}
int RemoveCharA(char* buf, char c, int len) {
  return RemoveAll(buf, c, len);
}
int RemoveCharW(WideChar* buf, WideChar c, int len) {
  return RemoveAll(buf, c, len);
}

int ClearBetweenChars(WideChar* buf, WideChar openChar, WideChar closeChar, int len, int maxSpan, bool del) {
  return BetweenChars(buf, openChar, closeChar, len, maxSpan, del);
}
int CleanBetweenChars(char* buf, char openChar, char closeChar, int len, int maxSpan, bool del) {
  return BetweenChars(buf, openChar, closeChar, len, maxSpan, del);
}

void CapitaliseABuffer(WideChar* buf, int len) {
  if (!buf) return;
  for (int i = 0; i < len; ++i) buf[i] = InvariantUpCase(buf[i]);
}

int CutLowercaseWords(WideChar* buf, int len, const UnicodeString& exceptions) {
  if (!buf || len < 1) return 0;
  const std::u16string_view except = std::u16string_view(exceptions).substr(0, 128);
  auto isException = [&](const WideChar* word, std::size_t n) {
    std::size_t p = 0;
    while (p < except.size()) {
      while (p < except.size() && except[p] <= u' ') ++p;
      std::size_t e = p;
      while (e < except.size() && except[e] > u' ') ++e;
      if (e - p == n && std::equal(word, word + n, except.begin() + p)) return true;
      p = e;
    }
    return false;
  };
  int w = 0;
  int i = 0;
  while (i < len) {
    if (buf[i] <= u' ') {
      buf[w++] = buf[i++];
      continue;
    }
    int e = i;
    while (e < len && buf[e] > u' ') ++e;
    if (u_islower(buf[i]) && !isException(buf + i, e - i)) {
      while (e < len && buf[e] <= u' ' && buf[e] != 0) ++e;
      i = e;
      continue;
    }
    while (i < e) buf[w++] = buf[i++];
  }
  return Shortened(buf, w, len);
}

void Swap2Strings(WideChar* buf, int first, int second) {
  if (!buf || first < 1 || second < 1) return;
  std::rotate(buf, buf + first, buf + first + second);
}

}  // namespace lx
