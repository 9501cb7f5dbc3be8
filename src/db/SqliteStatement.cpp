#include "db/SqliteStatement.h"

#include "db/DbError.h"

#include <sqlite3.h>

namespace orvan::db {

namespace {

// Resets the statement on every way out of a run.
struct ResetGuard
{
    sqlite3_stmt *statement;
    ~ResetGuard() { sqlite3_reset(statement); }
};

// Adds the column's value to the row being written; returns the field type the value
// suggests, or UnknownFieldType for a null.
int addCell(CellTable &cells, sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        cells.addNull();
        return UnknownFieldType;
    case SQLITE_INTEGER:
        cells.addInteger(sqlite3_column_int64(statement, column));
        return AdoType::Integer;
    case SQLITE_FLOAT:
        cells.addReal(sqlite3_column_double(statement, column));
        return AdoType::Double;
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        cells.addText(std::string_view(
            text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, column))));
        return AdoType::VarChar;
    }
    }
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3 *db, const std::string &sql)
    : m_db(db)
{
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_statement, &tail) !=
        SQLITE_OK)
        fail();
    if (!m_statement)
        throw sqlError("The batch holds an empty statement");
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::fail()
{
    throw engineError(sqlite3_extended_errcode(m_db), sqlite3_errmsg(m_db));
}

bool SqliteStatement::readOnly() const
{
    return sqlite3_stmt_readonly(m_statement) != 0;
}

bool SqliteStatement::returnsRows() const
{
    return sqlite3_column_count(m_statement) > 0;
}

void SqliteStatement::run()
{
    ResetGuard guard{m_statement};
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(m_statement)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail();
}

RecordsetPtr SqliteStatement::readAll()
{
    ResetGuard guard{m_statement};
    // A statement SQLite prepares anew, after another connection changed the schema, has
    // its new columns only once it has stepped.
    int rc = sqlite3_step(m_statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail();
    auto columns = declaredColumns();
    const int count = static_cast<int>(columns.size());
    CellTable cells(static_cast<size_t>(count));
    for (; rc == SQLITE_ROW; rc = sqlite3_step(m_statement)) {
        cells.beginRow();
        for (int i = 0; i < count; ++i) {
            const int type = addCell(cells, m_statement, i);
            auto &column = columns[static_cast<size_t>(i)];
            if (column.type == UnknownFieldType)
                column.type = type;
        }
    }
    if (rc != SQLITE_DONE)
        fail();
    for (auto &column : columns) {
        if (column.type == UnknownFieldType)
            column.type = AdoType::VarChar;
    }
    return std::make_shared<Recordset>(std::move(columns), std::move(cells));
}

const std::vector<Recordset::Column> &SqliteStatement::declaredColumns()
{
    const int count = sqlite3_column_count(m_statement);
    if (declaredColumnsHold(count))
        return m_declared;
    m_declared.assign(static_cast<size_t>(count), {});
    m_declarations.assign(static_cast<size_t>(count), {});
    for (int i = 0; i < count; ++i) {
        const char *declared = sqlite3_column_decltype(m_statement, i);
        auto &column = m_declared[static_cast<size_t>(i)];
        const char *name = sqlite3_column_name(m_statement, i);
        column.name = name ? name : "";
        m_declarations[static_cast<size_t>(i)] = declared ? declared : "";
        column.type = fieldTypeFromDeclaration(m_declarations[static_cast<size_t>(i)]);
    }
    return m_declared;
}

// SQLite prepares a statement anew when the schema changed, and its columns may then have
// other names or declarations.
bool SqliteStatement::declaredColumnsHold(int count) const
{
    if (m_declared.size() != static_cast<size_t>(count) || count == 0)
        return false;
    for (int i = 0; i < count; ++i) {
        const char *declared = sqlite3_column_decltype(m_statement, i);
        const char *name = sqlite3_column_name(m_statement, i);
        if (!name || m_declared[static_cast<size_t>(i)].name != name ||
            m_declarations[static_cast<size_t>(i)] != (declared ? declared : ""))
            return false;
    }
    return true;
}

long long SqliteStatement::readInteger()
{
    ResetGuard guard{m_statement};
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return sqlite3_column_int64(m_statement, 0);
    if (rc != SQLITE_DONE)
        fail();
    return 0;
}

} // namespace orvan::db
