#include "lexstats/services/lexmill_error_dlgs_1.h"

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_format.h"

namespace lx {

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
LX_RESOURCESTRING(_LXClusters, u"clusters")
LX_RESOURCESTRING(_LXUnjoinAllX, u"Unjoin all %s?")
LX_RESOURCESTRING(_LXEntries, u"entries")
LX_RESOURCESTRING(_LXPurpleLinesTooWide,
                  u"Where columns have purple lines the data is too wide for the column.")
LX_RESOURCESTRING(_LXLayoutHint, u"Use the Layout menu option to widen columns.")
LX_RESOURCESTRING(_LXColumnLayout, u"Column layout")
LX_RESOURCESTRING(_LXDataCanBePastedAsText, u"data can now be pasted as text.")
LX_RESOURCESTRING(_LXClipboard, u"Clipboard")
LX_RESOURCESTRING(_LXUseXToY, u"Use %s to %s")
LX_RESOURCESTRING(_LXTheLayoutMenuOption, u"the Layout menu option")
LX_RESOURCESTRING(_LXMoveColumns, u"move columns")
LX_RESOURCESTRING(_LXSavedOK, u"saved OK")
LX_RESOURCESTRING(_LXOKToDeleteX, u"OK to delete %s?")
LX_RESOURCESTRING(_LXAndAllSubFolders, u" and all sub-folders of it")
LX_RESOURCESTRING(_LXOverwriteXWithBackup, u"Overwrite %s (with backup)?")
LX_RESOURCESTRING(_LXClustersNeedIndex, u"Clusters can only be computed from an index.")
LX_RESOURCESTRING(_LXMakeOrOpenIndexFirst, u"Make or open an index first.")
LX_RESOURCESTRING(_LXXIsntAValidNumber, u"%s isn't a valid number")
LX_RESOURCESTRING(_LXUnmatchedBracketInX, u"unmatched bracket in: %s")
LX_RESOURCESTRING(_LXFailedToRenameXAsY, u"Failed to rename %s as %s")
LX_RESOURCESTRING(_LXIncludeZipFiles, u"Include zip files?")

namespace {

constexpr char16_t kLineBreak[] = u"\r\n";

TModalResult Show(const TForm* form, const UnicodeString& message, TMsgDlgType type, uint16_t buttons,
                  int32_t helpCtx, int32_t timeout = 0, bool dontShow = false) {
  return FormCentredMessageDlg(form, Global_TimedOut, message, type, MsgDlgButtonsFromBits(buttons), helpCtx,
                               Global_HelpProc, timeout, dontShow);
}

TModalResult ShowWithDefault(const TForm* form, const UnicodeString& message, TMsgDlgType type,
                             uint16_t buttons, int32_t helpCtx, TMsgDlgBtn defaultButton) {
  return FormCentredMessageDlg(form, Global_TimedOut, message, type, MsgDlgButtonsFromBits(buttons), helpCtx,
                               Global_HelpProc, defaultButton, 0, false);
}

TModalResult ShowWithCaption(const TForm* form, const UnicodeString& caption, const UnicodeString& message,
                             TMsgDlgType type, uint16_t buttons, int32_t helpCtx, int32_t timeout,
                             bool dontShow) {
  return FormCentredMessageDlg(form, Global_TimedOut, caption, message, type, MsgDlgButtonsFromBits(buttons),
                               helpCtx, Global_HelpProc, timeout, dontShow);
}

}  // namespace

bool NoTextsChosenSoUseThese(const TForm* form, int32_t chosen, int32_t basedOn, const UnicodeString& what) {
  const UnicodeString msg = Format(_LXYouHaveNTextFilesChosen, {double(chosen)}) + kLineBreak +
                            Format(_LXSoUseTheNThatXIsBasedOn, {double(basedOn), what});
  return Show(form, msg, mtConfirmation, 1027, 1310) == mrYes;
}

void SourceTextFileNotFound(const TForm* form) {
  Show(form, _LXSourceTextNotFound, mtWarning, 1028, 4580);
}

bool UseCustomSortForLanguage(const TForm* form, const UnicodeString& language) {
  return Show(form, Format(_LXUseCustomSortForX, {language}), mtConfirmation, 1027, 5520) == mrYes;
}

TModalResult LimitedRoomOnDProceed(const TForm* form, int32_t megabytes, const UnicodeString& drive) {
  return ShowWithDefault(form, Format(_LXOnlyNMbSpaceLeftOnX, {megabytes, drive}), mtWarning, 9, 0, mbCancel);
}

bool ModifySourceTexts(const TForm* form) {
  return ShowWithDefault(form, _LXModifySourceTexts, mtConfirmation, 1036, 4920, mbCancel) == mrOk;
}

bool ModifySourceTextsForSet(const TForm* form) {
  return ShowWithDefault(form, _LXModifySourceTextsForSet, mtConfirmation, 1027, 4920, mbNo) == mrYes;
}

TModalResult ReduceDataOK(const TForm* form, int64_t from, int64_t to, const UnicodeString& what) {
  const UnicodeString msg = Format(_LXZapDataFromNToN, {double(from), double(to), what}) + kLineBreak +
                            _LXWontDeleteDataOnDisk.Text();
  return ShowWithDefault(form, msg, mtConfirmation, 1036, 4720, mbOK);
}

TModalResult JoinClusters(const TForm* form) {
  return ShowWithDefault(form, Format(_LXJoinX, {_LXClusters.Text()}), mtConfirmation, 1544, 5270,
                         mbYesToAll);
}

TModalResult UnJoinAll(const TForm* form) {
  return ShowWithDefault(form, Format(_LXUnjoinAllX, {_LXEntries.Text()}), mtConfirmation, 1544, 2795,
                         mbYesToAll);
}

void DataPartlyObscured(const TForm* form) {
  ShowWithCaption(form, _LXColumnLayout, _LXPurpleLinesTooWide.Text() + kLineBreak + _LXLayoutHint.Text(),
                  mtInformation, 1028, 1320, 10, true);
}

void ClipboardHasText(const TForm* form) {
  ShowWithCaption(form, _LXClipboard, _LXDataCanBePastedAsText, mtInformation, 1028, 1570, 10, true);
}

void UseLayoutToMoveAnyColumns(const TForm* form) {
  Show(form, Format(_LXUseXToY, {_LXTheLayoutMenuOption.Text(), _LXMoveColumns.Text()}), mtInformation, 1028,
       5850, 10, true);
}

void SavedOK(const TForm* form) {
  Show(form, _LXSavedOK, mtInformation, 4, 0, 8);
}

bool OKtoDelete(const TForm* form, const UnicodeString& name, bool isFolder) {
  const UnicodeString what = isFolder ? name + _LXAndAllSubFolders.Text() : name;
  return ShowWithDefault(form, Format(_LXOKToDeleteX, {what}), mtConfirmation, 12, 0, mbCancel) == mrOk;
}

bool OKtoOverwriteWithBackupQ(const TForm* form, const UnicodeString& name) {
  return ShowWithDefault(form, Format(_LXOverwriteXWithBackup, {name}), mtConfirmation, 3, 0, mbYes) == mrYes;
}

TModalResult OKtoOverwriteWithBackupQ(const TForm* form, const UnicodeString& name, bool offerAll) {
  return ShowWithDefault(form, Format(_LXOverwriteXWithBackup, {name}), mtConfirmation, offerAll ? 779 : 3, 0,
                         mbYes);
}

void CantMakeClustersWithoutIndex(const TForm* form) {
  Show(form, _LXClustersNeedIndex.Text() + kLineBreak + _LXMakeOrOpenIndexFirst.Text(), mtInformation, 1028,
       2910);
}

void InvalidNumber(const TForm* form, const UnicodeString& text) {
  Show(form, Format(_LXXIsntAValidNumber, {text}), mtWarning, 1028, 3790);
}

void UnMatchedBracketInX(const TForm* form, const UnicodeString& text) {
  Show(form, Format(_LXUnmatchedBracketInX, {text}), mtError, 1028, 1270);
}

void FailedToRename(const TForm* form, const UnicodeString& from, const UnicodeString& to) {
  Show(form, Format(_LXFailedToRenameXAsY, {from, to}), mtInformation, 1028, 3340);
}

bool IncludeZipsToo(const TForm* form) {
  return Show(form, _LXIncludeZipFiles, mtConfirmation, 1027, 1780) == mrYes;
}

}  // namespace lx
