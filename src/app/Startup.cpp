#include "app/Startup.h"

#include "app/CloseBillScript.h"
#include "app/EditorScript.h"
#include "app/MainWindowScript.h"
#include "closing/CloseBillWindow.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/PublicClasses.h"
#include "params/tvwSysBuilder.h"
#include "planning/PlanCleanup.h"
#include "rules/PlanModeProcedure.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

namespace orvan::app {

void startComponents(const std::string &login)
{
    suite::SharedProps::publishForThisProcess(login);
    auto &registry = component::ComponentRegistry::instance();
    suite::registerStandIns(registry);
    component::registerPublicClasses(registry);
    component::processState().hooks.readOptionValue = [](const std::string &key) {
        return params::tvwSysBuilder().GetOptionValue(key);
    };
    closing::installCloseBillWindow();
    registerCloseBillScript();
    registerMainWindowScript();
    registerEditorScript();
    planning::installPlanning();
    rules::registerRuleProcedures();
}

} // namespace orvan::app
