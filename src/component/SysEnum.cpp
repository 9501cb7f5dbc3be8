#include "component/SysEnum.h"

#include "component/TypeLibrary.h"

namespace orvan::component {

const base::InterfaceInfo *SysEnum::typeInfo() const
{
    return &publicClass("SysEnum").defaultInterface;
}

const base::InterfaceInfo *BillCodeRule::typeInfo() const
{
    return &publicClass("BillCodeRule").defaultInterface;
}

} // namespace orvan::component
