#pragma once

namespace CLI {
class App;
}

namespace orvan::app {

struct ProgramContext;

// "close-bill": runs Interface.CloseBill as a host does and prints the return code
// (0, or 118 after the reconciliation button). With a display the bill-closing window
// opens. Without one, or with --press, the window runs headless: the buttons named by
// --press (Close, Reopen, Reconcile, Exit, or F1 for help) are pressed in order, the
// messages go to standard error, --dump prints each button's state afterwards, and the
// window ends after the last press.
void addCloseBillCommand(CLI::App &cli, ProgramContext &context);

} // namespace orvan::app
