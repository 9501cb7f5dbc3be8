#include "app/Startup.h"

#include "app/CloseBillScript.h"
#include "app/EditorScript.h"
#include "app/MainWindowScript.h"
#include "app/SettingsTransferScript.h"
#include "billcode/BillCodeCaches.h"
#include "billcode/BillSettingsPage.h"
#include "closing/CloseBillWindow.h"
#include "component/ComponentRegistry.h"
#include "component/ProcessState.h"
#include "component/PublicClasses.h"
#include "mainwindow/MainWindowHooks.h"
#include "params/ParameterTree.h"
#include "planning/PlanCleanup.h"
#include "rules/PlanModeProcedure.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

namespace orvan::app {
namespace {

// The bill-settings editor page, and the rule caches the window fills as it opens and
// refreshes as the bill settings are selected.
void installBillCodeRules()
{
    billcode::registerBillSettingsPage();
    auto &hooks = mainwindow::mainWindowHooks();
    hooks.prepareBillCodeRules = [](mainwindow::MaintenanceWindow &) {
        billcode::billCodeCaches().loadAll();
    };
    hooks.refreshBillOptions = [](mainwindow::MaintenanceWindow &) {
        billcode::billCodeCaches().loadBillOptions();
    };
}

} // namespace

void startComponents(const std::string &login)
{
    suite::SharedProps::publishForThisProcess(login);
    auto &registry = component::ComponentRegistry::instance();
    suite::registerStandIns(registry);
    component::registerPublicClasses(registry);
    component::processState().hooks.readOptionValue = [](const std::string &key) {
        return params::ParameterTree().GetOptionValue(key);
    };
    closing::installCloseBillWindow();
    registerCloseBillScript();
    registerMainWindowScript();
    registerEditorScript();
    registerSettingsTransferScript();
    planning::installPlanning();
    rules::registerRuleProcedures();
    installBillCodeRules();
}

} // namespace orvan::app
