#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/list_files.h"
#include "lexlists/formula/Parser.h"
#include "lexlists/headings/headingsU.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordEntry;
using lxtest::TWordList;
using ::testing::HasSubstr;

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}
void PutText(Bytes& b, const std::u16string& s) {
  Put32(b, static_cast<int32_t>(s.size()));
  for (char16_t c : s) {
    b.push_back(static_cast<uint8_t>(c));
    b.push_back(static_cast<uint8_t>(c >> 8));
  }
}
void PutShort(Bytes& b, const std::string& s) {
  b.push_back(static_cast<uint8_t>(s.size()));
  b.insert(b.end(), s.begin(), s.end());
}
void Append(Bytes& b, const TMemoryStream& s) {
  b.insert(b.end(), s.Bytes().begin(), s.Bytes().end());
}

Bytes Saved(TLXBaseDataClass& list) {
  TMemoryStream s;
  SaveListToStream(list, tt_wordlist, s);
  return s.Bytes();
}

TMemoryStream StreamOf(const Bytes& b) {
  TMemoryStream s;
  if (!b.empty()) s.WriteBuffer(b.data(), static_cast<int64_t>(b.size()));
  s.SetPosition(0);
  return s;
}

std::string ReadError(TWordList& list, const Bytes& b) {
  TMemoryStream s = StreamOf(b);
  try {
    ReadListFromStream(list, tt_wordlist, s);
  } catch (const EListFileError& e) {
    return UTF16ToUTF8(e.Message);
  }
  return "";
}

struct ListFileFixture : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TWordList> list = Create<TWordList>(&holder);
  std::unique_ptr<TWordList> back = Create<TWordList>(&holder);

  // go heads goes (category "verb" in column 1) and went (deleted).
  void MakeSmallList() {
    list->fGridHeadings->LoadStandardSet(lt_word_list);
    list->fParseFormulaHandler->Translate_A_String(*list->fGridHeadings, u"Abs(2)*2");
    list->StoredListInfo->fdata.info_derives_from_filename = u"corpus.txt";
    list->StoredListInfo->fdata.stoplist_filename = u"stop.txt";
    const int32_t go = list->AddWord(u"go", 5, 2);
    const int32_t goes = list->AddWord(u"goes", 3, 2);
    const int32_t went = list->AddWord(u"went", 4, 1);
    list->Word(goes)->SetCategoryString(u"verb", 1);
    list->Word(went)->EnsurePrivateObjExists();
    list->Word(went)->privateobj->fdetails.deleted = 1;
    list->Word(go)->JoinFrom(list->Word(goes));
    list->Word(go)->JoinFrom(list->Word(went));
  }

  // The entry's private record as its own writer puts it, under the stored information of a saved list.
  Bytes PrivateOf(TWordEntry* e) {
    TStoredListInfo info;
    info.can_save_deleted = 1;
    info.stored_version_number = 21;
    TMemoryStream s;
    EXPECT_TRUE(e->SavePrivateToStream(list.get(), s, info));
    return s.Bytes();
  }

  Bytes EntryBytes(TWordEntry* e, const std::u16string& word, int32_t f, int32_t texts, int32_t joins) {
    Bytes b;
    PutText(b, word);
    PutText(b, u"");
    PutText(b, u"");
    Put32(b, f);
    Put32(b, texts);
    Put32(b, 0);  // dispersion 0.0f
    Bytes p = PrivateOf(e);
    b.insert(b.end(), p.begin(), p.end());
    Put32(b, joins);
    return b;
  }
};

TEST_F(ListFileFixture, SmallListFileHasTheDocumentedBytes) {
  MakeSmallList();
  ASSERT_EQ(list->fParseFormulaHandler->Count(), 1);
  const Bytes file = Saved(*list);

  Bytes want;
  TMemoryStream sig, formulas, headings;
  TCheckSignature header;
  ASSERT_TRUE(DiskSignatureISOKForToolAndList(header, tt_wordlist, lt_word_list, sig, writing));
  Append(want, sig);
  ASSERT_EQ(want.size(), 57u);
  list->fParseFormulaHandler->SaveToStream(formulas);
  Append(want, formulas);
  ASSERT_TRUE(list->fGridHeadings->SaveToStream(headings));
  Append(want, headings);
  const std::size_t infoAt = want.size();
  // Version 0 goes out as 21; deleted bytes and the overspill block are always there.
  Put32(want, 21);
  Put32(want, 0);
  for (uint8_t b : {1, 0, 1, 0}) want.push_back(b);
  Put32(want, 3);
  Put32(want, 0);
  PutShort(want, "corpus.txt");
  PutShort(want, "");
  PutShort(want, "stop.txt");
  want.insert(want.end(), 212, 0);
  for (uint8_t b : {0x85, 0x1A, 0x00, 0x00}) want.push_back(b);

  TWordEntry* go = list->Word(0);
  TWordEntry* goes = list->Word(1);
  TWordEntry* went = list->Word(2);
  // The head, its two joined entries in their own form, then the other two list entries.
  for (const Bytes& part : {EntryBytes(go, u"go", 5, 2, 2), EntryBytes(goes, u"goes", 3, 2, 0),
                            EntryBytes(went, u"went", 4, 1, 0), EntryBytes(goes, u"goes", 3, 2, 0),
                            EntryBytes(went, u"went", 4, 1, 0)})
    want.insert(want.end(), part.begin(), part.end());
  EXPECT_EQ(list->StoredListInfo->SavedPosition, static_cast<int64_t>(infoAt));
  EXPECT_EQ(file, want);
}

TEST_F(ListFileFixture, SaveReadSaveIsByteIdenticalAndKeepsJoinsFlagsAndCategories) {
  MakeSmallList();
  const Bytes first = Saved(*list);
  TMemoryStream s = StreamOf(first);
  ReadListFromStream(*back, tt_wordlist, s);
  ASSERT_EQ(back->Count(), 3);
  EXPECT_EQ(back->GetMainWordAsString(0), u"go");
  EXPECT_EQ(back->Word(0)->JoinCount(), 2);
  EXPECT_EQ(back->Word(0)->OwnJoinlist()->Entry(0)->MainWordOnly(), u"goes");
  EXPECT_EQ(back->Word(0)->OwnJoinlist()->Entry(1)->MainWordOnly(), u"went");
  EXPECT_TRUE(back->Word(0)->OwnJoinlist()->Entry(1)->IsDeleted());
  EXPECT_TRUE(back->GetJoinedElsewhere(1));
  EXPECT_TRUE(back->GetDeleted(2));
  EXPECT_FALSE(back->GetDeleted(1));
  EXPECT_EQ(back->Word(1)->GetCategory(1).s, u"verb");
  EXPECT_EQ(back->StoredListInfo->fdata.info_derives_from_filename, u"corpus.txt");
  EXPECT_EQ(back->fParseFormulaHandler->Count(), 1);
  EXPECT_EQ(back->fGridHeadings->Count(), list->fGridHeadings->Count());
  EXPECT_EQ(Saved(*back), first);

  // Reading again over a filled list replaces it.
  TMemoryStream again = StreamOf(first);
  ReadListFromStream(*back, tt_wordlist, again);
  EXPECT_EQ(back->Count(), 3);
}

TEST_F(ListFileFixture, EntriesNotForSavingAreLeftOutAndTheCountsPatched) {
  MakeSmallList();
  list->AddWord(u"scratch", 1, 1);
  list->SetNotForSaving(3, true);
  TMemoryStream s;
  SaveListToStream(*list, tt_wordlist, s);
  EXPECT_EQ(s.GetPosition(), s.GetSize());
  TStoredListInfoFixedImage fixed;
  std::memcpy(fixed.data(), s.Memory() + list->StoredListInfo->SavedPosition, fixed.size());
  TStoredListInfo stored;
  StoredListInfoFixedFromImage(fixed, stored);
  EXPECT_EQ(stored.entries, 3);
  EXPECT_EQ(stored.not_for_saving_entries, 1);
  s.SetPosition(0);
  ReadListFromStream(*back, tt_wordlist, s);
  EXPECT_EQ(back->Count(), 3);
  EXPECT_EQ(back->Find_WordStr(u"scratch", cs_anyhow), -1);
}

TEST_F(ListFileFixture, AnOldVersionIsReadWithoutTheSentinel) {
  MakeSmallList();
  Bytes file = Saved(*list);
  const std::size_t info = static_cast<std::size_t>(list->StoredListInfo->SavedPosition);
  const std::size_t sentinel = info + 20 + 11 + 1 + 9 + 212;
  // Entries of so old a list have another private form: keep the header alone, with no entries.
  file.resize(sentinel);
  file[info] = 9;
  std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(info + 12), 4, 0);
  EXPECT_EQ(ReadError(*back, file), "");
  EXPECT_EQ(back->StoredListInfo->fdata.stored_version_number, 9);
  EXPECT_EQ(back->Count(), 0);
  // Version 10 and above insist on it.
  file[info] = 10;
  EXPECT_THAT(ReadError(*back, file),
              HasSubstr("offset " + std::to_string(sentinel) + ": expected the list header"));
}

TEST_F(ListFileFixture, DamagedFilesAreRefusedNamingTheOffset) {
  MakeSmallList();
  const Bytes file = Saved(*list);
  // Every truncation, however short.
  for (std::size_t n = 0; n < file.size(); ++n) {
    Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
    const std::string err = ReadError(*back, cut);
    ASSERT_THAT(err, HasSubstr("at offset")) << "prefix of " << n << " bytes";
  }
  // A word list file is not a concordance.
  {
    auto conc = Create<TWordList>(&holder);
    conc->ChangeListType(lt_concordance_list);
    EXPECT_THAT(ReadError(*conc, file), HasSubstr("at offset 0: expected the signature block"));
  }
  // A hostile entry count is refused before anything is allocated.
  Bytes huge = file;
  const std::size_t entries = static_cast<std::size_t>(list->StoredListInfo->SavedPosition) + 12;
  for (int i = 0; i < 4; ++i) huge[entries + i] = i == 3 ? 0x7F : 0xFF;
  EXPECT_THAT(ReadError(*back, huge), HasSubstr("2147483647 entries"));
  // Random flips either read or are refused; nothing else escapes (the sanitizer builds watch the rest).
  std::mt19937 rng(18);
  for (int round = 0; round < 3000; ++round) {
    Bytes bad = file;
    const int flips = 1 + static_cast<int>(rng() % 3);
    for (int k = 0; k < flips; ++k) bad[rng() % bad.size()] ^= static_cast<uint8_t>(1 + rng() % 255);
    TMemoryStream s = StreamOf(bad);
    try {
      ReadListFromStream(*back, tt_wordlist, s);
    } catch (const EListFileError&) {
    }
  }
}

TEST_F(ListFileFixture, SavingToAFileIsDurableAndAFailedSaveKeepsTheOldFile) {
  MakeSmallList();
  const auto dir = std::filesystem::temp_directory_path() / ("lx_listfile_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const UnicodeString name = UTF8ToUTF16((dir / "small.lst").string());
  SaveListFile(*list, tt_wordlist, name);
  ReadListFile(*back, tt_wordlist, name);
  EXPECT_EQ(back->Count(), 3);
  const auto size = std::filesystem::file_size(dir / "small.lst");

  list->StoredListInfo->fdata.matchlist_filename = UnicodeString(300, u'x');
  EXPECT_THROW(SaveListFile(*list, tt_wordlist, name), EWriteError);
  EXPECT_EQ(std::filesystem::file_size(dir / "small.lst"), size);
  ReadListFile(*back, tt_wordlist, name);
  EXPECT_EQ(back->Count(), 3);
  std::filesystem::remove_all(dir);
}

}  // namespace

namespace {

std::string Hex(const Bytes& b) {
  std::string out;
  for (uint8_t v : b) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", v);
    out += buf;
  }
  return out;
}

Bytes FromHex(const char* hex) {
  Bytes b;
  for (const char* p = hex; *p;) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    b.push_back(static_cast<uint8_t>(std::stoi(std::string(p, 2), nullptr, 16)));
    p += 2;
  }
  return b;
}

TEST_F(ListFileFixture, WordListEntryHasItsDocumentedFormAndReadsBack) {
  // As the list header leaves it: version 21, deleted bytes stored.
  list->StoredListInfo->fdata.stored_version_number = 21;
  list->StoredListInfo->fdata.can_save_deleted = 1;
  const int32_t go = list->AddWord(u"go", 5, 2);
  const int32_t gone = list->AddWord(u"gone", 1, 1);
  list->Word(go)->SetPrefix(u"(");
  list->Word(go)->data.dispersion = 0.5f;
  list->Word(gone)->EnsurePrivateObjExists();
  list->Word(gone)->privateobj->fdetails.deleted = 1;
  list->Word(go)->JoinFrom(list->Word(gone));
  TMemoryStream s;
  ASSERT_TRUE(list->Word(go)->SaveToStream(s));
  const char* record =
      "00000000 03000000 00 FE00 04000000 "  // no spans, span version 3; deleted; marker; version
      "04000000 %s 0000000000000000 00000000 0000000000000000 "  // flags
      "00000000";                                                // no categories
  auto recordWith = [&](const char* flags) {
    char buf[256];
    std::snprintf(buf, sizeof buf, record, flags);
    return std::string(buf);
  };
  std::string head = recordWith("00000000");
  std::string joined = recordWith("01000100");
  joined.replace(18, 2, "01");  // the deleted byte of item 2
  const std::string want =
      std::string("02000000 67006F00 01000000 2800 00000000 05000000 02000000 0000003F ") + head +
      " 01000000 " + "04000000 67006F006E006500 00000000 00000000 01000000 01000000 " + "00000000 " + joined +
      " 00000000";
  EXPECT_EQ(Hex(s.Bytes()), Hex(FromHex(want.c_str())));

  s.SetPosition(0);
  TWordEntry again(list.get(), &holder);
  ASSERT_TRUE(again.ReadFromStream(s));
  EXPECT_EQ(s.GetPosition(), s.GetSize());
  EXPECT_EQ(again.MainWordPlusPrefixAndSuffix(), u"(go");
  EXPECT_EQ(again.MainWordFrequency(), 5);
  EXPECT_EQ(again.GetDispersion(), 0.5f);
  ASSERT_EQ(again.JoinCount(), 1);
  EXPECT_EQ(again.OwnJoinlist()->Entry(0)->MainWordOnly(), u"gone");
  EXPECT_TRUE(again.OwnJoinlist()->Entry(0)->IsDeleted());
  EXPECT_TRUE(again.OwnJoinlist()->Entry(0)->JoinedElsewhere());

  // A joined entry with joins of its own, or a join count beyond the bytes left, is refused.
  Bytes nested = s.Bytes();
  nested[nested.size() - 4] = 1;
  TMemoryStream n = StreamOf(nested);
  EXPECT_FALSE(again.ReadFromStream(n));
  Bytes many = s.Bytes();
  const Bytes headBytes =
      FromHex(("02000000 67006F00 01000000 2800 00000000 05000000 02000000 0000003F " + head).c_str());
  many[headBytes.size() + 3] = 0x40;
  TMemoryStream m = StreamOf(many);
  EXPECT_FALSE(again.ReadFromStream(m));
}

}  // namespace
