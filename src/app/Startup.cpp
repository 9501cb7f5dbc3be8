#include "app/Startup.h"

#include "component/ComponentRegistry.h"
#include "component/PublicClasses.h"
#include "suite/SharedProps.h"
#include "suite/StandIns.h"

namespace orvan::app {

void startComponents(const std::string &login)
{
    suite::SharedProps::publishForThisProcess(login);
    auto &registry = component::ComponentRegistry::instance();
    suite::registerStandIns(registry);
    component::registerPublicClasses(registry);
}

} // namespace orvan::app
