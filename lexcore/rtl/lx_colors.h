// Colours as text: a colour name where one exists, else "$" and eight hex digits (0x00BBGGRR).
#pragma once

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clNone = 0x1FFFFFFF, clDefault = 0x20000000;

UnicodeString ColorToString(TColor color);
// A colour name (case-insensitive), "$" and hex digits, or a decimal number; raises EConvertError otherwise.
TColor StringToColor(const UnicodeString& s);

}  // namespace lx
