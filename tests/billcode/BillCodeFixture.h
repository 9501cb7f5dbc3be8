#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "billcode/BillCodeCaches.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "forms/Messages.h"
#include "suite/DemoAccount.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

namespace orvan::test {

// A fresh demo account published as this process's login, the stand-ins registered,
// scripted message boxes and the bill-code caches loaded from the account.
class BillCodeFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static int counter = 0;
        m_dir = std::filesystem::temp_directory_path() /
                ("orvan-billcode-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_dir);
        accountPath = (m_dir / "account.db").string();
        suite::writeAccount(accountPath, false);
        suite::SharedProps::publishForThisProcess(
            "ConnectString={Provider=SQLite;Data Source=" + accountPath +
            "};UserID=16394;SubID=;LANGUAGE=chs;");
        component::ProcessState::reset();
        component::processState().connectString = "Provider=SQLite;Data Source=" + accountPath;
        suite::registerStandIns(component::ComponentRegistry::instance());
        messages = std::make_shared<forms::ScriptedMessages>();
        forms::setMessages(messages);
        billcode::BillCodeCaches::reset();
        billcode::billCodeCaches().loadAll();
    }

    void TearDown() override
    {
        billcode::BillCodeCaches::reset();
        forms::setMessages(nullptr);
        component::ProcessState::reset();
        suite::SharedProps::clearAll();
        std::filesystem::remove_all(m_dir);
    }

    std::string lastMessage() const
    {
        return messages->shown().empty() ? std::string() : messages->shown().back().text;
    }

    std::string accountPath;
    std::shared_ptr<forms::ScriptedMessages> messages;

private:
    std::filesystem::path m_dir;
};

} // namespace orvan::test
