#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "forms/Messages.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"
#include "support/TempAccount.h"

namespace orvan::test {

// A scratch demo account as the process's open connection and login (user 16394), the
// stand-ins registered and scripted message boxes.
class RulesFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        component::ProcessState::reset();
        suite::registerStandIns(component::ComponentRegistry::instance());
        component::processState().connection =
            std::make_shared<suite::AppConnection>(account.connectString());
        suite::SharedProps::publishForThisProcess("ConnectString={" + account.connectString() +
                                                  "};UserID=16394;LANGUAGE=chs;");
        forms::setMessages(messages);
    }

    void TearDown() override
    {
        forms::setMessages(nullptr);
        component::ProcessState::reset();
        suite::SharedProps::clearAll();
    }

    std::string lastMessage() const
    {
        return messages->shown().empty() ? std::string() : messages->shown().back().text;
    }

    TempAccount account;
    std::shared_ptr<forms::ScriptedMessages> messages = std::make_shared<forms::ScriptedMessages>();
};

} // namespace orvan::test
