#include "tools/lexmill/lexmill_concord_rows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lexmill_run.h"
#include "tools/lexmill/lexmill_texts.h"

namespace {

using lx::TLexmillFormat;
using lxtest::Mill;
using lxtest::TRun;

// The row the output writer makes of the same cells: each context kept on one line, then escaped.
std::string WriterRow(TLexmillFormat format, const std::u16string& text, const std::size_t (&at)[4],
                      const std::string& file, int32_t word) {
  const char sep = format == TLexmillFormat::csv ? ',' : '\t';
  std::string row;
  for (std::size_t c = 0; c < 7; ++c) {
    if (format == TLexmillFormat::json) {
      row += c ? "," : "{";
      row += "\"" + std::string(lx::TConcordRows::kColumns[c]) + "\":";
    } else if (c) {
      row += sep;
    }
    if (c < 3)
      lx::AppendOutputField(format, row, lx::ToOneLineUTF8(text.data() + at[c], at[c + 1] - at[c]));
    else if (c == 3)
      lx::AppendOutputField(format, row, file);
    else
      row += std::to_string(c == 4 ? word : 7);
  }
  return row + (format == TLexmillFormat::json ? "}\n" : format == TLexmillFormat::csv ? "\r\n" : "\n");
}

TEST(LexmillConcordRows, RowsReadAsTheWriterWritesThem) {
  // Runs of ASCII longer than a block, escapes, control characters and separators, accents inside a block,
  // a pair, lone surrogates, and a pair cut by the hit's edges.
  const std::u16string texts[] = {
      u"plain words, longer than sixteen units\tthe plain words after it, and more",
      u"a \\back\\slash, \"quoted\" and ,commas, \r\nthe\u2028next\u2029 line\x01\x7F end",
      u"caf\u00E9 na\u00EFve \u201Cthe\u201D \U0001F600 x \xD800 lone \xDC00 \U0001F600the\U0001F600 z",
  };
  const std::string file = "dir/a \"b\",\t\\c.txt";
  for (TLexmillFormat format : {TLexmillFormat::tsv, TLexmillFormat::csv, TLexmillFormat::json}) {
    const lx::TConcordRows rows(format);
    const std::string fileCell = rows.FileCell(file);
    lx::TRowBytes out;
    std::string expected;
    for (const std::u16string& text : texts) {
      for (std::size_t hit = text.find(u"the"); hit != std::u16string::npos;
           hit = text.find(u"the", hit + 1)) {
        // The hit itself, and the hit widened by one unit each side, which may cut a pair in two.
        for (std::size_t wider : {0, 1}) {
          const std::size_t from = hit - wider, to = hit + 3 + wider;
          const std::size_t at[4] = {from >= 30 ? from - 30 : 0, from, to, std::min(text.size(), to + 30)};
          rows.Add(out, text.data(), at[0], at[1], at[2], at[3], fileCell, static_cast<int32_t>(hit), 7, 7);
          expected += WriterRow(format, text, at, file, static_cast<int32_t>(hit));
        }
      }
    }
    EXPECT_EQ(out.View(), expected) << static_cast<int>(format);
  }
}

TEST(LexmillConcordRows, OneLineContextsKeepPairsWholeAtAnyLength) {
  for (std::size_t before : {254, 255, 256, 257, 511}) {
    const std::u16string text = std::u16string(before, u'a') + u"\U0001F600\nb";
    EXPECT_EQ(lx::ToOneLineUTF8(text.data(), text.size()), std::string(before, 'a') + "\xF0\x9F\x98\x80 b");
    // A lead unit at the very end has no partner.
    EXPECT_EQ(lx::ToOneLineUTF8(text.data(), before + 1), std::string(before, 'a') + "\xEF\xBF\xBD");
  }
}

// Rows buffers and readers are reused from text to text: a short text after a long one, texts whose length
// is a whole number of blocks with the hit at their very end, and --max ending inside a text or at its end,
// read serially and in parallel, give what each text gives alone.
TEST(LexmillConcordRows, TextsAfterLongerOnesAndAtBlockEdges) {
  lxtest::TempDir t;
  std::filesystem::create_directory(t.Native("d"));
  std::string longText;
  for (int i = 0; i < 4000; ++i)
    longText += "Line " + std::to_string(i) + ": the caf\xC3\xA9, \"the\" end\\the.\n";
  t.Write("d/a-long.txt", longText);
  t.Write("d/b-short.txt", "the");
  t.Write("d/c-sixteen.txt", "twelve chars the");
  t.Write("d/d-signed.txt", "\xEF\xBB\xBFsixteen, too: the");
  const std::vector<std::string> names = {"a-long.txt", "b-short.txt", "c-sixteen.txt", "d-signed.txt"};
  for (const std::string format : {"tsv", "csv", "json"}) {
    std::string header, rows;
    for (const std::string& name : names) {
      const TRun one = Mill({"concord", "--format", format, "the", t.Native("d/" + name)}, t);
      ASSERT_EQ(one.rc, 0) << one.err;
      const std::size_t body = format == "json" ? 0 : one.out.find('\n') + 1;
      header = one.out.substr(0, body);
      rows += one.out.substr(body);
    }
    const std::size_t total = 3 * 4000 + 3;
    for (const std::string jobs : {"1", "2"}) {
      const TRun all = Mill({"concord", "--jobs", jobs, "--format", format, "the", t.Native("d")}, t);
      EXPECT_TRUE(all.out == header + rows) << format << " --jobs " << jobs;
      EXPECT_EQ(all.err, std::to_string(total) + " hits in 4 of 4 texts\n");
      for (const std::size_t max : {std::size_t{5}, 3 * 4000 + std::size_t{1}, total}) {
        const TRun cut = Mill({"concord", "--jobs", jobs, "--format", format, "--max", std::to_string(max),
                               "the", t.Native("d")},
                              t);
        std::size_t end = 0;
        for (std::size_t r = 0; r < max; ++r) end = rows.find('\n', end) + 1;
        EXPECT_TRUE(cut.out == header + rows.substr(0, end)) << format << " --max " << max;
        // The summary counts the texts of the hits shown: a-long.txt holds the first 12000.
        const int texts = max <= 3 * 4000 ? 1 : max == total ? 4 : 2;
        EXPECT_EQ(cut.err, std::to_string(max) + " hits in " + std::to_string(texts) + " of 4 texts\n");
      }
    }
  }
}

}  // namespace
