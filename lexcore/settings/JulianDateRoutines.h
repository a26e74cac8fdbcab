// Dates of texts and time-lines: year/month/day records, Julian day numbers, time-line periods and their
// labels. Years before 1 are held as negative years; the conversions named ...AddingConst move every year
// 4500 years on so that the stored Julian numbers stay within the calendar the rest of the runtime accepts,
// and those named ...RemovingConst move it back. The shift keeps month and day, so 29 February of a leap year
// whose shifted year is not one (1600, 2000: 6100, 6500) has no shifted number and gives 0, no date. Stored
// numbers of every other date depend on this numbering, so it stays.
#pragma once

#include <cstdint>
#include <vector>

#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TYearMonthDay {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  bool operator==(const TYearMonthDay&) const = default;
};

struct TYrMmDyHrMn {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
  bool operator==(const TYrMmDyHrMn&) const = default;
};

using TYearMonthDayArray = std::vector<TYearMonthDay>;

constexpr int32_t kJulianYearOffset = 4500;
constexpr int32_t kNoDateYear = -4001;

LX_DECLARE_RESOURCESTRING(_LXUnknown_date_str)

void ClearAYearMonthDayRec(TYearMonthDay& d);
TYearMonthDay AClearYearMonthDayRec();

double YearMonthDayToJulianAddingConst(const TYearMonthDay& d);
double YearMonthDayToJulianDateSemConvertir(const TYearMonthDay& d);
double DateTimeToJulianAddingConst(TDateTime t);
TYearMonthDay JulianDateToYearMonthDayRemovingConst(double julian);
TYearMonthDay DateToYearMonthDay(TDateTime t, bool removeConst);
TYearMonthDay DateToYearMonthDayRemovingConst(TDateTime t);

UnicodeString TimeLineBasisFormatString(TTimeLinePlotbase basis);
UnicodeString YearMonthDayAsString(const TYearMonthDay& d, TTimeLinePlotbase basis);
UnicodeString AbbreviatedYearMonthDayAsString(const TYearMonthDay& d, TTimeLinePlotbase basis);
UnicodeString JulianToStringRemovingConst(double julian, TTimeLinePlotbase basis, bool abbreviated);

// Patterns: runs of y, m, d, h, n are fields; every other character is literal.
UnicodeString StringFromTYrMmDyHrMn(const TYrMmDyHrMn& r, std::u16string_view pattern);
TYrMmDyHrMn DatefromUsersString(std::u16string_view text, std::u16string_view pattern);
// "1850" (1 July of that year) or "year/month/day"; anything else gives the no-date value. Shifted.
double UserStrDateAndTimeParsed(std::u16string_view text);

TYearMonthDay StartOfPeriod(const TYearMonthDay& d, TTimeLinePlotbase basis);
TYearMonthDay EndOfPeriod(const TYearMonthDay& d, TTimeLinePlotbase basis);
int32_t PeriodsBetween(const TYearMonthDay& a, const TYearMonthDay& b, TTimeLinePlotbase basis);
int32_t PeriodNumberFor(const TYearMonthDay& a, const TYearMonthDay& b, TTimeLinePlotbase basis);

// Period i (from 1) of a time-line: first, middle and last day.
void JulianDateDetails(int32_t period, const TTimeLineDataRec& data, TYearMonthDay& first,
                       TYearMonthDay& middle, TYearMonthDay& last);
UnicodeString JulianDateStrFromTimelineData(int32_t period, const TTimeLineDataRec& data, bool abbreviated);

}  // namespace lx
