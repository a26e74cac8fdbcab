// UTF-8 decoded piece by piece as it is read must give exactly what the whole-file decoder gives, wherever
// the pieces split the bytes, and must hand every other kind of file back to it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tools/lexmill/lexmill_encoding.h"

namespace {

using lx::TLexmillDecoder;
using lx::TUTF8Pieces;

// The bytes fed in pieces of the given sizes (the last repeated); false when the pieces refused them.
bool InPieces(const std::string& bytes, const std::vector<std::size_t>& sizes, lx::TTextUnits& text,
              std::size_t& length) {
  TUTF8Pieces pieces;
  pieces.Start(text, bytes.size() / 3);  // too small on purpose: the pieces grow the text as they go
  std::size_t at = 0;
  for (std::size_t k = 0; at < bytes.size(); ++k) {
    const std::size_t n = std::min(sizes[std::min(k, sizes.size() - 1)], bytes.size() - at);
    std::memcpy(pieces.Space(), bytes.data() + at, n);
    at += n;
    if (!pieces.Take(n)) return false;
  }
  return pieces.End(length);
}

std::u16string Whole(const std::string& bytes) {
  TLexmillDecoder decoder("auto", 1252);
  lx::TTextUnits text;
  std::size_t length = 0;
  EXPECT_TRUE(decoder.Decode(bytes, text, length));
  EXPECT_FALSE(decoder.UsedCodePage());
  return std::u16string(text.data(), length);
}

TEST(LexmillUtf8Pieces, EverySplitGivesTheWholeFileDecoding) {
  // One to four bytes a character, the mark, and a second mark that the text drops as well.
  const std::vector<std::string> texts = {
      "",
      "plain",
      "\xEF\xBB\xBF",
      "\xEF\xBB\xBF"
      "caf\xC3\xA9 na\xC3\xAFve",
      "\xEF\xBB\xBF\xEF\xBB\xBF"
      "twice marked",
      "\xE2\x80\x9CQuoted\xE2\x80\x9D \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80 end \xC3\xA9",
      "\xF0\x90\x8D\x88\xF0\x90\x8D\x88"};
  for (const std::string& bytes : texts) {
    const std::u16string expected = Whole(bytes);
    for (std::size_t size = 1; size <= bytes.size() + 1; ++size) {
      lx::TTextUnits text;
      std::size_t length = 0;
      ASSERT_TRUE(InPieces(bytes, {size}, text, length)) << bytes << " in pieces of " << size;
      EXPECT_EQ(std::u16string(text.data(), length), expected) << bytes << " in pieces of " << size;
      EXPECT_EQ(text[length], u'\0');
    }
    // The mark's bytes arriving one and two at a time before the rest.
    lx::TTextUnits text;
    std::size_t length = 0;
    ASSERT_TRUE(InPieces(bytes, {1, 2, 64}, text, length));
    EXPECT_EQ(std::u16string(text.data(), length), expected);
  }
  // A long text: pieces that split sequences at every offset of a 64 KB piece.
  std::string big;
  while (big.size() < 3 * TUTF8Pieces::kPiece) big += "ab\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80 ";
  lx::TTextUnits text;
  std::size_t length = 0;
  ASSERT_TRUE(InPieces(big, {TUTF8Pieces::kPiece}, text, length));
  EXPECT_EQ(std::u16string(text.data(), length), Whole(big));
}

TEST(LexmillUtf8Pieces, OtherBytesAreHandedBack) {
  const std::vector<std::string> refused = {"caf\xE9 au lait",                 // Latin-1
                                            std::string("a\0b", 3),            // a NUL byte
                                            std::string("\xFF\xFEh\0i\0", 6),  // UTF-16 LE with its mark
                                            "truncated \xE2\x82",      // a sequence the file ends inside
                                            "\xC0\xAF overlong",       // an overlong form
                                            "\xED\xA0\x80 surrogate",  // an encoded surrogate
                                            "\xEF\xBB\xBF"
                                            "marked but \xE9"};  // marked UTF-8 that is not well-formed
  for (const std::string& bytes : refused)
    for (std::size_t size : {1u, 2u, 5u, 64u}) {
      lx::TTextUnits text;
      std::size_t length = 0;
      EXPECT_FALSE(InPieces(bytes, {size}, text, length)) << bytes << " in pieces of " << size;
    }
}

TEST(LexmillUtf8Pieces, AnEmptyViewWithNoDataDecodesToNothing) {
  // A view of nothing may point nowhere: no decoder may hand that pointer on.
  for (const char* encoding : {"auto", "windows-1252", "koi8-r", "utf-16le"}) {
    TLexmillDecoder decoder(encoding, 1252);
    lx::TTextUnits text;
    std::size_t length = 1;
    EXPECT_TRUE(decoder.Decode(std::string_view(), text, length)) << encoding;
    EXPECT_EQ(length, 0u) << encoding;
  }
}

}  // namespace
