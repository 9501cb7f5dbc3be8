#pragma once

#include <memory>
#include <string>

#include "db/PostgresDatabase.h"
#include "support/ServerAccount.h"
#include "support/TempAccount.h"

namespace orvan::test {

// The demo account on one engine, for tests that run the same flows on both.
class EngineAccount
{
public:
    explicit EngineAccount(Engine engine)
    {
        if (engine == Engine::File)
            m_file = std::make_unique<TempAccount>();
        else
            m_server = std::make_unique<ServerAccount>();
    }

    // The program's --db argument for it.
    std::string database() const
    {
        if (m_file)
            return m_file->path();
        return m_server->address();
    }
    // A folder name of its own, for settings written beside it.
    std::string scratchName() const { return m_file ? m_file->path() : "/tmp/" + m_server->name(); }

    // The first value of a query, on a connection of its own.
    std::string value(const std::string &sql) const
    {
        if (m_file)
            return m_file->value(sql);
        return db::PostgresDatabase(m_server->connection()).execute(sql)->Fields(0).Value().text();
    }

    // A T-SQL batch, on a connection of its own.
    void run(const std::string &sql) const
    {
        if (m_file)
            m_file->run(sql);
        else
            db::PostgresDatabase(m_server->connection()).execute(sql);
    }

private:
    std::unique_ptr<TempAccount> m_file;
    std::unique_ptr<ServerAccount> m_server;
};

} // namespace orvan::test
