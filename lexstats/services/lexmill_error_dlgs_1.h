// Ready-made messages, one routine per situation: each composes its text from resource strings and shows it
// through FormCentredMessageDlg with fixed buttons, help context, reminder and time-out, passing
// Global_TimedOut and Global_HelpProc.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"
#include "lexstats/services/dont_remind_me_dlg.h"

namespace lx {

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

}  // namespace lx
