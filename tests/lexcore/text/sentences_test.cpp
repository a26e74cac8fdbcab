#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexcore/text/my_string_functions.h"
#include "lexcore/text/sentence_terminators.h"

using namespace lx;

namespace {

std::vector<std::u16string> Lines(const TStringList& list) {
  std::vector<std::u16string> v;
  for (int32_t i = 0; i < list.Count(); ++i) v.push_back(list[i]);
  return v;
}

std::vector<std::u16string> ByClass(std::u16string_view s, int32_t maxTag = 200) {
  return Lines(*SentencesFromParagraph(s, u"", 0x0409, maxTag));
}

std::vector<std::u16string> ByCategory(std::u16string_view s, int32_t minLetters, bool includeLast = false) {
  return Lines(*SentencesExtractedFromParagraph(includeLast, minLetters, s));
}

using V = std::vector<std::u16string>;

}  // namespace

TEST(SentenceTerminators, TablesAreSortedAndDisjoint) {
  EXPECT_TRUE(std::is_sorted(other_sent_terminators.begin(), other_sent_terminators.end()));
  EXPECT_TRUE(std::is_sorted(punct_not_ending_sent.begin(), punct_not_ending_sent.end()));
  for (WideChar c : other_sent_terminators) {
    EXPECT_TRUE(IsPotentialSentenceTerminator(c)) << std::hex << static_cast<int>(c);
    EXPECT_FALSE(IsPunctNotEndingSentence(c)) << std::hex << static_cast<int>(c);
  }
  for (WideChar c : {u'.', u'!', u'?', u'\u3002', u'\u0964', u'\u104B', u'\u1362', u'\u061F', u'\uFF01'})
    EXPECT_TRUE(IsPotentialSentenceTerminator(c)) << std::hex << static_cast<int>(c);
  for (WideChar c : {u',', u';', u'A', u'}', u' ', u'\u3001', u'\u2026'})
    EXPECT_FALSE(IsPotentialSentenceTerminator(c)) << std::hex << static_cast<int>(c);
}

TEST(SentenceEnds, PositionsAndValidStarts) {
  // 1-based: "3.5" runs on, "e.g" runs on, "end." ends.
  const std::u16string t = u"Pay 3.5 e.g now. next one. Then";
  EXPECT_EQ(EndOfSentence(1, t), 16);
  EXPECT_EQ(EndOfSentence(17, t), 26);
  EXPECT_EQ(EndOfSentence(27, t), static_cast<int32_t>(t.size()));
  EXPECT_EQ(EndOfSentence(1, u"..."), -1);
  EXPECT_EQ(FirstLetterOrDigitPosAfterSentenceEnd(t, 17), 18);
  EXPECT_EQ(FirstLetterOrDigitPosAfterSentenceEnd(u"a. ", 2), 3);
  EXPECT_FALSE(FirstCharAfterSentenceEndUpperCase(t, 18));
  EXPECT_TRUE(FirstCharAfterSentenceEndUpperCase(t, 28));
  // "next one." starts lower case, so the first valid start is "Then".
  EXPECT_EQ(FirstValidStartOfSentence(t, 17), 28);
  EXPECT_EQ(FirstValidStartOfSentence(u"only lower case here", 1), -1);
  EXPECT_EQ(FirstValidStartOfSentence(u"", 1), -1);
}

TEST(SentencesFromParagraph, ClassSplitter) {
  EXPECT_EQ(ByClass(u"He paid 3.50 dollars. Then he left."), (V{u"He paid 3.50 dollars.", u"Then he left."}));
  // An abbreviation followed by a lower-case word does not end the sentence.
  EXPECT_EQ(ByClass(u"See e.g. the note. Next one."), (V{u"See e.g. the note.", u"Next one."}));
  // Closing quotes and brackets stay with the sentence they close.
  EXPECT_EQ(ByClass(u"He said \"Stop.\" Then left."), (V{u"He said \"Stop.\"", u"Then left."}));
  EXPECT_EQ(ByClass(u"(It rained.) We stayed in!\u201D Why?"),
            (V{u"(It rained.)", u"We stayed in!\u201D", u"Why?"}));
  // Terminators of other scripts, with or without a space after them.
  EXPECT_EQ(ByClass(u"\u6211\u662F\u5B66\u751F\u3002\u4F60\u597D\uFF01\u5BF9\u5417\uFF1F"),
            (V{u"\u6211\u662F\u5B66\u751F\u3002", u"\u4F60\u597D\uFF01", u"\u5BF9\u5417\uFF1F"}));
  EXPECT_EQ(ByClass(u"\u0930\u093E\u092E \u0918\u0930 \u0917\u092F\u093E\u0964 \u0938\u0940\u0924\u093E "
                    u"\u0906\u0908\u0964"),
            (V{u"\u0930\u093E\u092E \u0918\u0930 \u0917\u092F\u093E\u0964",
               u"\u0938\u0940\u0924\u093E \u0906\u0908\u0964"}));
  // Ellipsis: an end before a capital, not before a lower-case word.
  EXPECT_EQ(ByClass(u"I think\u2026 maybe. He waited\u2026 Then left"),
            (V{u"I think\u2026 maybe.", u"He waited\u2026", u"Then left"}));
  // Commas, colons and the like never end; a rest of one character after the last end is dropped.
  EXPECT_EQ(ByClass(u"One, two: three; four. X"), (V{u"One, two: three; four."}));
  EXPECT_EQ(ByClass(u"Done. AB"), (V{u"Done.", u"AB"}));
  EXPECT_EQ(ByClass(u"Done.a"), (V{u"Done.a"}));
  EXPECT_TRUE(ByClass(u"").empty());
}

TEST(SentencesFromParagraph, MarkupIsMaskedUpToTheTagLimit) {
  // A point inside a short tag ends nothing.
  EXPECT_EQ(ByClass(u"Go <a href=x.html>Here</a> now. End", 40),
            (V{u"Go <a href=x.html>Here</a> now.", u"End"}));
  // A tag longer than the limit keeps its classes, so its point before a capital ends a sentence.
  EXPECT_EQ(ByClass(u"Go <p class=x. Y> now", 4), (V{u"Go <p class=x.", u"Y> now"}));
  EXPECT_EQ(ByClass(u"Go <p class=x. Y> now", 40), (V{u"Go <p class=x. Y> now"}));
  // A lone "<" with no ">" costs no more than the limit and is harmless.
  EXPECT_EQ(ByClass(u"a < b. Then c", 3), (V{u"a < b.", u"Then c"}));
}

TEST(SentencesFromParagraph, SeparatorSplitter) {
  EXPECT_EQ(Lines(*SentencesFromParagraph(u"One|Two||Three", u"|", 0x0409, 0)),
            (V{u"One", u"Two", u"Three"}));
  EXPECT_EQ(Lines(*SentencesFromParagraph(u"One||X", u"||", 0x0409, 0)), (V{u"One"}));
  EXPECT_EQ(Lines(*SentencesFromParagraph(u" a -- b -- ", u"--", 0x0409, 0)), (V{u"a", u"b"}));
}

TEST(SentencesExtractedFromParagraph, CategorySplitter) {
  EXPECT_EQ(ByCategory(u"He paid 3.50 dollars. Then he left.", 0),
            (V{u"He paid 3.50 dollars.", u"Then he left."}));
  // Text after an end up to the next capital belongs to no sentence.
  EXPECT_EQ(ByCategory(u"and then. Next.", 0), (V{u"Next."}));
  // Too few letters: the sentence runs on to the next terminator.
  EXPECT_EQ(ByCategory(u"Yes. No. Maybe later.", 5), (V{u"Yes. No.", u"Maybe later."}));
  EXPECT_EQ(ByCategory(u"Done. Not finished", 0), (V{u"Done."}));
  EXPECT_EQ(ByCategory(u"Done. Not finished", 0, true), (V{u"Done.", u"Not finished"}));
}

TEST(FindSentenceEnds, LongPunctuationRunsStayLinear) {
  // A megabyte of points, and of points between lower-case letters, is walked once.
  std::u16string dots(1 << 20, u'.');
  dots[0] = u'A';
  std::u16string mixed;
  for (int i = 0; i < 1 << 18; ++i) mixed += u"a. ";
  mixed += u"b";
  EXPECT_EQ(ByClass(dots).size(), 1u);
  EXPECT_EQ(ByClass(mixed).size(), 1u);
}

TEST(FindSentenceEnds, OnlyMarksThatCanEndASentenceStopTheScan) {
  // Commas, colons, quotes and semicolons close to terminators of both kinds, in and across blocks of eight.
  EXPECT_EQ(ByClass(u"One, two: \"three\"; four\u3002 Five, six\u2026 Seven. eight, nine!\" Ten;, (eleven)?"),
            (V{u"One, two: \"three\"; four\u3002", u"Five, six\u2026", u"Seven. eight, nine!\"",
               u"Ten;, (eleven)?"}));
}
