// Saved sets of texts: a set saved from a folder reads back as the same texts, without the folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_files.h"

namespace {

struct TRun {
  int rc = -1;
  std::string out, err;
};

TRun RunLexmill(const std::vector<std::string>& args, const lxtest::TempDir& dir) {
  std::string cmd = std::string("'") + LEXMILL_PROGRAM + "'";
  for (const auto& a : args) cmd += " '" + a + "'";
  cmd += " >'" + dir.Native("stdout") + "' 2>'" + dir.Native("stderr") + "' </dev/null";
  const int status = std::system(cmd.c_str());
  TRun r;
  r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = dir.Read("stdout");
  r.err = dir.Read("stderr");
  return r;
}

}  // namespace

TEST(LexmillFavourites, SavedSetReadsBackAsTheSameTexts) {
  lxtest::TempDir dir;
  std::filesystem::create_directories(dir.path / "texts/sub");
  dir.Write("texts/a.txt", "alpha beta alpha\n");
  dir.Write("texts/sub/b.txt", "gamma beta\n");
  dir.Write("texts/c.dat", "delta\n");
  const std::string favs = dir.Native("set.fav");

  const TRun direct = RunLexmill({"wordlist", dir.Native("texts")}, dir);
  ASSERT_EQ(direct.rc, 0) << direct.err;
  const TRun saved = RunLexmill({"wordlist", "--save-favourites", favs, dir.Native("texts")}, dir);
  ASSERT_EQ(saved.rc, 0) << saved.err;
  EXPECT_EQ(saved.out, direct.out);
  ASSERT_TRUE(std::filesystem::exists(favs));

  const TRun again = RunLexmill({"wordlist", "--favourites", favs}, dir);
  ASSERT_EQ(again.rc, 0) << again.err;
  EXPECT_EQ(again.out, direct.out);
  EXPECT_NE(again.out.find("gamma"), std::string::npos);
  EXPECT_EQ(again.out.find("delta"), std::string::npos);

  const TRun hits = RunLexmill({"concord", "gamma", "--favourites=" + favs}, dir);
  ASSERT_EQ(hits.rc, 0) << hits.err;
  EXPECT_NE(hits.out.find("b.txt"), std::string::npos);

  std::filesystem::resize_file(favs, std::filesystem::file_size(favs) - 3);
  const TRun cut = RunLexmill({"wordlist", "--favourites", favs}, dir);
  EXPECT_EQ(cut.rc, 1);
  EXPECT_NE(cut.err.find("Cannot read: " + favs), std::string::npos) << cut.err;

  const TRun two =
      RunLexmill({"wordlist", "--save-favourites", favs, dir.Native("texts"), dir.Native("texts/sub")}, dir);
  // Which folder to save is the user's to say: a usage error, like every misused option.
  EXPECT_EQ(two.rc, 2);
  EXPECT_NE(two.err.find("exactly one folder"), std::string::npos) << two.err;
  EXPECT_EQ(RunLexmill({"wordlist", "--save-favourites", favs}, dir).rc, 2);
}
