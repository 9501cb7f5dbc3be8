#include "app/CloseBillCommand.h"

#include "app/Display.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramContext.h"
#include "base/Error.h"
#include "base/Text.h"
#include "closing/BillClosingDialog.h"
#include "component/ComponentRegistry.h"
#include "component/Interface.h"
#include "component/ProgIds.h"
#include "forms/Shell.h"

#include "app/WindowProgram.h"
#ifdef ORVAN_HAVE_GUI
#include "gui/GuiHost.h"
#endif

namespace orvan::app {
namespace {

struct CloseBillOptions
{
    std::vector<std::string> presses;
    bool dump = false;
};

int32_t callCloseBill()
{
    auto closer = component::ComponentRegistry::instance().createAs<component::Interface>(
        component::ProgId::Interface);
    return closer->CloseBill();
}

// True when a press of Close or Reopen left the period in the state it asks for.
bool reachedItsState(const closing::BillClosingDialog &window, const std::string &key)
{
    const bool close = base::equalsNoCase(key, closing::BillClosingDialog::CloseKey);
    if (!close && !base::equalsNoCase(key, closing::BillClosingDialog::ReopenKey))
        return true;
    const auto *closeButton = window.button(closing::BillClosingDialog::CloseKey);
    return closeButton && closeButton->enabled != close;
}

// Plays the user of a headless window: each press in order, then the button states.
// False when a press could not be made or did not close or reopen the period.
bool drive(closing::BillClosingDialog &window, const CloseBillOptions &options)
{
    bool allDone = true;
    for (const auto &key : options.presses) {
        if (window.closeRequested())
            break;
        if (base::equalsNoCase(key, "F1")) {
            window.keyDown(forms::KeyCodeF1, 0);
        } else if (!window.press(key)) {
            std::cerr << "close-bill: " << key << " cannot be pressed\n";
            allDone = false;
        } else if (!reachedItsState(window, key)) {
            std::cerr << "close-bill: " << key << " did not change the period's state\n";
            allDone = false;
        }
    }
    if (options.dump)
        std::cout << window.describeButtons();
    return allDone;
}

int32_t runHeadless(const CloseBillOptions &options, bool &allDone)
{
    auto shell = std::make_shared<forms::ScriptedShell>();
    shell->queueDriver("frmShutBill", [&options, &allDone](forms::Form &form) {
        allDone = drive(dynamic_cast<closing::BillClosingDialog &>(form), options);
    });
    forms::setShell(shell);
    const auto code = callCloseBill();
    forms::setShell(nullptr);
    return code;
}

int32_t runInWindow()
{
#ifdef ORVAN_HAVE_GUI
    static int argc = 1;
    static char programName[] = "orvan-sysmaintain";
    static char *argv[] = {programName, nullptr};
    gui::GuiHost host(argc, argv);
    return callCloseBill();
#else
    if (windowProgramAvailable())
        runWindowProgram(); // returns only when the window program failed to start
    std::cerr << "orvan-sysmaintain: no window program; use --press\n";
    return callCloseBill();
#endif
}

void runCloseBill(const CloseBillOptions &options, ProgramContext &context)
{
    context.start();
    const bool headless = !options.presses.empty() || options.dump || !interactiveDisplay();
    if (headless && options.presses.empty())
        std::cerr << "close-bill: the window runs without a display; name buttons with --press\n";
    bool allDone = true;
    std::cout << (headless ? runHeadless(options, allDone) : runInWindow()) << std::endl;
    context.exitCode = allDone ? 0 : 1;
}

} // namespace

void addCloseBillCommand(CLI::App &cli, ProgramContext &context)
{
    auto options = std::make_shared<CloseBillOptions>();
    auto *command = cli.add_subcommand(
        "close-bill", "Close or reopen the bills of the current period (Interface.CloseBill) "
                      "and print the return code");
    command->add_option("--press", options->presses,
                        "Run without a window and press these buttons in order: Close, Reopen, "
                        "Reconcile, Exit, F1");
    command->add_flag("--dump", options->dump,
                      "Run without a window and print each button's state at the end");
    command->callback([options, &context] {
        try {
            runCloseBill(*options, context);
        } catch (const base::Error &error) {
            reportCommandError(error);
            context.exitCode = 1;
        }
    });
}

} // namespace orvan::app
