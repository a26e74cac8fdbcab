#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>

#include "tests/tools/lexmill_run.h"

namespace lxtest {
namespace {

std::string PdfText(const TempDir& dir, const std::string& pdf) {
  const std::string cmd =
      "pdftotext -layout " + Quoted(dir.Native(pdf)) + " " + Quoted(dir.Native("pdf.txt"));
  EXPECT_EQ(std::system(cmd.c_str()), 0)
      << "pdftotext (poppler-utils) is needed: scripts/bootstrap installs it";
  return dir.Read("pdf.txt");
}

TEST(LexmillPrintTest, PdfHoldsEveryLineInOrderOnePagePerPageful) {
  TempDir dir;
  std::string text;
  char buf[64];
  for (int i = 1; i <= 130; ++i) {
    std::snprintf(buf, sizeof buf, "Row%03d has the target word in it. ", i);
    text += buf;
  }
  dir.Write("t.txt", text);
  const TRun r = Mill({"concord", "--pdf", dir.Native("c.pdf"), "--png", dir.Native("c.png"), "--context",
                       "30", "target", dir.Native("t.txt")},
                      dir);
  ASSERT_EQ(r.rc, 0) << r.err;
  std::smatch m;
  ASSERT_TRUE(std::regex_search(r.err, m, std::regex("130 lines on (\\d+) pages of (\\d+) lines")));
  const int pages = std::stoi(m[1]), perPage = std::stoi(m[2]);
  EXPECT_GT(perPage, 20);
  EXPECT_EQ(pages, (130 + perPage - 1) / perPage);

  const std::string pdf = PdfText(dir, "c.pdf");
  EXPECT_EQ(std::count(pdf.begin(), pdf.end(), '\f'), pages);
  std::size_t at = 0;
  for (int i = 1; i <= 130; ++i) {
    std::snprintf(buf, sizeof buf, "Row%03d has the target", i);
    const std::size_t p = pdf.find(buf, at);
    ASSERT_NE(p, std::string::npos) << buf;
    at = p;
  }
  // Headers number the pages; footers name the file and the positions.
  // (pdftotext gives runs of spaces as one.)
  for (int p = 1; p <= pages; ++p)
    EXPECT_TRUE(std::regex_search(pdf, std::regex("Concordance of \"target\" +page " + std::to_string(p) +
                                                  " of " + std::to_string(pages))))
        << p;
  EXPECT_TRUE(std::regex_search(pdf, std::regex("t\\.txt +w4 +to +w")));
  // The page break falls after a pageful of lines.
  const std::string firstPage = pdf.substr(0, pdf.find('\f'));
  std::snprintf(buf, sizeof buf, "Row%03d has the target", perPage);
  EXPECT_NE(firstPage.find(buf), std::string::npos);
  std::snprintf(buf, sizeof buf, "Row%03d has the target", perPage + 1);
  EXPECT_EQ(firstPage.find(buf), std::string::npos);

  const std::string png = dir.Read("c.png");
  ASSERT_GT(png.size(), 1000u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
}

TEST(LexmillPrintTest, PaperAndFaults) {
  TempDir dir;
  dir.Write("t.txt", "one target here\n");
  TRun r = Mill(
      {"concord", "--pdf", dir.Native("l.pdf"), "--paper", "letter-landscape", "target", dir.Native("t.txt")},
      dir);
  ASSERT_EQ(r.rc, 0) << r.err;
  // Letter is 11 by 8.5 inches exactly: 792 by 612 points.
  EXPECT_NE(dir.Read("l.pdf").find("/MediaBox [ 0 0 792 612 ]"), std::string::npos);
  r = Mill({"concord", "--paper", "a5", "target", dir.Native("t.txt")}, dir);
  EXPECT_EQ(r.rc, 2);
  EXPECT_NE(r.err.find("--paper is a4, letter"), std::string::npos);
  r = Mill({"concord", "--pdf", dir.Native("no/such/folder/x.pdf"), "target", dir.Native("t.txt")}, dir);
  EXPECT_EQ(r.rc, 1);
  EXPECT_NE(r.err.find("cannot print the concordance"), std::string::npos);
  // No hits still makes a page, with its header.
  r = Mill({"concord", "--pdf", dir.Native("e.pdf"), "absent", dir.Native("t.txt")}, dir);
  EXPECT_EQ(r.rc, 0);
  EXPECT_NE(PdfText(dir, "e.pdf").find("Concordance of \"absent\""), std::string::npos);
}

// Runs with PATH set to the given folders only, then puts it back.
TRun MillWithPath(const std::string& path, const std::vector<std::string>& args, const TempDir& dir) {
  const char* old = std::getenv("PATH");
  const std::string saved = old ? old : "";
  setenv("PATH", path.c_str(), 1);
  TRun r = Mill(args, dir);
  setenv("PATH", saved.c_str(), 1);
  return r;
}

TEST(LexmillPrintTest, PrintHandsThePdfToLp) {
  TempDir dir;
  dir.Write("t.txt", "One target here. Another target there.");
  std::filesystem::create_directory(dir.path / "bin");
  // A stand-in lp: notes its arguments and what the file starts with, and chatters as lp does.
  const std::string lp = dir.Native("bin/lp");
  dir.Write("bin/lp", "#!/bin/sh\necho \"$@\" > '" + dir.Native("lp.args") + "'\nhead -c 5 \"$1\" > '" +
                          dir.Native("lp.head") + "'\necho 'request id is fake-1'\n");
  std::filesystem::permissions(lp, std::filesystem::perms::owner_all);
  const std::string path = dir.Native("bin") + ":/usr/bin:/bin";

  TRun r = MillWithPath(path, {"concord", "--print", "target", dir.Native("t.txt")}, dir);
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_EQ(r.out.find("request id"), std::string::npos);  // standard output holds results only
  EXPECT_NE(r.err.find("request id is fake-1"), std::string::npos);
  EXPECT_EQ(dir.Read("lp.head"), "%PDF-");
  const std::string queued = dir.Read("lp.args");
  ASSERT_FALSE(queued.empty());
  EXPECT_EQ(queued[0], '/');  // an absolute name, never taken for an option
  EXPECT_FALSE(std::filesystem::exists(queued.substr(0, queued.find('\n'))));  // the temporary PDF is gone

  // With --pdf the named file is the one queued, and it stays.
  r = MillWithPath(path, {"concord", "--print", "--pdf", dir.Native("c.pdf"), "target", dir.Native("t.txt")},
                   dir);
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_EQ(dir.Read("lp.args"), dir.Native("c.pdf") + "\n");
  EXPECT_TRUE(std::filesystem::exists(dir.path / "c.pdf"));

  // A failing lp is a problem, reported.
  dir.Write("bin/lp", "#!/bin/sh\nexit 3\n");
  r = MillWithPath(path, {"concord", "--print", "target", dir.Native("t.txt")}, dir);
  EXPECT_EQ(r.rc, 1);
  EXPECT_NE(r.err.find("exit status 3"), std::string::npos) << r.err;

  // Without lp: a clear error before any text is read.
  std::filesystem::remove(lp);
  r = MillWithPath(dir.Native("bin"), {"concord", "--print", "target", dir.Native("t.txt")}, dir);
  EXPECT_EQ(r.rc, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("--print needs the lp command"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace lxtest
