// How lexmill turns a text's bytes into characters: the encoding is found per file (byte-order mark, the
// pattern of zero bytes of UTF-16 and UTF-32, UTF-8 validity of the whole file, else the locale's code page)
// or named once for every file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lexcore/rtl/lx_types.h"
#include "tools/lexmill/lexmill_hugepages.h"

struct UConverter;

namespace lx {

enum class TTextEncoding : uint8_t { utf8, utf16le, utf16be, utf32le, utf32be, codepage, binary };

struct TDetectedEncoding {
  TTextEncoding encoding;
  std::size_t bomLength;  // bytes of the byte-order mark, skipped when decoding
};

// Looks at the byte-order mark, then the zero bytes of the first 64 KB, then the UTF-8 validity of all the
// bytes; a file with NUL bytes that fits neither UTF-16 nor UTF-32 is binary.
TDetectedEncoding DetectEncoding(std::string_view bytes);

// Why an --encoding value cannot be used, or empty when it can ("auto", cpNNN, windows-NNNN or any name
// ICU knows).
std::string EncodingFault(const std::string& name);

// One decoder a reading thread: ICU converters keep state, so they are not shared.
class TLexmillDecoder {
 public:
  // encoding: "auto" or a name EncodingFault accepts; codePage: the locale's, used when detection falls
  // back to a code page.
  TLexmillDecoder(const std::string& encoding, uint32_t codePage);
  ~TLexmillDecoder();
  TLexmillDecoder(const TLexmillDecoder&) = delete;
  TLexmillDecoder& operator=(const TLexmillDecoder&) = delete;

  // Decodes into out (grown as needed, never shrunk; out[result] is a zero); false when the bytes are
  // binary. A leading U+FEFF is dropped.
  bool Decode(std::string_view bytes, TTextUnits& out, std::size_t& length);
  // After Decode: whether the text was read in a code page, and the encoding's name for messages.
  bool UsedCodePage() const { return usedCodePage; }
  // Whether the encoding is found file by file.
  bool Automatic() const { return automatic; }
  const std::string& UsedName() const { return usedName; }

 private:
  bool automatic;
  uint32_t codePage;  // the locale's, or the one --encoding names as cpNNN / windows-NNNN
  uint32_t namedCodePage = 0;
  UConverter* converter = nullptr;  // --encoding by an ICU name
  bool namedMultiByteUnit = false;  // the named encoding uses NUL bytes inside characters (UTF-16/32)
  std::string name;
  bool usedCodePage = false;
  std::string usedName;
};

// Well-formed UTF-8 without NUL bytes, with or without its mark, decoded a piece at a time as it is read,
// while the piece is still in the nearest caches: most texts are in it. Bytes of any other kind make Take or
// End false, and the caller decodes the whole file with TLexmillDecoder::Decode instead, which gives the same
// characters for the bytes taken here.
class TUTF8Pieces {
 public:
  // A piece read into Space is at most this long.
  static constexpr std::size_t kPiece = 64 * 1024;

  // Starts a text decoded into out, which is made room in for expectedUnits (grown later as needed).
  void Start(TTextUnits& out, std::size_t expectedUnits);
  // Where the next piece of up to kPiece bytes is to be read.
  char* Space() { return buffer.data() + carried; }
  // Decodes the n bytes read into Space; false when they are not what these pieces read.
  bool Take(std::size_t n);
  // After the last piece: false when a sequence was left unfinished; else the text is complete in out, a
  // leading U+FEFF dropped as Decode drops it, and out[length] a zero.
  bool End(std::size_t& length);

 private:
  TTextUnits* out = nullptr;
  // Up to three bytes of a sequence carried over, then a piece.
  std::string buffer = std::string(kPiece + 4, '\0');
  std::size_t carried = 0;
  std::size_t units = 0;
  bool first = true;
};

// Share of the characters that are C1 controls or private use, which a text read in the wrong code page
// tends to be full of.
double SuspectCharacterShare(const WideChar* text, std::size_t n);

// Composes the text to NFC in place; length is updated.
void NormalizeNFC(TTextUnits& text, std::size_t& length);

}  // namespace lx
