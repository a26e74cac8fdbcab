#include "lexcore/settings/JulianDateRoutines.h"

#include <chrono>
#include <cmath>
#include <limits>

#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

LX_RESOURCESTRING(_LXUnknown_date_str, u"<no date found>")

namespace {

using namespace std::chrono;

// Julian day number of 1970-01-01 00:00, and of the date-time epoch 1899-12-30 00:00.
constexpr double kUnixEpochJulian = 2440587.5;
constexpr double kDateTimeEpochJulian = 2415018.5;
// Shifted years must stay where an unsigned 16-bit year of the calendar library can hold them.
constexpr int32_t kLowestShiftedYear = 1;
constexpr int32_t kHighestShiftedYear = 32767;
constexpr double kFailedJulian = 0;

bool ValidCalendarDate(int32_t y, int32_t m, int32_t d, sys_days& out) {
  if (y < static_cast<int32_t>(year::min()) || y > static_cast<int32_t>(year::max())) return false;
  if (m < 1 || m > 12 || d < 1 || d > 31) return false;
  const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!ymd.ok()) return false;
  out = sys_days{ymd};
  return true;
}

double JulianOf(sys_days d) {
  return d.time_since_epoch().count() + kUnixEpochJulian;
}

TYearMonthDay FromSysDays(sys_days d) {
  const year_month_day ymd{d};
  return {static_cast<int32_t>(ymd.year()), static_cast<int32_t>(static_cast<unsigned>(ymd.month())),
          static_cast<int32_t>(static_cast<unsigned>(ymd.day()))};
}

// The calendar date of a Julian number, counting the day the way a date-time does (whole days toward zero
// from 1899-12-30). False for a value no calendar date holds.
bool DateOfJulian(double julian, TYearMonthDay& out) {
  if (!std::isfinite(julian)) return false;
  const double t = std::trunc(julian - kDateTimeEpochJulian);
  // Keep well inside what a day count and the calendar can represent.
  if (std::fabs(t) > 1.0e7) return false;
  const sys_days epoch = sys_days{year{1899} / December / 30};
  out = FromSysDays(epoch + days{static_cast<int64_t>(t)});
  return true;
}

bool DateOfDateTime(TDateTime t, TYearMonthDay& out) {
  return DateOfJulian(t + kDateTimeEpochJulian, out);
}

TYearMonthDay Today() {
  TYearMonthDay d;
  DateOfDateTime(Date(), d);
  return d;
}

double TodayJulian() {
  return std::trunc(Date()) + kDateTimeEpochJulian;
}

bool ShiftedJulian(int32_t y, int32_t m, int32_t d, double& julian) {
  const int64_t shifted = static_cast<int64_t>(y) + kJulianYearOffset;
  if (shifted < kLowestShiftedYear || shifted > kHighestShiftedYear) return false;
  sys_days days;
  // The date must exist in its own year too: 4500 years on, 29 February falls in other years.
  if (!ValidCalendarDate(y, m, d, days)) return false;
  if (!ValidCalendarDate(static_cast<int32_t>(shifted), m, d, days)) return false;
  julian = JulianOf(days);
  return true;
}

// The unshifted date of a shifted Julian number.
bool UnshiftedDateOfJulian(double julian, TYearMonthDay& out) {
  TYearMonthDay d;
  if (!DateOfJulian(julian, d) || d.year < kLowestShiftedYear || d.year > kHighestShiftedYear) return false;
  d.year -= kJulianYearOffset;
  out = d;
  return true;
}

// A date-time of year 2000 with d's month and day, formatted: labels take everything but the year from it.
bool FormatYear2000(const TYearMonthDay& d, std::u16string_view pattern, UnicodeString& out) {
  TDateTime t;
  if (!TryEncodeDate(2000, d.month, d.day, t)) return false;
  out = FormatDateTime(pattern, t);
  return true;
}

int32_t Div(int32_t year, int32_t size) {
  return year / size * size;  // toward zero
}

int32_t DaysInMonthOf(int32_t y, int32_t m) {
  const year_month_day_last last{year{y} / month{static_cast<unsigned>(m)} / std::chrono::last};
  return static_cast<int32_t>(static_cast<unsigned>(last.day()));
}

double DaySpanOf(const TYearMonthDay& a, const TYearMonthDay& b) {
  return std::fabs(YearMonthDayToJulianAddingConst(b) - YearMonthDayToJulianAddingConst(a));
}

int32_t CeilToInt(double v) {
  return static_cast<int32_t>(std::ceil(v));
}

bool IsFieldLetter(char16_t c) {
  return c == u'y' || c == u'm' || c == u'd' || c == u'h' || c == u'n';
}

}  // namespace

void ClearAYearMonthDayRec(TYearMonthDay& d) {
  d = {kNoDateYear, 1, 1};
}

TYearMonthDay AClearYearMonthDayRec() {
  return {kNoDateYear, 1, 1};
}

double YearMonthDayToJulianAddingConst(const TYearMonthDay& d) {
  double julian = kFailedJulian;
  if (!ShiftedJulian(d.year, std::clamp(d.month, 1, 12), std::clamp(d.day, 1, 31), julian))
    return kFailedJulian;
  return julian;
}

double YearMonthDayToJulianDateSemConvertir(const TYearMonthDay& d) {
  sys_days days;
  if (!ValidCalendarDate(d.year, std::clamp(d.month, 1, 12), std::clamp(d.day, 1, 31), days))
    return TodayJulian();
  return JulianOf(days);
}

double DateTimeToJulianAddingConst(TDateTime t) {
  TYearMonthDay d;
  double julian = kFailedJulian;
  if (!DateOfDateTime(t, d) || !ShiftedJulian(d.year, d.month, d.day, julian)) return kFailedJulian;
  return julian;
}

TYearMonthDay JulianDateToYearMonthDayRemovingConst(double julian) {
  if (julian == 0) return Today();
  TYearMonthDay d;
  if (!UnshiftedDateOfJulian(julian, d)) {
    d = Today();
    d.year -= kJulianYearOffset;
  }
  return d;
}

TYearMonthDay DateToYearMonthDay(TDateTime t, bool removeConst) {
  TYearMonthDay d;
  if (!DateOfDateTime(t, d)) return Today();
  if (removeConst) d.year -= kJulianYearOffset;
  return d;
}

TYearMonthDay DateToYearMonthDayRemovingConst(TDateTime t) {
  return DateToYearMonthDay(t, true);
}

UnicodeString TimeLineBasisFormatString(TTimeLinePlotbase basis) {
  switch (basis) {
    case tlpb_millennia:
    case tlpb_centuries:
    case tlpb_decades:
    case tlpb_years:
      return u"yyyy";
    case tlpb_months:
      return u"yyyy/mmm";
    case tlpb_weeks:
    case tlpb_days:
      return u"yyyy/mmm/dd";
    case tlpb_hours:
      return u"yyyy/mmm/dd hh";
    default:
      return u"yyyy/mmm/dd hh:nn";
  }
}

UnicodeString YearMonthDayAsString(const TYearMonthDay& d, TTimeLinePlotbase basis) {
  UnicodeString rest;
  if (!FormatYear2000(d, TimeLineBasisFormatString(basis), rest)) return u"??";
  const UnicodeString year = Format(u"%5.4d", {d.year});
  return Trim(year + (rest.size() > 4 ? rest.substr(4) : UnicodeString()));
}

UnicodeString AbbreviatedYearMonthDayAsString(const TYearMonthDay& d, TTimeLinePlotbase basis) {
  std::u16string_view pattern;
  switch (basis) {
    case tlpb_millennia:
    case tlpb_centuries:
    case tlpb_decades:
      pattern = u"yyyy";
      break;
    case tlpb_years:
      pattern = u"yy";
      break;
    case tlpb_months:
      pattern = u"mmm";
      break;
    case tlpb_weeks:
      pattern = u"w";
      break;
    case tlpb_days:
      pattern = u"d";
      break;
    case tlpb_hours:
      pattern = u"h";
      break;
    default:
      pattern = u"yy/mmm/dd hh:nn";
      break;
  }
  UnicodeString s;
  if (!FormatYear2000(d, pattern, s)) return u"??";
  return s;
}

UnicodeString JulianToStringRemovingConst(double julian, TTimeLinePlotbase basis, bool abbreviated) {
  TYearMonthDay d;
  if (!UnshiftedDateOfJulian(julian, d) || d.year == kNoDateYear) return u"??";
  return abbreviated ? AbbreviatedYearMonthDayAsString(d, basis) : YearMonthDayAsString(d, basis);
}

UnicodeString StringFromTYrMmDyHrMn(const TYrMmDyHrMn& r, std::u16string_view pattern) {
  UnicodeString s;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char16_t c = pattern[i];
    if (!IsFieldLetter(c)) {
      s += c;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    i += run;
    const int32_t value = c == u'y'   ? r.year
                          : c == u'm' ? r.month
                          : c == u'd' ? r.day
                          : c == u'h' ? r.hour
                                      : r.minute;
    if (c == u'y') {
      if (run == 2) s += Format(u"%.2d", {value});
      if (run == 4) s += Format(u"%.4d", {value});
    } else {
      if (run == 1) s += Format(u"%d", {value});
      if (run == 2) s += Format(u"%.2d", {value});
    }
  }
  return s;
}

TYrMmDyHrMn DatefromUsersString(std::u16string_view text, std::u16string_view pattern) {
  TYrMmDyHrMn r;
  if (text.size() != pattern.size()) return r;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char16_t c = pattern[i];
    if (!IsFieldLetter(c)) {
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    int32_t value = -1;
    int32_t parsed = 0;
    const bool isInt = TryStrToInt(text.substr(i, run), parsed);
    i += run;
    switch (c) {
      case u'y':
        if (isInt && run == 2) value = parsed + 2000;
        if (isInt && run == 4) value = parsed;
        r.year = std::max(value, 0);
        break;
      case u'm':
        if (isInt && run <= 2) value = parsed;
        r.month = std::clamp(value, 1, 12);
        break;
      case u'd':
        if (isInt && run <= 2) value = parsed;
        r.day = std::clamp(value, 1, 31);
        break;
      case u'h':
        if (isInt && run <= 2) value = parsed;
        r.hour = std::clamp(value, 0, 23);
        break;
      default:
        if (isInt && run <= 2) value = parsed;
        r.minute = std::clamp(value, 0, 59);
        break;
    }
  }
  return r;
}

double UserStrDateAndTimeParsed(std::u16string_view text) {
  const double noDate = YearMonthDayToJulianAddingConst(AClearYearMonthDayRec());
  const UnicodeString s = Trim(text);
  if (s.size() < 4 || s.find(u'<') != UnicodeString::npos) return noDate;
  const UnicodeString unknown = _LXUnknown_date_str;
  if (!unknown.empty() && s.find(unknown) != UnicodeString::npos) return noDate;
  int32_t year = 0;
  if (TryStrToInt(s, year)) return YearMonthDayToJulianAddingConst({year, 7, 1});
  const std::size_t slash1 = s.find(u'/');
  if (slash1 == UnicodeString::npos) return noDate;
  const std::size_t slash2 = s.find(u'/', slash1 + 1);
  if (slash2 == UnicodeString::npos) return noDate;
  int32_t y = 0, m = 0, d = 0;
  const std::u16string_view v = s;
  if (!TryStrToInt(v.substr(0, slash1), y) || !TryStrToInt(v.substr(slash1 + 1, slash2 - slash1 - 1), m) ||
      !TryStrToInt(v.substr(slash2 + 1), d))
    return noDate;
  return YearMonthDayToJulianAddingConst({y, m, d});
}

TYearMonthDay StartOfPeriod(const TYearMonthDay& d, TTimeLinePlotbase basis) {
  switch (basis) {
    case tlpb_millennia:
      return {Div(d.year, 1000), 1, 1};
    case tlpb_centuries:
      return {Div(d.year, 100), 1, 1};
    case tlpb_decades:
      return {Div(d.year, 10), 1, 1};
    case tlpb_years:
      return {d.year, 1, 1};
    case tlpb_months:
    case tlpb_weeks:
      return {d.year, d.month, 1};
    default:
      return d;
  }
}

TYearMonthDay EndOfPeriod(const TYearMonthDay& d, TTimeLinePlotbase basis) {
  switch (basis) {
    case tlpb_millennia:
      return {Div(d.year, 1000) + 999, 12, 31};
    case tlpb_centuries:
      return {Div(d.year, 100) + 99, 12, 31};
    case tlpb_decades:
      return {Div(d.year, 10) + 9, 12, 31};
    case tlpb_years:
      return {d.year, 12, 31};
    case tlpb_months:
    case tlpb_weeks:
      if (d.month < 1 || d.month > 12 || d.year < static_cast<int32_t>(year::min()) ||
          d.year > static_cast<int32_t>(year::max()))
        return Today();
      return {d.year, d.month, DaysInMonthOf(d.year, d.month)};
    default:
      return d;
  }
}

int32_t PeriodsBetween(const TYearMonthDay& a, const TYearMonthDay& b, TTimeLinePlotbase basis) {
  const int32_t years = static_cast<int32_t>(std::abs(static_cast<int64_t>(b.year) - a.year));
  switch (basis) {
    case tlpb_millennia:
      return years / 1000 + 1;
    case tlpb_centuries:
      return years / 100 + 1;
    case tlpb_decades:
      return years / 10 + 1;
    case tlpb_years:
      return CeilToInt(DaySpanOf(a, b) / ApproxDaysPerYear);
    case tlpb_months:
      return CeilToInt(DaySpanOf(a, b) / ApproxDaysPerMonth);
    case tlpb_weeks:
      return 4 * CeilToInt(DaySpanOf(a, b) / ApproxDaysPerMonth);
    case tlpb_days:
      return CeilToInt(DaySpanOf(a, b));
    default:
      return 1;
  }
}

int32_t PeriodNumberFor(const TYearMonthDay& a, const TYearMonthDay& b, TTimeLinePlotbase basis) {
  const int32_t years = static_cast<int32_t>(std::abs(static_cast<int64_t>(b.year) - a.year));
  switch (basis) {
    case tlpb_millennia:
      return years / 1000;
    case tlpb_centuries:
      return years / 100;
    case tlpb_decades:
      return years / 10;
    case tlpb_years:
      return static_cast<int32_t>(DaySpanOf(a, b) / ApproxDaysPerYear);
    case tlpb_months:
      return static_cast<int32_t>(DaySpanOf(a, b) / ApproxDaysPerMonth);
    case tlpb_weeks:
      return static_cast<int32_t>(DaySpanOf(a, b) / ApproxDaysPerMonth * 4);
    case tlpb_days:
      return static_cast<int32_t>(DaySpanOf(a, b));
    default:
      return 0;
  }
}

namespace {

double MiddleOfPeriod(int32_t period, const TTimeLineDataRec& data) {
  const double periods = std::max<uint32_t>(data.periods, 1);
  const double width = (data.finish_date - data.start_date) / periods;
  return data.start_date + (2.0 * period - 1) * width / 2;
}

}  // namespace

void JulianDateDetails(int32_t period, const TTimeLineDataRec& data, TYearMonthDay& first,
                       TYearMonthDay& middle, TYearMonthDay& last) {
  middle = JulianDateToYearMonthDayRemovingConst(MiddleOfPeriod(period, data));
  first = middle;
  last = middle;
  switch (data.plotbasis) {
    case tlpb_millennia:
      first.year = Div(middle.year, 1000);
      last.year = first.year + 999;
      break;
    case tlpb_centuries:
      first.year = Div(middle.year, 100);
      last.year = first.year + 99;
      break;
    case tlpb_decades:
      first.year = Div(middle.year, 10);
      last.year = first.year + 9;
      break;
    case tlpb_years:
      first.month = 1;
      last.month = 12;
      break;
    case tlpb_months:
    case tlpb_weeks:
      first.day = 1;
      last.day = DaysInMonthOf(middle.year, middle.month);
      break;
    default:
      break;
  }
}

UnicodeString JulianDateStrFromTimelineData(int32_t period, const TTimeLineDataRec& data, bool abbreviated) {
  return JulianToStringRemovingConst(MiddleOfPeriod(period, data), data.plotbasis, abbreviated);
}

}  // namespace lx
