// Mark-up routines of my_string_functions: tags found, counted, stripped of text, read for values and checked
// for being closed.
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <unordered_map>

#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/my_string_functions.h"

namespace lx {

namespace {

constexpr std::size_t npos = std::u16string_view::npos;

bool HoldsLowerCase(std::u16string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    UChar32 c;
    U16_NEXT(s.data(), i, s.size(), c);
    if (u_islower(c)) return true;
  }
  return false;
}

}  // namespace

bool IsAnOffTag(std::u16string_view tag) {
  return tag.size() >= 2 && tag[0] == u'<' && tag[1] == u'/';
}

UnicodeString SameTagButSwitchedOff(std::u16string_view tag) {
  if (tag.empty()) return {};
  if (tag[0] != u'<') return u"/" + UnicodeString(tag);
  UnicodeString s(u"</");
  s.append(tag.substr(1));
  return s;
}

UnicodeString TagOnNumbered(std::u16string_view tag, int32_t n) {
  if (tag.empty() || tag.back() != u'>') return UnicodeString(tag);
  UnicodeString s(tag.substr(0, tag.size() - 1));
  s += u" \"";
  s += IntToStr(n);
  s += u"\">";
  return s;
}

bool IsAngleBracketed(std::u16string_view s) {
  return !s.empty() && s.front() == u'<' && s.back() == u'>';
}

UnicodeString Angle_Bracketed(std::u16string_view s) {
  return BracketedWith(s, u'<', u'>');
}

UnicodeString UNAngle_Bracketed(std::u16string_view s) {
  return UNBracketedWith(s, u'<', u'>');
}

bool AngleBracketedSubstringInString(std::u16string_view s) {
  const std::size_t open = s.find(u'<');
  return open != npos && s.find(u'>', open + 1) != npos;
}

UnicodeString MarkupWithoutText(std::u16string_view text) {
  return MarkupWithoutText(text, u'<', u'>');
}

UnicodeString MarkupWithoutText(std::u16string_view text, WideChar openChar, WideChar closeChar) {
  UnicodeString out;
  std::size_t from = 0, close = 0;
  for (;;) {
    const std::size_t open = text.find(openChar, from);
    if (open == npos) break;
    // Openings that share a closing delimiter do not look for it again, so "<<<<...>" stays linear.
    if (close <= open) close = text.find(closeChar, open + 1);
    if (close == npos) break;
    out.append(text.substr(open, close - open + 1));
    from = open + 1;
  }
  return out;
}

UnicodeString SimpleTagValue(std::u16string_view tagName, std::u16string_view text, bool& found) {
  found = false;
  const UnicodeString open = u"<" + UnicodeString(tagName) + u">";
  const UnicodeString close = u"</" + UnicodeString(tagName) + u">";
  const std::size_t start = text.find(open);
  if (start == npos) return {};
  const std::size_t valueStart = start + open.size();
  const std::size_t end = text.find(close, valueStart);
  if (end == npos) return {};
  found = true;
  return UnicodeString(text.substr(valueStart, end - valueStart));
}

UnicodeString TrimmedSimpleTagValue(std::u16string_view tagName, std::u16string_view text, bool& found) {
  return Trim(SimpleTagValue(tagName, text, found));
}

UnicodeString ExtractMarkupDataFromText(std::u16string_view text, std::u16string_view startMarker,
                                        std::u16string_view endMarker) {
  if (startMarker.empty() || endMarker.empty()) return {};
  const std::size_t start = text.find(startMarker);
  if (start == npos) return {};
  const std::size_t from = start + startMarker.size();
  const std::size_t end = text.find(endMarker, from);
  if (end == npos) return {};
  return UnicodeString(text.substr(from, end - from));
}

int32_t NumberOfTagsWithinChunk(std::u16string_view text, int32_t limit) {
  int32_t count = 0;
  std::size_t from = 0;
  while (count <= limit) {
    const std::size_t open = text.find(u'<', from);
    if (open == npos) break;
    const std::size_t close = text.find(u'>', open + 1);
    if (close == npos) break;
    ++count;
    from = close + 1;
  }
  return count;
}

namespace {

template <class Ask>
int32_t StudySpans(std::u16string_view text, std::u16string_view open, std::u16string_view close, Ask ask) {
  if (open.empty() || close.empty()) return 0;
  TStringAndIntegerRec rec;
  std::size_t from = 0;
  for (;;) {
    const std::size_t start = text.find(open, from);
    if (start == npos) break;
    const std::size_t end = text.find(close, start + open.size());
    if (end == npos) break;  // no later opening can have a closing string after it either
    const std::size_t after = end + close.size();
    rec.s = UnicodeString(text.substr(start, after - start));
    ++rec.i;
    if (ask(rec)) break;
    from = after;
  }
  return rec.i;
}

}  // namespace

int32_t FindAndStudyStringInText(std::u16string_view text, std::u16string_view open,
                                 std::u16string_view close, TStudyStringFunction predicate,
                                 const UnicodeString& parameter) {
  return StudySpans(text, open, close,
                    [&](const TStringAndIntegerRec& rec) { return predicate && predicate(rec, parameter); });
}

int32_t FindAndStudyStringInText(std::u16string_view text, std::u16string_view open,
                                 std::u16string_view close, const TStudyStringMethod& method) {
  return StudySpans(text, open, close,
                    [&](const TStringAndIntegerRec& rec) { return method && method(rec); });
}

UnicodeString OpenWithoutCloseTagInText(std::u16string_view text, int32_t contextLength, bool upperCaseOnly,
                                        bool skipPercentTags, const TUnclosedTagCallback& callback) {
  // A page repeats the same few tags: each switched-off form is looked for in the text once.
  std::unordered_map<UnicodeString, bool> closed;
  std::size_t from = 0;
  for (;;) {
    const std::size_t open = text.find(u'<', from);
    if (open == npos) break;
    const std::size_t close = text.find(u'>', open + 1);
    if (close == npos) break;
    from = close + 1;
    const std::u16string_view tag = text.substr(open, close - open + 1);
    if (IsAnOffTag(tag)) continue;
    const std::u16string_view content = tag.substr(1, tag.size() - 2);
    if (upperCaseOnly && HoldsLowerCase(content)) continue;
    if (skipPercentTags && ContainsAPercent(tag)) continue;
    const UnicodeString off = SameTagButSwitchedOff(tag);
    auto [it, fresh] = closed.try_emplace(off, false);
    if (fresh) it->second = text.find(off) != npos;
    if (it->second) continue;
    if (!callback) return UnicodeString(tag);
    T2StringsAndIntegerRec report;
    report.s1 = UnicodeString(tag);
    report.i = static_cast<int32_t>(open + 1);
    report.s2 = PrecedingContext(text, contextLength, report.i);
    if (callback(report)) return report.s1;
  }
  return {};
}

UnicodeString PrecedingContext(std::u16string_view text, int32_t n, int32_t pos) {
  if (n <= 0 || pos <= 1) return {};
  const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(pos - 1), text.size());
  const std::size_t start = end > static_cast<std::size_t>(n) ? end - static_cast<std::size_t>(n) : 0;
  return UnicodeString(text.substr(start, end - start));
}

bool ContainsAPercent(std::u16string_view s) {
  return s.find(u'%') != npos;
}

}  // namespace lx
