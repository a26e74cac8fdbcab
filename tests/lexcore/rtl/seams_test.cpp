#include <gtest/gtest.h>

#include <algorithm>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_log.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_yield.h"
#include "test_files.h"

using namespace lx;

namespace {
LX_RESOURCESTRING(_LXTestGreeting, u"Hello")
LX_RESOURCESTRING(_LXTestTwoLines, u"One")
}  // namespace

TEST(ResourceStrings, TranslationFileReplacesKnownTexts) {
  EXPECT_EQ(UnicodeString(_LXTestGreeting), u"Hello");
  EXPECT_EQ(LoadResString(u"_LXTestGreeting"), u"Hello");
  EXPECT_TRUE(ResourceStringExists(u"_LXTestTwoLines"));
  EXPECT_EQ(LoadResString(u"_LXNoSuchThing"), u"");

  lxtest::TempDir dir;
  // UTF-16 LE with a byte-order mark, a comment, an escape and an identifier this build does not know.
  const std::u16string text =
      u"\xFEFF; comment\r\n_LXTestGreeting = Bonjour \u00E0 tous\r\n"
      u"_LXTestTwoLines=Un\\nDeux\r\n_LXFromTheFuture=x\r\n";
  dir.Write("fr.txt", std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
  ASSERT_TRUE(LoadResourceTranslations(dir.File("fr.txt")));
  EXPECT_EQ(_LXTestGreeting.Text(), u"Bonjour \u00E0 tous");
  EXPECT_EQ(_LXTestTwoLines.Text(), u"Un\nDeux");
  EXPECT_EQ(LoadResString(u"_LXFromTheFuture"), u"");  // not registered, so not served
  EXPECT_FALSE(LoadResourceTranslations(dir.File("missing.txt")));
  ClearResourceTranslations();
  EXPECT_EQ(_LXTestGreeting.Text(), u"Hello");
}

TEST(ResourceStrings, LateRegistrationsAreFoundAndTheFirstOfAnIdentifierKept) {
  EXPECT_TRUE(ResourceStringExists(u"_LXTestGreeting"));  // the index is built by this look-up
  static const TResourceString late("_LXTestLate", u"Late");
  static const TResourceString again("_LXTestGreeting", u"Hello again");
  EXPECT_EQ(LoadResString(u"_LXTestLate"), u"Late");
  EXPECT_EQ(LoadResString(u"_LXTestGreeting"), u"Hello");
  const std::vector<UnicodeString> ids = ResourceStringIdentifiers();
  EXPECT_EQ(std::count(ids.begin(), ids.end(), u"_LXTestGreeting"), 1);
  const auto greeting = std::find(ids.begin(), ids.end(), u"_LXTestGreeting");
  const auto lateOne = std::find(ids.begin(), ids.end(), u"_LXTestLate");
  EXPECT_TRUE(greeting < lateOne && lateOne != ids.end());
  EXPECT_EQ(again.Text(), u"Hello again");  // its own text still serves the object itself
}

TEST(Yield, CallsTheInstalledHandlerOnly) {
  MyYieldProcess();  // nothing installed: no effect
  int calls = 0;
  Global_YieldProcessProc = [&] { ++calls; };
  MyYieldProcess();
  MyYieldProcess();
  Global_YieldProcessProc = nullptr;
  EXPECT_EQ(calls, 2);
}

TEST(Log, WritesUtf16WithMarkAndQueuesReentrantLines) {
  lxtest::TempDir dir;
  SetLogFilename(dir.File("log.txt"));
  AddToLogFile(u"ignored while logging is off");
  global_keeping_log = true;
  // A line logged from inside a write (here: from the prefix) is queued and written ahead of the next line.
  bool nested = false;
  Global_LogLinePrefixProc = [&]() -> UnicodeString {
    if (!nested) {
      nested = true;
      AddToLogFile(u"nested");
    }
    return u"WL: ";
  };
  AddToLogFile(u"first");
  AddToLogFile(u"second", false);
  global_keeping_log = false;
  Global_LogLinePrefixProc = nullptr;
  SetLogFilename(u"");
  const std::string bytes = dir.Read("log.txt");
  const std::u16string expected = u"\xFEFFWL: first\r\nnested\r\n\r\nWL: second";
  EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(expected.data()), expected.size() * 2));
}
