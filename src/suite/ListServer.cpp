#include "suite/ListServer.h"

namespace orvan::suite {

int32_t ListServer::GetStartEnd(const std::string &props, int32_t period, double &start,
                                double &end)
{
    PeriodSpan span;
    const auto result = m_source.currentYearSpan(props, "IC", period, span);
    start = span.start;
    end = span.end;
    return result;
}

} // namespace orvan::suite
