#include "lexcore/definitions/option_texts.h"

#include <gtest/gtest.h>

#include "lexcore/rtl/lx_datetime.h"
#include "test_files.h"

using namespace lx;

TEST(OptionTexts, TagOptionsAndTheirReverseMappingFollowTheLanguage) {
  EXPECT_EQ(WordListTagTreatmentToString(wltt_only_tagged_words), u"only tagged words");
  EXPECT_EQ(WordListTagDisplayToString(wltd_tags_as_suffix), u"tags as suffix to words");
  for (auto v : {wltt_exclude_tags, wltt_include_tags, wltt_exclude_words, wltt_only_tagged_words})
    EXPECT_EQ(StringToWordListTagTreatment(WordListTagTreatmentToString(v)), v);
  for (auto v : {wltd_no_tags, wltd_tags_as_prefix, wltd_tags_as_suffix, wltd_only_tags})
    EXPECT_EQ(StringToWordListTagDisplay(WordListTagDisplayToString(v)), v);
  EXPECT_EQ(StringToWordListTagTreatment(u"no such option"), wltt_include_tags);
  EXPECT_EQ(StringToWordListTagDisplay(u"no such option"), wltd_no_tags);

  lxtest::TempDir dir;
  dir.Write("pt.txt",
            "_LXWordsNoTags=palavras, sem etiquetas\n_LXTagsOnlyNoWords=s\xC3\xB3 etiquetas\n"
            "_LXTagsAsXToWords=etiquetas como %s das "
            "palavras\n_LXPrefix=prefixo\n_LXCentimetres=cent\xC3\xADmetros\n"
            "_LXMinutesToGo=~ faltam %d min\n");
  ASSERT_TRUE(LoadResourceTranslations(dir.File("pt.txt")));
  EXPECT_EQ(WordListTagDisplayToString(wltd_tags_as_prefix), u"etiquetas como prefixo das palavras");
  EXPECT_EQ(StringToWordListTagDisplay(u"etiquetas como prefixo das palavras"), wltd_tags_as_prefix);
  EXPECT_EQ(StringToWordListTagTreatment(u"s\u00F3 etiquetas"), wltt_exclude_words);
  // The English text no longer maps once the language has changed.
  EXPECT_EQ(StringToWordListTagTreatment(u"tags only, no words"), wltt_include_tags);
  EXPECT_EQ(ScreenMeasurementUnitsToStr(sm_centimetres), u"cent\u00EDmetros");
  ClearResourceTranslations();
  EXPECT_EQ(ScreenMeasurementUnitsToStr(sm_centimetres), u"centimetres");
  EXPECT_EQ(ScreenMeasurementUnitsToStr(sm_inches), u"inches");
}

TEST(ScreenUnits, ConversionsAndRounding) {
  EXPECT_DOUBLE_EQ(Cm_To_ScreenMeasurementUnits(sm_inches, 2.54), 1.0);
  EXPECT_DOUBLE_EQ(Cm_To_ScreenMeasurementUnits(sm_centimetres, 3), 3);
  EXPECT_DOUBLE_EQ(Inches_To_ScreenMeasurementUnits(sm_centimetres, 2), 5.08);
  EXPECT_DOUBLE_EQ(MM_To_ScreenMeasurementUnits(sm_centimetres, 25), 2.5);
  EXPECT_DOUBLE_EQ(MM_To_ScreenMeasurementUnits(sm_inches, 25.4), 1);
  EXPECT_DOUBLE_EQ(DefaultMarginForUnits(sm_centimetres), 2.54);
  EXPECT_EQ(PixelWidth(sm_centimetres, 2.54), 96);
  EXPECT_EQ(PixelWidth(sm_inches, 1.5), 144);
  EXPECT_EQ(FloatToPixels(0.5, 5, sm_inches), 2);  // 2.5 goes to the even 2
  EXPECT_EQ(FloatToPixels(1.5, 5, sm_inches), 8);  // 7.5 goes to 8
  EXPECT_EQ(FloatToPixels(1e12, 96, sm_inches), INT32_MAX);
  EXPECT_DOUBLE_EQ(PixelsToFloat(96, 96, sm_centimetres), 2.54);
  EXPECT_DOUBLE_EQ(PixelsToFloat(5, 0, sm_inches), 0);
}

TEST(Stopwatch, ElapsedTimeAndTimeToGo) {
  TDateTime clock = 45000.0;
  Global_NowProc = [&] { return clock; };
  StartTiming();
  clock += 30.0 / SecsPerDay;
  EXPECT_EQ(SecondsSinceGlobalStartTime(), 30);
  // A quarter done in 30 s: 90 s to go.
  EXPECT_EQ(MessageOfEstimatedTimeRemaining(25, 100), u"~ 1m to go");
  EXPECT_EQ(MessageOfEstimatedTimeRemaining(3, 4), u"~ 10s to go");
  EXPECT_EQ(MessageOfEstimatedTimeRemaining(30, 3730), u"~ 1h 1m to go");  // 3700 s
  EXPECT_EQ(MessageOfEstimatedTimeRemaining(0, 100), u"");
  EXPECT_EQ(MessageOfEstimatedTimeRemaining(100, 100), u"");
  EXPECT_NEAR(ElapsedTime(true) * SecsPerDay, 30, 1e-6);
  clock += 5.0 / SecsPerDay;
  EXPECT_EQ(SecondsSinceGlobalStartTime(), 5);
  Global_NowProc = nullptr;
}
