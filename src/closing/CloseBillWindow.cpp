#include "closing/CloseBillWindow.h"

#include "closing/BillClosingDialog.h"
#include "component/ProcessState.h"
#include "forms/Shell.h"

namespace orvan::closing {

int32_t runCloseBillWindow()
{
    BillClosingDialog window;
    forms::shell().runModal(window);
    return window.ReturnCode();
}

void installCloseBillWindow()
{
    component::processState().hooks.runCloseBillWindow = runCloseBillWindow;
}

} // namespace orvan::closing
