// Walks message-catalogue routines with a presenter that records what it was shown, and checks every
// routine against the entry it declares: box, buttons, default, help, reminder, time-out, texts from the
// resource catalogue, every value filled in, and the answer mapped to the routine's result.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexstats/services/lexmill_dlg_catalogue.h"
#include "test_files.h"

namespace lxtest {

struct TShown {
  lx::UnicodeString Caption, Message;
  lx::TMsgDlgType DlgType;
  lx::TMsgDlgButtons Buttons;
  lx::TMsgDlgBtn DefaultButton;
  int32_t HelpCtx, TimeoutSeconds;
  bool WithDontShow, PlainBox;
};

// Answers as told (mrNone: the default button); may tick the reminder box or let a hand-driven clock run.
class TRecordingPresenter : public lx::TMessagePresenter {
 public:
  lx::TModalResult answer = lx::mrNone;
  bool tick = false;
  int32_t waitSeconds = 0;
  std::function<void(int32_t)> advance;
  std::vector<TShown> shown;
  lx::TModalResult ShowModal(lx::TMessageDialog& d) override {
    shown.push_back({d.Caption, d.Message, d.DlgType, d.Buttons, d.DefaultButton, d.HelpCtx, d.TimeoutSeconds,
                     d.WithDontShow, d.PlainBox});
    if (advance && waitSeconds) advance(waitSeconds);
    if (d.Closed()) return d.ModalResult();
    d.DontShowTicked = tick;
    return answer != lx::mrNone ? answer : lx::ModalResultOfButton(d.DefaultButton);
  }
};

// Registers itself with the test while it lives, so that a dialog without a time-out has no clock to run.
class THandClock : public lx::TDialogClock {
 public:
  explicit THandClock(THandClock*& current) : current_(current) { current_ = this; }
  ~THandClock() override {
    if (current_ == this) current_ = nullptr;
  }
  std::function<void()> tick;
  void Start(std::function<void()> t) override { tick = std::move(t); }
  void Stop() override { tick = nullptr; }

 private:
  THandClock*& current_;
};

// Installs the recording presenter and a hand clock, and a fresh read-write folder for markers.
class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    presenter = std::make_shared<TRecordingPresenter>();
    lx::SetMessagePresenter(presenter);
    lx::SetDialogClockFactory([this] { return std::make_unique<THandClock>(clock); });
    presenter->advance = [this](int32_t seconds) {
      for (int32_t i = 0; i < seconds && clock && clock->tick; ++i) clock->tick();
    };
    lx::Global_user_ReadWrite_folder = dir.File("");
  }
  void TearDown() override {
    lx::SetMessagePresenter(nullptr);
    lx::SetDialogClockFactory(nullptr);
    lx::Global_user_ReadWrite_folder.clear();
    lx::ClearResourceTranslations();
  }
  const TShown& Last() const { return presenter->shown.back(); }

  TempDir dir;
  std::shared_ptr<TRecordingPresenter> presenter;
  THandClock* clock = nullptr;
  lx::TForm form;
};

// What a routine gave back.
struct TOutcome {
  enum { kNothing, kBool, kModal } kind;
  int value;
};
template <class F>
TOutcome OutcomeOf(F&& call) {
  using R = decltype(call());
  if constexpr (std::is_void_v<R>) {
    call();
    return {TOutcome::kNothing, 0};
  } else if constexpr (std::is_same_v<R, bool>) {
    return {TOutcome::kBool, call() ? 1 : 0};
  } else {
    return {TOutcome::kModal, call()};
  }
}

struct TWalkStep {
  const char* key;                          // the routine's catalogue entry
  std::vector<lx::UnicodeString> expected;  // what its values must show up as
  std::function<TOutcome(const lx::TForm*)> call;
};
#define LX_WALK(key, call, ...)                                                                      \
  ::lxtest::TWalkStep {                                                                              \
    key, {__VA_ARGS__}, [](const lx::TForm* f) { return ::lxtest::OutcomeOf([&] { return call; }); } \
  }

constexpr int32_t kHelp = 777;  // the help context handed to routines that take the caller's

// Routines whose boolean is compared with Yes in an OK box, so it is always false.
inline bool AlwaysFalse(const std::string& key) {
  return key == "KeyWordsFoundLessThanNPercentMatches" || key == "CancellingAsNoneOfTheSourceTextsFound";
}

// Walks the steps, adding the keys walked to walked.
inline void Walk(const std::vector<TWalkStep>& steps, TRecordingPresenter& presenter, const lx::TForm& form,
                 std::set<std::string>& walked) {
  static const std::regex unfilled("%(\\d+:)?-?\\d*(\\.\\d+)?[sdnfuxegmp]");
  for (const TWalkStep& step : steps) {
    SCOPED_TRACE(step.key);
    walked.insert(step.key);
    const lx::TCatalogueMessage* entry = lx::FindCatalogueMessage(step.key);
    ASSERT_NE(entry, nullptr);
    presenter.answer = lx::mrNone;
    presenter.shown.clear();
    const TOutcome first = step.call(&form);
    ASSERT_EQ(presenter.shown.size(), 1u);
    const TShown& d = presenter.shown.back();
    EXPECT_EQ(d.DlgType, entry->DlgType);
    EXPECT_EQ(d.Buttons, lx::MsgDlgButtonsFromBits(entry->Buttons));
    EXPECT_EQ(d.DefaultButton, entry->DefaultButton());
    EXPECT_EQ(d.HelpCtx, entry->HelpCtx == lx::kCallersHelpCtx ? kHelp : entry->HelpCtx);
    EXPECT_EQ(d.TimeoutSeconds, entry->Options.TimeoutSeconds);
    EXPECT_EQ(d.WithDontShow, entry->Options.WithDontShow);
    EXPECT_EQ(d.Caption, entry->Options.Caption ? entry->Options.Caption->Text() : lx::UnicodeString());
    EXPECT_FALSE(d.PlainBox);
    const std::string text = lx::UTF16ToUTF8(d.Message);
    EXPECT_FALSE(text.empty());
    EXPECT_FALSE(std::regex_search(text, unfilled)) << text;
    for (const lx::UnicodeString& value : step.expected)
      EXPECT_NE(d.Message.find(value), lx::UnicodeString::npos)
          << text << " lacks " << lx::UTF16ToUTF8(value);
    ASSERT_FALSE(entry->Texts.empty());
    for (const lx::TResourceString* piece : entry->Texts) {
      EXPECT_TRUE(lx::ResourceStringExists(lx::UTF8ToUTF16(piece->Identifier())));
      EXPECT_EQ(lx::LoadResString(lx::UTF8ToUTF16(piece->Identifier())), piece->BuiltIn())
          << piece->Identifier();
    }
    // The answer: Yes or OK (as the set has) counts as true, the way out as false; a modal result is passed
    // on.
    const lx::TModalResult yes = entry->Affirmative();
    const lx::TModalResult no = entry->Buttons & 2 ? lx::mrNo : lx::mrCancel;
    if (first.kind == TOutcome::kBool) {
      presenter.answer = yes;
      EXPECT_EQ(step.call(&form).value, AlwaysFalse(step.key) ? 0 : 1);
      presenter.answer = no;
      EXPECT_EQ(step.call(&form).value, 0);
    } else if (first.kind == TOutcome::kModal) {
      EXPECT_EQ(first.value, lx::ModalResultOfButton(entry->DefaultButton()));
      presenter.answer = no;
      EXPECT_EQ(step.call(&form).value, no);
    }
  }
}

}  // namespace lxtest
