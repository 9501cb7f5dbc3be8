#include "suite/StandardCostPeriodService.h"

namespace orvan::suite {

int32_t StandardCostPeriodService::STDCostGetPeriodCount(const std::string &props)
{
    return m_source.periodCount(props);
}

int32_t StandardCostPeriodService::STDCostGetCurrYear(const std::string &props)
{
    return m_source.currentYear(props, "StdCost");
}

int32_t StandardCostPeriodService::GetPeriodDate(int32_t year, int32_t period, double &start,
                                                 const std::string &props)
{
    PeriodSpan span;
    const auto result = m_source.periodSpan(props, year, period, span);
    start = span.start;
    return result;
}

} // namespace orvan::suite
