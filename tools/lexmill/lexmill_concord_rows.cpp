#include "tools/lexmill/lexmill_concord_rows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <charconv>
#include <cstring>

#include "tools/lexmill/lexmill_one_line.h"

namespace lx {

char* TRowBytes::Room(std::size_t more) {
  if (capacity - size < more) {
    const std::size_t grown = std::max(size + more, capacity + capacity / 2 + 4096);
    std::unique_ptr<char[], TRowRoomRelease> bigger(THugePageAllocator<char>().allocate(grown),
                                                    TRowRoomRelease{grown});  // not cleared
    if (size) std::memcpy(bigger.get(), data.get(), size);
    data = std::move(bigger);
    capacity = grown;
  }
  return data.get() + size;
}

namespace {

// A context kept on one line (control characters and line and paragraph separators become spaces, a lone
// surrogate U+FFFD), as UTF-8 escaped for the format; returns the end of what was written.
template <TLexmillFormat F>
char* PutContext(char* o, const WideChar* p, std::size_t n) {
  if (F == TLexmillFormat::json) *o++ = '"';
  char* const start = o;
  bool quote = false;  // CSV: a comma or a quote makes the field quoted
  // The ASCII characters the format escapes (CSV: that make it quote the field).
  constexpr WideChar kEscaped1 = F == TLexmillFormat::csv ? u',' : u'\\';
  constexpr WideChar kEscaped2 = F == TLexmillFormat::tsv ? u'\\' : u'"';
  std::size_t i = 0;
  while (i < n) {
    std::size_t blockEnd = n;
#if defined(__SSE2__)
    // Eight printable ASCII characters that need no escape are stored as they are, after the control
    // characters among them have become spaces, as below.
    if (i + 8 <= n) {
      __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
      const __m128i control = _mm_cmpeq_epi16(_mm_subs_epu16(v, _mm_set1_epi16(0x1F)), _mm_setzero_si128());
      v = _mm_or_si128(_mm_andnot_si128(control, v), _mm_and_si128(control, _mm_set1_epi16(0x20)));
      const __m128i outside = _mm_subs_epu16(_mm_sub_epi16(v, _mm_set1_epi16(0x20)), _mm_set1_epi16(0x5F));
      const __m128i escaped =
          _mm_or_si128(_mm_cmpeq_epi16(v, _mm_set1_epi16(static_cast<int16_t>(kEscaped1))),
                       _mm_cmpeq_epi16(v, _mm_set1_epi16(static_cast<int16_t>(kEscaped2))));
      const bool printable = _mm_movemask_epi8(_mm_cmpeq_epi16(outside, _mm_setzero_si128())) == 0xFFFF;
      const bool anyEscaped = _mm_movemask_epi8(escaped) != 0;
      if (printable && (F == TLexmillFormat::csv || !anyEscaped)) {
        quote |= anyEscaped;
        _mm_storel_epi64(reinterpret_cast<__m128i*>(o), _mm_packus_epi16(v, v));
        o += 8;
        i += 8;
        continue;
      }
      blockEnd = i + 8;
    }
#endif
    while (i < blockEnd && i < n) {
      const WideChar c = p[i];
      if (c < 0x80) {
        ++i;
        if (c < 0x20) {
          *o++ = ' ';
          continue;
        }
        if (c == kEscaped1 || c == kEscaped2) {
          if (F == TLexmillFormat::csv)
            quote = true;
          else
            *o++ = '\\';
        }
        *o++ = static_cast<char>(c);
        continue;
      }
      o = PutOneLineNonASCII(o, p, i, n);
    }
  }
  if (F == TLexmillFormat::csv && quote) {
    // Quoted in place from the back: the field moves right by its two quotes and one byte a quote inside.
    const std::size_t quotes = static_cast<std::size_t>(std::count(start, o, '"'));
    char* from = o;
    o += 2 + quotes;
    char* to = o;
    *--to = '"';
    while (from != start) {
      const char c = *--from;
      *--to = c;
      if (c == '"') *--to = '"';
    }
    *--to = '"';
  }
  if (F == TLexmillFormat::json) *o++ = '"';
  return o;
}

// The separators are a byte or two (a JSON key a dozen): copied in place, they cost no call each.
inline char* PutShort(char* o, const std::string& s) {
  for (const char c : s) *o++ = c;
  return o;
}

template <TLexmillFormat F>
char* PutRow(char* o, const std::string* before, const std::string& rowEnd, const WideChar* text,
             const std::size_t (&at)[4], std::string_view fileCell, const int32_t (&numbers)[3]) {
  for (int c = 0; c < 3; ++c) o = PutContext<F>(PutShort(o, before[c]), text + at[c], at[c + 1] - at[c]);
  std::memcpy(o, fileCell.data(), fileCell.size());  // with the separators around it
  o = std::to_chars(o + fileCell.size(), o + fileCell.size() + 11, numbers[0]).ptr;
  for (int c = 1; c < 3; ++c) {
    o = PutShort(o, before[4 + c]);
    o = std::to_chars(o, o + 11, numbers[c]).ptr;
  }
  return PutShort(o, rowEnd);
}

}  // namespace

const char* const TConcordRows::kColumns[7] = {"left", "hit",      "right",    "file",
                                               "word", "sentence", "paragraph"};

TConcordRows::TConcordRows(TLexmillFormat f) : format(f) {
  const bool json = format == TLexmillFormat::json, csv = format == TLexmillFormat::csv;
  for (std::size_t c = 0; c < 7; ++c) {
    if (json) {
      before[c].push_back(c ? ',' : '{');
      AppendOutputField(format, before[c], kColumns[c]);
      before[c].push_back(':');
    } else if (c) {
      before[c].push_back(csv ? ',' : '\t');
    }
  }
  if (json) rowEnd.push_back('}');
  if (csv) rowEnd.push_back('\r');
  rowEnd.push_back('\n');
  // The numbers take at most eleven characters each, the quotes around a context two.
  fixedSize = rowEnd.size() + 3 * 11 + 3 * 2;
  for (const std::string& b : before) fixedSize += b.size();
}

std::string TConcordRows::FileCell(std::string_view file) const {
  std::string cell = before[3];
  AppendOutputField(format, cell, file);
  cell += before[4];
  return cell;
}

void TConcordRows::Add(TRowBytes& out, const WideChar* text, std::size_t leftAt, std::size_t hitAt,
                       std::size_t rightAt, std::size_t endAt, std::string_view fileCell, int32_t word,
                       int32_t sentence, int32_t paragraph) const {
  // A context takes at most three bytes a unit: a pair gives four for its two units, an escaped ASCII
  // character two.
  char* o = out.Room(fixedSize + fileCell.size() + 3 * (endAt - leftAt));
  const std::size_t at[4] = {leftAt, hitAt, rightAt, endAt};
  const int32_t numbers[3] = {word, sentence, paragraph};
  switch (format) {
    case TLexmillFormat::csv:
      o = PutRow<TLexmillFormat::csv>(o, before, rowEnd, text, at, fileCell, numbers);
      break;
    case TLexmillFormat::json:
      o = PutRow<TLexmillFormat::json>(o, before, rowEnd, text, at, fileCell, numbers);
      break;
    default:
      o = PutRow<TLexmillFormat::tsv>(o, before, rowEnd, text, at, fileCell, numbers);
      break;
  }
  out.SetEnd(o);
}

}  // namespace lx
