#include "suite/CostPeriodService.h"

namespace orvan::suite {

int32_t CostPeriodService::CBGetPeriodCount()
{
    return m_source.periodCount(PropsString);
}

int32_t CostPeriodService::CBGetCurrYear()
{
    return m_source.currentYear(PropsString, "CB");
}

int32_t CostPeriodService::GetPeriodDate(int32_t year, int32_t period, double &start)
{
    PeriodSpan span;
    const auto result = m_source.periodSpan(PropsString, year, period, span);
    start = span.start;
    return result;
}

} // namespace orvan::suite
