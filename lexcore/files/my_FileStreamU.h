// Counted and short texts in streams, and the contents of a file that lies inside a zip archive.
#pragma once

#include <cstdint>
#include <string>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// The count read by the last counted-text reader; one for the whole process (not thread-safe).
extern int32_t temp_pointer_chars_allocated;

// The limit ReadUnknownLengthPointer applies.
constexpr int32_t kUnknownLengthPointerLimit = 50000;

// Texts handed out by the readers below are zero-terminated buffers of count + 1 characters (char16_t when
// wide, char otherwise) from malloc; the caller frees them with FreeTextPointer.
void FreeTextPointer(void* p);

// Signed 32-bit count, then count UTF-16 units (wide) or count bytes. Raises EReadError "file read error :
// ReadUnknownLengthPointer <count>" for a count outside 0..max or beyond the bytes left, so a hostile count
// never allocates more than the stream holds.
void* ReadUnknownLengthPointer(TStream& Stream, bool wide);
void* ReadUnknownLengthPointerMaxSize(TStream& Stream, bool wide, int32_t max);
// The count, then count characters of text (2 bytes each when wide). True when every byte was written.
bool WriteKnownLengthPointer(TStream& Stream, const void* text, bool wide, int32_t count);
// The count is the text's length up to its terminating zero (0 for a null text).
bool WriteUnknownLengthPointer(TStream& Stream, const void* text, bool wide);

// 32-bit count, then UTF-16 units. The reader checks the count against the bytes left (EReadError "file read
// error : StreamReadPchar" otherwise).
WideChar* StreamReadPchar(TStream& Stream);
bool StreamWritePchar(TStream& Stream, const WideChar* text);
// 16-bit count, then bytes. A text longer than 65535 bytes is not written (false): the count cannot hold it.
char* StreamReadPAnsichar(TStream& Stream);
bool StreamWritePAnsichar(TStream& Stream, const char* text);

// One length byte, then that many bytes. A text longer than 255 bytes is refused (false, nothing written)
// rather than stored with a wrapped length that would misread everything after it.
AnsiString ReadShortString(TStream& Stream);
bool WriteShortString(TStream& Stream, const AnsiString& s);

class TMyFileStream : public TFileStream {
 public:
  using TFileStream::TFileStream;
  bool WriteAShortString(const AnsiString& s) { return WriteShortString(*this, s); }
};

// Zip members are refused beyond this size (bytes) or beyond this ratio of expanded to stored size, so that
// a small hostile archive cannot exhaust memory. Members of at most kZipRatioExemptSize bytes are too small
// to matter and are not held to the ratio.
extern int64_t global_zip_member_size_limit;
extern int32_t global_zip_member_ratio_limit;
constexpr int64_t kZipRatioExemptSize = 1 << 20;

// The bytes of the member named by a path within an archive ("archive.zip/member"); EReadError when the
// member is missing, too large or damaged, EFOpenError when the archive cannot be opened.
AnsiString ContentsOfFileWithinZipFile(const UnicodeString& path);
// The n-th member (1-based).
AnsiString ContentsOfFileWithinZipFile(const UnicodeString& archive, int n);
// Writes the n-th member's text (decoded as a text file) to "tempzip.txt" in the shared temporary folder as
// UTF-16 with a byte-order mark and returns that file's name; empty when n is beyond the members.
UnicodeString OpenedAZipFileToTempDir(const UnicodeString& archive, int n);

}  // namespace lx
