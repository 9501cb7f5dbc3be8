#pragma once

#include <string>

namespace orvan::db {

class Database;

// A transaction on a connection that rolls back unless commit() ran. A write transaction
// takes the account's write lock at once (waiting as the engine waits), so two
// connections never both read a row and then both write it. Inside an open transaction
// it becomes a savepoint, so batches and procedures nest.
//
// An outer transaction in which the account itself failed (a disk or lock error, a
// read-only file) is never committed, even when the code that met the error went on:
// commit() then rolls back and raises that error. Once the engine has ended such a
// transaction by itself, no statement runs outside it until it is closed.
class Transaction
{
public:
    enum class Kind { Read, Write };

    explicit Transaction(Database &database, Kind kind = Kind::Write);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // Raises orvan::base::Error when the commit fails; the transaction is then rolled back.
    void commit();

private:
    void run(const char *sql);
    void runQuietly(const char *sql) noexcept;

    void finishOuter();
    void beginWritingInside();

    Database &m_database;
    bool m_nested;
    bool m_finished = false;
};

} // namespace orvan::db
