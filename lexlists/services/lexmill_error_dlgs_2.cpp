#include "lexlists/services/lexmill_error_dlgs_2.h"

#include "lexcore/definitions/Wdef.h"
#include "lexcore/files/my_kpSmall.h"
#include "lexstats/services/lexmill_dlg_catalogue.h"
#include "lexstats/services/lexmill_error_dlgs_1.h"

namespace lx {

LX_RESOURCESTRING(_LXFactX, u"%s")
LX_RESOURCESTRING(_LXCheckingXOK, u"Checking: %s, OK?")
LX_RESOURCESTRING(_LXWarning, u"Warning")
LX_RESOURCESTRING(_LXRecommendationX, u"Recommendation: %s")
LX_RESOURCESTRING(_LXOKToX, u"OK to %s?")
LX_RESOURCESTRING(_LXXWordY, u"%s \"%s\"")
LX_RESOURCESTRING(_LXDoYouWantToX, u"Do you want to %s?")
LX_RESOURCESTRING(_LXProblemX, u"problem = %s")
LX_RESOURCESTRING(_LXError, u"Error")

LX_RESOURCESTRING(_LXExcludeXContainingY, u"exclude %s containing %s?")
LX_RESOURCESTRING(_LXStopListWords, u"stop list words")
LX_RESOURCESTRING(_LXIgnorePunctuationInX, u"Ignore punctuation in %s?")
LX_RESOURCESTRING(_LXSentenceStatsWrong, u"sentence statistics wrong because markers %s and %s not found")
LX_RESOURCESTRING(_LXNoSentencesFound, u"no sentences found")
LX_RESOURCESTRING(_LXOpenTheIndexNow, u"Open the index now?")
LX_RESOURCESTRING(_LXYouChoseNLowestIsN, u"%s: you chose %d but the lowest possible value is %d. Cancel?")
LX_RESOURCESTRING(_LXOnlyNPercentInRefCorpus, u"only %d %% of the words found in ref. corpus;")
LX_RESOURCESTRING(_LXMaybeResortWordlists, u"maybe your wordlists need re-sorting")
LX_RESOURCESTRING(_LXWordListXOrYNeedsResorting,
                  u"word list %s or %s probably needs re-sorting alphabetically -- quit?")
LX_RESOURCESTRING(_LXOkToZapNEntries, u"Ok to zap %.0n entries now?")
LX_RESOURCESTRING(_LXOkToZapRemaining, u"Ok to zap the remaining entries now?")
LX_RESOURCESTRING(_LXComputeColumnTotals, u"compute column totals?")
LX_RESOURCESTRING(_LXXNFound, u"%s: %.0n found")
LX_RESOURCESTRING(_LXMatchListItems, u"match list items")
LX_RESOURCESTRING(_LXQuickCheck, u"quick check?")
LX_RESOURCESTRING(_LXEscapePressed, u"Escape pressed: you want to stop?")
LX_RESOURCESTRING(_LXSearchFailedToFindX, u"Search failed to find %s")
LX_RESOURCESTRING(_LXNoMoreXFound, u"No more %s found")
LX_RESOURCESTRING(_LXZScoreNeedsSpan, u"Z score cannot be used for a KW database because it needs a span")
LX_RESOURCESTRING(_LXNoCollocates,
                  u"No collocates at current settings -- alter them then re-compute collocates")
LX_RESOURCESTRING(_LXOnlyNOfNSourceTexts, u"only %.0n of the %.0n source texts found -- cancel?")
LX_RESOURCESTRING(_LXNoneOfNSourceTexts, u"none of the %.0n source texts found -- cancelling")

using namespace catalogue_terms;

namespace {

constexpr char16_t kLineBreak[] = u"\r\n";
constexpr int kBusyWaitSeconds = 5;

const M mReportedAFact("ReportedAFact", {&_LXFactX}, I, mbsOKHelp, kCallersHelpCtx);
const M mWarnAboutAndASKOK(
    "WarnAboutAndASKOK", {&_LXCheckingXOK}, C, mbsOKCancelHelp, kCallersHelpCtx,
    {.DefaultButton = mbOK, .TimeoutSeconds = 20, .WithDontShow = true, .Caption = &_LXWarning});
const M mWarnAboutAndRecommend("WarnAboutAndRecommend", {&_LXRecommendationX}, W, mbsOKCancelHelp,
                               kCallersHelpCtx,
                               {.DefaultButton = mbOK, .TimeoutSeconds = 10, .WithDontShow = true});
const M mConfirmOK("ConfirmOK", {&_LXOKToX}, C, mbsOKCancelHelp, kCallersHelpCtx);
const M mDoYouWantToDoX("DoYouWantToDoX", {&_LXDoYouWantToX}, C, mbsYesNoHelp, kCallersHelpCtx);
const M mOKToDoX("OKToDoX", {&_LXOKToX}, C, mbsOKCancelHelp, kCallersHelpCtx);
const M mOKToDoXWord("OKToDoXWord", {&_LXOKToX}, C, mbsOKCancelHelp, kCallersHelpCtx);
const M mProblemReport("ProblemReport", {&_LXProblemX}, E, mbsOK, kCallersHelpCtx, {.Caption = &_LXError});

const M mClustersContainingStopListWordsExcluded("ClustersContainingStopListWordsExcluded",
                                                 {&_LXExcludeXContainingY}, C, mbsYesNoHelp, 5310);
const M mIgnorePunctuationInWordClusters("IgnorePunctuationInWordClusters", {&_LXIgnorePunctuationInX}, C,
                                         mbsYesNoHelp, 2180);
const M mSentenceInfoIsWrong("SentenceInfoIsWrong", {&_LXSentenceStatsWrong}, I, mbsOKHelp, 1860);
const M mSentenceInfoNoSentences("SentenceInfoIsWrong/none", {&_LXNoSentencesFound}, I, mbsOKHelp, 1860);
const M mSavedOKOpenIndexNow("SavedOKOpenIndexNow", {&_LXSavedOK, &_LXOpenTheIndexNow}, C, mbsYesNo, 0);
const M mYouChoseXbutLowestPossibleIsYQuitQ("YouChoseXbutLowestPossibleIsYQuitQ", {&_LXYouChoseNLowestIsN}, W,
                                            mbsOKCancelHelp, kCallersHelpCtx, DefaultTo(mbCancel));
const M mKeyWordsFoundLessThanNPercentMatches("KeyWordsFoundLessThanNPercentMatches",
                                              {&_LXOnlyNPercentInRefCorpus, &_LXMaybeResortWordlists}, W,
                                              mbsOKHelp, 5480);
const M mWordListsMightNeedResortingQuitQ("WordListsMightNeedResortingQuitQ",
                                          {&_LXWordListXOrYNeedsResorting}, W, mbsYesNoHelp, 2320,
                                          DefaultTo(mbYes));
const M mOKToZapNow("OKToZapNow", {&_LXOkToZapNEntries}, C, mbsYesNo, 1490, DefaultTo(mbYes));
const M mOKToZapRemainderNow("OKToZapRemainderNow", {&_LXOkToZapRemaining}, C, mbsYesNo, 1490,
                             DefaultTo(mbYes));
const M mComputeColumnTotalsQ("ComputeColumnTotalsQ", {&_LXComputeColumnTotals}, C, mbsYesNoHelp, 4750);
const M mNItemsMatched("NItemsMatched", {&_LXXNFound}, I, mbsOK, 1330);
const M mDoQuickTextFormatCheck("DoQuickTextFormatCheck", {&_LXQuickCheck}, C, mbsYesNo, 1242,
                                {.DefaultButton = mbNo, .TimeoutSeconds = 15});
const M mEscapePressedWantToQuit("EscapePressedWantToQuit", {&_LXEscapePressed}, C, mbsYesNo, 0,
                                 DefaultTo(mbYes));
const M mSearchFailedToFindX("SearchFailedToFindX", {&_LXSearchFailedToFindX}, C, mbsOKHelp, 1440);
const M mSearchFailedToFindAnyMoreX("SearchFailedToFindAnyMoreX", {&_LXNoMoreXFound}, C, mbsOKCancelHelp,
                                    1440);
const M mCantChooseZScoreForKWDBase("CantChooseZScoreForKWDBase", {&_LXZScoreNeedsSpan}, I, mbsOKHelp, 2270);
const M mNoCollocates("NoCollocates", {&_LXNoCollocates}, I, mbsOKHelp, 1990);
const M mCancelAsSomeSourceTextsNotFound("CancelAsSomeSourceTextsNotFound", {&_LXOnlyNOfNSourceTexts}, W,
                                         mbsYesNoHelp, 3390);
const M mCancellingAsNoneOfTheSourceTextsFound("CancellingAsNoneOfTheSourceTextsFound",
                                               {&_LXNoneOfNSourceTexts}, W, mbsOKHelp, 3390);

// One asking or recommending warning on the screen at a time; the flag is cleared however the box ends.
TModalResult ShowOneAtATime(const TForm* f, const M& m, const UnicodeString& what,
                            const UnicodeString& detail, int32_t helpCtx) {
  WAitTillDone(Global_ErrorMessageBusy, kBusyWaitSeconds);
  struct TBusy {
    TBusy() { Global_ErrorMessageBusy = true; }
    ~TBusy() { Global_ErrorMessageBusy = false; }
  } busy;
  UnicodeString text = Format(m.Texts.front()->Text(), {what});
  if (!detail.empty()) text += kLineBreak + detail;
  return ShowCatalogueText(f, m, text, helpCtx);
}

}  // namespace

void ReportedAFact(const TForm* f, const UnicodeString& text, int32_t helpCtx) {
  ShowCatalogueMessage(f, mReportedAFact, {text}, helpCtx);
}
TModalResult WarnAboutAndASKOK(const TForm* f, const UnicodeString& what, const UnicodeString& detail,
                               int32_t helpCtx) {
  return ShowOneAtATime(f, mWarnAboutAndASKOK, what, detail, helpCtx);
}
TModalResult WarnAboutAndRecommend(const TForm* f, const UnicodeString& what, const UnicodeString& detail,
                                   int32_t helpCtx) {
  return ShowOneAtATime(f, mWarnAboutAndRecommend, what, detail, helpCtx);
}
bool ConfirmOK(const TForm* f, const UnicodeString& what, uint16_t buttons, int32_t helpCtx) {
  return ShowCatalogueText(f, mConfirmOK, Format(_LXOKToX, {what}), helpCtx, buttons) ==
         M::AffirmativeOf(buttons);
}
bool DoYouWantToDoX(const TForm* f, const UnicodeString& what, int32_t helpCtx) {
  return AskCatalogueMessage(f, mDoYouWantToDoX, {what}, helpCtx);
}
bool DoYouWantToDoX(const TForm* f, const UnicodeString& what, uint16_t buttons, int32_t helpCtx) {
  return ShowCatalogueText(f, mDoYouWantToDoX, Format(_LXDoYouWantToX, {what}), helpCtx, buttons) ==
         M::AffirmativeOf(buttons);
}
bool OKToDoX(const TForm* f, const UnicodeString& what, int32_t helpCtx) {
  return AskCatalogueMessage(f, mOKToDoX, {what}, helpCtx);
}
bool OKToDoXWord(const TForm* f, const UnicodeString& what, const UnicodeString& word, int32_t helpCtx) {
  return ShowCatalogueText(f, mOKToDoXWord, Format(_LXOKToX, {Format(_LXXWordY, {what, word})}), helpCtx) ==
         mrOk;
}
void ProblemReport(const TForm* f, const UnicodeString& problem, int32_t helpCtx) {
  ShowCatalogueMessage(f, mProblemReport, {problem}, helpCtx);
}

bool ClustersContainingStopListWordsExcluded(const TForm* f) {
  return Ask(f, mClustersContainingStopListWordsExcluded, {_LXClusters.Text(), _LXStopListWords.Text()});
}
bool IgnorePunctuationInWordClusters(const TForm* f) {
  return Ask(f, mIgnorePunctuationInWordClusters, {_LXClusters.Text()});
}
void SentenceInfoIsWrong(const TForm* f, const UnicodeString& startMarker, const UnicodeString& endMarker) {
  if (startMarker.empty() && endMarker.empty())
    Show(f, mSentenceInfoNoSentences);
  else
    Show(f, mSentenceInfoIsWrong, {startMarker, endMarker});
}
bool SavedOKOpenIndexNow(const TForm* f) {
  return Ask(f, mSavedOKOpenIndexNow);
}
TModalResult YouChoseXbutLowestPossibleIsYQuitQ(const TForm* f, const UnicodeString& what, int32_t chosen,
                                                int32_t lowest, int32_t helpCtx) {
  return ShowCatalogueMessage(f, mYouChoseXbutLowestPossibleIsYQuitQ, {what, chosen, lowest}, helpCtx);
}
bool KeyWordsFoundLessThanNPercentMatches(const TForm* f, int32_t percent) {
  return Show(f, mKeyWordsFoundLessThanNPercentMatches, {percent}) == mrYes;
}
bool WordListsMightNeedResortingQuitQ(const TForm* f, const UnicodeString& list,
                                      const UnicodeString& reference) {
  return Ask(f, mWordListsMightNeedResortingQuitQ, {list, reference});
}
bool OKToZapNow(const TForm* f, int64_t n) {
  return Ask(f, mOKToZapNow, {N(n)});
}
bool OKToZapRemainderNow(const TForm* f) {
  return Ask(f, mOKToZapRemainderNow);
}
bool ComputeColumnTotalsQ(const TForm* f) {
  return Ask(f, mComputeColumnTotalsQ);
}
bool NItemsMatched(const TForm* f, int64_t n) {
  return Ask(f, mNItemsMatched, {_LXMatchListItems.Text(), N(n)});
}
bool DoQuickTextFormatCheck(const TForm* f) {
  return Ask(f, mDoQuickTextFormatCheck);
}
bool EscapePressedWantToQuit(const TForm* f) {
  return Ask(f, mEscapePressedWantToQuit);
}
bool SearchFailedToFindX(const TForm* f, const UnicodeString& searchWord) {
  return Ask(f, mSearchFailedToFindX, {searchWord});
}
TModalResult SearchFailedToFindAnyMoreX(const TForm* f, const UnicodeString& searchWord) {
  return Show(f, mSearchFailedToFindAnyMoreX, {searchWord});
}
void CantChooseZScoreForKWDBase(const TForm* f) {
  Show(f, mCantChooseZScoreForKWDBase);
}
void NoCollocates(const TForm* f) {
  Show(f, mNoCollocates);
}
bool CancelAsSomeSourceTextsNotFound(const TForm* f, int64_t found, int64_t total) {
  return Ask(f, mCancelAsSomeSourceTextsNotFound, {N(found), N(total)});
}
bool CancellingAsNoneOfTheSourceTextsFound(const TForm* f, int64_t total) {
  return Show(f, mCancellingAsNoneOfTheSourceTextsFound, {N(total)}) == mrYes;
}

}  // namespace lx
