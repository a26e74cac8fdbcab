#include "lexlists/services/lexmill_error_dlgs_3.h"

#include "lexstats/services/lexmill_dlg_catalogue.h"
#include "lexstats/services/lexmill_error_dlgs_1.h"

namespace lx {

LX_RESOURCESTRING(_LXConcgramDetailsNeedWords,
                  u"To see the details of a concgram, first get its words into the list box.")
LX_RESOURCESTRING(_LXIncludeX, u"Include %s?")
LX_RESOURCESTRING(_LXNetworkIsSlow, u"Be aware that working with files over the network is slow.")
LX_RESOURCESTRING(_LXReferenceXTooShort, u"The reference text %s is too short (%.0n words).")
LX_RESOURCESTRING(_LXViewItNow, u"View it now?")
LX_RESOURCESTRING(_LXOpenItNow, u"Open it now?")
LX_RESOURCESTRING(_LXCannotWriteToFolderX, u"Cannot write to the folder %s")
LX_RESOURCESTRING(_LXConvertingInPlaceUnsafe,
                  u"Converting the texts in place changes the originals: keep a copy first.")
LX_RESOURCESTRING(_LXGoOn, u"Go on?")
LX_RESOURCESTRING(_LXPdfRtfUnreliable,
                  u"Converting PDF and RTF files to plain text is not always reliable: check the results.")
LX_RESOURCESTRING(_LXFailedToImportX, u"Failed to import %s")
LX_RESOURCESTRING(_LXXDoesNotApply, u"%s does not apply here.")
LX_RESOURCESTRING(_LXCheckSettingsForX, u"Please check the settings for %s.")
LX_RESOURCESTRING(_LXLoadTagsFirst, u"Please load a tag file first.")
LX_RESOURCESTRING(_LXChooseWhatXDoes, u"Please choose what %s should do.")
LX_RESOURCESTRING(_LXTreatTagsAsPrefixInX, u"Treat the tags as prefixes in %s?")
LX_RESOURCESTRING(_LXMediaPlayerTooOld,
                  u"The media player installed (version %s) cannot play this: a newer version is needed.")
LX_RESOURCESTRING(_LXPhraseFramesJoined, u"These phrase frames look as if they have been joined already.")
LX_RESOURCESTRING(_LXWordsUnderXPercentIgnored,
                  u"Words not present in at least %.1n%% of the text files are ignored.")
LX_RESOURCESTRING(_LXVersionXAvailable, u"A more up-to-date version (%s) is available.")
LX_RESOURCESTRING(_LXDownloadNow, u"Download it now?")
LX_RESOURCESTRING(_LXProcessingNRelatedClusters, u"Processing %.0n related clusters")
LX_RESOURCESTRING(_LXIsXTheTalkLanguage, u"Is %s the language of the talk?")
LX_RESOURCESTRING(_LXStoplistingAsYouGoIsSlow, u"Be aware that applying the stop list as you go is slow.")
LX_RESOURCESTRING(_LXAdminRightsForX, u"You may need administrator rights for %s.")
LX_RESOURCESTRING(_LXAddLanguages, u"You may need to add languages in the language settings.")
LX_RESOURCESTRING(_LXNFilesDeleted, u"%.0n file(s) deleted")
LX_RESOURCESTRING(_LXNFilesCopiedOrMoved, u"%.0n file(s) copied or moved")
LX_RESOURCESTRING(_LXAllCopiedOrMoved, u"All the files have been copied or moved.")
LX_RESOURCESTRING(_LXCannotEncryptOriginals,
                  u"The original texts cannot be encrypted: encrypt copies of them.")
LX_RESOURCESTRING(_LXSameColours, u"The text and its background cannot have the same colour.")
LX_RESOURCESTRING(_LXNoEncryptionKey, u"Nothing can be encrypted until an encryption key is given.")
LX_RESOURCESTRING(_LXNoParagraphMarker, u"Line feeds cannot be replaced until a paragraph marker is defined.")
LX_RESOURCESTRING(_LXChooseCharacterNumber, u"Choose a character number.")
LX_RESOURCESTRING(_LXClearTheSearch, u"Clear the search?")
LX_RESOURCESTRING(_LXXIsUnicodeShowIt, u"%s is in Unicode. Show it as Unicode?")
LX_RESOURCESTRING(_LXNamesXAndYMismatch, u"The file names %s and %s do not match. Correct them?")
LX_RESOURCESTRING(_LXNTextFilesConverted, u"%.0n text file(s) converted")
LX_RESOURCESTRING(_LXConvertWhateverExtension, u"Convert to plain text whatever the file extension?")
LX_RESOURCESTRING(_LXMoreLikelyXThanY, u"This looks more like %0:s than %1:s. Treat it as %0:s?")
LX_RESOURCESTRING(_LXFormNotFilled, u"The form has not been filled in.")
LX_RESOURCESTRING(_LXFinishProcessFirst, u"Finish this process first.")
LX_RESOURCESTRING(_LXFinishFolderFirst, u"Finish this folder first.")
LX_RESOURCESTRING(_LXNoMWUs, u"No multi-word units found.")
LX_RESOURCESTRING(_LXSearchFailedToFindX2, u"Search failed to find %0:s")
LX_RESOURCESTRING(_LXTryAsterisk, u"Try an asterisk, e.g. %0:s*")
LX_RESOURCESTRING(_LXSearchFoundX, u"Search found %s")
LX_RESOURCESTRING(_LXControlPlotMarksWithX, u"Control the plot marks using %s.")
LX_RESOURCESTRING(_LXCopyToSpreadsheetToo, u"Copy the results to a spreadsheet too?")
LX_RESOURCESTRING(_LXShowWordsForNFiles, u"OK to show the words for %.0n files?")
LX_RESOURCESTRING(_LXUseXForTemporaryFiles, u"OK to use %s for temporary files?")
LX_RESOURCESTRING(_LXConversionsWholeWords,
                  u"All conversions are bounded left and right: only whole words are changed.")
LX_RESOURCESTRING(_LXAlterFileAssociations, u"Alter the system's file associations for these files?")
LX_RESOURCESTRING(_LXFileAssociationsNotAltered, u"Failed to alter the system's file associations.")
LX_RESOURCESTRING(_LXFileAssociationsAltered, u"The system's file associations have been altered.")
LX_RESOURCESTRING(_LXFileAssociationsCleared, u"The system's file associations have been cleared.")
LX_RESOURCESTRING(_LXCopyCurrentLineOnly, u"Copy only the current line of data?")
LX_RESOURCESTRING(_LXNotEnoughX, u"Not enough %s")
LX_RESOURCESTRING(_LXNoXFoundInY, u"No %s found in %s")
LX_RESOURCESTRING(_LXNoKWDBEntries, u"The key word database has no entries.")
LX_RESOURCESTRING(_LXNoKWDBRelatedClusters, u"No related clusters found in the key word database.")
LX_RESOURCESTRING(_LXXNotValidLexmillFile, u"%s is not a valid Lexmill file.")
LX_RESOURCESTRING(_LXNotEnoughAssociatesForX, u"Not enough associates for %s")
LX_RESOURCESTRING(_LXNoWordListWordsInX, u"No word list words found in %s")
LX_RESOURCESTRING(_LXKWsWithoutFullLemmas, u"Key words are computed without full lemma processing.")
LX_RESOURCESTRING(_LXKWPlotOneTextOnly, u"A key words plot covers one text file only.")

using namespace catalogue_terms;

namespace {

const M mToSeeConcgramDetailsGetWordsIntoListbox("ToSeeConcgramDetailsGetWordsIntoListbox",
                                                 {&_LXConcgramDetailsNeedWords}, I, mbsOK, 0);
const M mIncludeThisFilename("IncludeThisFilename", {&_LXIncludeX}, C, mbsYesNo, 0);
const M mBeAwareNetworkIsSlow("BeAwareNetworkIsSlow", {&_LXNetworkIsSlow}, I, mbsOK, 0, kReminder);
const M mReferenceTextTooShort("ReferenceTextTooShort", {&_LXReferenceXTooShort}, W, mbsOK, 0);
const M mSavedOKViewNow("SavedOKViewNow", {&_LXSavedOK, &_LXViewItNow}, C, mbsYesNo, 0);
const M mSavedOKOpenNow("SavedOKOpenNow", {&_LXSavedOK, &_LXOpenItNow}, C, mbsYesNo, 0);
const M mCannotWriteToXFolder("CannotWriteToXFolder", {&_LXCannotWriteToFolderX}, W, mbsOK, 0);
const M mUnsafeToConvertInPlace("UnsafeToConvertInPlace", {&_LXConvertingInPlaceUnsafe, &_LXGoOn}, W,
                                mbsYesNo, 0, DefaultTo(mbNo));
const M mPDF_RTF_ConversionNotReliable("PDF_RTF_ConversionNotReliable", {&_LXPdfRtfUnreliable}, I, mbsOK, 0,
                                       kReminder);
const M mFailedToImport("FailedToImport", {&_LXFailedToImportX}, W, mbsOK, 0);
const M mNotApplicableExplanation("NotApplicableExplanation", {&_LXXDoesNotApply}, I, mbsOK, 0);
const M mPleaseCheckSettings("PleaseCheckSettings", {&_LXCheckSettingsForX}, W, mbsOK, 0);
const M mPleaseLoadTags("PleaseLoadTags", {&_LXLoadTagsFirst}, W, mbsOK, 0);
const M mPleaseMakeAChoiceForXAction("PleaseMakeAChoiceForXAction", {&_LXChooseWhatXDoes}, W, mbsOK, 0);
const M mTreatTagsAsPrefixInQ("TreatTagsAsPrefixInQ", {&_LXTreatTagsAsPrefixInX}, C, mbsYesNo, 0);
const M mVideoLANPlayerVersionError("VideoLANPlayerVersionError", {&_LXMediaPlayerTooOld}, W, mbsOK, 0);
const M mPhraseFramesLookLikeJoined("PhraseFramesLookLikeJoined", {&_LXPhraseFramesJoined}, I, mbsOK, 0);
const M mAnyWordsNotPresentInXPercentOfTextFilesIgnored("AnyWordsNotPresentInXPercentOfTextFilesIgnored",
                                                        {&_LXWordsUnderXPercentIgnored}, I, mbsOK, 0,
                                                        kReminder);
const M mMoreUptodateVersionAvailableDownloadNowQ("MoreUptodateVersionAvailableDownloadNowQ",
                                                  {&_LXVersionXAvailable, &_LXDownloadNow}, C, mbsYesNo, 0);
const M mProcessingNRelatedClusters("ProcessingNRelatedClusters", {&_LXProcessingNRelatedClusters}, I, mbsOK,
                                    0, kBrief);
const M mIsThisTheTalkLanguageQ("IsThisTheTalkLanguageQ", {&_LXIsXTheTalkLanguage}, C, mbsYesNo, 0);
const M mBeAwareContinuousStoplistingIsSlow("BeAwareContinuousStoplistingIsSlow",
                                            {&_LXStoplistingAsYouGoIsSlow}, I, mbsOK, 0, kReminder);
const M mYouMayNeedAdministratorRights("YouMayNeedAdministratorRights", {&_LXAdminRightsForX}, W, mbsOK, 0);
const M mYouMayNeedToAddLanguages("YouMayNeedToAddLanguages", {&_LXAddLanguages}, I, mbsOK, 0);
const M mNFilesDeleted("NFilesDeleted", {&_LXNFilesDeleted}, I, mbsOK, 0);
const M mNFilesCopiedOrMoved("NFilesCopiedOrMoved", {&_LXNFilesCopiedOrMoved}, I, mbsOK, 0);
const M mAllCopiedOrMoved("AllCopiedOrMoved", {&_LXAllCopiedOrMoved}, I, mbsOK, 0, kBrief);
const M mCannotEncryptOriginals("CannotEncryptOriginals", {&_LXCannotEncryptOriginals}, W, mbsOK, 0);
const M mCannotChooseSameColours("CannotChooseSameColours", {&_LXSameColours}, W, mbsOK, 0);
const M mCannotEncryptWithoutEncryptStr("CannotEncryptWithoutEncryptStr", {&_LXNoEncryptionKey}, W, mbsOK, 0);
const M mCannotReplaceLineFeedsWithoutDefinedParaStr("CannotReplaceLineFeedsWithoutDefinedParaStr",
                                                     {&_LXNoParagraphMarker}, W, mbsOK, 0);
const M mChooseACharacterNumber("ChooseACharacterNumber", {&_LXChooseCharacterNumber}, I, mbsOK, 0);
const M mClearTheSearch("ClearTheSearch", {&_LXClearTheSearch}, C, mbsYesNo, 0);
const M mFileIsInUnicodeShowInUnicode("FileIsInUnicodeShowInUnicode", {&_LXXIsUnicodeShowIt}, C, mbsYesNo, 0);
const M mFileNamesMismatchCorrectQ("FileNamesMismatchCorrectQ", {&_LXNamesXAndYMismatch}, C, mbsYesNo, 0);
const M mNTextFilesConverted("NTextFilesConverted", {&_LXNTextFilesConverted}, I, mbsOK, 0);
const M mConvertToTXTRegardlessOfExtension("ConvertToTXTRegardlessOfExtension",
                                           {&_LXConvertWhateverExtension}, C, mbsYesNo, 0);
const M mMoreLikelyToBeXThanY("MoreLikelyToBeXThanY", {&_LXMoreLikelyXThanY}, C, mbsYesNo, 0);
const M mFormNotFilled("FormNotFilled", {&_LXFormNotFilled}, W, mbsOK, 0);
const M mFinishThisProcessFirst("FinishThisProcessFirst", {&_LXFinishProcessFirst}, W, mbsOK, 0);
const M mFinishThisFolderFirst("FinishThisFolderFirst", {&_LXFinishFolderFirst}, W, mbsOK, 0);
const M mNoMWUsFound("NoMWUsFound", {&_LXNoMWUs}, I, mbsOK, 0);
const M mSearchFailedToFindTryAsterisk("SearchFailedToFindTryAsterisk",
                                       {&_LXSearchFailedToFindX2, &_LXTryAsterisk}, I, mbsOKHelp, 1440);
const M mSearchFoundX("SearchFoundX", {&_LXSearchFoundX}, I, mbsOK, 0);
const M mControlPlotmarksInfoUsing("ControlPlotmarksInfoUsing", {&_LXControlPlotMarksWithX}, I, mbsOK, 0,
                                   kReminder);
const M mCopyResultsToExcelToo("CopyResultsToExcelToo", {&_LXCopyToSpreadsheetToo}, C, mbsYesNo, 0);
const M mOKToShowWdsForNFiles("OKToShowWdsForNFiles", {&_LXShowWordsForNFiles}, C, mbsOKCancel, 0);
const M mOKToUseTempDirAsTempDrive("OKToUseTempDirAsTempDrive", {&_LXUseXForTemporaryFiles}, C, mbsOKCancel,
                                   0);
const M mAllConversionsAreLandRBounded("AllConversionsAreLandRBounded", {&_LXConversionsWholeWords}, I, mbsOK,
                                       0, kReminder);
const M mAlterRegistry("AlterRegistry", {&_LXAlterFileAssociations}, C, mbsYesNo, 0, DefaultTo(mbNo));
const M mFailedToAlterRegistry("FailedToAlterRegistry", {&_LXFileAssociationsNotAltered}, W, mbsOK, 0);
const M mRegistryAltered("RegistryAltered", {&_LXFileAssociationsAltered}, I, mbsOK, 0);
const M mRegistryCleared("RegistryCleared", {&_LXFileAssociationsCleared}, I, mbsOK, 0);
const M mCopyCurrentLineOfData("CopyCurrentLineOfData", {&_LXCopyCurrentLineOnly}, C, mbsYesNo, 0);
const M mNotEnoughX("NotEnoughX", {&_LXNotEnoughX}, W, mbsOK, 0);
const M mNoXFoundInY("NoXFoundInY", {&_LXNoXFoundInY}, I, mbsOK, 0);
const M mNoKWDBEntries("NoKWDBEntries", {&_LXNoKWDBEntries}, I, mbsOK, 0);
const M mNoKWDBRelatedClustersFound("NoKWDBRelatedClustersFound", {&_LXNoKWDBRelatedClusters}, I, mbsOK, 0);
const M mNotAValidLXFile("NotAValidLXFile", {&_LXXNotValidLexmillFile}, W, mbsOK, 0);
const M mNotEnoughAssociatesFor("NotEnoughAssociatesFor", {&_LXNotEnoughAssociatesForX}, I, mbsOK, 0);
const M mNoWordListWordsFoundIn("NoWordListWordsFoundIn", {&_LXNoWordListWordsInX}, I, mbsOK, 0);
const M mKeyWordsNotFullLemmaProcessing("KeyWordsNotFullLemmaProcessing", {&_LXKWsWithoutFullLemmas}, I,
                                        mbsOK, 0, kReminder);
const M mKeyWordsPlotIsOneTextFileOnly("KeyWordsPlotIsOneTextFileOnly", {&_LXKWPlotOneTextOnly}, I, mbsOK, 0);

}  // namespace

void ToSeeConcgramDetailsGetWordsIntoListbox(const TForm* f) {
  Show(f, mToSeeConcgramDetailsGetWordsIntoListbox);
}
bool IncludeThisFilename(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mIncludeThisFilename, {fileName});
}
void BeAwareNetworkIsSlow(const TForm* f) {
  Show(f, mBeAwareNetworkIsSlow);
}
void ReferenceTextTooShort(const TForm* f, const UnicodeString& fileName, int64_t words) {
  Show(f, mReferenceTextTooShort, {fileName, N(words)});
}
bool SavedOKViewNow(const TForm* f) {
  return Ask(f, mSavedOKViewNow);
}
bool SavedOKOpenNow(const TForm* f) {
  return Ask(f, mSavedOKOpenNow);
}
void CannotWriteToXFolder(const TForm* f, const UnicodeString& folder) {
  Show(f, mCannotWriteToXFolder, {folder});
}
bool UnsafeToConvertInPlace(const TForm* f) {
  return Ask(f, mUnsafeToConvertInPlace);
}
void PDF_RTF_ConversionNotReliable(const TForm* f) {
  Show(f, mPDF_RTF_ConversionNotReliable);
}
void FailedToImport(const TForm* f, const UnicodeString& fileName) {
  Show(f, mFailedToImport, {fileName});
}
void NotApplicableExplanation(const TForm* f, const UnicodeString& what) {
  Show(f, mNotApplicableExplanation, {what});
}
void PleaseCheckSettings(const TForm* f, const UnicodeString& what) {
  Show(f, mPleaseCheckSettings, {what});
}
void PleaseLoadTags(const TForm* f) {
  Show(f, mPleaseLoadTags);
}
void PleaseMakeAChoiceForXAction(const TForm* f, const UnicodeString& action) {
  Show(f, mPleaseMakeAChoiceForXAction, {action});
}
bool TreatTagsAsPrefixInQ(const TForm* f, const UnicodeString& what) {
  return Ask(f, mTreatTagsAsPrefixInQ, {what});
}
void VideoLANPlayerVersionError(const TForm* f, const UnicodeString& version) {
  Show(f, mVideoLANPlayerVersionError, {version});
}
void PhraseFramesLookLikeJoined(const TForm* f) {
  Show(f, mPhraseFramesLookLikeJoined);
}
void AnyWordsNotPresentInXPercentOfTextFilesIgnored(const TForm* f, double percent) {
  Show(f, mAnyWordsNotPresentInXPercentOfTextFilesIgnored, {percent});
}
bool MoreUptodateVersionAvailableDownloadNowQ(const TForm* f, const UnicodeString& version) {
  return Ask(f, mMoreUptodateVersionAvailableDownloadNowQ, {version});
}
void ProcessingNRelatedClusters(const TForm* f, int64_t n) {
  Show(f, mProcessingNRelatedClusters, {N(n)});
}
bool IsThisTheTalkLanguageQ(const TForm* f, const UnicodeString& language) {
  return Ask(f, mIsThisTheTalkLanguageQ, {language});
}
void BeAwareContinuousStoplistingIsSlow(const TForm* f) {
  Show(f, mBeAwareContinuousStoplistingIsSlow);
}
void YouMayNeedAdministratorRights(const TForm* f, const UnicodeString& what) {
  Show(f, mYouMayNeedAdministratorRights, {what});
}
void YouMayNeedToAddLanguages(const TForm* f) {
  Show(f, mYouMayNeedToAddLanguages);
}
void NFilesDeleted(const TForm* f, int64_t n) {
  Show(f, mNFilesDeleted, {N(n)});
}
void NFilesCopiedOrMoved(const TForm* f, int64_t n) {
  Show(f, mNFilesCopiedOrMoved, {N(n)});
}
void AllCopiedOrMoved(const TForm* f) {
  Show(f, mAllCopiedOrMoved);
}
void CannotEncryptOriginals(const TForm* f) {
  Show(f, mCannotEncryptOriginals);
}
void CannotChooseSameColours(const TForm* f) {
  Show(f, mCannotChooseSameColours);
}
void CannotEncryptWithoutEncryptStr(const TForm* f) {
  Show(f, mCannotEncryptWithoutEncryptStr);
}
void CannotReplaceLineFeedsWithoutDefinedParaStr(const TForm* f) {
  Show(f, mCannotReplaceLineFeedsWithoutDefinedParaStr);
}
void ChooseACharacterNumber(const TForm* f) {
  Show(f, mChooseACharacterNumber);
}
bool ClearTheSearch(const TForm* f) {
  return Ask(f, mClearTheSearch);
}
bool FileIsInUnicodeShowInUnicode(const TForm* f, const UnicodeString& fileName) {
  return Ask(f, mFileIsInUnicodeShowInUnicode, {fileName});
}
bool FileNamesMismatchCorrectQ(const TForm* f, const UnicodeString& fileName, const UnicodeString& expected) {
  return Ask(f, mFileNamesMismatchCorrectQ, {fileName, expected});
}
void NTextFilesConverted(const TForm* f, int64_t n) {
  Show(f, mNTextFilesConverted, {N(n)});
}
bool ConvertToTXTRegardlessOfExtension(const TForm* f) {
  return Ask(f, mConvertToTXTRegardlessOfExtension);
}
bool MoreLikelyToBeXThanY(const TForm* f, const UnicodeString& x, const UnicodeString& y) {
  return Ask(f, mMoreLikelyToBeXThanY, {x, y});
}
void FormNotFilled(const TForm* f) {
  Show(f, mFormNotFilled);
}
void FinishThisProcessFirst(const TForm* f) {
  Show(f, mFinishThisProcessFirst);
}
void FinishThisFolderFirst(const TForm* f) {
  Show(f, mFinishThisFolderFirst);
}
void NoMWUsFound(const TForm* f) {
  Show(f, mNoMWUsFound);
}
void SearchFailedToFindTryAsterisk(const TForm* f, const UnicodeString& searchWord) {
  Show(f, mSearchFailedToFindTryAsterisk, {searchWord});
}
void SearchFoundX(const TForm* f, const UnicodeString& what) {
  Show(f, mSearchFoundX, {what});
}
void ControlPlotmarksInfoUsing(const TForm* f, const UnicodeString& what) {
  Show(f, mControlPlotmarksInfoUsing, {what});
}
bool CopyResultsToExcelToo(const TForm* f) {
  return Ask(f, mCopyResultsToExcelToo);
}
bool OKToShowWdsForNFiles(const TForm* f, int64_t n) {
  return Ask(f, mOKToShowWdsForNFiles, {N(n)});
}
bool OKToUseTempDirAsTempDrive(const TForm* f, const UnicodeString& folder) {
  return Ask(f, mOKToUseTempDirAsTempDrive, {folder});
}
void AllConversionsAreLandRBounded(const TForm* f) {
  Show(f, mAllConversionsAreLandRBounded);
}
bool AlterRegistry(const TForm* f) {
  return Ask(f, mAlterRegistry);
}
void FailedToAlterRegistry(const TForm* f) {
  Show(f, mFailedToAlterRegistry);
}
void RegistryAltered(const TForm* f) {
  Show(f, mRegistryAltered);
}
void RegistryCleared(const TForm* f) {
  Show(f, mRegistryCleared);
}
bool CopyCurrentLineOfData(const TForm* f) {
  return Ask(f, mCopyCurrentLineOfData);
}
void NotEnoughX(const TForm* f, const UnicodeString& what) {
  Show(f, mNotEnoughX, {what});
}
void NoXFoundInY(const TForm* f, const UnicodeString& what, const UnicodeString& where) {
  Show(f, mNoXFoundInY, {what, where});
}
void NoKWDBEntries(const TForm* f) {
  Show(f, mNoKWDBEntries);
}
void NoKWDBRelatedClustersFound(const TForm* f) {
  Show(f, mNoKWDBRelatedClustersFound);
}
void NotAValidLXFile(const TForm* f, const UnicodeString& fileName) {
  Show(f, mNotAValidLXFile, {fileName});
}
void NotEnoughAssociatesFor(const TForm* f, const UnicodeString& word) {
  Show(f, mNotEnoughAssociatesFor, {word});
}
void NoWordListWordsFoundIn(const TForm* f, const UnicodeString& fileName) {
  Show(f, mNoWordListWordsFoundIn, {fileName});
}
void KeyWordsNotFullLemmaProcessing(const TForm* f) {
  Show(f, mKeyWordsNotFullLemmaProcessing);
}
void KeyWordsPlotIsOneTextFileOnly(const TForm* f) {
  Show(f, mKeyWordsPlotIsOneTextFileOnly);
}

}  // namespace lx
