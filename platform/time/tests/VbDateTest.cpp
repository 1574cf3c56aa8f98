#include "VbDate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platform {
namespace {

TEST(VbDate, KnownDayNumbers) {
    EXPECT_EQ(MakeDate({1899, 12, 30, 0, 0, 0}), 0.0);
    EXPECT_EQ(MakeDate({1900, 3, 1, 0, 0, 0}), 61.0);  // 1900 is no leap year
    EXPECT_EQ(MakeDate({2000, 1, 1, 18, 0, 0}), 36526.75);
    EXPECT_EQ(MakeDate({100, 1, 1, 0, 0, 0}), -657434.0);
    EXPECT_EQ(MakeDate({9999, 12, 31, 0, 0, 0}), 2958465.0);
}

TEST(VbDate, MakeDateRejectsInvalidParts) {
    EXPECT_TRUE(MakeDate({2024, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(MakeDate({2000, 2, 29, 0, 0, 0}));
    const DateParts invalid[] = {
        {2023, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0},  {2026, 4, 31, 0, 0, 0},
        {2026, 13, 1, 0, 0, 0}, {2026, 257, 1, 0, 0, 0}, {2026, 1, 0, 0, 0, 0},
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0},  {2026, 1, 1, 24, 0, 0},
        {2026, 1, 1, 0, 60, 0}, {2026, 1, 1, 0, 0, 60},  {2026, 1, 1, 0, 0, -1},
    };
    for (const DateParts& p : invalid) EXPECT_FALSE(MakeDate(p)) << p.year << "/" << p.month;
}

TEST(VbDate, DaysBeforeDayZeroKeepTheTimeAsAbsoluteFraction) {
    EXPECT_EQ(MakeDate({1899, 12, 29, 6, 0, 0}), -1.25);
    EXPECT_EQ(SplitDate(-1.25), (DateParts{1899, 12, 29, 6, 0, 0}));
    EXPECT_EQ(SplitDate(-0.5), (DateParts{1899, 12, 30, 12, 0, 0}));
}

TEST(VbDate, SplitRoundsToTheNearestSecondWithinTheCalendar) {
    EXPECT_EQ(SplitDate(0.99999999), (DateParts{1899, 12, 31, 0, 0, 0}));
    EXPECT_EQ(SplitDate(1.5 - 0.4 / 86400), (DateParts{1899, 12, 31, 12, 0, 0}));
    EXPECT_EQ(SplitDate(1.5 + 0.6 / 86400), (DateParts{1899, 12, 31, 12, 0, 1}));
    // 1899-12-29 23:59:59.9991 is closest to midnight of the next day.
    EXPECT_EQ(SplitDate(-1.99999999), (DateParts{1899, 12, 30, 0, 0, 0}));
    // Beyond the calendar the limits are shown.
    EXPECT_EQ(FormatDateTime(1e300), "9999/12/31 23:59:59");
    EXPECT_EQ(FormatDateTime(-1e300), "0100/01/01 00:00:00");
    EXPECT_EQ(FormatDateTime(std::nan("")), "1899/12/30 00:00:00");
}

TEST(VbDate, EverySecondOfADaySurvivesTheRoundTrip) {
    for (const int year : {1850, 2026, 9999}) {
        for (int second = 0; second < 86400; ++second) {
            const DateParts parts{year, 12, 9, second / 3600, second / 60 % 60, second % 60};
            ASSERT_EQ(SplitDate(MakeDate(parts).value()), parts) << year << " " << second;
        }
    }
    const double start = *MakeDate({2024, 2, 28, 23, 59, 59});
    EXPECT_EQ(FormatDateTime(start + 1), "2024/02/29 23:59:59");
    EXPECT_EQ(FormatDateTime(start + 1.0 / 86400), "2024/02/29 00:00:00");
}

TEST(VbDate, FormatAndParseAreInverse) {
    const double date = *MakeDate({2026, 12, 9, 4, 52, 57});
    EXPECT_EQ(FormatDateTime(date), "2026/12/09 04:52:57");
    EXPECT_EQ(ParseDateTime("2026/12/09 04:52:57"), date);
    EXPECT_EQ(ParseDateTime("1899/12/29 06:00:00"), -1.25);
    EXPECT_EQ(ParseDate("2000/01/01"), 36526.0);
    EXPECT_EQ(ParseTime("18:00:01"), 0.75 + 1.0 / 86400);

    // WholeSecond is the round trip through the text, without the text.
    const double base = *MakeDate({2026, 12, 9, 23, 59, 0});
    for (const double d : {base, base + 59.6 / 86400, base + 127.0 / 86400, base + 0.4 / 86400,
                         -1.99999999, 1e300, -1e300, 0.0}) {
        EXPECT_EQ(WholeSecond(d), ParseDateTime(FormatDateTime(d)).value()) << d;
    }
}

TEST(VbDate, ParseRejectsAnythingButTheExactForm) {
    for (const char* text : {"2026/12/9 04:52:57", "2026-12-09 04:52:57", "2026/12/09T04:52:57",
                             "2026/12/09 04:52:57 ", "+026/12/09 04:52:57", "2026/02/30 04:52:57",
                             "2026/12/09 24:00:00", "0099/12/31 00:00:00", ""}) {
        EXPECT_FALSE(ParseDateTime(text)) << text;
    }
    EXPECT_FALSE(ParseDate("2026/13/01"));
    EXPECT_FALSE(ParseDate("2026/12/09 00:00:00"));
    EXPECT_FALSE(ParseTime("4:52:57"));
    EXPECT_FALSE(ParseTime("04:60:00"));
}

TEST(VbDate, NowIsWholeSeconds) {
    const double now = NowDate();
    EXPECT_EQ(MakeDate(SplitDate(now)), now);
}

}  // namespace
}  // namespace platform
