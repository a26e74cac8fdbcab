// The machinery behind the ready-made message routines: each routine is one TCatalogueMessage (its resource
// strings, box type, buttons, default, help context, reminder and time-out) plus a line that fills in its
// values. The messages register themselves, so a host or a test can list every one of them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexstats/services/dont_remind_me_dlg.h"

namespace lx {

// The button sets the catalogues use (bit k is button k).
constexpr uint16_t mbsOK = 4, mbsYesNo = 3, mbsOKCancel = 12, mbsYesNoCancel = 11, mbsYesNoHelp = 1027,
                   mbsOKHelp = 1028, mbsYesNoCancelHelp = 1035, mbsOKCancelHelp = 1036,
                   mbsCancelYesToAllHelp = 1544, mbsYesNoCancelNoToAllYesToAll = 779;

// A help context the caller passes in.
constexpr int32_t kCallersHelpCtx = -1;

struct TCatalogueOptions {
  int32_t DefaultButton = -1;  // a TMsgDlgBtn, or -1 to choose it from the set
  int32_t TimeoutSeconds = 0;
  bool WithDontShow = false;
  const TResourceString* Caption = nullptr;
};

// One message of a catalogue. Lives at namespace scope for the life of its library.
class TCatalogueMessage {
 public:
  TCatalogueMessage(const char* routine, std::initializer_list<const TResourceString*> texts,
                    TMsgDlgType type, uint16_t buttons, int32_t helpCtx, TCatalogueOptions options = {});
  ~TCatalogueMessage();
  TCatalogueMessage(const TCatalogueMessage&) = delete;
  TCatalogueMessage& operator=(const TCatalogueMessage&) = delete;

  const char* Routine;
  std::vector<const TResourceString*> Texts;  // joined by line breaks, then filled in
  TMsgDlgType DlgType;
  uint16_t Buttons;
  int32_t HelpCtx;
  TCatalogueOptions Options;

  TMsgDlgBtn DefaultButton() const;
  // The answer that counts as "yes": Yes where the set holds Yes, else OK.
  TModalResult Affirmative() const { return AffirmativeOf(Buttons); }
  static TModalResult AffirmativeOf(uint16_t buttons);
  UnicodeString Compose(std::span<const TVarRec> args) const;
};

// Composes the message and shows it through FormCentredMessageDlg with Global_TimedOut and Global_HelpProc.
// helpCtx replaces the message's own where it is the caller's; buttons, when not 0, replace its set.
TModalResult ShowCatalogueMessage(const TForm* form, const TCatalogueMessage& message,
                                  std::initializer_list<TVarRec> args = {},
                                  int32_t helpCtx = kCallersHelpCtx);
// The same for a text composed by the caller.
TModalResult ShowCatalogueText(const TForm* form, const TCatalogueMessage& message, const UnicodeString& text,
                               int32_t helpCtx = kCallersHelpCtx, uint16_t buttons = 0);
// ShowCatalogueMessage, true on the affirmative answer.
bool AskCatalogueMessage(const TForm* form, const TCatalogueMessage& message,
                         std::initializer_list<TVarRec> args = {}, int32_t helpCtx = kCallersHelpCtx);

// Every registered message, in registration order; and the first one of a routine (null when none).
std::vector<const TCatalogueMessage*> CatalogueMessages();
const TCatalogueMessage* FindCatalogueMessage(std::string_view routine);

// Short terms for the catalogues' sources, which declare a message a line.
namespace catalogue_terms {
using M = TCatalogueMessage;
constexpr TMsgDlgType W = mtWarning, E = mtError, I = mtInformation, C = mtConfirmation;
// Notices that remember "Never show this again" and close by themselves; notices that only close.
constexpr TCatalogueOptions kReminder{.TimeoutSeconds = 10, .WithDontShow = true};
constexpr TCatalogueOptions kBrief{.TimeoutSeconds = 8};
constexpr TCatalogueOptions DefaultTo(TMsgDlgBtn button) {
  return {.DefaultButton = button};
}
inline TModalResult Show(const TForm* f, const M& m, std::initializer_list<TVarRec> args = {}) {
  return ShowCatalogueMessage(f, m, args);
}
inline bool Ask(const TForm* f, const M& m, std::initializer_list<TVarRec> args = {}) {
  return AskCatalogueMessage(f, m, args);
}
// Counts go through %.0n, which takes a floating value.
inline double N(int64_t n) {
  return double(n);
}
}  // namespace catalogue_terms

}  // namespace lx
