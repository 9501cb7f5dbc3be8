#pragma once

#include "db/PreparedStatement.h"

#include <cstdint>
#include <string>

struct pg_result;

namespace orvan::db {

class PostgresDatabase;

// One statement prepared on a PostgreSQL server under a name of its own, released with
// the object (unless the connection it was prepared on is gone). Rows come back as text
// and are read by their column's type: integers and Booleans as integers, decimals and
// floating numbers as reals, everything else as text; the field types follow the
// schema's declarations as on the embedded engine.
class PostgresStatement : public PreparedStatement
{
public:
    PostgresStatement(PostgresDatabase &database, const std::string &sql, uint64_t connection);
    ~PostgresStatement() override;
    PostgresStatement(const PostgresStatement &) = delete;
    PostgresStatement &operator=(const PostgresStatement &) = delete;

    bool readOnly() const override { return m_query; }
    bool returnsRows() const override { return m_query; }

    void run() override;
    RecordsetPtr readAll() override;
    long long readInteger() override;

private:
    pg_result *execute();

    PostgresDatabase &m_database;
    std::string m_name;
    uint64_t m_connection; // the connection it was prepared on
    bool m_query;
};

} // namespace orvan::db
