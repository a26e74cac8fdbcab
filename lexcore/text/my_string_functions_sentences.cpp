// Cutting paragraphs into sentences.
#include <unicode/uchar.h>

#include <vector>

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "lexcore/text/my_string_functions.h"
#include "lexcore/text/sentence_terminators.h"

namespace lx {

namespace {

bool IsLetterOrDecimal(WideChar c) {
  return u_isalpha(c) || u_isdigit(c);
}

int32_t Length(std::u16string_view s) {
  return static_cast<int32_t>(s.size());
}

void AddTrimmed(TStringList& list, std::u16string_view piece) {
  UnicodeString t = Trim(piece);
  if (!t.empty()) list.Add(t);
}

}  // namespace

int32_t EndOfSentence(int32_t from, std::u16string_view text) {
  const int32_t n = Length(text);
  bool seen = false;
  for (int32_t p = std::max<int32_t>(from, 1); p <= n; ++p) {
    const WideChar c = text[p - 1];
    if (!seen) {
      seen = IsLetterOrDecimal(c);
      if (!seen) continue;
    }
    if (p == n) return p;
    if (IsPotentialSentenceTerminator(c) && p > 1 && !IsLetterOrDecimal(text[p])) return p;
  }
  return -1;
}

int32_t FirstLetterOrDigitPosAfterSentenceEnd(std::u16string_view text, int32_t pos) {
  const int32_t n = Length(text);
  for (int32_t p = std::max<int32_t>(pos, 1); p <= n; ++p)
    if (IsLetterOrDecimal(text[p - 1])) return p;
  return n;
}

bool FirstCharAfterSentenceEndUpperCase(std::u16string_view text, int32_t pos) {
  return !(pos >= 1 && pos < Length(text) && u_islower(text[pos - 1]));
}

int32_t FirstValidStartOfSentence(std::u16string_view text, int32_t pos) {
  const int32_t n = Length(text);
  auto next = [&](int32_t from) {
    const int32_t p = FirstLetterOrDigitPosAfterSentenceEnd(text, from);
    return p >= 1 && p <= n && IsLetterOrDecimal(text[p - 1]) ? p : -1;
  };
  int32_t p = next(pos);
  while (p > 0 && u_islower(text[p - 1])) {
    const int32_t end = EndOfSentence(p + 1, text);
    if (end < 0) return -1;
    p = next(end + 1);
  }
  return p;
}

std::unique_ptr<TStringList> SentencesExtractedFromParagraph(bool includeLast, int32_t minLetters,
                                                             std::u16string_view paragraph) {
  auto list = std::make_unique<TStringList>();
  const int32_t n = Length(paragraph);
  int32_t start = 0;  // 1-based; 0 while no start is pending
  int32_t count = 0;
  auto add = [&](int32_t p) {
    UnicodeString t =
        Trim(paragraph.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(p - start + 1)));
    if (Length(t) > minLetters) list->Add(t);
    count = 0;
    start = 0;
  };
  for (int32_t p = 1; p <= n; ++p) {
    const WideChar c = paragraph[p - 1];
    if (p == n && includeLast) {
      if (start > 0) add(p);
      break;
    }
    switch (u_charType(c)) {
      case U_LOWERCASE_LETTER:
      case U_MODIFIER_LETTER:
      case U_NON_SPACING_MARK:
      case U_COMBINING_SPACING_MARK:
      case U_ENCLOSING_MARK:
        ++count;
        break;
      case U_UPPERCASE_LETTER:
      case U_TITLECASE_LETTER:
      case U_OTHER_LETTER:
      case U_DECIMAL_DIGIT_NUMBER:
      case U_LETTER_NUMBER:
      case U_OTHER_NUMBER:
        if (start == 0) start = p;
        ++count;
        break;
      case U_OTHER_PUNCTUATION:
        if (count >= minLetters && start > 0 && IsPotentialSentenceTerminator(c) &&
            (p == n || !u_isdigit(paragraph[p])))
          add(p);
        break;
      default:
        break;
    }
  }
  return list;
}

std::unique_ptr<TStringList> SentencesFromParagraph(std::u16string_view paragraph,
                                                    std::u16string_view separator, LCID lcid,
                                                    int32_t maxTagLength) {
  auto list = std::make_unique<TStringList>();
  const std::size_t n = paragraph.size();
  if (n == 0) return list;
  if (!separator.empty()) {
    std::size_t from = 0;
    for (std::size_t at; (at = paragraph.find(separator, from)) != std::u16string_view::npos;
         from = at + separator.size())
      AddTrimmed(*list, paragraph.substr(from, at - from));
    if (n - from >= 2) AddTrimmed(*list, paragraph.substr(from));
    return list;
  }
  std::vector<uint16_t> classes(n + 1);
  if (!GetStringTypeExNT2000(true, lcid, CT_CTYPE1, classes.data(), static_cast<int>(n), paragraph.data()))
    return list;
  classes[n] = C1_ALPHA | C1_DEFINED;
  if (paragraph.find(u'<') != std::u16string_view::npos) {
    // Mark-up reads as hidden punctuation: nothing inside a tag ends a sentence, and a tag after a terminator
    // stays with its sentence. An overlong "tag" keeps its classes, being most likely a lone "<" in the text.
    const std::size_t limit = static_cast<std::size_t>(std::max<int32_t>(maxTagLength, 0));
    std::vector<uint16_t> saved;
    for (std::size_t i = paragraph.find(u'<'); i < n;) {
      saved.clear();
      std::size_t j = i;
      for (; j < n && paragraph[j] != u'>' && saved.size() <= limit; ++j) {
        saved.push_back(classes[j]);
        classes[j] = C1_PUNCT | CharClassHidden;
      }
      if (saved.size() > limit)
        std::copy(saved.begin(), saved.end(), classes.begin() + static_cast<std::ptrdiff_t>(i));
      const std::size_t next = paragraph.find(u'<', j);
      i = next == std::u16string_view::npos ? n : next;
    }
  }
  std::vector<TSentenceEnd> ends;
  FindSentenceEnds(paragraph.data(), classes.data(), n, ends);
  std::size_t start = 0;
  for (const TSentenceEnd& e : ends) {
    AddTrimmed(*list, paragraph.substr(start, e.end - start));
    start = e.end;
  }
  if (n - start >= 2) AddTrimmed(*list, paragraph.substr(start));
  return list;
}

}  // namespace lx
