#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "component/ChangeHistoryQuery.h"

namespace orvan::db {
class Database;
class SqliteDatabase;
class PostgresDatabase;
} // namespace orvan::db

namespace orvan::component {
class ConnectionComponent;
}

namespace orvan::suite {

// The account's change history: a row in t_ChangeHistory for every value the program
// changes in the account's parameter tables, written by the change's own statement in
// its own transaction, so that a change that fails or is refused leaves none and no row
// outlives its change. A row holds the time (UTC), the login's user id and name, the
// machine, the table, the record's key, the field, the old and new values, and the
// action: the command ("profile set", "sql", "script"), with the window node the
// change came from ("gui sys9").
inline constexpr const char *HistoryTable = "t_ChangeHistory";

// The command words of this process, recorded as the start of each row's action.
void setChangeCommand(std::string words);

// Makes a program connection record its changes: creates the history table when the
// account has none yet; a connection to an account file gets its own triggers on the
// parameter tables, a server account has them for every connection. A connection to a
// database that holds no account is left as it is.
void recordChangesOf(db::SqliteDatabase &account);
void recordChangesOf(db::PostgresDatabase &account);
bool fileKeepsHistory(db::SqliteDatabase &account);

// Who and what makes the changes, as a server's orvan.actor setting holds it.
std::string actorText();

using component::HistoryQuery;

// The rows as text: time, user id, user name, machine, table, record, field, old value,
// new value, action; nothing when the account keeps no history yet.
std::vector<std::vector<std::string>> readHistory(db::Database &account, const HistoryQuery &query);

// The day a text names as yyyy-mm-dd (or yyyy/mm/dd); nothing for any other text or a
// day no calendar has.
std::optional<std::string> historyDay(std::string_view text);

// One history row for a change the rows of which are not recorded one by one.
void recordSummary(db::Database &account, const std::string &table, const std::string &record,
                   const std::string &field, const std::string &oldText,
                   const std::string &newText);

// Counts the rows of the bill-template tables changed from its start, inside one
// transaction of the program; record() writes them as one history row ("templates",
// the record, "<n> rows rewritten") when there were any.
class TemplateRewrite
{
public:
    // Counts nothing on a connection other than the program's own.
    explicit TemplateRewrite(component::ConnectionComponent &connection);
    void record(const std::string &record);

private:
    db::Database *m_account = nullptr;
};

// Whether the account holds a change history yet.
bool historyKept(db::Database &account);

// Removes the rows from before a day ("yyyy-mm-dd") and records that it did; the number
// of rows removed. Only the account's administrator may; others get an error.
int64_t pruneHistory(db::Database &account, const std::string &before);

} // namespace orvan::suite
