#include "lexstats/services/lexmill_error_dlgs_1.h"

#include "lexstats/services/lexmill_dlg_catalogue.h"

namespace lx {

// Texts shared with the list package's catalogues.
LX_RESOURCESTRING(_LXSavedOK, u"saved OK")
LX_RESOURCESTRING(_LXClusters, u"clusters")
LX_RESOURCESTRING(_LXMakeOrOpenIndexFirst, u"Make or open an index first.")
LX_RESOURCESTRING(_LXClipboard, u"Clipboard")

LX_RESOURCESTRING(_LXYouHaveNTextFilesChosen, u"You have %.0n text file(s) chosen")
LX_RESOURCESTRING(_LXSoUseTheNThatXIsBasedOn, u"so use the %.0n that %s is based on?")
LX_RESOURCESTRING(_LXSourceTextNotFound, u"source text not found")
LX_RESOURCESTRING(_LXUseCustomSortForX, u"use custom sort for %s?")
LX_RESOURCESTRING(_LXOnlyNMbSpaceLeftOnX, u"Only %dMb space left on %s -- Proceed?")
LX_RESOURCESTRING(_LXModifySourceTexts, u"Modify the source texts?")
LX_RESOURCESTRING(_LXModifySourceTextsForSet, u"Modify the source texts to suit your Set choices?")
LX_RESOURCESTRING(_LXZapDataFromNToN, u"Zap data from %.0n to %.0n %s")
LX_RESOURCESTRING(_LXWontDeleteDataOnDisk, u"(it won't delete data on disk)")
LX_RESOURCESTRING(_LXJoinX, u"Join %s?")
LX_RESOURCESTRING(_LXUnjoinAllX, u"Unjoin all %s?")
LX_RESOURCESTRING(_LXEntries, u"entries")
LX_RESOURCESTRING(_LXPurpleLinesTooWide,
                  u"Where columns have purple lines the data is too wide for the column.")
LX_RESOURCESTRING(_LXLayoutHint, u"Use the Layout menu option to widen columns.")
LX_RESOURCESTRING(_LXColumnLayout, u"Column layout")
LX_RESOURCESTRING(_LXDataCanBePastedAsText, u"data can now be pasted as text.")
LX_RESOURCESTRING(_LXUseXToY, u"Use %s to %s")
LX_RESOURCESTRING(_LXTheLayoutMenuOption, u"the Layout menu option")
LX_RESOURCESTRING(_LXMoveColumns, u"move columns")
LX_RESOURCESTRING(_LXOKToDeleteX, u"OK to delete %s?")
LX_RESOURCESTRING(_LXAndAllSubFolders, u" and all sub-folders of it")
LX_RESOURCESTRING(_LXOverwriteXWithBackup, u"Overwrite %s (with backup)?")
LX_RESOURCESTRING(_LXClustersNeedIndex, u"Clusters can only be computed from an index.")
LX_RESOURCESTRING(_LXXIsntAValidNumber, u"%s isn't a valid number")
LX_RESOURCESTRING(_LXUnmatchedBracketInX, u"unmatched bracket in: %s")
LX_RESOURCESTRING(_LXFailedToRenameXAsY, u"Failed to rename %s as %s")
LX_RESOURCESTRING(_LXIncludeZipFiles, u"Include zip files?")

LX_RESOURCESTRING(_LXTreatXAsUnicode, u"Treat the text file %s as Unicode?")
LX_RESOURCESTRING(_LXNoPreferredLanguageSetToX, u"No preferred language was chosen, so %s will be used.")
LX_RESOURCESTRING(_LXNoFontForX, u"No font on this computer can show %s.")
LX_RESOURCESTRING(_LXNoReadWriteFolder, u"There is no folder set up for your own files.")
LX_RESOURCESTRING(_LXAskInstallerForFolder, u"Ask whoever installed the program to set one you can write to.")
LX_RESOURCESTRING(_LXStatisticsNeededForX, u"The text file statistics are needed for %s: compute them first.")
LX_RESOURCESTRING(_LXChooseTextsThenOK, u"Choose your text files, then press OK.")
LX_RESOURCESTRING(_LXFirstChooseTexts, u"First choose some text files.")
LX_RESOURCESTRING(_LXWordlistTxtNameNeeded, u"A plain-text file name is needed for the word list.")
LX_RESOURCESTRING(_LXOutputNameNeeded, u"An output file name is needed.")
LX_RESOURCESTRING(_LXProblemWithXOrStop, u"Problem with %s, or Stop was pressed.")
LX_RESOURCESTRING(_LXResultsInNotes, u"The results have been added to the notes.")
LX_RESOURCESTRING(_LXResultsInTabX, u"The results are in the %s tab.")
LX_RESOURCESTRING(_LXHighlightCollocateX, u"Highlight the collocate %s in the concordance?")
LX_RESOURCESTRING(_LXUpdateVersionX, u"Version %s is out of date: an update is suggested.")
LX_RESOURCESTRING(_LXCouldntSaveXInY, u"Could not save %s in %s")
LX_RESOURCESTRING(_LXFolderXReadOnly, u"The folder %s is read-only.")
LX_RESOURCESTRING(_LXCantCompareXWithItself, u"%s cannot be compared with itself.")
LX_RESOURCESTRING(_LXNDuplicatesFound, u"%.0n duplicate(s) found")
LX_RESOURCESTRING(_LXModifySourceTextsForX, u"Modify the source texts for the search word %s?")
LX_RESOURCESTRING(_LXLimitOfNKeywordLinks, u"The limit of %.0n key word links has been reached.")
LX_RESOURCESTRING(_LXXIsABatchFile, u"%s is a batch file.")
LX_RESOURCESTRING(_LXOpenBatchToMerge, u"Open it to merge its lists?")
LX_RESOURCESTRING(_LXOpenBatchToSeeEach, u"Open it to see its lists one by one?")
LX_RESOURCESTRING(_LXAssociationNotComputed, u"The collocate association has not been computed yet.")
LX_RESOURCESTRING(_LXClosingAndRestarting, u"Closing and restarting...")
LX_RESOURCESTRING(_LXCloseForDownloadCheck, u"OK to close now to check for a download?")
LX_RESOURCESTRING(_LXRefCorpusXKWY, u"The reference corpus (%s) does not match the key word list (%s).")
LX_RESOURCESTRING(_LXChangeTagOpenMarks, u"Change the tag opening marks from %s to %s?")
LX_RESOURCESTRING(_LXDataCanBePastedAsPictureOrText, u"data can now be pasted as a picture or as text.")
LX_RESOURCESTRING(_LXDataCanBePastedAsPicture, u"data can now be pasted as a picture.")
LX_RESOURCESTRING(_LXOpenXInBrowser, u"Open %s in a web browser?")
LX_RESOURCESTRING(_LXBrowserOrEditor, u"Yes: in a web browser; No: in a text editor.")
LX_RESOURCESTRING(_LXChangeLanguageFromXToY, u"Change the language from %s to %s?")
LX_RESOURCESTRING(_LXChangeLanguageFromX, u"Change the language from %s?")
LX_RESOURCESTRING(_LXClearLogFile, u"Clear the log file?")
LX_RESOURCESTRING(_LXCopySettingsToo, u"Copy the settings and other files too?")
LX_RESOURCESTRING(_LXXHasHoles, u"%s has holes in it (runs of zero bytes). Skip it?")
LX_RESOURCESTRING(_LXXIsEmpty, u"%s is empty.")
LX_RESOURCESTRING(_LXXExistsNewOrBatch, u"%s already exists.")
LX_RESOURCESTRING(_LXNewNameOrBatch, u"Yes: choose a new name; No: add to it as a batch.")
LX_RESOURCESTRING(_LXMediaTableXNotFound, u"The media look-up table %s was not found.")
LX_RESOURCESTRING(_LXMediaStartUndefined, u"The start of the media file names is not defined.")
LX_RESOURCESTRING(_LXShortcutXUsedByY, u"The shortcut %s is already used by %s.")
LX_RESOURCESTRING(_LXNoPrinter, u"No printer is installed.")
LX_RESOURCESTRING(_LXJoinXToY, u"Join %s to %s?")
LX_RESOURCESTRING(_LXLimitOfNConcordanceEntries, u"The limit of %.0n concordance entries has been reached.")
LX_RESOURCESTRING(_LXLimitOfNKeywordEntries, u"The limit of %.0n key word entries has been reached.")
LX_RESOURCESTRING(_LXNoConcordanceEntries, u"No concordance entries found.")
LX_RESOURCESTRING(_LXNoCorruptFiles, u"No corrupt files found.")
LX_RESOURCESTRING(_LXNoMatchListAction, u"No action has been chosen for the match list.")
LX_RESOURCESTRING(_LXNoLemmaList, u"No lemma list has been loaded.")
LX_RESOURCESTRING(_LXNoMatchList, u"No match list has been loaded.")
LX_RESOURCESTRING(_LXNoMatchTemplate, u"No match template has been chosen.")
LX_RESOURCESTRING(_LXInformationX, u"%s")
LX_RESOURCESTRING(_LXInformation, u"Information")
LX_RESOURCESTRING(_LXNoStopList, u"No stop list has been loaded.")
LX_RESOURCESTRING(_LXNoWordsInX, u"No words in %s")
LX_RESOURCESTRING(_LXXlsxNotRead, u"Spreadsheet (.xlsx) files cannot be read yet: save it as text first.")
LX_RESOURCESTRING(_LXNoNeedToMaximize, u"There is no need to maximize this window.")
LX_RESOURCESTRING(_LXXNotImplemented, u"%s is not available yet.")
LX_RESOURCESTRING(_LXXUnderMaintenance, u"%s is under maintenance.")
LX_RESOURCESTRING(_LXNoDetailedConsistencyOnX, u"Could not do a detailed consistency check on %s")
LX_RESOURCESTRING(_LXFailedToCreateX, u"Failed to create %s")
LX_RESOURCESTRING(_LXFailedToPrepareConversionOfX, u"Failed to prepare the conversion of %s")
LX_RESOURCESTRING(_LXKWsNeedOneLanguage,
                  u"Key words cannot be computed from lists in different languages (%s, %s).")
LX_RESOURCESTRING(_LXNoReferenceCorpus, u"No reference corpus has been chosen.")
LX_RESOURCESTRING(_LXNoChargrams, u"No character n-grams found.")
LX_RESOURCESTRING(_LXNoProblem, u"No problem found.")
LX_RESOURCESTRING(_LXNoKeyWordLinks, u"No key word links found.")
LX_RESOURCESTRING(_LXNoKeyWords, u"No key words found.")
LX_RESOURCESTRING(_LXAreYouSureToX, u"Are you sure you want to %s?")
LX_RESOURCESTRING(_LXCantFindOneOfTheFilesX, u"Cannot find one of the files: %s")
LX_RESOURCESTRING(_LXCantDeleteColumnX, u"The %s column cannot be deleted.")
LX_RESOURCESTRING(_LXCantEditColumnX, u"The %s column cannot be edited.")
LX_RESOURCESTRING(_LXCantFindAnyOfTheFiles, u"Cannot find any of the files.")
LX_RESOURCESTRING(_LXMINeedsIndex, u"Mutual information can only be computed from an index.")
LX_RESOURCESTRING(_LXSelectEntryToUnjoin, u"First select the entry to unjoin.")
LX_RESOURCESTRING(_LXConvertedSavedWithX, u"The converted texts are saved with the extension %s.")
LX_RESOURCESTRING(_LXXNeedsAnotherFont, u"%s has characters that need a different font.")
LX_RESOURCESTRING(_LXTwoNumbersAndComma, u"Type two numbers with a comma between them, e.g. 5,25")
LX_RESOURCESTRING(_LXOKToDeleteFolderX, u"OK to delete the folder %s and all it holds?")
LX_RESOURCESTRING(_LXOKToCreateFolderX, u"OK to create the folder %s?")
LX_RESOURCESTRING(_LXOKToSaveAgainAsX, u"OK to save again as %s?")
LX_RESOURCESTRING(_LXOKToSaveXInUnicode, u"OK to save %s in Unicode?")
LX_RESOURCESTRING(_LXOKToReplaceXWithNew, u"OK to replace %s with the new version?")
LX_RESOURCESTRING(_LXCantMergeXWithItself, u"%s cannot be merged with itself.")
LX_RESOURCESTRING(_LXCantSortOnContextWord, u"Cannot sort on the context word: none has been chosen.")
LX_RESOURCESTRING(_LXChooseLanguage, u"Choose a language first.")
LX_RESOURCESTRING(_LXConvertMixedToUnicode, u"The texts are in mixed formats. Convert them all to Unicode?")
LX_RESOURCESTRING(_LXCantPlayX, u"Cannot play %s")
LX_RESOURCESTRING(_LXNFilesLoaded, u"%.0n file(s) loaded")
LX_RESOURCESTRING(_LXNFilesSaved, u"%.0n file(s) saved")
LX_RESOURCESTRING(_LXProvideFilenameOrCancel, u"Type a file name, or press Cancel.")
LX_RESOURCESTRING(_LXStartAnotherX, u"%s is already running. Start another one?")
LX_RESOURCESTRING(_LXDoYouWantToSaveX, u"Do you want to save %s?")
LX_RESOURCESTRING(_LXCreateFolderX, u"The folder %s does not exist. Create it?")
LX_RESOURCESTRING(_LXNModifications, u"%.0n modification(s) made")
LX_RESOURCESTRING(_LXNOfNFilesOnDisk, u"%.0n of the %.0n files are present on disk")
LX_RESOURCESTRING(_LXNoFilesSelected, u"No files selected.")
LX_RESOURCESTRING(_LXNoColumnSelected, u"No column selected.")
LX_RESOURCESTRING(_LXNoConcordClustersOfN, u"No concordance clusters of %d words found.")
LX_RESOURCESTRING(_LXNoClustersOfNInX, u"No clusters of %d words in %s")
LX_RESOURCESTRING(_LXNoMutualInfo, u"There is no mutual information data.")
LX_RESOURCESTRING(_LXIndexNameNeeded, u"An index file name is needed.")
LX_RESOURCESTRING(_LXChangeFontsInSettings, u"Fonts, colours and the like are changed in the settings.")
LX_RESOURCESTRING(_LXCantCommunicateWithX, u"Cannot communicate with %s")
LX_RESOURCESTRING(_LXXIsntLexmillFile, u"%s isn't a Lexmill file.")
LX_RESOURCESTRING(_LXXIsOldLexmillFile, u"%s isn't a current Lexmill file: an older version made it.")
LX_RESOURCESTRING(_LXXWrongToolUseY, u"%s was made by %s: open it there.")
LX_RESOURCESTRING(_LXFailedToSaveX, u"Failed to save %s")
LX_RESOURCESTRING(_LXFailedToInstallX, u"Failed to install %s")
LX_RESOURCESTRING(_LXXIsOpenCloseIt, u"%s is open in another program: please close it.")
LX_RESOURCESTRING(_LXFailedToFindXInY, u"Failed to find %s in %s")
LX_RESOURCESTRING(_LXFailedToFindX, u"Failed to find %s")
LX_RESOURCESTRING(_LXFailedToFindSettingsX, u"Failed to find the settings file %s")
LX_RESOURCESTRING(_LXInsertBrackets, u"Put the alternatives in brackets first, e.g. (go/went).")
LX_RESOURCESTRING(_LXXNotWordAndFrequency, u"%s is not a word and a frequency")
LX_RESOURCESTRING(_LXStoppedWhenProcessingX, u"Stopped when processing %s")
LX_RESOURCESTRING(_LXFailedToReadX, u"Failed to read %s")
LX_RESOURCESTRING(_LXSourceIndexXNotMIIndexY,
                  u"The source index %s is not the index %s that the mutual information came from.")
LX_RESOURCESTRING(_LXTimeLineBasisUndefined, u"The time-line basis is not defined.")
LX_RESOURCESTRING(_LXUsingTempFileX, u"Using the temporary file %s")

using namespace catalogue_terms;

namespace {

const M mNoTextsChosenSoUseThese("NoTextsChosenSoUseThese",
                                 {&_LXYouHaveNTextFilesChosen, &_LXSoUseTheNThatXIsBasedOn}, C, mbsYesNoHelp,
                                 1310);
const M mSourceTextFileNotFound("SourceTextFileNotFound", {&_LXSourceTextNotFound}, W, mbsOKHelp, 4580);
const M mUseCustomSortForLanguage("UseCustomSortForLanguage", {&_LXUseCustomSortForX}, C, mbsYesNoHelp, 5520);
const M mLimitedRoomOnDProceed("LimitedRoomOnDProceed", {&_LXOnlyNMbSpaceLeftOnX}, W, 9, 0,
                               DefaultTo(mbCancel));
const M mModifySourceTexts("ModifySourceTexts", {&_LXModifySourceTexts}, C, mbsOKCancelHelp, 4920,
                           DefaultTo(mbCancel));
const M mModifySourceTextsForSet("ModifySourceTextsForSet", {&_LXModifySourceTextsForSet}, C, mbsYesNoHelp,
                                 4920, DefaultTo(mbNo));
const M mReduceDataOK("ReduceDataOK", {&_LXZapDataFromNToN, &_LXWontDeleteDataOnDisk}, C, mbsOKCancelHelp,
                      4720, DefaultTo(mbOK));
const M mJoinClusters("JoinClusters", {&_LXJoinX}, C, mbsCancelYesToAllHelp, 5270, DefaultTo(mbYesToAll));
const M mUnJoinAll("UnJoinAll", {&_LXUnjoinAllX}, C, mbsCancelYesToAllHelp, 2795, DefaultTo(mbYesToAll));
const M mDataPartlyObscured("DataPartlyObscured", {&_LXPurpleLinesTooWide, &_LXLayoutHint}, I, mbsOKHelp,
                            1320, {.TimeoutSeconds = 10, .WithDontShow = true, .Caption = &_LXColumnLayout});
const M mClipboardHasText("ClipboardHasText", {&_LXDataCanBePastedAsText}, I, mbsOKHelp, 1570,
                          {.TimeoutSeconds = 10, .WithDontShow = true, .Caption = &_LXClipboard});
const M mUseLayoutToMoveAnyColumns("UseLayoutToMoveAnyColumns", {&_LXUseXToY}, I, mbsOKHelp, 5850, kReminder);
const M mSavedOK("SavedOK", {&_LXSavedOK}, I, mbsOK, 0, kBrief);
const M mOKtoDelete("OKtoDelete", {&_LXOKToDeleteX}, C, mbsOKCancel, 0, DefaultTo(mbCancel));
const M mOKtoOverwriteWithBackupQ("OKtoOverwriteWithBackupQ", {&_LXOverwriteXWithBackup}, C, mbsYesNo, 0,
                                  DefaultTo(mbYes));
const M mOKtoOverwriteWithBackupQAll("OKtoOverwriteWithBackupQ/all", {&_LXOverwriteXWithBackup}, C,
                                     mbsYesNoCancelNoToAllYesToAll, 0, DefaultTo(mbYes));
const M mCantMakeClustersWithoutIndex("CantMakeClustersWithoutIndex",
                                      {&_LXClustersNeedIndex, &_LXMakeOrOpenIndexFirst}, I, mbsOKHelp, 2910);
const M mInvalidNumber("InvalidNumber", {&_LXXIsntAValidNumber}, W, mbsOKHelp, 3790);
const M mUnMatchedBracketInX("UnMatchedBracketInX", {&_LXUnmatchedBracketInX}, E, mbsOKHelp, 1270);
const M mFailedToRename("FailedToRename", {&_LXFailedToRenameXAsY}, I, mbsOKHelp, 3340);
const M mIncludeZipsToo("IncludeZipsToo", {&_LXIncludeZipFiles}, C, mbsYesNoHelp, 1780);

const M mAssumeTextFileXIsInUnicodeQ("AssumeTextFileXIsInUnicodeQ", {&_LXTreatXAsUnicode}, C, mbsYesNo, 0);
const M mNoPreferredLanguageButSetTo("NoPreferredLanguageButSetTo", {&_LXNoPreferredLanguageSetToX}, I, mbsOK,
                                     0);
const M mNoFontsAvailableForLanguage("NoFontsAvailableForLanguage", {&_LXNoFontForX}, W, mbsOK, 0);
const M mAskInstallerToSetUserReadWriteFolder("AskInstallerToSetUserReadWriteFolder",
                                              {&_LXNoReadWriteFolder, &_LXAskInstallerForFolder}, W, mbsOK,
                                              0);
const M mTextFileStatisticsNeededForX("TextFileStatisticsNeededForX", {&_LXStatisticsNeededForX}, I, mbsOK,
                                      0);
const M mChoosingTextFilesForOK("ChoosingTextFilesForOK", {&_LXChooseTextsThenOK}, I, mbsOK, 0);
const M mFirstChooseTexts("FirstChooseTexts", {&_LXFirstChooseTexts}, I, mbsOK, 0);
const M mWordlistTXTFilenameNeeded("WordlistTXTFilenameNeeded", {&_LXWordlistTxtNameNeeded}, W, mbsOK, 0);
const M mOutputFilenameNeeded("OutputFilenameNeeded", {&_LXOutputNameNeeded}, W, mbsOK, 0);
const M mProblemWithXOrStopPressed("ProblemWithXOrStopPressed", {&_LXProblemWithXOrStop}, W, mbsOK, 0);
const M mResultsAddedToNotes("ResultsAddedToNotes", {&_LXResultsInNotes}, I, mbsOK, 0, kReminder);
const M mResultsAreInTab("ResultsAreInTab", {&_LXResultsInTabX}, I, mbsOK, 0, kReminder);
const M mOKToHighlightCollocateInConcordance("OKToHighlightCollocateInConcordance", {&_LXHighlightCollocateX},
                                             C, mbsYesNo, 0);
const M mSuggestYouUpdateYourVersion("SuggestYouUpdateYourVersion", {&_LXUpdateVersionX}, I, mbsOK, 0,
                                     kReminder);
const M mCouldntSaveFileInFolder("CouldntSaveFileInFolder", {&_LXCouldntSaveXInY}, W, mbsOK, 0);
const M mFolderIsReadOnly("FolderIsReadOnly", {&_LXFolderXReadOnly}, W, mbsOK, 0);
const M mCantCompareWithSameFile("CantCompareWithSameFile", {&_LXCantCompareXWithItself}, W, mbsOK, 0);
const M mN_DuplicatesFound("N_DuplicatesFound", {&_LXNDuplicatesFound}, I, mbsOK, 0);
const M mModifySourceTextsForSearchWord("ModifySourceTextsForSearchWord", {&_LXModifySourceTextsForX}, C,
                                        mbsYesNoHelp, 4920, DefaultTo(mbNo));
const M mLimitOfKeywordLinksReached("LimitOfKeywordLinksReached", {&_LXLimitOfNKeywordLinks}, W, mbsOK, 0);
const M mDoYouWantToOpenBatchFileToMergeLists("DoYouWantToOpenBatchFileToMergeLists",
                                              {&_LXXIsABatchFile, &_LXOpenBatchToMerge}, C, mbsYesNo, 0);
const M mDoYouWantToOpenBatchFileToSeeIndividualLists("DoYouWantToOpenBatchFileToSeeIndividualLists",
                                                      {&_LXXIsABatchFile, &_LXOpenBatchToSeeEach}, C,
                                                      mbsYesNo, 0);
const M mCollocateAssociationNotComputed("CollocateAssociationNotComputed", {&_LXAssociationNotComputed}, I,
                                         mbsOK, 0);
const M mClosingAndRestarting("ClosingAndRestarting", {&_LXClosingAndRestarting}, I, mbsOK, 0, kBrief);
const M mOKToCloseNowForDownloadCheck("OKToCloseNowForDownloadCheck", {&_LXCloseForDownloadCheck}, C,
                                      mbsOKCancel, 0);
const M mRefCorpusAndKWMismatch("RefCorpusAndKWMismatch", {&_LXRefCorpusXKWY}, W, mbsOK, 0);
const M mChangeTagOpenMarks("ChangeTagOpenMarks", {&_LXChangeTagOpenMarks}, C, mbsYesNo, 0);
const M mClipboardHasPictureAndText("ClipboardHasPictureAndText", {&_LXDataCanBePastedAsPictureOrText}, I,
                                    mbsOKHelp, 1570,
                                    {.TimeoutSeconds = 10, .WithDontShow = true, .Caption = &_LXClipboard});
const M mClipboardHasPicture("ClipboardHasPicture", {&_LXDataCanBePastedAsPicture}, I, mbsOKHelp, 1570,
                             {.TimeoutSeconds = 10, .WithDontShow = true, .Caption = &_LXClipboard});
const M mOpenFileInBrowserOrNotepad("OpenFileInBrowserOrNotepad", {&_LXOpenXInBrowser, &_LXBrowserOrEditor},
                                    C, mbsYesNoCancel, 0);
const M mChangeLanguageFromXToY("ChangeLanguageFromXToY", {&_LXChangeLanguageFromXToY}, C, mbsYesNo, 0);
const M mChangeLanguageFrom("ChangeLanguageFrom", {&_LXChangeLanguageFromX}, C, mbsYesNo, 0);
const M mClearLogFile("ClearLogFile", {&_LXClearLogFile}, C, mbsYesNo, 0, DefaultTo(mbNo));
const M mCopyIniAndOtherFilesToo("CopyIniAndOtherFilesToo", {&_LXCopySettingsToo}, C, mbsYesNo, 0);
const M mFileHasHolesSoSkipIt("FileHasHolesSoSkipIt", {&_LXXHasHoles}, W, mbsYesNo, 0);
const M mFileIsEmpty("FileIsEmpty", {&_LXXIsEmpty}, W, mbsOK, 0);
const M mFNameChooseNewOrBatch("FNameChooseNewOrBatch", {&_LXXExistsNewOrBatch, &_LXNewNameOrBatch}, C,
                               mbsYesNoCancel, 0);
const M mMediaLookupTableNotFound("MediaLookupTableNotFound", {&_LXMediaTableXNotFound}, W, mbsOK, 0);
const M mMediaStartOfFilenameUndefined("MediaStartOfFilenameUndefined", {&_LXMediaStartUndefined}, W, mbsOK,
                                       0);
const M mMenuShortcutAlreadyInUse("MenuShortcutAlreadyInUse", {&_LXShortcutXUsedByY}, W, mbsOK, 0);
const M mNoPrinterInstalled("NoPrinterInstalled", {&_LXNoPrinter}, W, mbsOK, 0);
const M mJoinXtoY("JoinXtoY", {&_LXJoinXToY}, C, mbsYesNo, 0);
const M mLimitOfConcordanceEntriesReached("LimitOfConcordanceEntriesReached",
                                          {&_LXLimitOfNConcordanceEntries}, W, mbsOK, 0);
const M mLimitOfKeywordEntriesReached("LimitOfKeywordEntriesReached", {&_LXLimitOfNKeywordEntries}, W, mbsOK,
                                      0);
const M mNoConcordanceEntriesFound("NoConcordanceEntriesFound", {&_LXNoConcordanceEntries}, I, mbsOK, 0);
const M mNoCorruptFilesFound("NoCorruptFilesFound", {&_LXNoCorruptFiles}, I, mbsOK, 0);
const M mNoMatchListAction("NoMatchListAction", {&_LXNoMatchListAction}, W, mbsOK, 0);
const M mNoLemmaList("NoLemmaList", {&_LXNoLemmaList}, W, mbsOK, 0);
const M mNoMatchList("NoMatchList", {&_LXNoMatchList}, W, mbsOK, 0);
const M mNoMatchTemplate("NoMatchTemplate", {&_LXNoMatchTemplate}, W, mbsOK, 0);
const M mInformationMessage("InformationMessage", {&_LXInformationX}, I, mbsOK, 0,
                            {.Caption = &_LXInformation});
const M mNoStopList("NoStopList", {&_LXNoStopList}, W, mbsOK, 0);
const M mNoWordsIn("NoWordsIn", {&_LXNoWordsInX}, W, mbsOK, 0);
const M mXLSXReadNotImplemented("XLSXReadNotImplemented", {&_LXXlsxNotRead}, I, mbsOK, 0);
const M mNoNeedToMaximize("NoNeedToMaximize", {&_LXNoNeedToMaximize}, I, mbsOK, 0, kReminder);
const M mNotImplemented("NotImplemented", {&_LXXNotImplemented}, I, mbsOK, 0);
const M mUnderMaintenance("UnderMaintenance", {&_LXXUnderMaintenance}, I, mbsOK, 0);
const M mCouldntDoDetailedConsistencyOn("CouldntDoDetailedConsistencyOn", {&_LXNoDetailedConsistencyOnX}, W,
                                        mbsOK, 0);
const M mFailedToCreateFileOrFolder("FailedToCreateFileOrFolder", {&_LXFailedToCreateX}, W, mbsOK, 0);
const M mFailedToPrepareTextConversion("FailedToPrepareTextConversion", {&_LXFailedToPrepareConversionOfX}, W,
                                       mbsOK, 0);
const M mCantComputeKWSIfDifferentLanguages("CantComputeKWSIfDifferentLanguages", {&_LXKWsNeedOneLanguage}, W,
                                            mbsOK, 0);
const M mNoReferenceCorpus("NoReferenceCorpus", {&_LXNoReferenceCorpus}, W, mbsOK, 0);
const M mNoChargramsFound("NoChargramsFound", {&_LXNoChargrams}, I, mbsOK, 0);
const M mNoProblem("NoProblem", {&_LXNoProblem}, I, mbsOK, 0, kBrief);
const M mNoKeyWordLinksFound("NoKeyWordLinksFound", {&_LXNoKeyWordLinks}, I, mbsOK, 0);
const M mNoKeyWordsFound("NoKeyWordsFound", {&_LXNoKeyWords}, I, mbsOK, 0);
const M mAreYouSureYouWantTo("AreYouSureYouWantTo", {&_LXAreYouSureToX}, C, mbsYesNo, 0, DefaultTo(mbNo));
const M mCantFindOneOfTheFiles("CantFindOneOfTheFiles", {&_LXCantFindOneOfTheFilesX}, W, mbsOK, 0);
const M mCantDeleteThisColumnOfData("CantDeleteThisColumnOfData", {&_LXCantDeleteColumnX}, W, mbsOK, 0);
const M mCantEditThisColumnOfData("CantEditThisColumnOfData", {&_LXCantEditColumnX}, W, mbsOK, 0);
const M mCantFindAnyOfTheFiles("CantFindAnyOfTheFiles", {&_LXCantFindAnyOfTheFiles}, W, mbsOK, 0);
const M mCantComputeMIWithoutIndex("CantComputeMIWithoutIndex", {&_LXMINeedsIndex, &_LXMakeOrOpenIndexFirst},
                                   I, mbsOK, 0);
const M mMustSelectUnjoinEntry("MustSelectUnjoinEntry", {&_LXSelectEntryToUnjoin}, W, mbsOK, 0);
const M mConvertedTextsSavedWithConvertedExt("ConvertedTextsSavedWithConvertedExt", {&_LXConvertedSavedWithX},
                                             I, mbsOK, 0, kReminder);
const M mTextHasCharactersNeedingDifferentFont("TextHasCharactersNeedingDifferentFont",
                                               {&_LXXNeedsAnotherFont}, I, mbsOK, 0, kReminder);
const M mTwoNumbersAndComma("TwoNumbersAndComma", {&_LXTwoNumbersAndComma}, W, mbsOK, 0);
const M mOKtoDeleteDir("OKtoDeleteDir", {&_LXOKToDeleteFolderX}, C, mbsOKCancel, 0, DefaultTo(mbCancel));
const M mOKtoCreateDir("OKtoCreateDir", {&_LXOKToCreateFolderX}, C, mbsOKCancel, 0);
const M mOKtoSaveAgainAs("OKtoSaveAgainAs", {&_LXOKToSaveAgainAsX}, C, mbsOKCancel, 0);
const M mOKtoSaveXInUnicode("OKtoSaveXInUnicode", {&_LXOKToSaveXInUnicode}, C, mbsOKCancel, 0);
const M mOKtoReplaceWithNewVersion("OKtoReplaceWithNewVersion", {&_LXOKToReplaceXWithNew}, C, mbsOKCancel, 0);
const M mCantMergeWithSameFile("CantMergeWithSameFile", {&_LXCantMergeXWithItself}, W, mbsOK, 0);
const M mCantSortOnContextWord("CantSortOnContextWord", {&_LXCantSortOnContextWord}, W, mbsOK, 0);
const M mChooseLanguage("ChooseLanguage", {&_LXChooseLanguage}, I, mbsOK, 0);
const M mConvertMixedFormatsToUNicode("ConvertMixedFormatsToUNicode", {&_LXConvertMixedToUnicode}, C,
                                      mbsYesNo, 0);
const M mCantPlayMedia("CantPlayMedia", {&_LXCantPlayX}, W, mbsOK, 0);
const M mNFilesLoaded("NFilesLoaded", {&_LXNFilesLoaded}, I, mbsOK, 0, kBrief);
const M mNFilesSaved("NFilesSaved", {&_LXNFilesSaved}, I, mbsOK, 0, kBrief);
const M mProvideAFilenameOrCancel("ProvideAFilenameOrCancel", {&_LXProvideFilenameOrCancel}, W, mbsOKCancel,
                                  0);
const M mStartNewToolInstance("StartNewToolInstance", {&_LXStartAnotherX}, C, mbsYesNo, 0, DefaultTo(mbNo));
const M mDoYouWantToSave("DoYouWantToSave", {&_LXDoYouWantToSaveX}, C, mbsYesNoCancel, 0);
const M mCreateFolderYesNo("CreateFolderYesNo", {&_LXCreateFolderX}, C, mbsYesNo, 0);
const M mNModificationsMade("NModificationsMade", {&_LXNModifications}, I, mbsOK, 0);
const M mNFilesPresentOnDisk("NFilesPresentOnDisk", {&_LXNOfNFilesOnDisk}, I, mbsOK, 0);
const M mNoFilesSelected("NoFilesSelected", {&_LXNoFilesSelected}, W, mbsOK, 0);
const M mNoColumnSelected("NoColumnSelected", {&_LXNoColumnSelected}, W, mbsOK, 0);
const M mNoConcordClustersOfSize("NoConcordClustersOfSize", {&_LXNoConcordClustersOfN}, I, mbsOK, 0);
const M mNoClustersOfSizeIn("NoClustersOfSizeIn", {&_LXNoClustersOfNInX}, I, mbsOK, 0);
const M mNoMutualInfoData("NoMutualInfoData", {&_LXNoMutualInfo}, I, mbsOK, 0);
const M mIndexFilenameNeeded("IndexFilenameNeeded", {&_LXIndexNameNeeded}, W, mbsOK, 0);
const M mChangeFontsColoursEtc("ChangeFontsColoursEtc", {&_LXChangeFontsInSettings}, I, mbsOK, 0, kReminder);
const M mCantCommunicateWith("CantCommunicateWith", {&_LXCantCommunicateWithX}, W, mbsOK, 0);
const M mIsntLexmillFile("IsntLexmillFile", {&_LXXIsntLexmillFile}, W, mbsOK, 0);
const M mIsntACurrentLexmillFile("IsntACurrentLexmillFile", {&_LXXIsOldLexmillFile}, W, mbsOK, 0);
const M mWrongToolForFile("WrongToolForFile", {&_LXXWrongToolUseY}, W, mbsOK, 0);
const M mFailedToSave("FailedToSave", {&_LXFailedToSaveX}, W, mbsOK, 0);
const M mFailedToInstall("FailedToInstall", {&_LXFailedToInstallX}, W, mbsOK, 0);
const M mFileIsOpenPleaseCloseIt("FileIsOpenPleaseCloseIt", {&_LXXIsOpenCloseIt}, W, mbsOK, 0);
const M mFailedToFindX("FailedToFindX", {&_LXFailedToFindXInY}, W, mbsOK, 0);
const M mFailedToFind("FailedToFind", {&_LXFailedToFindX}, W, mbsOK, 0);
const M mFailedToFindIni("FailedToFindIni", {&_LXFailedToFindSettingsX}, W, mbsOK, 0);
const M mInsertBrackets("InsertBrackets", {&_LXInsertBrackets}, I, mbsOK, 0);
const M mInvalidWordAndFrequency("InvalidWordAndFrequency", {&_LXXNotWordAndFrequency}, W, mbsOK, 0);
const M mStoppedWhenProcessingX("StoppedWhenProcessingX", {&_LXStoppedWhenProcessingX}, I, mbsOK, 0);
const M mFailedToRead("FailedToRead", {&_LXFailedToReadX}, W, mbsOK, 0);
const M mSourceIndexDifferentFromMutualIndex("SourceIndexDifferentFromMutualIndex",
                                             {&_LXSourceIndexXNotMIIndexY}, W, mbsOK, 0);
const M mUndefinedTimeLineBasis("UndefinedTimeLineBasis", {&_LXTimeLineBasisUndefined}, W, mbsOK, 0);
const M mUsingTempFile("UsingTempFile", {&_LXUsingTempFileX}, I, mbsOK, 0, kBrief);

}  // namespace

bool NoTextsChosenSoUseThese(const TForm* f, int32_t chosen, int32_t basedOn, const UnicodeString& what) {
  return Ask(f, mNoTextsChosenSoUseThese, {N(chosen), N(basedOn), what});
}
void SourceTextFileNotFound(const TForm* f) {
  Show(f, mSourceTextFileNotFound);
}
bool UseCustomSortForLanguage(const TForm* f, const UnicodeString& language) {
  return Ask(f, mUseCustomSortForLanguage, {language});
}
TModalResult LimitedRoomOnDProceed(const TForm* f, int32_t megabytes, const UnicodeString& drive) {
  return Show(f, mLimitedRoomOnDProceed, {megabytes, drive});
}
bool ModifySourceTexts(const TForm* f) {
  return Ask(f, mModifySourceTexts);
}
bool ModifySourceTextsForSet(const TForm* f) {
  return Ask(f, mModifySourceTextsForSet);
}
TModalResult ReduceDataOK(const TForm* f, int64_t from, int64_t to, const UnicodeString& what) {
  return Show(f, mReduceDataOK, {N(from), N(to), what});
}
TModalResult JoinClusters(const TForm* f) {
  return Show(f, mJoinClusters, {_LXClusters.Text()});
}
TModalResult UnJoinAll(const TForm* f) {
  return Show(f, mUnJoinAll, {_LXEntries.Text()});
}
void DataPartlyObscured(const TForm* f) {
  Show(f, mDataPartlyObscured);
}
void ClipboardHasText(const TForm* f) {
  Show(f, mClipboardHasText);
}
void UseLayoutToMoveAnyColumns(const TForm* f) {
  Show(f, mUseLayoutToMoveAnyColumns, {_LXTheLayoutMenuOption.Text(), _LXMoveColumns.Text()});
}
void SavedOK(const TForm* f) {
  Show(f, mSavedOK);
}
bool OKtoDelete(const TForm* f, const UnicodeString& name, bool isFolder) {
  return Ask(f, mOKtoDelete, {isFolder ? name + _LXAndAllSubFolders.Text() : name});
}
bool OKtoOverwriteWithBackupQ(const TForm* f, const UnicodeString& name) {
  return Ask(f, mOKtoOverwriteWithBackupQ, {name});
}
TModalResult OKtoOverwriteWithBackupQ(const TForm* f, const UnicodeString& name, bool offerAll) {
  return Show(f, offerAll ? mOKtoOverwriteWithBackupQAll : mOKtoOverwriteWithBackupQ, {name});
}
void CantMakeClustersWithoutIndex(const TForm* f) {
  Show(f, mCantMakeClustersWithoutIndex);
}
void InvalidNumber(const TForm* f, const UnicodeString& text) {
  Show(f, mInvalidNumber, {text});
}
void UnMatchedBracketInX(const TForm* f, const UnicodeString& text) {
  Show(f, mUnMatchedBracketInX, {text});
}
void FailedToRename(const TForm* f, const UnicodeString& from, const UnicodeString& to) {
  Show(f, mFailedToRename, {from, to});
}
bool IncludeZipsToo(const TForm* f) {
  return Ask(f, mIncludeZipsToo);
}

bool AssumeTextFileXIsInUnicodeQ(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mAssumeTextFileXIsInUnicodeQ, {fileName});
}
void NoPreferredLanguageButSetTo(const TForm* f, const UnicodeString& language) {
  Show(f, mNoPreferredLanguageButSetTo, {language});
}
void NoFontsAvailableForLanguage(const TForm* f, const UnicodeString& language) {
  Show(f, mNoFontsAvailableForLanguage, {language});
}
void AskInstallerToSetUserReadWriteFolder(const TForm* f) {
  Show(f, mAskInstallerToSetUserReadWriteFolder);
}
void TextFileStatisticsNeededForX(const TForm* f, const UnicodeString& what) {
  Show(f, mTextFileStatisticsNeededForX, {what});
}
void ChoosingTextFilesForOK(const TForm* f) {
  Show(f, mChoosingTextFilesForOK);
}
void FirstChooseTexts(const TForm* f) {
  Show(f, mFirstChooseTexts);
}
void WordlistTXTFilenameNeeded(const TForm* f) {
  Show(f, mWordlistTXTFilenameNeeded);
}
void OutputFilenameNeeded(const TForm* f) {
  Show(f, mOutputFilenameNeeded);
}
void ProblemWithXOrStopPressed(const TForm* f, const UnicodeString& what) {
  Show(f, mProblemWithXOrStopPressed, {what});
}
void ResultsAddedToNotes(const TForm* f) {
  Show(f, mResultsAddedToNotes);
}
void ResultsAreInTab(const TForm* f, const UnicodeString& tab) {
  Show(f, mResultsAreInTab, {tab});
}
bool OKToHighlightCollocateInConcordance(const TForm* f, const UnicodeString& collocate) {
  return Ask(f, mOKToHighlightCollocateInConcordance, {collocate});
}
void SuggestYouUpdateYourVersion(const TForm* f, const UnicodeString& version) {
  Show(f, mSuggestYouUpdateYourVersion, {version});
}
void CouldntSaveFileInFolder(const TForm* f, const UnicodeString& fileName, const UnicodeString& folder) {
  Show(f, mCouldntSaveFileInFolder, {fileName, folder});
}
void FolderIsReadOnly(const TForm* f, const UnicodeString& folder) {
  Show(f, mFolderIsReadOnly, {folder});
}
void CantCompareWithSameFile(const TForm* f, const UnicodeString& fileName) {
  Show(f, mCantCompareWithSameFile, {fileName});
}
void N_DuplicatesFound(const TForm* f, int64_t n) {
  Show(f, mN_DuplicatesFound, {N(n)});
}
bool ModifySourceTextsForSearchWord(const TForm* f, const UnicodeString& searchWord) {
  return Ask(f, mModifySourceTextsForSearchWord, {searchWord});
}
void LimitOfKeywordLinksReached(const TForm* f, int64_t limit) {
  Show(f, mLimitOfKeywordLinksReached, {N(limit)});
}
bool DoYouWantToOpenBatchFileToMergeLists(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mDoYouWantToOpenBatchFileToMergeLists, {fileName});
}
bool DoYouWantToOpenBatchFileToSeeIndividualLists(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mDoYouWantToOpenBatchFileToSeeIndividualLists, {fileName});
}
void CollocateAssociationNotComputed(const TForm* f) {
  Show(f, mCollocateAssociationNotComputed);
}
void ClosingAndRestarting(const TForm* f) {
  Show(f, mClosingAndRestarting);
}
bool OKToCloseNowForDownloadCheck(const TForm* f) {
  return Ask(f, mOKToCloseNowForDownloadCheck);
}
void RefCorpusAndKWMismatch(const TForm* f, const UnicodeString& reference, const UnicodeString& keyWords) {
  Show(f, mRefCorpusAndKWMismatch, {reference, keyWords});
}
bool ChangeTagOpenMarks(const TForm* f, const UnicodeString& from, const UnicodeString& to) {
  return Ask(f, mChangeTagOpenMarks, {from, to});
}
void ClipboardHasPictureAndText(const TForm* f) {
  Show(f, mClipboardHasPictureAndText);
}
void ClipboardHasPicture(const TForm* f) {
  Show(f, mClipboardHasPicture);
}
TModalResult OpenFileInBrowserOrNotepad(const TForm* f, const UnicodeString& fileName) {
  return Show(f, mOpenFileInBrowserOrNotepad, {fileName});
}
bool ChangeLanguageFromXToY(const TForm* f, const UnicodeString& from, const UnicodeString& to) {
  return Ask(f, mChangeLanguageFromXToY, {from, to});
}
bool ChangeLanguageFrom(const TForm* f, const UnicodeString& from) {
  return Ask(f, mChangeLanguageFrom, {from});
}
bool ClearLogFile(const TForm* f) {
  return Ask(f, mClearLogFile);
}
bool CopyIniAndOtherFilesToo(const TForm* f) {
  return Ask(f, mCopyIniAndOtherFilesToo);
}
bool FileHasHolesSoSkipIt(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mFileHasHolesSoSkipIt, {fileName});
}
void FileIsEmpty(const TForm* f, const UnicodeString& fileName) {
  Show(f, mFileIsEmpty, {fileName});
}
TModalResult FNameChooseNewOrBatch(const TForm* f, const UnicodeString& fileName) {
  return Show(f, mFNameChooseNewOrBatch, {fileName});
}
void MediaLookupTableNotFound(const TForm* f, const UnicodeString& fileName) {
  Show(f, mMediaLookupTableNotFound, {fileName});
}
void MediaStartOfFilenameUndefined(const TForm* f) {
  Show(f, mMediaStartOfFilenameUndefined);
}
void MenuShortcutAlreadyInUse(const TForm* f, const UnicodeString& shortcut, const UnicodeString& usedBy) {
  Show(f, mMenuShortcutAlreadyInUse, {shortcut, usedBy});
}
void NoPrinterInstalled(const TForm* f) {
  Show(f, mNoPrinterInstalled);
}
bool JoinXtoY(const TForm* f, const UnicodeString& x, const UnicodeString& y) {
  return Ask(f, mJoinXtoY, {x, y});
}
void LimitOfConcordanceEntriesReached(const TForm* f, int64_t limit) {
  Show(f, mLimitOfConcordanceEntriesReached, {N(limit)});
}
void LimitOfKeywordEntriesReached(const TForm* f, int64_t limit) {
  Show(f, mLimitOfKeywordEntriesReached, {N(limit)});
}
void NoConcordanceEntriesFound(const TForm* f) {
  Show(f, mNoConcordanceEntriesFound);
}
void NoCorruptFilesFound(const TForm* f) {
  Show(f, mNoCorruptFilesFound);
}
void NoMatchListAction(const TForm* f) {
  Show(f, mNoMatchListAction);
}
void NoLemmaList(const TForm* f) {
  Show(f, mNoLemmaList);
}
void NoMatchList(const TForm* f) {
  Show(f, mNoMatchList);
}
void NoMatchTemplate(const TForm* f) {
  Show(f, mNoMatchTemplate);
}
void InformationMessage(const TForm* f, const UnicodeString& text) {
  Show(f, mInformationMessage, {text});
}
void NoStopList(const TForm* f) {
  Show(f, mNoStopList);
}
void NoWordsIn(const TForm* f, const UnicodeString& fileName) {
  Show(f, mNoWordsIn, {fileName});
}
void XLSXReadNotImplemented(const TForm* f) {
  Show(f, mXLSXReadNotImplemented);
}
void NoNeedToMaximize(const TForm* f) {
  Show(f, mNoNeedToMaximize);
}
void NotImplemented(const TForm* f, const UnicodeString& what) {
  Show(f, mNotImplemented, {what});
}
void UnderMaintenance(const TForm* f, const UnicodeString& what) {
  Show(f, mUnderMaintenance, {what});
}
void CouldntDoDetailedConsistencyOn(const TForm* f, const UnicodeString& fileName) {
  Show(f, mCouldntDoDetailedConsistencyOn, {fileName});
}
void FailedToCreateFileOrFolder(const TForm* f, const UnicodeString& name) {
  Show(f, mFailedToCreateFileOrFolder, {name});
}
void FailedToPrepareTextConversion(const TForm* f, const UnicodeString& fileName) {
  Show(f, mFailedToPrepareTextConversion, {fileName});
}
void CantComputeKWSIfDifferentLanguages(const TForm* f, const UnicodeString& language,
                                        const UnicodeString& reference) {
  Show(f, mCantComputeKWSIfDifferentLanguages, {language, reference});
}
void NoReferenceCorpus(const TForm* f) {
  Show(f, mNoReferenceCorpus);
}
void NoChargramsFound(const TForm* f) {
  Show(f, mNoChargramsFound);
}
void NoProblem(const TForm* f) {
  Show(f, mNoProblem);
}
void NoKeyWordLinksFound(const TForm* f) {
  Show(f, mNoKeyWordLinksFound);
}
void NoKeyWordsFound(const TForm* f) {
  Show(f, mNoKeyWordsFound);
}
bool AreYouSureYouWantTo(const TForm* f, const UnicodeString& what) {
  return Ask(f, mAreYouSureYouWantTo, {what});
}
void CantFindOneOfTheFiles(const TForm* f, const UnicodeString& fileName) {
  Show(f, mCantFindOneOfTheFiles, {fileName});
}
void CantDeleteThisColumnOfData(const TForm* f, const UnicodeString& column) {
  Show(f, mCantDeleteThisColumnOfData, {column});
}
void CantEditThisColumnOfData(const TForm* f, const UnicodeString& column) {
  Show(f, mCantEditThisColumnOfData, {column});
}
void CantFindAnyOfTheFiles(const TForm* f) {
  Show(f, mCantFindAnyOfTheFiles);
}
void CantComputeMIWithoutIndex(const TForm* f) {
  Show(f, mCantComputeMIWithoutIndex);
}
void MustSelectUnjoinEntry(const TForm* f) {
  Show(f, mMustSelectUnjoinEntry);
}
void ConvertedTextsSavedWithConvertedExt(const TForm* f, const UnicodeString& extension) {
  Show(f, mConvertedTextsSavedWithConvertedExt, {extension});
}
void TextHasCharactersNeedingDifferentFont(const TForm* f, const UnicodeString& fileName) {
  Show(f, mTextHasCharactersNeedingDifferentFont, {fileName});
}
void TwoNumbersAndComma(const TForm* f) {
  Show(f, mTwoNumbersAndComma);
}
bool OKtoDeleteDir(const TForm* f, const UnicodeString& folder) {
  return Ask(f, mOKtoDeleteDir, {folder});
}
bool OKtoCreateDir(const TForm* f, const UnicodeString& folder) {
  return Ask(f, mOKtoCreateDir, {folder});
}
bool OKtoSaveAgainAs(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mOKtoSaveAgainAs, {fileName});
}
bool OKtoSaveXInUnicode(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mOKtoSaveXInUnicode, {fileName});
}
bool OKtoReplaceWithNewVersion(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mOKtoReplaceWithNewVersion, {fileName});
}
void CantMergeWithSameFile(const TForm* f, const UnicodeString& fileName) {
  Show(f, mCantMergeWithSameFile, {fileName});
}
void CantSortOnContextWord(const TForm* f) {
  Show(f, mCantSortOnContextWord);
}
void ChooseLanguage(const TForm* f) {
  Show(f, mChooseLanguage);
}
bool ConvertMixedFormatsToUNicode(const TForm* f) {
  return Ask(f, mConvertMixedFormatsToUNicode);
}
void CantPlayMedia(const TForm* f, const UnicodeString& fileName) {
  Show(f, mCantPlayMedia, {fileName});
}
void NFilesLoaded(const TForm* f, int64_t n) {
  Show(f, mNFilesLoaded, {N(n)});
}
void NFilesSaved(const TForm* f, int64_t n) {
  Show(f, mNFilesSaved, {N(n)});
}
bool ProvideAFilenameOrCancel(const TForm* f) {
  return Ask(f, mProvideAFilenameOrCancel);
}
bool StartNewToolInstance(const TForm* f, const UnicodeString& tool) {
  return Ask(f, mStartNewToolInstance, {tool});
}
TModalResult DoYouWantToSave(const TForm* f, const UnicodeString& what) {
  return Show(f, mDoYouWantToSave, {what});
}
bool CreateFolderYesNo(const TForm* f, const UnicodeString& folder) {
  return Ask(f, mCreateFolderYesNo, {folder});
}
void NModificationsMade(const TForm* f, int64_t n) {
  Show(f, mNModificationsMade, {N(n)});
}
void NFilesPresentOnDisk(const TForm* f, int64_t present, int64_t total) {
  Show(f, mNFilesPresentOnDisk, {N(present), N(total)});
}
void NoFilesSelected(const TForm* f) {
  Show(f, mNoFilesSelected);
}
void NoColumnSelected(const TForm* f) {
  Show(f, mNoColumnSelected);
}
void NoConcordClustersOfSize(const TForm* f, int32_t size) {
  Show(f, mNoConcordClustersOfSize, {size});
}
void NoClustersOfSizeIn(const TForm* f, int32_t size, const UnicodeString& fileName) {
  Show(f, mNoClustersOfSizeIn, {size, fileName});
}
void NoMutualInfoData(const TForm* f) {
  Show(f, mNoMutualInfoData);
}
void IndexFilenameNeeded(const TForm* f) {
  Show(f, mIndexFilenameNeeded);
}
void ChangeFontsColoursEtc(const TForm* f) {
  Show(f, mChangeFontsColoursEtc);
}
void CantCommunicateWith(const TForm* f, const UnicodeString& what) {
  Show(f, mCantCommunicateWith, {what});
}
void IsntLexmillFile(const TForm* f, const UnicodeString& fileName) {
  Show(f, mIsntLexmillFile, {fileName});
}
void IsntACurrentLexmillFile(const TForm* f, const UnicodeString& fileName) {
  Show(f, mIsntACurrentLexmillFile, {fileName});
}
void WrongToolForFile(const TForm* f, const UnicodeString& fileName, const UnicodeString& tool) {
  Show(f, mWrongToolForFile, {fileName, tool});
}
void FailedToSave(const TForm* f, const UnicodeString& fileName) {
  Show(f, mFailedToSave, {fileName});
}
void FailedToInstall(const TForm* f, const UnicodeString& what) {
  Show(f, mFailedToInstall, {what});
}
void FileIsOpenPleaseCloseIt(const TForm* f, const UnicodeString& fileName) {
  Show(f, mFileIsOpenPleaseCloseIt, {fileName});
}
void FailedToFindX(const TForm* f, const UnicodeString& what, const UnicodeString& where) {
  Show(f, mFailedToFindX, {what, where});
}
void FailedToFind(const TForm* f, const UnicodeString& what) {
  Show(f, mFailedToFind, {what});
}
void FailedToFindIni(const TForm* f, const UnicodeString& fileName) {
  Show(f, mFailedToFindIni, {fileName});
}
void InsertBrackets(const TForm* f) {
  Show(f, mInsertBrackets);
}
void InvalidWordAndFrequency(const TForm* f, const UnicodeString& line) {
  Show(f, mInvalidWordAndFrequency, {line});
}
void StoppedWhenProcessingX(const TForm* f, const UnicodeString& what) {
  Show(f, mStoppedWhenProcessingX, {what});
}
void FailedToRead(const TForm* f, const UnicodeString& fileName) {
  Show(f, mFailedToRead, {fileName});
}
void SourceIndexDifferentFromMutualIndex(const TForm* f, const UnicodeString& source,
                                         const UnicodeString& mutual) {
  Show(f, mSourceIndexDifferentFromMutualIndex, {source, mutual});
}
void UndefinedTimeLineBasis(const TForm* f) {
  Show(f, mUndefinedTimeLineBasis);
}
void UsingTempFile(const TForm* f, const UnicodeString& fileName) {
  Show(f, mUsingTempFile, {fileName});
}

}  // namespace lx
