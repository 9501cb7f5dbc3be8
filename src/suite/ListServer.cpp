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

std::vector<ListServer::StartEnd> ListServer::GetStartEnds(const std::string &props, int32_t count)
{
    std::vector<StartEnd> answers;
    for (const auto &[result, span] : m_source.currentYearSpans(props, "IC", count))
        answers.push_back({result, span.start, span.end});
    return answers;
}

} // namespace orvan::suite
