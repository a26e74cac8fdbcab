// The language holder shared by a list and all its entries: the list's locale, code page and storage form,
// and one function of each kind per storage form, so entry code handles 8-bit and UTF-16 buffers alike.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

class TLXBaseListObject;

// Raw word buffers are zero-terminated arrays of char (8-bit form) or WideChar (UTF-16 form).
using TLXAllocFunct = void* (*)(int32_t n);         // n characters plus the terminator, zeroed
using TLXLengthFunct = int32_t (*)(const void* p);  // 0 for a null buffer
using TLXNewCopyFunct = void* (*)(const void* p);   // null for a null buffer
using TLXCheckedCopyFunct = void* (*)(const void* p, int32_t len);  // at most len characters
using TLXDeleteFunct = void (*)(void* p);
// 0 when word matches the search text, 1 otherwise.
using TLXPosCompareFunct = int32_t (*)(const void* word, const void* search, bool any_digit, bool at_end,
                                       bool at_start);
// Negative, 0 or positive; the locale forms pass Global_CompareStringFlags to the platform.
using TLXLocaleCompareFunct = int32_t (*)(LCID lcid, const void* a, const void* b);
// Main words first, then suffixes, then prefixes; a null affix on either side skips that part.
using TLXLocaleCompare3Funct = int32_t (*)(LCID lcid, const void* a, const void* aPrefix, const void* aSuffix,
                                           const void* b, const void* bPrefix, const void* bSuffix);
using TLXPlainCompare3Funct = int32_t (*)(const void* a, const void* aPrefix, const void* aSuffix,
                                          const void* b, const void* bPrefix, const void* bSuffix);
using TLXPlainCompareFunct = int32_t (*)(const void* a, const void* b);
// Stored form: signed 32-bit count of characters, then the characters. Reading gives null on a short or
// implausible stream; writing false when the stream refused.
using TLXReadFunct = void* (*)(TStream& s, bool& ok);
using TLXWriteFunct = bool (*)(TStream& s, const void* p);

struct TLXTextFunctions {
  TLXAllocFunct Alloc;
  TLXLengthFunct Length;
  TLXNewCopyFunct NewCopy;
  TLXCheckedCopyFunct CheckedCopy;
  TLXDeleteFunct Delete;
  TLXPosCompareFunct PosCompare;
  TLXLocaleCompareFunct LocaleCompare;
  TLXLocaleCompare3Funct LocaleCompareWordSuffixPrefix;
  TLXPlainCompare3Funct PlainCompareWordSuffixPrefix;
  TLXPlainCompareFunct PlainCompare;
  TLXReadFunct ReadFromStream;
  TLXWriteFunct WriteToStream;
};

// The two tables, index false = 8-bit, true = UTF-16.
const TLXTextFunctions& LXTextFunctions(bool isUnicode);

// Created by the tool and shared by its lists; not owned by them.
class TLXBaseHolder : public TObject {
 public:
  explicit TLXBaseHolder(LCID lcid = 0x0409, bool unicode = true);

  LCID GetLCID() const { return fLCID; }
  // Also takes the locale's code page.
  void SetLCID(LCID lcid);
  uint32_t GetCodepage() const { return fcodepage; }
  bool OperatingInUnicode() const { return fOperatingInUnicode; }
  // Records a switch to UTF-16 so callers can tell that stored 8-bit words were converted.
  void SetUnicode(bool unicode);
  bool SwitchedToUnicode() const { return fSwitchedToUnicode; }

  // The functions of the current storage form, or of the one asked for.
  const TLXTextFunctions& Funcs() const { return LXTextFunctions(fOperatingInUnicode); }
  const TLXTextFunctions& Funcs(bool isUnicode) const { return LXTextFunctions(isUnicode); }

  // Tools that search entries by position override this; 0 means found.
  virtual int32_t FindWordPosition(bool isUnicode, TLXBaseListObject* entry, bool any_digit, bool at_end,
                                   bool at_start);

  // How many of a lemma's frequencies (the largest) its relative entropy is taken over; 0 = all.
  int32_t GetRelativeEntropyBasis() const { return fRelativeEntropyBasis; }
  void SetRelativeEntropyBasis(int32_t basis) { fRelativeEntropyBasis = basis < 0 ? 0 : basis; }

  LCID fLCID = 0;
  uint32_t fcodepage = 1252;
  bool fOperatingInUnicode = true;
  bool fSwitchedToUnicode = false;
  int32_t fRelativeEntropyBasis = 0;
};

}  // namespace lx
