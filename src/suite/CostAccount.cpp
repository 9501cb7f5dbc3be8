#include "suite/CostAccount.h"

#include <cmath>

#include "base/DateTime.h"
#include "base/Text.h"
#include "component/LoginContext.h"
#include "db/Database.h"
#include "db/SqlText.h"

namespace orvan::suite {
namespace {

std::string loginEntry(const std::string &props, const char *name)
{
    return component::parseLoginPropsText(props).value(name).text();
}

std::string profileCondition(const std::string &category, const std::string &key)
{
    return "FCategory=" + db::sqlQuote(category) + " AND FKey=" + db::sqlQuote(key);
}

} // namespace

CostAccount::CostAccount(const std::string &props)
    : m_connection(loginEntry(props, "ConnectString"))
    , m_language(loginEntry(props, "LANGUAGE"))
{}

db::RecordsetPtr CostAccount::execute(const std::string &batch)
{
    return m_connection.Execute(batch);
}

std::optional<ProfileRow> CostAccount::profileRow(const std::string &category,
                                                  const std::string &key)
{
    auto rows = execute("SELECT FValue, FDescription, FReadonly FROM t_SystemProfile WHERE " +
                        profileCondition(category, key));
    if (!rows || rows->isEOF())
        return std::nullopt;
    ProfileRow row;
    row.value = rows->Fields("FValue").Value().text();
    row.description = rows->Fields("FDescription").Value().text();
    row.readOnly = rows->Fields("FReadonly").Value().toLong();
    return row;
}

void CostAccount::writeProfileValue(const std::string &category, const std::string &key,
                                    const std::string &value)
{
    const auto where = profileCondition(category, key);
    execute("IF EXISTS(SELECT 1 FROM t_SystemProfile WHERE " + where + ")\r\n" +
            "UPDATE t_SystemProfile SET FValue=" + db::sqlQuote(value) + " WHERE " + where +
            "\r\nELSE\r\n" + "INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES(" +
            db::sqlQuote(category) + "," + db::sqlQuote(key) + "," + db::sqlQuote(value) + ")");
}

void CostAccount::forgetCalendarWhenChanged()
{
    const auto stamp = m_connection.database().changeStamp();
    if (m_calendarStamp == stamp)
        return;
    m_calendarStamp = stamp;
    m_calendarSettings.reset();
    m_periodDatesByYear.clear();
}

std::optional<std::string> CostAccount::calendarSetting(std::string_view category,
                                                        std::string_view key)
{
    if (!m_calendarSettings) {
        std::vector<CalendarSetting> settings;
        auto rows = execute("SELECT FCategory, FKey, FValue FROM t_SystemProfile WHERE FKey IN "
                            "('PeriodCount','PeriodDefineMethod','PeriodDates','CurrentYear')");
        for (; rows && !rows->isEOF(); rows->MoveNext())
            settings.push_back({rows->Fields(0).Value().text(), rows->Fields(1).Value().text(),
                                rows->Fields(2).Value().text()});
        m_calendarSettings = std::move(settings);
    }
    for (const auto &setting : *m_calendarSettings)
        if (base::equalsNoCase(setting.category, category) && base::equalsNoCase(setting.key, key))
            return setting.value;
    return std::nullopt;
}

namespace {

// A stored date as a whole day; nothing when the value is no date.
std::optional<double> storedDay(const base::Variant &value)
{
    if (!base::isDate(value))
        return std::nullopt;
    return base::dateOnly(value.toDate());
}

} // namespace

const CostAccount::StoredPeriod *CostAccount::storedPeriodDates(int32_t year, int32_t period)
{
    auto found = m_periodDatesByYear.find(year);
    if (found == m_periodDatesByYear.end()) {
        PeriodDates dates;
        auto rows = execute("SELECT FPeriod, FStartDate, FEndDate FROM t_PeriodDate WHERE FYear=" +
                            db::sqlNumber(year));
        for (; rows && !rows->isEOF(); rows->MoveNext()) {
            const double number = rows->Fields(0).Value().toDouble();
            if (number == std::floor(number) && std::abs(number) <= INT32_MAX)
                dates.emplace(static_cast<int32_t>(number),
                              StoredPeriod{storedDay(rows->Fields(1).Value()),
                                           storedDay(rows->Fields(2).Value())});
        }
        found = m_periodDatesByYear.emplace(year, std::move(dates)).first;
    }
    const auto dates = found->second.find(period);
    return dates == found->second.end() ? nullptr : &dates->second;
}

} // namespace orvan::suite
