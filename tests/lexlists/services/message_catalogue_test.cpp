#include "catalogue_walk_1.h"
#include "lexcore/files/my_kpSmall.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexlists/services/lexmill_error_dlgs_2.h"
#include "lexlists/services/lexmill_error_dlgs_3.h"

namespace lx {
namespace {

using lxtest::CatalogueTest;
using lxtest::kHelp;

std::vector<lxtest::TWalkStep> ListPackageSteps() {
  return {
      LX_WALK("ReportedAFact", ReportedAFact(f, u"text", kHelp), u"text"),
      LX_WALK("WarnAboutAndASKOK", WarnAboutAndASKOK(f, u"what", u"detail", kHelp), u"what", u"detail"),
      LX_WALK("WarnAboutAndRecommend", WarnAboutAndRecommend(f, u"what", u"detail", kHelp), u"what",
              u"detail"),
      LX_WALK("ConfirmOK", ConfirmOK(f, u"what", FindCatalogueMessage("ConfirmOK")->Buttons, kHelp), u"what"),
      LX_WALK("DoYouWantToDoX", DoYouWantToDoX(f, u"what", kHelp), u"what"),
      LX_WALK("DoYouWantToDoX",
              DoYouWantToDoX(f, u"what", FindCatalogueMessage("DoYouWantToDoX")->Buttons, kHelp), u"what"),
      LX_WALK("OKToDoX", OKToDoX(f, u"what", kHelp), u"what"),
      LX_WALK("OKToDoXWord", OKToDoXWord(f, u"what", u"word", kHelp), u"what", u"word"),
      LX_WALK("ProblemReport", ProblemReport(f, u"problem", kHelp), u"problem"),
      LX_WALK("ClustersContainingStopListWordsExcluded", ClustersContainingStopListWordsExcluded(f)),
      LX_WALK("IgnorePunctuationInWordClusters", IgnorePunctuationInWordClusters(f)),
      LX_WALK("SentenceInfoIsWrong", SentenceInfoIsWrong(f, u"startMarker", u"endMarker"), u"startMarker",
              u"endMarker"),
      LX_WALK("SavedOKOpenIndexNow", SavedOKOpenIndexNow(f)),
      LX_WALK("YouChoseXbutLowestPossibleIsYQuitQ",
              YouChoseXbutLowestPossibleIsYQuitQ(f, u"what", 7, 7, kHelp), u"what"),
      LX_WALK("KeyWordsFoundLessThanNPercentMatches", KeyWordsFoundLessThanNPercentMatches(f, 7)),
      LX_WALK("WordListsMightNeedResortingQuitQ", WordListsMightNeedResortingQuitQ(f, u"list", u"reference"),
              u"list", u"reference"),
      LX_WALK("OKToZapNow", OKToZapNow(f, 12345), u"12,345"),
      LX_WALK("OKToZapRemainderNow", OKToZapRemainderNow(f)),
      LX_WALK("ComputeColumnTotalsQ", ComputeColumnTotalsQ(f)),
      LX_WALK("NItemsMatched", NItemsMatched(f, 12345), u"12,345"),
      LX_WALK("DoQuickTextFormatCheck", DoQuickTextFormatCheck(f)),
      LX_WALK("EscapePressedWantToQuit", EscapePressedWantToQuit(f)),
      LX_WALK("SearchFailedToFindX", SearchFailedToFindX(f, u"searchWord"), u"searchWord"),
      LX_WALK("SearchFailedToFindAnyMoreX", SearchFailedToFindAnyMoreX(f, u"searchWord"), u"searchWord"),
      LX_WALK("CantChooseZScoreForKWDBase", CantChooseZScoreForKWDBase(f)),
      LX_WALK("NoCollocates", NoCollocates(f)),
      LX_WALK("CancelAsSomeSourceTextsNotFound", CancelAsSomeSourceTextsNotFound(f, 12345, 12345), u"12,345",
              u"12,345"),
      LX_WALK("CancellingAsNoneOfTheSourceTextsFound", CancellingAsNoneOfTheSourceTextsFound(f, 12345),
              u"12,345"),
      LX_WALK("ToSeeConcgramDetailsGetWordsIntoListbox", ToSeeConcgramDetailsGetWordsIntoListbox(f)),
      LX_WALK("IncludeThisFilename", IncludeThisFilename(f, u"fileName"), u"fileName"),
      LX_WALK("BeAwareNetworkIsSlow", BeAwareNetworkIsSlow(f)),
      LX_WALK("ReferenceTextTooShort", ReferenceTextTooShort(f, u"fileName", 12345), u"fileName", u"12,345"),
      LX_WALK("SavedOKViewNow", SavedOKViewNow(f)),
      LX_WALK("SavedOKOpenNow", SavedOKOpenNow(f)),
      LX_WALK("CannotWriteToXFolder", CannotWriteToXFolder(f, u"folder"), u"folder"),
      LX_WALK("UnsafeToConvertInPlace", UnsafeToConvertInPlace(f)),
      LX_WALK("PDF_RTF_ConversionNotReliable", PDF_RTF_ConversionNotReliable(f)),
      LX_WALK("FailedToImport", FailedToImport(f, u"fileName"), u"fileName"),
      LX_WALK("NotApplicableExplanation", NotApplicableExplanation(f, u"what"), u"what"),
      LX_WALK("PleaseCheckSettings", PleaseCheckSettings(f, u"what"), u"what"),
      LX_WALK("PleaseLoadTags", PleaseLoadTags(f)),
      LX_WALK("PleaseMakeAChoiceForXAction", PleaseMakeAChoiceForXAction(f, u"action"), u"action"),
      LX_WALK("TreatTagsAsPrefixInQ", TreatTagsAsPrefixInQ(f, u"what"), u"what"),
      LX_WALK("VideoLANPlayerVersionError", VideoLANPlayerVersionError(f, u"version"), u"version"),
      LX_WALK("PhraseFramesLookLikeJoined", PhraseFramesLookLikeJoined(f)),
      LX_WALK("AnyWordsNotPresentInXPercentOfTextFilesIgnored",
              AnyWordsNotPresentInXPercentOfTextFilesIgnored(f, 12.5), u"12.5"),
      LX_WALK("MoreUptodateVersionAvailableDownloadNowQ",
              MoreUptodateVersionAvailableDownloadNowQ(f, u"version"), u"version"),
      LX_WALK("ProcessingNRelatedClusters", ProcessingNRelatedClusters(f, 12345), u"12,345"),
      LX_WALK("IsThisTheTalkLanguageQ", IsThisTheTalkLanguageQ(f, u"language"), u"language"),
      LX_WALK("BeAwareContinuousStoplistingIsSlow", BeAwareContinuousStoplistingIsSlow(f)),
      LX_WALK("YouMayNeedAdministratorRights", YouMayNeedAdministratorRights(f, u"what"), u"what"),
      LX_WALK("YouMayNeedToAddLanguages", YouMayNeedToAddLanguages(f)),
      LX_WALK("NFilesDeleted", NFilesDeleted(f, 12345), u"12,345"),
      LX_WALK("NFilesCopiedOrMoved", NFilesCopiedOrMoved(f, 12345), u"12,345"),
      LX_WALK("AllCopiedOrMoved", AllCopiedOrMoved(f)),
      LX_WALK("CannotEncryptOriginals", CannotEncryptOriginals(f)),
      LX_WALK("CannotChooseSameColours", CannotChooseSameColours(f)),
      LX_WALK("CannotEncryptWithoutEncryptStr", CannotEncryptWithoutEncryptStr(f)),
      LX_WALK("CannotReplaceLineFeedsWithoutDefinedParaStr", CannotReplaceLineFeedsWithoutDefinedParaStr(f)),
      LX_WALK("ChooseACharacterNumber", ChooseACharacterNumber(f)),
      LX_WALK("ClearTheSearch", ClearTheSearch(f)),
      LX_WALK("FileIsInUnicodeShowInUnicode", FileIsInUnicodeShowInUnicode(f, u"fileName"), u"fileName"),
      LX_WALK("FileNamesMismatchCorrectQ", FileNamesMismatchCorrectQ(f, u"fileName", u"expected"),
              u"fileName", u"expected"),
      LX_WALK("NTextFilesConverted", NTextFilesConverted(f, 12345), u"12,345"),
      LX_WALK("ConvertToTXTRegardlessOfExtension", ConvertToTXTRegardlessOfExtension(f)),
      LX_WALK("MoreLikelyToBeXThanY", MoreLikelyToBeXThanY(f, u"x", u"y"), u"x", u"y"),
      LX_WALK("FormNotFilled", FormNotFilled(f)),
      LX_WALK("FinishThisProcessFirst", FinishThisProcessFirst(f)),
      LX_WALK("FinishThisFolderFirst", FinishThisFolderFirst(f)),
      LX_WALK("NoMWUsFound", NoMWUsFound(f)),
      LX_WALK("SearchFailedToFindTryAsterisk", SearchFailedToFindTryAsterisk(f, u"searchWord"),
              u"searchWord"),
      LX_WALK("SearchFoundX", SearchFoundX(f, u"what"), u"what"),
      LX_WALK("ControlPlotmarksInfoUsing", ControlPlotmarksInfoUsing(f, u"what"), u"what"),
      LX_WALK("CopyResultsToExcelToo", CopyResultsToExcelToo(f)),
      LX_WALK("OKToShowWdsForNFiles", OKToShowWdsForNFiles(f, 12345), u"12,345"),
      LX_WALK("OKToUseTempDirAsTempDrive", OKToUseTempDirAsTempDrive(f, u"folder"), u"folder"),
      LX_WALK("AllConversionsAreLandRBounded", AllConversionsAreLandRBounded(f)),
      LX_WALK("AlterRegistry", AlterRegistry(f)),
      LX_WALK("FailedToAlterRegistry", FailedToAlterRegistry(f)),
      LX_WALK("RegistryAltered", RegistryAltered(f)),
      LX_WALK("RegistryCleared", RegistryCleared(f)),
      LX_WALK("CopyCurrentLineOfData", CopyCurrentLineOfData(f)),
      LX_WALK("NotEnoughX", NotEnoughX(f, u"what"), u"what"),
      LX_WALK("NoXFoundInY", NoXFoundInY(f, u"what", u"where"), u"what", u"where"),
      LX_WALK("NoKWDBEntries", NoKWDBEntries(f)),
      LX_WALK("NoKWDBRelatedClustersFound", NoKWDBRelatedClustersFound(f)),
      LX_WALK("NotAValidLXFile", NotAValidLXFile(f, u"fileName"), u"fileName"),
      LX_WALK("NotEnoughAssociatesFor", NotEnoughAssociatesFor(f, u"word"), u"word"),
      LX_WALK("NoWordListWordsFoundIn", NoWordListWordsFoundIn(f, u"fileName"), u"fileName"),
      LX_WALK("KeyWordsNotFullLemmaProcessing", KeyWordsNotFullLemmaProcessing(f)),
      LX_WALK("KeyWordsPlotIsOneTextFileOnly", KeyWordsPlotIsOneTextFileOnly(f)),
      LX_WALK("SentenceInfoIsWrong/none", SentenceInfoIsWrong(f, u"", u"")),
  };
}

TEST_F(CatalogueTest, EveryListPackageRoutineShowsWhatItDeclares) {
  std::set<std::string> walked;
  lxtest::Walk(ListPackageSteps(), *presenter, form, walked);
  for (const lxtest::TWalkStep& s : lxtest::Catalogue1Steps()) walked.insert(s.key);
  for (const TCatalogueMessage* m : CatalogueMessages()) EXPECT_TRUE(walked.count(m->Routine)) << m->Routine;
}

TEST_F(CatalogueTest, TellingTextsComeOutWordForWord) {
  SentenceInfoIsWrong(&form, u"", u"");
  EXPECT_EQ(Last().Message, u"no sentences found");
  KeyWordsFoundLessThanNPercentMatches(&form, 7);
  EXPECT_EQ(Last().Message,
            u"only 7 % of the words found in ref. corpus;\r\nmaybe your wordlists need re-sorting");
  NItemsMatched(&form, 4321);
  EXPECT_EQ(Last().Message, u"match list items: 4,321 found");
  ClustersContainingStopListWordsExcluded(&form);
  EXPECT_EQ(Last().Message, u"exclude clusters containing stop list words?");
  MoreLikelyToBeXThanY(&form, u"Spanish", u"Portuguese");
  EXPECT_EQ(Last().Message, u"This looks more like Spanish than Portuguese. Treat it as Spanish?");
  WarnAboutAndASKOK(&form, u"the tag file", u"", 0);
  EXPECT_EQ(Last().Message, u"Checking: the tag file, OK?");
  EXPECT_EQ(Last().Caption, u"Warning");
  ProblemReport(&form, u"disk full", 12);
  EXPECT_EQ(Last().Message, u"problem = disk full");
  EXPECT_EQ(Last().Caption, u"Error");
  EXPECT_EQ(Last().HelpCtx, 12);
}

TEST_F(CatalogueTest, CallersButtonsDecideTheAffirmative) {
  presenter->answer = mrYes;
  EXPECT_TRUE(ConfirmOK(&form, u"go on", mbsYesNo, 0));
  EXPECT_EQ(Last().Buttons, (TMsgDlgButtons{mbYes, mbNo}));
  EXPECT_EQ(Last().DefaultButton, mbYes);
  EXPECT_FALSE(DoYouWantToDoX(&form, u"go on", mbsOKCancel, 0));  // Yes is not OK
  EXPECT_EQ(Last().DefaultButton, mbOK);
}

TEST_F(CatalogueTest, AskingWarningWithTickedReminderAnswersCancelFromThenOn) {
  presenter->tick = true;
  presenter->answer = mrOk;
  EXPECT_EQ(WarnAboutAndASKOK(&form, u"merging 3 lists", u"", 0), mrOk);
  ASSERT_EQ(presenter->shown.size(), 1u);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(WarnAboutAndASKOK(&form, u"merging 3 lists", u"", 0), mrCancel);
  EXPECT_EQ(presenter->shown.size(), 1u);
  EXPECT_FALSE(Global_ErrorMessageBusy);
}

// Notes whether a warning of the same kind was marked as on the screen while it was shown.
class TBusyWatchingPresenter : public lxtest::TRecordingPresenter {
 public:
  std::vector<bool> busyWhileShown;
  TModalResult ShowModal(TMessageDialog& d) override {
    busyWhileShown.push_back(Global_ErrorMessageBusy);
    return TRecordingPresenter::ShowModal(d);
  }
};

TEST_F(CatalogueTest, OneWarningAtATime) {
  auto watching = std::make_shared<TBusyWatchingPresenter>();
  SetMessagePresenter(watching);
  int yields = 0;
  Global_YieldProcessProc = [&] {
    if (++yields == 3) Global_ErrorMessageBusy = false;  // the other box closes
  };
  Global_ErrorMessageBusy = true;
  WarnAboutAndRecommend(&form, u"a smaller span", u"", 0);
  Global_YieldProcessProc = nullptr;
  EXPECT_GE(yields, 3);
  ASSERT_EQ(watching->busyWhileShown.size(), 1u);
  EXPECT_TRUE(watching->busyWhileShown[0]);
  EXPECT_FALSE(Global_ErrorMessageBusy);
  EXPECT_EQ(watching->shown[0].Message, u"Recommendation: a smaller span");
}

TEST_F(CatalogueTest, UnansweredQuickCheckClosesAfterFifteenSeconds) {
  presenter->answer = mrYes;
  presenter->waitSeconds = 14;
  EXPECT_TRUE(DoQuickTextFormatCheck(&form));
  EXPECT_FALSE(Global_TimedOut);
  presenter->waitSeconds = 15;
  EXPECT_FALSE(DoQuickTextFormatCheck(&form));
  EXPECT_TRUE(Global_TimedOut);
}

}  // namespace
}  // namespace lx
