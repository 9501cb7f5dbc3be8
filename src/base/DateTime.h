#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan::base {

class Variant;

// Dates are the host language's serial numbers: whole days since 1899-12-30, the
// fraction the time of day. Before 1899-12-30 the serial is negative and its
// fraction still counts forwards from midnight: -1.25 is 1899-12-29 06:00.
// The valid range is 0100-01-01 .. 9999-12-31 23:59:59 (proleptic Gregorian).
inline constexpr double MinDateSerial = -657434.0; // 0100-01-01
inline constexpr double MaxDateSerial = 2958465.0; // 9999-12-31

struct DateParts
{
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateParts &) const = default;
};

// True when the serial's day lies in the valid range.
bool isValidDateSerial(double serial);

// DateSerial: years 0..29 mean 2000..2029 and 30..99 mean 1930..1999; months and
// days outside their range roll into the neighbouring years and months
// (2024-13-01 is 2025-01-01, 2024-03-00 is 2024-02-29). A result outside the valid
// range raises "Invalid procedure call or argument" (5).
double dateSerial(int year, int month, int day);

// TimeSerial for a time of day: (hour * 3600 + minute * 60 + second) / 86400.
double timeSerial(int hour, int minute, int second);

// The serial of a date and time (the date rolled as dateSerial does).
double dateTimeSerial(const DateParts &parts);

// The calendar parts of a serial, rounded to the nearest second as the host shows
// them. An invalid serial (outside the range, NaN) raises an overflow (6).
DateParts dateParts(double serial);

// Weekday as the host numbers it with Sunday first: 1 = Sunday .. 7 = Saturday.
int weekday(double serial);

// The serial of the date alone (DateValue / Int of a date): the time is dropped.
double dateOnly(double serial);

// Text recognised as a date: "yyyy-m-d" or "yyyy/m/d" (one or two digit month and
// day, "-" and "/" may be mixed), optionally followed by blanks and "h:m" or
// "h:m:s"; or a time alone ("h:m[:s]", on 1899-12-30). Blanks around the text are
// ignored; years 0..99 are read as dateSerial reads them. Invalid dates
// (2023-02-29, month 13, hour 24) are refused.
// The host is more lenient (month-day-year orders, month names, "a"/"p", dates
// without a year); only the year-first forms a Chinese-locale user types are
// accepted here, and the host's habit of turning an impossible "2024-13-01" into
// 2024-01-13 is deliberately not copied.
std::optional<double> parseDate(std::string_view text);

// IsDate: a Date value, or a String that parseDate recognises. Numbers are not
// dates (IsDate(45000) is False in the host).
bool isDate(const Variant &value);

// DateDiff("d", from, to): difference of the calendar days, times ignored.
long dateDiffDays(double from, double to);

// CStr of a date on a Chinese-locale machine: "yyyy-mm-dd" without a time part,
// "yyyy-mm-dd hh:mm:ss" with one, and "hh:mm:ss" alone on 1899-12-30 (so the serial
// 0 is "00:00:00").
std::string dateToText(double serial);

// The local clock: Date (today at midnight) and Now (to the second).
double today();
double now();
// The time now in UTC as "YYYY-MM-DD HH:MM:SS", as records of changes keep it.
std::string utcTimestamp();

} // namespace orvan::base
