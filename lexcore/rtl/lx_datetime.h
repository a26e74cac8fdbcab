// Dates and times as the runtime counts them. A TDateTime is days since 1899-12-30 with the time of day as
// the fraction; before that day the value is negative and the fraction still counts forward from midnight, so
// -1.25 is 1899-12-29 06:00. Valid dates run from 0001-01-01 to 9999-12-31 (proleptic Gregorian).
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "lexcore/rtl/lx_formatsettings.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr int32_t MSecsPerDay = 86400000;
constexpr int32_t SecsPerDay = 86400;
constexpr double UnixDateDelta = 25569.0;         // 1970-01-01
constexpr double MinDateTime = -693593.0;         // 0001-01-01
constexpr double MaxDateTime = 2958465.99999999;  // 9999-12-31 23:59:59.999
constexpr double ApproxDaysPerMonth = 30.4375;
constexpr double ApproxDaysPerYear = 365.25;

// When set, Now, Date and Time read this clock instead of the system's local time (tests set it).
extern std::function<TDateTime()> Global_NowProc;

bool IsLeapYear(int year);
// Raises EConvertError "Invalid argument to date encode" for a month outside 1..12.
int DaysInAMonth(int year, int month);

// Year 1..9999, month 1..12, day within the month. EncodeDate raises EConvertError
// "Invalid argument to date encode".
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);
// A date outside 0001-01-01..9999-12-31 (or not a number) decodes as 0/0/0.
void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day);

// Hour 0..23, minute and second 0..59, millisecond 0..999. EncodeTime raises EConvertError
// "Invalid argument to time encode".
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
// The time of day, rounded to the millisecond (a time that rounds up to midnight reads 00:00:00.000).
void DecodeTime(TDateTime time, uint16_t& hour, uint16_t& min, uint16_t& sec, uint16_t& msec);
void DecodeDateTime(TDateTime value, uint16_t& year, uint16_t& month, uint16_t& day, uint16_t& hour,
                    uint16_t& min, uint16_t& sec, uint16_t& msec);

// 1 = Sunday ... 7 = Saturday; 0 for a value that is not a number.
int DayOfWeek(TDateTime date);

TDateTime Now();
TDateTime Date();  // today at midnight
TDateTime Time();  // the time of day only

// Pattern letters, in either case: c, d dd ddd dddd ddddd dddddd, m mm mmm mmmm (m or mm straight after an
// hour means minutes), yy yyyy, h hh, n nn, s ss, z zzz, t tt, am/pm a/p ampm aaa aaaa, / and : (the
// settings' separators), and "..." or '...' literals. Other characters are copied. An empty pattern means
// "c".
UnicodeString FormatDateTime(std::u16string_view format, TDateTime value,
                             const TFormatSettings& settings = FormatSettings);
UnicodeString DateTimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);
UnicodeString DateToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);
UnicodeString TimeToStr(TDateTime value, const TFormatSettings& settings = FormatSettings);

// Two or three numbers separated by the date separator, in the order of the short date format; without a year
// the current one is taken, and a year of one or two digits falls in the century window. StrToDate raises
// EConvertError "'<s>' is not a valid date".
bool TryStrToDate(std::u16string_view s, TDateTime& date, const TFormatSettings& settings = FormatSettings);
TDateTime StrToDate(std::u16string_view s, const TFormatSettings& settings = FormatSettings);

// The same day (or the month's last day) months later, keeping the time.
TDateTime IncMonth(TDateTime date, int numberOfMonths = 1);

// Seconds since 1970-01-01 00:00, to the nearest second.
int64_t DateTimeToUnix(TDateTime value);
TDateTime UnixToDateTime(int64_t seconds);

// Spans between two moments, as fractions: days, then approximate months and years.
double DaySpan(TDateTime now, TDateTime then);
double MonthSpan(TDateTime now, TDateTime then);
double YearSpan(TDateTime now, TDateTime then);

// Astronomical Julian dates (days since noon of 4713 BC, 1 January, Julian calendar). The reverse raises
// EConvertError "Invalid Julian date" for a result outside the valid dates.
double DateTimeToJulianDate(TDateTime value);
bool TryJulianDateToDateTime(double julian, TDateTime& value);
TDateTime JulianDateToDateTime(double julian);

}  // namespace lx
