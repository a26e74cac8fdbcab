// Basic types shared by every library: strings, characters, dates and small sets.
#pragma once

#include <cstdint>
#include <string>

namespace lx {

using UnicodeString = std::u16string;  // UTF-16 text
using WideChar = char16_t;
using AnsiString = std::string;  // bytes of some code page (or UTF-8 where said)
using RawByteString = std::string;
using TDateTime = double;  // days since 1899-12-30, time as the fraction
using extended = long double;
using single = float;
using LCID = uint32_t;
using TColor = int32_t;  // 0x00BBGGRR

using PWideChar = WideChar*;
using PAnsiChar = char*;

}  // namespace lx
