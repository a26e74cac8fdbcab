// The process-wide format settings: separators, date and time patterns, month and day names.
#pragma once

#include <array>

#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TFormatSettings {
  WideChar DecimalSeparator = u'.';
  WideChar ThousandSeparator = u',';
  WideChar DateSeparator = u'/';
  WideChar TimeSeparator = u':';
  WideChar ListSeparator = u',';
  UnicodeString ShortDateFormat = u"M/d/yyyy";
  UnicodeString LongDateFormat = u"dddd, MMMM d, yyyy";
  UnicodeString ShortTimeFormat = u"h:mm AMPM";
  UnicodeString LongTimeFormat = u"h:mm:ss AMPM";
  UnicodeString TimeAMString = u"AM";
  UnicodeString TimePMString = u"PM";
  UnicodeString CurrencyString = u"$";
  uint8_t CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  uint8_t NegCurrFormat = 0;
  uint8_t CurrencyDecimals = 2;
  uint16_t TwoDigitYearCenturyWindow = 50;
  std::array<UnicodeString, 12> ShortMonthNames{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
  std::array<UnicodeString, 12> LongMonthNames{u"January",   u"February", u"March",    u"April",
                                               u"May",       u"June",     u"July",     u"August",
                                               u"September", u"October",  u"November", u"December"};
  std::array<UnicodeString, 7> ShortDayNames{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
  std::array<UnicodeString, 7> LongDayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                            u"Thursday", u"Friday", u"Saturday"};
};

// The process-wide settings every formatting routine uses unless given its own. Starts as the defaults above
// (English, United States); a host may change it at start-up.
extern TFormatSettings FormatSettings;

}  // namespace lx
