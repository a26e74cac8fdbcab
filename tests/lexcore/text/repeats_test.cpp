// Repeated sentences gathered within and across texts.
#include <gtest/gtest.h>

#include "lexcore/text/my_string_functions.h"
#include "tests/test_files.h"

namespace lx {
namespace {

TEST(RepeatedChunks, SentencesCountedPerTextAndAcrossTexts) {
  TRepeatedChunks r;
  int32_t finished = -1;
  r.SetSettings(true, 100, 2, 0, {}, {}, [&](int32_t n) { finished = n; });
  // A text without CRLF yields nothing.
  r.running = true;
  r.AddedToRepeatedSentencesInTxt(0, u"Same here. Same here. Same here.");
  EXPECT_EQ(r.sentence_list->Count(), 0);

  r.AddedToRepeatedSentencesInTxt(0, u"Same here. Once only. Same here.\r\nNot Same here.\r\n");
  // "Same here." occurs 3 times in the text (once inside "Not Same here."); the rest once, below the minimum.
  ASSERT_EQ(r.sentence_list->Count(), 1);
  EXPECT_EQ(r.sentence_list->Strings(0), u"Same here.");
  EXPECT_EQ(r.sentence_list->GetAListOfOccurrences(0)->Get(0).frequency, 3);
  // The same sentence in another text, case ignored by the gathering list.
  r.AddedToRepeatedSentencesInTxt(1, u"SAME HERE. SAME HERE.\r\nOther. Other.\r\n");
  ASSERT_EQ(r.sentence_list->Count(), 2);
  EXPECT_EQ(r.sentence_list->GetAListOfOccurrences(0)->Count(), 2);
  EXPECT_EQ(r.sentence_list->Repeateds(), 1);
  r.AddedToRepeatedSentencesInTxt(2, u"Other. Other. Other. Other.\r\n");
  r.SortDescendingFreq();
  EXPECT_EQ(r.sentence_list->Strings(0), u"Other.");
  EXPECT_EQ(r.sentence_list->GetAListOfOccurrences(0)->TotalFrequency(), 6);
  r.SortAScendingFilenumbers();
  EXPECT_EQ(r.sentence_list->Strings(0), u"Same here.");
  EXPECT_EQ(r.sentence_list->IndexOf(u"other."), 1);
  EXPECT_EQ(r.sentence_list->GetAListOfOccurrences(7), nullptr);
}

TEST(RepeatedChunks, FilesLoadedTwiceCountTwiceAndStopEndsTheWalk) {
  lxtest::TempDir t;
  t.Write("a.txt", "<p>Boiler plate here.</p> <b>Boiler plate here.</b>\r\nEnd.\r\n");
  TRepeatedChunks r;
  r.SetSettings(true, 20, 2, 0, {}, {}, {});
  EXPECT_EQ(r.LoadATextFile(UTF8ToUTF16(t.Native("missing.txt"))), -1);
  const UnicodeString name = UTF8ToUTF16(t.Native("a.txt"));
  const int32_t first = r.LoadATextFile(name);
  r.AddToRepeatedSentencesInTxt(first);
  const int32_t second = r.LoadATextFile(name);
  EXPECT_NE(first, second);
  r.AddToRepeatedSentencesInTxt(second);
  ASSERT_EQ(r.sentence_list->Count(), 1);
  EXPECT_EQ(r.sentence_list->Strings(0), u"Boiler plate here.");
  EXPECT_EQ(r.sentence_list->GetAListOfOccurrences(0)->TotalFrequency(), 4);
  EXPECT_EQ(r.GetAFilename(second), name);
  EXPECT_EQ(r.GetAFilename(5), u"");

  TRepeatedChunks stopped;
  stopped.SetSettings(true, 20, 1, 0, {},
                      [&](int32_t) {
                        stopped.Stop();
                        return true;
                      },
                      {});
  stopped.current_text = u"One here.\r\nTwo here.\r\n";
  stopped.AddToRepeatedSentencesInTxt(0);  // the on-start handler stops it before the first paragraph
  EXPECT_EQ(stopped.sentence_list->Count(), 0);
}

}  // namespace
}  // namespace lx
