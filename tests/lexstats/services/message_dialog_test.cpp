#include <gtest/gtest.h>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexstats/services/dont_remind_me_dlg.h"
#include "lexstats/services/lexmill_error_dlgs_1.h"
#include "test_files.h"

namespace lx {
namespace {

// Answers as scripted and keeps what it was shown; may tick the reminder box or wait out a fake clock.
class TScriptedPresenter : public TMessagePresenter {
 public:
  TModalResult answer = mrNone;  // mrNone: the default button
  bool tick = false;
  int32_t waitSeconds = 0;
  std::function<void(int32_t)> advance;
  std::vector<bool> shown;  // whether each was the plain box
  std::vector<TMsgDlgButtons> buttons;
  std::vector<UnicodeString> messages;
  TModalResult ShowModal(TMessageDialog& d) override {
    shown.push_back(d.PlainBox);
    buttons.push_back(d.Buttons);
    messages.push_back(d.Message);
    if (advance && waitSeconds) advance(waitSeconds);
    if (d.Closed()) return d.ModalResult();
    d.DontShowTicked = tick;
    return answer != mrNone ? answer : ModalResultOfButton(d.DefaultButton);
  }
};

class TFakeClock : public TDialogClock {
 public:
  std::function<void()> tick;
  void Start(std::function<void()> t) override { tick = std::move(t); }
  void Stop() override { tick = nullptr; }
};

class MessageDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    presenter = std::make_shared<TScriptedPresenter>();
    SetMessagePresenter(presenter);
    SetDialogClockFactory([this] {
      auto c = std::make_unique<TFakeClock>();
      clock = c.get();
      return c;
    });
    presenter->advance = [this](int32_t seconds) {
      for (int32_t i = 0; i < seconds && clock && clock->tick; ++i) clock->tick();
    };
    Global_user_ReadWrite_folder = dir.File("");
  }
  void TearDown() override {
    SetMessagePresenter(nullptr);
    SetDialogClockFactory(nullptr);
    Global_user_ReadWrite_folder.clear();
  }
  lxtest::TempDir dir;
  std::shared_ptr<TScriptedPresenter> presenter;
  TFakeClock* clock = nullptr;
  TForm form;
};

TEST_F(MessageDialogTest, TerminalPresenterWritesTheMessageAndTakesTheDefault) {
  std::string out;
  SetMessagePresenter(std::make_shared<TTerminalMessagePresenter>([&](const std::string& s) { out += s; }));
  bool timedOut = true;
  const TModalResult r =
      FormCentredMessageDlg(&form, timedOut, u"Overwrite x.lst (with backup)?", mtConfirmation,
                            MsgDlgButtonsFromBits(1027), 0, nullptr, 0, false);
  EXPECT_EQ(r, mrYes);
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(out, "Confirm: Overwrite x.lst (with backup)? [Yes/No] -> Yes\n");
  out.clear();
  EXPECT_FALSE(ModifySourceTextsForSet(&form));  // default No
  EXPECT_EQ(out, "Confirm: Modify the source texts to suit your Set choices? [Yes/No] -> No\n");
  out.clear();
  // Without OK or Yes, the chosen default is Retry.
  EXPECT_EQ(FormCentredMessageDlg(&form, timedOut, u"again?", mtWarning, MsgDlgButtonsFromBits(0x30), 0,
                                  nullptr, 0, false),
            mrRetry);
  EXPECT_NE(out.find("-> Retry"), std::string::npos);
}

TEST_F(MessageDialogTest, NeverShowAgainIsRememberedInTheMarkerFile) {
  presenter->tick = true;
  bool timedOut = false;
  ClipboardHasText(&form);
  ASSERT_EQ(presenter->shown.size(), 1u);
  const UnicodeString marker = DontRemindMarkerFileName(u"data can now be pasted as text.");
  EXPECT_EQ(marker, dir.File("data can now be pasted as text..LXDontTellMeAgain"));
  EXPECT_TRUE(FileExists(marker));
  // Next time nothing is shown and the answer is Cancel.
  Global_TimedOut = true;
  ClipboardHasText(&form);
  EXPECT_EQ(presenter->shown.size(), 1u);
  EXPECT_FALSE(Global_TimedOut);
  EXPECT_EQ(FormCentredMessageDlg(&form, timedOut, u"data can now be pasted as text.", mtInformation,
                                  MsgDlgButtonsFromBits(4), 0, nullptr, 0, true),
            mrCancel);

  // Keys: the first 50 characters, after the last path delimiter, without unsafe characters.
  const UnicodeString longA = std::u16string(50, u'a') + u" first",
                      longB = std::u16string(50, u'a') + u" second";
  EXPECT_EQ(DontRemindMarkerFileName(longA), DontRemindMarkerFileName(longB));
  EXPECT_EQ(DontRemindMarkerFileName(u"C:\\texts\\a?b*.txt missing"),
            dir.File("ab.txt missing.LXDontTellMeAgain"));
  Global_user_ReadWrite_folder.clear();
  EXPECT_EQ(DontRemindMarkerFileName(u"anything"), u"");
  // No form: the plain box, no reminder written.
  Global_user_ReadWrite_folder = dir.File("");
  FormCentredMessageDlg(nullptr, timedOut, u"plain box", mtInformation, MsgDlgButtonsFromBits(4), 0, nullptr,
                        0, true);
  ASSERT_EQ(presenter->shown.size(), 2u);
  EXPECT_TRUE(presenter->shown.back());
  EXPECT_FALSE(FileExists(DontRemindMarkerFileName(u"plain box")));
}

TEST_F(MessageDialogTest, TimeOutClosesTheDialogAfterItsSeconds) {
  presenter->answer = mrOk;
  presenter->waitSeconds = 7;
  SavedOK(&form);  // 8-second time-out: 7 ticks are not enough
  EXPECT_FALSE(Global_TimedOut);
  presenter->waitSeconds = 8;
  SavedOK(&form);
  EXPECT_TRUE(Global_TimedOut);
  bool timedOut = false;
  EXPECT_EQ(FormCentredMessageDlg(&form, timedOut, u"t", mtInformation, MsgDlgButtonsFromBits(4), 0, nullptr,
                                  3, false),
            mrCancel);
  EXPECT_TRUE(timedOut);
}

TEST_F(MessageDialogTest, CatalogueComposesItsTextsAndButtons) {
  NoTextsChosenSoUseThese(&form, 0, 1234, u"x.lst");
  EXPECT_EQ(presenter->messages.back(),
            u"You have 0 text file(s) chosen\r\nso use the 1,234 that x.lst is based on?");
  EXPECT_EQ(presenter->buttons.back(), (TMsgDlgButtons{mbYes, mbNo, mbHelp}));
  EXPECT_EQ(LimitedRoomOnDProceed(&form, 5, u"/data"), mrCancel);
  EXPECT_EQ(presenter->messages.back(), u"Only 5Mb space left on /data -- Proceed?");
  EXPECT_EQ(JoinClusters(&form), mrYesToAll);
  EXPECT_EQ(presenter->messages.back(), u"Join clusters?");
  EXPECT_FALSE(OKtoDelete(&form, u"old", true));
  EXPECT_EQ(presenter->messages.back(), u"OK to delete old and all sub-folders of it?");
  presenter->answer = mrYes;
  EXPECT_TRUE(IncludeZipsToo(&form));
  int helped = 0;
  Global_HelpProc = [&](TObject*) { ++helped; };
  InvalidNumber(&form, u"x1");
  Global_HelpProc = nullptr;
  EXPECT_EQ(Global_MessageHelpCtx, 3790);
  EXPECT_EQ(presenter->messages.back(), u"x1 isn't a valid number");
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

// A presenter that waits for the dialog to close by itself, as a window left alone does.
class TWaitingPresenter : public TMessagePresenter {
 public:
  TModalResult ShowModal(TMessageDialog& d) override {
    return d.WaitClosed(std::chrono::seconds(10)) ? mrNone : mrOk;
  }
};

TEST(MessageDialogClockTest, TheDefaultTimerClosesAnUnansweredDialog) {
  SetMessagePresenter(std::make_shared<TWaitingPresenter>());
  SetDialogClockFactory(nullptr);
  TForm form;
  bool timedOut = false;
  const auto t0 = std::chrono::steady_clock::now();
  const TModalResult r = FormCentredMessageDlg(&form, timedOut, u"waiting", mtInformation,
                                               MsgDlgButtonsFromBits(4), 0, nullptr, 1, false);
  EXPECT_EQ(r, mrCancel);
  EXPECT_TRUE(timedOut);
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
  SetMessagePresenter(nullptr);
}

}  // namespace
}  // namespace lx
