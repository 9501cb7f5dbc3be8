#include "EngineDatabase.h"

#include "db/PostgresDatabase.h"
#include "db/ServerSchema.h"
#include "db/SqliteDatabase.h"

#include <fstream>
#include <sstream>

namespace orvan::db::test {

namespace {

// The account preamble's types and functions, without what it adds to the account's own
// tables.
std::string serverPreamble()
{
    std::ifstream file(ORVAN_TEST_DIR "/../data/schema-server.sql");
    std::ostringstream text;
    text << file.rdbuf();
    const std::string preamble = text.str();
    return preamble.substr(0, preamble.find("--@after-tables"));
}

} // namespace

bool EngineDatabase::available(Engine engine)
{
    return engine == Engine::File || orvan::test::testServer().has_value();
}

EngineDatabase::EngineDatabase(Engine engine)
    : m_engine(engine)
{
    if (engine == Engine::File) {
        m_database =
            std::make_unique<SqliteDatabase>(m_file.path(), SqliteDatabase::OpenMode::Create);
        return;
    }
    m_serverDatabase = std::make_unique<orvan::test::ServerDatabase>();
    m_database = std::make_unique<PostgresDatabase>(m_serverDatabase->connection());
}

EngineDatabase::~EngineDatabase()
{
    m_database.reset(); // before its database is dropped
}

void EngineDatabase::create(const std::string &tables, const std::string &rows)
{
    if (m_engine == Engine::File) {
        m_database->executeNative(tables + rows);
        return;
    }
    const ServerSchema schema = translateSchema(tables, m_preambleRun ? "" : serverPreamble());
    m_database->executeNative(schema.script + translateData(rows, schema.names));
    m_preambleRun = true;
}

std::string EngineDatabase::rowsText(const std::string &sql)
{
    auto rows = m_database->execute(sql);
    std::string text;
    for (; rows && !rows->isEOF(); rows->MoveNext()) {
        text += text.empty() ? "" : ",";
        for (int i = 0; i < rows->fieldCount(); ++i) {
            const auto value = rows->Fields(i).Value();
            text += (i ? ":" : "") + (value.isNull() ? std::string("NULL") : value.text());
        }
    }
    return text;
}

} // namespace orvan::db::test
