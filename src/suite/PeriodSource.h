#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "suite/PeriodCalendar.h"

namespace orvan::suite {

// The account calendar behind a period-date provider. Each call names the account by the
// login's property string; an empty string stands for the one given last to this source,
// or for the login's own when none was given yet (callers ask for the next period without
// repeating it). The account stays open while the same string is given, also across
// sources. No call raises:
// counts and years are 0 when unavailable, dates 0 with a PeriodResult code otherwise.
class PeriodSource
{
public:
    PeriodSource();
    ~PeriodSource();

    int32_t periodCount(const std::string &props);
    int32_t currentYear(const std::string &props, const char *category);
    int32_t periodSpan(const std::string &props, int32_t year, int32_t period, PeriodSpan &span);
    // The span of a period of the category's current year.
    int32_t currentYearSpan(const std::string &props, const char *category, int32_t period,
                            PeriodSpan &span);
    // The result and span of each of the periods 1 to count of that year, read together.
    std::vector<std::pair<int32_t, PeriodSpan>>
    currentYearSpans(const std::string &props, const char *category, int32_t count);

private:
    PeriodCalendar calendar(const std::string &props);

    std::string m_props;
    std::shared_ptr<CostAccount> m_account;
};

} // namespace orvan::suite
