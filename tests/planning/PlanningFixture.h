#pragma once

#include <gtest/gtest.h>

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
#include "suite/SharedProps.h"
#include "suite/StandIns.h"
#include "support/TempAccount.h"

namespace orvan::test {

// A fresh demo account with its forecast plans, connected as the process's account,
// with the forecast procedures installed and a scripted shell.
class PlanningFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto connectString = account.connectString();
        suite::SharedProps::publishForThisProcess("ConnectString={" + connectString +
                                                  "};UserID=16394;LANGUAGE=chs;");
        component::ProcessState::reset();
        db::ProcedureCatalog::instance().clear();
        auto &registry = component::ComponentRegistry::instance();
        suite::registerStandIns(registry);
        component::registerPublicClasses(registry);
        planning::installPlanning();
        auto &state = component::processState();
        state.connectString = connectString;
        state.connection = std::make_shared<suite::AppConnection>(connectString);
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
    }

    // One number from the account.
    long count(const std::string &sql) { return std::stol(account.value(sql)); }
    std::string text(const std::string &sql) { return account.value(sql); }
    void run(const std::string &sql) { account.run(sql); }

    TempAccount account;
    const std::string &accountPath = account.path();
    std::shared_ptr<forms::ScriptedShell> shell = std::make_shared<forms::ScriptedShell>();
    std::shared_ptr<forms::ScriptedMessages> messages = std::make_shared<forms::ScriptedMessages>();
};

} // namespace orvan::test
