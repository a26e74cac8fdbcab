// The wildcard symbols a user types in search words and the single-character codes that stand for them in
// a parsed search word's working text, with the translation steps between the two.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Codes of the working text.
inline constexpr WideChar sw_any_word_code = 0x1A;     // a lone " * ": any one word
inline constexpr WideChar sw_number_code = 0x1B;       // "#": one or more digits
inline constexpr WideChar sw_any_char_code = 0x1C;     // "?": any one character
inline constexpr WideChar sw_any_run_code = 0x1D;      // "*" inside or at an edge of a word
inline constexpr WideChar sw_any_letter_code = 0x1E;   // "^": any one letter
inline constexpr WideChar sw_tag_tilde_code = 0x1F;    // "~" in a tag search
inline constexpr WideChar sw_any_string_code = 0x15;   // first unit of the any-string symbol
inline constexpr WideChar sw_tag_open_code = 0x19;     // an opening mark-up delimiter
inline constexpr WideChar sw_tag_close_code = 0x18;    // a closing mark-up delimiter
inline constexpr WideChar sw_line_start_code = 0x10;   // what the line-end symbol becomes at a word's start
inline constexpr WideChar sw_line_end_code = 0x13;     // ... and at its end
inline constexpr WideChar sw_protected_base = 0xE000;  // first code of the protected literals

// Symbols a host may change.
extern UnicodeString any_word_symbol_char;   // " * "
extern UnicodeString any_string_symbol_str;  // "}}}"
extern UnicodeString crlf_symbol_string;     // "/\"

// The literals a user protects by typing them between double quotes, in code order.
inline constexpr int sw_protected_count = 11;
extern const std::array<const char16_t*, sw_protected_count> sw_protected_literals;

// Replaces the first unit of every occurrence of symbol by code; true when any was replaced.
bool Parse_Translate(UnicodeString& text, std::u16string_view symbol, WideChar code);
// Protected literal i (0..10, quotes included) becomes baseCode + i; true when any was replaced.
bool Parse_RetainOne(UnicodeString& text, int i, WideChar baseCode);
void Parse_Retain(UnicodeString& text, WideChar baseCode);
// Code baseCode + i becomes literal i without its quotes.
bool Parse_RestoreOne(UnicodeString& text, int i, WideChar baseCode);
void Parse_Restore(UnicodeString& text, WideChar baseCode);
// "^", "#", "*", "?" and the any-string symbol to their codes; true when the any-string symbol occurred.
bool DoMainParse_Translates(UnicodeString& text);

// Character references to characters: "{CHR(n)}" (any case; n decimal, or hex with a leading "X" or a
// trailing "H"), then "#" with decimal digits, or with any of "Xx$Hh" and hex digits, and an optional ";".
// Only values 1..0x10FFFF that are characters are taken (two units above 0xFFFF); others stay as typed.
UnicodeString LXFormattedReadableStringToWorkString(std::u16string_view text);
// The reverse for display: every unit below limit as "{CHR(decimal)}".
UnicodeString LXFormattedWorkStringToReadableString(std::u16string_view text, uint32_t limit = 32);

}  // namespace lx
