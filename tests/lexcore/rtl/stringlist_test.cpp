#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;

namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> r;
  for (int32_t i = 0; i < list.Count(); ++i) r.push_back(UTF16ToUTF8(list[i]));
  return r;
}

using V = std::vector<std::string>;

template <typename E>
std::string MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    return UTF16ToUTF8(e.Message);
  }
  return "(no error)";
}

// Counts live instances, so a test can see which objects an owning list freed.
struct TCounted : TObject {
  static inline int live = 0;
  TCounted() { ++live; }
  ~TCounted() override { --live; }
};

}  // namespace

TEST(StringList, SortedFindGivesFirstOfEqualRunUnderEitherCaseRule) {
  TStringList list;
  list.Duplicates = dupAccept;
  list.SetSorted(true);
  for (const char16_t* s : {u"b", u"B", u"a", u"b", u"c", u"B"}) list.Add(s);
  int32_t index = -1;
  // Case-insensitive: the four b's form one run; Find lands on its first member.
  EXPECT_TRUE(list.Find(u"b", index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(list.IndexOf(u"B"), 1);
  EXPECT_FALSE(list.Find(u"bb", index));
  EXPECT_EQ(index, 5);
  EXPECT_FALSE(list.Find(u"0", index));
  EXPECT_EQ(index, 0);

  // Case-sensitive re-sorts ordinally: upper case first.
  list.SetCaseSensitive(true);
  EXPECT_EQ(Lines(list), (V{"B", "B", "a", "b", "b", "c"}));
  EXPECT_TRUE(list.Find(u"b", index));
  EXPECT_EQ(index, 3);
  EXPECT_TRUE(list.Find(u"B", index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(list.Find(u"C", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(list.IndexOf(u"A"), -1);

  // Non-ASCII letters fold too.
  TStringList words;
  words.SetSorted(true);
  words.Add(u"\u00E9t\u00E9");
  EXPECT_EQ(words.IndexOf(u"\u00C9T\u00C9"), 0);
}

TEST(StringList, DuplicatesIgnoreErrorAndSortedInsert) {
  TStringList list;
  list.SetSorted(true);
  EXPECT_EQ(list.Add(u"m"), 0);
  EXPECT_EQ(list.Add(u"a"), 0);
  EXPECT_EQ(list.Add(u"M"), 1);  // ignored: returns the existing one
  EXPECT_EQ(list.Count(), 2);

  list.Duplicates = dupError;
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Add(u"A"); }), "String list does not allow duplicates");
  EXPECT_EQ(list.Count(), 2);

  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Insert(0, u"z"); }),
            "Operation not allowed on sorted list");
  EXPECT_THROW(list.Put(0, u"z"), EStringListError);
  // Move is refused before the item leaves its place.
  EXPECT_THROW(list.Move(0, 1), EStringListError);
  EXPECT_EQ(Lines(list), (V{"a", "m"}));

  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Get(2); }), "List index out of bounds (2)");
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.Delete(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(MessageOf<EStringListError>([&] { list.SetCapacity(1); }), "List capacity out of bounds (1)");
}

TEST(StringList, UnsortedEditingAndCustomSort) {
  TStringList list;
  for (const char16_t* s : {u"one", u"two", u"three", u"four"}) list.Add(s);
  list.Insert(4, u"five");
  EXPECT_THROW(list.Insert(6, u"x"), EStringListError);
  list.Move(0, 3);
  EXPECT_EQ(Lines(list), (V{"two", "three", "four", "one", "five"}));
  list.Move(4, 0);
  list.Exchange(1, 2);
  EXPECT_EQ(Lines(list), (V{"five", "three", "two", "four", "one"}));

  // By length, stable: equal lengths keep their order; the comparison indexes the unsorted list.
  list.CustomSort([](TStringList& l, int32_t a, int32_t b) {
    return static_cast<int>(l.GetRef(a).size()) - static_cast<int>(l.GetRef(b).size());
  });
  EXPECT_EQ(Lines(list), (V{"two", "one", "five", "four", "three"}));

  // A comparison that contradicts itself still leaves every item in the list once.
  int flip = 0;
  list.CustomSort([&](TStringList&, int32_t, int32_t) { return (flip++ % 3) - 1; });
  EXPECT_EQ(list.Count(), 5);
  EXPECT_NE(list.IndexOf(u"three"), -1);
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText(u"Width=10\r\nplain\r\nheight=\r\nTitle=a=b\r\n");
  EXPECT_EQ(list.IndexOfName(u"WIDTH"), 0);
  EXPECT_EQ(list.IndexOfName(u"plain"), -1);
  EXPECT_EQ(list.IndexOfName(u"height"), 2);
  EXPECT_EQ(UTF16ToUTF8(list.Values(u"title")), "a=b");
  EXPECT_EQ(UTF16ToUTF8(list.Names(3)), "Title");
  EXPECT_EQ(UTF16ToUTF8(list.Names(1)), "");
  EXPECT_EQ(UTF16ToUTF8(list.ValueFromIndex(1)), "");  // no separator, no value
  EXPECT_EQ(UTF16ToUTF8(list.Values(u"missing")), "");

  list.SetValue(u"width", u"20");
  EXPECT_EQ(UTF16ToUTF8(list[0]), "width=20");
  list.SetValue(u"depth", u"3");
  EXPECT_EQ(UTF16ToUTF8(list[4]), "depth=3");
  list.SetValue(u"HEIGHT", u"");
  EXPECT_EQ(list.IndexOfName(u"height"), -1);
  list.SetValueFromIndex(0, u"30");
  EXPECT_EQ(UTF16ToUTF8(list[0]), "width=30");

  list.NameValueSeparator = u':';
  list.Clear();
  list.AddPair(u"k", u"v");
  EXPECT_EQ(UTF16ToUTF8(list.Text()), "k:v\r\n");

  // A new name in a sorted list goes to its place.
  TStringList sorted;
  sorted.SetSorted(true);
  sorted.Add(u"b=2");
  sorted.SetValue(u"a", u"1");
  EXPECT_EQ(Lines(sorted), (V{"a=1", "b=2"}));
}

TEST(StringList, TextSplitsEveryLineEnd) {
  TStringList list;
  list.SetText(u"a\r\nb\nc\rd\n\re\r\n\r\n");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d", "", "e", ""}));
  EXPECT_EQ(UTF16ToUTF8(list.Text()), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\n");
  list.SetText(u"last");
  EXPECT_EQ(Lines(list), (V{"last"}));
  list.SetText(u"");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Text(), u"");
  list.SetText(std::u16string_view(u"x\0y", 3));  // an embedded NUL stays in its line
  EXPECT_EQ(list[0].size(), 3u);
}

TEST(StringList, CommaAndDelimitedText) {
  TStringList list;
  for (const char16_t* s : {u"plain", u"with space", u"a,b", u"say \"hi\"", u""}) list.Add(s);
  const UnicodeString comma = list.CommaText();
  EXPECT_EQ(UTF16ToUTF8(comma), "plain,\"with space\",\"a,b\",\"say \"\"hi\"\"\",");
  TStringList back;
  back.SetCommaText(comma);
  EXPECT_TRUE(back.Equals(list));

  // Unquoted blanks split items and are skipped around delimiters; an unclosed quote takes the rest.
  back.SetCommaText(u"  x y , \"z, w\"  ,\"open");
  EXPECT_EQ(Lines(back), (V{"x", "y", "z, w", "open"}));
  back.SetCommaText(u"\"\"");
  EXPECT_EQ(Lines(back), (V{""}));
  EXPECT_EQ(UTF16ToUTF8(back.CommaText()), "\"\"");

  TStringList d;
  d.Delimiter = u';';
  d.QuoteChar = u'\'';
  d.StrictDelimiter = true;
  d.SetDelimitedText(u" a b ;'c;d';");
  EXPECT_EQ(Lines(d), (V{" a b ", "c;d", ""}));
  EXPECT_EQ(UTF16ToUTF8(d.DelimitedText()), " a b ;'c;d';");
}

TEST(StringList, OwnedObjectsAreFreed) {
  TCounted::live = 0;
  {
    TStringList list(true);
    for (int i = 0; i < 5; ++i) list.AddObject(IntToStr(i), new TCounted);
    EXPECT_EQ(TCounted::live, 5);
    list.Delete(0);
    EXPECT_EQ(TCounted::live, 4);
    list.Move(0, 3);  // moving must not free
    list.Exchange(0, 1);
    EXPECT_EQ(TCounted::live, 4);
    EXPECT_EQ(list.IndexOfObject(list.Objects(2)), 2);
    list.Clear();
    EXPECT_EQ(TCounted::live, 0);
    list.AddObject(u"kept", new TCounted);
  }
  EXPECT_EQ(TCounted::live, 0);

  // Not owned: the caller frees.
  TCounted keep;
  {
    TStringList list;
    list.AddObject(u"k", &keep);
  }
  EXPECT_EQ(TCounted::live, 1);
}

TEST(StringList, ChangeEventsAndGrowth) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add(u"a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.SetText(u"x\ny\nz");
  list.EndUpdate();
  EXPECT_EQ(changed, 1);
  list.EndUpdate();
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(changed, 2);

  TStringList g;
  std::vector<int32_t> caps;
  for (int i = 0; i < 100; ++i) {
    g.Add(u"s");
    if (caps.empty() || caps.back() != g.Capacity()) caps.push_back(g.Capacity());
  }
  EXPECT_EQ(caps, (std::vector<int32_t>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
}

TEST(StringList, AssignCopiesContentsAndSettings) {
  TStringList a;
  a.Delimiter = u'|';
  a.AddObject(u"x", nullptr);
  a.Add(u"y");
  TStringList b;
  b.Add(u"old");
  b.Assign(a);
  EXPECT_EQ(Lines(b), (V{"x", "y"}));
  EXPECT_EQ(b.Delimiter, u'|');
  b.AddStrings(b);  // adding a list to itself doubles it once
  EXPECT_EQ(b.Count(), 4);
}

namespace {

struct TLoadCase {
  const char* name;
  std::string bytes;
  TEncoding encoding;
};

}  // namespace

// Every file holds the lines "Euro €", "é" and "x" with CRLF line ends.
TEST(StringList, LoadsByByteOrderMarkAndSavesTheSameBytes) {
  const std::vector<TLoadCase> cases = {
      {"utf16le",
       std::string("\xFF\xFE"
                   "E\0u\0r\0o\0 \0\xAC\x20\r\0\n\0\xE9\0\r\0\n\0x\0\r\0\n\0",
                   30),
       TEncoding::Unicode},
      {"utf16be",
       std::string("\xFE\xFF"
                   "\0E\0u\0r\0o\0 \x20\xAC\0\r\0\n\0\xE9\0\r\0\n\0x\0\r\0\n",
                   30),
       TEncoding::BigEndianUnicode},
      {"utf8",
       "\xEF\xBB\xBF"
       "Euro \xE2\x82\xAC\r\n\xC3\xA9\r\nx\r\n",
       TEncoding::UTF8},
      {"ansi", "Euro \x80\r\n\xE9\r\nx\r\n", TEncoding::ANSI},
  };
  lxtest::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dir.Write(c.name, c.bytes);
    TStringList list;
    list.LoadFromFile(dir.File(c.name));
    EXPECT_EQ(list.Encoding(), c.encoding);
    EXPECT_EQ(Lines(list), (V{"Euro \xE2\x82\xAC", "\xC3\xA9", "x"}));
    list.SaveToFile(dir.File(c.name));
    EXPECT_EQ(dir.Read(c.name), c.bytes);
  }
}

TEST(StringList, AnsiLoadKeepsUndefinedBytes) {
  TMemoryStream m;
  m.WriteBuffer("\x80\x81\x8D\x9D\xFF", 5);
  m.SetPosition(0);
  TStringList list;
  list.LoadFromStream(m);
  EXPECT_EQ(list[0], (UnicodeString{0x20AC, 0x81, 0x8D, 0x9D, 0xFF}));
  TMemoryStream out;
  list.SaveToStream(out);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.Memory()), 7),
            std::string("\x80\x81\x8D\x9D\xFF\r\n"));
}

TEST(StringList, OddUtf16AndExplicitEncodings) {
  TMemoryStream m;
  m.WriteBuffer(
      "\xFF\xFE"
      "a\0b\0\x63",
      7);  // the lone last byte is dropped
  m.SetPosition(0);
  TStringList list;
  list.LoadFromStream(m);
  EXPECT_EQ(Lines(list), (V{"ab"}));

  TMemoryStream bare;
  bare.WriteBuffer("\xC3\xA9", 2);
  bare.SetPosition(0);
  list.LoadFromStream(bare, TEncoding::UTF8);
  EXPECT_EQ(Lines(list), (V{"\xC3\xA9"}));
  list.WriteBOM = false;
  TMemoryStream out;
  list.SaveToStream(out, TEncoding::BigEndianUnicode);
  EXPECT_EQ(out.Bytes(), (std::vector<uint8_t>{0x00, 0xE9, 0x00, 0x0D, 0x00, 0x0A}));

  TMemoryStream empty;
  list.LoadFromStream(empty);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Encoding(), TEncoding::ANSI);

  lxtest::TempDir dir;
  EXPECT_THROW(list.LoadFromFile(dir.File("absent.txt")), EFOpenError);
  // A save that cannot replace its target leaves nothing behind.
  std::filesystem::create_directory(dir.path / "taken");
  EXPECT_THROW(list.SaveToFile(dir.File("taken")), EFCreateError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);
  const std::string message = MessageOf<EFCreateError>([&] { list.SaveToFile(dir.File("no/such/x.txt")); });
  EXPECT_NE(message.find("no/such/x.txt\""), std::string::npos) << message;
}
