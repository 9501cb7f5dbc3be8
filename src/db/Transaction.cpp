#include "db/Transaction.h"

#include "db/Database.h"
#include "db/DbError.h"

#include <sqlite3.h>

namespace orvan::db {

namespace {

constexpr const char *SavepointName = "orvan_nested";

} // namespace

Transaction::Transaction(Database &database, Kind kind)
    : m_db(database.handle())
    , m_nested(sqlite3_get_autocommit(m_db) == 0)
{
    if (m_nested)
        run((std::string("SAVEPOINT ") + SavepointName).c_str());
    else
        run(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction()
{
    if (m_finished)
        return;
    if (m_nested) {
        const std::string sql =
            std::string("ROLLBACK TO ") + SavepointName + "; RELEASE " + SavepointName;
        sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    } else if (sqlite3_get_autocommit(m_db) == 0) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit()
{
    run(m_nested ? (std::string("RELEASE ") + SavepointName).c_str() : "COMMIT");
    m_finished = true;
}

void Transaction::run(const char *sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw engineError(sqlite3_extended_errcode(m_db), sqlite3_errmsg(m_db));
}

} // namespace orvan::db
