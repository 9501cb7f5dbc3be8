#include "app/PlanCommands.h"

#include <CLI/CLI.hpp>

#include <iostream>

#include "app/Display.h"
#include "app/ProgramContext.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/SysEnum.h"
#include "component/SysFace.h"
#include "forms/Shell.h"
#include "planning/PilotPanel.h"

#ifdef ORVAN_HAVE_GUI
#include "gui/GuiHost.h"
#endif

namespace orvan::app {
namespace {

struct PlanOptions
{
    std::string by = "start";
};

// Prints each change of the panel's state once.
class ProgressPrinter
{
public:
    explicit ProgressPrinter(const planning::PilotPanel &panel)
        : m_panel(panel)
    {}

    void operator()()
    {
        printIfChanged("LABEL " + m_panel.labelText(), m_label);
        const auto &bar = m_panel.progressBar();
        if (bar.visible && m_panel.barStarted())
            printIfChanged("PROGRESS " + std::to_string(bar.value) + "/" + std::to_string(bar.max),
                           m_progress);
        if (m_panel.animationVisible() || m_animation.size())
            printIfChanged(std::string("ANIMATION ") + (m_panel.animationRunning() ? "on" : "off"),
                           m_animation);
    }

private:
    void printIfChanged(const std::string &line, std::string &last)
    {
        if (line != last)
            std::cout << line << std::endl;
        last = line;
    }

    const planning::PilotPanel &m_panel;
    std::string m_label;
    std::string m_progress;
    std::string m_animation;
};

void runPanel(bool adjust, int32_t adjustType)
{
    component::SysFace face; // holds the account's connection for the pass
    component::ParseLoginProps(component::LoginPropsString());
    component::processState().g_strConnectString = component::GetLoginProp("ConnectString");
#ifdef ORVAN_HAVE_GUI
    if (displayAvailable()) {
        int argc = 1;
        char name[] = "orvan-sysmaintain";
        char *argv[] = {name, nullptr};
        gui::GuiHost host(argc, argv);
        planning::runForecastPanel(adjust, adjustType);
        return;
    }
#endif
    planning::PilotPanel panel;
    panel.ifAdjust(adjust);
    panel.AdjustType(adjustType);
    panel.addChangeListener(ProgressPrinter(panel));
    forms::shell().runModal(panel);
    std::cout << "DONE" << std::endl;
}

} // namespace

void addPlanCommands(CLI::App &cli, ProgramContext &context)
{
    auto *plans = cli.add_subcommand("plans", "Clean or re-time the forecast plans");
    plans->require_subcommand(1);
    auto *clean = plans->add_subcommand("clean", "Delete the forecast plans");
    clean->callback([&context] {
        context.start();
        runPanel(false, component::ByPlanStartDate);
    });
    auto options = std::make_shared<PlanOptions>();
    auto *adjust = plans->add_subcommand("adjust", "Re-time the forecast plans");
    adjust
        ->add_option("--by", options->by,
                     "start: to the plan start date; count: to the "
                     "time-zone count")
        ->check(CLI::IsMember({"start", "count"}));
    adjust->callback([&context, options] {
        context.start();
        runPanel(true, options->by == "count" ? component::ByTZCount : component::ByPlanStartDate);
    });
}

} // namespace orvan::app
