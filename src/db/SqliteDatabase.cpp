#include "db/SqliteDatabase.h"

#include "db/BatchCompiler.h"
#include "db/DbError.h"
#include "db/SqlFunctions.h"
#include "db/SqliteStatement.h"
#include "db/Transaction.h"

#include <sqlite3.h>

#include <unistd.h>
#include <utility>

#include <filesystem>
#include <system_error>

namespace orvan::db {

SqliteDatabase::SqliteDatabase(const std::string &path, OpenMode mode)
    : Database(path)
{
    try {
        open(mode);
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

SqliteDatabase::~SqliteDatabase()
{
    forgetPreparedBatches(); // finalize statements before closing
    for (const auto &entry : m_controlStatements)
        sqlite3_finalize(entry.second);
    sqlite3_close_v2(m_db);
}

// Opening an account never writes to it: the journal mode is set when the account is
// created, and a file that cannot be written (or whose folder cannot hold the journal)
// is opened read-only.
void SqliteDatabase::open(OpenMode mode)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    if (mode == OpenMode::Create) {
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    } else {
        refuseEmptyFile();
        setReadOnly(mode == OpenMode::ReadOnly || !writable(path()));
        flags |= readOnly() ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    }
    if (const int opened = sqlite3_open_v2(path().c_str(), &m_db, flags, nullptr);
        opened != SQLITE_OK)
        throw engineError(opened,
                          path() + ": " + (m_db ? sqlite3_errmsg(m_db) : "cannot open the file"));
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    installSqlFunctions(m_db);
    // Reading the schema reads the file header: a file that is not a database fails here.
    run(mode == OpenMode::Create ? "PRAGMA journal_mode=WAL; PRAGMA foreign_keys=ON"
                                 : "PRAGMA foreign_keys=ON; SELECT count(*) FROM sqlite_master");
    // One connection serves the whole process: keep what it read, so a large list does
    // not push out the pages of the next one.
    run("PRAGMA cache_size=-32768");
}

sqlite3_stmt *SqliteDatabase::controlStatement(const char *sql)
{
    auto &statement = m_controlStatements[sql];
    if (!statement && sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
        throw engineError(sqlite3_extended_errcode(m_db), sqlite3_errmsg(m_db));
    return statement;
}

std::pair<int64_t, int64_t> SqliteDatabase::changeStamp()
{
    // data_version moves on commits of other connections, total_changes on this one's.
    sqlite3_stmt *version = controlStatement("PRAGMA data_version");
    if (sqlite3_step(version) != SQLITE_ROW) {
        const int code = sqlite3_extended_errcode(m_db);
        const std::string message = sqlite3_errmsg(m_db);
        sqlite3_reset(version);
        throw engineError(code, message);
    }
    const int64_t otherCommits = sqlite3_column_int64(version, 0);
    sqlite3_reset(version);
    return {otherCommits, sqlite3_total_changes64(m_db)};
}

int64_t SqliteDatabase::rowsChanged()
{
    return sqlite3_total_changes64(m_db);
}

void SqliteDatabase::runControl(const char *sql)
{
    sqlite3_stmt *statement = controlStatement(sql);
    if (sqlite3_step(statement) != SQLITE_DONE) {
        const int code = sqlite3_extended_errcode(m_db);
        const std::string message = sqlite3_errmsg(m_db);
        sqlite3_reset(statement);
        throw engineError(code, message);
    }
    sqlite3_reset(statement);
}

void SqliteDatabase::run(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        throw engineError(sqlite3_extended_errcode(m_db), path() + ": " + text);
    }
}

void SqliteDatabase::refuseEmptyFile() const
{
    std::error_code error;
    if (std::filesystem::is_regular_file(path(), error) &&
        std::filesystem::file_size(path(), error) == 0 && !error)
        throw sqlError(path() + ": the file is empty, not an account database");
}

bool SqliteDatabase::writable(const std::string &path)
{
    auto folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    return ::access(path.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

void SqliteDatabase::useWriteAheadLogOnce()
{
    if (std::exchange(m_journalModeChecked, true) || readOnly())
        return;
    // Another connection holding the file keeps the mode as it is: that is no error.
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
}

void SqliteDatabase::executeNative(std::string_view script)
{
    forgetPreparedBatches(); // the schema may change under the prepared statements
    notingFailures([&] {
        refuseWriteWhenReadOnly();
        Transaction transaction(*this);
        char *message = nullptr;
        const std::string text(script);
        if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string error = message ? message : sqlite3_errmsg(m_db);
            sqlite3_free(message);
            throw engineError(sqlite3_extended_errcode(m_db), error);
        }
        transaction.commit();
    });
}

PreparedStatementPtr SqliteDatabase::prepare(const std::string &sql)
{
    return std::make_unique<SqliteStatement>(m_db, sql);
}

BatchPlan SqliteDatabase::compile(std::string_view batch)
{
    return compileBatch(batch);
}

bool SqliteDatabase::inTransaction()
{
    return sqlite3_get_autocommit(m_db) == 0;
}

void SqliteDatabase::beginOuterTransaction(bool write)
{
    if (write)
        useWriteAheadLogOnce();
    runControl(write ? "BEGIN IMMEDIATE" : "BEGIN");
    if (write) {
        try {
            writeBegun();
        } catch (...) {
            runControl("ROLLBACK");
            throw;
        }
    }
}

} // namespace orvan::db
