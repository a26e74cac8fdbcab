// Search-word parsing: the flag set that travels with every parsed search word, the parsed record, and the
// parser that turns a typed search word into it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_types.h"
#include "lexcore/search/search_types.h"
#include "lexcore/search/user_input_wildcard_parsing.h"

namespace lx {

class TStringList;

// Six opening mark-up characters, then the six closing partners in the same order; 0 for a pair not in use.
using TTagDelimiters = std::array<WideChar, 12>;

// Inside a tag search, each of these wildcards becomes its internal code (the first occurrence only).
struct TTagWildcard {
  WideChar symbol;
  WideChar code;
};
inline constexpr std::array<TTagWildcard, 5> tag_wildcards_converters = {{{u'~', sw_tag_tilde_code},
                                                                          {u'^', sw_any_letter_code},
                                                                          {u'*', sw_any_run_code},
                                                                          {u'?', sw_any_char_code},
                                                                          {u'#', sw_number_code}}};

// What " context:=" introduces in a typed search word.
inline constexpr std::u16string_view sw_context_marker = u" context:=";

// One parsed search word. A default-constructed record is the cleared record the parser starts from.
struct TSearch_word_format_rec {
  UnicodeString typed_in_text;  // as typed, context part included
  UnicodeString search_text;    // the working text, with wildcard codes
  // [0] working text, [1] upper case, [2] lower case, [3] title form (first of [1], then [2] from the
  // second).
  std::array<UnicodeString, 4> copies;
  TMySearchFlags flags;
  int32_t n_to_find = 0;  // 0 or less: no limit
  int32_t hits_found = 0;
  UnicodeString sw_context_needed;
  int32_t spaces_in_sw = 0;
  uint32_t spareB = 0;
  bool ambiguous = false;
  bool auto_lemma_added = false;
  bool copies_converted = false;
  bool has_file_based_context_word = false;
  bool achou_suficiente = false;
  bool contains_a_tag = false;
  int16_t Langnum = 0;
  int32_t SearchColumn = 0;
  int32_t temp_int = 0;
  std::array<uint8_t, 52> extras{};

  bool operator==(const TSearch_word_format_rec&) const = default;
};

// The full parse of one typed search word.
TSearch_word_format_rec Parsed_SearchWord(const TTagDelimiters& tagDelimiters, const UnicodeString& typed);
// Markers only, no wildcards.
TSearch_word_format_rec UnParsed_SearchWord(const UnicodeString& typed);
// The parsing steps on one search word (markers, protected literals, wildcards, line symbol, tags, character
// references); text becomes the working text.
void Parse_SWChunk(const TTagDelimiters& tagDelimiters, bool& containsTag, UnicodeString& text,
                   TMySearchFlags& flags);
// The alternatives of a typed text ("go/goes/went"); with split false, the whole text as one entry.
std::unique_ptr<TStringList> SplitSWList(const UnicodeString& typed, bool split);
// Converts each pair whose opening and closing delimiters both occur to the tag codes; true when any did.
bool ContainsPairedTagMarkup(const TTagDelimiters& tagDelimiters, UnicodeString& text);
// One occurrence per tag wildcard: a quoted symbol loses its quotes, else a bare one becomes its code.
UnicodeString TagWildcardConverted(std::u16string_view text);
// Fills copies[0..3] from search_text.
void FillSearchWordCopies(TSearch_word_format_rec& rec);

}  // namespace lx
