// In-place editing of raw 16-bit (and some 8-bit) buffers: collapsing line breaks and spaces, deleting
// characters and bracketed spans. Routines that shorten a buffer return the new length and put a 0 after it;
// nothing is ever written at or beyond index len.
#pragma once

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Each run of two or more CRLF pairs becomes one CRLF.
int CutDoubleCRLFsW(WideChar* buf, int len);
// Each run of spaces becomes one space.
int RemoveRedundantSpaceW(WideChar* buf, int len);
// Deletes every line feed.
int LengthConvertedToUnix(char* buf, int len);
int LengthConvertedToUnix(WideChar* buf, int len);
// Deletes every c.
int RemoveCharA(char* buf, char c, int len);
int RemoveCharW(WideChar* buf, WideChar c, int len);

// For each openChar whose closeChar follows at most maxSpan characters later, blanks the span (both
// delimiters included) with spaces, or cuts it out when del is true. ClearBetweenChars works on 16-bit
// buffers, CleanBetweenChars on 8-bit ones.
int ClearBetweenChars(WideChar* buf, WideChar openChar, WideChar closeChar, int len, int maxSpan, bool del);
int CleanBetweenChars(char* buf, char openChar, char closeChar, int len, int maxSpan, bool del);

// Upper-cases len characters in place, independent of any locale.
void CapitaliseABuffer(WideChar* buf, int len);
// Cuts every word (a run of characters above the space) that starts with a lower-case letter, together with
// the blanks after it, unless it is one of the blank-separated exceptions (only their first 128 characters
// count).
int CutLowercaseWords(WideChar* buf, int len, const UnicodeString& exceptions);

// Exchanges the first block of `first` characters with the `second` characters after it.
void Swap2Strings(WideChar* buf, int first, int second);

}  // namespace lx
