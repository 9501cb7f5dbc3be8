#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvan::mainwindow {

// The accounting periods of the current year as the period list shows them, one row text
// per period from period 1: "||" + period + "|" + start date "yyyy-mm-dd" + "|". The
// year, period count and period dates come from the profile ("IC" CurrentYear, "GL"
// PeriodCount and PeriodDates); currentYear receives the year. A period whose start date
// cannot be had shows an empty date.
std::vector<std::string> periodListRows(int32_t &currentYear);

// The profile rows the list is built from.
std::string periodProfileSql();

} // namespace orvan::mainwindow
