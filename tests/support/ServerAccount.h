#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "db/PostgresDatabase.h"
#include "suite/DemoAccount.h"
#include "support/ServerDatabase.h"

namespace orvan::test {

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
        if (content == Content::Demo)
            suite::writeServerAccount(connection(), false);
    }

    const std::string &name() const { return m_database.name(); }
    std::string connection() const { return m_database.connection(); }
    std::string connectString() const { return m_database.connectString(); }
    std::string address() const { return m_database.address(); }
    // Runs the server's own text on the database.
    void runNative(const std::string &sql) const
    {
        db::PostgresDatabase(connection()).executeNative(sql);
    }

private:
    ServerDatabase m_database;
};

} // namespace orvan::test
