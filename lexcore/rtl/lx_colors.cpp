#include "lexcore/rtl/lx_colors.h"

#include <cstdio>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

struct TColourName {
  TColor colour;
  const char16_t* name;
};

constexpr TColourName kNames[] = {
    {clBlack, u"clBlack"},   {clMaroon, u"clMaroon"},   {clGreen, u"clGreen"}, {clOlive, u"clOlive"},
    {clNavy, u"clNavy"},     {clPurple, u"clPurple"},   {clTeal, u"clTeal"},   {clGray, u"clGray"},
    {clSilver, u"clSilver"}, {clRed, u"clRed"},         {clLime, u"clLime"},   {clYellow, u"clYellow"},
    {clBlue, u"clBlue"},     {clFuchsia, u"clFuchsia"}, {clAqua, u"clAqua"},   {clWhite, u"clWhite"},
    {clNone, u"clNone"},     {clDefault, u"clDefault"}};

}  // namespace

UnicodeString ColorToString(TColor color) {
  for (const auto& n : kNames)
    if (n.colour == color) return n.name;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(color));
  return UTF8ToUTF16(buf);
}

TColor StringToColor(const UnicodeString& s) {
  const UnicodeString t = Trim(s);
  for (const auto& n : kNames)
    if (SameText(t, n.name)) return n.colour;
  int64_t v = 0;
  bool ok = false;
  if (!t.empty() && t[0] == u'$' && t.size() > 1 && t.size() <= 9) {
    ok = true;
    for (std::size_t i = 1; i < t.size() && ok; ++i) {
      const WideChar c = t[i];
      const int d = c >= u'0' && c <= u'9'   ? c - u'0'
                    : c >= u'a' && c <= u'f' ? c - u'a' + 10
                    : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                             : -1;
      ok = d >= 0;
      v = v * 16 + d;
    }
  } else {
    ok = TryStrToInt64(t, v) && v >= INT32_MIN && v <= UINT32_MAX;
  }
  if (!ok) throw EConvertError(u"'" + s + u"' is not a valid integer value");
  return static_cast<TColor>(static_cast<uint32_t>(v));
}

}  // namespace lx
