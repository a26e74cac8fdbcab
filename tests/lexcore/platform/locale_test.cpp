#include <gtest/gtest.h>

#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_strings.h"

namespace {

using namespace lx;

TEST(Locale, IdentifiersAndNames) {
  EXPECT_EQ(PRIMARYLANGID(0x041F), 0x1Fu);
  EXPECT_EQ(PRIMARYLANGID(0x0C1A), 0x1Au);
  EXPECT_TRUE(LCIDToLocaleName(0x041F) == u"tr_TR");
  EXPECT_TRUE(LCIDToLocaleName(0x040A) == u"es_ES");  // no collation keyword in the name
  EXPECT_TRUE(LCIDToLocaleName(0xBEEF).empty());
  EXPECT_EQ(LocaleNameToLCID(u"tr_TR"), 0x041Fu);
  EXPECT_EQ(LocaleNameToLCID(u"tr-TR"), 0x041Fu);
  EXPECT_EQ(LocaleNameToLCID(u"sr-Latn-RS"), 0x241Au);
  EXPECT_EQ(LocaleNameToLCID(u"en"), 0x0409u);  // a bare language takes its likely country
  EXPECT_EQ(LocaleNameToLCID(u"de"), 0x0407u);
  EXPECT_EQ(LocaleNameToLCID(u"xx"), 0u);
  EXPECT_EQ(LocaleNameToLCID(u""), 0u);
  EXPECT_TRUE(IsValidLCID(0x0409));
  EXPECT_TRUE(IsValidLCID(0x0439));
  EXPECT_FALSE(IsValidLCID(0));
  EXPECT_FALSE(IsValidLCID(0xBEEF));
  EXPECT_EQ(LCIDFromPosixLocale("tr_TR.UTF-8"), 0x041Fu);
  EXPECT_EQ(LCIDFromPosixLocale("de_DE@euro"), 0x0407u);
  EXPECT_EQ(LCIDFromPosixLocale("ru"), 0x0419u);
  for (const char* v : {"C", "C.UTF-8", "POSIX", "", "klingon_XX"})
    EXPECT_EQ(LCIDFromPosixLocale(v), 0x0409u) << v;
  EXPECT_NE(GetUserDefaultLCID(), 0u);
  EXPECT_EQ(ResolveLCID(LOCALE_USER_DEFAULT), GetUserDefaultLCID());
}

TEST(Locale, CodePagesOfLocales) {
  struct Row {
    uint32_t lcid, ansi, oem;
  };
  const Row rows[] = {
      {0x0409, 1252, 437},  {0x0809, 1252, 850}, {0x0407, 1252, 850}, {0x0419, 1251, 866},
      {0x0411, 932, 932},   {0x0804, 936, 936},  {0x0404, 950, 950},  {0x0C04, 950, 950},
      {0x0412, 949, 949},   {0x0408, 1253, 737}, {0x041F, 1254, 857}, {0x040D, 1255, 862},
      {0x0401, 1256, 720},  {0x0C01, 1256, 720}, {0x0427, 1257, 775}, {0x0426, 1257, 775},
      {0x042A, 1258, 1258}, {0x041E, 874, 874},  {0x0415, 1250, 852}, {0x0405, 1250, 852},
      {0x0439, 0, 1},       {0x041A, 1250, 852}, {0x241A, 1250, 852}, {0x281A, 1251, 855},
      {0x0C1A, 1251, 855},  {0x042C, 1254, 857}, {0x082C, 1251, 866},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.lcid);
    EXPECT_TRUE(GetLocaleString(r.lcid, LOCALE_IDEFAULTANSICODEPAGE) == UIntToStr(r.ansi));
    EXPECT_TRUE(GetLocaleString(r.lcid, LOCALE_IDEFAULTCODEPAGE) == UIntToStr(r.oem));
    EXPECT_EQ(LocaleAnsiCodePage(r.lcid), r.ansi);
  }
}

TEST(Locale, InfoBufferProtocol) {
  WideChar buf[16];
  EXPECT_EQ(GetLocaleInfoW(0x0411, LOCALE_IDEFAULTANSICODEPAGE, nullptr, 0), 4);  // "932" and the zero
  EXPECT_EQ(GetLocaleInfoW(0x0411, LOCALE_IDEFAULTANSICODEPAGE, buf, 16), 4);
  EXPECT_TRUE(UnicodeString(buf, 4) == UnicodeString(u"932\0", 4));
  SetLastError(0);
  EXPECT_EQ(GetLocaleInfoW(0x0411, LOCALE_IDEFAULTANSICODEPAGE, buf, 3), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(GetLocaleInfoW(0xBEEF, LOCALE_IDEFAULTANSICODEPAGE, buf, 16), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetLocaleInfoW(0x0409, 0x7777, buf, 16), 0);
  EXPECT_TRUE(GetLocaleString(0x0409, 0x7777).empty());
  // The code page as a number, in two characters.
  EXPECT_EQ(GetLocaleInfoW(0x0419, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, buf, 16), 2);
  EXPECT_EQ(buf[0] | (buf[1] << 16), 1251);
  EXPECT_EQ(GetLocaleInfoW(0x0419, LOCALE_SENGLANGUAGE | LOCALE_RETURN_NUMBER, buf, 16), 0);
}

TEST(Locale, NamesAndCurrencies) {
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SENGLANGUAGE) == u"German");
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SNATIVELANGNAME) == u"Deutsch");
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SENGCOUNTRY) == u"Germany");
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SNATIVECTRYNAME) == u"Deutschland");
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SLANGUAGE) == u"German (Germany)");
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SINTLSYMBOL) == u"EUR");
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SCURRENCY) == u"\u20AC");
  EXPECT_TRUE(GetLocaleString(0x041F, LOCALE_SNATIVELANGNAME) == u"T\u00FCrk\u00E7e");
  EXPECT_TRUE(GetLocaleString(0x0409, LOCALE_SCURRENCY) == u"$");
  EXPECT_TRUE(GetLocaleString(0x0407, LOCALE_SDECIMAL) == u",");
  EXPECT_TRUE(GetLocaleString(0x041F, LOCALE_SNAME) == u"tr-TR");
}

}  // namespace
