#include "lexcore/search/search_parsing.h"

#include <unicode/utf16.h>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/user_input_wildcard_parsing.h"

namespace lx {

namespace {

UnicodeString TrimSpaces(std::u16string_view s) {
  const auto b = s.find_first_not_of(u' ');
  if (b == std::u16string_view::npos) return {};
  return UnicodeString(s.substr(b, s.find_last_not_of(u' ') - b + 1));
}

bool HoldsWildcardCode(std::u16string_view s) {
  for (char16_t c : s)
    if (c >= sw_any_word_code && c <= sw_tag_tilde_code) return true;
  return false;
}

// Every lone " * " gets its middle unit coded. Neighbouring symbols share their spaces, so "a * * b" codes
// both.
void TranslateLoneAsterisks(UnicodeString& text) {
  const UnicodeString& symbol = any_word_symbol_char;
  if (symbol.size() < 3) {
    Parse_Translate(text, symbol, sw_any_word_code);
    return;
  }
  const std::size_t middle = symbol.size() / 2;
  for (std::size_t p = 0; (p = text.find(symbol, p)) != UnicodeString::npos;) {
    text[p + middle] = sw_any_word_code;
    p += symbol.size() - 1;  // the trailing space may start the next symbol
  }
}

// A star standing alone at the start or the end of a phrase ("the *", "* of") is any one word. The markers
// would otherwise take it for an open word edge and leave "the" to find "they".
void TranslateEdgeAsterisks(UnicodeString& text) {
  if (text.size() >= 3 && text[0] == u'*' && text[1] == u' ') text[0] = sw_any_word_code;
  const std::size_t n = text.size();
  if (n >= 3 && text[n - 1] == u'*' && text[n - 2] == u' ') text[n - 1] = sw_any_word_code;
}

// The protected literals borrow private-use codes while the word is parsed. A block that neither the typed
// text nor its character references use is taken, so private-use characters a user typed stay as typed.
WideChar FreeProtectedBase(std::u16string_view text) {
  const UnicodeString referenced = LXFormattedReadableStringToWorkString(text);
  auto used = [&](WideChar base) {
    for (std::u16string_view s : {text, std::u16string_view(referenced)})
      for (char16_t c : s)
        if (c >= base && c < base + sw_protected_count) return true;
    return false;
  };
  constexpr char16_t kLastPrivateUse = 0xF8FF;
  for (char32_t base = sw_protected_base; base + sw_protected_count - 1 <= kLastPrivateUse;
       base += sw_protected_count)
    if (!used(static_cast<WideChar>(base))) return static_cast<WideChar>(base);
  return sw_protected_base;  // a text that uses every block: the first one, as before
}

void TranslateLineSymbol(UnicodeString& text) {
  const UnicodeString& symbol = crlf_symbol_string;
  if (symbol.empty() || text.find(symbol) == UnicodeString::npos) return;
  if (EndsStr(symbol, text))
    text.replace(text.size() - symbol.size(), symbol.size(), u"#x13;");
  else if (StartsStr(symbol, text))
    text.replace(0, symbol.size(), u"#x10;");
}

}  // namespace

void FillSearchWordCopies(TSearch_word_format_rec& rec) {
  rec.copies[0] = rec.search_text;
  rec.copies[1] = InvariantUpperCase(rec.search_text);
  rec.copies[2] = InvariantLowerCase(rec.search_text);
  const UnicodeString& upper = rec.copies[1];
  if (upper.empty()) {
    rec.copies[3].clear();
    return;
  }
  // The first character may be a surrogate pair.
  const std::size_t first = upper.size() > 1 && U16_IS_LEAD(upper[0]) && U16_IS_TRAIL(upper[1]) ? 2 : 1;
  rec.copies[3] = upper.substr(0, first) + rec.copies[2].substr(first);
}

bool ContainsPairedTagMarkup(const TTagDelimiters& tagDelimiters, UnicodeString& text) {
  bool any = false;
  for (std::size_t pair = 0; pair < 6; ++pair) {
    const WideChar open = tagDelimiters[pair];
    const WideChar close = tagDelimiters[pair + 6];
    // A lone opening delimiter must not put the rest of the pattern into tag mode.
    if (open == 0 || close == 0 || text.find(open) == UnicodeString::npos ||
        text.find(close) == UnicodeString::npos)
      continue;
    for (auto& c : text) {
      if (c == open)
        c = sw_tag_open_code;
      else if (c == close)
        c = sw_tag_close_code;
    }
    any = true;
  }
  return any;
}

void Parse_SWChunk(const TTagDelimiters& tagDelimiters, bool& containsTag, UnicodeString& text,
                   TMySearchFlags& flags) {
  TranslateEdgeAsterisks(text);
  flags = FlagsFromSW(text);
  const WideChar base = FreeProtectedBase(text);
  Parse_Retain(text, base);
  TranslateLoneAsterisks(text);
  DoMainParse_Translates(text);
  TranslateLineSymbol(text);
  containsTag = ContainsPairedTagMarkup(tagDelimiters, text);
  text = LXFormattedReadableStringToWorkString(text);
  Parse_Restore(text, base);
}

TSearch_word_format_rec Parsed_SearchWord(const TTagDelimiters& tagDelimiters, const UnicodeString& typed) {
  TSearch_word_format_rec rec;
  rec.typed_in_text = typed;
  UnicodeString text = typed;
  const std::size_t p = text.find(sw_context_marker);
  if (p != UnicodeString::npos) {
    rec.has_file_based_context_word = true;
    rec.sw_context_needed = text.substr(p + sw_context_marker.size());
    text.resize(p);
  }
  Parse_SWChunk(tagDelimiters, rec.contains_a_tag, text, rec.flags);
  rec.search_text = TrimSpaces(text);
  rec.ambiguous = rec.typed_in_text != rec.search_text || HoldsWildcardCode(rec.search_text);
  FillSearchWordCopies(rec);
  return rec;
}

TSearch_word_format_rec UnParsed_SearchWord(const UnicodeString& typed) {
  TSearch_word_format_rec rec;
  rec.typed_in_text = typed;
  UnicodeString text = typed;
  rec.flags = FlagsFromSW(text);
  rec.search_text = text;
  rec.ambiguous = rec.typed_in_text != rec.search_text;
  FillSearchWordCopies(rec);
  return rec;
}

std::unique_ptr<TStringList> SplitSWList(const UnicodeString& typed, bool split) {
  auto list = std::make_unique<TStringList>();
  if (!split) {
    list->Add(typed);
    return list;
  }
  // Each alternative is cut where it ends, so a long list of alternatives is split in one pass.
  const std::u16string_view text(typed);
  const std::size_t n = text.size();
  std::size_t start = 0;
  for (std::size_t i = 1; i < n;) {
    const bool cut = text[i] == u'/' && text[i - 1] != u'"' && i + 1 < n && text[i + 1] != u'"' &&
                     // the line-end symbol closing the word is not a separator
                     !(i + crlf_symbol_string.size() == n && StartsStr(crlf_symbol_string, text.substr(i)));
    if (cut) {
      list->Add(UnicodeString(text.substr(start, i - start)));
      start = i + 1;
      i = start + 1;
    } else {
      ++i;
    }
  }
  if (start < n) list->Add(UnicodeString(text.substr(start)));
  return list;
}

UnicodeString TagWildcardConverted(std::u16string_view text) {
  UnicodeString out(text);
  for (const TTagWildcard& w : tag_wildcards_converters) {
    const char16_t quoted[] = {u'"', w.symbol, u'"'};
    const std::size_t q = out.find(std::u16string_view(quoted, 3));
    if (q != UnicodeString::npos) {
      out.replace(q, 3, 1, w.symbol);
    } else {
      const std::size_t p = out.find(w.symbol);
      if (p != UnicodeString::npos) out[p] = w.code;
    }
  }
  return out;
}

}  // namespace lx
