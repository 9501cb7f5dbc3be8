#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvan::mainwindow {

// What a period-date provider hands back for one period: its start and the next
// period's start (the cost systems) or its end (the list server), as "yyyy-mm-dd".
struct PeriodDates
{
    double start = 0;
    std::string nextOrEnd;
    int32_t result = -1;
};

// Asks the provider of the calling subsystem ("0004", "0005", "0006": the cost systems'
// own calendars; any other: the list server) for the periods of its current year, one
// provider for all of them. A provider that is missing or fails gives a result other
// than 0 and no start.
std::vector<PeriodDates> periodDatesOfYear(int32_t periodCount);
PeriodDates periodDates(int32_t period);

} // namespace orvan::mainwindow
