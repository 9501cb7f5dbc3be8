#include "app/PlanCommands.h"

#include <CLI/CLI.hpp>

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "app/Display.h"
#include "app/ProgramContext.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/LoginContext.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/SysEnum.h"
#include "component/SysFace.h"
#include "component/Translation.h"
#include "forms/Messages.h"
#include "forms/Shell.h"
#include "planning/PilotPanel.h"

#include "app/WindowProgram.h"
#ifdef ORVAN_HAVE_GUI
#include "gui/GuiHost.h"
#endif

namespace orvan::app {
namespace {

using planning::PilotPanel;

constexpr const char *ProgressLines =
    "Without a display (or on Qt's offscreen platform) the panel's progress is printed, one "
    "line per change:\n"
    "  LABEL <text>            the panel's text line\n"
    "  PROGRESS <value>/<max>  the progress bar of a deletion\n"
    "  ANIMATION on|off        the animation of an adjustment (off: no animation file)\n"
    "and last DONE, or FAILED when the pass stopped or the adjustment failed (exit code 1, "
    "the reason on standard error).";

struct PanelResult
{
    PilotPanel::Outcome outcome = PilotPanel::Outcome::Unfinished;
    std::string failure;
    bool declined = false; // the user answered No to the question before a deletion
};

// The question before a deletion: how many plans, from which start dates. Empty when
// there is nothing to delete.
std::string deletionQuestion()
{
    const auto rows = component::requireConnection().Execute(
        "SELECT COUNT(*) AS FCount, MIN(FStartDate) AS FFirst, MAX(FStartDate) AS FLast "
        "FROM PLMPSPlan");
    const int32_t count =
        rows && !rows->isEOF() ? static_cast<int32_t>(rows->Fields("FCount").Value().toLong()) : 0;
    if (count == 0)
        return {};
    const auto day = [&rows](const char *field) {
        return rows->Fields(field).Value().text().substr(0, 10);
    };
    return component::FormatText(
        "将删除%1个主生产计划预测方案（开始日期从%2到%3）及其预测和需求，确定删除吗？", count,
        day("FFirst"), day("FLast"));
}

// On a terminal the person running the command answers; without one (a script) the
// command goes on as it always has.
bool confirmedOnTerminal(const std::string &question)
{
    if (question.empty() || !::isatty(STDIN_FILENO))
        return true;
    std::cerr << question << " [y/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    answer = base::trim(answer);
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y' || answer.starts_with("是"));
}

struct PlanOptions
{
    std::string by = "start";
    bool yes = false; // answers the question before a deletion
};

// Prints each change of the panel's state once.
class ProgressPrinter
{
public:
    explicit ProgressPrinter(const PilotPanel &panel)
        : m_panel(panel)
    {}

    void operator()()
    {
        printIfChanged("LABEL " + m_panel.labelText(), m_label);
        const auto &bar = m_panel.progressBar();
        if (bar.visible && m_panel.barStarted())
            printIfChanged("PROGRESS " + std::to_string(bar.value) + "/" + std::to_string(bar.max),
                           m_progress);
        if (m_panel.animationVisible() || !m_animation.empty())
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

    const PilotPanel &m_panel;
    std::string m_label;
    std::string m_progress;
    std::string m_animation;
};

// The login's account as the panel reaches it: the shared connection (held by the
// SysFace) and the connection string the adjustment opens its own connection on.
// Raises the reason when the account cannot be read.
void connectToAccount()
{
    auto &state = component::processState();
    component::ParseLoginProps(component::LoginPropsString());
    state.connectString = component::GetLoginProp("ConnectString");
    component::requireConnection().Execute("SELECT COUNT(*) FROM PLMPSPlan");
}

PanelResult runInWindow(bool adjust, int32_t adjustType, bool askFirst)
{
#ifdef ORVAN_HAVE_GUI
    static int argc = 1;
    static char programName[] = "orvan-sysmaintain";
    static char *argv[] = {programName, nullptr};
    gui::GuiHost host(argc, argv);
    if (const auto question = askFirst ? deletionQuestion() : std::string();
        !question.empty() &&
        forms::showMessage(component::messageTitle(), question, forms::Buttons::YesNo,
                           forms::Icon::Question) != forms::Answer::Yes)
        return {PilotPanel::Outcome::Unfinished, {}, true};
    PilotPanel panel;
    panel.ifAdjust(adjust);
    panel.AdjustType(adjustType);
    forms::shell().runModal(panel);
    return {panel.outcome(), panel.failure()};
#else
    (void)adjust;
    (void)adjustType;
    (void)askFirst;
    std::exit(runWindowProgram()); // returns only when the window program failed to start
#endif
}

PanelResult runHeadless(bool adjust, int32_t adjustType)
{
    forms::setShell(std::make_shared<forms::ScriptedShell>());
    // The panel's message about a failure is the reason reportOutcome prints.
    forms::setMessages(std::make_shared<forms::ScriptedMessages>());
    PilotPanel panel;
    panel.ifAdjust(adjust);
    panel.AdjustType(adjustType);
    panel.addChangeListener(ProgressPrinter(panel));
    forms::shell().runModal(panel);
    forms::setMessages(nullptr);
    forms::setShell(nullptr);
    std::cout << (panel.outcome() == PilotPanel::Outcome::Done ? "DONE" : "FAILED") << std::endl;
    return {panel.outcome(), panel.failure()};
}

void reportOutcome(const PanelResult &result, ProgramContext &context)
{
    if (result.declined) {
        std::cerr << "plans: answered No; nothing was deleted\n";
        context.exitCode = 1;
        return;
    }
    const std::string reason = result.failure.empty() ? "" : ": " + result.failure;
    switch (result.outcome) {
    case PilotPanel::Outcome::Done:
        context.exitCode = 0;
        return;
    case PilotPanel::Outcome::Unfinished:
        // The three plan tables are deleted in one transaction: all of them or none.
        std::cerr << "plans: the forecast plans were not deleted; the account is unchanged"
                  << reason << "\n";
        break;
    case PilotPanel::Outcome::Failed:
        std::cerr << "plans: the forecast plans were not adjusted" << reason << "\n";
        break;
    }
    context.exitCode = 1;
}

void runPanel(bool adjust, int32_t adjustType, bool answeredYes, ProgramContext &context)
{
    try {
        context.start();
        component::SysFace face; // holds the account's connection for the pass
        connectToAccount();
#ifdef ORVAN_HAVE_GUI
        const bool inWindow = interactiveDisplay();
#else
        const bool inWindow = interactiveDisplay() && windowProgramAvailable();
#endif
        const bool askFirst = !adjust && !answeredYes;
        if (!inWindow && askFirst && !confirmedOnTerminal(deletionQuestion())) {
            reportOutcome({PilotPanel::Outcome::Unfinished, {}, true}, context);
            return;
        }
        reportOutcome(inWindow ? runInWindow(adjust, adjustType, askFirst)
                               : runHeadless(adjust, adjustType),
                      context);
    } catch (const std::exception &error) {
        std::cerr << "plans: " << error.what() << "\n";
        context.exitCode = 1;
    }
}

} // namespace

void addPlanCommands(CLI::App &cli, ProgramContext &context)
{
    auto *plans = cli.add_subcommand("plans", "Clean or re-time the forecast plans with the "
                                              "forecast panel");
    plans->require_subcommand(1);
    plans->footer(ProgressLines);
    auto options = std::make_shared<PlanOptions>();
    auto *clean = plans->add_subcommand("clean", "Delete the forecast plans and their demands");
    clean->footer(ProgressLines);
    clean->add_flag("--yes", options->yes,
                    "Delete without asking (the window and a terminal ask first; a run without "
                    "a terminal does not ask)");
    clean->callback([&context, options] {
        runPanel(false, component::ByPlanStartDate, options->yes, context);
    });

    auto *adjust = plans->add_subcommand(
        "adjust", "Re-time the forecast plans to the planning parameters and clear their demands");
    adjust->footer(ProgressLines);
    adjust
        ->add_option("--by", options->by,
                     "start: move the plans to the plan start date; count: fit them to the "
                     "time-zone count")
        ->check(CLI::IsMember({"start", "count"}))
        ->capture_default_str();
    adjust->callback([&context, options] {
        runPanel(true, options->by == "count" ? component::ByTZCount : component::ByPlanStartDate,
                 true, context);
    });
}

} // namespace orvan::app
