#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvan::suite {

class CostAccount;

// The result codes of the period-date providers (CostPeriodService,
// OperationCostPeriodService, StandardCostPeriodService, ListServer). A failed call leaves
// its dates 0 and never raises.
namespace PeriodResult {
inline constexpr int32_t Done = 0;
// The account could not be opened or a statement failed.
inline constexpr int32_t AccountFailed = 1;
// A calendar setting is missing or unusable: GL/PeriodCount, the current year of the
// system, GL/PeriodDates when periods are derived from it, natural months for a count
// other than 12, or a t_PeriodDate row whose dates are not dates or end before they start.
inline constexpr int32_t CalendarNotSet = 2;
// The period lies outside 1..GL/PeriodCount, or the year outside 100..9999.
inline constexpr int32_t NoSuchPeriod = 3;
} // namespace PeriodResult

// The first and the last day of a period, as date serials without a time.
struct PeriodSpan
{
    double start = 0;
    double end = 0;
};

// The period calendar of an account:
// - the number of periods a year: t_SystemProfile GL/PeriodCount;
// - the current year of a system: its category's CurrentYear ("CB", "OPCost", "StdCost",
//   "IC");
// - the days of a period: its row of t_PeriodDate when there is one, otherwise derived
//   from GL/PeriodDefineMethod. 0 (or no row) means natural months: period p of year y is
//   month p of y, which needs 12 periods. Any other method reads GL/PeriodDates as the
//   first day of period 1 of the year it falls in; periods are consecutive months from
//   there, across years too, each starting on that day of its month (or on the month's
//   last day when the month is shorter). A derived period ends the day before the next
//   one starts.
// Reads raise base::Error when the account fails; unusable settings give result codes.
class PeriodCalendar
{
public:
    explicit PeriodCalendar(CostAccount &account);

    // Nothing when the setting is absent or not a whole number from 1 to 366.
    std::optional<int32_t> periodCount();
    // Nothing when the setting is absent or not a year from 100 to 9999.
    std::optional<int32_t> currentYear(const std::string &category);
    // The days of a period; a PeriodResult code.
    int32_t span(int32_t year, int32_t period, PeriodSpan &span);
    // The same with the period count read already (periodCount()), for a list of periods.
    int32_t span(int32_t year, int32_t period, std::optional<int32_t> count, PeriodSpan &span);

private:
    std::optional<std::string> profileText(const char *category, const char *key);
    int32_t storedSpan(int32_t year, int32_t period, PeriodSpan &span, bool &found);
    int32_t derivedSpan(int32_t year, int32_t period, int32_t count, PeriodSpan &span);

    CostAccount &m_account;
};

} // namespace orvan::suite
