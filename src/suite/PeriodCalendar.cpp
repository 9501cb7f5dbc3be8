#include "suite/PeriodCalendar.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Convert.h"
#include "base/DateTime.h"
#include "db/SqlText.h"
#include "suite/CostAccount.h"

namespace orvan::suite {
namespace {

constexpr int32_t MinYear = 100;
constexpr int32_t MaxYear = 9999;
constexpr int32_t MaxPeriodCount = 366;

std::optional<int32_t> wholeNumberIn(const std::string &text, int32_t low, int32_t high)
{
    const auto number = base::parseNumber(text);
    if (!number || *number != std::floor(*number) || *number < low || *number > high)
        return std::nullopt;
    return static_cast<int32_t>(*number);
}

bool isLeapYear(int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int64_t year, int month)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : Days[month - 1];
}

// The day `day` (or the month's last day) of a month counted from year 0 month 1.
std::optional<double> dayOfMonth(int64_t monthIndex, int day)
{
    const int64_t year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    const int month = static_cast<int>(monthIndex - year * 12) + 1;
    if (year < MinYear || year > MaxYear)
        return std::nullopt;
    const auto y = static_cast<int>(year);
    return base::dateSerial(y, month, std::min(day, daysInMonth(year, month)));
}

// A period that starts on `day` of a month and ends the day before that day of the next.
int32_t monthlySpan(int64_t monthIndex, int day, PeriodSpan &span)
{
    const auto start = dayOfMonth(monthIndex, day);
    const auto next = dayOfMonth(monthIndex + 1, day);
    if (!start || !next)
        return PeriodResult::NoSuchPeriod;
    span = {*start, *next - 1};
    return PeriodResult::Done;
}

} // namespace

PeriodCalendar::PeriodCalendar(CostAccount &account)
    : m_account(account)
{}

std::optional<std::string> PeriodCalendar::profileText(const char *category, const char *key)
{
    return m_account.calendarSetting(category, key);
}

std::optional<int32_t> PeriodCalendar::periodCount()
{
    const auto text = profileText("GL", "PeriodCount");
    return text ? wholeNumberIn(*text, 1, MaxPeriodCount) : std::nullopt;
}

std::optional<int32_t> PeriodCalendar::currentYear(const std::string &category)
{
    const auto text = profileText(category.c_str(), "CurrentYear");
    return text ? wholeNumberIn(*text, MinYear, MaxYear) : std::nullopt;
}

int32_t PeriodCalendar::span(int32_t year, int32_t period, PeriodSpan &span)
{
    return this->span(year, period, periodCount(), span);
}

int32_t PeriodCalendar::span(int32_t year, int32_t period, std::optional<int32_t> count,
                             PeriodSpan &span)
{
    span = {};
    if (!count)
        return PeriodResult::CalendarNotSet;
    if (period < 1 || period > *count || year < MinYear || year > MaxYear)
        return PeriodResult::NoSuchPeriod;
    bool found = false;
    const auto stored = storedSpan(year, period, span, found);
    if (found)
        return stored;
    return derivedSpan(year, period, *count, span);
}

int32_t PeriodCalendar::storedSpan(int32_t year, int32_t period, PeriodSpan &span, bool &found)
{
    const auto *dates = m_account.storedPeriodDates(year, period);
    found = dates != nullptr;
    if (!found || !dates->start || !dates->end || *dates->end < *dates->start)
        return PeriodResult::CalendarNotSet;
    span = {*dates->start, *dates->end};
    return PeriodResult::Done;
}

int32_t PeriodCalendar::derivedSpan(int32_t year, int32_t period, int32_t count, PeriodSpan &span)
{
    const auto methodText = profileText("GL", "PeriodDefineMethod").value_or("");
    const auto method = methodText.empty()
                            ? std::optional<int32_t>(0)
                            : wholeNumberIn(methodText, std::numeric_limits<int32_t>::min(),
                                            std::numeric_limits<int32_t>::max());
    if (!method)
        return PeriodResult::CalendarNotSet;
    if (*method == 0) {
        if (count != 12)
            return PeriodResult::CalendarNotSet;
        return monthlySpan(int64_t{year} * 12 + (period - 1), 1, span);
    }
    const auto anchor = base::parseDate(profileText("GL", "PeriodDates").value_or(""));
    if (!anchor)
        return PeriodResult::CalendarNotSet;
    const auto first = base::dateParts(*anchor);
    const int64_t periodsAfterFirst = (int64_t{year} - first.year) * count + (period - 1);
    const int64_t firstMonth = int64_t{first.year} * 12 + (first.month - 1);
    return monthlySpan(firstMonth + periodsAfterFirst, first.day, span);
}

} // namespace orvan::suite
