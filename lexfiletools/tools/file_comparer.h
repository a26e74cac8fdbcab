// Comparing two files: attributes, dates, sizes and how much of their content agrees, optionally ignoring
// line breaks and NUL bytes. Both files are streamed in blocks, so memory stays small whatever their size.
#pragma once

#include <cstdint>
#include <functional>

#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

using TOnCheckingFilechunkEvent = std::function<void(int percent)>;

// The owner is not owned; it is kept only for the host.
class TFileComparer : public TObject {
 public:
  explicit TFileComparer(TObject* AOwner = nullptr) : fOwner(AOwner) {}

  // The share (0..100) of File1's bytes that agree with File2 from the start, over the shorter length. A
  // result below 100 is retried ignoring CR, LF and NUL bytes when ignore_CRLF is set.
  single PercentMatching(bool ignore_CRLF);
  single PercentMatching() { return PercentMatching(true); }

  bool AttributesMatch() const { return fAttribs_match; }
  bool DatesMatch() const { return fDates_match; }
  bool SizesMatch() const { return fSizes_match; }
  bool ContentsMatch() const { return fContents_match; }
  bool SilentComparison() const { return fsilent_comparison; }
  void SetSilentComparison(bool v) { fsilent_comparison = v; }
  const UnicodeString& File1() const { return fFile1; }
  void SetFile1(const UnicodeString& v) { fFile1 = v; }
  const UnicodeString& File2() const { return fFile2; }
  void SetFile2(const UnicodeString& v) { fFile2 = v; }
  TObject* Owner() const { return fOwner; }

  TOnCheckingFilechunkEvent OnCheckProgress;
  bool CRLFs_were_ignored = false;

  static constexpr int64_t kBlockSize = 102400;

 private:
  single RelaxedPass(int64_t n);

  TObject* fOwner;
  bool fAttribs_match = false, fDates_match = false, fSizes_match = false, fContents_match = false;
  bool fsilent_comparison = false;
  UnicodeString fFile1, fFile2;
};

}  // namespace lx
