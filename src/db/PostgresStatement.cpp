#include "db/PostgresStatement.h"

#include "db/LibPq.h"
#include "db/PostgresDatabase.h"
#include "db/Token.h"

#include <atomic>
#include <charconv>
#include <cstdlib>

namespace orvan::db {

namespace {

// Type identifiers of the server's built-in types.
constexpr Oid BoolType = 16;
constexpr Oid Int8Type = 20;
constexpr Oid Int2Type = 21;
constexpr Oid Int4Type = 23;
constexpr Oid OidType = 26;
constexpr Oid Float4Type = 700;
constexpr Oid Float8Type = 701;
constexpr Oid NumericType = 1700;

bool startsWithSelect(const std::string &sql)
{
    size_t start = sql.find_first_not_of(" \t\r\n");
    return start != std::string::npos && equalsIgnoreCase(sql.substr(start, 6), "SELECT");
}

std::string statementName()
{
    static std::atomic<uint64_t> next{0};
    return "orvan_" + std::to_string(next++);
}

Cell readCell(const PGresult *result, int row, int column, Oid type)
{
    const LibPq &pq = libpq();
    if (pq.PQgetisnull(result, row, column))
        return std::monostate{};
    const char *text = pq.PQgetvalue(result, row, column);
    const int length = pq.PQgetlength(result, row, column);
    switch (type) {
    case BoolType:
        return static_cast<long long>(text[0] == 't');
    case Int2Type:
    case Int4Type:
    case Int8Type:
    case OidType: {
        long long value = 0;
        std::from_chars(text, text + length, value);
        return value;
    }
    case Float4Type:
    case Float8Type:
    case NumericType:
        return std::strtod(text, nullptr);
    default:
        return std::string(text, static_cast<size_t>(length));
    }
}

// Frees a result on every way out.
struct ResultGuard
{
    PGresult *result;
    ~ResultGuard() { libpq().PQclear(result); }
};

} // namespace

PostgresStatement::PostgresStatement(PostgresDatabase &database, const std::string &sql,
                                     uint64_t connection)
    : m_database(database)
    , m_name(statementName())
    , m_connection(connection)
    , m_query(startsWithSelect(sql))
{
    const LibPq &pq = libpq();
    PGresult *result = pq.PQprepare(database.connection(), m_name.c_str(), sql.c_str(), 0, nullptr);
    if (pq.PQresultStatus(result) != PGRES_COMMAND_OK)
        database.fail(result);
    pq.PQclear(result);
}

PostgresStatement::~PostgresStatement()
{
    m_database.release(m_name, m_connection);
}

PGresult *PostgresStatement::execute()
{
    const LibPq &pq = libpq();
    if (!m_query)
        m_database.takeWriteLock();
    PGresult *result =
        pq.PQexecPrepared(m_database.connection(), m_name.c_str(), 0, nullptr, nullptr, nullptr, 0);
    const ExecStatusType status = pq.PQresultStatus(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        m_database.fail(result);
    if (!m_query)
        m_database.noteOwnChange(std::atoll(pq.PQcmdTuples(result)));
    return result;
}

void PostgresStatement::run()
{
    libpq().PQclear(execute());
}

RecordsetPtr PostgresStatement::readAll()
{
    const LibPq &pq = libpq();
    const ResultGuard guard{execute()};
    const PGresult *result = guard.result;
    const int count = pq.PQnfields(result);
    std::vector<Recordset::Column> columns(static_cast<size_t>(count));
    std::vector<Oid> types(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto &column = columns[static_cast<size_t>(i)];
        column.name = pq.PQfname(result, i);
        types[static_cast<size_t>(i)] = pq.PQftype(result, i);
        column.type = fieldTypeFromDeclaration(
            m_database.declaredType(pq.PQftable(result, i), pq.PQftablecol(result, i)));
    }
    CellTable cells(static_cast<size_t>(count));
    const int rows = pq.PQntuples(result);
    for (int r = 0; r < rows; ++r) {
        cells.beginRow();
        for (int i = 0; i < count; ++i) {
            const Cell cell = readCell(result, r, i, types[static_cast<size_t>(i)]);
            cells.addCell(cell);
            auto &column = columns[static_cast<size_t>(i)];
            if (column.type == UnknownFieldType)
                column.type = fieldTypeFromCell(cell);
        }
    }
    for (auto &column : columns) {
        if (column.type == UnknownFieldType)
            column.type = AdoType::VarChar;
    }
    return std::make_shared<Recordset>(std::move(columns), std::move(cells));
}

long long PostgresStatement::readInteger()
{
    const LibPq &pq = libpq();
    const ResultGuard guard{execute()};
    if (pq.PQntuples(guard.result) == 0 || pq.PQnfields(guard.result) == 0 ||
        pq.PQgetisnull(guard.result, 0, 0))
        return 0;
    return std::atoll(pq.PQgetvalue(guard.result, 0, 0));
}

} // namespace orvan::db
