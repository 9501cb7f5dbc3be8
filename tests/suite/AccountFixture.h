#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "suite/DemoAccount.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

namespace orvan::test {

// A fresh demo account in a scratch folder, published as this process's login for
// the given user, with the stand-ins registered.
class AccountFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static int counter = 0;
        m_dir = std::filesystem::temp_directory_path() /
                ("orvan-suite-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_dir);
        accountPath = (m_dir / "account.db").string();
        suite::writeAccount(accountPath, false);
        loginAs(16394);
        component::ProcessState::reset();
        suite::registerStandIns(component::ComponentRegistry::instance());
    }

    void TearDown() override
    {
        component::ProcessState::reset();
        suite::SharedProps::clearAll();
        std::filesystem::remove_all(m_dir);
    }

    void loginAs(int userId)
    {
        suite::SharedProps::publishForThisProcess(
            "ConnectString={Provider=SQLite;Data Source=" + accountPath +
            "};UserID=" + std::to_string(userId) + ";SubID=;LANGUAGE=chs;");
    }

    std::string scratchPath(const std::string &name) const { return (m_dir / name).string(); }

    std::string accountPath;

private:
    std::filesystem::path m_dir;
};

} // namespace orvan::test
