#include "lexstats/services/lexmill_dlg_catalogue.h"

#include <algorithm>
#include <mutex>

#include "lexcore/definitions/Wdef.h"

namespace lx {

namespace {

constexpr char16_t kLineBreak[] = u"\r\n";

struct TRegistry {
  std::mutex mutex;
  std::vector<const TCatalogueMessage*> messages;
};
TRegistry& Registry() {
  static TRegistry* registry = new TRegistry;  // outlives every library's static messages
  return *registry;
}

}  // namespace

TCatalogueMessage::TCatalogueMessage(const char* routine, std::initializer_list<const TResourceString*> texts,
                                     TMsgDlgType type, uint16_t buttons, int32_t helpCtx,
                                     TCatalogueOptions options)
    : Routine(routine), Texts(texts), DlgType(type), Buttons(buttons), HelpCtx(helpCtx), Options(options) {
  std::lock_guard lock(Registry().mutex);
  Registry().messages.push_back(this);
}

TCatalogueMessage::~TCatalogueMessage() {
  std::lock_guard lock(Registry().mutex);
  std::erase(Registry().messages, this);
}

TMsgDlgBtn TCatalogueMessage::DefaultButton() const {
  return Options.DefaultButton < 0 ? DefaultButtonOf(MsgDlgButtonsFromBits(Buttons))
                                   : static_cast<TMsgDlgBtn>(Options.DefaultButton);
}

TModalResult TCatalogueMessage::AffirmativeOf(uint16_t buttons) {
  return MsgDlgButtonsFromBits(buttons).Contains(mbYes) ? mrYes : mrOk;
}

UnicodeString TCatalogueMessage::Compose(std::span<const TVarRec> args) const {
  UnicodeString text;
  for (const TResourceString* piece : Texts) {
    if (!text.empty()) text += kLineBreak;
    text += piece->Text();
  }
  // A text without values is shown as it stands, so a stray '%' in a translation cannot break it.
  return args.empty() ? text : Format(text, args);
}

TModalResult ShowCatalogueText(const TForm* form, const TCatalogueMessage& message, const UnicodeString& text,
                               int32_t helpCtx, uint16_t buttons) {
  const UnicodeString caption = message.Options.Caption ? message.Options.Caption->Text() : UnicodeString();
  const uint16_t set = buttons ? buttons : message.Buttons;
  const TMsgDlgBtn defaultButton = buttons && message.Options.DefaultButton < 0
                                       ? DefaultButtonOf(MsgDlgButtonsFromBits(set))
                                       : message.DefaultButton();
  return FormCentredMessageDlg(
      form, Global_TimedOut, caption, text, message.DlgType, MsgDlgButtonsFromBits(set),
      message.HelpCtx == kCallersHelpCtx ? std::max(helpCtx, 0) : message.HelpCtx, Global_HelpProc,
      defaultButton, message.Options.TimeoutSeconds, message.Options.WithDontShow);
}

TModalResult ShowCatalogueMessage(const TForm* form, const TCatalogueMessage& message,
                                  std::initializer_list<TVarRec> args, int32_t helpCtx) {
  return ShowCatalogueText(form, message,
                           message.Compose(std::span<const TVarRec>(args.begin(), args.size())), helpCtx);
}

bool AskCatalogueMessage(const TForm* form, const TCatalogueMessage& message,
                         std::initializer_list<TVarRec> args, int32_t helpCtx) {
  return ShowCatalogueMessage(form, message, args, helpCtx) == message.Affirmative();
}

std::vector<const TCatalogueMessage*> CatalogueMessages() {
  std::lock_guard lock(Registry().mutex);
  return Registry().messages;
}

const TCatalogueMessage* FindCatalogueMessage(std::string_view routine) {
  std::lock_guard lock(Registry().mutex);
  for (const TCatalogueMessage* m : Registry().messages)
    if (routine == m->Routine) return m;
  return nullptr;
}

}  // namespace lx
