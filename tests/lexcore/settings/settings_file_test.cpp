#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "lexcore/rtl/lx_colors.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/settings/IniFileBase.h"
#include "lexcore/settings/registry_utils.h"
#include "test_files.h"

using namespace lx;
using lxtest::TempDir;

namespace {

// The file's text without its byte-order mark, checking that it is UTF-16 LE with one.
std::u16string UTF16File(const TempDir& t, const std::string& name) {
  const std::string bytes = t.Read(name);
  EXPECT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  std::u16string s((bytes.size() - 2) / 2, u'\0');
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 + 2 * i]) |
                                 static_cast<uint8_t>(bytes[3 + 2 * i]) << 8);
  return s;
}

}  // namespace

TEST(SettingsFile, BooleansAndColours) {
  TempDir t;
  t.Write("s.ini", "[a]\nyes=yes\nempty=\nno=NO\nrgb=255.0.0\nbad=255.x.0\nhash=#$0000FF00\nname=clRed\n");
  TMyMemIniFile ini(t.File("s.ini"));
  EXPECT_FALSE(ini.ReadBool(u"a", u"yes", true));  // case-sensitive first letter
  EXPECT_FALSE(ini.ReadBool(u"a", u"empty", true));
  EXPECT_TRUE(ini.ReadBool(u"a", u"empty", false));
  EXPECT_FALSE(ini.ReadBool(u"a", u"no", false));
  EXPECT_TRUE(ini.ReadBool(u"a", u"missing", true));
  ini.WriteBool(u"a", u"flag", true);
  EXPECT_EQ(ini.ReadString(u"a", u"flag", u""), u"YES");

  EXPECT_EQ(ini.ReadColor(u"a", u"rgb", clBlue), 255);
  EXPECT_EQ(ini.ReadColor(u"a", u"bad", clBlue), clBlue);
  EXPECT_EQ(ini.ReadColor(u"a", u"hash", clBlue), 0xFF00);
  EXPECT_EQ(ini.ReadColor(u"a", u"name", clBlue), clRed);
  EXPECT_EQ(ini.ReadColor(u"a", u"missing", 0x123456), 0x123456);
  ini.WriteColor(u"a", u"c", 0x010203);
  EXPECT_EQ(ini.ReadString(u"a", u"c", u""), u"$00010203");
  ini.WriteString(u"a", u"junk", u"purple-ish");
  EXPECT_THROW(ini.ReadColor(u"a", u"junk", 0), EConvertError);
}

TEST(SettingsFile, StringListsWithTickedMarks) {
  TempDir t;
  TMyMemIniFile ini(t.File("s.ini"));
  TStringList items;
  items.Add(u"one");
  items.AddObject(u"two=2", TickedMark());
  items.Add(u"three");
  ini.WriteMultiString(u"list", items);
  TStringList back;
  ini.ReadMultiString(u"list", back);
  ASSERT_EQ(back.Count(), 3);
  EXPECT_EQ(back[1], u"two=2");
  EXPECT_EQ(back.Objects(1), nullptr);  // marks kept only with the switch on

  MEMINI_include_checklistbox_checkeds = true;
  ini.WriteMultiString(u"list", items, 2);
  ini.WriteString(u"list", u"i", u"7");  // a trailing item count is not an item
  ini.ReadMultiString(u"list", back);
  MEMINI_include_checklistbox_checkeds = false;
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Objects(0), nullptr);
  EXPECT_NE(back.Objects(1), nullptr);
  EXPECT_EQ(ini.ReadString(u"list", u"[c1]", u""), u"two=2");
}

TEST(SettingsFile, SaveWritesHeaderOnceKeepsBackupAndFailsSafely) {
  TempDir t;
  const UnicodeString name = t.File("s.ini");
  {
    TMyMemIniFile ini(name);
    ini.WriteString(u"Main", u"k", u"v\u00e9");
    ini.UpdateFile();
  }
  const std::u16string first = UTF16File(t, "s.ini");
  EXPECT_EQ(first, std::u16string(u"Automatically generated file. CAREFUL!!!\r\n") + MEMINI_header_lines[1] +
                       u"\r\n; Delete it if you want.\r\n; Modify it at your own risk!\r\n\r\n[Main]\r\n"
                       u"k=v\u00e9\r\n\r\n");
  {
    TMyMemIniFile ini(name);
    EXPECT_EQ(ini.ReadString(u"Main", u"k", u""), u"v\u00e9");
    ini.WriteString(u"Main", u"k2", u"w");
    ini.UpdateFile();
  }
  // The backup holds the file as it was before the second save; the header is still written once.
  EXPECT_EQ(UTF16File(t, "s.ini.Backup"), first);
  const std::u16string second = UTF16File(t, "s.ini");
  EXPECT_EQ(second.find(u"CAREFUL"), second.rfind(u"CAREFUL"));
  EXPECT_NE(second.find(u"k2=w"), std::u16string::npos);

  // A save that cannot make its backup (a folder stands in its way, which stops even a superuser) fails with
  // an error, and the old file stays.
  {
    std::filesystem::remove(t.path / "s.ini.Backup");
    std::filesystem::create_directory(t.path / "s.ini.Backup");
    TMyMemIniFile ini(name);
    ini.WriteString(u"Main", u"k3", u"x");
    EXPECT_THROW(ini.UpdateFile(), EStreamError);
    EXPECT_EQ(UTF16File(t, "s.ini"), second);
    std::filesystem::remove(t.path / "s.ini.Backup");
  }
  // A folder that cannot be written.
  if (::geteuid() != 0) {
    ::chmod(t.path.c_str(), 0555);
    TMyMemIniFile ini(name);
    ini.WriteString(u"Main", u"k3", u"x");
    EXPECT_THROW(ini.UpdateFile(), EStreamError);
    ::chmod(t.path.c_str(), 0755);
    EXPECT_EQ(UTF16File(t, "s.ini"), second);
  }
}

TEST(SettingsFile, UserInitials) {
  EXPECT_EQ(InitialsOf(u"Maria Sousa Lima"), u"MS");
  EXPECT_EQ(InitialsOf(u"JohnsMith"), u"JM");
  EXPECT_EQ(InitialsOf(u"Ana"), u"A");
  EXPECT_EQ(InitialsOf(u"lower"), u"");
  EXPECT_FALSE(Registry_Current_User().empty());
  EXPECT_LE(Registry_Current_User_Initials().size(), 2u);
}
