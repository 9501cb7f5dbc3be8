#include "mainwindow/PeriodStarts.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "base/Error.h"
#include "base/Format.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/PeriodProviders.h"
#include "component/ProcessState.h"

namespace orvan::mainwindow {
namespace {

using component::ComponentRegistry;

template <class T>
std::shared_ptr<T> provider(const char *progId)
{
    return ComponentRegistry::instance().createAs<T>(progId);
}

std::string dateText(double serial)
{
    return serial == 0 ? std::string() : base::formatDate(serial, "yyyy-mm-dd");
}

// A cost system's own period calendar, as the period list asks it.
struct CostCalendar
{
    std::function<int32_t()> periodCount;
    std::function<int32_t()> currentYear;
    std::function<int32_t(int32_t year, int32_t period, double &start)> startOf;
};

// A period's start and the next period's start (period 1 of the next year after the
// last period) from a cost system's calendar.
PeriodDates calendarDates(const CostCalendar &calendar, int32_t period)
{
    const auto count = calendar.periodCount();
    const auto year = calendar.currentYear();
    PeriodDates dates;
    dates.result = calendar.startOf(year, period, dates.start);
    double next = 0;
    if (period >= count)
        calendar.startOf(year + 1, 1, next);
    else
        calendar.startOf(year, period + 1, next);
    dates.nextOrEnd = dateText(next);
    return dates;
}

// A period's start from a cost system's calendar; 0 when the calendar has none.
double startFrom(const CostCalendar &calendar, int32_t period)
{
    double start = 0;
    base::tryStep([&] {
        if (calendar.startOf(calendar.currentYear(), period, start) != 0)
            start = 0;
    });
    return start;
}

CostCalendar costCalendar(const std::string &props)
{
    auto info = provider<component::CostPeriodInfo>(component::ProgId::CostPeriods);
    info->PropsString = props;
    return {[info] { return info->CBGetPeriodCount(); }, [info] { return info->CBGetCurrYear(); },
            [info](int32_t year, int32_t period, double &start) {
                return info->GetPeriodDate(year, period, start);
            }};
}

CostCalendar operationCostCalendar(const std::string &props)
{
    auto info =
        provider<component::OperationCostPeriodInfo>(component::ProgId::OperationCostPeriods);
    return {[info, props] { return info->OPCostGetPeriodCount(props); },
            [info, props] { return info->OPCostGetCurrYear(props); },
            [info, props](int32_t year, int32_t period, double &start) {
                return info->GetPeriodDate(year, period, start, props);
            }};
}

CostCalendar standardCostCalendar(const std::string &props)
{
    auto info = provider<component::StandardCostPeriodInfo>(component::ProgId::StandardCostPeriods);
    return {[info, props] { return info->STDCostGetPeriodCount(props); },
            [info, props] { return info->STDCostGetCurrYear(props); },
            [info, props](int32_t year, int32_t period, double &start) {
                return info->GetPeriodDate(year, period, start, props);
            }};
}

// The dates of one period from the list server.
PeriodDates listServerDates(component::ListServerPeriods &server, const std::string &props,
                            int32_t period)
{
    PeriodDates dates;
    double end = 0;
    dates.result = server.GetStartEnd(props, period, dates.start, end);
    dates.start = std::floor(dates.start);
    dates.nextOrEnd = dateText(std::floor(end));
    return dates;
}

// The calendar of a calling cost system ("0004", "0005", "0006"); nothing for any other
// subsystem, which the list server serves.
std::optional<CostCalendar> costCalendarOfSubsystem(const std::string &props)
{
    const auto &systemId = component::processState().systemId;
    if (systemId == "0004")
        return costCalendar(props);
    if (systemId == "0005")
        return operationCostCalendar(props);
    if (systemId == "0006")
        return standardCostCalendar(props);
    return std::nullopt;
}

// The dates of a period from the calendar of the calling subsystem, made once.
std::function<PeriodDates(int32_t period)> calendarOfSubsystem()
{
    const auto props = component::LoginPropsString();
    if (const auto calendar = costCalendarOfSubsystem(props))
        return [calendar = *calendar](int32_t period) { return calendarDates(calendar, period); };
    auto server = provider<component::ListServerPeriods>(component::ProgId::ListServer);
    return [server, props](int32_t period) { return listServerDates(*server, props, period); };
}

PeriodDates askedFor(const std::function<PeriodDates(int32_t)> &calendar, int32_t period)
{
    PeriodDates dates;
    base::tryStep([&] { dates = calendar(period); });
    if (dates.result != 0)
        dates.start = 0;
    return dates;
}

} // namespace

std::vector<double> periodStartsOfYear(int32_t periodCount)
{
    std::vector<double> starts(static_cast<size_t>(std::max(periodCount, 0)));
    base::tryStep([&] {
        const auto props = component::LoginPropsString();
        if (const auto calendar = costCalendarOfSubsystem(props)) {
            for (int32_t period = 1; period <= periodCount; ++period)
                starts[static_cast<size_t>(period - 1)] = startFrom(*calendar, period);
            return;
        }
        auto server = provider<component::ListServerPeriods>(component::ProgId::ListServer);
        const auto answers = server->GetStartEnds(props, periodCount);
        for (size_t i = 0; i < answers.size() && i < starts.size(); ++i)
            starts[i] = answers[i].result == 0 ? std::floor(answers[i].start) : 0;
    });
    return starts;
}

PeriodDates periodDates(int32_t period)
{
    std::function<PeriodDates(int32_t)> calendar;
    base::tryStep([&] { calendar = calendarOfSubsystem(); });
    return calendar ? askedFor(calendar, period) : PeriodDates{};
}

} // namespace orvan::mainwindow
