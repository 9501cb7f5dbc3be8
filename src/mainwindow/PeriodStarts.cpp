#include "mainwindow/PeriodStarts.h"

#include <cmath>

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

std::string dateText(double serial, const char *pattern)
{
    return serial == 0 ? std::string() : base::formatDate(serial, pattern);
}

PeriodDates costDates(int32_t period, const std::string &props)
{
    auto info = provider<component::CostPeriodInfo>(component::ProgId::CostPeriods);
    info->PropsString = props;
    const auto count = info->CBGetPeriodCount();
    const auto year = info->CBGetCurrYear();
    PeriodDates dates;
    dates.result = info->GetPeriodDate(year, period, dates.start);
    double next = 0;
    if (period >= count)
        info->GetPeriodDate(year + 1, 1, next);
    else
        info->GetPeriodDate(year, period + 1, next);
    dates.nextOrEnd = dateText(next, "yyyy/mm/dd");
    return dates;
}

PeriodDates operationCostDates(int32_t period, const std::string &props)
{
    auto info =
        provider<component::OperationCostPeriodInfo>(component::ProgId::OperationCostPeriods);
    const auto count = info->OPCostGetPeriodCount(props);
    const auto year = info->OPCostGetCurrYear(props);
    PeriodDates dates;
    dates.result = info->GetPeriodDate(year, period, dates.start, props);
    double next = 0;
    if (period >= count)
        info->GetPeriodDate(year + 1, 1, next);
    else
        info->GetPeriodDate(year, period + 1, next);
    dates.nextOrEnd = dateText(next, "yyyy/mm/dd");
    return dates;
}

PeriodDates standardCostDates(int32_t period, const std::string &props)
{
    auto info = provider<component::StandardCostPeriodInfo>(component::ProgId::StandardCostPeriods);
    const auto count = info->STDCostGetPeriodCount(props);
    const auto year = info->STDCostGetCurrYear(props);
    PeriodDates dates;
    dates.result = info->GetPeriodDate(year, period, dates.start, props);
    double next = 0;
    if (period >= count)
        info->GetPeriodDate(year + 1, 1, next, props);
    else
        info->GetPeriodDate(year, period + 1, next, props);
    dates.nextOrEnd = dateText(next, "yyyy-mm-dd");
    return dates;
}

PeriodDates listServerDates(int32_t period, const std::string &props)
{
    auto server = provider<component::ListServerPeriods>(component::ProgId::ListServer);
    PeriodDates dates;
    double end = 0;
    dates.result = server->GetStartEnd(props, period, dates.start, end);
    dates.start = std::floor(dates.start);
    dates.nextOrEnd = dateText(std::floor(end), "yyyy-mm-dd");
    return dates;
}

} // namespace

PeriodDates periodDates(int32_t period)
{
    PeriodDates dates;
    base::tryStep([&] {
        const auto props = component::LoginPropsString();
        const auto &systemId = component::processState().systemId;
        if (systemId == "0004")
            dates = costDates(period, props);
        else if (systemId == "0005")
            dates = operationCostDates(period, props);
        else if (systemId == "0006")
            dates = standardCostDates(period, props);
        else
            dates = listServerDates(period, props);
    });
    if (dates.result != 0)
        dates.start = 0;
    return dates;
}

} // namespace orvan::mainwindow
