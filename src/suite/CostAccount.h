#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Variant.h"
#include "db/Recordset.h"
#include "suite/AppConnection.h"

namespace orvan::suite {

// A system profile row as the cost components read it.
struct ProfileRow
{
    std::string value; // FValue ("" for NULL)
    std::string description;
    int32_t readOnly = 0;
};

// The account of a login, as the cost components reach it: the login's shared property
// string names the account ("ConnectString") and the language of the texts ("LANGUAGE").
// Every call raises base::Error when the account cannot be opened or a statement fails.
class CostAccount
{
public:
    explicit CostAccount(const std::string &props);

    // Runs one batch in one transaction; the rows of its last query, or null.
    db::RecordsetPtr execute(const std::string &batch);

    // The row of t_SystemProfile for the category and key, when there is one.
    std::optional<ProfileRow> profileRow(const std::string &category, const std::string &key);
    // Sets the value, adding the row when absent, in one transaction.
    void writeProfileValue(const std::string &category, const std::string &key,
                           const std::string &value);

    // The period calendar's settings and dates, read once and kept until
    // forgetCalendarWhenChanged() finds the account changed (callers check once per
    // question): a list of periods asks for the same rows once per period.
    void forgetCalendarWhenChanged();
    // FValue of a calendar setting (GL PeriodCount, PeriodDefineMethod, PeriodDates; any
    // category's CurrentYear), "" for NULL; nothing when the row is absent.
    std::optional<std::string> calendarSetting(std::string_view category, std::string_view key);
    // FStartDate and FEndDate of a t_PeriodDate row as whole days, each nothing when the
    // column holds no date.
    struct StoredPeriod
    {
        std::optional<double> start;
        std::optional<double> end;
    };
    // The row of a period, null when there is none; valid until the next call.
    const StoredPeriod *storedPeriodDates(int32_t year, int32_t period);

    // The login's language ("chs", "CHT", "EN"; "" when absent).
    const std::string &language() const { return m_language; }

private:
    struct CalendarSetting
    {
        std::string category;
        std::string key;
        std::string value;
    };
    using PeriodDates = std::map<int32_t, StoredPeriod>;

    AppConnection m_connection;
    std::string m_language;
    std::optional<std::pair<int64_t, int64_t>> m_calendarStamp;
    std::optional<std::vector<CalendarSetting>> m_calendarSettings;
    std::map<int32_t, PeriodDates> m_periodDatesByYear;
};

} // namespace orvan::suite
