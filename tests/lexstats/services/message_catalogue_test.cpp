#include "catalogue_walk_1.h"
#include "lexcore/rtl/lx_paths.h"

namespace lx {
namespace {

using lxtest::CatalogueTest;

TEST_F(CatalogueTest, EveryRoutineShowsWhatItDeclares) {
  std::set<std::string> walked;
  lxtest::Walk(lxtest::Catalogue1Steps(), *presenter, form, walked);
  // Nothing registered goes unwalked.
  for (const TCatalogueMessage* m : CatalogueMessages()) EXPECT_TRUE(walked.count(m->Routine)) << m->Routine;
  EXPECT_EQ(walked.size(), CatalogueMessages().size());
}

TEST_F(CatalogueTest, CountsCarryThousandsSeparatorsAndTextsFollowTranslations) {
  N_DuplicatesFound(&form, 1234567);
  EXPECT_EQ(Last().Message, u"1,234,567 duplicate(s) found");
  NFilesPresentOnDisk(&form, 999, 1000);
  EXPECT_EQ(Last().Message, u"999 of the 1,000 files are present on disk");
  DoYouWantToOpenBatchFileToMergeLists(&form, u"b.lxb");
  EXPECT_EQ(Last().Message, u"b.lxb is a batch file.\r\nOpen it to merge its lists?");
  SetResourceTranslation(u"_LXNDuplicatesFound", u"%.0n doppelte Eintr\u00e4ge");
  N_DuplicatesFound(&form, 2000);
  EXPECT_EQ(Last().Message, u"2,000 doppelte Eintr\u00e4ge");
  // A text without values is not a format: its '%' stays as written.
  SetResourceTranslation(u"_LXNoPrinter", u"100% sure: no printer");
  NoPrinterInstalled(&form);
  EXPECT_EQ(Last().Message, u"100% sure: no printer");
}

TEST_F(CatalogueTest, ReminderRoutinesAreSilencedByTheirMarker) {
  presenter->tick = true;
  ResultsAreInTab(&form, u"Notes");
  ASSERT_EQ(presenter->shown.size(), 1u);
  EXPECT_TRUE(FileExists(DontRemindMarkerFileName(u"The results are in the Notes tab.")));
  Global_TimedOut = true;
  ResultsAreInTab(&form, u"Notes");
  EXPECT_EQ(presenter->shown.size(), 1u);
  EXPECT_FALSE(Global_TimedOut);
  // Another tab is another message.
  ResultsAreInTab(&form, u"Plot");
  EXPECT_EQ(presenter->shown.size(), 2u);
}

TEST_F(CatalogueTest, BriefNoticesCloseThemselves) {
  presenter->answer = mrOk;
  presenter->waitSeconds = 8;
  NFilesSaved(&form, 3);
  EXPECT_TRUE(Global_TimedOut);
  // A question without a time-out waits for its answer, however long.
  presenter->waitSeconds = 100;
  presenter->answer = mrYes;
  EXPECT_TRUE(ClearLogFile(&form));
  EXPECT_FALSE(Global_TimedOut);
}

}  // namespace
}  // namespace lx
