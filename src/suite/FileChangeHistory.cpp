// The change history of an account file: the program's connections record changes with
// triggers of their own (TEMP), so other programs that write the file need no function of
// ours.
#include "suite/ChangeHistory.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

#include "base/Error.h"
#include "base/Text.h"
#include "db/SqlText.h"
#include "db/SqliteDatabase.h"
#include "db/Transaction.h"
#include "suite/ChangeHistoryParts.h"

namespace orvan::suite {
namespace {

using namespace history;

// The trigger that tells whether the connection's triggers are in place.
constexpr const char *GuardTrigger = "orvan_history_kept";

void textResult(sqlite3_context *context, const std::string &text)
{
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// orvan_change(part): who and what makes the change being recorded.
void changeFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    const auto *part = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    const std::string wanted = part ? part : "";
    if (wanted == "user") {
        const auto id = userId();
        char *end = nullptr;
        const long long number = std::strtoll(id.c_str(), &end, 10);
        if (id.empty() || *end != '\0')
            sqlite3_result_null(context);
        else
            sqlite3_result_int64(context, number);
    } else if (wanted == "name") {
        textResult(context, userName());
    } else if (wanted == "machine") {
        textResult(context, machine());
    } else if (wanted == "action") {
        textResult(context, action());
    } else if (wanted == "pruning") {
        sqlite3_result_int(context, pruning() ? 1 : 0);
    } else {
        sqlite3_result_null(context);
    }
}

// orvan_value(x): a value as the history writes it: text as it is, numbers as text,
// whole numbers without a fraction.
void valueFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    sqlite3_value *value = arguments[0];
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_FLOAT: {
        const double number = sqlite3_value_double(value);
        if (number == std::trunc(number) && std::fabs(number) < 1e15) {
            textResult(context, std::to_string(static_cast<long long>(number)));
            return;
        }
        break;
    }
    default:
        break;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    sqlite3_result_text(context, text ? text : "", sqlite3_value_bytes(value), SQLITE_TRANSIENT);
}

std::vector<std::string> columnsOf(sqlite3 *db, const char *table)
{
    std::vector<std::string> columns;
    sqlite3_stmt *statement = nullptr;
    const std::string sql = std::string("PRAGMA main.table_info(") + table + ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return columns;
    while (sqlite3_step(statement) == SQLITE_ROW)
        columns.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(statement, 1)));
    sqlite3_finalize(statement);
    return columns;
}

std::string recordOf(const RecordedTable &table, const char *row)
{
    std::string record;
    for (const char *column : table.keyColumns)
        record += std::string(record.empty() ? "" : " || '.' || ") + "orvan_value(" + row + "." +
                  column + ")";
    return record;
}

std::string historyInsert(const RecordedTable &table, const std::string &record,
                          const std::string &field, const std::string &oldValue,
                          const std::string &newValue, const std::string &condition)
{
    return "INSERT INTO t_ChangeHistory (FTime, FUserID, FUserName, FMachine, FTable, "
           "FRecord, FField, FOldValue, FNewValue, FAction) SELECT strftime('%Y-%m-%d "
           "%H:%M:%S', 'now'), orvan_change('user'), orvan_change('name'), "
           "orvan_change('machine'), " +
           db::sqlQuote(table.name) + ", " + record + ", " + db::sqlQuote(field) + ", " + oldValue +
           ", " + newValue + ", orvan_change('action') WHERE " + condition + ";\n";
}

// One row per value: an update records each field whose value changed (case counts), an
// insert each field it fills, a delete each field the record held.
std::string triggersOf(const RecordedTable &table, const std::vector<std::string> &columns)
{
    std::string updated, inserted, deleted;
    for (const auto &column : columns) {
        const std::string oldValue = "orvan_value(OLD." + column + ")",
                          newValue = "orvan_value(NEW." + column + ")";
        updated += historyInsert(table, recordOf(table, "NEW"), column, oldValue, newValue,
                                 oldValue + " IS NOT " + newValue);
        const bool namesTheRecord =
            std::any_of(table.keyColumns.begin(), table.keyColumns.end(),
                        [&column](const char *key) { return base::equalsNoCase(key, column); });
        if (namesTheRecord)
            continue;
        inserted += historyInsert(table, recordOf(table, "NEW"), column, "NULL", newValue,
                                  newValue + " IS NOT NULL");
        deleted += historyInsert(table, recordOf(table, "OLD"), column, oldValue, "NULL",
                                 oldValue + " IS NOT NULL");
    }
    const std::string prefix = std::string("CREATE TEMP TRIGGER orvan_history_") + table.name;
    const std::string on = std::string(" ON main.") + table.name + " BEGIN\n";
    return prefix + "_u AFTER UPDATE" + on + updated + "END;\n" + prefix + "_i AFTER INSERT" + on +
           inserted + "END;\n" + prefix + "_d AFTER DELETE" + on + deleted + "END;\n";
}

std::string guardTriggers()
{
    return std::string("CREATE TEMP TRIGGER ") + GuardTrigger +
           " BEFORE UPDATE ON main.t_ChangeHistory BEGIN SELECT RAISE(ABORT, 'history rows "
           "cannot be changed'); END;\n"
           "CREATE TEMP TRIGGER orvan_history_pruned BEFORE DELETE ON main.t_ChangeHistory "
           "WHEN orvan_change('pruning') IS NOT 1 BEGIN SELECT RAISE(ABORT, 'history rows are "
           "removed only by history prune'); END;\n";
}

// orvan_rewritten(): counts a row of a bill-template table changed.
void rewrittenFunction(sqlite3_context *context, int, sqlite3_value **)
{
    ++templateRowsChanged();
    sqlite3_result_null(context);
}

bool hasTable(sqlite3 *db, const char *schema, const char *type, const char *name);

// An update counts once: the account's own trigger that stamps a bill class's version
// (FVersion, FModifyTime) after an update is not a row of its own.
std::string updatedColumns(sqlite3 *db, const char *table)
{
    std::string columns;
    for (const auto &column : columnsOf(db, table)) {
        if (base::equalsNoCase(column, "FVersion") || base::equalsNoCase(column, "FModifyTime"))
            continue;
        columns += (columns.empty() ? "" : ", ") + column;
    }
    return columns;
}

std::string templateCounters(sqlite3 *db)
{
    std::string script;
    for (const char *table : templateTables()) {
        if (!hasTable(db, "main", "table", table))
            continue;
        for (const std::string &event :
             {std::string("INSERT"), "UPDATE OF " + updatedColumns(db, table),
              std::string("DELETE")})
            script += std::string("CREATE TEMP TRIGGER orvan_rewritten_") + table + "_" +
                      event.substr(0, 6) + " AFTER " + event + " ON main." + table +
                      " BEGIN SELECT orvan_rewritten(); END;\n";
    }
    return script;
}

bool hasTable(sqlite3 *db, const char *schema, const char *type, const char *name)
{
    sqlite3_stmt *statement = nullptr;
    const std::string sql = std::string("SELECT 1 FROM ") + schema +
                            ".sqlite_master WHERE type=?1 AND name=?2 COLLATE NOCASE";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(statement, 1, type, -1, SQLITE_STATIC);
    sqlite3_bind_text(statement, 2, name, -1, SQLITE_STATIC);
    const bool found = sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    return found;
}

enum class AccountTables { None, WithoutHistory, WithHistory };

// Whether the file holds an account, and one with a history: one look at the schema, as a
// connection is opened.
AccountTables accountTables(sqlite3 *db)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT count(*), max(lower(name) = 't_changehistory') FROM "
                           "main.sqlite_master WHERE type = 'table' AND lower(name) IN "
                           "('t_systemprofile', 't_changehistory')",
                           -1, &statement, nullptr) != SQLITE_OK)
        return AccountTables::None;
    AccountTables tables = AccountTables::None;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const int found = sqlite3_column_int(statement, 0);
        const bool history = sqlite3_column_int(statement, 1) != 0;
        tables = found == 2               ? AccountTables::WithHistory
                 : found == 1 && !history ? AccountTables::WithoutHistory
                                          : AccountTables::None;
    }
    sqlite3_finalize(statement);
    return tables;
}

void run(sqlite3 *db, const std::string &script)
{
    char *message = nullptr;
    if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(db);
        sqlite3_free(message);
        throw base::Error(HistoryError, "change history: " + text, "OrvanConnection");
    }
}

// In the write transaction just begun: the history table and this connection's triggers,
// unless they are there already.
void keepHistory(sqlite3 *db)
{
    if (hasTable(db, "temp", "trigger", GuardTrigger) ||
        !hasTable(db, "main", "table", "t_SystemProfile"))
        return;
    std::string script = guardTriggers() + templateCounters(db);
    if (!hasTable(db, "main", "table", HistoryTable))
        script = HistorySchema + script;
    for (const auto &table : recordedTables()) {
        const auto columns = columnsOf(db, table.name);
        if (!columns.empty())
            script += triggersOf(table, columns);
    }
    run(db, script);
}

} // namespace

void recordChangesOf(db::SqliteDatabase &account)
{
    sqlite3_create_function(account.handle(), "orvan_change", 1, SQLITE_UTF8, nullptr,
                            changeFunction, nullptr, nullptr);
    sqlite3_create_function(account.handle(), "orvan_rewritten", 0, SQLITE_UTF8, nullptr,
                            rewrittenFunction, nullptr, nullptr);
    sqlite3_create_function(account.handle(), "orvan_value", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                            nullptr, valueFunction, nullptr, nullptr);
    account.setWriteBegunHook([&account] { keepHistory(account.handle()); });
    // An account the program has not written before gets its (empty) history at once, so
    // that it does not appear later beside some unrelated change.
    if (accountTables(account.handle()) != AccountTables::WithoutHistory)
        return;
    try {
        db::Transaction transaction(account);
        transaction.commit();
    } catch (const std::exception &) {
        // An account that can only be read keeps no history; its changes fail anyway.
    }
}

bool fileKeepsHistory(db::SqliteDatabase &account)
{
    return hasTable(account.handle(), "main", "table", HistoryTable);
}

} // namespace orvan::suite
