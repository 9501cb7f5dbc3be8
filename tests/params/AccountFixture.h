#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/DataFiles.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "db/Database.h"
#include "params/ProfileFlags.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

namespace orvan::test {

// A fresh process on a scratch account file that holds the account schema and only the
// rows a test adds. The login is published for this process; the stand-ins are registered.
class AccountFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        component::ProcessState::reset();
        component::resetLanguageResources();
        params::ProfileFlags::reset();
        auto &registry = component::ComponentRegistry::instance();
        registry.clear();
        suite::registerStandIns(registry);
        m_path = std::filesystem::temp_directory_path() /
                 ("orvan-params-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".db");
        removeAccount();
        {
            db::Database account(m_path.string(), db::Database::OpenMode::Create);
            account.executeNative(base::readDataFile("schema.sql"));
        }
        setLogin("UserID=16394;LANGUAGE=chs;");
        component::processState().connection = std::make_shared<suite::AppConnection>(
            "Provider=SQLite;Data Source=" + m_path.string());
    }

    void TearDown() override
    {
        component::ProcessState::reset();
        component::resetLanguageResources();
        params::ProfileFlags::reset();
        component::ComponentRegistry::instance().clear();
        suite::SharedProps::clearAll();
        removeAccount();
    }

    // Publishes a login (the connection entry is added) and forgets the cached language.
    void setLogin(const std::string &props)
    {
        suite::SharedProps::publishForThisProcess(
            "ConnectString={Provider=SQLite;Data Source=" + m_path.string() + "};" + props);
        component::processState().language.clear();
        component::resetLanguageResources();
    }

    suite::AppConnection &connection()
    {
        return static_cast<suite::AppConnection &>(*component::processState().connection);
    }

    void run(const std::string &sql) { connection().database().executeNative(sql); }

    // The rows of a query as "a|b;c|d;".
    std::string rowsOf(const std::string &sql)
    {
        auto rows = connection().Execute(sql);
        std::string text;
        for (; rows && !rows->isEOF(); rows->MoveNext()) {
            for (int i = 0; i < rows->fieldCount(); ++i)
                text += (i ? "|" : "") + rows->Fields(i).Value().text();
            text += ";";
        }
        return text;
    }

private:
    void removeAccount()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_path.string() + suffix);
    }

    std::filesystem::path m_path;
};

} // namespace orvan::test
