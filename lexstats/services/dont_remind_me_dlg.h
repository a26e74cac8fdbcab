// Every message for the user goes through FormCentredMessageDlg: a modal message centred on the calling form,
// with a Help button wired to the tool's help, an optional "Never show this again" box remembered in a marker
// file, and an optional time-out after which it closes by itself. How the message is shown is the host's: it
// installs a presenter (a window, a test script); command-line hosts keep the terminal presenter, which
// writes the message to standard error and takes the default button.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_types.h"
#include "lexcore/ui/lx_form.h"

namespace lx {

LX_DECLARE_RESOURCESTRING(_LXNeverShowThisAgain)

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : uint8_t {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
  mbClose
};
using TMsgDlgButtons = Set<TMsgDlgBtn, 2>;
// The button set whose bit k is button k (4 = OK, 1027 = Yes, No, Help, ...).
TMsgDlgButtons MsgDlgButtonsFromBits(uint16_t bits);

using TModalResult = int32_t;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11;
TModalResult ModalResultOfButton(TMsgDlgBtn button);
UnicodeString ButtonCaption(TMsgDlgBtn button);

enum TQuitReason : uint8_t { q_ordinary_close, q_already_saved, q_timed_out };

// One dialog being shown. The presenter answers with Close (or returns its answer); the time-out timer
// closes it with Cancel. Close may come from a timer thread, so it is guarded.
class TMessageDialog {
 public:
  UnicodeString Caption;
  UnicodeString Message;
  TMsgDlgType DlgType = mtInformation;
  TMsgDlgButtons Buttons;
  TMsgDlgBtn DefaultButton = mbOK;
  int32_t HelpCtx = 0;
  TNotifyEvent OnHelp;          // the Help button's click
  bool PlainBox = false;        // no form: the plain message box, without reminder or time-out
  bool WithDontShow = false;    // the "Never show this again" box is there
  bool DontShowTicked = false;  // the presenter sets it when the user ticks it
  const TForm* Owner = nullptr;
  int32_t TimeoutSeconds = 0;

  void Close(TModalResult result);
  bool Closed() const;
  TModalResult ModalResult() const;
  // Blocks until closed or until timeout passes; true when closed.
  bool WaitClosed(std::chrono::milliseconds timeout) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable closed_cv_;
  bool closed_ = false;
  TModalResult result_ = mrNone;
};

class TMessagePresenter {
 public:
  virtual ~TMessagePresenter() = default;
  // Shows the dialog modally and returns the modal result; when the dialog is closed meanwhile (its
  // time-out), returns at once with whatever it likes: the dialog's own result then counts.
  virtual TModalResult ShowModal(TMessageDialog& dialog) = 0;
};

// Writes "<type>: <caption>: <message> [buttons] -> <default>" to standard error (or the given sink) and
// answers the default button.
class TTerminalMessagePresenter : public TMessagePresenter {
 public:
  explicit TTerminalMessagePresenter(std::function<void(const std::string& utf8)> sink = {});
  TModalResult ShowModal(TMessageDialog& dialog) override;

 private:
  std::function<void(const std::string&)> sink_;
};

// The timer behind time-outs: calls tick once a second until stopped. A host with a message loop installs one
// that ticks on its loop; tests install a clock they advance by hand.
class TDialogClock {
 public:
  virtual ~TDialogClock() = default;
  virtual void Start(std::function<void()> tick) = 0;
  virtual void Stop() = 0;
};
// A clock on a thread of its own, the default.
std::unique_ptr<TDialogClock> MakeThreadDialogClock();

// The presenter and clock in use (the host's, else the defaults). Setting null restores the default.
void SetMessagePresenter(std::shared_ptr<TMessagePresenter> presenter);
TMessagePresenter& MessagePresenter();
void SetDialogClockFactory(std::function<std::unique_ptr<TDialogClock>()> factory);

// The reminder of one shown dialog: its seconds counter, its timer and why it quit.
class TWrapper {
 public:
  TWrapper(TMessageDialog& form, bool with_dont_show, int32_t timeout_seconds, const UnicodeString& message);
  ~TWrapper();
  TWrapper(const TWrapper&) = delete;
  TWrapper& operator=(const TWrapper&) = delete;

  void Quit(TQuitReason reason);
  void OnTimer();

  bool WithDontShow;
  int32_t TimeoutSeconds;
  UnicodeString Message;
  TMessageDialog* PaiForm;
  int32_t Seconds = 0;
  TQuitReason QuitReason = q_ordinary_close;

 private:
  std::mutex mutex_;
  std::unique_ptr<TDialogClock> timer_;
};

// The marker file of a message: empty when the message or the user's read-write folder is empty.
UnicodeString DontRemindMarkerFileName(const UnicodeString& message);
// Writes today's date into the marker (only when a form is given and the folder exists); errors propagate.
void WriteDontRemindMarker(const TForm* form, const UnicodeString& message);

// 1: no caption; 2: no caption, the default button chosen from the set; 3: a caption, the default chosen;
// 4: everything.
TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& message,
                                   TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx,
                                   const TNotifyEvent& helpProc, TMsgDlgBtn defaultButton,
                                   int32_t timeoutSeconds, bool withDontShow);
TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& message,
                                   TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx,
                                   const TNotifyEvent& helpProc, int32_t timeoutSeconds, bool withDontShow);
TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& caption,
                                   const UnicodeString& message, TMsgDlgType dlgType, TMsgDlgButtons buttons,
                                   int32_t helpCtx, const TNotifyEvent& helpProc, int32_t timeoutSeconds,
                                   bool withDontShow);
TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& caption,
                                   const UnicodeString& message, TMsgDlgType dlgType, TMsgDlgButtons buttons,
                                   int32_t helpCtx, const TNotifyEvent& helpProc, TMsgDlgBtn defaultButton,
                                   int32_t timeoutSeconds, bool withDontShow);

// OK when the set has it, else Yes, else Retry.
TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons);

}  // namespace lx
