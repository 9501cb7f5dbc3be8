#include "app/Program.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>

#include "app/AccountCommands.h"
#include "app/CloseBillCommand.h"
#include "app/Display.h"
#include "app/ParamCommands.h"
#include "app/PlanCommands.h"
#include "app/ProgramContext.h"
#include "app/ScriptCommandLine.h"
#include "component/ComponentRegistry.h"
#include "component/SysEnum.h"
#include "component/SysFace.h"

#ifdef ORVAN_HAVE_GUI
#include "gui/GuiHost.h"
#endif

namespace orvan::app {
namespace {

struct WindowOptions
{
    int sysClass = component::sys_All;
    std::string systemId;
};

// Opens the maintenance window the way a host does: a SysFace, its subsystem, Show.
int runWindow(int argc, char **argv, const WindowOptions &options, ProgramContext &context)
{
#ifdef ORVAN_HAVE_GUI
    if (!displayAvailable()) {
        std::cerr << "orvan-sysmaintain: no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n";
        return 2;
    }
    context.start();
    gui::GuiHost host(argc, argv);
    auto face = component::ComponentRegistry::instance().createAs<component::SysFace>(
        "OrvanSysMaintain.SysFace");
    face->SystemID(options.systemId);
    face->Show(options.sysClass);
    return 0;
#else
    (void)argc;
    (void)argv;
    (void)options;
    (void)context;
    std::cerr << "orvan-sysmaintain: built without the window\n";
    return 2;
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
                   "4 alarm, 5 bill settings")
        ->check(CLI::Range(0, 5));
    cli.add_option("--system", options.systemId, "Calling subsystem code (\"0000\" ... \"0006\")");
}

} // namespace

int runProgram(int argc, char **argv)
{
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

    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        return cli.exit(error);
    }
    if (cli.get_subcommands().empty())
        return runWindow(argc, argv, window, context);
    return context.exitCode;
}

} // namespace orvan::app
