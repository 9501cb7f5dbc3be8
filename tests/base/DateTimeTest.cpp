#include "base/DateTime.h"

#include "base/Variant.h"
#include "support/ErrorNumber.h"

#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>

namespace orvan::base {
namespace {

using orvan::test::errorNumberOf;

struct Ymd
{
    int year;
    int month;
    int day;
};

std::string describe(const Ymd &date)
{
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

TEST(DateSerialTest, CountsDaysFrom30December1899)
{
    const std::pair<Ymd, double> cases[] = {
        {{1899, 12, 30}, 0},    {{1899, 12, 31}, 1},    {{1900, 1, 1}, 2},
        {{1899, 12, 29}, -1},   {{1900, 2, 28}, 60},    {{1900, 3, 1}, 61},
        {{2000, 1, 1}, 36526},  {{2023, 3, 15}, 45000}, {{2024, 1, 1}, 45292},
        {{2024, 2, 29}, 45351}, {{100, 1, 1}, -657434}, {{9999, 12, 31}, 2958465},
        {{1800, 1, 1}, -36522},
    };
    for (const auto &[date, serial] : cases) {
        SCOPED_TRACE(describe(date));
        EXPECT_EQ(dateSerial(date.year, date.month, date.day), serial);
    }
}

TEST(DateSerialTest, RollsMonthsAndDaysLikeTheHost)
{
    const std::pair<Ymd, Ymd> cases[] = {
        {{2024, 13, 1}, {2025, 1, 1}},   {{2024, 25, 1}, {2026, 1, 1}},
        {{2024, 0, 1}, {2023, 12, 1}},   {{2024, -1, 1}, {2023, 11, 1}},
        {{2024, -12, 1}, {2022, 12, 1}}, {{2024, 3, 0}, {2024, 2, 29}},
        {{2023, 3, 0}, {2023, 2, 28}},   {{2024, 1, 0}, {2023, 12, 31}},
        {{2024, 1, -1}, {2023, 12, 30}}, {{2024, 1, 32}, {2024, 2, 1}},
        {{2024, 2, 30}, {2024, 3, 1}},   {{2024, 1, 366}, {2024, 12, 31}},
        {{2024, 14, 31}, {2025, 3, 3}},
    };
    for (const auto &[input, expected] : cases) {
        SCOPED_TRACE(describe(input));
        EXPECT_EQ(dateSerial(input.year, input.month, input.day),
                  dateSerial(expected.year, expected.month, expected.day));
    }
}

TEST(DateSerialTest, ReadsTwoDigitYearsIn1930To2029)
{
    const std::pair<int, int> cases[] = {{0, 2000},  {24, 2024}, {29, 2029},  {30, 1930},
                                         {99, 1999}, {100, 100}, {1999, 1999}};
    for (const auto &[year, fullYear] : cases) {
        SCOPED_TRACE(year);
        EXPECT_EQ(dateSerial(year, 6, 15), dateSerial(fullYear, 6, 15));
        EXPECT_EQ(dateParts(dateSerial(year, 6, 15)).year, fullYear);
    }
    EXPECT_EQ(dateSerial(99, 13, 1), dateSerial(2000, 1, 1));
}

TEST(DateSerialTest, RefusesDatesOutsideTheRange)
{
    const Ymd cases[] = {{10000, 1, 1}, {99999, 1, 1},      {100, 1, 0},          {9999, 12, 32},
                         {-1, 1, 1},    {2024, 1000000, 1}, {2024, 1, 2000000000}};
    for (const Ymd &date : cases) {
        SCOPED_TRACE(describe(date));
        EXPECT_EQ(errorNumberOf([&] { dateSerial(date.year, date.month, date.day); }),
                  ErrorNumber::InvalidProcedureCall);
    }
}

TEST(DatePartsTest, SplitsSerialsIntoCalendarParts)
{
    const std::pair<double, DateParts> cases[] = {
        {0, {1899, 12, 30, 0, 0, 0}},
        {1.5, {1899, 12, 31, 12, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0}},
        {-0.5, {1899, 12, 30, 12, 0, 0}},
        {45292.75, {2024, 1, 1, 18, 0, 0}},
        {45292 + timeSerial(13, 45, 30), {2024, 1, 1, 13, 45, 30}},
        {45292.999999, {2024, 1, 2, 0, 0, 0}}, // 23:59:59.91 rounds to the next day
        {45292.4999999, {2024, 1, 1, 12, 0, 0}},
        {-1.9999999, {1899, 12, 30, 0, 0, 0}},
        {2958465.99998, {9999, 12, 31, 23, 59, 58}},
        {-657434, {100, 1, 1, 0, 0, 0}},
        {36585, {2000, 2, 29, 0, 0, 0}},
    };
    for (const auto &[serial, expected] : cases) {
        SCOPED_TRACE(serial);
        EXPECT_EQ(dateParts(serial), expected);
    }
}

TEST(DatePartsTest, InvalidSerialsOverflow)
{
    const double cases[] = {2958466, -657435, 1e10, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()};
    for (const double serial : cases) {
        SCOPED_TRACE(serial);
        EXPECT_FALSE(isValidDateSerial(serial));
        EXPECT_EQ(errorNumberOf([&] { dateParts(serial); }), ErrorNumber::Overflow);
    }
    EXPECT_TRUE(isValidDateSerial(2958465.9999));
    EXPECT_TRUE(isValidDateSerial(-657434.5));
}

TEST(DatePartsTest, DaysRoundTripAndWeekdaysAdvance)
{
    // Every day from 1800 to 2200, and every 97th day over the whole range.
    auto check = [](double first, double last, double step) {
        int previousWeekday = weekday(first - step);
        for (double day = first; day <= last; day += step) {
            const DateParts parts = dateParts(day);
            ASSERT_EQ(dateSerial(parts.year, parts.month, parts.day), day);
            const int current = weekday(day);
            ASSERT_EQ(current, (previousWeekday - 1 + static_cast<int>(step)) % 7 + 1) << day;
            previousWeekday = current;
        }
    };
    check(dateSerial(1800, 1, 1), dateSerial(2200, 12, 31), 1);
    check(MinDateSerial + 97, MaxDateSerial, 97);
}

TEST(DatePartsTest, DateTimeSerialCombinesDateAndTime)
{
    EXPECT_EQ(dateTimeSerial({2024, 1, 1, 18, 0, 0}), 45292.75);
    EXPECT_EQ(dateTimeSerial({1899, 12, 29, 6, 0, 0}), -1.25);
    EXPECT_EQ(dateTimeSerial({2024, 13, 1, 0, 0, 0}), dateSerial(2025, 1, 1));
    EXPECT_DOUBLE_EQ(timeSerial(10, 30, 0), 0.4375);
    EXPECT_DOUBLE_EQ(timeSerial(12, 0, 0), 0.5);
}

TEST(DatePartsTest, WeekdayAndDateOnly)
{
    EXPECT_EQ(weekday(0), 7);     // 1899-12-30, Saturday
    EXPECT_EQ(weekday(1), 1);     // Sunday
    EXPECT_EQ(weekday(-1), 6);    // Friday
    EXPECT_EQ(weekday(45292), 2); // 2024-01-01, Monday
    EXPECT_EQ(weekday(45292.9), 2);
    EXPECT_EQ(dateOnly(45292.75), 45292);
    EXPECT_EQ(dateOnly(-1.25), -1);
    EXPECT_EQ(dateOnly(45292.999999), 45293);
}

TEST(ParseDateTest, RecognisesYearFirstDatesAndTimes)
{
    const std::pair<const char *, double> cases[] = {
        {"2024-01-05", dateSerial(2024, 1, 5)},
        {"2024/01/05", dateSerial(2024, 1, 5)},
        {"2024-1-5", dateSerial(2024, 1, 5)},
        {"2024/1/5", dateSerial(2024, 1, 5)},
        {"2024-1/5", dateSerial(2024, 1, 5)},
        {"  2024-01-05  ", dateSerial(2024, 1, 5)},
        {"\t2024-01-05\t", dateSerial(2024, 1, 5)},
        {"2024-02-29", dateSerial(2024, 2, 29)},
        {"2000-02-29", dateSerial(2000, 2, 29)},
        {"24-1-5", dateSerial(2024, 1, 5)},
        {"99-12-31", dateSerial(1999, 12, 31)},
        {"0100-01-01", MinDateSerial},
        {"9999-12-31", MaxDateSerial},
        {"2024-01-05 10:30", dateSerial(2024, 1, 5) + timeSerial(10, 30, 0)},
        {"2024-01-05 10:30:15", dateSerial(2024, 1, 5) + timeSerial(10, 30, 15)},
        {"2024-01-05   8:05:09", dateSerial(2024, 1, 5) + timeSerial(8, 5, 9)},
        {"2024-01-05\t10:30 ", dateSerial(2024, 1, 5) + timeSerial(10, 30, 0)},
        {"2024/1/5 0:0:0", dateSerial(2024, 1, 5)},
        {"9999-12-31 23:59:59", MaxDateSerial + timeSerial(23, 59, 59)},
        {"1899-12-29 06:00", -1.25},
        {"10:30", timeSerial(10, 30, 0)},
        {" 23:59:59 ", timeSerial(23, 59, 59)},
        {"0:00", 0},
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text);
        const std::optional<double> parsed = parseDate(text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_DOUBLE_EQ(*parsed, expected);
    }
}

TEST(ParseDateTest, RefusesInvalidAndUnsupportedText)
{
    const char *cases[] = {
        "",
        " ",
        "abc",
        "2023-02-29",
        "1900-02-29",
        "2024-13-01",
        "2024-00-10",
        "2024-01-00",
        "2024-01-32",
        "2024-04-31",
        "2024.01.05",
        "20240105",
        "45000",
        "2024-01",
        "1/2",
        "01/05/2024",
        "2024--01-05",
        "-2024-01-05",
        "2024-01-05-",
        "10000-01-01",
        "2024-01-05x",
        "2024-01-05T10:30",
        "2024-01-05 24:00",
        "2024-01-05 10:60",
        "2024-01-05 10:30:60",
        "2024-01-05 10",
        "2024-01-05 10:",
        "2024-01-05 10:30:",
        "2024-01-05 10:30 PM",
        "2024-01-0510:30",
        "10:30 2024-01-05",
        "25:00",
        "2024年1月5日",
        "２０２４-01-05",
        "2024-0000000001-05",
    };
    for (const char *text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseDate(text).has_value());
    }
}

TEST(ParseDateTest, IsDateAcceptsDatesAndDateText)
{
    EXPECT_TRUE(isDate(Variant::date(45292)));
    EXPECT_TRUE(isDate(Variant("2024-01-05")));
    EXPECT_TRUE(isDate(Variant("10:30")));
    EXPECT_FALSE(isDate(Variant("2024-02-30")));
    EXPECT_FALSE(isDate(Variant("45000")));
    EXPECT_FALSE(isDate(Variant(45000.0)));
    EXPECT_FALSE(isDate(Variant(int32_t{45000})));
    EXPECT_FALSE(isDate(Variant()));
    EXPECT_FALSE(isDate(Variant::null()));
    EXPECT_FALSE(isDate(Variant(true)));
    EXPECT_FALSE(isDate(Variant::date(3e6)));
}

TEST(DateDiffTest, CountsCalendarDaysIgnoringTimes)
{
    const double jan1 = dateSerial(2024, 1, 1);
    const std::tuple<double, double, long> cases[] = {
        {jan1 + timeSerial(23, 59, 0), jan1 + 1 + timeSerial(0, 1, 0), 1},
        {jan1 + 1 + timeSerial(0, 1, 0), jan1 + timeSerial(23, 59, 0), -1},
        {jan1, jan1 + 0.99, 0},
        {jan1, dateSerial(2025, 1, 1), 366},
        {dateSerial(2023, 1, 1), dateSerial(2024, 1, 1), 365},
        {-1.25, 0.5, 1},
        {-1.75, -1.25, 0},
        {MinDateSerial, MaxDateSerial, 3615899},
    };
    for (const auto &[from, to, days] : cases) {
        SCOPED_TRACE(std::to_string(from) + " .. " + std::to_string(to));
        EXPECT_EQ(dateDiffDays(from, to), days);
    }
}

TEST(DateToTextTest, WritesTheChineseLocaleGeneralDate)
{
    const std::pair<double, const char *> cases[] = {
        {45292, "2024-01-01"},
        {45292.75, "2024-01-01 18:00:00"},
        {45292 + timeSerial(8, 5, 9), "2024-01-01 08:05:09"},
        {45292.999999, "2024-01-02"},
        {0, "00:00:00"},
        {0.4375, "10:30:00"},
        {1, "1899-12-31"},
        {-1.25, "1899-12-29 06:00:00"},
        {MinDateSerial, "0100-01-01"},
        {MaxDateSerial, "9999-12-31"},
    };
    for (const auto &[serial, expected] : cases) {
        SCOPED_TRACE(serial);
        EXPECT_EQ(dateToText(serial), expected);
    }
    EXPECT_EQ(errorNumberOf([] { dateToText(1e9); }), ErrorNumber::Overflow);
}

TEST(ClockTest, TodayAndNowFollowTheLocalClock)
{
    const std::time_t clock = std::time(nullptr);
    std::tm local{};
    localtime_r(&clock, &local);
    const double current = now();
    const double date = today();
    EXPECT_EQ(date, std::floor(date));
    EXPECT_GE(current, date);
    EXPECT_LT(current - date, 1.0 + 1e-9);
    const DateParts parts = dateParts(date);
    // Both clocks read within the same second or two; only a run across midnight differs.
    EXPECT_EQ(parts.year, local.tm_year + 1900);
    EXPECT_EQ(parts.month, local.tm_mon + 1);
    EXPECT_EQ(parts.day, local.tm_mday);
}

} // namespace
} // namespace orvan::base
