#include <gtest/gtest.h>

#include <filesystem>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_log.h"
#include "lexcore/rtl/lx_strings.h"
#include "tests/test_files.h"

using namespace lx;

namespace {

// Restores the process-wide current tool after each test.
class ListKinds : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = current_tool_var; }
  void TearDown() override { current_tool_var = saved_; }
  tool_type saved_ = tt_no_tool_at_all;
  lxtest::TempDir dir_;

  // A list file: the signature block of tool/kind, then payload bytes.
  UnicodeString WriteListFile(const std::string& name, tool_type tool, TLexmillList kind,
                              const std::string& payload = "payload") {
    TMemoryStream m;
    TCheckSignature header;
    EXPECT_TRUE(DiskSignatureISOKForToolAndList(header, tool, kind, m, writing));
    m.Write(payload.data(), payload.size());
    dir_.Write(name, std::string(m.Bytes().begin(), m.Bytes().end()));
    return dir_.File(name);
  }
};

std::string Bytes(const TCheckSignatureImage& image) {
  return std::string(image.begin(), image.end());
}

}  // namespace

TEST_F(ListKinds, TablesHaveTheirCountsAndOrdinals) {
  EXPECT_EQ(sizeof(TLexmillList), 1u);
  EXPECT_EQ(sizeof(tool_type), 1u);
  EXPECT_EQ(sizeof(grid_alternatives), 1u);
  EXPECT_EQ(int(lt_sorting) + 1, kListKindCount);
  EXPECT_EQ(int(tt_no_tool_at_all) + 1, kToolCount);
  EXPECT_EQ(int(grid_none) + 1, kGridLayoutCount);
  EXPECT_EQ(lt_concordance_list, 10);
  EXPECT_EQ(lt_none_in_use, 25);
  EXPECT_EQ(lt_sections_list, 32);
  EXPECT_EQ(lt_bol7, 41);
  EXPECT_EQ(tt_minimal_pairs, 7);
  EXPECT_EQ(tt_shell, 16);
  EXPECT_EQ(grid_chargram_patterns, 25);
  EXPECT_EQ(sizeof(TLexmillList_set), 6u);

  EXPECT_EQ(list_signature32[lt_concordance_list], "Concordance32");
  EXPECT_EQ(list_signature32[lt_kw_cluster_list], "KeyWords ClusterList32");
  EXPECT_EQ(list_signature32[lt_index_relationship_list], "Mutual Information List32");
  EXPECT_EQ(list_signature32[lt_sorting], "lt_bol8");
  EXPECT_EQ(old_format_list_names[lt_timeline_list], "Ratio Stats List");
  EXPECT_TRUE(old_format_list_names[lt_kw_cluster_list].empty());
  EXPECT_EQ(list_type_as_string[lt_concgram_list], u"LXConcgram List");
  EXPECT_EQ(list_type_as_string[lt_sorting], u"Sort");
  EXPECT_EQ(list_type_as_string[lt_boll3], u"");
  EXPECT_EQ(progress_show_in_Shell_thresholds[lt_clumps_as_word_list], 1000);
  EXPECT_EQ(progress_show_in_Shell_thresholds[lt_sorting], 2147483647);

  int lemmatisable = 0, saveable = 0;
  for (int k = 0; k < kListKindCount; ++k) {
    lemmatisable += LemmatisableListTypes.Contains(TLexmillList(k));
    saveable += SaveableListTypes.Contains(TLexmillList(k));
  }
  EXPECT_EQ(lemmatisable, 13);
  EXPECT_EQ(saveable, 14);
  EXPECT_TRUE(LemmatisableListTypes.Contains(lT_chargram_pattern_list));
  EXPECT_FALSE(SaveableListTypes.Contains(lt_collocate_list));
  EXPECT_EQ(CurrentSignature[tt_viewer_aligner], 38);
  EXPECT_EQ(CurrentSignature[tt_text_converter], 37);
}

TEST_F(ListKinds, ExtensionsAndTools) {
  EXPECT_EQ(DefaultExtFromListType(lt_wordlist_index_list), u".tokens");
  EXPECT_EQ(DefaultExtFromListType(lt_concgram_list), u".base_pairs");
  EXPECT_EQ(DotlessDefaultExtFromListType(lt_notes), u"");
  EXPECT_EQ(DotlessDefaultExtFromListType(lt_keyword_list), u"kws");
  EXPECT_EQ(WithoutDotDefaultExt(u"."), u".");
  EXPECT_EQ(WithoutDotDefaultExt(u"txt"), u"txt");
  EXPECT_EQ(DefaultExtFromToolType(tt_LXconcgram), u".base_pairs");
  EXPECT_EQ(DefaultExtFromToolType(tt_minimal_pairs), u".txt");
  EXPECT_EQ(DefaultExtFromToolType(tt_no_tool_at_all), u".dat");
  EXPECT_EQ(DefaultExtFromSaveASFormat(as_Excel_spreadsheet, lt_word_list), u".xlsx");
  EXPECT_EQ(DefaultExtFromSaveASFormat(as_default_for_list, lt_viewer_list), u".vwr");
  EXPECT_EQ(DefaultExtFromSaveASFormat(TSave_as_format(9), lt_word_list), u".txt");

  EXPECT_EQ(ListTypeFromFileExt(u".TOKENS"), lt_wordlist_index_list);
  EXPECT_EQ(ListTypeFromFileExt(u".t"), lt_wordlist_index_list);  // containment, not equality
  EXPECT_EQ(ListTypeFromFileExt(u".base_index"), lt_concgram_list);
  EXPECT_EQ(ListTypeFromFileExt(u".srt"), lt_aligner_plaintext_list);
  EXPECT_EQ(ListTypeFromFileExt(u".txt"), lt_aligner_plaintext_list);
  EXPECT_EQ(ListTypeFromFileExt(u".Lst"), lt_word_list);
  EXPECT_EQ(ListTypeFromFileExt(u".doc"), lt_bol7);
  EXPECT_EQ(ListTypeFromFileExt(u""), lt_bol7);

  EXPECT_EQ(ToolTypeFromFileExt(u".BASE_INDEX_CG"), tt_LXconcgram);
  EXPECT_EQ(ToolTypeFromFileExt(u".base_index"), tt_no_tool_at_all);
  EXPECT_EQ(ToolTypeFromFileExt(u".mut"), tt_wordlist);
  EXPECT_EQ(ToolTypeFromFileExt(u".vwr"), tt_viewer_aligner);

  current_tool_var = tt_concord;
  EXPECT_EQ(ToolTypeFromListType(lt_notes), tt_concord);
  EXPECT_EQ(ToolTypeFromListType(lt_bol7), tt_concord);
  EXPECT_EQ(ToolTypeFromListType(lt_filename_list), tt_shell);
  EXPECT_EQ(ListTypeToFileDataType(lt_KW_plot_list), graphic_data);
  EXPECT_EQ(ListTypeToFileDataType(lt_source_text), text_data);

  EXPECT_TRUE(IsLikeWordList(lt_wordlist_index_list));
  EXPECT_FALSE(IsLikeWordList(lt_word_list));
  EXPECT_TRUE(IsOrIsLikeWordList(lt_word_list));
  EXPECT_FALSE(IsOrIsLikeWordList(lt_keyword_list));

  EXPECT_EQ(ListSignature(lt_aligner_plaintext_list), u" Text List");
  EXPECT_EQ(ListSignature(lt_notes), u"Notes");
  EXPECT_EQ(ListSignature(lt_word_list), u"Word List");
  EXPECT_EQ(LXFileExtensions(),
            u".lst;.kws;.kdb;.cnc;.ali;.tokens;.mut;.vwr;.base_pairs;.cgr;.types;.base_index_cg");
}

TEST_F(ListKinds, GridLayouts) {
  EXPECT_EQ(ListTypeFromGridAlternatives(grid_concordance), lt_concordance_list);
  EXPECT_EQ(ListTypeFromGridAlternatives(grid_kw_Clusters), lt_none_in_use);
  EXPECT_EQ(ListTypeFromGridAlternatives(grid_chargram_patterns), lT_chargram_pattern_list);
  EXPECT_EQ(ListTypeFromGridAlternatives(grid_detailed_consist_relations), lt_word_list);
  EXPECT_EQ(MinimumColumn1Width(grid_filenames, 1000), 576);
  EXPECT_EQ(MinimumColumn1Width(grid_filenames, 300), 300);
  EXPECT_EQ(MinimumColumn1Width(grid_statistics, 1000), 96);
  EXPECT_EQ(MinimumColumn1Width(grid_kw_plot, 1000), 192);
}

TEST_F(ListKinds, ToolProgramNames) {
  EXPECT_EQ(ToolProgramFileName(tt_shell), u"Lexmill7.exe");
  EXPECT_EQ(ToolProgramFileName(tt_API_tool), u"Lexmill_API7.dll");
  EXPECT_EQ(ToolProgramFileName(tt_reserved_6), u"");
  EXPECT_EQ(ToolProgramFileName(tt_no_tool_at_all), u"");
  for (int t = 0; t < kToolCount; ++t) {
    const UnicodeString name = ToolProgramFileName(tool_type(t));
    if (name.empty()) continue;
    EXPECT_EQ(ToolFromProgramFileName(name), t);
    EXPECT_EQ(ToolFromProgramFileName(UpperCase(name)), t);
    EXPECT_EQ(ToolFromProgramFileName(name.substr(0, name.size() - 4)), t);
  }
  EXPECT_EQ(ToolFromProgramFileName(u"Word_Lister7.exe"), tt_wordlist);
  EXPECT_EQ(ToolFromProgramFileName(u"Word Lister7.exe"), tt_no_tool_at_all);
  EXPECT_EQ(ToolFromProgramFileName(u""), tt_no_tool_at_all);
  EXPECT_EQ(ToolFromProgramFileName(u"lexcore_tests"), tt_no_tool_at_all);
  SetCurrentTool();  // the test program is no tool
  EXPECT_EQ(current_tool_var, tt_no_tool_at_all);
  SetCurrentTool(tt_keywords);
  EXPECT_EQ(current_tool_var, tt_keywords);
}

TEST_F(ListKinds, SignatureBlockGoldenImage) {
  TCheckSignature h;
  h.signature = 37;
  h.screen_res = 96;
  h.save_height = 0x01020304;
  h.save_width = -1;
  h.type_of_data.Assign("Word List32");
  const std::string expected = std::string("\x25\0\0\0\x60\0\0\0\x04\x03\x02\x01\xff\xff\xff\xff\x0b", 17) +
                               "Word List32" + std::string(29, '\0');
  ASSERT_EQ(expected.size(), 57u);
  EXPECT_EQ(Bytes(SignatureToImage(h)), expected);

  const TCheckSignature back = SignatureFromImage(SignatureToImage(h));
  EXPECT_EQ(back.signature, 37);
  EXPECT_EQ(back.save_height, 0x01020304);
  EXPECT_EQ(back.save_width, -1);
  EXPECT_EQ(back.type_of_data.Text(), "Word List32");

  // A stored length above 40 reads as 40 characters, never past the field.
  TCheckSignatureImage hostile{};
  hostile[16] = 0xFF;
  EXPECT_EQ(SignatureFromImage(hostile).type_of_data.Text().size(), 40u);
  h.type_of_data.Assign(std::string(50, 'x'));
  EXPECT_EQ(h.type_of_data.length, 40);
}

TEST_F(ListKinds, DiskFileTypeAndSignatureCheck) {
  TCheckSignature h;
  h.type_of_data.Assign("KeyWords Database (v. 2)32");
  EXPECT_EQ(DiskFileType(h), lt_KW_database_list);
  h.type_of_data.Assign("Concordance32");
  EXPECT_EQ(DiskFileType(h), lt_concordance_list);
  h.type_of_data.Assign("lt_bol8");  // kind 42 is never recognised
  EXPECT_EQ(DiskFileType(h), lt_none_in_use);
  h.type_of_data.Assign("concordance32");  // case counts
  EXPECT_EQ(DiskFileType(h), lt_none_in_use);

  TMemoryStream m;
  TCheckSignature w;
  w.screen_res = 120;
  ASSERT_TRUE(DiskSignatureISOKForToolAndList(w, tt_concord, lt_concordance_list, m, writing));
  EXPECT_EQ(w.signature, 36);
  EXPECT_EQ(m.GetSize(), 57);
  TCheckSignature r;
  m.SetPosition(0);
  EXPECT_TRUE(DiskSignatureISOKForToolAndList(r, tt_concord, lt_concordance_list, m, reading));
  EXPECT_EQ(r.screen_res, 120);
  EXPECT_EQ(m.GetPosition(), 57);
  m.SetPosition(0);
  EXPECT_FALSE(DiskSignatureISOKForToolAndList(r, tt_wordlist, lt_concordance_list, m, reading));
  m.SetPosition(0);
  EXPECT_FALSE(DiskSignatureISOKForToolAndList(r, tt_concord, lt_concordance_plot_list, m, reading));
  m.SetPosition(0);
  EXPECT_FALSE(DiskSignatureISOKForToolAndList(r, tt_no_tool_at_all, lt_concordance_list, m, reading));
  m.SetPosition(10);  // short read
  EXPECT_FALSE(DiskSignatureISOKForToolAndList(r, tt_concord, lt_concordance_list, m, reading));

  TMemoryStream none;
  EXPECT_FALSE(DiskSignatureISOKForToolAndList(w, tt_no_tool_at_all, lt_word_list, none, writing));
  EXPECT_EQ(none.GetSize(), 0);
}

TEST_F(ListKinds, RecognisersOnRealFiles) {
  current_tool_var = tt_wordlist;
  TLXStored_File_rec rec;
  rec.filename = WriteListFile("words.lst", tt_wordlist, lt_detailed_consistency_list);
  EXPECT_TRUE(IsALexmill32BitFile(rec));
  EXPECT_EQ(rec.ListType, lt_detailed_consistency_list);
  EXPECT_FALSE(WasALexmill32BitFile(rec));  // current version: not an older one
  EXPECT_EQ(rec.ListType, lt_detailed_consistency_list);
  EXPECT_EQ(WhichToolsLexmill32BitFile(rec), tt_wordlist);
  EXPECT_FALSE(IsALexmill32BitFileForTool(rec, tt_concord));
  EXPECT_EQ(rec.ListType, lt_none_in_use);

  // Written by the concordance tool (36) and seen from the word-list tool (37): an older format.
  rec.filename = WriteListFile("conc.cnc", tt_concord, lt_concordance_list);
  EXPECT_FALSE(IsALexmill32BitFile(rec));
  EXPECT_TRUE(WasALexmill32BitFile(rec));
  EXPECT_EQ(rec.ListType, lt_concordance_list);
  EXPECT_EQ(WhichToolsLexmill32BitFile(rec), tt_concord);

  // Exactly the block and nothing more is too short.
  rec.filename = WriteListFile("bare.lst", tt_wordlist, lt_word_list, "");
  EXPECT_FALSE(IsALexmill32BitFile(rec));
  rec.filename = WriteListFile("one.lst", tt_wordlist, lt_word_list, "x");
  EXPECT_TRUE(IsALexmill32BitFile(rec));

  // Truncated, missing, and a signature older than 35.
  dir_.Write("short.lst", "\x25\0\0\0");
  rec.filename = dir_.File("short.lst");
  EXPECT_FALSE(IsALexmill32BitFile(rec));
  EXPECT_EQ(WhichToolsLexmill32BitFile(rec), tt_no_tool_at_all);
  rec.filename = dir_.File("missing.lst");
  EXPECT_FALSE(IsALexmill32BitFile(rec));
  EXPECT_FALSE(WasALexmill32BitFile(rec));
  EXPECT_EQ(rec.ListType, lt_none_in_use);
  std::string old(80, '\0');
  old[0] = 34;
  dir_.Write("ancient.lst", old);
  rec.filename = dir_.File("ancient.lst");
  EXPECT_FALSE(WasALexmill32BitFile(rec));
  EXPECT_EQ(WhichToolsLexmill32BitFile(rec), tt_no_tool_at_all);

  // A process that is no tool recognises nothing and reads nothing out of range.
  current_tool_var = tt_no_tool_at_all;
  rec.filename = dir_.File("words.lst");
  EXPECT_FALSE(IsALexmill32BitFile(rec));
  EXPECT_FALSE(WasALexmill32BitFile(rec));
  EXPECT_EQ(WhichToolsLexmill32BitFile(rec), tt_wordlist);
}

TEST_F(ListKinds, OldFormatFiles) {
  TLXStored_File_rec rec;
  auto make = [&](const std::string& name, const std::string& head) {
    std::string bytes = head;
    bytes.resize(60, ' ');
    dir_.Write(name, bytes);
    rec.filename = dir_.File(name);
  };
  make("a.lst", std::string("\x0b") + "Word Lister");
  EXPECT_TRUE(IsAnOldLexmillFile(rec));
  EXPECT_EQ(rec.ListType, lt_word_list);
  make("b.lst", std::string("\x10\0", 2) + "Ratio Stats List");  // name after a zero byte
  EXPECT_TRUE(IsAnOldLexmillFile(rec));
  EXPECT_EQ(rec.ListType, lt_timeline_list);
  make("c.lst", std::string("\x0a") + " Text List");
  EXPECT_TRUE(IsAnOldLexmillFile(rec));
  EXPECT_EQ(rec.ListType, lt_aligner_plaintext_list);
  make("d.lst", std::string("\x0c") + "Word Lister!");  // length decides
  EXPECT_FALSE(IsAnOldLexmillFile(rec));
  make("e.lst", std::string("\x0b") + std::string("Word\0Lister", 11));
  EXPECT_FALSE(IsAnOldLexmillFile(rec));
  make("f.lst", std::string("\xff") + "Word Lister");  // length beyond the head
  EXPECT_FALSE(IsAnOldLexmillFile(rec));
  EXPECT_EQ(rec.ListType, lt_none_in_use);
  dir_.Write("g.lst", std::string("\x0b") + "Word Lister");  // not longer than 41 bytes
  rec.filename = dir_.File("g.lst");
  EXPECT_FALSE(IsAnOldLexmillFile(rec));
}

TEST_F(ListKinds, BatchZipArchives) {
  TLXStored_File_rec rec;
  rec.filename = UTF8ToUTF16(lxtest::DataFile("zip/batch_lst.zip"));
  EXPECT_TRUE(IsABatchZipFileForListType(rec));
  EXPECT_EQ(rec.ListType, lt_word_list);
  EXPECT_EQ(rec.Number_within_Zipfile, 3);

  rec.filename = UTF8ToUTF16(lxtest::DataFile("zip/batch_unknown_ext.zip"));
  EXPECT_TRUE(IsABatchZipFileForListType(rec));  // the prefix alone decides the answer
  EXPECT_EQ(rec.ListType, lt_none_in_use);
  EXPECT_EQ(rec.Number_within_Zipfile, 0);

  rec.filename = UTF8ToUTF16(lxtest::DataFile("zip/batch_prefix_only.zip"));
  EXPECT_FALSE(IsABatchZipFileForListType(rec));
  rec.filename = UTF8ToUTF16(lxtest::DataFile("zip/test.zip"));
  EXPECT_FALSE(IsABatchZipFileForListType(rec));
  dir_.Write("fake.zip", "Lexmill Batch file .lst");
  rec.filename = dir_.File("fake.zip");
  EXPECT_FALSE(IsABatchZipFileForListType(rec));
  rec.filename = dir_.File("absent.zip");
  EXPECT_FALSE(IsABatchZipFileForListType(rec));
}

TEST_F(ListKinds, IndexFilesBackupAndDelete) {
  for (const char* ext : {".types", ".tokens", ".stats"}) dir_.Write(std::string("corpus") + ext, ext);
  TryToBackupIndexFiles(dir_.File("corpus.tokens"));
  EXPECT_EQ(dir_.Read("corpus.types_bak"), ".types");
  EXPECT_EQ(dir_.Read("corpus.stats_bak"), ".stats");
  EXPECT_FALSE(std::filesystem::exists(dir_.path / "corpus.markup_bak"));
  dir_.Write("corpus.types", "changed");
  TryToBackupIndexFiles(dir_.File("corpus.lst"));
  EXPECT_EQ(dir_.Read("corpus.types_bak"), "changed");

  // With the log on, the copies are announced.
  SetLogFilename(dir_.File("log.txt"));
  global_keeping_log = true;
  TryToBackupIndexFiles(dir_.File("corpus.lst"));
  global_keeping_log = false;
  SetLogFilename(u"");
  const std::string raw = dir_.Read("log.txt");
  const std::u16string log(reinterpret_cast<const char16_t*>(raw.data()), raw.size() / 2);
  EXPECT_NE(log.find(u"Trying to backup index files for " + dir_.File("corpus.lst")), std::u16string::npos);
  EXPECT_NE(
      log.find(u"Trying to copy " + dir_.File("corpus.stats") + u" to " + dir_.File("corpus.stats_bak")),
      std::u16string::npos);
  EXPECT_EQ(log.find(u"corpus.markup"), std::u16string::npos);

  TryToDeleteIndexFiles(dir_.File("corpus.xyz"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path / "corpus.types"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path / "corpus.stats"));
  EXPECT_TRUE(std::filesystem::exists(dir_.path / "corpus.types_bak"));  // backups stay
}
