#include "lexcore/text/FileOfChar.h"

#include <filesystem>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

void AddToFileOfChar(const UnicodeString& fileName, const UnicodeString& text) {
  if (fileName.empty()) return;
  std::error_code ec;
  const bool exists = std::filesystem::exists(UTF16ToUTF8(fileName), ec);
  TFileStream file(fileName, exists ? (fmOpenReadWrite | fmShareDenyWrite) : fmCreate);
  if (exists) {
    // A file of 2-byte records ends after its last whole unit: a stray odd byte is overwritten.
    file.Seek(file.GetSize() / 2 * 2, soBeginning);
  } else {
    WriteLE<uint16_t>(file, 0xFEFF);
  }
  if (text.empty()) return;
  std::vector<uint8_t> bytes(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i] = static_cast<uint8_t>(text[i]);
    bytes[2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
  }
  file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

}  // namespace lx
