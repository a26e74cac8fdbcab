// The list package's ready-made messages about files, conversions, settings and what the tools found. Same
// conventions as lexmill_error_dlgs_1: true means the affirmative answer.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"
#include "lexstats/services/dont_remind_me_dlg.h"

namespace lx {

void ToSeeConcgramDetailsGetWordsIntoListbox(const TForm* form);
bool IncludeThisFilename(const TForm* form, const UnicodeString& fileName);
void BeAwareNetworkIsSlow(const TForm* form);
void ReferenceTextTooShort(const TForm* form, const UnicodeString& fileName, int64_t words);
bool SavedOKViewNow(const TForm* form);
bool SavedOKOpenNow(const TForm* form);
void CannotWriteToXFolder(const TForm* form, const UnicodeString& folder);
bool UnsafeToConvertInPlace(const TForm* form);
void PDF_RTF_ConversionNotReliable(const TForm* form);
void FailedToImport(const TForm* form, const UnicodeString& fileName);
void NotApplicableExplanation(const TForm* form, const UnicodeString& what);
void PleaseCheckSettings(const TForm* form, const UnicodeString& what);
void PleaseLoadTags(const TForm* form);
void PleaseMakeAChoiceForXAction(const TForm* form, const UnicodeString& action);
bool TreatTagsAsPrefixInQ(const TForm* form, const UnicodeString& what);
void VideoLANPlayerVersionError(const TForm* form, const UnicodeString& version);
void PhraseFramesLookLikeJoined(const TForm* form);
void AnyWordsNotPresentInXPercentOfTextFilesIgnored(const TForm* form, double percent);
bool MoreUptodateVersionAvailableDownloadNowQ(const TForm* form, const UnicodeString& version);
void ProcessingNRelatedClusters(const TForm* form, int64_t n);
bool IsThisTheTalkLanguageQ(const TForm* form, const UnicodeString& language);
void BeAwareContinuousStoplistingIsSlow(const TForm* form);
void YouMayNeedAdministratorRights(const TForm* form, const UnicodeString& what);
void YouMayNeedToAddLanguages(const TForm* form);
void NFilesDeleted(const TForm* form, int64_t n);
void NFilesCopiedOrMoved(const TForm* form, int64_t n);
void AllCopiedOrMoved(const TForm* form);
void CannotEncryptOriginals(const TForm* form);
void CannotChooseSameColours(const TForm* form);
void CannotEncryptWithoutEncryptStr(const TForm* form);
void CannotReplaceLineFeedsWithoutDefinedParaStr(const TForm* form);
void ChooseACharacterNumber(const TForm* form);
bool ClearTheSearch(const TForm* form);
bool FileIsInUnicodeShowInUnicode(const TForm* form, const UnicodeString& fileName);
bool FileNamesMismatchCorrectQ(const TForm* form, const UnicodeString& fileName,
                               const UnicodeString& expected);
void NTextFilesConverted(const TForm* form, int64_t n);
bool ConvertToTXTRegardlessOfExtension(const TForm* form);
bool MoreLikelyToBeXThanY(const TForm* form, const UnicodeString& x, const UnicodeString& y);
void FormNotFilled(const TForm* form);
void FinishThisProcessFirst(const TForm* form);
void FinishThisFolderFirst(const TForm* form);
void NoMWUsFound(const TForm* form);
void SearchFailedToFindTryAsterisk(const TForm* form, const UnicodeString& searchWord);
void SearchFoundX(const TForm* form, const UnicodeString& what);
void ControlPlotmarksInfoUsing(const TForm* form, const UnicodeString& what);
bool CopyResultsToExcelToo(const TForm* form);
bool OKToShowWdsForNFiles(const TForm* form, int64_t n);
bool OKToUseTempDirAsTempDrive(const TForm* form, const UnicodeString& folder);
void AllConversionsAreLandRBounded(const TForm* form);
bool AlterRegistry(const TForm* form);
void FailedToAlterRegistry(const TForm* form);
void RegistryAltered(const TForm* form);
void RegistryCleared(const TForm* form);
bool CopyCurrentLineOfData(const TForm* form);
void NotEnoughX(const TForm* form, const UnicodeString& what);
void NoXFoundInY(const TForm* form, const UnicodeString& what, const UnicodeString& where);
void NoKWDBEntries(const TForm* form);
void NoKWDBRelatedClustersFound(const TForm* form);
void NotAValidLXFile(const TForm* form, const UnicodeString& fileName);
void NotEnoughAssociatesFor(const TForm* form, const UnicodeString& word);
void NoWordListWordsFoundIn(const TForm* form, const UnicodeString& fileName);
void KeyWordsNotFullLemmaProcessing(const TForm* form);
void KeyWordsPlotIsOneTextFileOnly(const TForm* form);

}  // namespace lx
