// The list package's messages for callers that bring their own text, and its ready-made messages about
// clusters, zaps, searches and source texts. Same conventions as lexmill_error_dlgs_1: true means the
// affirmative answer, and routines with more than two ways out return the modal result.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"
#include "lexstats/services/dont_remind_me_dlg.h"

namespace lx {

void ReportedAFact(const TForm* form, const UnicodeString& text, int32_t helpCtx);
// The two warnings below first wait (up to 5 seconds) until no other of them is on the screen.
// "Checking: <what>, OK?" and the detail below it, with "Never show this again", 20 seconds and OK first.
TModalResult WarnAboutAndASKOK(const TForm* form, const UnicodeString& what, const UnicodeString& detail,
                               int32_t helpCtx);
// "Recommendation: <what>" and the detail below it, with "Never show this again", 10 seconds and OK first.
TModalResult WarnAboutAndRecommend(const TForm* form, const UnicodeString& what, const UnicodeString& detail,
                                   int32_t helpCtx);
bool ConfirmOK(const TForm* form, const UnicodeString& what, uint16_t buttons, int32_t helpCtx);
bool DoYouWantToDoX(const TForm* form, const UnicodeString& what, int32_t helpCtx);
bool DoYouWantToDoX(const TForm* form, const UnicodeString& what, uint16_t buttons, int32_t helpCtx);
bool OKToDoX(const TForm* form, const UnicodeString& what, int32_t helpCtx);
bool OKToDoXWord(const TForm* form, const UnicodeString& what, const UnicodeString& word, int32_t helpCtx);
void ProblemReport(const TForm* form, const UnicodeString& problem, int32_t helpCtx);

bool ClustersContainingStopListWordsExcluded(const TForm* form);
bool IgnorePunctuationInWordClusters(const TForm* form);
// With both markers empty the message says that no sentences were found.
void SentenceInfoIsWrong(const TForm* form, const UnicodeString& startMarker, const UnicodeString& endMarker);
bool SavedOKOpenIndexNow(const TForm* form);
TModalResult YouChoseXbutLowestPossibleIsYQuitQ(const TForm* form, const UnicodeString& what, int32_t chosen,
                                                int32_t lowest, int32_t helpCtx);
// Always false: the OK box is compared with Yes, so callers go on.
bool KeyWordsFoundLessThanNPercentMatches(const TForm* form, int32_t percent);
bool WordListsMightNeedResortingQuitQ(const TForm* form, const UnicodeString& list,
                                      const UnicodeString& reference);
bool OKToZapNow(const TForm* form, int64_t n);
bool OKToZapRemainderNow(const TForm* form);
bool ComputeColumnTotalsQ(const TForm* form);
bool NItemsMatched(const TForm* form, int64_t n);
bool DoQuickTextFormatCheck(const TForm* form);
bool EscapePressedWantToQuit(const TForm* form);
bool SearchFailedToFindX(const TForm* form, const UnicodeString& searchWord);
TModalResult SearchFailedToFindAnyMoreX(const TForm* form, const UnicodeString& searchWord);
void CantChooseZScoreForKWDBase(const TForm* form);
void NoCollocates(const TForm* form);
bool CancelAsSomeSourceTextsNotFound(const TForm* form, int64_t found, int64_t total);
// Always false, as KeyWordsFoundLessThanNPercentMatches.
bool CancellingAsNoneOfTheSourceTextsFound(const TForm* form, int64_t total);

}  // namespace lx
