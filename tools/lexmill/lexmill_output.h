// What lexmill writes: rows of named columns in one of four formats, through one checked path to standard
// output, so every sub-command writes tables, TSV, CSV and JSON the same way and a failed write is never
// lost.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

enum class TLexmillFormat : uint8_t { table, tsv, csv, json };

// Parses "table", "tsv", "csv" or "json"; false for anything else.
bool ParseLexmillFormat(std::string_view name, TLexmillFormat& format);

// Raised when standard output cannot take what is written (a full disk, a closed pipe, a bad descriptor).
class ELexmillWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Standard output through one buffer; every write and the final close are checked and raise
// ELexmillWriteError. Only the thread that writes results calls these.
void WriteOutput(std::string_view bytes);
void FlushOutput();
// Flushes and closes standard output, so a failure the kernel reports only at close is seen too.
void CloseOutput();

struct TLexmillColumn {
  std::string name;
  bool number = false;          // right-aligned in a table, unquoted in JSON
  std::string tableGap = "  ";  // what stands before the column in a table
};

// One result table. TSV starts with a '#' header line and escapes tab, line ends and backslash in fields;
// CSV quotes as RFC 4180 with CRLF row ends; JSON is one object a line keyed by the column names; a table
// keeps its rows until Finish to line columns up by display width. Bytes that are not UTF-8 become U+FFFD in
// every format.
class TLexmillWriter {
 public:
  // summaryInOutput: the summary ends the TSV, CSV or JSON output instead of going to standard error.
  TLexmillWriter(TLexmillFormat format, std::vector<TLexmillColumn> columns, bool summaryInOutput,
                 bool tableHeader = true);

  void Row(const std::vector<std::string>& fields);
  void Row(std::initializer_list<std::string_view> fields);
  // A table shows it under its rows; the other formats keep it out of the data unless asked.
  void Summary(const std::string& text);
  // Writes what a table holds and flushes; a writer that is not finished writes nothing more.
  void Finish();

  TLexmillFormat Format() const { return format; }

  // TSV, CSV and JSON rows go out as they come; a table is laid out at the end.
  bool Streams() const { return format != TLexmillFormat::table; }
  // A streamed row's line, appended to `out`, for rows made on other threads and handed to Lines in
  // their order. Changes nothing in the writer.
  void AppendLine(std::string& out, const std::string_view* fields, std::size_t n) const;
  void AppendLine(std::string& out, const std::vector<std::string>& fields) const;
  // Lines made by AppendLine, written as Row would have written their rows.
  void Lines(std::string_view lines);

 private:
  void AddRow(const std::string_view* fields, std::size_t n);

  TLexmillFormat format;
  std::vector<TLexmillColumn> columns;
  bool summaryInOutput, tableHeader;
  std::vector<std::vector<std::string>> tableRows;
  std::string summary;
  std::string line;
};

// One field as a TSV, CSV or JSON row holds it: made valid UTF-8, then escaped or quoted as the format asks.
void AppendOutputField(TLexmillFormat format, std::string& out, std::string_view field);

// How many bytes from the start are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF); the whole length when all are.
std::size_t ValidUTF8Prefix(std::string_view s);
// The text as valid UTF-8: each byte that does not belong to a well-formed sequence becomes U+FFFD.
std::string ValidUTF8(std::string_view s);
// Cells a UTF-8 text takes on a terminal: East Asian wide and full-width characters count two, combining
// marks and zero-width characters none.
std::size_t DisplayWidth(std::string_view utf8);

}  // namespace lx
