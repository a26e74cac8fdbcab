// Formula columns of a list: a typed formula over other columns (such as "Freq." / "Texts") is translated
// into a compact 8-bit token string, built into a tree and evaluated per row. Operators bind strictly left to
// right; only brackets group. Numbers in a tree are value nodes of a class the host supplies, so the host
// decides what a number means in a row (a column's value, usually).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

class TGridHeaderList;

LX_DECLARE_EXCEPTION(EParseError, Exception)

LX_DECLARE_RESOURCESTRING(_LXXWontWork)
LX_DECLARE_RESOURCESTRING(_LXMissingBracket)
LX_DECLARE_RESOURCESTRING(_LXInvalidCharacter)
LX_DECLARE_RESOURCESTRING(_LXInvalidNumber)
LX_DECLARE_RESOURCESTRING(_LXOperatorExpected)
LX_DECLARE_RESOURCESTRING(_LXNumberExpected)
LX_DECLARE_RESOURCESTRING(_LXBadExpression)
LX_DECLARE_RESOURCESTRING(_LXQuotesForColumnNamesOnly)
LX_DECLARE_RESOURCESTRING(_LXNoSuchColumn)
LX_DECLARE_RESOURCESTRING(_LXFormulaTooLong)
LX_DECLARE_RESOURCESTRING(_LXMathsError)

// Error codes of ReportError. The last two are ours: a quoted column that no heading has, and a formula
// too long for the 255-byte stored form.
enum TParseErrorCode : int32_t {
  pe_missing_bracket = 1,
  pe_invalid_character,
  pe_invalid_number,
  pe_operator_expected,
  pe_number_expected,
  pe_bad_expression,
  pe_quotes_for_columns,
  pe_no_such_column,
  pe_too_long
};

enum binOpType : uint8_t { bErr, bAdd, bSub, bMul, bDiv, bUnary };
enum UnOpType : uint8_t { uErr, uNeg, uExp, uSqrt, uSqr, uSin, uCos, uLog, uRel, uRelC, uAbs };

struct TMathsFunctionName {
  const char16_t* name;
  char16_t code;
};
// Taken in this order, so the longer of two names sharing a start goes first.
inline constexpr std::array<TMathsFunctionName, 10> maths_functions{{{u"(pi)", u'\x13'},
                                                                     {u"RelC", u'\x14'},
                                                                     {u"Sqrt", u'\x15'},
                                                                     {u"Exp", u'\x16'},
                                                                     {u"Sin", u'\x17'},
                                                                     {u"Cos", u'\x18'},
                                                                     {u"Log", u'\x19'},
                                                                     {u"Sqr", u'\x1A'},
                                                                     {u"Rel", u'\x1B'},
                                                                     {u"Abs", u'\x1C'}}};

// Set when the list's computed columns change, so the handler is matched to them again.
extern bool Global_Update_Parser;

// A node marked free belongs to someone else and is not freed by its parent.
class TNode : public TObject {
 public:
  virtual extended GetValueElsewhere(TObject* /*from*/, bool /*cumulative*/) { return 1; }
  virtual extended ValueOf() { return 1; }
  bool IsFree() const { return PFree1 || PFree2; }

  bool PFree1 = false;
  bool PFree2 = false;
};

// A number of the formula. Hosts derive from it to look values up in the row being computed; From and
// RowValue are what the caller of GetComputedValue passed.
class TValuNode : public TNode {
 public:
  extended ValueOf() override { return Value; }

  int32_t IntValue = 0;  // Value rounded
  int32_t Column = 0;    // after ";" in the number, else the call's default column
  extended Value = 0;
  TObject* From = nullptr;
  extended RowValue = 0;
};

// Makes a value node of the host's class.
using TValue_Ref = std::function<TValuNode*()>;
template <typename T>
TValue_Ref ValueNodeClassOf() {
  return []() -> TValuNode* { return new T; };
}

// Owns its branch unless the branch is free.
class TUnOpNode : public TNode {
 public:
  TUnOpNode(UnOpType op, TNode* branch, TObject* from) : Unop(op), Branch(branch), From(from) {}
  ~TUnOpNode() override;
  TUnOpNode(const TUnOpNode&) = delete;
  TUnOpNode& operator=(const TUnOpNode&) = delete;
  extended ValueOf() override;

  UnOpType Unop;
  TNode* Branch;
  TObject* From;
};

// Owns both branches unless they are free.
class TBinOpNode : public TNode {
 public:
  TBinOpNode(binOpType op, TNode* left, TNode* right) : Binop(op), Left(left), Right(right) {}
  ~TBinOpNode() override;
  TBinOpNode(const TBinOpNode&) = delete;
  TBinOpNode& operator=(const TBinOpNode&) = delete;
  extended ValueOf() override;

  binOpType Binop;
  TNode* Left;
  TNode* Right;
};

class TParseFormulaHandler;

// One translated formula ready to be built and evaluated; root lives only during an evaluation.
class TSubParse : public TObject {
 public:
  TSubParse(TParseFormulaHandler* boss, const AnsiString& formula) : Boss(boss), Formula(formula) {}
  // Builds the tree (root), or leaves root empty for an empty formula; syntax errors go to the boss.
  void BuildTree(TObject* from, extended rowValue, int32_t defaultColumn);

  TParseFormulaHandler* Boss;
  AnsiString Formula;
  std::unique_ptr<TNode> root;
  TValue_Ref TVRef;

 private:
  std::unique_ptr<TNode> Parse(std::size_t& pos, std::size_t end);
  std::unique_ptr<TNode> Number(std::size_t& pos, std::size_t end);
  TObject* fFrom = nullptr;
  extended fRowValue = 0;
  int32_t fDefaultColumn = 0;
};

// A list's formula columns: the formulas as typed and as translated, index for index.
class TParseFormulaHandler : public TObject {
 public:
  TParseFormulaHandler();
  ~TParseFormulaHandler() override;

  bool HasError() const { return fError; }
  bool AllTranslated() const { return fAllTranslated; }
  int32_t Count() const { return static_cast<int32_t>(fTyped.size()); }
  const UnicodeString& TypedFormula(int32_t index) const {
    return fTyped.at(static_cast<std::size_t>(index));
  }
  const UnicodeString& TranslatedFormula(int32_t index) const {
    return fTranslated.at(static_cast<std::size_t>(index));
  }

  void Translate_A_String(const TGridHeaderList& headings, const UnicodeString& formula);
  void TranslateColumnReferences(const TGridHeaderList& headings, UnicodeString& formula);
  // 1 when the handler is in error or the formula is empty.
  extended GetComputedValue(int32_t formulaIndex, TObject* from, const TValue_Ref& valueClass,
                            extended rowValue, int32_t defaultColumn);
  void MatchTo(const std::vector<TGrid_head32>& headings);
  [[noreturn]] void ReportError(int32_t code, const UnicodeString& detail = {});

  // Writes the count always (0 when the lists are empty or out of step) and answers whether formulas went.
  bool SaveToStream(TStream& stream);
  // False on a short or corrupt stream, leaving no formulas.
  bool ReadFromStream(TStream& stream);

  TValue_Ref ValueNodeClass;

 private:
  void ClearSubParses();
  std::vector<std::unique_ptr<TSubParse>> fSubParses;
  std::vector<UnicodeString> fTyped;
  std::vector<UnicodeString> fTranslated;
  UnicodeString fCurrent;  // the typed formula that error messages name
  bool fError = false;
  bool fAllTranslated = false;
};

}  // namespace lx
