#include "lexlists/formula/Parser.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lexcore/rtl/lx_strings.h"
#include "lexlists/headings/headingsU.h"

using namespace lx;

namespace {

const TGridHeaderList& Headings() {
  static const TGridHeaderList* h = [] {
    auto* list = new TGridHeaderList(lt_word_list);
    const char16_t* names[] = {u"N", u"Word", u"Freq.", u"Texts"};
    for (int16_t i = 0; i < 4; ++i) {
      TGrid_head32 r;
      r.heading = names[i];
      r.original_column = i;
      list->AddOne(r);
    }
    return list;
  }();
  return *h;
}

extended Eval(const UnicodeString& formula) {
  TParseFormulaHandler p;
  p.Translate_A_String(Headings(), formula);
  return p.GetComputedValue(0, nullptr, nullptr, 0, 0);
}

UnicodeString ErrorOf(const UnicodeString& formula) {
  TParseFormulaHandler p;
  try {
    p.Translate_A_String(Headings(), formula);
    p.GetComputedValue(0, nullptr, nullptr, 0, 0);
  } catch (const EParseError& e) {
    EXPECT_TRUE(p.HasError() || e.Message == u"maths error");
    return e.Message;
  }
  return u"(no error)";
}

// A row of the host's list: a number in the formula names a column, whose value it stands for.
struct TRow : TObject {
  std::vector<extended> cells;
  extended total = 0;
};
class TColumnNode : public TValuNode {
 public:
  extended ValueOf() override {
    return static_cast<TRow*>(From)->cells.at(static_cast<std::size_t>(IntValue));
  }
  extended GetValueElsewhere(TObject* from, bool cumulative) override {
    auto* row = static_cast<TRow*>(from);
    return ValueOf() / row->total * (cumulative ? 2 : 1);
  }
};

struct TSpy : TValuNode {
  static inline int32_t* seen = nullptr;
  extended ValueOf() override {
    *seen = Column;
    return Value;
  }
};

}  // namespace

TEST(FormulaParser, EvaluatesLeftToRightWithBracketsGrouping) {
  EXPECT_DOUBLE_EQ(Eval(u"Sqrt(16)+1"), 5);
  EXPECT_DOUBLE_EQ(Eval(u"Sqr(3)"), 9);
  EXPECT_NEAR(Eval(u"(pi)"), 3.14159265, 1e-8);
  EXPECT_DOUBLE_EQ(Eval(u"2+3*4"), 20);
  EXPECT_DOUBLE_EQ(Eval(u"2+(3*4)"), 14);
  EXPECT_DOUBLE_EQ(Eval(u"-5+2"), -3);
  EXPECT_DOUBLE_EQ(Eval(u"2*-3"), -3);
  EXPECT_DOUBLE_EQ(Eval(u"[1+2]\u00D73"), 9);
  EXPECT_DOUBLE_EQ(Eval(u"9 \u00F7 2"), 4.5);
  EXPECT_DOUBLE_EQ(Eval(u"1\u00B75*2"), 3);
  EXPECT_DOUBLE_EQ(Eval(u"Sqrt(16)+Sqrt(9)"), 7);
  EXPECT_NEAR(Eval(u"Log(Exp(2))"), 2, 1e-12);
  EXPECT_NEAR(Eval(u"Sin(0)+Cos(0)"), 1, 1e-12);
  EXPECT_DOUBLE_EQ(Eval(u"((2))"), 2);
  EXPECT_DOUBLE_EQ(Eval(u""), 1);  // no tree: the neutral answer
}

TEST(FormulaParser, TranslationReplacesColumnsFunctionsAndUnaryMinus) {
  TParseFormulaHandler p;
  p.Translate_A_String(Headings(), u"\"Freq.\" / \"Texts\"");
  p.Translate_A_String(Headings(), u"Sqrt(\"#3\")\u00D7-2");
  p.Translate_A_String(Headings(), u"RelC(1)+Rel(2)+Abs(3)");
  EXPECT_EQ(p.TranslatedFormula(0), u"2/3");
  EXPECT_EQ(p.TranslatedFormula(1), u"\x15(3)*0-2");
  EXPECT_EQ(p.TranslatedFormula(2), u"\x14(1)+\x1B(2)+\x1C(3)");
  EXPECT_EQ(p.TypedFormula(0), u"\"Freq.\" / \"Texts\"");
  EXPECT_TRUE(p.AllTranslated());
}

TEST(FormulaParser, ErrorsNameTheFormulaAndTheFault) {
  EXPECT_EQ(ErrorOf(u"3 $ 4"), u"3 $ 4 won't work:\rinvalid character");
  EXPECT_EQ(ErrorOf(u"(1+2"), u"(1+2 won't work:\rmissing bracket");
  EXPECT_EQ(ErrorOf(u"1.2.3"), u"1.2.3 won't work:\rinvalid number");
  EXPECT_EQ(ErrorOf(u"2(3)"), u"2(3) won't work:\roperator expected");
  EXPECT_EQ(ErrorOf(u"*3"), u"*3 won't work:\rnumber expected");
  EXPECT_EQ(ErrorOf(u"2+"), u"2+ won't work:\rnumber expected");
  EXPECT_EQ(ErrorOf(u"2+*3"), u"2+*3 won't work:\rbad expression");
  EXPECT_EQ(ErrorOf(u"\"Freq.+1"), u"\"Freq.+1 won't work:\rquotes (\") used for Column names only");
  // An unknown column is named rather than silently dropped.
  EXPECT_EQ(ErrorOf(u"\"nothing\"+1"), u"\"nothing\"+1 won't work:\r - nothing - no column has this heading");
  EXPECT_EQ(ErrorOf(u"1/0"), u"maths error");
  EXPECT_EQ(ErrorOf(u"Sqrt(0-4)"), u"maths error");
  EXPECT_EQ(ErrorOf(u"Log(0)"), u"maths error");
  EXPECT_EQ(ErrorOf(UnicodeString(300, u'1')),
            UnicodeString(300, u'1') + u" won't work:\rtoo long (255 characters at most)");
}

TEST(FormulaParser, AfterASyntaxErrorEveryFormulaAnswersOne) {
  TParseFormulaHandler p;
  p.Translate_A_String(Headings(), u"2+2");
  EXPECT_DOUBLE_EQ(p.GetComputedValue(0, nullptr, nullptr, 0, 0), 4);
  EXPECT_THROW(p.Translate_A_String(Headings(), u"\"Lost\""), EParseError);
  EXPECT_EQ(p.Count(), 1);
  EXPECT_TRUE(p.HasError());
  EXPECT_DOUBLE_EQ(p.GetComputedValue(0, nullptr, nullptr, 0, 0), 1);

  // Syntax shows only when a formula is built; from then on every formula answers 1 too.
  TParseFormulaHandler q;
  q.Translate_A_String(Headings(), u"2+2");
  q.Translate_A_String(Headings(), u"2+(");
  EXPECT_THROW(q.GetComputedValue(1, nullptr, nullptr, 0, 0), EParseError);
  EXPECT_TRUE(q.HasError());
  EXPECT_DOUBLE_EQ(q.GetComputedValue(1, nullptr, nullptr, 0, 0), 1);
  EXPECT_DOUBLE_EQ(q.GetComputedValue(0, nullptr, nullptr, 0, 0), 1);
}

TEST(FormulaParser, HostValueNodesLookUpTheRow) {
  TParseFormulaHandler p;
  p.Translate_A_String(Headings(), u"\"Freq.\" / \"Texts\"");
  p.Translate_A_String(Headings(), u"Rel(\"Freq.\")+RelC(\"Freq.\")");
  p.Translate_A_String(Headings(), u"1;7");
  TRow row;
  row.cells = {0, 0, 12, 4};
  row.total = 24;
  const TValue_Ref cls = ValueNodeClassOf<TColumnNode>();
  EXPECT_DOUBLE_EQ(p.GetComputedValue(0, &row, cls, 0, 0), 3);
  EXPECT_DOUBLE_EQ(p.GetComputedValue(1, &row, cls, 0, 0), 0.5 + 1.0);
  row.cells[2] = 20;
  EXPECT_DOUBLE_EQ(p.GetComputedValue(0, &row, cls, 0, 0), 5);

  // A ";" suffix carries a column; without one the call's default column is used.
  int32_t seenColumn = -1;
  TSpy::seen = &seenColumn;
  EXPECT_DOUBLE_EQ(p.GetComputedValue(2, nullptr, ValueNodeClassOf<TSpy>(), 0, 3), 1);
  EXPECT_EQ(seenColumn, 7);
  p.Translate_A_String(Headings(), u"5");
  EXPECT_DOUBLE_EQ(p.GetComputedValue(3, nullptr, ValueNodeClassOf<TSpy>(), 0, 3), 5);
  EXPECT_EQ(seenColumn, 3);
}

TEST(FormulaParser, MatchToDropsFormulasOfComputedHeadings) {
  TParseFormulaHandler p;
  p.Translate_A_String(Headings(), u"1+1");
  p.Translate_A_String(Headings(), u"2+2");
  TGrid_head32 computed, plain;
  computed.heading = u"1+1";
  computed.extra_computed = 1;
  plain.heading = u"2+2";
  Global_Update_Parser = true;
  p.MatchTo({computed, plain});
  ASSERT_EQ(p.Count(), 1);
  EXPECT_EQ(p.TypedFormula(0), u"2+2");
  EXPECT_FALSE(Global_Update_Parser);
}

TEST(FormulaParser, StreamFormIsGoldenAndReadsBack) {
  TParseFormulaHandler empty;
  TMemoryStream none;
  EXPECT_FALSE(empty.SaveToStream(none));
  EXPECT_EQ(none.GetSize(), 4);  // the count is written even when there is nothing

  TParseFormulaHandler p;
  p.Translate_A_String(Headings(), u"\"Freq.\"\u00F7\"Texts\"");
  p.Translate_A_String(Headings(), u"Sqr(2)");
  TMemoryStream s;
  ASSERT_TRUE(p.SaveToStream(s));
  const std::vector<uint8_t> golden = {2,   0,   0,   0,   3,   '2', '/', '3', 4,   0x1A, '(', '2',
                                       ')', 15,  '"', 'F', 'r', 'e', 'q', '.', '"', 0xF7, '"', 'T',
                                       'e', 'x', 't', 's', '"', 6,   'S', 'q', 'r', '(',  '2', ')'};
  ASSERT_EQ(s.GetSize(), static_cast<int64_t>(golden.size()));
  std::vector<uint8_t> bytes(golden.size());
  s.SetPosition(0);
  s.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  EXPECT_EQ(bytes, golden);

  TParseFormulaHandler q;
  s.SetPosition(0);
  ASSERT_TRUE(q.ReadFromStream(s));
  ASSERT_EQ(q.Count(), 2);
  EXPECT_EQ(q.TypedFormula(0), u"\"Freq.\"\u00F7\"Texts\"");
  EXPECT_DOUBLE_EQ(q.GetComputedValue(1, nullptr, nullptr, 0, 0), 4);

  none.SetPosition(0);
  EXPECT_TRUE(q.ReadFromStream(none));
  EXPECT_EQ(q.Count(), 0);
}

TEST(FormulaParser, ShortOrHostileStreamsReadAsFalse) {
  auto read = [](const std::vector<uint8_t>& bytes) {
    TMemoryStream s;
    if (!bytes.empty()) s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    s.SetPosition(0);
    TParseFormulaHandler p;
    const bool ok = p.ReadFromStream(s);
    EXPECT_EQ(p.Count(), 0);
    return ok;
  };
  EXPECT_FALSE(read({}));
  EXPECT_FALSE(read({1, 0}));
  EXPECT_FALSE(read({0xFF, 0xFF, 0xFF, 0x7F, 1, 'x'}));  // a huge count over two bytes
  EXPECT_FALSE(read({0xFF, 0xFF, 0xFF, 0xFF}));          // negative
  EXPECT_FALSE(read({1, 0, 0, 0, 5, '1', '2'}));         // a string running past the end
}
