// lexmill reading zip archives as folders of texts, against the same texts unpacked.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_files.h"
#include "tests/tools/lexmill_run.h"

namespace {

using lxtest::TRun;

TRun RunLexmill(const std::vector<std::string>& args, const lxtest::TempDir& dir) {
  return lxtest::Mill(args, dir);
}

namespace fs = std::filesystem;

// A folder holding the two archives of tests/data/zip/texts (one deflated, one stored, one with a comment).
struct ZipFolder {
  lxtest::TempDir tmp;
  std::string zips = tmp.Native("zips");
  std::string unpacked = lxtest::DataFile("zip/texts");
  ZipFolder() {
    fs::create_directories(zips + "/inner");
    fs::copy_file(lxtest::DataFile("zip/part1.zip"), zips + "/part1.zip");
    fs::copy_file(lxtest::DataFile("zip/part2.zip"), zips + "/inner/part2.zip");
  }
};

}  // namespace

TEST(LexmillZip, FolderOfZipsGivesTheWordListOfTheUnpackedTexts) {
  ZipFolder f;
  for (const char* mask : {"*.txt", "*.txt;*.docx"}) {
    const TRun fromZips = RunLexmill({"wordlist", "--summary", "--mask", mask, f.zips}, f.tmp);
    const TRun fromFolder = RunLexmill({"wordlist", "--summary", "--mask", mask, f.unpacked}, f.tmp);
    EXPECT_EQ(fromZips.rc, 0) << fromZips.err;
    EXPECT_EQ(fromFolder.rc, 0) << fromFolder.err;
    EXPECT_EQ(fromZips.out, fromFolder.out);
    EXPECT_EQ(fromZips.out.find("\npk\t"), std::string::npos);
  }
  // The document's words arrive only when the mask takes it.
  const TRun docx = RunLexmill({"wordlist", "--summary", "--mask", "*.docx", f.zips}, f.tmp);
  EXPECT_EQ(docx.rc, 0) << docx.err;
  EXPECT_NE(docx.out.find("texts 1\n"), std::string::npos) << docx.out;
  // An archive named on the command line is read the same way.
  const TRun named =
      RunLexmill({"wordlist", "--summary", "--mask", "note.txt", f.zips + "/part1.zip"}, f.tmp);
  EXPECT_NE(named.out.find("note\t1\t"), std::string::npos) << named.out;
  EXPECT_NE(named.out.find("texts 1\n"), std::string::npos) << named.out;
}

// Every sub-command takes its texts the same way: the analyses read archives as folders too.
TEST(LexmillZip, EverySubCommandReadsTheArchivesTexts) {
  ZipFolder f;
  const std::vector<std::vector<std::string>> commands = {{"clusters", "--size", "2", "--min-freq", "1"},
                                                          {"repeats", "--min-freq", "1"},
                                                          {"collocates", "--min-with", "1", "the"},
                                                          {"keywords", "--max-p", "1", "--ref", f.unpacked}};
  for (std::vector<std::string> args : commands) {
    args.insert(args.begin() + 1, "--summary");
    std::vector<std::string> unpacked = args;
    args.push_back(f.zips);
    unpacked.push_back(f.unpacked);
    const TRun fromZips = RunLexmill(args, f.tmp);
    const TRun fromFolder = RunLexmill(unpacked, f.tmp);
    EXPECT_EQ(fromZips.rc, fromFolder.rc) << args.front() << ": " << fromZips.err;
    EXPECT_GT(fromFolder.out.size(), 40u) << args.front() << ": " << fromFolder.err;
    EXPECT_EQ(fromZips.out, fromFolder.out) << args.front();
  }
}

TEST(LexmillZip, NoZipMemberPathsAndTheFileColumn) {
  ZipFolder f;
  // Without zips the archives are skipped, being no *.txt files.
  const TRun none = RunLexmill({"wordlist", "--no-zip", f.zips}, f.tmp);
  EXPECT_EQ(none.rc, 1);
  EXPECT_NE(none.err.find("no files matching"), std::string::npos) << none.err;
  const TRun raw = RunLexmill({"wordlist", "--summary", "--no-zip", "--mask", "*.zip", f.zips}, f.tmp);
  // Taken by the mask, they are read as they are, and refused as binary files.
  EXPECT_EQ(raw.rc, 1);
  EXPECT_NE(raw.err.find("part1.zip: a binary file"), std::string::npos) << raw.err;
  EXPECT_NE(raw.err.find("part2.zip: a binary file"), std::string::npos) << raw.err;

  // A concordance names a member as archive.zip/member.
  const TRun conc = RunLexmill({"concord", "--format", "tsv", "short", f.zips}, f.tmp);
  EXPECT_EQ(conc.rc, 0) << conc.err;
  EXPECT_NE(conc.out.find(f.zips + "/part1.zip/note.txt"), std::string::npos) << conc.out;
  // One member named on the command line.
  const TRun one = RunLexmill({"wordlist", f.zips + "/part1.zip/note.txt"}, f.tmp);
  EXPECT_EQ(one.rc, 0) << one.err;
  EXPECT_NE(one.out.find("folder\t1\t"), std::string::npos) << one.out;
}

TEST(LexmillZip, HostileArchivesAreRefusedAndNothingIsWrittenOutside) {
  lxtest::TempDir t;
  const std::string d = t.Native("in");
  fs::create_directories(d);
  fs::copy_file(lxtest::DataFile("zip/escape.zip"), d + "/escape.zip");
  fs::copy_file(lxtest::DataFile("zip/bomb.zip"), d + "/bomb.zip");
  fs::copy_file(lxtest::DataFile("zip/liar.zip"), d + "/liar.zip");
  fs::copy_file(lxtest::DataFile("zip/truncated.zip"), d + "/truncated.zip");
  const TRun r = RunLexmill({"wordlist", d}, t);
  EXPECT_EQ(r.rc, 1);
  // Every member of escape.zip is read by its name within the archive, none written anywhere.
  EXPECT_NE(r.out.find("escape\t2\t"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("fine\t1\t"), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(t.path / "escape.txt"));
  EXPECT_NE(r.err.find("zip bomb"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("liar.zip"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("truncated.zip"), std::string::npos) << r.err;
}

// Named on the command line, an archive that cannot be opened is reported as a damaged archive, not read as
// a text; a file merely named .zip is still read as the text it is.
TEST(LexmillZip, ANamedArchiveThatCannotBeOpenedIsAProblem) {
  lxtest::TempDir t;
  fs::copy_file(lxtest::DataFile("zip/truncated.zip"), t.path / "cut.zip");
  t.Write("fake.zip", std::string("PK\x03\x04garbage garbage", 19));
  t.Write("words.zip", "plain words\n");
  for (const char* name : {"cut.zip", "fake.zip"}) {
    const TRun r = RunLexmill({"wordlist", t.Native(name)}, t);
    EXPECT_EQ(r.rc, 1) << name;
    EXPECT_NE(r.err.find("cannot read the archive " + t.Native(name)), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("binary"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("garbage"), std::string::npos) << r.out;
  }
  const TRun plain = RunLexmill({"wordlist", t.Native("words.zip")}, t);
  EXPECT_EQ(plain.rc, 0) << plain.err;
  EXPECT_NE(plain.out.find("plain\t1\t"), std::string::npos) << plain.out;
}
