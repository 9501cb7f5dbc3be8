#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "db/PostgresDatabase.h"
#include "suite/DemoAccount.h"

namespace orvan::test {

// The test server's connection string (scripts/with-postgres.sh sets it), or none.
inline std::optional<std::string> testServer()
{
    const char *server = std::getenv("ORVAN_TEST_POSTGRES");
    if (!server || !*server)
        return std::nullopt;
    return std::string(server);
}

// Skips the test when no test server runs (a test binary run by hand).
#define ORVAN_REQUIRE_TEST_SERVER()                                                                \
    if (!orvan::test::testServer())                                                                \
    GTEST_SKIP() << "no test server: run the tests through scripts/with-postgres.sh"

// A database of its own on the test server, holding the demo account (or nothing),
// dropped when the object goes.
class ServerAccount
{
public:
    enum class Content { Demo, Empty };

    explicit ServerAccount(Content content = Content::Demo)
    {
        static std::atomic<int> counter{0};
        m_name = "orvan_t" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        admin("CREATE DATABASE " + m_name);
        if (content == Content::Demo)
            suite::writeServerAccount(connection(), false);
    }
    ~ServerAccount() { admin("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)"); }
    ServerAccount(const ServerAccount &) = delete;
    ServerAccount &operator=(const ServerAccount &) = delete;

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
    // Runs the server's own text on the database.
    void runNative(const std::string &sql) const
    {
        db::PostgresDatabase(connection()).executeNative(sql);
    }

private:
    static void admin(const std::string &sql)
    {
        db::PostgresDatabase server(*testServer());
        server.runControl(sql.c_str());
    }

public:
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
    std::string m_name;
};

} // namespace orvan::test
