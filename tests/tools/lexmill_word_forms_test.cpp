// The word list's counting reads a form in pieces of two, four and eight bytes and finds runs of letters
// eight classes at a time: forms of every length, at every place relative to those blocks, must each be
// counted as one word, and forms differing in one letter must stay apart.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "tests/test_files.h"
#include "tests/tools/lexmill_run.h"

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

char Next(char c) {
  return c == 'z' ? 'a' : static_cast<char>(c + 1);
}

TEST(LexmillWordlist, FormsOfEveryLengthAtEveryPlace) {
  std::map<std::string, long> expected;
  std::string text;
  const auto put = [&](const std::string& form, const std::string& after) {
    text += form;
    text += after;
    std::string lower = form;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ++expected[lower];
  };
  for (int length = 1; length <= 40; ++length) {
    std::string word;
    for (int i = 0; i < length; ++i) word += static_cast<char>('a' + (length * 7 + i * 3) % 26);
    std::string lastDiffers = word, firstDiffers = word, middleDiffers = word;
    lastDiffers.back() = Next(lastDiffers.back());
    firstDiffers.front() = Next(firstDiffers.front());
    middleDiffers[static_cast<std::size_t>(length / 2)] =
        Next(middleDiffers[static_cast<std::size_t>(length / 2)]);
    // Separators of one to nine characters move each form across the blocks of eight.
    for (int shift = 0; shift < 9; ++shift) {
      text += std::string(static_cast<std::size_t>(shift), shift % 2 ? ' ' : '-');
      put(shift % 2 ? Upper(word) : word, shift % 3 ? " " : ", ");
      put(lastDiffers, "\n");
      put(firstDiffers, "... ");
      put(middleDiffers, "\t");
    }
  }
  // The last word ends the text, with nothing after it.
  text += "  \n";
  put("qq", "");

  lxtest::TempDir t;
  t.Write("forms.txt", text);
  t.Write("gaps.txt", std::string(37, ' ') + "\n...\n" + std::string(8, '-'));  // no word at all
  for (const char* jobs : {"1", "2"}) {
    const lxtest::TRun r =
        lxtest::Mill({"wordlist", "--jobs", jobs, t.Native("forms.txt"), t.Native("gaps.txt")}, t);
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(lxtest::WordCounts(r.out), expected) << "--jobs " << jobs;
  }
}

}  // namespace
