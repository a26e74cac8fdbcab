// Printed concordances: `concord --pdf FILE` lays the lines out on pages through the printer organiser and
// the text drawer (one line per hit, the hit centred and highlighted, the search word and page number in the
// header, file and position in the footer); `--png FILE` draws the first page as a picture; `--print`
// sends the PDF to the printer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexcore/rtl/lx_types.h"
#include "tools/lexmill/lexmill_texts.h"

namespace lx {

// Why a --paper value cannot be used, or empty when it can (a4, letter, each with an optional -landscape).
std::string PaperFault(const std::string& paper);

class TConcordPrinter {
 public:
  TConcordPrinter(const TLexmillOptions& options, const UnicodeString& searchWord);
  bool Wanted() const { return !pdf_.empty() || !png_.empty() || print_; }
  void Add(std::string_view left, std::string_view hit, std::string_view right, const std::string& file,
           int32_t word);
  // Writes the files asked for; a file that cannot be written is reported as a problem.
  void Finish(TLexmillProblems& problems);

 private:
  struct TLine {
    UnicodeString text;
    int32_t hitAt = 0, hitLength = 0;
    std::string file;
    int32_t word = 0;
  };
  std::vector<TLine> lines_;
  std::string pdf_, png_, paper_;
  bool print_ = false;
  UnicodeString searchWord_;
  LCID lcid_;
};

}  // namespace lx
