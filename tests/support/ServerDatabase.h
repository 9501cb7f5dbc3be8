#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <string>

#include "db/PostgresDatabase.h"

namespace orvan::test {

// The test server's connection string (scripts/with-postgres.sh sets it), or none.
inline std::optional<std::string> testServer()
{
    const char *server = std::getenv("ORVAN_TEST_POSTGRES");
    if (!server || !*server)
        return std::nullopt;
    return std::string(server);
}

// The engines an account can be kept by: a file, or a database on the test server.
enum class Engine { File, Server };

inline std::string engineName(Engine engine)
{
    return engine == Engine::File ? "File" : "Server";
}

// An empty database of its own on the test server, dropped when the object goes.
class ServerDatabase
{
public:
    ServerDatabase()
    {
        static std::atomic<int> counter{0};
        m_name = "orvan_t" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        admin("CREATE DATABASE " + m_name);
    }
    ~ServerDatabase() { admin("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)"); }
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;

    const std::string &name() const { return m_name; }
    // The client library's connection string of the database.
    std::string connection() const { return *testServer() + " dbname=" + m_name; }
    // The account's connection string (Provider=PostgreSQL;...).
    std::string connectString() const
    {
        const std::string server = *testServer();
        return "Provider=PostgreSQL;Host=" + entryOf(server, "host") +
               ";Port=" + entryOf(server, "port") + ";User ID=" + entryOf(server, "user") +
               ";Database=" + m_name;
    }
    // The database as the program's --db takes it (postgresql://...).
    std::string address() const
    {
        const std::string server = *testServer();
        std::string host;
        for (char c : entryOf(server, "host"))
            host += c == '/' ? std::string("%2F") : std::string(1, c);
        return "postgresql://" + entryOf(server, "user") + "@" + host + ":" +
               entryOf(server, "port") + "/" + m_name;
    }

    // One entry of a client library connection string written keyword=value.
    static std::string entryOf(const std::string &connection, const std::string &keyword)
    {
        const auto at = connection.find(keyword + "=");
        if (at == std::string::npos)
            return {};
        const auto start = at + keyword.size() + 1;
        return connection.substr(start, connection.find(' ', start) - start);
    }

private:
    static void admin(const std::string &sql)
    {
        db::PostgresDatabase(*testServer()).runControl(sql.c_str());
    }

    std::string m_name;
};

} // namespace orvan::test
