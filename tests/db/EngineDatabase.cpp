#include "EngineDatabase.h"

#include "db/PostgresDatabase.h"
#include "db/ServerSchema.h"
#include "db/SqliteDatabase.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace orvan::db::test {

namespace {

std::string testServer()
{
    const char *server = std::getenv("ORVAN_TEST_POSTGRES");
    return server ? server : "";
}

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

std::string engineName(Engine engine)
{
    return engine == Engine::File ? "File" : "Server";
}

bool EngineDatabase::available(Engine engine)
{
    return engine == Engine::File || !testServer().empty();
}

EngineDatabase::EngineDatabase(Engine engine)
    : m_engine(engine)
{
    if (engine == Engine::File) {
        m_database =
            std::make_unique<SqliteDatabase>(m_file.path(), SqliteDatabase::OpenMode::Create);
        return;
    }
    static std::atomic<int> counter{0};
    m_serverDatabase = "orvan_db" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    PostgresDatabase(testServer()).runControl(("CREATE DATABASE " + m_serverDatabase).c_str());
    m_database = std::make_unique<PostgresDatabase>(testServer() + " dbname=" + m_serverDatabase);
}

EngineDatabase::~EngineDatabase()
{
    m_database.reset();
    if (!m_serverDatabase.empty())
        PostgresDatabase(testServer())
            .runControl(("DROP DATABASE IF EXISTS " + m_serverDatabase + " WITH (FORCE)").c_str());
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
