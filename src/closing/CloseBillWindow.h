#pragma once

#include <cstdint>

namespace orvan::closing {

// Runs the bill-closing window modally through the process's shell (the Qt dialog in
// the window, a scripted driver headless) and returns its ReturnCode.
int32_t runCloseBillWindow();

// Makes Interface.CloseBill open the bill-closing window: installs runCloseBillWindow as
// the process hook.
void installCloseBillWindow();

} // namespace orvan::closing
