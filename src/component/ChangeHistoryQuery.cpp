#include "component/ChangeHistoryQuery.h"

#include "db/SqlText.h"

namespace orvan::component {
namespace {

std::string anyOf(const HistoryQuery &query)
{
    std::vector<std::string> conditions;
    auto keys = query.keys;
    if (!query.key.empty())
        keys.insert(keys.begin(), query.key);
    for (const auto &text : keys) {
        const auto key = db::sqlQuote(text);
        conditions.push_back("FRecord = " + key + " OR FRecord LIKE " + db::sqlQuote("%." + text) +
                             " OR FTable = " + key);
    }
    for (const auto &table : query.tables)
        conditions.push_back("FTable = " + db::sqlQuote(table));
    for (const auto &prefix : query.recordPrefixes)
        conditions.push_back("FRecord LIKE " + db::sqlQuote(prefix + "%"));
    std::string any;
    for (const auto &condition : conditions)
        any += (any.empty() ? "" : " OR ") + condition;
    return any;
}

} // namespace

std::string historySql(const HistoryQuery &query)
{
    std::string where;
    const auto add = [&where](const std::string &condition) {
        where += (where.empty() ? " WHERE " : " AND ") + condition;
    };
    if (const auto any = anyOf(query); !any.empty())
        add("(" + any + ")");
    if (!query.since.empty())
        add("FTime >= " + db::sqlQuote(query.since));
    if (query.user)
        add("FUserID = " + std::to_string(*query.user));
    return "SELECT FTime, FUserID, FUserName, FMachine, FTable, FRecord, FField, FOldValue, "
           "FNewValue, FAction FROM t_ChangeHistory" +
           where + " ORDER BY FID DESC";
}

std::string recordChangesSql(const std::string &table, const std::string &record)
{
    return "SELECT FTime, FUserName, FUserID FROM t_ChangeHistory WHERE FTable = " +
           db::sqlQuote(table) + " AND (FRecord = " + db::sqlQuote(record) + " OR FRecord LIKE " +
           db::sqlQuote("%." + record) + ") ORDER BY FID DESC";
}

} // namespace orvan::component
