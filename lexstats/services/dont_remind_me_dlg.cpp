#include "lexstats/services/dont_remind_me_dlg.h"

#include <atomic>
#include <cstdio>
#include <thread>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

LX_RESOURCESTRING(_LXNeverShowThisAgain, u"Never show this again")
LX_RESOURCESTRING(_LXMsgDlgWarning, u"Warning")
LX_RESOURCESTRING(_LXMsgDlgError, u"Error")
LX_RESOURCESTRING(_LXMsgDlgInformation, u"Information")
LX_RESOURCESTRING(_LXMsgDlgConfirm, u"Confirm")
LX_RESOURCESTRING(_LXMsgDlgYes, u"Yes")
LX_RESOURCESTRING(_LXMsgDlgNo, u"No")
LX_RESOURCESTRING(_LXMsgDlgOK, u"OK")
LX_RESOURCESTRING(_LXMsgDlgCancel, u"Cancel")
LX_RESOURCESTRING(_LXMsgDlgAbort, u"Abort")
LX_RESOURCESTRING(_LXMsgDlgRetry, u"Retry")
LX_RESOURCESTRING(_LXMsgDlgIgnore, u"Ignore")
LX_RESOURCESTRING(_LXMsgDlgAll, u"All")
LX_RESOURCESTRING(_LXMsgDlgNoToAll, u"No to All")
LX_RESOURCESTRING(_LXMsgDlgYesToAll, u"Yes to All")
LX_RESOURCESTRING(_LXMsgDlgHelp, u"Help")
LX_RESOURCESTRING(_LXMsgDlgClose, u"Close")

TMsgDlgButtons MsgDlgButtonsFromBits(uint16_t bits) {
  TMsgDlgButtons set;
  for (int b = 0; b <= mbClose; ++b)
    if (bits & (1u << b)) set.Include(static_cast<TMsgDlgBtn>(b));
  return set;
}

TModalResult ModalResultOfButton(TMsgDlgBtn button) {
  switch (button) {
    case mbYes:
      return mrYes;
    case mbNo:
      return mrNo;
    case mbOK:
      return mrOk;
    case mbCancel:
      return mrCancel;
    case mbAbort:
      return mrAbort;
    case mbRetry:
      return mrRetry;
    case mbIgnore:
      return mrIgnore;
    case mbAll:
      return mrAll;
    case mbNoToAll:
      return mrNoToAll;
    case mbYesToAll:
      return mrYesToAll;
    case mbClose:
      return mrClose;
    case mbHelp:
      return mrNone;
  }
  return mrNone;
}

UnicodeString ButtonCaption(TMsgDlgBtn button) {
  static const TResourceString* const captions[] = {&_LXMsgDlgYes,      &_LXMsgDlgNo,    &_LXMsgDlgOK,
                                                    &_LXMsgDlgCancel,   &_LXMsgDlgAbort, &_LXMsgDlgRetry,
                                                    &_LXMsgDlgIgnore,   &_LXMsgDlgAll,   &_LXMsgDlgNoToAll,
                                                    &_LXMsgDlgYesToAll, &_LXMsgDlgHelp,  &_LXMsgDlgClose};
  return button <= mbClose ? captions[button]->Text() : UnicodeString();
}

TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons) {
  if (buttons.Contains(mbOK)) return mbOK;
  if (buttons.Contains(mbYes)) return mbYes;
  return mbRetry;
}

// ---- The dialog ----

void TMessageDialog::Close(TModalResult result) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) return;
    closed_ = true;
    result_ = result;
  }
  closed_cv_.notify_all();
}

bool TMessageDialog::Closed() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return closed_;
}

TModalResult TMessageDialog::ModalResult() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return result_;
}

bool TMessageDialog::WaitClosed(std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return closed_cv_.wait_for(lock, timeout, [this] { return closed_; });
}

// ---- Presenters and clocks ----

TTerminalMessagePresenter::TTerminalMessagePresenter(std::function<void(const std::string&)> sink)
    : sink_(std::move(sink)) {}

TModalResult TTerminalMessagePresenter::ShowModal(TMessageDialog& dialog) {
  UnicodeString line;
  switch (dialog.DlgType) {
    case mtWarning:
      line = _LXMsgDlgWarning;
      break;
    case mtError:
      line = _LXMsgDlgError;
      break;
    case mtInformation:
      line = _LXMsgDlgInformation;
      break;
    case mtConfirmation:
      line = _LXMsgDlgConfirm;
      break;
    case mtCustom:
      break;
  }
  if (!dialog.Caption.empty()) line += (line.empty() ? u"" : u": ") + dialog.Caption;
  if (!line.empty()) line += u": ";
  // One line on a terminal: the message's own line breaks become spaces.
  for (char16_t c : dialog.Message) line += (c == u'\r' || c == u'\n') ? u' ' : c;
  UnicodeString buttons;
  for (int b = 0; b <= mbClose; ++b)
    if (dialog.Buttons.Contains(static_cast<TMsgDlgBtn>(b)) && b != mbHelp)
      buttons += (buttons.empty() ? u"" : u"/") + ButtonCaption(static_cast<TMsgDlgBtn>(b));
  if (!buttons.empty()) line += u" [" + buttons + u"] -> " + ButtonCaption(dialog.DefaultButton);
  const std::string text = UTF16ToUTF8(line) + "\n";
  if (sink_)
    sink_(text);
  else
    std::fputs(text.c_str(), stderr);
  const TModalResult r = ModalResultOfButton(dialog.DefaultButton);
  dialog.Close(r);
  return r;
}

namespace {

class TThreadDialogClock : public TDialogClock {
 public:
  ~TThreadDialogClock() override { Stop(); }
  void Start(std::function<void()> tick) override {
    Stop();
    stop_ = false;
    thread_ = std::thread([this, tick = std::move(tick)] {
      std::unique_lock<std::mutex> lock(mutex_);
      while (!cv_.wait_for(lock, std::chrono::seconds(1), [this] { return stop_; })) {
        lock.unlock();
        tick();
        lock.lock();
      }
    });
  }
  void Stop() override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    cv_.notify_all();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
  }

 private:
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool stop_ = false;
};

std::mutex g_presenterMutex;
std::shared_ptr<TMessagePresenter> g_presenter;
std::function<std::unique_ptr<TDialogClock>()> g_clockFactory;

}  // namespace

std::unique_ptr<TDialogClock> MakeThreadDialogClock() {
  return std::make_unique<TThreadDialogClock>();
}

void SetMessagePresenter(std::shared_ptr<TMessagePresenter> presenter) {
  std::lock_guard<std::mutex> lock(g_presenterMutex);
  g_presenter = std::move(presenter);
}

TMessagePresenter& MessagePresenter() {
  std::lock_guard<std::mutex> lock(g_presenterMutex);
  if (!g_presenter) g_presenter = std::make_shared<TTerminalMessagePresenter>();
  return *g_presenter;
}

void SetDialogClockFactory(std::function<std::unique_ptr<TDialogClock>()> factory) {
  g_clockFactory = std::move(factory);
}

// ---- The wrapper ----

TWrapper::TWrapper(TMessageDialog& form, bool with_dont_show, int32_t timeout_seconds,
                   const UnicodeString& message)
    : WithDontShow(with_dont_show), TimeoutSeconds(timeout_seconds), Message(message), PaiForm(&form) {
  if (TimeoutSeconds > 0) {
    timer_ = g_clockFactory ? g_clockFactory() : MakeThreadDialogClock();
    timer_->Start([this] { OnTimer(); });
  }
  if (WithDontShow) {
    const UnicodeString marker = DontRemindMarkerFileName(Message);
    if (!marker.empty() && FileExists(marker)) Quit(q_already_saved);
  }
}

TWrapper::~TWrapper() {
  if (timer_) timer_->Stop();
}

void TWrapper::OnTimer() {
  bool quit = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit = ++Seconds >= TimeoutSeconds;
  }
  if (quit) Quit(q_timed_out);
}

void TWrapper::Quit(TQuitReason reason) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (PaiForm->Closed()) return;
    QuitReason = reason;
    Seconds = 0;
  }
  // The timer is told to stop but not waited for here: this may be its own tick.
  if (timer_) timer_->Stop();
  PaiForm->Close(mrCancel);
}

// ---- Marker files ----

UnicodeString DontRemindMarkerFileName(const UnicodeString& message) {
  if (message.empty() || Global_user_ReadWrite_folder.empty()) return {};
  UnicodeString head = message.substr(0, 50);
  // Only what follows the last path delimiter or drive colon.
  const std::size_t cut = head.find_last_of(u"\\/:");
  if (cut != UnicodeString::npos) head = head.substr(cut + 1);
  UnicodeString safe;
  for (char16_t c : head) {
    if (c < 32 || std::u16string_view(u"\\/:|<>^+=?[]\"*").find(c) != std::u16string_view::npos) continue;
    safe += c;
  }
  return IncludeTrailingPathDelimiter(Global_user_ReadWrite_folder) + safe + u".LXDontTellMeAgain";
}

void WriteDontRemindMarker(const TForm* form, const UnicodeString& message) {
  if (!form || Global_user_ReadWrite_folder.empty() || !DirectoryExists(Global_user_ReadWrite_folder)) return;
  const UnicodeString name = DontRemindMarkerFileName(message);
  if (name.empty()) return;
  const std::string line = UTF16ToUTF8(DateToStr(Date())) + "\r\n";
  SaveFileDurably(name, line.data(), line.size());
}

// ---- Showing a message ----

TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& caption,
                                   const UnicodeString& message, TMsgDlgType dlgType, TMsgDlgButtons buttons,
                                   int32_t helpCtx, const TNotifyEvent& helpProc, TMsgDlgBtn defaultButton,
                                   int32_t timeoutSeconds, bool withDontShow) {
  TMessageDialog dialog;
  dialog.Message = message;
  dialog.DlgType = dlgType;
  dialog.Buttons = buttons;
  dialog.DefaultButton = defaultButton;
  dialog.HelpCtx = helpCtx;
  if (!form) {
    // The plain message box: no caption of ours, no reminder, no time-out.
    dialog.PlainBox = true;
    const TModalResult r = MessagePresenter().ShowModal(dialog);
    return dialog.Closed() && dialog.ModalResult() != mrNone ? dialog.ModalResult() : r;
  }
  Global_MessageHelpCtx = helpCtx;
  if (buttons.Contains(mbHelp)) dialog.OnHelp = helpProc;
  dialog.Caption = caption;
  dialog.Owner = form;
  dialog.WithDontShow = withDontShow;
  dialog.TimeoutSeconds = std::max(0, timeoutSeconds);

  TWrapper wrapper(dialog, withDontShow, dialog.TimeoutSeconds, message);
  if (wrapper.QuitReason == q_already_saved) {
    timedOut = false;
    return mrCancel;
  }
  TModalResult result = MessagePresenter().ShowModal(dialog);
  // The dialog's own close wins: a time-out that came first decides the answer.
  dialog.Close(result);
  result = dialog.ModalResult();
  if (withDontShow && dialog.DontShowTicked) WriteDontRemindMarker(form, message);
  timedOut = wrapper.QuitReason == q_timed_out;
  return result;
}

TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& message,
                                   TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx,
                                   const TNotifyEvent& helpProc, TMsgDlgBtn defaultButton,
                                   int32_t timeoutSeconds, bool withDontShow) {
  return FormCentredMessageDlg(form, timedOut, UnicodeString(), message, dlgType, buttons, helpCtx, helpProc,
                               defaultButton, timeoutSeconds, withDontShow);
}

TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& message,
                                   TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx,
                                   const TNotifyEvent& helpProc, int32_t timeoutSeconds, bool withDontShow) {
  return FormCentredMessageDlg(form, timedOut, UnicodeString(), message, dlgType, buttons, helpCtx, helpProc,
                               DefaultButtonOf(buttons), timeoutSeconds, withDontShow);
}

TModalResult FormCentredMessageDlg(const TForm* form, bool& timedOut, const UnicodeString& caption,
                                   const UnicodeString& message, TMsgDlgType dlgType, TMsgDlgButtons buttons,
                                   int32_t helpCtx, const TNotifyEvent& helpProc, int32_t timeoutSeconds,
                                   bool withDontShow) {
  return FormCentredMessageDlg(form, timedOut, caption, message, dlgType, buttons, helpCtx, helpProc,
                               DefaultButtonOf(buttons), timeoutSeconds, withDontShow);
}

}  // namespace lx
