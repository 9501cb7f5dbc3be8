#include "base/DateTime.h"

#include "base/Error.h"
#include "base/Variant.h"

#include <cmath>
#include <ctime>
#include <fmt/format.h>

namespace orvan::base {

namespace {

constexpr long long SecondsPerDay = 86400;
constexpr long long UnixEpochSerial = 25569; // 1970-01-01

long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long daysFromCivil(long long year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = floorDiv(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long long days, int &year, int &month, int &day)
{
    days += 719468;
    const long long era = floorDiv(days, 146097);
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

long long serialDay(long long year, int month, int day)
{
    return daysFromCivil(year, month, day) + UnixEpochSerial;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : Days[month - 1];
}

int expandTwoDigitYear(int year)
{
    if (year >= 0 && year <= 29)
        return year + 2000;
    if (year >= 30 && year <= 99)
        return year + 1900;
    return year;
}

// A serial from its day number and a time of day in seconds: the time counts
// forwards from midnight also on negative days.
double combine(long long days, long long seconds)
{
    const double fraction = static_cast<double>(seconds) / SecondsPerDay;
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

struct SplitSerial
{
    long long days = 0;
    long long seconds = 0;
};

// The day number and the time of day rounded to the second.
SplitSerial split(double serial)
{
    if (!isValidDateSerial(serial))
        throw Error::overflow();
    const double whole = std::trunc(serial);
    SplitSerial result;
    result.days = static_cast<long long>(whole);
    result.seconds = std::llround(std::fabs(serial - whole) * SecondsPerDay);
    if (result.seconds >= SecondsPerDay) {
        result.seconds -= SecondsPerDay;
        ++result.days;
    }
    return result;
}

// A small cursor over date text.
class DateScanner
{
public:
    explicit DateScanner(std::string_view text)
        : m_text(text)
    {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }

    bool skipBlanks()
    {
        const std::size_t start = m_pos;
        while (!atEnd() && (peek() == ' ' || peek() == '\t'))
            ++m_pos;
        return m_pos > start;
    }

    // One to nine ASCII digits.
    std::optional<int> number()
    {
        int value = 0;
        std::size_t count = 0;
        while (!atEnd() && peek() >= '0' && peek() <= '9' && count < 9) {
            value = value * 10 + (peek() - '0');
            ++m_pos;
            ++count;
        }
        if (count == 0 || (!atEnd() && peek() >= '0' && peek() <= '9'))
            return std::nullopt;
        return value;
    }

    bool accept(char c)
    {
        if (peek() != c || atEnd())
            return false;
        ++m_pos;
        return true;
    }

    bool acceptDateSeparator() { return accept('-') || accept('/'); }

    // "h:m" or "h:m:s" as seconds since midnight.
    std::optional<long long> time()
    {
        const auto hour = number();
        if (!hour || !accept(':'))
            return std::nullopt;
        const auto minute = number();
        if (!minute)
            return std::nullopt;
        int second = 0;
        if (accept(':')) {
            const auto value = number();
            if (!value)
                return std::nullopt;
            second = *value;
        }
        if (*hour > 23 || *minute > 59 || second > 59)
            return std::nullopt;
        return *hour * 3600LL + *minute * 60LL + second;
    }

    // "y-m-d" as a day number.
    std::optional<long long> date()
    {
        const auto year = number();
        if (!year || !acceptDateSeparator())
            return std::nullopt;
        const auto month = number();
        if (!month || !acceptDateSeparator())
            return std::nullopt;
        const auto day = number();
        if (!day)
            return std::nullopt;
        const int fullYear = expandTwoDigitYear(*year);
        if (fullYear < 100 || fullYear > 9999 || *month < 1 || *month > 12 || *day < 1 ||
            *day > daysInMonth(fullYear, *month))
            return std::nullopt;
        return serialDay(fullYear, *month, *day);
    }

    // Whether the text ahead is a time ("digits:").
    bool timeAhead() const
    {
        std::size_t i = m_pos;
        while (i < m_text.size() && m_text[i] >= '0' && m_text[i] <= '9')
            ++i;
        return i > m_pos && i < m_text.size() && m_text[i] == ':';
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

bool isValidDateSerial(double serial)
{
    if (!std::isfinite(serial))
        return false;
    const double whole = std::trunc(serial);
    return whole >= MinDateSerial && whole <= MaxDateSerial;
}

double dateSerial(int year, int month, int day)
{
    const long long fullYear = expandTwoDigitYear(year);
    const long long monthIndex = fullYear * 12 + (static_cast<long long>(month) - 1);
    const long long rolledYear = floorDiv(monthIndex, 12);
    const int rolledMonth = static_cast<int>(monthIndex - rolledYear * 12) + 1;
    if (rolledYear < 0 || rolledYear > 10000)
        throw Error(ErrorNumber::InvalidProcedureCall, "Invalid procedure call or argument");
    const long long days =
        serialDay(rolledYear, rolledMonth, 1) + (static_cast<long long>(day) - 1);
    if (days < MinDateSerial || days > MaxDateSerial)
        throw Error(ErrorNumber::InvalidProcedureCall, "Invalid procedure call or argument");
    return static_cast<double>(days);
}

double timeSerial(int hour, int minute, int second)
{
    const long long seconds = hour * 3600LL + minute * 60LL + second;
    return static_cast<double>(seconds) / SecondsPerDay;
}

double dateTimeSerial(const DateParts &parts)
{
    const auto days = static_cast<long long>(dateSerial(parts.year, parts.month, parts.day));
    const long long seconds = parts.hour * 3600LL + parts.minute * 60LL + parts.second;
    return combine(days, seconds);
}

DateParts dateParts(double serial)
{
    const SplitSerial value = split(serial);
    DateParts parts;
    civilFromDays(value.days - UnixEpochSerial, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(value.seconds / 3600);
    parts.minute = static_cast<int>(value.seconds / 60 % 60);
    parts.second = static_cast<int>(value.seconds % 60);
    return parts;
}

int weekday(double serial)
{
    // 1899-12-30 was a Saturday.
    const long long days = split(serial).days;
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

double dateOnly(double serial)
{
    return static_cast<double>(split(serial).days);
}

std::optional<double> parseDate(std::string_view text)
{
    DateScanner scanner(text);
    scanner.skipBlanks();
    long long days = 0;
    long long seconds = 0;
    if (scanner.timeAhead()) {
        const auto time = scanner.time();
        if (!time)
            return std::nullopt;
        seconds = *time;
    } else {
        const auto date = scanner.date();
        if (!date)
            return std::nullopt;
        days = *date;
        if (scanner.skipBlanks() && !scanner.atEnd()) {
            const auto time = scanner.time();
            if (!time)
                return std::nullopt;
            seconds = *time;
        }
    }
    scanner.skipBlanks();
    if (!scanner.atEnd())
        return std::nullopt;
    return combine(days, seconds);
}

bool isDate(const Variant &value)
{
    switch (value.type()) {
    case VarType::Date:
        return isValidDateSerial(value.dateValue());
    case VarType::String:
        return parseDate(value.stringValue()).has_value();
    default:
        return false;
    }
}

long dateDiffDays(double from, double to)
{
    return static_cast<long>(split(to).days - split(from).days);
}

std::string dateToText(double serial)
{
    const DateParts parts = dateParts(serial);
    const bool hasDate = !(parts.year == 1899 && parts.month == 12 && parts.day == 30);
    const bool hasTime = parts.hour != 0 || parts.minute != 0 || parts.second != 0;
    const std::string time =
        fmt::format("{:02}:{:02}:{:02}", parts.hour, parts.minute, parts.second);
    if (!hasDate)
        return time;
    std::string date = fmt::format("{:04}-{:02}-{:02}", parts.year, parts.month, parts.day);
    return hasTime ? date + ' ' + time : date;
}

double today()
{
    return dateOnly(now());
}

double now()
{
    const std::time_t clock = std::time(nullptr);
    std::tm local{};
    localtime_r(&clock, &local);
    const DateParts parts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                          local.tm_hour,        local.tm_min,     local.tm_sec};
    return dateTimeSerial(parts);
}

std::string utcTimestamp()
{
    const std::time_t seconds = std::time(nullptr);
    std::tm parts{};
    ::gmtime_r(&seconds, &parts);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

} // namespace orvan::base
