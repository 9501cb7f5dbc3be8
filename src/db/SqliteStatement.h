#pragma once

#include "db/PreparedStatement.h"
#include "db/Recordset.h"

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orvan::db {

// One prepared SQLite statement, finalized with the object. Every run leaves it reset.
class SqliteStatement : public PreparedStatement
{
public:
    // Prepares sql; raises orvan::base::Error with the database's message.
    SqliteStatement(sqlite3 *db, const std::string &sql);
    ~SqliteStatement() override;
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool readOnly() const override;
    bool returnsRows() const override;

    // Steps to the end; raises the database's error.
    void run() override;
    // Reads every row into a recordset.
    RecordsetPtr readAll() override;
    // The integer in the first column of the first row (0 when there is none).
    long long readInteger() override;

private:
    [[noreturn]] void fail();
    const std::vector<Recordset::Column> &declaredColumns();
    bool declaredColumnsHold(int count) const;

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    // The columns' names and the types their declarations give, with the declarations:
    // worked out on the first read, and again when SQLite prepared the statement anew.
    std::vector<Recordset::Column> m_declared;
    std::vector<std::string> m_declarations;
};

} // namespace orvan::db
