#include "tools/lexmill/lexmill_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/uchar.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lx {

bool ParseLexmillFormat(std::string_view name, TLexmillFormat& format) {
  if (name == "table")
    format = TLexmillFormat::table;
  else if (name == "tsv")
    format = TLexmillFormat::tsv;
  else if (name == "csv")
    format = TLexmillFormat::csv;
  else if (name == "json")
    format = TLexmillFormat::json;
  else
    return false;
  return true;
}

namespace {

std::string gOutput;
bool gClosed = false;
constexpr std::size_t kFlushAt = 1 << 16;

[[noreturn]] void RaiseWriteError(int err) {
  throw ELexmillWriteError(std::string("cannot write the output: ") + std::strerror(err));
}

// A pipe holds 64 KB unless told otherwise: a large output would then wake its reader and wait for it
// every 64 KB. It is offered 256 KB, which spares as much time here as 1 MB did; the pipe buffers of all a
// user's pipes count against one quota, and past it the system gives every new pipe of the user one page. A
// refusal changes nothing.
void WidenOutputPipe() {
  static const bool widened = [] {
    struct stat st;
    if (::fstat(1, &st) == 0 && S_ISFIFO(st.st_mode)) ::fcntl(1, F_SETPIPE_SZ, 1 << 18);
    return true;
  }();
  (void)widened;
}

void WriteAll(const char* p, std::size_t n) {
  WidenOutputPipe();
  while (n > 0) {
    const ssize_t w = ::write(1, p, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      RaiseWriteError(errno);
    }
    if (w == 0) RaiseWriteError(EIO);
    p += w;
    n -= static_cast<std::size_t>(w);
  }
}

// Length of the well-formed UTF-8 sequence at p, or 0.
std::size_t SequenceLength(const unsigned char* p, std::size_t left) {
  const unsigned char c = p[0];
  if (c < 0x80) return 1;
  auto cont = [&](std::size_t i) { return i < left && (p[i] & 0xC0) == 0x80; };
  if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (left < 2) return 0;
    // No overlong forms (E0 80..9F) and no surrogates (ED A0..BF).
    if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] > 0x9F)) return 0;
    return cont(1) && cont(2) ? 3 : 0;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (left < 2) return 0;
    if ((c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] > 0x8F)) return 0;
    return cont(1) && cont(2) && cont(3) ? 4 : 0;
  }
  return 0;
}

void AppendTsv(std::string& out, std::string_view s) {
  // Most fields need no escape: they go in whole.
  std::size_t plain = 0;
#if defined(__SSE2__)
  const __m128i tab = _mm_set1_epi8('\t'), lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'),
                backslash = _mm_set1_epi8('\\');
  for (; plain + 16 <= s.size(); plain += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + plain));
    const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, lf)),
                                     _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, backslash)));
    if (const int mask = _mm_movemask_epi8(hit)) {
      plain += static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
      break;
    }
  }
#endif
  while (plain < s.size() && s[plain] != '\t' && s[plain] != '\n' && s[plain] != '\r' && s[plain] != '\\')
    ++plain;
  out.append(s.data(), plain);
  s.remove_prefix(plain);
  for (char c : s) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
}

void AppendCsv(std::string& out, std::string_view s) {
  if (s.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += s;
    return;
  }
  out += '"';
  for (char c : s) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendJsonString(std::string& out, std::string_view s) {
  out += '"';
  for (char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      static const char* const kShort[] = {"\\b", "\\t", "\\n", nullptr, "\\f", "\\r"};
      if (u >= 8 && u <= 13 && kShort[u - 8]) {
        out += kShort[u - 8];
      } else {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", u);
        out += buf;
      }
    } else {
      out += c;
    }
  }
  out += '"';
}

// A column's value may stand bare in JSON only when it is a number JSON accepts.
bool IsJsonNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && s[i] == '-') ++i;
  if (i >= s.size() || s[i] < '0' || s[i] > '9') return false;
  if (s[i] == '0' && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '9') return false;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  if (i < s.size() && s[i] == '.') {
    ++i;
    if (i >= s.size()) return false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {  // a p value such as 2.181e-20
    ++i;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    if (i >= s.size() || s[i] < '0' || s[i] > '9') return false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  }
  return i == s.size();
}

}  // namespace

void AppendOutputField(TLexmillFormat format, std::string& out, std::string_view field) {
  std::string fixed;
  if (ValidUTF8Prefix(field) != field.size()) field = fixed = ValidUTF8(field);
  switch (format) {
    case TLexmillFormat::tsv:
      AppendTsv(out, field);
      break;
    case TLexmillFormat::csv:
      AppendCsv(out, field);
      break;
    case TLexmillFormat::json:
      AppendJsonString(out, field);
      break;
    case TLexmillFormat::table:
      out += field;
      break;
  }
}

void WriteOutput(std::string_view bytes) {
  if (gClosed) RaiseWriteError(EBADF);
  // A large block goes out as it stands rather than through the buffer: one copy fewer.
  if (bytes.size() >= kFlushAt) {
    FlushOutput();
    WriteAll(bytes.data(), bytes.size());
    return;
  }
  gOutput.append(bytes);
  if (gOutput.size() >= kFlushAt) FlushOutput();
}

void FlushOutput() {
  if (gOutput.empty()) return;
  // Cleared whatever happens, so a failure is reported once and not again at close; the buffer itself is
  // kept for what comes next.
  try {
    WriteAll(gOutput.data(), gOutput.size());
  } catch (...) {
    gOutput.clear();
    throw;
  }
  gOutput.clear();
}

void CloseOutput() {
  if (gClosed) return;
  std::fflush(stdout);
  FlushOutput();
  gClosed = true;
  if (std::ferror(stdout)) RaiseWriteError(EIO);
  if (::close(1) != 0 && errno != EINTR) RaiseWriteError(errno);
}

std::size_t ValidUTF8Prefix(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const std::size_t n = s.size();
  std::size_t i = 0;
  while (i < n) {
    // Sixteen, then eight ASCII bytes at a time: most text is mostly ASCII.
#if defined(__SSE2__)
    while (i + 16 <= n && !_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i))))
      i += 16;
#endif
    while (i + 8 <= n) {
      uint64_t v;
      std::memcpy(&v, p + i, 8);
      if (v & 0x8080808080808080ull) break;
      i += 8;
    }
    if (i >= n) break;
    if (p[i] < 0x80) {
      ++i;
      continue;
    }
    const std::size_t len = SequenceLength(p + i, n - i);
    if (len == 0) return i;
    i += len;
  }
  return n;
}

std::string ValidUTF8(std::string_view s) {
  std::size_t good = ValidUTF8Prefix(s);
  if (good == s.size()) return std::string(s);
  std::string out(s.substr(0, good));
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  for (std::size_t i = good; i < s.size();) {
    const std::size_t len = SequenceLength(p + i, s.size() - i);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(s.substr(i, len));
      i += len;
    }
  }
  return out;
}

std::size_t DisplayWidth(std::string_view utf8) {
  std::size_t w = 0;
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  for (std::size_t i = 0; i < utf8.size();) {
    if (p[i] < 0x80) {
      ++w;
      ++i;
      continue;
    }
    std::size_t len = SequenceLength(p + i, utf8.size() - i);
    if (len == 0) {
      ++w;  // shown as U+FFFD
      ++i;
      continue;
    }
    UChar32 c = p[i] & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k) c = (c << 6) | (p[i + k] & 0x3F);
    i += len;
    const int8_t cat = static_cast<int8_t>(u_charType(c));
    if (cat == U_NON_SPACING_MARK || cat == U_ENCLOSING_MARK || cat == U_FORMAT_CHAR) continue;
    const int ea = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    w += ea == U_EA_WIDE || ea == U_EA_FULLWIDTH ? 2 : 1;
  }
  return w;
}

TLexmillWriter::TLexmillWriter(TLexmillFormat f, std::vector<TLexmillColumn> c, bool summaryOut, bool header)
    : format(f), columns(std::move(c)), summaryInOutput(summaryOut), tableHeader(header) {
  std::string head;
  if (format == TLexmillFormat::tsv) {
    head = "#";
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i) head += '\t';
      AppendTsv(head, columns[i].name);
    }
    head += '\n';
  } else if (format == TLexmillFormat::csv) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i) head += ',';
      AppendCsv(head, columns[i].name);
    }
    head += "\r\n";
  }
  WriteOutput(head);
}

void TLexmillWriter::Row(const std::vector<std::string>& fields) {
  std::vector<std::string_view> views(fields.begin(), fields.end());
  AddRow(views.data(), views.size());
}

void TLexmillWriter::Row(std::initializer_list<std::string_view> fields) {
  AddRow(fields.begin(), fields.size());
}

void TLexmillWriter::AddRow(const std::string_view* fields, std::size_t n) {
  if (format == TLexmillFormat::table) {
    std::vector<std::string> row;
    row.reserve(n);
    for (std::size_t i = 0; i < n; ++i) row.push_back(ValidUTF8(fields[i]));
    tableRows.push_back(std::move(row));
    return;
  }
  line.clear();
  AppendLine(line, fields, n);
  WriteOutput(line);
}

void TLexmillWriter::AppendLine(std::string& out, const std::string_view* fields, std::size_t n) const {
  for (std::size_t i = 0; i < n; ++i) {
    switch (format) {
      case TLexmillFormat::tsv:
        if (i) out += '\t';
        break;
      case TLexmillFormat::csv:
        if (i) out += ',';
        break;
      case TLexmillFormat::json:
        out += i ? ',' : '{';
        AppendJsonString(out, i < columns.size() ? columns[i].name : std::to_string(i));
        out += ':';
        break;
      case TLexmillFormat::table:
        continue;
    }
    // A number stays a number in JSON; in any format it is digits, signs, a point and an exponent, which
    // nothing escapes or quotes.
    if (i < columns.size() && columns[i].number && IsJsonNumber(fields[i])) {
      out += fields[i];
      continue;
    }
    AppendOutputField(format, out, fields[i]);
  }
  if (format == TLexmillFormat::json)
    out += n ? "}\n" : "{}\n";
  else
    out += format == TLexmillFormat::csv ? "\r\n" : "\n";
}

void TLexmillWriter::AppendLine(std::string& out, const std::vector<std::string>& fields) const {
  // A row of a few fields is viewed from the stack: this runs once for every row written.
  constexpr std::size_t kFewFields = 8;
  if (fields.size() <= kFewFields) {
    std::string_view views[kFewFields];
    std::copy(fields.begin(), fields.end(), views);
    AppendLine(out, views, fields.size());
    return;
  }
  std::vector<std::string_view> views(fields.begin(), fields.end());
  AppendLine(out, views.data(), views.size());
}

void TLexmillWriter::Lines(std::string_view lines) {
  WriteOutput(lines);
}

void TLexmillWriter::Summary(const std::string& text) {
  summary = ValidUTF8(text);
}

void TLexmillWriter::Finish() {
  if (format == TLexmillFormat::table) {
    std::vector<std::size_t> width(columns.size(), 0);
    if (tableHeader)
      for (std::size_t c = 0; c < columns.size(); ++c) width[c] = DisplayWidth(columns[c].name);
    for (const auto& row : tableRows)
      for (std::size_t c = 0; c < row.size() && c < columns.size(); ++c)
        width[c] = std::max(width[c], DisplayWidth(row[c]));
    auto put = [&](const std::vector<std::string>& row) {
      line.clear();
      for (std::size_t c = 0; c < row.size() && c < columns.size(); ++c) {
        if (c) line += columns[c].tableGap;
        const std::size_t pad = width[c] - std::min(width[c], DisplayWidth(row[c]));
        const bool last = c + 1 == row.size() || c + 1 == columns.size();
        if (columns[c].number) line.append(pad, ' ');
        line += row[c];
        if (!columns[c].number && !last) line.append(pad, ' ');
      }
      line += '\n';
      WriteOutput(line);
    };
    if (tableHeader) {
      std::vector<std::string> head;
      for (const auto& c : columns) head.push_back(c.name);
      put(head);
    }
    for (const auto& row : tableRows) put(row);
    tableRows.clear();
    if (!summary.empty()) WriteOutput(summary + "\n");
  } else if (!summary.empty()) {
    if (!summaryInOutput) {
      FlushOutput();  // results first, then the summary, when both go to one terminal
      std::fprintf(stderr, "%s\n", summary.c_str());
    } else if (format == TLexmillFormat::json) {
      line = "{\"summary\":";
      AppendJsonString(line, summary);
      WriteOutput(line + "}\n");
    } else {
      std::string s = "# ";
      AppendTsv(s, summary);
      WriteOutput(s + (format == TLexmillFormat::csv ? "\r\n" : "\n"));
    }
  }
  FlushOutput();
}

}  // namespace lx
