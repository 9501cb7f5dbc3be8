#include "app/Program.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <vector>

#include "app/AccountCommands.h"
#include "app/CloseBillCommand.h"
#include "app/Display.h"
#include "app/HistoryCommands.h"
#include "app/LoginSource.h"
#include "app/ParamCommands.h"
#include "app/PlanCommands.h"
#include "app/ProgramContext.h"
#include "app/ScriptCommandLine.h"
#include "app/SettingsCommands.h"
#include "app/WindowProgram.h"
#include "component/ComponentRegistry.h"
#include "component/ProgIds.h"
#include "component/SysEnum.h"
#include "component/SysFace.h"
#include "suite/ChangeHistory.h"
#include "suite/DemoAccount.h"

#ifdef ORVAN_HAVE_GUI
#include "gui/GuiHost.h"
#endif

namespace orvan::app {
namespace {

struct WindowOptions
{
    int sysClass = component::sys_sysparameter;
    std::string systemId;
    int classType = 0;
    std::string helpSystem;
    bool printControl = false;
    std::string screenshot;
    std::vector<std::string> clicks;
    std::string size; // "WIDTHxHEIGHT"
};

// The subcommand words of a command line ("profile set", "sql"), recorded with the
// changes the command makes; "" for the window.
std::string commandWords(CLI::App &cli, int argc, char **argv)
{
    std::string words;
    CLI::App *level = &cli;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.empty() || word.front() == '-')
            continue;
        CLI::App *sub = nullptr;
        for (auto *candidate : level->get_subcommands({}))
            if (candidate->get_name() == word)
                sub = candidate;
        if (!sub) {
            if (level != &cli)
                break;
            continue;
        }
        words += (words.empty() ? "" : " ") + word;
        level = sub;
    }
    return words == "gui" ? std::string() : words;
}

#ifdef ORVAN_HAVE_GUI
// Writes the demo account on the first run when the login in force uses it.
void ensureDemoAccount(const ProgramContext &context)
{
    const auto path = defaultDemoAccountPath();
    const auto login = resolveLogin(context.login);
    const auto connect = sqliteConnectString(path);
    const auto at = login.find(connect);
    const auto end = at + connect.size();
    const bool usesDemo =
        at != std::string::npos && (end == login.size() || login[end] == '}' || login[end] == ';');
    if (!usesDemo || std::filesystem::exists(path))
        return;
    suite::writeAccount(path, false);
    std::cerr << "orvan-sysmaintain: demo account written to " << path << "\n";
}

bool parseSize(const std::string &text, gui::GuiOptions &options)
{
    if (text.empty())
        return true;
    const auto cross = text.find('x');
    try {
        options.width = std::stoi(text.substr(0, cross));
        options.height = std::stoi(text.substr(cross + 1));
    } catch (const std::exception &) {
        return false;
    }
    return cross != std::string::npos && options.width >= gui::SmallestWindowWidth &&
           options.height >= gui::SmallestWindowHeight;
}
#endif

// Opens the maintenance window the way a host does: a SysFace, its subsystem, Show.
int runWindow(int argc, char **argv, const WindowOptions &options, ProgramContext &context)
{
#ifdef ORVAN_HAVE_GUI
    gui::GuiOptions guiOptions{.screenshotFile = options.screenshot, .clicks = options.clicks};
    if (!parseSize(options.size, guiOptions)) {
        std::cerr << "orvan-sysmaintain: --size takes WIDTHxHEIGHT in pixels, at least "
                  << gui::SmallestWindowWidth << "x" << gui::SmallestWindowHeight
                  << ", e.g. 1024x600\n";
        return 2;
    }
    if (options.screenshot.empty() && !interactiveDisplay()) {
        std::cerr << "orvan-sysmaintain: no display to open the window on (DISPLAY and "
                     "WAYLAND_DISPLAY are unset, or QT_QPA_PLATFORM names a platform that "
                     "draws nowhere); without one use --screenshot FILE to render it to a "
                     "PNG, or the script command to drive it\n";
        return 2;
    }
    try {
        ensureDemoAccount(context);
    } catch (const std::exception &error) {
        std::cerr << "orvan-sysmaintain: " << error.what() << "\n";
        return 1;
    }
    context.start();
    gui::GuiHost host(argc, argv, guiOptions);
    auto face = component::ComponentRegistry::instance().createAs<component::SysFace>(
        component::ProgId::SysFace);
    face->SystemID(options.systemId);
    face->m_bPrintControl = options.printControl;
    face->Show(options.sysClass, options.classType, options.helpSystem);
    return host.finish();
#else
    (void)argc;
    (void)argv;
    (void)options;
    (void)context;
    return runWindowProgram();
#endif
}

void addLoginOptions(CLI::App &cli, LoginOptions &login)
{
    cli.add_option("--db", login.database,
                   "Account database file (replaces the login's ConnectString)");
    cli.add_option("--login", login.login,
                   "Login property string (else $ORVAN_LOGIN, the login file, the demo login)");
    cli.add_option("--lang", login.language, "Language of the texts")
        ->check(CLI::IsMember({"chs", "CHT", "EN"}, CLI::ignore_case));
}

void addWindowOptions(CLI::App &cli, WindowOptions &options)
{
    cli.add_option("--class", options.sysClass,
                   "Class of parameters to show: 0 system, 1 accounting, 2 planning, 3 all, "
                   "4 alarm, 5 bill settings; default 0")
        ->check(CLI::Range(0, 5));
    cli.add_option("--system", options.systemId, "Calling subsystem code (\"0000\" ... \"0006\")");
    cli.add_option("--classtype", options.classType,
                   "Bill type the system class opens its bill settings on");
    cli.add_option("--help-system", options.helpSystem, "Help system the help topics belong to");
    cli.add_flag("--print-control", options.printControl,
                 "Open the system class on its print control node");
    cli.add_option("--screenshot", options.screenshot,
                   "Render the window off screen into this PNG file and exit");
    cli.add_option("--click", options.clicks, "Node clicked before the screenshot (repeatable)")
        ->allow_extra_args(false);
    cli.add_option("--size", options.size, "Window size in pixels, WIDTHxHEIGHT");
}

} // namespace

int runProgram(int argc, char **argv)
{
    rememberCommandLine(argc, argv);
    CLI::App cli{"OrvanSysMaintain: system parameters of the supply-chain modules",
                 "orvan-sysmaintain"};
    cli.set_version_flag("--version", std::string("orvan-sysmaintain ") + ORVAN_VERSION);
    cli.require_subcommand(0, 1);
    cli.fallthrough();

    ProgramContext context;
    WindowOptions window;
    addLoginOptions(cli, context.login);
    addWindowOptions(cli, window);
    addAccountCommands(cli, context);
    addParamCommands(cli, context);
    addScriptCommand(cli, context);
    addCloseBillCommand(cli, context);
    addPlanCommands(cli, context);
    addHistoryCommands(cli, context);
    addSettingsCommands(cli, context);
    auto *guiCommand = cli.add_subcommand("gui", "Open the maintenance window (the default)");

    suite::setChangeCommand(commandWords(cli, argc, argv));
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        // Help and the version end well; any other mistake in the words is a usage
        // error, status 2, whatever number the parser gives it.
        const int parserStatus = cli.exit(error);
        return parserStatus == 0 ? 0 : 2;
    }
    if (cli.get_subcommands().empty() || guiCommand->parsed())
        return runWindow(argc, argv, window, context);
    return context.exitCode;
}

} // namespace orvan::app
