#include "component/PublicClasses.h"

#include <memory>

#include "component/ComponentRegistry.h"
#include "component/Interface.h"
#include "component/SysEnum.h"
#include "component/SysFace.h"
#include "component/TypeLibrary.h"
#include "component/clsDelPlan.h"

namespace orvan::component {
namespace {

template <class T>
void registerClass(ComponentRegistry &registry, const char *className)
{
    registry.add(publicClass(className).progId, [] { return std::make_shared<T>(); });
}

} // namespace

void registerPublicClasses(ComponentRegistry &registry)
{
    registerClass<SysFace>(registry, "SysFace");
    registerClass<Interface>(registry, "Interface");
    registerClass<clsDelPlan>(registry, "clsDelPlan");
    registerClass<SysEnum>(registry, "SysEnum");
    registerClass<BillCodeRule>(registry, "BillCodeRule");
}

} // namespace orvan::component
