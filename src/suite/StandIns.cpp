#include "suite/StandIns.h"

#include <memory>

#include "component/ComponentRegistry.h"
#include "component/ProgIds.h"
#include "suite/AppConnection.h"
#include "suite/FormResLoader.h"
#include "suite/GLData.h"
#include "suite/HelpTool.h"
#include "suite/SharedProps.h"
#include "suite/StringLoader.h"

namespace orvan::suite {

void registerStandIns(component::ComponentRegistry &registry)
{
    namespace ProgId = component::ProgId;
    registry.add(ProgId::SharedProps, [] { return std::make_shared<SharedProps>(); });
    registry.add(ProgId::Connection, [] { return std::make_shared<AppConnection>(); });
    registry.add(ProgId::Rights, [] { return std::make_shared<GLData>(); });
    registry.add(ProgId::Help, [] { return std::make_shared<HelpTool>(); });
    registry.add(ProgId::StringLoader, [] { return std::make_shared<StringLoader>(); });
    registry.add(ProgId::FormResLoader, [] { return std::make_shared<FormResLoader>(); });
}

} // namespace orvan::suite
