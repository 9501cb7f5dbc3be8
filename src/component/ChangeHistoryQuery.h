#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvan::component {

// Which rows of the account's change history (t_ChangeHistory) to list: those of a key
// (a record key, its last part, or a table), of some tables or records beginning with
// some prefixes (any of them), from a day on, of a user; the newest first, at most limit
// rows (0: all).
struct HistoryQuery
{
    std::string key;
    std::vector<std::string> keys; // more keys, as key
    std::vector<std::string> tables;
    std::vector<std::string> recordPrefixes;
    std::string since; // yyyy-mm-dd
    std::optional<int32_t> user;
    int32_t limit = 0;
};

// The query for those rows: time, user id, user name, machine, table, record, field, old
// value, new value, action.
std::string historySql(const HistoryQuery &query);

// The changes of one record of a table, the newest first: time, user name, user id. The
// record is its key, or a key's last part ("CurrentYear" for "IC.CurrentYear").
std::string recordChangesSql(const std::string &table, const std::string &record);

} // namespace orvan::component
