// Concordance rows in TSV, CSV or JSON, formatted where the text is searched: each context goes from the
// text's UTF-16 to escaped UTF-8 in one pass, into bytes that are reused from text to text and never
// zero-filled. A row reads exactly as the output writer would write it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "lexcore/rtl/lx_types.h"
#include "tools/lexmill/lexmill_hugepages.h"
#include "tools/lexmill/lexmill_output.h"

namespace lx {

// Bytes written through a raw pointer: the capacity grows geometrically and only what is written is touched.
// Rows of a long text run to hundreds of megabytes: their room is in huge pages from a megabyte on.
struct TRowRoomRelease {
  std::size_t capacity = 0;
  void operator()(char* p) const noexcept { THugePageAllocator<char>().deallocate(p, capacity); }
};

class TRowBytes {
 public:
  // Where to write at least `more` bytes after the used part.
  char* Room(std::size_t more);
  // The used part now ends at `end`, a pointer into the room last asked for.
  void SetEnd(const char* end) { size = static_cast<std::size_t>(end - data.get()); }
  std::size_t Size() const { return size; }
  std::string_view View() const { return {data.get(), size}; }
  void Clear() { size = 0; }

 private:
  std::unique_ptr<char[], TRowRoomRelease> data;
  std::size_t size = 0, capacity = 0;
};

class TConcordRows {
 public:
  // format: tsv, csv or json (a table is laid out as a whole at the end and is not made here)
  explicit TConcordRows(TLexmillFormat format);
  // The names of the columns, in order.
  static const char* const kColumns[7];

  // The file column's cell for a text, escaped once for all of its rows, with the separators on both sides
  // of it: what stands between a row's right context and its word number.
  std::string FileCell(std::string_view file) const;
  // One row: the left context text[leftAt, hitAt), the hit [hitAt, rightAt), the right context
  // [rightAt, endAt), then the file's cell and the numbers.
  void Add(TRowBytes& out, const WideChar* text, std::size_t leftAt, std::size_t hitAt, std::size_t rightAt,
           std::size_t endAt, std::string_view fileCell, int32_t word, int32_t sentence,
           int32_t paragraph) const;

 private:
  TLexmillFormat format;
  std::string before[7];  // what stands before each of the seven cells
  std::string rowEnd;
  std::size_t fixedSize = 0;  // the most bytes of a row that are not its contexts or file
};

}  // namespace lx
