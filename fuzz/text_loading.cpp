// Text loading: the UTF-8 checks, encoding detection and decoding, and string lists loaded from a stream with
// each encoding (and with the one its byte-order mark announces), and the list for text of doubtful encoding.
#include "fuzz_support.h"
#include "lexcore/files/file_utils.h"
#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/UTF8_unit.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t options = in.Byte();
  const std::string_view bytes = in.Rest();
  try {
    bool plain = false;
    CheckedUTF(bytes, plain);
    UTF8LengthInChars(bytes);
    const std::string zeroEnded(bytes);
    IsUTF8SignatureA(zeroEnded.c_str());
    const UnicodeString wide = fuzz::AsUTF16(bytes);
    IsUTF8SignatureW(wide.c_str());
    const UnicodeString decoded = UTF8ToUTF16(bytes);
    // UTF-8 that decodes without a replacement survives the trip to UTF-16 and back byte for byte.
    if (decoded.find(u'\uFFFD') == UnicodeString::npos && UTF16ToUTF8(decoded) != bytes) __builtin_trap();
    UTF16ToUTF8(wide);

    TEncoding detected = TEncoding::ANSI;
    const std::size_t mark = DetectBufferEncoding(bytes, detected);
    EncodingGetString(detected, bytes.substr(mark));

    TMemoryStream stream;
    fuzz::FillStream(stream, bytes);
    TStringList list;
    if (options & 4) {
      list.LoadFromStream(stream);
    } else {
      const TEncoding encodings[] = {TEncoding::ANSI, TEncoding::UTF8, TEncoding::Unicode,
                                     TEncoding::BigEndianUnicode};
      list.LoadFromStream(stream, encodings[options % 4]);
    }
    list.Text();
    list.CommaText();
    TMemoryStream out;
    list.SaveToStream(out, TEncoding::UTF8);

    // Text of doubtful encoding never raises, whatever the bytes.
    TMemoryStream doubtful;
    fuzz::FillStream(doubtful, bytes);
    TPossiblyDodgyTextStringlist dodgy;
    try {
      dodgy.LoadFromStream(doubtful);
    } catch (const Exception&) {
      __builtin_trap();
    }
    dodgy.Text();
  } catch (const Exception&) {
  }
  return 0;
}
