// Julian dates against an independent day count, the calendar's awkward years, periods and labels.
#include <gtest/gtest.h>

#include <cmath>

#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/settings/JulianDateRoutines.h"

namespace {

using namespace lx;

// Fliegel and Van Flandern's integer day count: an oracle that shares nothing with the code under test.
int64_t ChronologicalJulianDay(int64_t y, int64_t m, int64_t d) {
  const int64_t a = (14 - m) / 12;
  const int64_t yy = y + 4800 - a;
  const int64_t mm = m + 12 * a - 3;
  auto fdiv = [](int64_t p, int64_t q) { return p >= 0 ? p / q : -((-p + q - 1) / q); };
  return d + fdiv(153 * mm + 2, 5) + 365 * yy + fdiv(yy, 4) - fdiv(yy, 100) + fdiv(yy, 400) - 32045;
}

struct FixedToday {
  FixedToday() {
    Global_NowProc = [] { return EncodeDate(2024, 2, 29) + 0.5; };
  }
  ~FixedToday() { Global_NowProc = nullptr; }
};

TEST(JulianDates, RoundTripsAroundTheEpoch) {
  // The date-time epoch 1899-12-30, shifted by 4500 years, then 100,000 days either side.
  const double epoch = YearMonthDayToJulianAddingConst({1899, 12, 30});
  EXPECT_EQ(epoch, ChronologicalJulianDay(6399, 12, 30) - 0.5);
  for (int64_t offset = -100000; offset <= 100000; offset += 7) {
    const TYearMonthDay d = JulianDateToYearMonthDayRemovingConst(epoch + offset);
    ASSERT_EQ(YearMonthDayToJulianAddingConst(d), epoch + offset) << offset;
    ASSERT_EQ(ChronologicalJulianDay(d.year + 4500, d.month, d.day) - 0.5, epoch + offset) << offset;
  }
  // Unshifted, the astronomical numbers the runtime gives.
  EXPECT_EQ(YearMonthDayToJulianDateSemConvertir({2000, 1, 1}), 2451544.5);
  EXPECT_EQ(YearMonthDayToJulianDateSemConvertir({1899, 12, 30}), DateTimeToJulianDate(0));
}

TEST(JulianDates, WorkedExamples) {
  FixedToday today;
  const double j = YearMonthDayToJulianAddingConst({-500, 3, 15});
  EXPECT_EQ(j, ChronologicalJulianDay(4000, 3, 15) - 0.5);
  EXPECT_EQ(JulianDateToYearMonthDayRemovingConst(j), (TYearMonthDay{-500, 3, 15}));
  EXPECT_EQ(YearMonthDayToJulianAddingConst({1990, 13, 0}), YearMonthDayToJulianAddingConst({1990, 12, 1}));
  EXPECT_EQ(YearMonthDayToJulianAddingConst({1990, 4, 31}), 0);
  EXPECT_EQ(JulianDateToYearMonthDayRemovingConst(0), (TYearMonthDay{2024, 2, 29}));
  EXPECT_EQ(YearMonthDayToJulianDateSemConvertir({1990, 4, 31}), ChronologicalJulianDay(2024, 2, 29) - 0.5);
  EXPECT_EQ(DateTimeToJulianAddingConst(EncodeDate(1987, 6, 15) + 0.75),
            YearMonthDayToJulianAddingConst({1987, 6, 15}));
  EXPECT_EQ(DateToYearMonthDay(EncodeDate(6487, 6, 15), true), (TYearMonthDay{1987, 6, 15}));
  EXPECT_EQ(DateToYearMonthDayRemovingConst(EncodeDate(6487, 6, 15)), (TYearMonthDay{1987, 6, 15}));
  EXPECT_EQ(DateToYearMonthDay(1e300, false), (TYearMonthDay{2024, 2, 29}));
  // Years beyond what an unsigned 16-bit year holds are refused rather than wrapped.
  EXPECT_EQ(YearMonthDayToJulianAddingConst({61036 + 1000, 1, 1}), 0);

  const double noDate = YearMonthDayToJulianAddingConst(AClearYearMonthDayRec());
  EXPECT_EQ(noDate, YearMonthDayToJulianAddingConst({499 - 4500, 1, 1}));
  TYearMonthDay cleared{1, 2, 3};
  ClearAYearMonthDayRec(cleared);
  EXPECT_EQ(cleared, (TYearMonthDay{-4001, 1, 1}));
  EXPECT_EQ(JulianToStringRemovingConst(noDate, tlpb_years, false), u"??");
  EXPECT_EQ(JulianToStringRemovingConst(0, tlpb_years, false), u"??");
}

TEST(JulianDates, LeapYears) {
  // Periods and month ends follow the real calendar.
  for (int y : {1600, 1700, 1900, 2000}) {
    const bool leap = y % 400 == 0;
    EXPECT_EQ(EndOfPeriod({y, 2, 10}, tlpb_months), (TYearMonthDay{y, 2, leap ? 29 : 28})) << y;
    EXPECT_EQ(
        YearMonthDayToJulianDateSemConvertir({y, 3, 1}) - YearMonthDayToJulianDateSemConvertir({y, 2, 28}),
        leap ? 2 : 1)
        << y;
  }
  // Shifted numbers are those of the same day 4500 years on, so 29 February exists only where both years
  // have it: never in 1700 or 1900 (though 6400 has one), and not in 1600 or 2000 (6100 and 6500 have none).
  for (int y : {1600, 1700, 1900, 2000}) EXPECT_EQ(YearMonthDayToJulianAddingConst({y, 2, 29}), 0) << y;
  EXPECT_NE(YearMonthDayToJulianAddingConst({1996, 2, 29}), 0);
  EXPECT_NE(YearMonthDayToJulianAddingConst({-4, 2, 29}), 0);
  // ...and the shifted count keeps 6400's leap day as a gap between them.
  EXPECT_EQ(YearMonthDayToJulianAddingConst({1900, 3, 1}) - YearMonthDayToJulianAddingConst({1900, 2, 28}),
            2);
}

TEST(JulianDates, UserTexts) {
  const double noDate = YearMonthDayToJulianAddingConst(AClearYearMonthDayRec());
  EXPECT_EQ(UserStrDateAndTimeParsed(u" 1850 "), YearMonthDayToJulianAddingConst({1850, 7, 1}));
  EXPECT_EQ(UserStrDateAndTimeParsed(u"1850/2"), noDate);
  EXPECT_EQ(UserStrDateAndTimeParsed(u"no digits here"), noDate);
  EXPECT_EQ(UserStrDateAndTimeParsed(u"<no date found>"), noDate);
  EXPECT_EQ(UserStrDateAndTimeParsed(u"185"), noDate);
  EXPECT_EQ(UserStrDateAndTimeParsed(u"1850/2/14"), YearMonthDayToJulianAddingConst({1850, 2, 14}));
  EXPECT_EQ(UserStrDateAndTimeParsed(u"1850/x/14"), noDate);

  EXPECT_EQ(DatefromUsersString(u"05-11-19", u"dd-mm-yy"), (TYrMmDyHrMn{2019, 11, 5, 0, 0}));
  EXPECT_EQ(DatefromUsersString(u"5-11-19", u"dd-mm-yy"), TYrMmDyHrMn{});
  EXPECT_EQ(DatefromUsersString(u"1987/xx/40 25:61", u"yyyy/mm/dd hh:nn"),
            (TYrMmDyHrMn{1987, 1, 31, 23, 59}));
  EXPECT_EQ(DatefromUsersString(u"87 3", u"yyym"),
            (TYrMmDyHrMn{0, 3, 0, 0, 0}));  // a three-letter year is no year

  const TYrMmDyHrMn r{1987, 6, 5, 9, 7};
  EXPECT_EQ(StringFromTYrMmDyHrMn(r, u"yyyy-mm-dd hh:nn"), u"1987-06-05 09:07");
  EXPECT_EQ(StringFromTYrMmDyHrMn(r, u"d/m/yy h.n"), u"5/6/1987 9.7");
  EXPECT_EQ(StringFromTYrMmDyHrMn(r, u"[yyy|mmm]"), u"[|]");
}

TEST(JulianDates, Periods) {
  EXPECT_EQ(StartOfPeriod({1987, 6, 15}, tlpb_decades), (TYearMonthDay{1980, 1, 1}));
  EXPECT_EQ(EndOfPeriod({1987, 6, 15}, tlpb_decades), (TYearMonthDay{1989, 12, 31}));
  EXPECT_EQ(StartOfPeriod({-150, 6, 15}, tlpb_centuries).year, -100);
  EXPECT_EQ(StartOfPeriod({1987, 6, 15}, tlpb_millennia), (TYearMonthDay{1000, 1, 1}));
  EXPECT_EQ(EndOfPeriod({1987, 6, 15}, tlpb_millennia), (TYearMonthDay{1999, 12, 31}));
  EXPECT_EQ(StartOfPeriod({1987, 6, 15}, tlpb_weeks), (TYearMonthDay{1987, 6, 1}));
  EXPECT_EQ(EndOfPeriod({1987, 6, 15}, tlpb_years), (TYearMonthDay{1987, 12, 31}));
  EXPECT_EQ(StartOfPeriod({1987, 6, 15}, tlpb_days), (TYearMonthDay{1987, 6, 15}));

  EXPECT_EQ(PeriodsBetween({1900, 1, 1}, {2000, 1, 1}, tlpb_centuries), 2);
  EXPECT_EQ(PeriodsBetween({1900, 1, 1}, {2000, 1, 1}, tlpb_decades), 11);
  EXPECT_EQ(PeriodsBetween({1987, 1, 1}, {1987, 2, 15}, tlpb_weeks), 8);
  EXPECT_EQ(PeriodsBetween({1987, 1, 1}, {1987, 2, 15}, tlpb_days), 45);
  EXPECT_EQ(PeriodsBetween({1987, 1, 1}, {1987, 2, 15}, tlpb_months), 2);
  EXPECT_EQ(PeriodsBetween({1987, 1, 1}, {1989, 1, 1}, tlpb_years), 3);  // 731 days: just over two years
  EXPECT_EQ(PeriodsBetween({1987, 1, 1}, {1989, 1, 1}, tlpb_hours), 1);
  EXPECT_EQ(PeriodNumberFor({1987, 1, 1}, {1987, 2, 15}, tlpb_weeks), 5);
  EXPECT_EQ(PeriodNumberFor({1987, 1, 1}, {1987, 2, 15}, tlpb_months), 1);
  EXPECT_EQ(PeriodNumberFor({1900, 1, 1}, {2000, 1, 1}, tlpb_decades), 10);
  EXPECT_EQ(PeriodNumberFor({1900, 1, 1}, {2000, 1, 1}, tlpb_custom), 0);
}

TEST(JulianDates, TimelinePeriodsAndLabels) {
  TTimeLineDataRec rec;
  rec.plotbasis = tlpb_days;
  rec.start_date = YearMonthDayToJulianAddingConst({2001, 1, 1});
  rec.finish_date = rec.start_date + 400;
  rec.periods = 4;
  TYearMonthDay first, middle, last;
  JulianDateDetails(1, rec, first, middle, last);
  EXPECT_EQ(YearMonthDayToJulianAddingConst(middle), rec.start_date + 50);
  JulianDateDetails(4, rec, first, middle, last);
  EXPECT_EQ(YearMonthDayToJulianAddingConst(middle), rec.start_date + 350);
  EXPECT_EQ(first, middle);
  rec.periods = 0;  // taken as one period
  JulianDateDetails(1, rec, first, middle, last);
  EXPECT_EQ(YearMonthDayToJulianAddingConst(middle), rec.start_date + 200);

  rec.periods = 1;
  rec.start_date = YearMonthDayToJulianAddingConst({1987, 6, 10});
  rec.finish_date = YearMonthDayToJulianAddingConst({1987, 6, 20});
  rec.plotbasis = tlpb_decades;
  JulianDateDetails(1, rec, first, middle, last);
  EXPECT_EQ(first, (TYearMonthDay{1980, 6, 15}));
  EXPECT_EQ(middle, (TYearMonthDay{1987, 6, 15}));
  EXPECT_EQ(last, (TYearMonthDay{1989, 6, 15}));
  rec.plotbasis = tlpb_months;
  JulianDateDetails(1, rec, first, middle, last);
  EXPECT_EQ(first, (TYearMonthDay{1987, 6, 1}));
  EXPECT_EQ(last, (TYearMonthDay{1987, 6, 30}));
  rec.plotbasis = tlpb_years;
  JulianDateDetails(1, rec, first, middle, last);
  EXPECT_EQ(first, (TYearMonthDay{1987, 1, 15}));
  EXPECT_EQ(last, (TYearMonthDay{1987, 12, 15}));

  // Labels of every unit, full and abbreviated, from the period's middle day.
  struct Label {
    TTimeLinePlotbase basis;
    const char16_t* full;
    const char16_t* abbreviated;
  };
  const Label labels[] = {
      {tlpb_millennia, u"1987", u"2000"},
      {tlpb_centuries, u"1987", u"2000"},
      {tlpb_decades, u"1987", u"2000"},
      {tlpb_years, u"1987", u"00"},
      {tlpb_months, u"1987/Jun", u"Jun"},
      {tlpb_weeks, u"1987/Jun/15", u"w"},
      {tlpb_days, u"1987/Jun/15", u"15"},
      {tlpb_hours, u"1987/Jun/15 00", u"0"},
      {tlpb_custom, u"1987/Jun/15 00:00", u"00/Jun/15 00:00"},
  };
  for (const Label& l : labels) {
    rec.plotbasis = l.basis;
    EXPECT_EQ(JulianDateStrFromTimelineData(1, rec, false), l.full) << int(l.basis);
    EXPECT_EQ(JulianDateStrFromTimelineData(1, rec, true), l.abbreviated) << int(l.basis);
  }
  EXPECT_EQ(YearMonthDayAsString({-500, 3, 15}, tlpb_days), u"-0500/Mar/15");
  EXPECT_EQ(YearMonthDayAsString({87, 3, 15}, tlpb_years), u"0087");
  EXPECT_EQ(YearMonthDayAsString({1987, 2, 30}, tlpb_days), u"??");
  EXPECT_EQ(TimeLineBasisFormatString(tlpb_spare), u"yyyy/mmm/dd hh:nn");
}

}  // namespace
