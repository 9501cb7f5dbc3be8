#include "suite/StandIns.h"

#include <memory>

#include "base/Dictionary.h"

#include "component/BillCodeComponents.h"
#include "component/ComponentRegistry.h"
#include "component/CostComponents.h"
#include "component/PeriodProviders.h"
#include "component/ProgIds.h"
#include "suite/AccountOptionProfile.h"
#include "suite/AppConnection.h"
#include "suite/BillCodeRuleStore.h"
#include "suite/BomUpdate.h"
#include "suite/BomView.h"
#include "suite/CalParameterControl.h"
#include "suite/ClassInfo.h"
#include "suite/CostCommon.h"
#include "suite/CostCommonModify.h"
#include "suite/CostPeriodService.h"
#include "suite/FormResLoader.h"
#include "suite/GLData.h"
#include "suite/GLView.h"
#include "suite/HelpTool.h"
#include "suite/JsonSettingStore.h"
#include "suite/ListServer.h"
#include "suite/OperationCostPeriodService.h"
#include "suite/OptionDialogs.h"
#include "suite/PPBom.h"
#include "suite/QMDataUpdate.h"
#include "suite/SavePosData.h"
#include "suite/SharedProps.h"
#include "suite/StandardCostPeriodService.h"
#include "suite/StringLoader.h"
#include "suite/SystemProfileService.h"

namespace orvan::suite {

namespace {

// The other modules' components the option rules call. The kanban module's alarm release
// is not installed with the account and stays unregistered.
void registerOptionComponents(component::ComponentRegistry &registry)
{
    namespace ProgId = component::ProgId;
    registry.add(ProgId::BomView, [] { return std::make_shared<BomView>(); });
    registry.add(ProgId::BomUpdate, [] { return std::make_shared<BomUpdate>(); });
    registry.add(ProgId::PPBom, [] { return std::make_shared<PPBom>(); });
    registry.add(ProgId::QualityDataUpdate, [] { return std::make_shared<QMDataUpdate>(); });
    registry.add(ProgId::BackFlushParamOption, makeBackFlushParamOption);
    registry.add(ProgId::KanbanParamOption, makeKanbanParamOption);
    registry.add(ProgId::SuitControlSetter, makeSuitControlSetter);
    registry.add(ProgId::BomOptionDialog, makeBomOptionDialog);
    registry.add(ProgId::ShortageWarningDialog, makeShortageWarningDialog);
    registry.add(ProgId::Dictionary, [] { return std::make_shared<base::Dictionary>(); });
}

} // namespace

void registerStandIns(component::ComponentRegistry &registry)
{
    namespace ProgId = component::ProgId;
    registry.add(ProgId::SharedProps, [] { return std::make_shared<SharedProps>(); });
    registry.add(ProgId::Connection, [] { return std::make_shared<AppConnection>(); });
    registry.add(ProgId::Rights, [] { return std::make_shared<GLData>(); });
    registry.add(ProgId::Help, [] { return std::make_shared<HelpTool>(); });
    registry.add(ProgId::SettingStore, [] { return std::make_shared<JsonSettingStore>(); });
    registry.add(ProgId::CostCommon, [] { return std::make_shared<CostCommon>(); });
    registry.add(ProgId::CostCommonModify, [] { return std::make_shared<CostCommonModify>(); });
    registry.add(ProgId::SavePosData, [] { return std::make_shared<SavePosData>(); });
    registry.add(ProgId::SystemProfile, [] { return std::make_shared<SystemProfileService>(); });
    registry.add(ProgId::StringLoader, [] { return std::make_shared<StringLoader>(); });
    registry.add(ProgId::FormResLoader, [] { return std::make_shared<FormResLoader>(); });
    registry.add(component::ProgId::LedgerView, [] { return std::make_shared<GLView>(); });
    registry.add(ProgId::BillCodeRule, [] { return std::make_shared<BillCodeRuleStore>(); });
    registry.add(ProgId::ClassInfo, [] { return std::make_shared<ClassInfo>(); });
    registry.add(ProgId::CostPeriods, [] { return std::make_shared<CostPeriodService>(); });
    registry.add(ProgId::OperationCostPeriods,
                 [] { return std::make_shared<OperationCostPeriodService>(); });
    registry.add(ProgId::StandardCostPeriods,
                 [] { return std::make_shared<StandardCostPeriodService>(); });
    registry.add(ProgId::ListServer, [] { return std::make_shared<ListServer>(); });
    registry.add(ProgId::CalculationParameters, [] { return CalParameterControl::forInventory(); });
    registry.add(ProgId::CostCalculationParameters, [] { return CalParameterControl::forCost(); });
    registry.add(component::ProgId::OptionProfile,
                 [] { return std::make_shared<AccountOptionProfile>(); });
    registerOptionComponents(registry);
}

} // namespace orvan::suite
