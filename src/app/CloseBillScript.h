#pragma once

namespace orvan::app {

// Script lines of the bill-closing dialog: "closebill" runs Interface.CloseBill and
// prints "RETURN <code>" when it returns; while the dialog is open it takes
// "tool Close|Reopen|Reconcile|Exit", "key F1" and "dump dialog" (each button with
// enabled/disabled).
void registerCloseBillScript();

} // namespace orvan::app
