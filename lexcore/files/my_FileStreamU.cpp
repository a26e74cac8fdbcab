#include "lexcore/files/my_FileStreamU.h"

#include <stdlib.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/files/zip_utils.h"
#include "lexcore/platform/lx_zip.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/UTF8_unit.h"

namespace lx {

int32_t temp_pointer_chars_allocated = 0;
int64_t global_zip_member_size_limit = int64_t(1) << 30;
int32_t global_zip_member_ratio_limit = 1000;

namespace {

[[noreturn]] void RaiseFileReadError(const UnicodeString& what) {
  UnicodeString text = _LXFileReadError.Text();
  const std::size_t at = text.find(u"%s");
  if (at != UnicodeString::npos) text.replace(at, 2, what);
  throw EReadError(text);
}

// A zero-filled buffer of count + 1 characters, read from the stream.
void* ReadCharacters(TStream& Stream, int64_t count, bool wide) {
  const std::size_t unit = wide ? 2 : 1;
  void* p = std::calloc(static_cast<std::size_t>(count) + 1, unit);
  if (!p) throw std::bad_alloc();
  try {
    if (count > 0) Stream.ReadBuffer(p, count * static_cast<int64_t>(unit));
  } catch (...) {
    std::free(p);
    throw;
  }
  return p;
}

template <typename C>
int64_t ZeroTerminatedLength(const C* text) {
  if (!text) return 0;
  int64_t n = 0;
  while (text[n]) ++n;
  return n;
}

bool WriteAll(TStream& Stream, const void* data, int64_t bytes) {
  return bytes <= 0 || Stream.Write(data, bytes) == bytes;
}

}  // namespace

void FreeTextPointer(void* p) {
  std::free(p);
}

void* ReadUnknownLengthPointer(TStream& Stream, bool wide) {
  return ReadUnknownLengthPointerMaxSize(Stream, wide, kUnknownLengthPointerLimit);
}

void* ReadUnknownLengthPointerMaxSize(TStream& Stream, bool wide, int32_t max) {
  int32_t n = 0;
  Stream.ReadBuffer(&n, 4);
  temp_pointer_chars_allocated = n;
  const int64_t bytes = static_cast<int64_t>(n) * (wide ? 2 : 1);
  if (n < 0 || n > max || bytes > Stream.Remaining())
    RaiseFileReadError(u"ReadUnknownLengthPointer " + IntToStr(n));
  return ReadCharacters(Stream, n, wide);
}

bool WriteKnownLengthPointer(TStream& Stream, const void* text, bool wide, int32_t count) {
  try {
    if (count < 0 || (count > 0 && !text)) return false;
    if (Stream.Write(&count, 4) != 4) return false;
    return WriteAll(Stream, text, static_cast<int64_t>(count) * (wide ? 2 : 1));
  } catch (const Exception&) {
    return false;
  }
}

bool WriteUnknownLengthPointer(TStream& Stream, const void* text, bool wide) {
  const int64_t n = wide ? ZeroTerminatedLength(static_cast<const WideChar*>(text))
                         : ZeroTerminatedLength(static_cast<const char*>(text));
  if (n > INT32_MAX) return false;
  return WriteKnownLengthPointer(Stream, text, wide, static_cast<int32_t>(n));
}

WideChar* StreamReadPchar(TStream& Stream) {
  int32_t n = 0;
  Stream.ReadBuffer(&n, 4);
  if (n < 0 || 2 * static_cast<int64_t>(n) > Stream.Remaining()) RaiseFileReadError(u"StreamReadPchar");
  return static_cast<WideChar*>(ReadCharacters(Stream, n, true));
}

bool StreamWritePchar(TStream& Stream, const WideChar* text) {
  return WriteUnknownLengthPointer(Stream, text, true);
}

char* StreamReadPAnsichar(TStream& Stream) {
  uint16_t n = 0;
  Stream.ReadBuffer(&n, 2);
  if (n > Stream.Remaining()) RaiseFileReadError(u"StreamReadPAnsichar");
  return static_cast<char*>(ReadCharacters(Stream, n, false));
}

bool StreamWritePAnsichar(TStream& Stream, const char* text) {
  const int64_t n = ZeroTerminatedLength(text);
  if (n > UINT16_MAX) return false;
  try {
    const uint16_t count = static_cast<uint16_t>(n);
    return Stream.Write(&count, 2) == 2 && WriteAll(Stream, text, n);
  } catch (const Exception&) {
    return false;
  }
}

AnsiString ReadShortString(TStream& Stream) {
  uint8_t n = 0;
  Stream.ReadBuffer(&n, 1);
  AnsiString s(n, '\0');
  if (n > 0) Stream.ReadBuffer(s.data(), n);
  return s;
}

bool WriteShortString(TStream& Stream, const AnsiString& s) {
  if (s.size() > 255) return false;
  try {
    const uint8_t n = static_cast<uint8_t>(s.size());
    return Stream.Write(&n, 1) == 1 && WriteAll(Stream, s.data(), n);
  } catch (const Exception&) {
    return false;
  }
}

namespace {

AnsiString CheckedMember(const TZipReader& zip, int index) {
  const int64_t size = zip.Size(index);
  const int64_t stored = zip.CompressedSize(index);
  if (size > global_zip_member_size_limit)
    throw EReadError(u"Zip entry \"" + zip.Name(index) + u"\" in " + zip.FileName() + u" is larger than " +
                     IntToStr(global_zip_member_size_limit) + u" bytes");
  if (size > kZipRatioExemptSize && size / std::max<int64_t>(stored, 1) > global_zip_member_ratio_limit)
    throw EReadError(u"Zip entry \"" + zip.Name(index) + u"\" in " + zip.FileName() + u" expands more than " +
                     IntToStr(global_zip_member_ratio_limit) + u" times: refused as a zip bomb");
  const std::vector<uint8_t> bytes = zip.Extract(index, global_zip_member_size_limit);
  return AnsiString(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A text file's bytes as characters: a byte-order mark decides, else valid UTF-8, else the ANSI code page.
UnicodeString TextOfBytes(const AnsiString& bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  if (bytes.size() >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) {
    const bool little = b[0] == 0xFF;
    UnicodeString s((bytes.size() - 2) / 2, u'\0');
    for (std::size_t i = 0; i < s.size(); ++i)
      s[i] = little ? static_cast<char16_t>(b[2 + 2 * i] | b[3 + 2 * i] << 8)
                    : static_cast<char16_t>(b[3 + 2 * i] | b[2 + 2 * i] << 8);
    return s;
  }
  std::string_view body(bytes);
  if (body.size() >= 3 && IsUTF8Signature(b[0], b[1], b[2])) body.remove_prefix(3);
  bool plain = true;
  if (CheckedUTF(body, plain)) return UTF8ToUTF16(body);
  UnicodeString s(body.size(), u'\0');
  const int n = MultiByteToWideChar(CP_ACP, 0, body.data(), static_cast<int>(body.size()), s.data(),
                                    static_cast<int>(s.size()));
  s.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return s;
}

UnicodeString SharedTempFolder() {
  static std::once_flag once;
  static UnicodeString folder;
  std::call_once(once, [] {
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/lexmill-XXXXXX";
    if (::mkdtemp(tmpl.data())) folder = IncludeTrailingPathDelimiter(UTF8ToUTF16(tmpl));
  });
  if (folder.empty()) throw EInOutError(u"Cannot create a temporary folder");
  return folder;
}

}  // namespace

AnsiString ContentsOfFileWithinZipFile(const UnicodeString& path) {
  const UnicodeString archive = ZipFileFullFileName(path, global_current_zip_ext_slash);
  const UnicodeString member = ZipFileWantedFileNameWithin(path, global_current_zip_ext_slash);
  if (archive.empty() || member.empty()) throw EReadError(u"Not a file within a zip archive: " + path);
  TZipReader zip(archive);
  const int index = zip.IndexOf(member);
  if (index < 0) throw EReadError(u"No entry \"" + member + u"\" in " + archive);
  return CheckedMember(zip, index);
}

AnsiString ContentsOfFileWithinZipFile(const UnicodeString& archive, int n) {
  TZipReader zip(archive);
  if (n < 1 || n > zip.Count()) throw EReadError(u"No entry " + IntToStr(n) + u" in " + archive);
  return CheckedMember(zip, n - 1);
}

UnicodeString OpenedAZipFileToTempDir(const UnicodeString& archive, int n) {
  TZipReader zip(archive);
  if (n < 1 || n > zip.Count()) return UnicodeString();
  const AnsiString bytes = CheckedMember(zip, n - 1);
  // Only the fixed name is ever created: a member's own name cannot place a file outside the folder.
  const UnicodeString target = SharedTempFolder() + u"tempzip.txt";
  UnicodeString text = u"\xFEFF" + TextOfBytes(bytes);
  TFileStream f(target, fmCreate);
  f.WriteBuffer(text.data(), static_cast<int64_t>(text.size() * 2));
  return target;
}

}  // namespace lx
