// lexmill's reading of a text file: encoding detection and decoding (the UTF-8 decoder checked against the
// validity test it stands in for, and UTF-8 read in pieces against the whole-file decoding), mark-up,
// normalisation, and the class fill with the word rules and the sentence and paragraph markers, under options
// taken from the first byte.
#include "tools/lexmill/lexmill_texts.h"

#include <cstring>
#include <fstream>
#include <vector>

#include "fuzz_support.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_stats.h"
#include "lexcore/text/bare_assemb3.h"
#include "tools/lexmill/lexmill_encoding.h"
#include "tools/lexmill/lexmill_output.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t flags = in.Byte();
  const std::string_view bytes = in.Rest();

  // The decoder takes exactly the bytes the validity test passes, and gives what the general decoding gives.
  std::vector<WideChar> wide(bytes.size() + 1);
  std::size_t units = SIZE_MAX;
  const std::size_t good = DecodeWellFormedUTF8(bytes.data(), bytes.size(), wide.data(), units);
  if (good != ValidUTF8Prefix(bytes) || units > good) __builtin_trap();
  if (UTF8ToUTF16(bytes.substr(0, good)) != std::u16string_view(wide.data(), units)) __builtin_trap();

  // Pieces of any size give what the whole-file decoder gives, or hand the bytes back to it.
  {
    static constexpr std::size_t kSteps[] = {1, 3, 7, TUTF8Pieces::kPiece};
    const std::size_t step = kSteps[flags >> 6];
    TUTF8Pieces pieces;
    TTextUnits text;
    std::size_t length = 0;
    pieces.Start(text, 0);
    bool taken = true;
    for (std::size_t at = 0; taken && at < bytes.size(); at += step) {
      const std::size_t n = std::min(step, bytes.size() - at);
      std::memcpy(pieces.Space(), bytes.data() + at, n);
      taken = pieces.Take(n);
    }
    if (taken && pieces.End(length)) {
      TLexmillDecoder decoder("auto", 1252);
      TTextUnits whole;
      std::size_t wholeLength = 0;
      if (!decoder.Decode(bytes, whole, wholeLength) || decoder.UsedCodePage()) __builtin_trap();
      if (std::u16string_view(whole.data(), wholeLength) != std::u16string_view(text.data(), length) ||
          text[length] != 0)
        __builtin_trap();
    }
  }

  TLexmillOptions options;
  options.normalize = flags & 1;
  options.simpleSentenceEnds = flags & 2;
  if (flags & 4) options.middle.clear();
  if (flags & 8) options.tags = TLexmillOptions::TTags::tags_strip;
  if (flags & 16) options.encoding = "windows-1252";
  static const std::string path = fuzz::ScratchPath("text", ".txt");
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  TLexmillTextReader reader(options);
  TLexmillProblems problems;
  problems.deferred = true;
  if (!reader.Read(path, problems)) return 0;
  reader.Classify(flags & 32);
  const uint16_t* classes = reader.Classes();
  const std::size_t n = reader.Length();
  if (classes[n] != 0x0248) __builtin_trap();
  for (std::size_t i = 0; i < n; ++i) {
    if (!(classes[i] & CharClassSegmentMarker)) continue;
    if (!(flags & 32)) __builtin_trap();  // markers only when asked for
    const uint16_t code = classes[i] & kSegmentCodeMask;
    if (code != seg_sentence_end_by_rule && code != seg_paragraph_end_by_rule) __builtin_trap();
    const WideChar c = reader.Chars()[i];  // a paragraph ends at a line end: LF, CR, U+2028 or U+2029
    if (code == seg_paragraph_end_by_rule && c != u'\n' && c != u'\r' && (c | 1) != 0x2029) __builtin_trap();
  }
  return 0;
}
