#include "lexlists/formula/Parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/headings/headingsU.h"

namespace lx {

LX_RESOURCESTRING(_LXXWontWork, u"%s won't work:")
LX_RESOURCESTRING(_LXMissingBracket, u"missing bracket")
LX_RESOURCESTRING(_LXInvalidCharacter, u"invalid character")
LX_RESOURCESTRING(_LXInvalidNumber, u"invalid number")
LX_RESOURCESTRING(_LXOperatorExpected, u"operator expected")
LX_RESOURCESTRING(_LXNumberExpected, u"number expected")
LX_RESOURCESTRING(_LXBadExpression, u"bad expression")
LX_RESOURCESTRING(_LXQuotesForColumnNamesOnly, u"quotes (\") used for Column names only")
LX_RESOURCESTRING(_LXNoSuchColumn, u"no column has this heading")
LX_RESOURCESTRING(_LXFormulaTooLong, u"too long (255 characters at most)")
LX_RESOURCESTRING(_LXMathsError, u"maths error")

bool Global_Update_Parser = false;

namespace {

constexpr std::size_t kMaxStoredFormula = 255;

// The runtime raises on these; here every non-finite result is the same maths error.
extended Checked(extended v) {
  if (!std::isfinite(v)) throw EParseError(_LXMathsError.Text());
  return v;
}

void Replace(UnicodeString& s, std::u16string_view from, std::u16string_view to) {
  for (std::size_t p = s.find(from); p != UnicodeString::npos; p = s.find(from, p + to.size()))
    s.replace(p, from.size(), to);
}

void FreeUnlessFree(TNode* node) {
  if (node && !node->IsFree()) delete node;
}

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == ';';
}

// Digits with at most one point; nothing else, not even a sign.
bool ParseDecimal(std::string_view s, extended& value) {
  if (s.empty() || s == ".") return false;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
  return r.ec == std::errc{} && r.ptr == s.data() + s.size();
}

}  // namespace

// ---- nodes -----------------------------------------------------------------------------------------------

TUnOpNode::~TUnOpNode() {
  FreeUnlessFree(Branch);
}

extended TUnOpNode::ValueOf() {
  switch (Unop) {
    case uNeg:
      return -Branch->ValueOf();
    case uExp:
      return Checked(std::exp(Branch->ValueOf()));
    case uSqrt: {
      const extended v = Branch->ValueOf();
      if (v < 0) throw EParseError(_LXMathsError.Text());
      return std::sqrt(v);
    }
    case uSqr: {
      const extended v = Branch->ValueOf();
      return Checked(v * v);
    }
    case uSin:
      return Checked(std::sin(Branch->ValueOf()));
    case uCos:
      return Checked(std::cos(Branch->ValueOf()));
    case uLog: {
      const extended v = Branch->ValueOf();
      if (v <= 0) throw EParseError(_LXMathsError.Text());
      return std::log(v);
    }
    case uRel:
    case uAbs:
      return Branch->GetValueElsewhere(From, false);
    case uRelC:
      return Branch->GetValueElsewhere(From, true);
    case uErr:
      break;
  }
  return 1;
}

TBinOpNode::~TBinOpNode() {
  FreeUnlessFree(Left);
  FreeUnlessFree(Right);
}

extended TBinOpNode::ValueOf() {
  const extended l = Left->ValueOf();
  const extended r = Right->ValueOf();
  switch (Binop) {
    case bAdd:
      return Checked(l + r);
    case bSub:
      return Checked(l - r);
    case bMul:
      return Checked(l * r);
    case bDiv:
      if (r == 0) throw EParseError(_LXMathsError.Text());
      return Checked(l / r);
    case bErr:
    case bUnary:
      break;
  }
  return 1;
}

// ---- tree building ---------------------------------------------------------------------------------------

void TSubParse::BuildTree(TObject* from, extended rowValue, int32_t defaultColumn) {
  fFrom = from;
  fRowValue = rowValue;
  fDefaultColumn = defaultColumn;
  std::size_t pos = 0;
  root = Parse(pos, Formula.size());
}

std::unique_ptr<TNode> TSubParse::Number(std::size_t& pos, std::size_t end) {
  const std::size_t start = pos;
  while (pos < end && IsNumberChar(Formula[pos])) ++pos;
  const std::string_view text(Formula.data() + start, pos - start);
  const std::size_t semi = text.find(';');
  extended value = 0;
  int32_t column = fDefaultColumn;
  if (!ParseDecimal(text.substr(0, semi), value)) Boss->ReportError(pe_invalid_number);
  if (semi != std::string_view::npos) {
    const std::string_view c = text.substr(semi + 1);
    const auto r = std::from_chars(c.data(), c.data() + c.size(), column);
    if (c.empty() || r.ec != std::errc{} || r.ptr != c.data() + c.size())
      Boss->ReportError(pe_invalid_number);
  }
  std::unique_ptr<TValuNode> node(TVRef ? TVRef() : new TValuNode);
  node->Value = value;
  node->IntValue = static_cast<int32_t>(std::nearbyint(std::clamp<extended>(value, INT32_MIN, INT32_MAX)));
  node->Column = column;
  node->From = fFrom;
  node->RowValue = fRowValue;
  return node;
}

std::unique_ptr<TNode> TSubParse::Parse(std::size_t& pos, std::size_t end) {
  std::unique_ptr<TNode> left;
  binOpType op = bErr;
  UnOpType fn = uErr;

  auto operand = [&](std::unique_ptr<TNode> value) {
    if (fn != uErr) {
      value = std::make_unique<TUnOpNode>(fn, value.release(), fFrom);
      fn = uErr;
    }
    if (!left && op == bErr) {
      left = std::move(value);
    } else if (left && op != bErr) {
      left = std::make_unique<TBinOpNode>(op, left.release(), value.release());
      op = bErr;
    } else {
      Boss->ReportError(pe_operator_expected);
    }
  };

  while (pos < end) {
    const char c = Formula[pos];
    if (IsNumberChar(c)) {
      operand(Number(pos, end));
    } else if (c == '\x13') {
      ++pos;
      auto pi = std::unique_ptr<TValuNode>(TVRef ? TVRef() : new TValuNode);
      pi->Value = 3.14159265358979323846264338327950288L;
      pi->IntValue = 3;
      pi->Column = fDefaultColumn;
      pi->From = fFrom;
      pi->RowValue = fRowValue;
      operand(std::move(pi));
    } else if (c == '(') {
      std::size_t close = pos + 1;
      for (int depth = 1; close < end; ++close) {
        if (Formula[close] == '(') ++depth;
        if (Formula[close] == ')' && --depth == 0) break;
      }
      if (close >= end) Boss->ReportError(pe_missing_bracket);
      std::size_t inner = pos + 1;
      std::unique_ptr<TNode> sub = Parse(inner, close);
      if (!sub) Boss->ReportError(pe_number_expected);
      pos = close + 1;
      operand(std::move(sub));
    } else if (c == '+' || c == '-' || c == '*' || c == '/') {
      ++pos;
      // An operator needs something on its left; a pending function would leave it nothing to combine.
      if (!left || fn != uErr) Boss->ReportError(pe_number_expected);
      if (op != bErr) Boss->ReportError(pe_bad_expression);
      op = c == '+' ? bAdd : c == '-' ? bSub : c == '*' ? bMul : bDiv;
    } else if (c >= '\x14' && c <= '\x1C') {
      ++pos;
      static constexpr UnOpType kCodes[] = {uRelC, uSqrt, uExp, uSin, uCos, uLog, uSqr, uRel, uAbs};
      if (fn != uErr) Boss->ReportError(pe_number_expected);
      fn = kCodes[c - '\x14'];
    } else {
      Boss->ReportError(pe_invalid_character);
    }
  }
  if (op != bErr || fn != uErr) Boss->ReportError(pe_number_expected);
  return left;
}

// ---- the handler -----------------------------------------------------------------------------------------

TParseFormulaHandler::TParseFormulaHandler() : ValueNodeClass(ValueNodeClassOf<TValuNode>()) {}
TParseFormulaHandler::~TParseFormulaHandler() = default;

void TParseFormulaHandler::ClearSubParses() {
  fSubParses.clear();
}

void TParseFormulaHandler::ReportError(int32_t code, const UnicodeString& detail) {
  fError = true;
  UnicodeString msg = Format(_LXXWontWork, {fCurrent}) + u"\r";
  if (!detail.empty()) msg += u" - " + detail + u" - ";
  switch (code) {
    case pe_missing_bracket:
      msg += _LXMissingBracket.Text();
      break;
    case pe_invalid_character:
      msg += _LXInvalidCharacter.Text();
      break;
    case pe_invalid_number:
      msg += _LXInvalidNumber.Text();
      break;
    case pe_operator_expected:
      msg += _LXOperatorExpected.Text();
      break;
    case pe_number_expected:
      msg += _LXNumberExpected.Text();
      break;
    case pe_bad_expression:
      msg += _LXBadExpression.Text();
      break;
    case pe_quotes_for_columns:
      msg += _LXQuotesForColumnNamesOnly.Text();
      break;
    case pe_no_such_column:
      msg += _LXNoSuchColumn.Text();
      break;
    case pe_too_long:
      msg += _LXFormulaTooLong.Text();
      break;
    default:
      break;
  }
  throw EParseError(msg);
}

void TParseFormulaHandler::TranslateColumnReferences(const TGridHeaderList& headings,
                                                     UnicodeString& formula) {
  std::size_t open = formula.find(u'"');
  while (open != UnicodeString::npos) {
    const std::size_t close = formula.find(u'"', open + 1);
    if (close == UnicodeString::npos) ReportError(pe_quotes_for_columns);
    UnicodeString name = formula.substr(open + 1, close - open - 1);
    UnicodeString replacement;
    if (name.find(u'#') != UnicodeString::npos) {
      std::erase(name, u'#');
      replacement = name;
    } else {
      bool found = false;
      for (int32_t i = 0; i < headings.Count() && !found; ++i) {
        const TGrid_head32 head = headings.GetDatum(i);
        if (head.heading == name) {
          replacement = IntToStr(head.original_column);
          found = true;
        }
      }
      // Dropping an unknown column would compute a different formula without a word.
      if (!found) ReportError(pe_no_such_column, name);
    }
    formula.replace(open, close - open + 1, replacement);
    open = formula.find(u'"', open + replacement.size());
  }
}

void TParseFormulaHandler::Translate_A_String(const TGridHeaderList& headings, const UnicodeString& formula) {
  fCurrent = formula;
  const std::size_t before = fTranslated.size();
  UnicodeString s = formula;
  TranslateColumnReferences(headings, s);
  std::erase(s, u' ');
  Replace(s, u"\u00D7", u"*");
  Replace(s, u"\u00F7", u"/");
  Replace(s, u"\u00B7", u".");
  Replace(s, u"[", u"(");
  Replace(s, u"]", u")");
  for (const auto& f : maths_functions) Replace(s, f.name, std::u16string_view(&f.code, 1));
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'-') continue;
    const char16_t prev = i == 0 ? u'(' : s[i - 1];
    if (prev == u'(' || prev == u'*' || prev == u'+' || prev == u'-' || prev == u'/') s.insert(i++, 1, u'0');
  }
  // Both forms are stored as short strings; a longer one cannot be saved whole.
  if (s.size() > kMaxStoredFormula || UnicodeToCodePage(GetACP(), formula).size() > kMaxStoredFormula)
    ReportError(pe_too_long);
  fTyped.push_back(formula);
  fTranslated.push_back(s);
  ClearSubParses();
  fAllTranslated = fTranslated.size() > before && fTranslated.size() == fTyped.size();
}

extended TParseFormulaHandler::GetComputedValue(int32_t formulaIndex, TObject* from,
                                                const TValue_Ref& valueClass, extended rowValue,
                                                int32_t defaultColumn) {
  if (formulaIndex < 0 || formulaIndex >= static_cast<int32_t>(fTranslated.size())) return 1;
  while (static_cast<int32_t>(fSubParses.size()) <= formulaIndex) {
    const std::size_t i = fSubParses.size();
    fSubParses.push_back(std::make_unique<TSubParse>(this, UnicodeToCodePage(GetACP(), fTranslated[i])));
  }
  TSubParse& sub = *fSubParses[static_cast<std::size_t>(formulaIndex)];
  sub.TVRef = valueClass ? valueClass : ValueNodeClass;
  if (fError) return 1;
  fCurrent = fTyped[static_cast<std::size_t>(formulaIndex)];
  sub.BuildTree(from, rowValue, defaultColumn);
  if (!sub.root) return 1;
  std::unique_ptr<TNode> root = std::move(sub.root);
  return root->ValueOf();
}

void TParseFormulaHandler::MatchTo(const std::vector<TGrid_head32>& headings) {
  for (const TGrid_head32& head : headings) {
    if (!head.extra_computed) continue;
    for (std::size_t i = 0; i < fTyped.size();) {
      if (fTyped[i] == head.heading) {
        fTyped.erase(fTyped.begin() + static_cast<std::ptrdiff_t>(i));
        if (i < fTranslated.size()) fTranslated.erase(fTranslated.begin() + static_cast<std::ptrdiff_t>(i));
      } else {
        ++i;
      }
    }
  }
  ClearSubParses();
  Global_Update_Parser = false;
}

namespace {

void WriteShortString(TStream& s, const AnsiString& text) {
  if (text.size() > kMaxStoredFormula) throw EWriteError("formula too long for its stored form");
  const auto n = static_cast<uint8_t>(text.size());
  s.WriteBuffer(&n, 1);
  if (n) s.WriteBuffer(text.data(), n);
}

bool ReadShortString(TStream& s, AnsiString& text) {
  uint8_t n = 0;
  if (s.Read(&n, 1) != 1) return false;
  text.assign(n, '\0');
  return n == 0 || s.Read(text.data(), n) == n;
}

}  // namespace

bool TParseFormulaHandler::SaveToStream(TStream& stream) {
  try {
    const bool any = !fTyped.empty() && fTyped.size() == fTranslated.size();
    if (!any) {
      WriteLE<int32_t>(stream, 0);
      return false;
    }
    const uint32_t cp = GetACP();
    std::vector<AnsiString> translated, typed;
    for (const auto& f : fTranslated) translated.push_back(UnicodeToCodePage(cp, f));
    for (const auto& f : fTyped) typed.push_back(UnicodeToCodePage(cp, f));
    WriteLE<int32_t>(stream, static_cast<int32_t>(fTyped.size()));
    for (const auto& f : translated) WriteShortString(stream, f);
    for (const auto& f : typed) WriteShortString(stream, f);
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

bool TParseFormulaHandler::ReadFromStream(TStream& stream) {
  fTyped.clear();
  fTranslated.clear();
  ClearSubParses();
  fError = false;
  fAllTranslated = false;
  int32_t count = 0;
  if (!ReadLE(stream, count) || count < 0) return false;
  // Every formula takes at least its two length bytes.
  if (static_cast<int64_t>(count) * 2 > stream.Remaining()) return false;
  const uint32_t cp = GetACP();
  std::vector<UnicodeString> translated, typed;
  AnsiString text;
  for (int32_t i = 0; i < 2 * count; ++i) {
    if (!ReadShortString(stream, text)) return false;
    (i < count ? translated : typed).push_back(CodePageToUnicode(cp, text));
  }
  fTranslated = std::move(translated);
  fTyped = std::move(typed);
  fAllTranslated = count > 0;
  return true;
}

}  // namespace lx
