// Writes the seed corpora with the libraries' own writers: make_seeds <corpus folder>. Each target's seeds
// go to <corpus folder>/<target>/, named by what they hold; files already there are replaced.
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/definitions/Wdef.h"
#include "lexcore/definitions/extra_font_list.h"
#include "lexcore/definitions/lang_details.h"
#include "lexcore/definitions/old_record_conversion.h"
#include "lexcore/definitions/section_starts.h"
#include "lexcore/definitions/streamable_stringlist.h"
#include "lexcore/files/PeruseDir.h"
#include "lexcore/files/chosen_file_rec.h"
#include "lexcore/files/my_FileStreamU.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_inifiles.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexfiletools/tools/My_FileHandling.h"
#include "lexfiletools/tools/file_chunker.h"
#include "lexlists/engine/list_files.h"
#include "lexlists/engine/stored_list_info.h"
#include "lexlists/engine/word_list_entries.h"
#include "lexlists/formula/search_categorising.h"
#include "tools/lexmill/lexmill_listfile.h"

using namespace lx;
namespace fs = std::filesystem;

namespace {

fs::path gRoot;

void Put(const std::string& target, const std::string& name, const std::string& bytes) {
  const fs::path dir = gRoot / target;
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Prefixed(std::initializer_list<uint8_t> head, const std::string& body) {
  std::string s(head.begin(), head.end());
  return s + body;
}

std::string StreamBytes(const std::function<void(TStream&)>& write) {
  TMemoryStream m;
  write(m);
  return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<std::size_t>(m.GetSize()));
}

std::string UTF16Bytes(std::u16string_view s) {
  return std::string(reinterpret_cast<const char*>(s.data()), s.size() * 2);
}

void CodePageSeeds() {
  struct Seed {
    const char* name;
    uint8_t pageIndex;  // into the target's page table
    uint32_t page;
    std::u16string_view text;
  };
  const Seed seeds[] = {
      {"cp1252-accents", 5, 1252, u"Caf\u00e9 na\u00efve \u00c5ngstr\u00f6m"},
      {"cp1251-cyrillic", 4, 1251, u"\u0421\u043b\u043e\u0432\u043e"},
      {"cp932-japanese", 10, 932, u"\u65e5\u672c\u8a9e\u30c6\u30ad\u30b9\u30c8"},
      {"cp949-korean", 12, 949, u"\ud55c\uad6d\uc5b4"},
      {"utf8-combining", 14, CP_UTF8, u"e\u0301 a\u0308 \u1100\u1161 \U0001F600"},
      {"utf16le-mixed", 15, CP_UTF16LE, u"A\u0301\U00010400z"},
  };
  for (const Seed& s : seeds)
    for (uint8_t flags = 0; flags < 4; flags += 3) {
      const std::string bytes = UnicodeToCodePage(s.page, s.text);
      Put("codepages", std::string(s.name) + (flags ? "-precomposed-strict" : ""),
          Prefixed({s.pageIndex, flags}, bytes));
    }
}

void ContainerSeeds() {
  auto save = [](uint8_t kind, TUsefulBaseList& list, const char* name) {
    Put("containers", name, Prefixed({kind}, StreamBytes([&](TStream& s) { list.SaveToStream(s); })));
  };
  TCardinalList cards;
  for (uint32_t v : {3u, 1u, 4000000000u}) cards.AddOne(v);
  save(0, cards, "cardinals");
  TCardinalAndFreqList freqs;
  freqs.AddOneOrIncFreq(7, 12);
  freqs.AddOneOrIncFreq(9, 1000000);
  freqs.AddOneOrIncFreq(7, 3);
  save(1, freqs, "cardinals-and-freqs");
  TIntegerAndSingleList ints;
  ints.AddOne(5, 0.25f);
  ints.AddOne(-2, 1e30f);
  save(2, ints, "integers-and-singles");
  T3LongintAndSingleList threes;
  threes.AddOne(1, 2, 3, 0.5f);
  save(4, threes, "three-longints-and-single");
  T2StringsAnd2IntegersList strings;
  strings.AddOne(u"cat", u"Katze", 1, 2);
  strings.AddOne(u"", u"\u00e9t\u00e9", -1, 0);
  save(6, strings, "two-strings-and-two-integers");
  TWordFreqAndSourceNumList words;
  words.AddOne(u"THE", 120, 0);
  words.AddOne(u"WORD", 3, 4);
  save(8, words, "words-freqs-sources");
  TStringColumnAndColourList columns;
  columns.AddOne(u"noun", 2, 0xff00);
  save(9, columns, "strings-columns-colours");
  T1LongintList longints;
  for (int32_t v : {9, -4, 100}) longints.AddOne(v);
  save(10, longints, "one-longint");
  TMultiLongintList triples(3);
  triples.AddOne({1, 2, 3});
  triples.AddOne({-7, 0, 12});
  save(11, triples, "three-longints");
}

std::string ZipBytes(const std::vector<std::pair<std::string, std::string>>& entries, bool compress) {
  const fs::path file = fs::temp_directory_path() / ("lexmill-seed-" + std::to_string(::getpid()) + ".zip");
  fs::remove(file);
  int err = 0;
  zip_t* z = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  if (!z) throw std::runtime_error("cannot create " + file.string());
  for (const auto& [name, body] : entries) {
    zip_source_t* src = zip_source_buffer(z, body.data(), body.size(), 0);
    const zip_int64_t at = zip_file_add(z, name.c_str(), src, ZIP_FL_ENC_UTF_8);
    zip_set_file_compression(z, static_cast<zip_uint64_t>(at), compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    zip_file_set_mtime(z, static_cast<zip_uint64_t>(at), 0x5f000000, 0);
  }
  if (zip_close(z) != 0) throw std::runtime_error("cannot write " + file.string());
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  fs::remove(file);
  return bytes;
}

void DocxSeeds() {
  const std::string document =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document><w:body>"
      "<w:p w:rsidR=\"1\"><w:r><w:t>First </w:t></w:r><w:r><w:t xml:space=\"preserve\">para</w:t></w:r></w:p>"
      "<w:p/><w:p><mc:AlternateContent><mc:Choice>x</mc:Choice><mc:Fallback><w:t>fallback</w:t>"
      "</mc:Fallback></mc:AlternateContent><w:t>caf\xc3\xa9</w:t></w:p></w:body></w:document>";
  Put("docx", "stored",
      ZipBytes({{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", document}}, false));
  Put("docx", "deflated", ZipBytes({{"word/Document.xml", document}, {"docProps/app.xml", "<a/>"}}, true));
  Put("docx", "windows-names", ZipBytes({{"word\\document.xml", document}, {"../evil/x", "x"}}, true));
}

void FormatSeeds() {
  auto put = [](const char* name, uint8_t pick, std::u16string_view pattern) {
    std::string head(1, static_cast<char>(pick));
    head += std::string(8, '\x05');                              // the integer argument
    head += std::string("\x00\x00\x00\x00\x00\x00\xf8\x3f", 8);  // 1.5
    Put("format", name, head + UTF16Bytes(pattern));
  };
  put("integers", 0, u"%d %5.3d %-8x %u %0:s");
  put("floats", 0, u"%1:e %1:10.4f %1:g %1:n %1:m");
  put("strings-and-stars", 0, u"%2:s|%*.*s|%3:d%%");
  put("float-pattern", 1, u"#,##0.00;(#,##0.00);'zero'");
  put("exponent-pattern", 1, u"0.###E+00");
  put("quoted-literals", 2, u"\"#\"0.0 'lit' 00");
}

void RecordSeeds() {
  auto put = [](const char* name, uint8_t kind, uint8_t arg, const std::function<void(TStream&)>& write) {
    Put("records", name, Prefixed({kind, arg}, StreamBytes(write)));
  };
  // arg: tool in the low four bits, list kind in the high ones.
  const uint8_t toolAndKind = static_cast<uint8_t>(tt_wordlist | (lt_word_list << 4));
  put("signature-block", 0, toolAndKind, [](TStream& s) {
    TCheckSignature header;
    DiskSignatureISOKForToolAndList(header, tt_wordlist, lt_word_list, s, writing);
    WriteLE<int32_t>(s, 0);
  });
  put("lang-details", 1, 0, [](TStream& s) {
    Tfixed_lang_details32 lang{};
    WriteLangDetails(s, lang);
  });
  put("section-starts", 2, 0, [](TStream& s) {
    TSectionStartsList list;
    list.AddSection(0, u"<h1>");
    list.AddSection(120, u"Chapter é");
    list.SaveToStream(s);
  });
  put("extra-fonts", 3, 3, [](TStream& s) { TExtraFontList().XSaveToStream(s, 3); });
  put("streamable-strings", 4, 0, [](TStream& s) {
    TMyStreamableStringlist list;
    list.Add(u"one");
    list.Add(u"два");
    list.SaveToStream(s);
  });
  // Settings and file records, current and old forms; arg: the record in the low bits, the file's version
  // above.
  auto image = [&put](const char* name, uint8_t arg, const auto& bytes) {
    put(name, 6, arg, [&bytes](TStream& s) { s.Write(bytes.data(), static_cast<int64_t>(bytes.size())); });
  };
  TTextsett_rec32 text;
  text.language.is_32_version = 1;
  text.language.lcid = 0x0409;
  StringToWideCharArray(u"<", text.tag_open);
  StringToWideCharArray(u">", text.tag_close);
  image("text-settings-current", 0 | (6 << 3), TextSettingsToImage(text));
  TTextsett_rec_old oldText;
  oldText.language.lcid = 0x0407;
  oldText.tag_open = {1, '<'};
  image("text-settings-old", 0 | (3 << 3), OldTextSettingsToImage(oldText));
  TConcSettingsRec32 conc;
  StringToWideCharArray(u"book*", conc.search_word);
  image("conc-settings-current", 1 | (6 << 3), ConcSettingsToImage(conc));
  TConcSettingsRecOld oldConc;
  oldConc.version = 2;
  oldConc.search_word = {4, 'b', 'o', 'o', 'k'};
  image("conc-settings-old", 1 | (4 << 3), OldConcSettingsToImage(oldConc));
  TChosenFile_BaseRec chosen;
  chosen.FolderData = 4;
  chosen.FileDate = 45000;
  chosen.Size = 1234;
  image("chosen-file-current", 2, ChosenFileToImage(chosen));
  image("chosen-file-old", 2, OldChosenFileToImage(chosen));
  TRelation_settings32 relation;
  relation.thresholds.fill(kThresholdNotSet);
  image("relation-settings-current", 3, RelationSettingsToImage(relation));
  image("relation-settings-old", 3, OldRelationSettingsToImage(TMutual_info_settingsOldFrom32(relation)));
  TMutualInfo_recOld mutual;
  mutual.freq_A = 10;
  mutual.measures[RelatStat_MI] = 2.5f;
  image("relationship-old", 4, MutualInfoOldToImage(mutual));
  Tone_text_stats_rec_old stats;
  stats.base.tokens = 100;
  stats.text_number = 1;
  image("one-text-stats-old", 5, OldOneTextStatsToImage(stats));
}

void TextDrawerSeeds() {
  // options, width, height (16-bit each), midpoint (32-bit), hit length (16-bit), typed-word length, typed,
  // text.
  auto drawer = [](const char* name, uint8_t options, int16_t w, int16_t h, int32_t mid, int16_t len,
                   std::u16string_view typed, std::u16string_view text) {
    std::string head(1, static_cast<char>(options));
    head.append(reinterpret_cast<const char*>(&w), 2).append(reinterpret_cast<const char*>(&h), 2);
    head.append(reinterpret_cast<const char*>(&mid), 4).append(reinterpret_cast<const char*>(&len), 2);
    const std::string typedBytes = UTF16Bytes(typed);
    Put("text_drawer", name,
        head + std::string(1, static_cast<char>(typedBytes.size())) + typedBytes + UTF16Bytes(text));
  };
  drawer("wrapped", 4, 120, 60, 5, 3, u"cat", u"the cat sat on the <b>mat</b>, 1,000 times");
  drawer("rtl", 1 | 4, 200, 40, 7, 4, u"2024",
         u"\u0645\u0631\u062D\u0628\u0627 2024 New York \u0639\u0627\u0644\u0645");
}

void SearchSeeds() {
  TBaseSearchItems items(TTagDelimiters{}, 0x0409, true);
  items.AddedSearchWords(u"cat*");
  items.AddedSearchWords(u"==Dog==");
  items.AddedSearchWords(u"sea/ocean context:=blue");
  Put("search_items", "stream", Prefixed({0}, StreamBytes([&](TStream& s) { items.SaveToStream(s); })));
  Put("search_items", "typed", Prefixed({3}, UTF16Bytes(u"big dog/cat* context:=the ~house? #1")));
  auto word = [](const char* name, uint8_t options, std::u16string_view typed, std::u16string_view text) {
    const std::string typedBytes = (options & 4) ? UTF16ToUTF8(typed) : UTF16Bytes(typed);
    Put("search_words", name,
        Prefixed({options, static_cast<uint8_t>(typedBytes.size())}, typedBytes + UTF16Bytes(text)));
  };
  const std::u16string_view text = u"The cat sat on the <b>mat</b>; cats and CAT-like dogs. 1984 été ÉTÉ";
  word("plain-wide", 0, u"cat", text);
  word("wildcards-utf8", 4, u"cat* ~dog? #", text);
  word("tags", 1, u"<b>*</b>", text);
  word("unparsed-8bit", 8 | 16, u"==the==", text);
  word("accents", 0, u"été", text);
}

void TextSeeds() {
  const std::u16string_view text = u"first line\r\nsecond é\n\nthird 😀\r\n";
  auto put = [&](const char* name, uint8_t options, TEncoding encoding) {
    TStringList list;
    list.SetTextStr(UnicodeString(text));
    Put("text_loading", name,
        Prefixed({options}, StreamBytes([&](TStream& s) { list.SaveToStream(s, encoding); })));
  };
  put("utf8-with-mark", 4, TEncoding::UTF8);
  put("utf16le", 2, TEncoding::Unicode);
  put("utf16be", 3, TEncoding::BigEndianUnicode);
  put("ansi", 0, TEncoding::ANSI);
}

void SettingsAndListInfoSeeds() {
  Put("settings_text", "search-text",
      Prefixed({2}, UTF16Bytes(u"ab") + UTF16Bytes(u"o*k <Enter>a?b<Tab>\"#\"")));
  Put("settings_text", "tag-pairs", Prefixed({0}, UTF16Bytes(u"<*>, [*],,*;")));
  Put("settings_text", "path", Prefixed({2}, UTF16Bytes(u":") + UTF16Bytes(u"  C:data\\x  ")));
  TStoredListInfoHolder info;
  info.fdata.stored_version_number = 7;
  info.fdata.entries = 12;
  info.fdata.has_overspill_data = 1;
  info.fdata.info_derives_from_filename = u"texts/source.txt";
  info.fdata.stoplist_filename = u"stop.lst";
  info.SetIsLemmatised(true);
  Put("list_info", "with-overspill", StreamBytes([&](TStream& s) { info.SaveToStream(s); }));
  info.fdata.has_overspill_data = 0;
  Put("list_info", "plain", StreamBytes([&](TStream& s) { info.SaveToStream(s); }));
}

void FileToolsSeeds() {
  TChunkSetHeader header;
  header.SourceName = "texts/source.txt";
  header.ChunkSize = 4096;
  header.OutOf = 3;
  Put("file_tools", "chunk-header", Prefixed({0}, StreamBytes([&](TStream& s) {
                                               WriteChunkSetHeader(s, header);
                                               WriteLE(s, int32_t(0));
                                             })));
  // A favourites file of a small folder tree, made the way a tool makes one.
  const fs::path tree = fs::temp_directory_path() / "lexmill-seed-tree";
  fs::remove_all(tree);
  fs::create_directories(tree / "sub");
  for (const char* f : {"a.txt", "b.txt", "sub/c.txt"}) std::ofstream(tree / f) << f;
  TFileAndDirIterator it;
  it.HeadDir = UTF8ToUTF16(tree.string());
  it.IncludeSubFolders = true;
  it.IterateFindingFiles();
  Put("file_tools", "favourites", Prefixed({1}, StreamBytes([&](TStream& s) { it.SaveFavouritesTo(s); })));
  fs::remove_all(tree);
}

void ListFileSeeds() {
  TLXBaseHolder holder(0x0409, true);
  auto list = Create<TWordList>(&holder);
  list->StoredListInfo->fdata.info_derives_from_filename = u"a.txt";
  const int32_t go = list->AddWord(u"go", 5, 2);
  Put("list_files", "one-entry", StreamBytes([&](TStream& s) { SaveListToStream(*list, tt_wordlist, s); }));
  const int32_t went = list->AddWord(u"went", 4, 1);
  list->Word(went)->SetCategoryString(u"v", 1);
  list->Word(go)->JoinFrom(list->Word(went));
  Put("list_files", "joined", StreamBytes([&](TStream& s) { SaveListToStream(*list, tt_wordlist, s); }));
}

// The command's own readers: lemma and stop lists (a flag byte, then UTF-16 text) and saved word lists with
// their totals.
void LexmillSeeds() {
  const auto text = [](bool keepCase, std::u16string_view s) {
    return std::string(1, keepCase ? '\1' : '\0') + UTF16Bytes(s);
  };
  Put("lemma_files", "arrows",
      text(false, u"# forms under their heads\nGo -> goes, went, gone\nbe -> am, is, was\n\nbe -> were\n"));
  Put("lemma_files", "columns", text(true, u"went go\r\ngeese goose\nmice mouse rat\nlonely\n -> x\n"));
  Put("lemma_files", "mixed",
      text(false, u"go -> went, ,goes\nwent be\nbe -> go\n\u00c9T\u00c9 -> \u00eatre\n"));
  Put("stop_lists", "words", text(false, u"# stop words\nthe a an\tOF\r\n  and\u00a0or\n#not this\n"));
  Put("stop_lists", "case", text(true, u"The THE the\n\ufeffx\n"));
  // Texts as files hold them (a flag byte first: options, and whether markers are placed).
  const std::string prose =
      "Mr. Smith said \"Hello.\" then left!\nIt rained 3.5 mm, didn't it? e.g. here\n\n  \nA new "
      "para\xC3\xAD\xCC\x81graph without an end\n\nLast one. \xE2\x80\xA6 yes";
  Put("lexmill_texts", "utf8-markers", Prefixed({0x21}, prose));
  Put("lexmill_texts", "utf8-simple", Prefixed({0x23}, prose));
  Put("lexmill_texts", "utf16le-unmarked",
      Prefixed({0x20}, UTF16Bytes(u"Two words.\n\nAnd more words here.")));
  Put("lexmill_texts", "cp1252-after-utf8", Prefixed({0x21}, "caf\xC3\xA9 first, then \xE9t\xE9 later.\n"));
  Put("lexmill_texts", "markup", Prefixed({0x29}, "<p>One &amp; two.</p>\n\n<p>Three&#233;</p>"));

  TLXBaseHolder holder(0x0409, true);
  auto list = Create<TWordList>(&holder);
  list->StoredListInfo->fdata.stoplist_filename = u"stop.txt";
  const int32_t go = list->AddWord(u"go", 5, 2);
  const int32_t went = list->AddWord(u"went", 4, 1);
  list->AddWord(u"gone", 1, 1);
  list->Word(go)->JoinFrom(list->Word(went));
  const int32_t old = list->AddWord(u"old", 2, 2);
  list->Word(old)->EnsurePrivateObjExists();
  list->Word(old)->privateobj->fdetails.deleted = 1;
  Put("lexmill_lists", "with-totals", StreamBytes([&](TStream& s) {
        SaveLexmillList(*list, s, TLexmillListTotals{12, 3, 0x0409});
      }));
  Put("lexmill_lists", "totals-unknown",
      StreamBytes([&](TStream& s) { SaveLexmillList(*list, s, TLexmillListTotals{}); }));
  Put("lexmill_lists", "no-totals",
      StreamBytes([&](TStream& s) { SaveListToStream(*list, tt_wordlist, s); }));
}

void SettingsFileSeeds() {
  auto put = [](const char* name, TEncoding encoding) {
    const fs::path file = fs::temp_directory_path() / ("lexmill-seed-" + std::to_string(::getpid()) + ".ini");
    fs::remove(file);
    {
      TMemIniFile ini(UTF8ToUTF16(file.string()));
      ini.SetEncoding(encoding);
      ini.WriteString(u"Settings", u"Folder", u"C:\\texts\\caf\u00e9");
      ini.WriteInteger(u"Settings", u"Width", 640);
      ini.WriteString(u"Search", u"Words", u"cat*/dog context:=the");
      ini.UpdateFile();
    }
    std::ifstream in(file, std::ios::binary);
    Put("ini_file", name,
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    fs::remove(file);
  };
  put("ansi", TEncoding::ANSI);
  put("utf8", TEncoding::UTF8);
  put("utf16le", TEncoding::Unicode);
}

void FileSeeds() {
  Put("file_streams", "wide-text",
      Prefixed({0}, StreamBytes([](TStream& s) { WriteUnknownLengthPointer(s, u"counted text", true); })));
  Put("file_streams", "ansi-text",
      Prefixed({1}, StreamBytes([](TStream& s) { WriteUnknownLengthPointer(s, "bytes", false); })));
  Put("file_streams", "pchar", Prefixed({2}, StreamBytes([](TStream& s) { StreamWritePchar(s, u"pchar"); })));
  Put("file_streams", "pansichar",
      Prefixed({3}, StreamBytes([](TStream& s) { StreamWritePAnsichar(s, "pansi"); })));
  Put("file_streams", "short-string",
      Prefixed({4}, StreamBytes([](TStream& s) { WriteShortString(s, "short"); })));
  TMySearchRecList list;
  for (int i = 0; i < 3; ++i) {
    TMySearchRec r;
    r.DateTime = 45000 + i;
    r.Size = 100 * i;
    r.Number_Within_Zip = static_cast<int16_t>(i);
    r.ShortName = i ? u"texts/a.zip/member" + IntToStr(i) + u".txt" : UnicodeString(u"plain.txt");
    list.AddOne(r);
  }
  Put("file_streams", "found-files", Prefixed({5}, StreamBytes([&](TStream& s) { list.SaveToStream(s); })));
  TFolderful folder(u"/texts/");
  folder.ListOfFiles()->AddOne(list.GetAMySearchRec(0));
  folder.Setdirnum(3);
  Put("file_streams", "folder", Prefixed({7}, StreamBytes([&](TStream& s) { folder.SaveToStream(s); })));

  const std::u16string ini =
      u"\uFEFFAutomatically generated file. CAREFUL!!!\r\n; Delete it if you "
      u"want.\r\n\r\n[Main]\r\nflag=YES\r\n"
      u"colour=255.0.0\r\nother=$00FF0000\r\n\r\n[List]\r\n[v0]=one\r\n[c1]=two\r\ni=2\r\n";
  Put("settings_file", "utf16", UTF16Bytes(ini));
  Put("settings_file", "utf8", "[A]\nk=v\xC3\xA9\n; comment\n[B]\nnumber=12\nbad=#zz\n");
  Put("zip_members", "two-members",
      ZipBytes({{"a.txt", "first text"}, {"sub/b.txt", std::string(2000, 'b')}}, true));
  Put("zip_members", "hostile-names", ZipBytes({{"../up.txt", "x"}, {"/abs.txt", "y"}}, false));
  Put("markup", "html",
      std::string("\x02\x10") +
          "<!doctype html><p class=x>caf&eacute; &amp; &#233;<b>bo</b>ld</p><!-- c -->"
          "<script>a<b</script><li>open<br/> 3 < 4 &#x1F600; &nosuch;");
  TDoubleSearchCategoryRec category;
  category.requirement[0].how = ccp_StartsWith;
  category.requirement[0].s_seek_base = u"un";
  category.requirement[1].how = ccp_Between;
  category.requirement[1].data_numerical = 1;
  category.requirement[1].n_seek_high = 10;
  Put("categories", "two",
      StreamBytes([&](TStream& s) { TRequirementsArrayHolder(category).SaveToStream(s); }));
  Put("markup", "brackets", std::string("\x05\x03") + "[s]one[/s] [t two <x> [[ ]");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_make_seeds <corpus folder>\n";
    return 2;
  }
  gRoot = argv[1];
  try {
    CodePageSeeds();
    ContainerSeeds();
    DocxSeeds();
    FormatSeeds();
    RecordSeeds();
    SearchSeeds();
    TextDrawerSeeds();
    TextSeeds();
    SettingsAndListInfoSeeds();
    FileToolsSeeds();
    ListFileSeeds();
    LexmillSeeds();
    SettingsFileSeeds();
    FileSeeds();
  } catch (const std::exception& e) {
    std::cerr << "fuzz_make_seeds: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
