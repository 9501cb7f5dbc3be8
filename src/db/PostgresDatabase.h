#pragma once

#include "db/Database.h"
#include "db/SqlDialect.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

struct pg_conn;
struct pg_result;

namespace orvan::db {

// An account database on a PostgreSQL server, opened with a libpq connection string
// ("host=... dbname=..." or a postgresql:// URI).
//
// Batches are compiled for the server (SqlDialect.h): its tables and columns are read from
// the server when the account is opened, and again after a native script ran. A write
// transaction takes the account's write lock (an advisory lock of the database) at once,
// (or before the first change of a transaction begun for reading), so writers to one
// account follow one another as they do on an account file. Statements
// are prepared on the server once per text and connection. A transaction begun for
// reading costs nothing until something in it writes or nests: its queries run on their
// own, each reading what is committed when it runs. Every change of the account is
// announced by its tables' triggers (NOTIFY orvan_changed), so the change stamp needs no
// question to the server. A lost connection raises an
// error that marks the account unavailable; the next batch connects again.
class PostgresDatabase : public Database
{
public:
    // Raises orvan::base::Error naming the server when it cannot be reached, refuses the
    // login, or has no such database.
    explicit PostgresDatabase(const std::string &connection);
    ~PostgresDatabase() override;

    void executeNative(std::string_view script) override;
    std::pair<int64_t, int64_t> changeStamp() override;
    int64_t rowsChanged() override { return m_rowsChanged; }
    void runControl(const char *sql) override;
    PreparedStatementPtr prepare(const std::string &sql) override;

    // The server, port, database and user of a connection string as a postgresql://
    // address that --db takes back, never with its password.
    static std::string describe(const std::string &connection);

    // The declared type of a column of a result (as the schema writes it), or "" for a
    // computed column.
    std::string declaredType(unsigned tableId, int column) const;
    const SchemaNames &schemaNames() const { return m_names; }
    // Sets a server setting for the rest of the open transaction (set_config(..., true)).
    void setTransactionSetting(const std::string &name, const std::string &value);
    // A server setting ("" when unset).
    std::string transactionSetting(const std::string &name);

    // Runs one statement text on the connection and returns its result; raises the
    // server's error. For the connection's statements only.
    pg_result *run(const std::string &sql);
    // Takes the account's write lock for the open transaction, once (beginning on the
    // server the transaction begun for reading).
    void takeWriteLock();
    pg_conn *connection() const { return m_connection; }
    // Which connection to the server statements are prepared on now: it changes when a
    // lost connection is made again.
    uint64_t connectionNumber() const { return m_connectionNumber; }
    // Releases a statement prepared on the server, unless the connection it was prepared
    // on is gone or closing.
    void release(const std::string &name, uint64_t connection) noexcept;
    // Notes that a statement of this connection changed the account.
    void noteOwnChange(int64_t rows = 0)
    {
        ++m_ownChanges;
        m_rowsChanged += rows;
    }
    // Raises the error of a failed result (which it frees) or of the connection.
    [[noreturn]] void fail(pg_result *result);
    bool connectionLost() const;

private:
    void readyForWork() override { reconnectWhenLost(); }
    BatchPlan compile(std::string_view batch) override;
    bool inTransaction() override;
    // A failed statement spoils the server's transaction: there each batch gets a
    // savepoint.
    bool failedStatementSpoilsTransaction() const override { return !m_readPending; }
    void beginOuterTransaction(bool write) override;

    // Whether the server holds a transaction open for this connection.
    bool serverTransactionOpen() const;
    // Begins on the server the transaction that was begun for reading.
    void beginPendingRead();
    void takeNotifications();
    void connect();
    void reconnectWhenLost();
    void readSchema();

    std::string m_connectionString;
    pg_conn *m_connection = nullptr;
    SchemaNames m_names;
    std::map<std::pair<unsigned, int>, std::string> m_declaredTypes;
    int64_t m_ownChanges = 0;
    int64_t m_rowsChanged = 0;
    uint64_t m_connectionNumber = 0;
    bool m_closing = false;
    bool m_holdsWriteLock = false;
    bool m_readPending = false; // a transaction begun for reading, not begun on the server
    int64_t m_announcedChanges = 0;
};

} // namespace orvan::db
