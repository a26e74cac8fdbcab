// Conversions checked against the tables recorded from the platform (tests/data/windows-codepages).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

namespace {

using namespace lx;

struct Entry {
  std::string bytes;
  UnicodeString text;
};

std::string HexBytes(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return out;
}

UnicodeString HexUnits(const std::string& hex) {
  UnicodeString out;
  std::istringstream in(hex);
  std::string unit;
  while (in >> unit) out.push_back(static_cast<char16_t>(std::stoi(unit, nullptr, 16)));
  return out;
}

std::vector<Entry> ReadTable(const std::string& relative) {
  std::ifstream in(lxtest::DataFile("windows-codepages/" + relative));
  EXPECT_TRUE(in) << relative;
  std::vector<Entry> entries;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto tab = line.find('\t');
    entries.push_back({HexBytes(line.substr(0, tab)), HexUnits(line.substr(tab + 1))});
  }
  return entries;
}

struct Notes {
  std::map<uint32_t, std::set<std::string>> rejected;  // single bytes MB_ERR_INVALID_CHARS refuses
  std::map<uint32_t, std::map<std::string, std::string>> encodesBack;  // bytes -> the bytes their text gives
  std::map<uint32_t, std::map<std::string, UnicodeString>> flagsZero;  // bytes -> what flags 0 decode
};

const Notes& ReadNotes() {
  static const Notes notes = [] {
    Notes n;
    std::ifstream in(lxtest::DataFile("windows-codepages/notes.tsv"));
    EXPECT_TRUE(in);
    std::string line;
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      std::string cp, bytes, remark;
      std::getline(fields, cp, '\t');
      std::getline(fields, bytes, '\t');
      std::getline(fields, remark);
      const auto page = static_cast<uint32_t>(std::stoul(cp));
      const std::string raw = HexBytes(bytes);
      if (remark.rfind("rejected", 0) == 0) n.rejected[page].insert(raw);
      if (const auto at = remark.find(" encodes back to "); at != std::string::npos)
        n.encodesBack[page][raw] = HexBytes(remark.substr(at + 17));
      if (const auto at = remark.find("flags 0 give "); at != std::string::npos)
        n.flagsZero[page][raw] = HexUnits(remark.substr(at + 13));
    }
    return n;
  }();
  return notes;
}

std::vector<uint32_t> RecordedPages(const char* folder) {
  std::vector<uint32_t> pages;
  for (const auto& e :
       std::filesystem::directory_iterator(lxtest::DataFile(std::string("windows-codepages/") + folder))) {
    const std::string name = e.path().stem().string();  // cpNNN
    pages.push_back(static_cast<uint32_t>(std::stoul(name.substr(2))));
  }
  EXPECT_FALSE(pages.empty());
  return pages;
}

// Decodes with the platform-style entry point; returns false when it refuses.
bool Decode(uint32_t cp, uint32_t flags, const std::string& bytes, UnicodeString& out) {
  WideChar buf[8];
  SetLastError(0);
  const int n = MultiByteToWideChar(cp, flags, bytes.data(), static_cast<int>(bytes.size()), buf, 8);
  out.assign(buf, buf + n);
  return n > 0;
}

TEST(CodePageTables, EverySingleByteDecodesAndEncodesAsRecorded) {
  const Notes& notes = ReadNotes();
  for (const uint32_t cp : RecordedPages("sbcs")) {
    SCOPED_TRACE(cp);
    const auto entries = ReadTable("sbcs/cp" + std::to_string(cp) + ".tsv");
    ASSERT_EQ(entries.size(), 256u);
    for (const Entry& e : entries) {
      SCOPED_TRACE(static_cast<int>(static_cast<uint8_t>(e.bytes[0])));
      UnicodeString got;
      ASSERT_TRUE(Decode(cp, 0, e.bytes, got));
      EXPECT_TRUE(got == e.text);
      ASSERT_TRUE(Decode(cp, MB_PRECOMPOSED, e.bytes, got));
      EXPECT_TRUE(got == e.text);
      const bool rejected = notes.rejected.count(cp) && notes.rejected.at(cp).count(e.bytes);
      EXPECT_EQ(Decode(cp, MB_ERR_INVALID_CHARS, e.bytes, got), !rejected);
      if (rejected) {
        EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
      }
      std::string expected = e.bytes;
      if (notes.encodesBack.count(cp) && notes.encodesBack.at(cp).count(e.bytes))
        expected = notes.encodesBack.at(cp).at(e.bytes);
      bool used = true;
      char out[4];
      const int n = WideCharToMultiByte(cp, 0, e.text.data(), 1, out, 4, nullptr, &used);
      EXPECT_EQ(std::string(out, static_cast<std::size_t>(n)), expected);
      EXPECT_FALSE(used);
    }
  }
}

TEST(CodePageTables, WindowsChoicesWhereMappingTablesDisagree) {
  // Private-use characters for holes, decoded and encoded back.
  EXPECT_TRUE(CodePageToUnicode(1253, "\xAA\xD2\xFF") == u"\uF8F9\uF8FA\uF8FB");
  EXPECT_TRUE(CodePageToUnicode(1255, "\xCA") == u"\u05BA");
  EXPECT_TRUE(CodePageToUnicode(874, "\xDB") == u"\uF8C1");
  EXPECT_EQ(UnicodeToCodePage(1253, u"\uF8F9\uF8FA"), "\xAA\xD2");
  // Table versions: micro sign in the DOS pages, and the Turkish DOS page's O tilde no longer a fallback.
  EXPECT_TRUE(CodePageToUnicode(437, "\xE6") == u"\u00B5");
  EXPECT_TRUE(CodePageToUnicode(862, "\xE6") == u"\u00B5");
  EXPECT_EQ(UnicodeToCodePage(857, u"\u00D5"), "\xE5");
  EXPECT_TRUE(CodePageToUnicode(857, "\xD5") == u"\uF8BB");
  // US-ASCII strips the high bit, and the text encodes back to the low half.
  EXPECT_TRUE(CodePageToUnicode(20127, "\xC1\xFF") == u"A\u007F");
  EXPECT_EQ(UnicodeToCodePage(20127, u"A\u00E9"), "A?");
  WideChar w[4];
  EXPECT_EQ(MultiByteToWideChar(20127, MB_ERR_INVALID_CHARS, "\xBF", 1, w, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(1253, MB_ERR_INVALID_CHARS, "ab\xD2", 3, w, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  // Japanese: the controls are not rotated, 0x80 is U+0080, and the private-use single bytes encode back.
  const std::string controls("\x1A\x1C\x7F\x80\xA0\xFD", 6);
  EXPECT_TRUE(CodePageToUnicode(932, controls) == u"\u001A\u001C\u007F\u0080\uF8F0\uF8F1");
  EXPECT_EQ(UnicodeToCodePage(932, u"\u001A\u001C\u007F\u0080\uF8F0\uF8F1"), controls);
  EXPECT_EQ(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, "a\x80", 2, w, 4), 2);
  EXPECT_EQ(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, "a\xA0", 2, w, 4), 0);
  // 0xFF of the Chinese and Korean pages decodes to private use but is refused as invalid.
  for (uint32_t cp : {936u, 949u, 950u}) {
    EXPECT_EQ(MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, "ab\xFF", 3, w, 4), 0);
    EXPECT_EQ(MultiByteToWideChar(cp, 0, "ab\xFF", 3, w, 4), 3);
  }
}

// Lead-byte ranges from the table's header line ("# lead bytes: 81-9F E0-FC").
std::set<uint8_t> LeadBytes(uint32_t cp) {
  std::ifstream in(lxtest::DataFile("windows-codepages/dbcs/cp" + std::to_string(cp) + ".tsv"));
  std::string header;
  std::getline(in, header);
  std::istringstream ranges(header.substr(header.find(':') + 1));
  std::set<uint8_t> leads;
  std::string range;
  while (ranges >> range)
    for (int b = std::stoi(range.substr(0, 2), nullptr, 16); b <= std::stoi(range.substr(3, 2), nullptr, 16);
         ++b)
      leads.insert(static_cast<uint8_t>(b));
  EXPECT_FALSE(leads.empty());
  return leads;
}

TEST(CodePageTables, EveryDoubleByteEntryDecodesAndEncodesAsRecorded) {
  const Notes& notes = ReadNotes();
  for (const uint32_t cp : RecordedPages("dbcs")) {
    SCOPED_TRACE(cp);
    const std::set<uint8_t> leads = LeadBytes(cp);
    std::set<std::string> listed;
    for (const Entry& e : ReadTable("dbcs/cp" + std::to_string(cp) + ".tsv")) {
      listed.insert(e.bytes);
      SCOPED_TRACE(e.bytes.size() == 1
                       ? static_cast<int>(static_cast<uint8_t>(e.bytes[0]))
                       : static_cast<uint8_t>(e.bytes[0]) * 256 + static_cast<uint8_t>(e.bytes[1]));
      UnicodeString got;
      EXPECT_TRUE(Decode(cp, 0, e.bytes, got) && got == e.text);
      EXPECT_TRUE(Decode(cp, MB_ERR_INVALID_CHARS, e.bytes, got) && got == e.text);
      std::string expected = e.bytes;
      if (notes.encodesBack.count(cp) && notes.encodesBack.at(cp).count(e.bytes))
        expected = notes.encodesBack.at(cp).at(e.bytes);
      EXPECT_EQ(UnicodeToCodePage(cp, e.text), expected);
    }
    // Whatever the table leaves out is refused under MB_ERR_INVALID_CHARS: single bytes and lead/trail pairs.
    UnicodeString got;
    for (int b = 0; b < 256; ++b) {
      const std::string single(1, static_cast<char>(b));
      if (leads.count(static_cast<uint8_t>(b))) {
        for (int t = 0; t < 256; ++t) {
          const std::string pair = single + static_cast<char>(t);
          if (!listed.count(pair)) {
            EXPECT_FALSE(Decode(cp, MB_ERR_INVALID_CHARS, pair, got)) << b << " " << t;
          }
        }
      } else if (!listed.count(single)) {
        EXPECT_FALSE(Decode(cp, MB_ERR_INVALID_CHARS, single, got)) << b;
        const auto& zero = notes.flagsZero.at(cp);
        if (zero.count(single)) {
          EXPECT_TRUE(Decode(cp, 0, single, got) && got == zero.at(single)) << b;
        }
      }
    }
    // Broken double-byte sequences decode to the page's default character. A lead byte at the end is one;
    // a lead byte before a byte that cannot trail it is one too, but the byte after it is kept (the platform
    // swallows it, even when it is plain ASCII).
    for (const auto& [bytes, text] : notes.flagsZero.at(cp)) {
      const auto last = static_cast<uint8_t>(bytes.back());
      const auto first = static_cast<uint8_t>(bytes.front());
      SCOPED_TRACE(bytes);
      if (leads.count(last) && (bytes.size() == 1 || !leads.count(first))) {
        EXPECT_TRUE(Decode(cp, 0, bytes, got) && got == text);
      } else if (bytes.size() == 2 && leads.count(first) && !listed.count(bytes) && last < 0x80) {
        EXPECT_TRUE(Decode(cp, 0, bytes, got) && got == text + UnicodeString(1, last));
      }
    }
  }
}

}  // namespace
