#include "db/Database.h"

#include "db/BatchCompiler.h"
#include "db/DbError.h"
#include "db/PreparedBatch.h"
#include "db/SqlFunctions.h"
#include "db/Token.h"
#include "db/Transaction.h"

#include <sqlite3.h>

#include <unistd.h>
#include <utility>

#include <filesystem>
#include <system_error>

namespace orvan::db {

bool Database::NameLess::operator()(const std::string &a, const std::string &b) const
{
    return toUpper(a) < toUpper(b);
}

Database::Database(const std::string &path, OpenMode mode)
    : m_path(path)
{
    try {
        open(mode);
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

Database::~Database()
{
    m_cache.clear(); // finalize statements before closing
    for (const auto &entry : m_controlStatements)
        sqlite3_finalize(entry.second);
    sqlite3_close_v2(m_db);
}

// Opening an account never writes to it: the journal mode is set when the account is
// created, and a file that cannot be written (or whose folder cannot hold the journal)
// is opened read-only.
void Database::open(OpenMode mode)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    if (mode == OpenMode::Create) {
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    } else {
        refuseEmptyFile();
        m_readOnly = mode == OpenMode::ReadOnly || !writable(m_path);
        flags |= m_readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    }
    if (const int opened = sqlite3_open_v2(m_path.c_str(), &m_db, flags, nullptr);
        opened != SQLITE_OK)
        throw engineError(opened,
                          m_path + ": " + (m_db ? sqlite3_errmsg(m_db) : "cannot open the file"));
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

sqlite3_stmt *Database::controlStatement(const char *sql)
{
    auto &statement = m_controlStatements[sql];
    if (!statement && sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
        throw engineError(sqlite3_extended_errcode(m_db), sqlite3_errmsg(m_db));
    return statement;
}

std::pair<int64_t, int64_t> Database::changeStamp()
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

void Database::runControl(const char *sql)
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

void Database::run(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        throw engineError(sqlite3_extended_errcode(m_db), m_path + ": " + text);
    }
}

void Database::refuseEmptyFile() const
{
    std::error_code error;
    if (std::filesystem::is_regular_file(m_path, error) &&
        std::filesystem::file_size(m_path, error) == 0 && !error)
        throw sqlError(m_path + ": the file is empty, not an account database");
}

bool Database::writable(const std::string &path)
{
    auto folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    return ::access(path.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

void Database::refuseWriteWhenReadOnly() const
{
    if (m_readOnly)
        throw readOnlyError(m_path);
}

template <class Body>
decltype(auto) Database::notingFailures(Body &&body)
{
    try {
        return body();
    } catch (const base::Error &error) {
        noteFailure(error);
        throw;
    }
}

void Database::useWriteAheadLogOnce()
{
    if (std::exchange(m_journalModeChecked, true) || m_readOnly)
        return;
    // Another connection holding the file keeps the mode as it is: that is no error.
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
}

void Database::noteFailure(const base::Error &error)
{
    if (m_outerTransactionOpen && error.isAccountUnavailable() && !m_outerFailure)
        m_outerFailure = error;
}

namespace {

Database::BatchObserver &batchObserver()
{
    static Database::BatchObserver observer;
    return observer;
}

} // namespace

void Database::observeBatches(BatchObserver observer)
{
    batchObserver() = std::move(observer);
}

RecordsetPtr Database::execute(std::string_view batch)
{
    if (const auto &observer = batchObserver())
        observer(batch);
    return notingFailures([&] {
        const std::shared_ptr<PreparedBatch> prepared = preparedBatch(batch);
        if (prepared->writes())
            refuseWriteWhenReadOnly();
        // One query reads a consistent snapshot by itself; a transaction the engine ended
        // after an error must still refuse it (the Transaction does).
        if (prepared->isLoneRead() && !(m_outerTransactionOpen && sqlite3_get_autocommit(m_db)))
            return prepared->run(*this);
        Transaction transaction(*this, prepared->writes() ? Transaction::Kind::Write
                                                          : Transaction::Kind::Read);
        RecordsetPtr result = prepared->run(*this);
        transaction.commit();
        return result;
    });
}

std::shared_ptr<PreparedBatch> Database::preparedBatch(std::string_view batch)
{
    const std::shared_ptr<PreparedBatch> cached = m_cache.find(batch);
    if (cached && !cached->running())
        return cached;
    auto exists = [this](std::string_view name) { return hasProcedure(name); };
    auto prepared = std::make_shared<PreparedBatch>(m_db, compileBatch(batch), exists);
    if (cached)
        return prepared; // the cached one is running (a procedure runs its own batch)
    m_cache.insert(batch, prepared);
    return prepared;
}

void Database::executeNative(std::string_view script)
{
    m_cache.clear(); // the schema may change under the prepared statements
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

void Database::registerProcedure(std::string name, std::vector<ProcedureParameter> parameters,
                                 Procedure body)
{
    RegisteredProcedure procedure{name, std::move(parameters), std::move(body)};
    m_procedures.insert_or_assign(std::move(name), std::move(procedure));
    m_cache.clear(); // batches that failed for a missing procedure may now compile
}

void Database::adoptCatalogProcedures(uint64_t version,
                                      const std::vector<RegisteredProcedure> &procedures)
{
    if (version == m_catalogVersion)
        return;
    for (const auto &name : m_catalogNames)
        m_procedures.erase(name);
    m_catalogNames.clear();
    for (const auto &procedure : procedures) {
        m_procedures.insert_or_assign(procedure.name, procedure);
        m_catalogNames.push_back(procedure.name);
    }
    m_catalogVersion = version;
    m_cache.clear(); // batches that failed for a missing procedure may now compile
}

bool Database::hasProcedure(std::string_view name) const
{
    return m_procedures.count(std::string(name)) > 0;
}

const RegisteredProcedure &Database::procedure(std::string_view name) const
{
    const auto found = m_procedures.find(std::string(name));
    if (found == m_procedures.end())
        throw sqlError("Could not find stored procedure '" + std::string(name) + "'.");
    return found->second;
}

void Database::invoke(const RegisteredProcedure &procedure, std::vector<ProcedureParameter> &bound)
{
    ProcedureCall call(*this, bound);
    procedure.body(call);
}

void Database::callProcedure(std::string_view name, std::vector<ProcedureParameter> &arguments)
{
    const RegisteredProcedure &registered = procedure(name);
    std::vector<ProcedureParameter> bound = registered.bind(arguments);
    notingFailures([&] {
        refuseWriteWhenReadOnly();
        Transaction transaction(*this);
        invoke(registered, bound);
        transaction.commit();
    });
    for (ProcedureParameter &argument : arguments) {
        if (argument.direction == ParameterDirection::Input)
            continue;
        for (const ProcedureParameter &result : bound) {
            if (sameParameterName(result.name, argument.name))
                argument.value = result.value;
        }
    }
}

void Database::runProcedure(std::string_view name, const std::vector<CallArgument> &arguments)
{
    const RegisteredProcedure &registered = procedure(name);
    std::vector<ProcedureParameter> bound = registered.bind(arguments);
    invoke(registered, bound);
}

} // namespace orvan::db
