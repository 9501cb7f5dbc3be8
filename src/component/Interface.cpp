#include "component/Interface.h"
#include "component/AccountReason.h"

#include "base/Error.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/Translation.h"
#include "component/TypeLibrary.h"
#include "forms/Messages.h"

namespace orvan::component {
namespace {

bool mayCloseBills()
{
    auto &state = processState();
    if (!state.rightsComponent)
        state.rightsComponent =
            ComponentRegistry::instance().createAs<RightsComponent>(ProgId::Rights);
    return state.rightsComponent->AccessCheck(1002, 31, 0x400000);
}

int32_t runCloseBillWindow()
{
    const auto &run = processState().hooks.runCloseBillWindow;
    if (!run)
        return 0;
    try {
        return run();
    } catch (const std::exception &) {
        return 0;
    }
}

} // namespace

int32_t Interface::CloseBill()
{
    bool granted = false;
    try {
        granted = mayCloseBills();
    } catch (const base::Error &error) {
        forms::showMessage(messageTitle(), userErrorText(error), forms::Buttons::Ok,
                           forms::Icon::Warning);
        return 0;
    }
    if (granted)
        return runCloseBillWindow();
    forms::showMessage(messageTitle(), TranslateText(NoRightText));
    return 0;
}

const base::InterfaceInfo *Interface::typeInfo() const
{
    return &publicClass("Interface").defaultInterface;
}

base::Variant Interface::dispatch(base::DispId id, base::InvokeKind kind,
                                  std::vector<base::Variant> &args)
{
    if (id == DispIds::Interface_CloseBill)
        return base::Variant(CloseBill());
    return Object::dispatch(id, kind, args);
}

} // namespace orvan::component
