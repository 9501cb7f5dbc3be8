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
// own calendars; any other: the list server) for a period of its current year. A
// provider that is missing or fails gives a result other than 0 and no start.
PeriodDates periodDates(int32_t period);
// The start of each period of the current year, from one provider asked once for the
// year where it can answer so (0 where it gives none).
std::vector<double> periodStartsOfYear(int32_t periodCount);

} // namespace orvan::mainwindow
