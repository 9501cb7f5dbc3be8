#pragma once

#include "component/PeriodProviders.h"
#include "suite/PeriodSource.h"

namespace orvan::suite {

// "CostSysData.AisInfo": the calendar of the actual-cost system on the account named by
// PropsString (the login's when it is empty): GL/PeriodCount periods, the current year
// CB/CurrentYear, period days as PeriodCalendar gives them. The count and the year are 0
// when unavailable; GetPeriodDate returns a PeriodResult code (suite/PeriodCalendar.h:
// 0 done, 1 account failed, 2 calendar not set, 3 no such period) with start 0 on failure.
class CostPeriodService : public component::CostPeriodInfo
{
public:
    int32_t CBGetPeriodCount() override;
    int32_t CBGetCurrYear() override;
    int32_t GetPeriodDate(int32_t year, int32_t period, double &start) override;

private:
    PeriodSource m_source;
};

} // namespace orvan::suite
