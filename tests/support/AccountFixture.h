#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "component/ProcessState.h"
#include "component/Translation.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "support/SuiteSandbox.h"
#include "support/TempAccount.h"

namespace orvan::test {

// A fresh process (SuiteSandbox<States...>) on a scratch account, the demo account unless
// the fixture asks for the bare schema, with scripted message boxes and a scripted shell.
// SetUp publishes the login of the demo administrator (user 16394) on the account;
// connectProcess() also makes the account the process's open connection, as it is once
// the maintenance window has started.
template <class... States>
class AccountFixture : public ::testing::Test
{
protected:
    explicit AccountFixture(TempAccount::Content content = TempAccount::Content::Demo)
        : account(content)
    {}
    ~AccountFixture() override
    {
        for (const auto &path : m_scratchPaths)
            for (const char *suffix : {"", "-wal", "-shm"})
                std::filesystem::remove(path + suffix);
    }

    void SetUp() override
    {
        loginAs(16394);
        forms::setShell(shell);
        forms::setMessages(messages);
    }

    // Publishes a login on the account (the ConnectString entry is added) and forgets the
    // language the process read from the last one.
    void setLogin(const std::string &props)
    {
        suite::SharedProps::publishForThisProcess("ConnectString={" + account.connectString() +
                                                  "};" + props);
        component::processState().language.clear();
        component::resetLanguageResources();
    }
    void loginAs(int32_t userId)
    {
        setLogin("UserID=" + std::to_string(userId) + ";SubID=;LANGUAGE=chs;");
    }

    // The account as the process's connection string and open connection.
    void connectProcess()
    {
        auto &state = component::processState();
        state.connectString = account.connectString();
        state.connection = std::make_shared<suite::AppConnection>(state.connectString);
    }
    suite::AppConnection &connection()
    {
        return dynamic_cast<suite::AppConnection &>(*component::processState().connection);
    }

    // The first value of a query, a count, a T-SQL batch and plain SQLite text, each on a
    // connection of its own (another program's).
    std::string text(const std::string &sql) const { return account.value(sql); }
    long count(const std::string &sql) const { return std::stol(account.value(sql)); }
    void run(const std::string &sql) const { account.run(sql); }
    void runNative(const std::string &sql) const { account.runNative(sql); }

    // A path beside the account for a file of the test's own; removed with the fixture.
    std::string scratchPath(const std::string &name)
    {
        m_scratchPaths.push_back(account.path() + "." + name);
        return m_scratchPaths.back();
    }

    // The texts of the messages shown so far, and the last one ("" when none).
    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const auto &message : messages->shown())
            texts.push_back(message.text);
        return texts;
    }
    std::string lastMessage() const
    {
        return messages->shown().empty() ? std::string() : messages->shown().back().text;
    }

    // The account goes after the sandbox has closed the process's connection to it.
    TempAccount account;
    const std::string &accountPath = account.path();
    SuiteSandbox<States...> sandbox;
    std::shared_ptr<forms::ScriptedShell> shell = std::make_shared<forms::ScriptedShell>();
    std::shared_ptr<forms::ScriptedMessages> messages = std::make_shared<forms::ScriptedMessages>();

private:
    std::vector<std::string> m_scratchPaths;
};

} // namespace orvan::test
