#include "db/PostgresDatabase.h"

#include "db/BatchCompiler.h"
#include "db/DbError.h"
#include "db/LibPq.h"
#include "db/PostgresStatement.h"
#include "db/Token.h"
#include "db/Transaction.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace orvan::db {

namespace {

// The account's write lock: one advisory lock per database, held to the end of a write
// transaction.
constexpr const char *TakeWriteLock = "SELECT pg_advisory_xact_lock(7239000215)";

// The tables and columns of the account, with their declared types.
constexpr const char *SchemaQuery =
    "SELECT c.oid, c.relname, a.attnum, a.attname, format_type(a.atttypid, a.atttypmod) "
    "FROM pg_class c JOIN pg_attribute a ON a.attrelid = c.oid "
    "WHERE c.relnamespace = current_schema()::regnamespace AND c.relkind IN ('r', 'v', 'p') "
    "AND a.attnum > 0 AND NOT a.attisdropped ORDER BY c.oid, a.attnum";

std::string trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

void ignoreNotice(void *, const char *) {}

base::Error serverError(const std::string &sqlState, const std::string &message,
                        const std::string &account)
{
    const std::string kind = sqlState.substr(0, 2);
    if (kind == "08" || sqlState.empty())
        return base::Error::accountUnavailable(
            base::AccountFailure::Unreachable, SqlErrorNumber,
            "The connection to the account server " + account +
                " was lost: the change was not saved; the next action connects again (" + message +
                ")",
            ErrorSource);
    if (sqlState == "40P01" || sqlState == "40001" || sqlState == "55P03")
        return unavailableError(base::AccountFailure::Busy, message);
    if (sqlState == "25006")
        return unavailableError(base::AccountFailure::ReadOnly, message);
    if (kind == "53")
        return unavailableError(base::AccountFailure::NotWritten, message);
    return sqlError(message);
}

} // namespace

PostgresDatabase::PostgresDatabase(const std::string &connection)
    : Database(describe(connection))
    , m_connectionString(connection)
{
    connect();
}

PostgresDatabase::~PostgresDatabase()
{
    m_closing = true;
    forgetPreparedBatches();
    if (m_connection)
        libpq().PQfinish(m_connection);
}

std::string PostgresDatabase::describe(const std::string &connection)
{
    const LibPq &pq = libpq();
    char *error = nullptr;
    PQconninfoOption *options = pq.PQconninfoParse(connection.c_str(), &error);
    if (!options) {
        const std::string why = error ? trimmed(error) : "it cannot be read";
        pq.PQfreemem(error);
        throw sqlError("The account server's connection string is not valid: " + why);
    }
    std::string host, port, database, user;
    for (PQconninfoOption *option = options; option->keyword; ++option) {
        const std::string keyword = option->keyword;
        const std::string value = option->val ? option->val : "";
        if (keyword == "host")
            host = value;
        else if (keyword == "port")
            port = value;
        else if (keyword == "dbname")
            database = value;
        else if (keyword == "user")
            user = value;
    }
    pq.PQconninfoFree(options);
    std::string address; // a socket folder's slashes written %2F, as --db takes it back
    for (char c : host.empty() ? std::string("localhost") : host)
        address += c == '/' ? std::string("%2F") : std::string(1, c);
    return "postgresql://" + (user.empty() ? "" : user + "@") + address +
           (port.empty() ? "" : ":" + port) + "/" + database;
}

void PostgresDatabase::connect()
{
    const LibPq &pq = libpq();
    m_connection = pq.PQconnectdb(m_connectionString.c_str());
    if (pq.PQstatus(m_connection) != CONNECTION_OK) {
        const std::string why = trimmed(pq.PQerrorMessage(m_connection));
        pq.PQfinish(m_connection);
        m_connection = nullptr;
        throw base::Error::accountUnavailable(
            base::AccountFailure::Unreachable, SqlErrorNumber,
            "Cannot open the account on the server " + path() + ": " + why, ErrorSource);
    }
    ++m_connectionNumber;
    pq.PQsetNoticeProcessor(m_connection, ignoreNotice, nullptr);
    libpq().PQclear(
        run("SET client_encoding = 'UTF8'; SET extra_float_digits = 3; LISTEN orvan_changed"));
    ++m_announcedChanges; // whatever happened while it was not listening
    readSchema();
}

bool PostgresDatabase::connectionLost() const
{
    return !m_connection || libpq().PQstatus(m_connection) != CONNECTION_OK;
}

// A connection lost between two transactions is made again; one lost inside a
// transaction stays lost until that transaction has been ended, as its changes are gone.
void PostgresDatabase::reconnectWhenLost()
{
    if (!connectionLost())
        return;
    forgetPreparedBatches();
    if (m_connection)
        libpq().PQfinish(m_connection);
    m_connection = nullptr;
    connect();
}

void PostgresDatabase::readSchema()
{
    const LibPq &pq = libpq();
    PGresult *result = run(SchemaQuery);
    m_names.clear();
    m_declaredTypes.clear();
    const int rows = pq.PQntuples(result);
    for (int r = 0; r < rows; ++r) {
        const unsigned table = static_cast<unsigned>(std::stoul(pq.PQgetvalue(result, r, 0)));
        const std::string tableName = pq.PQgetvalue(result, r, 1);
        const int column = std::stoi(pq.PQgetvalue(result, r, 2));
        const std::string columnName = pq.PQgetvalue(result, r, 3);
        m_names.emplace(toLower(tableName), tableName);
        m_names.emplace(toLower(columnName), columnName);
        m_declaredTypes[{table, column}] = pq.PQgetvalue(result, r, 4);
    }
    pq.PQclear(result);
}

std::string PostgresDatabase::declaredType(unsigned tableId, int column) const
{
    const auto found = m_declaredTypes.find({tableId, column});
    return found == m_declaredTypes.end() ? std::string() : found->second;
}

PGresult *PostgresDatabase::run(const std::string &sql)
{
    const LibPq &pq = libpq();
    PGresult *result = pq.PQexec(m_connection, sql.c_str());
    const ExecStatusType status = pq.PQresultStatus(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail(result);
    return result;
}

void PostgresDatabase::fail(PGresult *result)
{
    const LibPq &pq = libpq();
    const char *state = result ? pq.PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char *primary = result ? pq.PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    std::string sqlState = state ? state : "";
    std::string message = primary ? primary : "";
    pq.PQclear(result);
    if (connectionLost()) {
        sqlState = "08006";
        if (message.empty())
            message = trimmed(m_connection ? pq.PQerrorMessage(m_connection) : "no connection");
    }
    throw serverError(sqlState, message, path());
}

void PostgresDatabase::runControl(const char *sql)
{
    const std::string_view control(sql);
    if (m_readPending) {
        if (control == "COMMIT" || control == "ROLLBACK") {
            m_readPending = false; // nothing was begun on the server
            return;
        }
        beginPendingRead(); // a savepoint nests in a transaction of the server's
    }
    // The server answers COMMIT of a transaction an error ended with a rollback, not an
    // error: that change was not saved, and the caller must hear so.
    if (control == "COMMIT" && !connectionLost() &&
        libpq().PQtransactionStatus(m_connection) == PQTRANS_INERROR) {
        libpq().PQclear(run("ROLLBACK"));
        throw sqlError("The change was not saved: a statement of it failed");
    }
    libpq().PQclear(run(sql));
}

void PostgresDatabase::setTransactionSetting(const std::string &name, const std::string &value)
{
    const LibPq &pq = libpq();
    const char *values[] = {name.c_str(), value.c_str()};
    PGresult *result = pq.PQexecParams(m_connection, "SELECT set_config($1, $2, true)", 2, nullptr,
                                       values, nullptr, nullptr, 0);
    if (pq.PQresultStatus(result) != PGRES_TUPLES_OK)
        fail(result);
    pq.PQclear(result);
}

std::string PostgresDatabase::transactionSetting(const std::string &name)
{
    const LibPq &pq = libpq();
    const char *values[] = {name.c_str()};
    PGresult *result = pq.PQexecParams(m_connection, "SELECT current_setting($1, true)", 1, nullptr,
                                       values, nullptr, nullptr, 0);
    if (pq.PQresultStatus(result) != PGRES_TUPLES_OK)
        fail(result);
    std::string value = pq.PQntuples(result) > 0 && !pq.PQgetisnull(result, 0, 0)
                            ? pq.PQgetvalue(result, 0, 0)
                            : "";
    pq.PQclear(result);
    return value;
}

void PostgresDatabase::executeNative(std::string_view script)
{
    forgetPreparedBatches(); // the schema may change under the prepared statements
    notingFailures([&] {
        refuseWriteWhenReadOnly();
        reconnectWhenLost();
        Transaction transaction(*this);
        libpq().PQclear(run(std::string(script) + ";\nNOTIFY orvan_changed"));
        noteOwnChange();
        transaction.commit();
    });
    readSchema();
}

std::pair<int64_t, int64_t> PostgresDatabase::changeStamp()
{
    // Committed changes of other connections are announced to this one; what arrived
    // is read without asking the server. A lost connection may have missed some: the
    // stamp then moves on as if every announcement had come.
    if (connectionLost())
        ++m_announcedChanges;
    else if (libpq().PQconsumeInput(m_connection))
        takeNotifications();
    return {m_announcedChanges, m_ownChanges};
}

void PostgresDatabase::takeNotifications()
{
    const LibPq &pq = libpq();
    while (PGnotify *notification = pq.PQnotifies(m_connection)) {
        ++m_announcedChanges;
        pq.PQfreemem(notification);
    }
}

PreparedStatementPtr PostgresDatabase::prepare(const std::string &sql)
{
    if (!serverTransactionOpen())
        return std::make_unique<PostgresStatement>(*this, sql, m_connectionNumber);
    // A statement the server refuses must not end the transaction it was prepared in.
    runControl("SAVEPOINT orvan_prepare");
    try {
        auto statement = std::make_unique<PostgresStatement>(*this, sql, m_connectionNumber);
        runControl("RELEASE orvan_prepare");
        return statement;
    } catch (const base::Error &) {
        if (!connectionLost()) {
            libpq().PQclear(libpq().PQexec(m_connection, "ROLLBACK TO orvan_prepare"));
            libpq().PQclear(libpq().PQexec(m_connection, "RELEASE orvan_prepare"));
        }
        throw;
    }
}

void PostgresDatabase::release(const std::string &name, uint64_t connection) noexcept
{
    if (m_closing || connection != m_connectionNumber || connectionLost() ||
        libpq().PQtransactionStatus(m_connection) == PQTRANS_INERROR)
        return;
    libpq().PQclear(libpq().PQexec(m_connection, ("DEALLOCATE " + name).c_str()));
}

BatchPlan PostgresDatabase::compile(std::string_view batch)
{
    return compileBatch(batch, SqlDialect{&m_names});
}

bool PostgresDatabase::inTransaction()
{
    return m_readPending || serverTransactionOpen();
}

bool PostgresDatabase::serverTransactionOpen() const
{
    if (connectionLost())
        return false;
    const PGTransactionStatusType status = libpq().PQtransactionStatus(m_connection);
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}

void PostgresDatabase::beginOuterTransaction(bool write)
{
    reconnectWhenLost();
    m_holdsWriteLock = false;
    if (!write) {
        m_readPending = true;
        return;
    }
    runControl("BEGIN");
    takeWriteLock();
}

void PostgresDatabase::beginPendingRead()
{
    m_readPending = false;
    libpq().PQclear(run("BEGIN"));
}

void PostgresDatabase::takeWriteLock()
{
    if (m_readPending)
        beginPendingRead();
    if (m_holdsWriteLock || !serverTransactionOpen())
        return;
    libpq().PQclear(run(TakeWriteLock));
    m_holdsWriteLock = true;
    writeBegun();
}

} // namespace orvan::db
