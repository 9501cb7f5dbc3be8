#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/SettingStore.h"
#include "editor/EditorState.h"
#include "mainwindow/MaintenanceWindow.h"
#include "params/ProfileFlags.h"
#include "support/AccountFixture.h"

namespace orvan::test {

// A fresh process on a scratch demo account, connected, with the setting store in a
// scratch configuration folder and scripted messages and shell.
class MainWindowFixture : public AccountFixture<params::ProfileFlags, editor::EditorState>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        m_config = std::filesystem::path(account.path() + ".config");
        std::filesystem::create_directories(m_config);
        sandbox.setEnv("XDG_CONFIG_HOME", m_config.string());
        connectProcess();
    }

    void TearDown() override { std::filesystem::remove_all(m_config); }

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

private:
    std::filesystem::path m_config;
};

} // namespace orvan::test
