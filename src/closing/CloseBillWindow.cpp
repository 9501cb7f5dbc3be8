#include "closing/CloseBillWindow.h"

#include "closing/ShutBill.h"
#include "component/ProcessState.h"
#include "forms/Shell.h"

namespace orvan::closing {

int32_t runCloseBillWindow()
{
    ShutBill window;
    forms::shell().runModal(window);
    return window.ReturnCode();
}

void installCloseBillWindow()
{
    component::processState().hooks.runCloseBillWindow = runCloseBillWindow;
}

} // namespace orvan::closing
