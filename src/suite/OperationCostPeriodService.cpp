#include "suite/OperationCostPeriodService.h"

namespace orvan::suite {

int32_t OperationCostPeriodService::OPCostGetPeriodCount(const std::string &props)
{
    return m_source.periodCount(props);
}

int32_t OperationCostPeriodService::OPCostGetCurrYear(const std::string &props)
{
    return m_source.currentYear(props, "OPCost");
}

int32_t OperationCostPeriodService::GetPeriodDate(int32_t year, int32_t period, double &start,
                                                  const std::string &props)
{
    PeriodSpan span;
    const auto result = m_source.periodSpan(props, year, period, span);
    start = span.start;
    return result;
}

} // namespace orvan::suite
