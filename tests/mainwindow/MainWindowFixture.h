#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/SettingStore.h"
#include "component/Translation.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "mainwindow/MaintenanceWindow.h"
#include "params/ProfileFlags.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"
#include "support/TempAccount.h"

namespace orvan::test {

// A fresh process on a scratch demo account, with the setting store in a scratch
// configuration folder and scripted messages.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        component::ProcessState::reset();
        component::resetLanguageResources();
        params::ProfileFlags::reset();
        m_config = std::filesystem::path(account.path() + ".config");
        std::filesystem::create_directories(m_config);
        ::setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
        auto &registry = component::ComponentRegistry::instance();
        registry.clear();
        suite::registerStandIns(registry);
        setLogin("UserID=16394;LANGUAGE=chs;");
        component::processState().connection =
            std::make_shared<suite::AppConnection>(account.connectString());
        messages = std::make_shared<forms::ScriptedMessages>();
        forms::setMessages(messages);
    }

    void TearDown() override
    {
        forms::setMessages(nullptr);
        component::ProcessState::reset();
        component::resetLanguageResources();
        component::ComponentRegistry::instance().clear();
        suite::SharedProps::clearAll();
        std::filesystem::remove_all(m_config);
        ::unsetenv("XDG_CONFIG_HOME");
    }

    void setLogin(const std::string &props)
    {
        suite::SharedProps::publishForThisProcess("ConnectString={" + account.connectString() +
                                                  "};" + props);
        component::resetLanguageResources();
    }

    std::shared_ptr<component::SettingStoreComponent> settings()
    {
        return component::ComponentRegistry::instance().createAs<component::SettingStoreComponent>(
            component::ProgId::SettingStore);
    }

    // Opens the window of a class as Show does: created and loaded.
    std::unique_ptr<mainwindow::MaintenanceWindow> open(int32_t sysClass,
                                                        const std::string &systemId = "0000")
    {
        auto &state = component::processState();
        state.sysClass = sysClass;
        state.systemId = systemId;
        auto window = std::make_unique<mainwindow::MaintenanceWindow>();
        window->load();
        return window;
    }

    std::string settingText(const std::string &key)
    {
        return settings()->read("frmSysMainInface", key, "").text();
    }

    TempAccount account;
    std::shared_ptr<forms::ScriptedMessages> messages;

private:
    std::filesystem::path m_config;
};

} // namespace orvan::test
