#include "lexcore/rtl/lx_datetime.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

std::function<TDateTime()> Global_NowProc;

namespace {

constexpr int64_t kFirstDay = -693593;  // 0001-01-01
constexpr int64_t kLastDay = 2958465;   // 9999-12-31
constexpr double kJulianOffset = 2415018.5;

// Day numbers counted from 1899-12-30, proleptic Gregorian (the civil-from-days method).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;
}

void CivilFromDays(int64_t day, int& year, int& month, int& dayOfMonth) {
  const int64_t z = day - 25569 + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  dayOfMonth = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// A value as its day number and the milliseconds into that day. The time is the absolute fraction, so the
// negative values before 1899-12-30 read as the runtime reads them; a time that rounds up to midnight moves
// to the next day (except on the last valid day, where it stops a millisecond short).
struct TDayAndTime {
  int64_t day = 0;
  int32_t ms = 0;
  bool validDate = false;
};

TDayAndTime SplitDateTime(TDateTime t) {
  TDayAndTime r;
  if (!std::isfinite(t)) return r;
  const double whole = std::trunc(t);
  int64_t ms = std::llround(std::fabs(t - whole) * MSecsPerDay);
  r.validDate = whole >= static_cast<double>(kFirstDay) && whole <= static_cast<double>(kLastDay);
  if (r.validDate) r.day = static_cast<int64_t>(whole);
  if (ms >= MSecsPerDay) {
    if (r.validDate && r.day < kLastDay) {
      ++r.day;
      ms = 0;
    } else {
      ms = MSecsPerDay - 1;
    }
  }
  r.ms = static_cast<int32_t>(ms);
  return r;
}

// Day number plus a time fraction, written the runtime's way (the fraction subtracted below zero).
TDateTime CombineDayAndTime(int64_t day, double fraction) {
  return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

// Days since 1899-12-30 00:00 on a continuous scale, and back.
double LinearDays(TDateTime t) {
  const double whole = std::trunc(t);
  return whole + std::fabs(t - whole);
}
TDateTime FromLinearDays(double x) {
  const double day = std::floor(x);
  return CombineDayAndTime(static_cast<int64_t>(day), x - day);
}

// Today's year, for dates typed without one.
int CurrentYear() {
  uint16_t y, m, d;
  DecodeDate(Now(), y, m, d);
  return y;
}

struct TDateFields {
  int year = 0, month = 0, day = 0, dayOfWeek = 0;
  int hour = 0, min = 0, sec = 0, msec = 0;
};

TDateFields FieldsOf(TDateTime t) {
  TDateFields f;
  const TDayAndTime s = SplitDateTime(t);
  if (s.validDate) {
    CivilFromDays(s.day, f.year, f.month, f.day);
    f.dayOfWeek = DayOfWeek(t);
  }
  f.hour = s.ms / 3600000;
  f.min = s.ms / 60000 % 60;
  f.sec = s.ms / 1000 % 60;
  f.msec = s.ms % 1000;
  return f;
}

bool StartsText(std::u16string_view s, std::size_t i, std::u16string_view what) {
  return s.size() - i >= what.size() && SameText(s.substr(i, what.size()), what);
}

WideChar AsciiUpper(WideChar c) {
  return c >= u'a' && c <= u'z' ? static_cast<WideChar>(c - 32) : c;
}

class TDateFormatter {
 public:
  TDateFormatter(TDateTime value, const TFormatSettings& fs) : f_(FieldsOf(value)), fs_(fs) {}

  UnicodeString Run(std::u16string_view format) {
    Append(format.empty() ? std::u16string_view(u"c") : format, 0);
    return std::move(out_);
  }

 private:
  void Number(int value, int digits) {
    const UnicodeString s = IntToStr(value);
    if (static_cast<int>(s.size()) < digits) out_.append(static_cast<std::size_t>(digits) - s.size(), u'0');
    out_ += s;
  }
  void Name(const UnicodeString* names, int count, int index) {
    if (index >= 1 && index <= count) out_ += names[index - 1];
  }
  // The nested patterns (c, ddddd, dddddd, t, tt) go one level deep only, so a pattern that names itself
  // cannot loop.
  void Nested(const UnicodeString& format, int level) {
    if (level < 1) Append(format, level + 1);
  }

  // An hour is on the 12-hour clock when an am/pm marker follows it before the next hour.
  static bool TwelveHourClock(std::u16string_view s, std::size_t i) {
    bool quoted = false;
    for (; i < s.size(); ++i) {
      const WideChar c = s[i];
      if (c == u'\'' || c == u'"') {
        quoted = !quoted;
      } else if (!quoted && (c == u'A' || c == u'a')) {
        return StartsText(s, i, u"am/pm") || StartsText(s, i, u"a/p") || StartsText(s, i, u"ampm");
      } else if (!quoted && (c == u'H' || c == u'h')) {
        return false;
      }
    }
    return false;
  }

  void Append(std::u16string_view s, int level) {
    WideChar lastToken = 0;
    std::size_t i = 0;
    while (i < s.size()) {
      const WideChar c = s[i];
      WideChar token = AsciiUpper(c);
      if (token >= u'A' && token <= u'Z') {
        if (token == u'M' && lastToken == u'H') token = u'N';
        lastToken = token;
      }
      std::size_t count = 1;
      while (i + count < s.size() && s[i + count] == c) ++count;
      switch (token) {
        case u'C':
          Nested(fs_.ShortDateFormat, level);
          if (f_.hour != 0 || f_.min != 0 || f_.sec != 0 || f_.msec != 0) {
            out_ += u' ';
            Nested(fs_.LongTimeFormat, level);
          }
          break;
        case u'D':
          if (count <= 2)
            Number(f_.day, static_cast<int>(count));
          else if (count == 3)
            Name(fs_.ShortDayNames.data(), 7, f_.dayOfWeek);
          else if (count == 4)
            Name(fs_.LongDayNames.data(), 7, f_.dayOfWeek);
          else if (count == 5)
            Nested(fs_.ShortDateFormat, level);
          else
            Nested(fs_.LongDateFormat, level);
          break;
        case u'M':
          if (count <= 2)
            Number(f_.month, static_cast<int>(count));
          else if (count == 3)
            Name(fs_.ShortMonthNames.data(), 12, f_.month);
          else
            Name(fs_.LongMonthNames.data(), 12, f_.month);
          break;
        case u'Y':
          if (count <= 2)
            Number(f_.year % 100, 2);
          else
            Number(f_.year, 4);
          break;
        case u'H': {
          int h = f_.hour;
          if (TwelveHourClock(s, i + count)) h = h == 0 ? 12 : h > 12 ? h - 12 : h;
          Number(h, count > 1 ? 2 : 1);
          break;
        }
        case u'N':
          Number(f_.min, count > 1 ? 2 : 1);
          break;
        case u'S':
          Number(f_.sec, count > 1 ? 2 : 1);
          break;
        case u'Z':
          Number(f_.msec, count > 1 ? 3 : 1);
          break;
        case u'T':
          Nested(count == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, level);
          break;
        case u'A':
          count = AmPm(s, i);
          break;
        case u'/':
          count = 1;
          if (fs_.DateSeparator != 0) out_ += fs_.DateSeparator;
          break;
        case u':':
          count = 1;
          if (fs_.TimeSeparator != 0) out_ += fs_.TimeSeparator;
          break;
        case u'\'':
        case u'"': {
          const auto close = s.find(c, i + 1);
          const std::size_t end = close == std::u16string_view::npos ? s.size() : close;
          out_.append(s.substr(i + 1, end - i - 1));
          count = end - i + (close == std::u16string_view::npos ? 0 : 1);
          break;
        }
        default:
          count = 1;
          out_ += c;
          break;
      }
      i += count;
    }
  }

  // The am/pm markers keep the letter case written in the pattern; ampm uses the settings' texts. Returns the
  // characters used.
  std::size_t AmPm(std::u16string_view s, std::size_t i) {
    const bool pm = f_.hour >= 12;
    if (StartsText(s, i, u"am/pm")) {
      out_.append(s.substr(pm ? i + 3 : i, 2));
      return 5;
    }
    if (StartsText(s, i, u"a/p")) {
      out_ += s[pm ? i + 2 : i];
      return 3;
    }
    if (StartsText(s, i, u"ampm")) {
      out_ += pm ? fs_.TimePMString : fs_.TimeAMString;
      return 4;
    }
    if (StartsText(s, i, u"aaaa")) {
      Name(fs_.LongDayNames.data(), 7, f_.dayOfWeek);
      return 4;
    }
    if (StartsText(s, i, u"aaa")) {
      Name(fs_.ShortDayNames.data(), 7, f_.dayOfWeek);
      return 3;
    }
    out_ += s[i];
    return 1;
  }

  TDateFields f_;
  const TFormatSettings& fs_;
  UnicodeString out_;
};

// Reads up to four digits after any blanks; false when there are none or too many.
bool ScanNumber(std::u16string_view s, std::size_t& i, int& value, int& digits) {
  while (i < s.size() && s[i] == u' ') ++i;
  value = 0;
  digits = 0;
  while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
    if (++digits > 4) return false;
    value = value * 10 + (s[i++] - u'0');
  }
  return digits > 0;
}

bool ScanChar(std::u16string_view s, std::size_t& i, WideChar c) {
  while (i < s.size() && s[i] == u' ') ++i;
  if (i < s.size() && s[i] == c) {
    ++i;
    return true;
  }
  return false;
}

enum TDateOrder { doMDY, doDMY, doYMD };

TDateOrder DateOrderOf(std::u16string_view shortDateFormat) {
  for (std::size_t i = 0; i < shortDateFormat.size(); ++i) {
    switch (AsciiUpper(shortDateFormat[i])) {
      case u'D':
        return doDMY;
      case u'Y':
        return doYMD;
      case u'M':
        return doMDY;
      case u'\'':
      case u'"': {
        const auto close = shortDateFormat.find(shortDateFormat[i], i + 1);
        if (close == std::u16string_view::npos) return doMDY;
        i = close;
        break;
      }
      default:
        break;
    }
  }
  return doMDY;
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) throw EConvertError(u"Invalid argument to date encode");
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month))
    return false;
  date = static_cast<double>(DaysFromCivil(year, month, day));
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime d;
  if (!TryEncodeDate(year, month, day, d)) throw EConvertError(u"Invalid argument to date encode");
  return d;
}

void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day) {
  const TDateFields f = FieldsOf(date);
  year = static_cast<uint16_t>(f.year);
  month = static_cast<uint16_t>(f.month);
  day = static_cast<uint16_t>(f.day);
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
    return false;
  time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime t;
  if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError(u"Invalid argument to time encode");
  return t;
}

void DecodeTime(TDateTime time, uint16_t& hour, uint16_t& min, uint16_t& sec, uint16_t& msec) {
  const TDateFields f = FieldsOf(time);
  hour = static_cast<uint16_t>(f.hour);
  min = static_cast<uint16_t>(f.min);
  sec = static_cast<uint16_t>(f.sec);
  msec = static_cast<uint16_t>(f.msec);
}

void DecodeDateTime(TDateTime value, uint16_t& year, uint16_t& month, uint16_t& day, uint16_t& hour,
                    uint16_t& min, uint16_t& sec, uint16_t& msec) {
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, min, sec, msec);
}

int DayOfWeek(TDateTime date) {
  if (!std::isfinite(date)) return 0;
  const TDayAndTime s = SplitDateTime(date);
  // 1899-12-30 (day 0) was a Saturday.
  const int64_t day = s.validDate ? s.day : static_cast<int64_t>(std::fmod(std::trunc(date), 7.0));
  return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
  if (Global_NowProc) return Global_NowProc();
  const auto now = std::chrono::system_clock::now();
  const std::time_t tt = std::chrono::system_clock::to_time_t(now);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&tt, &local);
  TDateTime date = 0, time = 0;
  TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
  TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ms < 0 ? 0 : ms),
                time);
  return CombineDayAndTime(static_cast<int64_t>(date), time);
}

TDateTime Date() {
  return std::trunc(Now());
}

TDateTime Time() {
  const TDateTime t = Now();
  return std::fabs(t - std::trunc(t));
}

UnicodeString FormatDateTime(std::u16string_view format, TDateTime value, const TFormatSettings& settings) {
  return TDateFormatter(value, settings).Run(format);
}

UnicodeString DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime(u"c", value, settings);
}

UnicodeString DateToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime(u"ddddd", value, settings);
}

UnicodeString TimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime(u"tt", value, settings);
}

bool TryStrToDate(std::u16string_view s, TDateTime& date, const TFormatSettings& settings) {
  std::size_t i = 0;
  int n1, n2, n3 = 0, l1, l2, l3 = 0;
  if (!ScanNumber(s, i, n1, l1) || !ScanChar(s, i, settings.DateSeparator) || !ScanNumber(s, i, n2, l2))
    return false;
  const bool hasYear = ScanChar(s, i, settings.DateSeparator);
  if (hasYear && !ScanNumber(s, i, n3, l3)) return false;
  while (i < s.size() && s[i] == u' ') ++i;
  if (i != s.size()) return false;

  const TDateOrder order = DateOrderOf(settings.ShortDateFormat);
  int y, m, d, yearDigits;
  if (!hasYear) {
    y = CurrentYear();
    yearDigits = 4;
    if (order == doDMY) {
      d = n1;
      m = n2;
    } else {
      m = n1;
      d = n2;
    }
  } else if (order == doMDY) {
    m = n1, d = n2, y = n3, yearDigits = l3;
  } else if (order == doDMY) {
    d = n1, m = n2, y = n3, yearDigits = l3;
  } else {
    y = n1, m = n2, d = n3, yearDigits = l1;
  }
  if (yearDigits <= 2) {
    const int century = CurrentYear() - settings.TwoDigitYearCenturyWindow;
    y += century / 100 * 100;
    if (settings.TwoDigitYearCenturyWindow > 0 && y < century) y += 100;
  }
  return TryEncodeDate(y, m, d, date);
}

TDateTime StrToDate(std::u16string_view s, const TFormatSettings& settings) {
  TDateTime d;
  if (!TryStrToDate(s, d, settings)) throw EConvertError(u"'" + UnicodeString(s) + u"' is not a valid date");
  return d;
}

TDateTime IncMonth(TDateTime date, int numberOfMonths) {
  const TDayAndTime s = SplitDateTime(date);
  if (!s.validDate) throw EConvertError(u"Invalid argument to date encode");
  int y, m, d;
  CivilFromDays(s.day, y, m, d);
  const int64_t months = int64_t{y} * 12 + (m - 1) + numberOfMonths;
  const int64_t newYear = months >= 0 ? months / 12 : (months - 11) / 12;
  const int newMonth = static_cast<int>(months - newYear * 12) + 1;
  if (newYear < 1 || newYear > 9999) throw EConvertError(u"Invalid argument to date encode");
  const int newDay = std::min(d, DaysInAMonth(static_cast<int>(newYear), newMonth));
  const TDateTime day = EncodeDate(static_cast<int>(newYear), newMonth, newDay);
  return CombineDayAndTime(static_cast<int64_t>(day), std::fabs(date - std::trunc(date)));
}

int64_t DateTimeToUnix(TDateTime value) {
  const double seconds = (LinearDays(value) - UnixDateDelta) * SecsPerDay;
  // Beyond any valid date (or not a number) there is no meaningful count.
  if (!(std::fabs(seconds) < 1e15)) throw EConvertError(u"Invalid argument to date encode");
  return std::llround(seconds);
}

TDateTime UnixToDateTime(int64_t seconds) {
  const int64_t days = seconds >= 0 ? seconds / SecsPerDay : -((-(seconds + 1)) / SecsPerDay) - 1;
  const int64_t rest = seconds - days * SecsPerDay;
  return CombineDayAndTime(days + static_cast<int64_t>(UnixDateDelta),
                           static_cast<double>(rest) / SecsPerDay);
}

double DaySpan(TDateTime now, TDateTime then) {
  return std::fabs(LinearDays(now) - LinearDays(then));
}
double MonthSpan(TDateTime now, TDateTime then) {
  return DaySpan(now, then) / ApproxDaysPerMonth;
}
double YearSpan(TDateTime now, TDateTime then) {
  return DaySpan(now, then) / ApproxDaysPerYear;
}

double DateTimeToJulianDate(TDateTime value) {
  return LinearDays(value) + kJulianOffset;
}

bool TryJulianDateToDateTime(double julian, TDateTime& value) {
  const double x = julian - kJulianOffset;
  if (!std::isfinite(x) || x < static_cast<double>(kFirstDay) || x >= static_cast<double>(kLastDay + 1))
    return false;
  value = FromLinearDays(x);
  return true;
}

TDateTime JulianDateToDateTime(double julian) {
  TDateTime value;
  if (!TryJulianDateToDateTime(julian, value))
    throw EConvertError(Format(u"%f Julian cannot be represented as a DateTime", {julian}));
  return value;
}

}  // namespace lx
