#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;

namespace {

struct Ymd {
  int y, m, d;
  bool operator==(const Ymd&) const = default;
};
Ymd YmdOf(TDateTime t) {
  uint16_t y, m, d;
  DecodeDate(t, y, m, d);
  return {y, m, d};
}
std::string HmsOf(TDateTime t) {
  uint16_t h, n, s, z;
  DecodeTime(t, h, n, s, z);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02u:%02u:%02u.%03u", h, n, s, z);
  return buf;
}

// Every test that reads the clock gets 2024-03-05 14:07:09.045 (a Tuesday) and leaves the clock as it was.
class Dates : public ::testing::Test {
 protected:
  void SetUp() override {
    fixed_ = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    Global_NowProc = [this] { return fixed_; };
  }
  void TearDown() override { Global_NowProc = nullptr; }
  TDateTime fixed_ = 0;
};

}  // namespace

TEST_F(Dates, EncodeAtTheEpochAndAtTheEnds) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(1970, 1, 1), UnixDateDelta);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
  EXPECT_EQ(YmdOf(0.0), (Ymd{1899, 12, 30}));
  EXPECT_EQ(YmdOf(-693593.0), (Ymd{1, 1, 1}));
  EXPECT_EQ(YmdOf(2958465.5), (Ymd{9999, 12, 31}));
  // Outside the valid dates, or not a number: no date at all.
  EXPECT_EQ(YmdOf(-693594.0), (Ymd{0, 0, 0}));
  EXPECT_EQ(YmdOf(2958466.0), (Ymd{0, 0, 0}));
  EXPECT_EQ(YmdOf(std::nan("")), (Ymd{0, 0, 0}));
  // Every 97th day of the whole range decodes and encodes back to itself.
  for (double t = -693593; t <= 2958465; t += 97) {
    const Ymd d = YmdOf(t);
    ASSERT_EQ(EncodeDate(d.y, d.m, d.d), t) << t;
  }
}

TEST_F(Dates, NegativeDatesCountTheirTimeForward) {
  EXPECT_EQ(YmdOf(-1.25), (Ymd{1899, 12, 29}));
  EXPECT_EQ(HmsOf(-1.25), "06:00:00.000");
  EXPECT_EQ(YmdOf(-0.5), (Ymd{1899, 12, 30}));  // -0.5 and 0.5 are the same moment
  EXPECT_EQ(HmsOf(-0.5), "12:00:00.000");
  EXPECT_EQ(YmdOf(-693593.75), (Ymd{1, 1, 1}));
  EXPECT_EQ(HmsOf(-693593.75), "18:00:00.000");
  EXPECT_EQ(DayOfWeek(-1.25), 6);  // Friday
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn", -1.75), u"1899-12-29 18:00");
}

TEST_F(Dates, TimesRoundToTheMillisecondAndCarryIntoTheNextDay) {
  EXPECT_EQ(HmsOf(EncodeTime(23, 59, 59, 999)), "23:59:59.999");
  EXPECT_EQ(HmsOf(0.99999999999), "00:00:00.000");
  EXPECT_EQ(YmdOf(0.99999999999), (Ymd{1899, 12, 31}));
  EXPECT_EQ(YmdOf(-1.99999999999), (Ymd{1899, 12, 30}));
  EXPECT_EQ(HmsOf(2958465.9999999995), "23:59:59.999");  // no day after the last one
  TDateTime t;
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, t));
  try {
    EncodeTime(0, 0, -1, 0);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, u"Invalid argument to time encode");
  }
}

TEST_F(Dates, LeapYearsAndMonthLengths) {
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInAMonth(1900, 2), 28);
  EXPECT_EQ(DaysInAMonth(2000, 2), 29);
  EXPECT_EQ(DaysInAMonth(2023, 4), 30);
  EXPECT_THROW(DaysInAMonth(2023, 13), EConvertError);
  TDateTime d;
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, d));
  EXPECT_TRUE(TryEncodeDate(2000, 2, 29, d));
  EXPECT_EQ(d + 1, EncodeDate(2000, 3, 1));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, d));
  EXPECT_FALSE(TryEncodeDate(10000, 1, 1, d));
  try {
    EncodeDate(2023, 2, 29);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, u"Invalid argument to date encode");
  }
}

TEST_F(Dates, DayOfWeekStartsOnSunday) {
  EXPECT_EQ(DayOfWeek(0.0), 7);                     // 1899-12-30, a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1);  // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);     // Monday
  EXPECT_EQ(DayOfWeek(std::nan("")), 0);
}

TEST_F(Dates, InjectedClock) {
  EXPECT_EQ(Now(), fixed_);
  EXPECT_EQ(Date(), EncodeDate(2024, 3, 5));
  EXPECT_NEAR(Time(), EncodeTime(14, 7, 9, 45), 1e-12);
  Global_NowProc = nullptr;
  const TDateTime system = Now();  // the real clock: some time this century
  EXPECT_GT(system, EncodeDate(2000, 1, 1));
  EXPECT_LT(system, EncodeDate(2100, 1, 1));
}

TEST_F(Dates, FormatDateTimePatterns) {
  const TDateTime t = Now();
  EXPECT_EQ(FormatDateTime(u"yyyy/mmm/dd hh:nn", t), u"2024/Mar/05 14:07");
  EXPECT_EQ(FormatDateTime(u"yyyy/mmm/dd hh", t), u"2024/Mar/05 14");
  EXPECT_EQ(FormatDateTime(u"yy", t), u"24");
  EXPECT_EQ(FormatDateTime(u"mmm", t), u"Mar");
  EXPECT_EQ(FormatDateTime(u"dd", t), u"05");
  EXPECT_EQ(FormatDateTime(u"dd mmm yyyy", t), u"05 Mar 2024");
  EXPECT_EQ(FormatDateTime(u"yy/mmm/dd hh:nn", t), u"24/Mar/05 14:07");
  EXPECT_EQ(FormatDateTime(u"w", t), u"w");  // not a pattern letter
  EXPECT_EQ(FormatDateTime(u"d/m/y h:n:s.z", t), u"5/3/24 14:7:9.45");
  EXPECT_EQ(FormatDateTime(u"zzz", t), u"045");
  EXPECT_EQ(FormatDateTime(u"hh:mm", t), u"14:07");  // m after an hour is the minute
  EXPECT_EQ(FormatDateTime(u"h:mm:ss am/pm|h:mm AM/PM|h a/p|hh ampm", t), u"2:07:09 pm|2:07 PM|2 p|02 PM");
  EXPECT_EQ(FormatDateTime(u"HH am/pm", EncodeTime(0, 30, 0, 0)), u"12 am");
  EXPECT_EQ(FormatDateTime(u"DDDD, MMMM d|ddd|aaa", t), u"Tuesday, March 5|Tue|Tue");
  EXPECT_EQ(FormatDateTime(u"'yyyy' \"mm\" yyyy", t), u"yyyy mm 2024");
  EXPECT_EQ(FormatDateTime(u"c", t), u"3/5/2024 2:07:09 PM");
  EXPECT_EQ(FormatDateTime(u"", EncodeDate(2024, 3, 5)), u"3/5/2024");
  EXPECT_EQ(FormatDateTime(u"ddddd|dddddd|t|tt", t), u"3/5/2024|Tuesday, March 5, 2024|2:07 PM|2:07:09 PM");
  EXPECT_EQ(DateTimeToStr(t), u"3/5/2024 2:07:09 PM");
  EXPECT_EQ(DateToStr(t), u"3/5/2024");
  EXPECT_EQ(TimeToStr(t), u"2:07:09 PM");
  TFormatSettings fs;
  fs.DateSeparator = u'-';
  fs.TimeSeparator = u'.';
  fs.ShortDateFormat = u"c ddddd";  // names itself: nesting stops after one level
  EXPECT_EQ(FormatDateTime(u"yyyy/mm/dd hh:nn", t, fs), u"2024-03-05 14.07");
  EXPECT_EQ(FormatDateTime(u"ddddd", t, fs), u"  ");
  EXPECT_EQ(FormatDateTime(u"yyyy mmm", std::nan(""), fs), u"0000 ");
}

TEST_F(Dates, StrToDateFollowsTheShortDateOrder) {
  EXPECT_EQ(StrToDate(u"3/5/2024"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(u" 12 / 31 / 1999 "), EncodeDate(1999, 12, 31));
  EXPECT_EQ(StrToDate(u"3/5"), EncodeDate(2024, 3, 5));  // this year
  // Two-digit years fall in the 50-year window around 2024: 1974..2073.
  EXPECT_EQ(StrToDate(u"3/5/24"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(u"3/5/74"), EncodeDate(1974, 3, 5));
  EXPECT_EQ(StrToDate(u"3/5/73"), EncodeDate(2073, 3, 5));
  TFormatSettings dmy;
  dmy.ShortDateFormat = u"dd.MM.yyyy";
  dmy.DateSeparator = u'.';
  EXPECT_EQ(StrToDate(u"3.5.2024", dmy), EncodeDate(2024, 5, 3));
  TFormatSettings ymd;
  ymd.ShortDateFormat = u"yyyy/MM/dd";
  EXPECT_EQ(StrToDate(u"2024/03/05", ymd), EncodeDate(2024, 3, 5));
  TDateTime d;
  for (const auto bad :
       {u"", u"13/1/2024", u"2/30/2024", u"3/5/2024x", u"3-5-2024", u"3/5/12345", u"/5/2024"})
    EXPECT_FALSE(TryStrToDate(bad, d)) << UTF16ToUTF8(bad);
  try {
    StrToDate(u"abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, u"'abc' is not a valid date");
  }
}

TEST_F(Dates, IncMonthKeepsTheTimeAndClampsTheDay) {
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2023, 1, 31)), EncodeDate(2023, 2, 28));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -13), EncodeDate(2022, 12, 15));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15) + 0.75, 24), EncodeDate(2026, 1, 15) + 0.75);
  // Across the epoch the time stays the same time of day.
  EXPECT_EQ(IncMonth(-1.25, 1), EncodeDate(1900, 1, 29) + 0.25);
  EXPECT_EQ(IncMonth(EncodeDate(1900, 1, 29) + 0.25, -1), -1.25);
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST_F(Dates, UnixAndJulianConversions) {
  EXPECT_EQ(DateTimeToUnix(EncodeDate(1970, 1, 1)), 0);
  EXPECT_EQ(DateTimeToUnix(EncodeDate(2000, 1, 1) + 0.5), 946728000);
  EXPECT_EQ(UnixToDateTime(946728000), EncodeDate(2000, 1, 1) + 0.5);
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn:ss", UnixToDateTime(-1)), u"1969-12-31 23:59:59");
  // Before 1899-12-30 the count stays continuous: 1899-12-29 06:00 is 18 hours before the epoch.
  EXPECT_EQ(DateTimeToUnix(-1.25) - DateTimeToUnix(0.0), -18 * 3600);
  EXPECT_EQ(UnixToDateTime(DateTimeToUnix(-1.25)), -1.25);
  EXPECT_THROW(DateTimeToUnix(std::nan("")), EConvertError);
  EXPECT_EQ(DateTimeToJulianDate(EncodeDate(2000, 1, 1) + 0.5), 2451545.0);  // J2000
  EXPECT_EQ(JulianDateToDateTime(2451545.0), EncodeDate(2000, 1, 1) + 0.5);
  EXPECT_EQ(JulianDateToDateTime(DateTimeToJulianDate(-1.25)), -1.25);
  EXPECT_THROW(JulianDateToDateTime(0.0), EConvertError);
  EXPECT_DOUBLE_EQ(DaySpan(-1.25, 0.25), 1.0);
  EXPECT_DOUBLE_EQ(YearSpan(EncodeDate(2000, 1, 1), EncodeDate(2001, 1, 1)), 366 / 365.25);
  EXPECT_DOUBLE_EQ(MonthSpan(0, 30.4375 * 2), 2.0);
}

TEST_F(Dates, GarbagePatternsNeverMisbehave) {
  uint32_t seed = 54321;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  const std::u16string_view alphabet = u"dmyhnsztcapDMYHNSZTCAP/:'\" ";
  TFormatSettings fs;
  fs.LongTimeFormat = u"tt c";  // a settings pattern that names itself
  const TDateTime values[] = {Now(), -1.25, -693593.0, 2958465.9999999995, std::nan(""), 1e300};
  for (int round = 0; round < 4000; ++round) {
    UnicodeString pattern;
    for (uint32_t n = next() % 14; n > 0; --n) pattern += alphabet[next() % alphabet.size()];
    EXPECT_NO_THROW(FormatDateTime(pattern, values[round % 6], fs)) << UTF16ToUTF8(pattern);
  }
}
