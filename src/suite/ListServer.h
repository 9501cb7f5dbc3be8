#pragma once

#include "component/PeriodProviders.h"
#include "suite/PeriodSource.h"

namespace orvan::suite {

// "OrvanListServer.clsListServer": the first and the last day of a period of the
// inventory year IC/CurrentYear, as PeriodCalendar gives them (whole days; the end is the
// period's last day). An empty props stands for the one given last (the login's when none
// was). GetStartEnd returns a PeriodResult code (suite/PeriodCalendar.h: 0 done, 1 account
// failed, 2 calendar or current year not set, 3 no such period) with both dates 0 on
// failure.
class ListServer : public component::ListServerPeriods
{
public:
    int32_t GetStartEnd(const std::string &props, int32_t period, double &start,
                        double &end) override;
    std::vector<StartEnd> GetStartEnds(const std::string &props, int32_t count) override;

private:
    PeriodSource m_source;
};

} // namespace orvan::suite
