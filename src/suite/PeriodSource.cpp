#include "suite/PeriodSource.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "component/LoginContext.h"
#include "suite/CostAccount.h"

namespace orvan::suite {
namespace {

// The providers are created anew for every period the window asks for; the account they
// read stays open between them (the last one named), so a list of periods opens it once.
std::shared_ptr<CostAccount> sharedAccount(const std::string &props)
{
    static std::string openProps;
    static std::shared_ptr<CostAccount> open;
    if (!open || props != openProps) {
        open.reset();
        open = std::make_shared<CostAccount>(props);
        openProps = props;
    }
    return open;
}

} // namespace

PeriodSource::PeriodSource() = default;
PeriodSource::~PeriodSource() = default;

PeriodCalendar PeriodSource::calendar(const std::string &props)
{
    auto wanted = props.empty() ? m_props : props;
    if (wanted.empty())
        wanted = component::LoginPropsString();
    if (!m_account || wanted != m_props) {
        m_account.reset();
        m_props = wanted;
        m_account = sharedAccount(wanted);
    }
    m_account->forgetCalendarWhenChanged(); // once per question
    return PeriodCalendar(*m_account);
}

int32_t PeriodSource::periodCount(const std::string &props)
{
    try {
        return calendar(props).periodCount().value_or(0);
    } catch (const std::exception &) {
        return 0;
    }
}

int32_t PeriodSource::currentYear(const std::string &props, const char *category)
{
    try {
        return calendar(props).currentYear(category).value_or(0);
    } catch (const std::exception &) {
        return 0;
    }
}

int32_t PeriodSource::periodSpan(const std::string &props, int32_t year, int32_t period,
                                 PeriodSpan &span)
{
    span = {};
    try {
        return calendar(props).span(year, period, span);
    } catch (const std::exception &) {
        span = {};
        return PeriodResult::AccountFailed;
    }
}

int32_t PeriodSource::currentYearSpan(const std::string &props, const char *category,
                                      int32_t period, PeriodSpan &span)
{
    span = {};
    try {
        auto periods = calendar(props);
        const auto year = periods.currentYear(category);
        return year ? periods.span(*year, period, span) : PeriodResult::CalendarNotSet;
    } catch (const std::exception &) {
        span = {};
        return PeriodResult::AccountFailed;
    }
}

std::vector<std::pair<int32_t, PeriodSpan>>
PeriodSource::currentYearSpans(const std::string &props, const char *category, int32_t count)
{
    std::vector<std::pair<int32_t, PeriodSpan>> spans(static_cast<size_t>(std::max(count, 0)),
                                                      {PeriodResult::AccountFailed, {}});
    std::optional<PeriodCalendar> periods;
    std::optional<int32_t> year;
    std::optional<int32_t> periodCount;
    try {
        periods.emplace(calendar(props));
        year = periods->currentYear(category);
        periodCount = periods->periodCount();
    } catch (const std::exception &) {
        return spans;
    }
    for (int32_t period = 1; period <= count; ++period) {
        auto &[result, span] = spans[static_cast<size_t>(period - 1)];
        try {
            result = year ? periods->span(*year, period, periodCount, span)
                          : PeriodResult::CalendarNotSet;
        } catch (const std::exception &) {
            result = PeriodResult::AccountFailed;
            span = {};
        }
    }
    return spans;
}

} // namespace orvan::suite
