#include "lexfiletools/tools/file_comparer.h"

#include <sys/stat.h>

#include <cmath>
#include <memory>
#include <vector>

#include "lexcore/rtl/lx_messages.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_yield.h"

namespace lx {

namespace {

bool ModeOf(const UnicodeString& name, mode_t& mode) {
  struct stat st;
  if (::stat(FileNameToNative(name).c_str(), &st) != 0) return false;
  mode = st.st_mode;
  return true;
}

// Hands out a file's bytes one at a time through a block buffer, for the pass that skips line breaks.
class TByteReader {
 public:
  explicit TByteReader(TStream& s) : fStream(s), fBuffer(65536) {}
  // False at the end of the file.
  bool Next(uint8_t& b) {
    if (fPos == fLen) {
      fLen = fStream.Read(fBuffer.data(), static_cast<int64_t>(fBuffer.size()));
      fPos = 0;
      if (fLen <= 0) {
        fLen = 0;
        return false;
      }
    }
    b = fBuffer[fPos++];
    ++fConsumed;
    return true;
  }
  int64_t Consumed() const { return fConsumed; }

 private:
  TStream& fStream;
  std::vector<uint8_t> fBuffer;
  int64_t fPos = 0, fLen = 0, fConsumed = 0;
};

bool Skippable(uint8_t b) {
  return b == 0x00 || b == 0x0A || b == 0x0D;
}

// The next byte that is not skipped; false when the file ends first.
bool NextKept(TByteReader& r, uint8_t& b) {
  while (r.Next(b))
    if (!Skippable(b)) return true;
  return false;
}

// Just below 100, for a difference found after the shorter length's worth of File1 (skipped bytes counted).
single BelowHundred(double v) {
  const single hundred = 100.0f;
  return v < hundred ? static_cast<single>(v) : std::nextafter(hundred, 0.0f);
}

}  // namespace

single TFileComparer::RelaxedPass(int64_t n) {
  CRLFs_were_ignored = true;
  TFileStream f1(fFile1, fmOpenRead | fmShareDenyNone);
  TFileStream f2(fFile2, fmOpenRead | fmShareDenyNone);
  TByteReader r1(f1), r2(f2);
  for (;;) {
    uint8_t a = 0, b = 0;
    if (!NextKept(r1, a) || !NextKept(r2, b)) return 100.0f;
    if (a != b) {
      // j is the index of the differing byte in File1.
      const int64_t j = r1.Consumed() - 1;
      return BelowHundred(100.0 * static_cast<double>(j) / static_cast<double>(n));
    }
  }
}

single TFileComparer::PercentMatching(bool ignore_CRLF) {
  fAttribs_match = fDates_match = fSizes_match = fContents_match = false;
  CRLFs_were_ignored = false;
  single result = 0;
  if (!FileExists(fFile1) || !FileExists(fFile2)) return 0;

  mode_t m1 = 0, m2 = 0;
  fAttribs_match = ModeOf(fFile1, m1) && ModeOf(fFile2, m2) && m1 == m2;
  TDateTime d1 = 0, d2 = 0;
  fDates_match = FileAge(fFile1, d1) && FileAge(fFile2, d2) && d1 == d2;

  int64_t n = 0;
  bool exhausted_alike = false;
  {
    TFileStream f1(fFile1, fmOpenRead | fmShareDenyNone);
    TFileStream f2(fFile2, fmOpenRead | fmShareDenyNone);
    const int64_t s1 = f1.GetSize(), s2 = f2.GetSize();
    fSizes_match = s1 == s2;
    n = s1 < s2 ? s1 : s2;
    if (n == 0) {
      // Nothing to compare: two empty files are the same text, an empty and a full one are not.
      exhausted_alike = s1 == s2;
    } else {
      std::vector<uint8_t> b1(kBlockSize), b2(kBlockSize);
      int64_t common = 0;
      bool differs = false;
      for (int64_t k = 0; k <= n / kBlockSize && !differs; ++k) {
        MyYieldProcess();
        const int64_t len = std::min<int64_t>(kBlockSize, n - k * kBlockSize);
        if (len <= 0) break;
        f1.ReadBuffer(b1.data(), len);
        f2.ReadBuffer(b2.data(), len);
        if (OnCheckProgress && s2 > 0)
          OnCheckProgress(static_cast<int>(std::lround(double(k) * kBlockSize * 100.0 / double(s2))));
        int64_t i = 0;
        while (i < len && b1[i] == b2[i]) ++i;
        common += i;
        differs = i < len;
      }
      result = static_cast<single>(100.0 * double(common) / double(n));
    }
  }
  if (n == 0) result = exhausted_alike ? 100.0f : 0.0f;
  if (result < 100.0f && ignore_CRLF && n > 0) result = RelaxedPass(n);
  fContents_match = result >= 100.0f;

  if (!fsilent_comparison) {
    if (fContents_match)
      ShowMessage(fFile1 + u" matches " + fFile2);
    else
      ShowMessage(fFile1 + u" doesn't match " + fFile2);
  }
  return result;
}

}  // namespace lx
