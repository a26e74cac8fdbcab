#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/locale_utilities.h"
#include "lexcore/text/my_Unicodenew.h"
#include "lexcore/text/my_string_functions.h"
#include "test_files.h"

namespace lx {
namespace {

constexpr LCID kEnglishUS = 0x0409, kTurkish = 0x041F, kJapanese = 0x0411, kHindi = 0x0439, kThai = 0x041E;

std::string ReadData(const std::string& relative) {
  std::ifstream in(lxtest::DataFile(relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(LocaleCodePages, FromLocale) {
  EXPECT_EQ(CodePageFromLocale(kEnglishUS), 1252u);
  EXPECT_EQ(LCIDToCodePage(kJapanese), 932u);
  EXPECT_EQ(WindowsCodepageFromLCID(kJapanese), 932u);
  EXPECT_EQ(DOSCodepageFromLCID(kEnglishUS), 437u);
  // An unknown locale: the process code page, or 0 for the strict forms.
  EXPECT_EQ(CodePageFromLocale(0x7777), 1252u);
  EXPECT_EQ(WindowsCodepageFromLCID(0x7777), 0u);
  EXPECT_EQ(DOSCodepageFromLCID(0x7777), 0u);
  EXPECT_EQ(WindowsCodepageFromLCID(kHindi), 0u);  // Unicode only
}

TEST(LocaleCodePages, LanguageSets) {
  EXPECT_TRUE(LanguageHasCombiningCharacters(kThai));
  EXPECT_TRUE(LanguageHasCombiningCharacters(kHindi));
  EXPECT_TRUE(LanguageHasCombiningCharacters(0x046A));  // Yoruba
  EXPECT_FALSE(LanguageHasCombiningCharacters(kEnglishUS));
  EXPECT_FALSE(LanguageHasCombiningCharacters(0x0070));  // above 111
  EXPECT_TRUE(LanguageRequiresUnicode(0x0804));          // Chinese, whatever the sub-language
  EXPECT_TRUE(LanguageRequiresUnicode(0x0463));
  EXPECT_FALSE(LanguageRequiresUnicode(kHindi));
  EXPECT_FALSE(LanguageRequiresUnicode(0x03FF));
}

TEST(LocaleNames, Strings) {
  EXPECT_FALSE(CurrencyFromLCID(kEnglishUS).empty());
  EXPECT_EQ(EnglishLanguageNameFromLCID(kEnglishUS), u"English");
  EXPECT_TRUE(CountryFromLCID(0x7777).empty());
  EXPECT_EQ(ShortenedSysLanguageName(0x0809), EnglishLanguageNameFromLCID(0x0809));
  EXPECT_NE(SysLanguageVariantName(0x0809), SysLanguageVariantName(kEnglishUS));

  const std::vector<LCID> varieties = LCIDSubVarieties(0x0809);
  EXPECT_GT(varieties.size(), 2u);
  for (LCID v : varieties) EXPECT_EQ(v & 0x3FF, 0x09u);
  // The pound and the dollar, each once, in the order met; other languages ignored.
  const UnicodeString all = LCIDAllCurrencyString(0x0409, {0x0809, 0x0409, 0x0C09, 0x0407, 0x0809});
  EXPECT_EQ(all, CurrencyFromLCID(0x0809) + u"," + CurrencyFromLCID(0x0409));
}

TEST(LocaleCaseMapping, TurkishAndBuffers) {
  EXPECT_EQ(Uppercase(kTurkish, u"istanbul"), u"\u0130STANBUL");
  EXPECT_EQ(Lowercase(kTurkish, u"I"), u"\u0131");
  EXPECT_EQ(Uppercase(kEnglishUS, u"istanbul"), u"ISTANBUL");
  EXPECT_EQ(Uppercase(u"\u00E9t\u00E9"), u"\u00C9T\u00C9");  // locale-independent
  EXPECT_EQ(Lowercase(u"I"), u"i");

  WideChar w[] = u"Kilim";
  UppercaseIt(kTurkish, w);
  EXPECT_EQ(std::u16string(w), u"K\u0130L\u0130M");
  LowercaseIt(kEnglishUS, w);
  EXPECT_EQ(std::u16string(w), u"kilim");  // simple mapping keeps one unit per unit
  char a[] = "caf\xE9";                    // windows-1252
  WinUpperCased(kEnglishUS, a, false);
  EXPECT_STREQ(a, "CAF\xC9");
  WinLowerCased(kEnglishUS, a, false);
  EXPECT_STREQ(a, "caf\xE9");
  WideChar c[] = u"\u00E9t\u00E9";
  Capitalise(kEnglishUS, c, true);
  EXPECT_EQ(std::u16string(c), u"\u00C9T\u00C9");
  WinUpperCased(kEnglishUS, nullptr, true);
}

TEST(ClassArray, FillAndZeroWidthCharacters) {
  const std::u16string text = u"a1 .\u200C\u200D";
  std::vector<uint16_t> cls(text.size() + 2, 0xBEEF);
  ASSERT_TRUE(
      GetStringTypeExNT2000(true, kEnglishUS, 1, cls.data(), static_cast<int>(text.size()), text.data()));
  EXPECT_EQ(cls[0] & 0x0104, 0x0100);
  EXPECT_EQ(cls[1] & 0x0104, 0x0004);
  EXPECT_TRUE(cls[2] & 0x0008);
  EXPECT_TRUE(cls[3] & 0x0010);
  EXPECT_EQ(cls[6], 0xBEEF);  // the spare words are the caller's
  EXPECT_EQ(cls[7], 0xBEEF);
  EXPECT_EQ(SetZeroWidthNonJoinersToDefinedAlpha(text.data(), cls.data(), 6), 8204);
  EXPECT_EQ(SetZeroWidthJoinersToDefined(text.data(), cls.data(), 6), 8205);
  EXPECT_EQ(cls[4], 0x0300);
  EXPECT_EQ(cls[5], 0x0200);

  const char ansi[] = "\xE9z9";
  std::vector<uint16_t> a(5, 0);
  ASSERT_TRUE(GetStringTypeExNT2000(false, kEnglishUS, 1, a.data(), 3, ansi));
  EXPECT_TRUE(a[0] & 0x0002);  // é in windows-1252
  EXPECT_TRUE(a[2] & 0x0004);
  EXPECT_FALSE(GetStringTypeExNT2000(true, kEnglishUS, 1, nullptr, 3, ansi));
}

TEST(Conversions, TwinTexts) {
  const std::string cp1252 = ReadData("enc/candide-windows-1252.txt");
  const UnicodeString candide = UTF8ToUTF16(ReadData("enc/candide-utf-8.txt"));
  ASSERT_FALSE(cp1252.empty());
  EXPECT_EQ(ConvertedToString(uint16_t(1252), cp1252.data(), static_cast<int>(cp1252.size())), candide);
  EXPECT_EQ(ConvertedToString(kEnglishUS, cp1252.c_str()), candide);
  EXPECT_EQ(ConvertedToString(cp1252.c_str()), candide);  // process code page 1252
  EXPECT_EQ(ConvertedFromString(kEnglishUS, candide.c_str()), cp1252);

  // A multi-byte code page needs more bytes than characters: nothing may be lost.
  const std::string sjis = ReadData("enc/rashomon-shift-jis.txt");
  const UnicodeString rashomon = UTF8ToUTF16(ReadData("enc/rashomon-utf-8.txt"));
  EXPECT_EQ(ConvertedToString(kJapanese, sjis.data(), static_cast<int>(sjis.size())), rashomon);
  EXPECT_EQ(ConvertedFromString(uint16_t(932), rashomon.c_str()), sjis);
  EXPECT_EQ(ConvertedFromString(uint16_t(65001), u"\u00E9"), "\xC3\xA9");
}

TEST(Conversions, EdgeCases) {
  EXPECT_EQ(ConvertedToString(uint16_t(1252), nullptr), u"");
  EXPECT_EQ(ConvertedToString(kEnglishUS, nullptr, 5), u"");
  EXPECT_EQ(ConvertedToString("abc", 0), u"");
  EXPECT_EQ(ConvertedFromString(kEnglishUS, nullptr), "");
  EXPECT_EQ(ConvertedToString(uint16_t(65001), "e\xCC\x81"), u"\u00E9");  // precomposed
  EXPECT_EQ(ConvertedFromString(uint16_t(1252), u"a\u4E00b"), "a?b");
  EXPECT_EQ(ConvertedToString(uint16_t(65001), "ab\xC3", 3), u"ab\uFFFD");  // malformed tail
}

TEST(Conversions, StaticCopies) {
  const UnicodeString longText(300, u'x');
  const WideChar* w = GetCopyOfSTringEncodedASUnicode(longText, kEnglishUS);
  EXPECT_EQ(std::u16string(w).size(), 255u);
  EXPECT_EQ(GetCopyOfSTringEncodedASUnicode(u"ab", kEnglishUS), w);  // the same buffer, overwritten
  EXPECT_EQ(std::u16string(w), u"ab");
  EXPECT_EQ(w[255], 0);
  EXPECT_EQ(std::u16string(GetCopyOfAnsiEncodedAsUnicode("caf\xE9", kEnglishUS)), u"caf\u00E9");

  const char* a = GetCopyOfSTringEncodedAsAnsi(u"caf\u00E9", kEnglishUS);
  EXPECT_STREQ(a, "caf\xE9");
  EXPECT_EQ(std::string(GetCopyOfAnsiEncodedAsAnsi(std::string(400, 'y'), kEnglishUS)).size(), 255u);
  EXPECT_STREQ(GetCopyOfAnsiEncodedAsAnsi("z", kEnglishUS), "z");
  EXPECT_EQ(a[255], 0);
}

TEST(Composition, EnsurePrecomposed) {
  EXPECT_EQ(EnsurePrecomposed(u"e\u0301t\u00E9"), u"\u00E9t\u00E9");
  EXPECT_EQ(EnsurePrecomposed(u""), u"");
  EXPECT_EQ(EnsurePrecomposed(u"A\u030A\u0301"), u"\u01FA");  // two marks onto one letter
  // A lone surrogate passes through.
  EXPECT_EQ(EnsurePrecomposed(std::u16string(1, 0xD800)), std::u16string(1, 0xD800));
}

}  // namespace
}  // namespace lx
