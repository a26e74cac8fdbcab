// Ready-made messages, one routine per situation: each composes its text from resource strings and shows it
// through FormCentredMessageDlg with fixed buttons, help context, reminder and time-out, passing
// Global_TimedOut and Global_HelpProc. Routines that ask return true on the affirmative answer (Yes where the
// box has Yes, else OK); those offering more than two ways out return the modal result.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"
#include "lexstats/services/dont_remind_me_dlg.h"

namespace lx {

// Texts the list package's catalogues share.
LX_DECLARE_RESOURCESTRING(_LXSavedOK)
LX_DECLARE_RESOURCESTRING(_LXClusters)
LX_DECLARE_RESOURCESTRING(_LXMakeOrOpenIndexFirst)
LX_DECLARE_RESOURCESTRING(_LXClipboard)

bool NoTextsChosenSoUseThese(const TForm* form, int32_t chosen, int32_t basedOn, const UnicodeString& what);
void SourceTextFileNotFound(const TForm* form);
bool UseCustomSortForLanguage(const TForm* form, const UnicodeString& language);
TModalResult LimitedRoomOnDProceed(const TForm* form, int32_t megabytes, const UnicodeString& drive);
bool ModifySourceTexts(const TForm* form);
bool ModifySourceTextsForSet(const TForm* form);
TModalResult ReduceDataOK(const TForm* form, int64_t from, int64_t to, const UnicodeString& what);
TModalResult JoinClusters(const TForm* form);
TModalResult UnJoinAll(const TForm* form);
void DataPartlyObscured(const TForm* form);
void ClipboardHasText(const TForm* form);
void UseLayoutToMoveAnyColumns(const TForm* form);
void SavedOK(const TForm* form);
bool OKtoDelete(const TForm* form, const UnicodeString& name, bool isFolder);
bool OKtoOverwriteWithBackupQ(const TForm* form, const UnicodeString& name);
TModalResult OKtoOverwriteWithBackupQ(const TForm* form, const UnicodeString& name, bool offerAll);
void CantMakeClustersWithoutIndex(const TForm* form);
void InvalidNumber(const TForm* form, const UnicodeString& text);
void UnMatchedBracketInX(const TForm* form, const UnicodeString& text);
void FailedToRename(const TForm* form, const UnicodeString& from, const UnicodeString& to);
bool IncludeZipsToo(const TForm* form);
bool AssumeTextFileXIsInUnicodeQ(const TForm* form, const UnicodeString& fileName);

// Files, folders and settings; lists and their limits; what was found or done.
void NoPreferredLanguageButSetTo(const TForm* form, const UnicodeString& language);
void NoFontsAvailableForLanguage(const TForm* form, const UnicodeString& language);
void AskInstallerToSetUserReadWriteFolder(const TForm* form);
void TextFileStatisticsNeededForX(const TForm* form, const UnicodeString& what);
void ChoosingTextFilesForOK(const TForm* form);
void FirstChooseTexts(const TForm* form);
void WordlistTXTFilenameNeeded(const TForm* form);
void OutputFilenameNeeded(const TForm* form);
void ProblemWithXOrStopPressed(const TForm* form, const UnicodeString& what);
void ResultsAddedToNotes(const TForm* form);
void ResultsAreInTab(const TForm* form, const UnicodeString& tab);
bool OKToHighlightCollocateInConcordance(const TForm* form, const UnicodeString& collocate);
void SuggestYouUpdateYourVersion(const TForm* form, const UnicodeString& version);
void CouldntSaveFileInFolder(const TForm* form, const UnicodeString& fileName, const UnicodeString& folder);
void FolderIsReadOnly(const TForm* form, const UnicodeString& folder);
void CantCompareWithSameFile(const TForm* form, const UnicodeString& fileName);
void N_DuplicatesFound(const TForm* form, int64_t n);
bool ModifySourceTextsForSearchWord(const TForm* form, const UnicodeString& searchWord);
void LimitOfKeywordLinksReached(const TForm* form, int64_t limit);
bool DoYouWantToOpenBatchFileToMergeLists(const TForm* form, const UnicodeString& fileName);
bool DoYouWantToOpenBatchFileToSeeIndividualLists(const TForm* form, const UnicodeString& fileName);
void CollocateAssociationNotComputed(const TForm* form);
void ClosingAndRestarting(const TForm* form);
bool OKToCloseNowForDownloadCheck(const TForm* form);
void RefCorpusAndKWMismatch(const TForm* form, const UnicodeString& reference, const UnicodeString& keyWords);
bool ChangeTagOpenMarks(const TForm* form, const UnicodeString& from, const UnicodeString& to);
void ClipboardHasPictureAndText(const TForm* form);
void ClipboardHasPicture(const TForm* form);
TModalResult OpenFileInBrowserOrNotepad(const TForm* form, const UnicodeString& fileName);
bool ChangeLanguageFromXToY(const TForm* form, const UnicodeString& from, const UnicodeString& to);
bool ChangeLanguageFrom(const TForm* form, const UnicodeString& from);
bool ClearLogFile(const TForm* form);
bool CopyIniAndOtherFilesToo(const TForm* form);
bool FileHasHolesSoSkipIt(const TForm* form, const UnicodeString& fileName);
void FileIsEmpty(const TForm* form, const UnicodeString& fileName);
TModalResult FNameChooseNewOrBatch(const TForm* form, const UnicodeString& fileName);
void MediaLookupTableNotFound(const TForm* form, const UnicodeString& fileName);
void MediaStartOfFilenameUndefined(const TForm* form);
void MenuShortcutAlreadyInUse(const TForm* form, const UnicodeString& shortcut, const UnicodeString& usedBy);
void NoPrinterInstalled(const TForm* form);
bool JoinXtoY(const TForm* form, const UnicodeString& x, const UnicodeString& y);
void LimitOfConcordanceEntriesReached(const TForm* form, int64_t limit);
void LimitOfKeywordEntriesReached(const TForm* form, int64_t limit);
void NoConcordanceEntriesFound(const TForm* form);
void NoCorruptFilesFound(const TForm* form);
void NoMatchListAction(const TForm* form);
void NoLemmaList(const TForm* form);
void NoMatchList(const TForm* form);
void NoMatchTemplate(const TForm* form);
void InformationMessage(const TForm* form, const UnicodeString& text);
void NoStopList(const TForm* form);
void NoWordsIn(const TForm* form, const UnicodeString& fileName);
void XLSXReadNotImplemented(const TForm* form);
void NoNeedToMaximize(const TForm* form);
void NotImplemented(const TForm* form, const UnicodeString& what);
void UnderMaintenance(const TForm* form, const UnicodeString& what);
void CouldntDoDetailedConsistencyOn(const TForm* form, const UnicodeString& fileName);
void FailedToCreateFileOrFolder(const TForm* form, const UnicodeString& name);
void FailedToPrepareTextConversion(const TForm* form, const UnicodeString& fileName);
void CantComputeKWSIfDifferentLanguages(const TForm* form, const UnicodeString& language,
                                        const UnicodeString& reference);
void NoReferenceCorpus(const TForm* form);
void NoChargramsFound(const TForm* form);
void NoProblem(const TForm* form);
void NoKeyWordLinksFound(const TForm* form);
void NoKeyWordsFound(const TForm* form);
bool AreYouSureYouWantTo(const TForm* form, const UnicodeString& what);
void CantFindOneOfTheFiles(const TForm* form, const UnicodeString& fileName);
void CantDeleteThisColumnOfData(const TForm* form, const UnicodeString& column);
void CantEditThisColumnOfData(const TForm* form, const UnicodeString& column);
void CantFindAnyOfTheFiles(const TForm* form);
void CantComputeMIWithoutIndex(const TForm* form);
void MustSelectUnjoinEntry(const TForm* form);
void ConvertedTextsSavedWithConvertedExt(const TForm* form, const UnicodeString& extension);
void TextHasCharactersNeedingDifferentFont(const TForm* form, const UnicodeString& fileName);
void TwoNumbersAndComma(const TForm* form);
bool OKtoDeleteDir(const TForm* form, const UnicodeString& folder);
bool OKtoCreateDir(const TForm* form, const UnicodeString& folder);
bool OKtoSaveAgainAs(const TForm* form, const UnicodeString& fileName);
bool OKtoSaveXInUnicode(const TForm* form, const UnicodeString& fileName);
bool OKtoReplaceWithNewVersion(const TForm* form, const UnicodeString& fileName);
void CantMergeWithSameFile(const TForm* form, const UnicodeString& fileName);
void CantSortOnContextWord(const TForm* form);
void ChooseLanguage(const TForm* form);
bool ConvertMixedFormatsToUNicode(const TForm* form);
void CantPlayMedia(const TForm* form, const UnicodeString& fileName);
void NFilesLoaded(const TForm* form, int64_t n);
void NFilesSaved(const TForm* form, int64_t n);
bool ProvideAFilenameOrCancel(const TForm* form);
bool StartNewToolInstance(const TForm* form, const UnicodeString& tool);
TModalResult DoYouWantToSave(const TForm* form, const UnicodeString& what);
bool CreateFolderYesNo(const TForm* form, const UnicodeString& folder);
void NModificationsMade(const TForm* form, int64_t n);
void NFilesPresentOnDisk(const TForm* form, int64_t present, int64_t total);
void NoFilesSelected(const TForm* form);
void NoColumnSelected(const TForm* form);
void NoConcordClustersOfSize(const TForm* form, int32_t size);
void NoClustersOfSizeIn(const TForm* form, int32_t size, const UnicodeString& fileName);
void NoMutualInfoData(const TForm* form);
void IndexFilenameNeeded(const TForm* form);
void ChangeFontsColoursEtc(const TForm* form);
void CantCommunicateWith(const TForm* form, const UnicodeString& what);
void IsntLexmillFile(const TForm* form, const UnicodeString& fileName);
void IsntACurrentLexmillFile(const TForm* form, const UnicodeString& fileName);
void WrongToolForFile(const TForm* form, const UnicodeString& fileName, const UnicodeString& tool);
void FailedToSave(const TForm* form, const UnicodeString& fileName);
void FailedToInstall(const TForm* form, const UnicodeString& what);
void FileIsOpenPleaseCloseIt(const TForm* form, const UnicodeString& fileName);
void FailedToFindX(const TForm* form, const UnicodeString& what, const UnicodeString& where);
void FailedToFind(const TForm* form, const UnicodeString& what);
void FailedToFindIni(const TForm* form, const UnicodeString& fileName);
void InsertBrackets(const TForm* form);
void InvalidWordAndFrequency(const TForm* form, const UnicodeString& line);
void StoppedWhenProcessingX(const TForm* form, const UnicodeString& what);
void FailedToRead(const TForm* form, const UnicodeString& fileName);
void SourceIndexDifferentFromMutualIndex(const TForm* form, const UnicodeString& source,
                                         const UnicodeString& mutual);
void UndefinedTimeLineBasis(const TForm* form);
void UsingTempFile(const TForm* form, const UnicodeString& fileName);

}  // namespace lx
