#pragma once

#include "db/Recordset.h"

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace orvan::db {

// One prepared SQLite statement, finalized with the object. Every run leaves it reset.
class Statement
{
public:
    // Prepares sql; raises orvan::base::Error with the database's message.
    Statement(sqlite3 *db, const std::string &sql);
    ~Statement();
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;

    bool readOnly() const;
    bool returnsRows() const;

    // Steps to the end; raises the database's error.
    void run();
    // Reads every row into a recordset.
    RecordsetPtr readAll();
    // The integer in the first column of the first row (0 when there is none).
    long long readInteger();

private:
    [[noreturn]] void fail();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace orvan::db
