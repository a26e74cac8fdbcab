// How lexmill reads texts (encodings, standard input, problems) and writes results (formats, failed writes),
// run as a user runs it on copies of real texts.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/test_files.h"
#include "tests/tools/lexmill_run.h"

namespace {

using lxtest::Mill;
using lxtest::TRun;

std::string Data(const std::string& name) {
  return lxtest::DataFile("enc/" + name);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Every encoded text must give the word list of its UTF-8 twin: same words, same counts, line for line.
TEST(LexmillEncodings, EncodedTextsGiveTheWordListOfTheirUtf8Twin) {
  lxtest::TempDir t;
  // UTF-16 BE without a mark, made from the LE file by swapping each pair of bytes.
  std::string be = ReadFile(Data("candide-utf-16le.txt"));
  for (std::size_t i = 0; i + 1 < be.size(); i += 2) std::swap(be[i], be[i + 1]);
  t.Write("candide-utf-16be.txt", be);
  // Japanese in UTF-16 LE without a mark: its only zero bytes are the high halves of spaces and line ends.
  std::string japanese;
  for (char16_t c : lx::UTF8ToUTF16(ReadFile(Data("rashomon-utf-8.txt")))) {
    japanese += static_cast<char>(c & 0xFF);
    japanese += static_cast<char>(c >> 8);
  }
  t.Write("rashomon-utf-16le.txt", japanese);
  struct TCase {
    std::string file, twin;
    std::vector<std::string> options;
  };
  const std::vector<TCase> cases = {
      {Data("candide-utf-16le.txt"), Data("candide-utf-8.txt"), {}},
      {t.Native("candide-utf-16be.txt"), Data("candide-utf-8.txt"), {}},
      {Data("candide-utf-32be.txt"), Data("candide-utf-8.txt"), {}},
      {t.Native("rashomon-utf-16le.txt"), Data("rashomon-utf-8.txt"), {}},
      // Its first lines are ASCII, so only reading all of it tells it is not UTF-8.
      {Data("candide-windows-1252.txt"), Data("candide-utf-8.txt"), {}},
      {Data("sunzi-bingfa-simplified-gbk.txt"),
       Data("sunzi-bingfa-simplified-utf-8.txt"),
       {"--encoding", "gbk"}},
      {Data("tutor.ru"), Data("tutor.ru.utf-8"), {"--encoding", "koi8-r"}},
      {Data("tutor.ru.cp1251"), Data("tutor.ru.utf-8"), {"--encoding", "cp1251"}},
      {Data("rashomon-shift-jis.txt"), Data("rashomon-utf-8.txt"), {"--encoding", "shift_jis"}},
      {Data("tutor.ja.sjis"), Data("tutor.ja.utf-8"), {"--encoding", "windows-932"}},
  };
  for (const TCase& c : cases) {
    std::vector<std::string> args = {"wordlist"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(c.file);
    const TRun got = Mill(args, t);
    const TRun want = Mill({"wordlist", c.twin}, t);
    EXPECT_EQ(got.rc, 0) << c.file << ": " << got.err;
    EXPECT_GT(want.out.size(), 1000u) << c.twin;
    EXPECT_TRUE(got.out == want.out) << c.file;
    EXPECT_FALSE(Has(got.err, "warning")) << c.file << ": " << got.err;
  }
}

TEST(LexmillEncodings, Latin1AfterAValidUtf8StartAndTheWrongCodePage) {
  lxtest::TempDir t;
  // Valid UTF-8 first, windows-1252 later: the whole file is windows-1252, so the first line's "é" is two
  // letters of windows-1252 ("Ã" and the sign "©").
  t.Write("mixed.txt", "caf\xC3\xA9 first line\n\xE9t\xE9 d\xE9j\xE0\n");
  TRun r = Mill({"wordlist", "--sort", "alpha", t.Native("mixed.txt")}, t);
  EXPECT_EQ(r.out,
            "#word\tfrequency\tper cent\ttexts\n"
            "caf\xC3\xA3\t1\t20.00\t1\nd\xC3\xA9j\xC3\xA0\t1\t20.00\t1\n\xC3\xA9t\xC3\xA9\t1\t20.00\t1\n"
            "first\t1\t20.00\t1\nline\t1\t20.00\t1\n");
  // The same far into a long file, and at its very end: all of it is read once, in windows-1252.
  std::string words;
  long times = 0;
  for (; words.size() < 200'000; ++times) words += "caf\xC3\xA9 word ";
  t.Write("late.txt", words + "\xE9t\xE9\n");
  t.Write("last.txt", words + "\xC3");
  for (const char* name : {"late.txt", "last.txt"}) {
    const std::map<std::string, long> counts =
        lxtest::WordCounts(Mill({"wordlist", "--jobs", "1", t.Native(name)}, t).out);
    EXPECT_EQ(counts.at("word"), times) << name;
    EXPECT_EQ(counts.at("caf\xC3\xA3"), counts.at("word")) << name;
    EXPECT_EQ(counts.count("caf\xC3\xA9"), 0u) << name;
  }
  // Japanese read as Latin-1 is full of C1 controls: said, but still counted.
  r = Mill({"wordlist", "--encoding", "iso-8859-1", Data("rashomon-shift-jis.txt")}, t);
  EXPECT_EQ(r.rc, 0);
  EXPECT_TRUE(Has(r.err, "warning: " + Data("rashomon-shift-jis.txt"))) << r.err;
  EXPECT_TRUE(Has(r.err, "probably in another encoding")) << r.err;
  r = Mill({"wordlist", "--encoding", "no-such-encoding", Data("tutor.ru")}, t);
  EXPECT_EQ(r.rc, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "'no-such-encoding' is not an encoding")) << r.err;
}

TEST(LexmillEncodings, BinaryFilesAreSkippedAsProblems) {
  lxtest::TempDir t;
  std::string binary =
      "\x7F"
      "ELF\x02\x01\x01";
  for (int i = 0; i < 300; ++i) binary += static_cast<char>(i * 7 % 256);
  t.Write("program.txt", binary);
  // A table of 32-bit offsets has the zero bytes of UTF-32 LE text, but not its characters.
  std::string table;
  for (uint32_t i = 0; i < 2000; ++i)
    for (int k = 0; k < 4; ++k) table += static_cast<char>(((70000 + 13 * i) >> (8 * k)) & 0xFF);
  t.Write("messages.txt", table + "some text after the table\n");
  t.Write("good.txt", "good words\n");
  const TRun r =
      Mill({"wordlist", t.Native("program.txt"), t.Native("messages.txt"), t.Native("good.txt")}, t);
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\ngood\t1\t50.00\t1\nwords\t1\t50.00\t1\n");
  EXPECT_TRUE(Has(r.err, t.Native("program.txt") + ": a binary file")) << r.err;
  EXPECT_TRUE(Has(r.err, t.Native("messages.txt") + ": a binary file")) << r.err;
  EXPECT_TRUE(Has(r.err, "2 problems;")) << r.err;
}

// A UTF-16 or UTF-32 file cut short ends in part of a unit: it shows as U+FFFD after the last word, whether
// the encoding was found or named.
TEST(LexmillEncodings, ACutShortLastUnitShowsAsAReplacementCharacter) {
  lxtest::TempDir t;
  using namespace std::string_literals;
  t.Write("marked16.txt", "\xFF\xFEw\0o\0r\0d\0 \0e\0n\0d\0"s + "x");
  t.Write("plain16.txt", "w\0o\0r\0d\0 \0e\0n\0d\0"s + "x");
  t.Write("marked32.txt", "\0\0\xFE\xFF\0\0\0e\0\0\0n\0\0\0d\0\0"s);
  struct TCase {
    std::string file;
    std::vector<std::string> options;
  };
  for (const TCase& c : std::vector<TCase>{{"marked16.txt", {}},
                                           {"plain16.txt", {}},
                                           {"plain16.txt", {"--encoding", "utf-16le"}},
                                           {"marked32.txt", {}},
                                           {"marked32.txt", {"--encoding", "utf-32be"}}}) {
    std::vector<std::string> args = {"concord", "--context", "4"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.insert(args.end(), {"end", t.Native(c.file)});
    const TRun r = Mill(args, t);
    EXPECT_EQ(r.rc, 0) << c.file << ": " << r.err;
    EXPECT_TRUE(Has(r.out, "\tend\t\xEF\xBF\xBD\t")) << c.file << ": " << r.out;
  }
}

TEST(LexmillInput, ATextTooLargeToSearchIsRefusedBeforeItIsRead) {
  lxtest::TempDir t;
  t.Write("huge.txt", "");
  std::filesystem::resize_file(t.Native("huge.txt"), (std::uintmax_t{1} << 30) + 1);  // sparse: no disk used
  t.Write("small.txt", "small words\n");
  const TRun r = Mill({"wordlist", t.Native("huge.txt"), t.Native("small.txt")}, t);
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\nsmall\t1\t50.00\t1\nwords\t1\t50.00\t1\n");
  EXPECT_TRUE(Has(r.err, "cannot read " + t.Native("huge.txt") + ": a text of 1 GB or more")) << r.err;
}

// A text the run has no memory for (here under a limit on the address space) is a problem of its own: the
// other texts are still counted, whichever the order and however many jobs.
TEST(LexmillInput, ATextThereIsNoMemoryForIsAProblemOfItsOwn) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator needs the address space the limit takes away";
#else
  lxtest::TempDir t;
  t.Write("big.txt", std::string("\xFF\xFEh\0i\0\n\0", 8));  // UTF-16: the reader needs two bytes a byte
  std::filesystem::resize_file(t.Native("big.txt"), std::uintmax_t{512} << 20);  // sparse: no disk used
  t.Write("small.txt", "small words\n");
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_AS, &old), 0);
  rlimit tight = old;
  tight.rlim_cur = std::uintmax_t{1400} << 20;
  ASSERT_EQ(::setrlimit(RLIMIT_AS, &tight), 0);
  const TRun serial = Mill({"wordlist", "--jobs", "1", t.Native("big.txt"), t.Native("small.txt")}, t);
  const TRun parallel = Mill({"wordlist", "--jobs", "2", t.Native("small.txt"), t.Native("big.txt")}, t);
  ASSERT_EQ(::setrlimit(RLIMIT_AS, &old), 0);
  for (const TRun& r : {serial, parallel}) {
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\nsmall\t1\t50.00\t1\nwords\t1\t50.00\t1\n");
    EXPECT_TRUE(Has(r.err, "cannot read " + t.Native("big.txt") + ": not enough memory for a text of 512 MB"))
        << r.err;
  }
#endif
}

TEST(LexmillInput, StandardInputSameFileTwiceAndNormalization) {
  lxtest::TempDir t;
  // Precomposed and combining forms of one word.
  t.Write("a.txt", "caf\xC3\xA9 cafe\xCC\x81\n");
  std::filesystem::create_symlink(t.Native("a.txt"), t.Native("link.txt"));
  TRun r = Mill({"wordlist", t.Native("a.txt"), t.Native("a.txt"), t.Native("link.txt")}, t);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\ncaf\xC3\xA9\t2\t100.00\t1\n");
  EXPECT_EQ(r.err, "tokens 2, types 1, texts 1\n");
  r = Mill({"wordlist", "--no-normalize", "--sort", "alpha", t.Native("a.txt")}, t);
  EXPECT_EQ(r.out,
            // Equal to the locale, the two forms go by code units: e before U+00E9.
            "#word\tfrequency\tper cent\ttexts\ncafe\xCC\x81\t1\t50.00\t1\ncaf\xC3\xA9\t1\t50.00\t1\n");
  // "-" twice still reads standard input once.
  r = Mill({"wordlist", "-", "-", t.Native("a.txt")}, t, t.Native("a.txt"));
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\ncaf\xC3\xA9\t4\t100.00\t2\n");
  EXPECT_EQ(r.err, "tokens 4, types 1, texts 2\n");
  EXPECT_EQ(Mill({"keywords", "--ref", "-", "-"}, t, t.Native("a.txt")).rc, 2);
  r = Mill({"concord", "--context", "3", "caf\xC3\xA9", "-"}, t, t.Native("a.txt"));
  EXPECT_EQ(r.out,
            "#left\thit\tright\tfile\tword\tsentence\tparagraph\n"
            "\tcaf\xC3\xA9\t ca\t-\t1\t1\t1\n"
            "f\xC3\xA9 \tcaf\xC3\xA9\t \t-\t2\t1\t1\n");
}

// Names are held as UTF-16 on the way through a folder walk; a file whose name is not UTF-8 is still read,
// two such names that look alike included, and a folder that cannot be walked for its name is a problem.
TEST(LexmillInput, FilesWhoseNamesAreNotUtf8AreReadFromFolders) {
  lxtest::TempDir t;
  std::filesystem::create_directories(t.Native("d/sub\xE9"));
  t.Write("d/caf\xE9.txt", "omega\n");
  t.Write("d/caf\xE8.txt", "gamma\n");
  t.Write("d/plain.txt", "delta\n");
  t.Write("d/sub\xE9/x.txt", "beta\n");
  const TRun r = Mill({"wordlist", "--sort", "alpha", t.Native("d")}, t);
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(
      r.out,
      "#word\tfrequency\tper cent\ttexts\ndelta\t1\t33.33\t1\ngamma\t1\t33.33\t1\nomega\t1\t33.33\t1\n");
  EXPECT_TRUE(
      Has(r.err, "cannot read the folder " + t.Native("d/sub\xEF\xBF\xBD") + ": its name is not valid UTF-8"))
      << r.err;
  EXPECT_TRUE(Has(r.err, "1 problem;")) << r.err;
}

TEST(LexmillInput, UnreadableFoldersAndFilesAreProblemsWithTheSystemsReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold for root";
  lxtest::TempDir t;
  std::filesystem::create_directories(t.Native("d/locked"));
  t.Write("d/a.txt", "words\n");
  t.Write("d/locked/b.txt", "hidden\n");
  t.Write("d/closed.txt", "closed\n");
  ::chmod(t.Native("d/locked").c_str(), 0);
  ::chmod(t.Native("d/closed.txt").c_str(), 0);
  const TRun r = Mill({"wordlist", t.Native("d")}, t);
  ::chmod(t.Native("d/locked").c_str(), 0700);
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\nwords\t1\t100.00\t1\n");
  EXPECT_TRUE(Has(r.err, "cannot read the folder " + t.Native("d/locked") + ": Permission denied")) << r.err;
  EXPECT_TRUE(Has(r.err, "cannot read " + t.Native("d/closed.txt") + ": Permission denied")) << r.err;
  EXPECT_FALSE(Has(r.err, "no files matching")) << r.err;
}

TEST(LexmillOutput, FieldsThatWouldBreakARowAreEscapedInEveryFormat) {
  lxtest::TempDir t;
  const std::string name = t.Native("tab\there\\ \xFF.txt");
  std::ofstream(name, std::ios::binary) << "A \"cat\", a dog.\n";
  const std::string shown = t.Native("tab\\there\\\\ \xEF\xBF\xBD.txt");
  TRun r = Mill({"concord", "--context", "3", "cat", name}, t);
  EXPECT_EQ(r.out, "#left\thit\tright\tfile\tword\tsentence\tparagraph\n" + std::string("A \"\tcat\t\", \t") +
                       shown + "\t2\t1\t1\n");
  EXPECT_EQ(r.err, "1 hit in 1 of 1 text\n");

  const std::string csvName = t.Native("tab\there\\ \xEF\xBF\xBD.txt");
  r = Mill({"concord", "--format", "csv", "--context", "3", "cat", name}, t);
  EXPECT_EQ(r.out, "left,hit,right,file,word,sentence,paragraph\r\n\"A \"\"\",cat,\"\"\", \"," + csvName +
                       ",2,1,1\r\n");
  r = Mill({"concord", "--format", "json", "--summary", "--context", "3", "cat", name}, t);
  EXPECT_EQ(r.out,
            "{\"left\":\"A \\\"\",\"hit\":\"cat\",\"right\":\"\\\", \",\"file\":\"" +
                t.Native("tab\\there\\\\ \xEF\xBF\xBD.txt") +
                "\",\"word\":2,\"sentence\":1,\"paragraph\":1}\n{\"summary\":\"1 hit in 1 of 1 text\"}\n");
  EXPECT_EQ(r.err, "");

  t.Write("w.txt", "one two two\n");
  r = Mill({"wordlist", "--format", "csv", "--summary", t.Native("w.txt")}, t);
  EXPECT_EQ(
      r.out,
      "word,frequency,per cent,texts\r\ntwo,2,66.67,1\r\none,1,33.33,1\r\n# tokens 3, types 2, texts 1\r\n");
  r = Mill({"wordlist", "--format", "json", t.Native("w.txt")}, t);
  EXPECT_EQ(r.out,
            "{\"word\":\"two\",\"frequency\":2,\"per cent\":66.67,\"texts\":1}\n"
            "{\"word\":\"one\",\"frequency\":1,\"per cent\":33.33,\"texts\":1}\n");
  EXPECT_EQ(r.err, "tokens 3, types 2, texts 1\n");
}

// Contexts are counted in UTF-16 units; an edge that falls inside a surrogate pair leaves the pair out
// instead of writing half of it (U+FFFD).
TEST(LexmillOutput, ContextsNeverCutACharacterInHalf) {
  lxtest::TempDir t;
  t.Write("a.txt", "\xF0\x9F\x98\x80\xF0\x9F\x98\x81 hit \xF0\x90\x90\x80\xF0\x90\x90\x81\n");
  for (const char* units : {"1", "2", "3", "4"}) {
    const TRun r = Mill({"concord", "--context", units, "hit", t.Native("a.txt")}, t);
    EXPECT_EQ(r.out.find("\xEF\xBF\xBD"), std::string::npos) << units << ": " << r.out;
  }
  EXPECT_NE(Mill({"concord", "--context", "4", "hit", t.Native("a.txt")}, t)
                .out.find("\xF0\x9F\x98\x81 \thit\t \xF0\x90\x90\x80\t"),
            std::string::npos);
}

TEST(LexmillOutput, TableColumnsAlignByDisplayWidth) {
  lxtest::TempDir t;
  // Two cells a Chinese character; the combining accent takes none.
  t.Write("a.txt", "\xE5\xAD\xAB\xE5\xAD\x90 ab \xE5\xAD\xAB\xE5\xAD\x90 e\xCC\x81t\xC3\xA9 x\n");
  const TRun r =
      Mill({"wordlist", "--format", "table", "--no-normalize", "--sort", "alpha", t.Native("a.txt")}, t);
  std::istringstream lines(r.out);
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(lines, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 6u) << r.out;
  EXPECT_EQ(rows[0], "word  frequency  per cent  texts");
  EXPECT_EQ(rows[1], "ab            1     20.00      1");
  EXPECT_EQ(rows[2], "e\xCC\x81t\xC3\xA9           1     20.00      1");
  EXPECT_EQ(rows[3], "x             1     20.00      1");
  EXPECT_EQ(rows[4], "\xE5\xAD\xAB\xE5\xAD\x90          2     40.00      1");
  EXPECT_EQ(rows[5], "tokens 5, types 4, texts 1");
}

TEST(LexmillOutput, FailedWritesAreErrors) {
  lxtest::TempDir t;
  t.Write("a.txt", "one two\n");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"wordlist", t.Native("a.txt")},
                                             {"concord", "--format", "json", "one", t.Native("a.txt")},
                                             {"--help"},
                                             {"--list-locales"}}) {
    const TRun r = Mill(args, t, "/dev/null", "/dev/full");
    EXPECT_EQ(r.rc, 1) << args[0];
    EXPECT_TRUE(Has(r.err, "cannot write the output: No space left on device")) << r.err;
  }
}

// Through a pipe whose reader starts late, the output arrives whole: the same bytes as written to a file.
TEST(LexmillOutput, OutputThroughAPipeIsWhole) {
  lxtest::TempDir t;
  for (const std::string jobs : {"1", "2"}) {
    const TRun direct = Mill({"concord", "--jobs", jobs, "the/and", LEXMILL_SAMPLES_DIR}, t);
    ASSERT_EQ(direct.rc, 0);
    ASSERT_GT(direct.out.size(), 100000u);
    const std::string cmd = lxtest::Quoted(LEXMILL_PROGRAM) + " concord --jobs " + jobs + " the/and " +
                            lxtest::Quoted(LEXMILL_SAMPLES_DIR) + " 2>/dev/null | { sleep 0.2; cat; } >" +
                            lxtest::Quoted(t.Native("piped"));
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_TRUE(ReadFile(t.Native("piped")) == direct.out) << "--jobs " << jobs;
  }
}

TEST(LexmillOptions, VersionLocalesAndUnknownLcid) {
  lxtest::TempDir t;
  t.Write("a.txt", "a\n");
  TRun r = Mill({"--version"}, t);
  EXPECT_EQ(r.rc, 0);
  EXPECT_EQ(r.out.rfind("lexmill ", 0), 0u);
  r = Mill({"--list-locales"}, t);
  EXPECT_EQ(r.rc, 0);
  EXPECT_TRUE(Has(r.out, "0x0409\ten_US\n")) << r.out.substr(0, 200);
  EXPECT_TRUE(Has(r.out, "0x041F\ttr_TR\n"));
  r = Mill({"wordlist", "--lcid", "0x0C00", t.Native("a.txt")}, t);
  EXPECT_EQ(r.rc, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "lexmill --list-locales")) << r.err;
  r = Mill({"wordlist", "--jobs", "0", t.Native("a.txt")}, t);
  EXPECT_EQ(r.rc, 2);
}

TEST(LexmillConcordSort, KeysAroundTheHitFileAndPosition) {
  lxtest::TempDir t;
  t.Write("a.txt", "zebra cat Apple. big cat ant. cat\n");
  t.Write("b.txt", "the cat Bee. a cat apple\n");
  const std::string a = t.Native("a.txt"), b = t.Native("b.txt");
  auto hits = [&](const std::vector<std::string>& sortArgs) {
    std::vector<std::string> args = {"concord", "--context", "0"};
    args.insert(args.end(), sortArgs.begin(), sortArgs.end());
    args.push_back("cat");
    args.push_back(a);
    args.push_back(b);
    const TRun r = Mill(args, t);
    EXPECT_EQ(r.rc, 0) << r.err;
    // file:word of each line
    std::string got;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
      std::vector<std::string> f;
      std::istringstream cells(line);
      std::string cell;
      while (std::getline(cells, cell, '\t')) f.push_back(cell);
      got += (f.at(3) == a ? "a" : "b") + f.at(4) + " ";
    }
    return got;
  };
  EXPECT_EQ(hits({}), "a2 a5 a7 b2 b5 ");
  // R1: (none) < ant < apple = Apple (case ignored; text order kept) < Bee.
  EXPECT_EQ(hits({"--sort", "R1"}), "a7 a5 a2 b5 b2 ");
  EXPECT_EQ(hits({"--sort", "R1-"}), "b2 a2 b5 a5 a7 ");
  // Keys are case-insensitive: a < ant < big < the < zebra.
  EXPECT_EQ(hits({"--sort", "l1,r1"}), "b5 a7 a5 b2 a2 ");
  EXPECT_EQ(hits({"--sort", "file-,position-"}), "b5 b2 a7 a5 a2 ");
  EXPECT_EQ(hits({"--sort", "position,hit"}), "a2 b2 a5 b5 a7 ");
  const TRun bad = Mill({"concord", "--sort", "R6", "cat", a}, t);
  EXPECT_EQ(bad.rc, 2);
  EXPECT_TRUE(Has(bad.err, "not 'R6'")) << bad.err;
}

// Results do not depend on how many texts are read at once, in any format.
TEST(LexmillJobs, ParallelResultsAreIdenticalToSerialOnes) {
  lxtest::TempDir t;
  const std::string folder = lxtest::DataFile("enc");
  const std::vector<std::vector<std::string>> runs = {
      {"wordlist", "--mask", "*", folder, LEXMILL_SAMPLES_DIR},
      {"wordlist", "--format", "json", "--mask", "*.txt", "--case", folder},
      {"concord", "--mask", "*", "the/de/cat", folder, LEXMILL_SAMPLES_DIR},
      {"concord", "--format", "csv", "--sort", "R1,L2-", "--mask", "*", "a*", folder},
      {"concord", "--max", "25", "--mask", "*", "the", folder, LEXMILL_SAMPLES_DIR},
  };
  for (const auto& args : runs) {
    std::vector<std::string> serial = args, parallel = args;
    serial.insert(serial.begin() + 1, {"--jobs", "1"});
    parallel.insert(parallel.begin() + 1, {"--jobs", "3"});
    const TRun one = Mill(serial, t), three = Mill(parallel, t);
    EXPECT_GT(one.out.size(), 1000u) << args[0] << " " << args[1];
    EXPECT_TRUE(one.out == three.out) << args[0] << " " << args[1];
    EXPECT_EQ(one.err, three.err);
    EXPECT_EQ(one.rc, three.rc);
  }
}

}  // namespace
