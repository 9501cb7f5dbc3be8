#include "component/SysFace.h"
#include "component/AccountReason.h"

#include "base/Error.h"
#include "base/Text.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/SysEnum.h"
#include "component/Translation.h"
#include "component/TypeLibrary.h"
#include "forms/Messages.h"

namespace orvan::component {
namespace {

using base::tryStep;

void runMaintenanceWindow()
{
    const auto &run = processState().hooks.runMaintenanceWindow;
    if (run)
        tryStep(run);
}

// The rights check before the system class; an error of the rights component counts as
// a refusal, and the user is told what failed.
bool systemClassAllowed()
{
    try {
        return CheckRight(1099, 1, 0x400000);
    } catch (const base::Error &error) {
        forms::showMessage(messageTitle(), userErrorText(error), forms::Buttons::Ok,
                           forms::Icon::Warning);
        return false;
    }
}

} // namespace

SysFace::SysFace()
{
    auto &state = processState();
    ++state.liveSysFaces;
    tryStep([&state] {
        state.connection =
            ComponentRegistry::instance().createAs<ConnectionComponent>(ProgId::Connection);
    });
}

SysFace::~SysFace()
{
    auto &state = processState();
    if (--state.liveSysFaces <= 0) {
        state.liveSysFaces = 0;
        state.connection.reset();
    }
}

void SysFace::ActiveCnnStr(std::string_view) {}

void SysFace::SystemID(std::string_view value)
{
    processState().systemId = std::string(value);
}

base::Variant SysFace::Show(int32_t itemClassId, int32_t classTypeId, std::string_view helpSystem)
{
    auto &state = processState();
    tryStep([] { ParseLoginProps(LoginPropsString()); });
    tryStep([&state] { state.connectString = GetLoginProp("ConnectString"); });
    state.helpSystem = std::string(helpSystem);
    switch (itemClassId) {
    case sys_sysparameter:
        showSystemClass(classTypeId);
        break;
    case sys_checkparameter:
    case sys_planparameter:
    case sys_All:
    case sys_alarmparameter:
    case sys_arapParameter:
        state.sysClass = itemClassId;
        runMaintenanceWindow();
        break;
    default:
        break;
    }
    return {};
}

void SysFace::showSystemClass(int32_t classTypeId)
{
    auto &state = processState();
    std::string subId;
    tryStep([] { ParseLoginProps(LoginPropsString()); });
    tryStep([&subId] { subId = GetLoginProp("SubID"); });
    if (base::upperCase(subId) != "CB" && !systemClassAllowed())
        return;
    state.sysClass = sys_sysparameter;
    state.classTypeId = classTypeId;
    state.printControl = m_bPrintControl;
    runMaintenanceWindow();
}

int32_t SysFace::GetOptionValue(std::string_view key)
{
    const auto &read = processState().hooks.readOptionValue;
    if (!read)
        return -1;
    try {
        return read(std::string(key));
    } catch (const std::exception &) {
        return -1;
    }
}

const base::InterfaceInfo *SysFace::typeInfo() const
{
    return &publicClass("SysFace").defaultInterface;
}

base::Variant SysFace::dispatch(base::DispId id, base::InvokeKind kind,
                                std::vector<base::Variant> &args)
{
    switch (id) {
    case DispIds::SysFace_m_bPrintControl:
        if (kind == base::InvokeKind::PropertyPut) {
            m_bPrintControl = args[0].toBool();
            return {};
        }
        return base::Variant(m_bPrintControl);
    case DispIds::SysFace_ActiveCnnStr:
        ActiveCnnStr(args[0].text());
        return {};
    case DispIds::SysFace_Show:
        return Show(args[0].toLong(), args[1].toLong(), args[2].text());
    case DispIds::SysFace_SystemID:
        SystemID(args[0].text());
        return {};
    case DispIds::SysFace_GetOptionValue:
        return base::Variant(GetOptionValue(args[0].text()));
    default:
        return Object::dispatch(id, kind, args);
    }
}

} // namespace orvan::component
