#pragma once

#include "component/PeriodProviders.h"
#include "suite/PeriodSource.h"

namespace orvan::suite {

// "OrvanMStdCostSystemData.CAisInfo": the calendar of the standard-cost system:
// GL/PeriodCount periods, the current year StdCost/CurrentYear, period days as
// PeriodCalendar gives them. An empty props stands for the one given last (the login's
// when none was). The count and the year are 0 when unavailable; GetPeriodDate returns a
// PeriodResult code (suite/PeriodCalendar.h: 0 done, 1 account failed, 2 calendar not
// set, 3 no such period) with start 0 on failure.
class StandardCostPeriodService : public component::StandardCostPeriodInfo
{
public:
    int32_t STDCostGetPeriodCount(const std::string &props) override;
    int32_t STDCostGetCurrYear(const std::string &props) override;
    int32_t GetPeriodDate(int32_t year, int32_t period, double &start,
                          const std::string &props) override;

private:
    PeriodSource m_source;
};

} // namespace orvan::suite
