// The process state of the window benchmarks: a fresh start on a generated account.
#pragma once

#include "LargeAccount.h"

#include "app/Startup.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/Translation.h"
#include "forms/Messages.h"
#include "mainwindow/MainWindowHooks.h"
#include "mainwindow/MaintenanceWindow.h"
#include "params/ProfileFlags.h"
#include "suite/AppConnection.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace orvan::bench {

// How the window's process starts: the window's own components only, or every component
// and hook the program starts.
enum class Start { WindowOnly, AsProgram };

// The process state of a fresh start on an account, with scripted messages.
class WindowSession
{
public:
    explicit WindowSession(Start start = Start::WindowOnly,
                           const LargeAccount &account = largeAccount())
        : WindowSession(start, account.connectString())
    {}

    // A fresh start on the account a connection string names.
    WindowSession(Start start, const std::string &connectString)
    {
        const std::string login =
            "ConnectString={" + connectString + "};UserID=16394;LANGUAGE=chs;";
        component::ProcessState::reset();
        component::resetLanguageResources();
        params::ProfileFlags::reset();
        auto &registry = component::ComponentRegistry::instance();
        registry.clear();
        if (start == Start::AsProgram) {
            app::startComponents(login);
        } else {
            suite::registerStandIns(registry);
            suite::SharedProps::publishForThisProcess(login);
        }
        component::resetLanguageResources();
        component::processState().connection =
            std::make_shared<suite::AppConnection>(connectString);
        component::processState().connectString = connectString; // as Show sets it
        messages = std::make_shared<forms::ScriptedMessages>();
        forms::setMessages(messages);
    }

    ~WindowSession()
    {
        mainwindow::mainWindowHooks() = {};
        forms::setMessages(nullptr);
        component::ProcessState::reset();
        component::resetLanguageResources();
        component::ComponentRegistry::instance().clear();
        suite::SharedProps::clearAll();
    }

    WindowSession(const WindowSession &) = delete;
    WindowSession &operator=(const WindowSession &) = delete;

    // Opens the window of a class as a first Show in the process does: created and loaded.
    std::unique_ptr<mainwindow::MaintenanceWindow> open(int32_t sysClass)
    {
        auto &state = component::processState();
        state.sysClass = sysClass;
        state.systemId = "0000";
        state.currentNodeKey.clear();
        auto window = std::make_unique<mainwindow::MaintenanceWindow>();
        window->load();
        return window;
    }

    // The text of the first message shown, "" when none was.
    std::string firstMessage() const
    {
        return messages->shown().empty() ? std::string() : messages->shown().front().text;
    }

    std::shared_ptr<forms::ScriptedMessages> messages;
};

// Times one iteration's work on the steady clock (manual time): pausing the benchmark's
// timer reads the process CPU clock twice per iteration, a system call each, which is as
// much as a small click costs.
template <class Work>
void timeIteration(benchmark::State &state, Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

} // namespace orvan::bench
