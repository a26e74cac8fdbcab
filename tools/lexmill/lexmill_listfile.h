// Saved word lists of lexmill: the list engine's list file, followed by what lexmill knows beyond the list
// (running words, texts, locale), and the rows a word list is shown as.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"
#include "tools/lexmill/lexmill_lists.h"
#include "tools/lexmill/lexmill_texts.h"

namespace lx {

// What a saved list says beyond its entries; -1 (0 for the locale) when a list file does not say.
struct TLexmillListTotals {
  int64_t tokens = -1;
  int32_t texts = -1;
  LCID lcid = 0;
};

// The path with the word list's extension added when its file name has none.
std::string WithListExtension(const std::string& path);
// The list file a user means: the path as given, or with the extension added when only that exists.
std::string ExistingListFile(const std::string& path);
// A file name for the stored information: the path, or its file name when the path is too long to keep.
UnicodeString StoredFileName(const std::string& path);

// Replaces the file durably; raises an Exception with the reason when the list cannot be written.
void SaveLexmillList(TLexmillWordList& list, const std::string& path, const TLexmillListTotals& totals);
// The same at the stream's position (which must be seekable).
void SaveLexmillList(TLexmillWordList& list, TStream& stream, const TLexmillListTotals& totals);
// Raises an Exception naming the damage (offset and what was expected) or why the file cannot be opened.
void ReadLexmillList(TLexmillWordList& list, const std::string& path, TLexmillListTotals& totals);
// The same from the stream's position: the list file, then the totals when they follow it.
void ReadLexmillList(TLexmillWordList& list, TStream& stream, TLexmillListTotals& totals);

// The frequencies of every entry in the list, joined copies left out: the running words of a list whose file
// does not say.
int64_t SumOfFrequencies(TLexmillWordList& list);

// The rows of the list as lexmill shows it (see WriteWordListRows).
std::vector<std::vector<std::string>> WordListRows(TLexmillWordList& list, const TLexmillOptions& options,
                                                   int64_t tokens);
// The list as lexmill shows it: entries joined under a head and deleted ones are left out, a head counts with
// its forms; showForms adds the forms with their frequencies. minFreq and top as options say.
void WriteWordListRows(TLexmillWordList& list, const TLexmillOptions& options, int64_t tokens,
                       const std::string& summary);

}  // namespace lx
