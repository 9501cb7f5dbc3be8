#include "db/Transaction.h"

#include "db/Database.h"
#include "db/DbError.h"

#include <sqlite3.h>

namespace orvan::db {

namespace {

constexpr const char *SavepointName = "orvan_nested";

} // namespace

Transaction::Transaction(Database &database, Kind kind)
    : m_database(database)
    , m_db(database.handle())
    , m_nested(sqlite3_get_autocommit(m_db) == 0)
{
    if (!m_nested && m_database.m_outerTransactionOpen) {
        // The engine ended the outer transaction after an error: what would run now
        // would be saved on its own, outside the change it belongs to.
        m_finished = true;
        const auto &failure = m_database.m_outerFailure;
        throw base::Error::accountUnavailable(
            failure ? failure->accountFailure() : base::AccountFailure::NotWritten, SqlErrorNumber,
            "The change was ended by an earlier error and nothing of it was saved (" +
                (failure ? failure->description() : std::string()) + ")",
            ErrorSource);
    }
    if (m_nested) {
        run((std::string("SAVEPOINT ") + SavepointName).c_str());
        return;
    }
    if (kind == Kind::Write)
        m_database.useWriteAheadLogOnce();
    run(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
    m_database.m_outerTransactionOpen = true;
    m_database.m_outerFailure.reset();
}

Transaction::~Transaction()
{
    if (m_finished)
        return;
    if (m_nested) {
        const std::string sql =
            std::string("ROLLBACK TO ") + SavepointName + "; RELEASE " + SavepointName;
        sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
        return;
    }
    if (sqlite3_get_autocommit(m_db) == 0)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    finishOuter();
}

void Transaction::commit()
{
    if (m_nested) {
        run((std::string("RELEASE ") + SavepointName).c_str());
        m_finished = true;
        return;
    }
    if (m_database.m_outerFailure) {
        const base::Error failure = *m_database.m_outerFailure;
        if (sqlite3_get_autocommit(m_db) == 0)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        finishOuter();
        throw base::Error::accountUnavailable(failure.accountFailure(), SqlErrorNumber,
                                              "The change was not saved: " + failure.description(),
                                              ErrorSource);
    }
    try {
        run("COMMIT");
    } catch (...) {
        if (sqlite3_get_autocommit(m_db) == 0)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        finishOuter();
        throw;
    }
    finishOuter();
}

void Transaction::finishOuter()
{
    m_finished = true;
    m_database.m_outerTransactionOpen = false;
    m_database.m_outerFailure.reset();
}

void Transaction::run(const char *sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw engineError(sqlite3_extended_errcode(m_db), sqlite3_errmsg(m_db));
}

} // namespace orvan::db
