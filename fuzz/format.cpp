// Format and FormatFloat with the input as the pattern (as UTF-16), against a fixed spread of arguments.
#include <cmath>
#include <limits>

#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t pick = in.Byte();
  const int64_t number = in.Take<int64_t>();
  const double real = in.Take<double>();
  const UnicodeString pattern = fuzz::AsUTF16(in.Rest());
  const UnicodeString text = u"w\u00f6rd";
  try {
    switch (pick % 3) {
      case 0:
        Format(pattern, {static_cast<long long>(number), real, text, 7, u'x', "utf8"});
        break;
      case 1:
        Format(pattern, {real});
        break;
      default:
        Format(pattern, {});
        break;
    }
  } catch (const Exception&) {
  }
  static const long double kValues[] = {0.0L,
                                        -0.0L,
                                        1.5L,
                                        -1234567.891L,
                                        1e300L,
                                        5e-324L,
                                        std::numeric_limits<double>::infinity(),
                                        std::numeric_limits<double>::quiet_NaN()};
  try {
    FormatFloat(pattern, real);
    FormatFloat(pattern, kValues[pick % std::size(kValues)]);
    FormatCurr(pattern, static_cast<long long>(number));
    FloatToStrF(real, static_cast<TFloatFormat>(pick % 5), static_cast<int>(number & 0x3f) - 8,
                static_cast<int>((number >> 8) & 0x3f) - 8);
  } catch (const Exception&) {
  }
  return 0;
}
