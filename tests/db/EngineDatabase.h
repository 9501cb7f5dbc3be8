#pragma once

#include "TempDatabase.h"

#include "db/Database.h"
#include "support/ServerDatabase.h"

#include <memory>
#include <string>

namespace orvan::db::test {

using orvan::test::Engine;
using orvan::test::engineName;

// A scratch database on one engine: a file, or a database of its own on the test server
// (dropped afterwards). Tables are created from the embedded engine's DDL, translated for
// the server as an account's schema is.
class EngineDatabase
{
public:
    // For the server, whether a test server runs (scripts/with-postgres.sh).
    static bool available(Engine engine);

    explicit EngineDatabase(Engine engine);
    ~EngineDatabase();
    EngineDatabase(const EngineDatabase &) = delete;
    EngineDatabase &operator=(const EngineDatabase &) = delete;

    Database &database() { return *m_database; }
    // Creates tables (CREATE TABLE statements) and fills them (INSERT statements).
    void create(const std::string &tables, const std::string &rows = {});

    // The rows of a T-SQL query run on the database: fields joined by ':', rows by ','.
    std::string rowsText(const std::string &sql);

private:
    Engine m_engine;
    TempDatabaseFile m_file;
    std::unique_ptr<orvan::test::ServerDatabase> m_serverDatabase;
    bool m_preambleRun = false;
    std::unique_ptr<Database> m_database;
};

} // namespace orvan::db::test
