#pragma once

#include "component/PeriodProviders.h"
#include "suite/PeriodSource.h"

namespace orvan::suite {

// "OrvanMOPCostSystemData.AisInfo": the calendar of the operation-cost system: GL/PeriodCount
// periods, the current year OPCost/CurrentYear, period days as PeriodCalendar gives them.
// An empty props stands for the one given last (the login's when none was). The count and
// the year are 0 when unavailable; GetPeriodDate returns a PeriodResult code
// (suite/PeriodCalendar.h: 0 done, 1 account failed, 2 calendar not set, 3 no such period)
// with start 0 on failure.
class OperationCostPeriodService : public component::OperationCostPeriodInfo
{
public:
    int32_t OPCostGetPeriodCount(const std::string &props) override;
    int32_t OPCostGetCurrYear(const std::string &props) override;
    int32_t GetPeriodDate(int32_t year, int32_t period, double &start,
                          const std::string &props = {}) override;

private:
    PeriodSource m_source;
};

} // namespace orvan::suite
