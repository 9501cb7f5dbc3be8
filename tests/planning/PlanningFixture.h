#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/PublicClasses.h"
#include "db/Database.h"
#include "db/ProcedureCatalog.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "planning/PlanCleanup.h"
#include "suite/AppConnection.h"
#include "suite/DemoAccount.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

namespace orvan::test {

// A fresh demo account with its forecast plans, connected as the process's account,
// with the forecast procedures installed and a scripted shell.
class PlanningFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static int counter = 0;
        m_dir = std::filesystem::temp_directory_path() /
                ("orvan-plan-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_dir);
        accountPath = (m_dir / "account.db").string();
        suite::writeAccount(accountPath, false);
        const auto connectString = "Provider=SQLite;Data Source=" + accountPath;
        suite::SharedProps::publishForThisProcess("ConnectString={" + connectString +
                                                  "};UserID=16394;LANGUAGE=chs;");
        component::ProcessState::reset();
        db::ProcedureCatalog::instance().clear();
        auto &registry = component::ComponentRegistry::instance();
        suite::registerStandIns(registry);
        component::registerPublicClasses(registry);
        planning::installPlanning();
        auto &state = component::processState();
        state.g_strConnectString = connectString;
        state.g_objConnection = std::make_shared<suite::AppConnection>(connectString);
        forms::setShell(shell);
        forms::setMessages(messages);
    }

    void TearDown() override
    {
        forms::setShell(nullptr);
        forms::setMessages(nullptr);
        component::ProcessState::reset();
        db::ProcedureCatalog::instance().clear();
        suite::SharedProps::clearAll();
        std::filesystem::remove_all(m_dir);
    }

    // One number from the account.
    long count(const std::string &sql)
    {
        return db::Database(accountPath).execute(sql)->Fields(0).Value().toLong();
    }
    std::string text(const std::string &sql)
    {
        return db::Database(accountPath).execute(sql)->Fields(0).Value().text();
    }
    void run(const std::string &sql) { db::Database(accountPath).execute(sql); }

    std::string accountPath;
    std::shared_ptr<forms::ScriptedShell> shell = std::make_shared<forms::ScriptedShell>();
    std::shared_ptr<forms::ScriptedMessages> messages = std::make_shared<forms::ScriptedMessages>();

private:
    std::filesystem::path m_dir;
};

} // namespace orvan::test
