#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/FileOfChar.h"
#include "lexcore/text/GeneralRuntimeFilters.h"
#include "lexcore/text/WideMasks.h"
#include "lexcore/text/my_string_functions.h"
#include "test_files.h"

namespace lx {
namespace {

UnicodeString Data(const std::string& relative) {
  return UTF8ToUTF16(lxtest::DataFile(relative));
}

TEST(DocumentText, WrittenByAWordProcessor) {
  // Runs are joined, the tab is dropped, entities stay, the empty paragraph gives an empty line, and the
  // text box is read once, from its fallback, inside the paragraph that anchors it.
  EXPECT_EQ(DOCXFileText(Data("docx/writer-sample.docx")),
            u"The mill grinds slowly but surely.\r\n"
            u"\r\n"
            u"Caf\u00E9 &amp; cr\u00E8meat noon.\r\n"
            u"Before the box.Boxed words.\r\n"
            u"Last line.\r\n");
}

TEST(DocumentText, HandMadeEdgeCases) {
  // Entry name matched without regard to case; <w:p/>, <w:t/>, <w:pPr> and <w:tab/> give nothing; a block
  // without a fallback vanishes; an unterminated last paragraph is dropped.
  EXPECT_EQ(DOCXFileText(Data("docx/hand-made.docx")),
            u"One two\r\ncell\r\nafter\r\n&lt;&#233;&gt; \u00E9\r\n");
  EXPECT_EQ(DOCXFileText(Data("docx/no-document.docx")), u"");
  EXPECT_EQ(DOCXFileText(Data("docx/missing.docx")), u"");
  EXPECT_EQ(DOCXFileText(u""), u"");
  EXPECT_THROW(DOCXFileText(Data("docx/writer-sample.fodt")), EFOpenError);
}

// As a reader sees the documents: references decoded, tabs and breaks kept as white space (tab stops are
// no tabs), so that no two words run together where the page shows them apart.
TEST(DocumentText, ReadableTextKeepsWordsApart) {
  EXPECT_EQ(DOCXReadableText(Data("docx/writer-sample.docx")),
            u"The mill grinds slowly but surely.\r\n"
            u"\r\n"
            u"Caf\u00E9 & cr\u00E8me\tat noon.\r\n"
            u"Before the box.Boxed words.\r\n"
            u"Last line.\r\n");
  EXPECT_EQ(DOCXReadableText(Data("docx/hand-made.docx")),
            u"One \ttwo\r\ncell\r\nafter\r\n<\u00E9> \u00E9\r\n");
  EXPECT_EQ(DOCXReadableText(Data("docx/missing.docx")), u"");
  EXPECT_EQ(DOCXReadableText(Data("docx/breaks.docx")), u"Fish &amp; chips\nlate\nnight\t\r\n");
}

TEST(FileText, LoadedThroughTheStringList) {
  lxtest::TempDir dir;
  dir.Write("u16.txt", std::string("\xFF\xFE"
                                   "a\0<\0b\0>\0\n\0c\0",
                                   14));
  EXPECT_EQ(GetTextFromFile(dir.File("u16.txt")), u"a<b>\r\nc\r\n");
  EXPECT_EQ(MarkupFreeTextFromAFile(dir.File("u16.txt"), 10), u"a\r\nc\r\n");
  EXPECT_EQ(GetTextFromFile(dir.File("none.txt")), u"");
  EXPECT_EQ(MarkupFreeTextFromAFile(dir.File("none.txt"), 10), u"");
}

TEST(Markup, WithoutMarkup) {
  EXPECT_EQ(WithoutMarkup(u"a <b>bold</b> word", 10), u"a bold word");
  EXPECT_EQ(WithoutMarkup(u"a <b>bold</b> word", 2), u"a bold</b> word");
  EXPECT_EQ(WithoutMarkup(u"3 < 4 and 5 > 2", 5), u"3 < 4 and 5 > 2");
  EXPECT_EQ(WithoutMarkup(u"a <b>c", 0), u"a <b>c");
  // Unclosed: the rest goes when the text ends within reach, stays otherwise.
  EXPECT_EQ(WithoutMarkup(u"keep <open", 5), u"keep ");
  EXPECT_EQ(WithoutMarkup(u"keep <opened", 5), u"keep <opened");
  EXPECT_EQ(WithoutMarkup(u"<", 1), u"");
  EXPECT_EQ(WithoutMarkup(u"x[note]y", u'[', u']', 10), u"xy");
}

TEST(FileOfChar, CreatesAppendsAndRealigns) {
  lxtest::TempDir dir;
  AddToFileOfChar(dir.File("log.txt"), u"a\u20AC");
  EXPECT_EQ(dir.Read("log.txt"), std::string("\xFF\xFE"
                                             "a\0\xAC\x20",
                                             6));
  AddToFileOfChar(dir.File("log.txt"), u"b");
  AddToFileOfChar(dir.File("log.txt"), u"");
  EXPECT_EQ(dir.Read("log.txt"), std::string("\xFF\xFE"
                                             "a\0\xAC\x20"
                                             "b\0",
                                             8));
  // A stray odd byte is not a unit: the next text starts where the last whole unit ended.
  dir.Write("odd.txt", std::string("\xFF\xFE"
                                   "x\0\x7F",
                                   5));
  AddToFileOfChar(dir.File("odd.txt"), u"y");
  EXPECT_EQ(dir.Read("odd.txt"), std::string("\xFF\xFE"
                                             "x\0y\0",
                                             6));
  AddToFileOfChar(u"", u"ignored");
  EXPECT_THROW(AddToFileOfChar(dir.File("no/such/folder.txt"), u"z"), EStreamError);
}

TEST(Masks, BuildAndMatch) {
  std::vector<UnicodeString> masks;
  BuildAMask(masks, u"*.doc;*.txt");
  EXPECT_EQ(WhereInAMask(u"x.txt", masks), 1);
  EXPECT_EQ(WhereInAMask(u"X.DOC", masks), 0);
  EXPECT_EQ(WhereInAMask(u"x.rtf", masks), -1);
  EXPECT_EQ(WhereInAMask(u"", masks), -1);

  BuildAMask(masks, u"  *.a\r\n\r\n*.b;;c?.*\r\n ");
  EXPECT_EQ(masks, (std::vector<UnicodeString>{u"*.a", u"*.b", u"c?.*"}));
  BuildAMask(masks, u" ");
  EXPECT_TRUE(masks.empty());
  EXPECT_TRUE(MatchesMask(u"noext", u"*.*"));
  EXPECT_FALSE(MatchesMask(u"", u"*"));
}

TEST(FileKinds, FixedRecords) {
  const auto& kinds = GeneralFileTypes();
  ASSERT_EQ(kinds.size(), 6u);
  EXPECT_EQ(kinds[0].Description, u"Plain text files");
  EXPECT_EQ(WebText_Filetypes.Masks, u"*.htm;*.html;*.xml");
  EXPECT_EQ(Batch_Filetypes.Description, u"Batch files");
  std::vector<UnicodeString> masks;
  BuildAMask(masks, WebText_Filetypes.Masks);
  EXPECT_EQ(WhereInAMask(u"page.HTML", masks), 1);
}

TEST(FileKinds, EachToolsSavedData) {
  EXPECT_EQ(ToolFileTypes(1).Description, u"Concordancer data");
  EXPECT_EQ(ToolFileTypes(1).Masks, u"*.cnc");
  EXPECT_EQ(ToolFileTypes(4).Masks, u"*.base_pairs");
  // The slot without a tool, the no-tool value and anything past the table give no record.
  EXPECT_TRUE(ToolFileTypes(6).Description.empty());
  EXPECT_TRUE(ToolFileTypes(17).Description.empty());
  EXPECT_TRUE(ToolFileTypes(200).Masks.empty());
  EXPECT_EQ(AllToolFileTypes().size(), 16u);
}

TEST(StringHelpers, TabsScansAndFixedForms) {
  EXPECT_EQ(ExpandTabbedWideString(u"a\tb", 4), u"a    b");
  EXPECT_EQ(ExpandTabbedWideString(u"\t\t", 1), u"  ");
  EXPECT_EQ(ExpandTabbedWideString(u"a\tb", 0), u"ab");

  EXPECT_EQ(StrScanIndex(u"banana", u'a', 1), 2);
  EXPECT_EQ(StrScanIndex(u"banana", u'a', 3), 4);
  EXPECT_EQ(StrScanIndex(u"banana", u'a', 6), 6);
  EXPECT_EQ(StrScanIndex(u"banana", u'a', 7), 0);
  EXPECT_EQ(StrScanIndex(u"banana", u'x', 1), 0);
  EXPECT_EQ(StrScanIndex(u"", u'x', 1), 0);

  Search_word_type32 fixed;
  fixed.fill(u'z');
  StringToSearch_word_type32(UnicodeString(100, u'w'), fixed);
  EXPECT_EQ(Search_word_type32ToString(fixed), UnicodeString(80, u'w'));
  EXPECT_EQ(fixed[80], 0);
  StringToSearch_word_type32(u"cat*", fixed);
  EXPECT_EQ(Search_word_type32ToString(fixed), u"cat*");
  EXPECT_EQ(fixed[4], 0);
  fixed.fill(u'q');  // no terminator at all: read no further than the array
  EXPECT_EQ(Search_word_type32ToString(fixed).size(), 81u);

  EXPECT_TRUE(IsADigitChar(u'\u0663'));  // Arabic-Indic three
  EXPECT_FALSE(IsOrdinaryNumberChar(u'\u0663'));
  EXPECT_TRUE(IsOrdinaryNumberChar(u'7'));
  EXPECT_TRUE(IsHashSymbol(27));
  EXPECT_FALSE(IsHashSymbol(u'#'));
  EXPECT_TRUE(IsHashOrBrace(u'{'));
  EXPECT_TRUE(ContainsADigitW(u"ab3"));
  EXPECT_FALSE(ContainsADigitW(u"ab\u0663"));
  EXPECT_FALSE(ContainsADigitA(nullptr));
  EXPECT_TRUE(ContainsADigitA("x0"));
}

}  // namespace
}  // namespace lx
